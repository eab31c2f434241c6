// testmod.dll: exercises the embedding interface from the module side, the way an extension
// module uses it, so the interpreter is tested from both sides.
#include <windows.h>

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "savra.h"
#include "../../binding/protected_eval.h"

#define A(i) ArgBase[i]

namespace {

LiValue cls_point, cls_sample, cls_hooked, cls_counted;
int ctor_calls, dtor_calls, instance_hook_calls;
int32_t static_point[2] = {70, 80};

struct Sample {
    int32_t i;        // 0
    uint32_t u;       // 4
    int32_t l;        // 8
    uint32_t ul;      // 12
    int16_t s;        // 16
    uint16_t us;      // 18
    uint8_t uc;       // 20
    uint8_t odd[4];   // 21: a long at an odd offset
    uint8_t f[4];     // 25: a float at an odd offset
    uint8_t pad[3];   // 29
    LiValue cell;     // 32
    const char *str;  // 36
    int32_t pt[2];    // 40: embedded point
    int32_t *ptp;     // 48: pointer to a point
};
static_assert(sizeof(Sample) == 52, "Sample layout");

LiValue get_point_embedded(LiValue, void *addr) { return li_CreateInstance(cls_point, addr, 0); }
LiValue get_point_pointer(LiValue, void *addr)
{
    void *p;
    memcpy(&p, addr, sizeof p);
    return li_CreateInstance(cls_point, p, 0);
}

#define F(name, off, type) name, ((uint32_t)(off) << 16) | (type), 0
LiStrucField point_fields[] = {
    {F("x", 0, FT_LONG), li_StrucSetLong, li_StrucGetLong, nullptr},
    {F("y", 4, FT_LONG), li_StrucSetLong, li_StrucGetLong, nullptr},
    {nullptr, 0, 0, nullptr, nullptr, nullptr},
};
LiStrucField sample_fields[] = {
    {F("i", 0, FT_INT), li_StrucSetInt, li_StrucGetInt, nullptr},
    {F("u", 4, FT_UINT), li_StrucSetUInt, li_StrucGetUInt, nullptr},
    {F("l", 8, FT_LONG), li_StrucSetLong, li_StrucGetLong, nullptr},
    {F("ul", 12, FT_ULONG), li_StrucSetULong, li_StrucGetULong, nullptr},
    {F("s", 16, FT_SHORT), li_StrucSetShort, li_StrucGetShort, nullptr},
    {F("us", 18, FT_USHORT), li_StrucSetUShort, li_StrucGetUShort, nullptr},
    {F("uc", 20, FT_UCHAR), li_StrucSetUChar, li_StrucGetUChar, nullptr},
    {F("odd", 21, FT_LONG), li_StrucSetLong, li_StrucGetLong, nullptr},
    {F("f", 25, FT_FLOAT), li_StrucSetFloat, li_StrucGetFloat, nullptr},
    {F("cell", 32, FT_CELL), li_StrucSetCell, li_StrucGetCell, nullptr},
    {F("str", 36, FT_STRING), li_StrucSetStringPtrNA, li_StrucGetStringPtr, nullptr},
    {F("pt", 40, FT_STRUCT), nullptr, get_point_embedded, nullptr},
    {F("ptp", 48, FT_STRUCT), nullptr, get_point_pointer, nullptr},
    {nullptr, 0, 0, nullptr, nullptr, nullptr},
};
LiStrucField empty_fields[] = {{nullptr, 0, 0, nullptr, nullptr, nullptr}};
#undef F

// ---- class hooks -----------------------------------------------------------------------------------

const uint32_t HOOKED_MAGIC = 0x5A5A1234;

LiValue hooked_ctor(LiValue inst, void *data, int owned, LiValue args)
{
    ctor_calls++;
    if (!data) {
        uint32_t *block = (uint32_t *)LI_Malloc(8);
        block[0] = HOOKED_MAGIC;
        block[1] = (uint32_t)li_Length(args);
        data = block;
        owned = 1;
    }
    return li_StrucBasicConstructor(inst, data, owned, args);
}

void hooked_dtor(LiValue inst)
{
    dtor_calls++;
    if (li_InstanceOwnsData(inst)) {
        uint32_t *block = (uint32_t *)li_InstanceData(inst);
        block[0] = 0;
        LI_Free(block);
        li_InstanceBody(inst)->data = nullptr;
        li_InstanceBody(inst)->flags &= ~LI_BODY_OWNED;
    }
    li_StrucBasicDestructor(inst);
}

// Written into the class record after creation, as window classes do.
void counted_instance_hook(LiValue inst)
{
    instance_hook_calls++;
    if (li_NoDelete(inst)) return;
    li_StrucBasicDestructor(inst);
}

// ---- functions ---------------------------------------------------------------------------------------

int32_t need_number(LiValue v)
{
    if (!li_NumberP(v)) li_TypeError(v, LI_TYPE_NUMBER);
    return li_LVal(v);
}

LiValue tm_add() { return li_CreateLong(need_number(A(0)) + need_number(A(1))); }
LiValue tm_noop() { return Nil; }

LiValue tm_sample_fill()
{
    int t = li_Tag(A(0));
    if (t != LI_NIL && t != LI_INSTANCE) li_TypeError(A(0), LI_TYPE_NIL_OR_INSTANCE);
    if (t == LI_NIL) return li_CreateLong(0);
    Sample *s = (Sample *)li_InstanceData(A(0));
    s->i = -5;
    s->u = 0xFFFFFFFE;
    s->l = -7;
    s->ul = 0x80000000u;
    s->s = -2;
    s->us = 0xFFFF;
    s->uc = 0xFE;
    int32_t odd = 0x01020304;
    memcpy(s->odd, &odd, 4);
    float f = 2.5f;
    memcpy(s->f, &f, 4);
    s->pt[0] = 11;
    s->pt[1] = 12;
    s->ptp = static_point;
    return li_CreateLong(1);
}

// Reads the raw bytes of an instance: (tm-peek inst offset size) -> unsigned value.
LiValue tm_peek()
{
    const uint8_t *p = (const uint8_t *)li_InstanceData(A(0)) + need_number(A(1));
    uint32_t v = 0;
    memcpy(&v, p, (size_t)need_number(A(2)));
    return li_CreateLong((int32_t)v);
}

// A value kept alive only by the protection slot must survive a collection forced meanwhile.
LiValue tm_gc_protected()
{
    savrawin::ProtectedSlot kept(li_CreateString("kept by the protection slot"));
    savrawin::ProtectedSlot form(li_Cons(li_SymbolFind("gc"), Nil));
    li_Eval(form);
    for (int i = 0; i < 20000; i++) li_CreateString("churn that reuses freed cells");
    li_Eval(form);
    return kept;
}

// The callback bridge's shape: sub-scope, protection, local bindings, evaluation; reports
// (error-flag result argtop-restored argbase-restored).
LiValue tm_protected_eval()
{
    LiValue expr = A(0);
    savrawin::ProtectedResult r = savrawin::protected_eval(
        [&] {
            li_SetLocal(li_SymbolFind("tm-local"), li_CreateLong(42));
            return li_Eval(expr);
        },
        [] {});
    savrawin::ProtectedSlot value(r.value);
    savrawin::ProtectedSlot list(li_Cons(r.base_balanced ? li_SymbolFind("t") : Nil, Nil));
    list = li_Cons(r.top_balanced ? li_SymbolFind("t") : Nil, list);
    list = li_Cons(value, list);
    list = li_Cons(li_CreateLong(r.failed), list);
    return list.get();
}

// The bridge's error report, as a module writes it.
LiValue tm_report()
{
    LiValue stack = li_SymbolValue(li_SymbolFind("_error_stack_"));
    Printf("Error: ");
    li_Write(li_SymbolValue(ErrorString), Stdout, 1);
    Printf("\nStack follows:\n");
    li_PrintStack(Stdout, stack);
    return Nil;
}

// Checks in slot order, as wrappers do: number (15), nil or string (19), nil or instance (10).
LiValue tm_typed()
{
    need_number(A(0));
    if (li_Tag(A(1)) != LI_NIL && !li_BufferP(A(1))) li_TypeError(A(1), LI_TYPE_NIL_OR_STRING);
    if (li_Tag(A(2)) != LI_NIL && li_Tag(A(2)) != LI_INSTANCE) li_TypeError(A(2), LI_TYPE_NIL_OR_INSTANCE);
    return li_CreateLong(1);
}

LiValue tm_need_point()
{
    if (li_Tag(A(0)) != LI_INSTANCE || !li_IsDerived(A(0), cls_point)) li_InstError(A(0), cls_point);
    return li_CreateLong(1);
}

LiValue tm_rest() { return A(0); }
LiValue tm_multi1() { return li_CreateLong(1); }
LiValue tm_multi2() { return li_CreateLong(2); }
LiValue tm_multi1_again() { return li_CreateLong(11); }
// tm-many's forms: each answers its own value, so a call shows which form it reached.
template <int V> LiValue tm_value() { return li_CreateLong(V); }
LiValue tm_multi_rest() { return li_CreateLong(100 + li_Length(A(0))); }

LiValue tm_spread() { return li_CallCLVFunction(tm_add, A(0)); }
LiValue tm_vararg() { return li_CallCLVarArgFunction(tm_rest, A(0)); }

LiValue tm_make_point()
{
    int32_t *p = (int32_t *)LI_Malloc(8);
    p[0] = need_number(A(0));
    p[1] = need_number(A(1));
    return li_CreateNonNullInstanceAlloc(p, cls_point, Nil);
}

LiValue tm_view_point() { return li_CreateNonNullInstanceNoalloc(static_point, cls_point, Nil); }

LiValue tm_enum_array()
{
    int32_t n = need_number(A(0));
    savrawin::ProtectedSlot arr(li_MakeArray(0));
    for (int32_t i = 0; i < n; i++) {
        savrawin::ProtectedSlot v(li_CreateLong(i * i));
        li_Aset(arr, li_Length(arr), v);
    }
    return arr;
}

LiValue tm_array_storage_count()
{
    UT_Array *a = li_ArrayStorage(A(0));
    return li_CreateLong(*(int *)a);
}

LiValue tm_destroy()
{
    if (li_Tag(A(1)) != LI_NIL) li_SetNoDelete(A(0));
    li_DestroyInstance(A(0), 0);
    return li_InstanceP(A(0)) ? li_SymbolFind("t") : Nil;
}

LiValue tm_counts()
{
    savrawin::ProtectedSlot l(li_Cons(li_CreateLong(instance_hook_calls), Nil));
    l = li_Cons(li_CreateLong(dtor_calls), l);
    return li_Cons(li_CreateLong(ctor_calls), l);
}

// ---- the layout invariant: a class's fields, its size and what its constructor makes -----------------

LiStrucField far_field[] = {
    {"far", ((uint32_t)12 << 16) | FT_LONG, 0, li_StrucSetLong, li_StrucGetLong, nullptr},
    {nullptr, 0, 0, nullptr, nullptr, nullptr},
};
int short_ctor_frees;

// (tm-make-class NAME SIZE): a class whose one field takes bytes 12 to 16.
LiValue tm_make_class()
{
    if (!li_StringP(A(0))) li_TypeError(A(0), LI_TYPE_STRING);
    return li_MakeClass(li_SVal(A(0)), Nil, Nil, far_field, (uint32_t)need_number(A(1)), nullptr, nullptr);
}

// (tm-make-hooked-child NAME SIZE): a class under THooked (whose constructor makes 8 bytes).
LiValue tm_make_hooked_child()
{
    if (!li_StringP(A(0))) li_TypeError(A(0), LI_TYPE_STRING);
    return li_MakeClass(li_SVal(A(0)), cls_hooked, Nil, empty_fields, (uint32_t)need_number(A(1)), nullptr, nullptr);
}

// A constructor that makes less than its class's fields need (8 bytes for a field at 12).
LiValue short_ctor(LiValue inst, void *data, int owned, LiValue args)
{
    if (!data) return li_StrucSizedConstructor(inst, LI_Malloc(8), 8, 1, args);
    return li_StrucBasicConstructor(inst, data, owned, args);
}
void short_dtor(LiValue inst)
{
    if (li_InstanceOwnsData(inst)) short_ctor_frees++;
    li_StrucBasicDestructor(inst);
}
LiValue tm_short_frees() { return li_CreateLong(short_ctor_frees); }

// The module's count of UTF-16 buffers it made for string fields and has not released.
LiValue tm_string_registry_count()
{
    typedef int (*Count)(void);
    HMODULE module = GetModuleHandleA("savrawinfns.dll");
    Count count = module ? (Count)(void *)GetProcAddress(module, "SavraStringRegistryCount") : nullptr;
    if (!count) li_Error("savrawinfns is not loaded");
    return li_CreateLong(count());
}

// Committed private memory of the process, in KB: what a soak watches grow or not.
LiValue tm_private_kb()
{
    size_t total = 0;
    MEMORY_BASIC_INFORMATION info;
    for (const char *at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;) {
        if (info.State == MEM_COMMIT && info.Type == MEM_PRIVATE) total += info.RegionSize;
        const char *next = (const char *)info.BaseAddress + info.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return li_CreateLong((int32_t)(total / 1024));
}

LiValue tm_run_method() { return liRunMethod(A(0), A(1), Nil, 0); }
LiValue tm_error() { li_Error("raised by testmod"); }

// A C++ exception thrown two frames down and caught here: the unwinder finds this image's frames
// only if the start file registered them.
__attribute__((noinline)) void throw_depth(int depth, int value)
{
    if (depth == 0) throw value;
    throw_depth(depth - 1, value + 1);
}
LiValue tm_unwind()
{
    try {
        throw_depth(2, 40);
    } catch (int caught) {
        return li_CreateLong(caught);
    }
    return Nil;
}

LiValue sample_sum()
{
    Sample *s = (Sample *)li_InstanceData(A(0));
    return li_CreateLong(s->i + (int32_t)s->u);
}
LiValue sample_scale()
{
    Sample *s = (Sample *)li_InstanceData(A(0));
    s->i *= need_number(A(1));
    return li_CreateLong(s->i);
}
LiValue sample_args() { return li_Cons(A(0), A(1)); }
LiValue sample_scale_add()
{
    Sample *s = (Sample *)li_InstanceData(A(0));
    s->i = s->i * need_number(A(1)) + need_number(A(2));
    return li_CreateLong(s->i);
}
LiValue sample_self() { return li_SymbolValue(li_SymbolFind("self")); }

// Two classes whose methods wait for their first need, each counting its installs.
int deferred_installs[2];
LiValue point_sum()
{
    int32_t *p = (int32_t *)li_InstanceData(A(0));
    return li_CreateLong(p[0] + p[1]);
}
LiValue native_name() { return li_CreateString("native"); }
void install_deferred(LiValue cls, void *count)
{
    ++*(int *)count;
    li_DefCMethod(cls, "Sum", point_sum, 0);
    li_DefCMethod(cls, "Name", native_name, 0);
}
// Functions registered on first use: rows of a name, their count of arguments and value.
struct LaterRow {
    const char *name;
    uint32_t hash;
    int n;
    LiEntry entry;
};
#define LATER(name, n, v) {name, li_NameHash(name), n, tm_value<v>}
int later_definitions = 0;
void define_later(const void *row)
{
    const LaterRow &r = *(const LaterRow *)row;
    later_definitions++;
    if (r.n == 0) li_CLFunction(r.name, r.entry, 0);
    else if (r.n == 1) li_CLFunction(r.name, r.entry, 1, "a", 0);
    else li_CLFunction(r.name, r.entry, 2, "a", 0, "b", 0);
}
const LaterRow later_first[] = {
    LATER("tm-later", 1, 1), LATER("tm-later", 2, 2), LATER("tm-later-twice", 1, 3), LATER("tm-later-twice", 1, 4),
    LATER("tm-existing", 2, 5), LATER("tm-existing", 1, 6), LATER("tm-order", 1, 7), LATER("tm-eager-after", 1, 8),
    LATER("tm-listed-only", 0, 9),
};
const LaterRow later_second[] = {LATER("tm-order", 1, 10), LATER("tm-order", 0, 11)};
LiValue tm_later_definitions() { return li_CreateLong(later_definitions); }

LiValue tm_deferred_installs() { return li_Cons(li_CreateLong(deferred_installs[0]), li_Cons(li_CreateLong(deferred_installs[1]), Nil)); }

const LiConstant constants[] = {
    {"TM_ONE", 1},
    {"TM_NEG", (int32_t)0x80010001u},
    {"_Scope::TM_SCOPED", 886},
};

// Names in descending order, each its own run: a table the interpreter installs at once rather
// than searching it later.
const LiConstant descending[] = {
    {"TM_DESC_T", 20}, {"TM_DESC_S", 19}, {"TM_DESC_R", 18}, {"TM_DESC_Q", 17}, {"TM_DESC_P", 16}, {"TM_DESC_O", 15},
    {"TM_DESC_N", 14}, {"TM_DESC_M", 13}, {"TM_DESC_L", 12}, {"TM_DESC_K", 11}, {"TM_DESC_J", 10}, {"TM_DESC_I", 9},
    {"TM_DESC_H", 8},  {"TM_DESC_G", 7},  {"TM_DESC_F", 6},  {"TM_DESC_E", 5},  {"TM_DESC_D", 4},  {"TM_DESC_C", 3},
    {"TM_DESC_B", 2},  {"TM_DESC_A", 100000},
};

// Tables installed with their index: two runs, the second ascending; and one whose index does
// not end at its last row, which is installed as if it had none.
const LiConstant indexed[] = {{"TM_IDX_Z", 1}, {"TM_IDX_A", 2}, {"TM_IDX_B", 3}};
const uint32_t indexed_hashes[] = {li_NameHash("TM_IDX_Z"), li_NameHash("TM_IDX_A"), li_NameHash("TM_IDX_B")};
const int indexed_runs[] = {1, 3};
const LiConstantIndex indexed_index = {indexed_hashes, indexed_runs, 2};
const LiConstant misindexed[] = {{"TM_BAD_A", 4}, {"TM_BAD_B", 5}};
const uint32_t misindexed_hashes[] = {li_NameHash("TM_BAD_A"), li_NameHash("TM_BAD_B")};
const int misindexed_runs[] = {5};
const LiConstantIndex misindexed_index = {misindexed_hashes, misindexed_runs, 1};
// with the filter made here; and with one of the wrong size, which is not read
const LiConstant filtered[] = {{"TM_FLT_A", 6}, {"TM_FLT_B", 7}, {"TM_FLT_C", 8}};
constexpr uint32_t filtered_hashes[] = {li_NameHash("TM_FLT_A"), li_NameHash("TM_FLT_B"), li_NameHash("TM_FLT_C")};
const int filtered_runs[] = {3};
constexpr auto filtered_filter = li_ConstantFilter<li_FilterBits(3) / 32>(filtered_hashes);
const LiConstantIndex filtered_index = {filtered_hashes, filtered_runs, 1, filtered_filter.words, li_FilterBits(3)};
const LiConstant misfiltered[] = {{"TM_MISF_A", 9}};
const uint32_t misfiltered_hashes[] = {li_NameHash("TM_MISF_A")};
const int misfiltered_runs[] = {1};
const uint32_t empty_filter[64] = {};
const LiConstantIndex misfiltered_index = {misfiltered_hashes, misfiltered_runs, 1, empty_filter, 64 * 32};

int testmod_init(void)
{
    li_CLFunction("tm-add", tm_add, 2, "a", 0, "b", 0);
    li_CLFunction("tm-noop", tm_noop, 0);
    li_InitConstants(constants, 3);
    li_InitConstants(descending, sizeof descending / sizeof descending[0]);
    li_SymbolFind("TM_IDX_B"); // a name with a symbol before its table comes
    li_InitIndexedConstants(indexed, 3, &indexed_index);
    li_InitIndexedConstants(misindexed, 2, &misindexed_index);
    li_SymbolFind("TM_FLT_C");
    li_InitIndexedConstants(filtered, 3, &filtered_index);
    li_InitIndexedConstants(misfiltered, 1, &misfiltered_index);
    li_FuncCacheSort();
    cls_point = li_MakeClass("TPoint", Nil, Nil, point_fields, 8, nullptr, nullptr);
    cls_sample = li_MakeClass("TSample", Nil, Nil, sample_fields, sizeof(Sample), nullptr, nullptr);
    cls_hooked = li_MakeClass("THooked", Nil, Nil, empty_fields, 8, hooked_ctor, hooked_dtor);
    cls_counted = li_MakeClass("TCounted", cls_point, Nil, empty_fields, 8, nullptr, nullptr);
    li_ClassRecord(cls_counted)->destroy = counted_instance_hook;

    li_CLFunction("tm-sample-fill", tm_sample_fill, 1, "sample", 0);
    li_CLFunction("tm-peek", tm_peek, 3, "instance", 0, "offset", 0, "size", 0);
    li_CLFunction("tm-gc-protected", tm_gc_protected, 0);
    li_CLFunction("tm-protected-eval", tm_protected_eval, 1, "expression", 0);
    li_CLFunction("tm-report", tm_report, 0);
    li_CLFunction("tm-typed", tm_typed, 3, "n", 0, "text", 0, "inst", 0);
    li_CLFunction("tm-need-point", tm_need_point, 1, "point", 0);
    li_CLFunction("tm-rest", tm_rest, 1, "args", LI_PARAM_REST);
    li_CLFunction("tm-multi", tm_multi1, 1, "a", 0);
    li_CLFunction("tm-multi", tm_multi2, 2, "a", 0, "b", 0);
    li_CLFunction("tm-multi", tm_multi_rest, 1, "args", LI_PARAM_REST);
    li_CLFunction("tm-multi", tm_multi1_again, 1, "a", 0); // replaces the first
    // five counts, more than the variants' first places hold, then one replaced
    li_CLFunction("tm-many", tm_value<0>, 0);
    li_CLFunction("tm-many", tm_value<10>, 1, "a", 0);
    li_CLFunction("tm-many", tm_value<20>, 2, "a", 0, "b", 0);
    li_CLFunction("tm-many", tm_value<30>, 3, "a", 0, "b", 0, "c", 0);
    li_CLFunction("tm-many", tm_value<40>, 4, "a", 0, "b", 0, "c", 0, "d", 0);
    li_CLFunction("tm-many", tm_value<22>, 2, "first", 0, "second", 0);
    li_CLFunction("tm-spread", tm_spread, 1, "list", 0);
    li_CLFunction("tm-vararg", tm_vararg, 1, "list", 0);
    li_CLFunction("tm-make-point", tm_make_point, 2, "x", 0, "y", 0);
    li_CLFunction("tm-view-point", tm_view_point, 0);
    li_CLFunction("tm-enum-array", tm_enum_array, 1, "n", 0);
    li_CLFunction("tm-array-storage-count", tm_array_storage_count, 1, "array", 0);
    li_CLFunction("tm-destroy", tm_destroy, 2, "instance", 0, "no-delete", 0);
    li_CLFunction("tm-counts", tm_counts, 0);
    li_CLFunction("tm-run-method", tm_run_method, 2, "instance", 0, "name", 0);
    li_CLFunction("tm-error", tm_error, 0);
    li_CLFunction("tm-unwind", tm_unwind, 0);
    li_MakeClass("TShort", Nil, Nil, far_field, 16, short_ctor, short_dtor);
    li_CLFunction("tm-make-class", tm_make_class, 2, "name", 0, "size", 0);
    li_CLFunction("tm-make-hooked-child", tm_make_hooked_child, 2, "name", 0, "size", 0);
    li_CLFunction("tm-short-frees", tm_short_frees, 0);
    li_CLFunction("tm-string-registry-count", tm_string_registry_count, 0);
    li_CLFunction("tm-private-kb", tm_private_kb, 0);
    li_ReserveMethods(cls_sample, 2); // fewer than it gets: the table grows past the room made
    li_DefCMethod(cls_sample, "Sum", sample_sum, 0);
    li_DefCMethod(cls_sample, "Scale", sample_scale, 1, "factor", 0);
    li_DefCMethod(cls_sample, "Scale", sample_scale_add, 2, "factor", 0, "offset", 0);
    li_DefCMethod(cls_sample, "Args", sample_args, 1, "args", LI_PARAM_REST);
    li_DefCMethod(cls_sample, "Self", sample_self, 0);
    const char *deferred[] = {"TDeferred", "TLazy"};
    for (int i = 0; i < 2; i++)
        li_DeferMethods(li_MakeClass(deferred[i], cls_point, Nil, empty_fields, 8, nullptr, nullptr), install_deferred,
                        &deferred_installs[i]);
    li_CLFunction("tm-deferred-installs", tm_deferred_installs, 0);
    li_CLFunction("tm-later-definitions", tm_later_definitions, 0);
    li_CLFunction("tm-existing", tm_value<12>, 1, "a", 0); // then replaced by the deferred row of one argument
    li_DeferFunctions(later_first, sizeof later_first / sizeof later_first[0], sizeof(LaterRow), define_later);
    li_DeferFunctions(later_second, sizeof later_second / sizeof later_second[0], sizeof(LaterRow), define_later);
    li_CLFunction("tm-eager-after", tm_value<13>, 1, "a", 0); // registered after the deferred row: this one stays
    return li_FuncCacheSort();
}

} // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) LI_DeferDllInitialization(testmod_init, "testmod_load_hook");
    else if (reason == DLL_PROCESS_DETACH) li_AttemptLispFunction(li_SymbolFind("testmod_unload_hook"), 0);
    return TRUE;
}
