// Common-dialog, shell and HTML Help structures (commdlg.h, shellapi.h, shlobj.h, htmlhelp.h).
#include "catalogue.h"

namespace savrawin {

// ---- common dialogs --------------------------------------------------------------------------------------------------

#define OPENFILENAME_NT4_ROWS(X, T) X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hInstance, 8)           \
    X(T, W, lpstrFilter, 12) X(T, W, lpstrCustomFilter, 16) X(T, UL, nMaxCustFilter, 20) X(T, UL, nFilterIndex, 24)  \
    X(T, W, lpstrFile, 28) X(T, UL, nMaxFile, 32) X(T, W, lpstrFileTitle, 36) X(T, UL, nMaxFileTitle, 40)            \
    X(T, W, lpstrInitialDir, 44) X(T, W, lpstrTitle, 48) X(T, UL, Flags, 52) X(T, US, nFileOffset, 56)               \
    X(T, US, nFileExtension, 58) X(T, W, lpstrDefExt, 60) X(T, UL, lCustData, 64) X(T, W, lpTemplateName, 72)
STRUCTURE(OPENFILENAME_NT4, OPENFILENAME_NT4W, 76)
#define OPENFILENAME_ROWS(X, T) X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hInstance, 8)               \
    X(T, W, lpstrFilter, 12) X(T, W, lpstrCustomFilter, 16) X(T, UL, nMaxCustFilter, 20) X(T, UL, nFilterIndex, 24)  \
    X(T, W, lpstrFile, 28) X(T, UL, nMaxFile, 32) X(T, W, lpstrFileTitle, 36) X(T, UL, nMaxFileTitle, 40)            \
    X(T, W, lpstrInitialDir, 44) X(T, W, lpstrTitle, 48) X(T, UL, Flags, 52) X(T, US, nFileOffset, 56)               \
    X(T, US, nFileExtension, 58) X(T, W, lpstrDefExt, 60) X(T, UL, lCustData, 64) X(T, W, lpTemplateName, 72)        \
    X(T, UL, dwReserved, 80) X(T, UL, FlagsEx, 84)
STRUCTURE(OPENFILENAME, OPENFILENAMEW, 88)
#define OFNOTIFY_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, PTR, lpOFN, 12, cls_OPENFILENAME) X(T, W, pszFile, 16)
STRUCTURE(OFNOTIFY, OFNOTIFYW, 20)
#define OFNOTIFYEX_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, PTR, lpOFN, 12, cls_OPENFILENAME)
STRUCTURE(OFNOTIFYEX, OFNOTIFYEXW, 24)
#define CHOOSECOLOR_ROWS(X, T) X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hInstance, 8)                \
    X(T, UL, rgbResult, 12) X(T, UL, Flags, 20) X(T, UL, lCustData, 24) X(T, W, lpTemplateName, 32)
STRUCTURE(CHOOSECOLOR, CHOOSECOLORW, 36)
#define FINDREPLACE_ROWS(X, T) X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hInstance, 8)                \
    X(T, UL, Flags, 12) X(T, W, lpstrFindWhat, 16) X(T, W, lpstrReplaceWith, 20) X(T, US, wFindWhatLen, 24)          \
    X(T, US, wReplaceWithLen, 26) X(T, UL, lCustData, 28) X(T, W, lpTemplateName, 36)
STRUCTURE(FINDREPLACE, FINDREPLACEW, 40)
#define CHOOSEFONT_ROWS(X, T) X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hDC, 8)                       \
    X(T, PTR, lpLogFont, 12, cls_LOGFONT) X(T, I, iPointSize, 16) X(T, UL, Flags, 20) X(T, UL, rgbColors, 24)        \
    X(T, UL, lCustData, 28) X(T, W, lpTemplateName, 36) X(T, UL, hInstance, 40) X(T, W, lpszStyle, 44)               \
    X(T, US, nFontType, 48) X(T, US, ___MISSING_ALIGNMENT__, 50) X(T, I, nSizeMin, 52) X(T, I, nSizeMax, 56)
STRUCTURE(CHOOSEFONT, CHOOSEFONTW, 60)
// The SDK packs the common-dialog records to 1 byte on 32-bit Windows, hence the unaligned fields.
#define PRINTDLG_ROWS(X, T) X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hDevMode, 8)                    \
    X(T, UL, hDevNames, 12) X(T, UL, hDC, 16) X(T, UL, Flags, 20) X(T, US, nFromPage, 24) X(T, US, nToPage, 26)      \
    X(T, US, nMinPage, 28) X(T, US, nMaxPage, 30) X(T, US, nCopies, 32) X(T, UL, hInstance, 34)                      \
    X(T, UL, lCustData, 38) X(T, W, lpPrintTemplateName, 50) X(T, W, lpSetupTemplateName, 54)                        \
    X(T, UL, hPrintTemplate, 58) X(T, UL, hSetupTemplate, 62)
STRUCTURE(PRINTDLG, PRINTDLGW, 66)
#define DEVNAMES_ROWS(X, T) X(T, US, wDriverOffset, 0) X(T, US, wDeviceOffset, 2) X(T, US, wOutputOffset, 4)         \
    X(T, US, wDefault, 6)
STRUCTURE(DEVNAMES, DEVNAMES, 8)
#define PAGESETUPDLG_ROWS(X, T) X(T, UL, lStructSize, 0) X(T, UL, hwndOwner, 4) X(T, UL, hDevMode, 8)                \
    X(T, UL, hDevNames, 12) X(T, UL, Flags, 16) X(T, EMB, ptPaperSize, 20, cls_POINT)                                \
    X(T, EMB, rtMinMargin, 28, cls_RECT) X(T, EMB, rtMargin, 44, cls_RECT) X(T, UL, hInstance, 60)                   \
    X(T, UL, lCustData, 64) X(T, W, lpPageSetupTemplateName, 76) X(T, UL, hPageSetupTemplate, 80)
STRUCTURE(PAGESETUPDLG, PAGESETUPDLGW, 84)

// The rows, in the creation order of class_lists.h.
SECTION(common_dialog_classes, COMMON_DIALOG_CLASSES)

// ---- shell -----------------------------------------------------------------------------------------------------------

#define DRAGINFO_ROWS(X, T) X(T, UL, uSize, 0) X(T, EMB, pt, 4, cls_POINT) X(T, L, fNC, 12) X(T, W, lpFileList, 16)  \
    X(T, UL, grfKeyState, 20)
STRUCTURE(DRAGINFO, DRAGINFOW, 24)
#define APPBARDATA_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, hWnd, 4) X(T, UL, uCallbackMessage, 8)                    \
    X(T, UL, uEdge, 12) X(T, EMB, rc, 16, cls_RECT) X(T, UL, lParam, 32)
STRUCTURE(APPBARDATA, APPBARDATA, 36)
// Packed to 1 byte like the common-dialog records.
#define SHFILEOPSTRUCT_ROWS(X, T) X(T, UL, hwnd, 0) X(T, UL, wFunc, 4) X(T, W, pFrom, 8) X(T, W, pTo, 12)            \
    X(T, US, fFlags, 16) X(T, L, fAnyOperationsAborted, 18) X(T, W, lpszProgressTitle, 26)
STRUCTURE(SHFILEOPSTRUCT, SHFILEOPSTRUCTW, 30)
#define SHNAMEMAPPING_ROWS(X, T) X(T, W, pszOldPath, 0) X(T, W, pszNewPath, 4) X(T, I, cchOldPath, 8)                \
    X(T, I, cchNewPath, 12)
STRUCTURE(SHNAMEMAPPING, SHNAMEMAPPINGW, 16)
#define SHELLEXECUTEINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, fMask, 4) X(T, UL, hwnd, 8) X(T, W, lpVerb, 12)     \
    X(T, W, lpFile, 16) X(T, W, lpParameters, 20) X(T, W, lpDirectory, 24) X(T, I, nShow, 28) X(T, UL, hInstApp, 32) \
    X(T, W, lpClass, 40) X(T, UL, hkeyClass, 44) X(T, UL, dwHotKey, 48) X(T, UL, hProcess, 56)
STRUCTURE(SHELLEXECUTEINFO, SHELLEXECUTEINFOW, 60)
#define NOTIFYICONDATA_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, hWnd, 4) X(T, UL, uID, 8) X(T, UL, uFlags, 12)        \
    X(T, UL, uCallbackMessage, 16) X(T, UL, hIcon, 20)
STRUCTURE(NOTIFYICONDATA, NOTIFYICONDATAW, 952)
#define SHFILEINFO_ROWS(X, T) X(T, UL, hIcon, 0) X(T, I, iIcon, 4) X(T, UL, dwAttributes, 8)
STRUCTURE(SHFILEINFO, SHFILEINFOW, 692)

// The rows, in the creation order of class_lists.h.
SECTION(shell_classes, SHELL_CLASSES)

// ---- HTML Help -------------------------------------------------------------------------------------------------------

#define HHN_NOTIFY_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR)
STRUCTURE(HHN_NOTIFY, HHN_NOTIFY, 16)
#define HH_POPUP_ROWS(X, T) X(T, I, cbStruct, 0) X(T, UL, hinst, 4) X(T, UL, idString, 8) X(T, W, pszText, 12)       \
    X(T, EMB, pt, 16, cls_POINT) X(T, UL, clrForeground, 24) X(T, UL, clrBackground, 28)                             \
    X(T, EMB, rcMargins, 32, cls_RECT) X(T, W, pszFont, 48)
STRUCTURE(HH_POPUP, HH_POPUP, 52)
#define HH_AKLINK_ROWS(X, T) X(T, I, cbStruct, 0) X(T, L, fReserved, 4) X(T, W, pszKeywords, 8) X(T, W, pszUrl, 12)  \
    X(T, W, pszMsgText, 16) X(T, W, pszMsgTitle, 20) X(T, W, pszWindow, 24) X(T, L, fIndexOnFail, 28)
STRUCTURE(HH_AKLINK, HH_AKLINK, 32)
#define HH_ENUM_IT_ROWS(X, T) X(T, I, cbStruct, 0) X(T, I, iType, 4) X(T, N, pszCatName, 8) X(T, N, pszITName, 12)   \
    X(T, N, pszITDescription, 16)
STRUCTURE(HH_ENUM_IT, HH_ENUM_IT, 20)
#define HH_ENUM_CAT_ROWS(X, T) X(T, I, cbStruct, 0) X(T, N, pszCatName, 4) X(T, N, pszCatDescription, 8)
STRUCTURE(HH_ENUM_CAT, HH_ENUM_CAT, 12)
#define HH_SET_INFOTYPE_ROWS(X, T) X(T, I, cbStruct, 0) X(T, N, pszCatName, 4) X(T, N, pszInfoTypeName, 8)
STRUCTURE(HH_SET_INFOTYPE, HH_SET_INFOTYPE, 12)
#define HH_FTS_QUERY_ROWS(X, T) X(T, I, cbStruct, 0) X(T, L, fUniCodeStrings, 4) X(T, W, pszSearchQuery, 8)          \
    X(T, L, iProximity, 12) X(T, L, fStemmedSearch, 16) X(T, L, fTitleOnly, 20) X(T, L, fExecute, 24)                \
    X(T, W, pszWindow, 28)
STRUCTURE(HH_FTS_QUERY, HH_FTS_QUERY, 32)
#define HH_WINTYPE_ROWS(X, T) X(T, I, cbStruct, 0) X(T, L, fUniCodeStrings, 4) X(T, W, pszType, 8)                   \
    X(T, UL, fsValidMembers, 12) X(T, UL, fsWinProperties, 16) X(T, W, pszCaption, 20) X(T, UL, dwStyles, 24)        \
    X(T, UL, dwExStyles, 28) X(T, EMB, rcWindowPos, 32, cls_RECT) X(T, I, nShowState, 48) X(T, UL, hwndHelp, 52)     \
    X(T, UL, hwndCaller, 56) X(T, UL, hwndToolBar, 64) X(T, UL, hwndNavigation, 68) X(T, UL, hwndHTML, 72)           \
    X(T, I, iNavWidth, 76) X(T, EMB, rcHTML, 80, cls_RECT) X(T, W, pszToc, 96) X(T, W, pszIndex, 100)                \
    X(T, W, pszFile, 104) X(T, W, pszHome, 108) X(T, UL, fsToolBarFlags, 112) X(T, L, fNotExpanded, 116)             \
    X(T, I, curNavType, 120) X(T, I, tabpos, 124) X(T, I, idNotify, 128) X(T, I, cHistory, 152)                      \
    X(T, W, pszJump1, 156) X(T, W, pszJump2, 160) X(T, W, pszUrlJump1, 164) X(T, W, pszUrlJump2, 168)                \
    X(T, EMB, rcMinSize, 172, cls_RECT) X(T, I, cbInfoTypes, 188) X(T, W, pszCustomTabs, 192)
STRUCTURE(HH_WINTYPE, HH_WINTYPE, 196)
#define HHNTRACK_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, idAction, 16)                                       \
    X(T, PTR, phhWinType, 20, cls_HH_WINTYPE)
STRUCTURE(HHNTRACK, HHNTRACK, 24)

// The rows, in the creation order of class_lists.h.
SECTION(html_help_classes, HTML_HELP_CLASSES)

} // namespace savrawin
