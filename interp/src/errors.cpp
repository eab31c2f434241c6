// Protection points and errors: where an error lands (li_ErrorProtect, `try`, the top level), how
// it is raised, and the text it carries ("Type error: number expected, got ...").
#include "internal.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

namespace {
struct Protect {
    void *jb;
    LiValue *top, *base;
    LiValue *fp, *up;
    int bind_top;
    int16_t depth;
    const NativeVariant *call;
    bool gc_inhibit;
};
const int MAX_PROTECT = 4096;
Protect protects[MAX_PROTECT];
int nprotect = 0;
} // namespace

void li_ErrorProtect(void *jb)
{
    if (nprotect == MAX_PROTECT) li_Error("Too many nested protection points");
    Protect &p = protects[nprotect++];
    p.jb = jb;
    p.top = ArgTop;
    p.base = ArgBase;
    p.fp = g_fp;
    p.up = g_up;
    p.bind_top = g_bind_top;
    p.depth = g_depth;
    p.call = g_call;
    p.gc_inhibit = g_gc_inhibit;
}

void li_ErrorFree(void)
{
    if (nprotect > 0) nprotect--;
}

void li_SaveGCContext(void *record16)
{
    uint32_t *r = (uint32_t *)record16;
    r[0] = W(ArgTop);
    r[1] = W(ArgBase);
    r[2] = (uint32_t)g_bind_top;
    r[3] = (uint32_t)(uint16_t)g_depth;
}

void raise_current(void)
{
    if (nprotect == 0) {
        report_error();
        out_flush();
        exit(1);
    }
    Protect &p = protects[nprotect - 1];
    unbind_to(p.bind_top);
    ArgTop = p.top;
    ArgBase = p.base;
    g_fp = p.fp;
    g_up = p.up;
    g_depth = p.depth;
    g_call = p.call;
    g_gc_inhibit = p.gc_inhibit;
    longjmp(*(jmp_buf *)p.jb, 1);
}

LiValue capture_stack(void)
{
    LiValue *slot = ArgTop;
    push(Nil);
    int start = g_depth > 40 ? g_depth - 40 : 0;
    for (int i = start; i < g_depth; i++) *slot = li_Cons(source_of(g_frames[i]), *slot);
    ArgTop = slot;
    return *slot;
}

void raise_error(int code, LiValue message, LiValue offender)
{
    push(message);
    push(offender);
    LiValue e = alloc_cell(LI_ERROR);
    e->w1 = (uint32_t)code;
    e->w2 = W(message);
    e->w3 = W(offender);
    sym_set(ErrorString, e);
    ArgTop -= 2;
    sym_set(S_error_stack, capture_stack());
    raise_current();
}

void errorf(const char *fmt, ...)
{
    char buf[1024];
    va_list ap;
    va_start(ap, fmt);
    vsnprintf(buf, sizeof buf, fmt, ap);
    va_end(ap);
    raise_error(-1, li_CreateString(buf), Nil);
}

void li_Error(const char *text) { raise_error(-1, li_CreateString(text ? text : "error"), Nil); }

static const char *expected_text(int code)
{
    switch (code) {
    case LI_TYPE_NUMBER: return "number";
    case LI_TYPE_NIL_OR_INSTANCE: return "nil or instance";
    case LI_TYPE_NIL_OR_STRING: return "nil or string";
    case LI_TYPE_STRING: return "string";
    case LI_TYPE_LIST: return "list";
    case LI_TYPE_SYMBOL: return "symbol";
    case LI_TYPE_FUNCTION: return "function";
    case LI_TYPE_ARRAY: return "array";
    case LI_TYPE_CLASS: return "class";
    case LI_TYPE_INTEGER: return "integer";
    case LI_TYPE_INSTANCE: return "instance";
    default: return "other type";
    }
}


// "SetRect: argument 2 (xLeft): number expected, got "a"" when the value is one of the current
// native call's argument slots, else as much of that as is known.
// slot: the value's argument slot when the caller knows it, else -1 (found by identity).
static void describe_offender(char *buf, size_t size, LiValue v, const char *what, int slot = -1)
{
    LiValue shown = value_to_string(v, false);
    char text[80];
    uint32_t n = str_len(shown);
    if (n > 60) snprintf(text, sizeof text, "%.57s...", str_bytes(shown));
    else snprintf(text, sizeof text, "%s", str_bytes(shown));
    const NativeFn *fn = g_call ? g_call->fn : nullptr;
    const char *fname = fn ? fn->name : nullptr;
    int index = slot;
    if (index < 0 && fn && ArgBase)
        for (LiValue *p = ArgBase; p < ArgTop && p < ArgBase + 16; p++)
            if (*p == v) {
                index = (int)(p - ArgBase);
                break;
            }
    if (fname && index >= 0) {
        bool method = fn->cls && !nilp(fn->cls);
        const char *pname = nullptr;
        int pi = method ? index - 1 : index;
        if (g_call->n >= 0 && pi >= 0 && pi < g_call->n) pname = g_call->params[pi];
        if (method && index == 0)
            snprintf(buf, size, "%s: receiver: %s expected, got %s", fname, what, text);
        else if (pname)
            snprintf(buf, size, "%s: argument %d (%s): %s expected, got %s", fname, pi + 1, pname, what, text);
        else
            snprintf(buf, size, "%s: argument %d: %s expected, got %s", fname, pi + 1, what, text);
    } else if (fname) {
        snprintf(buf, size, "%s: %s expected, got %s", fname, what, text);
    } else {
        snprintf(buf, size, "Type error: %s expected, got %s", what, text);
    }
}

void li_TypeError(LiValue v, int code)
{
    char buf[512];
    describe_offender(buf, sizeof buf, v, expected_text(code));
    raise_error(code, li_CreateString(buf), v);
}

void li_InstError(LiValue v, LiValue cls)
{
    char what[160];
    const char *cname = li_Tag(cls) == LI_CLASS ? sym_name(li_ClassRecord(cls)->name) : "?";
    snprintf(what, sizeof what, "instance of %s", cname);
    char buf[512];
    describe_offender(buf, sizeof buf, v, what);
    raise_error(-1, li_CreateString(buf), v);
}

void li_ArgumentError(int slot, const char *what)
{
    char buf[512];
    describe_offender(buf, sizeof buf, ArgBase[slot], what, slot);
    raise_error(-1, li_CreateString(buf), ArgBase[slot]);
}

void stack_overflow(void) { errorf("Stack overflow: too many values on the argument stack"); }
