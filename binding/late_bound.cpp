#include "late_bound.h"

namespace savrawin {

HMODULE late_module(const wchar_t *library)
{
    HMODULE module = GetModuleHandleW(library);
    return module ? module : LoadLibraryW(library);
}

} // namespace savrawin
