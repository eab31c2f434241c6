// kernel32: time, arithmetic helpers, system information and folders, file search.
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
    SAVRA_FN("GetSystemInfo", GetSystemInfo, "lpSystemInfo"),
    SAVRA_FN("GetTimeZoneInformation", GetTimeZoneInformation, "lpTimeZoneInformation"),
    SAVRA_FN("FindFirstFile", FindFirstFileW, "lpFileName", "lpFindFileData"),
    SAVRA_FN("FindClose", FindClose, "hFindFile"),
};

void register_kernel_functions() { register_functions(rows, sizeof rows / sizeof rows[0]); }

} // namespace savrawin
