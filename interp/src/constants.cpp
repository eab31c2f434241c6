// Constant tables, bound on first use. Installing a table records it and gives its value to the
// names that exist already; a name interned later takes its value from the tables as its symbol
// is made. So installing a module's thousands of constants costs a comparison per row, not a
// symbol and a cell per row, while every symbol that exists holds the value an eager install would
// have given it.
//
// A table is searched by binary search over its ascending runs (a module's generator sorts its
// rows, a few pinned rows at either end aside). A table of many short runs, such as a hand-written
// one, or one outside a module's image, is installed eagerly instead.
#include "internal.h"

#include <windows.h>

#include <stdlib.h>
#include <vector>

namespace {

struct Run {
    int begin, end; // rows [begin, end) ascend by name
};
// Names are first told apart by their first three bytes: a bit per such prefix, set for the
// table's names, lets most other names (a module's functions, a script's variables) pass without
// a search.
const uint32_t PREFIX_BITS = 8192;
uint32_t prefix_key(const char *name, size_t len)
{
    uint32_t k = 0;
    for (size_t i = 0; i < 3; i++) {
        unsigned char c = i < len ? (unsigned char)name[i] : 0;
        if (!c) len = i; // a NUL-terminated name is read no further
        k = k * 131 + c;
    }
    return k % PREFIX_BITS;
}

struct Table {
    const LiConstant *rows;
    int count;
    std::vector<Run> runs;
    std::vector<uint32_t> prefixes; // PREFIX_BITS bits
    bool all_interned; // every name has its symbol (apropos asked for them)
    void *owner;       // the image the rows live in, forgotten when it is unloaded
};
// Searched from the back: the table installed last gives a name its value, as a later eager
// install would have overwritten an earlier one.
std::vector<Table> tables;
const size_t MAX_RUNS = 16;

// Orders a name given as bytes and length against a NUL-terminated one.
int compare(const char *name, size_t len, const char *row)
{
    int c = strncmp(name, row, len);
    if (c) return c;
    return row[len] ? -1 : 0;
}

const LiConstant *find_in(const Table &t, const char *name, size_t len)
{
    uint32_t k = prefix_key(name, len);
    if (!(t.prefixes[k / 32] & (1u << (k % 32)))) return nullptr;
    for (const Run &r : t.runs) {
        int lo = r.begin, hi = r.end;
        while (lo < hi) {
            int mid = lo + (hi - lo) / 2;
            int c = compare(name, len, t.rows[mid].name);
            if (c == 0) return &t.rows[mid];
            if (c < 0) hi = mid;
            else lo = mid + 1;
        }
    }
    return nullptr;
}

// Integer cells for constant values. Those near zero are the shared ones; the others get cells of
// their own, made here rather than from the shared pages (taking them from the pages made
// installing the module's tables three times slower, measured). They are never collected: a
// symbol is made wherever the reader or a native asks for one, and making it must not start a
// collection under a caller that holds unrooted cells.
LiValue constant_cell(int32_t v)
{
    static LiCell *block = nullptr;
    static int left = 0;
    if (v >= -256 && v < 1024) return small_int(v);
    if (!left) {
        block = (LiCell *)calloc(1024, sizeof(LiCell));
        if (!block) abort();
        left = 1024;
    }
    left--;
    LiValue c = block++;
    c->hdr = (LI_LONG << 1) | LI_HDR_STATIC;
    c->w1 = (uint32_t)v;
    return c;
}

// The module image that holds address p, or null when p lies in other memory (the heap, a stack).
void *image_of(const void *p)
{
    MEMORY_BASIC_INFORMATION m;
    if (!VirtualQuery(p, &m, sizeof m) || m.Type != MEM_IMAGE) return nullptr;
    return m.AllocationBase;
}

void bind_existing(LiValue sym, void *table)
{
    const char *name = sym_name(sym);
    if (const LiConstant *c = find_in(*(const Table *)table, name, strlen(name))) sym_set(sym, constant_cell(c->value));
}

} // namespace

LiValue constant_value(const char *name, size_t len)
{
    for (auto t = tables.rbegin(); t != tables.rend(); ++t)
        if (const LiConstant *c = find_in(*t, name, len)) return constant_cell(c->value);
    return Undef;
}

void constants_intern_all(void)
{
    for (Table &t : tables) {
        if (t.all_interned) continue;
        for (int i = 0; i < t.count; i++) intern(t.rows[i].name);
        t.all_interned = true;
    }
}

void constants_forget_module(void *module)
{
    for (size_t i = tables.size(); i-- > 0;)
        if (tables[i].owner == module) tables.erase(tables.begin() + i);
}

void li_InitConstants(const LiConstant *rows, int count)
{
    if (!rows || count <= 0) return;
    // Rows are kept and read later only where they live as long as their module: in its image.
    void *owner = image_of(rows);
    Table t{rows, count, {}, std::vector<uint32_t>(PREFIX_BITS / 32), false, owner};
    int begin = 0;
    for (int i = 1; i <= count && t.runs.size() <= MAX_RUNS; i++) {
        uint32_t k = prefix_key(rows[i - 1].name, 3);
        t.prefixes[k / 32] |= 1u << (k % 32);
        if (i == count || strcmp(rows[i - 1].name, rows[i].name) >= 0) {
            t.runs.push_back({begin, i});
            begin = i;
        }
    }
    if (t.runs.size() > MAX_RUNS || !owner || image_of(rows[0].name) != owner) {
        for (int i = 0; i < count; i++) sym_set(intern(rows[i].name), li_CreateLong(rows[i].value));
        return;
    }
    for (size_t i = 0; i < tables.size(); i++)
        if (tables[i].rows == rows) {
            t.all_interned = tables[i].all_interned;
            tables.erase(tables.begin() + i);
            break;
        }
    tables.push_back(t);
    symbols_each(bind_existing, &tables.back());
}
