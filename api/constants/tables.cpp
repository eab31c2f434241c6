// The two constant tables. The rows are generated into first_table.gen.inc and second_table.gen.inc;
// checks.cpp proves the values the SDK headers define.
#include "constants.h"

namespace savrawin {

#define CHECKED(name, value) {#name, value},
#define DOCUMENTED(name, value) {name, value},

extern constexpr LiConstant first_constant_table[] = {
#include "first_table.gen.inc"
};
extern constexpr LiConstant second_constant_table[] = {
#include "second_table.gen.inc"
};

#undef CHECKED
#undef DOCUMENTED

// What installing a table would otherwise work out from its names, worked out here when the module
// is compiled: each name's hash, and where the runs of names ascending byte by byte end (the
// generator sorts the rows between a few pinned ones).
#define CHECKED(name, value) li_NameHash(#name),
#define DOCUMENTED(name, value) li_NameHash(name),
constexpr uint32_t first_hashes[] = {
#include "first_table.gen.inc"
};
constexpr uint32_t second_hashes[] = {
#include "second_table.gen.inc"
};
#undef CHECKED
#undef DOCUMENTED

namespace {

struct Runs {
    int ends[LI_CONSTANT_RUNS];
    int count;
};
template <size_t N> constexpr Runs runs_of(const LiConstant (&rows)[N])
{
    Runs runs{};
    for (size_t i = 1; i <= N; i++)
        if (i == N || !li_NameAscends(rows[i - 1].name, rows[i].name)) {
            if (runs.count == LI_CONSTANT_RUNS) throw "more runs than an index holds";
            runs.ends[runs.count++] = (int)i;
        }
    return runs;
}
constexpr Runs first_runs = runs_of(first_constant_table), second_runs = runs_of(second_constant_table);
constexpr uint32_t first_bits = li_FilterBits(sizeof first_hashes / 4), second_bits = li_FilterBits(sizeof second_hashes / 4);
constexpr auto first_filter = li_ConstantFilter<first_bits / 32>(first_hashes);
constexpr auto second_filter = li_ConstantFilter<second_bits / 32>(second_hashes);
constexpr LiConstantIndex first_index = {first_hashes, first_runs.ends, first_runs.count, first_filter.words, first_bits};
constexpr LiConstantIndex second_index = {second_hashes, second_runs.ends, second_runs.count, second_filter.words,
                                          second_bits};

} // namespace

extern const int first_constant_table_size = sizeof first_constant_table / sizeof first_constant_table[0];
extern const int second_constant_table_size = sizeof second_constant_table / sizeof second_constant_table[0];

static_assert(sizeof first_constant_table / sizeof first_constant_table[0] == 2391, "first table size");
static_assert(sizeof second_constant_table / sizeof second_constant_table[0] == 5821, "second table size");
static_assert(sizeof(LiConstant) == 8, "a table entry is a name pointer and a 32-bit value");

void install_first_constant_table() { li_InitIndexedConstants(first_constant_table, first_constant_table_size, &first_index); }
void install_second_constant_table()
{
    li_InitIndexedConstants(second_constant_table, second_constant_table_size, &second_index);
}

} // namespace savrawin
