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

#include <vector>

namespace {

struct Table {
    const LiConstant *rows;
    int count;
    // Rows [run_ends[r - 1], run_ends[r]) ascend by name (the first run from row 0). An array, not
    // a container: under emulation every path a module's load runs for the first time costs.
    int run_count;
    int run_ends[LI_CONSTANT_RUNS + 1];
    // Names are first told apart by their hash, the symbol table's (symbols.cpp), which a new
    // symbol has already: at 16 bits a row, all but about one other name in a hundred (a module's
    // functions, a script's variables) pass without a search.
    NameFilter filter;
    bool all_interned; // every name has its symbol (apropos asked for them)
    void *owner;       // the image the rows live in, forgotten when it is unloaded
};
// Searched from the back: the table installed last gives a name its value, as a later eager
// install would have overwritten an earlier one.
std::vector<Table> tables;

// Orders a name given as bytes and length against a NUL-terminated one.
int compare(const char *name, size_t len, const char *row)
{
    int c = strncmp(name, row, len);
    if (c) return c;
    return row[len] ? -1 : 0;
}

const LiConstant *find_in(const Table &t, const char *name, size_t len, uint32_t hash)
{
    if (!t.filter.may_hold(hash)) return nullptr;
    for (int r = 0; r < t.run_count; r++) {
        int lo = r ? t.run_ends[r - 1] : 0, hi = t.run_ends[r];
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
// their own rather than cells from the shared pages (taking them from the pages made installing
// the module's tables three times slower, measured). They are never collected: a symbol is made
// wherever the reader or a native asks for one, and making it must not start a collection under a
// caller that holds unrooted cells.
LiValue constant_cell(int32_t v)
{
    if (v >= -256 && v < 1024) return small_int(v);
    LiValue c = permanent_cell(LI_LONG);
    c->w1 = (uint32_t)v;
    return c;
}

} // namespace

// The image whose initialisers run (li_LoadModule): the tables it hands over lie in it, and
// addresses there are answered without a query to the system, the first of which costs much.
static const char *loading_base = nullptr;
static size_t loading_size = 0;

void *image_loading(void *module)
{
    void *previous = (void *)loading_base;
    loading_base = (const char *)module;
    loading_size = 0;
    if (module) {
        const IMAGE_DOS_HEADER *dos = (const IMAGE_DOS_HEADER *)module;
        loading_size = ((const IMAGE_NT_HEADERS *)(loading_base + dos->e_lfanew))->OptionalHeader.SizeOfImage;
    }
    return previous;
}

void *image_of(const void *p)
{
    if ((size_t)((const char *)p - loading_base) < loading_size) return (void *)loading_base;
    MEMORY_BASIC_INFORMATION m;
    if (!VirtualQuery(p, &m, sizeof m) || m.Type != MEM_IMAGE) return nullptr;
    return m.AllocationBase;
}

LiValue constant_value(const char *name, size_t len, uint32_t hash)
{
    for (auto t = tables.rbegin(); t != tables.rend(); ++t)
        if (const LiConstant *c = find_in(*t, name, len, hash)) return constant_cell(c->value);
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

namespace {

// Keeps the table (in place of an earlier install of the same rows) and gives the symbols in
// `existing` the values it holds for them (for a name in the table twice, the one a look-up finds).
template <class Symbols> void keep(Table &&t, const Symbols &existing)
{
    for (size_t i = 0; i < tables.size(); i++)
        if (tables[i].rows == t.rows) {
            t.all_interned = tables[i].all_interned;
            tables.erase(tables.begin() + i);
            break;
        }
    tables.push_back(std::move(t));
    for (LiValue sym : existing) {
        const char *name = sym_name(sym);
        if (const LiConstant *c = find_in(tables.back(), name, strlen(name), sym_rec(sym)->hash)) sym_set(sym, constant_cell(c->value));
    }
}

} // namespace

void li_InitConstants(const LiConstant *rows, int count)
{
    if (!rows || count <= 0) return;
    // Rows are kept and read later only where they live as long as their module: in its image.
    void *owner = image_of(rows);
    Table t{rows, count, 0, {}, NameFilter(li_FilterBits(count)), false, owner};
    // One pass over the rows finds the runs, fills the filter and finds the names that have a
    // symbol already, from the hash each row needs anyway: no walk over every symbol.
    std::vector<LiValue> existing;
    for (int i = 1; i <= count && t.run_count <= LI_CONSTANT_RUNS; i++) {
        const char *name = rows[i - 1].name, *end = name;
        uint32_t hash = NAME_HASH_SEED;
        for (; *end; end++) hash = name_hash_byte(hash, (unsigned char)*end);
        t.filter.add(hash);
        if (LiValue sym = symbol_lookup(name, end - name, hash)) existing.push_back(sym);
        if (i == count || !li_NameAscends(rows[i - 1].name, rows[i].name)) t.run_ends[t.run_count++] = i;
    }
    if (t.run_count > LI_CONSTANT_RUNS || !owner || image_of(rows[0].name) != owner) {
        for (int i = 0; i < count; i++) sym_set(intern(rows[i].name), li_CreateLong(rows[i].value));
        return;
    }
    keep(std::move(t), existing);
}

void li_InitIndexedConstants(const LiConstant *rows, int count, const LiConstantIndex *index)
{
    if (!rows || count <= 0) return;
    void *owner = image_of(rows);
    // a filter the generator made, wholly within the image
    bool made = owner && index && index->filter && index->filter_bits == li_FilterBits(count) &&
                image_of(index->filter) == owner && image_of((const char *)index->filter + index->filter_bits / 8 - 1) == owner;
    bool usable = index && owner && index->run_count > 0 && index->run_count <= LI_CONSTANT_RUNS &&
                  (made || image_of(index->hashes) == owner) && image_of(index->run_ends) == owner;
    for (int r = 0, begin = 0; usable && r < index->run_count; begin = index->run_ends[r++])
        usable = index->run_ends[r] > begin && index->run_ends[r] <= count;
    if (!usable || index->run_ends[index->run_count - 1] != count) return li_InitConstants(rows, count);
    Table t{rows, count, index->run_count, {}, made ? NameFilter(index->filter, index->filter_bits) : NameFilter(li_FilterBits(count)), false, owner};
    if (!made)
        for (int i = 0; i < count; i++) t.filter.add(index->hashes[i]);
    memcpy(t.run_ends, index->run_ends, sizeof t.run_ends[0] * index->run_count);
    // The symbols are fewer than the rows, and their hashes are at hand: they are what is walked.
    struct Found {
        const Table &t;
        std::vector<LiValue> syms;
    } found{t, {}};
    symbols_each(
        [](LiValue sym, void *context) {
            Found &f = *(Found *)context;
            if (f.t.filter.may_hold(sym_rec(sym)->hash)) f.syms.push_back(sym);
        },
        &found);
    keep(std::move(t), found.syms);
}
