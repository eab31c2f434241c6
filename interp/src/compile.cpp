// Resolving variables when a lambda is made (see internal.h): every reference to a parameter or a
// local variable becomes a slot or box cell, so that evaluating it is an index, never a search,
// and a closure carries exactly the boxes it uses.
//
// Resolution never evaluates and never collects (the cells it makes are reachable only from its
// result until it returns), so nothing in it raises an interpreter error: a malformed form throws
// a CompileError, which the entry turns into one once its own state is put away.
#include "internal.h"

#include <stdlib.h>
#include <vector>

namespace {

struct CompileError {
    const char *form;
    LiValue offender; // part of the source, which the caller keeps reachable
};

struct Lexical {
    LiValue sym;
    LiValue cell; // LI_LOCAL or LI_BOXED
};

// A function being resolved. Its visible bindings are scope[scope_base..] up to its innermost
// inner function's scope_base.
struct Fn {
    int parent; // index in fns, or -1
    size_t scope_base;
    int depth, nslots;
    std::vector<LiValue> up_syms, up_cells;
    std::vector<int32_t> up_from;
};

std::vector<Lexical> scope;
std::vector<Fn> fns;

LiValue need_symbol(LiValue v, const char *form)
{
    if (li_Tag(v) != LI_SYMBOL) throw CompileError{form, v};
    return v;
}

LiValue cell3(int tag, uint32_t w1, LiValue w2)
{
    LiValue c = alloc_cell(tag);
    c->w1 = w1;
    c->w2 = W(w2);
    return c;
}

LiValue cons(LiValue a, LiValue d) { return li_Cons(a, d); }
LiValue list2(LiValue a, LiValue b) { return cons(a, cons(b, Nil)); }

// A list made front to back.
struct ListOut {
    LiValue head = Nil, last = Nil;
    void add(LiValue v)
    {
        LiValue n = cons(v, Nil);
        if (nilp(head)) head = n;
        else last->w2 = W(n);
        last = n;
    }
};

// A new variable of function k, visible until the scope is cut back: a slot of its frame, or the
// symbol itself when it is special (a parameter's slot is taken all the same, so that parameters
// keep the slots of their arguments).
LiValue bind_var(LiValue sym, int k, bool parameter = false)
{
    Fn &f = fns[k];
    if (is_special(sym) && !parameter) return sym;
    int slot = f.depth++;
    if (f.depth > f.nslots) f.nslots = f.depth;
    if (is_special(sym)) return sym;
    LiValue cell = cell3(LI_LOCAL, (uint32_t)slot, sym);
    scope.push_back({sym, cell});
    return cell;
}

void cut_scope(int k, size_t size, int depth)
{
    scope.resize(size);
    fns[k].depth = depth;
}

// What sym means in function k, whose bindings end at scope[end]: one of its slots, one of its
// boxes (found in the functions around it, which then box the variable), or the symbol (a global
// or special variable).
LiValue resolve(LiValue sym, int k, size_t end)
{
    if (is_special(sym)) return sym;
    Fn &f = fns[k];
    for (size_t i = end; i-- > f.scope_base;)
        if (scope[i].sym == sym) return scope[i].cell;
    for (size_t u = 0; u < f.up_syms.size(); u++)
        if (f.up_syms[u] == sym) return f.up_cells[u];
    if (f.parent < 0) return sym;
    LiValue outer = resolve(sym, f.parent, f.scope_base);
    if (li_Tag(outer) == LI_SYMBOL) return outer;
    int32_t from;
    if (li_Tag(outer) == LI_UPVAL) {
        from = ~(int32_t)outer->w1;
    } else {
        set_tag(outer, LI_BOXED); // every reference shares this cell, so all of them now see the box
        from = (int32_t)outer->w1;
    }
    Fn &g = fns[k];
    LiValue cell = cell3(LI_UPVAL, (uint32_t)g.up_syms.size(), sym);
    g.up_syms.push_back(sym);
    g.up_cells.push_back(cell);
    g.up_from.push_back(from);
    return cell;
}

LiValue comp(LiValue x, int k);

// The forms of l resolved; l itself when none changed (most code outside binding forms).
LiValue comp_list(LiValue l, int k)
{
    ListOut out;
    bool copying = false;
    LiValue p = l;
    for (; consp(p); p = cdr(p)) {
        LiValue c = comp(car(p), k);
        if (!copying && c != car(p)) {
            copying = true;
            for (LiValue q = l; q != p; q = cdr(q)) out.add(car(q));
        }
        if (copying) out.add(c);
    }
    if (!copying) return l;
    out.last->w2 = W(p);
    return out.head;
}

// A resolved form remembers the one it came from: error stacks show what was written.
LiValue from_source(LiValue compiled, LiValue source)
{
    if (compiled != source && consp(compiled)) compiled->w3 = W(source);
    return compiled;
}

LiValue code_cell(int k, LiValue params, LiValue body, LiValue name, std::vector<LiValue> &targets, int nrequired,
                  int nparams, bool rest)
{
    Fn &f = fns[k];
    Code *c = (Code *)calloc(1, sizeof(Code));
    if (!c) abort();
    c->params = params;
    c->body = body;
    c->name = name;
    c->nrequired = nrequired;
    c->nparams = nparams;
    c->rest = rest;
    c->nslots = f.nslots;
    c->nupvals = (int)f.up_from.size();
    if (!targets.empty()) {
        c->targets = (LiValue *)malloc(sizeof(LiValue) * targets.size());
        if (!c->targets) abort();
        for (size_t i = 0; i < targets.size(); i++) {
            c->targets[i] = targets[i];
            if (li_Tag(targets[i]) != LI_LOCAL) c->fixups = true; // boxed or special
        }
    }
    if (c->nupvals) {
        c->upfrom = (int32_t *)malloc(sizeof(int32_t) * c->nupvals);
        if (!c->upfrom) abort();
        for (int i = 0; i < c->nupvals; i++) c->upfrom[i] = f.up_from[i];
    }
    LiValue cell = alloc_cell(LI_CODE);
    cell->w1 = W(c);
    return cell;
}

// A lambda inside function parent (-1: none): its parameters take the first slots of its frame.
LiValue comp_fn(LiValue params, LiValue body, LiValue name, int parent)
{
    int k = (int)fns.size();
    fns.push_back(Fn{parent, scope.size(), 0, 0, {}, {}, {}});
    std::vector<LiValue> targets;
    int nrequired = 0, nparams = 0;
    bool optional = false, rest = false;
    for (LiValue p = params; consp(p); p = cdr(p)) {
        LiValue s = need_symbol(car(p), "lambda");
        if (s == S_optional) {
            optional = true;
        } else if (s == S_rest) {
            targets.push_back(bind_var(need_symbol(car(cdr(p)), "lambda"), k, true));
            rest = true;
            break;
        } else {
            targets.push_back(bind_var(s, k, true));
            nparams++;
            if (!optional) nrequired++;
        }
    }
    LiValue compiled = comp_list(body, k);
    LiValue cell = code_cell(k, params, compiled, name, targets, nrequired, nparams, rest);
    scope.resize(fns[k].scope_base);
    fns.pop_back();
    return cell;
}

// (let ((var init)...) body...) -> (let-c (var init ...) body...), var a slot cell or a special
// symbol. let's inits are resolved outside its variables, let*'s each inside the ones before. A
// let's slots are taken before its inits are resolved, so that no variable of an init's own takes
// them: a let without special variables then assigns each as its init is evaluated, as let* does;
// one with them evaluates every init before it binds any.
LiValue comp_let(LiValue x, int k, bool sequential)
{
    size_t saved_scope = scope.size();
    int saved_depth = fns[k].depth;
    LiValue specs = car(cdr(x));
    const char *what = sequential ? "let*" : "let";
    ListOut out;
    bool any_special = false;
    int first_slot = fns[k].depth;
    if (!sequential) {
        for (LiValue s = specs; consp(s); s = cdr(s)) {
            LiValue sym = need_symbol(consp(car(s)) ? car(car(s)) : car(s), what);
            if (is_special(sym)) any_special = true;
            else fns[k].depth++;
        }
        if (fns[k].depth > fns[k].nslots) fns[k].nslots = fns[k].depth;
    }
    for (LiValue s = specs; consp(s); s = cdr(s)) {
        LiValue spec = car(s);
        LiValue sym = need_symbol(consp(spec) ? car(spec) : spec, what);
        LiValue init = consp(spec) ? comp(car(cdr(spec)), k) : Nil;
        out.add(sequential ? bind_var(sym, k) : sym); // a let's symbols become variables below
        out.add(init);
    }
    if (!sequential) {
        for (LiValue l = out.head; consp(l); l = cdr(cdr(l))) {
            LiValue sym = car(l);
            if (is_special(sym)) continue;
            LiValue cell = cell3(LI_LOCAL, (uint32_t)first_slot++, sym);
            scope.push_back({sym, cell});
            l->w1 = W(cell);
        }
    }
    LiValue body = comp_list(cdr(cdr(x)), k);
    cut_scope(k, saved_scope, saved_depth);
    int id = sequential || !any_special ? SF_LETSTAR_C : SF_LET_C;
    return from_source(cons(g_special_cells[id], cons(out.head, body)), x);
}

// (dotimes (var count [result]) body...): count outside var, result and body inside it.
LiValue comp_loop(LiValue x, int k, bool times)
{
    LiValue spec = car(cdr(x));
    LiValue sym = need_symbol(car(spec), times ? "dotimes" : "dolist");
    LiValue count = comp(car(cdr(spec)), k);
    size_t saved_scope = scope.size();
    int saved_depth = fns[k].depth;
    LiValue var = bind_var(sym, k);
    LiValue result = comp_list(cdr(cdr(spec)), k);
    LiValue body = comp_list(cdr(cdr(x)), k);
    cut_scope(k, saved_scope, saved_depth);
    LiValue resolved_spec = cons(var, cons(count, result));
    return from_source(cons(g_special_cells[times ? SF_DOTIMES_C : SF_DOLIST_C], cons(resolved_spec, body)), x);
}

// (try form (catch e handler...)): e is a variable of the handler only.
LiValue comp_try(LiValue x, int k)
{
    LiValue form = comp(car(cdr(x)), k);
    LiValue clause = car(cdr(cdr(x)));
    if (!consp(clause) || car(clause) != S_catch) return from_source(cons(car(x), cons(form, cdr(cdr(x)))), x);
    size_t saved_scope = scope.size();
    int saved_depth = fns[k].depth;
    LiValue var = bind_var(need_symbol(car(cdr(clause)), "catch"), k);
    LiValue handler = comp_list(cdr(cdr(clause)), k);
    cut_scope(k, saved_scope, saved_depth);
    LiValue resolved = cons(S_catch, cons(var, handler));
    return from_source(cons(g_special_cells[SF_TRY_C], list2(form, resolved)), x);
}

// A lambda, defun or defmethod inside a function: its site cell carries the resolved lambda (and
// prints as the form it came from), the form keeps the rest of its text.
LiValue site(int id, int from, LiValue code)
{
    LiValue c = alloc_cell(LI_SPECIAL);
    c->w1 = (uint32_t)id;
    c->w2 = g_special_cells[from]->w2;
    c->w3 = W(code);
    return c;
}

LiValue comp_special(int id, LiValue x, int k)
{
    LiValue args = cdr(x);
    switch (id) {
    case SF_QUOTE:
        return x;
    case SF_SETQ:
    case SF_SETBANG: {
        // targets resolve; a field place's instance and every value are forms
        bool changed = false;
        ListOut out;
        for (LiValue a = args; consp(a); a = cdr(cdr(a))) {
            LiValue place = car(a), target = place;
            if (li_Tag(place) == LI_SYMBOL) target = resolve(place, k, scope.size());
            else if (consp(place)) target = comp_list(place, k);
            LiValue value = comp(car(cdr(a)), k);
            changed = changed || target != place || value != car(cdr(a));
            out.add(target);
            out.add(value);
            if (id == SF_SETBANG) break;
        }
        return changed ? from_source(cons(car(x), out.head), x) : x;
    }
    case SF_LET:
    case SF_LETSTAR:
        return comp_let(x, k, id == SF_LETSTAR);
    case SF_DOLIST:
    case SF_DOTIMES:
        return comp_loop(x, k, id == SF_DOTIMES);
    case SF_TRY:
        return comp_try(x, k);
    case SF_LAMBDA: {
        LiValue code = comp_fn(car(args), cdr(args), Nil, k);
        return cons(site(SF_LAMBDA_C, SF_LAMBDA, code), args);
    }
    case SF_DEFUN: {
        LiValue name = need_symbol(car(args), "defun");
        LiValue code = comp_fn(car(cdr(args)), cdr(cdr(args)), name, k);
        return cons(site(SF_DEFUN_C, SF_DEFUN, code), args);
    }
    case SF_DEFMETHOD: {
        LiValue name = need_symbol(car(cdr(args)), "defmethod");
        LiValue code = comp_fn(car(cdr(cdr(args))), cdr(cdr(cdr(args))), name, k);
        return cons(site(SF_DEFMETHOD_C, SF_DEFMETHOD, code), cons(comp(car(args), k), cdr(args)));
    }
    case SF_DEFCLASS: {
        LiValue super = comp(car(cdr(args)), k);
        if (super == car(cdr(args))) return x;
        return cons(car(x), cons(car(args), cons(super, cdr(cdr(args)))));
    }
    case SF_DEFVAR: {
        // special from here on: the forms after it bind the name dynamically
        proclaim_special(need_symbol(car(args), "defvar"));
        LiValue init = comp(car(cdr(args)), k);
        if (init == car(cdr(args))) return x;
        return cons(car(x), list2(car(args), init));
    }
    case SF_COND: {
        bool changed = false;
        ListOut out;
        for (LiValue c = args; consp(c); c = cdr(c)) {
            LiValue clause = comp_list(car(c), k);
            changed = changed || clause != car(c);
            out.add(clause);
        }
        return changed ? cons(car(x), out.head) : x;
    }
    default: { // if when unless while progn and or unwind-protect: all forms
        LiValue rest = comp_list(args, k);
        return rest == args ? x : from_source(cons(car(x), rest), x);
    }
    }
}

LiValue comp(LiValue x, int k)
{
    switch (li_Tag(x)) {
    case LI_SYMBOL:
        return resolve(x, k, scope.size());
    case LI_CONS: {
        LiValue head = car(x);
        if (li_Tag(head) == LI_SYMBOL && li_Tag(resolve(head, k, scope.size())) == LI_SYMBOL) {
            LiValue v = sym_value(head);
            if (li_Tag(v) == LI_SPECIAL) return comp_special((int)v->w1, x, k);
        }
        return from_source(comp_list(x, k), x); // a call: its function and its arguments
    }
    default:
        return x;
    }
}

// Resolution allocates without rooting what it makes: no collection runs meanwhile.
template <class F> LiValue session(F f)
{
    bool inhibit = g_gc_inhibit;
    scope.clear();
    fns.clear();
    g_gc_inhibit = true;
    LiValue r = nullptr;
    CompileError error{nullptr, Nil};
    try {
        r = f();
    } catch (const CompileError &e) {
        error = e;
    }
    g_gc_inhibit = inhibit;
    scope.clear();
    fns.clear();
    if (!r) {
        LiValue s = value_to_string(error.offender, false);
        errorf("%s: symbol expected, got %.80s", error.form, str_bytes(s));
    }
    return r;
}

} // namespace

LiValue compile_lambda(LiValue params, LiValue body, LiValue name)
{
    return session([&] { return comp_fn(params, body, name, -1); });
}

LiValue compile_thunk(LiValue form)
{
    return session([&] {
        fns.push_back(Fn{-1, 0, 0, 0, {}, {}, {}});
        LiValue body = cons(comp(form, 0), Nil);
        std::vector<LiValue> none;
        return code_cell(0, Nil, body, Nil, none, 0, 0, false);
    });
}
