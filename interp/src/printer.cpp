// The printer, output streams, and the error report shared by the host and the callback bridge.
#include "internal.h"

#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string>

LiValue Stdout = nullptr;

void out_write(const char *s, size_t n) { fwrite(s, 1, n, stdout); }
void out_flush(void) { fflush(stdout); }

static int printf_impl(const char *fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    int n = vfprintf(stdout, fmt, ap);
    va_end(ap);
    fflush(stdout);
    return n;
}
int (*Printf)(const char *, ...) = printf_impl;

namespace {

void put_cstr(void (*put)(const char *, size_t, void *), void *ctx, const char *s) { put(s, strlen(s), ctx); }

void print_string(LiValue v, bool princ, void (*put)(const char *, size_t, void *), void *ctx)
{
    const char *s = str_bytes(v);
    uint32_t n = str_len(v);
    if (princ) {
        put(s, n, ctx);
        return;
    }
    put("\"", 1, ctx);
    for (uint32_t i = 0; i < n; i++) {
        unsigned char c = (unsigned char)s[i];
        char esc[8];
        switch (c) {
        case '"': put("\\\"", 2, ctx); break;
        case '\\': put("\\\\", 2, ctx); break;
        case '\n': put("\\n", 2, ctx); break;
        case '\t': put("\\t", 2, ctx); break;
        case '\r': put("\\r", 2, ctx); break;
        case 0: put("\\0", 2, ctx); break;
        default:
            if (c < 32 || c == 127) {
                snprintf(esc, sizeof esc, "\\x%02x", c);
                put(esc, 4, ctx);
            } else {
                put((const char *)&s[i], 1, ctx);
            }
        }
    }
    put("\"", 1, ctx);
}

// An instance shows its class and the numbers its block holds, superclass fields first, handles
// and other large unsigned values in hex: #<RECT left=0 top=0 right=10 bottom=10>. Strings and
// nested structures are not followed (a pointer there may lead anywhere).
static void print_instance(LiValue v, void (*put)(const char *, size_t, void *), void *ctx)
{
    LiInstanceBody *b = li_InstanceBody(v);
    LiValue chain[16];
    int depth = 0;
    for (LiValue c = b->cls; li_Tag(c) == LI_CLASS && depth < 16; c = li_ClassRecord(c)->super) chain[depth++] = c;
    put_cstr(put, ctx, "#<");
    put_cstr(put, ctx, sym_name(li_ClassRecord(b->cls)->name));
    const LiMemberHooks *h = member_hooks(b->cls);
    if (h && h->label) {
        const char *label = h->label(v);
        if (label && *label) {
            put(" ", 1, ctx);
            put_cstr(put, ctx, label);
        }
        put(">", 1, ctx);
        return;
    }
    const char *data = (const char *)b->data;
    if (!data) {
        put_cstr(put, ctx, " without data>");
        return;
    }
    uint32_t size = li_ClassRecord(b->cls)->size;
    int shown = 0;
    char buf[64];
    for (int k = depth - 1; k >= 0; k--) {
        for (const LiStrucField *f = li_ClassRecord(chain[k])->fields; f && f->name; f++) {
            uint32_t at = LI_FIELD_OFFSET(f), width = 4;
            int type = LI_FIELD_TYPE(f);
            if (type == FT_SHORT || type == FT_USHORT) width = 2;
            if (type == FT_UCHAR) width = 1;
            if (at + width > size) continue;
            if (shown++ == 12) {
                put_cstr(put, ctx, " ...>");
                return;
            }
            int32_t i32 = 0;
            memcpy(&i32, data + at, width == 1 ? 1 : width == 2 ? 2 : 4);
            switch (type) {
            case FT_LONG:
            case FT_INT: snprintf(buf, sizeof buf, "%d", (int)i32); break;
            case FT_ULONG:
            case FT_UINT: snprintf(buf, sizeof buf, (uint32_t)i32 >= 0x10000 ? "0x%X" : "%u", (unsigned)i32); break;
            case FT_SHORT: snprintf(buf, sizeof buf, "%d", (int)(int16_t)i32); break;
            case FT_USHORT: snprintf(buf, sizeof buf, "%u", (unsigned)(uint16_t)i32); break;
            case FT_UCHAR: snprintf(buf, sizeof buf, "%u", (unsigned)(uint8_t)i32); break;
            case FT_FLOAT: {
                float f32;
                memcpy(&f32, data + at, 4);
                snprintf(buf, sizeof buf, "%g", (double)f32);
                break;
            }
            default: snprintf(buf, sizeof buf, "..."); break;
            }
            put(" ", 1, ctx);
            put_cstr(put, ctx, f->name);
            put("=", 1, ctx);
            put_cstr(put, ctx, buf);
        }
    }
    put(">", 1, ctx);
}

void print_rec(LiValue v, bool princ, void (*put)(const char *, size_t, void *), void *ctx, int depth)
{
    char buf[64];
    if (depth > 200) {
        put_cstr(put, ctx, "...");
        return;
    }
    switch (li_Tag(v)) {
    case LI_NIL: put_cstr(put, ctx, "nil"); break;
    case LI_LONG:
        snprintf(buf, sizeof buf, "%ld", (long)long_val(v));
        put_cstr(put, ctx, buf);
        break;
    case LI_REAL: {
        snprintf(buf, sizeof buf, "%.15g", real_val(v));
        if (!strpbrk(buf, ".eEn")) strcat(buf, ".0");
        put_cstr(put, ctx, buf);
        break;
    }
    case LI_STRING: print_string(v, princ, put, ctx); break;
    case LI_BUFFER:
        snprintf(buf, sizeof buf, "#<buffer %u>", str_len(v));
        put_cstr(put, ctx, buf);
        break;
    case LI_SYMBOL: put_cstr(put, ctx, sym_name(v)); break;
    case LI_LOCAL:
    case LI_BOXED:
    case LI_UPVAL: put_cstr(put, ctx, sym_name(P(v->w2))); break;
    case LI_CONS: {
        if (car(v) == S_quote && consp(cdr(v)) && nilp(cdr(cdr(v)))) {
            put("'", 1, ctx);
            print_rec(car(cdr(v)), princ, put, ctx, depth + 1);
            break;
        }
        put("(", 1, ctx);
        int count = 0;
        LiValue l = v;
        for (; consp(l); l = cdr(l)) {
            if (count++) put(" ", 1, ctx);
            if (count > 10000) {
                put_cstr(put, ctx, "...");
                break;
            }
            print_rec(car(l), princ, put, ctx, depth + 1);
        }
        if (!nilp(l) && !consp(l)) {
            put(" . ", 3, ctx);
            print_rec(l, princ, put, ctx, depth + 1);
        }
        put(")", 1, ctx);
        break;
    }
    case LI_ARRAY: {
        UT_Array *a = li_ArrayStorage(v);
        put("#(", 2, ctx);
        for (int i = 0; i < a->count; i++) {
            if (i) put(" ", 1, ctx);
            print_rec((LiValue)a->items[i], princ, put, ctx, depth + 1);
        }
        put(")", 1, ctx);
        break;
    }
    case LI_NATIVE:
        put_cstr(put, ctx, "#<function ");
        put_cstr(put, ctx, native_rec(v)->name);
        put(">", 1, ctx);
        break;
    case LI_CLOSURE:
        put_cstr(put, ctx, "#<lambda");
        if (!nilp(P(v->w3))) {
            put(" ", 1, ctx);
            put_cstr(put, ctx, sym_name(P(v->w3)));
        }
        put(">", 1, ctx);
        break;
    case LI_CLASS:
        put_cstr(put, ctx, "#<class ");
        put_cstr(put, ctx, sym_name(li_ClassRecord(v)->name));
        put(">", 1, ctx);
        break;
    case LI_INSTANCE: print_instance(v, put, ctx); break;
    case LI_DEAD: put_cstr(put, ctx, "#<destroyed instance>"); break;
    case LI_UNDEF: put_cstr(put, ctx, "#<undefined>"); break;
    case LI_SPECIAL:
        put_cstr(put, ctx, "#<special form ");
        put_cstr(put, ctx, sym_name(P(v->w2)));
        put(">", 1, ctx);
        break;
    case LI_ERROR:
        if (princ) {
            print_rec(P(v->w2), true, put, ctx, depth + 1);
        } else {
            put_cstr(put, ctx, "#<error ");
            print_rec(P(v->w2), false, put, ctx, depth + 1);
            put(">", 1, ctx);
        }
        break;
    case LI_STREAM: put_cstr(put, ctx, "#<stream>"); break;
    default:
        snprintf(buf, sizeof buf, "#<tag %d>", li_Tag(v));
        put_cstr(put, ctx, buf);
    }
}

void put_stdout(const char *s, size_t n, void *) { out_write(s, n); }
void put_string(const char *s, size_t n, void *ctx) { ((std::string *)ctx)->append(s, n); }

} // namespace

void print_value(LiValue v, bool princ, void (*put)(const char *, size_t, void *), void *ctx) { print_rec(v, princ, put, ctx, 0); }

// The text is collected natively first: the only allocation is the result cell.
LiValue value_to_string(LiValue v, bool princ)
{
    std::string s;
    print_rec(v, princ, put_string, &s, 0);
    return make_string_n(s.data(), (uint32_t)s.size());
}

void li_Write(LiValue v, LiValue, int flags)
{
    print_rec(v, (flags & 1) != 0, put_stdout, nullptr, 0);
    out_flush();
}

void li_PrintStack(LiValue, LiValue stack)
{
    for (LiValue l = stack; consp(l); l = cdr(l)) {
        std::string *s = new std::string();
        print_rec(car(l), false, put_string, s, 0);
        if (s->size() > 120) {
            s->resize(117);
            s->append("...");
        }
        fprintf(stdout, "  %s\n", s->c_str());
        delete s;
    }
    out_flush();
}

void report_error(void)
{
    LiValue stack = li_SymbolValue(S_error_stack);
    Printf("Error: ");
    li_Write(li_SymbolValue(ErrorString), Stdout, 1);
    Printf("\nStack follows:\n");
    li_PrintStack(Stdout, stack);
}
