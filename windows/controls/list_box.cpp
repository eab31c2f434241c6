// SListBox and SDragListBox.
#include "controls.h"

#include "../../binding/late_bound.h"
#include "../static_data.h"

SAVRA_BY_ORDINAL("comctl32.dll", MakeDragList, 13)
SAVRA_BY_ORDINAL("comctl32.dll", LBItemFromPt, 14)
SAVRA_BY_ORDINAL("comctl32.dll", DrawInsert, 15)

namespace savrawin {

namespace {

LRESULT list_box_get_text(HWND h, int index, WideBuffer buffer)
{
    return text_asked_by_length(h, LB_GETTEXTLEN, (WPARAM)index, LB_GETTEXT, (WPARAM)index, buffer);
}

// Deselecting takes the range with its ends exchanged.
LRESULT list_box_sel_item_range(HWND h, BOOL select, int first, int last)
{
    if (select) return SendMessageW(h, LB_SELITEMRANGEEX, (WPARAM)first, (LPARAM)last);
    return SendMessageW(h, LB_SELITEMRANGEEX, (WPARAM)last, (LPARAM)first);
}

const MethodRow list_box_rows[] = {
    // Attributes.
    method<Send<LB_GETCOUNT>>("GetCount"),
    method<Send<LB_SETCOUNT, W<int>>>("SetCount", "cItems"),
    method<Send<LB_GETHORIZONTALEXTENT>>("GetHorizontalExtent"),
    method<Send<LB_SETHORIZONTALEXTENT, W<int>>>("SetHorizontalExtent", "cxExtent"),
    method<Send<LB_GETTOPINDEX>>("GetTopIndex"),
    method<Send<LB_SETTOPINDEX, W<int>>>("SetTopIndex", "nIndex"),
    method<Send<LB_GETLOCALE>>("GetLocale"),
    method<Send<LB_SETLOCALE, W<LCID>>>("SetLocale", "nNewLocale"),
    method<Send<LB_GETLISTBOXINFO>>("GetListBoxInfo"),
    method<Send<LB_GETCURSEL>>("GetCurSel"),
    method<Send<LB_SETCURSEL, W<int>>>("SetCurSel", "nSelect"),
    method<Send<LB_GETSEL, W<int>>>("GetSel", "nIndex"),
    method<Send<LB_SETSEL, L<int>, W<BOOL, 1>>>("SetSel", "nIndex", "bSelect"),
    method<Send<LB_GETSELCOUNT>>("GetSelCount"),
    method<Send<LB_GETANCHORINDEX>>("GetAnchorIndex"),
    method<Send<LB_SETANCHORINDEX, W<int>>>("SetAnchorIndex", "nIndex"),
    method<Send<LB_GETCARETINDEX>>("GetCaretIndex"),
    method<Send<LB_SETCARETINDEX, W<int>, L<BOOL, 1>>>("SetCaretIndex", "nIndex", "bScroll"),
    method<Send<LB_GETITEMDATA, W<int>>>("GetItemData", "nIndex"),
    method<Send<LB_SETITEMDATA, W<int>, L<DWORD_PTR>>>("SetItemData", "nIndex", "dwItemData"),
    method<Send<LB_GETITEMRECT, W<int>, L<RECT *>>>("GetItemRect", "nIndex", "lpRect"),
    method<Call<list_box_get_text>>("GetText", "nIndex", "lpszBuffer"),
    method<Send<LB_GETTEXTLEN, W<int>>>("GetTextLen", "nIndex"),
    method<Send<LB_GETITEMHEIGHT, W<int>>>("GetItemHeight", "nIndex"),
    method<Send<LB_SETITEMHEIGHT, W<int>, L<UINT>>>("SetItemHeight", "nIndex", "cyItemHeight"),
    method<Send<LB_SETCOLUMNWIDTH, W<int>>>("SetColumnWidth", "cxWidth"),
    overloaded<Send<LB_SETTABSTOPS>>("SetTabStops"),
    // Operations.
    method<Send<LB_INITSTORAGE, W<int>, L<UINT>>>("InitStorage", "nItems", "nBytes"),
    method<Send<LB_RESETCONTENT>>("ResetContent"),
    method<Send<LB_ADDSTRING, L<LPCWSTR>>>("AddString", "lpszItem"),
    method<Send<LB_DELETESTRING, W<UINT>>>("DeleteString", "nIndex"),
    method<Send<LB_INSERTSTRING, W<int>, L<LPCWSTR>>>("InsertString", "nIndex", "lpszItem"),
    method<Send<LB_DIR, W<UINT>, L<LPCWSTR>>>("Dir", "attr", "lpszWildCard"),
    method<Send<LB_ADDFILE, L<LPCWSTR>>>("AddFile", "lpstrFileName"),
    method<Send<LB_FINDSTRING, W<int>, L<LPCWSTR>>>("FindString", "nStartAfter", "lpszItem"),
    method<Send<LB_FINDSTRINGEXACT, W<int>, L<LPCWSTR>>>("FindStringExact", "nIndexStart", "lpszFind"),
    method<Send<LB_SELECTSTRING, W<int>, L<LPCWSTR>>>("SelectString", "nStartAfter", "lpszItem"),
    method<Call<list_box_sel_item_range>>("SelItemRange", "bSelect", "nFirstItem", "nLastItem"),
};

void drag_draw_insert(HWND h, int item) { DrawInsert_by_ordinal::call(GetParent(h), h, item); }

// The message a drag list sends its parent, registered once.
volatile LONG drag_list_message;
LiValue drag_list_message_entry()
{
    return li_CreateLong((int32_t)registered_message_once(&drag_list_message, L"commctrl_DragListMsg"));
}

const MethodRow drag_list_box_rows[] = {
    method<Call<MakeDragList_by_ordinal::call>>("MakeDragList"),
    method<Call<LBItemFromPt_by_ordinal::call, 1>>("LBItemFromPt", "pt", "bAutoScroll"),
    method<Call<drag_draw_insert>>("DrawInsert", "nItem"),
    // The class's global functions.
    global<Entry<drag_list_message_entry>>("SDragListBox_GetDragListMessage"),
};

} // namespace

const MethodTable list_box_methods = table(list_box_rows);
const MethodTable drag_list_box_methods = table(drag_list_box_rows);

} // namespace savrawin
