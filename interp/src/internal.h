// Internal declarations shared by the files of libsavra.
#pragma once

#define LIBSAVRA_BUILD
#include "savra.h"
#include "halden.h"

#include <setjmp.h>
#include <stdint.h>
#include <string.h>
#include <string>
#include <vector>

// The evaluator's hot helpers are inlined whatever the compiler's size estimate: under emulation a
// call and its return cost more than the code they would save.
#define HOT_INLINE __attribute__((always_inline)) static inline

// ---- cell access ---------------------------------------------------------------------------

static inline LiValue P(uint32_t w) { return (LiValue)(uintptr_t)w; }
static inline uint32_t W(const void *p) { return (uint32_t)(uintptr_t)p; }

static inline void set_tag(LiValue v, int tag) { v->hdr = (v->hdr & ~0x3Eu) | ((uint32_t)tag << 1); }
static inline LiValue car(LiValue c) { return P(c->w1); }
static inline LiValue cdr(LiValue c) { return P(c->w2); }
// Outside a collection a cell's first byte is its tag shifted left and nothing else: the mark bit is
// set and cleared within gc_collect, and the flags lie in higher bytes. So the evaluator tests a tag
// with one compare of that byte. The collector, and whatever it calls, must use li_Tag.
HOT_INLINE unsigned tag_byte(LiValue v) { return *(const unsigned char *)v; }
constexpr unsigned TB(int tag) { return (unsigned)tag << 1; }
HOT_INLINE bool tag_is(LiValue v, int tag) { return tag_byte(v) == TB(tag); }
static inline bool consp(LiValue v) { return tag_is(v, LI_CONS); }
static inline bool nilp(LiValue v) { return tag_is(v, LI_NIL); }
static inline int32_t long_val(LiValue v) { return (int32_t)v->w1; }
static inline double real_val(LiValue v) { double d; memcpy(&d, &v->w1, sizeof d); return d; }
static inline char *str_bytes(LiValue v) { return li_StringBytes(v); }
static inline uint32_t str_len(LiValue v) { return v->w3; }
static inline const char *sym_name(LiValue s) { return (const char *)(uintptr_t)s->w1; }
static inline LiValue sym_value(LiValue s) { return P(s->w2); }
static inline void sym_set(LiValue s, LiValue v) { s->w2 = W(v); }

// ---- heap (heap.cpp) -------------------------------------------------------------------------

// A cell from the free list. The common case is in line: a countdown of the cells left before the
// collector must be asked (a threshold reached, a collection due for native or string bytes, the
// SAVRA_GC_EVERY test mode) and a non-empty list; everything else takes the slow path.
extern LiCell *g_free_cells;
extern int32_t g_alloc_countdown;
LiValue alloc_cell_slow(int tag);
HOT_INLINE LiValue alloc_cell(int tag)
{
    LiCell *c = g_free_cells;
    if (--g_alloc_countdown < 0 || !c) return alloc_cell_slow(tag); // which gives the count back
    g_free_cells = (LiCell *)(uintptr_t)c->w1;
    c->hdr = (uint32_t)tag << 1;
    c->w1 = c->w2 = c->w3 = 0;
    return c;
}
LiValue boxed_long(int32_t v); // a new cell, for a value outside the shared range
// A cell that is never collected, from permanent memory rather than the collected pools: for
// values that live as long as the process (classes, global functions), and for those made where a
// collection must not start.
LiValue permanent_cell(int tag);
LiValue make_string_n(const char *bytes, uint32_t len, int tag = LI_STRING);
LiValue make_string_unfilled(uint32_t len, int tag = LI_STRING); // the caller writes its len bytes
LiValue make_instance(LiValue cls, void *data, int owned);
void gc_collect(void);
void note_native_bytes(uint32_t n); // an instance took ownership of n bytes of native data
int gc_live_cells(void);
uint32_t cells_allocated(void);
bool readable_memory(const void *p, size_t n);
extern bool g_gc_inhibit;

// Integers a script meets most (counters, indexes, sizes, coordinates, message numbers) are
// shared cells, never allocated. They come in pages of 1,024, each made the first time one of its
// values is, so the range costs the start and the image nothing.
const int32_t SMALL_INT_MIN = -1024, SMALL_INT_END = 65536, SMALL_INT_PAGE = 1024;
extern LiCell *small_int_pages[(SMALL_INT_END - SMALL_INT_MIN) / SMALL_INT_PAGE];
LiCell *small_int_page(int page);
HOT_INLINE LiValue small_int(int32_t v)
{
    uint32_t k = (uint32_t)(v - SMALL_INT_MIN);
    if (k >= (uint32_t)(SMALL_INT_END - SMALL_INT_MIN)) return nullptr;
    LiCell *page = small_int_pages[k / SMALL_INT_PAGE];
    if (!page) page = small_int_page((int)(k / SMALL_INT_PAGE));
    return &page[k % SMALL_INT_PAGE];
}
// li_CreateLong with its common case in line.
HOT_INLINE LiValue make_long(int32_t v)
{
    LiValue c = small_int(v);
    return c ? c : boxed_long(v);
}

// ---- memory that is never freed (permanent.cpp) ---------------------------------------------

void *permanent_alloc(size_t n);                // zeroed
char *permanent_string(const char *s, size_t n); // s's n bytes and a terminator

// ---- symbols and bindings (symbols.cpp) -----------------------------------------------------

enum SymKind { SYM_PLAIN = 0, SYM_METHOD = 1, SYM_FIELD = 2 };
struct FieldRef;
struct Method;
struct SymbolRec {
    LiValue sym;
    uint32_t hash;
    SymbolRec *next;
    uint8_t kind;
    uint8_t special; // bound dynamically wherever it is bound (defvar, the embedding's locals, self)
    LiValue member;  // the bare name for ".Name" and ".-name" symbols
    // For a member name, the last class it was found in (classes.cpp): a script mostly meets one
    // class per name, whose lookup then costs a compare.
    LiValue field_cls;
    const FieldRef *field;
    LiValue method_cls, method_owner;
    Method *method;
    uint32_t method_epoch;
};
static inline SymbolRec *sym_rec(LiValue s) { return (SymbolRec *)(uintptr_t)s->w3; }
LiValue intern(const char *name);
LiValue intern_n(const char *name, size_t len);
LiValue symbol_lookup(const char *name, size_t len, uint32_t hash); // null for a name without a symbol
// A name's hash (FNV-1a), as the symbol table keys it and a symbol keeps it (SymbolRec::hash):
// NAME_HASH_SEED, then name_hash_byte for each byte.
const uint32_t NAME_HASH_SEED = LI_NAME_HASH_SEED;
static inline uint32_t name_hash_byte(uint32_t h, unsigned char c) { return li_NameHashByte(h, c); }
static inline uint32_t name_hash(const char *s, size_t n)
{
    uint32_t h = NAME_HASH_SEED;
    for (size_t i = 0; i < n; i++) h = name_hash_byte(h, (unsigned char)s[i]);
    return h;
}
void symbols_each(void (*f)(LiValue sym, void *ctx), void *ctx); // in no particular order
// The symbol of a name whose hash is known, or null; the name's bytes are read only on a match.
LiValue symbol_lookup_hashed(const char *name, uint32_t hash);

// A filter of names by their hash, two bits per name (li_FilterAdd). A name never added passes
// with a chance of about one in a hundred at 16 bits a name; one added always does.
class NameFilter {
public:
    explicit NameFilter(uint32_t bits) : words(bits / 32), bits(bits) {} // bits: a power of two
    // One a module's generator made (li_ConstantFilter), read where it lies; nothing is added to it.
    NameFilter(const uint32_t *made, uint32_t bits) : made(made), bits(bits) {}
    void add(uint32_t hash) { li_FilterAdd(words.data(), bits, hash); }
    bool may_hold(uint32_t hash) const { return li_FilterMayHold(made ? made : words.data(), bits, hash); }

private:
    std::vector<uint32_t> words;
    const uint32_t *made = nullptr;
    uint32_t bits;
};

// ---- constant tables (constants.cpp) ----------------------------------------------------------

// The value the installed tables give a name, as an uncollected cell; Undef when none holds it.
LiValue constant_value(const char *name, size_t len, uint32_t hash);
// Makes the symbol of every installed name (for listings that walk the symbol table).
void constants_intern_all(void);
// Drops the tables whose rows lay in a module image that has been unloaded.
void constants_forget_module(void *module);
// The module image that holds address p, or null when p lies in other memory (the heap, a stack).
void *image_of(const void *p);
// Names the module whose initialisers run now (null: none); returns the one named before.
void *image_loading(void *module);

// ---- functions registered on first use (deferred.cpp) ------------------------------------------

// Defines the deferred functions of a symbol just made (its hash is the name's).
void define_deferred(LiValue sym, uint32_t hash);
// Makes the symbol, and so the function, of every deferred name (for listings).
void deferred_intern_all(void);
// Counts a registration of a global function, unless it is a deferred row's definition.
void count_registration(void);
void deferred_forget_module(void *module);
// Makes every table of classes handed over and not yet made (for listings).
void deferred_make_classes(void);

struct Binding {
    LiValue sym;
    LiValue old;
};
extern Binding *g_bindings;
extern int g_bind_top;
void bind(LiValue sym, LiValue value);
void unbind_to(int top);

static inline bool is_special(LiValue s) { return sym_rec(s)->special != 0; }
static inline void proclaim_special(LiValue s) { sym_rec(s)->special = 1; }

extern LiValue S_t, S_self, S_quote, S_rest, S_optional, S_catch, S_error_stack, S_init;
extern LiValue True;

// ---- argument stack --------------------------------------------------------------------------

extern LiValue *g_stack_base, *g_stack_limit;
static inline void push(LiValue v) { *ArgTop++ = v; }
void stack_overflow(void);

// ---- natives ---------------------------------------------------------------------------------

struct NativeFn;
struct NativeVariant {
    LiEntry entry;
    int n;          // fixed parameter count, or -1 for a rest or raw variant
    uint32_t flags; // LI_PARAM_REST, or RAW_VARARGS for builtins that read ArgBase/g_argc
    const char **params;
    const NativeFn *fn; // the function it is a variant of
};
#define RAW_VARARGS 0x10000000u
// Builtins the evaluator runs in place on their commonest arguments (eval.cpp).
enum InlineOp : uint8_t {
    OP_NONE, OP_ADD, OP_SUB, OP_MUL, OP_DIV, OP_REM, OP_NUMEQ, OP_NUMNE, OP_LT, OP_GT, OP_LE, OP_GE,
    OP_EQ, OP_CONS, OP_CAR, OP_CDR, OP_NOT,
};
struct NativeFn {
    const char *name;
    LiValue cls; // Nil for global functions
    NativeVariant *v;
    int count;
    uint8_t op; // InlineOp; a variant added later (a module's redefinition) clears it
};
static inline NativeFn *native_rec(LiValue f) { return (NativeFn *)(uintptr_t)f->w1; }
extern int g_argc; // actual argument count of the current raw-varargs builtin
// The variant of the native call under way, or null: an error names its function and, by the
// argument slots from ArgBase, the parameter. One word, so that a call saves and restores little.
extern const NativeVariant *g_call;
void native_add_variant(NativeFn *fn, LiEntry entry, int n, const char **params, uint32_t flags);
LiValue global_native_add(const char *name, LiEntry entry, int n, const char **params, uint32_t flags);
const NativeVariant *native_pick(const NativeFn *fn, int argc);
[[noreturn]] void arity_error(const NativeFn *fn, int argc);
// args[0..n) as a new list (a rest parameter's value).
LiValue list_from(LiValue *args, int n);
// base[0] is the receiver for a method; argc counts the arguments after it. In line in the
// evaluator: most natives have one variant, of fixed arguments.
HOT_INLINE LiValue call_native(NativeFn *fn, LiValue *base, int argc, bool method)
{
    const NativeVariant *v = fn->count == 1 && fn->v[0].n == argc ? fn->v : native_pick(fn, argc);
    if (v->flags & LI_PARAM_REST) {
        int k = method ? 1 : 0;
        LiValue list = list_from(base + k, argc);
        base[k] = list;
        ArgTop = base + k + 1;
    } else if (v->flags & RAW_VARARGS) {
        g_argc = argc;
    }
    const NativeVariant *saved = g_call;
    LiValue *saved_base = ArgBase;
    g_call = v;
    ArgBase = base;
    LiValue r = v->entry();
    ArgBase = saved_base;
    g_call = saved;
    return r;
}

// ---- evaluation (eval.cpp; errors and protection points in errors.cpp) ------------------------

LiValue eval(LiValue form);
LiValue eval_body(LiValue forms);
LiValue apply(LiValue fn, LiValue *args, int argc);
LiValue call_method(LiValue inst, LiValue name, LiValue *args, int argc); // args on the stack
extern int16_t g_depth;
extern LiValue *g_frames;
#define MAX_DEPTH 8000

[[noreturn]] void raise_error(int code, LiValue message, LiValue offender);
[[noreturn]] void raise_current(void);
[[noreturn]] void errorf(const char *fmt, ...);
LiValue capture_stack(void);
void report_error(void); // prints "Error: ...", the stack

// special forms
enum {
    SF_QUOTE, SF_IF, SF_COND, SF_WHEN, SF_UNLESS, SF_WHILE, SF_PROGN, SF_SETQ, SF_LET, SF_LETSTAR,
    SF_DEFUN, SF_LAMBDA, SF_AND, SF_OR, SF_TRY, SF_UNWIND_PROTECT, SF_SETBANG, SF_DEFCLASS,
    SF_DEFMETHOD, SF_DEFVAR, SF_DOLIST, SF_DOTIMES,
    // what the binding forms become once their variables are resolved (compile.cpp); they print
    // as the form they came from
    SF_LET_C, SF_LETSTAR_C, SF_DOLIST_C, SF_DOTIMES_C, SF_TRY_C, SF_LAMBDA_C, SF_DEFUN_C, SF_DEFMETHOD_C,
    SF_COUNT
};
void specials_init(void);
extern LiValue g_special_cells[SF_COUNT]; // the shared cell of each form; lambdas get one per site

// ---- lexical variables (compile.cpp) -------------------------------------------------------------
//
// A lambda's parameters and the variables of the let, let*, dotimes, dolist and catch forms in it
// are resolved once, when the lambda (or a binding form outside any function) is made: each
// reference becomes a cell naming a slot of the running frame, or one of the running closure's
// captured boxes. Frames live on the argument stack (a call's arguments are its first slots); a
// variable some inner lambda captures lives in a box its slot holds, shared by every closure made
// while it is in scope. Special variables and globals stay symbols, read through their value word.

// Internal cell tags: parts of resolved code, never a value a script holds.
enum {
    LI_LOCAL = 17, // w1 slot of the running frame, w2 symbol
    LI_BOXED = 18, // as LI_LOCAL; the slot holds the variable's box (a lambda captures it)
    LI_UPVAL = 19, // w1 index among the running closure's boxes, w2 symbol
    LI_BOX = 20,   // w1 a captured variable's value
    LI_CODE = 21,  // w1 a Code record
};

// A lambda resolved: shared by every closure made from it. A closure cell holds its Code cell
// (w1), its captured boxes (w2: the one box itself, or a malloc'd array of them when there are
// more, marked by LI_HDR_BOX_ARRAY) and its name (w3).
struct Code {
    LiValue params;   // as written, for describe
    LiValue body;     // resolved forms
    LiValue name;     // symbol or Nil
    LiValue *targets; // per parameter, the rest one last: its LI_LOCAL/LI_BOXED cell or special symbol
    int nrequired, nparams; // nparams counts optional ones, not the rest parameter
    bool rest;
    bool fixups;      // a parameter is captured or special: the call boxes or binds it
    int nslots;       // frame size, parameters first
    int nupvals;
    int32_t *upfrom;  // per box: >= 0 a slot of the making frame, else ~k the making closure's box k
};
static inline Code *code_rec(LiValue c) { return (Code *)(uintptr_t)c->w1; }
#define LI_HDR_BOX_ARRAY 0x00000400u
static inline LiValue *closure_boxes(LiValue f)
{
    return f->hdr & LI_HDR_BOX_ARRAY ? (LiValue *)(uintptr_t)f->w2 : (LiValue *)&f->w2;
}

extern LiValue *g_fp; // the running frame's first slot
extern LiValue *g_up; // the running closure's boxes

// A Code cell, not yet rooted: the caller protects it before it allocates.
LiValue compile_lambda(LiValue params, LiValue body, LiValue name);
// A binding form met outside any function, as the body of a frame of its own.
LiValue compile_thunk(LiValue form);
// The form as written, for a resolved one.
static inline LiValue source_of(LiValue form) { return consp(form) && form->w3 ? P(form->w3) : form; }

// ---- classes (classes.cpp) --------------------------------------------------------------------

struct Method {
    NativeFn *native; // or
    LiValue closure;
};
struct FieldRef {
    const LiStrucField *f; // native field, or
    int slot;              // script field index when f is null
    uint32_t end;          // a native field's offset and width: the data an instance needs for it
    bool word;             // a plain 32-bit integer, which the evaluator reads in place
};
LiValue find_method_entry(LiValue cls, LiValue name, Method **out);
// Bumped whenever a method table changes: a method a name remembers may be shadowed or replaced.
extern uint32_t g_method_epoch;
static inline Method *method_of(LiValue cls, LiValue name)
{
    SymbolRec *r = sym_rec(name);
    if (r->method_cls == cls && r->method_epoch == g_method_epoch) return r->method;
    Method *m;
    find_method_entry(cls, name, &m);
    return m;
}
const FieldRef *find_field(LiValue cls, LiValue name);
// The hooks by which cls (or its nearest superclass that has them) resolves other members, or NULL.
const LiMemberHooks *member_hooks(LiValue cls);
LiValue field_get(LiValue inst, LiValue name);
LiValue field_set(LiValue inst, LiValue name, LiValue value);
LiValue make_script_class(LiValue name, LiValue super, LiValue slotNames);
void define_script_method(LiValue cls, LiValue name, LiValue closure);
LiValue new_instance(LiValue cls, LiValue args);
void destroy_instance(LiValue inst, int flags);
void classes_mark(void (*mark)(LiValue));
void instance_mark_fields(LiValue inst, void (*mark)(LiValue));
LiValue class_list(void);
// How many classes have been made; and moving the last count of them to index at of the list.
size_t classes_made(void);
void classes_place(size_t count, size_t at);
LiValue class_fields_list(LiValue cls);
LiValue class_methods_list(LiValue cls);
int class_is_derived(LiValue cls, LiValue base);
LiConstructorHook class_constructor(LiValue cls);
LiInstanceHook class_instance_hook(LiValue cls);
void check_constructed(LiValue inst);
void owned_block_forget(LiValue inst);
int owned_block_count(void);
// A view of cls at address when the address lies in a block an instance owns (checked to fit,
// keeping the owner alive); NULL when no instance owns the memory there.
LiValue view_at(LiValue cls, uintptr_t address);

// ---- reader / printer --------------------------------------------------------------------------

struct Reader {
    const char *p, *end;
    const char *origin;
    int line;
};
// Reads the next form into *out; returns false at the end of the text.
bool read_form(Reader *r, LiValue *out);
void print_value(LiValue v, bool princ, void (*put)(const char *, size_t, void *), void *ctx);
LiValue value_to_string(LiValue v, bool princ); // new string cell
void out_write(const char *s, size_t n);
void out_flush(void);

// ---- builtins / host ---------------------------------------------------------------------------

void builtins_init(void);
void host_init(void);
LiValue load_file(const char *path);
LiValue describe_string(LiValue sym);

// The REPL's input (repl_input.cpp): lines read on a thread of their own while this thread
// dispatches its windows' messages; Ctrl+C or Break stops the running form at its next step.
void repl_input_start();
bool repl_read_line(std::string &line);
void repl_clear_interrupt();
extern volatile long *interrupt_flag;
void check_interrupt_slow();
inline void check_interrupt()
{
    if (*interrupt_flag) check_interrupt_slow();
}
