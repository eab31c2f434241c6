// dll-function, and the path every call of a declared function takes: the wrapper template's checks
// in slot order, its UTF-16 copies in the frame and its bounds, then the words pushed and the
// export called (native_call.h), the result made by the declared type, the copies written back,
// and the platform's last error put back where the call left it.
#include "declared.h"

#include <malloc.h>
#include <math.h>
#include <new>
#include <stdio.h>
#include <string.h>

#include "native_call.h"
#include "thunks.h"

namespace savrawin {
namespace declared {

namespace {

Declaration *declarations = nullptr; // every declaration made, for good

// Every step of a call is written out in its caller: under an emulator, as on a processor, a
// call, a return or a jump table costs more than the work of a step.
#define SAVRA_INLINE inline __attribute__((always_inline))

// ---- checks -------------------------------------------------------------------------------------

void check_callback_argument(const Type &t, LiValue *args, int i)
{
    LiValue v = args[i];
    switch (li_Tag(v)) {
    case LI_NIL:
    case LI_LONG:
    case LI_CLOSURE:
    case LI_NATIVE: return;
    case LI_INSTANCE: {
        CallbackRecord *r = callback_of(v);
        if (r && r->type == t.callback) return;
        char what[sizeof t.callback->name + 64];
        snprintf(what, sizeof what, "a function, or a DllCallback of type %s", t.callback->name);
        li_ArgumentError((int)(&args[i] - ArgBase), what);
    }
    default: li_TypeError(v, LI_TYPE_FUNCTION);
    }
}

void check_other(const Type &t, Kind k, LiValue *args, int i)
{
    if (t.kind == TypeKind::Callback) return check_callback_argument(t, args, i);
    check_arg(k, args[i]);
    if (t.kind == TypeKind::Structure && t.size) check_storage(args, i, t.size);
    uint64_t ignored;
    if (t.kind == TypeKind::Int64 && !int64_value(t, args[i], &ignored))
        li_ArgumentError((int)(&args[i] - ArgBase), t.is_signed ? "an integer, or a whole real within 64 signed bits"
                                                                : "an integer, or a whole real within 64 unsigned bits");
}

// The slot's check, as the catalogue's wrappers make it for the same kind.
SAVRA_INLINE void check_parameter(const Type &t, Kind k, LiValue *args, int i)
{
    int tag = li_Tag(args[i]);
    if (t.kind == TypeKind::Integer) {
        if (tag != LI_LONG && tag != LI_REAL) li_TypeError(args[i], LI_TYPE_NUMBER);
        return;
    }
    if (t.kind == TypeKind::WideText || t.kind == TypeKind::NarrowText) {
        if (tag != LI_NIL && tag != LI_STRING && tag != LI_BUFFER) li_TypeError(args[i], LI_TYPE_NIL_OR_STRING);
        return;
    }
    check_other(t, k, args, i);
}

// ---- conversion -----------------------------------------------------------------------------------

struct CallState {
    uint32_t words[2 * max_parameters];
    int word_count = 0;
    CallbackRecord *transient[max_parameters];
    int transient_count = 0;
};

void release_transients(CallState &s)
{
    for (int i = 0; i < s.transient_count; i++) release_callback(s.transient[i]);
    s.transient_count = 0;
}

// The words of the kinds that are not plain integers, at w. False when a callback record cannot
// be had.
bool convert_other(const Type &t, LiValue v, WideCopy *copy, CallState &s, uint32_t *w)
{
    switch (t.kind) {
    case TypeKind::Int64: {
        uint64_t x = 0;
        int64_value(t, v, &x);
        w[0] = (uint32_t)x;
        w[1] = (uint32_t)(x >> 32);
        break;
    }
    case TypeKind::Float: {
        float f = (float)li_RVal(v);
        memcpy(w, &f, 4);
        break;
    }
    case TypeKind::Double: {
        double d = li_RVal(v);
        memcpy(w, &d, 8);
        break;
    }
    case TypeKind::Callback:
        if (li_Tag(v) == LI_CLOSURE || li_Tag(v) == LI_NATIVE) {
            CallbackRecord *r = acquire_callback(t.callback, v);
            if (!r) return false;
            s.transient[s.transient_count++] = r;
            w[0] = (uint32_t)(uintptr_t)r->thunk;
        } else if (li_Tag(v) == LI_INSTANCE) {
            w[0] = (uint32_t)(uintptr_t)callback_of(v)->thunk;
        } else {
            w[0] = li_Tag(v) == LI_LONG ? (uint32_t)v->w1 : 0;
        }
        break;
    default: w[0] = 0; break;
    }
    return true;
}

// Pushes slot v's words for type t (copy: its UTF-16 copy, for text). False when a callback record
// cannot be had.
SAVRA_INLINE bool convert(const Type &t, LiValue v, WideCopy *copy, CallState &s)
{
    uint32_t *w = s.words + s.word_count++;
    if (t.kind == TypeKind::Integer) {
        *w = (uint32_t)int_value(v);
        return true;
    }
    if (t.kind == TypeKind::Structure) {
        *w = li_Tag(v) == LI_INSTANCE ? (uint32_t)(uintptr_t)li_InstanceData(v) : 0;
        return true;
    }
    if (t.kind == TypeKind::NarrowText) {
        *w = (uint32_t)(uintptr_t)li_SVal(v);
        return true;
    }
    if (t.kind == TypeKind::WideText) {
        // written back unless the platform only reads it and it widened exactly (as take_arg)
        if (t.writable || !copy->exact) copy->string = v;
        *w = (uint32_t)(uintptr_t)copy->copy;
        return true;
    }
    s.word_count += t.words() - 1;
    return convert_other(t, v, copy, s, w);
}

// The thread's last error where GetLastError and SetLastError keep it (LastErrorValue, 0x34 into
// the i386 thread block), read and put back around every call without two more calls each time.
constexpr DWORD last_error_offset = 0x34;
SAVRA_INLINE DWORD last_error() { return __readfsdword(last_error_offset); }
SAVRA_INLINE void restore_last_error(DWORD e) { __writefsdword(last_error_offset, e); }

// The call itself, then what follows it before the result is made (the callback records given
// back); the result, and in *error the last error the call left.
template <class After> SAVRA_INLINE LiValue call_and_make_result(const Declaration *d, CallState &s, DWORD *error, After after)
{
    const Type &t = d->result;
    if (t.kind == TypeKind::Float || t.kind == TypeKind::Double) {
        double real = native_call_real(d->address, s.words, s.word_count);
        *error = last_error();
        after();
        return li_CreateReal(real);
    }
    uint64_t r = native_call(d->address, s.words, s.word_count);
    *error = last_error();
    after();
    if (t.kind == TypeKind::Integer && t.bits == 32) return li_CreateLong((int32_t)r);
    if (t.kind == TypeKind::Void) return Nil;
    return value_of(t, r, 0);
}

// The call of d with argc slots at args, types[i] and kinds[i] for each (the fixed part's and
// then, for a variadic call, those taken from the values): every slot is checked, then the UTF-16
// copies made and the bounds checked, as the wrapper template does it, before anything is
// converted.
LiValue call_with_copies(const Declaration *d, LiValue *args, int argc, const Type *const *types, const Kind *kinds)
{
    for (int i = 0; i < argc; i++) check_parameter(*types[i], kinds[i], args, i);
    CallState s;
    auto *copies = (WideCopy *)alloca(sizeof(WideCopy) * (size_t)(argc ? argc : 1));
    for (int i = 0; i < argc; i++) new (&copies[i]) WideCopy();
    wchar_t frame[frame_units];
    make_copies(copies, kinds, args, argc, frame);
    if (d->bound_count) check_bounds(d->bounds, d->bound_count, kinds, d->element_sizes, args, copies, argc);
    for (int i = 0; i < argc; i++)
        if (!convert(*types[i], args[i], &copies[i], s)) {
            release_transients(s);
            finish_copies(copies, argc);
            li_Error("Out of memory for a callback");
        }
    DWORD error;
    ProtectedSlot result(call_and_make_result(d, s, &error, [&] {
        if (s.transient_count) release_transients(s);
    })); // kept while the write-back allocates
    finish_copies(copies, argc);
    restore_last_error(error);
    return result;
}

// The entry of every fixed-arity declared function: its thunk puts the declaration in eax and jumps
// here, so the entry returns straight to the interpreter. Without text or callbacks there is nothing
// to copy, keep or write back: each slot is checked and converted in one pass, and nothing
// allocates between the call and its result.
__attribute__((regparm(1))) LiValue call_declared(const Declaration *d)
{
    LiValue *args = ArgBase;
    if (d->has_text || d->has_callbacks) return call_with_copies(d, args, d->count, d->types, d->kinds);
    CallState s;
    for (int i = 0; i < d->count; i++) {
        const Type &t = d->params[i].type;
        check_parameter(t, d->kinds[i], args, i);
        convert(t, args[i], nullptr, s);
    }
    if (d->bound_count) check_bounds(d->bounds, d->bound_count, d->kinds, d->element_sizes, args, nullptr, 0);
    DWORD error;
    LiValue result = call_and_make_result(d, s, &error, [] {});
    restore_last_error(error);
    return result;
}

// The types a variadic call's extra values go as: integers as 32-bit words, reals as doubles, text
// as the fixed part's kind of text, an instance as its storage, nil as a null word.
const Type extra_integer{TypeKind::Integer}, extra_real{TypeKind::Double, 64}, extra_structure{TypeKind::Structure};
const Type extra_wide{TypeKind::WideText, 32, false, false}, extra_narrow{TypeKind::NarrowText};

// The entry of a variadic one: the interpreter hands it the arguments as a list in slot 0; they go
// back into the slots they came from, so the checks and messages are the fixed entry's.
__attribute__((regparm(1))) LiValue call_declared_variadic(const Declaration *d)
{
    LiValue *args = ArgBase;
    int argc = 0;
    for (LiValue l = args[0]; li_Tag(l) == LI_CONS; l = li_PairTail(l)) argc++;
    if (argc < d->count || argc > max_parameters) {
        char text[160];
        snprintf(text, sizeof text, "%s: wrong number of arguments (%d); it accepts %d to %d", d->function_name, argc,
                 d->count, max_parameters);
        li_Error(text);
    }
    LiValue list = args[0];
    for (int i = 0; i < argc; i++, list = li_PairTail(list)) args[i] = li_PairHead(list);
    ArgTop = args + argc;
    const Type *types[max_parameters];
    Kind kinds[max_parameters];
    for (int i = 0; i < argc; i++) {
        if (i < d->count) {
            types[i] = d->types[i];
            kinds[i] = d->kinds[i];
            continue;
        }
        switch (li_Tag(args[i])) {
        case LI_NIL:
        case LI_LONG: types[i] = &extra_integer; break;
        case LI_REAL: types[i] = &extra_real; break;
        case LI_STRING:
        case LI_BUFFER: types[i] = d->wide_extras ? &extra_wide : &extra_narrow; break;
        case LI_INSTANCE: types[i] = &extra_structure; break;
        default: li_TypeError(args[i], LI_TYPE_NUMBER);
        }
        kinds[i] = types[i]->wrapper_kind();
    }
    return call_with_copies(d, args, argc, types, kinds);
}

// ---- declaring --------------------------------------------------------------------------------------

// The platform's text for error, without its line break.
void platform_reason(DWORD error, char *out, size_t room)
{
    wchar_t text[256];
    DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, 256, nullptr);
    while (n > 0 && (text[n - 1] == L'\n' || text[n - 1] == L'\r' || text[n - 1] == L' ' || text[n - 1] == L'.')) n--;
    int bytes = n ? WideCharToMultiByte(CP_UTF8, 0, text, (int)n, out, (int)room - 1, nullptr, nullptr) : 0;
    if (bytes <= 0) bytes = snprintf(out, room, "error %lu", (unsigned long)error);
    else out[bytes] = 0;
}

[[noreturn]] void refuse(Declaration *d, const char *message)
{
    char text[600];
    snprintf(text, sizeof text, "dll-function: %s", message);
    delete d;
    li_Error(text);
}

// (dll-function LIBRARY NAME-OR-ORDINAL RESULT PARAMETERS [CONVENTION])
LiValue declare(LiValue library, LiValue name, LiValue result, LiValue params, LiValue convention)
{
    if (!li_StringP(library)) li_TypeError(library, LI_TYPE_STRING);
    // an ordinal is a 16-bit number: a larger one would be taken for the address of a name
    if (!li_StringP(name) && !(li_LongP(name) && li_LVal(name) >= 1 && li_LVal(name) <= 0xFFFF))
        li_ArgumentError(1, "an export's name, or an ordinal from 1 to 65535");
    int conv = convention == Nil ? 0 : convention_of(convention);
    if (conv < 0) li_ArgumentError(4, "cdecl or stdcall");
    Declaration *d = new (std::nothrow) Declaration();
    if (!d) li_Error("Out of memory for a declaration");
    d->is_cdecl = conv == 1;
    char error[400];
    if (li_StringP(name)) snprintf(d->function_name, sizeof d->function_name, "%s", li_SVal(name));
    else snprintf(d->function_name, sizeof d->function_name, "%s#%d", li_SVal(library), (int)li_LVal(name));
    if (!parse_type(result, &d->result, true, error, sizeof error)) refuse(d, error);
    if (!parse_parameters(params, d, error, sizeof error)) refuse(d, error);
    HMODULE module;
    {
        WideText path(library);
        if (path.failed()) refuse(d, "out of memory");
        module = LoadLibraryW(path.get());
    }
    if (!module) {
        char reason[300];
        platform_reason(GetLastError(), reason, sizeof reason);
        snprintf(error, sizeof error, "cannot load %s: %s", li_SVal(library), reason);
        refuse(d, error);
    }
    d->address = (void *)GetProcAddress(module, li_StringP(name) ? li_SVal(name) : MAKEINTRESOURCEA(li_LVal(name)));
    if (!d->address) {
        char reason[300];
        platform_reason(GetLastError(), reason, sizeof reason);
        snprintf(error, sizeof error, "%s has no export %s: %s", li_SVal(library),
                 li_StringP(name) ? li_SVal(name) : d->function_name, reason);
        FreeLibrary(module);
        refuse(d, error);
    }
    // A declaration the same as an earlier one answers that one's function.
    size_t used = snprintf(d->key, sizeof d->key, "%p %s %d", d->address, d->is_cdecl ? "cdecl" : "stdcall", d->variadic);
    type_text(d->result, error, sizeof error);
    used += snprintf(d->key + used, sizeof d->key - used, " %s", error);
    for (int i = 0; i < d->count && used < sizeof d->key; i++) {
        type_text(d->params[i].type, error, sizeof error);
        used += snprintf(d->key + used, sizeof d->key - used, " (%s %s %d)", error, d->params[i].name, d->params[i].count_of);
    }
    if (used >= sizeof d->key) d->key[0] = 0; // cut short: it matches no other
    for (Declaration *e = declarations; e && d->key[0]; e = e->next)
        if (!strcmp(e->key, d->key) && !strcmp(e->function_name, d->function_name)) {
            FreeLibrary(module);
            delete d;
            return e->function;
        }
    if (!bind_register_thunk(d->thunk, d, d->variadic ? (void *)call_declared_variadic : (void *)call_declared))
        refuse(d, "no executable memory left");
    LiEntry entry = (LiEntry)(void *)d->thunk;
    LiValue fn;
    if (d->variadic) {
        // the interpreter hands a rest entry its arguments as a list; describe shows the names
        size_t n = 0;
        char forms[max_parameters * name_room + 8];
        for (int i = 0; i < d->count; i++) n += snprintf(forms + n, sizeof forms - n, "%s ", d->params[i].name);
        snprintf(forms + n, sizeof forms - n, "...");
        li_DescribeForms(entry, strdup(forms));
        const char *rest = "arguments";
        fn = li_NativeFunction(d->function_name, entry, 1, &rest, LI_PARAM_REST);
    } else {
        const char *names[max_parameters];
        for (int i = 0; i < d->count; i++) names[i] = d->params[i].name;
        fn = li_NativeFunction(d->function_name, entry, d->count, names, 0);
    }
    // a declaration lasts as long as the process: its entry is code the interpreter keeps
    fn->hdr |= LI_HDR_STATIC;
    d->function = fn;
    d->next = declarations;
    declarations = d;
    return fn;
}

LiValue dll_function4() { return declare(ArgBase[0], ArgBase[1], ArgBase[2], ArgBase[3], Nil); }
LiValue dll_function5() { return declare(ArgBase[0], ArgBase[1], ArgBase[2], ArgBase[3], ArgBase[4]); }

} // namespace

const LaterRow declared_call_rows[] = {
    SAVRA_LATER("dll-function",
                li_CLFunction(name, dll_function4, 4, "library", 0, "name", 0, "result", 0, "parameters", 0);
                li_CLFunction(name, dll_function5, 5, "library", 0, "name", 0, "result", 0, "parameters", 0,
                              "convention", 0)),
};

void register_declared_call_functions() { register_later(declared_call_rows); }

} // namespace declared
} // namespace savrawin
