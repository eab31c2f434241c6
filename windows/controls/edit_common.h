// What the plain and rich edit tables share: reading one line into a script buffer.
#pragma once

#include "controls.h"

namespace savrawin {

// EM_GETLINE takes its room in the buffer's first word and writes no terminator: the room is
// the given count, never more than the copy holds less a terminator.
LRESULT edit_get_line(HWND h, int line, WideBuffer buffer, int max_length);
// The same with the buffer's whole room.
LRESULT edit_get_line_room(HWND h, int line, WideBuffer buffer);

} // namespace savrawin
