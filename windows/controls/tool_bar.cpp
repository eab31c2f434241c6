// SToolBarCtrl.
#include "controls.h"
#include "record_text.h"

#include <algorithm>
#include <stdlib.h>

#include "../window_object.h"

namespace savrawin {

namespace {

static_assert(sizeof(TBBUTTON) == 20, "the button record size the structure-size method defaults to");

// The sizes a tool bar takes as one lParam: cx in the low half, cy in the high half.
LRESULT tool_bar_set_button_size(HWND h, SIZE size)
{
    return SendMessageW(h, TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy));
}
LRESULT tool_bar_set_bitmap_size(HWND h, SIZE size)
{
    return SendMessageW(h, TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
}

// The padding comes back packed; a SIZE given receives it split.
LRESULT tool_bar_get_padding(HWND h, SIZE *padding)
{
    LRESULT r = SendMessageW(h, TB_GETPADDING, 0, 0);
    if (padding) *padding = SIZE{(short)LOWORD(r), (short)HIWORD(r)};
    return r;
}
// The previous padding is returned packed and, when a SIZE is given, split into it.
LRESULT tool_bar_set_padding(HWND h, int cx, int cy, SIZE *previous)
{
    LRESULT r = SendMessageW(h, TB_SETPADDING, 0, MAKELPARAM(cx, cy));
    if (previous) *previous = SIZE{(short)LOWORD(r), (short)HIWORD(r)};
    return r;
}

// TB_GETBUTTONTEXT is told no room: the length is asked first (the same message without a buffer).
LRESULT tool_bar_get_button_text(HWND h, int id, WideBuffer buffer)
{
    return text_asked_by_length(h, TB_GETBUTTONTEXTW, (WPARAM)id, TB_GETBUTTONTEXTW, (WPARAM)id, buffer);
}

// The room TB_GETSTRING takes in its low word is counted in characters by some implementations and
// in bytes by others (where a room under two bytes wraps to "everything"), so the string is read
// whole into a copy sized from its length, with a room that is enough either way, then cut to the
// room the script gave and its buffer.
LRESULT tool_bar_get_string(HWND h, int index, WideBuffer buffer, int room)
{
    LRESULT length = SendMessageW(h, TB_GETSTRINGW, MAKEWPARAM(0xFFFE, index), 0);
    if (length < 0) return length; // no such string
    WideBuffer within{buffer.text, std::min(buffer.units, std::max(room, 0))};
    WORD told = (WORD)std::min<LRESULT>(2 * (length + 1), 0xFFFE);
    return text_with_room(h, TB_GETSTRINGW, MAKEWPARAM(told, index), (size_t)length + 1, within);
}

// The resource forms: bitmaps and strings of the module's own resources.
LRESULT tool_bar_add_bitmap(HWND h, int buttons, UINT bitmap_id)
{
    TBADDBITMAP add{module_instance, (UINT_PTR)bitmap_id};
    return SendMessageW(h, TB_ADDBITMAP, (WPARAM)buttons, (LPARAM)&add);
}
LRESULT tool_bar_add_string(HWND h, UINT string_id)
{
    return SendMessageW(h, TB_ADDSTRINGW, (WPARAM)module_instance, (LPARAM)string_id);
}
LRESULT tool_bar_load_images(HWND h, int bitmap_id)
{
    return SendMessageW(h, TB_LOADIMAGES, (WPARAM)bitmap_id, (LPARAM)module_instance);
}

// The text comes back in the record's own text field, at most cchText units of it.
LRESULT tool_bar_get_button_info(HWND h, int id, TBBUTTONINFOW *record)
{
    if (record && (record->dwMask & TBIF_TEXT)) check_record_text(2, "a TBBUTTONINFO", record->pszText, record->cchText);
    return SendMessageW(h, TB_GETBUTTONINFOW, (WPARAM)id, (LPARAM)record);
}

// A list of strings, each terminated, the list ending with an empty one ("One\0Two\0"): the
// script's bytes are widened whole, NULs and all (a text argument's copy stops at the first), and
// the control reads until it finds the empty string, so the list gets two more terminators.
LRESULT tool_bar_add_strings(HWND h, NarrowBuffer strings)
{
    if (!strings.text) return SendMessageW(h, TB_ADDSTRINGW, 0, 0);
    wchar_t *list = widen_list(strings.text, strings.bytes);
    if (!list) return -1;
    LRESULT r = SendMessageW(h, TB_ADDSTRINGW, 0, (LPARAM)list);
    free(list);
    return r;
}

LRESULT tool_bar_save_restore(HWND h, BOOL save, HKEY root, LPCWSTR sub_key, LPCWSTR value_name)
{
    TBSAVEPARAMSW params{root, sub_key, value_name};
    return SendMessageW(h, TB_SAVERESTOREW, (WPARAM)save, (LPARAM)&params);
}

// The common controls' own module, for the standard image lists.
constexpr uint32_t common_controls_instance = 0xFFFFFFFFu; // HINST_COMMCTRL, (HINSTANCE)-1

// Where an insertion mark would go for a point: the control writes the mark unchecked, so a nil
// one asks nothing and answers 0 (not on a button).
LRESULT tool_bar_insert_mark_hit_test(HWND h, POINT pt, TBINSERTMARK *mark)
{
    return mark ? SendMessageW(h, TB_INSERTMARKHITTEST, (WPARAM)&pt, (LPARAM)mark) : FALSE;
}
LRESULT tool_bar_insert_mark_hit_test_at(HWND h, int x, int y, TBINSERTMARK *mark)
{
    return tool_bar_insert_mark_hit_test(h, POINT{x, y}, mark);
}

const MethodRow tool_bar_rows[] = {
    // Attributes.
    method<Send<TB_ISBUTTONENABLED, W<int>>>("IsButtonEnabled", "nID"),
    method<Send<TB_ISBUTTONCHECKED, W<int>>>("IsButtonChecked", "nID"),
    method<Send<TB_ISBUTTONPRESSED, W<int>>>("IsButtonPressed", "nID"),
    method<Send<TB_ISBUTTONHIDDEN, W<int>>>("IsButtonHidden", "nID"),
    method<Send<TB_ISBUTTONINDETERMINATE, W<int>>>("IsButtonIndeterminate", "nID"),
    method<Send<TB_GETSTATE, W<int>>>("GetState", "nID"),
    method<Send<TB_SETSTATE, W<int>, L<UINT>>>("SetState", "nID", "nState"),
    method<Send<TB_GETBUTTON, W<int>, L<TBBUTTON *>>>("GetButton", "nIndex", "lpButton"),
    method<Send<TB_BUTTONCOUNT>>("GetButtonCount"),
    method<Send<TB_GETITEMRECT, W<int>, L<RECT *>>>("GetItemRect", "nIndex", "lpRect"),
    method<Send<TB_BUTTONSTRUCTSIZE, W<int, sizeof(TBBUTTON)>>>("SetButtonStructSize", "nSize"),
    method<Call<tool_bar_set_button_size>>("SetButtonSize", "size"),
    method<Send<TB_SETBUTTONSIZE, LLow<int>, LHigh<int>>>("SetButtonSize", "cx", "cy"),
    method<Call<tool_bar_set_bitmap_size>>("SetBitmapSize", "size"),
    method<Send<TB_SETBITMAPSIZE, LLow<int>, LHigh<int>>>("SetBitmapSize", "cx", "cy"),
    method<Send<TB_SETTOOLTIPS, W<HWND>>>("SetToolTips", "hWndToolTip"),
    method<Send<TB_SETPARENT, W<HWND>>>("SetNotifyWnd", "hWnd"),
    method<Send<TB_GETROWS>>("GetRows"),
    method<Send<TB_SETROWS, WLow<int>, WHigh<BOOL>, L<RECT *>>>("SetRows", "nRows", "bLarger", "lpRect"),
    method<Send<TB_SETCMDID, W<int>, L<UINT>>>("SetCmdID", "nIndex", "nID"),
    method<Send<TB_GETBITMAPFLAGS>>("GetBitmapFlags"),
    method<Send<TB_GETBITMAP, W<int>>>("GetBitmap", "nID"),
    method<Call<tool_bar_get_button_text>>("GetButtonText", "nID", "lpstrText"),
    method<Send<TB_GETSTYLE>>("GetStyle"),
    method<Send<TB_SETSTYLE, L<DWORD>>>("SetStyle", "dwStyle"),
    overloaded<Send<TB_GETBUTTONSIZE>>("GetButtonSize"),
    method<Send<TB_GETRECT, W<int>, L<RECT *>>>("GetRect", "nID", "lpRect"),
    method<Send<TB_GETTEXTROWS>>("GetTextRows"),
    method<Send<TB_SETBUTTONWIDTH, LLow<int>, LHigh<int>>>("SetButtonWidth", "cxMin", "cxMax"),
    method<Send<TB_SETINDENT, W<int>>>("SetIndent", "nIndent"),
    method<Send<TB_SETMAXTEXTROWS, W<int>>>("SetMaxTextRows", "nMaxTextRows"),
    method<Send<TB_GETANCHORHIGHLIGHT>>("GetAnchorHighlight"),
    method<Send<TB_SETANCHORHIGHLIGHT, W<BOOL, 1>>>("SetAnchorHighlight", "bEnable"),
    method<Call<tool_bar_get_button_info>>("GetButtonInfo", "nID", "lptbbi"),
    method<Send<TB_SETBUTTONINFOW, W<int>, L<TBBUTTONINFOW *>>>("SetButtonInfo", "nID", "lptbbi"),
    method<Send<TB_GETHOTITEM>>("GetHotItem"),
    method<Send<TB_SETHOTITEM, W<int>>>("SetHotItem", "nItem"),
    method<Send<TB_ISBUTTONHIGHLIGHTED, W<int>>>("IsButtonHighlighted", "nButtonID"),
    method<Send<TB_SETDRAWTEXTFLAGS, W<DWORD>, L<DWORD>>>("SetDrawTextFlags", "dwMask", "dwFlags"),
    method<Send<TB_GETCOLORSCHEME, L<COLORSCHEME *>>>("GetColorScheme", "lpcs"),
    method<Send<TB_SETCOLORSCHEME, L<COLORSCHEME *>>>("SetColorScheme", "lpcs"),
    method<Send<TB_GETEXTENDEDSTYLE>>("GetExtendedStyle"),
    method<Send<TB_SETEXTENDEDSTYLE, L<DWORD>>>("SetExtendedStyle", "dwStyle"),
    method<Send<TB_GETINSERTMARKCOLOR>>("GetInsertMarkColor"),
    method<Send<TB_SETINSERTMARKCOLOR, L<COLORREF>>>("SetInsertMarkColor", "clr"),
    method<Send<TB_GETMAXSIZE, L<SIZE *>>>("GetMaxSize", "lpSize"),
    method<Call<tool_bar_get_padding>>("GetPadding", "lpSizePadding"),
    method<Call<tool_bar_set_padding, 0>>("SetPadding", "cx", "cy", "lpSizePadding"),
    method<Send<TB_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<TB_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    method<Call<tool_bar_get_string>>("GetString", "nString", "lpstrString", "cchMaxLen"),
    method<Send<TB_SETWINDOWTHEME, L<LPCWSTR>>>("SetWindowTheme", "lpstrTheme"),
    // Operations.
    method<Send<TB_ENABLEBUTTON, W<int>, L<BOOL, 1>>>("EnableButton", "nID", "bEnable"),
    method<Send<TB_CHECKBUTTON, W<int>, L<BOOL, 1>>>("CheckButton", "nID", "bCheck"),
    method<Send<TB_PRESSBUTTON, W<int>, L<BOOL, 1>>>("PressButton", "nID", "bPress"),
    method<Send<TB_HIDEBUTTON, W<int>, L<BOOL, 1>>>("HideButton", "nID", "bHide"),
    method<Send<TB_INDETERMINATE, W<int>, L<BOOL, 1>>>("Indeterminate", "nID", "bIndeterminate"),
    overloaded<Call<tool_bar_add_bitmap>>("AddBitmap", "nNumButtons", "nBitmapID"),
    method<Send<TB_ADDBUTTONSW, W<int>, L<TBBUTTON *>, Bounds<bound::make(1, bound::Count, 0)>>>("AddButtons", "nNumButtons",
                                                                                              "lpButtons"),
    method<Send<TB_INSERTBUTTONW, W<int>, L<TBBUTTON *>>>("InsertButton", "nIndex", "lpButton"),
    method<Send<TB_DELETEBUTTON, W<int>>>("DeleteButton", "nIndex"),
    method<Send<TB_COMMANDTOINDEX, W<int>>>("CommandToIndex", "nID"),
    method<Call<with<tool_bar_save_restore, TRUE>>>("SaveState", "hKeyRoot", "lpszSubKey", "lpszValueName"),
    method<Call<with<tool_bar_save_restore, FALSE>>>("RestoreState", "hKeyRoot", "lpszSubKey", "lpszValueName"),
    method<Send<TB_CUSTOMIZE>>("Customize"),
    method<Call<tool_bar_add_string>>("AddString", "nStringID"),
    method<Call<tool_bar_add_strings>>("AddStrings", "lpszStrings"),
    method<Send<TB_AUTOSIZE>>("AutoSize"),
    method<Send<TB_CHANGEBITMAP, W<int>, LLow<int>>>("ChangeBitmap", "nID", "nBitmap"),
    method<Call<tool_bar_load_images>>("LoadImages", "nBitmapID"),
    method<Send<TB_LOADIMAGES, W<int>, LIs<common_controls_instance>>>("LoadStdImages", "nBitmapID"),
    method<Send<TB_HITTEST, L<POINT *>>>("HitTest", "lpPoint"),
    method<Call<tool_bar_insert_mark_hit_test>>("InsertMarkHitTest", "lpPoint", "lptbim"),
    method<Call<tool_bar_insert_mark_hit_test_at>>("InsertMarkHitTest", "x", "y", "lptbim"),
    method<Send<TB_MARKBUTTON, W<int>, L<BOOL, 1>>>("MarkButton", "nID", "bHighlight"),
    method<Send<TB_MOVEBUTTON, W<int>, L<int>>>("MoveButton", "nOldPos", "nNewPos"),
};

} // namespace

const MethodTable tool_bar_methods = table(tool_bar_rows);

} // namespace savrawin
