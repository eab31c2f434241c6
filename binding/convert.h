// UTF-8 <-> UTF-16, the one place the module converts text. Nothing here raises an interpreter
// error or throws: a caller that holds memory decides what a failure means after giving it back.
#pragma once

#include <windows.h>

#include <stddef.h>

#include "savra.h"

namespace savrawin {

// text (length bytes, a terminator past them) into buf of n >= length + 1 units, zeroed past the
// text: a platform function that reads on (a count longer than the text, a list ended by two
// terminators) finds terminators, not stale memory. The copy stops at the first NUL. Returns the
// units written before the terminator; *exact, when asked, whether the text widened without loss
// (plain ASCII or valid UTF-8), that is whether narrowing it again gives the same bytes.
int widen(const char *text, int length, wchar_t *buf, int n, bool *exact = nullptr);
// The room a copy of string v gets: its length and a terminator, so a pre-sized string works as
// an output buffer (the text itself never needs more).
inline int wide_room(LiValue v) { return (int)li_StringLength(v) + 1; }
// String or buffer v's text as UTF-16 in buf (units long, room for the text and its terminator),
// zeroed past the text.
void widen_into(LiValue v, wchar_t *buf, int units);
// A fresh heap copy of a script string, sized L + 1 units so a pre-sized string works as an output
// buffer. NULL for nil, for a buffer that is not a string and when memory runs out. *length, when
// asked for, receives the text's length in units (up to its first NUL).
wchar_t *make_wide_copy(LiValue v, int *length = nullptr);
// The whole of bytes of text, NULs inside it included, then two terminators: a list of texts each
// ended by a NUL and the list by an empty one. A heap block (free it), NULL when memory runs out.
wchar_t *widen_list(const char *text, int bytes);

// How many of text's length units fit in room units with a terminator, without splitting a
// surrogate pair.
size_t units_that_fit(const wchar_t *text, size_t length, size_t room);
// text narrowed into script string s in place: at most its length in bytes, whole characters
// only, the length unchanged (the interpreter keeps a terminator byte past it).
void narrow_into(LiValue s, const wchar_t *text);
// A new script string: text up to its terminator, or its first units units when units >= 0
// (stopping early at a terminator). Nil for NULL.
LiValue wide_text_result(const wchar_t *text, int units = -1);

// A per-thread area the string arguments too long for the wrapper's frame are widened into, kept
// from call to call and grown when a call needs more. One call at a time holds it; a call
// made while it is held (from a callback inside the platform call) is told to use the heap.
// level: the collector stack's top when the claim is made. A holder is only alive while the stack
// stands above its level, so an error that unwound past the holder leaves a claim the next call
// at or below that level takes over.
wchar_t *claim_scratch(size_t units, void *level);
void release_scratch(const wchar_t *area);

// A script string (or nil) widened on the heap for the span of one platform call. Nothing between
// making it and its end may raise an interpreter error, which would unwind past the destructor:
// check failed() and raise after it has gone.
class WideText {
public:
    explicit WideText(LiValue v);
    ~WideText();
    WideText(const WideText &) = delete;
    WideText &operator=(const WideText &) = delete;
    const wchar_t *get() const { return text_; }
    int length() const { return length_; }
    // Memory ran out for a string that was given.
    bool failed() const { return failed_; }

private:
    wchar_t *text_ = nullptr;
    int length_ = 0;
    bool failed_ = false;
};

} // namespace savrawin
