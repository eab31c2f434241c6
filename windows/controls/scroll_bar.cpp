// SScrollBar: the platform's scroll-bar functions on the control's own window (SB_CTL).
#include "controls.h"

namespace savrawin {

namespace {

// A nil record is the failure value: the platform functions read through it unchecked.
BOOL scroll_get_info(HWND h, SCROLLINFO *info) { return info ? GetScrollInfo(h, SB_CTL, info) : FALSE; }
int scroll_set_info(HWND h, SCROLLINFO *info, BOOL redraw) { return info ? SetScrollInfo(h, SB_CTL, info, redraw) : 0; }
LRESULT scroll_get_bar_info(HWND h, SCROLLBARINFO *info)
{
    return info ? SendMessageW(h, SBM_GETSCROLLBARINFO, 0, (LPARAM)info) : FALSE;
}

// The highest position the thumb reaches: the range's maximum less the page beyond its first unit.
int scroll_get_limit(HWND h)
{
    int min = 0, max = 0;
    GetScrollRange(h, SB_CTL, &min, &max);
    SCROLLINFO info = {sizeof info, SIF_PAGE, 0, 0, 0, 0, 0};
    if (GetScrollInfo(h, SB_CTL, &info) && info.nPage > 1) max -= (int)info.nPage - 1;
    return max;
}

const MethodRow scroll_bar_rows[] = {
    // Attributes.
    method<Call<with<GetScrollPos, SB_CTL>>>("GetScrollPos"),
    method<Call<with<SetScrollPos, SB_CTL>, TRUE>>("SetScrollPos", "nPos", "bRedraw"),
    method<Call<with<SetScrollRange, SB_CTL>, TRUE>>("SetScrollRange", "nMinPos", "nMaxPos", "bRedraw"),
    method<Call<scroll_get_info>>("GetScrollInfo", "lpScrollInfo"),
    method<Call<scroll_set_info, TRUE>>("SetScrollInfo", "lpScrollInfo", "bRedraw"),
    method<Call<scroll_get_limit>>("GetScrollLimit"),
    method<Call<scroll_get_bar_info>>("GetScrollBarInfo", "pScrollBarInfo"),
    // Operations.
    method<Call<with<ShowScrollBar, SB_CTL>, TRUE>>("ShowScrollBar", "bShow"),
    method<Call<with<EnableScrollBar, SB_CTL>, ESB_ENABLE_BOTH>>("EnableScrollBar", "nArrowFlags"),
};

} // namespace

const MethodTable scroll_bar_methods = table(scroll_bar_rows);

} // namespace savrawin
