// Overloaded names: one registration under a rest parameter "args", a table of candidate forms
// tried in order by argument count and a per-position test, and the first that fits is called.
// Candidates are ordinary wrappers that no name reaches directly; they check the positions the
// dispatcher does not test and report their own type errors.
#pragma once

#include <stddef.h>
#include <utility>

#include "savra.h"
#include "protected_eval.h"

namespace savrawin {

// One form: its total argument count (a method's instance included), one test letter per
// position (I: an integer value, S: nil or a string, A: anything), its wrapper, and a name per
// position for describe (null for the instance), when the form comes with names.
struct Candidate {
    int n;
    const char *tests;
    LiEntry entry;
    const char *const *names = nullptr;
};

struct Overload {
    const char *failure; // "No matching function for overloaded 'Class::Name'"
    const Candidate *candidates;
    int count;
};

// Tries the candidates on list and calls the first that fits with the whole list.
LiValue dispatch(const Overload &o, LiValue list);

// What describe shows for the dispatcher of o: a line per candidate in trial order, its names
// separated by spaces. A copy that lives as long as the module.
const char *forms_text(const Overload &o);

// ---- the forms of an overloaded global function (a class's creator) --------------------------------
// A form is one row: its wrapper and its parameters, each a test letter and a name, from which the
// dispatcher's count and tests and describe's line all come. Methods are rows of method_rows.h.
//
//   SAVRA_OVERLOAD(menu_forms, "No matching function for overloaded 'CMenu'",
//                  form(menu_empty), form(menu_holding, integer("hMenu")));

struct FormParam {
    char test;
    const char *name;
};
constexpr FormParam integer(const char *name) { return {'I', name}; }
constexpr FormParam any(const char *name) { return {'A', name}; }

constexpr int form_params_max = 8;
struct Form {
    LiEntry entry;
    int n;
    char tests[form_params_max + 1];
    const char *names[form_params_max];
};
template <class... P> constexpr Form form(LiEntry entry, P... params)
{
    static_assert(sizeof...(P) <= form_params_max, "at most eight parameters a form");
    return {entry, (int)sizeof...(P), {params.test..., 0}, {params.name...}};
}

// The dispatcher's view of a static table of forms.
template <const auto &Forms, class = std::make_index_sequence<sizeof Forms / sizeof Forms[0]>> struct CandidatesOf;
template <const auto &Forms, size_t... I> struct CandidatesOf<Forms, std::index_sequence<I...>> {
    static constexpr Candidate list[] = {{Forms[I].n, Forms[I].tests, Forms[I].entry, Forms[I].names}...};
};

// The entry of a global name: the list arrives in slot 0.
template <const Overload &O> LiValue global_dispatcher() { return dispatch(O, ArgBase[0]); }

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

// Registered under the rest parameter "args": every call reaches the dispatcher with its list.
constexpr uint32_t rest_parameter = 0x60000000;
// A table's dispatcher under a global name, with its forms for describe.
template <const Overload &O> void register_overloaded_function(const char *name)
{
    li_CLFunction(name, global_dispatcher<O>, 1, "args", rest_parameter);
    li_DescribeForms(global_dispatcher<O>, forms_text(O));
}

#define SAVRA_OVERLOAD(var, failure, ...)                                                                              \
    constexpr ::savrawin::Form var##_forms[] = {__VA_ARGS__};                                                          \
    constexpr ::savrawin::Overload var = {failure, ::savrawin::CandidatesOf<var##_forms>::list,                      \
                                          sizeof var##_forms / sizeof var##_forms[0]}

} // namespace savrawin
