// STreeViewCtrl (STreeViewCtrlEx adds no methods of its own).
#include "controls.h"

#include "record_text.h"

namespace savrawin {

namespace {

// TVI_ROOT, the item a message about every item names (a pointer constant a template cannot take).
constexpr uint32_t root_item = 0xFFFF0000u;

// ---- records the control fills in ----------------------------------------------------------------

LRESULT tree_view_get_item(HWND h, TVITEMW *item)
{
    if (!item) return FALSE;
    if (item->mask & TVIF_TEXT) check_record_text(1, "a TVITEM", item->pszText, item->cchTextMax);
    return SendMessageW(h, TVM_GETITEMW, 0, (LPARAM)item);
}

// The item's text, in a record made here: the control is told the smaller of the count given and
// the copy's room, and the text is cut to the script's buffer on the way back.
LRESULT tree_view_get_item_text(HWND h, HTREEITEM item, WideBuffer buffer, int count)
{
    TVITEMW record = {};
    record.mask = TVIF_TEXT;
    record.hItem = item;
    record.pszText = buffer.text;
    record.cchTextMax = buffer.text ? clamp_count(count, buffer.units) : 0;
    return SendMessageW(h, TVM_GETITEMW, 0, (LPARAM)&record);
}

LRESULT tree_view_get_item_data(HWND h, HTREEITEM item)
{
    TVITEMW record = {};
    record.mask = TVIF_PARAM;
    record.hItem = item;
    return SendMessageW(h, TVM_GETITEMW, 0, (LPARAM)&record) ? record.lParam : 0;
}

LRESULT tree_view_item_has_children(HWND h, HTREEITEM item)
{
    TVITEMW record = {};
    record.mask = TVIF_CHILDREN;
    record.hItem = item;
    return SendMessageW(h, TVM_GETITEMW, 0, (LPARAM)&record) ? record.cChildren : 0;
}

// The control copies its incremental-search text out without being told the room: the copy has
// MAX_PATH + 1 units, more than a typed search holds.
LRESULT tree_view_get_isearch_string(HWND h, WideBuffer buffer)
{
    return text_with_room(h, TVM_GETISEARCHSTRINGW, 0, MAX_PATH + 1, buffer);
}

// The item travels in the rectangle's first field.
LRESULT tree_view_get_item_rect(HWND h, HTREEITEM item, RECT *rect, BOOL text_only)
{
    if (!rect) return FALSE;
    memcpy(rect, &item, sizeof item);
    return SendMessageW(h, TVM_GETITEMRECT, (WPARAM)text_only, (LPARAM)rect);
}

// ---- composite methods -----------------------------------------------------------------------------

// A ticked box is state image 2, an empty one state image 1.
LRESULT tree_view_set_check_state(HWND h, HTREEITEM item, BOOL check)
{
    TVITEMW record = {};
    record.mask = TVIF_STATE;
    record.hItem = item;
    record.state = INDEXTOSTATEIMAGEMASK(check ? 2 : 1);
    record.stateMask = TVIS_STATEIMAGEMASK;
    return SendMessageW(h, TVM_SETITEMW, 0, (LPARAM)&record);
}

// The records the setters and InsertItem fill from their arguments: an item, and an item to insert
// with its place.
using TV = TVITEMW;
template <auto Member> using Insert = Field<&TVINSERTSTRUCTW::item, Member>;
template <uint32_t Mask> using InsertMask = FieldIs<Mask, &TVINSERTSTRUCTW::item, &TV::mask>;
using Parent = Field<&TVINSERTSTRUCTW::hParent>;
using After = Field<&TVINSERTSTRUCTW::hInsertAfter>;

const MethodRow tree_view_rows[] = {
    // Attributes.
    method<Send<TVM_GETCOUNT>>("GetCount"),
    method<Send<TVM_GETINDENT>>("GetIndent"),
    method<Send<TVM_SETINDENT, W<UINT>>>("SetIndent", "nIndent"),
    overloaded<Call<tree_view_get_item_text>>("GetItemText", "hItem", "lpstrText", "nLen"),
    method<Send<TVM_SETITEMW, FieldIs<TVIF_TEXT, &TV::mask>, Field<&TV::hItem>, Field<&TV::pszText>>>("SetItemText", "hItem",
                                                                                                     "lpszItem"),
    method<Send<TVM_SETITEMW, FieldIs<TVIF_IMAGE | TVIF_SELECTEDIMAGE, &TV::mask>, Field<&TV::hItem>, Field<&TV::iImage>,
                Field<&TV::iSelectedImage>>>("SetItemImage", "hItem", "nImage", "nSelectedImage"),
    method<Send<TVM_GETITEMSTATE, W<HTREEITEM>, L<UINT>>>("GetItemState", "hItem", "nStateMask"),
    method<Send<TVM_SETITEMW, FieldIs<TVIF_STATE, &TV::mask>, Field<&TV::hItem>, Field<&TV::state>, Field<&TV::stateMask>>>(
        "SetItemState", "hItem", "nState", "nStateMask"),
    method<Call<tree_view_get_item_data>>("GetItemData", "hItem"),
    method<Send<TVM_SETITEMW, FieldIs<TVIF_PARAM, &TV::mask>, Field<&TV::hItem>, Field<&TV::lParam>>>("SetItemData", "hItem",
                                                                                                     "dwData"),
    method<Send<TVM_GETVISIBLECOUNT>>("GetVisibleCount"),
    method<Call<tree_view_get_item_rect>>("GetItemRect", "hItem", "lpRect", "bTextOnly"),
    method<Call<tree_view_item_has_children>>("ItemHasChildren", "hItem"),
    method<Call<tree_view_get_isearch_string>>("GetISearchString", "lpstr"),
    method<Send<TVM_GETITEMSTATE, W<HTREEITEM>, LIs<TVIS_STATEIMAGEMASK>>>("GetCheckState", "hItem"),
    method<Call<tree_view_set_check_state>>("SetCheckState", "hItem", "bCheck"),
    method<Send<TVM_GETBKCOLOR>>("GetBkColor"),
    method<Send<TVM_SETBKCOLOR, L<COLORREF>>>("SetBkColor", "clr"),
    method<Send<TVM_GETINSERTMARKCOLOR>>("GetInsertMarkColor"),
    method<Send<TVM_SETINSERTMARKCOLOR, L<COLORREF>>>("SetInsertMarkColor", "clr"),
    method<Send<TVM_GETITEMHEIGHT>>("GetItemHeight"),
    method<Send<TVM_SETITEMHEIGHT, W<int>>>("SetItemHeight", "cyHeight"),
    method<Send<TVM_GETSCROLLTIME>>("GetScrollTime"),
    method<Send<TVM_SETSCROLLTIME, W<UINT>>>("SetScrollTime", "uScrollTime"),
    method<Send<TVM_GETTEXTCOLOR>>("GetTextColor"),
    method<Send<TVM_SETTEXTCOLOR, L<COLORREF>>>("SetTextColor", "clr"),
    method<Send<TVM_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<TVM_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    method<Send<TVM_GETLINECOLOR>>("GetLineColor"),
    method<Send<TVM_SETLINECOLOR, L<COLORREF>>>("SetLineColor", "clrNew"),
    overloaded<Call<tree_view_get_item>>("GetItem", "pItem"),
    method<Send<TVM_SETITEMW, L<const TVITEMW *>>>("SetItem", "pItem"),
    method<Send<TVM_SETITEMW, Field<&TV::hItem>, Field<&TV::mask>, Field<&TV::pszText>, Field<&TV::iImage>,
                Field<&TV::iSelectedImage>, Field<&TV::state>, Field<&TV::stateMask>, Field<&TV::lParam>>>(
        "SetItem", "hItem", "nMask", "lpszItem", "nImage", "nSelectedImage", "nState", "nStateMask", "lParam"),
    // Operations.
    method<Send<TVM_INSERTITEMW, L<const TVINSERTSTRUCTW *>>>("InsertItem", "lpInsertStruct"),
    method<Send<TVM_INSERTITEMW, InsertMask<TVIF_TEXT>, Insert<&TV::pszText>, Parent, After>>("InsertItem", "lpszItem",
                                                                                                "hParent", "hInsertAfter"),
    method<Send<TVM_INSERTITEMW, InsertMask<TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE>, Insert<&TV::pszText>,
                Insert<&TV::iImage>, Insert<&TV::iSelectedImage>, Parent, After>>("InsertItem", "lpszItem", "nImage",
                                                                                  "nSelectedImage", "hParent",
                                                                                  "hInsertAfter"),
    method<Send<TVM_INSERTITEMW, Insert<&TV::mask>, Insert<&TV::pszText>, Insert<&TV::iImage>, Insert<&TV::iSelectedImage>,
                Insert<&TV::state>, Insert<&TV::stateMask>, Insert<&TV::lParam>, Parent, After>>(
        "InsertItem", "nMask", "lpszItem", "nImage", "nSelectedImage", "nState", "nStateMask", "lParam", "hParent",
        "hInsertAfter"),
    method<Send<TVM_DELETEITEM, L<HTREEITEM>>>("DeleteItem", "hItem"),
    method<Send<TVM_DELETEITEM, LIs<root_item>>>("DeleteAllItems"),
    method<Send<TVM_EXPAND, L<HTREEITEM>, W<UINT, TVE_EXPAND>>>("Expand", "hItem", "nCode"),
    method<Send<TVM_GETNEXTITEM, L<HTREEITEM>, W<UINT>>>("GetNextItem", "hItem", "nCode"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_CHILD>, L<HTREEITEM>>>("GetChildItem", "hItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_NEXT>, L<HTREEITEM>>>("GetNextSiblingItem", "hItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_PREVIOUS>, L<HTREEITEM>>>("GetPrevSiblingItem", "hItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_PARENT>, L<HTREEITEM>>>("GetParentItem", "hItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_FIRSTVISIBLE>>>("GetFirstVisibleItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_NEXTVISIBLE>, L<HTREEITEM>>>("GetNextVisibleItem", "hItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_PREVIOUSVISIBLE>, L<HTREEITEM>>>("GetPrevVisibleItem", "hItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_CARET>>>("GetSelectedItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_DROPHILITE>>>("GetDropHilightItem"),
    method<Send<TVM_GETNEXTITEM, WIs<TVGN_ROOT>>>("GetRootItem"),
    method<Send<TVM_SELECTITEM, L<HTREEITEM>, W<UINT>>>("Select", "hItem", "nCode"),
    method<Send<TVM_SELECTITEM, WIs<TVGN_CARET>, L<HTREEITEM>>>("SelectItem", "hItem"),
    method<Send<TVM_SELECTITEM, WIs<TVGN_DROPHILITE>, L<HTREEITEM>>>("SelectDropTarget", "hItem"),
    method<Send<TVM_SELECTITEM, WIs<TVGN_FIRSTVISIBLE>, L<HTREEITEM>>>("SelectSetFirstVisible", "hItem"),
    method<Send<TVM_ENDEDITLABELNOW, W<BOOL>>>("EndEditLabelNow", "bCancel"),
    overloaded<Send<TVM_HITTEST, L<TVHITTESTINFO *>>>("HitTest", "pHitTestInfo"),
    method<Send<TVM_SORTCHILDREN, L<HTREEITEM>, W<BOOL, 0>>>("SortChildren", "hItem", "bRecurse"),
    method<Send<TVM_ENSUREVISIBLE, L<HTREEITEM>>>("EnsureVisible", "hItem"),
    // The comparison is the native function the script stored in the record; no script runs.
    method<Send<TVM_SORTCHILDRENCB, L<TVSORTCB *>, W<BOOL, 0>>>("SortChildrenCB", "pSort", "bRecurse"),
    method<Send<TVM_SETINSERTMARK, L<HTREEITEM>, W<BOOL>>>("SetInsertMark", "hTreeItem", "bAfter"),
    method<Send<TVM_SETINSERTMARK>>("RemoveInsertMark"),
    method<Send<TVM_MAPACCIDTOHTREEITEM, W<UINT>>>("MapAccIDToHTREEITEM", "uID"),
    method<Send<TVM_MAPHTREEITEMTOACCID, W<HTREEITEM>>>("MapHTREEITEMToAccID", "hTreeItem"),
};

} // namespace

const MethodTable tree_view_methods = table(tree_view_rows);

} // namespace savrawin
