/* savra.h - the embedding interface of libsavra, the Savra interpreter.
 *
 * This header is the one place that encodes the layout of interpreter cells. The interpreter
 * itself and every extension module use the inline accessors below, so the offsets that modules
 * read directly (type tag, instance body, ownership bit, string length, class record hook,
 * array storage, no-delete bit) live here and nowhere else.
 *
 * Everything runs on the interpreter's thread. Functions marked LI_NORETURN leave through a
 * longjmp to the innermost protection point: never keep an object with a destructor, or an
 * allocation you still own, on a native frame that such an error can unwind through.
 */
#ifndef SAVRA_H
#define SAVRA_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#ifdef LIBSAVRA_BUILD
#define LI_API __declspec(dllexport)
#define LI_DATA __declspec(dllexport)
#elif defined(LIBSAVRA_DELAY_LOADED)
/* A host that loads the interpreter at its first call: a call through an import slot would bypass
 * the delay-load stub, so functions are called directly; data cannot be delay-loaded at all. */
#define LI_API
#define LI_DATA __declspec(dllimport)
#else
#define LI_API __declspec(dllimport)
#define LI_DATA __declspec(dllimport)
#endif
#define LI_NORETURN __attribute__((noreturn))

/* ---- cells ------------------------------------------------------------------------------ */

/* Every value is a pointer to a 16-byte cell of four 32-bit words. Word 0 is the header:
 * bit 0 GC mark, bits 1..5 the type tag, the rest flags. */
typedef struct LiCell {
    uint32_t hdr;
    uint32_t w1, w2, w3;
} LiCell;
typedef LiCell *LiValue;

enum LiTag {
    LI_NIL = 0,
    LI_CONS = 1,      /* w1 car, w2 cdr */
    LI_LONG = 2,      /* w1 value */
    LI_REAL = 3,      /* w1..w2 a double */
    LI_STRING = 4,    /* w1 capacity, w2 bytes (NUL-terminated past the length), w3 length */
    LI_SYMBOL = 5,    /* w1 name, w2 global value, w3 symbol record */
    LI_ARRAY = 6,     /* w2 storage: a UT_Array of item cells */
    LI_NATIVE = 7,    /* w1 native function record */
    LI_CLOSURE = 8,   /* w1 the interpreter's code, w2 its captured variables, w3 name symbol */
    LI_CLASS = 9,     /* w2 class record */
    LI_INSTANCE = 10, /* w2 instance body */
    LI_UNDEF = 11,
    LI_SPECIAL = 12,  /* w1 special-form number */
    LI_ERROR = 13,    /* w1 type-error code or -1, w2 message string, w3 offending value */
    LI_BUFFER = 14,   /* a byte buffer that is not a string: laid out as LI_STRING */
    LI_STREAM = 15,   /* w1 stream number */
    LI_DEAD = 16,     /* an instance that has been destroyed */
                      /* 17..21: parts of the interpreter's resolved code, never a script's value */
    LI_FREE = 31
};

#define LI_HDR_MARK      0x00000001u
#define LI_HDR_STATIC    0x00000100u /* never collected (nil, symbols, small integers) */
#define LI_HDR_DYING     0x00400000u /* instance whose destruction is under way */
#define LI_HDR_NODELETE  0x00200000u /* instance: the hook must not delete the native object */

static inline int li_Tag(const LiCell *v) { return (*(const unsigned char *)v >> 1) & 31; }

/* Instance body, reached through the cell's third word. */
typedef struct LiInstanceBody {
    LiValue cls;        /* word 0: class cell */
    void *data;         /* word 1: native data pointer */
    uint32_t flags;     /* word 2: bit 16 (byte 10, bit 0) = the instance owns data */
    LiValue *slots;     /* word 3: values of the fields a script class adds (defclass) */
    uint32_t size;      /* word 4: bytes readable at data; no field is read or written past them */
    LiValue parent;     /* word 5: the instance whose data a view lies in (kept alive), or NULL */
} LiInstanceBody;
#define LI_BODY_OWNED 0x00010000u

/* A pair's head and tail (the caller has checked the tag is LI_CONS). */
static inline LiCell *li_PairHead(const LiCell *v) { return (LiCell *)(uintptr_t)v->w1; }
static inline LiCell *li_PairTail(const LiCell *v) { return (LiCell *)(uintptr_t)v->w2; }
static inline LiInstanceBody *li_InstanceBody(const LiCell *v) { return (LiInstanceBody *)(uintptr_t)v->w2; }
static inline void *li_InstanceData(const LiCell *v) { return li_InstanceBody(v)->data; }
static inline uint32_t li_InstanceDataSize(const LiCell *v) { return li_InstanceBody(v)->size; }
static inline int li_InstanceOwnsData(const LiCell *v) { return (((const unsigned char *)li_InstanceBody(v))[10] & 1) != 0; }
static inline void li_SetNoDelete(LiCell *v) { v->hdr |= LI_HDR_NODELETE; }
static inline int li_NoDelete(const LiCell *v) { return (v->hdr & LI_HDR_NODELETE) != 0; }
static inline uint32_t li_StringLength(const LiCell *v) { return v->w3; }
/* A string's or buffer's bytes, NUL-terminated past its length. */
static inline char *li_StringBytes(const LiCell *v) { return (char *)(uintptr_t)v->w2; }

/* ---- classes and structure fields -------------------------------------------------------- */

/* The four 32-bit integer types are plain words: the interpreter reads them in place, so their
 * getter must be the matching li_StrucGet* one. */
enum LiFieldType {
    FT_LONG = 1, FT_ULONG = 2, FT_INT = 3, FT_UINT = 4, FT_SHORT = 5, FT_USHORT = 6,
    FT_UCHAR = 8, FT_STRING = 17, FT_FLOAT = 30, FT_CELL = 32, FT_STRUCT = 35
};

struct LiStrucField;
/* Setter: (instance, field address, descriptor, value) -> value. Getter: (instance, address).
 * Release hook: (instance, address), called for every field that has one when an instance that
 * owns its block is destroyed. Accessors never assume alignment. */
typedef LiValue (*LiFieldSetter)(LiValue inst, void *addr, const struct LiStrucField *f, LiValue v);
typedef LiValue (*LiFieldGetter)(LiValue inst, void *addr);
typedef void (*LiFieldRelease)(LiValue inst, void *addr);

typedef struct LiStrucField {
    const char *name;
    uint32_t offtype; /* offset << 16 | type code */
    /* FT_STRUCT laid in place: the variable that holds the structure's class, whose view at the
     * field is what the getter makes (the interpreter may then read a field of it without the
     * view); otherwise NULL. */
    const LiValue *embedded;
    LiFieldSetter set;
    LiFieldGetter get;
    LiFieldRelease release;
} LiStrucField;
#define LI_FIELD_OFFSET(f) ((f)->offtype >> 16)
#define LI_FIELD_TYPE(f) ((f)->offtype & 0xFFFF)

/* Constructor hook: (new instance, native block or NULL, owned flag, argument list) -> the
 * instance to hand to the script; it ends with li_StrucBasicConstructor (a block of the class's
 * size) or li_StrucSizedConstructor (a block of the bytes it names). Destructor hook: called
 * instead of li_StrucBasicDestructor when an instance is destroyed, ends with it.
 *
 * Hooks are looked up, never copied: a class with a constructor hook of its own answers for its
 * instances' construction and destruction (record words 4, 5 and 9); a class without one uses
 * those of the nearest superclass that has one, which must then make a block at least as large as
 * the class (li_MakeClass refuses it otherwise). Every instance's data covers the fields its class
 * reaches: li_MakeClass checks the table against the size, `new` checks what the hook made, and
 * every field access checks the field against the instance's data size. */
typedef LiValue (*LiConstructorHook)(LiValue inst, void *data, int owned, LiValue args);
typedef void (*LiDestructorHook)(LiValue inst);
/* Instance-destructor hook (class record word 9): the whole of an instance's destruction. */
typedef void (*LiInstanceHook)(LiValue inst);

typedef struct LiClassRecord {
    LiValue name;                  /* 0: symbol */
    LiValue super;                 /* 1: class cell or Nil */
    const LiStrucField *fields;    /* 2: own field table, ended by an all-zero descriptor */
    uint32_t size;                 /* 3: native block size */
    LiConstructorHook ctor;        /* 4 */
    LiDestructorHook dtor;         /* 5 */
    void *methods;                 /* 6: interpreter's method table */
    void *fieldIndex;              /* 7: interpreter's field index (own and inherited) */
    LiValue second;                /* 8: the second class value given at creation */
    LiInstanceHook destroy;        /* 9: instance-destructor hook (NULL: the basic destruction) */
    int nslots;                    /* 10: script fields, inherited included */
    LiValue slotNames;             /* 11: list of this class's own script field symbols */
} LiClassRecord;

static inline LiClassRecord *li_ClassRecord(const LiCell *cls) { return (LiClassRecord *)(uintptr_t)cls->w2; }

/* ---- members a class resolves itself ------------------------------------------------------ */

/* For a class whose members are known only when they are used (an automation object asks its
 * server). The evaluator turns to these hooks after the class's own methods and fields: (.Name inst
 * ARGS...) calls `call` (self bound, the arguments evaluated and rooted on the stack), (.-Name inst)
 * `get`, (set! (.-Name inst) v) `set`; name is the member's symbol (li_SymbolName gives its text).
 * `iterate` lets dolist walk an instance: it gives a cursor, an instance whose class has `next`, and
 * `next` gives the cursor's following item, or Undef after the last. `describe` gives the string
 * describe shows for an instance; `label` a short text the printer shows after the class name (it
 * must not allocate or raise). Any hook may be NULL. The record is kept, not copied, and a subclass
 * inherits its superclass's. */
typedef struct LiMemberHooks {
    LiValue (*call)(LiValue inst, LiValue name, LiValue *args, int argc);
    LiValue (*get)(LiValue inst, LiValue name);
    LiValue (*set)(LiValue inst, LiValue name, LiValue value);
    LiValue (*iterate)(LiValue inst);
    LiValue (*next)(LiValue cursor);
    LiValue (*describe)(LiValue inst);
    const char *(*label)(LiValue inst);
} LiMemberHooks;

static inline const char *li_SymbolName(const LiCell *sym) { return (const char *)(uintptr_t)sym->w1; }

/* ---- arrays (storage is a libhalden UT_Array: count, then the items pointer) --------------- */

typedef struct UT_Array UT_Array;
static inline UT_Array *li_ArrayStorage(const LiCell *a) { return (UT_Array *)(uintptr_t)a->w2; }

/* ---- registration ---------------------------------------------------------------------------- */

typedef LiValue (*LiEntry)(void);
#define LI_PARAM_REST 0x60000000u

typedef struct LiConstant {
    const char *name;
    int32_t value;
} LiConstant;

/* li_CLFunction(name, entry, n, then n pairs (const char *paramName, uint32_t flags)). */
LI_API LiValue li_CLFunction(const char *name, LiEntry entry, int n, ...);
LI_API LiValue li_DefCMethod(LiValue cls, const char *name, LiEntry entry, int n, ...);
/* Room in cls's method table for n more methods, before a module registers a class's rows: the
 * table is sized once rather than grown method by method. */
LI_API void li_ReserveMethods(LiValue cls, int n);
/* cls's methods registered when they are first needed (a call or look-up of a method of cls or of
 * a class derived from it, the class's method list, a method defined on it) rather than now:
 * install(cls, context) then registers them with li_DefCMethod, once. It must make no collectable
 * value, as it runs inside a method look-up. */
LI_API void li_DeferMethods(LiValue cls, void (*install)(LiValue cls, void *context), void *context);
/* A native function value bound to no symbol, its n parameter names copied from paramNames;
 * flags LI_PARAM_REST makes it a rest entry (one parameter: the argument list in slot 0). */
LI_API LiValue li_NativeFunction(const char *name, LiEntry entry, int n, const char *const *paramNames, uint32_t flags);
/* What describe shows for a rest-parameter entry that picks among forms itself (an overload
 * dispatcher): one line per form, its parameter names separated by spaces. The text is kept. */
LI_API void li_DescribeForms(LiEntry entry, const char *forms);
/* The hooks by which cls resolves members it does not define (see LiMemberHooks). */
LI_API void li_ResolveMembers(LiValue cls, const LiMemberHooks *hooks);
LI_API LiValue li_MakeClass(const char *name, LiValue super, LiValue second, const LiStrucField *fields,
                            uint32_t size, LiConstructorHook ctor, LiDestructorHook dtor);
LI_API void li_InitConstants(const LiConstant *table, int count);
/* li_InitConstants with what the table's generator knows, so that installing reads none of its
 * names: each row's name hash (li_NameHash), and the ends of the runs of rows that ascend by name
 * (byte order, li_NameAscends), at most LI_CONSTANT_RUNS; and, if the generator made it, the filter of those hashes, which then
 * need not be read. All lie in the module's image with the rows. */
typedef struct LiConstantIndex {
    const uint32_t *hashes;
    const int *run_ends;
    int run_count;
    /* optional: the name filter made from the hashes (li_ConstantFilter), of filter_bits bits */
    const uint32_t *filter;
    uint32_t filter_bits;
} LiConstantIndex;
LI_API void li_InitIndexedConstants(const LiConstant *table, int count, const LiConstantIndex *index);
/* Global functions registered on their first use. Each of `count` rows, `stride` bytes apart,
 * starts with an LiDeferredRow: its function's name and the name's hash (li_NameHash). define(row)
 * registers the row's function with li_CLFunction when a symbol of its name is first made (by the
 * reader, li_SymbolFind, a listing of every function), or at once where the symbol exists already;
 * the rows of one name are defined in the order they were handed over, so registering a name
 * again works as it does without deferral. The rows live in the module's image and are forgotten
 * when it is unloaded. define runs inside the making of a symbol: it may register functions and
 * their forms, but must make no other value. */
typedef struct LiDeferredRow {
    const char *name;
    uint32_t hash;
} LiDeferredRow;
LI_API void li_DeferFunctions(const void *rows, int count, size_t stride, void (*define)(const void *row));
/* Classes made on their first need. Each of `count` rows, `stride` bytes apart, starts with an
 * LiDeferredRow naming one of the classes make() makes (with li_MakeClass). make() runs once, the
 * first time one of them is needed: when a symbol of one of their names is first made (or at once
 * where one exists), when the classes are listed, or when the module asks (li_MakeDeferredClasses,
 * before it reads a class it keeps). The classes stand in the class list where they would stand
 * had they been made when handed over. make runs inside the making of a symbol: it may make
 * classes and their symbols, but no other value. The rows live in the module's image. */
LI_API void li_DeferClasses(const void *rows, int count, size_t stride, void (*make)(void));
/* Runs a make handed to li_DeferClasses, unless it has run; one never handed over runs now; NULL
 * runs every make still waiting. */
LI_API void li_MakeDeferredClasses(void (*make)(void));
/* Functions are usable as soon as they are registered (or, deferred, when first used): this
 * returns how many registrations have been made, each deferred row counting as one. */
LI_API int li_FuncCacheSort(void);
LI_API void LI_DeferDllInitialization(int (*init)(void), const char *hookName);

/* ---- the argument stack and global state -------------------------------------------------- */

/* ArgBase: the current call's first argument. ArgTop: the next free slot of the collector-visible
 * stack; push = *ArgTop++ = v, pop = --ArgTop. */
extern LI_DATA LiValue *ArgBase;
extern LI_DATA LiValue *ArgTop;
extern LI_DATA LiValue Nil;
extern LI_DATA LiValue Undef;
extern LI_DATA LiValue Stdout;
extern LI_DATA LiValue ErrorString;  /* symbol whose value is the current error */
extern LI_DATA int liDeferSignals;
extern LI_DATA int (*Printf)(const char *fmt, ...);
extern LI_DATA LiValue (*liRunMethod)(LiValue inst, LiValue methodSymbol, LiValue args, int flags);

/* The evaluator's execution record: its fourth word designates the current 16-bit frame depth. */
typedef struct LiExecRecord {
    void *frames;
    int capacity;
    int reserved;
    int16_t *depth;
} LiExecRecord;
extern LI_DATA LiExecRecord *ExecutionStack;

/* ---- predicates and readers -------------------------------------------------------------- */

LI_API int li_NumberP(LiValue v);
LI_API int li_StringP(LiValue v);
LI_API int li_BufferP(LiValue v);
LI_API int li_LongP(LiValue v);
LI_API int li_InstanceP(LiValue v);
LI_API int li_IsDerived(LiValue inst, LiValue cls);
LI_API int32_t li_LVal(LiValue v);
LI_API double li_RVal(LiValue v);
LI_API char *li_SVal(LiValue v);
LI_API int li_Length(LiValue v);

/* ---- makers ---------------------------------------------------------------------------------- */

LI_API LiValue li_CreateLong(int32_t v);
LI_API LiValue li_CreateReal(double v);
LI_API LiValue li_CreateString(const char *utf8);              /* NULL gives nil */
LI_API LiValue li_CreateStringN(const char *bytes, int length);
LI_API LiValue li_Cons(LiValue car, LiValue cdr);
LI_API LiValue li_Rplacd(LiValue cons, LiValue cdr);
LI_API LiValue li_CreateArray(int size);                        /* empty, with room for size */
LI_API LiValue li_MakeArray(int size);                          /* size elements, all nil */
LI_API LiValue li_Aset(LiValue array, int index, LiValue v);    /* index == length appends */
LI_API LiValue li_CreateInstance(LiValue cls, void *data, int owned);
LI_API LiValue li_CreateNonNullInstanceNoalloc(void *data, LiValue cls, LiValue args);
LI_API LiValue li_CreateNonNullInstanceAlloc(void *data, LiValue cls, LiValue args);
#define LI_DESTROY_KEEP_DATA 8 /* the caller releases the native data itself */
LI_API void li_DestroyInstance(LiValue inst, int flags);

/* ---- symbols ----------------------------------------------------------------------------------- */

LI_API LiValue li_SymbolFind(const char *name);                 /* interns */
LI_API LiValue li_SymbolValue(LiValue sym);                     /* Undef when unbound */
LI_API LiValue li_SymbolSetValue(LiValue sym, LiValue v);
LI_API LiValue li_AttemptLispFunction(LiValue sym, int flags);  /* runs it when defined */

/* ---- errors (never return) ---------------------------------------------------------------- */

/* The codes of li_TypeError, which a script reads back with (error-code e): what was expected. */
enum LiTypeCode {
    LI_TYPE_LIST = 1,
    LI_TYPE_SYMBOL = 2,
    LI_TYPE_FUNCTION = 3,
    LI_TYPE_ARRAY = 4,
    LI_TYPE_STRING = 5,
    LI_TYPE_CLASS = 6,
    LI_TYPE_INTEGER = 7,
    LI_TYPE_INSTANCE = 8,
    LI_TYPE_NIL_OR_INSTANCE = 10,
    LI_TYPE_NUMBER = 15,
    LI_TYPE_NIL_OR_STRING = 19
};

LI_API LI_NORETURN void li_TypeError(LiValue v, int code);
LI_API LI_NORETURN void li_InstError(LiValue v, LiValue cls);
/* The value in argument slot `slot` of the current native call is out of range: "FN: argument N
 * (NAME): WHAT expected, got VALUE". */
LI_API LI_NORETURN void li_ArgumentError(int slot, const char *what);
LI_API LI_NORETURN void li_Error(const char *text);

/* ---- protection, sub-scopes, evaluation (the callback bridge) ------------------------------ */

/* li_ErrorProtect registers buf (a 64-byte msvcrt jmp_buf, then set with setjmp by the caller)
 * as the innermost protection point; li_ErrorFree removes it. An error raised while it is
 * innermost restores the dynamic bindings made since, then longjmps to buf with value 1. */
LI_API void li_ErrorProtect(void *jmpbuf);
LI_API void li_ErrorFree(void);
LI_API void li_SaveGCContext(void *record16);
LI_API int li_EnterSubScope(void);
LI_API void li_ExitSubScope(int token);
/* Binds sym to v until the sub-scope is left, dynamically: code evaluated meanwhile, and every
 * function it calls, sees the binding. The name is special from then on (as defvar makes one), so a
 * script that binds it binds it dynamically too; code resolved before that, which bound it as a
 * local, keeps doing so (a script declares such a name sooner with (defvar NAME)). */
LI_API void li_SetLocal(LiValue sym, LiValue v);
LI_API LiValue li_Eval(LiValue form);
LI_API void li_Write(LiValue v, LiValue stream, int flags); /* flags 1: as princ; 0: readable */
LI_API void li_PrintStack(LiValue stream, LiValue stack);

/* ---- structure fields ------------------------------------------------------------------------ */

#define LI_FIELD_PAIR(T)                                                                          \
    LI_API LiValue li_StrucGet##T(LiValue inst, void *addr);                                     \
    LI_API LiValue li_StrucSet##T(LiValue inst, void *addr, const LiStrucField *f, LiValue v);
LI_FIELD_PAIR(Int)
LI_FIELD_PAIR(UInt)
LI_FIELD_PAIR(Long)
LI_FIELD_PAIR(ULong)
LI_FIELD_PAIR(Short)
LI_FIELD_PAIR(UShort)
LI_FIELD_PAIR(UChar)
LI_FIELD_PAIR(Float)
LI_FIELD_PAIR(Cell)
#undef LI_FIELD_PAIR
LI_API LiValue li_StrucGetStringPtr(LiValue inst, void *addr);
/* Stores the address of the script string's own bytes: the field does not keep it alive. */
LI_API LiValue li_StrucSetStringPtrNA(LiValue inst, void *addr, const LiStrucField *f, LiValue v);
LI_API LiValue li_StrucBasicConstructor(LiValue inst, void *data, int owned, LiValue args);
/* As li_StrucBasicConstructor, for a block of `size` readable bytes at data (a native object whose
 * script part starts inside it has fewer bytes there than the class's size). */
LI_API LiValue li_StrucSizedConstructor(LiValue inst, void *data, uint32_t size, int owned, LiValue args);
/* A view of cls over addr, which must lie with the class's whole size inside parent's data: a
 * nested structure's getter. The view keeps parent alive. */
LI_API LiValue li_CreateView(LiValue cls, LiValue parent, void *addr);
LI_API void li_StrucBasicDestructor(LiValue inst);

/* ---- calling natives with argument lists --------------------------------------------------- */

LI_API LiValue li_CallCLVFunction(LiEntry entry, LiValue list);      /* list spread into slots */
LI_API LiValue li_CallCLVarArgFunction(LiEntry entry, LiValue list); /* list in slot 0 */

/* ---- memory ---------------------------------------------------------------------------------- */

LI_API void *LI_Malloc(size_t n);
LI_API void LI_Free(void *p);
/* Zeroed memory that is never freed, for what a module registers once (tables built at start-up):
 * carved from large blocks, so it costs no heap call of its own. */
LI_API void *li_PermanentAlloc(size_t n);

/* ---- host side ------------------------------------------------------------------------------- */

LI_API void li_Init(int argc, char **argv);
LI_API int li_LoadFile(const char *path);          /* 0 on success; errors are reported */
LI_API int li_EvalString(const char *text);        /* 0 on success; errors are reported */
LI_API void li_Repl(void);
LI_API int li_LoadModule(const char *name);        /* 0 on success */
LI_API void li_Shutdown(void);                     /* unloads modules, newest first */

#ifdef __cplusplus
}

/* The symbol table's hash of a name (FNV-1a), which rows handed to li_DeferFunctions carry from
 * compile time. */
constexpr uint32_t LI_NAME_HASH_SEED = 2166136261u;
constexpr uint32_t li_NameHashByte(uint32_t h, unsigned char c) { return (h ^ c) * 16777619u; }
constexpr uint32_t li_NameHash(const char *name)
{
    uint32_t h = LI_NAME_HASH_SEED;
    while (*name) h = li_NameHashByte(h, (unsigned char)*name++);
    return h;
}

/* The filter a constant index may carry, made when the module is compiled: two bits a name, from
 * its hash, in li_FilterBits(count) bits, set by li_ConstantFilter<li_FilterBits(count) / 32>. */
constexpr uint32_t li_FilterBits(int count)
{
    uint32_t bits = 1024;
    while (bits < 16u * (uint32_t)count && bits < (1u << 24)) bits *= 2;
    return bits;
}
/* A name's two bits: its hash's low bits, and the high bits of the hash's product with an odd
 * constant. The interpreter's own filters set and test the same bits. */
constexpr uint32_t li_FilterFirstBit(uint32_t hash, uint32_t bits) { return hash & (bits - 1); }
constexpr uint32_t li_FilterSecondBit(uint32_t hash, uint32_t bits)
{
    return (hash * 2654435761u) >> (32 - __builtin_ctz(bits));
}
constexpr void li_FilterAdd(uint32_t *words, uint32_t bits, uint32_t hash)
{
    uint32_t a = li_FilterFirstBit(hash, bits), b = li_FilterSecondBit(hash, bits);
    words[a / 32] |= 1u << (a % 32);
    words[b / 32] |= 1u << (b % 32);
}
constexpr bool li_FilterMayHold(const uint32_t *words, uint32_t bits, uint32_t hash)
{
    uint32_t a = li_FilterFirstBit(hash, bits), b = li_FilterSecondBit(hash, bits);
    return (words[a / 32] >> (a % 32) & 1) && (words[b / 32] >> (b % 32) & 1);
}
template <uint32_t Words> struct LiFilterWords {
    uint32_t words[Words];
};
template <uint32_t Words, size_t N> constexpr LiFilterWords<Words> li_ConstantFilter(const uint32_t (&hashes)[N])
{
    LiFilterWords<Words> f{};
    for (size_t i = 0; i < N; i++) li_FilterAdd(f.words, Words * 32, hashes[i]);
    return f;
}

/* The order of a constant index's runs: a name before the next when it is less byte by byte. An
 * index has at most LI_CONSTANT_RUNS runs. */
constexpr int LI_CONSTANT_RUNS = 16;
constexpr bool li_NameAscends(const char *a, const char *b)
{
    while (*a && *a == *b) a++, b++;
    return (unsigned char)*a < (unsigned char)*b;
}
#endif
#endif
