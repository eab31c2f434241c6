// Common-control structures: item, hit-test and notification records of the controls (commctrl.h).
#include "catalogue.h"

namespace savrawin {

// ---- common controls -------------------------------------------------------------------------------------------------

#define INITCOMMONCONTROLSEX_ROWS(X, T) X(T, UL, dwSize, 0) X(T, UL, dwICC, 4)
STRUCTURE(INITCOMMONCONTROLSEX, INITCOMMONCONTROLSEX, 8)
#define COLORSCHEME_ROWS(X, T) X(T, UL, dwSize, 0) X(T, UL, clrBtnHighlight, 4) X(T, UL, clrBtnShadow, 8)
STRUCTURE(COLORSCHEME, COLORSCHEME, 12)
#define NMTOOLTIPSCREATED_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, hwndToolTips, 12)
STRUCTURE(NMTOOLTIPSCREATED, NMTOOLTIPSCREATED, 16)
#define NMMOUSE_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, dwItemSpec, 12) X(T, UL, dwItemData, 16)            \
    X(T, EMB, pt, 20, cls_POINT) X(T, UL, dwHitInfo, 28)
STRUCTURE(NMMOUSE, NMMOUSE, 32)
#define NMOBJECTNOTIFY_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iItem, 12) X(T, UL, hResult, 24)              \
    X(T, UL, dwFlags, 28)
STRUCTURE(NMOBJECTNOTIFY, NMOBJECTNOTIFY, 32)
#define NMKEY_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, nVKey, 12) X(T, UL, uFlags, 16)
STRUCTURE(NMKEY, NMKEY, 20)
#define NMCHAR_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, ch, 12) X(T, UL, dwItemPrev, 16)                     \
    X(T, UL, dwItemNext, 20)
STRUCTURE(NMCHAR, NMCHAR, 24)
#define NMCUSTOMDRAW_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, dwDrawStage, 12) X(T, UL, hdc, 16)             \
    X(T, EMB, rc, 20, cls_RECT) X(T, UL, dwItemSpec, 36) X(T, UL, uItemState, 40) X(T, UL, lItemlParam, 44)
STRUCTURE(NMCUSTOMDRAW, NMCUSTOMDRAW, 48)
#define NMTTCUSTOMDRAW_ROWS(X, T) X(T, EMB, nmcd, 0, cls_NMCUSTOMDRAW) X(T, UL, uDrawFlags, 48)
STRUCTURE(NMTTCUSTOMDRAW, NMTTCUSTOMDRAW, 52)
#define IMAGELISTDRAWPARAMS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, himl, 4) X(T, I, i, 8) X(T, UL, hdcDst, 12)      \
    X(T, I, x, 16) X(T, I, y, 20) X(T, I, cx, 24) X(T, I, cy, 28) X(T, I, xBitmap, 32) X(T, I, yBitmap, 36)          \
    X(T, UL, rgbBk, 40) X(T, UL, rgbFg, 44) X(T, UL, fStyle, 48) X(T, UL, dwRop, 52) X(T, UL, fState, 56)            \
    X(T, UL, Frame, 60) X(T, UL, crEffect, 64)
STRUCTURE(IMAGELISTDRAWPARAMS, IMAGELISTDRAWPARAMS, 68)
#define IMAGEINFO_ROWS(X, T) X(T, UL, hbmImage, 0) X(T, UL, hbmMask, 4) X(T, I, Unused1, 8) X(T, I, Unused2, 12)     \
    X(T, EMB, rcImage, 16, cls_RECT)
STRUCTURE(IMAGEINFO, IMAGEINFO, 32)
#define HD_TEXTFILTERW_ROWS(X, T) X(T, W, pszText, 0) X(T, I, cchTextMax, 4)
STRUCTURE(HD_TEXTFILTERW, HD_TEXTFILTERW, 8)
#define HDITEM_ROWS(X, T) X(T, UL, mask, 0) X(T, I, cxy, 4) X(T, W, pszText, 8) X(T, UL, hbm, 12)                    \
    X(T, I, cchTextMax, 16) X(T, I, fmt, 20) X(T, UL, lParam, 24) X(T, I, iImage, 28) X(T, I, iOrder, 32)            \
    X(T, UL, type, 36)
STRUCTURE(HDITEM, HDITEMW, 44)
#define HDLAYOUT_ROWS(X, T) X(T, PTR, prc, 0, cls_RECT) X(T, PTR, pwpos, 4, cls_WINDOWPOS)
STRUCTURE(HDLAYOUT, HDLAYOUT, 8)
#define HDHITTESTINFO_ROWS(X, T) X(T, EMB, pt, 0, cls_POINT) X(T, UL, flags, 8) X(T, I, iItem, 12)
STRUCTURE(HDHITTESTINFO, HDHITTESTINFO, 16)
#define NMHEADER_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iItem, 12) X(T, I, iButton, 16)
STRUCTURE(NMHEADER, NMHEADERW, 24)
#define NMHDDISPINFO_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iItem, 12) X(T, UL, mask, 16)                   \
    X(T, W, pszText, 20) X(T, I, cchTextMax, 24) X(T, I, iImage, 28) X(T, UL, lParam, 32)
STRUCTURE(NMHDDISPINFO, NMHDDISPINFOW, 36)
#define NMHDFILTERBTNCLICK_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iItem, 12) X(T, EMB, rc, 16, cls_RECT)
STRUCTURE(NMHDFILTERBTNCLICK, NMHDFILTERBTNCLICK, 32)
#define TBBUTTON_ROWS(X, T) X(T, I, iBitmap, 0) X(T, I, idCommand, 4) X(T, UC, fsState, 8) X(T, UC, fsStyle, 9)      \
    X(T, UL, dwData, 12) X(T, UI, iString, 16)
STRUCTURE(TBBUTTON, TBBUTTON, 20)
#define COLORMAP_ROWS(X, T) X(T, UL, from, 0) X(T, UL, to, 4)
STRUCTURE(COLORMAP, COLORMAP, 8)
#define NMTBCUSTOMDRAW_ROWS(X, T) X(T, EMB, nmcd, 0, cls_NMCUSTOMDRAW) X(T, UL, hbrMonoDither, 48)                   \
    X(T, UL, hbrLines, 52) X(T, UL, hpenLines, 56) X(T, UL, clrText, 60) X(T, UL, clrMark, 64)                       \
    X(T, UL, clrTextHighlight, 68) X(T, UL, clrBtnFace, 72) X(T, UL, clrBtnHighlight, 76)                            \
    X(T, UL, clrHighlightHotTrack, 80) X(T, EMB, rcText, 84, cls_RECT) X(T, I, nStringBkMode, 100)                   \
    X(T, I, nHLStringBkMode, 104) X(T, I, iListGap, 108)
STRUCTURE(NMTBCUSTOMDRAW, NMTBCUSTOMDRAW, 112)
#define TBADDBITMAP_ROWS(X, T) X(T, UL, hInst, 0) X(T, UL, nID, 4)
STRUCTURE(TBADDBITMAP, TBADDBITMAP, 8)
#define TBSAVEPARAMS_ROWS(X, T) X(T, UL, hkr, 0) X(T, W, pszSubKey, 4) X(T, W, pszValueName, 8)
STRUCTURE(TBSAVEPARAMS, TBSAVEPARAMSW, 12)
#define TBINSERTMARK_ROWS(X, T) X(T, I, iButton, 0) X(T, UL, dwFlags, 4)
STRUCTURE(TBINSERTMARK, TBINSERTMARK, 8)
#define TBREPLACEBITMAP_ROWS(X, T) X(T, UL, hInstOld, 0) X(T, UL, nIDOld, 4) X(T, UL, hInstNew, 8)                   \
    X(T, UL, nIDNew, 12) X(T, I, nButtons, 16)
STRUCTURE(TBREPLACEBITMAP, TBREPLACEBITMAP, 20)
#define TBBUTTONINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwMask, 4) X(T, I, idCommand, 8) X(T, I, iImage, 12)    \
    X(T, UC, fsState, 16) X(T, UC, fsStyle, 17) X(T, US, cx, 18) X(T, UL, lParam, 20) X(T, W, pszText, 24)           \
    X(T, I, cchText, 28)
STRUCTURE(TBBUTTONINFO, TBBUTTONINFOW, 32)
#define TBMETRICS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwMask, 4) X(T, I, cxPad, 8) X(T, I, cyPad, 12)            \
    X(T, I, cxBarPad, 16) X(T, I, cyBarPad, 20) X(T, I, cxButtonSpacing, 24) X(T, I, cyButtonSpacing, 28)
STRUCTURE(TBMETRICS, TBMETRICS, 32)
#define NMTBHOTITEM_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, idOld, 12) X(T, I, idNew, 16)                    \
    X(T, UL, dwFlags, 20)
STRUCTURE(NMTBHOTITEM, NMTBHOTITEM, 24)
#define NMTBSAVE_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, cbData, 20) X(T, I, iItem, 24)                     \
    X(T, I, cButtons, 28) X(T, EMB, tbButton, 32, cls_TBBUTTON)
STRUCTURE(NMTBSAVE, NMTBSAVE, 52)
#define NMTBRESTORE_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, cbData, 20) X(T, I, iItem, 24)                  \
    X(T, I, cButtons, 28) X(T, I, cbBytesPerRecord, 32) X(T, EMB, tbButton, 36, cls_TBBUTTON)
STRUCTURE(NMTBRESTORE, NMTBRESTORE, 56)
#define NMTBGETINFOTIP_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, W, pszText, 12) X(T, I, cchTextMax, 16)          \
    X(T, I, iItem, 20) X(T, UL, lParam, 24)
STRUCTURE(NMTBGETINFOTIP, NMTBGETINFOTIPW, 28)
#define NMTBDISPINFO_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, dwMask, 12) X(T, I, idCommand, 16)             \
    X(T, UL, lParam, 20) X(T, I, iImage, 24) X(T, W, pszText, 28) X(T, I, cchText, 32)
STRUCTURE(NMTBDISPINFO, NMTBDISPINFOW, 36)
#define NMTOOLBAR_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iItem, 12) X(T, EMB, tbButton, 16, cls_TBBUTTON)   \
    X(T, I, cchText, 36) X(T, W, pszText, 40) X(T, EMB, rcButton, 44, cls_RECT)
STRUCTURE(NMTOOLBAR, NMTOOLBARW, 60)
#define REBARINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, fMask, 4) X(T, UL, himl, 8)
STRUCTURE(REBARINFO, REBARINFO, 12)
#define REBARBANDINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, fMask, 4) X(T, UL, fStyle, 8) X(T, UL, clrFore, 12)    \
    X(T, UL, clrBack, 16) X(T, W, lpText, 20) X(T, UL, cch, 24) X(T, I, iImage, 28) X(T, UL, hwndChild, 32)          \
    X(T, UL, cxMinChild, 36) X(T, UL, cyMinChild, 40) X(T, UL, cx, 44) X(T, UL, hbmBack, 48) X(T, UL, wID, 52)       \
    X(T, UL, cyChild, 56) X(T, UL, cyMaxChild, 60) X(T, UL, cyIntegral, 64) X(T, UL, cxIdeal, 68)                    \
    X(T, UL, lParam, 72) X(T, UL, cxHeader, 76)
STRUCTURE(REBARBANDINFO, REBARBANDINFOW, 80)
#define NMREBARCHILDSIZE_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, uBand, 12) X(T, UL, wID, 16)               \
    X(T, EMB, rcChild, 20, cls_RECT) X(T, EMB, rcBand, 36, cls_RECT)
STRUCTURE(NMREBARCHILDSIZE, NMREBARCHILDSIZE, 52)
#define NMREBAR_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, dwMask, 12) X(T, UL, uBand, 16)                     \
    X(T, UL, fStyle, 20) X(T, UL, wID, 24) X(T, UL, lParam, 28)
STRUCTURE(NMREBAR, NMREBAR, 32)
#define NMRBAUTOSIZE_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, L, fChanged, 12) X(T, EMB, rcTarget, 16, cls_RECT) \
    X(T, EMB, rcActual, 32, cls_RECT)
STRUCTURE(NMRBAUTOSIZE, NMRBAUTOSIZE, 48)
#define NMREBARCHEVRON_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, uBand, 12) X(T, UL, wID, 16)                 \
    X(T, UL, lParam, 20) X(T, EMB, rc, 24, cls_RECT) X(T, UL, lParamNM, 40)
STRUCTURE(NMREBARCHEVRON, NMREBARCHEVRON, 44)
#define NMREBARAUTOBREAK_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, uBand, 12) X(T, UL, wID, 16)               \
    X(T, UL, lParam, 20) X(T, UL, uMsg, 24) X(T, UL, fStyleCurrent, 28) X(T, L, fAutoBreak, 32)
STRUCTURE(NMREBARAUTOBREAK, NMREBARAUTOBREAK, 36)
#define RBHITTESTINFO_ROWS(X, T) X(T, EMB, pt, 0, cls_POINT) X(T, UL, flags, 8) X(T, I, iBand, 12)
STRUCTURE(RBHITTESTINFO, RBHITTESTINFO, 16)
#define TTTOOLINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, uFlags, 4) X(T, UL, hwnd, 8) X(T, UL, uId, 12)            \
    X(T, EMB, rect, 16, cls_RECT) X(T, UL, hinst, 32) X(T, W, lpszText, 36) X(T, UL, lParam, 40)
STRUCTURE(TTTOOLINFO, TTTOOLINFOW, 48)
#define TTGETTITLE_ROWS(X, T) X(T, UL, dwSize, 0) X(T, UL, uTitleBitmap, 4) X(T, UL, cch, 8)
STRUCTURE(TTGETTITLE, TTGETTITLE, 16)
#define TTHITTESTINFO_ROWS(X, T) X(T, UL, hwnd, 0) X(T, EMB, pt, 4, cls_POINT) X(T, EMB, ti, 12, cls_TTTOOLINFO)
STRUCTURE(TTHITTESTINFO, TTHITTESTINFOW, 60)
#define NMTTDISPINFO_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, W, lpszText, 12) X(T, UL, hinst, 176)              \
    X(T, UL, uFlags, 180) X(T, UL, lParam, 184)
STRUCTURE(NMTTDISPINFO, NMTTDISPINFOW, 188)
#define DRAGLISTINFO_ROWS(X, T) X(T, UL, uNotification, 0) X(T, UL, hWnd, 4) X(T, EMB, ptCursor, 8, cls_POINT)
STRUCTURE(DRAGLISTINFO, DRAGLISTINFO, 16)
#define UDACCEL_ROWS(X, T) X(T, UL, nSec, 0) X(T, UL, nInc, 4)
STRUCTURE(UDACCEL, UDACCEL, 8)
#define NMUPDOWN_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iPos, 12) X(T, I, iDelta, 16)
STRUCTURE(NMUPDOWN, NMUPDOWN, 20)
#define PBRANGE_ROWS(X, T) X(T, I, iLow, 0) X(T, I, iHigh, 4)
STRUCTURE(PBRANGE, PBRANGE, 8)
#define LVITEM_ROWS(X, T) X(T, UL, mask, 0) X(T, I, iItem, 4) X(T, I, iSubItem, 8) X(T, UL, state, 12)               \
    X(T, UL, stateMask, 16) X(T, W, pszText, 20) X(T, I, cchTextMax, 24) X(T, I, iImage, 28) X(T, UL, lParam, 32)    \
    X(T, I, iIndent, 36) X(T, I, iGroupId, 40) X(T, UL, cColumns, 44)
STRUCTURE(LVITEM, LVITEMW, 52)
#define LVFINDINFO_ROWS(X, T) X(T, UL, flags, 0) X(T, W, psz, 4) X(T, UL, lParam, 8) X(T, EMB, pt, 12, cls_POINT)    \
    X(T, UL, vkDirection, 20)
STRUCTURE(LVFINDINFO, LVFINDINFOW, 24)
#define LVHITTESTINFO_ROWS(X, T) X(T, EMB, pt, 0, cls_POINT) X(T, UL, flags, 8) X(T, I, iItem, 12)                   \
    X(T, I, iSubItem, 16)
STRUCTURE(LVHITTESTINFO, LVHITTESTINFO, 20)
#define LVCOLUMN_ROWS(X, T) X(T, UL, mask, 0) X(T, I, fmt, 4) X(T, I, cx, 8) X(T, W, pszText, 12)                    \
    X(T, I, cchTextMax, 16) X(T, I, iSubItem, 20) X(T, I, iImage, 24) X(T, I, iOrder, 28)
STRUCTURE(LVCOLUMN, LVCOLUMNW, 32)
#define LVBKIMAGE_ROWS(X, T) X(T, UL, ulFlags, 0) X(T, UL, hbm, 4) X(T, W, pszImage, 8) X(T, UL, cchImageMax, 12)    \
    X(T, I, xOffsetPercent, 16) X(T, I, yOffsetPercent, 20)
STRUCTURE(LVBKIMAGE, LVBKIMAGEW, 24)
#define LVGROUP_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, mask, 4) X(T, W, pszHeader, 8) X(T, I, cchHeader, 12)        \
    X(T, W, pszFooter, 16) X(T, I, cchFooter, 20) X(T, I, iGroupId, 24) X(T, UL, stateMask, 28) X(T, UL, state, 32)  \
    X(T, UL, uAlign, 36)
STRUCTURE(LVGROUP, LVGROUP, 40)
#define LVGROUPMETRICS_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, mask, 4) X(T, UL, Left, 8) X(T, UL, Top, 12)          \
    X(T, UL, Right, 16) X(T, UL, Bottom, 20) X(T, UL, crLeft, 24) X(T, UL, crTop, 28) X(T, UL, crRight, 32)          \
    X(T, UL, crBottom, 36) X(T, UL, crHeader, 40) X(T, UL, crFooter, 44)
STRUCTURE(LVGROUPMETRICS, LVGROUPMETRICS, 48)
#define LVINSERTGROUPSORTED_ROWS(X, T) X(T, EMB, lvGroup, 8, cls_LVGROUP)
STRUCTURE(LVINSERTGROUPSORTED, LVINSERTGROUPSORTED, 48)
#define LVTILEVIEWINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwMask, 4) X(T, UL, dwFlags, 8)                       \
    X(T, EMB, sizeTile, 12, cls_SIZE) X(T, I, cLines, 20) X(T, EMB, rcLabelMargin, 24, cls_RECT)
STRUCTURE(LVTILEVIEWINFO, LVTILEVIEWINFO, 40)
#define LVTILEINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, I, iItem, 4) X(T, UL, cColumns, 8)
STRUCTURE(LVTILEINFO, LVTILEINFO, 16)
#define LVINSERTMARK_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, I, iItem, 8) X(T, UL, dwReserved, 12)
STRUCTURE(LVINSERTMARK, LVINSERTMARK, 16)
#define LVSETINFOTIP_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, W, pszText, 8) X(T, I, iItem, 12)      \
    X(T, I, iSubItem, 16)
STRUCTURE(LVSETINFOTIP, LVSETINFOTIP, 20)
#define NMLISTVIEW_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iItem, 12) X(T, I, iSubItem, 16)                  \
    X(T, UL, uNewState, 20) X(T, UL, uOldState, 24) X(T, UL, uChanged, 28) X(T, EMB, ptAction, 32, cls_POINT)        \
    X(T, UL, lParam, 40)
STRUCTURE(NMLISTVIEW, NMLISTVIEW, 44)
#define NMITEMACTIVATE_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iItem, 12) X(T, I, iSubItem, 16)              \
    X(T, UL, uNewState, 20) X(T, UL, uOldState, 24) X(T, UL, uChanged, 28) X(T, EMB, ptAction, 32, cls_POINT)        \
    X(T, UL, lParam, 40) X(T, UL, uKeyFlags, 44)
STRUCTURE(NMITEMACTIVATE, NMITEMACTIVATE, 48)
#define NMLVCUSTOMDRAW_ROWS(X, T) X(T, EMB, nmcd, 0, cls_NMCUSTOMDRAW) X(T, UL, clrText, 48) X(T, UL, clrTextBk, 52) \
    X(T, I, iSubItem, 56) X(T, UL, dwItemType, 60) X(T, UL, clrFace, 64) X(T, I, iIconEffect, 68)                    \
    X(T, I, iIconPhase, 72) X(T, I, iPartId, 76) X(T, I, iStateId, 80) X(T, EMB, rcText, 84, cls_RECT)               \
    X(T, UL, uAlign, 100)
STRUCTURE(NMLVCUSTOMDRAW, NMLVCUSTOMDRAW, 104)
#define NMLVCACHEHINT_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iFrom, 12) X(T, I, iTo, 16)
STRUCTURE(NMLVCACHEHINT, NMLVCACHEHINT, 20)
#define NMLVFINDITEM_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iStart, 12) X(T, EMB, lvfi, 16, cls_LVFINDINFO)
STRUCTURE(NMLVFINDITEM, NMLVFINDITEMW, 40)
#define NMLVODSTATECHANGE_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iFrom, 12) X(T, I, iTo, 16)                \
    X(T, UL, uNewState, 20) X(T, UL, uOldState, 24)
STRUCTURE(NMLVODSTATECHANGE, NMLVODSTATECHANGE, 28)
#define NMLVDISPINFOA_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR)
STRUCTURE(NMLVDISPINFOA, NMLVDISPINFOA, 64)
#define NMLVDISPINFO_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, EMB, item, 12, cls_LVITEM)
STRUCTURE(NMLVDISPINFO, NMLVDISPINFOW, 64)
#define NMLVKEYDOWN_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, US, wVKey, 12) X(T, UL, flags, 14)
STRUCTURE(NMLVKEYDOWN, NMLVKEYDOWN, 18)
#define NMLVGETINFOTIP_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, dwFlags, 12) X(T, W, pszText, 16)            \
    X(T, I, cchTextMax, 20) X(T, I, iItem, 24) X(T, I, iSubItem, 28) X(T, UL, lParam, 32)
STRUCTURE(NMLVGETINFOTIP, NMLVGETINFOTIPW, 36)
#define NMLVSCROLL_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, dx, 12) X(T, I, dy, 16)
STRUCTURE(NMLVSCROLL, NMLVSCROLL, 20)
#define TVITEM_ROWS(X, T) X(T, UL, mask, 0) X(T, UL, hItem, 4) X(T, UL, state, 8) X(T, UL, stateMask, 12)            \
    X(T, W, pszText, 16) X(T, I, cchTextMax, 20) X(T, I, iImage, 24) X(T, I, iSelectedImage, 28)                     \
    X(T, I, cChildren, 32) X(T, UL, lParam, 36)
STRUCTURE(TVITEM, TVITEMW, 40)
#define TVITEMEX_ROWS(X, T) X(T, UL, mask, 0) X(T, UL, hItem, 4) X(T, UL, state, 8) X(T, UL, stateMask, 12)          \
    X(T, W, pszText, 16) X(T, I, cchTextMax, 20) X(T, I, iImage, 24) X(T, I, iSelectedImage, 28)                     \
    X(T, I, cChildren, 32) X(T, UL, lParam, 36) X(T, I, iIntegral, 40)
STRUCTURE(TVITEMEX, TVITEMEXW, 44)
#define TVINSERTSTRUCT_ROWS(X, T) X(T, UL, hParent, 0) X(T, UL, hInsertAfter, 4)
STRUCTURE(TVINSERTSTRUCT, TVINSERTSTRUCTW, 52)
#define TVHITTESTINFO_ROWS(X, T) X(T, EMB, pt, 0, cls_POINT) X(T, UL, flags, 8) X(T, UL, hItem, 12)
STRUCTURE(TVHITTESTINFO, TVHITTESTINFO, 16)
#define TVSORTCB_ROWS(X, T) X(T, UL, hParent, 0) X(T, UL, lParam, 8)
STRUCTURE(TVSORTCB, TVSORTCB, 12)
#define NMTREEVIEW_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, action, 12) X(T, EMB, itemOld, 16, cls_TVITEM)   \
    X(T, EMB, itemNew, 56, cls_TVITEM) X(T, EMB, ptDrag, 96, cls_POINT)
STRUCTURE(NMTREEVIEW, NMTREEVIEWW, 104)
#define NMTVDISPINFO_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, EMB, item, 12, cls_TVITEM)
STRUCTURE(NMTVDISPINFO, NMTVDISPINFOW, 52)
#define NMTVKEYDOWN_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, US, wVKey, 12) X(T, UL, flags, 14)
STRUCTURE(NMTVKEYDOWN, NMTVKEYDOWN, 18)
#define NMTVCUSTOMDRAW_ROWS(X, T) X(T, EMB, nmcd, 0, cls_NMCUSTOMDRAW) X(T, UL, clrText, 48) X(T, UL, clrTextBk, 52) \
    X(T, I, iLevel, 56)
STRUCTURE(NMTVCUSTOMDRAW, NMTVCUSTOMDRAW, 60)
#define NMTVGETINFOTIP_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, W, pszText, 12) X(T, I, cchTextMax, 16)          \
    X(T, UL, hItem, 20) X(T, UL, lParam, 24)
STRUCTURE(NMTVGETINFOTIP, NMTVGETINFOTIPW, 28)
#define COMBOBOXEXITEM_ROWS(X, T) X(T, UL, mask, 0) X(T, UI, iItem, 4) X(T, W, pszText, 8) X(T, I, cchTextMax, 12)   \
    X(T, I, iImage, 16) X(T, I, iSelectedImage, 20) X(T, I, iOverlay, 24) X(T, I, iIndent, 28) X(T, UL, lParam, 32)
STRUCTURE(COMBOBOXEXITEM, COMBOBOXEXITEMW, 36)
#define NMCOMBOBOXEX_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, EMB, ceItem, 12, cls_COMBOBOXEXITEM)
STRUCTURE(NMCOMBOBOXEX, NMCOMBOBOXEXW, 48)
#define NMCBEDRAGBEGIN_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iItemid, 12)
STRUCTURE(NMCBEDRAGBEGIN, NMCBEDRAGBEGINW, 536)
#define NMCBEENDEDIT_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, L, fChanged, 12) X(T, I, iNewSelection, 16)        \
    X(T, I, iWhy, 540)
STRUCTURE(NMCBEENDEDIT, NMCBEENDEDITW, 544)
#define TCITEMHEADER_ROWS(X, T) X(T, UL, mask, 0) X(T, UL, lpReserved1, 4) X(T, UL, lpReserved2, 8)                  \
    X(T, W, pszText, 12) X(T, I, cchTextMax, 16) X(T, I, iImage, 20)
STRUCTURE(TCITEMHEADER, TCITEMHEADERW, 24)
#define TCITEM_ROWS(X, T) X(T, UL, mask, 0) X(T, UL, dwState, 4) X(T, UL, dwStateMask, 8) X(T, W, pszText, 12)       \
    X(T, I, cchTextMax, 16) X(T, I, iImage, 20) X(T, UL, lParam, 24)
STRUCTURE(TCITEM, TCITEMW, 28)
#define TCHITTESTINFO_ROWS(X, T) X(T, EMB, pt, 0, cls_POINT) X(T, UL, flags, 8)
STRUCTURE(TCHITTESTINFO, TCHITTESTINFO, 12)
#define NMTCKEYDOWN_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, US, wVKey, 12) X(T, UL, flags, 14)
STRUCTURE(NMTCKEYDOWN, NMTCKEYDOWN, 18)
#define MCHITTESTINFO_ROWS(X, T) X(T, UL, cbSize, 0) X(T, EMB, pt, 4, cls_POINT) X(T, UL, uHit, 12)                  \
    X(T, EMB, st, 16, cls_SYSTEMTIME)
STRUCTURE(MCHITTESTINFO, MCHITTESTINFO, 32)
#define NMSELCHANGE_ROWS(X, T) X(T, EMB, nmhdr, 0, cls_NMHDR) X(T, EMB, stSelStart, 12, cls_SYSTEMTIME)              \
    X(T, EMB, stSelEnd, 28, cls_SYSTEMTIME)
STRUCTURE(NMSELCHANGE, NMSELCHANGE, 44)
#define NMDAYSTATE_ROWS(X, T) X(T, EMB, nmhdr, 0, cls_NMHDR) X(T, EMB, stStart, 12, cls_SYSTEMTIME)                  \
    X(T, I, cDayState, 28)
STRUCTURE(NMDAYSTATE, NMDAYSTATE, 36)
#define NMDATETIMECHANGE_ROWS(X, T) X(T, EMB, nmhdr, 0, cls_NMHDR) X(T, UL, dwFlags, 12)                             \
    X(T, EMB, st, 16, cls_SYSTEMTIME)
STRUCTURE(NMDATETIMECHANGE, NMDATETIMECHANGE, 32)
#define NMDATETIMESTRING_ROWS(X, T) X(T, EMB, nmhdr, 0, cls_NMHDR) X(T, W, pszUserString, 12)                        \
    X(T, EMB, st, 16, cls_SYSTEMTIME) X(T, UL, dwFlags, 32)
STRUCTURE(NMDATETIMESTRING, NMDATETIMESTRINGW, 36)
#define NMDATETIMEWMKEYDOWN_ROWS(X, T) X(T, EMB, nmhdr, 0, cls_NMHDR) X(T, I, nVirtKey, 12) X(T, W, pszFormat, 16)   \
    X(T, EMB, st, 20, cls_SYSTEMTIME)
STRUCTURE(NMDATETIMEWMKEYDOWN, NMDATETIMEWMKEYDOWNW, 36)
#define NMDATETIMEFORMAT_ROWS(X, T) X(T, EMB, nmhdr, 0, cls_NMHDR) X(T, W, pszFormat, 12)                            \
    X(T, EMB, st, 16, cls_SYSTEMTIME) X(T, W, pszDisplay, 32)
STRUCTURE(NMDATETIMEFORMAT, NMDATETIMEFORMATW, 164)
#define NMDATETIMEFORMATQUERY_ROWS(X, T) X(T, EMB, nmhdr, 0, cls_NMHDR) X(T, W, pszFormat, 12)                       \
    X(T, EMB, szMax, 16, cls_SIZE)
STRUCTURE(NMDATETIMEFORMATQUERY, NMDATETIMEFORMATQUERYW, 24)
#define NMIPADDRESS_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, iField, 12) X(T, I, iValue, 16)
STRUCTURE(NMIPADDRESS, NMIPADDRESS, 20)
#define NMPGSCROLL_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, US, fwKeys, 12) X(T, EMB, rcParent, 14, cls_RECT)    \
    X(T, I, iDir, 30) X(T, I, iXpos, 34) X(T, I, iYpos, 38) X(T, I, iScroll, 42)
STRUCTURE(NMPGSCROLL, NMPGSCROLL, 46)
#define NMPGCALCSIZE_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, dwFlag, 12) X(T, I, iWidth, 16)                \
    X(T, I, iHeight, 20)
STRUCTURE(NMPGCALCSIZE, NMPGCALCSIZE, 24)
#define NMPGHOTITEM_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, I, idOld, 12) X(T, I, idNew, 16)                    \
    X(T, UL, dwFlags, 20)
STRUCTURE(NMPGHOTITEM, NMPGHOTITEM, 24)
#define BUTTON_IMAGELIST_ROWS(X, T) X(T, UL, himl, 0) X(T, EMB, margin, 4, cls_RECT) X(T, UL, uAlign, 20)
STRUCTURE(BUTTON_IMAGELIST, BUTTON_IMAGELIST, 24)
#define NMBCHOTITEM_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, UL, dwFlags, 12)
STRUCTURE(NMBCHOTITEM, NMBCHOTITEM, 16)
#define EDITBALLOONTIP_ROWS(X, T) X(T, UL, cbStruct, 0) X(T, W, pszTitle, 4) X(T, W, pszText, 8) X(T, I, ttiIcon, 12)
STRUCTURE(EDITBALLOONTIP, EDITBALLOONTIP, 16)
#define LITEM_ROWS(X, T) X(T, UL, mask, 0) X(T, I, iLink, 4) X(T, UL, state, 8) X(T, UL, stateMask, 12)
STRUCTURE(LITEM, LITEM, 4280)
#define LHITTESTINFO_ROWS(X, T) X(T, EMB, pt, 0, cls_POINT) X(T, EMB, item, 8, cls_LITEM)
STRUCTURE(LHITTESTINFO, LHITTESTINFO, 4288)
#define NMLINK_ROWS(X, T) X(T, EMB, hdr, 0, cls_NMHDR) X(T, EMB, item, 12, cls_LITEM)
STRUCTURE(NMLINK, NMLINK, 4292)

// The rows, in the creation order of class_lists.h.
SECTION(control_classes, CONTROL_CLASSES)

} // namespace savrawin
