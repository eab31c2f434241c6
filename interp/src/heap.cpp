// Cells, the precise mark-and-sweep collector, and the value makers.
//
// Roots: every symbol's value, the dynamic-binding stack, the argument stack up to ArgTop (the
// evaluator's frames, and in them the boxes of captured variables, are part of it), the classes
// (their methods and names). A closure keeps its code and the boxes it captured. Instances that
// become unreachable are kept for one more cycle so that their destructor hooks may still run
// script code that touches them; their cells are reclaimed by the next collection.
#include "internal.h"

#include <stdio.h>
#include <stdlib.h>
#include <vector>

namespace {

const int POOL_CELLS = 16384;
std::vector<LiCell *> pools;
LiCell *freelist = nullptr;
int allocated_since_gc = 0;
uint32_t allocated_total = 0; // wraps; only differences are read
int gc_threshold = 200000;
int live_after_gc = 0;
bool in_gc = false;
std::vector<LiValue> mark_stack;
std::vector<LiValue> pending_destroy;

// Instance bodies come from their own free list: creating a view instance must be cheap.
LiInstanceBody *body_free = nullptr;

LiInstanceBody *alloc_body()
{
    if (!body_free) {
        const int n = 1024;
        LiInstanceBody *chunk = (LiInstanceBody *)malloc(sizeof(LiInstanceBody) * n);
        if (!chunk) li_Error("Out of memory");
        for (int i = 0; i < n; i++) {
            chunk[i].cls = (LiValue)body_free;
            body_free = &chunk[i];
        }
    }
    LiInstanceBody *b = body_free;
    body_free = (LiInstanceBody *)b->cls;
    return b;
}

void new_pool()
{
    LiCell *pool = (LiCell *)calloc(POOL_CELLS, sizeof(LiCell));
    if (!pool) {
        fprintf(stderr, "savra: out of memory\n");
        exit(3);
    }
    pools.push_back(pool);
    for (int i = POOL_CELLS - 1; i >= 0; i--) {
        pool[i].hdr = LI_FREE << 1;
        pool[i].w1 = W(freelist);
        freelist = &pool[i];
    }
}

// String bytes come from blocks of power-of-two sizes, 16 bytes to 16 KB, kept on free lists of
// their own: malloc costs far more, most of all under emulation, and the platform's heap slows
// down further when many blocks of a few kilobytes come and go (a string built piece by piece).
// The shortest come from chunks; the longer ones are malloc'd one by one and kept for reuse up to
// a limit, beyond which they go back to the heap.
const int STRING_CLASSES = 11; // 16 << k bytes
const int STRING_CHUNKED = 4;  // classes up to 128 bytes come from chunks
const uint32_t STRING_CHUNK = 64 * 1024;
const uint32_t STRING_KEPT_MAX = 16u << 20;
struct FreeBytes {
    FreeBytes *next;
};
FreeBytes *string_free[STRING_CLASSES];
uint32_t string_kept_bytes = 0;

inline uint32_t class_bytes(int k) { return 16u << k; }

// -1 for a block too long for any class.
inline int string_class(uint32_t capacity)
{
    if (capacity <= 16) return 0;
    int k = 32 - __builtin_clz(capacity - 1) - 4; // the least k with 16 << k >= capacity
    return k < STRING_CLASSES ? k : -1;
}

char *string_bytes_alloc(uint32_t capacity)
{
    int k = string_class(capacity);
    if (k < 0) return (char *)malloc(capacity);
    if (FreeBytes *b = string_free[k]) {
        string_free[k] = b->next;
        if (k >= STRING_CHUNKED) string_kept_bytes -= class_bytes(k);
        return (char *)b;
    }
    if (k >= STRING_CHUNKED) return (char *)malloc(class_bytes(k));
    char *chunk = (char *)malloc(STRING_CHUNK);
    if (!chunk) return nullptr;
    for (uint32_t at = class_bytes(k); at + class_bytes(k) <= STRING_CHUNK; at += class_bytes(k)) {
        FreeBytes *b = (FreeBytes *)(chunk + at);
        b->next = string_free[k];
        string_free[k] = b;
    }
    return chunk;
}

void string_bytes_free(char *bytes, uint32_t capacity)
{
    int k = string_class(capacity);
    if (k < 0 || (k >= STRING_CHUNKED && string_kept_bytes + class_bytes(k) > STRING_KEPT_MAX)) {
        free(bytes);
        return;
    }
    if (k >= STRING_CHUNKED) string_kept_bytes += class_bytes(k);
    FreeBytes *b = (FreeBytes *)bytes;
    b->next = string_free[k];
    string_free[k] = b;
}

inline void mark(LiValue v)
{
    if (!v || (v->hdr & (LI_HDR_MARK | LI_HDR_STATIC))) return;
    v->hdr |= LI_HDR_MARK;
    mark_stack.push_back(v);
}

void mark_cb(LiValue v) { mark(v); }

void propagate()
{
    while (!mark_stack.empty()) {
        LiValue v = mark_stack.back();
        mark_stack.pop_back();
        switch (li_Tag(v)) {
        case LI_CONS:
            mark(car(v));
            mark(cdr(v));
            if (v->w3) mark(P(v->w3)); // a resolved form's source
            break;
        case LI_ARRAY: {
            UT_Array *a = li_ArrayStorage(v);
            if (a)
                for (int i = 0; i < a->count; i++) mark((LiValue)a->items[i]);
            break;
        }
        case LI_CLOSURE: {
            LiValue code = P(v->w1);
            mark(code);
            LiValue *boxes = closure_boxes(v);
            for (int i = 0; i < code_rec(code)->nupvals; i++) mark(boxes[i]);
            mark(P(v->w3));
            break;
        }
        case LI_CODE: {
            Code *c = code_rec(v);
            mark(c->params);
            mark(c->body);
            mark(c->name);
            for (int i = 0; c->targets && i < c->nparams + (c->rest ? 1 : 0); i++) mark(c->targets[i]);
            break;
        }
        case LI_BOX:
            mark(P(v->w1));
            break;
        case LI_SPECIAL: // a lambda's site in resolved code
            mark(P(v->w3));
            break;
        case LI_ERROR:
            mark(P(v->w2));
            mark(P(v->w3));
            break;
        case LI_INSTANCE:
            instance_mark_fields(v, mark_cb);
            break;
        case LI_SYMBOL:
            mark(sym_value(v));
            break;
        default:
            break;
        }
    }
}

void mark_symbol(LiValue sym, void *) { mark(sym_value(sym)); }

void free_cell(LiValue c)
{
    switch (li_Tag(c)) {
    case LI_STRING:
    case LI_BUFFER:
        string_bytes_free(str_bytes(c), c->w1);
        break;
    case LI_ARRAY:
        UT_ArrayDestroy(li_ArrayStorage(c), nullptr);
        break;
    case LI_CLOSURE:
        if (c->hdr & LI_HDR_BOX_ARRAY) free(closure_boxes(c));
        break;
    case LI_CODE: {
        Code *code = code_rec(c);
        free(code->targets);
        free(code->upfrom);
        free(code);
        break;
    }
    default:
        break;
    }
    c->hdr = LI_FREE << 1;
    c->w1 = W(freelist);
    c->w2 = c->w3 = 0;
    freelist = c;
}

} // namespace

bool g_gc_inhibit = false;

// Native blocks that instances own weigh on the collector too: a few cells can hold megabytes of
// native data, which would otherwise pile up between collections triggered by cells alone.
// Long strings do too, with more room: a string built piece by piece makes megabytes of them, and
// a collection every megabyte would cost more than the memory it gives back.
static uint32_t native_bytes_since_gc = 0, string_bytes_since_gc = 0;
static const uint32_t NATIVE_BYTES_PER_GC = 1u << 20, STRING_BYTES_PER_GC = 4u << 20;
void note_native_bytes(uint32_t n) { native_bytes_since_gc += n; }

// SAVRA_GC_EVERY=N collects every N allocations: a missing root shows up at once.
static int gc_every = 0, torture_count = 0;
void gc_init_from_environment(void)
{
    const char *e = getenv("SAVRA_GC_EVERY");
    gc_every = e ? atoi(e) : 0;
}

void gc_collect(void)
{
    if (in_gc || g_gc_inhibit) return;
    in_gc = true;
    // Static cells (nil, symbols, cached integers) carry their mark permanently.
    symbols_each(mark_symbol, nullptr);
    for (int i = 0; i < g_bind_top; i++) mark(g_bindings[i].old);
    for (LiValue *p = g_stack_base; p < ArgTop; p++) mark(*p);
    classes_mark(mark_cb);
    propagate();

    // Unreachable instances survive this cycle so that their hooks see intact values.
    pending_destroy.clear();
    for (LiCell *pool : pools)
        for (int i = 0; i < POOL_CELLS; i++) {
            LiValue c = &pool[i];
            if (li_Tag(c) == LI_INSTANCE && !(c->hdr & LI_HDR_MARK)) pending_destroy.push_back(c);
        }
    for (LiValue c : pending_destroy) mark(c);
    propagate();

    int live = 0;
    for (LiCell *pool : pools)
        for (int i = 0; i < POOL_CELLS; i++) {
            LiValue c = &pool[i];
            if (li_Tag(c) == LI_FREE) continue;
            if (c->hdr & LI_HDR_STATIC) continue;
            if (c->hdr & LI_HDR_MARK) {
                c->hdr &= ~LI_HDR_MARK;
                live++;
            } else {
                free_cell(c);
            }
        }
    live_after_gc = live;
    allocated_since_gc = 0;
    native_bytes_since_gc = 0;
    string_bytes_since_gc = 0;
    gc_threshold = live > 100000 ? live : 100000;
    in_gc = false;

    // Hooks may allocate, evaluate script code and even collect again.
    // No collection while they run: a dead cell reclaimed and reused meanwhile would otherwise
    // be destroyed a second time through this list.
    std::vector<LiValue> dying;
    dying.swap(pending_destroy);
    bool inhibit = g_gc_inhibit;
    g_gc_inhibit = true;
    for (LiValue c : dying) destroy_instance(c, 0);
    g_gc_inhibit = inhibit;
}

int gc_live_cells(void) { return live_after_gc; }
uint32_t cells_allocated(void) { return allocated_total; }

// A long string's bytes count towards the next collection, so a loop that makes them reuses their
// memory instead of growing the heap (fresh memory costs most of all under emulation).
static LiValue string_cell(char *buf, uint32_t len, int tag)
{
    if (len >= 128) string_bytes_since_gc += len;
    buf[len] = 0;
    LiValue s = alloc_cell(tag);
    s->w1 = len + 1;
    s->w2 = W(buf);
    s->w3 = len;
    return s;
}

LiValue permanent_cell(int tag)
{
    static LiCell *block = nullptr;
    static int left = 0;
    if (!left) {
        block = (LiCell *)permanent_alloc(256 * sizeof(LiCell));
        left = 256;
    }
    left--;
    LiValue c = block++;
    c->hdr = ((uint32_t)tag << 1) | LI_HDR_STATIC;
    return c;
}

LiValue alloc_cell(int tag)
{
    if ((allocated_since_gc >= gc_threshold || native_bytes_since_gc >= NATIVE_BYTES_PER_GC ||
         string_bytes_since_gc >= STRING_BYTES_PER_GC) &&
        !in_gc && !g_gc_inhibit)
        gc_collect();
    else if (gc_every && ++torture_count >= gc_every && !in_gc && !g_gc_inhibit) {
        torture_count = 0;
        gc_collect();
    }
    if (!freelist) new_pool();
    LiValue c = freelist;
    freelist = P(c->w1);
    allocated_since_gc++;
    allocated_total++;
    c->hdr = (uint32_t)tag << 1;
    c->w1 = c->w2 = c->w3 = 0;
    return c;
}

// The bytes are copied before the cell is made: they may lie in a string the collection frees.
LiValue make_string_n(const char *bytes, uint32_t len, int tag)
{
    char *buf = string_bytes_alloc(len + 1);
    if (!buf) li_Error("Out of memory");
    if (bytes) memcpy(buf, bytes, len);
    else memset(buf, 0, len);
    return string_cell(buf, len, tag);
}

LiValue make_string_unfilled(uint32_t len, int tag)
{
    char *buf = string_bytes_alloc(len + 1);
    if (!buf) li_Error("Out of memory");
    return string_cell(buf, len, tag);
}

LiValue make_instance(LiValue cls, void *data, int owned)
{
    LiClassRecord *rec = li_ClassRecord(cls);
    LiValue *slots = nullptr;
    if (rec->nslots > 0) {
        slots = (LiValue *)malloc(sizeof(LiValue) * rec->nslots);
        if (!slots) li_Error("Out of memory");
        for (int i = 0; i < rec->nslots; i++) slots[i] = Nil;
    }
    LiInstanceBody *b = alloc_body();
    b->cls = cls;
    b->data = data;
    b->flags = owned ? LI_BODY_OWNED : 0;
    b->slots = slots;
    b->size = data ? rec->size : 0;
    b->parent = nullptr;
    LiValue v = alloc_cell(LI_INSTANCE);
    v->w2 = W(b);
    return v;
}

// Ends an instance: runs the class's instance-destructor hook unless the caller keeps the data,
// then turns the cell into a dead instance. Re-entry while the hook runs is a no-op.
void destroy_instance(LiValue inst, int flags)
{
    if (li_Tag(inst) != LI_INSTANCE || (inst->hdr & LI_HDR_DYING)) return;
    inst->hdr |= LI_HDR_DYING;
    LiInstanceBody *b = li_InstanceBody(inst);
    owned_block_forget(inst);
    if (!(flags & LI_DESTROY_KEEP_DATA)) class_instance_hook(b->cls)(inst);
    free(b->slots);
    b->cls = (LiValue)body_free;
    body_free = b;
    inst->w2 = 0;
    inst->hdr &= ~(LI_HDR_DYING | LI_HDR_NODELETE);
    set_tag(inst, LI_DEAD);
}

// ---- makers of the embedding interface --------------------------------------------------------

LiCell *small_int_pages[(SMALL_INT_END - SMALL_INT_MIN) / SMALL_INT_PAGE];

LiCell *small_int_page(int page)
{
    LiCell *cells = (LiCell *)calloc(SMALL_INT_PAGE, sizeof(LiCell));
    if (!cells) {
        fprintf(stderr, "savra: out of memory\n");
        exit(3);
    }
    for (int i = 0; i < SMALL_INT_PAGE; i++) {
        cells[i].hdr = (LI_LONG << 1) | LI_HDR_STATIC;
        cells[i].w1 = (uint32_t)(SMALL_INT_MIN + page * SMALL_INT_PAGE + i);
    }
    return small_int_pages[page] = cells;
}

LiValue li_CreateLong(int32_t v)
{
    if (LiValue c = small_int(v)) return c;
    LiValue c = alloc_cell(LI_LONG);
    c->w1 = (uint32_t)v;
    return c;
}

LiValue li_CreateReal(double d)
{
    LiValue c = alloc_cell(LI_REAL);
    memcpy(&c->w1, &d, sizeof d);
    return c;
}

LiValue li_CreateString(const char *s)
{
    if (!s) return Nil;
    return make_string_n(s, (uint32_t)strlen(s));
}

LiValue li_CreateStringN(const char *s, int n) { return make_string_n(s, n < 0 ? 0 : (uint32_t)n); }

LiValue li_Cons(LiValue a, LiValue d)
{
    LiValue c = alloc_cell(LI_CONS);
    c->w1 = W(a);
    c->w2 = W(d);
    return c;
}

LiValue li_Rplacd(LiValue c, LiValue d)
{
    if (!consp(c)) li_TypeError(c, LI_TYPE_LIST);
    c->w2 = W(d);
    return c;
}

LiValue li_MakeArray(int size)
{
    if (size < 0) size = 0;
    UT_Array *a = UT_ArrayCreate(size > 4 ? size : 4, 0);
    if (!a) li_Error("Out of memory");
    for (int i = 0; i < size; i++) UT_ArrayAdd(a, i, Nil);
    LiValue c = alloc_cell(LI_ARRAY);
    c->w2 = W(a);
    return c;
}

// Room for size elements and none set yet: elements are appended with li_Aset at the length.
LiValue li_CreateArray(int size)
{
    UT_Array *a = UT_ArrayCreate(size > 4 ? size : 4, 0);
    if (!a) li_Error("Out of memory");
    LiValue c = alloc_cell(LI_ARRAY);
    c->w2 = W(a);
    return c;
}

LiValue li_Aset(LiValue arr, int index, LiValue v)
{
    if (li_Tag(arr) != LI_ARRAY) li_TypeError(arr, LI_TYPE_ARRAY);
    UT_Array *a = li_ArrayStorage(arr);
    if (index == a->count) {
        if (UT_ArrayAdd(a, index, v) < 0) li_Error("Out of memory");
    } else if (index >= 0 && index < a->count) {
        a->items[index] = v;
    } else {
        errorf("Array index %d out of range 0..%d", index, a->count);
    }
    return v;
}

LiValue li_CreateInstance(LiValue cls, void *data, int owned) { return make_instance(cls, data, owned); }

static LiValue construct_over(void *data, LiValue cls, LiValue args, int owned)
{
    LiValue inst = make_instance(cls, nullptr, 0);
    push(inst);
    LiConstructorHook ctor = class_constructor(cls);
    LiValue r = ctor ? ctor(inst, data, owned, args) : li_StrucBasicConstructor(inst, data, owned, args);
    push(r);
    check_constructed(r);
    ArgTop -= 2;
    return r;
}

LiValue li_CreateNonNullInstanceNoalloc(void *data, LiValue cls, LiValue args) { return construct_over(data, cls, args, 0); }
LiValue li_CreateNonNullInstanceAlloc(void *data, LiValue cls, LiValue args) { return construct_over(data, cls, args, 1); }

void li_DestroyInstance(LiValue inst, int flags) { destroy_instance(inst, flags); }

void *LI_Malloc(size_t n)
{
    void *p = malloc(n ? n : 1);
    if (!p) li_Error("Out of memory");
    return p;
}

void LI_Free(void *p) { free(p); }
