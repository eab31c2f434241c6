// Item records whose text the control copies into the record's own text field (a tab's or a tool
// bar button's): the count the script set there must fit the room that field's text was made
// with, so the control never writes past it.
#pragma once

#include <stdio.h>

#include "../../structs/model.h"
#include "savra.h"

namespace savrawin {

// Raises the argument error for argument `slot` (counting the instance) when `count` units do not
// fit the room of `text`; a text the module did not make (room unknown) is the script's affair.
inline void check_item_text_room(const wchar_t *text, int count, int slot, const char *count_field,
                                 const char *text_field)
{
    int room = text ? string_field_room(text) : -1;
    if (room < 0 || (count >= 0 && count <= room)) return;
    char what[160];
    snprintf(what, sizeof what, "a record whose %s (%d) fits the %d units of its %s", count_field, count, room, text_field);
    li_ArgumentError(slot, what);
}

} // namespace savrawin
