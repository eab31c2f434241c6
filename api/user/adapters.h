// The previous-character functions, of exactly the platform functions' types. A script passes
// the start and the current position as two separate strings, so the platform's pointer walk
// backwards from one into the other would read outside both. These see the two strings joined,
// the current position at the joint: the platform steps back from the joint over the last
// character of the start, and the result is the text from there to the end of the joined text
// (the last character of the start followed by the current string). An empty start gives the
// current string. So for a UTF-8 text split at a byte index i,
//     (CharPrev (substring s 0 i) (substring s i))
// returns the text from the character before i on, and the difference of the lengths is that
// character's size. Nil stands for an empty string. Neither argument is written.
#pragma once

#include <windows.h>

#include <type_traits>

#include "../../binding/wrap.h"

namespace savrawin {

LPWSTR WINAPI char_prev(LPCWSTR lpszStart, LPCWSTR lpszCurrent);
LPSTR WINAPI char_prev_a(LPCSTR lpszStart, LPCSTR lpszCurrent);
LPSTR WINAPI char_prev_ex_a(WORD CodePage, LPCSTR lpStart, LPCSTR lpCurrentChar, DWORD dwFlags);

// DrawText and DrawTextEx, of the platform functions' types but for the text, seen with its room.
// With DT_MODIFYSTRING the platform writes the shortened text back, up to four characters longer
// than the text; when the string's room cannot take that, the call runs on a longer copy and the
// string receives as much of the result as it holds.
int WINAPI draw_text(HDC hdc, WideBuffer lpchText, int cchText, LPRECT lprc, UINT format);
int WINAPI draw_text_a(HDC hdc, NarrowBuffer lpchText, int cchText, LPRECT lprc, UINT format);
int WINAPI draw_text_ex(HDC hdc, WideBuffer lpchText, int cchText, LPRECT lprc, UINT format, LPDRAWTEXTPARAMS lpdtp);
int WINAPI draw_text_ex_a(HDC hdc, NarrowBuffer lpchText, int cchText, LPRECT lprc, UINT format,
                          LPDRAWTEXTPARAMS lpdtp);

static_assert(std::is_same_v<decltype(&char_prev), decltype(&::CharPrevW)>);
static_assert(std::is_same_v<decltype(&char_prev_a), decltype(&::CharPrevA)>);
static_assert(std::is_same_v<decltype(&char_prev_ex_a), decltype(&::CharPrevExA)>);

} // namespace savrawin
