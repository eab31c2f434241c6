// Window-manager structures: hook records, window and message structures, menus, input, accessibility
// settings, monitors, information structures, raw input (winuser.h).
#include "catalogue.h"

namespace savrawin {

// ---- window manager --------------------------------------------------------------------------------------------------

#define CBT_CREATEWND_ROWS(X, T) X(T, UL, hwndInsertAfter, 4)
STRUCTURE(CBT_CREATEWND, CBT_CREATEWNDW, 8)
#define CBTACTIVATESTRUCT_ROWS(X, T) X(T, L, fMouse, 0) X(T, UL, hWndActive, 4)
STRUCTURE(CBTACTIVATESTRUCT, CBTACTIVATESTRUCT, 8)
#define WTSSESSION_NOTIFICATION_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwSessionId, 4)
STRUCTURE(WTSSESSION_NOTIFICATION, WTSSESSION_NOTIFICATION, 8)
#define SHELLHOOKINFO_ROWS(X, T) X(T, UL, hwnd, 0) X(T, EMB, rc, 4, cls_RECT)
STRUCTURE(SHELLHOOKINFO, SHELLHOOKINFO, 20)
#define EVENTMSG_ROWS(X, T) X(T, UL, message, 0) X(T, UL, paramL, 4) X(T, UL, paramH, 8) X(T, UL, time, 12)          \
    X(T, UL, hwnd, 16)
STRUCTURE(EVENTMSG, EVENTMSG, 20)
#define CWPSTRUCT_ROWS(X, T) X(T, UL, lParam, 0) X(T, UL, wParam, 4) X(T, UL, message, 8) X(T, UL, hwnd, 12)
STRUCTURE(CWPSTRUCT, CWPSTRUCT, 16)
#define CWPRETSTRUCT_ROWS(X, T) X(T, L, lResult, 0) X(T, UL, lParam, 4) X(T, UL, wParam, 8) X(T, UL, message, 12)    \
    X(T, UL, hwnd, 16)
STRUCTURE(CWPRETSTRUCT, CWPRETSTRUCT, 20)
#define KBDLLHOOKSTRUCT_ROWS(X, T) X(T, UL, vkCode, 0) X(T, UL, scanCode, 4) X(T, UL, flags, 8) X(T, UL, time, 12)
STRUCTURE(KBDLLHOOKSTRUCT, KBDLLHOOKSTRUCT, 20)
#define MSLLHOOKSTRUCT_ROWS(X, T) X(T, EMB, pt, 0, cls_POINT) X(T, UL, mouseData, 8) X(T, UL, flags, 12)             \
    X(T, UL, time, 16)
STRUCTURE(MSLLHOOKSTRUCT, MSLLHOOKSTRUCT, 24)
#define DEBUGHOOKINFO_ROWS(X, T) X(T, UL, idThread, 0) X(T, UL, idThreadInstaller, 4) X(T, UL, lParam, 8)            \
    X(T, UL, wParam, 12) X(T, I, code, 16)
STRUCTURE(DEBUGHOOKINFO, DEBUGHOOKINFO, 20)
#define MOUSEHOOKSTRUCT_ROWS(X, T) X(T, EMB, pt, 0, cls_POINT) X(T, UL, hwnd, 8) X(T, UL, wHitTestCode, 12)
STRUCTURE(MOUSEHOOKSTRUCT, MOUSEHOOKSTRUCT, 20)
#define MOUSEHOOKSTRUCTEX_ROWS(X, T) X(T, UL, mouseData, 20)
STRUCTURE(MOUSEHOOKSTRUCTEX, MOUSEHOOKSTRUCTEX, 24)
static_assert(std::is_base_of_v<MOUSEHOOKSTRUCT, MOUSEHOOKSTRUCTEX>, "MOUSEHOOKSTRUCTEX extends MOUSEHOOKSTRUCT");
#define HARDWAREHOOKSTRUCT_ROWS(X, T) X(T, UL, hwnd, 0) X(T, UL, message, 4) X(T, UL, wParam, 8) X(T, UL, lParam, 12)
STRUCTURE(HARDWAREHOOKSTRUCT, HARDWAREHOOKSTRUCT, 16)
#define MOUSEMOVEPOINT_ROWS(X, T) X(T, I, x, 0) X(T, I, y, 4) X(T, UL, time, 8)
STRUCTURE(MOUSEMOVEPOINT, MOUSEMOVEPOINT, 16)
#define USEROBJECTFLAGS_ROWS(X, T) X(T, L, fInherit, 0) X(T, L, fReserved, 4) X(T, UL, dwFlags, 8)
STRUCTURE(USEROBJECTFLAGS, USEROBJECTFLAGS, 12)
#define WNDCLASSEX_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, style, 4) X(T, I, cbClsExtra, 12) X(T, I, cbWndExtra, 16) \
    X(T, UL, hInstance, 20) X(T, UL, hIcon, 24) X(T, UL, hCursor, 28) X(T, UL, hbrBackground, 32)                    \
    X(T, W, lpszMenuName, 36) X(T, W, lpszClassName, 40) X(T, UL, hIconSm, 44)
STRUCTURE(WNDCLASSEX, WNDCLASSEXW, 48)
#define WNDCLASS_ROWS(X, T) X(T, UL, style, 0) X(T, I, cbClsExtra, 8) X(T, I, cbWndExtra, 12)                        \
    X(T, UL, hInstance, 16) X(T, UL, hIcon, 20) X(T, UL, hCursor, 24) X(T, UL, hbrBackground, 28)                    \
    X(T, W, lpszMenuName, 32) X(T, W, lpszClassName, 36)
STRUCTURE(WNDCLASS, WNDCLASSW, 40)
#define MSG_ROWS(X, T) X(T, UL, hwnd, 0) X(T, UL, message, 4) X(T, UL, wParam, 8) X(T, UL, lParam, 12)               \
    X(T, UL, time, 16) X(T, EMB, pt, 20, cls_POINT)
STRUCTURE(MSG, MSG, 28)
#define MINMAXINFO_ROWS(X, T) X(T, EMB, ptReserved, 0, cls_POINT) X(T, EMB, ptMaxSize, 8, cls_POINT)                 \
    X(T, EMB, ptMaxPosition, 16, cls_POINT) X(T, EMB, ptMinTrackSize, 24, cls_POINT)                                 \
    X(T, EMB, ptMaxTrackSize, 32, cls_POINT)
STRUCTURE(MINMAXINFO, MINMAXINFO, 40)
#define COPYDATASTRUCT_ROWS(X, T) X(T, UL, cbData, 4)
STRUCTURE(COPYDATASTRUCT, COPYDATASTRUCT, 12)
#define MDINEXTMENU_ROWS(X, T) X(T, UL, hmenuIn, 0) X(T, UL, hmenuNext, 4) X(T, UL, hwndNext, 8)
STRUCTURE(MDINEXTMENU, MDINEXTMENU, 12)
#define WINDOWPOS_ROWS(X, T) X(T, UL, hwnd, 0) X(T, UL, hwndInsertAfter, 4) X(T, I, x, 8) X(T, I, y, 12)             \
    X(T, I, cx, 16) X(T, I, cy, 20) X(T, UL, flags, 24)
STRUCTURE(WINDOWPOS, WINDOWPOS, 28)
#define NCCALCSIZE_PARAMS_ROWS(X, T) X(T, PTR, lppos, 48, cls_WINDOWPOS)
STRUCTURE(NCCALCSIZE_PARAMS, NCCALCSIZE_PARAMS, 52)
#define TRACKMOUSEEVENT_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, UL, hwndTrack, 8)                   \
    X(T, UL, dwHoverTime, 12)
STRUCTURE(TRACKMOUSEEVENT, TRACKMOUSEEVENT, 16)
#define ACCEL_ROWS(X, T) X(T, UC, fVirt, 0) X(T, US, key, 2) X(T, US, cmd, 4)
STRUCTURE(ACCEL, ACCEL, 6)
#define PAINTSTRUCT_ROWS(X, T) X(T, UL, hdc, 0) X(T, L, fErase, 4) X(T, EMB, rcPaint, 8, cls_RECT)                   \
    X(T, L, fRestore, 24) X(T, L, fIncUpdate, 28)
STRUCTURE(PAINTSTRUCT, PAINTSTRUCT, 64)
#define CREATESTRUCT_ROWS(X, T) X(T, UL, hInstance, 4) X(T, UL, hMenu, 8) X(T, UL, hwndParent, 12) X(T, I, cy, 16)   \
    X(T, I, cx, 20) X(T, I, y, 24) X(T, I, x, 28) X(T, L, style, 32) X(T, W, lpszName, 36) X(T, W, lpszClass, 40)    \
    X(T, UL, dwExStyle, 44)
STRUCTURE(CREATESTRUCT, CREATESTRUCTW, 48)
#define WINDOWPLACEMENT_ROWS(X, T) X(T, UL, length, 0) X(T, UL, flags, 4) X(T, UL, showCmd, 8)                       \
    X(T, EMB, ptMinPosition, 12, cls_POINT) X(T, EMB, ptMaxPosition, 20, cls_POINT)                                  \
    X(T, EMB, rcNormalPosition, 28, cls_RECT)
STRUCTURE(WINDOWPLACEMENT, WINDOWPLACEMENT, 44)
#define NMHDR_ROWS(X, T) X(T, UL, hwndFrom, 0) X(T, UL, idFrom, 4) X(T, UL, code, 8)
STRUCTURE(NMHDR, NMHDR, 12)
#define STYLESTRUCT_ROWS(X, T) X(T, UL, styleOld, 0) X(T, UL, styleNew, 4)
STRUCTURE(STYLESTRUCT, STYLESTRUCT, 8)
#define MEASUREITEMSTRUCT_ROWS(X, T) X(T, UL, CtlType, 0) X(T, UL, CtlID, 4) X(T, UL, itemID, 8)                     \
    X(T, UL, itemWidth, 12) X(T, UL, itemHeight, 16)
STRUCTURE(MEASUREITEMSTRUCT, MEASUREITEMSTRUCT, 24)
#define DRAWITEMSTRUCT_ROWS(X, T) X(T, UL, CtlType, 0) X(T, UL, CtlID, 4) X(T, UL, itemID, 8)                        \
    X(T, UL, itemAction, 12) X(T, UL, itemState, 16) X(T, UL, hwndItem, 20) X(T, UL, hDC, 24)                        \
    X(T, EMB, rcItem, 28, cls_RECT)
STRUCTURE(DRAWITEMSTRUCT, DRAWITEMSTRUCT, 48)
#define DELETEITEMSTRUCT_ROWS(X, T) X(T, UL, CtlType, 0) X(T, UL, CtlID, 4) X(T, UL, itemID, 8) X(T, UL, hwndItem, 12)
STRUCTURE(DELETEITEMSTRUCT, DELETEITEMSTRUCT, 20)
#define COMPAREITEMSTRUCT_ROWS(X, T) X(T, UL, CtlType, 0) X(T, UL, CtlID, 4) X(T, UL, hwndItem, 8)                   \
    X(T, UL, itemID1, 12) X(T, UL, itemID2, 20) X(T, UL, dwLocaleId, 28)
STRUCTURE(COMPAREITEMSTRUCT, COMPAREITEMSTRUCT, 32)
#define BSMINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, hdesk, 4) X(T, UL, hwnd, 8)
STRUCTURE(BSMINFO, BSMINFO, 20)
#define FLASHWINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, hwnd, 4) X(T, UL, dwFlags, 8) X(T, UL, uCount, 12)        \
    X(T, UL, dwTimeout, 16)
STRUCTURE(FLASHWINFO, FLASHWINFO, 20)
#define DLGTEMPLATE_ROWS(X, T) X(T, UL, style, 0) X(T, UL, dwExtendedStyle, 4) X(T, US, cdit, 8) X(T, S, x, 10)      \
    X(T, S, y, 12) X(T, S, cx, 14) X(T, S, cy, 16)
STRUCTURE(DLGTEMPLATE, DLGTEMPLATE, 18)
#define DLGITEMTEMPLATE_ROWS(X, T) X(T, UL, style, 0) X(T, UL, dwExtendedStyle, 4) X(T, S, x, 8) X(T, S, y, 10)      \
    X(T, S, cx, 12) X(T, S, cy, 14) X(T, US, id, 16)
STRUCTURE(DLGITEMTEMPLATE, DLGITEMTEMPLATE, 18)
#define MOUSEINPUT_ROWS(X, T) X(T, L, dx, 0) X(T, L, dy, 4) X(T, UL, mouseData, 8) X(T, UL, dwFlags, 12)             \
    X(T, UL, time, 16)
STRUCTURE(MOUSEINPUT, MOUSEINPUT, 24)
#define KEYBDINPUT_ROWS(X, T) X(T, US, wVk, 0) X(T, US, wScan, 2) X(T, UL, dwFlags, 4) X(T, UL, time, 8)
STRUCTURE(KEYBDINPUT, KEYBDINPUT, 16)
#define HARDWAREINPUT_ROWS(X, T) X(T, UL, uMsg, 0) X(T, US, wParamL, 4) X(T, US, wParamH, 6)
STRUCTURE(HARDWAREINPUT, HARDWAREINPUT, 8)
#define INPUT_ROWS(X, T) X(T, UL, type, 0)
STRUCTURE(INPUT, INPUT, 28)
#define LASTINPUTINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwTime, 4)
STRUCTURE(LASTINPUTINFO, LASTINPUTINFO, 8)
#define TPMPARAMS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, EMB, rcExclude, 4, cls_RECT)
STRUCTURE(TPMPARAMS, TPMPARAMS, 20)
#define MENUINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, fMask, 4) X(T, UL, dwStyle, 8) X(T, UL, cyMax, 12)          \
    X(T, UL, hbrBack, 16) X(T, UL, dwContextHelpID, 20)
STRUCTURE(MENUINFO, MENUINFO, 28)
#define MENUGETOBJECTINFO_ROWS(X, T) X(T, UL, dwFlags, 0) X(T, UL, uPos, 4) X(T, UL, hmenu, 8)
STRUCTURE(MENUGETOBJECTINFO, MENUGETOBJECTINFO, 20)
#define MENUITEMINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, fMask, 4) X(T, UL, fType, 8) X(T, UL, fState, 12)       \
    X(T, UL, wID, 16) X(T, UL, hSubMenu, 20) X(T, UL, hbmpChecked, 24) X(T, UL, hbmpUnchecked, 28)                   \
    X(T, W, dwTypeData, 36) X(T, UL, cch, 40) X(T, UL, hbmpItem, 44)
STRUCTURE(MENUITEMINFO, MENUITEMINFOW, 48)
#define DROPSTRUCT_ROWS(X, T) X(T, UL, hwndSource, 0) X(T, UL, hwndSink, 4) X(T, UL, wFmt, 8)                        \
    X(T, EMB, ptDrop, 16, cls_POINT) X(T, UL, dwControlData, 24)
STRUCTURE(DROPSTRUCT, DROPSTRUCT, 28)
#define DRAWTEXTPARAMS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, I, iTabLength, 4) X(T, I, iLeftMargin, 8)                 \
    X(T, I, iRightMargin, 12) X(T, UL, uiLengthDrawn, 16)
STRUCTURE(DRAWTEXTPARAMS, DRAWTEXTPARAMS, 20)
#define HELPINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, I, iContextType, 4) X(T, I, iCtrlId, 8)                         \
    X(T, UL, hItemHandle, 12) X(T, UL, dwContextId, 16) X(T, EMB, MousePos, 20, cls_POINT)
STRUCTURE(HELPINFO, HELPINFO, 28)
#define MSGBOXPARAMS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hInstance, 8)                    \
    X(T, W, lpszText, 12) X(T, W, lpszCaption, 16) X(T, UL, dwStyle, 20) X(T, W, lpszIcon, 24)                       \
    X(T, UL, dwContextHelpId, 28) X(T, UL, dwLanguageId, 36)
STRUCTURE(MSGBOXPARAMS, MSGBOXPARAMSW, 40)
#define MENUITEMTEMPLATEHEADER_ROWS(X, T) X(T, US, versionNumber, 0) X(T, US, offset, 2)
STRUCTURE(MENUITEMTEMPLATEHEADER, MENUITEMTEMPLATEHEADER, 4)
#define MENUITEMTEMPLATE_ROWS(X, T) X(T, US, mtOption, 0) X(T, US, mtID, 2)
STRUCTURE(MENUITEMTEMPLATE, MENUITEMTEMPLATE, 6)
#define ICONINFO_ROWS(X, T) X(T, L, fIcon, 0) X(T, UL, xHotspot, 4) X(T, UL, yHotspot, 8) X(T, UL, hbmMask, 12)      \
    X(T, UL, hbmColor, 16)
STRUCTURE(ICONINFO, ICONINFO, 20)
#define CURSORSHAPE_ROWS(X, T) X(T, I, xHotSpot, 0) X(T, I, yHotSpot, 4) X(T, I, cx, 8) X(T, I, cy, 12)              \
    X(T, I, cbWidth, 16) X(T, UC, Planes, 20) X(T, UC, BitsPixel, 21)
STRUCTURE(CURSORSHAPE, CURSORSHAPE, 24)
#define SCROLLINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, fMask, 4) X(T, I, nMin, 8) X(T, I, nMax, 12)              \
    X(T, UL, nPage, 16) X(T, I, nPos, 20) X(T, I, nTrackPos, 24)
STRUCTURE(SCROLLINFO, SCROLLINFO, 28)
#define MDICREATESTRUCT_ROWS(X, T) X(T, W, szClass, 0) X(T, W, szTitle, 4) X(T, UL, hOwner, 8) X(T, I, x, 12)        \
    X(T, I, y, 16) X(T, I, cx, 20) X(T, I, cy, 24) X(T, UL, style, 28) X(T, UL, lParam, 32)
STRUCTURE(MDICREATESTRUCT, MDICREATESTRUCTW, 36)
#define CLIENTCREATESTRUCT_ROWS(X, T) X(T, UL, hWindowMenu, 0) X(T, UL, idFirstChild, 4)
STRUCTURE(CLIENTCREATESTRUCT, CLIENTCREATESTRUCT, 8)
#define MULTIKEYHELP_ROWS(X, T) X(T, UL, mkSize, 0) X(T, US, mkKeylist, 4)
STRUCTURE(MULTIKEYHELP, MULTIKEYHELPW, 8)
#define HELPWININFO_ROWS(X, T) X(T, I, wStructSize, 0) X(T, I, x, 4) X(T, I, y, 8) X(T, I, dx, 12) X(T, I, dy, 16)   \
    X(T, I, wMax, 20)
STRUCTURE(HELPWININFO, HELPWININFOW, 28)
#define MINIMIZEDMETRICS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, I, iWidth, 4) X(T, I, iHorzGap, 8)                      \
    X(T, I, iVertGap, 12) X(T, I, iArrange, 16)
STRUCTURE(MINIMIZEDMETRICS, MINIMIZEDMETRICS, 20)
#define ANIMATIONINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, I, iMinAnimate, 4)
STRUCTURE(ANIMATIONINFO, ANIMATIONINFO, 8)
#define SERIALKEYS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, W, lpszActivePort, 8)                    \
    X(T, W, lpszPort, 12) X(T, UL, iBaudRate, 16) X(T, UL, iPortState, 20) X(T, UL, iActive, 24)
STRUCTURE(SERIALKEYS, SERIALKEYSW, 28)
#define HIGHCONTRAST_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, W, lpszDefaultScheme, 8)
STRUCTURE(HIGHCONTRAST, HIGHCONTRASTW, 12)
#define FILTERKEYS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, UL, iWaitMSec, 8)                        \
    X(T, UL, iDelayMSec, 12) X(T, UL, iRepeatMSec, 16) X(T, UL, iBounceMSec, 20)
STRUCTURE(FILTERKEYS, FILTERKEYS, 24)
#define STICKYKEYS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4)
STRUCTURE(STICKYKEYS, STICKYKEYS, 8)
#define MOUSEKEYS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, UL, iMaxSpeed, 8)                         \
    X(T, UL, iTimeToMaxSpeed, 12) X(T, UL, iCtrlSpeed, 16) X(T, UL, dwReserved1, 20) X(T, UL, dwReserved2, 24)
STRUCTURE(MOUSEKEYS, MOUSEKEYS, 28)
#define ACCESSTIMEOUT_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, UL, iTimeOutMSec, 8)
STRUCTURE(ACCESSTIMEOUT, ACCESSTIMEOUT, 12)
#define SOUNDSENTRY_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, UL, iFSTextEffect, 8)                   \
    X(T, UL, iFSTextEffectMSec, 12) X(T, UL, iFSTextEffectColorBits, 16) X(T, UL, iFSGrafEffect, 20)                 \
    X(T, UL, iFSGrafEffectMSec, 24) X(T, UL, iFSGrafEffectColor, 28) X(T, UL, iWindowsEffect, 32)                    \
    X(T, UL, iWindowsEffectMSec, 36) X(T, W, lpszWindowsEffectDLL, 40) X(T, UL, iWindowsEffectOrdinal, 44)
STRUCTURE(SOUNDSENTRY, SOUNDSENTRYW, 48)
#define TOGGLEKEYS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4)
STRUCTURE(TOGGLEKEYS, TOGGLEKEYS, 8)
#define MONITORINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, EMB, rcMonitor, 4, cls_RECT) X(T, EMB, rcWork, 20, cls_RECT) \
    X(T, UL, dwFlags, 36)
STRUCTURE(MONITORINFO, MONITORINFO, 40)
#define MONITORINFOEX_ROWS(X, T)
STRUCTURE(MONITORINFOEX, MONITORINFOEXW, 104)
static_assert(std::is_base_of_v<MONITORINFO, MONITORINFOEXW>, "MONITORINFOEX extends MONITORINFO");
#define GUITHREADINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, flags, 4) X(T, UL, hwndActive, 8)                      \
    X(T, UL, hwndFocus, 12) X(T, UL, hwndCapture, 16) X(T, UL, hwndMenuOwner, 20) X(T, UL, hwndMoveSize, 24)         \
    X(T, UL, hwndCaret, 28) X(T, EMB, rcCaret, 32, cls_RECT)
STRUCTURE(GUITHREADINFO, GUITHREADINFO, 48)
#define CURSORINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, flags, 4) X(T, UL, hCursor, 8)                            \
    X(T, EMB, ptScreenPos, 12, cls_POINT)
STRUCTURE(CURSORINFO, CURSORINFO, 20)
#define WINDOWINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, EMB, rcWindow, 4, cls_RECT) X(T, EMB, rcClient, 20, cls_RECT) \
    X(T, UL, dwStyle, 36) X(T, UL, dwExStyle, 40) X(T, UL, dwWindowStatus, 44) X(T, UL, cxWindowBorders, 48)         \
    X(T, UL, cyWindowBorders, 52) X(T, US, atomWindowType, 56) X(T, US, wCreatorVersion, 58)
STRUCTURE(WINDOWINFO, WINDOWINFO, 60)
#define TITLEBARINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, EMB, rcTitleBar, 4, cls_RECT)
STRUCTURE(TITLEBARINFO, TITLEBARINFO, 44)
#define MENUBARINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, EMB, rcBar, 4, cls_RECT) X(T, UL, hMenu, 20)                 \
    X(T, UL, hwndMenu, 24)
STRUCTURE(MENUBARINFO, MENUBARINFO, 32)
#define SCROLLBARINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, EMB, rcScrollBar, 4, cls_RECT) X(T, I, dxyLineButton, 20)  \
    X(T, I, xyThumbTop, 24) X(T, I, xyThumbBottom, 28) X(T, I, reserved, 32)
STRUCTURE(SCROLLBARINFO, SCROLLBARINFO, 60)
#define COMBOBOXINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, EMB, rcItem, 4, cls_RECT) X(T, EMB, rcButton, 20, cls_RECT) \
    X(T, UL, stateButton, 36) X(T, UL, hwndCombo, 40) X(T, UL, hwndItem, 44) X(T, UL, hwndList, 48)
STRUCTURE(COMBOBOXINFO, COMBOBOXINFO, 52)
#define ALTTABINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, I, cItems, 4) X(T, I, cColumns, 8) X(T, I, cRows, 12)         \
    X(T, I, iColFocus, 16) X(T, I, iRowFocus, 20) X(T, I, cxItem, 24) X(T, I, cyItem, 28)                            \
    X(T, EMB, ptStart, 32, cls_POINT)
STRUCTURE(ALTTABINFO, ALTTABINFO, 40)
#define RAWINPUTHEADER_ROWS(X, T) X(T, UL, dwType, 0) X(T, UL, dwSize, 4) X(T, UL, hDevice, 8) X(T, UL, wParam, 12)
STRUCTURE(RAWINPUTHEADER, RAWINPUTHEADER, 16)
#define RAWMOUSE_ROWS(X, T) X(T, US, usFlags, 0) X(T, UL, ulRawButtons, 8) X(T, L, lLastX, 12) X(T, L, lLastY, 16)   \
    X(T, UL, ulExtraInformation, 20)
STRUCTURE(RAWMOUSE, RAWMOUSE, 24)
#define RAWKEYBOARD_ROWS(X, T) X(T, US, MakeCode, 0) X(T, US, Flags, 2) X(T, US, Reserved, 4) X(T, US, VKey, 6)      \
    X(T, UL, Message, 8) X(T, UL, ExtraInformation, 12)
STRUCTURE(RAWKEYBOARD, RAWKEYBOARD, 16)
#define RAWHID_ROWS(X, T) X(T, UL, dwSizeHid, 0) X(T, UL, dwCount, 4)
STRUCTURE(RAWHID, RAWHID, 12)
#define RAWINPUT_ROWS(X, T) X(T, EMB, header, 0, cls_RAWINPUTHEADER)
STRUCTURE(RAWINPUT, RAWINPUT, 40)
// The union inside RAWINPUT, likewise.
#define RAWINPUT_data_ROWS(X, T) X(T, EMB, mouse, 0, cls_RAWMOUSE) X(T, EMB, keyboard, 0, cls_RAWKEYBOARD)           \
    X(T, EMB, hid, 0, cls_RAWHID)
STRUCTURE(RAWINPUT_data, decltype(RAWINPUT::data), 24)
#define RID_DEVICE_INFO_MOUSE_ROWS(X, T) X(T, UL, dwId, 0) X(T, UL, dwNumberOfButtons, 4) X(T, UL, dwSampleRate, 8)
STRUCTURE(RID_DEVICE_INFO_MOUSE, RID_DEVICE_INFO_MOUSE, 16)
#define RID_DEVICE_INFO_KEYBOARD_ROWS(X, T) X(T, UL, dwType, 0) X(T, UL, dwSubType, 4) X(T, UL, dwKeyboardMode, 8)   \
    X(T, UL, dwNumberOfFunctionKeys, 12) X(T, UL, dwNumberOfIndicators, 16) X(T, UL, dwNumberOfKeysTotal, 20)
STRUCTURE(RID_DEVICE_INFO_KEYBOARD, RID_DEVICE_INFO_KEYBOARD, 24)
#define RID_DEVICE_INFO_HID_ROWS(X, T) X(T, UL, dwVendorId, 0) X(T, UL, dwProductId, 4) X(T, UL, dwVersionNumber, 8) \
    X(T, US, usUsagePage, 12) X(T, US, usUsage, 14)
STRUCTURE(RID_DEVICE_INFO_HID, RID_DEVICE_INFO_HID, 16)
#define RID_DEVICE_INFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwType, 4)
STRUCTURE(RID_DEVICE_INFO, RID_DEVICE_INFO, 32)
#define RAWINPUTDEVICE_ROWS(X, T) X(T, US, usUsagePage, 0) X(T, US, usUsage, 2) X(T, UL, dwFlags, 4)                 \
    X(T, UL, hwndTarget, 8)
STRUCTURE(RAWINPUTDEVICE, RAWINPUTDEVICE, 12)
#define RAWINPUTDEVICELIST_ROWS(X, T) X(T, UL, hDevice, 0) X(T, UL, dwType, 4)
STRUCTURE(RAWINPUTDEVICELIST, RAWINPUTDEVICELIST, 8)

// The rows, in the creation order of class_lists.h.
SECTION(user_classes, USER_CLASSES)

} // namespace savrawin
