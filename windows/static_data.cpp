#include "static_data.h"

namespace savrawin {

namespace {
CRITICAL_SECTION static_data_lock;
struct LockInit {
    LockInit() { InitializeCriticalSection(&static_data_lock); }
    ~LockInit() { DeleteCriticalSection(&static_data_lock); }
} lock_init;
} // namespace

UINT registered_message_once(volatile LONG *slot, const wchar_t *name)
{
    UINT msg = (UINT)*slot;
    if (msg) return msg;
    EnterCriticalSection(&static_data_lock);
    msg = (UINT)*slot; // another thread may have registered it while this one waited
    if (!msg) {
        msg = RegisterWindowMessageW(name);
        InterlockedExchange(slot, (LONG)msg);
    }
    LeaveCriticalSection(&static_data_lock);
    return msg;
}

} // namespace savrawin
