// STabCtrl.
#include "controls.h"
#include "record_text.h"

namespace savrawin {

namespace {

// Sizes a tab control takes as one lParam, cx in the low half and cy in the high half; the
// previous item size comes back packed the same way.
PackedSize tab_set_item_size(HWND h, SIZE size)
{
    return PackedSize{(uint32_t)SendMessageW(h, TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy))};
}
void tab_set_padding(HWND h, SIZE size) { SendMessageW(h, TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }

// The text comes back in the record's own text field, at most cchTextMax units of it.
LRESULT tab_get_item(HWND h, int item, TCITEMW *record)
{
    if (record && (record->mask & TCIF_TEXT)) check_record_text(2, "a TCITEM", record->pszText, record->cchTextMax);
    return SendMessageW(h, TCM_GETITEMW, (WPARAM)item, (LPARAM)record);
}

const MethodRow tab_rows[] = {
    // Attributes.
    method<Send<TCM_GETITEMCOUNT>>("GetItemCount"),
    method<Call<tab_get_item>>("GetItem", "nItem", "pTabCtrlItem"),
    method<Send<TCM_SETITEMW, W<int>, L<TCITEMW *>>>("SetItem", "nItem", "pTabCtrlItem"),
    method<Send<TCM_GETITEMRECT, W<int>, L<RECT *>>>("GetItemRect", "nItem", "lpRect"),
    method<Send<TCM_GETCURSEL>>("GetCurSel"),
    method<Send<TCM_SETCURSEL, W<int>>>("SetCurSel", "nItem"),
    method<Call<tab_set_item_size>>("SetItemSize", "size"),
    method<Call<tab_set_padding>>("SetPadding", "size"),
    method<Send<TCM_GETROWCOUNT>>("GetRowCount"),
    method<Send<TCM_SETTOOLTIPS, W<HWND>>>("SetTooltips", "hWndToolTip"),
    method<Send<TCM_GETCURFOCUS>>("GetCurFocus"),
    method<Send<TCM_SETCURFOCUS, W<int>>>("SetCurFocus", "nItem"),
    method<Send<TCM_SETITEMEXTRA, W<int>>>("SetItemExtra", "cbExtra"),
    method<Send<TCM_SETMINTABWIDTH, L<int, -1>>>("SetMinTabWidth", "nWidth"),
    method<Send<TCM_GETEXTENDEDSTYLE>>("GetExtendedStyle"),
    method<Send<TCM_SETEXTENDEDSTYLE, W<DWORD>, L<DWORD>>>("SetExtendedStyle", "dwExMask", "dwExStyle"),
    method<Send<TCM_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<TCM_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    // Operations.
    method<Send<TCM_INSERTITEMW, W<int>, L<TCITEMW *>>>("InsertItem", "nItem", "pTabCtrlItem"),
    method<Send<TCM_DELETEITEM, W<int>>>("DeleteItem", "nItem"),
    method<Send<TCM_DELETEALLITEMS>>("DeleteAllItems"),
    method<Send<TCM_ADJUSTRECT, W<BOOL>, L<RECT *>>>("AdjustRect", "bLarger", "lpRect"),
    method<Send<TCM_REMOVEIMAGE, W<int>>>("RemoveImage", "nImage"),
    method<Send<TCM_HITTEST, L<TCHITTESTINFO *>>>("HitTest", "pHitTestInfo"),
    method<Send<TCM_DESELECTALL, W<BOOL, 1>>>("DeselectAll", "bExcludeFocus"),
    method<Send<TCM_HIGHLIGHTITEM, W<int>, LLow<BOOL, 1>>>("HighlightItem", "nIndex", "bHighlight"),
};

} // namespace

const MethodTable tab_methods = table(tab_rows);

} // namespace savrawin
