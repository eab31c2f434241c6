// SListViewCtrl (SCheckListViewCtrl adds no methods of its own).
#include "controls.h"

#include "record_text.h"

#include "../../binding/bridge.h"

namespace savrawin {

// A flag that the dispatcher leaves untested, as the one form of GetItemSpacing that takes it: the
// form checks it as a number.
enum class UntestedFlag : int32_t {};
template <> struct msg::Param<UntestedFlag> {
    using type = UntestedFlag;
    static constexpr char test = 'A';
};

namespace {

// ---- records the control fills in ----------------------------------------------------------------
// Script positions count the instance: the record of GetItem is slot 1.

LRESULT get_item_record(HWND h, LVITEMW *item, int slot)
{
    if (!item) return FALSE;
    if (item->mask & LVIF_TEXT) check_record_text(slot, "an LVITEM", item->pszText, item->cchTextMax);
    return SendMessageW(h, LVM_GETITEMW, 0, (LPARAM)item);
}

LRESULT list_view_get_item(HWND h, LVITEMW *item) { return get_item_record(h, item, 1); }

LRESULT list_view_get_column(HWND h, int column, LVCOLUMNW *record)
{
    if (!record) return FALSE;
    if (record->mask & LVCF_TEXT) check_record_text(2, "an LVCOLUMN", record->pszText, record->cchTextMax);
    return SendMessageW(h, LVM_GETCOLUMNW, (WPARAM)column, (LPARAM)record);
}

LRESULT list_view_get_bk_image(HWND h, LVBKIMAGEW *image)
{
    if (!image) return FALSE;
    if (image->ulFlags & LVBKIF_SOURCE_URL) check_record_text(1, "an LVBKIMAGE", image->pszImage, (int)image->cchImageMax);
    return SendMessageW(h, LVM_GETBKIMAGEW, 0, (LPARAM)image);
}

LRESULT list_view_get_group_info(HWND h, int group, LVGROUP *record)
{
    if (!record) return -1;
    if (record->mask & LVGF_HEADER) check_record_text(2, "an LVGROUP", record->pszHeader, record->cchHeader);
    if (record->mask & LVGF_FOOTER) check_record_text(2, "an LVGROUP", record->pszFooter, record->cchFooter);
    return SendMessageW(h, LVM_GETGROUPINFO, (WPARAM)group, (LPARAM)record);
}

// The item's text, in a record made here: the control is told the smaller of the count given and
// the copy's room, and the text is cut to the script's buffer on the way back.
LRESULT list_view_get_item_text(HWND h, int item, int sub_item, WideBuffer buffer, int count)
{
    LVITEMW record = {};
    record.iSubItem = sub_item;
    record.pszText = buffer.text;
    record.cchTextMax = buffer.text ? clamp_count(count, buffer.units) : 0;
    return SendMessageW(h, LVM_GETITEMTEXTW, (WPARAM)item, (LPARAM)&record);
}

LRESULT list_view_get_item_data(HWND h, int item)
{
    LVITEMW record = {};
    record.mask = LVIF_PARAM;
    record.iItem = item;
    return SendMessageW(h, LVM_GETITEMW, 0, (LPARAM)&record) ? record.lParam : 0;
}

// The control copies its incremental-search text out without being told the room: the copy has
// MAX_PATH + 1 units, more than a typed search holds.
LRESULT list_view_get_isearch_string(HWND h, WideBuffer buffer)
{
    return text_with_room(h, LVM_GETISEARCHSTRINGW, 0, MAX_PATH + 1, buffer);
}

// The rectangle's first fields carry what is asked for into the message.
LRESULT list_view_get_item_rect(HWND h, int item, RECT *rect, UINT code)
{
    if (!rect) return FALSE;
    rect->left = (LONG)code;
    return SendMessageW(h, LVM_GETITEMRECT, (WPARAM)item, (LPARAM)rect);
}

LRESULT list_view_get_sub_item_rect(HWND h, int item, int sub_item, int code, RECT *rect)
{
    if (!rect) return FALSE;
    rect->top = sub_item;
    rect->left = code;
    return SendMessageW(h, LVM_GETSUBITEMRECT, (WPARAM)item, (LPARAM)rect);
}

// ---- composite methods -----------------------------------------------------------------------------

LVITEMW item_state(UINT state, UINT state_mask)
{
    LVITEMW record = {};
    record.state = state;
    record.stateMask = state_mask;
    return record;
}

// A ticked box is state image 2, an empty one state image 1.
LRESULT list_view_set_check_state(HWND h, int item, BOOL check)
{
    LVITEMW record = item_state(INDEXTOSTATEIMAGEMASK(check ? 2 : 1), LVIS_STATEIMAGEMASK);
    return SendMessageW(h, LVM_SETITEMSTATE, (WPARAM)item, (LPARAM)&record);
}

LRESULT list_view_get_selected_item(HWND h, LVITEMW *item)
{
    if (!item) return FALSE;
    int index = (int)SendMessageW(h, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED);
    item->iItem = index;
    if (index == -1) return FALSE;
    return get_item_record(h, item, 1);
}

DWORD list_view_get_view_type(HWND h) { return (DWORD)GetWindowLongW(h, GWL_STYLE) & LVS_TYPEMASK; }

// The style is written only when the view changes: a write the control would see as a style change.
DWORD list_view_set_view_type(HWND h, DWORD type)
{
    DWORD style = (DWORD)GetWindowLongW(h, GWL_STYLE);
    DWORD previous = style & LVS_TYPEMASK;
    if ((type & LVS_TYPEMASK) != previous) SetWindowLongW(h, GWL_STYLE, (LONG)((style & ~LVS_TYPEMASK) | (type & LVS_TYPEMASK)));
    return previous;
}

// A width or sub-item of -1 is left to the control.
LRESULT list_view_insert_column_text(HWND h, int column, LPCWSTR text, int format, int width, int sub_item)
{
    LVCOLUMNW record = {};
    record.mask = LVCF_FMT | LVCF_TEXT | (width != -1 ? LVCF_WIDTH : 0) | (sub_item != -1 ? LVCF_SUBITEM : 0);
    record.fmt = format;
    record.cx = width;
    record.pszText = (LPWSTR)text;
    record.iSubItem = sub_item;
    return SendMessageW(h, LVM_INSERTCOLUMNW, (WPARAM)column, (LPARAM)&record);
}

// The column is as wide as its title and a margin.
LRESULT list_view_add_column(HWND h, LPCWSTR text, int column, int sub_item, UINT mask, int format)
{
    LVCOLUMNW record = {};
    record.mask = mask;
    record.fmt = format;
    record.pszText = (LPWSTR)text;
    record.cx = (int)SendMessageW(h, LVM_GETSTRINGWIDTHW, 0, (LPARAM)text) + 15;
    if (mask & LVCF_SUBITEM) record.iSubItem = sub_item != -1 ? sub_item : column;
    return SendMessageW(h, LVM_INSERTCOLUMNW, (WPARAM)column, (LPARAM)&record);
}

// Sub-item 0 makes the item; another sub-item is set on an item that must exist.
LRESULT list_view_add_item(HWND h, int item, int sub_item, LPCWSTR text, int image)
{
    LVITEMW record = {};
    record.mask = LVIF_TEXT | (image != -1 ? LVIF_IMAGE : 0);
    record.iItem = item;
    record.iSubItem = sub_item;
    record.pszText = (LPWSTR)text;
    record.iImage = image;
    if (sub_item == 0) return SendMessageW(h, LVM_INSERTITEMW, 0, (LPARAM)&record);
    return SendMessageW(h, LVM_SETITEMW, 0, (LPARAM)&record) ? item : -1;
}

LRESULT list_view_select_item(HWND h, int index)
{
    LVITEMW record = item_state(LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    LRESULT r = SendMessageW(h, LVM_SETITEMSTATE, (WPARAM)index, (LPARAM)&record);
    if (r) r = SendMessageW(h, LVM_ENSUREVISIBLE, (WPARAM)index, FALSE);
    return r;
}

LRESULT list_view_scroll(HWND h, SIZE size) { return SendMessageW(h, LVM_SCROLL, (WPARAM)size.cx, (LPARAM)size.cy); }

// The item record the setters fill from their arguments.
using LV = LVITEMW;

// ---- sorting groups with a script function ------------------------------------------------------

// context: the function and its data, rooted by the caller. The function is called through the
// bridge as (compare group1 group2 data); its number orders the two groups, anything else (an
// error included) leaves them as equal.
int CALLBACK compare_groups(int first, int second, void *context)
{
    const LiValue *function_and_data = (const LiValue *)context;
    CallFrame frame;
    frame.push(li_CreateLong(first));
    frame.push(li_CreateLong(second));
    frame.push(function_and_data[1]);
    LiValue r = run_script_function(function_and_data[0], frame.slots(), 3);
    return li_NumberP(r) ? li_LVal(r) : 0;
}

LiValue sort_groups(LiValue function, LiValue data)
{
    HWND h = window_arg(ArgBase[0])->m_hWnd;
    if (li_Tag(function) != LI_CLOSURE && li_Tag(function) != LI_NATIVE) li_TypeError(function, LI_TYPE_FUNCTION);
    // both stay rooted: the function in its argument slot, the data in its slot or as nil
    const LiValue function_and_data[2] = {function, data};
    return li_CreateLong((int32_t)SendMessageW(h, LVM_SORTGROUPS, (WPARAM)compare_groups, (LPARAM)function_and_data));
}
LiValue SortGroups_entry() { return sort_groups(ArgBase[1], Nil); }
LiValue SortGroups_with_data_entry() { return sort_groups(ArgBase[1], ArgBase[2]); }

const MethodRow list_view_rows[] = {
    // Attributes.
    method<Send<LVM_GETBKCOLOR>>("GetBkColor"),
    method<Send<LVM_SETBKCOLOR, L<COLORREF>>>("SetBkColor", "cr"),
    method<Send<LVM_GETITEMCOUNT>>("GetItemCount"),
    method<Send<LVM_SETITEMCOUNT, W<int>>>("SetItemCount", "nItems"),
    method<Call<list_view_get_item>>("GetItem", "pItem"),
    method<Send<LVM_SETITEMW, L<const LVITEMW *>>>("SetItem", "pItem"),
    method<Send<LVM_SETITEMW, Field<&LV::iItem>, Field<&LV::iSubItem>, Field<&LV::mask>, Field<&LV::pszText>,
                Field<&LV::iImage>, Field<&LV::state>, Field<&LV::stateMask>, Field<&LV::lParam>>>(
        "SetItem", "nItem", "nSubItem", "nMask", "lpszItem", "nImage", "nState", "nStateMask", "lParam"),
    method<Send<LVM_GETITEMSTATE, W<int>, L<UINT>>>("GetItemState", "nItem", "nMask"),
    method<Send<LVM_SETITEMSTATE, W<int>, L<LVITEMW *>>>("SetItemState", "nItem", "pItem"),
    method<Send<LVM_SETITEMSTATE, W<int>, Field<&LV::state>, Field<&LV::stateMask>>>("SetItemState", "nItem", "nState",
                                                                                       "nStateMask"),
    overloaded<Call<list_view_get_item_text>>("GetItemText", "nItem", "nSubItem", "lpszText", "nLen"),
    method<Send<LVM_SETITEMW, FieldIs<LVIF_TEXT, &LV::mask>, Field<&LV::iItem>, Field<&LV::iSubItem>, Field<&LV::pszText>>>(
        "SetItemText", "nItem", "nSubItem", "lpszText"),
    method<Call<list_view_get_item_data>>("GetItemData", "nItem"),
    method<Send<LVM_SETITEMW, FieldIs<LVIF_PARAM, &LV::mask>, Field<&LV::iItem>, Field<&LV::lParam>>>("SetItemData", "nItem",
                                                                                                      "dwData"),
    method<Send<LVM_GETCALLBACKMASK>>("GetCallbackMask"),
    method<Send<LVM_SETCALLBACKMASK, W<UINT>>>("SetCallbackMask", "nMask"),
    method<Send<LVM_GETITEMPOSITION, W<int>, L<POINT *>>>("GetItemPosition", "nItem", "lpPoint"),
    method<Send<LVM_SETITEMPOSITION32, W<int>, L<POINT *>>>("SetItemPosition", "nItem", "pt"),
    method<Send<LVM_SETITEMPOSITION32, W<int>, Field<&POINT::x>, Field<&POINT::y>>>("SetItemPosition", "nItem", "x", "y"),
    method<Send<LVM_GETSTRINGWIDTHW, L<LPCWSTR>>>("GetStringWidth", "lpsz"),
    method<Call<list_view_get_column>>("GetColumn", "nCol", "pColumn"),
    method<Send<LVM_SETCOLUMNW, W<int>, L<const LVCOLUMNW *>>>("SetColumn", "nCol", "pColumn"),
    method<Send<LVM_GETCOLUMNWIDTH, W<int>>>("GetColumnWidth", "nCol"),
    method<Send<LVM_SETCOLUMNWIDTH, W<int>, LLow<int>>>("SetColumnWidth", "nCol", "cx"),
    method<Send<LVM_GETVIEWRECT, L<RECT *>>>("GetViewRect", "lpRect"),
    method<Send<LVM_GETTEXTCOLOR>>("GetTextColor"),
    method<Send<LVM_SETTEXTCOLOR, L<COLORREF>>>("SetTextColor", "cr"),
    method<Send<LVM_GETTEXTBKCOLOR>>("GetTextBkColor"),
    method<Send<LVM_SETTEXTBKCOLOR, L<COLORREF>>>("SetTextBkColor", "cr"),
    method<Send<LVM_GETTOPINDEX>>("GetTopIndex"),
    method<Send<LVM_GETCOUNTPERPAGE>>("GetCountPerPage"),
    method<Send<LVM_GETORIGIN, L<POINT *>>>("GetOrigin", "lpPoint"),
    method<Send<LVM_GETSELECTEDCOUNT>>("GetSelectedCount"),
    method<Call<list_view_get_item_rect>>("GetItemRect", "nItem", "lpRect", "nCode"),
    method<Send<LVM_GETHOTCURSOR>>("GetHotCursor"),
    method<Send<LVM_SETHOTCURSOR, L<HCURSOR>>>("SetHotCursor", "hHotCursor"),
    method<Send<LVM_GETHOTITEM>>("GetHotItem"),
    method<Send<LVM_SETHOTITEM, W<int>>>("SetHotItem", "nIndex"),
    method<Call<list_view_get_sub_item_rect>>("GetSubItemRect", "nItem", "nSubItem", "nFlag", "lpRect"),
    method<Send<LVM_SETICONSPACING, LLow<int>, LHigh<int>>>("SetIconSpacing", "cx", "cy"),
    method<Call<list_view_get_isearch_string>>("GetISearchString", "lpstr"),
    overloaded<Send<LVM_GETITEMSPACING, W<UntestedFlag, 0>>>("GetItemSpacing", "bSmallIconView"),
    method<Send<LVM_GETNEXTITEM, WIs<(uint32_t)-1>, LIs<LVNI_SELECTED>>>("GetSelectedIndex"),
    method<Call<list_view_get_selected_item>>("GetSelectedItem", "pItem"),
    method<Send<LVM_GETEXTENDEDLISTVIEWSTYLE>>("GetExtendedListViewStyle"),
    method<Send<LVM_SETEXTENDEDLISTVIEWSTYLE, L<DWORD>, W<DWORD, 0>>>("SetExtendedListViewStyle", "dwExStyle",
                                                                       "dwExMask"),
    method<Send<LVM_GETITEMSTATE, W<int>, LIs<LVIS_STATEIMAGEMASK>>>("GetCheckState", "nIndex"),
    method<Call<list_view_set_check_state>>("SetCheckState", "nItem", "bCheck"),
    method<Call<list_view_get_view_type>>("GetViewType"),
    method<Call<list_view_set_view_type>>("SetViewType", "dwType"),
    method<Call<list_view_get_bk_image>>("GetBkImage", "plvbki"),
    method<Send<LVM_SETBKIMAGEW, L<const LVBKIMAGEW *>>>("SetBkImage", "plvbki"),
    method<Send<LVM_GETSELECTIONMARK>>("GetSelectionMark"),
    method<Send<LVM_SETSELECTIONMARK, L<int>>>("SetSelectionMark", "nIndex"),
    // The control writes as many rectangles as it is told there are.
    method<Send<LVM_GETWORKAREAS, W<int>, L<RECT *>, Bounds<bound::make(1, bound::Count, 0)>>>("GetWorkAreas",
                                                                                                 "nWorkAreas", "lpRect"),
    method<Send<LVM_SETWORKAREAS, W<int>, L<const RECT *>, Bounds<bound::make(1, bound::Count, 0)>>>(
        "SetWorkAreas", "nWorkAreas", "lpRect"),
    method<Send<LVM_GETHOVERTIME>>("GetHoverTime"),
    method<Send<LVM_SETHOVERTIME, L<DWORD>>>("SetHoverTime", "dwHoverTime"),
    method<Send<LVM_SETITEMCOUNT, W<int>, L<DWORD>>>("SetItemCountEx", "nItems", "dwFlags"),
    method<Send<LVM_GETUNICODEFORMAT>>("GetUnicodeFormat"),
    method<Send<LVM_SETUNICODEFORMAT, W<BOOL, 1>>>("SetUnicodeFormat", "bUnicode"),
    method<Send<LVM_GETSELECTEDCOLUMN>>("GetSelectedColumn"),
    method<Send<LVM_SETSELECTEDCOLUMN, W<int>>>("SetSelectedColumn", "nColumn"),
    method<Send<LVM_GETVIEW>>("GetView"),
    method<Send<LVM_SETVIEW, W<DWORD>>>("SetView", "dwView"),
    method<Send<LVM_ISGROUPVIEWENABLED>>("IsGroupViewEnabled"),
    method<Call<list_view_get_group_info>>("GetGroupInfo", "nGroupID", "pGroup"),
    method<Send<LVM_SETGROUPINFO, W<int>, L<LVGROUP *>>>("SetGroupInfo", "nGroupID", "pGroup"),
    method<Send<LVM_GETGROUPMETRICS, L<LVGROUPMETRICS *>>>("GetGroupMetrics", "pGroupMetrics"),
    method<Send<LVM_SETGROUPMETRICS, L<LVGROUPMETRICS *>>>("SetGroupMetrics", "pGroupMetrics"),
    method<Send<LVM_GETTILEVIEWINFO, L<LVTILEVIEWINFO *>>>("GetTileViewInfo", "pTileViewInfo"),
    method<Send<LVM_SETTILEVIEWINFO, L<LVTILEVIEWINFO *>>>("SetTileViewInfo", "pTileViewInfo"),
    method<Send<LVM_GETTILEINFO, L<LVTILEINFO *>>>("GetTileInfo", "pTileInfo"),
    method<Send<LVM_SETTILEINFO, L<LVTILEINFO *>>>("SetTileInfo", "pTileInfo"),
    method<Send<LVM_GETINSERTMARKRECT, L<RECT *>>>("GetInsertMarkRect", "lpRect"),
    method<Send<LVM_GETINSERTMARKCOLOR>>("GetInsertMarkColor"),
    method<Send<LVM_SETINSERTMARKCOLOR, L<COLORREF>>>("SetInsertMarkColor", "clr"),
    method<Send<LVM_GETOUTLINECOLOR>>("GetOutlineColor"),
    method<Send<LVM_SETOUTLINECOLOR, L<COLORREF>>>("SetOutlineColor", "clr"),
    // Operations.
    method<Send<LVM_INSERTCOLUMNW, W<int>, L<const LVCOLUMNW *>>>("InsertColumn", "nCol", "pColumn"),
    method<Call<list_view_insert_column_text>>("InsertColumn", "nCol", "lpszColumnHeading", "nFormat", "nWidth",
                                               "nSubItem"),
    method<Send<LVM_DELETECOLUMN, W<int>>>("DeleteColumn", "nCol"),
    method<Send<LVM_INSERTITEMW, L<const LVITEMW *>>>("InsertItem", "pItem"),
    method<Send<LVM_INSERTITEMW, FieldIs<LVIF_TEXT, &LV::mask>, Field<&LV::iItem>, Field<&LV::pszText>>>("InsertItem", "nItem",
                                                                                                        "lpszItem"),
    method<Send<LVM_INSERTITEMW, FieldIs<LVIF_TEXT | LVIF_IMAGE, &LV::mask>, Field<&LV::iItem>, Field<&LV::pszText>,
                Field<&LV::iImage>>>("InsertItem", "nItem", "lpszItem", "nImage"),
    method<Send<LVM_INSERTITEMW, Field<&LV::mask>, Field<&LV::iItem>, Field<&LV::pszText>, Field<&LV::state>,
                Field<&LV::stateMask>, Field<&LV::iImage>, Field<&LV::lParam>>>("InsertItem", "nMask", "nItem", "lpszItem",
                                                                                "nState", "nStateMask", "nImage", "lParam"),
    method<Send<LVM_GETNEXTITEM, W<int>, L<UINT>>>("GetNextItem", "nItem", "nFlags"),
    method<Send<LVM_DELETEITEM, W<int>>>("DeleteItem", "nItem"),
    method<Send<LVM_DELETEALLITEMS>>("DeleteAllItems"),
    method<Send<LVM_FINDITEMW, L<const LVFINDINFOW *>, W<int>>>("FindItem", "pFindInfo", "nStart"),
    overloaded<Send<LVM_HITTEST, L<LVHITTESTINFO *>>>("HitTest", "pHitTestInfo"),
    method<Send<LVM_ENSUREVISIBLE, W<int>, L<BOOL>>>("EnsureVisible", "nItem", "bPartialOK"),
    method<Call<list_view_scroll>>("Scroll", "size"),
    method<Send<LVM_REDRAWITEMS, W<int>, L<int>>>("RedrawItems", "nFirst", "nLast"),
    method<Send<LVM_ARRANGE, W<UINT>>>("Arrange", "nCode"),
    method<Send<LVM_UPDATE, W<int>>>("Update", "nItem"),
    method<Send<LVM_APPROXIMATEVIEWRECT, LLow<int, -1>, LHigh<int, -1>, W<int, -1>>>("ApproximateViewRect", "cx", "cy",
                                                                                     "nCount"),
    method<Send<LVM_SUBITEMHITTEST, L<LVHITTESTINFO *>>>("SubItemHitTest", "pInfo"),
    method<Call<list_view_add_column, -1, LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM, LVCFMT_LEFT>>(
        "AddColumn", "strItem", "nItem", "nSubItem", "nMask", "nFmt"),
    method<Call<list_view_add_item, -1>>("AddItem", "nItem", "nSubItem", "strItem", "nImageIndex"),
    method<Send<LVM_INSERTGROUP, W<int>, L<LVGROUP *>>>("InsertGroup", "nItem", "pGroup"),
    method<Send<LVM_REMOVEGROUP, W<int>>>("RemoveGroup", "nGroupID"),
    method<Send<LVM_MOVEGROUP, W<int>, L<int>>>("MoveGroup", "nGroupID", "nItem"),
    method<Send<LVM_MOVEITEMTOGROUP, W<int>, L<int>>>("MoveItemToGroup", "idItemFrom", "idGroupTo"),
    method<Send<LVM_ENABLEGROUPVIEW, W<BOOL>>>("EnableGroupView", "bEnable"),
    method<Entry<SortGroups_entry, 'A'>>("SortGroups", "pfnGroupCompare"),
    method<Entry<SortGroups_with_data_entry, 'A', 'A'>>("SortGroups", "pfnGroupCompare", "pvData"),
    method<Send<LVM_INSERTGROUPSORTED, W<LVINSERTGROUPSORTED *>>>("InsertGroupSorted", "pInsertGroupSorted"),
    method<Send<LVM_REMOVEALLGROUPS>>("RemoveAllGroups"),
    method<Send<LVM_HASGROUP, W<int>>>("HasGroup", "nGroupID"),
    method<Send<LVM_SETINFOTIP, L<LVSETINFOTIP *>>>("SetInfoTip", "pSetInfoTip"),
    method<Send<LVM_CANCELEDITLABEL>>("CancelEditLabel"),
    method<Send<LVM_MAPINDEXTOID, W<UINT>>>("MapIndexToID", "nIndex"),
    method<Send<LVM_MAPIDTOINDEX, W<UINT>>>("MapIDToIndex", "uID"),
    method<Call<list_view_select_item>>("SelectItem", "nIndex"),
};

} // namespace

const MethodTable list_view_methods = table(list_view_rows);

} // namespace savrawin
