// SHeaderCtrl.
#include "controls.h"

#include <wchar.h>

#include "../../structs/model.h"

namespace savrawin {

namespace {

// The control copies an item's text for the record's own count (cchTextMax): a count beyond the
// room of the string the module made for the record, or a negative one, is cut for the call, and
// a text cut short never ends in half a character. With no text buffer the control still writes
// a terminator, so it gets one of its own.
LRESULT header_get_item(HWND h, int index, HDITEMW *item)
{
    if (!item) return FALSE;
    bool text = (item->mask & HDI_TEXT) != 0;
    wchar_t *buffer = item->pszText;
    int count = item->cchTextMax;
    wchar_t scratch[1] = {0};
    if (text && !buffer) {
        item->pszText = scratch;
        item->cchTextMax = 1;
    } else if (text) {
        int room = string_field_room(buffer);
        if (count < 0) item->cchTextMax = 0;
        else if (room >= 0 && count > room) item->cchTextMax = room;
    }
    int used = item->cchTextMax;
    LRESULT r = SendMessageW(h, HDM_GETITEMW, (WPARAM)index, (LPARAM)item);
    if (item->pszText == scratch) item->pszText = nullptr;
    item->cchTextMax = count;
    if (r && text && buffer && item->pszText == buffer && used > 0) {
        size_t n = wcsnlen(buffer, (size_t)used);
        if (n + 1 == (size_t)used && IS_HIGH_SURROGATE(buffer[n - 1])) buffer[n - 1] = 0;
    }
    return r;
}

// The records these messages fill or read are dereferenced unchecked: nil is the failure value.
LRESULT header_get_item_rect(HWND h, int index, RECT *rect)
{
    return rect ? SendMessageW(h, HDM_GETITEMRECT, (WPARAM)index, (LPARAM)rect) : FALSE;
}
LRESULT header_layout(HWND h, HDLAYOUT *layout)
{
    return layout && layout->prc && layout->pwpos ? SendMessageW(h, HDM_LAYOUT, 0, (LPARAM)layout) : FALSE;
}
LRESULT header_hit_test(HWND h, HDHITTESTINFO *info) { return info ? SendMessageW(h, HDM_HITTEST, 0, (LPARAM)info) : -1; }

const MethodRow header_rows[] = {
    // Attributes.
    method<Send<HDM_GETITEMCOUNT>>("GetItemCount"),
    method<Call<header_get_item>>("GetItem", "nIndex", "pHeaderItem"),
    method<Send<HDM_SETITEMW, W<int>, L<HDITEMW *>>>("SetItem", "nIndex", "pHeaderItem"),
    method<Call<header_get_item_rect>>("GetItemRect", "nIndex", "lpItemRect"),
    method<Send<HDM_SETHOTDIVIDER, W<BOOL>, L<DWORD>>>("SetHotDivider", "bPos", "dwInputValue"),
    method<Send<HDM_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<HDM_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    method<Send<HDM_GETBITMAPMARGIN>>("GetBitmapMargin"),
    method<Send<HDM_SETBITMAPMARGIN, W<int>>>("SetBitmapMargin", "nWidth"),
    method<Send<HDM_SETFILTERCHANGETIMEOUT, L<DWORD>>>("SetFilterChangeTimeout", "dwTimeOut"),
    // Operations.
    method<Send<HDM_INSERTITEMW, W<int>, L<HDITEMW *>>>("InsertItem", "nIndex", "phdi"),
    method<Send<HDM_DELETEITEM, W<int>>>("DeleteItem", "nIndex"),
    method<Call<header_layout>>("Layout", "pHeaderLayout"),
    method<Call<header_hit_test>>("HitTest", "pHitTestInfo"),
    method<Send<HDM_ORDERTOINDEX, W<int>>>("OrderToIndex", "nOrder"),
    method<Send<HDM_EDITFILTER, W<int>, LLow<BOOL>>>("EditFilter", "nColumn", "bDiscardChanges"),
    method<Send<HDM_CLEARFILTER, W<int>>>("ClearFilter", "nColumn"),
    method<Send<HDM_CLEARFILTER, WIs<(uint32_t)-1>>>("ClearAllFilters"),
};

} // namespace

const MethodTable header_methods = table(header_rows);

} // namespace savrawin
