// SWindowBase's methods, the operations every window object has, and its global functions: one
// table, below. Platform functions that take the window first are rows as they are; messages are
// Send rows; the rest are short functions with the receiver first (its handle, or the window base
// for the colours).
#include <windows.h>
#include <shellapi.h>

#include "handlers.h"
#include "window_rows.h"

namespace savrawin {

namespace {

// ---- handle, style and text --------------------------------------------------------------------

HWND window_handle(HWND h) { return h; }
void attach(SWindowBase *w, HWND h) { w->m_hWnd = h; }
HWND detach(SWindowBase *w)
{
    HWND old = w->m_hWnd;
    w->m_hWnd = nullptr;
    return old;
}

LiValue DestroyWindow_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    if (!DestroyWindow(w->m_hWnd)) return li_CreateLong(0);
    // A window made by Create took its instance and object with it in its final message.
    if (li_InstanceP(ArgBase[0])) w->m_hWnd = nullptr;
    return li_CreateLong(1);
}

DWORD window_process_id(HWND h)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    return pid;
}

// The standard dialog class's name is "#32770"; eight units are enough to tell it from a longer one.
BOOL is_parent_dialog(HWND h)
{
    wchar_t name[8];
    if (!GetClassNameW(GetParent(h), name, 8)) return FALSE;
    return lstrcmpW(name, L"#32770") == 0;
}

// An item's text as a number, or nil when it is not one.
struct ItemNumber {
    UINT number;
    BOOL translated;
    LiValue value() const { return translated ? li_CreateLong((int32_t)number) : Nil; }
};
ItemNumber dlg_item_int(HWND h, int id, BOOL is_signed)
{
    BOOL translated = FALSE;
    UINT number = GetDlgItemInt(h, id, &translated, is_signed);
    return {number, translated};
}

// The whole text, however long (the global GetWindowText stops at 511 units).
LiValue GetWindowText_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    int length = GetWindowTextLengthW(w->m_hWnd);
    wchar_t *text = (wchar_t *)LI_Malloc(sizeof(wchar_t) * (size_t)(length + 1));
    text[0] = 0;
    int n = GetWindowTextW(w->m_hWnd, text, length + 1);
    LiValue r = n < 0 ? Nil : wide_text_result(text);
    LI_Free(text);
    return r;
}

// ---- colours: store the description, delete the old handle, create the new one (0 on failure) ----

template <bool Children> void set_background(SWindowBase *w, UINT style, COLORREF color, ULONG_PTR hatch)
{
    LOGBRUSH lb = {style, color, hatch};
    LOGBRUSH &stored = Children ? w->colors.child_brush : w->colors.brush;
    HBRUSH &brush = Children ? w->colors.child_hbrush : w->colors.hbrush;
    stored = lb;
    if (brush) DeleteObject(brush);
    brush = CreateBrushIndirect(&lb);
}

template <bool Children> void set_foreground(SWindowBase *w, int style, int width, COLORREF color)
{
    (Children ? w->colors.child_text : w->colors.text) = color;
    HPEN &pen = Children ? w->colors.child_pen : w->colors.pen;
    if (pen) DeleteObject(pen);
    pen = CreatePen(style, width, color);
}

// The face name goes back into the script's string, as the platform left it.
template <bool Children>
HFONT set_font(SWindowBase *w, int height, int width, int escapement, int orientation, int weight, BYTE italic,
               BYTE underline, BYTE strike_out, BYTE char_set, BYTE out_precision, BYTE clip_precision, BYTE quality,
               BYTE pitch_and_family, LPWSTR face)
{
    HFONT &font = Children ? w->colors.child_font : w->colors.font;
    if (font) DeleteObject(font);
    font = CreateFontW(height, width, escapement, orientation, weight, italic, underline, strike_out, char_set, out_precision,
                       clip_precision, quality, pitch_and_family, face);
    return font;
}

// ---- placement ---------------------------------------------------------------------------------

HDWP defer_window_pos(HWND h, HDWP info, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    return DeferWindowPos(info, h, after, x, y, cx, cy, flags);
}

// The rectangle forms: a nil rectangle names nothing to place, and fails as the platform would.
BOOL move_window_to(HWND h, const RECT *r, BOOL repaint)
{
    if (!r) return FALSE;
    return MoveWindow(h, r->left, r->top, r->right - r->left, r->bottom - r->top, repaint);
}
BOOL set_window_pos_to(HWND h, HWND after, const RECT *r, UINT flags)
{
    if (!r) return FALSE;
    return SetWindowPos(h, after, r->left, r->top, r->right - r->left, r->bottom - r->top, flags);
}
int map_window_rect(HWND h, HWND to, RECT *r)
{
    if (!r) return 0;
    return MapWindowPoints(h, to, (POINT *)r, 2);
}

// The window is grown from the asked client size by its frame (and its menu bar, for a
// top-level window that has one); -1 keeps that dimension as it is.
BOOL resize_client(HWND h, int width, int height, BOOL redraw)
{
    RECT r;
    if (!GetClientRect(h, &r)) return FALSE;
    if (width != -1) r.right = width;
    if (height != -1) r.bottom = height;
    DWORD style = (DWORD)GetWindowLongW(h, GWL_STYLE);
    BOOL menu = !(style & WS_CHILD) && GetMenu(h) != nullptr;
    if (!AdjustWindowRectEx(&r, style, menu, (DWORD)GetWindowLongW(h, GWL_EXSTYLE))) return FALSE;
    UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    if (!redraw) flags |= SWP_NOREDRAW;
    return SetWindowPos(h, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, flags);
}

// A child is centred in its parent's client area (on the centre window's client rectangle); a
// top-level window on the work area of its monitor, over its owner when that is visible and not
// minimised. The result is kept inside the area, its left and top edges winning.
BOOL center_window(HWND h, HWND center)
{
    DWORD style = (DWORD)GetWindowLongW(h, GWL_STYLE);
    bool child = (style & WS_CHILD) != 0;
    if (!center) center = child ? GetParent(h) : GetWindow(h, GW_OWNER);
    RECT self, area, target;
    GetWindowRect(h, &self);
    if (!child) {
        if (center) {
            DWORD center_style = (DWORD)GetWindowLongW(center, GWL_STYLE);
            if (!(center_style & WS_VISIBLE) || (center_style & WS_MINIMIZE)) center = nullptr;
        }
        HMONITOR monitor = MonitorFromWindow(center ? center : h, MONITOR_DEFAULTTONEAREST);
        if (!monitor) return FALSE;
        MONITORINFO info;
        info.cbSize = sizeof info;
        if (!GetMonitorInfoW(monitor, &info)) return FALSE;
        area = info.rcWork;
        if (center) GetWindowRect(center, &target);
        else target = area;
    } else {
        HWND parent = GetParent(h);
        GetClientRect(parent, &area);
        GetClientRect(center, &target);
        MapWindowPoints(center, parent, (POINT *)&target, 2);
    }
    int width = self.right - self.left, height = self.bottom - self.top;
    int left = (target.left + target.right) / 2 - width / 2;
    int top = (target.top + target.bottom) / 2 - height / 2;
    if (left + width > area.right) left = area.right - width;
    if (left < area.left) left = area.left;
    if (top + height > area.bottom) top = area.bottom - height;
    if (top < area.top) top = area.top;
    return SetWindowPos(h, nullptr, left, top, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL modify_long(HWND h, int index, DWORD remove, DWORD add, UINT flags)
{
    DWORD old = (DWORD)GetWindowLongW(h, index);
    DWORD changed = (old & ~remove) | add;
    if (changed == old) return FALSE;
    SetWindowLongW(h, index, (LONG)changed);
    if (flags) SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}

// Locking names the window; unlocking releases whichever window holds the lock.
BOOL lock_window_update(HWND h, BOOL lock) { return LockWindowUpdate(lock ? h : nullptr); }

// ---- messages, timers, carets and dialogs ------------------------------------------------------

// Children first found by GetTopWindow, then their siblings; a child's own children are reached
// before the next sibling when deep is set.
void send_to_descendants(HWND h, UINT msg, WPARAM wp, LPARAM lp, BOOL deep)
{
    for (HWND child = GetTopWindow(h); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, msg, wp, lp);
        if (deep && GetTopWindow(child)) send_to_descendants(child, msg, wp, lp, deep);
    }
}

UINT_PTR set_timer(HWND h, UINT_PTR id, UINT elapse) { return SetTimer(h, id, elapse, nullptr); }
BOOL create_caret(HWND h, HBITMAP bitmap) { return CreateCaret(h, bitmap, 0, 0); }
// Without a caption the box has an empty title rather than the platform's "Error".
int message_box_untitled(HWND h, LPCWSTR text) { return MessageBoxW(h, text, L"", MB_OK); }

// ---- scrolling ---------------------------------------------------------------------------------

// The forms with the flags third take the rectangles and region after them; the longest of them
// is tried only after the platform's own order.
int scroll_window_ex_flags_third(HWND h, int dx, int dy, UINT flags, const RECT *scroll, const RECT *clip, HRGN update_rgn)
{
    return ScrollWindowEx(h, dx, dy, scroll, clip, update_rgn, nullptr, flags);
}
int scroll_window_ex_flags_third_all(HWND h, int dx, int dy, UINT flags, const RECT *scroll, const RECT *clip, HRGN update_rgn,
                                     RECT *update)
{
    return ScrollWindowEx(h, dx, dy, scroll, clip, update_rgn, update, flags);
}

constexpr UINT redraw_default = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE;
// The count argument after a buffer may not exceed the buffer's room.
constexpr uint32_t count_after(int buffer) { return bound::make(buffer, bound::Count, buffer + 1); }

#define FONT_PARAMS                                                                                                    \
    "nHeight", "nWidth", "nEscapement", "nOrientation", "nWeight", "bItalic", "bUnderline", "cStrikeOut", "nCharSet",  \
        "nOutPrecision", "nClipPrecision", "nQuality", "nPitchAndFamily", "lpszFacename"

const MethodRow window_base_rows[] = {
    // Handle and style.
    method<Call<window_handle>>("GetHwnd"),
    method<Call<attach>>("Attach", "hWndNew"),
    method<Call<detach>>("Detach"),
    method<Entry<DestroyWindow_entry>>("DestroyWindow"),
    method<Call<with<GetWindowLongW, GWL_STYLE>>>("GetStyle"),
    method<Call<with<GetWindowLongW, GWL_EXSTYLE>>>("GetExStyle"),
    method<Call<GetWindowLongW>>("GetWindowLong", "nIndex"),
    overloaded<Call<SetWindowLongW>>("SetWindowLong", "nIndex", "dwNewLong"),
    method<Call<GetWindowWord>>("GetWindowWord", "nIndex"),
    method<Call<SetWindowWord>>("SetWindowWord", "nIndex", "wNewWord"),
    method<Call<with<GetWindowThreadProcessId, 0>>>("GetWindowThreadID"),
    method<Call<window_process_id>>("GetWindowProcessID"),
    method<Call<IsWindow>>("IsWindow"),
    method<Call<IsWindowUnicode>>("IsWindowUnicode"),
    method<Call<is_parent_dialog>>("IsParentDialog"),
    method<Call<IsChild>>("IsChild", "hWnd"),
    // Text and font. GetWindowText with a buffer is a dispatcher's form; without arguments it is
    // a method of its own, whatever the length of the text.
    method<Call<SetWindowTextW>>("SetWindowText", "lpszString"),
    overloaded<BoundedCall<GetWindowTextW, Bounds<count_after(0)>>>("GetWindowText", "lpszStringBuf", "nMaxCount"),
    apart<Entry<GetWindowText_entry>>("GetWindowText"),
    method<Call<GetWindowTextLengthW>>("GetWindowTextLength"),
    method<Send<WM_SETFONT, W<HFONT>, LLow<BOOL, TRUE>>>("SetFont", "hFont", "bRedraw"),
    method<Send<WM_GETFONT>>("GetFont"),
    // Messages.
    method<Call<SendMessageW, 0, 0>>("SendMessage", "message", "wParam", "lParam"),
    method<Call<PostMessageW, 0, 0>>("PostMessage", "message", "wParam", "lParam"),
    method<Call<SendNotifyMessageW, 0, 0>>("SendNotifyMessage", "message", "wParam", "lParam"),
    method<Call<send_to_descendants, 0, 0, TRUE>>("SendMessageToDescendants", "message", "wParam", "lParam", "bDeep"),
    // Menus.
    method<Call<GetMenu>>("GetMenu"),
    method<Call<SetMenu>>("SetMenu", "hMenu"),
    method<Call<DrawMenuBar>>("DrawMenuBar"),
    method<Call<GetSystemMenu>>("GetSystemMenu", "bRevert"),
    method<Call<HiliteMenuItem>>("HiliteMenuItem", "hMenu", "uItemHilite", "uHilite"),
    // Placement.
    method<Call<IsIconic>>("IsIconic"),
    method<Call<IsZoomed>>("IsZoomed"),
    method<Call<ArrangeIconicWindows>>("ArrangeIconicWindows"),
    method<Call<BringWindowToTop>>("BringWindowToTop"),
    method<Call<GetWindowRect>>("GetWindowRect", "lpRect"),
    method<Call<GetClientRect>>("GetClientRect", "lpRect"),
    method<Call<GetWindowPlacement>>("GetWindowPlacement", "lpwndpl"),
    method<Call<SetWindowPlacement>>("SetWindowPlacement", "lpwndpl"),
    method<Call<move_window_to, TRUE>>("MoveWindow", "lpRect", "bRepaint"),
    method<Call<MoveWindow, TRUE>>("MoveWindow", "x", "y", "nWidth", "nHeight", "bRepaint"),
    method<Call<set_window_pos_to>>("SetWindowPos", "hWndInsertAfter", "lpRect", "nFlags"),
    method<Call<SetWindowPos>>("SetWindowPos", "hWndInsertAfter", "x", "y", "cx", "cy", "nFlags"),
    method<Call<defer_window_pos>>("DeferWindowPos", "hWinPosInfo", "hWndInsertAfter", "x", "y", "cx", "cy", "uFlags"),
    // One form each: a point (a RECT converts its first corner; MapWindowPoints does both).
    overloaded<Call<ClientToScreen>>("ClientToScreen", "lpPoint"),
    overloaded<Call<ScreenToClient>>("ScreenToClient", "lpPoint"),
    method<Call<map_window_rect>>("MapWindowPoints", "hWndTo", "lpRect"),
    method<BoundedCall<MapWindowPoints, Bounds<count_after(1)>>>("MapWindowPoints", "hWndTo", "lpPoint", "nCount"),
    method<Call<resize_client, TRUE>>("ResizeClient", "nWidth", "nHeight", "bRedraw"),
    method<Call<center_window, 0>>("CenterWindow", "hWndCenter"),
    method<Call<with<modify_long, GWL_STYLE>, 0>>("ModifyStyle", "dwRemove", "dwAdd", "nFlags"),
    method<Call<with<modify_long, GWL_EXSTYLE>, 0>>("ModifyStyleEx", "dwRemove", "dwAdd", "nFlags"),
    method<Call<ShowWindow>>("ShowWindow", "nCmdShow"),
    method<Call<ShowWindowAsync>>("ShowWindowAsync", "nCmdShow"),
    method<Call<IsWindowVisible>>("IsWindowVisible"),
    method<Call<ShowOwnedPopups, TRUE>>("ShowOwnedPopups", "bShow"),
    method<Call<GetWindowRgn>>("GetWindowRgn", "hRgn"),
    method<Call<SetWindowRgn, FALSE>>("SetWindowRgn", "hRgn", "bRedraw"),
    // Painting.
    method<Call<BeginPaint>>("BeginPaint", "lpPaint"),
    method<Call<EndPaint>>("EndPaint", "lpPaint"),
    method<Call<GetDC>>("GetDC"),
    method<Call<GetWindowDC>>("GetWindowDC"),
    method<Call<ReleaseDC>>("ReleaseDC", "hDC"),
    method<Call<GetDCEx>>("GetDCEx", "hRgnClip", "flags"),
    method<Send<WM_PRINT, W<HDC>, L<DWORD>>>("Print", "hDC", "dwFlags"),
    method<Send<WM_PRINTCLIENT, W<HDC>, L<DWORD>>>("PrintClient", "hDC", "dwFlags"),
    method<Call<UpdateWindow>>("UpdateWindow"),
    method<Call<ValidateRect>>("ValidateRect", "lpRect"),
    method<Call<ValidateRgn>>("ValidateRgn", "hRgn"),
    method<Call<GetUpdateRect, FALSE>>("GetUpdateRect", "lpRect", "bErase"),
    method<Call<GetUpdateRgn, FALSE>>("GetUpdateRgn", "hRgn", "bErase"),
    method<Call<with<InvalidateRect, 0>, TRUE>>("Invalidate", "bErase"),
    method<Call<InvalidateRect, TRUE>>("InvalidateRect", "lpRect", "bErase"),
    method<Call<InvalidateRgn, TRUE>>("InvalidateRgn", "hRgn", "bErase"),
    method<Call<RedrawWindow, 0, 0, redraw_default>>("RedrawWindow", "lpRectUpdate", "hRgnUpdate", "flags"),
    method<Send<WM_SETREDRAW, W<BOOL, TRUE>>>("SetRedraw", "bRedraw"),
    method<Call<lock_window_update, TRUE>>("LockWindowUpdate", "bLock"),
    method<Send<WM_SETICON, L<HICON>, W<BOOL, TRUE>>>("SetIcon", "hIcon", "bBigIcon"),
    method<Send<WM_GETICON, W<BOOL, TRUE>>>("GetIcon", "bBigIcon"),
    // Colours and fonts set from script.
    method<Call<set_background<false>>>("SetBackground", "style", "color", "hatch"),
    method<Call<set_foreground<false>>>("SetForeground", "penstyles", "width", "color"),
    method<Call<set_font<false>>>("SetFontEx", FONT_PARAMS),
    method<Call<set_background<true>>>("SetChildBackground", "style", "color", "hatch"),
    method<Call<set_foreground<true>>>("SetChildForeground", "penstyles", "width", "color"),
    method<Call<set_font<true>>>("SetChildFontEx", FONT_PARAMS),
    // Timers, input and state.
    overloaded<Call<set_timer>>("SetTimer", "nIDEvent", "nElapse"),
    method<Call<KillTimer>>("KillTimer", "nIDEvent"),
    method<Call<IsWindowEnabled>>("IsWindowEnabled"),
    method<Call<EnableWindow, TRUE>>("EnableWindow", "bEnable"),
    method<Call<SetActiveWindow>>("SetActiveWindow"),
    method<Call<SetCapture>>("SetCapture"),
    method<Call<SetFocus>>("SetFocus"),
    method<Call<FlashWindow>>("FlashWindow", "bInvert"),
    method<Send<WM_SETHOTKEY, WLowByte<WORD>, WHighByte<WORD>>>("SetHotKey", "wVirtualKeyCode", "wModifiers"),
    method<Send<WM_GETHOTKEY>>("GetHotKey"),
    method<Call<DragAcceptFiles, TRUE>>("DragAcceptFiles", "bAccept"),
    // Dialog items.
    method<Call<CheckDlgButton>>("CheckDlgButton", "nIDButton", "nCheck"),
    method<Call<CheckRadioButton>>("CheckRadioButton", "nIDFirstButton", "nIDLastButton", "nIDCheckButton"),
    method<Call<DlgDirListW>>("DlgDirList", "lpPathSpec", "nIDListBox", "nIDStaticPath", "nFileType"),
    method<Call<DlgDirListComboBoxW>>("DlgDirListComboBox", "lpPathSpec", "nIDComboBox", "nIDStaticPath", "nFileType"),
    method<BoundedCall<DlgDirSelectExW, Bounds<count_after(0)>>>("DlgDirSelect", "lpString", "nCount", "nIDListBox"),
    method<BoundedCall<DlgDirSelectComboBoxExW, Bounds<count_after(0)>>>("DlgDirSelectComboBox", "lpString", "nCount",
                                                                           "nIDComboBox"),
    method<Call<IsDlgButtonChecked>>("IsDlgButtonChecked", "nIDButton"),
    method<Call<dlg_item_int, TRUE>>("GetDlgItemInt", "nID", "bSigned"),
    overloaded<BoundedCall<GetDlgItemTextW, Bounds<count_after(1)>>>("GetDlgItemText", "nID", "lpStr", "nMaxCount"),
    method<Call<SetDlgItemTextW>>("SetDlgItemText", "nID", "lpszString"),
    method<Call<SetDlgItemInt, TRUE>>("SetDlgItemInt", "nID", "nValue", "bSigned"),
    method<Call<SendDlgItemMessageW, 0, 0>>("SendDlgItemMessage", "nID", "message", "wParam", "lParam"),
    method<Call<GetNextDlgGroupItem, FALSE>>("GetNextDlgGroupItem", "hWndCtl", "bPrevious"),
    method<Call<GetNextDlgTabItem, FALSE>>("GetNextDlgTabItem", "hWndCtl", "bPrevious"),
    method<Call<GetDlgCtrlID>>("GetDlgCtrlID"),
    method<Call<with<SetWindowLongW, GWL_ID>>>("SetDlgCtrlID", "nID"),
    method<Call<IsDialogMessageW>>("IsDialogMessage", "lpMsg"),
    method<Send<WM_NEXTDLGCTL>>("NextDlgCtrl"),
    method<Send<WM_NEXTDLGCTL, WIs<1>>>("PrevDlgCtrl"),
    method<Send<WM_NEXTDLGCTL, W<HWND>, LIs<1>>>("GotoDlgCtrl", "hWndCtrl"),
    // Scrolling.
    method<Call<GetScrollPos>>("GetScrollPos", "nBar"),
    method<Call<SetScrollPos, TRUE>>("SetScrollPos", "nBar", "nPos", "bRedraw"),
    method<Call<SetScrollRange, TRUE>>("SetScrollRange", "nBar", "nMinPos", "nMaxPos", "bRedraw"),
    method<Call<GetScrollInfo>>("GetScrollInfo", "nBar", "lpScrollInfo"),
    method<Call<SetScrollInfo, TRUE>>("SetScrollInfo", "nBar", "lpScrollInfo", "bRedraw"),
    method<Call<ShowScrollBar, TRUE>>("ShowScrollBar", "nBar", "bShow"),
    method<Call<EnableScrollBar, ESB_ENABLE_BOTH>>("EnableScrollBar", "uSBFlags", "uArrowFlags"),
    method<Call<ScrollWindow, 0, 0>>("ScrollWindow", "xAmount", "yAmount", "lpRect", "lpClipRect"),
    method<Call<scroll_window_ex_flags_third, 0, 0, 0>>("ScrollWindowEx", "dx", "dy", "uFlags", "lpRectScroll",
                                                        "lpRectClip", "hRgnUpdate"),
    method<Call<ScrollWindowEx>>("ScrollWindowEx", "dx", "dy", "lpRectScroll", "lpRectClip", "hRgnUpdate", "lpRectUpdate",
                                 "uFlags"),
    method<Call<scroll_window_ex_flags_third_all>>("ScrollWindowEx", "dx", "dy", "uFlags", "lpRectScroll", "lpRectClip",
                                                   "hRgnUpdate", "lpRectUpdate"),
    // Clipboard, caret, help.
    method<Call<ChangeClipboardChain>>("ChangeClipboardChain", "hWndNewNext"),
    method<Call<SetClipboardViewer>>("SetClipboardViewer"),
    method<Call<OpenClipboard>>("OpenClipboard"),
    method<Call<create_caret>>("CreateCaret", "hBitmap"),
    method<Call<with<CreateCaret, 0>>>("CreateSolidCaret", "nWidth", "nHeight"),
    method<Call<with<CreateCaret, 1>>>("CreateGrayCaret", "nWidth", "nHeight"),
    method<Call<HideCaret>>("HideCaret"),
    method<Call<ShowCaret>>("ShowCaret"),
    method<Call<message_box_untitled>>("MessageBox", "lpszText"),
    method<Call<MessageBoxW, MB_OK>>("MessageBox", "lpszText", "lpszCaption", "nType"),
    method<Call<WinHelpW, HELP_CONTEXT, 0>>("WinHelp", "lpszHelp", "nCmd", "dwData"),
    method<Call<SetWindowContextHelpId>>("SetWindowContextHelpId", "dwContextHelpId"),
    method<Call<GetWindowContextHelpId>>("GetWindowContextHelpId"),
    // The script's handlers.
    method<Entry<MessageHandler_entry, 'I', 'A'>>("MessageHandler", "uMsg", "expression"),
    method<Entry<NotifyHandler_entry, 'I', 'I', 'A'>>("NotifyHandler", "iNotifyCode", "idCtrl", "expression"),
    method<Entry<CommandHandler_entry, 'I', 'I', 'A'>>("CommandHandler", "iNotifyCode", "idCtrl", "expression"),
    // The class's global functions.
    global<Entry<rcDefault_set_entry, 'A'>>("SWindowBase_rcDefault_set", "SWindowBase::rcDefault"),
    global<Entry<rcDefault_get_entry>>("SWindowBase_rcDefault_get"),
    global<Entry<GetWndClassName_entry>>("SWindowBase_GetWndClassName"),
};

} // namespace

const MethodTable window_base_methods = table(window_base_rows);

} // namespace savrawin
