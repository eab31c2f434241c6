// Platform calls past the catalogue: files read back, global memory, the registry, enumerations
// and timers that call script functions, messages, names and formats. Where the wrapper template
// can express a call, the table row calls the platform function or an adapter of its leading
// parameters; the rest are entries that read their slots themselves.
#pragma once

#include <windows.h>

#include <tuple>
#include <type_traits>
#include <utility>

#include "../../binding/protected_eval.h"
#include "../../binding/wrap.h"

namespace savrawin {

// An out-parameter turned into the result: the value when the call succeeded, else nil (the
// platform's own error code is then in GetLastError).
struct Outcome {
    bool ok;
    int32_t value;
};
inline Outcome success(int32_t value) { return {true, value}; }
// The registry returns its status instead of setting the last error: keep it where a script looks.
inline Outcome failure(LONG status) { SetLastError((DWORD)status); return {false, 0}; }
// Found by argument-dependent lookup from the wrapper's body, so a table row can return it.
inline LiValue make_result(Outcome o) { return o.ok ? li_CreateLong(o.value) : Nil; }

// An adapter stands for a platform function when its parameters are the platform's leading ones,
// type for type; a script buffer stands for a byte or text pointer, a number for a 64-bit time.
template <class Script, class Platform> constexpr bool stands_for()
{
    if constexpr (std::is_same_v<Script, Platform>) return true;
    else if constexpr (std::is_same_v<Script, NarrowBuffer>) {
        if constexpr (std::is_pointer_v<Platform>) {
            using P = std::remove_cv_t<std::remove_pointer_t<Platform>>;
            return std::is_void_v<P> || std::is_same_v<P, BYTE> || std::is_same_v<P, char>;
        } else return false;
    } else if constexpr (std::is_same_v<Script, WideBuffer>) return std::is_same_v<Platform, LPWSTR>;
    else if constexpr (std::is_same_v<Script, double>) return std::is_same_v<Platform, const LARGE_INTEGER *>;
    else return false;
}
template <class... A, class... P, size_t... I>
constexpr bool all_stand_for(std::tuple<A...> *, std::tuple<P...> *, std::index_sequence<I...>)
{
    return (stands_for<A, std::tuple_element_t<I, std::tuple<P...>>>() && ...);
}
template <auto Adapter, auto Platform> struct leads : std::false_type {};
template <class R1, class... A, R1(WINAPI *F)(A...), class R2, class... P, R2(WINAPI *G)(P...)> struct leads<F, G> {
    static constexpr bool value = [] {
        if constexpr (sizeof...(A) > sizeof...(P)) return false;
        else return all_stand_for((std::tuple<A...> *)nullptr, (std::tuple<P...> *)nullptr, std::index_sequence_for<A...>{});
    }();
};
#define SAVRA_STANDS_FOR(adapter, platform)                                                                            \
    static_assert(::savrawin::leads<&adapter, &platform>::value, #adapter " takes the leading parameters of " #platform)

// ---- adapters (rows through the wrapper template) ------------------------------------------------
Outcome WINAPI read_file(HANDLE hFile, NarrowBuffer lpBuffer, DWORD nNumberOfBytesToRead);
Outcome WINAPI write_file(HANDLE hFile, NarrowBuffer lpBuffer, DWORD nNumberOfBytesToWrite);
LPWSTR WINAPI user_name();
LPWSTR WINAPI computer_name();
Outcome WINAPI open_key(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired);
Outcome WINAPI create_key(HKEY hKey, LPCWSTR lpSubKey, DWORD Reserved, LPWSTR lpClass, DWORD dwOptions,
                          REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes);
LPWSTR WINAPI enum_key(HKEY hKey, DWORD dwIndex);
BOOL WINAPI set_waitable_timer(HANDLE hTimer, double lpDueTime, LONG lPeriod);

// ---- entries that read their own slots --------------------------------------------------------------
LiValue GlobalReadBytes_entry();
LiValue GlobalWriteBytes_entry();
LiValue RegQueryValueEx_entry();
LiValue RegSetValueEx_entry();
LiValue RegEnumValue_entry();
LiValue FormatMessage_entry();
LiValue GetEnvironmentList_entry();
LiValue WaitForMultipleObjects_entry();
LiValue MsgWaitForMultipleObjects_entry();
LiValue EnumChildWindows_entry();
LiValue EnumThreadWindows_entry();
LiValue EnumDesktopWindows_entry();
LiValue SetTimer_entry();

} // namespace savrawin
