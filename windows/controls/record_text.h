// What the list and tree views share: the text room of records a control fills in, and counts cut
// to a copy's room.
#pragma once

#include <windows.h>

#include <stdio.h>

#include "../../structs/model.h"
#include "../window_rows.h"

namespace savrawin {

// A record whose text pointer a control writes through, at most count units: the count must fit
// the buffer a script string set in that field (the only room the module knows); a count of 0
// writes nothing. slot counts the script's arguments, instance first.
inline void check_record_text(int slot, const char *record, const wchar_t *text, int count)
{
    if (count == 0) return;
    int room = string_field_room(text);
    if (count > 0 && room >= 0 && count <= room) return;
    char what[160];
    snprintf(what, sizeof what, "%s whose text count (%d) fits the buffer set in its text field (%d units)", record,
             count, room < 0 ? 0 : room);
    li_ArgumentError(slot, what);
}

// A count the script gives for a buffer, as the control is told it: never more than the copy's room.
inline int clamp_count(int count, int room) { return count < 0 ? 0 : count < room ? count : room; }

} // namespace savrawin
