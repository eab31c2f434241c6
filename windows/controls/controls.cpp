// What the control tables share: reading text a control copies out, the class-name globals, and
// the registration of every table.
#include "controls.h"

#include <stdlib.h>
#include <string.h>

#include "../static_data.h"

namespace savrawin {

namespace {

// The text in copy (room units, terminated) into the script's buffer, cut to its room.
void cut_into(const wchar_t *copy, WideBuffer buffer)
{
    if (!buffer.text || buffer.units <= 0) return;
    size_t n = units_that_fit(copy, wcslen(copy), (size_t)buffer.units);
    memmove(buffer.text, copy, n * sizeof(wchar_t));
    buffer.text[n] = 0;
}

LRESULT send_into_copy(HWND h, UINT msg, WPARAM wp, size_t room, WideBuffer buffer)
{
    if (!buffer.text) return SendMessageW(h, msg, wp, 0);
    if (room <= (size_t)buffer.units) return SendMessageW(h, msg, wp, (LPARAM)buffer.text);
    wchar_t *copy = (wchar_t *)calloc(room, sizeof(wchar_t));
    if (!copy) return -1;
    LRESULT r = SendMessageW(h, msg, wp, (LPARAM)copy);
    copy[room - 1] = 0;
    cut_into(copy, buffer);
    free(copy);
    return r;
}

} // namespace

LRESULT text_asked_by_length(HWND h, UINT length_msg, WPARAM length_wp, UINT get_msg, WPARAM wp, WideBuffer buffer)
{
    LRESULT length = SendMessageW(h, length_msg, length_wp, 0);
    if (length < 0) return length; // no such item: the platform's error value, nothing sent
    return send_into_copy(h, get_msg, wp, (size_t)length + 1, buffer);
}

LRESULT text_with_room(HWND h, UINT msg, WPARAM wp, size_t room, WideBuffer buffer)
{
    return send_into_copy(h, msg, wp, room, buffer);
}

namespace {
LiValue packed_pair(LiValue cls, uint32_t packed)
{
    LONG *pair = (LONG *)LI_Malloc(2 * sizeof(LONG));
    pair[0] = (SHORT)LOWORD(packed);
    pair[1] = (SHORT)HIWORD(packed);
    return li_CreateNonNullInstanceAlloc(pair, cls, Nil);
}
} // namespace

LiValue PackedPoint::value() const { return packed_pair(cls_POINT, bits); }
LiValue PackedSize::value() const { return packed_pair(cls_SIZE, bits); }

// ---- the class-name globals ------------------------------------------------------------------------

namespace {

#define CLASS_NAME(Class, text)                                                                                        \
    constexpr wchar_t Class##_name[] = text;                                                                           \
    LiValue Class##_GetWndClassName() { return wide_text_result(Class##_name); }
CLASS_NAME(SStatic, L"STATIC")
CLASS_NAME(SButton, L"BUTTON")
CLASS_NAME(SListBox, L"LISTBOX")
CLASS_NAME(SComboBox, L"COMBOBOX")
CLASS_NAME(SEdit, L"EDIT")
CLASS_NAME(SScrollBar, L"SCROLLBAR")
CLASS_NAME(SToolTipCtrl, TOOLTIPS_CLASSW)
CLASS_NAME(SHeaderCtrl, WC_HEADERW)
CLASS_NAME(SListViewCtrl, WC_LISTVIEWW)
CLASS_NAME(STreeViewCtrl, WC_TREEVIEWW)
CLASS_NAME(SToolBarCtrl, TOOLBARCLASSNAMEW)
CLASS_NAME(SStatusBarCtrl, STATUSCLASSNAMEW)
CLASS_NAME(STabCtrl, WC_TABCONTROLW)
CLASS_NAME(STrackBarCtrl, TRACKBAR_CLASSW)
CLASS_NAME(SUpDownCtrl, UPDOWN_CLASSW)
CLASS_NAME(SProgressBarCtrl, PROGRESS_CLASSW)
CLASS_NAME(SHotKeyCtrl, HOTKEY_CLASSW)
CLASS_NAME(SAnimateCtrl, ANIMATE_CLASSW)
CLASS_NAME(SRichEditCtrl, RICHEDIT_CLASSW)
CLASS_NAME(SReBarCtrl, REBARCLASSNAMEW)
CLASS_NAME(SComboBoxEx, WC_COMBOBOXEXW)
CLASS_NAME(SMonthCalendarCtrl, MONTHCAL_CLASSW)
CLASS_NAME(SDateTimePickerCtrl, DATETIMEPICK_CLASSW)
CLASS_NAME(SIPAddressCtrl, WC_IPADDRESSW)
CLASS_NAME(SPagerCtrl, WC_PAGESCROLLERW)
#undef CLASS_NAME

// The library the script loads before it creates a rich edit control; the module never does.
LiValue SRichEditCtrl_GetLibraryName() { return wide_text_result(L"RICHED20.DLL"); }

volatile LONG drag_list_message;
LiValue SDragListBox_GetDragListMessage()
{
    return li_CreateLong((int32_t)registered_message_once(&drag_list_message, L"commctrl_DragListMsg"));
}

struct GlobalRow {
    const char *name;
    LiEntry entry;
};
#define GLOBAL(Class, fn) {#Class "_" #fn, Class##_##fn}

// Each class's globals, registered with its methods.
const GlobalRow class_globals[] = {
    GLOBAL(SStatic, GetWndClassName),
    GLOBAL(SButton, GetWndClassName),
    GLOBAL(SListBox, GetWndClassName),
    GLOBAL(SDragListBox, GetDragListMessage),
    GLOBAL(SComboBox, GetWndClassName),
    GLOBAL(SComboBoxEx, GetWndClassName),
    GLOBAL(SEdit, GetWndClassName),
    GLOBAL(SRichEditCtrl, GetWndClassName),
    GLOBAL(SRichEditCtrl, GetLibraryName),
    GLOBAL(SScrollBar, GetWndClassName),
    GLOBAL(SToolTipCtrl, GetWndClassName),
    GLOBAL(SHeaderCtrl, GetWndClassName),
    GLOBAL(SListViewCtrl, GetWndClassName),
    GLOBAL(STreeViewCtrl, GetWndClassName),
    GLOBAL(SToolBarCtrl, GetWndClassName),
    GLOBAL(SStatusBarCtrl, GetWndClassName),
    GLOBAL(STabCtrl, GetWndClassName),
    GLOBAL(STrackBarCtrl, GetWndClassName),
    GLOBAL(SUpDownCtrl, GetWndClassName),
    GLOBAL(SProgressBarCtrl, GetWndClassName),
    GLOBAL(SHotKeyCtrl, GetWndClassName),
    GLOBAL(SAnimateCtrl, GetWndClassName),
    GLOBAL(SReBarCtrl, GetWndClassName),
    GLOBAL(SMonthCalendarCtrl, GetWndClassName),
    GLOBAL(SDateTimePickerCtrl, GetWndClassName),
    GLOBAL(SIPAddressCtrl, GetWndClassName),
    GLOBAL(SPagerCtrl, GetWndClassName),
};
#undef GLOBAL

// In the order the classes are created; one line per group of controls.
const ControlTable *const tables[] = {
    // standard controls
    &static_table, &button_table, &list_box_table, &drag_list_box_table,

    // combo boxes, edits
    &combo_box_table, &combo_box_ex_table, &edit_table, &rich_edit_table,

    // scroll bars, tool tips, headers
    &scroll_bar_table, &tool_tip_table, &header_table,

    // list views, tree views
    &list_view_table, &tree_view_table,

    // tool bars, status bars, tabs, track bars, up-downs, progress bars
    &tool_bar_table, &status_bar_table, &tab_table, &track_bar_table, &up_down_table, &progress_bar_table,

    // hot keys, animations, rebars, calendars, date pickers, IP addresses, pagers
    &hot_key_table, &animate_table, &rebar_table, &month_calendar_table, &date_time_picker_table, &ip_address_table, &pager_table,
};

} // namespace

void register_control_methods()
{
    for (const ControlTable *t : tables) register_methods(*t->cls, t->class_name, t->rows);
    for (const GlobalRow &g : class_globals) li_CLFunction(g.name, g.entry, 0);
}

} // namespace savrawin
