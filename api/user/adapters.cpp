#include "adapters.h"

#include <stdlib.h>
#include <string.h>

namespace savrawin {

namespace {
// The joined text lives in one buffer that grows as needed and is reused by the next call; the
// wrapper has made its result from it before then.
template <class C> C *joined(const C *start, const C *current, size_t *at)
{
    static C *buffer = nullptr;
    static size_t capacity = 0;
    size_t a = 0, b = 0;
    while (start && start[a]) a++;
    while (current && current[b]) b++;
    if (a + b + 1 > capacity) {
        C *bigger = (C *)realloc(buffer, sizeof(C) * (a + b + 1));
        if (!bigger) return nullptr;
        buffer = bigger;
        capacity = a + b + 1;
    }
    if (a) memcpy(buffer, start, sizeof(C) * a);
    if (b) memcpy(buffer + a, current, sizeof(C) * b);
    buffer[a + b] = 0;
    *at = a;
    return buffer;
}
} // namespace

LPWSTR WINAPI char_prev(LPCWSTR lpszStart, LPCWSTR lpszCurrent)
{
    size_t at;
    wchar_t *text = joined(lpszStart, lpszCurrent, &at);
    return text ? CharPrevW(text, text + at) : nullptr;
}

LPSTR WINAPI char_prev_a(LPCSTR lpszStart, LPCSTR lpszCurrent)
{
    size_t at;
    char *text = joined(lpszStart, lpszCurrent, &at);
    return text ? CharPrevA(text, text + at) : nullptr;
}

LPSTR WINAPI char_prev_ex_a(WORD CodePage, LPCSTR lpStart, LPCSTR lpCurrentChar, DWORD dwFlags)
{
    size_t at;
    char *text = joined(lpStart, lpCurrentChar, &at);
    return text ? CharPrevExA(CodePage, text, text + at, dwFlags) : nullptr;
}

} // namespace savrawin
