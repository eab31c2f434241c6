// The evaluator: special forms, function and method application.
//
// Every value the evaluator holds across an allocation lives in a slot of the argument stack, so
// the collector sees it. A call pushes the function and its evaluated arguments; natives read
// them from ArgBase, closures bind them to their parameters.
#include "internal.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>

LiValue *ArgBase = nullptr;
LiValue *ArgTop = nullptr;
LiValue *g_stack_base = nullptr, *g_stack_limit = nullptr;
CurrentCall g_current = {nullptr, nullptr, nullptr};
int g_argc = 0;
int16_t g_depth = 0;
LiValue *g_frames = nullptr;
int liDeferSignals = 0;
static LiExecRecord exec_record;
LiExecRecord *ExecutionStack = &exec_record;

// ---- application --------------------------------------------------------------------------------------

static LiValue call_closure(LiValue fn, LiValue *args, int argc)
{
    int mark = g_bind_top;
    LiValue params = P(fn->w1);
    int i = 0;
    bool optional = false;
    const char *name = nilp(P(fn->w3)) ? "lambda" : sym_name(P(fn->w3));
    while (consp(params)) {
        LiValue p = car(params);
        if (p == S_optional) {
            optional = true;
        } else if (p == S_rest) {
            LiValue rest = car(cdr(params));
            bind(rest, list_from(args + i, argc > i ? argc - i : 0));
            i = argc;
            break;
        } else if (i < argc) {
            bind(p, args[i++]);
        } else if (optional) {
            bind(p, Nil);
        } else {
            errorf("%s: too few arguments (%d)", name, argc);
        }
        params = cdr(params);
    }
    if (i < argc) errorf("%s: too many arguments (%d)", name, argc);
    LiValue r = eval_body(P(fn->w2));
    unbind_to(mark);
    return r;
}

LiValue apply(LiValue fn, LiValue *args, int argc)
{
    switch (li_Tag(fn)) {
    case LI_NATIVE:
        return call_native(native_rec(fn), args, argc, false);
    case LI_CLOSURE:
        return call_closure(fn, args, argc);
    default: {
        LiValue s = value_to_string(fn, false);
        errorf("Not a function: %.80s", str_bytes(s));
    }
    }
}

// The receiver sits just below args on the stack.
LiValue call_method(LiValue inst, LiValue name, LiValue *args, int argc)
{
    if (li_Tag(inst) != LI_INSTANCE) {
        LiValue s = value_to_string(inst, false);
        errorf("Cannot call method %s on %.80s: not an instance", sym_name(name), str_bytes(s));
    }
    Method *m = nullptr;
    find_method_entry(li_InstanceBody(inst)->cls, name, &m);
    const LiMemberHooks *h = m ? nullptr : member_hooks(li_InstanceBody(inst)->cls);
    if (!m && !(h && h->call))
        errorf("No method %s for class %s", sym_name(name), sym_name(li_ClassRecord(li_InstanceBody(inst)->cls)->name));
    int mark = g_bind_top;
    bind(S_self, inst);
    LiValue r = !m                ? h->call(inst, name, args, argc)
                : m->native ? call_native(m->native, args - 1, argc, true)
                            : call_closure(m->closure, args, argc);
    unbind_to(mark);
    return r;
}

static LiValue run_method(LiValue inst, LiValue name, LiValue args, int)
{
    if (li_Tag(inst) != LI_INSTANCE) return Undef;
    Method *m = nullptr;
    find_method_entry(li_InstanceBody(inst)->cls, name, &m);
    if (!m) return Undef;
    LiValue *base = ArgTop;
    push(inst);
    int argc = 0;
    for (; consp(args); args = cdr(args), argc++) push(car(args));
    LiValue r = call_method(inst, name, base + 1, argc);
    ArgTop = base;
    return r;
}
LiValue (*liRunMethod)(LiValue, LiValue, LiValue, int) = run_method;

static inline void enter_frame(LiValue form)
{
    check_interrupt();
    if (g_depth >= MAX_DEPTH) errorf("Stack overflow: evaluation nested deeper than %d", MAX_DEPTH);
    g_frames[g_depth++] = form;
}

static LiValue eval_method_form(LiValue x, LiValue name)
{
    LiValue *base = ArgTop;
    if (!consp(cdr(x))) errorf(".%s: an instance is needed", sym_name(name));
    enter_frame(x);
    for (LiValue a = cdr(x); consp(a); a = cdr(a)) {
        if (ArgTop >= g_stack_limit) stack_overflow();
        LiValue v = eval(car(a));
        push(v);
    }
    LiValue r = call_method(base[0], name, base + 1, (int)(ArgTop - base) - 1);
    ArgTop = base;
    g_depth--;
    return r;
}

static LiValue eval_special(int id, LiValue x);
static LiValue eval_cons(LiValue x);

// Most arguments are constants and variables: those are read here without a call into eval.
static inline LiValue eval_argument(LiValue x)
{
    switch (li_Tag(x)) {
    case LI_CONS:
        return eval_cons(x);
    case LI_SYMBOL: {
        LiValue v = sym_value(x);
        if (v != Undef) return v;
        return eval(x);
    }
    default:
        return x;
    }
}

static LiValue eval_cons(LiValue x)
{
    LiValue head = car(x);
    LiValue fn;
    if (li_Tag(head) == LI_SYMBOL) {
        fn = sym_value(head);
        if (li_Tag(fn) == LI_SPECIAL) return eval_special((int)fn->w1, x);
        if (fn == Undef) {
            SymbolRec *r = sym_rec(head);
            if (r->kind == SYM_METHOD) return eval_method_form(x, r->member);
            if (r->kind == SYM_FIELD) {
                // the instance stays rooted while its getter allocates the result
                LiValue *base = ArgTop;
                push(eval(car(cdr(x))));
                LiValue v = field_get(base[0], r->member);
                ArgTop = base;
                return v;
            }
            errorf("Undefined function: %s", sym_name(head));
        }
    } else {
        fn = eval(head);
    }
    LiValue *base = ArgTop;
    if (base + 2 >= g_stack_limit) stack_overflow();
    push(fn);
    enter_frame(x);
    for (LiValue a = cdr(x); consp(a); a = cdr(a)) {
        push(eval_argument(car(a)));
        if (ArgTop >= g_stack_limit) stack_overflow();
    }
    int argc = (int)(ArgTop - base) - 1;
    LiValue r = li_Tag(fn) == LI_NATIVE ? call_native(native_rec(fn), base + 1, argc, false) : apply(fn, base + 1, argc);
    ArgTop = base;
    g_depth--;
    return r;
}

LiValue eval(LiValue x)
{
    switch (li_Tag(x)) {
    case LI_SYMBOL: {
        LiValue v = sym_value(x);
        if (v == Undef) errorf("Unbound variable: %s", sym_name(x));
        return v;
    }
    case LI_CONS:
        return eval_cons(x);
    default:
        return x;
    }
}

LiValue eval_body(LiValue forms)
{
    LiValue r = Nil;
    for (; consp(forms); forms = cdr(forms)) r = eval(car(forms));
    return r;
}

LiValue li_Eval(LiValue form) { return eval(form); }

// Hooks run from a library's entry point: an error must not unwind through the loader, so it
// is reported here and the hook's value is nil.
LiValue li_AttemptLispFunction(LiValue sym, int)
{
    if (li_Tag(sym) != LI_SYMBOL) return Nil;
    LiValue f = sym_value(sym);
    if (li_Tag(f) != LI_NATIVE && li_Tag(f) != LI_CLOSURE) return Nil;
    jmp_buf jb;
    li_ErrorProtect(jb);
    if (setjmp(jb) == 0) {
        LiValue r = apply(f, ArgTop, 0);
        li_ErrorFree();
        return r;
    }
    li_ErrorFree();
    report_error();
    return Nil;
}

// ---- special forms ------------------------------------------------------------------------------------

enum {
    SF_QUOTE, SF_IF, SF_COND, SF_WHEN, SF_UNLESS, SF_WHILE, SF_PROGN, SF_SETQ, SF_LET, SF_LETSTAR,
    SF_DEFUN, SF_LAMBDA, SF_AND, SF_OR, SF_TRY, SF_UNWIND_PROTECT, SF_SETBANG, SF_DEFCLASS,
    SF_DEFMETHOD, SF_DEFVAR, SF_DOLIST, SF_DOTIMES
};

static const struct {
    const char *name;
    int id;
} special_names[] = {
    {"quote", SF_QUOTE}, {"if", SF_IF}, {"cond", SF_COND}, {"when", SF_WHEN}, {"unless", SF_UNLESS},
    {"while", SF_WHILE}, {"progn", SF_PROGN}, {"setq", SF_SETQ}, {"let", SF_LET}, {"let*", SF_LETSTAR},
    {"defun", SF_DEFUN}, {"lambda", SF_LAMBDA}, {"and", SF_AND}, {"or", SF_OR}, {"try", SF_TRY},
    {"unwind-protect", SF_UNWIND_PROTECT}, {"set!", SF_SETBANG}, {"defclass", SF_DEFCLASS},
    {"defmethod", SF_DEFMETHOD}, {"defvar", SF_DEFVAR}, {"dolist", SF_DOLIST}, {"dotimes", SF_DOTIMES},
};

void specials_init(void)
{
    for (auto &s : special_names) {
        LiValue c = alloc_cell(LI_SPECIAL);
        c->hdr |= LI_HDR_STATIC;
        c->w1 = (uint32_t)s.id;
        c->w2 = W(intern(s.name));
        sym_set(intern(s.name), c);
    }
}

static LiValue need_symbol(LiValue v, const char *form)
{
    if (li_Tag(v) != LI_SYMBOL) {
        LiValue s = value_to_string(v, false);
        errorf("%s: symbol expected, got %.80s", form, str_bytes(s));
    }
    return v;
}

static LiValue make_closure(LiValue params, LiValue body, LiValue name)
{
    for (LiValue p = params; consp(p); p = cdr(p)) need_symbol(car(p), "lambda");
    LiValue c = alloc_cell(LI_CLOSURE);
    c->w1 = W(params);
    c->w2 = W(body);
    c->w3 = W(name);
    return c;
}

static LiValue sf_let(LiValue x, bool sequential)
{
    int mark = g_bind_top;
    LiValue specs = car(cdr(x));
    if (sequential) {
        for (LiValue s = specs; consp(s); s = cdr(s)) {
            LiValue spec = car(s);
            if (consp(spec)) bind(need_symbol(car(spec), "let*"), eval(car(cdr(spec))));
            else bind(need_symbol(spec, "let*"), Nil);
        }
    } else {
        LiValue *base = ArgTop;
        for (LiValue s = specs; consp(s); s = cdr(s)) {
            LiValue spec = car(s);
            LiValue v = consp(spec) ? eval(car(cdr(spec))) : Nil;
            if (ArgTop >= g_stack_limit) stack_overflow();
            push(v);
        }
        LiValue *p = base;
        for (LiValue s = specs; consp(s); s = cdr(s), p++) {
            LiValue spec = car(s);
            bind(need_symbol(consp(spec) ? car(spec) : spec, "let"), *p);
        }
        ArgTop = base;
    }
    LiValue r = eval_body(cdr(cdr(x)));
    unbind_to(mark);
    return r;
}

static LiValue sf_try(LiValue x)
{
    LiValue form = car(cdr(x));
    LiValue clause = car(cdr(cdr(x)));
    jmp_buf jb;
    li_ErrorProtect(jb);
    if (setjmp(jb) == 0) {
        LiValue r = eval(form);
        li_ErrorFree();
        return r;
    }
    li_ErrorFree();
    if (!consp(clause) || car(clause) != S_catch) return Nil;
    int mark = g_bind_top;
    bind(need_symbol(car(cdr(clause)), "catch"), sym_value(ErrorString));
    LiValue r = eval_body(cdr(cdr(clause)));
    unbind_to(mark);
    return r;
}

static LiValue sf_unwind_protect(LiValue x)
{
    LiValue body = car(cdr(x));
    LiValue cleanup = cdr(cdr(x));
    jmp_buf jb;
    li_ErrorProtect(jb);
    if (setjmp(jb) == 0) {
        LiValue r = eval(body);
        li_ErrorFree();
        push(r);
        eval_body(cleanup);
        return *--ArgTop;
    }
    li_ErrorFree();
    // The cleanup may itself catch errors; the one in flight is carried across it.
    push(sym_value(ErrorString));
    push(sym_value(S_error_stack));
    eval_body(cleanup);
    sym_set(S_error_stack, *--ArgTop);
    sym_set(ErrorString, *--ArgTop);
    raise_current();
}

static LiValue sf_setq(LiValue x)
{
    LiValue r = Nil;
    for (LiValue a = cdr(x); consp(a); a = cdr(cdr(a))) {
        LiValue s = need_symbol(car(a), "setq");
        r = eval(car(cdr(a)));
        sym_set(s, r);
    }
    return r;
}

static LiValue sf_setbang(LiValue x)
{
    LiValue place = car(cdr(x));
    if (li_Tag(place) == LI_SYMBOL) {
        LiValue r = eval(car(cdr(cdr(x))));
        sym_set(place, r);
        return r;
    }
    if (consp(place) && li_Tag(car(place)) == LI_SYMBOL && sym_rec(car(place))->kind == SYM_FIELD) {
        LiValue *base = ArgTop;
        push(eval(car(cdr(place))));
        push(eval(car(cdr(cdr(x)))));
        LiValue r = field_set(base[0], sym_rec(car(place))->member, base[1]);
        ArgTop = base;
        return r;
    }
    LiValue s = value_to_string(place, false);
    errorf("set!: cannot assign to %.80s", str_bytes(s));
}

// The hooks of an instance dolist walks through its class (li_ResolveMembers), or NULL.
static const LiMemberHooks *walkable(LiValue v)
{
    if (li_Tag(v) != LI_INSTANCE) return nullptr;
    const LiMemberHooks *h = member_hooks(li_InstanceBody(v)->cls);
    return h && h->iterate ? h : nullptr;
}

static LiValue sf_loop_list(LiValue x, bool times)
{
    LiValue spec = car(cdr(x));
    LiValue var = need_symbol(car(spec), times ? "dotimes" : "dolist");
    LiValue *base = ArgTop;
    push(eval(car(cdr(spec))));
    int mark = g_bind_top;
    bind(var, Nil);
    if (times) {
        if (!li_LongP(base[0])) li_TypeError(base[0], LI_TYPE_INTEGER);
        int32_t n = long_val(base[0]);
        for (int32_t i = 0; i < n; i++) {
            sym_set(var, li_CreateLong(i));
            eval_body(cdr(cdr(x)));
        }
    } else if (const LiMemberHooks *h = walkable(base[0])) {
        // an instance that walks itself: its cursor stays rooted in the slot of the instance
        base[0] = h->iterate(base[0]);
        const LiMemberHooks *c = li_Tag(base[0]) == LI_INSTANCE ? member_hooks(li_InstanceBody(base[0])->cls) : nullptr;
        if (!c || !c->next) errorf("dolist: the cursor of the instance cannot step");
        for (LiValue item; (item = c->next(base[0])) != Undef;) {
            sym_set(var, item);
            eval_body(cdr(cdr(x)));
        }
    } else {
        for (LiValue l = base[0]; consp(l); l = cdr(l)) {
            sym_set(var, car(l));
            eval_body(cdr(cdr(x)));
        }
    }
    LiValue r = Nil;
    if (consp(cdr(cdr(spec)))) r = eval(car(cdr(cdr(spec))));
    unbind_to(mark);
    ArgTop = base;
    return r;
}

static LiValue eval_special(int id, LiValue x)
{
    LiValue args = cdr(x);
    switch (id) {
    case SF_QUOTE:
        return car(args);
    case SF_IF:
        if (!nilp(eval(car(args)))) return eval(car(cdr(args)));
        return eval_body(cdr(cdr(args)));
    case SF_COND:
        for (LiValue c = args; consp(c); c = cdr(c)) {
            LiValue clause = car(c);
            LiValue t = eval(car(clause));
            if (!nilp(t)) return consp(cdr(clause)) ? eval_body(cdr(clause)) : t;
        }
        return Nil;
    case SF_WHEN:
        return nilp(eval(car(args))) ? Nil : eval_body(cdr(args));
    case SF_UNLESS:
        return nilp(eval(car(args))) ? eval_body(cdr(args)) : Nil;
    case SF_WHILE:
        while (!nilp(eval(car(args)))) {
            check_interrupt(); // a loop of constants and variables enters no frame
            eval_body(cdr(args));
        }
        return Nil;
    case SF_PROGN:
        return eval_body(args);
    case SF_SETQ:
        return sf_setq(x);
    case SF_SETBANG:
        return sf_setbang(x);
    case SF_LET:
        return sf_let(x, false);
    case SF_LETSTAR:
        return sf_let(x, true);
    case SF_DEFUN: {
        LiValue name = need_symbol(car(args), "defun");
        sym_set(name, make_closure(car(cdr(args)), cdr(cdr(args)), name));
        return name;
    }
    case SF_LAMBDA:
        return make_closure(car(args), cdr(args), Nil);
    case SF_AND: {
        LiValue r = True;
        for (LiValue a = args; consp(a); a = cdr(a))
            if (nilp(r = eval(car(a)))) return Nil;
        return r;
    }
    case SF_OR:
        for (LiValue a = args; consp(a); a = cdr(a)) {
            LiValue r = eval(car(a));
            if (!nilp(r)) return r;
        }
        return Nil;
    case SF_TRY:
        return sf_try(x);
    case SF_UNWIND_PROTECT:
        return sf_unwind_protect(x);
    case SF_DEFCLASS: {
        LiValue name = need_symbol(car(args), "defclass");
        LiValue super = eval(car(cdr(args)));
        if (!nilp(super) && li_Tag(super) != LI_CLASS) li_TypeError(super, LI_TYPE_CLASS);
        LiValue cls = make_script_class(name, super, car(cdr(cdr(args))));
        sym_set(name, cls);
        return cls;
    }
    case SF_DEFMETHOD: {
        LiValue cls = eval(car(args));
        if (li_Tag(cls) != LI_CLASS) li_TypeError(cls, LI_TYPE_CLASS);
        LiValue name = need_symbol(car(cdr(args)), "defmethod");
        LiValue *base = ArgTop;
        push(make_closure(car(cdr(cdr(args))), cdr(cdr(cdr(args))), name));
        define_script_method(cls, name, base[0]);
        ArgTop = base;
        return name;
    }
    case SF_DEFVAR: {
        LiValue name = need_symbol(car(args), "defvar");
        if (sym_value(name) == Undef) sym_set(name, eval(car(cdr(args))));
        return name;
    }
    case SF_DOLIST:
        return sf_loop_list(x, false);
    case SF_DOTIMES:
        return sf_loop_list(x, true);
    }
    return Nil;
}
