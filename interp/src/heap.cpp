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
int allocated_since_gc = 0;
uint32_t allocated_total = 0; // wraps; only differences are read
int32_t countdown_start = 0;  // g_alloc_countdown when it was last set
int gc_threshold = 200000;
int live_after_gc = 0;
bool in_gc = false;
std::vector<LiValue> mark_stack;
std::vector<LiValue> pending_destroy;
std::vector<LiValue> instance_cells; // every instance made, and some since destroyed

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
        pool[i].w1 = W(g_free_cells);
        g_free_cells = &pool[i];
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
        // a list's spine is followed in place rather than through the stack
        while (li_Tag(v) == LI_CONS) {
            mark(car(v));
            if (v->w3) mark(P(v->w3)); // a resolved form's source
            LiValue d = cdr(v);
            if (!d || (d->hdr & (LI_HDR_MARK | LI_HDR_STATIC))) break;
            d->hdr |= LI_HDR_MARK;
            v = d;
        }
        switch (li_Tag(v)) {
        case LI_CONS:
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

// What a dead cell owns outside the pools, and the tags (as bits) of those that may own something.
const uint32_t OWNS_STORAGE =
    1u << LI_STRING | 1u << LI_BUFFER | 1u << LI_ARRAY | 1u << LI_CLOSURE | 1u << LI_CODE;
void release_storage(LiValue c)
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
}

} // namespace

bool g_gc_inhibit = false;

// Native blocks that instances own weigh on the collector too: a few cells can hold megabytes of
// native data, which would otherwise pile up between collections triggered by cells alone.
// Long strings do too, with more room: a string built piece by piece makes megabytes of them, and
// a collection every megabyte would cost more than the memory it gives back.
static uint32_t native_bytes_since_gc = 0, string_bytes_since_gc = 0;
static const uint32_t NATIVE_BYTES_PER_GC = 1u << 20, STRING_BYTES_PER_GC = 4u << 20;

// SAVRA_GC_EVERY=N collects every N allocations: a missing root shows up at once.
static int gc_every = 0, torture_count = 0;

LiCell *g_free_cells = nullptr;
int32_t g_alloc_countdown = 0; // 0 at first: the first allocation sets it

// The cells the in-line path took since the countdown was set, added to the counts.
static void count_allocations()
{
    int32_t used = countdown_start - g_alloc_countdown;
    allocated_since_gc += used;
    allocated_total += (uint32_t)used;
    countdown_start = g_alloc_countdown;
}

static bool due_for_bytes()
{
    return native_bytes_since_gc >= NATIVE_BYTES_PER_GC || string_bytes_since_gc >= STRING_BYTES_PER_GC;
}

// The cells the in-line path may take before the collector must be asked again: none while a
// collection is due (it may be inhibited for now) or in the test mode, which counts each one.
static void set_countdown()
{
    int32_t left = gc_threshold - allocated_since_gc;
    if (left < 0 || gc_every || due_for_bytes()) left = 0;
    g_alloc_countdown = countdown_start = left;
}

// A collection is due for bytes: the next allocation asks.
static void collection_due()
{
    count_allocations();
    g_alloc_countdown = countdown_start = 0;
}

void note_native_bytes(uint32_t n)
{
    native_bytes_since_gc += n;
    if (due_for_bytes()) collection_due();
}
void gc_init_from_environment(void)
{
    const char *e = getenv("SAVRA_GC_EVERY");
    gc_every = e ? atoi(e) : 0;
}

void gc_collect(void)
{
    if (in_gc || g_gc_inhibit) return;
    in_gc = true;
    count_allocations();
    // Static cells (nil, symbols, cached integers) carry their mark permanently.
    symbols_each(mark_symbol, nullptr);
    for (int i = 0; i < g_bind_top; i++) mark(g_bindings[i].old);
    for (LiValue *p = g_stack_base; p < ArgTop; p++) mark(*p);
    classes_mark(mark_cb);
    propagate();

    // Unreachable instances survive this cycle so that their hooks see intact values. The list of
    // instance cells loses those no longer instances (destroyed): a cell is only reused after a
    // sweep, by which time its old entry is gone, so no cell is listed twice.
    pending_destroy.clear();
    size_t kept = 0;
    for (LiValue c : instance_cells) {
        if (li_Tag(c) != LI_INSTANCE) continue;
        instance_cells[kept++] = c;
        if (!(c->hdr & LI_HDR_MARK)) pending_destroy.push_back(c);
    }
    instance_cells.resize(kept);
    for (LiValue c : pending_destroy) mark(c);
    propagate();

    int live = 0;
    LiCell *free_cells = g_free_cells;
    for (LiCell *pool : pools)
        for (LiCell *c = pool, *end = pool + POOL_CELLS; c < end; c++) {
            uint32_t h = c->hdr;
            if (h & LI_HDR_MARK) {
                c->hdr = h & ~LI_HDR_MARK;
                live++;
                continue;
            }
            uint32_t tag = 1u << ((h >> 1) & 31);
            if ((tag & 1u << LI_FREE) || (h & LI_HDR_STATIC)) continue;
            if (tag & OWNS_STORAGE) release_storage(c);
            c->hdr = LI_FREE << 1;
            c->w1 = W(free_cells);
            free_cells = c;
        }
    g_free_cells = free_cells;
    live_after_gc = live;
    allocated_since_gc = 0;
    native_bytes_since_gc = 0;
    string_bytes_since_gc = 0;
    gc_threshold = live > 100000 ? live : 100000;
    in_gc = false;
    set_countdown();

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
uint32_t cells_allocated(void)
{
    count_allocations();
    return allocated_total;
}

// A long string's bytes count towards the next collection, so a loop that makes them reuses their
// memory instead of growing the heap (fresh memory costs most of all under emulation).
static LiValue string_cell(char *buf, uint32_t len, int tag)
{
    if (len >= 128) {
        string_bytes_since_gc += len;
        if (due_for_bytes()) collection_due();
    }
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

LiValue alloc_cell_slow(int tag)
{
    g_alloc_countdown++; // the in-line path's decrement, not an allocation
    count_allocations();
    if ((allocated_since_gc >= gc_threshold || due_for_bytes()) && !in_gc && !g_gc_inhibit)
        gc_collect();
    else if (gc_every && ++torture_count >= gc_every && !in_gc && !g_gc_inhibit) {
        torture_count = 0;
        gc_collect();
    }
    if (!g_free_cells) new_pool();
    LiValue c = g_free_cells;
    g_free_cells = P(c->w1);
    allocated_since_gc++;
    allocated_total++;
    set_countdown();
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
    instance_cells.push_back(v);
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

LiValue boxed_long(int32_t v)
{
    LiValue c = alloc_cell(LI_LONG);
    c->w1 = (uint32_t)v;
    return c;
}

LiValue li_CreateLong(int32_t v) { return make_long(v); }

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
