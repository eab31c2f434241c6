// Script functions as native callbacks. A callback record binds a script function to a callback
// type; its thunk (mov eax, record ; jmp savra_callback_stub) is the native function pointer. The
// stub hands the caller's arguments to savra_callback_dispatch, which runs the function through the
// callback bridge and gives back its value converted to the declared result, or the declared
// default after an error.
//
// Lifetime: a script function passed straight to a declared function gets a record for that call
// only. (dll-callback TYPE FUNCTION) makes a DllCallback instance whose record lives as long as the
// instance: its one field, the function, is a cell the collector marks through it. A record that is
// released goes back to its type's pool with its thunk still bound to it, so a platform that calls
// a released pointer gets the type's default answer (and a report), never freed code; the next
// record of that type reuses it.
#include "declared.h"

#include <new>
#include <stddef.h>
#include <stdio.h>
#include <string.h>

#include <unordered_set>

#include "bridge.h"
#include "native_call.h"
#include "thunks.h"

namespace savrawin {
namespace declared {

namespace {

CallbackType *callback_types = nullptr; // interned, for good

struct NamedType {
    char name[name_room];
    const CallbackType *type;
    NamedType *next;
};
NamedType *named_types = nullptr;

// Every record ever made (none is freed): a DllCallback whose data is not one of these is refused.
std::unordered_set<const CallbackRecord *> *records = nullptr;
LiValue callback_class = nullptr;
DWORD interpreter_thread = 0;

// The first words of a record: the function, as a cell field.
const LiStrucField callback_fields[] = {
    {"function", (0u << 16) | FT_CELL, 0, li_StrucSetCell, li_StrucGetCell, nullptr},
    {nullptr, 0, 0, nullptr, nullptr, nullptr},
};
static_assert(offsetof(CallbackRecord, function) == 0, "the instance's field is the record's function");

} // namespace

const CallbackType *intern_callback_type(const CallbackType &proposed)
{
    for (CallbackType *c = callback_types; c; c = c->next)
        if (proposed.key[0] && !strcmp(c->key, proposed.key)) return c;
    CallbackType *c = new (std::nothrow) CallbackType(proposed);
    if (!c) return nullptr;
    c->pool = nullptr;
    c->next = callback_types;
    callback_types = c;
    return c;
}

const CallbackType *named_callback_type(const char *name)
{
    for (NamedType *n = named_types; n; n = n->next)
        if (!strcmp(n->name, name)) return n->type;
    return nullptr;
}

CallbackRecord *acquire_callback(const CallbackType *type, LiValue function)
{
    auto *t = const_cast<CallbackType *>(type);
    CallbackRecord *r = t->pool;
    if (r) {
        t->pool = r->next_free;
    } else {
        r = new (std::nothrow) CallbackRecord();
        if (!r) return nullptr;
        r->thunk = nullptr;
        if (!bind_register_thunk(r->thunk, r, (void *)savra_callback_stub)) {
            delete r;
            return nullptr;
        }
        records->insert(r);
    }
    r->type = type;
    r->function = function;
    r->owner = nullptr;
    r->next_free = nullptr;
    return r;
}

void release_callback(CallbackRecord *r)
{
    auto *t = const_cast<CallbackType *>(r->type);
    r->function = nullptr;
    r->owner = nullptr;
    r->next_free = t->pool;
    t->pool = r;
}

CallbackRecord *callback_of(LiValue v)
{
    if (li_Tag(v) != LI_INSTANCE || !li_IsDerived(v, callback_class)) return nullptr;
    auto *r = (CallbackRecord *)li_InstanceData(v);
    // a view made over a record's memory is not its instance
    return r && records->count(r) && r->owner == v ? r : nullptr;
}

namespace {

// ---- the dispatch --------------------------------------------------------------------------------

// A callback's answer from the script function's value: integers from numbers, nil as 0, any
// other value as 1 (t for a truth value); reals from numbers. False: no answer (the default).
bool answer(const Type &t, LiValue v, SavraCallbackOutcome *out)
{
    switch (t.kind) {
    case TypeKind::Void: return true;
    case TypeKind::Float:
    case TypeKind::Double:
        if (li_Tag(v) != LI_LONG && li_Tag(v) != LI_REAL) return false;
        out->real = li_RVal(v);
        return true;
    case TypeKind::Int64: {
        uint64_t x;
        if (!int64_value(t, v, &x)) return false;
        out->low = (uint32_t)x;
        out->high = (uint32_t)(x >> 32);
        return true;
    }
    default:
        if (li_Tag(v) == LI_LONG || li_Tag(v) == LI_REAL) out->low = (uint32_t)int_value(v);
        else out->low = v == Nil ? 0 : 1;
        out->high = 0;
        return true;
    }
}

// The script value of argument word(s) at w for type t.
LiValue argument_value(const Type &t, const uint32_t *w)
{
    uint64_t bits = t.words() == 2 ? (uint64_t)w[0] | (uint64_t)w[1] << 32 : w[0];
    double real = 0;
    if (t.kind == TypeKind::Float) {
        float f;
        memcpy(&f, w, 4);
        real = f;
    } else if (t.kind == TypeKind::Double) {
        memcpy(&real, w, 8);
    }
    return value_of(t, bits, real);
}

} // namespace
} // namespace declared
} // namespace savrawin

using namespace savrawin;
using namespace savrawin::declared;

extern "C" void savra_callback_dispatch(void *record, const uint32_t *arguments, SavraCallbackOutcome *out)
{
    auto *r = (CallbackRecord *)record;
    const CallbackType *t = r->type;
    out->pop_bytes = t->is_cdecl ? 0 : (uint32_t)t->stack_bytes;
    out->real_result = t->result.kind == TypeKind::Float || t->result.kind == TypeKind::Double;
    out->low = (uint32_t)t->fallback;
    out->high = t->fallback < 0 ? 0xFFFFFFFFu : 0;
    out->real = t->fallback;
    // the interpreter runs on one thread: a call from another gets the default
    if (GetCurrentThreadId() != interpreter_thread) return;
    if (!r->function) {
        Printf("Error: a callback of type %s was called after it was released; it answered %d\n", t->name,
               (int)t->fallback);
        return;
    }
    DWORD error = GetLastError();
    int offsets[max_parameters];
    for (int i = 0, at = 0; i < t->count; i++) {
        offsets[i] = at;
        at += t->params[i].words();
    }
    ProtectedResult p = call_script_function(r->function, t->count,
                                             [&](int i) { return argument_value(t->params[i], arguments + offsets[i]); });
    if (!p.failed) {
        SavraCallbackOutcome given = *out;
        if (!answer(t->result, p.value, &given)) {
            Printf("Error: a callback of type %s answered a value it cannot return; it answered %d\n", t->name,
                   (int)t->fallback);
        } else {
            *out = given;
        }
    }
    SetLastError(error);
}

namespace savrawin {
namespace declared {

namespace {

// ---- the script's side ----------------------------------------------------------------------------

void destroy_callback(LiValue inst)
{
    auto *r = (CallbackRecord *)li_InstanceData(inst);
    if (r && records->count(r) && r->owner == inst) release_callback(r);
    li_StrucBasicDestructor(inst);
}


// A callback type given by name (dll-callback-type) or inline, (callback RESULT (TYPES...) ...).
const CallbackType *callback_type_arg(int slot)
{
    LiValue v = ArgBase[slot];
    Type t;
    char error[400];
    if (!parse_type(v, &t, false, error, sizeof error) || t.kind != TypeKind::Callback) {
        char what[500];
        snprintf(what, sizeof what, "a callback type (%s)", t.kind == TypeKind::Callback ? "" : error);
        li_ArgumentError(slot, what);
    }
    return t.callback;
}

void check_function(LiValue v)
{
    if (li_Tag(v) != LI_CLOSURE && li_Tag(v) != LI_NATIVE) li_TypeError(v, LI_TYPE_FUNCTION);
}

// (dll-callback TYPE FUNCTION)
LiValue dll_callback()
{
    const CallbackType *type = callback_type_arg(0);
    check_function(ArgBase[1]);
    CallbackRecord *r = acquire_callback(type, ArgBase[1]);
    if (!r) li_Error("dll-callback: no memory for a callback left");
    ProtectedSlot inst(li_CreateInstance(callback_class, r, 0));
    r->owner = inst;
    return inst;
}

// (dll-callback-address CALLBACK): the native function pointer, for a pointer-sized parameter.
LiValue dll_callback_address()
{
    CallbackRecord *r = callback_of(ArgBase[0]);
    if (!r) li_InstError(ArgBase[0], callback_class);
    return li_CreateLong((int32_t)(uintptr_t)r->thunk);
}

// (dll-callback-type NAME RESULT PARAMETER-TYPES [CONVENTION] [DEFAULT]) names a callback type for
// later declarations; a name of a type, a class or a catalogue function is refused.
LiValue define_callback_type(int option_count)
{
    LiValue name = ArgBase[0];
    if (li_Tag(name) != LI_SYMBOL) li_TypeError(name, LI_TYPE_SYMBOL);
    const char *text = (const char *)(uintptr_t)name->w1;
    Type existing;
    char error[400];
    if (strlen(text) >= name_room) li_ArgumentError(0, "a shorter name");
    if (!named_callback_type(text) && parse_type(name, &existing, false, error, sizeof error))
        li_ArgumentError(0, "a name that is not a type or class name already");
    CallbackType proposed;
    snprintf(proposed.name, sizeof proposed.name, "%s", text);
    if (!parse_callback_signature(ArgBase[1], ArgBase[2], ArgBase + 3, option_count, &proposed, error, sizeof error)) {
        char message[500];
        snprintf(message, sizeof message, "dll-callback-type: %s", error);
        li_Error(message);
    }
    const CallbackType *c = intern_callback_type(proposed);
    NamedType *n = new (std::nothrow) NamedType();
    if (!c || !n) li_Error("dll-callback-type: out of memory");
    snprintf(n->name, sizeof n->name, "%s", text);
    n->type = c;
    n->next = named_types;
    named_types = n;
    return name;
}

LiValue define_callback_type3() { return define_callback_type(0); }
LiValue define_callback_type4() { return define_callback_type(1); }
LiValue define_callback_type5() { return define_callback_type(2); }

} // namespace

void create_callback_class()
{
    interpreter_thread = GetCurrentThreadId();
    if (!records) records = new std::unordered_set<const CallbackRecord *>();
    // (new DllCallback) gives one bound to nothing: its field lies in a block of its own, and it
    // is refused wherever a callback is expected; dll-callback makes one bound to a function
    callback_class = li_MakeClass("DllCallback", Nil, Nil, callback_fields, sizeof(LiValue), nullptr, nullptr);
    li_ClassRecord(callback_class)->destroy = destroy_callback;
}

static LiValue type_names_entry() { return type_name_list(); }

const LaterRow callback_rows[] = {
    SAVRA_LATER("dll-callback", li_CLFunction(name, dll_callback, 2, "type", 0, "function", 0)),
    SAVRA_LATER("dll-callback-address", li_CLFunction(name, dll_callback_address, 1, "callback", 0)),
    SAVRA_LATER("dll-callback-type",
                li_CLFunction(name, define_callback_type3, 3, "name", 0, "result", 0, "parameters", 0);
                li_CLFunction(name, define_callback_type4, 4, "name", 0, "result", 0, "parameters", 0,
                              "convention-or-default", 0);
                li_CLFunction(name, define_callback_type5, 5, "name", 0, "result", 0, "parameters", 0, "convention", 0,
                              "default", 0)),
    // the type names, one line each with what it stands for, so the reference can list them
    SAVRA_LATER("_dll_type_names_", li_CLFunction(name, type_names_entry, 0)),
};

void register_callback_functions() { register_later(callback_rows); }

} // namespace declared

void create_declared_classes() { declared::create_callback_class(); }

void register_declared_functions()
{
    declared::register_callback_functions();
    declared::register_declared_call_functions();
}

} // namespace savrawin
