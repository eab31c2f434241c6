// The window operations every window object has. Plain platform calls on the handle are table
// rows; the operations that send a message, or whose platform function does not take the handle
// first, get a small function with the handle first and are rows the same way; the overloaded
// names map each form to such a function with the omitted trailing arguments filled in.
#include <windows.h>
#include <shellapi.h>

#include "../module/overload.h"
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

// ---- messages to the window itself -----------------------------------------------------------------

LRESULT WINAPI SetFont_2(HWND h, HFONT font, BOOL redraw)
{
    return SendMessageW(h, WM_SETFONT, (WPARAM)font, MAKELPARAM(redraw, 0));
}
LRESULT WINAPI SetFont_1(HWND h, HFONT font) { return SetFont_2(h, font, TRUE); }
LRESULT WINAPI GetFont_0(HWND h) { return SendMessageW(h, WM_GETFONT, 0, 0); }
LRESULT WINAPI Print_2(HWND h, HDC dc, DWORD flags) { return SendMessageW(h, WM_PRINT, (WPARAM)dc, flags); }
LRESULT WINAPI PrintClient_2(HWND h, HDC dc, DWORD flags) { return SendMessageW(h, WM_PRINTCLIENT, (WPARAM)dc, flags); }
LRESULT WINAPI SetRedraw_1(HWND h, BOOL redraw) { return SendMessageW(h, WM_SETREDRAW, (WPARAM)redraw, 0); }
LRESULT WINAPI SetRedraw_0(HWND h) { return SetRedraw_1(h, TRUE); }
LRESULT WINAPI SetIcon_2(HWND h, HICON icon, BOOL big) { return SendMessageW(h, WM_SETICON, (WPARAM)big, (LPARAM)icon); }
LRESULT WINAPI SetIcon_1(HWND h, HICON icon) { return SetIcon_2(h, icon, TRUE); }
LRESULT WINAPI GetIcon_1(HWND h, BOOL big) { return SendMessageW(h, WM_GETICON, (WPARAM)big, 0); }
LRESULT WINAPI GetIcon_0(HWND h) { return GetIcon_1(h, TRUE); }
LRESULT WINAPI SetHotKey_2(HWND h, WORD key, WORD modifiers)
{
    return SendMessageW(h, WM_SETHOTKEY, MAKEWORD(key, modifiers), 0);
}
LRESULT WINAPI GetHotKey_0(HWND h) { return SendMessageW(h, WM_GETHOTKEY, 0, 0); }
LRESULT WINAPI NextDlgCtrl_0(HWND h) { return SendMessageW(h, WM_NEXTDLGCTL, 0, 0); }
LRESULT WINAPI PrevDlgCtrl_0(HWND h) { return SendMessageW(h, WM_NEXTDLGCTL, 1, 0); }
LRESULT WINAPI GotoDlgCtrl_1(HWND h, HWND control) { return SendMessageW(h, WM_NEXTDLGCTL, (WPARAM)control, 1); }

LRESULT WINAPI SendMessage_1(HWND h, UINT msg) { return SendMessageW(h, msg, 0, 0); }
LRESULT WINAPI SendMessage_2(HWND h, UINT msg, WPARAM wp) { return SendMessageW(h, msg, wp, 0); }
BOOL WINAPI PostMessage_1(HWND h, UINT msg) { return PostMessageW(h, msg, 0, 0); }
BOOL WINAPI PostMessage_2(HWND h, UINT msg, WPARAM wp) { return PostMessageW(h, msg, wp, 0); }
BOOL WINAPI SendNotifyMessage_1(HWND h, UINT msg) { return SendNotifyMessageW(h, msg, 0, 0); }
BOOL WINAPI SendNotifyMessage_2(HWND h, UINT msg, WPARAM wp) { return SendNotifyMessageW(h, msg, wp, 0); }

// Children first found by GetTopWindow, then their siblings; a child's own children are reached
// before the next sibling when deep is set.
void send_to_descendants(HWND h, UINT msg, WPARAM wp, LPARAM lp, BOOL deep)
{
    for (HWND child = GetTopWindow(h); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, msg, wp, lp);
        if (deep && GetTopWindow(child)) send_to_descendants(child, msg, wp, lp, deep);
    }
}
void WINAPI SendMessageToDescendants_4(HWND h, UINT msg, WPARAM wp, LPARAM lp, BOOL deep)
{
    send_to_descendants(h, msg, wp, lp, deep);
}
void WINAPI SendMessageToDescendants_3(HWND h, UINT msg, WPARAM wp, LPARAM lp) { send_to_descendants(h, msg, wp, lp, TRUE); }
void WINAPI SendMessageToDescendants_2(HWND h, UINT msg, WPARAM wp) { send_to_descendants(h, msg, wp, 0, TRUE); }
void WINAPI SendMessageToDescendants_1(HWND h, UINT msg) { send_to_descendants(h, msg, 0, 0, TRUE); }

LRESULT WINAPI SendDlgItemMessage_2(HWND h, int id, UINT msg) { return SendDlgItemMessageW(h, id, msg, 0, 0); }
LRESULT WINAPI SendDlgItemMessage_3(HWND h, int id, UINT msg, WPARAM wp) { return SendDlgItemMessageW(h, id, msg, wp, 0); }

// ---- placement ---------------------------------------------------------------------------------------

// The rectangle forms: a nil rectangle names nothing to place, and fails as the platform would.
BOOL WINAPI MoveWindow_2(HWND h, const RECT *r, BOOL repaint)
{
    if (!r) return FALSE;
    return MoveWindow(h, r->left, r->top, r->right - r->left, r->bottom - r->top, repaint);
}
BOOL WINAPI MoveWindow_1(HWND h, const RECT *r) { return MoveWindow_2(h, r, TRUE); }
BOOL WINAPI MoveWindow_4(HWND h, int x, int y, int cx, int cy) { return MoveWindow(h, x, y, cx, cy, TRUE); }

BOOL WINAPI SetWindowPos_3(HWND h, HWND after, const RECT *r, UINT flags)
{
    if (!r) return FALSE;
    return SetWindowPos(h, after, r->left, r->top, r->right - r->left, r->bottom - r->top, flags);
}

int WINAPI MapWindowPoints_2(HWND h, HWND to, RECT *r)
{
    if (!r) return 0;
    return MapWindowPoints(h, to, (POINT *)r, 2);
}

HDWP WINAPI DeferWindowPos_7(HWND h, HDWP info, HWND after, int x, int y, int cx, int cy, UINT flags)
{
    return DeferWindowPos(info, h, after, x, y, cx, cy, flags);
}

// The window is grown from the asked client size by its frame (and its menu bar, for a
// top-level window that has one); -1 keeps that dimension as it is.
BOOL WINAPI ResizeClient_3(HWND h, int width, int height, BOOL redraw)
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
BOOL WINAPI ResizeClient_2(HWND h, int width, int height) { return ResizeClient_3(h, width, height, TRUE); }

// A child is centred in its parent's client area (on the centre window's client rectangle); a
// top-level window on the work area of its monitor, over its owner when that is visible and not
// minimised. The result is kept inside the area, its left and top edges winning.
BOOL WINAPI CenterWindow_1(HWND h, HWND center)
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
BOOL WINAPI CenterWindow_0(HWND h) { return CenterWindow_1(h, nullptr); }

// ---- style -------------------------------------------------------------------------------------------

BOOL modify_long(HWND h, int index, DWORD remove, DWORD add, UINT flags)
{
    DWORD old = (DWORD)GetWindowLongW(h, index);
    DWORD changed = (old & ~remove) | add;
    if (changed == old) return FALSE;
    SetWindowLongW(h, index, (LONG)changed);
    if (flags) SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | flags);
    return TRUE;
}
BOOL WINAPI ModifyStyle_3(HWND h, DWORD remove, DWORD add, UINT flags) { return modify_long(h, GWL_STYLE, remove, add, flags); }
BOOL WINAPI ModifyStyle_2(HWND h, DWORD remove, DWORD add) { return modify_long(h, GWL_STYLE, remove, add, 0); }
BOOL WINAPI ModifyStyleEx_3(HWND h, DWORD remove, DWORD add, UINT flags) { return modify_long(h, GWL_EXSTYLE, remove, add, flags); }
BOOL WINAPI ModifyStyleEx_2(HWND h, DWORD remove, DWORD add) { return modify_long(h, GWL_EXSTYLE, remove, add, 0); }

// ---- painting ----------------------------------------------------------------------------------------

BOOL WINAPI GetUpdateRect_1(HWND h, RECT *r) { return GetUpdateRect(h, r, FALSE); }
int WINAPI GetUpdateRgn_1(HWND h, HRGN rgn) { return GetUpdateRgn(h, rgn, FALSE); }
BOOL WINAPI Invalidate_1(HWND h, BOOL erase) { return InvalidateRect(h, nullptr, erase); }
BOOL WINAPI Invalidate_0(HWND h) { return InvalidateRect(h, nullptr, TRUE); }
BOOL WINAPI InvalidateRect_1(HWND h, const RECT *r) { return InvalidateRect(h, r, TRUE); }
BOOL WINAPI InvalidateRgn_1(HWND h, HRGN rgn) { return InvalidateRgn(h, rgn, TRUE); }
BOOL WINAPI ShowOwnedPopups_0(HWND h) { return ShowOwnedPopups(h, TRUE); }
// Locking names the window; unlocking releases whichever window holds the lock.
BOOL WINAPI LockWindowUpdate_1(HWND h, BOOL lock) { return LockWindowUpdate(lock ? h : nullptr); }
BOOL WINAPI LockWindowUpdate_0(HWND h) { return LockWindowUpdate(h); }
constexpr UINT redraw_default = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE;
BOOL WINAPI RedrawWindow_2(HWND h, const RECT *r, HRGN rgn) { return RedrawWindow(h, r, rgn, redraw_default); }
BOOL WINAPI RedrawWindow_1(HWND h, const RECT *r) { return RedrawWindow(h, r, nullptr, redraw_default); }
BOOL WINAPI RedrawWindow_0(HWND h) { return RedrawWindow(h, nullptr, nullptr, redraw_default); }
int WINAPI SetWindowRgn_1(HWND h, HRGN rgn) { return SetWindowRgn(h, rgn, FALSE); }

// ---- timers, input, state ------------------------------------------------------------------------

UINT_PTR WINAPI SetTimer_2(HWND h, UINT_PTR id, UINT elapse) { return SetTimer(h, id, elapse, nullptr); }
BOOL WINAPI EnableWindow_0(HWND h) { return EnableWindow(h, TRUE); }
void WINAPI DragAcceptFiles_1(HWND h, BOOL accept) { DragAcceptFiles(h, accept); }
void WINAPI DragAcceptFiles_0(HWND h) { DragAcceptFiles(h, TRUE); }
BOOL WINAPI CreateCaret_1(HWND h, HBITMAP bitmap) { return CreateCaret(h, bitmap, 0, 0); }
BOOL WINAPI CreateSolidCaret_2(HWND h, int width, int height) { return CreateCaret(h, nullptr, width, height); }
BOOL WINAPI CreateGrayCaret_2(HWND h, int width, int height) { return CreateCaret(h, (HBITMAP)1, width, height); }
int WINAPI MessageBox_2(HWND h, LPCWSTR text, LPCWSTR caption) { return MessageBoxW(h, text, caption, MB_OK); }
// Without a caption the box has an empty title rather than the platform's "Error".
int WINAPI MessageBox_1(HWND h, LPCWSTR text) { return MessageBoxW(h, text, L"", MB_OK); }
BOOL WINAPI WinHelp_2(HWND h, LPCWSTR help, UINT command) { return WinHelpW(h, help, command, 0); }
BOOL WINAPI WinHelp_1(HWND h, LPCWSTR help) { return WinHelpW(h, help, HELP_CONTEXT, 0); }

// ---- dialog items and scrolling ------------------------------------------------------------------

BOOL WINAPI SetDlgItemInt_2(HWND h, int id, UINT value) { return SetDlgItemInt(h, id, value, TRUE); }
BOOL WINAPI ScrollWindow_2(HWND h, int dx, int dy) { return ScrollWindow(h, dx, dy, nullptr, nullptr); }
BOOL WINAPI ScrollWindow_3(HWND h, int dx, int dy, const RECT *r) { return ScrollWindow(h, dx, dy, r, nullptr); }
// The forms with the flags third take the rectangles and region after them.
int WINAPI ScrollWindowEx_7f(HWND h, int dx, int dy, UINT flags, const RECT *scroll, const RECT *clip, HRGN update_rgn,
                             RECT *update)
{
    return ScrollWindowEx(h, dx, dy, scroll, clip, update_rgn, update, flags);
}
int WINAPI ScrollWindowEx_6f(HWND h, int dx, int dy, UINT flags, const RECT *scroll, const RECT *clip, HRGN update_rgn)
{
    return ScrollWindowEx(h, dx, dy, scroll, clip, update_rgn, nullptr, flags);
}
int WINAPI ScrollWindowEx_5f(HWND h, int dx, int dy, UINT flags, const RECT *scroll, const RECT *clip)
{
    return ScrollWindowEx(h, dx, dy, scroll, clip, nullptr, nullptr, flags);
}
int WINAPI ScrollWindowEx_4f(HWND h, int dx, int dy, UINT flags, const RECT *scroll)
{
    return ScrollWindowEx(h, dx, dy, scroll, nullptr, nullptr, nullptr, flags);
}
int WINAPI ScrollWindowEx_3f(HWND h, int dx, int dy, UINT flags)
{
    return ScrollWindowEx(h, dx, dy, nullptr, nullptr, nullptr, nullptr, flags);
}
int WINAPI SetScrollPos_2(HWND h, int bar, int pos) { return SetScrollPos(h, bar, pos, TRUE); }
BOOL WINAPI SetScrollRange_3(HWND h, int bar, int min, int max) { return SetScrollRange(h, bar, min, max, TRUE); }
BOOL WINAPI ShowScrollBar_1(HWND h, int bar) { return ShowScrollBar(h, bar, TRUE); }
BOOL WINAPI EnableScrollBar_1(HWND h, UINT bar) { return EnableScrollBar(h, bar, ESB_ENABLE_BOTH); }
int WINAPI SetScrollInfo_2(HWND h, int bar, LPCSCROLLINFO info) { return SetScrollInfo(h, bar, info, TRUE); }

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
// Forms in trial order: the total count (the instance included) and one test letter per position.

#define FORM(n, tests, fn) {n, tests, &HandleMethod<&fn>::entry}
#define FORM_BOUNDED(n, tests, fn, bounds) {n, tests, &HandleMethod<&fn, bounds>::entry}
#define FORMS(Name, ...) SAVRA_OVERLOAD(Name##_forms, "No matching function for overloaded 'SWindowBase::" #Name "'", __VA_ARGS__)
#define NO_FORMS(Name) constexpr Overload Name##_forms = {"No matching function for overloaded 'SWindowBase::" #Name "'", nullptr, 0}

FORMS(SetWindowLong, FORM(3, "AII", SetWindowLongW));
FORMS(SendMessage, FORM(2, "AI", SendMessage_1), FORM(3, "AII", SendMessage_2), FORM(4, "AIII", SendMessageW));
FORMS(PostMessage, FORM(2, "AI", PostMessage_1), FORM(3, "AII", PostMessage_2), FORM(4, "AIII", PostMessageW));
FORMS(SendNotifyMessage, FORM(2, "AI", SendNotifyMessage_1), FORM(3, "AII", SendNotifyMessage_2),
      FORM(4, "AIII", SendNotifyMessageW));
FORMS(SetFont, FORM(2, "AI", SetFont_1), FORM(3, "AII", SetFont_2));
FORMS(MoveWindow, FORM(2, "AA", MoveWindow_1), FORM(3, "AAI", MoveWindow_2), FORM(5, "AIIII", MoveWindow_4),
      FORM(6, "AIIIII", MoveWindow));
FORMS(SetWindowPos, FORM(4, "AIAI", SetWindowPos_3), FORM(7, "AIIIIII", SetWindowPos));
// One form each: a point (a RECT converts its first corner; MapWindowPoints does both).
FORMS(ClientToScreen, FORM(2, "AA", ClientToScreen));
FORMS(ScreenToClient, FORM(2, "AA", ScreenToClient));
FORMS(MapWindowPoints, FORM(3, "AIA", MapWindowPoints_2),
      FORM_BOUNDED(4, "AIAI", MapWindowPoints, SAVRA_BOUNDS(bound::make(1, bound::Count, 2))));
FORMS(SetRedraw, FORM(1, "A", SetRedraw_0), FORM(2, "AI", SetRedraw_1));
FORMS(GetUpdateRect, FORM(2, "AA", GetUpdateRect_1), FORM(3, "AAI", GetUpdateRect));
FORMS(GetUpdateRgn, FORM(2, "AI", GetUpdateRgn_1), FORM(3, "AII", GetUpdateRgn));
FORMS(Invalidate, FORM(1, "A", Invalidate_0), FORM(2, "AI", Invalidate_1));
FORMS(InvalidateRect, FORM(2, "AA", InvalidateRect_1), FORM(3, "AAI", InvalidateRect));
FORMS(InvalidateRgn, FORM(2, "AI", InvalidateRgn_1), FORM(3, "AII", InvalidateRgn));
FORMS(ShowOwnedPopups, FORM(1, "A", ShowOwnedPopups_0), FORM(2, "AI", ShowOwnedPopups));
FORMS(LockWindowUpdate, FORM(1, "A", LockWindowUpdate_0), FORM(2, "AI", LockWindowUpdate_1));
FORMS(RedrawWindow, FORM(1, "A", RedrawWindow_0), FORM(2, "AA", RedrawWindow_1), FORM(3, "AAI", RedrawWindow_2),
      FORM(4, "AAII", RedrawWindow));
FORMS(SetTimer, FORM(3, "AII", SetTimer_2));
FORMS(EnableWindow, FORM(1, "A", EnableWindow_0), FORM(2, "AI", EnableWindow));
NO_FORMS(GetDlgItemInt);
FORMS(GetDlgItemText, FORM_BOUNDED(4, "AIAI", GetDlgItemTextW, SAVRA_BOUNDS(bound::make(1, bound::Count, 2))));
NO_FORMS(GetNextDlgGroupItem);
NO_FORMS(GetNextDlgTabItem);
FORMS(SendDlgItemMessage, FORM(3, "AII", SendDlgItemMessage_2), FORM(4, "AIII", SendDlgItemMessage_3),
      FORM(5, "AIIII", SendDlgItemMessageW));
FORMS(SetDlgItemInt, FORM(3, "AII", SetDlgItemInt_2), FORM(4, "AIII", SetDlgItemInt));
FORMS(ScrollWindow, FORM(3, "AII", ScrollWindow_2), FORM(4, "AIIA", ScrollWindow_3), FORM(5, "AIIAA", ScrollWindow));
FORMS(ScrollWindowEx, FORM(4, "AIII", ScrollWindowEx_3f), FORM(5, "AIIIA", ScrollWindowEx_4f),
      FORM(6, "AIIIAA", ScrollWindowEx_5f), FORM(7, "AIIIAAI", ScrollWindowEx_6f), FORM(8, "AIIAAIAI", ScrollWindowEx),
      FORM(8, "AIIIAAIA", ScrollWindowEx_7f));
FORMS(SetScrollPos, FORM(3, "AII", SetScrollPos_2), FORM(4, "AIII", SetScrollPos));
FORMS(SetScrollRange, FORM(4, "AIII", SetScrollRange_3), FORM(5, "AIIII", SetScrollRange));
FORMS(ShowScrollBar, FORM(2, "AI", ShowScrollBar_1), FORM(3, "AII", ShowScrollBar));
FORMS(EnableScrollBar, FORM(2, "AI", EnableScrollBar_1), FORM(3, "AII", EnableScrollBar));
FORMS(MessageBox, FORM(2, "AA", MessageBox_1), FORM(3, "AAA", MessageBox_2), FORM(4, "AAAI", MessageBoxW));
FORMS(DragAcceptFiles, FORM(1, "A", DragAcceptFiles_0), FORM(2, "AI", DragAcceptFiles_1));
FORMS(SetIcon, FORM(2, "AI", SetIcon_1), FORM(3, "AII", SetIcon_2));
FORMS(GetIcon, FORM(1, "A", GetIcon_0), FORM(2, "AI", GetIcon_1));
FORMS(WinHelp, FORM(2, "AA", WinHelp_1), FORM(3, "AAI", WinHelp_2), FORM(4, "AAII", WinHelpW));
FORMS(SetScrollInfo, FORM(3, "AIA", SetScrollInfo_2), FORM(4, "AIAI", SetScrollInfo));
FORMS(ResizeClient, FORM(3, "AII", ResizeClient_2), FORM(4, "AIII", ResizeClient_3));
FORMS(SetWindowRgn, FORM(2, "AI", SetWindowRgn_1), FORM(3, "AII", SetWindowRgn));
FORMS(SendMessageToDescendants, FORM(2, "AI", SendMessageToDescendants_1), FORM(3, "AII", SendMessageToDescendants_2),
      FORM(4, "AIII", SendMessageToDescendants_3), FORM(5, "AIIII", SendMessageToDescendants_4));
FORMS(CenterWindow, FORM(1, "A", CenterWindow_0), FORM(2, "AI", CenterWindow_1));
FORMS(ModifyStyle, FORM(3, "AII", ModifyStyle_2), FORM(4, "AIII", ModifyStyle_3));
FORMS(ModifyStyleEx, FORM(3, "AII", ModifyStyleEx_2), FORM(4, "AIII", ModifyStyleEx_3));
// The buffer form; the form without arguments is registered last, beside it.
FORMS(GetWindowText, FORM_BOUNDED(3, "AAI", GetWindowTextW, SAVRA_BOUNDS(bound::make(0, bound::Count, 1))));

struct OverloadedRow {
    const char *name;
    LiEntry entry;
};
#define OVERLOADED(Name) {#Name, &method_dispatcher<Name##_forms>}

const OverloadedRow overloaded_methods[] = {
    OVERLOADED(SetWindowLong),    OVERLOADED(SendMessage),         OVERLOADED(PostMessage),
    OVERLOADED(SendNotifyMessage), OVERLOADED(SetFont),            OVERLOADED(MoveWindow),
    OVERLOADED(SetWindowPos),     OVERLOADED(ClientToScreen),      OVERLOADED(ScreenToClient),
    OVERLOADED(MapWindowPoints),  OVERLOADED(SetRedraw),           OVERLOADED(GetUpdateRect),
    OVERLOADED(GetUpdateRgn),     OVERLOADED(Invalidate),          OVERLOADED(InvalidateRect),
    OVERLOADED(InvalidateRgn),    OVERLOADED(ShowOwnedPopups),     OVERLOADED(LockWindowUpdate),
    OVERLOADED(RedrawWindow),     OVERLOADED(SetTimer),            OVERLOADED(EnableWindow),
    OVERLOADED(GetDlgItemInt),    OVERLOADED(GetDlgItemText),      OVERLOADED(GetNextDlgGroupItem),
    OVERLOADED(GetNextDlgTabItem), OVERLOADED(SendDlgItemMessage), OVERLOADED(SetDlgItemInt),
    OVERLOADED(ScrollWindow),     OVERLOADED(ScrollWindowEx),      OVERLOADED(SetScrollPos),
    OVERLOADED(SetScrollRange),   OVERLOADED(ShowScrollBar),       OVERLOADED(EnableScrollBar),
    OVERLOADED(MessageBox),       OVERLOADED(DragAcceptFiles),     OVERLOADED(SetIcon),
    OVERLOADED(GetIcon),          OVERLOADED(WinHelp),             OVERLOADED(SetScrollInfo),
    OVERLOADED(ResizeClient),     OVERLOADED(SetWindowRgn),        OVERLOADED(SendMessageToDescendants),
    OVERLOADED(CenterWindow),     OVERLOADED(ModifyStyle),         OVERLOADED(ModifyStyleEx),
    OVERLOADED(GetWindowText),
};
static_assert(sizeof overloaded_methods / sizeof overloaded_methods[0] == 46, "the window base's overloaded names");

} // namespace

void register_window_methods(LiValue cls)
{
    register_methods(cls, window_methods, sizeof window_methods / sizeof window_methods[0]);
    for (const OverloadedRow &r : overloaded_methods) register_overloaded_method(cls, r.name, r.entry);
}

} // namespace savrawin
