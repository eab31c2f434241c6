// What the control tables share: reading text a control copies out, and results packed into one
// message result.
#include "controls.h"

#include <stdlib.h>
#include <string.h>


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

LiValue PackedPoint::value() const { return packed_pair(made_class(cls_POINT), bits); }
LiValue PackedSize::value() const { return packed_pair(made_class(cls_SIZE), bits); }

} // namespace savrawin
