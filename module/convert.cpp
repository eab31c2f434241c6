#include "convert.h"

#include <stdlib.h>
#include <stddef.h>
#include <string.h>

namespace savrawin {

void throw_last_error()
{
    DWORD e = GetLastError();
    HRESULT hr = (HRESULT)e <= 0 ? (HRESULT)e : HRESULT_FROM_WIN32(e);
    throw ConversionError{hr};
}

template <class Char> Char *ConvertBuffer<Char>::reserve(long n)
{
    if (n < 0) throw ConversionError{E_INVALIDARG};
    if (n <= 128) {
        release();
        return inline_;
    }
    Char *p = (Char *)realloc(heap_, sizeof(Char) * (size_t)n);
    if (!p) throw ConversionError{E_OUTOFMEMORY};
    memset(p, 0, sizeof(Char) * (size_t)n);
    heap_ = p;
    return p;
}

template <class Char> void ConvertBuffer<Char>::release()
{
    free(heap_);
    heap_ = nullptr;
}

template class ConvertBuffer<char>;
template class ConvertBuffer<wchar_t>;

Utf8ToUtf16::Utf8ToUtf16(const char *text, size_t length)
{
    if (!text) {
        null_ = true;
        return;
    }
    long u = (long)length + 1;
    wchar_t *out = buf_.reserve(u);
    if (!MultiByteToWideChar(CP_UTF8, 0, text, (int)u, out, (int)u)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) throw_last_error();
        int need = MultiByteToWideChar(CP_UTF8, 0, text, (int)u, nullptr, 0);
        out = buf_.reserve(need);
        if (!MultiByteToWideChar(CP_UTF8, 0, text, (int)u, out, need)) throw_last_error();
    }
}

Utf16ToUtf8::Utf16ToUtf8(const wchar_t *text)
{
    if (!text) {
        null_ = true;
        return;
    }
    long u = lstrlenW(text) + 1;
    char *out = buf_.reserve(4 * u);
    if (!WideCharToMultiByte(CP_UTF8, 0, text, (int)u, out, (int)(4 * u), nullptr, nullptr)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) throw_last_error();
        int need = WideCharToMultiByte(CP_UTF8, 0, text, (int)u, nullptr, 0, nullptr, nullptr);
        out = buf_.reserve(need);
        if (!WideCharToMultiByte(CP_UTF8, 0, text, (int)u, out, need, nullptr, nullptr)) throw_last_error();
    }
}

namespace {
// The area and its state in one block, found from the thread's slot when claimed and from the
// text's address when released.
struct ScratchArea {
    void *holder; // the level of the call that holds it, or null
    size_t units;
    wchar_t text[1];
};
const DWORD scratch_slot = TlsAlloc();
} // namespace

wchar_t *claim_scratch(size_t units, void *level)
{
    if (scratch_slot == TLS_OUT_OF_INDEXES) return nullptr;
    auto *a = (ScratchArea *)TlsGetValue(scratch_slot);
    if (a && a->holder && (uintptr_t)a->holder < (uintptr_t)level) return nullptr;
    if (!a || units > a->units) {
        size_t grown = a && a->units * 2 > units ? a->units * 2 : units < 256 ? 256 : units;
        auto *b = (ScratchArea *)malloc(offsetof(ScratchArea, text) + sizeof(wchar_t) * grown);
        if (!b) return nullptr;
        free(a);
        a = b;
        a->units = grown;
        TlsSetValue(scratch_slot, a);
    }
    a->holder = level;
    return a->text;
}

void release_scratch(const wchar_t *area)
{
    auto *a = (ScratchArea *)((const char *)area - offsetof(ScratchArea, text));
    a->holder = nullptr;
}

} // namespace savrawin
