// The type names a declaration may use, and a declaration's lists parsed into types. Parsing raises
// nothing: it reports a message and the caller raises once it has given back what it made.
#include "declared.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

namespace savrawin {
namespace declared {

namespace {

struct TypeName {
    const char *name;
    TypeKind kind;
    uint8_t bits;
    bool is_signed;
    bool writable;
};

constexpr TypeKind I = TypeKind::Integer;

// Integers narrower than 32 bits are cut to their width going in and extended from it coming out;
// 32-bit ones (handles and pointers included) come back signed, as the catalogue's results do.
const TypeName type_names[] = {
    {"VOID", TypeKind::Void, 0, false, false},
    {"void", TypeKind::Void, 0, false, false},
    // 8 and 16 bits
    {"CHAR", I, 8, true, false}, {"int8", I, 8, true, false},
    {"BYTE", I, 8, false, false}, {"UCHAR", I, 8, false, false}, {"BOOLEAN", I, 8, false, false}, {"uint8", I, 8, false, false},
    {"SHORT", I, 16, true, false}, {"int16", I, 16, true, false},
    {"WORD", I, 16, false, false}, {"USHORT", I, 16, false, false}, {"ATOM", I, 16, false, false},
    {"WCHAR", I, 16, false, false}, {"LANGID", I, 16, false, false}, {"uint16", I, 16, false, false},
    // 32 bits
    {"INT", I, 32, true, false}, {"LONG", I, 32, true, false}, {"BOOL", I, 32, true, false},
    {"HRESULT", I, 32, true, false}, {"int", I, 32, true, false}, {"int32", I, 32, true, false},
    {"UINT", I, 32, false, false}, {"DWORD", I, 32, false, false}, {"ULONG", I, 32, false, false},
    {"COLORREF", I, 32, false, false}, {"LCID", I, 32, false, false}, {"uint32", I, 32, false, false},
    // pointers as integers
    {"LPVOID", I, 32, false, false}, {"PVOID", I, 32, false, false}, {"LPCVOID", I, 32, false, false},
    {"UINT_PTR", I, 32, false, false}, {"INT_PTR", I, 32, true, false}, {"LONG_PTR", I, 32, true, false},
    {"ULONG_PTR", I, 32, false, false}, {"DWORD_PTR", I, 32, false, false}, {"SIZE_T", I, 32, false, false},
    {"WPARAM", I, 32, false, false}, {"LPARAM", I, 32, true, false}, {"LRESULT", I, 32, true, false},
    // handles
    {"HANDLE", I, 32, false, false}, {"HWND", I, 32, false, false}, {"HDC", I, 32, false, false},
    {"HMENU", I, 32, false, false}, {"HINSTANCE", I, 32, false, false}, {"HMODULE", I, 32, false, false},
    {"HICON", I, 32, false, false}, {"HCURSOR", I, 32, false, false}, {"HBRUSH", I, 32, false, false},
    {"HFONT", I, 32, false, false}, {"HBITMAP", I, 32, false, false}, {"HGDIOBJ", I, 32, false, false},
    {"HPEN", I, 32, false, false}, {"HRGN", I, 32, false, false}, {"HPALETTE", I, 32, false, false},
    {"HKEY", I, 32, false, false}, {"HGLOBAL", I, 32, false, false}, {"HLOCAL", I, 32, false, false},
    {"HHOOK", I, 32, false, false}, {"HMONITOR", I, 32, false, false}, {"HACCEL", I, 32, false, false},
    {"HDESK", I, 32, false, false}, {"HRSRC", I, 32, false, false}, {"HKL", I, 32, false, false},
    {"HDROP", I, 32, false, false}, {"HIMAGELIST", I, 32, false, false}, {"HENHMETAFILE", I, 32, false, false},
    {"HDWP", I, 32, false, false}, {"HGLRC", I, 32, false, false}, {"HWINSTA", I, 32, false, false},
    // 64 bits
    {"INT64", TypeKind::Int64, 64, true, false}, {"LONGLONG", TypeKind::Int64, 64, true, false},
    {"int64", TypeKind::Int64, 64, true, false},
    {"UINT64", TypeKind::Int64, 64, false, false}, {"ULONGLONG", TypeKind::Int64, 64, false, false},
    {"DWORD64", TypeKind::Int64, 64, false, false}, {"uint64", TypeKind::Int64, 64, false, false},
    // reals
    {"FLOAT", TypeKind::Float, 32, true, false}, {"float", TypeKind::Float, 32, true, false},
    {"DOUBLE", TypeKind::Double, 64, true, false}, {"double", TypeKind::Double, 64, true, false},
    // text
    {"LPCWSTR", TypeKind::WideText, 32, false, false}, {"PCWSTR", TypeKind::WideText, 32, false, false},
    {"LPWSTR", TypeKind::WideText, 32, false, true}, {"PWSTR", TypeKind::WideText, 32, false, true},
    {"LPCSTR", TypeKind::NarrowText, 32, false, false}, {"PCSTR", TypeKind::NarrowText, 32, false, false},
    {"LPSTR", TypeKind::NarrowText, 32, false, true}, {"PSTR", TypeKind::NarrowText, 32, false, true},
};

// What a type name stands for, for the reference.
void describe_type_name(const TypeName &n, char *out, size_t room)
{
    switch (n.kind) {
    case TypeKind::Void: snprintf(out, room, "no value (results only): nil"); break;
    case TypeKind::Integer:
        snprintf(out, room, "%d-bit %s integer", (int)n.bits, n.is_signed ? "signed" : "unsigned");
        break;
    case TypeKind::Int64:
        snprintf(out, room, "64-bit %s integer: an integer or a whole real; a result outside 32 signed bits is a real",
                 n.is_signed ? "signed" : "unsigned");
        break;
    case TypeKind::Float: snprintf(out, room, "single-precision real"); break;
    case TypeKind::Double: snprintf(out, room, "double-precision real"); break;
    case TypeKind::WideText:
        snprintf(out, room, "UTF-16 text: a string's copy%s", n.writable ? ", written back" : "");
        break;
    case TypeKind::NarrowText: snprintf(out, room, "narrow text: the string's own bytes"); break;
    default: out[0] = 0; break;
    }
}

const char *symbol_name(LiValue v) { return li_Tag(v) == LI_SYMBOL ? (const char *)(uintptr_t)v->w1 : nullptr; }

int list_length(LiValue l)
{
    int n = 0;
    for (; li_Tag(l) == LI_CONS; l = li_PairTail(l)) n++;
    return li_Tag(l) == LI_NIL ? n : -1;
}

LiValue nth(LiValue l, int i)
{
    while (i-- > 0) l = li_PairTail(l);
    return li_PairHead(l);
}

// The value as a declaration shows it in a message.
void spell(LiValue v, char *out, size_t room)
{
    if (const char *s = symbol_name(v)) snprintf(out, room, "%s", s);
    else if (li_Tag(v) == LI_STRING) snprintf(out, room, "\"%s\"", li_SVal(v));
    else if (li_Tag(v) == LI_LONG) snprintf(out, room, "%d", (int)li_LVal(v));
    else snprintf(out, room, "%s", li_Tag(v) == LI_CONS ? "a list" : "a value that is not a type name");
}

// (callback RESULT (PARAMS...) [cdecl|stdcall] [DEFAULT])
bool parse_inline_callback(LiValue form, Type *t, char *error, size_t room)
{
    int n = list_length(form);
    if (n < 3 || n > 5) {
        snprintf(error, room, "a callback type is (callback RESULT (PARAMETER-TYPES...) [cdecl] [DEFAULT])");
        return false;
    }
    CallbackType proposed;
    snprintf(proposed.name, sizeof proposed.name, "callback");
    LiValue options[2] = {n > 3 ? nth(form, 3) : Nil, n > 4 ? nth(form, 4) : Nil};
    if (!parse_callback_signature(nth(form, 1), nth(form, 2), options, n - 3, &proposed, error, room))
        return false;
    const CallbackType *c = intern_callback_type(proposed);
    if (!c) {
        snprintf(error, room, "out of memory for a callback type");
        return false;
    }
    t->kind = TypeKind::Callback;
    t->callback = c;
    return true;
}
} // namespace

LiValue type_name_list()
{
    ListBuilder names;
    for (const TypeName &n : type_names) {
        char line[200], what[160];
        describe_type_name(n, what, sizeof what);
        snprintf(line, sizeof line, "%s\t%s", n.name, what);
        names.add(li_CreateString(line));
    }
    return names.list();
}

Kind Type::wrapper_kind() const
{
    switch (kind) {
    case TypeKind::WideText: return Kind::WString;
    case TypeKind::NarrowText: return Kind::Bytes;
    case TypeKind::Structure: return Kind::Struct;
    case TypeKind::Float:
    case TypeKind::Double: return Kind::Float;
    default: return Kind::Int;
    }
}

int convention_of(LiValue v)
{
    const char *s = symbol_name(v);
    if (!s) return -1;
    if (!strcmp(s, "cdecl")) return 1;
    if (!strcmp(s, "stdcall")) return 0;
    return -1;
}

bool parse_type(LiValue form, Type *t, bool for_result, char *error, size_t room)
{
    *t = Type();
    if (li_Tag(form) == LI_CONS) {
        const char *head = symbol_name(li_PairHead(form));
        if (head && !strcmp(head, "callback")) {
            if (for_result) {
                snprintf(error, room, "a callback type cannot be a result");
                return false;
            }
            return parse_inline_callback(form, t, error, room);
        }
    }
    const char *name = symbol_name(form);
    if (name) {
        for (const TypeName &n : type_names)
            if (!strcmp(n.name, name)) {
                t->kind = n.kind;
                t->bits = n.bits;
                t->is_signed = n.is_signed;
                t->writable = n.writable;
                if (!for_result && t->kind == TypeKind::Void) break;
                return true;
            }
        if (const CallbackType *c = named_callback_type(name)) {
            if (for_result) {
                snprintf(error, room, "a callback type cannot be a result");
                return false;
            }
            t->kind = TypeKind::Callback;
            t->callback = c;
            return true;
        }
        LiValue cls = li_SymbolValue(form);
        if (li_Tag(cls) == LI_CLASS) {
            if (for_result) {
                snprintf(error, room, "a structure class (%s) is passed by reference, not returned", name);
                return false;
            }
            t->kind = TypeKind::Structure;
            t->cls = cls;
            t->size = li_ClassRecord(cls)->size;
            return true;
        }
    }
    char shown[80];
    spell(form, shown, sizeof shown);
    if (name && !strcmp(name, "VOID") && !for_result) snprintf(error, room, "VOID is a result type only");
    else snprintf(error, room, "unknown type name %s", shown);
    return false;
}

bool parse_callback_signature(LiValue result, LiValue params, const LiValue *options, int option_count, CallbackType *c,
                              char *error, size_t room)
{
    if (!parse_type(result, &c->result, true, error, room)) return false;
    if (c->result.kind == TypeKind::WideText || c->result.kind == TypeKind::NarrowText) {
        snprintf(error, room, "a callback cannot return text");
        return false;
    }
    int n = list_length(params);
    if (n < 0 || n > max_parameters) {
        snprintf(error, room, "a callback's parameter types are a list of at most %d", max_parameters);
        return false;
    }
    c->count = n;
    c->stack_bytes = 0;
    for (int i = 0; i < n; i++) {
        LiValue item = nth(params, i);
        // (TYPE name) or TYPE, an inline (callback ...) type whole: the name only documents it
        const char *head = li_Tag(item) == LI_CONS ? symbol_name(li_PairHead(item)) : nullptr;
        bool named = li_Tag(item) == LI_CONS && !(head && !strcmp(head, "callback"));
        if (!parse_type(named ? li_PairHead(item) : item, &c->params[i], false, error, room)) {
            size_t used = strlen(error);
            snprintf(error + used, room - used, " (callback parameter %d)", i + 1);
            return false;
        }
        c->stack_bytes += 4 * c->params[i].words();
    }
    c->is_cdecl = false;
    c->fallback = 0;
    for (int k = 0; k < option_count; k++) {
        LiValue v = options[k];
        int conv = convention_of(v);
        if (conv >= 0) c->is_cdecl = conv == 1;
        else if (li_Tag(v) == LI_LONG) c->fallback = li_LVal(v);
        else {
            char shown[80];
            spell(v, shown, sizeof shown);
            snprintf(error, room, "a callback option is cdecl, stdcall or a default result, not %s", shown);
            return false;
        }
    }
    // the key: everything that makes two signatures interchangeable
    size_t used = 0;
    char text[96];
    type_text(c->result, text, sizeof text);
    used += snprintf(c->key + used, sizeof c->key - used, "%s (", text);
    for (int i = 0; i < n && used < sizeof c->key; i++) {
        type_text(c->params[i], text, sizeof text);
        used += snprintf(c->key + used, sizeof c->key - used, "%s%s", i ? " " : "", text);
    }
    if (used < sizeof c->key)
        used += snprintf(c->key + used, sizeof c->key - used, ") %s %d", c->is_cdecl ? "cdecl" : "stdcall", (int)c->fallback);
    if (used >= sizeof c->key) c->key[0] = 0; // cut short: it matches no other
    return true;
}

void type_text(const Type &t, char *out, size_t room)
{
    switch (t.kind) {
    // a class and a callback type by identity: a class defined again under its name is another
    case TypeKind::Structure: snprintf(out, room, "%s@%p", symbol_name(li_ClassRecord(t.cls)->name), (void *)t.cls); return;
    case TypeKind::Callback: snprintf(out, room, "callback@%p", (const void *)t.callback); return;
    default: break;
    }
    const char *kinds[] = {"void", "int", "int64", "float", "double", "wide", "narrow"};
    snprintf(out, room, "%s%d%s%s", kinds[(int)t.kind], (int)t.bits, t.is_signed ? "s" : "u", t.writable ? "w" : "");
}

// A 64-bit parameter takes an integer (sign- or zero-extended as the type is signed) or a real
// holding a whole number in the type's range; true when v is such a value.
bool int64_value(const Type &t, LiValue v, uint64_t *out)
{
    if (li_Tag(v) == LI_LONG) {
        int32_t x = (int32_t)v->w1;
        *out = t.is_signed ? (uint64_t)(int64_t)x : (uint64_t)(uint32_t)x;
        return true;
    }
    double d = li_RVal(v);
    if (d != floor(d)) return false;
    if (t.is_signed ? (d < -9223372036854775808.0 || d >= 9223372036854775808.0) : (d < 0 || d >= 18446744073709551616.0))
        return false;
    *out = t.is_signed ? (uint64_t)(int64_t)d : (uint64_t)d;
    return true;
}

LiValue value_of(const Type &t, uint64_t r, double real)
{
    uint32_t low = (uint32_t)r;
    switch (t.kind) {
    case TypeKind::Void: return Nil;
    case TypeKind::Integer:
        if (t.bits == 8) return li_CreateLong(t.is_signed ? (int32_t)(int8_t)low : (int32_t)(uint8_t)low);
        if (t.bits == 16) return li_CreateLong(t.is_signed ? (int32_t)(int16_t)low : (int32_t)(uint16_t)low);
        return li_CreateLong((int32_t)low);
    case TypeKind::Int64: {
        // an integer when it fits in 32 signed bits, else a real (exact up to 2^53)
        if (t.is_signed) {
            int64_t x = (int64_t)r;
            return x == (int32_t)x ? li_CreateLong((int32_t)x) : li_CreateReal((double)x);
        }
        return r <= 0x7FFFFFFFu ? li_CreateLong((int32_t)r) : li_CreateReal((double)r);
    }
    case TypeKind::Float:
    case TypeKind::Double: return li_CreateReal(real);
    case TypeKind::WideText: return wide_text_result((const wchar_t *)(uintptr_t)low);
    case TypeKind::NarrowText: return li_CreateString((const char *)(uintptr_t)low);
    case TypeKind::Structure: return low ? li_CreateInstance(t.cls, (void *)(uintptr_t)low, 0) : Nil;
    default: return li_CreateLong((int32_t)low);
    }
}

bool parse_parameters(LiValue params, Declaration *d, char *error, size_t room)
{
    int n = list_length(params);
    if (n < 0) {
        snprintf(error, room, "the parameters are a list of (TYPE name) items");
        return false;
    }
    if (n > 0) {
        const char *last = symbol_name(nth(params, n - 1));
        if (last && !strcmp(last, "...")) {
            d->variadic = true;
            n--;
        }
    }
    if (n > max_parameters) {
        snprintf(error, room, "at most %d parameters", max_parameters);
        return false;
    }
    d->count = n;
    char counts[max_parameters][name_room] = {};
    for (int i = 0; i < n; i++) {
        Parameter &p = d->params[i];
        LiValue item = nth(params, i), form = item;
        snprintf(p.name, sizeof p.name, "arg%d", i + 1);
        const char *head = li_Tag(item) == LI_CONS ? symbol_name(li_PairHead(item)) : nullptr;
        if (li_Tag(item) == LI_CONS && !(head && !strcmp(head, "callback"))) {
            // (TYPE name [(count OTHER)]); a bare inline (callback ...) type stays whole
            int k = list_length(item);
            if (k < 1 || k > 3) {
                snprintf(error, room, "parameter %d is (TYPE name [(count PARAMETER-NAME)])", i + 1);
                return false;
            }
            form = li_PairHead(item);
            if (k >= 2) {
                const char *name = symbol_name(nth(item, 1));
                if (!name) {
                    snprintf(error, room, "parameter %d: a name is a symbol", i + 1);
                    return false;
                }
                snprintf(p.name, sizeof p.name, "%s", name);
            }
            if (k == 3) {
                // (count OTHER): the named parameter says how far the platform may write
                LiValue c = nth(item, 2);
                const char *word = li_Tag(c) == LI_CONS ? symbol_name(li_PairHead(c)) : nullptr;
                const char *other = word && list_length(c) == 2 ? symbol_name(nth(c, 1)) : nullptr;
                if (!other || strcmp(word, "count")) {
                    snprintf(error, room, "parameter %d: the third item is (count PARAMETER-NAME)", i + 1);
                    return false;
                }
                snprintf(counts[i], name_room, "%s", other);
            }
        }
        if (!parse_type(form, &p.type, false, error, room)) {
            size_t used = strlen(error);
            snprintf(error + used, room - used, " (parameter %d)", i + 1);
            return false;
        }
        if (counts[i][0] && p.type.kind != TypeKind::WideText && p.type.kind != TypeKind::NarrowText) {
            snprintf(error, room, "parameter %d: only a text buffer has a count", i + 1);
            return false;
        }
        d->types[i] = &p.type;
        d->kinds[i] = p.type.wrapper_kind();
        d->element_sizes[i] = 1;
        d->words += p.type.words();
        if (p.type.kind == TypeKind::WideText) d->has_text = d->wide_extras = true;
        if (p.type.kind == TypeKind::Callback) d->has_callbacks = true;
    }
    // counts: a bound of the wrapper template's own kind, checked as the catalogue's are
    for (int i = 0; i < n; i++) {
        if (!counts[i][0]) continue;
        Parameter &p = d->params[i];
        for (int j = 0; j < n; j++)
            if (j != i && !strcmp(d->params[j].name, counts[i])) p.count_of = j;
        if (p.count_of < 0 || d->params[p.count_of].type.kind != TypeKind::Integer) {
            snprintf(error, room, "parameter %d: its count %s is not an integer parameter", i + 1, counts[i]);
            return false;
        }
        if (i > 15 || p.count_of > 15) {
            snprintf(error, room, "parameter %d: a counted buffer and its count lie among the first 16", i + 1);
            return false;
        }
        d->bounds[d->bound_count++] = bound::make(i, bound::Count, p.count_of);
    }
    if (d->variadic && !d->is_cdecl) {
        snprintf(error, room, "a variadic function is cdecl");
        return false;
    }
    return true;
}

} // namespace declared
} // namespace savrawin
