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

} // namespace savrawin
