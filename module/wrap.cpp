#include "wrap.h"

#include <string.h>

#include "../structs/model.h"

namespace savrawin {

// Plain ASCII, the common case, is widened and narrowed here without the code-page calls.
namespace {
int ascii_length(const char *text)
{
    int k = 0;
    while (text[k] && !(text[k] & 0x80)) k++;
    return text[k] ? -1 : k;
}

int ascii_length(const wchar_t *text)
{
    int k = 0;
    while (text[k] && text[k] < 0x80) k++;
    return text[k] ? -1 : k;
}
} // namespace

wchar_t *make_wide_copy(LiValue v, int *units)
{
    if (!li_StringP(v)) return nullptr;
    const char *text = li_SVal(v);
    int length = li_Length(v);
    int ascii = ascii_length(text);
    int n = ascii >= 0 ? ascii + 1 : MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    if (n <= length) n = length + 1;
    wchar_t *copy = (wchar_t *)malloc(sizeof(wchar_t) * (size_t)n);
    if (!copy) return nullptr;
    if (units) *units = n;
    if (ascii >= 0) {
        for (int i = 0; i <= ascii; i++) copy[i] = (unsigned char)text[i];
    } else if (!MultiByteToWideChar(CP_UTF8, 0, text, -1, copy, n)) {
        copy[0] = 0;
    }
    return copy;
}

void write_back(const WideCopy &w)
{
    if (!w.copy) return;
    int length = li_Length(w.string);
    if (length <= 0) return;
    char *out = li_SVal(w.string);
    int ascii = ascii_length(w.copy);
    if (ascii < 0) {
        WideCharToMultiByte(CP_UTF8, 0, w.copy, -1, out, length, nullptr, nullptr);
        return;
    }
    int bytes = ascii + 1 < length ? ascii + 1 : length;
    for (int i = 0; i < bytes; i++) out[i] = (char)w.copy[i];
}

void make_copies(WideCopy *copies, const Kind *kinds, LiValue *args, int n)
{
    for (int i = 0; i < n; i++) {
        if (kinds[i] != Kind::WString || !li_StringP(args[i])) continue;
        copies[i].copy = make_wide_copy(args[i], &copies[i].units);
        if (!copies[i].copy) {
            finish_copies(copies, i);
            li_Error("Out of memory for a UTF-16 argument");
        }
    }
}

void finish_copies(WideCopy *copies, int n)
{
    for (int i = 0; i < n; i++) {
        if (!copies[i].copy) continue;
        if (copies[i].string) write_back(copies[i]);
        free(copies[i].copy);
        copies[i].copy = nullptr;
    }
}

// Converted straight into the new string: no intermediate block outlives an interpreter error.
LiValue wide_text_result(const wchar_t *text)
{
    if (!text) return Nil;
    int ascii = ascii_length(text);
    if (ascii >= 0) {
        LiValue s = li_CreateStringN(nullptr, ascii);
        char *out = li_SVal(s);
        for (int i = 0; i < ascii; i++) out[i] = (char)text[i];
        return s;
    }
    int units = lstrlenW(text) + 1;
    int bytes = WideCharToMultiByte(CP_UTF8, 0, text, units, nullptr, 0, nullptr, nullptr);
    LiValue s = li_CreateStringN(nullptr, bytes > 0 ? bytes - 1 : 0);
    if (bytes > 0) WideCharToMultiByte(CP_UTF8, 0, text, units, li_SVal(s), bytes, nullptr, nullptr);
    return s;
}

namespace {
LiValue packed_result(LiValue cls, uint32_t packed, LiValue args)
{
    LONG *pair = (LONG *)LI_Malloc(2 * sizeof(LONG));
    pair[0] = (SHORT)LOWORD(packed);
    pair[1] = (SHORT)HIWORD(packed);
    *ArgTop++ = args;
    LiValue v = li_CreateNonNullInstanceAlloc(pair, cls, args);
    --ArgTop;
    return v;
}
} // namespace

LiValue packed_point_result(uint32_t packed, LiValue args) { return packed_result(cls_POINT, packed, args); }
LiValue packed_size_result(uint32_t packed, LiValue args) { return packed_result(cls_SIZE, packed, args); }

void register_functions(const FunctionRow *rows, size_t n)
{
    for (size_t i = 0; i < n; i++) {
        const FunctionRow &r = rows[i];
        with_parameter_pairs(r.count, r.params, [&](auto... pairs) { li_CLFunction(r.name, r.entry, r.count, pairs...); });
    }
}

} // namespace savrawin
