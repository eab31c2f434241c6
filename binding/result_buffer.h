// The module's one reusable block for results it makes itself (a joined text, a result longer
// than the script's buffer): grown as needed, never shrunk, and overwritten by the next call that
// uses it, by which time the wrapper has made its script value from it.
#pragma once

#include <stdlib.h>

namespace savrawin {

// Room for count elements of C, or null when memory runs out.
template <class C> C *result_buffer(size_t count)
{
    static C *buffer = nullptr;
    static size_t room = 0;
    if (count > room) {
        C *grown = (C *)realloc(buffer, sizeof(C) * count);
        if (!grown) return nullptr;
        buffer = grown;
        room = count;
    }
    return buffer;
}

} // namespace savrawin
