#include "wrap.h"

#include <stdio.h>
#include <string.h>

namespace savrawin {

bool make_copies(WideCopy *copies, const Kind *kinds, LiValue *args, int n, wchar_t *frame)
{
    size_t total = 0;
    for (int i = 0; i < n; i++)
        if (kinds[i] == Kind::WString && li_Tag(args[i]) == LI_STRING) total += (size_t)(copies[i].units = wide_room(args[i]));
    if (!total) return false;
    bool framed = total <= frame_units, exact = true;
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
        widen(li_StringBytes(args[i]), c.units - 1, c.copy, c.units, &c.exact);
        exact = exact && c.exact;
    }
    return !framed || !exact;
}

void finish_copies(WideCopy *copies, int n)
{
    const wchar_t *area = nullptr;
    for (int i = 0; i < n; i++) {
        WideCopy &c = copies[i];
        if (!c.copy) continue;
        if (c.string) narrow_into(c.string, c.copy);
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
        bound::Parts p = bound::decode(bounds[b]);
        int buffer = p.buffer, other = p.other;
        bound::Mode mode = p.mode;
        uint32_t value = p.value;
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

static void define_function(const void *row)
{
    const FunctionRow &r = *(const FunctionRow *)row;
    with_parameter_pairs(r.count, r.params, [&](auto... pairs) { li_CLFunction(r.name, r.entry, r.count, pairs...); });
}

void register_functions(const FunctionRow *rows, size_t n)
{
    li_DeferFunctions(rows, (int)n, sizeof *rows, define_function);
}

static void define_later(const void *row)
{
    const LaterRow &r = *(const LaterRow *)row;
    r.define(r.name);
}

void register_later(const LaterRow *rows, size_t n) { li_DeferFunctions(rows, (int)n, sizeof *rows, define_later); }

} // namespace savrawin
