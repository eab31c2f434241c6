// The two constant tables. The rows are generated into first_table.gen.inc and second_table.gen.inc;
// checks.cpp proves the values the SDK headers define.
#include "constants.h"

namespace savrawin {

#define CHECKED(name, value) {#name, value},
#define DOCUMENTED(name, value) {name, value},

extern const LiConstant first_constant_table[] = {
#include "first_table.gen.inc"
};
extern const LiConstant second_constant_table[] = {
#include "second_table.gen.inc"
};

extern const int first_constant_table_size = sizeof first_constant_table / sizeof first_constant_table[0];
extern const int second_constant_table_size = sizeof second_constant_table / sizeof second_constant_table[0];

static_assert(sizeof first_constant_table / sizeof first_constant_table[0] == 2391, "first table size");
static_assert(sizeof second_constant_table / sizeof second_constant_table[0] == 5821, "second table size");
static_assert(sizeof(LiConstant) == 8, "a table entry is a name pointer and a 32-bit value");

void install_first_constant_table() { li_InitConstants(first_constant_table, first_constant_table_size); }
void install_second_constant_table() { li_InitConstants(second_constant_table, second_constant_table_size); }

} // namespace savrawin
