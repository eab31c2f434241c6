#include "wrap.h"

#include <stdio.h>
#include <string.h>

#include "../structs/model.h"

namespace savrawin {

// Plain ASCII, the common case, is widened and narrowed here without the code-page calls.
namespace {
int ascii_length(const wchar_t *text)
{
    int k = 0;
    while (text[k] && text[k] < 0x80) k++;
    return text[k] ? -1 : k;
}

// Copies text's leading plain ASCII (at most length bytes, up to a NUL or a byte above 0x7F) to
// out; returns how many bytes that was. Four bytes a step while no byte is NUL or above 0x7F.
int widen_ascii(const char *text, int length, wchar_t *out)
{
    int k = 0;
    for (; k + 4 <= length; k += 4) {
        uint32_t w;
        memcpy(&w, text + k, 4);
        if ((w & 0x80808080u) || ((w - 0x01010101u) & ~w & 0x80808080u)) break;
        uint32_t low = (w & 0xFFu) | (w & 0xFF00u) << 8, high = (w >> 16 & 0xFFu) | (w >> 24) << 16;
        memcpy(out + k, &low, 4);
        memcpy(out + k + 2, &high, 4);
    }
    for (; k < length; k++) {
        unsigned char c = (unsigned char)text[k];
        if (!c || c >= 0x80) break;
        out[k] = c;
    }
    return k;
}

// text (length bytes, a terminator past them) into buf of n >= length + 1 units, zeroed past the
// text: a platform function that reads on (a count longer than the text, a list ended by two
// terminators) finds terminators, not stale memory. Returns whether the text widened without
// loss (plain ASCII or valid UTF-8), that is whether narrowing it again gives the same bytes.
bool widen(const char *text, int length, wchar_t *buf, int n)
{
    int k = widen_ascii(text, length, buf), written = k;
    bool exact = true;
    if (k < length && text[k]) {
        // UTF-8 never needs more units than bytes, so the rest fits in the room left.
        int w = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text + k, -1, buf + k, n - k);
        if (w <= 0) {
            exact = false;
            w = MultiByteToWideChar(CP_UTF8, 0, text + k, -1, buf + k, n - k);
        }
        if (w > 0) written = k + w - 1;
    }
    memset(buf + written, 0, sizeof(wchar_t) * (size_t)(n - written));
    return exact;
}

// The room a copy of string v gets: its length and a terminator, so a pre-sized string works as
// an output buffer (the text itself never needs more).
int copy_room(LiValue v) { return (int)li_StringLength(v) + 1; }
} // namespace

void widen_into(LiValue v, wchar_t *buf, int units)
{
    const char *text = li_SVal(v);
    widen(text, (int)strlen(text), buf, units);
}

size_t units_that_fit(const wchar_t *text, size_t length, size_t room)
{
    if (length < room) return length;
    size_t n = room ? room - 1 : 0;
    if (n > 0 && IS_HIGH_SURROGATE(text[n - 1])) n--; // never leave half a pair
    return n;
}

wchar_t *make_wide_copy(LiValue v, int *units)
{
    if (!li_StringP(v)) return nullptr;
    int n = copy_room(v);
    wchar_t *copy = (wchar_t *)malloc(sizeof(wchar_t) * (size_t)n);
    if (!copy) return nullptr;
    if (units) *units = n;
    widen(li_SVal(v), li_Length(v), copy, n);
    return copy;
}

void write_back(const WideCopy &w)
{
    if (!w.copy) return;
    int length = li_Length(w.string);
    if (length <= 0) return;
    char *out = li_SVal(w.string);
    int k = 0;
    for (; k < length && w.copy[k] && w.copy[k] < 0x80; k++) out[k] = (char)w.copy[k];
    if (k == length) return;
    if (!w.copy[k]) {
        out[k] = 0;
        return;
    }
    // Whole characters only: the longest prefix whose UTF-8 form fits (the interpreter keeps a
    // terminator byte past the length).
    int units = lstrlenW(w.copy), taken = k, bytes = k;
    while (taken < units) {
        int step = IS_HIGH_SURROGATE(w.copy[taken]) && taken + 1 < units ? 2 : 1;
        int need = WideCharToMultiByte(CP_UTF8, 0, w.copy + taken, step, nullptr, 0, nullptr, nullptr);
        if (bytes + need > length) break;
        bytes += need;
        taken += step;
    }
    if (taken > k) WideCharToMultiByte(CP_UTF8, 0, w.copy + k, taken - k, out + k, bytes - k, nullptr, nullptr);
    if (bytes < length) out[bytes] = 0;
}

void make_copies(WideCopy *copies, const Kind *kinds, LiValue *args, int n, wchar_t *frame)
{
    size_t total = 0;
    for (int i = 0; i < n; i++)
        if (kinds[i] == Kind::WString && li_Tag(args[i]) == LI_STRING) total += (size_t)(copies[i].units = copy_room(args[i]));
    if (!total) return;
    bool framed = total <= frame_units;
    wchar_t *area = framed ? frame : claim_scratch(total, ArgTop);
    for (int i = 0; i < n; i++) {
        WideCopy &c = copies[i];
        if (!c.units) continue;
        if (area) {
            c.copy = area;
            c.scratch = !framed;
            c.framed = framed;
            area += c.units;
        } else if (!(c.copy = (wchar_t *)malloc(sizeof(wchar_t) * (size_t)c.units))) {
            finish_copies(copies, i);
            li_Error("Out of memory for a UTF-16 argument");
        }
        c.exact = widen(li_SVal(args[i]), c.units - 1, c.copy, c.units);
    }
}

void finish_copies(WideCopy *copies, int n)
{
    const wchar_t *area = nullptr;
    for (int i = 0; i < n; i++) {
        WideCopy &c = copies[i];
        if (!c.copy) continue;
        if (c.string) write_back(c);
        if (c.scratch) {
            if (!area) area = c.copy;
        } else if (!c.framed) {
            free(c.copy);
        }
        c.copy = nullptr;
    }
    if (area) release_scratch(area);
}

namespace {
// What the instance really holds, not what its class declares: an instance whose object is gone
// (data null, size 0) is refused rather than passed as a null pointer the platform would write to.
uint32_t storage_size(LiValue instance) { return li_InstanceDataSize(instance); }

// The room of buffer argument i (see bound::Mode), or -1 for a kind without one.
int64_t room_of(int i, const Kind *kinds, const size_t *element_sizes, LiValue *args, const WideCopy *copies, bool bytes)
{
    LiValue v = args[i];
    switch (kinds[i]) {
    case Kind::WString: return copies[i].copy ? copies[i].units : 0;
    case Kind::Bytes: return li_BufferP(v) ? li_Length(v) : 0;
    case Kind::Struct:
        if (li_Tag(v) != LI_INSTANCE) return 0;
        return storage_size(v) / (bytes ? 1 : element_sizes[i]);
    default: return -1;
    }
}

const char *unit_name(Kind k, bool bytes)
{
    if (bytes || k == Kind::Bytes) return "bytes";
    return k == Kind::WString ? "units" : "elements";
}

// The text length of a string argument, in the units its copy or bytes are counted in.
int64_t text_length(int i, const Kind *kinds, LiValue *args, const WideCopy *copies)
{
    if (kinds[i] == Kind::WString) return copies[i].copy ? lstrlenW(copies[i].copy) : 0;
    return li_BufferP(args[i]) ? (int64_t)strlen(li_SVal(args[i])) : 0;
}
} // namespace

void check_storage(LiValue *args, int i, size_t minimum)
{
    LiValue v = args[i];
    if (li_Tag(v) != LI_INSTANCE || storage_size(v) >= minimum) return;
    char what[80];
    snprintf(what, sizeof what, "nil or an instance of at least %u bytes", (unsigned)minimum);
    li_ArgumentError((int)(&args[i] - ArgBase), what);
}

void check_bounds(const uint32_t *bounds, int count, const Kind *kinds, const size_t *element_sizes, LiValue *args,
                  WideCopy *copies, int n)
{
    for (int b = 0; b < count; b++) {
        int buffer = bounds[b] & 15, other = (bounds[b] >> 4) & 15;
        auto mode = (bound::Mode)((bounds[b] >> 8) & 15);
        uint32_t value = bounds[b] >> 12;
        int64_t room = room_of(buffer, kinds, element_sizes, args, copies, mode == bound::Bytes);
        const char *unit = unit_name(kinds[buffer], mode == bound::Bytes);
        char what[160];
        int offender = -1;
        switch (mode) {
        case bound::Count:
        case bound::Bytes:
        case bound::Span: {
            int64_t asked = li_LVal(args[other]);
            if (mode == bound::Span) asked = (int64_t)li_LVal(args[value]) - asked + 1;
            bool measure = mode == bound::Count && value == 1 && asked == -1;
            if (!measure && (asked < 0 || asked > room)) {
                offender = other;
                snprintf(what, sizeof what, "%s from 0 to %lld (the %s argument %d holds)",
                         mode == bound::Span ? "a range of" : "a count", (long long)room, unit, buffer + 1);
            }
            break;
        }
        case bound::AtLeast:
            if (room < (int64_t)value) {
                offender = buffer;
                snprintf(what, sizeof what, "a buffer of at least %u %s", value, unit);
            }
            break;
        case bound::Source: {
            int64_t needed = text_length(other, kinds, args, copies);
            // a narrow string's terminator has its own byte past the length
            if (needed + (kinds[buffer] == Kind::Bytes ? 0 : 1) > room) {
                offender = buffer;
                snprintf(what, sizeof what, "a buffer for the %lld %s of argument %d", (long long)needed,
                         kinds[other] == Kind::WString ? "characters" : "bytes", other + 1);
            }
            break;
        }
        }
        if (offender >= 0) {
            finish_copies(copies, n);
            li_ArgumentError((int)(&args[offender] - ArgBase), what);
        }
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
    ProtectedSlot kept(args);
    return li_CreateNonNullInstanceAlloc(pair, cls, args);
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
