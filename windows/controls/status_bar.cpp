// SStatusBarCtrl.
#include "controls.h"

#include <algorithm>

namespace savrawin {

namespace {

// A pane's text is copied out without a room; its length is the low half of SB_GETTEXTLENGTH
// (the high half holds the drawing type, which must not count as room).
LRESULT status_bar_get_text(HWND h, int pane, WideBuffer buffer)
{
    LRESULT length = SendMessageW(h, SB_GETTEXTLENGTHW, (WPARAM)pane, 0);
    return text_with_room(h, SB_GETTEXTW, (WPARAM)pane, (size_t)LOWORD(length) + 1, buffer);
}

// Some implementations copy a tip whole (as much as a tool tip holds) whatever room they are told,
// so the tip is read into a copy with that room and cut to the room the script gave and its buffer.
LRESULT status_bar_get_tip_text(HWND h, int pane, WideBuffer buffer, int size)
{
    constexpr size_t room = INFOTIPSIZE + 1;
    WideBuffer within{buffer.text, std::min(buffer.units, std::max(size, 0))};
    return text_with_room(h, SB_GETTIPTEXTW, MAKEWPARAM(pane, room), room, within);
}

// A pane's whole text as a new string, however long.
struct PaneText {
    HWND h;
    int pane;
    LiValue value() const
    {
        int length = LOWORD(SendMessageW(h, SB_GETTEXTLENGTHW, (WPARAM)pane, 0));
        wchar_t *text = (wchar_t *)LI_Malloc(sizeof(wchar_t) * (size_t)(length + 2));
        text[0] = text[length + 1] = 0;
        status_bar_get_text(h, pane, WideBuffer{text, length + 1});
        LiValue r = wide_text_result(text);
        LI_Free(text);
        return r;
    }
};
PaneText status_bar_get_text_string(HWND h, int pane) { return PaneText{h, pane}; }

// The widths of the horizontal border, the vertical border and the space between panes.
IntegerList<3> status_bar_get_borders(HWND h)
{
    IntegerList<3> borders = {};
    SendMessageW(h, SB_GETBORDERS, 0, (LPARAM)borders.items);
    return borders;
}

const MethodRow status_bar_rows[] = {
    // Attributes.
    overloaded<Send<SB_GETTEXTLENGTHW, W<int>>>("GetTextLength", "nPane"),
    overloaded<Call<status_bar_get_text>>("GetText", "nPane", "lpszText"),
    overloaded<Call<status_bar_get_text_string>>("GetTextBSTR", "nPane"),
    method<Send<SB_SETTEXTW, W<int>, L<LPCWSTR>, WOr<int, 0>>>("SetText", "nPane", "lpszText", "nType"),
    method<Send<SB_GETRECT, W<int>, L<RECT *>>>("GetRect", "nPane", "lpRect"),
    overloaded<Call<status_bar_get_borders>>("GetBorders"),
    method<Send<SB_SETMINHEIGHT, W<int>>>("SetMinHeight", "nMin"),
    method<Send<SB_SIMPLE, W<BOOL, 1>>>("SetSimple", "bSimple"),
    method<Send<SB_ISSIMPLE>>("IsSimple"),
    method<Send<SB_SETBKCOLOR, L<COLORREF>>>("SetBkColor", "clrBk"),
    method<Send<SB_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<SB_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    method<Call<status_bar_get_tip_text>>("GetTipText", "nPane", "lpstrText", "nSize"),
    method<Send<SB_SETTIPTEXTW, W<int>, L<LPCWSTR>>>("SetTipText", "nPane", "lpstrText"),
    method<Send<SB_GETICON, W<int>>>("GetIcon", "nPane"),
    method<Send<SB_SETICON, W<int>, L<HICON>>>("SetIcon", "nPane", "hIcon"),
};

} // namespace

const MethodTable status_bar_methods = table(status_bar_rows);

} // namespace savrawin
