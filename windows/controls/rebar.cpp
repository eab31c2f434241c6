// SReBarCtrl.
#include "controls.h"

#include <wchar.h>

namespace savrawin {

namespace {

// The band record the control is given is this module's 80-byte one, whatever size the script
// wrote into it, so a larger cbSize cannot make the control write past the instance; and a text
// read back is bounded by the room of the string the script assigned to lpText (its text and
// terminator), whatever cch says. The script's own cbSize and cch are kept.
LRESULT band_info(HWND h, UINT msg, UINT band, REBARBANDINFOW *info)
{
    if (!info) return SendMessageW(h, msg, band, 0);
    REBARBANDINFOW record = *info;
    if (record.cbSize > sizeof record) record.cbSize = sizeof record;
    if (msg == RB_GETBANDINFOW && (record.fMask & RBBIM_TEXT) && record.lpText) {
        UINT room = (UINT)wcslen(record.lpText) + 1;
        if (record.cch > room) record.cch = room;
    }
    LRESULT r = SendMessageW(h, msg, band, (LPARAM)&record);
    if (msg == RB_GETBANDINFOW && (record.fMask & RBBIM_TEXT) && record.lpText && record.cch) {
        // a text cut to the room may end in half a character: drop the half
        size_t n = wcsnlen(record.lpText, record.cch);
        if (n && IS_HIGH_SURROGATE(record.lpText[n - 1])) record.lpText[n - 1] = 0;
    }
    if (msg == RB_GETBANDINFOW) {
        record.cbSize = info->cbSize;
        record.cch = info->cch;
        *info = record;
    }
    return r;
}

LRESULT rebar_get_band_info(HWND h, UINT band, REBARBANDINFOW *info) { return band_info(h, RB_GETBANDINFOW, band, info); }
LRESULT rebar_set_band_info(HWND h, UINT band, REBARBANDINFOW *info) { return band_info(h, RB_SETBANDINFOW, band, info); }
LRESULT rebar_insert_band(HWND h, int band, REBARBANDINFOW *info) { return band_info(h, RB_INSERTBANDW, (UINT)band, info); }

// The control lays a band out again only when its gripper style changes: setting the
// always-gripper style first makes the no-gripper change that follows take effect.
void rebar_lock_bands(HWND h, BOOL lock)
{
    UINT count = (UINT)SendMessageW(h, RB_GETBANDCOUNT, 0, 0);
    for (UINT band = 0; band < count; band++) {
        REBARBANDINFOW info = {};
        static_assert(sizeof info == 80, "the band record the control is told");
        info.cbSize = sizeof info;
        info.fMask = RBBIM_STYLE;
        SendMessageW(h, RB_GETBANDINFOW, band, (LPARAM)&info);
        if (!(info.fStyle & RBBS_GRIPPERALWAYS)) {
            info.fStyle |= RBBS_GRIPPERALWAYS;
            SendMessageW(h, RB_SETBANDINFOW, band, (LPARAM)&info);
            info.fStyle &= ~RBBS_GRIPPERALWAYS;
        }
        if (lock) info.fStyle |= RBBS_NOGRIPPER;
        else info.fStyle &= ~RBBS_NOGRIPPER;
        SendMessageW(h, RB_SETBANDINFOW, band, (LPARAM)&info);
    }
}

const MethodRow rebar_rows[] = {
    // Attributes.
    method<Send<RB_GETBANDCOUNT>>("GetBandCount"),
    method<Call<rebar_get_band_info>>("GetBandInfo", "nBand", "lprbbi"),
    method<Call<rebar_set_band_info>>("SetBandInfo", "nBand", "lprbbi"),
    method<Send<RB_GETBARINFO, L<REBARINFO *>>>("GetBarInfo", "lprbi"),
    method<Send<RB_SETBARINFO, L<REBARINFO *>>>("SetBarInfo", "lprbi"),
    method<Send<RB_GETROWCOUNT>>("GetRowCount"),
    method<Send<RB_GETROWHEIGHT, W<int>>>("GetRowHeight", "nBand"),
    method<Send<RB_GETTEXTCOLOR>>("GetTextColor"),
    method<Send<RB_SETTEXTCOLOR, L<COLORREF>>>("SetTextColor", "clr"),
    method<Send<RB_GETBKCOLOR>>("GetBkColor"),
    method<Send<RB_SETBKCOLOR, L<COLORREF>>>("SetBkColor", "clr"),
    method<Send<RB_GETBARHEIGHT>>("GetBarHeight"),
    method<Send<RB_GETRECT, W<int>, L<RECT *>>>("GetRect", "nBand", "lpRect"),
    method<Send<RB_SETTOOLTIPS, W<HWND>>>("SetToolTips", "hwndToolTip"),
    method<Send<RB_GETBANDBORDERS, W<int>, L<RECT *>>>("GetBandBorders", "nBand", "lpRect"),
    method<Send<RB_GETCOLORSCHEME, L<COLORSCHEME *>>>("GetColorScheme", "lpColorScheme"),
    method<Send<RB_SETCOLORSCHEME, L<COLORSCHEME *>>>("SetColorScheme", "lpColorScheme"),
    method<Send<RB_GETPALETTE>>("GetPalette"),
    method<Send<RB_SETPALETTE, L<HPALETTE>>>("SetPalette", "hPalette"),
    method<Send<RB_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<RB_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    method<Send<RB_SETWINDOWTHEME, L<LPCWSTR>>>("SetWindowTheme", "lpstrTheme"),
    // Operations.
    method<Call<rebar_insert_band>>("InsertBand", "nBand", "lprbbi"),
    method<Send<RB_DELETEBAND, W<int>>>("DeleteBand", "nBand"),
    method<Send<RB_BEGINDRAG, W<int>, L<DWORD>>>("BeginDrag", "nBand", "dwPos"),
    method<Send<RB_BEGINDRAG, W<int>, LLow<int>, LHigh<int>>>("BeginDrag", "nBand", "xPos", "yPos"),
    method<Send<RB_ENDDRAG>>("EndDrag"),
    method<Send<RB_DRAGMOVE, L<DWORD>>>("DragMove", "dwPos"),
    method<Send<RB_DRAGMOVE, LLow<int>, LHigh<int>>>("DragMove", "xPos", "yPos"),
    method<Send<RB_MAXIMIZEBAND, W<int>, L<BOOL>>>("MaximizeBand", "nBand", "bIdeal"),
    method<Send<RB_MINIMIZEBAND, W<int>>>("MinimizeBand", "nBand"),
    method<Send<RB_SIZETORECT, L<RECT *>>>("SizeToRect", "lpRect"),
    method<Send<RB_IDTOINDEX, W<UINT>>>("IdToIndex", "uBandID"),
    method<Send<RB_HITTEST, L<RBHITTESTINFO *>>>("HitTest", "lprbht"),
    method<Send<RB_SHOWBAND, W<int>, L<BOOL>>>("ShowBand", "nBand", "bShow"),
    method<Send<RB_MOVEBAND, W<int>, L<int>>>("MoveBand", "nBand", "nNewPos"),
    method<Send<RB_PUSHCHEVRON, W<int>, L<LPARAM>>>("PushChevron", "nBand", "lAppValue"),
    method<Call<rebar_lock_bands>>("LockBands", "bLock"),
};

} // namespace

const MethodTable rebar_methods = table(rebar_rows);

} // namespace savrawin
