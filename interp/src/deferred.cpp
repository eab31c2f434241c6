// Global functions a module registers on their first use. A module hands over tables of rows; a
// row is defined (its function registered) when a symbol of its name is made, or at once where
// one exists. Every symbol that exists therefore holds the function an eager registration would
// have given it, while loading the module costs a filter bit per row instead of a registration.
// Classes are handed over the same way, a table at a time: the first of its names made makes them
// all, in the place of the class list where they would stand had they been made when handed over.
//
// One filter for every table, two bits per row from the name's hash (which the rows carry from
// compile time), lets all but a few names in a thousand pass without a search; the search itself
// compares hashes row by row, and reads a name only where the hashes agree.
#include "internal.h"

#include <string.h>
#include <vector>

namespace {

struct Table {
    const char *rows;
    int count;
    size_t stride;
    void (*define)(const void *row);
    void (*make)(void); // a table of classes (li_DeferClasses): what makes them, else null
    void *owner;        // the image the rows live in, forgotten when it is unloaded
    bool all_interned;
};
// Tables of classes, by their maker: where their classes stand in the class list, and whether
// they are made.
struct ClassTable {
    void (*make)(void);
    size_t position;
    bool made;
    void *owner;
};
std::vector<ClassTable> class_tables;
size_t placed_elsewhere = 0; // classes a maker moved into the list's middle
// In the order they were handed over: a name's rows are defined in that order.
std::vector<Table> tables;
int registrations = 0; // rows handed over, and functions registered otherwise
int defining = 0;      // a row's definition under way: its li_CLFunction is not another registration

NameFilter filter(1u << 16);

const LiDeferredRow *row_at(const Table &t, int i) { return (const LiDeferredRow *)(t.rows + (size_t)i * t.stride); }

bool names(const LiDeferredRow *row, const char *name, uint32_t hash)
{
    return row->hash == hash && strcmp(row->name, name) == 0;
}

void define(const Table &t, const LiDeferredRow *row)
{
    defining++;
    if (t.make) li_MakeDeferredClasses(t.make);
    else t.define(row);
    defining--;
}

void hand_over(const void *rows, int count, size_t stride, void (*define)(const void *row), void (*make)(void))
{
    Table t{(const char *)rows, count, stride, define, make, image_of(rows), false};
    // Rows outside a module's image might not outlive their caller: they are defined now.
    if (!t.owner) {
        for (int i = 0; i < count; i++) ::define(t, row_at(t, i));
        return;
    }
    tables.push_back(t);
    for (int i = 0; i < count; i++) filter.add(row_at(t, i)->hash);
    for (int i = 0; i < count; i++) {
        const LiDeferredRow *row = row_at(t, i);
        if (symbol_lookup_hashed(row->name, row->hash)) ::define(t, row);
    }
}

} // namespace

void count_registration(void)
{
    if (!defining) registrations++;
}

int li_FuncCacheSort(void)
{
    // Functions are usable once registered, at once or on first use: there is nothing to sort.
    return registrations;
}

void define_deferred(LiValue sym, uint32_t hash)
{
    if (!filter.may_hold(hash)) return;
    const char *name = sym_name(sym);
    // by index: a definition that hands rows over itself moves the tables, not the walk
    for (size_t t = 0; t < tables.size(); t++)
        for (int i = 0; i < tables[t].count; i++) {
            const LiDeferredRow *row = row_at(tables[t], i);
            if (names(row, name, hash)) define(tables[t], row);
        }
}

void deferred_intern_all(void)
{
    for (size_t t = 0; t < tables.size(); t++) {
        if (tables[t].all_interned) continue;
        tables[t].all_interned = true;
        for (int i = 0; i < tables[t].count; i++) intern(row_at(tables[t], i)->name);
    }
}

void deferred_forget_module(void *module)
{
    for (size_t i = tables.size(); i-- > 0;)
        if (tables[i].owner == module) tables.erase(tables.begin() + i);
    for (size_t i = class_tables.size(); i-- > 0;)
        if (class_tables[i].owner == module) class_tables.erase(class_tables.begin() + i);
}

void deferred_make_classes(void)
{
    for (size_t i = 0; i < class_tables.size(); i++)
        if (!class_tables[i].made) li_MakeDeferredClasses(class_tables[i].make);
}

void li_DeferFunctions(const void *rows, int count, size_t stride, void (*define)(const void *row))
{
    if (!rows || count <= 0) return;
    registrations += count;
    hand_over(rows, count, stride, define, nullptr);
}

void li_DeferClasses(const void *rows, int count, size_t stride, void (*make)(void))
{
    if (!rows || count <= 0 || !make) return;
    class_tables.push_back({make, classes_made(), false, image_of((const void *)make)});
    hand_over(rows, count, stride, nullptr, make);
}

void li_MakeDeferredClasses(void (*make)(void))
{
    if (!make) return deferred_make_classes();
    size_t i = 0;
    while (i < class_tables.size() && class_tables[i].make != make) i++;
    if (i == class_tables.size()) return make(); // never handed over: made as asked
    if (class_tables[i].made) return;
    class_tables[i].made = true;
    size_t before = classes_made(), elsewhere = placed_elsewhere;
    make();
    // This maker's classes are the last ones made: a maker it needed placed its own already.
    size_t own = classes_made() - before - (placed_elsewhere - elsewhere), at = class_tables[i].position;
    classes_place(own, at);
    placed_elsewhere += own;
    for (size_t j = 0; j < class_tables.size(); j++)
        if (j != i && (class_tables[j].position > at || (class_tables[j].position == at && j > i)))
            class_tables[j].position += own;
}
