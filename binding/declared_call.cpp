// dll-function, and the path every call of a declared function takes: the wrapper template's checks
// in slot order, its UTF-16 copies in the frame and its bounds, then the words pushed by
// savra_native_call, the result made by the declared type, the copies written back, and the
// platform's last error put back where the call left it.
#include "declared.h"

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

// The slot's check, as the catalogue's wrappers make it for the same kind.
void check_parameter(const Type &t, Kind k, LiValue *args, int i)
{
    if (t.kind == TypeKind::Callback) return check_callback_argument(t, args, i);
    check_arg(k, args[i]);
    if (t.kind == TypeKind::Structure && t.size) check_storage(args, i, t.size);
    uint64_t ignored;
    if (t.kind == TypeKind::Int64 && !int64_value(t, args[i], &ignored))
        li_ArgumentError((int)(&args[i] - ArgBase), t.is_signed ? "an integer, or a whole real within 64 signed bits"
                                                                : "an integer, or a whole real within 64 unsigned bits");
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

// Pushes slot v's words for type t. False when a callback record cannot be had.
bool convert(const Type &t, LiValue v, WideCopy &copy, CallState &s)
{
    uint32_t *w = s.words + s.word_count;
    switch (t.kind) {
    case TypeKind::Integer: w[0] = (uint32_t)int_value(v); break;
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
    case TypeKind::WideText:
        // written back unless the platform only reads it and it widened exactly (as take_arg)
        if (t.writable || !copy.exact) copy.string = v;
        w[0] = (uint32_t)(uintptr_t)copy.copy;
        break;
    case TypeKind::NarrowText: w[0] = (uint32_t)(uintptr_t)li_SVal(v); break;
    case TypeKind::Structure: w[0] = li_Tag(v) == LI_INSTANCE ? (uint32_t)(uintptr_t)li_InstanceData(v) : 0; break;
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
    case TypeKind::Void: break;
    }
    s.word_count += t.words();
    return true;
}

struct Outcome {
    uint64_t r = 0;
    double real = 0;
};

Outcome native_call(const Declaration *d, const CallState &s)
{
    Outcome o;
    if (d->result.kind == TypeKind::Float || d->result.kind == TypeKind::Double)
        o.real = savra_native_call_real(d->address, s.words, s.word_count);
    else
        o.r = savra_native_call(d->address, s.words, s.word_count);
    return o;
}

// The call of d with argc slots at args, types[i] and kinds[i] for each (the fixed part's and
// then, for a variadic call, those taken from the values). The slots have passed their checks.
LiValue call_checked(const Declaration *d, LiValue *args, int argc, const Type *const *types, const Kind *kinds,
                     bool text)
{
    CallState s;
    if (!text && !d->has_callbacks) {
        // nothing to copy or write back: nothing allocates between the call and the result
        if (d->bound_count) check_bounds(d->bounds, d->bound_count, kinds, d->element_sizes, args, nullptr, 0);
        WideCopy none;
        for (int i = 0; i < argc; i++) convert(*types[i], args[i], none, s);
        Outcome o = native_call(d, s);
        DWORD error = GetLastError();
        LiValue result = value_of(d->result, o.r, o.real);
        SetLastError(error);
        return result;
    }
    WideCopy copies[max_parameters];
    wchar_t frame[frame_units];
    make_copies(copies, kinds, args, argc, frame);
    if (d->bound_count) check_bounds(d->bounds, d->bound_count, kinds, d->element_sizes, args, copies, argc);
    for (int i = 0; i < argc; i++)
        if (!convert(*types[i], args[i], copies[i], s)) {
            release_transients(s);
            finish_copies(copies, argc);
            li_Error("Out of memory for a callback");
        }
    Outcome o = native_call(d, s);
    DWORD error = GetLastError();
    release_transients(s);
    ProtectedSlot result(value_of(d->result, o.r, o.real)); // while the write-back allocates
    finish_copies(copies, argc);
    SetLastError(error);
    return result;
}

// The entry of every fixed-arity declared function, reached through its thunk.
LiValue call_declared(const Declaration *d)
{
    LiValue *args = ArgBase;
    const Type *types[max_parameters];
    for (int i = 0; i < d->count; i++) {
        types[i] = &d->params[i].type;
        check_parameter(*types[i], d->kinds[i], args, i);
    }
    return call_checked(d, args, d->count, types, d->kinds, d->has_text);
}

// The types a variadic call's extra values go as: integers as 32-bit words, reals as doubles, text
// as the fixed part's kind of text, an instance as its storage, nil as a null word.
const Type extra_integer{TypeKind::Integer}, extra_real{TypeKind::Double, 64}, extra_structure{TypeKind::Structure};
const Type extra_wide{TypeKind::WideText, 32, false, false}, extra_narrow{TypeKind::NarrowText};

// The entry of a variadic one: the interpreter hands it the arguments as a list in slot 0; they go
// back into the slots they came from, so the checks and messages are the fixed entry's.
LiValue call_declared_variadic(const Declaration *d)
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
    bool text = d->has_text;
    for (int i = 0; i < argc; i++) {
        if (i < d->count) {
            types[i] = &d->params[i].type;
            kinds[i] = d->kinds[i];
            check_parameter(*types[i], kinds[i], args, i);
            continue;
        }
        switch (li_Tag(args[i])) {
        case LI_NIL:
        case LI_LONG: types[i] = &extra_integer; break;
        case LI_REAL: types[i] = &extra_real; break;
        case LI_STRING:
        case LI_BUFFER:
            types[i] = d->wide_extras ? &extra_wide : &extra_narrow;
            text = text || d->wide_extras;
            break;
        case LI_INSTANCE: types[i] = &extra_structure; break;
        default: li_TypeError(args[i], LI_TYPE_NUMBER);
        }
        kinds[i] = types[i]->wrapper_kind();
    }
    return call_checked(d, args, argc, types, kinds, text);
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
    if (!li_StringP(name) && !li_LongP(name)) li_ArgumentError(1, "an export's name or ordinal");
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
    for (Declaration *e = declarations; e; e = e->next)
        if (!strcmp(e->key, d->key) && !strcmp(e->function_name, d->function_name)) {
            FreeLibrary(module);
            delete d;
            return e->function;
        }
    if (!bind_entry_thunk(d->thunk, d, d->variadic ? (void *)call_declared_variadic : (void *)call_declared))
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

void register_declared_call_functions()
{
    li_CLFunction("dll-function", dll_function4, 4, "library", 0, "name", 0, "result", 0, "parameters", 0);
    li_CLFunction("dll-function", dll_function5, 5, "library", 0, "name", 0, "result", 0, "parameters", 0, "convention", 0);
}

} // namespace declared
} // namespace savrawin
