#include "method_rows.h"

#include <array>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace savrawin {

namespace {

// An entry has no data of its own, so each overloaded control method takes one slot of a fixed
// pool of dispatcher entries; the slot holds its candidate table.
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

bool same_form(const Candidate &a, const Candidate &b) { return a.n == b.n && strcmp(a.tests, b.tests) == 0; }

// A candidate's names: none for the instance, then its row's, as many as the form takes.
const char *const *names_of(const ControlMethod &r, int n)
{
    const char **names = (const char **)calloc((size_t)n, sizeof *names);
    for (int p = 1; p < n; p++) names[p] = r.params[p - 1];
    return names;
}

// A form whose count and tests an earlier one already meets is never reached: it is left out.
LiEntry make_dispatcher(const char *class_name, const ControlMethod *rows, size_t n)
{
    if (pool_used == pool_size) {
        fprintf(stderr, "savrawinfns: more overloaded control methods than dispatcher slots\n");
        abort();
    }
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

} // namespace

void register_control_methods(LiValue cls, const char *class_name, const ControlMethod *rows, size_t n)
{
    for (size_t i = 0; i < n;) {
        size_t j = i + 1;
        while (j < n && strcmp(rows[j].name, rows[i].name) == 0) j++;
        const ControlMethod &r = rows[i];
        if (j == i + 1 && !r.overloaded)
            with_parameter_pairs(r.param_count, r.params,
                                 [&](auto... pairs) { li_DefCMethod(cls, r.name, r.forms[0].entry, r.param_count, pairs...); });
        else
            register_overloaded_method(cls, r.name, make_dispatcher(class_name, rows + i, j - i));
        i = j;
    }
}

} // namespace savrawin
