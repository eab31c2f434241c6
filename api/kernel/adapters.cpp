#include "adapters.h"

#include <stdlib.h>
#include <string.h>

namespace savrawin {

LPWCH WINAPI first_environment_entry()
{
    static wchar_t *entry = nullptr;
    LPWCH block = GetEnvironmentStringsW();
    if (!block) return nullptr;
    size_t n = (size_t)lstrlenW(block) + 1;
    wchar_t *copy = (wchar_t *)realloc(entry, sizeof(wchar_t) * n);
    if (copy) {
        memcpy(copy, block, sizeof(wchar_t) * n);
        entry = copy;
    }
    FreeEnvironmentStringsW(block);
    return copy;
}

} // namespace savrawin
