#include "method_rows.h"

#include <array>
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

// A candidate's names: none for the instance, then its row's, as many as the form takes.
const char *const *names_of(const MethodRow &r, int n)
{
    const char **names = (const char **)calloc((size_t)n, sizeof *names);
    for (int p = 1; p < n; p++) names[p] = r.params[p - 1];
    return names;
}

// A form whose count and tests an earlier one already meets is never reached: it is left out.
LiEntry make_dispatcher(const char *class_name, const MethodRow *rows, size_t n)
{
    if (pool_used == pool_size) table_mistake(class_name, rows[0].name, "more overloaded methods than dispatcher slots");
    int total = 0;
    for (size_t i = 0; i < n; i++) total += rows[i].form_count;
    Candidate *candidates = total ? (Candidate *)calloc((size_t)total, sizeof(Candidate)) : nullptr;
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
    size_t length = strlen(class_name) + strlen(rows[0].name) + 48;
    char *failure = (char *)malloc(length);
    snprintf(failure, length, "No matching function for overloaded '%s::%s'", class_name, rows[0].name);
    pool[pool_used] = Overload{failure, candidates, used};
    if (used) li_DescribeForms(pool_entry[pool_used], forms_text(pool[pool_used]));
    return pool_entry[pool_used++];
}

void register_plain(LiValue cls, const MethodRow &r)
{
    with_parameter_pairs(r.param_count, r.params,
                         [&](auto... pairs) { li_DefCMethod(cls, r.name, r.forms[0].entry, r.param_count, pairs...); });
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

// A plain method as the global CLASS_NAME, the instance first.
void register_as_global(const char *class_name, const MethodRow &r)
{
    size_t length = strlen(class_name) + strlen(r.name) + 2;
    char *name = (char *)malloc(length);
    snprintf(name, length, "%s_%s", class_name, r.name);
    const char *params[15] = {"this"};
    for (int i = 0; i < r.param_count; i++) params[i + 1] = r.params[i];
    with_parameter_pairs(r.param_count + 1, params,
                         [&](auto... pairs) { li_CLFunction(name, r.forms[0].entry, r.param_count + 1, pairs...); });
}

} // namespace

void register_methods(LiValue cls, const char *class_name, const MethodTable *tables, size_t count)
{
    std::vector<const char *> done; // names whose rows have all been registered
    for (size_t t = 0; t < count; t++) {
        const MethodRow *rows = tables[t].rows;
        size_t n = tables[t].count;
        for (size_t i = 0; i < n;) {
            const MethodRow &r = rows[i];
            size_t j = i + 1;
            if (r.kind == MethodRow::Global) {
                register_global(r);
                i = j;
                continue;
            }
            for (const char *name : done)
                if (strcmp(name, r.name) == 0)
                    table_mistake(class_name, r.name, "rows of one name stand together, apart ones last");
            if (r.kind == MethodRow::Apart) register_plain(cls, r);
            else {
                while (j < n && rows[j].kind == MethodRow::Method && strcmp(rows[j].name, r.name) == 0) j++;
                if (j == i + 1 && !r.overloaded) {
                    register_plain(cls, r);
                    if (tables[t].methods_also_global) register_as_global(class_name, r);
                } else {
                    li_DefCMethod(cls, r.name, make_dispatcher(class_name, rows + i, j - i), 1, "args", rest_parameter);
                }
            }
            if (j == n || rows[j].kind != MethodRow::Apart || strcmp(rows[j].name, r.name) != 0) done.push_back(r.name);
            i = j;
        }
    }
}

} // namespace savrawin
