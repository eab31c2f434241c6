// user32: rectangle arithmetic, windows and the message queue.
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
    SAVRA_FN("CreateWindowEx", CreateWindowExW, "dwExStyle", "lpClassName", "lpWindowName", "dwStyle", "X", "Y", "nWidth",
             "nHeight", "hWndParent", "hMenu", "hInstance", "lpParam"),
    SAVRA_FN("DestroyWindow", DestroyWindow, "hWnd"),
    SAVRA_FN("PostMessage", PostMessageW, "hWnd", "Msg", "wParam", "lParam"),
    SAVRA_FN("PeekMessage", PeekMessageW, "lpMsg", "hWnd", "wMsgFilterMin", "wMsgFilterMax", "wRemoveMsg"),
    SAVRA_FN("SetWindowText", SetWindowTextW, "hWnd", "lpString"),
    SAVRA_FN("GetWindowText", GetWindowTextW, "hWnd", "lpString", "nMaxCount"),
    SAVRA_FN("SendMessage", SendMessageW, "hWnd", "Msg", "wParam", "lParam"),
    SAVRA_FN("GetSystemMetrics", GetSystemMetrics, "nIndex"),
};

void register_user_functions() { register_functions(rows, sizeof rows / sizeof rows[0]); }

} // namespace savrawin
