// UTF-8 <-> UTF-16 conversion with a 128-element inline buffer: short text never touches the heap.
#pragma once

#include <windows.h>

#include <stddef.h>

namespace savrawin {

// The failure the converters report: an HRESULT made from the platform's last error.
struct ConversionError {
    HRESULT hr;
};

// Each converter holds its result until it goes out of scope. Failures throw ConversionError;
// callers inside native entries catch it before any interpreter call (no C++ exception may
// unwind through the interpreter).
template <class Char> class ConvertBuffer {
public:
    ConvertBuffer() = default;
    ConvertBuffer(const ConvertBuffer &) = delete;
    ConvertBuffer &operator=(const ConvertBuffer &) = delete;
    ~ConvertBuffer() { release(); }
    Char *data() { return heap_ ? heap_ : inline_; }
    // Reserves n elements: the inline buffer up to 128, else a zero-filled heap block.
    Char *reserve(long n);

private:
    void release();
    Char inline_[128] = {};
    Char *heap_ = nullptr;
};

class Utf8ToUtf16 {
public:
    // length: the source's byte length (the text may hold NULs; conversion stops at the first).
    Utf8ToUtf16(const char *text, size_t length);
    const wchar_t *get() { return null_ ? nullptr : buf_.data(); }

private:
    ConvertBuffer<wchar_t> buf_;
    bool null_ = false;
};

class Utf16ToUtf8 {
public:
    explicit Utf16ToUtf8(const wchar_t *text);
    const char *get() { return null_ ? nullptr : buf_.data(); }

private:
    ConvertBuffer<char> buf_;
    bool null_ = false;
};

[[noreturn]] void throw_last_error();

// A per-thread area string arguments are widened into, kept from call to call and grown when a
// call needs more: a call with short text touches no heap. One call at a time holds it; a call
// made while it is held (from a callback inside the platform call) is told to use the heap.
// level: the collector stack's top when the claim is made. A holder is only alive while the stack
// stands above its level, so an error that unwound past the holder leaves a claim the next call
// at or below that level takes over.
wchar_t *claim_scratch(size_t units, void *level);
void release_scratch(const wchar_t *area);

} // namespace savrawin
