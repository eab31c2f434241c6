// Functions of any library declared by a script at run time, and script functions handed to them as
// native callbacks. A declaration is parsed once into rows of parameter types; a call walks the
// rows with the wrapper template's own checks, copies and bounds, pushes the converted words and
// calls the export through one short assembly sequence (native_call.h).
//
//   declared_types.cpp     the type names, and a declaration's lists parsed into types
//   declared_call.cpp      dll-function and the per-call path, variadic calls included
//   declared_callback.cpp  callback types, callback records and their dispatch, DllCallback
#pragma once

#include <windows.h>

#include <stdint.h>

#include "savra.h"
#include "wrap.h"

namespace savrawin {
namespace declared {

enum class TypeKind : uint8_t { Void, Integer, Int64, Float, Double, WideText, NarrowText, Structure, Callback };

struct CallbackType;

struct Type {
    TypeKind kind = TypeKind::Void;
    uint8_t bits = 32;        // integers: 8, 16, 32 or 64
    bool is_signed = true;    // integers narrower than 32 bits, and 64-bit ones
    bool writable = false;    // UTF-16 text the platform may write into (LPWSTR)
    uint32_t size = 0;        // structures: the least an instance must hold (the class's size)
    LiValue cls = nullptr;    // structures: the class, for the views a callback receives
    const CallbackType *callback = nullptr;

    int words() const { return kind == TypeKind::Int64 || kind == TypeKind::Double ? 2 : 1; }
    // The kind the wrapper template checks and copies this type as.
    Kind wrapper_kind() const;
};

constexpr int max_parameters = 32;
constexpr int name_room = 64;

struct Parameter {
    Type type;
    char name[name_room];
    int count_of = -1; // a text buffer: the parameter giving how far the platform may write
};

// A callback signature, interned by its text, so two declarations that spell the same signature
// share it (and its pool of records).
struct CallbackRecord;
struct CallbackType {
    char name[name_room];    // the name it was declared under, or "callback"
    char key[512];           // the signature as text: result, parameters, convention, default
    Type result;
    Type params[max_parameters];
    int count = 0;
    bool is_cdecl = false;
    int32_t fallback = 0;    // what the native side gets when the script function fails
    int stack_bytes = 0;     // what a stdcall callback pops on return
    CallbackRecord *pool = nullptr; // released records, reused before new ones are made
    CallbackType *next = nullptr;
};

// The first words of a callback record are the DllCallback instance's data: its one field, the
// script function, is a cell the collector marks while the instance lives.
struct CallbackRecord {
    LiValue function;        // null once released
    const CallbackType *type;
    BYTE *thunk;             // mov eax, record ; jmp to the stub; kept with the record for good
    LiValue owner;           // the DllCallback instance that keeps it, if any (not a root)
    CallbackRecord *next_free;
};

struct Declaration {
    void *address;
    Type result;
    int count = 0;
    Parameter params[max_parameters];
    const Type *types[max_parameters]; // &params[i].type, the form the call path takes them in
    Kind kinds[max_parameters];
    size_t element_sizes[max_parameters];
    uint32_t bounds[max_parameters];
    int bound_count = 0;
    int words = 0;
    bool is_cdecl = false;
    bool variadic = false;
    bool wide_extras = false; // variadic strings go as UTF-16 (the fixed part has UTF-16 text)
    bool has_text = false;
    bool has_callbacks = false;
    char function_name[name_room];
    char key[1024];
    BYTE *thunk = nullptr;   // the function's native entry: mov eax, this ; jmp to the shared entry
    LiValue function = nullptr;
    Declaration *next = nullptr;
};

// ---- declared_types.cpp ----------------------------------------------------------------------------

// Parses a type (a name, a structure class, a callback type's name or an inline (callback ...)
// list) into *t. False with a message in error (room bytes) when it names no type.
bool parse_type(LiValue form, Type *t, bool for_result, char *error, size_t room);
// Parses a callback's RESULT, (PARAMETER-TYPES...) and options (cdecl or stdcall, a default result)
// into c, with its key. False with a message.
bool parse_callback_signature(LiValue result, LiValue params, const LiValue *options, int option_count, CallbackType *c,
                              char *error, size_t room);
// Parses PARAMS (the list of (TYPE name [(count other)]) items, or bare types, "..." last for a
// variadic function) into d. False with a message.
bool parse_parameters(LiValue params, Declaration *d, char *error, size_t room);
// A 64-bit value: an integer (sign- or zero-extended as the type is signed) or a real holding a
// whole number in the type's range; false for any other.
bool int64_value(const Type &t, LiValue v, uint64_t *out);
// The script value of a result or a callback's argument of type t: bits holds its words, real
// what st(0) or the argument held for a real type.
LiValue value_of(const Type &t, uint64_t bits, double real);
// The type's text for the keys that tell two signatures apart.
void type_text(const Type &t, char *out, size_t room);
// "NAME<TAB>what it stands for" for every type name, as a list of strings.
LiValue type_name_list();
// A calling-convention option: 1 cdecl, 0 stdcall, -1 not a convention.
int convention_of(LiValue v);

// ---- declared_callback.cpp -------------------------------------------------------------------------

// The interned callback type of this signature (a new one when none matches); null when memory
// runs out.
const CallbackType *intern_callback_type(const CallbackType &proposed);
// A name given with dll-callback-type, or null.
const CallbackType *named_callback_type(const char *name);
// A record for function (rooted by the caller) of the given type, from the type's pool or new;
// null when no memory (or executable memory) is left.
CallbackRecord *acquire_callback(const CallbackType *type, LiValue function);
// The record goes back to its type's pool; its thunk stays valid and answers the type's default.
void release_callback(CallbackRecord *r);
// The DllCallback instance's record, or null when v is not one.
CallbackRecord *callback_of(LiValue v);
void create_callback_class();
void register_callback_functions();

// ---- declared_call.cpp -----------------------------------------------------------------------------

void register_declared_call_functions();

} // namespace declared

// With the other classes; the functions after the catalogue's.
void create_declared_classes();
void register_declared_functions();

} // namespace savrawin
