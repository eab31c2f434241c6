// The one wrapper convention: check the argument slots, convert, call the platform once, convert
// the result back. Each parameter's kind is deduced from the platform declaration; a family
// table names the function and its parameters and nothing else.
//
//   HWND, UINT, int, DWORD, HANDLE, enums   integer (code 15); so is a pointer to a structure
//                                           the headers never define (HIMAGELIST, HDSA)
//   float                                   single-precision float (code 15)
//   LPCWSTR, LPWSTR                         UTF-16 copy of a script string, written back (code 19)
//   LPSTR, LPCSTR, BYTE*, const void*       the script string's own bytes (code 19)
//   any other pointer                       a structure instance's storage, nil = NULL (code 10)
//   POINT, BLENDFUNCTION ... by value       a copy of an instance's bytes (code 10; nil is refused:
//                                           there is no value to pass)
//
// Results: integers, handles and pointers as signed 32-bit integers, void as nil, UTF-16 and
// ANSI text as new strings; a result of class type as the value it makes itself.
#pragma once

#include <windows.h>

#include <stddef.h>
#include <stdint.h>
#include <stdlib.h>
#include <type_traits>
#include <utility>

#include "convert.h"
#include "savra.h"
#include "protected_eval.h"

namespace savrawin {

enum class Kind { Int, Float, Struct, WString, Bytes, ByValue };

// DECLARE_HANDLE types are pointers to a struct whose only member is "int unused".
template <class T, class = void> struct is_handle : std::false_type {};
template <class T>
struct is_handle<T *, std::void_t<decltype(std::declval<T &>().unused)>> : std::bool_constant<sizeof(T) == sizeof(int)> {};

// A pointer to a structure the headers never define (HIMAGELIST, HDSA, HDPA) is a handle too.
template <class T, class = void> struct is_complete : std::false_type {};
template <class T> struct is_complete<T, std::void_t<decltype(sizeof(T))>> : std::true_type {};

// A UTF-16 argument seen with its room in units: for adapters that must not write past the copy.
struct WideBuffer {
    wchar_t *text; // null for nil
    int units;
};

// A narrow string argument seen with its length in bytes (the interpreter keeps a terminator
// byte past it): for adapters that must not write past the script's string.
struct NarrowBuffer {
    char *text; // null for nil
    int bytes;
};

template <class T> constexpr Kind kind_of()
{
    using U = std::remove_cv_t<T>;
    if constexpr (std::is_same_v<U, WideBuffer>) return Kind::WString;
    else if constexpr (std::is_same_v<U, NarrowBuffer>) return Kind::Bytes;
    else if constexpr (std::is_class_v<U>) return Kind::ByValue;
    else if constexpr (std::is_floating_point_v<U>) return Kind::Float;
    else if constexpr (std::is_integral_v<U> || std::is_enum_v<U>) return Kind::Int;
    else if constexpr (is_handle<U>::value) return Kind::Int;
    else if constexpr (std::is_same_v<U, void *>) return Kind::Int; // HANDLE, HGLOBAL, LPVOID handles
    else if constexpr (std::is_pointer_v<U>) {
        using P = std::remove_cv_t<std::remove_pointer_t<U>>;
        if constexpr (std::is_same_v<P, wchar_t>) return Kind::WString;
        else if constexpr (std::is_same_v<P, char> || std::is_same_v<P, unsigned char> || std::is_same_v<P, void>) return Kind::Bytes;
        else if constexpr (std::is_class_v<P> && !is_complete<P>::value) return Kind::Int;
        else {
            static_assert(!std::is_function_v<P>, "no wrapper kind for a procedure parameter");
            return Kind::Struct;
        }
    } else {
        static_assert(sizeof(T) == 0, "no wrapper kind for this parameter type");
        return Kind::Int;
    }
}

// ---- per-call argument state ----------------------------------------------------------------------

struct WideCopy {
    wchar_t *copy = nullptr; // freed after the write-back, unless it lies in the scratch area or a frame
    LiValue string = nullptr; // set: the copy is written back into it
    int units = 0;            // the copy's room
    bool exact = false;       // the text widened without loss, so reading it cannot change the string
    bool scratch = false;
    bool framed = false;      // in the wrapper's own frame
};

// The room for UTF-16 copies a wrapper with text arguments keeps in its own frame: short text needs
// neither the per-thread area nor the heap.
constexpr size_t frame_units = 128;

// Raises the check's type error for slot value v, or returns. The tags are compared here rather
// than through the interpreter's predicates: this runs for every argument of every call.
inline void check_arg(Kind k, LiValue v)
{
    int tag = li_Tag(v);
    switch (k) {
    case Kind::Int:
    case Kind::Float:
        if (tag != LI_LONG && tag != LI_REAL) li_TypeError(v, LI_TYPE_NUMBER);
        break;
    case Kind::Struct:
    case Kind::ByValue:
        if (tag != LI_NIL && tag != LI_INSTANCE) li_TypeError(v, LI_TYPE_NIL_OR_INSTANCE);
        if (k == Kind::ByValue && tag == LI_NIL) li_TypeError(v, LI_TYPE_NIL_OR_INSTANCE);
        break;
    case Kind::WString:
    case Kind::Bytes:
        if (tag != LI_NIL && tag != LI_STRING && tag != LI_BUFFER) li_TypeError(v, LI_TYPE_NIL_OR_STRING);
        break;
    }
}

// A number slot's value as a 32-bit integer: an integer's own word, a real through the interpreter.
inline int32_t int_value(LiValue v) { return li_Tag(v) == LI_LONG ? (int32_t)v->w1 : li_LVal(v); }

// The same checks for hand-written entries, which read one slot at a time.
inline int32_t integer_arg(LiValue v)
{
    check_arg(Kind::Int, v);
    return li_LVal(v);
}
template <class Handle> Handle handle_arg(LiValue v) { return (Handle)(uintptr_t)(uint32_t)integer_arg(v); }
// An instance's storage, or NULL for nil.
inline void *structure_arg(LiValue v)
{
    check_arg(Kind::Struct, v);
    return li_Tag(v) == LI_INSTANCE ? li_InstanceData(v) : nullptr;
}
// nil or a string or buffer.
inline void check_text_arg(LiValue v) { check_arg(Kind::Bytes, v); }

// Whether parameter type T leaves a UTF-16 copy as it was (any type that is not text does).
template <class T> constexpr bool read_only_text()
{
    if constexpr (kind_of<T>() != Kind::WString || !std::is_pointer_v<T>) return kind_of<T>() != Kind::WString;
    else return std::is_const_v<std::remove_pointer_t<T>>;
}

template <class T> T take_arg(LiValue v, WideCopy &w)
{
    constexpr Kind k = kind_of<T>();
    if constexpr (k == Kind::Int) {
        if constexpr (std::is_pointer_v<T>) return (T)(uintptr_t)(uint32_t)int_value(v);
        else return (T)int_value(v);
    } else if constexpr (k == Kind::Float) {
        return (T)li_RVal(v);
    } else if constexpr (k == Kind::ByValue) {
        static_assert(std::is_trivially_copyable_v<T>, "a structure passed by value is plain bytes");
        T value;
        memcpy(&value, li_InstanceData(v), sizeof value);
        return value;
    } else if constexpr (k == Kind::Struct) {
        return li_Tag(v) == LI_INSTANCE ? (T)li_InstanceData(v) : nullptr;
    } else if constexpr (k == Kind::WString) {
        // A copy the platform only reads goes back unchanged when it widened exactly; invalid
        // UTF-8 comes back with its replacement characters, as the platform saw it.
        if (!read_only_text<T>() || !w.exact) w.string = v;
        if constexpr (std::is_same_v<T, WideBuffer>) return WideBuffer{w.copy, w.units};
        else return (T)w.copy;
    } else if constexpr (std::is_same_v<T, NarrowBuffer>) {
        char *text = li_SVal(v);
        return NarrowBuffer{text, text ? li_Length(v) : 0};
    } else {
        return (T)li_SVal(v);
    }
}

// Results: integers, handles and pointers as signed 32-bit integers, UTF-16 and narrow text as new
// strings. A result of class type makes its own script value (its value()): a layer above this one
// gives a packed point a structure class, say.
template <class R> LiValue make_result(R r)
{
    using U = std::remove_cv_t<R>;
    if constexpr (std::is_class_v<U>)
        return r.value();
    else if constexpr (std::is_pointer_v<U> && std::is_same_v<std::remove_cv_t<std::remove_pointer_t<U>>, wchar_t>)
        return wide_text_result(r);
    else if constexpr (std::is_pointer_v<U> && std::is_same_v<std::remove_cv_t<std::remove_pointer_t<U>>, char>)
        return li_CreateString(r);
    else if constexpr (std::is_pointer_v<U>)
        return li_CreateLong((int32_t)(uintptr_t)r);
    else
        return li_CreateLong((int32_t)r);
}


// Makes the UTF-16 copies of the string arguments: in frame (frame_units long) when they fit there,
// else in the scratch area when it is free, else on the heap; on failure frees those made and reports.
// False when every copy lies in the frame and widened exactly: then only an argument the platform
// may write gives finish_copies work.
bool make_copies(WideCopy *copies, const Kind *kinds, LiValue *args, int n, wchar_t *frame);
void finish_copies(WideCopy *copies, int n);

// ---- bounds: how much the platform may write or read through a buffer argument -----------------
//
// A bound ties a buffer argument (a UTF-16 or narrow string, or a structure instance) to what
// says how far the platform goes in it; the wrapper checks it before the call, so a count larger
// than the buffer is an error instead of a write past the script's memory. A buffer's room is
// counted in UTF-16 units for a UTF-16 copy, in bytes for a narrow string (its length), and in
// elements of the parameter's structure type for an instance (its class size divided by it).
namespace bound {
enum Mode : uint32_t {
    Count,   // the count argument lies in 0 .. room (or is -1, "measure the text", when value is 1)
    Bytes,   // the same, the count in bytes of a structure's storage
    AtLeast, // the room is at least the value (the platform writes without a count)
    Source,  // the room holds the source argument's text and a terminator
    Span,    // last - first + 1 (arguments count and value) lies in 0 .. room
};
// Positions are argument slots of the platform function (for a method, after the instance). A
// bound is one word: the buffer's position in bits 0-3, the other argument's in 4-7, the mode in
// 8-11, the value from bit 12; make() packs it and decode() is the one place that unpacks it.
constexpr uint32_t make(int buffer, Mode mode, int other, uint32_t value = 0)
{
    return (uint32_t)buffer | (uint32_t)other << 4 | (uint32_t)mode << 8 | value << 12;
}
struct Parts {
    int buffer, other;
    Mode mode;
    uint32_t value;
    // The argument positions the bound reads: the buffer, the other argument unless the mode takes
    // none, and for a span the value too.
    constexpr int last_position() const
    {
        int last = buffer;
        if (mode != AtLeast && other > last) last = other;
        if (mode == Span && (int)value > last) last = (int)value;
        return last;
    }
};
constexpr Parts decode(uint32_t b) { return {(int)(b & 15), (int)((b >> 4) & 15), (Mode)((b >> 8) & 15), b >> 12}; }
} // namespace bound

// A bound's positions name a buffer (a string or structure) and integers, or a source string:
// each table row's bounds are proven against its function's declaration when it is compiled.
template <class... A> constexpr bool bound_fits(uint32_t b)
{
    constexpr int n = sizeof...(A);
    constexpr Kind kinds[n + 1] = {kind_of<A>()..., Kind::Int};
    bound::Parts p = bound::decode(b);
    auto integer = [&](int i) { return i < n && kinds[i] == Kind::Int; };
    if (p.buffer >= n ||
        !(kinds[p.buffer] == Kind::WString || kinds[p.buffer] == Kind::Bytes || kinds[p.buffer] == Kind::Struct))
        return false;
    switch (p.mode) {
    case bound::Count:
    case bound::Bytes: return integer(p.other);
    case bound::Span: return integer(p.other) && integer((int)p.value);
    case bound::Source: return p.other < n && (kinds[p.other] == Kind::WString || kinds[p.other] == Kind::Bytes);
    case bound::AtLeast: return true;
    }
    return false;
}

// Checks each bound on args; raises an argument error (after freeing the copies) when one fails.
void check_bounds(const uint32_t *bounds, int count, const Kind *kinds, const size_t *element_sizes, LiValue *args,
                  WideCopy *copies, int n);

template <class T> constexpr size_t element_size()
{
    using U = std::remove_cv_t<T>;
    if constexpr (std::is_pointer_v<U> && is_complete<std::remove_pointer_t<U>>::value &&
                  !std::is_void_v<std::remove_pointer_t<U>>)
        return sizeof(std::remove_pointer_t<U>);
    else
        return 1;
}

// Structures the platform reads past their declared size (a trailing one-element array, a
// variable record): an instance of any size may stand for them.
template <class T> struct open_ended : std::false_type {};
#define SAVRA_OPEN_ENDED(T)                                                                                            \
    template <> struct open_ended<T> : std::true_type {}
SAVRA_OPEN_ENDED(RGNDATA);
SAVRA_OPEN_ENDED(LOGPALETTE);
SAVRA_OPEN_ENDED(METARECORD);
SAVRA_OPEN_ENDED(ENHMETARECORD);
SAVRA_OPEN_ENDED(HANDLETABLE);
SAVRA_OPEN_ENDED(GLYPHSET);
SAVRA_OPEN_ENDED(ENUMLOGFONTEXDVW);
SAVRA_OPEN_ENDED(COMMPROP);
SAVRA_OPEN_ENDED(BITMAPINFO);
#undef SAVRA_OPEN_ENDED

// The fewest bytes an instance must have for a structure parameter (or one passed by value): the
// structure's size, so a smaller instance (a POINT where a RECT is filled) is refused instead of
// written or read past.
template <class T> constexpr size_t minimum_storage()
{
    if constexpr (kind_of<T>() == Kind::Struct) {
        using P = std::remove_cv_t<std::remove_pointer_t<std::remove_cv_t<T>>>;
        if constexpr (!open_ended<P>::value) return sizeof(P);
    } else if constexpr (kind_of<T>() == Kind::ByValue) {
        return sizeof(T);
    }
    return 0;
}

// Raises an argument error when slot i holds an instance smaller than minimum bytes.
void check_storage(LiValue *args, int i, size_t minimum);

// Slot i's check for a parameter of type T, with the kind and the storage it needs known when the
// wrapper is compiled: a row's checks come out as straight-line tag tests.
template <class T> inline void check_slot(LiValue *args, int i)
{
    check_arg(kind_of<T>(), args[i]);
    if constexpr (minimum_storage<T>() != 0) check_storage(args, i, minimum_storage<T>());
}

// The body every table wrapper shares: checks, copies, bounds, the call, the result, the write-back.
// call(args, copies) makes the platform call.
template <class R, class... A, class Call>
LiValue wrapped_call(LiValue *args, const uint32_t *bounds, int bound_count, Call call)
{
    constexpr int N = sizeof...(A);
    static constexpr Kind kinds[N > 0 ? N : 1] = {kind_of<A>()...};
    static constexpr size_t sizes[N > 0 ? N : 1] = {element_size<A>()...};
    int slot = 0;
    (check_slot<A>(args, slot++), ...);
    (void)slot;
    WideCopy copies[N > 0 ? N : 1];
    if constexpr (!((kind_of<A>() == Kind::WString) || ...)) {
        // No copy to make or write back, so nothing allocates between the call and the return.
        if (bound_count) check_bounds(bounds, bound_count, kinds, sizes, args, copies, 0);
        if constexpr (std::is_void_v<R>) {
            call(args, copies);
            return Nil;
        } else {
            return make_result(call(args, copies));
        }
    }
    wchar_t frame[frame_units];
    bool finish = make_copies(copies, kinds, args, N, frame) || !(read_only_text<A>() && ...);
    if (bound_count) check_bounds(bounds, bound_count, kinds, sizes, args, copies, N);
    ProtectedSlot result; // while the write-back allocates
    if constexpr (std::is_void_v<R>) call(args, copies);
    else result = make_result(call(args, copies));
    if (finish) finish_copies(copies, N);
    return result;
}

template <auto F, uint32_t... Bounds> struct Wrapper;

template <class R, class... A, R(WINAPI *F)(A...), uint32_t... Bounds> struct Wrapper<F, Bounds...> {
    static_assert((bound_fits<A...>(Bounds) && ...), "a bound names a buffer and arguments of the right kinds");
    static constexpr uint32_t bounds[sizeof...(Bounds) + 1] = {Bounds..., 0};

    template <size_t... I> static R call(LiValue *args, WideCopy *copies, std::index_sequence<I...>)
    {
        return F(take_arg<A>(args[I], copies[I])...);
    }

    static LiValue entry()
    {
        return wrapped_call<R, A...>(ArgBase, bounds, sizeof...(Bounds), [](LiValue *args, WideCopy *copies) {
            return call(args, copies, std::index_sequence_for<A...>{});
        });
    }
};

// A registration row of a family table. It starts as the interpreter's deferred rows do: the
// name and its hash, computed when the table is compiled.
struct FunctionRow {
    const char *name;
    uint32_t hash;
    LiEntry entry;
    int count;
    const char *params[14];
};

#define SAVRA_FN(name, fn, ...)                                                                                        \
    {name, li_NameHash(name), &::savrawin::Wrapper<&fn>::entry, ::savrawin::count_params(__VA_ARGS__), {__VA_ARGS__}}
// A row for an entry written by hand (it reads its arguments itself): SAVRA_ENTRY(name, entry, params...)
#define SAVRA_ENTRY(name, entry, ...) {name, li_NameHash(name), entry, ::savrawin::count_params(__VA_ARGS__), {__VA_ARGS__}}
// A row whose buffers are bounded: SAVRA_FN_BOUNDED(name, fn, SAVRA_BOUNDS(bound::make(...), ...), params...)
#define SAVRA_BOUNDS(...) __VA_ARGS__
#define SAVRA_FN_BOUNDED(name, fn, bounds, ...)                                                                        \
    {name, li_NameHash(name), &::savrawin::Wrapper<&fn, bounds>::entry, ::savrawin::count_params(__VA_ARGS__),       \
     {__VA_ARGS__}}
constexpr int count_params() { return 0; }
template <class... T> constexpr int count_params(T...) { return sizeof...(T); }

// A table's functions, each registered when its name is first used (li_DeferFunctions).
void register_functions(const FunctionRow *rows, size_t n);

// A registration written by hand, made when its name is first used: the statements after the name
// register the function called `name`, as they would have at start-up.
//   SAVRA_LATER("EnumWindows", li_CLFunction(name, EnumWindows_entry, 0))
struct LaterRow {
    const char *name;
    uint32_t hash;
    void (*define)(const char *name);
};
#define SAVRA_LATER(NAME, ...) {NAME, li_NameHash(NAME), [](const char *name) { __VA_ARGS__; }}
void register_later(const LaterRow *rows, size_t n);
template <size_t N> void register_later(const LaterRow (&rows)[N]) { register_later(rows, N); }

// The interpreter reads a row handed to li_DeferFunctions as an LiDeferredRow.
template <class Row> constexpr bool starts_as_deferred_row =
    offsetof(Row, name) == offsetof(LiDeferredRow, name) && offsetof(Row, hash) == offsetof(LiDeferredRow, hash);
static_assert(starts_as_deferred_row<FunctionRow> && starts_as_deferred_row<LaterRow>, "rows start as deferred rows do");

// Calls reg with the (name, flags) pairs of count parameters as separate arguments: the
// registration calls take their descriptors as a variable argument list. Every parameter of a
// table row has flags 0.
template <class Register> void with_parameter_pairs(int count, const char *const *p, Register reg)
{
#define SAVRA_P(k) p[k], 0
    switch (count) {
    case 0: reg(); break;
    case 1: reg(SAVRA_P(0)); break;
    case 2: reg(SAVRA_P(0), SAVRA_P(1)); break;
    case 3: reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2)); break;
    case 4: reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3)); break;
    case 5: reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4)); break;
    case 6: reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5)); break;
    case 7: reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5), SAVRA_P(6)); break;
    case 8: reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5), SAVRA_P(6), SAVRA_P(7)); break;
    case 9: reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5), SAVRA_P(6), SAVRA_P(7), SAVRA_P(8)); break;
    case 10:
        reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5), SAVRA_P(6), SAVRA_P(7), SAVRA_P(8), SAVRA_P(9));
        break;
    case 11:
        reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5), SAVRA_P(6), SAVRA_P(7), SAVRA_P(8), SAVRA_P(9),
            SAVRA_P(10));
        break;
    case 12:
        reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5), SAVRA_P(6), SAVRA_P(7), SAVRA_P(8), SAVRA_P(9),
            SAVRA_P(10), SAVRA_P(11));
        break;
    case 13:
        reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5), SAVRA_P(6), SAVRA_P(7), SAVRA_P(8), SAVRA_P(9),
            SAVRA_P(10), SAVRA_P(11), SAVRA_P(12));
        break;
    case 14:
        reg(SAVRA_P(0), SAVRA_P(1), SAVRA_P(2), SAVRA_P(3), SAVRA_P(4), SAVRA_P(5), SAVRA_P(6), SAVRA_P(7), SAVRA_P(8), SAVRA_P(9),
            SAVRA_P(10), SAVRA_P(11), SAVRA_P(12), SAVRA_P(13));
        break;
    }
#undef SAVRA_P
}

} // namespace savrawin
