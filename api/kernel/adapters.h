// Functions the kernel family's table calls in place of a platform function, of exactly the
// platform function's type.
#pragma once

#include <windows.h>

#include <type_traits>

namespace savrawin {

// GetEnvironmentStringsW for a text result: the block's first entry, copied into a buffer the
// module reuses, and the block itself freed at once (the platform makes a copy per call).
LPWCH WINAPI first_environment_entry();

static_assert(std::is_same_v<decltype(&first_environment_entry), decltype(&::GetEnvironmentStringsW)>);

} // namespace savrawin
