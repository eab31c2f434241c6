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
const NativeVariant *g_call = nullptr;
int g_argc = 0;
int16_t g_depth = 0;
LiValue *g_frames = nullptr;
int liDeferSignals = 0;
LiValue *g_fp = nullptr;
LiValue *g_up = nullptr;
static LiExecRecord exec_record;
LiExecRecord *ExecutionStack = &exec_record;

// ---- variables ----------------------------------------------------------------------------------------

// The tests on tags below are chains of comparisons rather than switches on purpose: these run at
// every variable reference, and an indirect jump through a table costs more than a few compares
// (most under emulation).

// The evaluator's core lies in three groups, each starting a page of code and fitting in it: eval_cons;
// eval_special; then eval_body, call_closure and the loops and bindings (the linker sorts the
// sections by name, and pads each page-aligned one to its page). Under emulation a jump into another
// page of code, a return and an indirect jump are each looked up as they are taken, at several times
// the cost of a direct jump within a page (bench/lookups counts them), so a hot path that wanders
// between pages pays at every turn. ./run-tests checks that each group still fits.
#define CORE(order) __attribute__((section(".text$savra_core_" #order)))
#define CORE_PAGE(order) __attribute__((section(".text$savra_core_" #order), aligned(4096)))

static inline LiValue box_value(LiValue box) { return P(box->w1); }

// The value of a resolved reference (t its tag_byte: of LI_LOCAL, LI_BOXED or LI_UPVAL).
HOT_INLINE LiValue variable_value(LiValue x, unsigned t)
{
    if (t == TB(LI_LOCAL)) return g_fp[x->w1];
    return box_value(t == TB(LI_BOXED) ? g_fp[x->w1] : g_up[x->w1]);
}
static inline bool variable_tag(unsigned t) { return t - TB(LI_LOCAL) <= TB(LI_UPVAL) - TB(LI_LOCAL); }

// The first value of a binding: a slot, a fresh box (each binding of a captured variable is its
// own), or a dynamic binding of a special variable.
static void init_boxed_or_special(LiValue var, LiValue v)
{
    if (tag_is(var, LI_BOXED)) {
        push(v);
        LiValue box = alloc_cell(LI_BOX);
        box->w1 = W(ArgTop[-1]);
        ArgTop--;
        g_fp[var->w1] = box;
    } else {
        bind(var, v);
    }
}
static inline void init_var(LiValue var, LiValue v)
{
    if (tag_is(var, LI_LOCAL)) g_fp[var->w1] = v;
    else init_boxed_or_special(var, v);
}

// A binding's scope ends: its slot lets go of the value, which would otherwise live as long as the frame.
static inline void end_var(LiValue var)
{
    if (!tag_is(var, LI_SYMBOL)) g_fp[var->w1] = Nil;
}

static inline bool assignable(LiValue var) { return tag_is(var, LI_SYMBOL) || variable_tag(tag_byte(var)); }

// var is assignable.
static inline void set_var(LiValue var, LiValue v)
{
    unsigned t = tag_byte(var);
    if (t == TB(LI_LOCAL)) g_fp[var->w1] = v;
    else if (t == TB(LI_SYMBOL)) sym_set(var, v);
    else (t == TB(LI_BOXED) ? g_fp[var->w1] : g_up[var->w1])->w1 = W(v);
}

// ---- application --------------------------------------------------------------------------------------

// The closure's frame starts at its arguments: parameters are their slots, the other variables
// take the slots after them, and the closure itself the last one (its boxes are in use even if the
// function is redefined meanwhile).
CORE(3) static LiValue call_closure(LiValue fn, LiValue *args, int argc)
{
    Code *c = code_rec(P(fn->w1));
    LiValue *saved_top = ArgTop;
    if (args + argc != ArgTop) { // arguments below other values: the frame is made above them
        if (ArgTop + argc >= g_stack_limit) stack_overflow();
        for (int i = 0; i < argc; i++) ArgTop[i] = args[i];
        args = ArgTop;
        ArgTop += argc;
    }
    int np = c->nparams;
    if (argc < c->nrequired || (argc > np && !c->rest)) {
        const char *name = nilp(P(fn->w3)) ? "lambda" : sym_name(P(fn->w3));
        errorf("%s: too %s arguments (%d)", name, argc < c->nrequired ? "few" : "many", argc);
    }
    LiValue *fp = args;
    if (fp + c->nslots + 1 >= g_stack_limit) stack_overflow();
    int first_free = argc;
    if (c->rest) {
        LiValue list = argc > np ? list_from(fp + np, argc - np) : Nil;
        for (int i = argc; i < np; i++) fp[i] = Nil;
        fp[np] = list;
        first_free = np + 1;
    }
    for (int i = first_free; i < c->nslots; i++) fp[i] = Nil;
    fp[c->nslots] = fn;
    ArgTop = fp + c->nslots + 1;
    LiValue *saved_fp = g_fp, *saved_up = g_up;
    g_fp = fp;
    int mark = g_bind_top;
    if (c->fixups)
        for (int i = 0; i < np + (c->rest ? 1 : 0); i++)
            if (!tag_is(c->targets[i], LI_LOCAL)) init_var(c->targets[i], fp[i]);
    g_up = closure_boxes(fn);
    LiValue r = eval_body(c->body);
    g_fp = saved_fp;
    g_up = saved_up;
    if (g_bind_top != mark) unbind_to(mark);
    ArgTop = saved_top;
    return r;
}

// A closure of code over the running frame and closure: the boxes its variables are in (they stay
// reachable from those while the cell is made).
static LiValue make_closure(LiValue code, LiValue name)
{
    Code *c = code_rec(code);
    LiValue *array = nullptr;
    if (c->nupvals > 1) {
        array = (LiValue *)malloc(sizeof(LiValue) * c->nupvals);
        if (!array) li_Error("Out of memory");
    }
    push(code);
    LiValue f = alloc_cell(LI_CLOSURE);
    ArgTop--;
    f->w1 = W(code);
    f->w3 = W(name);
    if (array) {
        f->w2 = W(array);
        f->hdr |= LI_HDR_BOX_ARRAY;
    }
    LiValue *boxes = closure_boxes(f);
    for (int i = 0; i < c->nupvals; i++) {
        int32_t from = c->upfrom[i];
        boxes[i] = from >= 0 ? g_fp[from] : g_up[~from];
    }
    return f;
}

// A binding form met outside any function runs as a frame of its own.
static LiValue run_thunk(LiValue form)
{
    LiValue *base = ArgTop;
    push(compile_thunk(form));
    Code *c = code_rec(base[0]);
    LiValue *fp = ArgTop;
    if (fp + c->nslots >= g_stack_limit) stack_overflow();
    for (int i = 0; i < c->nslots; i++) fp[i] = Nil;
    ArgTop = fp + c->nslots;
    LiValue *saved_fp = g_fp, *saved_up = g_up;
    g_fp = fp;
    g_up = nullptr;
    LiValue r = eval_body(c->body);
    g_fp = saved_fp;
    g_up = saved_up;
    ArgTop = base;
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
    if (!tag_is(inst, LI_INSTANCE)) {
        LiValue s = value_to_string(inst, false);
        errorf("Cannot call method %s on %.80s: not an instance", sym_name(name), str_bytes(s));
    }
    Method *m = method_of(li_InstanceBody(inst)->cls, name);
    const LiMemberHooks *h = m ? nullptr : member_hooks(li_InstanceBody(inst)->cls);
    if (!m && !(h && h->call))
        errorf("No method %s for class %s", sym_name(name), sym_name(li_ClassRecord(li_InstanceBody(inst)->cls)->name));
    int mark = g_bind_top;
    bind(S_self, inst);
    LiValue r = !m                ? h->call(inst, name, args, argc)
                : m->native ? call_native(m->native, args - 1, argc, true)
                            : call_closure(m->closure, args, argc);
    if (g_bind_top != mark) unbind_to(mark);
    return r;
}

static LiValue run_method(LiValue inst, LiValue name, LiValue args, int)
{
    if (!tag_is(inst, LI_INSTANCE)) return Undef;
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

HOT_INLINE LiValue eval_argument(LiValue x);

CORE(3) static LiValue eval_method_form(LiValue x, LiValue name)
{
    LiValue *base = ArgTop;
    if (!consp(cdr(x))) errorf(".%s: an instance is needed", sym_name(name));
    enter_frame(x);
    for (LiValue a = cdr(x); consp(a); a = cdr(a)) {
        if (ArgTop >= g_stack_limit) stack_overflow();
        LiValue v = eval_argument(car(a));
        push(v);
    }
    LiValue r = call_method(base[0], name, base + 1, (int)(ArgTop - base) - 1);
    ArgTop = base;
    g_depth--;
    return r;
}

static LiValue eval_special(int id, LiValue x);
static LiValue eval_cons(LiValue x);

// A field of the class its name last met (the name's cache), read or written here when nothing
// stands in the way: a script field, or a native one whose data is there and covers it, of an
// instance or of a view whose instances are alive. Everything else, errors included, goes through
// field_get and field_set.
HOT_INLINE const FieldRef *cached_field(LiValue inst, LiValue name)
{
    if (!tag_is(inst, LI_INSTANCE)) return nullptr;
    SymbolRec *m = sym_rec(name);
    LiInstanceBody *b = li_InstanceBody(inst);
    if (m->field_cls != b->cls) return nullptr;
    const FieldRef *f = m->field;
    if (!f->f) return f;
    if (!b->data || f->end > b->size) return nullptr;
    for (LiValue p = b->parent; p; p = li_InstanceBody(p)->parent)
        if (!tag_is(p, LI_INSTANCE)) return nullptr; // a view whose instance was destroyed
    return f;
}
HOT_INLINE int32_t read_word(const char *at)
{
    int32_t v;
    memcpy(&v, at, sizeof v);
    return v;
}
HOT_INLINE LiValue word_at(const char *at) { return make_long(read_word(at)); }
// A cached field's value: script fields and 32-bit integers in place, others by their getter.
HOT_INLINE LiValue cached_field_value(LiValue inst, const FieldRef *f)
{
    LiInstanceBody *b = li_InstanceBody(inst);
    if (!f->f) return b->slots[f->slot];
    char *at = (char *)b->data + LI_FIELD_OFFSET(f->f);
    return f->word ? word_at(at) : f->f->get(inst, at);
}
// A cached field's value when making it needs no cell: a script field, or a word that is a shared
// integer. Otherwise nullptr, and the caller keeps the instance rooted while the value is made, so
// that it is not collected (and its hooks run) in the middle of its own field's read.
HOT_INLINE LiValue value_in_place(LiValue inst, const FieldRef *f)
{
    LiInstanceBody *b = li_InstanceBody(inst);
    if (!f->f) return b->slots[f->slot];
    return f->word ? small_int(read_word((char *)b->data + LI_FIELD_OFFSET(f->f))) : nullptr;
}
HOT_INLINE LiValue read_field(LiValue inst, LiValue name)
{
    const FieldRef *f = cached_field(inst, name);
    return f ? cached_field_value(inst, f) : field_get(inst, name);
}
static inline bool is_field_name(LiValue head)
{
    return tag_is(head, LI_SYMBOL) && sym_value(head) == Undef && sym_rec(head)->kind == SYM_FIELD;
}

// (.-outer (.-inner inst)): when inner is a structure laid in place and outer a 32-bit integer of
// it, both of the classes their names last met, the word is read where it lies, without the view
// the inner read would make. The bounds are the view's own: the structure within the instance's
// data, the field within the structure. Anything else reads through the view.
// That word, or nullptr; the caller keeps inst reachable.
HOT_INLINE LiValue nested_word(LiValue inst, LiValue inner, LiValue outer)
{
    const FieldRef *in = cached_field(inst, inner);
    if (in && in->f && in->f->embedded) {
        LiValue cls = *in->f->embedded; // null while a module's classes wait for their first need
        SymbolRec *o = sym_rec(outer);
        uint32_t at = LI_FIELD_OFFSET(in->f);
        if (cls && tag_is(cls, LI_CLASS) && o->field_cls == cls && o->field->word) {
            uint32_t size = li_ClassRecord(cls)->size;
            if (o->field->end <= size && at + size <= li_InstanceBody(inst)->size)
                return word_at((char *)li_InstanceBody(inst)->data + at + LI_FIELD_OFFSET(o->field->f));
        }
    }
    return nullptr;
}
static LiValue nested_field(LiValue inst, LiValue inner, LiValue outer)
{
    if (LiValue v = nested_word(inst, inner, outer)) return v;
    push(read_field(inst, inner)); // the view stays rooted while the outer getter allocates
    LiValue v = read_field(ArgTop[-1], outer);
    ArgTop--;
    return v;
}

static inline LiValue write_field(LiValue inst, LiValue name, LiValue v)
{
    const FieldRef *f = cached_field(inst, name);
    if (!f || (f->f && !f->f->set)) return field_set(inst, name, v);
    LiInstanceBody *b = li_InstanceBody(inst);
    return f->f ? f->f->set(inst, (char *)b->data + LI_FIELD_OFFSET(f->f), f->f, v) : (b->slots[f->slot] = v);
}

// A builtin with an inline op, run in place on integers (arithmetic wraps as the builtin's does),
// pairs and any values for eq, cons and not. Undef when the arguments are not of that kind: the
// builtin itself then gives the same answer or the same error (reals, a division by zero, a type).
HOT_INLINE LiValue inline_op(int op, LiValue *a, int argc)
{
    if (argc == 2) {
        LiValue x = a[0], y = a[1];
        if (op == OP_CONS) return li_Cons(x, y);
        if (op == OP_EQ) {
            if (x == y) return True;
            if (tag_is(x, LI_LONG) && tag_is(y, LI_LONG)) return long_val(x) == long_val(y) ? True : Nil;
            return tag_is(x, LI_REAL) && tag_is(y, LI_REAL) ? Undef : Nil;
        }
        if (!tag_is(x, LI_LONG) || !tag_is(y, LI_LONG)) return Undef;
        int32_t i = long_val(x), j = long_val(y);
        // the commonest first: a chain of compares (this file is compiled without jump tables)
        if (op == OP_ADD) return make_long((int32_t)((uint32_t)i + (uint32_t)j));
        if (op == OP_SUB) return make_long((int32_t)((uint32_t)i - (uint32_t)j));
        if (op == OP_LT) return i < j ? True : Nil;
        if (op == OP_MUL) return make_long((int32_t)((uint32_t)i * (uint32_t)j));
        if (op == OP_NUMEQ) return i == j ? True : Nil;
        if (op == OP_REM || op == OP_DIV) {
            if (j == 0 || j == -1) return Undef; // the builtin's error, or INT32_MIN's overflow
            return make_long(op == OP_REM ? i % j : i / j);
        }
        if (op == OP_GT) return i > j ? True : Nil;
        if (op == OP_LE) return i <= j ? True : Nil;
        if (op == OP_GE) return i >= j ? True : Nil;
        if (op == OP_NUMNE) return i != j ? True : Nil;
    } else if (argc == 1) {
        LiValue x = a[0];
        if (op == OP_NOT) return nilp(x) ? True : Nil;
        if (op == OP_CAR && consp(x)) return car(x);
        if (op == OP_CDR && consp(x)) return cdr(x);
    }
    return Undef;
}

// Most arguments, and values given to setq and let, are constants and variables: those are read
// here without a call into eval, as are a body's forms and the tests of if and while, whose calls
// go straight to their path. The places where a field's value is most often wanted (arguments,
// a body's forms, values given to let and setq) read one of a variable in line as well; not every
// place, so that the evaluator's code stays within as few pages as it can.
HOT_INLINE LiValue quick_field(LiValue x);
HOT_INLINE LiValue eval_argument_with(LiValue x, bool fields)
{
    unsigned t = tag_byte(x);
    if (t == TB(LI_CONS)) {
        LiValue v = fields ? quick_field(x) : nullptr;
        return v ? v : eval_cons(x);
    }
    if (variable_tag(t)) return variable_value(x, t);
    if (t == TB(LI_SYMBOL)) {
        LiValue v = sym_value(x);
        if (v != Undef) return v;
        return eval(x);
    }
    return x;
}
HOT_INLINE LiValue eval_argument(LiValue x) { return eval_argument_with(x, true); }
HOT_INLINE LiValue eval_plain(LiValue x) { return eval_argument_with(x, false); }

// (.-name var), when the variable holds an instance whose field the name's cache has and which is a
// script field or a word, and (.-outer (.-inner var)) read in place as nested_field does, read here:
// a call into eval_cons and its return cost more under emulation than the read itself. Anything
// else is nullptr, and eval_cons takes the form whole. The variable keeps the instance reachable
// while a word is boxed.
HOT_INLINE LiValue quick_field(LiValue x)
{
    LiValue head = car(x);
    if (!tag_is(head, LI_SYMBOL) || sym_value(head) != Undef) return nullptr;
    SymbolRec *r = sym_rec(head);
    if (r->kind != SYM_FIELD) return nullptr;
    LiValue arg = car(cdr(x)), inner = nullptr, inst;
    if (consp(arg)) {
        if (!is_field_name(car(arg))) return nullptr;
        inner = sym_rec(car(arg))->member;
        arg = car(cdr(arg));
    }
    unsigned t = tag_byte(arg);
    if (variable_tag(t)) inst = variable_value(arg, t);
    else if (t == TB(LI_SYMBOL)) inst = sym_value(arg);
    else return nullptr;
    if (inner) return nested_word(inst, inner, r->member);
    const FieldRef *f = cached_field(inst, r->member);
    return f && (!f->f || f->word) ? cached_field_value(inst, f) : nullptr;
}

// (.-name form), which quick_field left: the form is evaluated, and the instance stays reachable
// while a getter or the boxing of a word allocates the result.
__attribute__((noinline)) static LiValue field_form(LiValue x, LiValue name)
{
    LiValue *base = ArgTop;
    LiValue arg = car(cdr(x)), v;
    if (consp(arg) && is_field_name(car(arg))) {
        push(eval_plain(car(cdr(arg))));
        v = nested_field(base[0], sym_rec(car(arg))->member, name);
    } else {
        LiValue inst = eval_plain(arg);
        const FieldRef *f = cached_field(inst, name);
        if (f && (v = value_in_place(inst, f))) return v;
        push(inst);
        v = f ? cached_field_value(inst, f) : field_get(inst, name);
    }
    ArgTop = base;
    return v;
}

CORE_PAGE(1) static LiValue eval_cons(LiValue x)
{
    LiValue head = car(x);
    LiValue fn;
    if (tag_is(head, LI_SYMBOL)) {
        fn = sym_value(head);
        if (tag_is(fn, LI_SPECIAL)) return eval_special((int)fn->w1, x);
        if (fn == Undef) {
            SymbolRec *r = sym_rec(head);
            if (r->kind == SYM_METHOD) return eval_method_form(x, r->member);
            if (r->kind == SYM_FIELD) return field_form(x, r->member);
            errorf("Undefined function: %s", sym_name(head));
        }
    } else if (tag_is(head, LI_SPECIAL)) {
        return eval_special((int)head->w1, x);
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
    LiValue r;
    if (tag_is(fn, LI_NATIVE)) {
        NativeFn *n = native_rec(fn);
        if (!n->op || (r = inline_op(n->op, base + 1, argc)) == Undef) r = call_native(n, base + 1, argc, false);
    } else if (tag_is(fn, LI_CLOSURE)) {
        r = call_closure(fn, base + 1, argc);
    } else {
        r = apply(fn, base + 1, argc);
    }
    ArgTop = base;
    g_depth--;
    return r;
}

CORE(3) LiValue eval(LiValue x)
{
    unsigned t = tag_byte(x);
    if (t == TB(LI_CONS)) return eval_cons(x);
    if (variable_tag(t)) return variable_value(x, t);
    if (t == TB(LI_SYMBOL)) {
        LiValue v = sym_value(x);
        if (v == Undef) errorf("Unbound variable: %s", sym_name(x));
        return v;
    }
    return x;
}

CORE(3) LiValue eval_body(LiValue forms)
{
    LiValue r = Nil;
    for (; consp(forms); forms = cdr(forms)) r = eval_argument(car(forms));
    return r;
}

LiValue li_Eval(LiValue form) { return eval(form); }

// Hooks run from a library's entry point: an error must not unwind through the loader, so it
// is reported here and the hook's value is nil.
LiValue li_AttemptLispFunction(LiValue sym, int)
{
    if (!tag_is(sym, LI_SYMBOL)) return Nil;
    LiValue f = sym_value(sym);
    if (!tag_is(f, LI_NATIVE) && !tag_is(f, LI_CLOSURE)) return Nil;
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

LiValue g_special_cells[SF_COUNT];

// The resolved binding forms share one cell each and print as the form they came from.
static const struct {
    int id, from;
} resolved_forms[] = {
    {SF_LET_C, SF_LET}, {SF_LETSTAR_C, SF_LETSTAR}, {SF_DOLIST_C, SF_DOLIST}, {SF_DOTIMES_C, SF_DOTIMES},
    {SF_TRY_C, SF_TRY},
};

void specials_init(void)
{
    for (auto &s : special_names) {
        LiValue c = alloc_cell(LI_SPECIAL);
        c->hdr |= LI_HDR_STATIC;
        c->w1 = (uint32_t)s.id;
        c->w2 = W(intern(s.name));
        sym_set(intern(s.name), c);
        g_special_cells[s.id] = c;
    }
    for (auto &r : resolved_forms) {
        LiValue c = alloc_cell(LI_SPECIAL);
        c->hdr |= LI_HDR_STATIC;
        c->w1 = (uint32_t)r.id;
        c->w2 = g_special_cells[r.from]->w2;
        g_special_cells[r.id] = c;
    }
}

static LiValue need_symbol(LiValue v, const char *form)
{
    if (!tag_is(v, LI_SYMBOL)) {
        LiValue s = value_to_string(v, false);
        errorf("%s: symbol expected, got %.80s", form, str_bytes(s));
    }
    return v;
}

// A lambda met outside any function: resolved now, it captures nothing.
static LiValue closure_of(LiValue params, LiValue body, LiValue name)
{
    LiValue *base = ArgTop;
    push(compile_lambda(params, body, name));
    LiValue f = make_closure(base[0], name);
    ArgTop = base;
    return f;
}

// (let-c (var init ...) body...), var a slot cell or a special symbol.
CORE(3) static LiValue run_let(LiValue x, bool sequential)
{
    int mark = g_bind_top;
    LiValue specs = car(cdr(x));
    if (sequential) {
        for (LiValue s = specs; consp(s); s = cdr(cdr(s))) init_var(car(s), eval_argument(car(cdr(s))));
    } else {
        LiValue *base = ArgTop;
        for (LiValue s = specs; consp(s); s = cdr(cdr(s))) {
            LiValue v = eval(car(cdr(s)));
            if (ArgTop >= g_stack_limit) stack_overflow();
            push(v);
        }
        LiValue *p = base;
        for (LiValue s = specs; consp(s); s = cdr(cdr(s))) init_var(car(s), *p++);
        ArgTop = base;
    }
    LiValue r = eval_body(cdr(cdr(x)));
    for (LiValue s = specs; consp(s); s = cdr(cdr(s))) end_var(car(s));
    if (g_bind_top != mark) unbind_to(mark);
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
    init_var(car(cdr(clause)), sym_value(ErrorString));
    LiValue r = eval_body(cdr(cdr(clause)));
    end_var(car(cdr(clause)));
    if (g_bind_top != mark) unbind_to(mark);
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

CORE(3) static LiValue sf_setq(LiValue x)
{
    LiValue r = Nil;
    for (LiValue a = cdr(x); consp(a); a = cdr(cdr(a))) {
        if (!assignable(car(a))) need_symbol(car(a), "setq");
        r = eval_argument(car(cdr(a)));
        set_var(car(a), r);
    }
    return r;
}

static LiValue sf_setbang(LiValue x)
{
    LiValue place = car(cdr(x));
    if (consp(place) && tag_is(car(place), LI_SYMBOL) && sym_rec(car(place))->kind == SYM_FIELD) {
        LiValue *base = ArgTop;
        push(eval_plain(car(cdr(place))));
        push(eval_plain(car(cdr(cdr(x)))));
        LiValue r = write_field(base[0], sym_rec(car(place))->member, base[1]);
        ArgTop = base;
        return r;
    }
    if (!assignable(place)) {
        LiValue s = value_to_string(source_of(place), false);
        errorf("set!: cannot assign to %.80s", str_bytes(s));
    }
    LiValue r = eval(car(cdr(cdr(x))));
    set_var(place, r);
    return r;
}

// The hooks of an instance dolist walks through its class (li_ResolveMembers), or NULL.
static const LiMemberHooks *walkable(LiValue v)
{
    if (!tag_is(v, LI_INSTANCE)) return nullptr;
    const LiMemberHooks *h = member_hooks(li_InstanceBody(v)->cls);
    return h && h->iterate ? h : nullptr;
}

// (dotimes-c (var count result...) body...): a captured var is a new box each round, so a closure
// made in the body keeps that round's value; a special one is bound once and assigned.
CORE(3) static LiValue run_loop(LiValue x, bool times)
{
    LiValue spec = car(cdr(x));
    LiValue var = car(spec);
    LiValue *base = ArgTop;
    push(eval(car(cdr(spec))));
    int mark = g_bind_top;
    bool special = tag_is(var, LI_SYMBOL);
    init_var(var, Nil);
    if (times) {
        if (!li_LongP(base[0])) li_TypeError(base[0], LI_TYPE_INTEGER);
        int32_t n = long_val(base[0]);
        for (int32_t i = 0; i < n; i++) {
            if (special) sym_set(var, make_long(i));
            else init_var(var, make_long(i));
            eval_body(cdr(cdr(x)));
        }
    } else if (const LiMemberHooks *h = walkable(base[0])) {
        // an instance that walks itself: its cursor stays rooted in the slot of the instance
        base[0] = h->iterate(base[0]);
        const LiMemberHooks *c = tag_is(base[0], LI_INSTANCE) ? member_hooks(li_InstanceBody(base[0])->cls) : nullptr;
        if (!c || !c->next) errorf("dolist: the cursor of the instance cannot step");
        for (LiValue item; (item = c->next(base[0])) != Undef;) {
            if (special) sym_set(var, item);
            else init_var(var, item);
            eval_body(cdr(cdr(x)));
        }
    } else {
        for (LiValue l = base[0]; consp(l); l = cdr(l)) {
            if (special) sym_set(var, car(l));
            else init_var(var, car(l));
            eval_body(cdr(cdr(x)));
        }
    }
    LiValue r = eval_body(cdr(cdr(spec)));
    end_var(var);
    if (g_bind_top != mark) unbind_to(mark);
    ArgTop = base;
    return r;
}

// The forms a script runs once or seldom (definitions, try), apart: the evaluator's own function stays
// small enough to lie in one page of code, which under emulation keeps its jumps direct.
__attribute__((noinline)) static LiValue eval_special_rest(int id, LiValue x)
{
    LiValue args = cdr(x);
    switch (id) {
    case SF_DEFUN: {
        LiValue name = need_symbol(car(args), "defun");
        sym_set(name, closure_of(car(cdr(args)), cdr(cdr(args)), name));
        return name;
    }
    case SF_DEFUN_C: {
        LiValue code = P(car(x)->w3);
        LiValue name = code_rec(code)->name;
        sym_set(name, make_closure(code, name));
        return name;
    }
    case SF_LAMBDA:
        return closure_of(car(args), cdr(args), Nil);
    case SF_TRY: {
        // a catch variable is a local of the handler
        LiValue clause = car(cdr(args));
        if (consp(clause) && car(clause) == S_catch) return run_thunk(x);
        return sf_try(x);
    }
    case SF_TRY_C:
        return sf_try(x);
    case SF_UNWIND_PROTECT:
        return sf_unwind_protect(x);
    case SF_DEFCLASS: {
        LiValue name = need_symbol(car(args), "defclass");
        LiValue super = eval(car(cdr(args)));
        if (!nilp(super) && !tag_is(super, LI_CLASS)) li_TypeError(super, LI_TYPE_CLASS);
        LiValue cls = make_script_class(name, super, car(cdr(cdr(args))));
        sym_set(name, cls);
        return cls;
    }
    case SF_DEFMETHOD:
    case SF_DEFMETHOD_C: {
        LiValue *base = ArgTop;
        push(eval(car(args)));
        if (!tag_is(base[0], LI_CLASS)) li_TypeError(base[0], LI_TYPE_CLASS);
        LiValue name = need_symbol(car(cdr(args)), "defmethod");
        if (id == SF_DEFMETHOD) push(closure_of(car(cdr(cdr(args))), cdr(cdr(cdr(args))), name));
        else push(make_closure(P(car(x)->w3), name));
        define_script_method(base[0], name, base[1]);
        ArgTop = base;
        return name;
    }
    case SF_DEFVAR: {
        // a global of the script's own, bound dynamically wherever it is bound; without a value,
        // (defvar NAME) only declares that
        LiValue name = need_symbol(car(args), "defvar");
        proclaim_special(name);
        if (consp(cdr(args)) && sym_value(name) == Undef) sym_set(name, eval(car(cdr(args))));
        return name;
    }
    }
    return Nil;
}

CORE_PAGE(2) static LiValue eval_special(int id, LiValue x)
{
    LiValue args = cdr(x);
    // the forms of every loop and branch first
    if (id == SF_IF) {
        if (!nilp(eval_plain(car(args)))) return eval_plain(car(cdr(args)));
        return eval_body(cdr(cdr(args)));
    }
    if (id == SF_SETQ) return sf_setq(x);
    if (id == SF_SETBANG) return sf_setbang(x);
    if (id == SF_LET_C) return run_let(x, false);
    if (id == SF_WHILE) {
        while (!nilp(eval_plain(car(args)))) {
            check_interrupt(); // a loop of constants and variables enters no frame
            eval_body(cdr(args));
        }
        return Nil;
    }
    switch (id) {
    case SF_QUOTE:
        return car(args);
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
    case SF_PROGN:
        return eval_body(args);
    case SF_LET:
    case SF_LETSTAR:
    case SF_DOLIST:
    case SF_DOTIMES:
        return run_thunk(x);
    case SF_LETSTAR_C:
        return run_let(x, true);
    case SF_DOLIST_C:
        return run_loop(x, false);
    case SF_DOTIMES_C:
        return run_loop(x, true);
    case SF_LAMBDA_C:
        return make_closure(P(car(x)->w3), Nil);
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
    }
    return eval_special_rest(id, x);
}
