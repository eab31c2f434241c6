// Structure classes. Each is described once, as a list of (kind, field, offset) rows; the same
// list makes the field table and the compile-time checks against the SDK headers (size and every
// offset). The full catalogue fills in around these in its own order.
#include "model.h"

namespace savrawin {

LiValue cls_RECT, cls_POINT, cls_SIZE, cls_FILETIME, cls_SYSTEMTIME, cls_KEYBDINPUT, cls_MOUSEINPUT, cls_WNDCLASSEX, cls_MSG,
    cls_MINMAXINFO, cls_DLGTEMPLATE, cls_DLGITEMTEMPLATE;

namespace {

#define SF_ROW(T, kind, name, off, ...) SF_##kind(#name, off, ##__VA_ARGS__),
#define SF_CHECK(T, kind, name, off, ...) static_assert(offsetof(T, name) == (off), #T "." #name " offset");
// NAME_fields from NAME_ROWS, proven against the SDK type CTYPE of SIZE bytes.
#define STRUCTURE(NAME, CTYPE, SIZE)                                                                                   \
    LiStrucField NAME##_fields[] = {NAME##_ROWS(SF_ROW, CTYPE) SF_END};                                                \
    static_assert(sizeof(CTYPE) == (SIZE), #CTYPE " size");                                                            \
    NAME##_ROWS(SF_CHECK, CTYPE)

#define RECT_ROWS(X, T) X(T, L, left, 0) X(T, L, top, 4) X(T, L, right, 8) X(T, L, bottom, 12)
STRUCTURE(RECT, RECT, 16)

#define POINT_ROWS(X, T) X(T, L, x, 0) X(T, L, y, 4)
STRUCTURE(POINT, POINT, 8)

#define SIZE_ROWS(X, T) X(T, L, cx, 0) X(T, L, cy, 4)
STRUCTURE(SIZE, SIZE, 8)

#define FILETIME_ROWS(X, T) X(T, UL, dwLowDateTime, 0) X(T, UL, dwHighDateTime, 4)
STRUCTURE(FILETIME, FILETIME, 8)

#define SYSTEMTIME_ROWS(X, T)                                                                                          \
    X(T, US, wYear, 0) X(T, US, wMonth, 2) X(T, US, wDayOfWeek, 4) X(T, US, wDay, 6) X(T, US, wHour, 8)               \
    X(T, US, wMinute, 10) X(T, US, wSecond, 12) X(T, US, wMilliseconds, 14)
STRUCTURE(SYSTEMTIME, SYSTEMTIME, 16)

#define KEYBDINPUT_ROWS(X, T) X(T, US, wVk, 0) X(T, US, wScan, 2) X(T, UL, dwFlags, 4) X(T, UL, time, 8)
STRUCTURE(KEYBDINPUT, KEYBDINPUT, 16)

#define MOUSEINPUT_ROWS(X, T)                                                                                          \
    X(T, L, dx, 0) X(T, L, dy, 4) X(T, UL, mouseData, 8) X(T, UL, dwFlags, 12) X(T, UL, time, 16)
STRUCTURE(MOUSEINPUT, MOUSEINPUT, 24)

#define WNDCLASSEX_ROWS(X, T)                                                                                          \
    X(T, UL, cbSize, 0) X(T, UL, style, 4) X(T, I, cbClsExtra, 12) X(T, I, cbWndExtra, 16) X(T, UL, hInstance, 20)    \
    X(T, UL, hIcon, 24) X(T, UL, hCursor, 28) X(T, UL, hbrBackground, 32) X(T, W, lpszMenuName, 36)                   \
    X(T, W, lpszClassName, 40) X(T, UL, hIconSm, 44)
STRUCTURE(WNDCLASSEX, WNDCLASSEXW, 48)

#define MSG_ROWS(X, T)                                                                                                 \
    X(T, UL, hwnd, 0) X(T, UL, message, 4) X(T, UL, wParam, 8) X(T, UL, lParam, 12) X(T, UL, time, 16)                \
    X(T, EMB, pt, 20, cls_POINT)
STRUCTURE(MSG, MSG, 28)

#define MINMAXINFO_ROWS(X, T)                                                                                          \
    X(T, EMB, ptReserved, 0, cls_POINT) X(T, EMB, ptMaxSize, 8, cls_POINT) X(T, EMB, ptMaxPosition, 16, cls_POINT)    \
    X(T, EMB, ptMinTrackSize, 24, cls_POINT) X(T, EMB, ptMaxTrackSize, 32, cls_POINT)
STRUCTURE(MINMAXINFO, MINMAXINFO, 40)

#define DLGTEMPLATE_ROWS(X, T)                                                                                         \
    X(T, UL, style, 0) X(T, UL, dwExtendedStyle, 4) X(T, US, cdit, 8) X(T, S, x, 10) X(T, S, y, 12) X(T, S, cx, 14)    \
    X(T, S, cy, 16)
STRUCTURE(DLGTEMPLATE, DLGTEMPLATE, 18)

#define DLGITEMTEMPLATE_ROWS(X, T)                                                                                     \
    X(T, UL, style, 0) X(T, UL, dwExtendedStyle, 4) X(T, S, x, 8) X(T, S, y, 10) X(T, S, cx, 12) X(T, S, cy, 14)       \
    X(T, US, id, 16)
STRUCTURE(DLGITEMTEMPLATE, DLGITEMTEMPLATE, 18)

} // namespace

void create_structure_classes()
{
    cls_RECT = li_MakeClass("RECT", Nil, Nil, RECT_fields, 16, nullptr, nullptr);
    cls_POINT = li_MakeClass("POINT", Nil, Nil, POINT_fields, 8, nullptr, nullptr);
    cls_SIZE = li_MakeClass("SIZE", Nil, Nil, SIZE_fields, 8, nullptr, nullptr);
    cls_FILETIME = li_MakeClass("FILETIME", Nil, Nil, FILETIME_fields, 8, nullptr, nullptr);
    cls_SYSTEMTIME = li_MakeClass("SYSTEMTIME", Nil, Nil, SYSTEMTIME_fields, 16, nullptr, nullptr);
    cls_KEYBDINPUT = li_MakeClass("KEYBDINPUT", Nil, Nil, KEYBDINPUT_fields, 16, nullptr, nullptr);
    cls_MOUSEINPUT = li_MakeClass("MOUSEINPUT", Nil, Nil, MOUSEINPUT_fields, 24, nullptr, nullptr);
    cls_WNDCLASSEX = li_MakeClass("WNDCLASSEX", Nil, Nil, WNDCLASSEX_fields, 48, nullptr, nullptr);
    cls_MSG = li_MakeClass("MSG", Nil, Nil, MSG_fields, 28, nullptr, nullptr);
    cls_MINMAXINFO = li_MakeClass("MINMAXINFO", Nil, Nil, MINMAXINFO_fields, 40, nullptr, nullptr);
    cls_DLGTEMPLATE = li_MakeClass("DLGTEMPLATE", Nil, Nil, DLGTEMPLATE_fields, 18, nullptr, nullptr);
    cls_DLGITEMTEMPLATE = li_MakeClass("DLGITEMTEMPLATE", Nil, Nil, DLGITEMTEMPLATE_fields, 18, nullptr, nullptr);
}

} // namespace savrawin
