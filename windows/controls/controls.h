// The control classes' method tables: one table per class, each a list of method rows grouped as
// the platform groups a control's messages (attributes, then operations).
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "../classes.h"
#include "../window_rows.h"

namespace savrawin {

// A message result whose two signed 16-bit halves are a point or a size: a new POINT or SIZE that
// owns its 8 bytes.
struct PackedPoint {
    uint32_t bits;
    LiValue value() const;
};
struct PackedSize {
    uint32_t bits;
    LiValue value() const;
};
using ReturnsPoint = msg::Returns<PackedPoint>;

// A class's table, as the registration walks it.
struct ControlTable {
    const char *class_name;
    LiValue *cls;
    MethodTable rows;
};
#define SAVRA_CONTROL_TABLE(Class, rows) {#Class, &cls_##Class, table(rows)}

// Text a control copies out without being told the room (a list-box item, a status pane): its
// length is asked first and the text read into a copy with room for it, then cut to the script's
// buffer without splitting a character. Returns what the get message returned.
LRESULT text_asked_by_length(HWND h, UINT length_msg, WPARAM length_wp, UINT get_msg, WPARAM wp, WideBuffer buffer);

// Text read into a copy of at least `room` units (the most the control writes there), then cut
// to the script's buffer.
LRESULT text_with_room(HWND h, UINT msg, WPARAM wp, size_t room, WideBuffer buffer);

// The tables, one line per group of controls.
extern const ControlTable static_table, button_table, list_box_table, drag_list_box_table;

// combo boxes, edits
extern const ControlTable combo_box_table, combo_box_ex_table, edit_table, rich_edit_table;

// scroll bars, tool tips, headers
extern const ControlTable scroll_bar_table, tool_tip_table, header_table;

// list views, tree views
extern const ControlTable list_view_table, tree_view_table;

// tool bars, status bars, tabs, track bars, up-downs, progress bars
extern const ControlTable tool_bar_table, status_bar_table, tab_table, track_bar_table, up_down_table, progress_bar_table;

// hot keys, animations, rebars, calendars, date pickers, IP addresses, pagers
extern const ControlTable hot_key_table, animate_table, rebar_table, month_calendar_table, date_time_picker_table, ip_address_table, pager_table;

// controls with behaviour of their own: hyperlinks, bitmap buttons (windows/hyperlink.cpp, windows/bitmap_button.cpp)
extern const ControlTable hyper_link_table, bitmap_button_table;


} // namespace savrawin
