// Functions the kernel family's table calls in place of a platform function, of the platform
// function's type (a UTF-16 parameter may be a WideBuffer, to know the copy's room).
#pragma once

#include <windows.h>

#include <type_traits>

#include "../../binding/wrap.h"

namespace savrawin {

// GetEnvironmentStringsW for a text result: the block's first entry, copied into a buffer the
// module reuses, and the block itself freed at once (the platform makes a copy per call).
LPWCH WINAPI first_environment_entry();

static_assert(std::is_same_v<decltype(&first_environment_entry), decltype(&::GetEnvironmentStringsW)>);

// lstrcpyW, lstrcatW and lstrcpynW over the first string's copy, knowing its room: when the
// result fits, the platform function runs in place; when it does not, the result is made in the
// module's buffer and the copy receives as much of it as it holds. Either way the result is the
// whole text, and nothing is written past the copy.
LPWSTR WINAPI copy_text(WideBuffer dest, LPCWSTR src);
LPWSTR WINAPI join_text(WideBuffer dest, LPCWSTR src);
LPWSTR WINAPI copy_text_n(WideBuffer dest, LPCWSTR src, int iMaxLength);

} // namespace savrawin
