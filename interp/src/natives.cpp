// Native functions: their registration (variants by fixed argument count, a rest variant), the
// choice of variant for a call, and the call itself.
#include "internal.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

// Variants and their parameter names live as long as the process (permanent.cpp): a replaced
// variant's names are left where they are, and the array grows in powers of two, most functions
// having one variant.
void native_add_variant(NativeFn *fn, LiEntry entry, int n, const char **params, uint32_t flags)
{
    fn->op = OP_NONE;
    bool rest = (flags & (LI_PARAM_REST | RAW_VARARGS)) != 0;
    for (int i = 0; i < fn->count; i++) {
        NativeVariant &v = fn->v[i];
        bool vrest = (v.flags & (LI_PARAM_REST | RAW_VARARGS)) != 0;
        if ((rest && vrest) || (!rest && !vrest && v.n == n)) {
            v.entry = entry;
            v.n = rest ? -1 : n;
            v.flags = flags;
            v.params = params;
            v.fn = fn;
            return;
        }
    }
    if ((fn->count & (fn->count - 1)) == 0) { // none yet, or a full power of two
        NativeVariant *grown = (NativeVariant *)permanent_alloc(sizeof(NativeVariant) * (fn->count ? fn->count * 2 : 1));
        if (fn->count) memcpy(grown, fn->v, sizeof(NativeVariant) * fn->count);
        fn->v = grown;
    }
    NativeVariant &v = fn->v[fn->count++];
    v.entry = entry;
    v.n = rest ? -1 : n;
    v.flags = flags;
    v.params = params;
    v.fn = fn;
}

// A global function: the symbol's native record gains (or replaces) a variant; any other value
// of the symbol is replaced by a new native.
LiValue global_native_add(const char *name, LiEntry entry, int n, const char **params, uint32_t flags)
{
    LiValue sym = intern(name);
    LiValue fn = sym_value(sym);
    if (li_Tag(fn) != LI_NATIVE || native_rec(fn)->cls != Nil) {
        NativeFn *rec = (NativeFn *)permanent_alloc(sizeof(NativeFn));
        rec->name = sym_name(sym);
        rec->cls = Nil;
        // never collected: a deferred function is defined while a symbol is made, where a
        // collection must not start (deferred.cpp), and a global function is rarely replaced
        fn = permanent_cell(LI_NATIVE);
        fn->w1 = W(rec);
        sym_set(sym, fn);
    }
    native_add_variant(native_rec(fn), entry, n, params, flags);
    return fn;
}

const NativeVariant *native_pick(const NativeFn *fn, int argc)
{
    const NativeVariant *rest = nullptr;
    for (int i = 0; i < fn->count; i++) {
        const NativeVariant &v = fn->v[i];
        if (v.n == argc) return &v;
        if (v.n < 0) rest = &v;
    }
    if (!rest) arity_error(fn, argc);
    return rest;
}

void arity_error(const NativeFn *fn, int argc)
{
    char counts[128] = "";
    size_t len = 0;
    for (int i = 0; i < fn->count; i++) {
        if (fn->v[i].n < 0) continue;
        len += snprintf(counts + len, sizeof counts - len, "%s%d", len ? " or " : "", fn->v[i].n);
        if (len >= sizeof counts) break;
    }
    errorf("%s: wrong number of arguments (%d); it accepts %s", fn->name, argc, counts);
}

LiValue list_from(LiValue *args, int n)
{
    LiValue *slot = ArgTop;
    push(Nil);
    for (int i = n - 1; i >= 0; i--) *slot = li_Cons(args[i], *slot);
    ArgTop = slot;
    return *slot;
}

LiValue li_CallCLVFunction(LiEntry entry, LiValue list)
{
    LiValue *base = ArgTop;
    for (; consp(list); list = cdr(list)) {
        if (ArgTop >= g_stack_limit) stack_overflow();
        push(car(list));
    }
    LiValue *saved_base = ArgBase;
    // errors name the function that made this call, without parameter names
    const NativeVariant *saved = g_call;
    NativeVariant unnamed = {entry, -1, 0, nullptr, saved ? saved->fn : nullptr};
    g_call = &unnamed;
    ArgBase = base;
    LiValue r = entry();
    ArgBase = saved_base;
    g_call = saved;
    ArgTop = base;
    return r;
}

LiValue li_CallCLVarArgFunction(LiEntry entry, LiValue list)
{
    LiValue *base = ArgTop;
    push(list);
    LiValue *saved_base = ArgBase;
    ArgBase = base;
    LiValue r = entry();
    ArgBase = saved_base;
    ArgTop = base;
    return r;
}
