// The calls past the catalogue, registered after it from this table of their own, so the
// catalogue's names, counts and order stay as they are. Parameter names are the SDK's, in its
// order; what a script cannot give (an out-parameter that becomes the result, a size the data
// implies, an overlapped request, a completion routine) is left out, always from the end.
#include "beyond.h"

namespace savrawin {

namespace {

using bound::make;

const FunctionRow rows[] = {
    // ---- Files: the count never exceeds the script string
    SAVRA_FN_BOUNDED("ReadFile", read_file, SAVRA_BOUNDS(make(1, bound::Count, 2)), "hFile", "lpBuffer",
                     "nNumberOfBytesToRead"),
    SAVRA_FN_BOUNDED("WriteFile", write_file, SAVRA_BOUNDS(make(1, bound::Count, 2)), "hFile", "lpBuffer",
                     "nNumberOfBytesToWrite"),
    SAVRA_FN("GetFileSize", GetFileSize, "hFile", "lpFileSizeHigh"),
    SAVRA_FN("SetFilePointer", SetFilePointer, "hFile", "lDistanceToMove", "lpDistanceToMoveHigh", "dwMoveMethod"),
    // ---- Global memory; bytes go in and out by copies bounded by the block
    SAVRA_FN("GlobalAlloc", GlobalAlloc, "uFlags", "dwBytes"),
    SAVRA_FN("GlobalReAlloc", GlobalReAlloc, "hMem", "dwBytes", "uFlags"),
    SAVRA_FN("GlobalSize", GlobalSize, "hMem"),
    SAVRA_FN("GlobalFlags", GlobalFlags, "hMem"),
    SAVRA_FN("GlobalLock", GlobalLock, "hMem"),
    SAVRA_FN("GlobalUnlock", GlobalUnlock, "hMem"),
    SAVRA_FN("GlobalFree", GlobalFree, "hMem"),
    SAVRA_ENTRY("GlobalReadBytes", GlobalReadBytes_entry, "hMem", "dwOffset", "dwBytes"),
    SAVRA_ENTRY("GlobalWriteBytes", GlobalWriteBytes_entry, "hMem", "dwOffset", "lpSource"),
    // ---- The registry
    SAVRA_FN("RegOpenKeyEx", open_key, "hKey", "lpSubKey", "ulOptions", "samDesired"),
    SAVRA_FN("RegCreateKeyEx", create_key, "hKey", "lpSubKey", "Reserved", "lpClass", "dwOptions", "samDesired",
             "lpSecurityAttributes"),
    SAVRA_FN("RegCloseKey", RegCloseKey, "hKey"),
    SAVRA_FN("RegFlushKey", RegFlushKey, "hKey"),
    SAVRA_FN("RegDeleteKey", RegDeleteKeyW, "hKey", "lpSubKey"),
    SAVRA_FN("RegDeleteValue", RegDeleteValueW, "hKey", "lpValueName"),
    SAVRA_ENTRY("RegQueryValueEx", RegQueryValueEx_entry, "hKey", "lpValueName"),
    SAVRA_ENTRY("RegSetValueEx", RegSetValueEx_entry, "hKey", "lpValueName", "Reserved", "dwType", "lpData"),
    SAVRA_FN("RegEnumKeyEx", enum_key, "hKey", "dwIndex"),
    SAVRA_ENTRY("RegEnumValue", RegEnumValue_entry, "hKey", "dwIndex"),
    // ---- Enumerations and timers that call a script function
    SAVRA_ENTRY("EnumChildWindows", EnumChildWindows_entry, "hWndParent", "lpEnumFunc", "lParam"),
    SAVRA_ENTRY("EnumThreadWindows", EnumThreadWindows_entry, "dwThreadId", "lpfn", "lParam"),
    SAVRA_ENTRY("EnumDesktopWindows", EnumDesktopWindows_entry, "hDesktop", "lpfn", "lParam"),
    SAVRA_ENTRY("SetTimer", SetTimer_entry, "hWnd", "nIDEvent", "uElapse", "lpTimerFunc"),
    // ---- Messages, names, formats
    SAVRA_ENTRY("FormatMessage", FormatMessage_entry, "dwFlags", "lpSource", "dwMessageId", "dwLanguageId"),
    SAVRA_FN_BOUNDED("GetFullPathName", GetFullPathNameW, SAVRA_BOUNDS(make(2, bound::Count, 1)), "lpFileName",
                     "nBufferLength", "lpBuffer", "lpFilePart"),
    SAVRA_FN_BOUNDED("GetLongPathName", GetLongPathNameW, SAVRA_BOUNDS(make(1, bound::Count, 2)), "lpszShortPath",
                     "lpszLongPath", "cchBuffer"),
    SAVRA_FN_BOUNDED("GetShortPathName", GetShortPathNameW, SAVRA_BOUNDS(make(1, bound::Count, 2)), "lpszLongPath",
                     "lpszShortPath", "cchBuffer"),
    SAVRA_FN("GetUserName", user_name),
    SAVRA_FN("GetComputerName", computer_name),
    SAVRA_FN_BOUNDED("GetDateFormat", GetDateFormatW, SAVRA_BOUNDS(make(4, bound::Count, 5)), "Locale", "dwFlags",
                     "lpDate", "lpFormat", "lpDateStr", "cchDate"),
    SAVRA_FN_BOUNDED("GetTimeFormat", GetTimeFormatW, SAVRA_BOUNDS(make(4, bound::Count, 5)), "Locale", "dwFlags",
                     "lpTime", "lpFormat", "lpTimeStr", "cchTime"),
    SAVRA_ENTRY("GetEnvironmentList", GetEnvironmentList_entry),
    // ---- Waits and waitable timers
    SAVRA_ENTRY("WaitForMultipleObjects", WaitForMultipleObjects_entry, "nCount", "lpHandles", "bWaitAll",
                "dwMilliseconds"),
    SAVRA_ENTRY("MsgWaitForMultipleObjects", MsgWaitForMultipleObjects_entry, "nCount", "pHandles", "fWaitAll",
                "dwMilliseconds", "dwWakeMask"),
    SAVRA_FN("SetWaitableTimer", set_waitable_timer, "hTimer", "lpDueTime", "lPeriod"),
};

} // namespace

static LiValue catalogue_entry()
{
    ListBuilder names;
    for (const FunctionRow &r : rows) names.add(li_CreateString(r.name));
    return names.list();
}

// The names, a list of strings, so the reference can list them apart.
const LaterRow catalogue[] = {SAVRA_LATER("_beyond_catalogue_", li_CLFunction(name, catalogue_entry, 0))};

void register_beyond_functions()
{
    register_functions(rows, sizeof rows / sizeof rows[0]);
    register_later(catalogue);
}

} // namespace savrawin
