#include "method_rows.h"

#include <array>
#include <initializer_list>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

namespace savrawin {

namespace {

// An entry has no data of its own, so each overloaded method takes one slot of a fixed pool of
// dispatcher entries; the slot holds its candidate table.
constexpr size_t pool_size = 256;
Overload pool[pool_size];
size_t pool_used = 0;

template <size_t K> LiValue pooled_dispatcher()
{
    ProtectedSlot args(li_Cons(ArgBase[0], ArgBase[1])); // the one cell a method dispatch makes
    return dispatch(pool[K], args);
}
template <size_t... K> constexpr auto pool_entries(std::index_sequence<K...>)
{
    return std::array<LiEntry, sizeof...(K)>{pooled_dispatcher<K>...};
}
const auto pool_entry = pool_entries(std::make_index_sequence<pool_size>{});

[[noreturn]] void table_mistake(const char *class_name, const char *name, const char *what)
{
    fprintf(stderr, "savrawinfns: %s::%s: %s\n", class_name, name, what);
    abort();
}

bool same_form(const Candidate &a, const Candidate &b) { return a.n == b.n && strcmp(a.tests, b.tests) == 0; }

// What registration makes lives as long as the module and is made once: it goes to memory that is
// never freed, which costs no heap call per piece.
const char *kept_text(std::initializer_list<const char *> pieces)
{
    size_t length = 0;
    for (const char *p : pieces) length += strlen(p);
    char *text = (char *)li_PermanentAlloc(length + 1), *at = text;
    for (const char *p : pieces) {
        size_t n = strlen(p);
        memcpy(at, p, n);
        at += n;
    }
    return text;
}

// A candidate's names: none for the instance, then its row's, as many as the form takes.
const char *const *names_of(const MethodRow &r, int n)
{
    const char **names = (const char **)li_PermanentAlloc((size_t)n * sizeof *names);
    for (int p = 1; p < n; p++) names[p] = r.params[p - 1];
    return names;
}

// A form whose count and tests an earlier one already meets is never reached: it is left out.
LiEntry make_dispatcher(const char *class_name, const MethodRow *rows, size_t n)
{
    if (pool_used == pool_size) table_mistake(class_name, rows[0].name, "more overloaded methods than dispatcher slots");
    int total = 0;
    for (size_t i = 0; i < n; i++) total += rows[i].form_count;
    Candidate *candidates = total ? (Candidate *)li_PermanentAlloc((size_t)total * sizeof(Candidate)) : nullptr;
    int used = 0;
    for (size_t i = 0; i < n; i++)
        for (int f = 0; f < rows[i].form_count; f++) {
            const Candidate &c = rows[i].forms[f];
            bool reached = true;
            for (int k = 0; k < used && reached; k++) reached = !same_form(candidates[k], c);
            if (!reached) continue;
            candidates[used] = c;
            candidates[used++].names = names_of(rows[i], c.n);
        }
    const char *failure = kept_text({"No matching function for overloaded '", class_name, "::", rows[0].name, "'"});
    pool[pool_used] = Overload{failure, candidates, used};
    if (used) li_DescribeForms(pool_entry[pool_used], forms_text(pool[pool_used]));
    return pool_entry[pool_used++];
}

LiValue register_plain(LiValue cls, const MethodRow &r)
{
    LiValue name = nullptr;
    with_parameter_pairs(r.param_count, r.params, [&](auto... pairs) {
        name = li_DefCMethod(cls, r.name, r.forms[0].entry, r.param_count, pairs...);
    });
    return name;
}

void register_global(const MethodRow &r)
{
    if (r.creator) {
        li_CLFunction(r.name, r.forms[0].entry, 1, "args", rest_parameter);
        li_DescribeForms(r.forms[0].entry, forms_text(*r.creator));
        return;
    }
    with_parameter_pairs(r.param_count, r.params,
                         [&](auto... pairs) { li_CLFunction(r.name, r.forms[0].entry, r.param_count, pairs...); });
}

// A plain method as a global function (CLASS_NAME), the instance first.
void register_as_global(const char *name, const MethodRow &r)
{
    const char *params[15] = {"this"};
    for (int i = 0; i < r.param_count; i++) params[i + 1] = r.params[i];
    with_parameter_pairs(r.param_count + 1, params,
                         [&](auto... pairs) { li_CLFunction(name, r.forms[0].entry, r.param_count + 1, pairs...); });
}

// The names whose rows have all been registered, by their symbols, for the check that a name's
// rows stand together: open addressing over the symbols' addresses, so that a class of a few
// hundred rows costs a probe per row rather than a comparison with every earlier name.
class NameSet {
public:
    explicit NameSet(size_t most) : mask(capacity(most) - 1), slots(mask + 1) {}
    bool contains(LiValue name) const
    {
        for (size_t k = slot_of(name); slots[k]; k = (k + 1) & mask)
            if (slots[k] == name) return true;
        return false;
    }
    void add(LiValue name)
    {
        size_t k = slot_of(name);
        while (slots[k]) k = (k + 1) & mask;
        slots[k] = name;
    }

private:
    static size_t capacity(size_t most)
    {
        size_t c = 16;
        while (c < 2 * most) c *= 2;
        return c;
    }
    size_t slot_of(LiValue name) const { return ((uintptr_t)name / sizeof(LiCell)) & mask; }
    size_t mask;
    std::vector<LiValue> slots;
};

// Where the rows of row i's name end: consecutive method rows of one name are one dispatcher, and
// a lone one without forms of its own is a plain method.
size_t name_end(const MethodRow *rows, size_t n, size_t i)
{
    size_t j = i + 1;
    if (rows[i].kind == MethodRow::Method)
        while (j < n && rows[j].kind == MethodRow::Method && strcmp(rows[j].name, rows[i].name) == 0) j++;
    return j;
}
bool plain(const MethodRow *rows, size_t i, size_t end) { return end == i + 1 && !rows[i].overloaded; }

// f(table, i, end) for the rows [i, end) of each name of each table, in order.
template <class F> void each_name(const MethodTable *tables, size_t count, F f)
{
    for (size_t t = 0; t < count; t++)
        for (size_t i = 0, end; i < tables[t].count; i = end) {
            end = name_end(tables[t].rows, tables[t].count, i);
            f(tables[t], i, end);
        }
}

} // namespace

void each_method_global(const MethodTable *tables, size_t count, void (*f)(const MethodRow &, bool also_global, void *), void *context)
{
    each_name(tables, count, [&](const MethodTable &table, size_t i, size_t end) {
        const MethodRow &r = table.rows[i];
        if (r.kind == MethodRow::Global) f(r, false, context);
        else if (r.kind == MethodRow::Method && plain(table.rows, i, end) && table.methods_also_global) f(r, true, context);
    });
}

const char *global_name(const char *class_name, const MethodRow &r, bool also_global)
{
    return also_global ? kept_text({class_name, "_", r.name}) : r.name;
}

void register_method_global(const char *name, const MethodRow &r, bool also_global)
{
    if (also_global) register_as_global(name, r);
    else register_global(r);
}

void register_methods(LiValue cls, const char *class_name, const MethodTable *tables, size_t count)
{
    size_t rows_in_all = 0;
    for (size_t t = 0; t < count; t++) rows_in_all += tables[t].count;
    li_ReserveMethods(cls, (int)rows_in_all);
    NameSet done(rows_in_all); // names whose rows have all been registered
    each_name(tables, count, [&](const MethodTable &table, size_t i, size_t end) {
        const MethodRow *rows = table.rows, &r = rows[i];
        if (r.kind == MethodRow::Global) return;
        LiValue name;
        if (r.kind == MethodRow::Apart || plain(rows, i, end)) name = register_plain(cls, r);
        else name = li_DefCMethod(cls, r.name, make_dispatcher(class_name, rows + i, end - i), 1, "args", rest_parameter);
        // Checked by the symbol the registration returns: a mistake ends the process all the same.
        if (done.contains(name)) table_mistake(class_name, r.name, "rows of one name stand together, apart ones last");
        if (end == table.count || rows[end].kind != MethodRow::Apart || strcmp(rows[end].name, r.name) != 0) done.add(name);
    });
}

} // namespace savrawin
