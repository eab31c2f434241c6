// Platform functions that a family table calls through an address looked up when first called,
// rather than through the import table: those reached by ordinal, and those that an import
// library lacks or that some versions of their library do not export (a missing import would stop
// the whole module from loading). Each is a function of exactly the declared type, so the wrapper
// template deduces the same argument and result kinds; an export the library lacks gives a zero
// result (nothing for a void function).
#pragma once

#include <windows.h>

#include <type_traits>

namespace savrawin {

// The library, loaded if it is not yet.
HMODULE late_module(const wchar_t *library);

// Id::module() and Id::name() give GetProcAddress's arguments.
template <class Fn, class Id> struct LateBound;
template <class R, class... A, class Id> struct LateBound<R(WINAPI *)(A...), Id> {
    // A library that did not load has no exports (GetProcAddress would search the program instead).
    template <class Entry> static Entry find()
    {
        HMODULE m = Id::module();
        return m ? (Entry)(void *)GetProcAddress(m, Id::name()) : nullptr;
    }

    static R WINAPI call(A... a)
    {
        using Entry = R(WINAPI *)(A...);
        static const Entry entry = find<Entry>();
        if (!entry) {
            if constexpr (std::is_void_v<R>) return;
            else return R();
        }
        return entry(a...);
    }
};

} // namespace savrawin

// fn_by_ordinal::call: the export of LIBRARY with that ordinal, of fn's declared type.
#define SAVRA_BY_ORDINAL(library, fn, ordinal)                                                                         \
    struct fn##_ordinal {                                                                                              \
        static HMODULE module() { return ::savrawin::late_module(L##library); }                                       \
        static LPCSTR name() { return MAKEINTRESOURCEA(ordinal); }                                                     \
    };                                                                                                                 \
    using fn##_by_ordinal = ::savrawin::LateBound<decltype(&::fn), fn##_ordinal>;

// fn_late::call: the export of LIBRARY named fn.
#define SAVRA_LATE(library, fn)                                                                                        \
    struct fn##_export {                                                                                               \
        static HMODULE module() { return ::savrawin::late_module(L##library); }                                       \
        static LPCSTR name() { return #fn; }                                                                           \
    };                                                                                                                 \
    using fn##_late = ::savrawin::LateBound<decltype(&::fn), fn##_export>;
