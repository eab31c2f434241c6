// The window operations every window object has. Plain platform calls on the handle are table
// rows; the operations that send a message, or whose platform function does not take the handle
// first, get a small function with the handle first and are rows the same way. An overloaded name
// is the rows of its forms: each row's trailing defaults make its shorter forms, and each form's
// argument tests come from the function's parameter types.
#include <windows.h>
#include <shellapi.h>

#include "window_rows.h"
#include "method_wrap.h"

namespace savrawin {

namespace {

// ---- handle and style ------------------------------------------------------------------------------

DWORD WINAPI GetStyle_0(HWND h) { return (DWORD)GetWindowLongW(h, GWL_STYLE); }
DWORD WINAPI GetExStyle_0(HWND h) { return (DWORD)GetWindowLongW(h, GWL_EXSTYLE); }
DWORD WINAPI GetWindowThreadID_0(HWND h) { return GetWindowThreadProcessId(h, nullptr); }
DWORD WINAPI GetWindowProcessID_0(HWND h)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    return pid;
}

// The standard dialog class's name is "#32770"; eight units are enough to tell it from a longer one.
BOOL WINAPI IsParentDialog_0(HWND h)
{
    wchar_t name[8];
    if (!GetClassNameW(GetParent(h), name, 8)) return FALSE;
    return lstrcmpW(name, L"#32770") == 0;
}

int WINAPI SetDlgCtrlID_1(HWND h, int id) { return (int)SetWindowLongW(h, GWL_ID, id); }

// ---- messages, placement and carets ---------------------------------------------------------------

LRESULT WINAPI GetFont_0(HWND h) { return SendMessageW(h, WM_GETFONT, 0, 0); }
LRESULT WINAPI Print_2(HWND h, HDC dc, DWORD flags) { return SendMessageW(h, WM_PRINT, (WPARAM)dc, flags); }
LRESULT WINAPI PrintClient_2(HWND h, HDC dc, DWORD flags) { return SendMessageW(h, WM_PRINTCLIENT, (WPARAM)dc, flags); }
LRESULT WINAPI SetHotKey_2(HWND h, WORD key, WORD modifiers)
{
    return SendMessageW(h, WM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
}
LRESULT WINAPI GetHotKey_0(HWND h) { return SendMessageW(h, WM_GETHOTKEY, 0, 0); }
LRESULT WINAPI NextDlgCtrl_0(HWND h) { return SendMessageW(h, WM_NEXTDLGCTL, 0, 0); }
LRESULT WINAPI PrevDlgCtrl_0(HWND h) { return SendMessageW(h, WM_NEXTDLGCTL, 1, 0); }
LRESULT WINAPI GotoDlgCtrl_1(HWND h, HWND control) { return SendMessageW(h, WM_NEXTDLGCTL, (WPARAM)control, 1); }

HDWP WINAPI DeferWindowPos_7(HWND h, HDWP info, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    return DeferWindowPos(info, h, after, x, y, cx, cy, flags);
}

BOOL WINAPI CreateCaret_1(HWND h, HBITMAP bitmap) { return CreateCaret(h, bitmap, 0, 0); }
BOOL WINAPI CreateSolidCaret_2(HWND h, int width, int height) { return CreateCaret(h, nullptr, width, height); }
BOOL WINAPI CreateGrayCaret_2(HWND h, int width, int height) { return CreateCaret(h, (HBITMAP)1, width, height); }

// ---- the fixed-arity methods ---------------------------------------------------------------------

const MethodRow window_methods[] = {
    // Handle and style.
    SAVRA_METHOD("GetStyle", GetStyle_0),
    SAVRA_METHOD("GetExStyle", GetExStyle_0),
    SAVRA_METHOD("GetWindowLong", GetWindowLongW, "nIndex"),
    SAVRA_METHOD("GetWindowWord", GetWindowWord, "nIndex"),
    SAVRA_METHOD("SetWindowWord", SetWindowWord, "nIndex", "wNewWord"),
    SAVRA_METHOD("GetWindowThreadID", GetWindowThreadID_0),
    SAVRA_METHOD("GetWindowProcessID", GetWindowProcessID_0),
    SAVRA_METHOD("IsWindow", IsWindow),
    SAVRA_METHOD("IsWindowUnicode", IsWindowUnicode),
    SAVRA_METHOD("IsParentDialog", IsParentDialog_0),
    SAVRA_METHOD("IsChild", IsChild, "hWnd"),
    // Text and font.
    SAVRA_METHOD("SetWindowText", SetWindowTextW, "lpszString"),
    SAVRA_METHOD("GetWindowTextLength", GetWindowTextLengthW),
    SAVRA_METHOD("GetFont", GetFont_0),
    // Menus.
    SAVRA_METHOD("GetMenu", GetMenu),
    SAVRA_METHOD("SetMenu", SetMenu, "hMenu"),
    SAVRA_METHOD("DrawMenuBar", DrawMenuBar),
    SAVRA_METHOD("GetSystemMenu", GetSystemMenu, "bRevert"),
    SAVRA_METHOD("HiliteMenuItem", HiliteMenuItem, "hMenu", "uItemHilite", "uHilite"),
    // Placement.
    SAVRA_METHOD("IsIconic", IsIconic),
    SAVRA_METHOD("IsZoomed", IsZoomed),
    SAVRA_METHOD("ArrangeIconicWindows", ArrangeIconicWindows),
    SAVRA_METHOD("BringWindowToTop", BringWindowToTop),
    SAVRA_METHOD("GetWindowRect", GetWindowRect, "lpRect"),
    SAVRA_METHOD("GetClientRect", GetClientRect, "lpRect"),
    SAVRA_METHOD("GetWindowPlacement", GetWindowPlacement, "lpwndpl"),
    SAVRA_METHOD("SetWindowPlacement", SetWindowPlacement, "lpwndpl"),
    SAVRA_METHOD("DeferWindowPos", DeferWindowPos_7, "hWinPosInfo", "hWndInsertAfter", "x", "y", "cx", "cy", "uFlags"),
    SAVRA_METHOD("ShowWindow", ShowWindow, "nCmdShow"),
    SAVRA_METHOD("ShowWindowAsync", ShowWindowAsync, "nCmdShow"),
    SAVRA_METHOD("IsWindowVisible", IsWindowVisible),
    SAVRA_METHOD("GetWindowRgn", GetWindowRgn, "hRgn"),
    // Painting.
    SAVRA_METHOD("BeginPaint", BeginPaint, "lpPaint"),
    SAVRA_METHOD("EndPaint", EndPaint, "lpPaint"),
    SAVRA_METHOD("GetDC", GetDC),
    SAVRA_METHOD("GetWindowDC", GetWindowDC),
    SAVRA_METHOD("ReleaseDC", ReleaseDC, "hDC"),
    SAVRA_METHOD("Print", Print_2, "hDC", "dwFlags"),
    SAVRA_METHOD("PrintClient", PrintClient_2, "hDC", "dwFlags"),
    SAVRA_METHOD("UpdateWindow", UpdateWindow),
    SAVRA_METHOD("ValidateRect", ValidateRect, "lpRect"),
    SAVRA_METHOD("ValidateRgn", ValidateRgn, "hRgn"),
    SAVRA_METHOD("GetDCEx", GetDCEx, "hRgnClip", "flags"),
    // Timers, input and state.
    SAVRA_METHOD("KillTimer", KillTimer, "nIDEvent"),
    SAVRA_METHOD("IsWindowEnabled", IsWindowEnabled),
    SAVRA_METHOD("SetActiveWindow", SetActiveWindow),
    SAVRA_METHOD("SetCapture", SetCapture),
    SAVRA_METHOD("SetFocus", SetFocus),
    SAVRA_METHOD("FlashWindow", FlashWindow, "bInvert"),
    SAVRA_METHOD("SetHotKey", SetHotKey_2, "wVirtualKeyCode", "wModifiers"),
    SAVRA_METHOD("GetHotKey", GetHotKey_0),
    // Dialog items.
    SAVRA_METHOD("CheckDlgButton", CheckDlgButton, "nIDButton", "nCheck"),
    SAVRA_METHOD("CheckRadioButton", CheckRadioButton, "nIDFirstButton", "nIDLastButton", "nIDCheckButton"),
    SAVRA_METHOD("DlgDirList", DlgDirListW, "lpPathSpec", "nIDListBox", "nIDStaticPath", "nFileType"),
    SAVRA_METHOD("DlgDirListComboBox", DlgDirListComboBoxW, "lpPathSpec", "nIDComboBox", "nIDStaticPath", "nFileType"),
    SAVRA_METHOD_BOUNDED("DlgDirSelect", DlgDirSelectExW, SAVRA_BOUNDS(bound::make(0, bound::Count, 1)), "lpString",
                         "nCount", "nIDListBox"),
    SAVRA_METHOD_BOUNDED("DlgDirSelectComboBox", DlgDirSelectComboBoxExW, SAVRA_BOUNDS(bound::make(0, bound::Count, 1)),
                         "lpString", "nCount", "nIDComboBox"),
    SAVRA_METHOD("IsDlgButtonChecked", IsDlgButtonChecked, "nIDButton"),
    SAVRA_METHOD("SetDlgItemText", SetDlgItemTextW, "nID", "lpszString"),
    SAVRA_METHOD("GetDlgCtrlID", GetDlgCtrlID),
    SAVRA_METHOD("SetDlgCtrlID", SetDlgCtrlID_1, "nID"),
    SAVRA_METHOD("IsDialogMessage", IsDialogMessageW, "lpMsg"),
    SAVRA_METHOD("NextDlgCtrl", NextDlgCtrl_0),
    SAVRA_METHOD("PrevDlgCtrl", PrevDlgCtrl_0),
    SAVRA_METHOD("GotoDlgCtrl", GotoDlgCtrl_1, "hWndCtrl"),
    // Scrolling.
    SAVRA_METHOD("GetScrollPos", GetScrollPos, "nBar"),
    SAVRA_METHOD("GetScrollInfo", GetScrollInfo, "nBar", "lpScrollInfo"),
    // Clipboard, caret, help.
    SAVRA_METHOD("ChangeClipboardChain", ChangeClipboardChain, "hWndNewNext"),
    SAVRA_METHOD("SetClipboardViewer", SetClipboardViewer),
    SAVRA_METHOD("OpenClipboard", OpenClipboard),
    SAVRA_METHOD("CreateCaret", CreateCaret_1, "hBitmap"),
    SAVRA_METHOD("CreateSolidCaret", CreateSolidCaret_2, "nWidth", "nHeight"),
    SAVRA_METHOD("CreateGrayCaret", CreateGrayCaret_2, "nWidth", "nHeight"),
    SAVRA_METHOD("HideCaret", HideCaret),
    SAVRA_METHOD("ShowCaret", ShowCaret),
    SAVRA_METHOD("SetWindowContextHelpId", SetWindowContextHelpId, "dwContextHelpId"),
    SAVRA_METHOD("GetWindowContextHelpId", GetWindowContextHelpId),
};

// ---- the overloaded methods ----------------------------------------------------------------------
// Each takes the handle first, then every argument of its longest form; the rows give the defaults.

LONG set_window_long(HWND h, int index, LONG value) { return SetWindowLongW(h, index, value); }

LRESULT send_message(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return SendMessageW(h, msg, wp, lp); }
BOOL post_message(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return PostMessageW(h, msg, wp, lp); }
BOOL send_notify_message(HWND h, UINT msg, WPARAM wp, LPARAM lp) { return SendNotifyMessageW(h, msg, wp, lp); }
LRESULT send_dlg_item_message(HWND h, int id, UINT msg, WPARAM wp, LPARAM lp)
{
    return SendDlgItemMessageW(h, id, msg, wp, lp);
}

// Children first found by GetTopWindow, then their siblings; a child's own children are reached
// before the next sibling when deep is set.
void send_to_descendants(HWND h, UINT msg, WPARAM wp, LPARAM lp, BOOL deep)
{
    for (HWND child = GetTopWindow(h); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, msg, wp, lp);
        if (deep && GetTopWindow(child)) send_to_descendants(child, msg, wp, lp, deep);
    }
}

LRESULT set_font(HWND h, HFONT font, BOOL redraw) { return SendMessageW(h, WM_SETFONT, (WPARAM)font, MAKELPARAM(redraw, 0)); }
LRESULT set_redraw(HWND h, BOOL redraw) { return SendMessageW(h, WM_SETREDRAW, (WPARAM)redraw, 0); }
LRESULT set_icon(HWND h, HICON icon, BOOL big) { return SendMessageW(h, WM_SETICON, (WPARAM)big, (LPARAM)icon); }
LRESULT get_icon(HWND h, BOOL big) { return SendMessageW(h, WM_GETICON, (WPARAM)big, 0); }

// The rectangle forms: a nil rectangle names nothing to place, and fails as the platform would.
BOOL move_window_to(HWND h, const RECT *r, BOOL repaint)
{
    if (!r) return FALSE;
    return MoveWindow(h, r->left, r->top, r->right - r->left, r->bottom - r->top, repaint);
}
BOOL move_window(HWND h, int x, int y, int cx, int cy, BOOL repaint) { return MoveWindow(h, x, y, cx, cy, repaint); }
BOOL set_window_pos_to(HWND h, HWND after, const RECT *r, UINT flags)
{
    if (!r) return FALSE;
    return SetWindowPos(h, after, r->left, r->top, r->right - r->left, r->bottom - r->top, flags);
}
BOOL set_window_pos(HWND h, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    return SetWindowPos(h, after, x, y, cx, cy, flags);
}
// One form each: a point (a RECT converts its first corner; MapWindowPoints does both).
BOOL client_to_screen(HWND h, POINT *p) { return ClientToScreen(h, p); }
BOOL screen_to_client(HWND h, POINT *p) { return ScreenToClient(h, p); }
int map_window_rect(HWND h, HWND to, RECT *r)
{
    if (!r) return 0;
    return MapWindowPoints(h, to, (POINT *)r, 2);
}
int map_window_points(HWND h, HWND to, POINT *points, UINT count) { return MapWindowPoints(h, to, points, count); }

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
BOOL modify_style(HWND h, DWORD remove, DWORD add, UINT flags) { return modify_long(h, GWL_STYLE, remove, add, flags); }
BOOL modify_style_ex(HWND h, DWORD remove, DWORD add, UINT flags) { return modify_long(h, GWL_EXSTYLE, remove, add, flags); }

BOOL get_update_rect(HWND h, RECT *r, BOOL erase) { return GetUpdateRect(h, r, erase); }
int get_update_rgn(HWND h, HRGN rgn, BOOL erase) { return GetUpdateRgn(h, rgn, erase); }
BOOL invalidate(HWND h, BOOL erase) { return InvalidateRect(h, nullptr, erase); }
BOOL invalidate_rect(HWND h, const RECT *r, BOOL erase) { return InvalidateRect(h, r, erase); }
BOOL invalidate_rgn(HWND h, HRGN rgn, BOOL erase) { return InvalidateRgn(h, rgn, erase); }
BOOL show_owned_popups(HWND h, BOOL show) { return ShowOwnedPopups(h, show); }
// Locking names the window; unlocking releases whichever window holds the lock.
BOOL lock_window_update(HWND h, BOOL lock) { return LockWindowUpdate(lock ? h : nullptr); }
constexpr UINT redraw_default = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE;
BOOL redraw_window(HWND h, const RECT *r, HRGN rgn, UINT flags) { return RedrawWindow(h, r, rgn, flags); }
int set_window_rgn(HWND h, HRGN rgn, BOOL redraw) { return SetWindowRgn(h, rgn, redraw); }

UINT_PTR set_timer(HWND h, UINT_PTR id, UINT elapse) { return SetTimer(h, id, elapse, nullptr); }
BOOL enable_window(HWND h, BOOL enable) { return EnableWindow(h, enable); }
void drag_accept_files(HWND h, BOOL accept) { DragAcceptFiles(h, accept); }
int message_box(HWND h, LPCWSTR text, LPCWSTR caption, UINT type) { return MessageBoxW(h, text, caption, type); }
// Without a caption the box has an empty title rather than the platform's "Error".
int message_box_untitled(HWND h, LPCWSTR text) { return MessageBoxW(h, text, L"", MB_OK); }
BOOL win_help(HWND h, LPCWSTR help, UINT command, ULONG_PTR data) { return WinHelpW(h, help, command, data); }

UINT get_dlg_item_text(HWND h, int id, LPWSTR text, int count) { return GetDlgItemTextW(h, id, text, count); }
BOOL set_dlg_item_int(HWND h, int id, UINT value, BOOL is_signed) { return SetDlgItemInt(h, id, value, is_signed); }
int get_window_text(HWND h, LPWSTR text, int count) { return GetWindowTextW(h, text, count); }

BOOL scroll_window(HWND h, int dx, int dy, const RECT *scroll, const RECT *clip) { return ScrollWindow(h, dx, dy, scroll, clip); }
int scroll_window_ex(HWND h, int dx, int dy, const RECT *scroll, const RECT *clip, HRGN update_rgn, RECT *update, UINT flags)
{
    return ScrollWindowEx(h, dx, dy, scroll, clip, update_rgn, update, flags);
}
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
int set_scroll_pos(HWND h, int bar, int pos, BOOL redraw) { return SetScrollPos(h, bar, pos, redraw); }
BOOL set_scroll_range(HWND h, int bar, int min, int max, BOOL redraw) { return SetScrollRange(h, bar, min, max, redraw); }
BOOL show_scroll_bar(HWND h, int bar, BOOL show) { return ShowScrollBar(h, bar, show); }
BOOL enable_scroll_bar(HWND h, UINT bar, UINT arrows) { return EnableScrollBar(h, bar, arrows); }
int set_scroll_info(HWND h, int bar, LPCSCROLLINFO info, BOOL redraw) { return SetScrollInfo(h, bar, info, redraw); }

using msg::Bounds;

const ControlMethod overloaded_methods[] = {
    overloaded<Call<set_window_long>>("SetWindowLong", "nIndex", "dwNewLong"),
    method<Call<send_message, 0, 0>>("SendMessage", "message", "wParam", "lParam"),
    method<Call<post_message, 0, 0>>("PostMessage", "message", "wParam", "lParam"),
    method<Call<send_notify_message, 0, 0>>("SendNotifyMessage", "message", "wParam", "lParam"),
    method<Call<set_font, TRUE>>("SetFont", "hFont", "bRedraw"),
    method<Call<move_window_to, TRUE>>("MoveWindow", "lpRect", "bRepaint"),
    method<Call<move_window, TRUE>>("MoveWindow", "x", "y", "nWidth", "nHeight", "bRepaint"),
    method<Call<set_window_pos_to>>("SetWindowPos", "hWndInsertAfter", "lpRect", "nFlags"),
    method<Call<set_window_pos>>("SetWindowPos", "hWndInsertAfter", "x", "y", "cx", "cy", "nFlags"),
    overloaded<Call<client_to_screen>>("ClientToScreen", "lpPoint"),
    overloaded<Call<screen_to_client>>("ScreenToClient", "lpPoint"),
    method<Call<map_window_rect>>("MapWindowPoints", "hWndTo", "lpRect"),
    method<BoundedCall<map_window_points, Bounds<bound::make(1, bound::Count, 2)>>>("MapWindowPoints", "hWndTo", "lpPoint",
                                                                                     "nCount"),
    method<Call<set_redraw, TRUE>>("SetRedraw", "bRedraw"),
    method<Call<get_update_rect, FALSE>>("GetUpdateRect", "lpRect", "bErase"),
    method<Call<get_update_rgn, FALSE>>("GetUpdateRgn", "hRgn", "bErase"),
    method<Call<invalidate, TRUE>>("Invalidate", "bErase"),
    method<Call<invalidate_rect, TRUE>>("InvalidateRect", "lpRect", "bErase"),
    method<Call<invalidate_rgn, TRUE>>("InvalidateRgn", "hRgn", "bErase"),
    method<Call<show_owned_popups, TRUE>>("ShowOwnedPopups", "bShow"),
    method<Call<lock_window_update, TRUE>>("LockWindowUpdate", "bLock"),
    method<Call<redraw_window, 0, 0, redraw_default>>("RedrawWindow", "lpRectUpdate", "hRgnUpdate", "flags"),
    overloaded<Call<set_timer>>("SetTimer", "nIDEvent", "nElapse"),
    method<Call<enable_window, TRUE>>("EnableWindow", "bEnable"),
    no_forms("GetDlgItemInt"),
    overloaded<BoundedCall<get_dlg_item_text, Bounds<bound::make(1, bound::Count, 2)>>>("GetDlgItemText", "nID", "lpStr",
                                                                                        "nMaxCount"),
    no_forms("GetNextDlgGroupItem"),
    no_forms("GetNextDlgTabItem"),
    method<Call<send_dlg_item_message, 0, 0>>("SendDlgItemMessage", "nID", "message", "wParam", "lParam"),
    method<Call<set_dlg_item_int, TRUE>>("SetDlgItemInt", "nID", "nValue", "bSigned"),
    method<Call<scroll_window, 0, 0>>("ScrollWindow", "xAmount", "yAmount", "lpRect", "lpClipRect"),
    method<Call<scroll_window_ex_flags_third, 0, 0, 0>>("ScrollWindowEx", "dx", "dy", "uFlags", "lpRectScroll",
                                                        "lpRectClip", "hRgnUpdate"),
    method<Call<scroll_window_ex>>("ScrollWindowEx", "dx", "dy", "lpRectScroll", "lpRectClip", "hRgnUpdate", "lpRectUpdate",
                                   "uFlags"),
    method<Call<scroll_window_ex_flags_third_all>>("ScrollWindowEx", "dx", "dy", "uFlags", "lpRectScroll", "lpRectClip",
                                                   "hRgnUpdate", "lpRectUpdate"),
    method<Call<set_scroll_pos, TRUE>>("SetScrollPos", "nBar", "nPos", "bRedraw"),
    method<Call<set_scroll_range, TRUE>>("SetScrollRange", "nBar", "nMinPos", "nMaxPos", "bRedraw"),
    method<Call<show_scroll_bar, TRUE>>("ShowScrollBar", "nBar", "bShow"),
    method<Call<enable_scroll_bar, ESB_ENABLE_BOTH>>("EnableScrollBar", "uSBFlags", "uArrowFlags"),
    method<Call<message_box_untitled>>("MessageBox", "lpszText"),
    method<Call<message_box, MB_OK>>("MessageBox", "lpszText", "lpszCaption", "nType"),
    method<Call<drag_accept_files, TRUE>>("DragAcceptFiles", "bAccept"),
    method<Call<set_icon, TRUE>>("SetIcon", "hIcon", "bBigIcon"),
    method<Call<get_icon, TRUE>>("GetIcon", "bBigIcon"),
    method<Call<win_help, HELP_CONTEXT, 0>>("WinHelp", "lpszHelp", "nCmd", "dwData"),
    method<Call<set_scroll_info, TRUE>>("SetScrollInfo", "nBar", "lpScrollInfo", "bRedraw"),
    method<Call<resize_client, TRUE>>("ResizeClient", "nWidth", "nHeight", "bRedraw"),
    method<Call<set_window_rgn, FALSE>>("SetWindowRgn", "hRgn", "bRedraw"),
    method<Call<send_to_descendants, 0, 0, TRUE>>("SendMessageToDescendants", "message", "wParam", "lParam", "bDeep"),
    method<Call<center_window, 0>>("CenterWindow", "hWndCenter"),
    method<Call<modify_style, 0>>("ModifyStyle", "dwRemove", "dwAdd", "nFlags"),
    method<Call<modify_style_ex, 0>>("ModifyStyleEx", "dwRemove", "dwAdd", "nFlags"),
    // The buffer form; the form without arguments is registered last, beside it.
    overloaded<BoundedCall<get_window_text, Bounds<bound::make(0, bound::Count, 1)>>>("GetWindowText", "lpszStringBuf",
                                                                                      "nMaxCount"),
};

} // namespace

void register_window_methods(LiValue cls)
{
    register_methods(cls, window_methods, sizeof window_methods / sizeof window_methods[0]);
    register_control_methods(cls, "SWindowBase", overloaded_methods, rows_in(overloaded_methods));
}

} // namespace savrawin
