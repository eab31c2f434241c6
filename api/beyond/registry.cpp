// The registry with typed values: REG_SZ and REG_EXPAND_SZ are strings, REG_DWORD an integer,
// REG_MULTI_SZ a list of strings, any other type the value's bytes as a byte string. A key
// opened or created is the result; a failure is nil with the status in GetLastError.
#include <stdlib.h>
#include <string.h>

#include "beyond.h"

#define A(i) ArgBase[i]

namespace savrawin {

Outcome WINAPI open_key(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions, REGSAM samDesired)
{
    HKEY key = nullptr;
    LONG status = RegOpenKeyExW(hKey, lpSubKey, ulOptions, samDesired, &key);
    return status == ERROR_SUCCESS ? success((int32_t)(uintptr_t)key) : failure(status);
}
SAVRA_STANDS_FOR(open_key, RegOpenKeyExW);

Outcome WINAPI create_key(HKEY hKey, LPCWSTR lpSubKey, DWORD Reserved, LPWSTR lpClass, DWORD dwOptions,
                          REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes)
{
    HKEY key = nullptr;
    LONG status = RegCreateKeyExW(hKey, lpSubKey, Reserved, lpClass, dwOptions, samDesired, lpSecurityAttributes, &key,
                                  nullptr);
    return status == ERROR_SUCCESS ? success((int32_t)(uintptr_t)key) : failure(status);
}
SAVRA_STANDS_FOR(create_key, RegCreateKeyExW);

// A key name is at most 255 characters.
LPWSTR WINAPI enum_key(HKEY hKey, DWORD dwIndex)
{
    static wchar_t name[256];
    DWORD units = 256;
    LONG status = RegEnumKeyExW(hKey, dwIndex, name, &units, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) return failure(status), nullptr;
    return name;
}
SAVRA_STANDS_FOR(enum_key, RegEnumKeyExW);

namespace {

// A value name is at most 16,383 characters.
constexpr int value_name_units = 16384;

// The value name of slot i into name (nil: the key's default value, name is then null).
wchar_t *value_name(int i, wchar_t *name)
{
    check_text_arg(A(i));
    if (!li_StringP(A(i))) return nullptr;
    // UTF-16 never needs more units than UTF-8 has bytes
    if (li_Length(A(i)) >= value_name_units) li_ArgumentError(i, "a value name of at most 16,383 characters");
    widen_into(A(i), name, value_name_units);
    return name;
}

// Data of a value of type type, count bytes, as a script value.
LiValue typed_value(DWORD type, const BYTE *data, DWORD count)
{
    switch (type) {
    case REG_DWORD: {
        DWORD v = 0;
        memcpy(&v, data, count < sizeof v ? count : sizeof v);
        return li_CreateLong((int32_t)v);
    }
    case REG_SZ:
    case REG_EXPAND_SZ: return wide_text_result((const wchar_t *)data); // terminated: see read_data
    case REG_MULTI_SZ: {
        // Strings one after another, each with its terminator; an empty one ends the list.
        const wchar_t *p = (const wchar_t *)data, *end = p + count / sizeof(wchar_t);
        ListBuilder list;
        for (; p < end && *p; p += wcslen(p) + 1) list.add(wide_text_result(p));
        return list.list();
    }
    default: return li_CreateStringN((const char *)data, (int)count);
    }
}

// Reads a value's data with read(data, &count) into a new byte string, asking the size first and
// growing while the value grows meanwhile. Four zero bytes past the data end text stored without
// its own terminator. The string, or nil with *status set.
template <class Read> LiValue read_data(Read read, DWORD *count, LONG *status)
{
    DWORD room = 0;
    *status = read(nullptr, &room);
    while (*status == ERROR_SUCCESS || *status == ERROR_MORE_DATA) {
        if (room > 0x10000000) {
            *status = ERROR_NOT_ENOUGH_MEMORY;
            break;
        }
        LiValue data = li_CreateStringN(nullptr, (int)room + 4);
        DWORD n = room;
        *status = read((BYTE *)li_SVal(data), &n);
        if (*status == ERROR_SUCCESS) {
            *count = n;
            return data;
        }
        room = n > room ? n : room * 2 + 16;
    }
    return Nil;
}

// The value read(data, &count) reads (setting type) as (VALUE TYPE), or (NAME VALUE TYPE) when
// name is given; nil with the status in GetLastError when it cannot be read.
template <class Read> LiValue read_value(Read read, const DWORD &type, const wchar_t *name)
{
    DWORD count = 0;
    LONG status;
    LiValue data = read_data(read, &count, &status);
    if (data == Nil) return failure(status), Nil;
    ProtectedSlot kept(data), type_value(li_CreateLong((int32_t)type));
    ProtectedSlot result(li_Cons(type_value, Nil));
    ProtectedSlot value(typed_value(type, (const BYTE *)li_SVal(data), count));
    result = li_Cons(value, result);
    if (name) {
        ProtectedSlot text(wide_text_result(name));
        result = li_Cons(text, result);
    }
    return result;
}

} // namespace

// (RegQueryValueEx hKey lpValueName): (VALUE TYPE), or nil with the status in GetLastError.
LiValue RegQueryValueEx_entry()
{
    HKEY key = handle_arg<HKEY>(A(0));
    wchar_t buffer[value_name_units];
    const wchar_t *name = value_name(1, buffer);
    DWORD type = 0;
    return read_value([&](BYTE *d, DWORD *n) { return RegQueryValueExW(key, name, nullptr, &type, d, n); }, type, nullptr);
}

// (RegEnumValue hKey dwIndex): (NAME VALUE TYPE), or nil (ERROR_NO_MORE_ITEMS in GetLastError
// after the last).
LiValue RegEnumValue_entry()
{
    HKEY key = handle_arg<HKEY>(A(0));
    DWORD index = (DWORD)integer_arg(A(1));
    wchar_t name[value_name_units];
    DWORD type = 0;
    return read_value(
        [&](BYTE *d, DWORD *n) {
            DWORD units = value_name_units;
            return RegEnumValueW(key, index, name, &units, nullptr, &type, d, n);
        },
        type, name);
}

namespace {
// The data of a REG_MULTI_SZ value: each string's text and terminator, then one more. Null when
// memory runs out; *bytes receives the size.
wchar_t *multi_string(LiValue list, DWORD *bytes)
{
    size_t units = 1;
    for (LiValue l = list; li_Tag(l) == LI_CONS; l = li_PairTail(l)) units += (size_t)li_Length(li_PairHead(l)) + 1;
    wchar_t *data = (wchar_t *)calloc(units, sizeof(wchar_t));
    if (!data) return nullptr;
    size_t at = 0;
    for (LiValue l = list; li_Tag(l) == LI_CONS; l = li_PairTail(l)) {
        LiValue s = li_PairHead(l);
        at += (size_t)widen(li_SVal(s), li_Length(s), data + at, li_Length(s) + 1) + 1;
    }
    *bytes = (DWORD)((at + 1) * sizeof(wchar_t));
    return data;
}
} // namespace

// (RegSetValueEx hKey lpValueName Reserved dwType lpData): the data's script form follows the
// type; its size is the data's own. The platform's status.
LiValue RegSetValueEx_entry()
{
    HKEY key = handle_arg<HKEY>(A(0));
    wchar_t buffer[value_name_units];
    const wchar_t *name = value_name(1, buffer);
    DWORD reserved = (DWORD)integer_arg(A(2));
    DWORD type = (DWORD)integer_arg(A(3));
    LiValue v = A(4);
    switch (type) {
    case REG_DWORD: {
        DWORD d = (DWORD)integer_arg(v);
        return li_CreateLong(RegSetValueExW(key, name, reserved, type, (const BYTE *)&d, sizeof d));
    }
    case REG_SZ:
    case REG_EXPAND_SZ: {
        if (!li_StringP(v)) li_TypeError(v, LI_TYPE_STRING);
        wchar_t *text = make_wide_copy(v);
        if (!text) li_Error("out of memory");
        LONG status = RegSetValueExW(key, name, reserved, type, (const BYTE *)text, (DWORD)((wcslen(text) + 1) * sizeof(wchar_t)));
        free(text);
        return li_CreateLong(status);
    }
    case REG_MULTI_SZ: {
        if (li_Tag(v) != LI_NIL && li_Tag(v) != LI_CONS) li_TypeError(v, LI_TYPE_LIST);
        for (LiValue l = v; li_Tag(l) == LI_CONS; l = li_PairTail(l))
            if (!li_StringP(li_PairHead(l))) li_TypeError(li_PairHead(l), LI_TYPE_STRING);
        DWORD bytes = 0;
        wchar_t *data = multi_string(v, &bytes);
        if (!data) li_Error("out of memory");
        LONG status = RegSetValueExW(key, name, reserved, type, (const BYTE *)data, bytes);
        free(data);
        return li_CreateLong(status);
    }
    default:
        if (li_Tag(v) != LI_NIL && !li_BufferP(v)) li_TypeError(v, LI_TYPE_NIL_OR_STRING);
        return li_CreateLong(RegSetValueExW(key, name, reserved, type, (const BYTE *)(li_Tag(v) == LI_NIL ? nullptr : li_SVal(v)),
                                            li_Tag(v) == LI_NIL ? 0 : (DWORD)li_Length(v)));
    }
}

} // namespace savrawin
