// user32: rectangle arithmetic, windows, their rectangles and monitors, and the message queue.
#include "../../module/wrap.h"

namespace savrawin {

static const FunctionRow rows[] = {
    SAVRA_FN("SetRect", SetRect, "lprc", "xLeft", "yTop", "xRight", "yBottom"),
    SAVRA_FN("SetRectEmpty", SetRectEmpty, "lprc"),
    SAVRA_FN("CopyRect", CopyRect, "lprcDst", "lprcSrc"),
    SAVRA_FN("InflateRect", InflateRect, "lprc", "dx", "dy"),
    SAVRA_FN("OffsetRect", OffsetRect, "lprc", "dx", "dy"),
    SAVRA_FN("IsRectEmpty", IsRectEmpty, "lprc"),
    SAVRA_FN("EqualRect", EqualRect, "lprc1", "lprc2"),
    SAVRA_FN("PtInRect", PtInRect, "lprc", "pt"),
    SAVRA_FN("IsWindow", IsWindow, "hWnd"),
    SAVRA_FN("GetDesktopWindow", GetDesktopWindow),
    SAVRA_FN("GetClassName", GetClassNameW, "hWnd", "lpClassName", "nMaxCount"),
    SAVRA_FN("CharUpperA", CharUpperA, "lpsz"),
    // The text at the returned pointer becomes the result; the copy is then written back.
    SAVRA_FN("CharUpper", CharUpperW, "lpsz"),
    SAVRA_FN("CharLower", CharLowerW, "lpsz"),
    SAVRA_FN("CharNext", CharNextW, "lpsz"),
    SAVRA_FN("CreateWindowEx", CreateWindowExW, "dwExStyle", "lpClassName", "lpWindowName", "dwStyle", "X", "Y", "nWidth",
             "nHeight", "hWndParent", "hMenu", "hInstance", "lpParam"),
    SAVRA_FN("DestroyWindow", DestroyWindow, "hWnd"),
    SAVRA_FN("PostMessage", PostMessageW, "hWnd", "Msg", "wParam", "lParam"),
    SAVRA_FN("PeekMessage", PeekMessageW, "lpMsg", "hWnd", "wMsgFilterMin", "wMsgFilterMax", "wRemoveMsg"),
    SAVRA_FN("SetWindowText", SetWindowTextW, "hWnd", "lpString"),
    SAVRA_FN("GetWindowText", GetWindowTextW, "hWnd", "lpString", "nMaxCount"),
    SAVRA_FN("GetClientRect", GetClientRect, "hWnd", "lpRect"),
    SAVRA_FN("GetWindowRect", GetWindowRect, "hWnd", "lpRect"),
    SAVRA_FN("GetWindowPlacement", GetWindowPlacement, "hWnd", "lpwndpl"),
    SAVRA_FN("GetWindowInfo", GetWindowInfo, "hwnd", "pwi"),
    SAVRA_FN("MonitorFromWindow", MonitorFromWindow, "hwnd", "dwFlags"),
    SAVRA_FN("GetMonitorInfo", GetMonitorInfoW, "hMonitor", "lpmi"),
    SAVRA_FN("SendMessage", SendMessageW, "hWnd", "Msg", "wParam", "lParam"),
    SAVRA_FN("GetMessage", GetMessageW, "lpMsg", "hWnd", "wMsgFilterMin", "wMsgFilterMax"),
    SAVRA_FN("TranslateMessage", TranslateMessage, "lpMsg"),
    SAVRA_FN("DispatchMessage", DispatchMessageW, "lpMsg"),
    SAVRA_FN("PostQuitMessage", PostQuitMessage, "nExitCode"),
    SAVRA_FN("SetWindowPos", SetWindowPos, "hWnd", "hWndInsertAfter", "X", "Y", "cx", "cy", "uFlags"),
    SAVRA_FN("GetWindowLong", GetWindowLongW, "hWnd", "nIndex"),
    SAVRA_FN("GetParent", GetParent, "hWnd"),
    SAVRA_FN("MapWindowPoints", MapWindowPoints, "hWndFrom", "hWndTo", "lpPoints", "cPoints"),
    SAVRA_FN("UpdateWindow", UpdateWindow, "hWnd"),
    SAVRA_FN("ShowWindow", ShowWindow, "hWnd", "nCmdShow"),
    SAVRA_FN("GetDlgItem", GetDlgItem, "hDlg", "nIDDlgItem"),
    SAVRA_FN("GetSystemMetrics", GetSystemMetrics, "nIndex"),
};

void register_user_functions() { register_functions(rows, sizeof rows / sizeof rows[0]); }

} // namespace savrawin
