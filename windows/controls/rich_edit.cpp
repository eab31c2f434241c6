// SRichEditCtrl.
#include "edit_common.h"

namespace savrawin {

namespace {

LRESULT rich_select(HWND h, LONG start, LONG end)
{
    CHARRANGE range = {start, end};
    return SendMessageW(h, EM_EXSETSEL, 0, (LPARAM)&range);
}

// The selection's ends as a list, or into a CHARRANGE (nil: nothing is asked).
IntegerList<2> rich_get_sel(HWND h)
{
    CHARRANGE range = {0, 0};
    SendMessageW(h, EM_EXGETSEL, 0, (LPARAM)&range);
    return IntegerList<2>{{range.cpMin, range.cpMax}};
}
void rich_get_sel_into(HWND h, CHARRANGE *range)
{
    if (range) SendMessageW(h, EM_EXGETSEL, 0, (LPARAM)range);
}

// The control reads and writes as many bytes of a format as its size field says: the size is set
// here to the record's, which the instance is checked to hold before the call. A nil format asks
// nothing and answers 0.
template <class Format> LRESULT send_format(HWND h, UINT msg, WPARAM wp, Format *format)
{
    if (!format) return 0;
    format->cbSize = sizeof *format;
    return SendMessageW(h, msg, wp, (LPARAM)format);
}
template <UINT Msg, WPARAM Which> LRESULT rich_char_format(HWND h, CHARFORMAT2W *format)
{
    return send_format(h, Msg, Which, format);
}
LRESULT rich_set_char_format(HWND h, CHARFORMAT2W *format, WORD flags)
{
    return send_format(h, EM_SETCHARFORMAT, flags, format);
}
template <UINT Msg> LRESULT rich_para_format(HWND h, PARAFORMAT2 *format) { return send_format(h, Msg, 0, format); }

// A search of the given range (to the end when last is -1) for text: the position found, or -1.
LRESULT rich_find_text(HWND h, DWORD flags, LPCWSTR text, LONG first, LONG last)
{
    if (!text) return -1;
    FINDTEXTW find = {{first, last}, text};
    return SendMessageW(h, EM_FINDTEXTW, (WPARAM)flags, (LPARAM)&find);
}
// A script's search record also receives the range found.
LRESULT rich_find_text_record(HWND h, DWORD flags, FINDTEXTEXW *find)
{
    if (!find || !find->lpstrText) return -1;
    return SendMessageW(h, EM_FINDTEXTEXW, (WPARAM)flags, (LPARAM)find);
}

// The selection can hold paragraph breaks that the control writes as two units.
LRESULT rich_get_sel_text(HWND h, WideBuffer buffer)
{
    CHARRANGE range = {0, 0};
    SendMessageW(h, EM_EXGETSEL, 0, (LPARAM)&range);
    size_t length = range.cpMax > range.cpMin ? (size_t)(range.cpMax - range.cpMin) : 0;
    return text_with_room(h, EM_GETSELTEXT, 0, 2 * length + 1, buffer);
}


// The range is cut to what the buffer holds with a terminator; -1 reads to the end.
LRESULT rich_get_text_range(HWND h, LONG start, LONG end, WideBuffer buffer)
{
    if (!buffer.text || buffer.units <= 0 || start < 0) return 0;
    LONG most = start + (buffer.units - 1);
    TEXTRANGEW range = {{start, end < 0 || end > most ? most : end}, buffer.text};
    buffer.text[0] = 0;
    return SendMessageW(h, EM_GETTEXTRANGE, 0, (LPARAM)&range);
}
// The record is only read (the control writes through its text pointer): taken by value, so nil
// is refused rather than dereferenced.
LRESULT rich_get_text_range_record(HWND h, TEXTRANGEW range) { return SendMessageW(h, EM_GETTEXTRANGE, 0, (LPARAM)&range); }

// Text in another code page is bytes, terminated by one byte: the copy keeps a UTF-16
// terminator of its own in its last unit, which the script's buffer never reaches.
LRESULT text_ex_into(HWND h, GETTEXTEX &how, WideBuffer buffer)
{
    LRESULT r = SendMessageW(h, EM_GETTEXTEX, (WPARAM)&how, (LPARAM)buffer.text);
    buffer.text[buffer.units - 1] = 0;
    return r;
}

// The count is in units of the script's buffer; the control is told it in bytes.
LRESULT rich_get_text_ex(HWND h, WideBuffer buffer, int length, DWORD flags, UINT code_page, LPCSTR default_char)
{
    if (!buffer.text) return 0;
    GETTEXTEX how = {(DWORD)length * sizeof(wchar_t), flags, code_page, default_char, nullptr};
    return text_ex_into(h, how, buffer);
}
// A script's record is cut to the buffer's room.
LRESULT rich_get_text_ex_record(HWND h, GETTEXTEX how, WideBuffer buffer)
{
    if (!buffer.text) return 0;
    DWORD room = (DWORD)buffer.units * sizeof(wchar_t);
    if (how.cb > room) how.cb = room;
    return text_ex_into(h, how, buffer);
}

LRESULT rich_text_length_ex(HWND h, DWORD flags, UINT code_page)
{
    GETTEXTLENGTHEX how = {flags, code_page};
    return SendMessageW(h, EM_GETTEXTLENGTHEX, (WPARAM)&how, 0);
}
LRESULT rich_text_length_ex_flags(HWND h, DWORD flags) { return rich_text_length_ex(h, flags, 1200); }
LRESULT rich_text_length_ex_record(HWND h, GETTEXTLENGTHEX how) { return SendMessageW(h, EM_GETTEXTLENGTHEX, (WPARAM)&how, 0); }

// The rich edit takes the point's address and the index, and fills a POINTL.
PackedPoint rich_pos_from_char(HWND h, LONG index)
{
    POINTL pt = {0, 0};
    SendMessageW(h, EM_POSFROMCHAR, (WPARAM)&pt, (LPARAM)index);
    return PackedPoint{(uint32_t)MAKELONG(pt.x, pt.y)};
}
LRESULT rich_char_from_pos(HWND h, POINT pt)
{
    POINTL at = {pt.x, pt.y};
    return SendMessageW(h, EM_CHARFROMPOS, 0, (LPARAM)&at);
}

LRESULT rich_display_band(HWND h, RECT band) { return SendMessageW(h, EM_DISPLAYBAND, 0, (LPARAM)&band); }

LRESULT rich_paste_special(HWND h, UINT format, DWORD aspect, HMETAFILE picture)
{
    REPASTESPECIAL how = {aspect, (DWORD_PTR)picture};
    return SendMessageW(h, EM_PASTESPECIAL, (WPARAM)format, (LPARAM)&how);
}

void rich_insert_text(HWND h, LONG after, LPCWSTR text, BOOL can_undo)
{
    rich_select(h, after, after);
    SendMessageW(h, EM_REPLACESEL, (WPARAM)can_undo, (LPARAM)text);
}
void rich_append_text(HWND h, LPCWSTR text, BOOL can_undo) { rich_insert_text(h, GetWindowTextLengthW(h), text, can_undo); }

// The library the script loads before it creates a rich edit control; the module never does.
LiValue library_name() { return wide_text_result(L"RICHED20.DLL"); }

using GetLineCounted = CheckedCall<edit_get_line, Bounds<bound::make(1, bound::Count, 2)>, TextAt<>>;
// The length is in units of the buffer; the default character is tested as text when the
// overload is chosen.
using GetTextExCounted = CheckedCall<rich_get_text_ex, Bounds<bound::make(0, bound::Count, 1)>, TextAt<4>, 1200, 0>;

// The text is tested as text when the form is chosen, so a search record takes the other form.
using FindTextIn = CheckedCall<rich_find_text, Bounds<>, TextAt<1>, 0, -1>;

const MethodRow rich_edit_rows[] = {
    // Attributes.
    method<Send<EM_GETLINECOUNT>>("GetLineCount"),
    method<Send<EM_GETMODIFY>>("GetModify"),
    method<Send<EM_SETMODIFY, W<BOOL, 1>>>("SetModify", "bModified"),
    method<Send<EM_GETRECT, L<RECT *>>>("GetRect", "lpRect"),
    method<Send<EM_GETOPTIONS>>("GetOptions"),
    method<Send<EM_SETOPTIONS, W<WORD>, L<DWORD>>>("SetOptions", "wOperation", "dwOptions"),
    method<Call<edit_get_line_room>>("GetLine", "nIndex", "lpszBuffer"),
    method<GetLineCounted>("GetLine", "nIndex", "lpszBuffer", "nMaxLength"),
    method<Send<EM_CANUNDO>>("CanUndo"),
    method<Send<EM_CANPASTE, W<UINT, 0>>>("CanPaste", "nFormat"),
    method<Call<rich_get_sel>>("GetSel"),
    method<Call<rich_get_sel_into>>("GetSel", "cr"),
    overloaded<Call<rich_select>>("SetSel", "nStartChar", "nEndChar"),
    method<Call<with<rich_select, 0, -1>>>("SetSelAll"),
    method<Call<with<rich_select, -1, 0>>>("SetSelNone"),
    method<Send<EM_GETEVENTMASK>>("GetEventMask"),
    method<Send<EM_GETLIMITTEXT>>("GetLimitText"),
    method<Call<rich_get_sel_text>>("GetSelText", "lpstrBuff"),
    method<Send<EM_SELECTIONTYPE>>("GetSelectionType"),
    method<Send<EM_SETBKGNDCOLOR, WIs<1>>>("SetBackgroundColor"),
    method<Send<EM_SETBKGNDCOLOR, L<COLORREF>>>("SetBackgroundColor", "cr"),
    method<Send<EM_SETEVENTMASK, L<DWORD>>>("SetEventMask", "dwEventMask"),
    method<Send<EM_SETTARGETDEVICE, W<HDC>, L<int>>>("SetTargetDevice", "hDC", "lLineWidth"),
    method<Send<WM_GETTEXTLENGTH>>("GetTextLength"),
    method<Send<EM_SETREADONLY, W<BOOL, 1>>>("SetReadOnly", "bReadOnly"),
    method<Send<EM_GETFIRSTVISIBLELINE>>("GetFirstVisibleLine"),
    method<Call<rich_get_text_range_record>>("GetTextRange", "pTextRange"),
    method<Call<rich_get_text_range>>("GetTextRange", "nStartChar", "nEndChar", "lpstrText"),
    overloaded<Call<rich_char_format<EM_GETCHARFORMAT, SCF_DEFAULT>>>("GetDefaultCharFormat", "cf"),
    overloaded<Call<rich_set_char_format>>("SetCharFormat", "cf", "wFlags"),
    overloaded<Call<rich_char_format<EM_SETCHARFORMAT, SCF_DEFAULT>>>("SetDefaultCharFormat", "cf"),
    overloaded<Call<rich_char_format<EM_GETCHARFORMAT, SCF_SELECTION>>>("GetSelectionCharFormat", "cf"),
    overloaded<Call<rich_char_format<EM_SETCHARFORMAT, SCF_SELECTION>>>("SetSelectionCharFormat", "cf"),
    overloaded<Call<rich_char_format<EM_SETCHARFORMAT, SCF_SELECTION | SCF_WORD>>>("SetWordCharFormat", "cf"),
    overloaded<Call<rich_para_format<EM_GETPARAFORMAT>>>("GetParaFormat", "pf"),
    overloaded<Call<rich_para_format<EM_SETPARAFORMAT>>>("SetParaFormat", "pf"),
    method<Send<EM_GETTEXTMODE>>("GetTextMode"),
    method<Send<EM_SETTEXTMODE, W<UINT>>>("SetTextMode", "nTextMode"),
    method<Send<EM_GETUNDONAME>>("GetUndoName"),
    method<Send<EM_GETREDONAME>>("GetRedoName"),
    method<Send<EM_CANREDO>>("CanRedo"),
    method<Send<EM_GETAUTOURLDETECT>>("GetAutoURLDetect"),
    method<Send<EM_AUTOURLDETECT, W<BOOL, 1>>>("SetAutoURLDetect", "bAutoDetect"),
    method<Send<EM_SETUNDOLIMIT, W<UINT>>>("SetUndoLimit", "uUndoLimit"),
    method<Send<EM_SETPALETTE, W<HPALETTE>>>("SetPalette", "hPalette"),
    method<Call<rich_get_text_ex_record>>("GetTextEx", "pGetTextEx", "lpstrText"),
    method<GetTextExCounted>("GetTextEx", "lpstrText", "nTextLen", "dwFlags", "uCodePage", "lpDefaultChar"),
    method<Call<rich_text_length_ex_flags, GTL_DEFAULT>>("GetTextLengthEx", "dwFlags"),
    method<Call<rich_text_length_ex_record>>("GetTextLengthEx", "pGetTextLengthEx"),
    method<Call<rich_text_length_ex>>("GetTextLengthEx", "dwFlags", "uCodePage"),
    // Operations.
    method<Send<EM_EXLIMITTEXT, L<LONG, 0>>>("LimitText", "nChars"),
    method<Send<EM_EXLINEFROMCHAR, L<LONG>>>("LineFromChar", "nIndex"),
    method<Call<rich_pos_from_char>>("PosFromChar", "nChar"),
    method<Call<rich_char_from_pos>>("CharFromPos", "pt"),
    method<Send<EM_EMPTYUNDOBUFFER>>("EmptyUndoBuffer"),
    method<Send<EM_LINEINDEX, W<int, -1>>>("LineIndex", "nLine"),
    method<Send<EM_LINELENGTH, W<int, -1>>>("LineLength", "nLine"),
    method<Send<EM_LINESCROLL, L<int>, W<int, 0>>>("LineScroll", "nLines", "nChars"),
    method<Send<EM_REPLACESEL, L<LPCWSTR>, W<BOOL, 0>>>("ReplaceSel", "lpszNewText", "bCanUndo"),
    method<Send<EM_SETRECT, L<const RECT *>>>("SetRect", "lpRect"),
    method<Call<rich_display_band>>("DisplayBand", "pDisplayRect"),
    method<FindTextIn>("FindText", "dwFlags", "lpstrText", "nStartChar", "nEndChar"),
    method<Call<rich_find_text_record>>("FindText", "dwFlags", "pFindTextEx"),
    method<Send<EM_FORMATRANGE, L<FORMATRANGE *>, W<BOOL, 1>>>("FormatRange", "pFormatRange", "bDisplay"),
    method<Send<EM_HIDESELECTION, W<BOOL, 1>, L<BOOL, 0>>>("HideSelection", "bHide", "bPerm"),
    method<Call<rich_paste_special, 0, 0>>("PasteSpecial", "uClipFormat", "dwAspect", "hMF"),
    method<Send<EM_REQUESTRESIZE>>("RequestResize"),
    method<Send<EM_FINDWORDBREAK, W<int>, L<LONG>>>("FindWordBreak", "nCode", "nStartChar"),
    method<Send<EM_SCROLLCARET>>("ScrollCaret"),
    method<Call<rich_insert_text, 0>>("InsertText", "nInsertAfterChar", "lpstrText", "bCanUndo"),
    method<Call<rich_append_text, 0>>("AppendText", "lpstrText", "bCanUndo"),
    method<Send<EM_UNDO>>("Undo"),
    method<Send<WM_CLEAR>>("Clear"),
    method<Send<WM_COPY>>("Copy"),
    method<Send<WM_CUT>>("Cut"),
    method<Send<WM_PASTE>>("Paste"),
    method<Send<EM_REDO>>("Redo"),
    method<Send<EM_STOPGROUPTYPING>>("StopGroupTyping"),
    method<Send<EM_SHOWSCROLLBAR, W<int>, L<BOOL, 1>>>("ShowScrollBar", "nBarType", "bVisible"),
    // The class's global functions.
    global<Entry<library_name>>("SRichEditCtrl_GetLibraryName"),
};

} // namespace

const MethodTable rich_edit_methods = table(rich_edit_rows);

} // namespace savrawin
