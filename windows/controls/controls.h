// What the control classes' method tables share. Each class's table is a list of method rows grouped
// as the platform groups a control's messages (attributes, then operations); windows/classes.h
// names it on the class's row.
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

// N integers a control fills in (a selection's ends, a status bar's borders): a new list.
template <size_t N> struct IntegerList {
    int32_t items[N];
    LiValue value() const
    {
        ListBuilder list;
        for (int32_t v : items) list.add(li_CreateLong(v));
        return list.list();
    }
};

// Text a control copies out without being told the room (a list-box item, a status pane): its
// length is asked first and the text read into a copy with room for it, then cut to the script's
// buffer without splitting a character. Returns what the get message returned.
LRESULT text_asked_by_length(HWND h, UINT length_msg, WPARAM length_wp, UINT get_msg, WPARAM wp, WideBuffer buffer);

// Text read into a copy of at least `room` units (the most the control writes there), then cut
// to the script's buffer.
LRESULT text_with_room(HWND h, UINT msg, WPARAM wp, size_t room, WideBuffer buffer);

} // namespace savrawin
