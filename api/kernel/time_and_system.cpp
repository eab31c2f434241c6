// kernel32: the version, time, arithmetic, system information and folders, file search, modules
// and resources, environment and the string functions.
#include "../../module/wrap.h"

namespace savrawin {

static const FunctionRow rows[] = {
    SAVRA_FN("GetVersion", GetVersion),
    SAVRA_FN("GetTickCount", GetTickCount),
    SAVRA_FN("MulDiv", MulDiv, "nNumber", "nNumerator", "nDenominator"),
    SAVRA_FN("CompareFileTime", CompareFileTime, "lpFileTime1", "lpFileTime2"),
    SAVRA_FN("GetSystemTime", GetSystemTime, "lpSystemTime"),
    SAVRA_FN("SystemTimeToFileTime", SystemTimeToFileTime, "lpSystemTime", "lpFileTime"),
    SAVRA_FN("GetWindowsDirectory", GetWindowsDirectoryW, "lpBuffer", "uSize"),
    SAVRA_FN("GetModuleHandle", GetModuleHandleW, "lpModuleName"),
    SAVRA_FN("LoadLibrary", LoadLibraryW, "lpLibFileName"),
    SAVRA_FN("FindResourceW", FindResourceW, "hModule", "lpName", "lpType"),
    SAVRA_FN("LoadResource", LoadResource, "hModule", "hResInfo"),
    SAVRA_FN("SizeofResource", SizeofResource, "hModule", "hResInfo"),
    SAVRA_FN("GetEnvironmentVariable", GetEnvironmentVariableW, "lpName", "lpBuffer", "nSize"),
    SAVRA_FN("SetEnvironmentVariable", SetEnvironmentVariableW, "lpName", "lpValue"),
    SAVRA_FN("lstrlen", lstrlenW, "lpString"),
    SAVRA_FN("GetSystemInfo", GetSystemInfo, "lpSystemInfo"),
    SAVRA_FN("GetTimeZoneInformation", GetTimeZoneInformation, "lpTimeZoneInformation"),
    SAVRA_FN("FindFirstFile", FindFirstFileW, "lpFileName", "lpFindFileData"),
    SAVRA_FN("FindClose", FindClose, "hFindFile"),
    // Text results: the environment block's first entry (both names), the command line, and the
    // copied or joined text, taken from the first copy before it is written back.
    SAVRA_FN("GetEnvironmentStrings", GetEnvironmentStringsW),
    SAVRA_FN("GetEnvironmentStringsW", GetEnvironmentStringsW),
    SAVRA_FN("GetCommandLine", GetCommandLineW),
    SAVRA_FN("lstrcpyn", lstrcpynW, "lpString1", "lpString2", "iMaxLength"),
    SAVRA_FN("lstrcpy", lstrcpyW, "lpString1", "lpString2"),
    SAVRA_FN("lstrcat", lstrcatW, "lpString1", "lpString2"),
};

void register_kernel_functions() { register_functions(rows, sizeof rows / sizeof rows[0]); }

} // namespace savrawin
