#include "adapters.h"

#include <stdlib.h>
#include <string.h>

namespace savrawin {

namespace {
// One buffer of the module's for text results, reused: each result is converted before the next
// call can need it.
wchar_t *result_buffer(size_t units)
{
    static wchar_t *buffer = nullptr;
    static size_t room = 0;
    if (units > room) {
        wchar_t *grown = (wchar_t *)realloc(buffer, sizeof(wchar_t) * units);
        if (!grown) return nullptr;
        buffer = grown;
        room = units;
    }
    return buffer;
}

// Puts text (length units, terminated) into dest as far as its room allows, without splitting a
// surrogate pair; returns text, the whole result.
LPWSTR fit(WideBuffer dest, wchar_t *text, size_t length)
{
    size_t n = length < (size_t)dest.units - 1 ? length : (size_t)dest.units - 1;
    if (n < length && n > 0 && IS_HIGH_SURROGATE(text[n - 1])) n--;
    memcpy(dest.text, text, sizeof(wchar_t) * n);
    dest.text[n] = 0;
    return text;
}
} // namespace

LPWCH WINAPI first_environment_entry()
{
    LPWCH block = GetEnvironmentStringsW();
    if (!block) return nullptr;
    size_t n = (size_t)lstrlenW(block) + 1;
    wchar_t *copy = result_buffer(n);
    if (copy) memcpy(copy, block, sizeof(wchar_t) * n);
    FreeEnvironmentStringsW(block);
    return copy;
}

LPWSTR WINAPI copy_text(WideBuffer dest, LPCWSTR src)
{
    if (!dest.text || !src) return lstrcpyW(dest.text, src); // the platform's own answer to null
    size_t length = wcslen(src);
    if (length < (size_t)dest.units) return lstrcpyW(dest.text, src);
    wchar_t *out = result_buffer(length + 1);
    if (!out) return nullptr;
    memcpy(out, src, sizeof(wchar_t) * (length + 1));
    return fit(dest, out, length);
}

LPWSTR WINAPI join_text(WideBuffer dest, LPCWSTR src)
{
    if (!dest.text || !src) return lstrcatW(dest.text, src);
    size_t first = wcslen(dest.text), second = wcslen(src);
    if (first + second < (size_t)dest.units) return lstrcatW(dest.text, src);
    wchar_t *out = result_buffer(first + second + 1);
    if (!out) return nullptr;
    memcpy(out, dest.text, sizeof(wchar_t) * first);
    memcpy(out + first, src, sizeof(wchar_t) * (second + 1));
    return fit(dest, out, first + second);
}

LPWSTR WINAPI copy_text_n(WideBuffer dest, LPCWSTR src, int iMaxLength)
{
    if (!dest.text || !src) return lstrcpynW(dest.text, src, iMaxLength);
    // the platform takes the count as unsigned: a negative one bounds nothing
    size_t length = wcslen(src);
    if (iMaxLength > 0 && (size_t)iMaxLength <= length) length = (size_t)iMaxLength - 1;
    if (iMaxLength == 0 || length < (size_t)dest.units) return lstrcpynW(dest.text, src, iMaxLength);
    wchar_t *out = result_buffer(length + 1);
    if (!out) return nullptr;
    memcpy(out, src, sizeof(wchar_t) * length);
    out[length] = 0;
    return fit(dest, out, length);
}

} // namespace savrawin
