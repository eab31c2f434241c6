// SMonthCalendarCtrl and SDateTimePickerCtrl. The range messages read or fill two SYSTEMTIME
// records in a row (the first and the last date): the instance given must hold both.
#include "controls.h"

namespace savrawin {

namespace {

constexpr uint32_t two_times(int argument) { return bound::make(argument, bound::AtLeast, 0, 2); }

const MethodRow month_calendar_rows[] = {
    // Attributes.
    method<Send<MCM_GETCOLOR, W<int>>>("GetColor", "nColorType"),
    method<Send<MCM_SETCOLOR, W<int>, L<COLORREF>>>("SetColor", "nColorType", "clr"),
    method<Send<MCM_GETCURSEL, L<SYSTEMTIME *>>>("GetCurSel", "lpSysTime"),
    method<Send<MCM_SETCURSEL, L<SYSTEMTIME *>>>("SetCurSel", "lpSysTime"),
    overloaded<Send<MCM_GETFIRSTDAYOFWEEK>>("GetFirstDayOfWeek"),
    overloaded<Send<MCM_SETFIRSTDAYOFWEEK, L<int>>>("SetFirstDayOfWeek", "nDay"),
    method<Send<MCM_GETMAXSELCOUNT>>("GetMaxSelCount"),
    method<Send<MCM_SETMAXSELCOUNT, W<int>>>("SetMaxSelCount", "nMax"),
    method<Send<MCM_GETMONTHDELTA>>("GetMonthDelta"),
    method<Send<MCM_SETMONTHDELTA, W<int>>>("SetMonthDelta", "nDelta"),
    method<Send<MCM_GETRANGE, L<SYSTEMTIME *>, Bounds<two_times(0)>>>("GetRange", "lprgSysTimeArray"),
    method<Send<MCM_SETRANGE, W<DWORD>, L<SYSTEMTIME *>, Bounds<two_times(1)>>>("SetRange", "dwFlags", "lprgSysTimeArray"),
    method<Send<MCM_GETSELRANGE, L<SYSTEMTIME *>, Bounds<two_times(0)>>>("GetSelRange", "lprgSysTimeArray"),
    method<Send<MCM_SETSELRANGE, L<SYSTEMTIME *>, Bounds<two_times(0)>>>("SetSelRange", "lprgSysTimeArray"),
    method<Send<MCM_GETTODAY, L<SYSTEMTIME *>>>("GetToday", "lpSysTime"),
    method<Send<MCM_SETTODAY, L<SYSTEMTIME *>>>("SetToday", "lpSysTime"),
    method<Send<MCM_GETMINREQRECT, L<RECT *>>>("GetMinReqRect", "lpRect"),
    method<Send<MCM_GETMAXTODAYWIDTH>>("GetMaxTodayWidth"),
    method<Send<MCM_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<MCM_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    // Operations.
    method<Send<MCM_GETMONTHRANGE, W<DWORD>, L<SYSTEMTIME *>, Bounds<two_times(1)>>>("GetMonthRange", "dwFlag",
                                                                                       "lprgSysTimeArray"),
};

const MethodRow date_time_picker_rows[] = {
    // Attributes.
    method<Send<DTM_SETFORMATW, L<LPCWSTR>>>("SetFormat", "lpszFormat"),
    method<Send<DTM_GETMCCOLOR, W<int>>>("GetMonthCalColor", "nColorType"),
    method<Send<DTM_SETMCCOLOR, W<int>, L<COLORREF>>>("SetMonthCalColor", "nColorType", "clr"),
    method<Send<DTM_GETRANGE, L<SYSTEMTIME *>, Bounds<two_times(0)>>>("GetRange", "lpSysTimeArray"),
    method<Send<DTM_SETRANGE, W<DWORD>, L<SYSTEMTIME *>, Bounds<two_times(1)>>>("SetRange", "dwFlags", "lpSysTimeArray"),
    method<Send<DTM_GETSYSTEMTIME, L<SYSTEMTIME *>>>("GetSystemTime", "lpSysTime"),
    method<Send<DTM_SETSYSTEMTIME, W<DWORD>, L<SYSTEMTIME *>>>("SetSystemTime", "dwFlags", "lpSysTime"),
    method<Send<DTM_SETMCFONT, W<HFONT>, L<BOOL, 1>>>("SetMonthCalFont", "hFont", "bRedraw"),
};

} // namespace

const MethodTable month_calendar_methods = table(month_calendar_rows);
const MethodTable date_time_picker_methods = table(date_time_picker_rows);

} // namespace savrawin
