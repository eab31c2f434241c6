// Overloaded names: one registration under a rest parameter "args", a table of candidate forms
// tried in order by argument count and a per-position test, and the first that fits is called.
// Candidates are ordinary wrappers that no name reaches directly; they check the positions the
// dispatcher does not test and report their own type errors.
#pragma once

#include "savra.h"
#include "protected_eval.h"

namespace savrawin {

// One form: its total argument count (a method's instance included), one test letter per
// position (I: an integer value, S: nil or a string, A: anything) and its wrapper.
struct Candidate {
    int n;
    const char *tests;
    LiEntry entry;
};

struct Overload {
    const char *failure; // "No matching function for overloaded 'Class::Name'"
    const Candidate *candidates;
    int count;
};

// Tries the candidates on list and calls the first that fits with the whole list.
LiValue dispatch(const Overload &o, LiValue list);

// Entries for a global name (the list arrives in slot 0) and for a method (the instance in slot
// 0, the rest of the arguments as a list in slot 1).
template <const Overload &O> LiValue global_dispatcher() { return dispatch(O, ArgBase[0]); }
template <const Overload &O> LiValue method_dispatcher()
{
    ProtectedSlot args(li_Cons(ArgBase[0], ArgBase[1])); // the one cell a method dispatch makes
    return dispatch(O, args);
}

// The constructor hook of a class whose `new` takes its dispatcher's forms: without a native
// block the instance is the one the dispatcher makes, owning its block.
template <LiEntry Dispatcher> LiValue construct_through(LiValue inst, void *data, int owned, LiValue args)
{
    if (data) return li_StrucBasicConstructor(inst, data, owned, args);
    ProtectedSlot made(li_CallCLVarArgFunction(Dispatcher, args));
    return li_StrucBasicConstructor(made, li_InstanceData(made), 1, args);
}

// The first n argument slots as a new list: what an instance made from them keeps as its
// constructor's arguments. The caller protects it.
inline LiValue argument_list(int n)
{
    ProtectedSlot list;
    for (int i = n - 1; i >= 0; i--) list = li_Cons(ArgBase[i], list);
    return list;
}

constexpr uint32_t rest_parameter = 0x60000000;
inline void register_overloaded_function(const char *name, LiEntry entry) { li_CLFunction(name, entry, 1, "args", rest_parameter); }
inline void register_overloaded_method(LiValue cls, const char *name, LiEntry entry)
{
    li_DefCMethod(cls, name, entry, 1, "args", rest_parameter);
}

#define SAVRA_OVERLOAD(var, failure, ...)                                                                              \
    constexpr ::savrawin::Candidate var##_candidates[] = {__VA_ARGS__};                                                \
    constexpr ::savrawin::Overload var = {failure, var##_candidates, sizeof var##_candidates / sizeof var##_candidates[0]}

} // namespace savrawin
