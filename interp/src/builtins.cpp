// The built-in functions. They are natives like any module's: they read ArgBase and return a
// cell. Variadic arithmetic reads its arguments in place (no list is built for (+ a b)).
#include "internal.h"

#include <ctype.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <algorithm>
#include <string>
#include <vector>

#define A(i) ArgBase[i]

namespace {

// "a b" -> fixed parameters; "&rest args" -> reads ArgBase[0..g_argc).
void defn(const char *name, LiEntry entry, const char *params)
{
    std::vector<const char *> names;
    uint32_t flags = 0;
    std::string p = params;
    size_t i = 0;
    while (i < p.size()) {
        while (i < p.size() && p[i] == ' ') i++;
        size_t j = i;
        while (j < p.size() && p[j] != ' ') j++;
        if (j > i) {
            std::string tok = p.substr(i, j - i);
            if (tok == "&rest") flags = RAW_VARARGS;
            else names.push_back(strdup(tok.c_str()));
        }
        i = j;
    }
    const char **arr = nullptr;
    if (!names.empty()) {
        arr = (const char **)malloc(sizeof(char *) * names.size());
        for (size_t k = 0; k < names.size(); k++) arr[k] = names[k];
    }
    global_native_add(name, entry, (int)names.size(), arr, flags);
}

inline LiValue boolean(bool b) { return b ? True : Nil; }

int32_t num(LiValue v)
{
    if (!li_NumberP(v)) li_TypeError(v, LI_TYPE_NUMBER);
    return li_LVal(v);
}
int32_t integer(LiValue v)
{
    if (!li_LongP(v)) li_TypeError(v, LI_TYPE_INTEGER);
    return long_val(v);
}
LiValue need_string(LiValue v)
{
    if (!li_BufferP(v)) li_TypeError(v, LI_TYPE_STRING);
    return v;
}
LiValue need_list(LiValue v)
{
    if (!nilp(v) && !consp(v)) li_TypeError(v, LI_TYPE_LIST);
    return v;
}
LiValue need_class(LiValue v)
{
    if (!tag_is(v, LI_CLASS)) li_TypeError(v, LI_TYPE_CLASS);
    return v;
}
LiValue need_symbol(LiValue v)
{
    if (!tag_is(v, LI_SYMBOL)) li_TypeError(v, LI_TYPE_SYMBOL);
    return v;
}

// ---- numbers -------------------------------------------------------------------------------------

bool any_real(int n)
{
    for (int i = 0; i < n; i++) {
        if (!li_NumberP(A(i))) li_TypeError(A(i), LI_TYPE_NUMBER);
        if (tag_is(A(i), LI_REAL)) return true;
    }
    return false;
}

enum Op { ADD, SUB, MUL, DIV, REM };

LiValue arith(Op op)
{
    int n = g_argc;
    if (n == 0) return li_CreateLong(op == MUL ? 1 : 0);
    if (any_real(n)) {
        double acc = li_RVal(A(0));
        if (n == 1 && op == SUB) return li_CreateReal(-acc);
        if (n == 1 && op == DIV) return li_CreateReal(1.0 / acc);
        for (int i = 1; i < n; i++) {
            double x = li_RVal(A(i));
            switch (op) {
            case ADD: acc += x; break;
            case SUB: acc -= x; break;
            case MUL: acc *= x; break;
            case DIV: acc /= x; break;
            case REM: acc = fmod(acc, x); break;
            }
        }
        return li_CreateReal(acc);
    }
    uint32_t acc = (uint32_t)long_val(A(0));
    if (n == 1 && op == SUB) return li_CreateLong((int32_t)(0u - acc));
    for (int i = 1; i < n; i++) {
        int32_t x = long_val(A(i));
        switch (op) {
        case ADD: acc += (uint32_t)x; break;
        case SUB: acc -= (uint32_t)x; break;
        case MUL: acc *= (uint32_t)x; break;
        case DIV:
        case REM:
            if (x == 0) li_Error("Division by zero");
            if ((int32_t)acc == INT32_MIN && x == -1) acc = op == DIV ? acc : 0;
            else acc = (uint32_t)(op == DIV ? (int32_t)acc / x : (int32_t)acc % x);
            break;
        }
    }
    return li_CreateLong((int32_t)acc);
}

LiValue bi_add() { return arith(ADD); }
LiValue bi_sub() { return arith(SUB); }
LiValue bi_mul() { return arith(MUL); }
LiValue bi_div() { return arith(DIV); }
LiValue bi_rem() { return arith(REM); }

enum Cmp { EQ, NE, LT, GT, LE, GE };
LiValue compare(Cmp c)
{
    int n = g_argc;
    bool real = any_real(n);
    for (int i = 0; i + 1 < n; i++) {
        bool ok;
        if (real) {
            double a = li_RVal(A(i)), b = li_RVal(A(i + 1));
            ok = c == EQ ? a == b : c == NE ? a != b : c == LT ? a < b : c == GT ? a > b : c == LE ? a <= b : a >= b;
        } else {
            int32_t a = long_val(A(i)), b = long_val(A(i + 1));
            ok = c == EQ ? a == b : c == NE ? a != b : c == LT ? a < b : c == GT ? a > b : c == LE ? a <= b : a >= b;
        }
        if (!ok) return Nil;
    }
    return True;
}
LiValue bi_numeq() { return compare(EQ); }
LiValue bi_numne() { return compare(NE); }
LiValue bi_lt() { return compare(LT); }
LiValue bi_gt() { return compare(GT); }
LiValue bi_le() { return compare(LE); }
LiValue bi_ge() { return compare(GE); }

LiValue bitwise(int op)
{
    uint32_t acc = op == 1 ? 0xFFFFFFFFu : 0;
    for (int i = 0; i < g_argc; i++) {
        uint32_t x = (uint32_t)num(A(i));
        acc = op == 0 ? (acc | x) : op == 1 ? (acc & x) : (acc ^ x);
    }
    return li_CreateLong((int32_t)acc);
}
LiValue bi_or() { return bitwise(0); }
LiValue bi_and() { return bitwise(1); }
LiValue bi_xor() { return bitwise(2); }
LiValue bi_not_bits() { return li_CreateLong(~num(A(0))); }
LiValue bi_shl()
{
    int32_t s = num(A(1));
    return li_CreateLong(s >= 32 || s <= -32 ? 0 : s >= 0 ? (int32_t)((uint32_t)num(A(0)) << s) : (int32_t)((uint32_t)num(A(0)) >> -s));
}
LiValue bi_shr()
{
    int32_t s = num(A(1));
    return li_CreateLong(s >= 32 ? 0 : (int32_t)((uint32_t)num(A(0)) >> s));
}
LiValue bi_abs()
{
    if (tag_is(A(0), LI_REAL)) return li_CreateReal(fabs(real_val(A(0))));
    int32_t v = num(A(0));
    return li_CreateLong(v < 0 ? -v : v);
}
LiValue minmax(bool max)
{
    if (g_argc == 0) li_Error("min/max: at least one argument is needed");
    any_real(g_argc);
    LiValue best = A(0);
    for (int i = 1; i < g_argc; i++)
        if (max ? li_RVal(A(i)) > li_RVal(best) : li_RVal(A(i)) < li_RVal(best)) best = A(i);
    return best;
}
LiValue bi_min() { return minmax(false); }
LiValue bi_max() { return minmax(true); }

// ---- equality and types --------------------------------------------------------------------------

bool eql(LiValue a, LiValue b)
{
    if (a == b) return true;
    if (tag_is(a, LI_LONG) && tag_is(b, LI_LONG)) return long_val(a) == long_val(b);
    if (tag_is(a, LI_REAL) && tag_is(b, LI_REAL)) return real_val(a) == real_val(b);
    return false;
}

bool equal(LiValue a, LiValue b)
{
    if (eql(a, b)) return true;
    int ta = li_Tag(a), tb = li_Tag(b);
    if (ta != tb) return false;
    switch (ta) {
    case LI_STRING:
    case LI_BUFFER:
        return str_len(a) == str_len(b) && memcmp(str_bytes(a), str_bytes(b), str_len(a)) == 0;
    case LI_CONS:
        while (consp(a) && consp(b)) {
            if (!equal(car(a), car(b))) return false;
            a = cdr(a);
            b = cdr(b);
        }
        return equal(a, b);
    case LI_ARRAY: {
        UT_Array *x = li_ArrayStorage(a), *y = li_ArrayStorage(b);
        if (x->count != y->count) return false;
        for (int i = 0; i < x->count; i++)
            if (!equal((LiValue)x->items[i], (LiValue)y->items[i])) return false;
        return true;
    }
    default:
        return false;
    }
}

LiValue bi_eq() { return boolean(eql(A(0), A(1))); }
LiValue bi_equal() { return boolean(equal(A(0), A(1))); }
LiValue bi_not() { return boolean(nilp(A(0))); }
LiValue bi_numberp() { return boolean(li_NumberP(A(0))); }
LiValue bi_integerp() { return boolean(li_LongP(A(0))); }
LiValue bi_realp() { return boolean(tag_is(A(0), LI_REAL)); }
LiValue bi_stringp() { return boolean(li_StringP(A(0))); }
LiValue bi_bufferp() { return boolean(li_BufferP(A(0))); }
LiValue bi_symbolp() { return boolean(tag_is(A(0), LI_SYMBOL)); }
LiValue bi_consp() { return boolean(consp(A(0))); }
LiValue bi_listp() { return boolean(consp(A(0)) || nilp(A(0))); }
LiValue bi_arrayp() { return boolean(tag_is(A(0), LI_ARRAY)); }
LiValue bi_functionp() { return boolean(tag_is(A(0), LI_NATIVE) || tag_is(A(0), LI_CLOSURE)); }
LiValue bi_classp() { return boolean(tag_is(A(0), LI_CLASS)); }

// ---- lists ------------------------------------------------------------------------------------------

LiValue bi_cons() { return li_Cons(A(0), A(1)); }
LiValue bi_car() { return consp(need_list(A(0))) ? car(A(0)) : Nil; }
LiValue bi_cdr() { return consp(need_list(A(0))) ? cdr(A(0)) : Nil; }
LiValue bi_cadr()
{
    LiValue l = bi_cdr();
    return consp(l) ? car(l) : Nil;
}
LiValue bi_rplaca()
{
    if (!consp(A(0))) li_TypeError(A(0), LI_TYPE_LIST);
    A(0)->w1 = W(A(1));
    return A(0);
}
LiValue bi_rplacd() { return li_Rplacd(A(0), A(1)); }

LiValue list_of(LiValue *items, int n)
{
    LiValue *slot = ArgTop;
    push(Nil);
    for (int i = n - 1; i >= 0; i--) *slot = li_Cons(items[i], *slot);
    ArgTop = slot;
    return *slot;
}

LiValue bi_list() { return list_of(ArgBase, g_argc); }

LiValue bi_length()
{
    LiValue v = A(0);
    switch (li_Tag(v)) {
    case LI_NIL: return li_CreateLong(0);
    case LI_CONS:
    case LI_ARRAY:
    case LI_STRING:
    case LI_BUFFER: return li_CreateLong(li_Length(v));
    default: li_TypeError(v, LI_TYPE_LIST);
    }
}

LiValue bi_nthcdr()
{
    int32_t n = integer(A(0));
    LiValue l = need_list(A(1));
    while (n-- > 0 && consp(l)) l = cdr(l);
    return l;
}
LiValue bi_nth()
{
    LiValue l = bi_nthcdr();
    return consp(l) ? car(l) : Nil;
}
LiValue bi_last()
{
    LiValue l = need_list(A(0));
    while (consp(l) && consp(cdr(l))) l = cdr(l);
    return l;
}

// Copies every list but the last, in order.
LiValue bi_append()
{
    int n = g_argc;
    if (n == 0) return Nil;
    LiValue *base = ArgTop;
    push(Nil); // head
    push(Nil); // tail
    for (int i = 0; i < n - 1; i++)
        for (LiValue l = need_list(A(i)); consp(l); l = cdr(l)) {
            LiValue c = li_Cons(car(l), Nil);
            if (nilp(base[0])) base[0] = c;
            else base[1]->w2 = W(c);
            base[1] = c;
        }
    if (nilp(base[0])) base[0] = A(n - 1);
    else base[1]->w2 = W(A(n - 1));
    ArgTop = base;
    return base[0];
}

LiValue bi_reverse()
{
    LiValue *slot = ArgTop;
    push(Nil);
    for (LiValue l = need_list(A(0)); consp(l); l = cdr(l)) *slot = li_Cons(car(l), *slot);
    ArgTop = slot;
    return *slot;
}

LiValue bi_member()
{
    for (LiValue l = need_list(A(1)); consp(l); l = cdr(l))
        if (equal(car(l), A(0))) return l;
    return Nil;
}
LiValue bi_assoc()
{
    LiValue key = A(0);
    bool word = tag_is(key, LI_SYMBOL); // a symbol is equal to itself only: its walk compares words
    for (LiValue l = need_list(A(1)); consp(l); l = cdr(l)) {
        LiValue pair = car(l);
        if (consp(pair) && (car(pair) == key || (!word && equal(car(pair), key)))) return pair;
    }
    return Nil;
}

LiValue bi_funcall()
{
    if (g_argc < 1) li_Error("funcall: a function is needed");
    LiValue *base = ArgTop;
    for (int i = 0; i < g_argc; i++) push(A(i));
    LiValue r = apply(base[0], base + 1, g_argc - 1);
    ArgTop = base;
    return r;
}

LiValue bi_apply()
{
    if (g_argc < 1) li_Error("apply: a function is needed");
    LiValue *base = ArgTop;
    for (int i = 0; i < g_argc - 1; i++) push(A(i));
    if (g_argc > 1)
        for (LiValue l = need_list(A(g_argc - 1)); consp(l); l = cdr(l)) {
            if (ArgTop >= g_stack_limit) stack_overflow();
            push(car(l));
        }
    LiValue r = apply(base[0], base + 1, (int)(ArgTop - base) - 1);
    ArgTop = base;
    return r;
}

LiValue bi_mapcar()
{
    LiValue *base = ArgTop;
    push(Nil); // head
    push(Nil); // tail
    for (LiValue l = need_list(A(1)); consp(l); l = cdr(l)) {
        push(car(l));
        LiValue v = apply(A(0), ArgTop - 1, 1);
        ArgTop[-1] = v;
        LiValue c = li_Cons(v, Nil);
        ArgTop--;
        if (nilp(base[0])) base[0] = c;
        else base[1]->w2 = W(c);
        base[1] = c;
    }
    ArgTop = base;
    return base[0];
}

// ---- arrays -----------------------------------------------------------------------------------------

LiValue bi_array()
{
    LiValue a = li_MakeArray(g_argc);
    UT_Array *s = li_ArrayStorage(a);
    for (int i = 0; i < g_argc; i++) s->items[i] = A(i);
    return a;
}
LiValue bi_make_array()
{
    int32_t n = integer(A(0));
    if (n < 0) li_Error("make-array: negative size");
    LiValue a = li_MakeArray(n);
    UT_Array *s = li_ArrayStorage(a);
    if (g_argc > 1)
        for (int i = 0; i < n; i++) s->items[i] = A(1);
    return a;
}

void index_error(int32_t i, int32_t n) { errorf("Index %d out of range 0..%d", i, n - 1); }

LiValue bi_aref()
{
    LiValue v = A(0);
    int32_t i = integer(A(1));
    if (tag_is(v, LI_ARRAY)) {
        UT_Array *s = li_ArrayStorage(v);
        if (i < 0 || i >= s->count) index_error(i, s->count);
        return (LiValue)s->items[i];
    }
    if (li_BufferP(v)) {
        if (i < 0 || (uint32_t)i >= str_len(v)) index_error(i, (int32_t)str_len(v));
        return li_CreateLong((unsigned char)str_bytes(v)[i]);
    }
    li_TypeError(v, LI_TYPE_ARRAY);
}
LiValue bi_aset()
{
    LiValue v = A(0);
    int32_t i = integer(A(1));
    if (tag_is(v, LI_ARRAY)) {
        UT_Array *s = li_ArrayStorage(v);
        if (i < 0 || i >= s->count) index_error(i, s->count);
        s->items[i] = A(2);
        return A(2);
    }
    if (li_BufferP(v)) {
        if (i < 0 || (uint32_t)i >= str_len(v)) index_error(i, (int32_t)str_len(v));
        str_bytes(v)[i] = (char)num(A(2));
        return A(2);
    }
    li_TypeError(v, LI_TYPE_ARRAY);
}

// ---- strings ----------------------------------------------------------------------------------------

LiValue make_filled(int tag)
{
    int32_t n = integer(A(0));
    if (n < 0) li_Error("make-string: negative size");
    int code = g_argc > 1 ? num(A(1)) : 0;
    LiValue s = make_string_n(nullptr, (uint32_t)n, tag);
    memset(str_bytes(s), code, (size_t)n);
    return s;
}
LiValue bi_make_string() { return make_filled(LI_STRING); }
LiValue bi_make_buffer() { return make_filled(LI_BUFFER); }
LiValue bi_string_length() { return li_CreateLong((int32_t)str_len(need_string(A(0)))); }
LiValue bi_substring()
{
    LiValue s = need_string(A(0));
    int32_t n = (int32_t)str_len(s);
    int32_t start = integer(A(1));
    int32_t end = g_argc > 2 ? integer(A(2)) : n;
    if (start < 0 || end > n || start > end) errorf("substring: range %d..%d out of 0..%d", start, end, n);
    return make_string_n(str_bytes(s) + start, (uint32_t)(end - start));
}
LiValue bi_string_append()
{
    uint32_t total = 0;
    for (int i = 0; i < g_argc; i++) total += str_len(need_string(A(i)));
    LiValue r = make_string_unfilled(total);
    char *p = str_bytes(r);
    for (int i = 0; i < g_argc; i++) {
        memcpy(p, str_bytes(A(i)), str_len(A(i)));
        p += str_len(A(i));
    }
    return r;
}
LiValue bi_string_eq()
{
    LiValue a = need_string(A(0)), b = need_string(A(1));
    return boolean(str_len(a) == str_len(b) && memcmp(str_bytes(a), str_bytes(b), str_len(a)) == 0);
}
LiValue bi_cstring()
{
    LiValue s = need_string(A(0));
    return make_string_n(str_bytes(s), (uint32_t)strnlen(str_bytes(s), str_len(s)));
}
LiValue bi_number_to_string()
{
    char buf[64];
    LiValue v = A(0);
    int radix = g_argc > 1 ? integer(A(1)) : 10;
    if (tag_is(v, LI_REAL)) return value_to_string(v, true);
    int32_t n = num(v);
    // digits written here: the C library's formatting costs many times more
    char *p = buf + sizeof buf;
    uint32_t u = radix == 16 || n >= 0 ? (uint32_t)n : 0u - (uint32_t)n;
    uint32_t base = radix == 16 ? 16 : 10;
    do {
        *--p = "0123456789abcdef"[u % base];
        u /= base;
    } while (u);
    if (base == 10 && n < 0) *--p = '-';
    return make_string_n(p, (uint32_t)(buf + sizeof buf - p));
}
LiValue bi_string_to_number()
{
    LiValue s = need_string(A(0));
    Reader r = {str_bytes(s), str_bytes(s) + str_len(s), "string->number", 1};
    int radix = g_argc > 1 ? integer(A(1)) : 10;
    if (radix == 16) {
        char *end;
        unsigned long v = strtoul(str_bytes(s), &end, 16);
        return end != str_bytes(s) && *end == 0 ? li_CreateLong((int32_t)v) : Nil;
    }
    // A single numeric token and nothing else.
    const char *p = str_bytes(s);
    while (*p == ' ') p++;
    const char *e = p;
    while (*e && *e != ' ') e++;
    if (e == p) return Nil;
    for (const char *q = e; *q; q++)
        if (*q != ' ') return Nil;
    r.p = p;
    r.end = e;
    LiValue v;
    if (!read_form(&r, &v) || !li_NumberP(v)) return Nil;
    return v;
}

LiValue bi_format()
{
    if (g_argc < 1) li_Error("format: a format string is needed");
    LiValue f = need_string(A(0));
    std::string *out = new std::string();
    int next = 1;
    const char *p = str_bytes(f), *end = p + str_len(f);
    // Errors below must not leak the buffer: check every argument before formatting.
    for (const char *q = p; q < end; q++)
        if (*q == '%' && q + 1 < end) {
            char c = *++q;
            if (c == '%') continue;
            if (next >= g_argc) {
                delete out;
                li_Error("format: too few arguments");
            }
            if ((c == 'd' || c == 'x' || c == 'c') && !li_NumberP(A(next))) {
                delete out;
                li_TypeError(A(next), LI_TYPE_NUMBER);
            }
            next++;
        }
    next = 1;
    char buf[64];
    for (; p < end; p++) {
        if (*p != '%' || p + 1 >= end) {
            out->push_back(*p);
            continue;
        }
        char c = *++p;
        switch (c) {
        case '%': out->push_back('%'); break;
        case 'd': snprintf(buf, sizeof buf, "%ld", (long)li_LVal(A(next++))); out->append(buf); break;
        case 'x': snprintf(buf, sizeof buf, "%x", (unsigned)li_LVal(A(next++))); out->append(buf); break;
        case 'c': out->push_back((char)li_LVal(A(next++))); break;
        case 's': {
            struct Put {
                static void f(const char *s, size_t n, void *ctx) { ((std::string *)ctx)->append(s, n); }
            };
            print_value(A(next++), true, Put::f, out);
            break;
        }
        default: out->push_back('%'); out->push_back(c); break;
        }
    }
    LiValue r = make_string_n(out->data(), (uint32_t)out->size());
    delete out;
    return r;
}

LiValue bi_read_from_string()
{
    LiValue s = need_string(A(0));
    Reader r = {str_bytes(s), str_bytes(s) + str_len(s), "read-from-string", 1};
    LiValue v;
    if (!read_form(&r, &v)) li_Error("read-from-string: no form in the text");
    return v;
}
LiValue bi_repr() { return value_to_string(A(0), false); }
LiValue bi_intern() { return intern(str_bytes(need_string(A(0)))); }
LiValue bi_symbol_name() { return li_CreateString(sym_name(need_symbol(A(0)))); }

// ---- output -----------------------------------------------------------------------------------------

void put_out(const char *s, size_t n, void *) { out_write(s, n); }
LiValue bi_princ()
{
    print_value(A(0), true, put_out, nullptr);
    out_flush();
    return A(0);
}
LiValue bi_print()
{
    print_value(A(0), false, put_out, nullptr);
    out_write("\n", 1);
    out_flush();
    return A(0);
}
LiValue bi_terpri()
{
    out_write("\n", 1);
    out_flush();
    return Nil;
}

// ---- evaluation and the environment -------------------------------------------------------------

LiValue bi_eval() { return eval(A(0)); }
LiValue bi_boundp() { return boolean(sym_value(need_symbol(A(0))) != Undef); }
LiValue bi_symbol_value()
{
    LiValue v = sym_value(need_symbol(A(0)));
    if (v == Undef) errorf("Unbound variable: %s", sym_name(A(0)));
    return v;
}
LiValue bi_set()
{
    sym_set(need_symbol(A(0)), A(1));
    return A(1);
}
LiValue bi_load() { return load_file(str_bytes(need_string(A(0)))); }
LiValue bi_load_module()
{
    const char *name = str_bytes(need_string(A(0)));
    if (li_LoadModule(name) != 0) errorf("Cannot load module %s", name);
    return True;
}
LiValue bi_exit()
{
    int code = g_argc > 0 ? num(A(0)) : 0;
    out_flush();
    li_Shutdown();
    out_flush();
    exit(code);
}
LiValue bi_getenv()
{
    const char *v = getenv(str_bytes(need_string(A(0))));
    return v ? li_CreateString(v) : Nil;
}
LiValue bi_gc()
{
    gc_collect();
    return li_CreateLong(gc_live_cells());
}

// Cells made so far, for tests that show a path allocates nothing. The reading itself comes back
// in a fresh cell, which the difference of two readings counts once.
LiValue bi_cells_allocated() { return li_CreateLong((int32_t)cells_allocated()); }

// ---- objects ----------------------------------------------------------------------------------------

LiValue bi_new()
{
    if (g_argc < 1) li_Error("new: a class is needed");
    LiValue cls = need_class(A(0));
    LiValue args = list_of(ArgBase + 1, g_argc - 1);
    return new_instance(cls, args);
}
LiValue bi_class_of()
{
    if (tag_is(A(0), LI_INSTANCE)) return li_InstanceBody(A(0))->cls;
    return Nil;
}
LiValue bi_instance_p() { return boolean(li_InstanceP(A(0))); }
LiValue bi_class_name() { return li_CreateString(sym_name(li_ClassRecord(need_class(A(0)))->name)); }
LiValue bi_class_size() { return li_CreateLong((int32_t)li_ClassRecord(need_class(A(0)))->size); }
LiValue bi_class_super() { return li_ClassRecord(need_class(A(0)))->super; }
LiValue bi_fields() { return class_fields_list(need_class(A(0))); }
LiValue bi_methods() { return class_methods_list(need_class(A(0))); }
LiValue bi_classes() { return class_list(); }
LiValue bi_instance_address()
{
    if (!tag_is(A(0), LI_INSTANCE)) li_TypeError(A(0), LI_TYPE_INSTANCE);
    return li_CreateLong((int32_t)W(li_InstanceData(A(0))));
}
// A view of CLASS over memory the script got from the platform (a locked resource, a block
// another structure points to). It owns nothing; the address must stay valid while it is used.
LiValue bi_instance_at()
{
    LiValue cls = need_class(A(0));
    if (!li_NumberP(A(1))) li_TypeError(A(1), LI_TYPE_INTEGER);
    uint32_t address = (uint32_t)li_LVal(A(1));
    if (!address) return Nil;
    // inside a block an instance owns: the view must fit in it, and keeps its owner alive
    if (LiValue view = view_at(cls, address)) return view;
    // a view of memory that is not there would fail at its first field read, past any error
    // the script can catch
    uint32_t size = li_ClassRecord(cls)->size;
    if (!readable_memory((void *)(uintptr_t)address, size)) {
        char what[80];
        snprintf(what, sizeof what, "the address of %u readable bytes", size ? size : 1);
        li_ArgumentError(1, what);
    }
    return li_CreateInstance(cls, (void *)(uintptr_t)address, 0);
}
LiValue bi_instance_owns_p()
{
    if (!tag_is(A(0), LI_INSTANCE)) li_TypeError(A(0), LI_TYPE_INSTANCE);
    return boolean(li_InstanceOwnsData(A(0)));
}
LiValue bi_destroy()
{
    if (tag_is(A(0), LI_INSTANCE)) destroy_instance(A(0), 0);
    return Nil;
}

struct SymList {
    std::vector<LiValue> syms;
    const char *needle;
    bool functions_only;
};
void collect(LiValue sym, void *ctx)
{
    SymList *l = (SymList *)ctx;
    LiValue v = sym_value(sym);
    if (l->functions_only) {
        if (tag_is(v, LI_NATIVE) || tag_is(v, LI_CLOSURE)) l->syms.push_back(sym);
        return;
    }
    if (v == Undef) return;
    std::string name = sym_name(sym), needle = l->needle;
    std::transform(name.begin(), name.end(), name.begin(), ::tolower);
    std::transform(needle.begin(), needle.end(), needle.begin(), ::tolower);
    if (name.find(needle) != std::string::npos) l->syms.push_back(sym);
}
LiValue symbol_list(const char *needle, bool functions_only)
{
    deferred_intern_all();
    if (!functions_only) constants_intern_all();
    SymList *l = new SymList{{}, needle, functions_only};
    symbols_each(collect, l);
    std::sort(l->syms.begin(), l->syms.end(), [](LiValue a, LiValue b) { return strcmp(sym_name(a), sym_name(b)) < 0; });
    LiValue *slot = ArgTop;
    push(Nil);
    for (auto it = l->syms.rbegin(); it != l->syms.rend(); ++it) *slot = li_Cons(*it, *slot);
    delete l;
    ArgTop = slot;
    return *slot;
}
LiValue bi_functions() { return symbol_list("", true); }
LiValue bi_apropos() { return symbol_list(str_bytes(need_string(A(0))), false); }
// A symbol names what is described; an instance whose class describes its own (li_ResolveMembers)
// is described by its class.
static LiValue describe_value(LiValue v)
{
    if (tag_is(v, LI_INSTANCE)) {
        const LiMemberHooks *h = member_hooks(li_InstanceBody(v)->cls);
        if (h && h->describe) return h->describe(v);
    }
    return describe_string(need_symbol(v));
}
LiValue bi_describe_string() { return describe_value(A(0)); }
LiValue bi_describe()
{
    LiValue s = describe_value(A(0));
    out_write(str_bytes(s), str_len(s));
    out_flush();
    return Nil;
}

// ---- errors -----------------------------------------------------------------------------------------

LiValue bi_error()
{
    if (g_argc < 1) li_Error("error");
    LiValue msg = li_StringP(A(0)) ? A(0) : value_to_string(A(0), true);
    raise_error(-1, msg, Nil);
}
LiValue bi_error_code()
{
    if (!tag_is(A(0), LI_ERROR)) return Nil;
    int32_t c = (int32_t)A(0)->w1;
    return c < 0 ? Nil : li_CreateLong(c);
}
LiValue bi_error_message()
{
    if (!tag_is(A(0), LI_ERROR)) return value_to_string(A(0), true);
    return P(A(0)->w2);
}
LiValue bi_error_value() { return tag_is(A(0), LI_ERROR) ? P(A(0)->w3) : Nil; }

} // namespace

void builtins_init(void)
{
    defn("+", bi_add, "&rest numbers");
    defn("-", bi_sub, "&rest numbers");
    defn("*", bi_mul, "&rest numbers");
    defn("/", bi_div, "&rest numbers");
    defn("%", bi_rem, "&rest numbers");
    defn("=", bi_numeq, "&rest numbers");
    defn("/=", bi_numne, "&rest numbers");
    defn("<", bi_lt, "&rest numbers");
    defn(">", bi_gt, "&rest numbers");
    defn("<=", bi_le, "&rest numbers");
    defn(">=", bi_ge, "&rest numbers");
    defn("|", bi_or, "&rest numbers");
    defn("&", bi_and, "&rest numbers");
    defn("^", bi_xor, "&rest numbers");
    defn("~", bi_not_bits, "n");
    defn("<<", bi_shl, "n count");
    defn(">>", bi_shr, "n count");
    defn("abs", bi_abs, "n");
    defn("min", bi_min, "&rest numbers");
    defn("max", bi_max, "&rest numbers");
    defn("eq", bi_eq, "a b");
    defn("equal", bi_equal, "a b");
    defn("not", bi_not, "x");
    defn("null", bi_not, "x");
    defn("numberp", bi_numberp, "x");
    defn("integerp", bi_integerp, "x");
    defn("realp", bi_realp, "x");
    defn("stringp", bi_stringp, "x");
    defn("bufferp", bi_bufferp, "x");
    defn("symbolp", bi_symbolp, "x");
    defn("consp", bi_consp, "x");
    defn("listp", bi_listp, "x");
    defn("arrayp", bi_arrayp, "x");
    defn("functionp", bi_functionp, "x");
    defn("classp", bi_classp, "x");
    defn("cons", bi_cons, "car cdr");
    defn("car", bi_car, "list");
    defn("cdr", bi_cdr, "list");
    defn("cadr", bi_cadr, "list");
    defn("rplaca", bi_rplaca, "cons value");
    defn("rplacd", bi_rplacd, "cons value");
    defn("list", bi_list, "&rest items");
    defn("length", bi_length, "sequence");
    defn("nth", bi_nth, "n list");
    defn("nthcdr", bi_nthcdr, "n list");
    defn("last", bi_last, "list");
    defn("append", bi_append, "&rest lists");
    defn("reverse", bi_reverse, "list");
    defn("member", bi_member, "item list");
    defn("assoc", bi_assoc, "key alist");
    defn("mapcar", bi_mapcar, "function list");
    defn("apply", bi_apply, "&rest function-and-args");
    defn("funcall", bi_funcall, "&rest function-and-args");
    defn("array", bi_array, "&rest items");
    defn("make-array", bi_make_array, "&rest size-and-initial");
    defn("aref", bi_aref, "array index");
    defn("aset", bi_aset, "array index value");
    defn("make-string", bi_make_string, "&rest size-and-code");
    defn("make-buffer", bi_make_buffer, "&rest size-and-code");
    defn("string-length", bi_string_length, "string");
    defn("substring", bi_substring, "&rest string-start-end");
    defn("string-append", bi_string_append, "&rest strings");
    defn("string=", bi_string_eq, "a b");
    defn("cstring", bi_cstring, "string");
    defn("number->string", bi_number_to_string, "&rest number-and-radix");
    defn("string->number", bi_string_to_number, "&rest string-and-radix");
    defn("format", bi_format, "&rest format-and-args");
    defn("repr", bi_repr, "value");
    defn("read-from-string", bi_read_from_string, "text");
    defn("intern", bi_intern, "name");
    defn("symbol-name", bi_symbol_name, "symbol");
    defn("princ", bi_princ, "value");
    defn("print", bi_print, "value");
    defn("terpri", bi_terpri, "");
    defn("eval", bi_eval, "form");
    defn("boundp", bi_boundp, "symbol");
    defn("symbol-value", bi_symbol_value, "symbol");
    defn("set", bi_set, "symbol value");
    defn("load", bi_load, "file");
    defn("load-module", bi_load_module, "name");
    defn("exit", bi_exit, "&rest code");
    defn("gc", bi_gc, "");
    defn("cells-allocated", bi_cells_allocated, "");
    defn("getenv", bi_getenv, "name");
    defn("new", bi_new, "&rest class-and-args");
    defn("class-of", bi_class_of, "instance");
    defn("instance-p", bi_instance_p, "x");
    defn("class-name", bi_class_name, "class");
    defn("class-size", bi_class_size, "class");
    defn("class-super", bi_class_super, "class");
    defn("fields", bi_fields, "class");
    defn("methods", bi_methods, "class");
    defn("classes", bi_classes, "");
    defn("instance-address", bi_instance_address, "instance");
    defn("instance-owns-p", bi_instance_owns_p, "instance");
    defn("instance-at", bi_instance_at, "class address");
    defn("destroy-instance", bi_destroy, "instance");
    defn("functions", bi_functions, "");
    defn("apropos", bi_apropos, "text");
    defn("describe", bi_describe, "symbol");
    defn("describe-string", bi_describe_string, "symbol");
    defn("error", bi_error, "&rest message");
    defn("error-code", bi_error_code, "error");
    defn("error-message", bi_error_message, "error");
    defn("error-value", bi_error_value, "error");

    // the ones the evaluator runs in place on their commonest arguments
    static const struct {
        const char *name;
        InlineOp op;
    } inline_ops[] = {
        {"+", OP_ADD}, {"-", OP_SUB}, {"*", OP_MUL}, {"/", OP_DIV}, {"%", OP_REM}, {"=", OP_NUMEQ},
        {"/=", OP_NUMNE}, {"<", OP_LT}, {">", OP_GT}, {"<=", OP_LE}, {">=", OP_GE}, {"eq", OP_EQ},
        {"cons", OP_CONS}, {"car", OP_CAR}, {"cdr", OP_CDR}, {"not", OP_NOT}, {"null", OP_NOT},
    };
    for (auto &o : inline_ops) native_rec(sym_value(intern(o.name)))->op = o.op;
}
