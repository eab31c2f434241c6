#include "adapters.h"

#include <stdlib.h>
#include <string.h>

#include "../../binding/result_buffer.h"

namespace savrawin {

namespace {
// The result first + second (lengths in units) made whole in the module's buffer, and dest given
// as much of it as its room holds; null when memory runs out.
LPWSTR whole_result(WideBuffer dest, const wchar_t *first, size_t first_length, const wchar_t *second,
                    size_t second_length)
{
    size_t length = first_length + second_length;
    wchar_t *out = result_buffer<wchar_t>(length + 1);
    if (!out) return nullptr;
    memcpy(out, first, sizeof(wchar_t) * first_length);
    if (second_length) memcpy(out + first_length, second, sizeof(wchar_t) * second_length);
    out[length] = 0;
    size_t n = units_that_fit(out, length, (size_t)dest.units);
    memcpy(dest.text, out, sizeof(wchar_t) * n);
    dest.text[n] = 0;
    return out;
}
} // namespace

LPWCH WINAPI first_environment_entry()
{
    LPWCH block = GetEnvironmentStringsW();
    if (!block) return nullptr;
    size_t n = (size_t)lstrlenW(block) + 1;
    wchar_t *copy = result_buffer<wchar_t>(n);
    if (copy) memcpy(copy, block, sizeof(wchar_t) * n);
    FreeEnvironmentStringsW(block);
    return copy;
}

LPWSTR WINAPI copy_text(WideBuffer dest, LPCWSTR src)
{
    if (!dest.text || !src) return lstrcpyW(dest.text, src); // the platform's own answer to null
    size_t length = wcslen(src);
    if (length < (size_t)dest.units) return lstrcpyW(dest.text, src);
    return whole_result(dest, src, length, nullptr, 0);
}

LPWSTR WINAPI join_text(WideBuffer dest, LPCWSTR src)
{
    if (!dest.text || !src) return lstrcatW(dest.text, src);
    size_t first = wcslen(dest.text), second = wcslen(src);
    if (first + second < (size_t)dest.units) return lstrcatW(dest.text, src);
    return whole_result(dest, dest.text, first, src, second);
}

LPWSTR WINAPI copy_text_n(WideBuffer dest, LPCWSTR src, int iMaxLength)
{
    if (!dest.text || !src) return lstrcpynW(dest.text, src, iMaxLength);
    // the platform takes the count as unsigned: a negative one bounds nothing
    size_t length = wcslen(src);
    if (iMaxLength > 0 && (size_t)iMaxLength <= length) length = (size_t)iMaxLength - 1;
    if (iMaxLength == 0 || length < (size_t)dest.units) return lstrcpynW(dest.text, src, iMaxLength);
    return whole_result(dest, src, length, nullptr, 0);
}

} // namespace savrawin
