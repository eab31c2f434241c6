// The machinery of the catalogue files. Each structure is described once, as a list of rows
//
//     #define NAME_ROWS(X, T) X(T, kind, field, offset) X(T, EMB, field, offset, cls_NESTED) ...
//     STRUCTURE(NAME, SDK_TYPE, SIZE)
//
// and that one list makes both the class's field table (NAME_fields) and the compile-time proof
// against the SDK type: its size, and for every field the offset and a member that fits the kind
// (width for numbers, pointee for strings, a structure for views). Each file ends a section with
// its creation list (SECTION), in creation order; create_classes walks the sections.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <htmlhelp.h>
#include <shellapi.h>
#include <shlobj.h>

#include <stddef.h>
#include <initializer_list>
#include <type_traits>
#include <utility>

#include "model.h"

// mingw-w64 declares MOUSEHOOKSTRUCTEX and MONITORINFOEXW as C++ classes derived from their base
// structures, which makes them non-standard-layout; GCC's offsetof still gives the plain offsets.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
// A structure described but left out of its creation list would silently be missing.
#pragma GCC diagnostic error "-Wunused-variable"

namespace savrawin {

// ---- what a member of the SDK type must be for a field of each kind ----------------------------------

template <class M, size_t W> constexpr bool number_of_width()
{
    return !std::is_class_v<M> && !std::is_union_v<M> && !std::is_array_v<M> && !std::is_floating_point_v<M> &&
           sizeof(M) == W; // handles and pointer-sized integers included: they are carried as numbers
}
template <class M, class C> constexpr bool pointer_to()
{
    if constexpr (std::is_pointer_v<M>) return std::is_same_v<std::remove_cv_t<std::remove_pointer_t<M>>, C>;
    else return false;
}
template <class M> constexpr bool fits_L() { return number_of_width<M, 4>(); }
template <class M> constexpr bool fits_UL() { return number_of_width<M, 4>(); }
template <class M> constexpr bool fits_I() { return number_of_width<M, 4>(); }
template <class M> constexpr bool fits_UI() { return number_of_width<M, 4>(); }
template <class M> constexpr bool fits_S() { return number_of_width<M, 2>(); }
template <class M> constexpr bool fits_US() { return number_of_width<M, 2>(); }
template <class M> constexpr bool fits_UC() { return number_of_width<M, 1>(); }
template <class M> constexpr bool fits_F() { return std::is_same_v<M, float>; }
template <class M> constexpr bool fits_N() { return pointer_to<M, char>(); }
template <class M> constexpr bool fits_W() { return pointer_to<M, wchar_t>(); }
template <class M> constexpr bool fits_PATH128()
{
    return std::is_array_v<M> && sizeof(M) == 128 && sizeof(std::remove_extent_t<M>) == 1; // narrow characters
}
template <class M> constexpr bool fits_EMB() { return std::is_class_v<M> || std::is_union_v<M>; }
template <class M> constexpr bool fits_PTR()
{
    if constexpr (std::is_pointer_v<M>) return std::is_class_v<std::remove_pointer_t<M>>;
    else return false;
}

// ---- rows ---------------------------------------------------------------------------------------------

#define SF_ROW(T, kind, name, off, ...) SF_##kind(#name, off, ##__VA_ARGS__),
#define SF_CHECK(T, kind, name, off, ...)                                                                              \
    static_assert(offsetof(T, name) == (off), #T "." #name " offset");                                               \
    static_assert(fits_##kind<decltype(std::declval<T &>().name)>(), #T "." #name " does not fit its kind");

// cls_NAME, NAME_fields, NAME_size and NAME_seq (its place among the file's definitions) from
// NAME_ROWS, proven against the SDK type CTYPE.
#define STRUCTURE(NAME, CTYPE, BYTES)                                                                                  \
    LiValue cls_##NAME;                                                                                                \
    static LiStrucField NAME##_fields[] = {NAME##_ROWS(SF_ROW, CTYPE) SF_END};                                         \
    static constexpr uint32_t NAME##_size = BYTES;                                                                     \
    static constexpr int NAME##_seq = __COUNTER__;                                                                     \
    static_assert(sizeof(CTYPE) == (BYTES), #CTYPE " size");                                                           \
    NAME##_ROWS(SF_CHECK, CTYPE)

// A section's creation list, LIST(C, D): C(NAME) for a class, D(NAME, SUPER) for a derived one. It
// makes the section's rows, and proves that they follow the order in which the file describes them.
#define SECTION(ARRAY, LIST)                                                                                           \
    const ClassRow ARRAY[] = {LIST(CLASS_ROW, DERIVED_ROW)};                                                           \
    static_assert(ascending({LIST(SEQ_OF, SEQ_OF_DERIVED)}), #ARRAY " in the order of the descriptions");
#define CLASS_ROW(NAME) {#NAME, &cls_##NAME, nullptr, NAME##_fields, NAME##_size, nullptr, nullptr, nullptr},
#define DERIVED_ROW(NAME, SUPER) {#NAME, &cls_##NAME, &cls_##SUPER, NAME##_fields, NAME##_size, nullptr, nullptr, nullptr},
#define SEQ_OF(NAME) NAME##_seq,
#define SEQ_OF_DERIVED(NAME, SUPER) NAME##_seq,

constexpr bool ascending(std::initializer_list<int> seq)
{
    int last = -1;
    for (int n : seq) {
        if (n <= last) return false;
        last = n;
    }
    return true;
}

// ---- the sections, in creation order; each bound is its list's length --------------------------------

#define SAVRA_COUNT_CLASS(NAME) +1
#define SAVRA_COUNT_DERIVED(NAME, SUPER) +1
#define SAVRA_SECTION_ARRAY(ARRAY, LIST) extern const ClassRow ARRAY[0 LIST(SAVRA_COUNT_CLASS, SAVRA_COUNT_DERIVED)];
SAVRA_CLASS_SECTIONS(SAVRA_SECTION_ARRAY)
#undef SAVRA_SECTION_ARRAY

} // namespace savrawin
