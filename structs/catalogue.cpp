// Structure classes. Each is described once, as a list of (kind, field, offset) rows; the same
// list makes the field table and the compile-time checks against the SDK headers (size and every
// offset). The full catalogue fills in around these in its own order.
#include "model.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

namespace savrawin {

LiValue cls_RECT, cls_POINT, cls_SIZE, cls_FILETIME, cls_SYSTEMTIME, cls_KEYBDINPUT, cls_MOUSEINPUT, cls_WNDCLASSEX, cls_MSG,
    cls_MINMAXINFO, cls_DLGTEMPLATE, cls_DLGITEMTEMPLATE;

void create_family_structure_classes();

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
    create_family_structure_classes();
}

} // namespace savrawin

// ==== Structures the platform families' tests use, ahead of the full catalogue ===================
// To be reconciled with the full catalogue, which places each of these in its own order.

namespace savrawin {

namespace {

LiValue cls_RECTL;

#define BLENDFUNCTION_ROWS(X, T)                                                                                       \
    X(T, UC, BlendOp, 0) X(T, UC, BlendFlags, 1) X(T, UC, SourceConstantAlpha, 2) X(T, UC, AlphaFormat, 3)
STRUCTURE(BLENDFUNCTION, BLENDFUNCTION, 4)

#define RECTL_ROWS(X, T) X(T, L, left, 0) X(T, L, top, 4) X(T, L, right, 8) X(T, L, bottom, 12)
STRUCTURE(RECTL, RECTL, 16)

#define SECURITY_ATTRIBUTES_ROWS(X, T) X(T, UL, nLength, 0) X(T, L, bInheritHandle, 8)
STRUCTURE(SECURITY_ATTRIBUTES, SECURITY_ATTRIBUTES, 12)

#define PROCESS_INFORMATION_ROWS(X, T)                                                                                 \
    X(T, UL, hProcess, 0) X(T, UL, hThread, 4) X(T, UL, dwProcessId, 8) X(T, UL, dwThreadId, 12)
STRUCTURE(PROCESS_INFORMATION, PROCESS_INFORMATION, 16)

#define STARTUPINFO_ROWS(X, T)                                                                                         \
    X(T, UL, cb, 0) X(T, W, lpReserved, 4) X(T, W, lpDesktop, 8) X(T, W, lpTitle, 12) X(T, UL, dwX, 16)              \
    X(T, UL, dwY, 20) X(T, UL, dwXSize, 24) X(T, UL, dwYSize, 28) X(T, UL, dwXCountChars, 32)                          \
    X(T, UL, dwYCountChars, 36) X(T, UL, dwFillAttribute, 40) X(T, UL, dwFlags, 44) X(T, US, wShowWindow, 48)         \
    X(T, US, cbReserved2, 50) X(T, UL, hStdInput, 56) X(T, UL, hStdOutput, 60) X(T, UL, hStdError, 64)
STRUCTURE(STARTUPINFO, STARTUPINFOW, 68)

#define WIN32_FIND_DATA_ROWS(X, T)                                                                                     \
    X(T, UL, dwFileAttributes, 0) X(T, EMB, ftCreationTime, 4, cls_FILETIME)                                          \
    X(T, EMB, ftLastAccessTime, 12, cls_FILETIME) X(T, EMB, ftLastWriteTime, 20, cls_FILETIME)                       \
    X(T, UL, nFileSizeHigh, 28) X(T, UL, nFileSizeLow, 32) X(T, UL, dwReserved0, 36) X(T, UL, dwReserved1, 40)
STRUCTURE(WIN32_FIND_DATA, WIN32_FIND_DATAW, 592)

#define MENUITEMINFO_ROWS(X, T)                                                                                        \
    X(T, UL, cbSize, 0) X(T, UL, fMask, 4) X(T, UL, fType, 8) X(T, UL, fState, 12) X(T, UL, wID, 16)                  \
    X(T, UL, hSubMenu, 20) X(T, UL, hbmpChecked, 24) X(T, UL, hbmpUnchecked, 28) X(T, W, dwTypeData, 36)             \
    X(T, UL, cch, 40) X(T, UL, hbmpItem, 44)
STRUCTURE(MENUITEMINFO, MENUITEMINFOW, 48)

#define ENHMETAHEADER_ROWS(X, T)                                                                                       \
    X(T, UL, iType, 0) X(T, UL, nSize, 4) X(T, EMB, rclBounds, 8, cls_RECTL) X(T, EMB, rclFrame, 24, cls_RECTL)       \
    X(T, UL, dSignature, 40) X(T, UL, nVersion, 44) X(T, UL, nBytes, 48) X(T, UL, nRecords, 52)                       \
    X(T, US, nHandles, 56) X(T, US, sReserved, 58) X(T, UL, nDescription, 60) X(T, UL, offDescription, 64)            \
    X(T, UL, nPalEntries, 68) X(T, EMB, szlDevice, 72, cls_SIZE) X(T, EMB, szlMillimeters, 80, cls_SIZE)              \
    X(T, UL, cbPixelFormat, 88) X(T, UL, offPixelFormat, 92) X(T, UL, bOpenGL, 96)                                    \
    X(T, EMB, szlMicrometers, 100, cls_SIZE)
STRUCTURE(ENHMETAHEADER, ENHMETAHEADER, 108)

#define TEXTMETRIC_ROWS(X, T)                                                                                          \
    X(T, L, tmHeight, 0) X(T, L, tmAscent, 4) X(T, L, tmDescent, 8) X(T, L, tmInternalLeading, 12)                    \
    X(T, L, tmExternalLeading, 16) X(T, L, tmAveCharWidth, 20) X(T, L, tmMaxCharWidth, 24) X(T, L, tmWeight, 28)      \
    X(T, L, tmOverhang, 32) X(T, L, tmDigitizedAspectX, 36) X(T, L, tmDigitizedAspectY, 40)                           \
    X(T, US, tmFirstChar, 44) X(T, US, tmLastChar, 46) X(T, US, tmDefaultChar, 48) X(T, US, tmBreakChar, 50)          \
    X(T, UC, tmItalic, 52) X(T, UC, tmUnderlined, 53) X(T, UC, tmStruckOut, 54) X(T, UC, tmPitchAndFamily, 55)        \
    X(T, UC, tmCharSet, 56)
STRUCTURE(TEXTMETRIC, TEXTMETRICW, 60)

#define CHOOSECOLOR_ROWS(X, T)                                                                                         \
    X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hInstance, 8) X(T, UL, rgbResult, 12) X(T, UL, Flags, 20) \
    X(T, UL, lCustData, 24) X(T, W, lpTemplateName, 32)
STRUCTURE(CHOOSECOLOR, CHOOSECOLORW, 36)

#define FINDREPLACE_ROWS(X, T)                                                                                         \
    X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hInstance, 8) X(T, UL, Flags, 12)                        \
    X(T, W, lpstrFindWhat, 16) X(T, W, lpstrReplaceWith, 20) X(T, US, wFindWhatLen, 24) X(T, US, wReplaceWithLen, 26) \
    X(T, UL, lCustData, 28) X(T, W, lpTemplateName, 36)
STRUCTURE(FINDREPLACE, FINDREPLACEW, 40)

#define SHFILEOPSTRUCT_ROWS(X, T)                                                                                      \
    X(T, UL, hwnd, 0) X(T, UL, wFunc, 4) X(T, W, pFrom, 8) X(T, W, pTo, 12) X(T, US, fFlags, 16)                      \
    X(T, L, fAnyOperationsAborted, 18) X(T, W, lpszProgressTitle, 26)
STRUCTURE(SHFILEOPSTRUCT, SHFILEOPSTRUCTW, 30)

#define INITCOMMONCONTROLSEX_ROWS(X, T) X(T, UL, dwSize, 0) X(T, UL, dwICC, 4)
STRUCTURE(INITCOMMONCONTROLSEX, INITCOMMONCONTROLSEX, 8)

#define IMAGEINFO_ROWS(X, T)                                                                                           \
    X(T, UL, hbmImage, 0) X(T, UL, hbmMask, 4) X(T, I, Unused1, 8) X(T, I, Unused2, 12) X(T, EMB, rcImage, 16, cls_RECT)
STRUCTURE(IMAGEINFO, IMAGEINFO, 32)

} // namespace

void create_family_structure_classes()
{
    li_MakeClass("BLENDFUNCTION", Nil, Nil, BLENDFUNCTION_fields, 4, nullptr, nullptr);
    cls_RECTL = li_MakeClass("RECTL", Nil, Nil, RECTL_fields, 16, nullptr, nullptr);
    li_MakeClass("SECURITY_ATTRIBUTES", Nil, Nil, SECURITY_ATTRIBUTES_fields, 12, nullptr, nullptr);
    li_MakeClass("PROCESS_INFORMATION", Nil, Nil, PROCESS_INFORMATION_fields, 16, nullptr, nullptr);
    li_MakeClass("STARTUPINFO", Nil, Nil, STARTUPINFO_fields, 68, nullptr, nullptr);
    li_MakeClass("WIN32_FIND_DATA", Nil, Nil, WIN32_FIND_DATA_fields, 592, nullptr, nullptr);
    li_MakeClass("MENUITEMINFO", Nil, Nil, MENUITEMINFO_fields, 48, nullptr, nullptr);
    li_MakeClass("ENHMETAHEADER", Nil, Nil, ENHMETAHEADER_fields, 108, nullptr, nullptr);
    li_MakeClass("TEXTMETRIC", Nil, Nil, TEXTMETRIC_fields, 60, nullptr, nullptr);
    li_MakeClass("CHOOSECOLOR", Nil, Nil, CHOOSECOLOR_fields, 36, nullptr, nullptr);
    li_MakeClass("FINDREPLACE", Nil, Nil, FINDREPLACE_fields, 40, nullptr, nullptr);
    li_MakeClass("SHFILEOPSTRUCT", Nil, Nil, SHFILEOPSTRUCT_fields, 30, nullptr, nullptr);
    li_MakeClass("INITCOMMONCONTROLSEX", Nil, Nil, INITCOMMONCONTROLSEX_fields, 8, nullptr, nullptr);
    li_MakeClass("IMAGEINFO", Nil, Nil, IMAGEINFO_fields, 32, nullptr, nullptr);
}

} // namespace savrawin
