#include "adapters.h"

#include <stdlib.h>
#include <string.h>

#include "../../binding/result_buffer.h"

namespace savrawin {

namespace {
// The joined text, in the module's result buffer.
template <class C> C *joined(const C *start, const C *current, size_t *at)
{
    size_t a = 0, b = 0;
    while (start && start[a]) a++;
    while (current && current[b]) b++;
    C *buffer = result_buffer<C>(a + b + 1);
    if (!buffer) return nullptr;
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

// ---- DrawText with DT_MODIFYSTRING -------------------------------------------------------------

namespace {
size_t text_units(const wchar_t *t) { return wcslen(t); }
size_t text_units(const char *t) { return strlen(t); }

// Runs draw on text, or on a copy with room for the platform's four extra characters when the
// text's own room (units, terminator included) is short of it.
template <class C, class Draw> int with_room_to_modify(C *text, int room, int count, UINT format, Draw draw)
{
    if (!text || !(format & DT_MODIFYSTRING)) return draw(text);
    size_t length = count < 0 ? text_units(text) : (size_t)count;
    if (length + 5 <= (size_t)room) return draw(text);
    C *longer = (C *)calloc(length + 5, sizeof(C));
    if (!longer) return 0;
    memcpy(longer, text, length * sizeof(C));
    int result = draw(longer);
    size_t n = text_units(longer);
    if constexpr (sizeof(C) == 2) n = units_that_fit(longer, n, (size_t)room);
    else if (n > (size_t)room - 1) n = (size_t)room - 1;
    memcpy(text, longer, n * sizeof(C));
    text[n] = 0;
    free(longer);
    return result;
}
} // namespace

int WINAPI draw_text(HDC hdc, WideBuffer lpchText, int cchText, LPRECT lprc, UINT format)
{
    return with_room_to_modify(lpchText.text, lpchText.units, cchText, format,
                               [&](wchar_t *t) { return DrawTextW(hdc, t, cchText, lprc, format); });
}

int WINAPI draw_text_a(HDC hdc, NarrowBuffer lpchText, int cchText, LPRECT lprc, UINT format)
{
    return with_room_to_modify(lpchText.text, lpchText.bytes + 1, cchText, format,
                               [&](char *t) { return DrawTextA(hdc, t, cchText, lprc, format); });
}

int WINAPI draw_text_ex(HDC hdc, WideBuffer lpchText, int cchText, LPRECT lprc, UINT format, LPDRAWTEXTPARAMS lpdtp)
{
    return with_room_to_modify(lpchText.text, lpchText.units, cchText, format,
                               [&](wchar_t *t) { return DrawTextExW(hdc, t, cchText, lprc, format, lpdtp); });
}

int WINAPI draw_text_ex_a(HDC hdc, NarrowBuffer lpchText, int cchText, LPRECT lprc, UINT format,
                          LPDRAWTEXTPARAMS lpdtp)
{
    return with_room_to_modify(lpchText.text, lpchText.bytes + 1, cchText, format,
                               [&](char *t) { return DrawTextExA(hdc, t, cchText, lprc, format, lpdtp); });
}

} // namespace savrawin
