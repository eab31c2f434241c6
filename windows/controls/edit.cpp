// SEdit.
#include "edit_common.h"

namespace savrawin {

LRESULT edit_get_line(HWND h, int line, WideBuffer buffer, int max_length)
{
    if (!buffer.text || buffer.units <= 0) return 0; // the control would read the room from nowhere
    int room = max_length < buffer.units - 1 ? max_length : buffer.units - 1;
    if (room > 0xFFFF) room = 0xFFFF;
    if (room < 1) {
        buffer.text[0] = 0;
        return 0;
    }
    buffer.text[0] = (wchar_t)room;
    LRESULT r = SendMessageW(h, EM_GETLINE, (WPARAM)line, (LPARAM)buffer.text);
    buffer.text[r >= 0 && r <= room ? r : 0] = 0;
    return r;
}

LRESULT edit_get_line_room(HWND h, int line, WideBuffer buffer) { return edit_get_line(h, line, buffer, buffer.units); }

namespace {

// The edit's point messages take the point packed into lParam.
LRESULT edit_char_from_pos(HWND h, POINT pt) { return SendMessageW(h, EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)); }

void edit_set_sel(HWND h, int start, int end, BOOL no_scroll)
{
    SendMessageW(h, EM_SETSEL, (WPARAM)start, (LPARAM)end);
    if (!no_scroll) SendMessageW(h, EM_SCROLLCARET, 0, 0);
}
void edit_set_sel_packed(HWND h, DWORD selection) { edit_set_sel(h, LOWORD(selection), HIWORD(selection), FALSE); }

void edit_insert_text(HWND h, int after, LPCWSTR text, BOOL no_scroll, BOOL can_undo)
{
    edit_set_sel(h, after, after, no_scroll);
    SendMessageW(h, EM_REPLACESEL, (WPARAM)can_undo, (LPARAM)text);
}
void edit_append_text(HWND h, LPCWSTR text, BOOL no_scroll, BOOL can_undo)
{
    edit_insert_text(h, GetWindowTextLengthW(h), text, no_scroll, can_undo);
}

// The tip's record is only read: taken by value, so nil is refused rather than dereferenced.
LRESULT edit_show_balloon_tip(HWND h, EDITBALLOONTIP tip) { return SendMessageW(h, EM_SHOWBALLOONTIP, 0, (LPARAM)&tip); }

using GetLineCounted = CheckedCall<edit_get_line, Bounds<bound::make(1, bound::Count, 2)>, TextAt<>>;

const MethodRow edit_rows[] = {
    // Attributes.
    method<Send<EM_CANUNDO>>("CanUndo"),
    method<Send<EM_GETLINECOUNT>>("GetLineCount"),
    method<Send<EM_GETMODIFY>>("GetModify"),
    method<Send<EM_SETMODIFY, W<BOOL, 1>>>("SetModify", "bModified"),
    method<Send<EM_GETRECT, L<RECT *>>>("GetRect", "lpRect"),
    overloaded<Send<EM_GETSEL>>("GetSel"),
    method<Send<EM_GETHANDLE>>("GetHandle"),
    method<Send<EM_SETHANDLE, W<HLOCAL>>>("SetHandle", "hBuffer"),
    method<Send<EM_GETMARGINS>>("GetMargins"),
    method<Send<EM_SETMARGINS, LLow<UINT>, LHigh<UINT>, W<WORD>>>("SetMargins", "nLeft", "nRight", "wFlags"),
    method<Send<EM_GETLIMITTEXT>>("GetLimitText"),
    method<Send<EM_SETLIMITTEXT, W<UINT>>>("SetLimitText", "nMax"),
    method<Send<EM_POSFROMCHAR, W<UINT>, ReturnsPoint>>("PosFromChar", "nChar"),
    overloaded<Call<edit_char_from_pos>>("CharFromPos", "pt"),
    method<Call<edit_get_line_room>>("GetLine", "nIndex", "lpszBuffer"),
    method<GetLineCounted>("GetLine", "nIndex", "lpszBuffer", "nMaxLength"),
    method<Send<EM_GETPASSWORDCHAR>>("GetPasswordChar"),
    method<Send<EM_SETPASSWORDCHAR, W<UINT>>>("SetPasswordChar", "ch"),
    method<Send<EM_GETFIRSTVISIBLELINE>>("GetFirstVisibleLine"),
    method<Send<EM_GETTHUMB>>("GetThumb"),
    method<Send<EM_SETREADONLY, W<BOOL, 1>>>("SetReadOnly", "bReadOnly"),
    method<Send<EM_GETIMESTATUS, W<UINT>>>("GetImeStatus", "uStatus"),
    method<Send<EM_SETIMESTATUS, W<UINT>, L<DWORD>>>("SetImeStatus", "uStatus", "dwData"),
    method<Send<EM_GETCUEBANNER, W<LPWSTR>, L<int>, Bounds<bound::make(0, bound::Count, 1)>>>("GetCueBannerText", "lpstrText",
                                                                                            "cchText"),
    method<Send<EM_SETCUEBANNER, L<LPCWSTR>, W<BOOL>>>("SetCueBannerText", "lpstrText", "bKeepWithFocus"),
    // Operations.
    method<Send<EM_EMPTYUNDOBUFFER>>("EmptyUndoBuffer"),
    method<Send<EM_FMTLINES, W<BOOL>>>("FmtLines", "bAddEOL"),
    method<Send<EM_LIMITTEXT, W<int, 0>>>("LimitText", "nChars"),
    method<Send<EM_LINEFROMCHAR, W<int, -1>>>("LineFromChar", "nIndex"),
    method<Send<EM_LINEINDEX, W<int, -1>>>("LineIndex", "nLine"),
    method<Send<EM_LINELENGTH, W<int, -1>>>("LineLength", "nLine"),
    method<Send<EM_LINESCROLL, L<int>, W<int, 0>>>("LineScroll", "nLines", "nChars"),
    method<Send<EM_REPLACESEL, L<LPCWSTR>, W<BOOL, 0>>>("ReplaceSel", "lpszNewText", "bCanUndo"),
    method<Send<EM_SETRECT, L<const RECT *>>>("SetRect", "lpRect"),
    method<Send<EM_SETRECTNP, L<const RECT *>>>("SetRectNP", "lpRect"),
    // Two integers are a range; one is a packed selection.
    overloaded<Call<edit_set_sel_packed>>("SetSel", "dwSelection"),
    method<Call<edit_set_sel, 0>>("SetSel", "nStartChar", "nEndChar", "bNoScroll"),
    method<Call<with<edit_set_sel, 0, -1>, 0>>("SetSelAll", "bNoScroll"),
    method<Call<with<edit_set_sel, -1, 0>, 0>>("SetSelNone", "bNoScroll"),
    overloaded<Send<EM_SETTABSTOPS>>("SetTabStops"),
    method<Send<EM_SCROLLCARET>>("ScrollCaret"),
    method<Send<EM_SCROLL, W<int>>>("Scroll", "nScrollAction"),
    method<Call<edit_insert_text, 0, 0>>("InsertText", "nInsertAfterChar", "lpstrText", "bNoScroll", "bCanUndo"),
    method<Call<edit_append_text, 0, 0>>("AppendText", "lpstrText", "bNoScroll", "bCanUndo"),
    method<Call<edit_show_balloon_tip>>("ShowBalloonTip", "pEditBaloonTip"),
    method<Send<EM_HIDEBALLOONTIP>>("HideBalloonTip"),
    method<Send<EM_UNDO>>("Undo"),
    method<Send<WM_CLEAR>>("Clear"),
    method<Send<WM_COPY>>("Copy"),
    method<Send<WM_CUT>>("Cut"),
    method<Send<WM_PASTE>>("Paste"),
};

} // namespace

const MethodTable edit_methods = table(edit_rows);

} // namespace savrawin
