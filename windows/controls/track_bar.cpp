// STrackBarCtrl, SUpDownCtrl and SProgressBarCtrl: the controls that hold a position in a range.
#include "controls.h"

namespace savrawin {

namespace {

// Both ends without redrawing in between.
void track_bar_set_selection(HWND h, int first, int last)
{
    SendMessageW(h, TBM_SETSELSTART, FALSE, (LPARAM)first);
    SendMessageW(h, TBM_SETSELEND, FALSE, (LPARAM)last);
}

// The control clamps a position it is given into its range: giving it back its own position
// brings it into the range without moving it otherwise.
void track_bar_verify_pos(HWND h)
{
    LRESULT pos = SendMessageW(h, TBM_GETPOS, 0, 0);
    SendMessageW(h, TBM_SETPOS, FALSE, (LPARAM)pos);
}

const MethodRow track_bar_rows[] = {
    // Attributes.
    method<Send<TBM_GETLINESIZE>>("GetLineSize"),
    method<Send<TBM_SETLINESIZE, L<int>>>("SetLineSize", "nSize"),
    method<Send<TBM_GETPAGESIZE>>("GetPageSize"),
    method<Send<TBM_SETPAGESIZE, L<int>>>("SetPageSize", "nSize"),
    method<Send<TBM_GETRANGEMIN>>("GetRangeMin"),
    method<Send<TBM_SETRANGEMIN, L<int>, W<BOOL, 0>>>("SetRangeMin", "nMin", "bRedraw"),
    method<Send<TBM_GETRANGEMAX>>("GetRangeMax"),
    method<Send<TBM_SETRANGEMAX, L<int>, W<BOOL, 0>>>("SetRangeMax", "nMax", "bRedraw"),
    method<Send<TBM_SETRANGE, LLow<int>, LHigh<int>, W<BOOL, 1>>>("SetRange", "nMin", "nMax", "bRedraw"),
    method<Send<TBM_GETSELSTART>>("GetSelStart"),
    method<Send<TBM_SETSELSTART, L<int>, WIs<FALSE>>>("SetSelStart", "nMin"),
    method<Send<TBM_GETSELEND>>("GetSelEnd"),
    method<Send<TBM_SETSELEND, L<int>, WIs<FALSE>>>("SetSelEnd", "nMax"),
    method<Call<track_bar_set_selection>>("SetSelection", "nMin", "nMax"),
    method<Send<TBM_GETCHANNELRECT, L<RECT *>>>("GetChannelRect", "lprc"),
    method<Send<TBM_GETTHUMBRECT, L<RECT *>>>("GetThumbRect", "lprc"),
    method<Send<TBM_GETPOS>>("GetPos"),
    method<Send<TBM_SETPOS, L<int>, WIs<TRUE>>>("SetPos", "nPos"),
    method<Send<TBM_GETNUMTICS>>("GetNumTics"),
    method<Send<TBM_GETTIC, W<int>>>("GetTic", "nTic"),
    method<Send<TBM_SETTIC, L<int>>>("SetTic", "nTic"),
    method<Send<TBM_GETTICPOS, W<int>>>("GetTicPos", "nTic"),
    method<Send<TBM_SETTICFREQ, W<int>>>("SetTicFreq", "nFreq"),
    method<Send<TBM_GETTHUMBLENGTH>>("GetThumbLength"),
    method<Send<TBM_SETTHUMBLENGTH, W<int>>>("SetThumbLength", "nLength"),
    method<Send<TBM_SETSEL, LLow<int>, LHigh<int>, W<BOOL, 1>>>("SetSel", "nStart", "nEnd", "bRedraw"),
    method<Send<TBM_GETBUDDY, W<BOOL, TRUE>>>("GetBuddy", "bLeft"),
    method<Send<TBM_SETBUDDY, L<HWND>, W<BOOL, TRUE>>>("SetBuddy", "hWndBuddy", "bLeft"),
    method<Send<TBM_SETTOOLTIPS, W<HWND>>>("SetToolTips", "hWndTT"),
    method<Send<TBM_SETTIPSIDE, W<int>>>("SetTipSide", "nSide"),
    method<Send<TBM_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<TBM_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    // Operations.
    method<Send<TBM_CLEARSEL, W<BOOL, 0>>>("ClearSel", "bRedraw"),
    method<Call<track_bar_verify_pos>>("VerifyPos"),
    method<Send<TBM_CLEARTICS, W<BOOL, 0>>>("ClearTics", "bRedraw"),
};

const MethodRow up_down_rows[] = {
    // Attributes.
    method<Send<UDM_GETACCEL, W<int>, L<UDACCEL *>, Bounds<bound::make(1, bound::Count, 0)>>>("GetAccel", "nAccel",
                                                                                             "pAccel"),
    method<Send<UDM_SETACCEL, W<int>, L<UDACCEL *>, Bounds<bound::make(1, bound::Count, 0)>>>("SetAccel", "nAccel",
                                                                                             "pAccel"),
    method<Send<UDM_GETBASE>>("GetBase"),
    method<Send<UDM_SETBASE, W<int>>>("SetBase", "nBase"),
    overloaded<Send<UDM_GETPOS>>("GetPos"),
    method<Send<UDM_SETPOS, LLow<int>>>("SetPos", "nPos"),
    overloaded<Send<UDM_GETRANGE>>("GetRange"),
    // The platform packs the upper end low.
    method<Send<UDM_SETRANGE, LHigh<int>, LLow<int>>>("SetRange", "nLower", "nUpper"),
    method<Send<UDM_SETRANGE32, W<int>, L<int>>>("SetRange32", "nLower", "nUpper"),
    method<Send<UDM_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<UDM_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    overloaded<Send<UDM_GETPOS32>>("GetPos32"),
    method<Send<UDM_SETPOS32, L<int>>>("SetPos32", "nPos"),
};

const MethodRow progress_bar_rows[] = {
    // Attributes.
    method<Send<PBM_SETRANGE, LLow<int>, LHigh<int>>>("SetRange", "nLower", "nUpper"),
    method<Send<PBM_SETPOS, W<int>>>("SetPos", "nPos"),
    method<Send<PBM_DELTAPOS, W<int>>>("OffsetPos", "nPos"),
    method<Send<PBM_SETSTEP, W<int>>>("SetStep", "nStep"),
    method<Send<PBM_GETPOS>>("GetPos"),
    method<Send<PBM_GETRANGE, W<BOOL>>>("GetRangeLimit", "bLimit"),
    method<Send<PBM_SETRANGE32, W<int>, L<int>>>("SetRange32", "nMin", "nMax"),
    method<Send<PBM_SETBARCOLOR, L<COLORREF>>>("SetBarColor", "clr"),
    method<Send<PBM_SETBKCOLOR, L<COLORREF>>>("SetBkColor", "clr"),
    method<Send<PBM_SETMARQUEE, W<BOOL>, L<UINT, 0>>>("SetMarquee", "bMarquee", "uUpdateTime"),
    // Operations.
    method<Send<PBM_STEPIT>>("StepIt"),
};

} // namespace

const MethodTable track_bar_methods = table(track_bar_rows);
const MethodTable up_down_methods = table(up_down_rows);
const MethodTable progress_bar_methods = table(progress_bar_rows);

} // namespace savrawin
