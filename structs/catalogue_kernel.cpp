// Geometry and kernel structures (winnt.h, winbase.h, windef.h).
#include "catalogue.h"

namespace savrawin {

// ---- geometry --------------------------------------------------------------------------------------------------------

#define RECT_ROWS(X, T) X(T, L, left, 0) X(T, L, top, 4) X(T, L, right, 8) X(T, L, bottom, 12)
STRUCTURE(RECT, RECT, 16)
#define RECTL_ROWS(X, T) X(T, L, left, 0) X(T, L, top, 4) X(T, L, right, 8) X(T, L, bottom, 12)
STRUCTURE(RECTL, RECTL, 16)
#define POINT_ROWS(X, T) X(T, L, x, 0) X(T, L, y, 4)
STRUCTURE(POINT, POINT, 8)
#define POINTL_ROWS(X, T) X(T, L, x, 0) X(T, L, y, 4)
STRUCTURE(POINTL, POINTL, 8)
#define SIZE_ROWS(X, T) X(T, L, cx, 0) X(T, L, cy, 4)
STRUCTURE(SIZE, SIZE, 8)
#define POINTS_ROWS(X, T) X(T, S, x, 0) X(T, S, y, 2)
STRUCTURE(POINTS, POINTS, 4)

// The rows, in the creation order of class_lists.h.
SECTION(geometry_classes, GEOMETRY_CLASSES)

// ---- kernel ----------------------------------------------------------------------------------------------------------

#define FILETIME_ROWS(X, T) X(T, UL, dwLowDateTime, 0) X(T, UL, dwHighDateTime, 4)
STRUCTURE(FILETIME, FILETIME, 8)
#define OVERLAPPED_ROWS(X, T) X(T, UL, hEvent, 16)
STRUCTURE(OVERLAPPED, OVERLAPPED, 20)
#define SECURITY_ATTRIBUTES_ROWS(X, T) X(T, UL, nLength, 0) X(T, L, bInheritHandle, 8)
STRUCTURE(SECURITY_ATTRIBUTES, SECURITY_ATTRIBUTES, 12)
#define PROCESS_INFORMATION_ROWS(X, T) X(T, UL, hProcess, 0) X(T, UL, hThread, 4) X(T, UL, dwProcessId, 8)           \
    X(T, UL, dwThreadId, 12)
STRUCTURE(PROCESS_INFORMATION, PROCESS_INFORMATION, 16)
#define SYSTEMTIME_ROWS(X, T) X(T, US, wYear, 0) X(T, US, wMonth, 2) X(T, US, wDayOfWeek, 4) X(T, US, wDay, 6)       \
    X(T, US, wHour, 8) X(T, US, wMinute, 10) X(T, US, wSecond, 12) X(T, US, wMilliseconds, 14)
STRUCTURE(SYSTEMTIME, SYSTEMTIME, 16)
#define COMMPROP_ROWS(X, T) X(T, US, wPacketLength, 0) X(T, US, wPacketVersion, 2) X(T, UL, dwServiceMask, 4)        \
    X(T, UL, dwReserved1, 8) X(T, UL, dwMaxTxQueue, 12) X(T, UL, dwMaxRxQueue, 16) X(T, UL, dwMaxBaud, 20)           \
    X(T, UL, dwProvSubType, 24) X(T, UL, dwProvCapabilities, 28) X(T, UL, dwSettableParams, 32)                      \
    X(T, UL, dwSettableBaud, 36) X(T, US, wSettableData, 40) X(T, US, wSettableStopParity, 42)                       \
    X(T, UL, dwCurrentTxQueue, 44) X(T, UL, dwCurrentRxQueue, 48) X(T, UL, dwProvSpec1, 52)                          \
    X(T, UL, dwProvSpec2, 56)
STRUCTURE(COMMPROP, COMMPROP, 64)
#define COMMTIMEOUTS_ROWS(X, T) X(T, UL, ReadIntervalTimeout, 0) X(T, UL, ReadTotalTimeoutMultiplier, 4)             \
    X(T, UL, ReadTotalTimeoutConstant, 8) X(T, UL, WriteTotalTimeoutMultiplier, 12)                                  \
    X(T, UL, WriteTotalTimeoutConstant, 16)
STRUCTURE(COMMTIMEOUTS, COMMTIMEOUTS, 20)
#define SYSTEM_INFO_ROWS(X, T) X(T, UL, dwPageSize, 4) X(T, UL, dwActiveProcessorMask, 16)                           \
    X(T, UL, dwNumberOfProcessors, 20) X(T, UL, dwProcessorType, 24) X(T, UL, dwAllocationGranularity, 28)           \
    X(T, US, wProcessorLevel, 32) X(T, US, wProcessorRevision, 34)
STRUCTURE(SYSTEM_INFO, SYSTEM_INFO, 36)
#define MEMORYSTATUS_ROWS(X, T) X(T, UL, dwLength, 0) X(T, UL, dwMemoryLoad, 4)
STRUCTURE(MEMORYSTATUS, MEMORYSTATUS, 32)
#define EXCEPTION_DEBUG_INFO_ROWS(X, T) X(T, UL, dwFirstChance, 80)
STRUCTURE(EXCEPTION_DEBUG_INFO, EXCEPTION_DEBUG_INFO, 84)
#define CREATE_THREAD_DEBUG_INFO_ROWS(X, T) X(T, UL, hThread, 0)
STRUCTURE(CREATE_THREAD_DEBUG_INFO, CREATE_THREAD_DEBUG_INFO, 12)
#define CREATE_PROCESS_DEBUG_INFO_ROWS(X, T) X(T, UL, hFile, 0) X(T, UL, hProcess, 4) X(T, UL, hThread, 8)           \
    X(T, UL, dwDebugInfoFileOffset, 16) X(T, UL, nDebugInfoSize, 20) X(T, US, fUnicode, 36)
STRUCTURE(CREATE_PROCESS_DEBUG_INFO, CREATE_PROCESS_DEBUG_INFO, 40)
#define EXIT_THREAD_DEBUG_INFO_ROWS(X, T) X(T, UL, dwExitCode, 0)
STRUCTURE(EXIT_THREAD_DEBUG_INFO, EXIT_THREAD_DEBUG_INFO, 4)
#define EXIT_PROCESS_DEBUG_INFO_ROWS(X, T) X(T, UL, dwExitCode, 0)
STRUCTURE(EXIT_PROCESS_DEBUG_INFO, EXIT_PROCESS_DEBUG_INFO, 4)
#define LOAD_DLL_DEBUG_INFO_ROWS(X, T) X(T, UL, hFile, 0) X(T, UL, dwDebugInfoFileOffset, 8)                         \
    X(T, UL, nDebugInfoSize, 12) X(T, US, fUnicode, 20)
STRUCTURE(LOAD_DLL_DEBUG_INFO, LOAD_DLL_DEBUG_INFO, 24)
#define UNLOAD_DLL_DEBUG_INFO_ROWS(X, T)
STRUCTURE(UNLOAD_DLL_DEBUG_INFO, UNLOAD_DLL_DEBUG_INFO, 4)
#define OUTPUT_DEBUG_STRING_INFO_ROWS(X, T) X(T, N, lpDebugStringData, 0) X(T, US, fUnicode, 4)                      \
    X(T, US, nDebugStringLength, 6)
STRUCTURE(OUTPUT_DEBUG_STRING_INFO, OUTPUT_DEBUG_STRING_INFO, 8)
#define RIP_INFO_ROWS(X, T) X(T, UL, dwError, 0) X(T, UL, dwType, 4)
STRUCTURE(RIP_INFO, RIP_INFO, 8)
#define DEBUG_EVENT_ROWS(X, T) X(T, UL, dwDebugEventCode, 0) X(T, UL, dwProcessId, 4) X(T, UL, dwThreadId, 8)
STRUCTURE(DEBUG_EVENT, DEBUG_EVENT, 96)
// The union inside DEBUG_EVENT, which that class does not expose: one view per member.
#define DEBUG_EVENT_u_ROWS(X, T) X(T, EMB, Exception, 0, cls_EXCEPTION_DEBUG_INFO)                                   \
    X(T, EMB, CreateProcessInfo, 0, cls_CREATE_PROCESS_DEBUG_INFO)                                                   \
    X(T, EMB, ExitProcess, 0, cls_EXIT_PROCESS_DEBUG_INFO) X(T, EMB, LoadDll, 0, cls_LOAD_DLL_DEBUG_INFO)            \
    X(T, EMB, UnloadDll, 0, cls_UNLOAD_DLL_DEBUG_INFO) X(T, EMB, DebugString, 0, cls_OUTPUT_DEBUG_STRING_INFO)       \
    X(T, EMB, RipInfo, 0, cls_RIP_INFO)
STRUCTURE(DEBUG_EVENT_u, decltype(DEBUG_EVENT::u), 84)
// szPathName is read and written as ANSI text: OpenFile fills it with narrow characters.
#define OFSTRUCT_ROWS(X, T) X(T, UC, cBytes, 0) X(T, UC, fFixedDisk, 1) X(T, US, nErrCode, 2) X(T, US, Reserved1, 4) \
    X(T, US, Reserved2, 6) X(T, PATH128, szPathName, 8)
STRUCTURE(OFSTRUCT, OFSTRUCT, 136)
#define MEMORYSTATUSEX_ROWS(X, T) X(T, UL, dwLength, 0) X(T, UL, dwMemoryLoad, 4)
STRUCTURE(MEMORYSTATUSEX, MEMORYSTATUSEX, 64)
#define PROCESS_HEAP_ENTRY_ROWS(X, T) X(T, UL, cbData, 4) X(T, UC, cbOverhead, 8) X(T, UC, iRegionIndex, 9)          \
    X(T, US, wFlags, 10)
STRUCTURE(PROCESS_HEAP_ENTRY, PROCESS_HEAP_ENTRY, 28)
#define BY_HANDLE_FILE_INFORMATION_ROWS(X, T) X(T, UL, dwFileAttributes, 0)                                          \
    X(T, EMB, ftCreationTime, 4, cls_FILETIME) X(T, EMB, ftLastAccessTime, 12, cls_FILETIME)                         \
    X(T, EMB, ftLastWriteTime, 20, cls_FILETIME) X(T, UL, dwVolumeSerialNumber, 28) X(T, UL, nFileSizeHigh, 32)      \
    X(T, UL, nFileSizeLow, 36) X(T, UL, nNumberOfLinks, 40) X(T, UL, nFileIndexHigh, 44) X(T, UL, nFileIndexLow, 48)
STRUCTURE(BY_HANDLE_FILE_INFORMATION, BY_HANDLE_FILE_INFORMATION, 52)
#define TIME_ZONE_INFORMATION_ROWS(X, T) X(T, L, Bias, 0) X(T, EMB, StandardDate, 68, cls_SYSTEMTIME)                \
    X(T, L, StandardBias, 84) X(T, EMB, DaylightDate, 152, cls_SYSTEMTIME) X(T, L, DaylightBias, 168)
STRUCTURE(TIME_ZONE_INFORMATION, TIME_ZONE_INFORMATION, 172)
#define WIN32_STREAM_ID_ROWS(X, T) X(T, UL, dwStreamId, 0) X(T, UL, dwStreamAttributes, 4)                           \
    X(T, UL, dwStreamNameSize, 16)
STRUCTURE(WIN32_STREAM_ID, WIN32_STREAM_ID, 24)
#define STARTUPINFO_ROWS(X, T) X(T, UL, cb, 0) X(T, W, lpReserved, 4) X(T, W, lpDesktop, 8) X(T, W, lpTitle, 12)     \
    X(T, UL, dwX, 16) X(T, UL, dwY, 20) X(T, UL, dwXSize, 24) X(T, UL, dwYSize, 28) X(T, UL, dwXCountChars, 32)      \
    X(T, UL, dwYCountChars, 36) X(T, UL, dwFillAttribute, 40) X(T, UL, dwFlags, 44) X(T, US, wShowWindow, 48)        \
    X(T, US, cbReserved2, 50) X(T, UL, hStdInput, 56) X(T, UL, hStdOutput, 60) X(T, UL, hStdError, 64)
STRUCTURE(STARTUPINFO, STARTUPINFOW, 68)
#define WIN32_FIND_DATA_ROWS(X, T) X(T, UL, dwFileAttributes, 0) X(T, EMB, ftCreationTime, 4, cls_FILETIME)          \
    X(T, EMB, ftLastAccessTime, 12, cls_FILETIME) X(T, EMB, ftLastWriteTime, 20, cls_FILETIME)                       \
    X(T, UL, nFileSizeHigh, 28) X(T, UL, nFileSizeLow, 32) X(T, UL, dwReserved0, 36) X(T, UL, dwReserved1, 40)
STRUCTURE(WIN32_FIND_DATA, WIN32_FIND_DATAW, 592)
#define WIN32_FILE_ATTRIBUTE_DATA_ROWS(X, T) X(T, UL, dwFileAttributes, 0)                                           \
    X(T, EMB, ftCreationTime, 4, cls_FILETIME) X(T, EMB, ftLastAccessTime, 12, cls_FILETIME)                         \
    X(T, EMB, ftLastWriteTime, 20, cls_FILETIME) X(T, UL, nFileSizeHigh, 28) X(T, UL, nFileSizeLow, 32)
STRUCTURE(WIN32_FILE_ATTRIBUTE_DATA, WIN32_FILE_ATTRIBUTE_DATA, 36)
#define WIN32_FIND_STREAM_DATA_ROWS(X, T)
STRUCTURE(WIN32_FIND_STREAM_DATA, WIN32_FIND_STREAM_DATA, 600)
#define EVENTLOG_FULL_INFORMATION_ROWS(X, T) X(T, UL, dwFull, 0)
STRUCTURE(EVENTLOG_FULL_INFORMATION, EVENTLOG_FULL_INFORMATION, 4)
#define HW_PROFILE_INFO_ROWS(X, T) X(T, UL, dwDockInfo, 0)
STRUCTURE(HW_PROFILE_INFO, HW_PROFILE_INFOW, 244)
#define SYSTEM_POWER_STATUS_ROWS(X, T) X(T, UC, ACLineStatus, 0) X(T, UC, BatteryFlag, 1)                            \
    X(T, UC, BatteryLifePercent, 2) X(T, UC, Reserved1, 3) X(T, UL, BatteryLifeTime, 4)                              \
    X(T, UL, BatteryFullLifeTime, 8)
STRUCTURE(SYSTEM_POWER_STATUS, SYSTEM_POWER_STATUS, 12)
#define ACTCTX_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, dwFlags, 4) X(T, W, lpSource, 8)                              \
    X(T, US, wProcessorArchitecture, 12) X(T, US, wLangId, 14) X(T, W, lpAssemblyDirectory, 16)                      \
    X(T, W, lpResourceName, 20) X(T, W, lpApplicationName, 24) X(T, UL, hModule, 28)
STRUCTURE(ACTCTX, ACTCTXW, 32)
#define ACTCTX_SECTION_KEYED_DATA_2600_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, ulDataFormatVersion, 4)               \
    X(T, UL, ulLength, 12) X(T, UL, ulSectionGlobalDataLength, 20) X(T, UL, ulSectionTotalLength, 28)                \
    X(T, UL, hActCtx, 32) X(T, UL, ulAssemblyRosterIndex, 36)
STRUCTURE(ACTCTX_SECTION_KEYED_DATA_2600, ACTCTX_SECTION_KEYED_DATA_2600, 40)
#define ACTCTX_SECTION_KEYED_DATA_ASSEMBLY_METADATA_ROWS(X, T) X(T, UL, ulSectionLength, 8)                          \
    X(T, UL, ulSectionGlobalDataLength, 16)
STRUCTURE(ACTCTX_SECTION_KEYED_DATA_ASSEMBLY_METADATA, ACTCTX_SECTION_KEYED_DATA_ASSEMBLY_METADATA, 20)
#define ACTCTX_SECTION_KEYED_DATA_ROWS(X, T) X(T, UL, cbSize, 0) X(T, UL, ulDataFormatVersion, 4)                    \
    X(T, UL, ulLength, 12) X(T, UL, ulSectionGlobalDataLength, 20) X(T, UL, ulSectionTotalLength, 28)                \
    X(T, UL, hActCtx, 32) X(T, UL, ulAssemblyRosterIndex, 36) X(T, UL, ulFlags, 40)                                  \
    X(T, EMB, AssemblyMetadata, 44, cls_ACTCTX_SECTION_KEYED_DATA_ASSEMBLY_METADATA)
STRUCTURE(ACTCTX_SECTION_KEYED_DATA, ACTCTX_SECTION_KEYED_DATA, 64)
#define ACTIVATION_CONTEXT_BASIC_INFORMATION_ROWS(X, T) X(T, UL, hActCtx, 0) X(T, UL, dwFlags, 4)
STRUCTURE(ACTIVATION_CONTEXT_BASIC_INFORMATION, ACTIVATION_CONTEXT_BASIC_INFORMATION, 8)

// The rows, in the creation order of class_lists.h.
SECTION(kernel_classes, KERNEL_CLASSES)

} // namespace savrawin
