// kernel32: time, arithmetic helpers and system folders.
#include "../../module/wrap.h"

namespace savrawin {

static const FunctionRow rows[] = {
    SAVRA_FN("GetTickCount", GetTickCount),
    SAVRA_FN("MulDiv", MulDiv, "nNumber", "nNumerator", "nDenominator"),
    SAVRA_FN("CompareFileTime", CompareFileTime, "lpFileTime1", "lpFileTime2"),
    SAVRA_FN("GetSystemTime", GetSystemTime, "lpSystemTime"),
    SAVRA_FN("SystemTimeToFileTime", SystemTimeToFileTime, "lpSystemTime", "lpFileTime"),
    SAVRA_FN("GetWindowsDirectory", GetWindowsDirectoryW, "lpBuffer", "uSize"),
    SAVRA_FN("lstrlen", lstrlenW, "lpString"),
};

void register_kernel_functions() { register_functions(rows, sizeof rows / sizeof rows[0]); }

} // namespace savrawin
