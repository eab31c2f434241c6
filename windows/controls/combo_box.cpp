// SComboBox and SComboBoxEx.
#include "controls.h"

namespace savrawin {

namespace {

// CB_GETLBTEXT writes the whole item: its length is asked first.
LRESULT combo_get_lb_text(HWND h, int index, WideBuffer buffer)
{
    return text_asked_by_length(h, CB_GETLBTEXTLEN, (WPARAM)index, CB_GETLBTEXT, (WPARAM)index, buffer);
}

const MethodRow combo_box_rows[] = {
    // Attributes.
    method<Send<CB_GETCOUNT>>("GetCount"),
    method<Send<CB_GETCURSEL>>("GetCurSel"),
    method<Send<CB_SETCURSEL, W<int>>>("SetCurSel", "nSelect"),
    method<Send<CB_GETLOCALE>>("GetLocale"),
    method<Send<CB_SETLOCALE, W<LCID>>>("SetLocale", "nNewLocale"),
    method<Send<CB_GETTOPINDEX>>("GetTopIndex"),
    method<Send<CB_SETTOPINDEX, W<int>>>("SetTopIndex", "nIndex"),
    method<Send<CB_GETHORIZONTALEXTENT>>("GetHorizontalExtent"),
    method<Send<CB_SETHORIZONTALEXTENT, W<UINT>>>("SetHorizontalExtent", "nExtent"),
    method<Send<CB_GETDROPPEDWIDTH>>("GetDroppedWidth"),
    method<Send<CB_SETDROPPEDWIDTH, W<UINT>>>("SetDroppedWidth", "nWidth"),
    method<Send<CB_GETCOMBOBOXINFO, L<COMBOBOXINFO *>>>("GetComboBoxInfo", "pComboBoxInfo"),
    method<Send<CB_GETEDITSEL>>("GetEditSel"),
    method<Send<CB_SETEDITSEL, LLow<int>, LHigh<int>>>("SetEditSel", "nStartChar", "nEndChar"),
    method<Send<CB_GETITEMDATA, W<int>>>("GetItemData", "nIndex"),
    method<Send<CB_SETITEMDATA, W<int>, L<DWORD_PTR>>>("SetItemData", "nIndex", "dwItemData"),
    method<Call<combo_get_lb_text>>("GetLBText", "nIndex", "lpszText"),
    method<Send<CB_GETLBTEXTLEN, W<int>>>("GetLBTextLen", "nIndex"),
    method<Send<CB_GETITEMHEIGHT, W<int>>>("GetItemHeight", "nIndex"),
    method<Send<CB_SETITEMHEIGHT, W<int>, L<UINT>>>("SetItemHeight", "nIndex", "cyItemHeight"),
    method<Send<CB_GETEXTENDEDUI>>("GetExtendedUI"),
    method<Send<CB_SETEXTENDEDUI, W<BOOL, 1>>>("SetExtendedUI", "bExtended"),
    method<Send<CB_GETDROPPEDCONTROLRECT, L<RECT *>>>("GetDroppedControlRect", "lprect"),
    method<Send<CB_GETDROPPEDSTATE>>("GetDroppedState"),
    method<Send<CB_GETMINVISIBLE>>("GetMinVisible"),
    method<Send<CB_SETMINVISIBLE, W<int>>>("SetMinVisible", "nMinVisible"),
    // Operations.
    method<Send<CB_INITSTORAGE, W<int>, L<UINT>>>("InitStorage", "nItems", "nBytes"),
    method<Send<CB_RESETCONTENT>>("ResetContent"),
    method<Send<CB_LIMITTEXT, W<int>>>("LimitText", "nMaxChars"),
    method<Send<CB_SHOWDROPDOWN, W<BOOL, 1>>>("ShowDropDown", "bShowIt"),
    method<Send<CB_ADDSTRING, L<LPCWSTR>>>("AddString", "lpszString"),
    method<Send<CB_DELETESTRING, W<UINT>>>("DeleteString", "nIndex"),
    method<Send<CB_INSERTSTRING, W<int>, L<LPCWSTR>>>("InsertString", "nIndex", "lpszString"),
    method<Send<CB_DIR, W<UINT>, L<LPCWSTR>>>("Dir", "attr", "lpszWildCard"),
    method<Send<CB_FINDSTRING, W<int>, L<LPCWSTR>>>("FindString", "nStartAfter", "lpszString"),
    method<Send<CB_FINDSTRINGEXACT, W<int>, L<LPCWSTR>>>("FindStringExact", "nIndexStart", "lpszFind"),
    method<Send<CB_SELECTSTRING, W<int>, L<LPCWSTR>>>("SelectString", "nStartAfter", "lpszString"),
    method<Send<WM_CLEAR>>("Clear"),
    method<Send<WM_COPY>>("Copy"),
    method<Send<WM_CUT>>("Cut"),
    method<Send<WM_PASTE>>("Paste"),
};

// The item records are only read: taken by value, so nil is refused rather than dereferenced.
LRESULT combo_ex_insert_item(HWND h, COMBOBOXEXITEMW item) { return SendMessageW(h, CBEM_INSERTITEMW, 0, (LPARAM)&item); }
LRESULT combo_ex_set_item(HWND h, COMBOBOXEXITEMW item) { return SendMessageW(h, CBEM_SETITEMW, 0, (LPARAM)&item); }

const MethodRow combo_box_ex_rows[] = {
    // Attributes.
    method<Send<CBEM_GETEXTENDEDSTYLE>>("GetExtendedStyle"),
    method<Send<CBEM_SETEXTENDEDSTYLE, W<DWORD>, L<DWORD>>>("SetExtendedStyle", "dwExMask", "dwExStyle"),
    method<Send<CCM_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<CCM_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    method<Send<CCM_SETWINDOWTHEME, L<LPCWSTR>>>("SetWindowTheme", "lpstrTheme"),
    // Operations.
    method<Call<combo_ex_insert_item>>("InsertItem", "lpcCBItem"),
    method<Send<CBEM_DELETEITEM, W<int>>>("DeleteItem", "nIndex"),
    method<Call<combo_ex_set_item>>("SetItem", "lpcCBItem"),
    method<Send<CBEM_HASEDITCHANGED>>("HasEditChanged"),
};

} // namespace

const MethodTable combo_box_methods = table(combo_box_rows);
const MethodTable combo_box_ex_methods = table(combo_box_ex_rows);

} // namespace savrawin
