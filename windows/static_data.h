// The module's static-data lock: one-time initialisation of data shared by every thread.
#pragma once

#include <windows.h>

namespace savrawin {

// The number the platform gives the window message `name`, registered once: later calls, from
// any thread, read the kept number without registering again.
UINT registered_message_once(volatile LONG *slot, const wchar_t *name);

} // namespace savrawin
