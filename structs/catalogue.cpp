// Structure classes, each table proven against the SDK headers; the full catalogue fills in
// around these in its own order.
#include "model.h"

namespace savrawin {

LiValue cls_RECT, cls_POINT, cls_SIZE, cls_FILETIME, cls_SYSTEMTIME, cls_KEYBDINPUT, cls_MOUSEINPUT, cls_WNDCLASSEX, cls_MSG,
    cls_MINMAXINFO;

namespace {

#define CHECK_SIZE(S, n) static_assert(sizeof(S) == (n), #S " size")
#define CHECK_AT(S, f, off) static_assert(offsetof(S, f) == (off), #S "." #f " offset")

LiStrucField RECT_fields[] = {SF_L("left", 0), SF_L("top", 4), SF_L("right", 8), SF_L("bottom", 12), SF_END};
CHECK_SIZE(RECT, 16);
CHECK_AT(RECT, left, 0);
CHECK_AT(RECT, top, 4);
CHECK_AT(RECT, right, 8);
CHECK_AT(RECT, bottom, 12);

LiStrucField POINT_fields[] = {SF_L("x", 0), SF_L("y", 4), SF_END};
CHECK_SIZE(POINT, 8);
CHECK_AT(POINT, x, 0);
CHECK_AT(POINT, y, 4);

LiStrucField SIZE_fields[] = {SF_L("cx", 0), SF_L("cy", 4), SF_END};
CHECK_SIZE(SIZE, 8);
CHECK_AT(SIZE, cx, 0);
CHECK_AT(SIZE, cy, 4);

LiStrucField FILETIME_fields[] = {SF_UL("dwLowDateTime", 0), SF_UL("dwHighDateTime", 4), SF_END};
CHECK_SIZE(FILETIME, 8);
CHECK_AT(FILETIME, dwLowDateTime, 0);
CHECK_AT(FILETIME, dwHighDateTime, 4);

LiStrucField SYSTEMTIME_fields[] = {SF_US("wYear", 0), SF_US("wMonth", 2), SF_US("wDayOfWeek", 4), SF_US("wDay", 6),
                                    SF_US("wHour", 8), SF_US("wMinute", 10), SF_US("wSecond", 12),
                                    SF_US("wMilliseconds", 14), SF_END};
CHECK_SIZE(SYSTEMTIME, 16);
CHECK_AT(SYSTEMTIME, wYear, 0);
CHECK_AT(SYSTEMTIME, wMonth, 2);
CHECK_AT(SYSTEMTIME, wDayOfWeek, 4);
CHECK_AT(SYSTEMTIME, wDay, 6);
CHECK_AT(SYSTEMTIME, wHour, 8);
CHECK_AT(SYSTEMTIME, wMinute, 10);
CHECK_AT(SYSTEMTIME, wSecond, 12);
CHECK_AT(SYSTEMTIME, wMilliseconds, 14);

LiStrucField KEYBDINPUT_fields[] = {SF_US("wVk", 0), SF_US("wScan", 2), SF_UL("dwFlags", 4), SF_UL("time", 8), SF_END};
CHECK_SIZE(KEYBDINPUT, 16);
CHECK_AT(KEYBDINPUT, wVk, 0);
CHECK_AT(KEYBDINPUT, wScan, 2);
CHECK_AT(KEYBDINPUT, dwFlags, 4);
CHECK_AT(KEYBDINPUT, time, 8);

LiStrucField MOUSEINPUT_fields[] = {SF_L("dx", 0), SF_L("dy", 4), SF_UL("mouseData", 8), SF_UL("dwFlags", 12), SF_UL("time", 16), SF_END};
CHECK_SIZE(MOUSEINPUT, 24);
CHECK_AT(MOUSEINPUT, dx, 0);
CHECK_AT(MOUSEINPUT, dy, 4);
CHECK_AT(MOUSEINPUT, mouseData, 8);
CHECK_AT(MOUSEINPUT, dwFlags, 12);
CHECK_AT(MOUSEINPUT, time, 16);

LiStrucField WNDCLASSEX_fields[] = {SF_UL("cbSize", 0), SF_UL("style", 4), SF_I("cbClsExtra", 12), SF_I("cbWndExtra", 16),
                                    SF_UL("hInstance", 20), SF_UL("hIcon", 24), SF_UL("hCursor", 28),
                                    SF_UL("hbrBackground", 32), SF_W("lpszMenuName", 36), SF_W("lpszClassName", 40),
                                    SF_UL("hIconSm", 44), SF_END};
CHECK_SIZE(WNDCLASSEXW, 48);
CHECK_AT(WNDCLASSEXW, cbSize, 0);
CHECK_AT(WNDCLASSEXW, style, 4);
CHECK_AT(WNDCLASSEXW, cbClsExtra, 12);
CHECK_AT(WNDCLASSEXW, cbWndExtra, 16);
CHECK_AT(WNDCLASSEXW, hInstance, 20);
CHECK_AT(WNDCLASSEXW, hIcon, 24);
CHECK_AT(WNDCLASSEXW, hCursor, 28);
CHECK_AT(WNDCLASSEXW, hbrBackground, 32);
CHECK_AT(WNDCLASSEXW, lpszMenuName, 36);
CHECK_AT(WNDCLASSEXW, lpszClassName, 40);
CHECK_AT(WNDCLASSEXW, hIconSm, 44);

LiStrucField MSG_fields[] = {SF_UL("hwnd", 0), SF_UL("message", 4), SF_UL("wParam", 8), SF_UL("lParam", 12), SF_UL("time", 16),
                             SF_EMB("pt", 20, cls_POINT), SF_END};
CHECK_SIZE(MSG, 28);
CHECK_AT(MSG, hwnd, 0);
CHECK_AT(MSG, message, 4);
CHECK_AT(MSG, wParam, 8);
CHECK_AT(MSG, lParam, 12);
CHECK_AT(MSG, time, 16);
CHECK_AT(MSG, pt, 20);

LiStrucField MINMAXINFO_fields[] = {SF_EMB("ptReserved", 0, cls_POINT), SF_EMB("ptMaxSize", 8, cls_POINT),
                                    SF_EMB("ptMaxPosition", 16, cls_POINT), SF_EMB("ptMinTrackSize", 24, cls_POINT),
                                    SF_EMB("ptMaxTrackSize", 32, cls_POINT), SF_END};
CHECK_SIZE(MINMAXINFO, 40);
CHECK_AT(MINMAXINFO, ptReserved, 0);
CHECK_AT(MINMAXINFO, ptMaxSize, 8);
CHECK_AT(MINMAXINFO, ptMaxPosition, 16);
CHECK_AT(MINMAXINFO, ptMinTrackSize, 24);
CHECK_AT(MINMAXINFO, ptMaxTrackSize, 32);

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
}

} // namespace savrawin
