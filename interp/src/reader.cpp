// The reader: text to forms. Integers wrap to 32 bits (0xFFFFFFFF reads as -1); strings may
// hold NULs; any token that is not a number is a symbol, "::" and leading dots included.
#include "internal.h"

#include <ctype.h>
#include <stdlib.h>

namespace {

[[noreturn]] void read_error(Reader *r, const char *what)
{
    errorf("Read error in %s, line %d: %s", r->origin ? r->origin : "input", r->line, what);
}

void skip_space(Reader *r)
{
    while (r->p < r->end) {
        char c = *r->p;
        if (c == '\n') {
            r->line++;
            r->p++;
        } else if (isspace((unsigned char)c)) {
            r->p++;
        } else if (c == ';') {
            while (r->p < r->end && *r->p != '\n') r->p++;
        } else {
            break;
        }
    }
}

bool delimiter(char c) { return isspace((unsigned char)c) || c == '(' || c == ')' || c == '"' || c == ';' || c == '\''; }

bool parse_integer(const char *s, size_t n, int32_t *out)
{
    size_t i = 0;
    bool neg = false;
    if (i < n && (s[i] == '-' || s[i] == '+')) neg = s[i++] == '-';
    if (i >= n) return false;
    uint64_t v = 0;
    if (n - i > 2 && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        i += 2;
        for (; i < n; i++) {
            int d = isdigit((unsigned char)s[i]) ? s[i] - '0' : (isxdigit((unsigned char)s[i]) ? (tolower(s[i]) - 'a' + 10) : -1);
            if (d < 0) return false;
            v = (v * 16 + (uint64_t)d) & 0xFFFFFFFFull;
        }
    } else {
        for (; i < n; i++) {
            if (!isdigit((unsigned char)s[i])) return false;
            v = (v * 10 + (uint64_t)(s[i] - '0')) & 0xFFFFFFFFull;
        }
    }
    uint32_t u = (uint32_t)v;
    *out = (int32_t)(neg ? (uint32_t)(0u - u) : u);
    return true;
}

bool parse_real(const char *s, size_t n, double *out)
{
    char buf[64];
    if (n >= sizeof buf) return false;
    memcpy(buf, s, n);
    buf[n] = 0;
    bool seen_digit = false, seen_mark = false;
    for (size_t i = 0; i < n; i++) {
        if (isdigit((unsigned char)buf[i])) seen_digit = true;
        else if (buf[i] == '.' || buf[i] == 'e' || buf[i] == 'E') seen_mark = true;
        else if (buf[i] != '-' && buf[i] != '+') return false;
    }
    if (!seen_digit || !seen_mark) return false;
    char *end;
    *out = strtod(buf, &end);
    return *end == 0;
}

int hexval(char c)
{
    if (isdigit((unsigned char)c)) return c - '0';
    if (isxdigit((unsigned char)c)) return tolower(c) - 'a' + 10;
    return -1;
}

// Strings are decoded into one scratch buffer that lives for the process, so a read error in
// the middle of a string leaves nothing to free.
char *scratch = nullptr;
size_t scratch_cap = 0;

void scratch_put(size_t at, char c)
{
    if (at >= scratch_cap) {
        size_t ncap = scratch_cap ? scratch_cap * 2 : 256;
        char *n = (char *)realloc(scratch, ncap);
        if (!n) li_Error("Out of memory");
        scratch = n;
        scratch_cap = ncap;
    }
    scratch[at] = c;
}

LiValue read_string(Reader *r)
{
    r->p++; // opening quote
    size_t len = 0;
    while (true) {
        if (r->p >= r->end) read_error(r, "unterminated string");
        char c = *r->p++;
        if (c == '"') break;
        if (c == '\n') r->line++;
        if (c == '\\' && r->p < r->end) {
            char e = *r->p++;
            switch (e) {
            case 'n': c = '\n'; break;
            case 't': c = '\t'; break;
            case 'r': c = '\r'; break;
            case '0': c = 0; break;
            case 'x': {
                int h1 = r->p < r->end ? hexval(r->p[0]) : -1;
                int h2 = r->p + 1 < r->end ? hexval(r->p[1]) : -1;
                if (h1 < 0 || h2 < 0) read_error(r, "bad \\x escape");
                c = (char)(h1 * 16 + h2);
                r->p += 2;
                break;
            }
            default: c = e; break;
            }
        }
        scratch_put(len++, c);
    }
    return make_string_n(scratch, (uint32_t)len);
}

LiValue read_list(Reader *r);

LiValue read_one(Reader *r)
{
    skip_space(r);
    if (r->p >= r->end) read_error(r, "unexpected end of input");
    char c = *r->p;
    if (c == '(') {
        r->p++;
        return read_list(r);
    }
    if (c == ')') {
        r->p++;
        read_error(r, "unexpected ')'");
    }
    if (c == '\'') {
        r->p++;
        LiValue *slot = ArgTop;
        push(read_one(r));
        *slot = li_Cons(*slot, Nil);
        *slot = li_Cons(S_quote, *slot);
        ArgTop = slot;
        return *slot;
    }
    if (c == '"') return read_string(r);
    const char *start = r->p;
    while (r->p < r->end && !delimiter(*r->p)) r->p++;
    size_t n = (size_t)(r->p - start);
    int32_t iv;
    double dv;
    if (parse_integer(start, n, &iv)) return li_CreateLong(iv);
    if (parse_real(start, n, &dv)) return li_CreateReal(dv);
    if (n == 3 && memcmp(start, "nil", 3) == 0) return Nil;
    return intern_n(start, n);
}

LiValue read_list(Reader *r)
{
    LiValue *base = ArgTop;
    push(Nil); // head
    push(Nil); // tail
    while (true) {
        skip_space(r);
        if (r->p >= r->end) read_error(r, "missing ')'");
        if (*r->p == ')') {
            r->p++;
            break;
        }
        if (*r->p == '.' && r->p + 1 < r->end && delimiter(r->p[1]) && !nilp(base[1])) {
            r->p++;
            LiValue rest = read_one(r);
            base[1]->w2 = W(rest);
            skip_space(r);
            if (r->p >= r->end || *r->p != ')') read_error(r, "bad dotted list");
            r->p++;
            break;
        }
        LiValue v = read_one(r);
        push(v);
        LiValue cell = li_Cons(v, Nil);
        ArgTop--;
        if (nilp(base[0])) base[0] = cell;
        else base[1]->w2 = W(cell);
        base[1] = cell;
    }
    ArgTop = base;
    return base[0];
}

} // namespace

bool read_form(Reader *r, LiValue *out)
{
    skip_space(r);
    if (r->p >= r->end) return false;
    *out = read_one(r);
    return true;
}
