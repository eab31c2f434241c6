// The argument unions: a rectangle pointer, a menu or child id, a string or resource id, each a
// 4-byte value that an instance owns. `new` on their classes and the new__U_* functions take
// the same forms. Their classes, and the dialog-template helper's, close the catalogue; none has an
// SDK type to check against: their blocks are single words of the module's own.
#include "catalogue.h"

#include "../binding/overload.h"
#include "../binding/wrap.h"

namespace savrawin {

#define SAVRA_DEFINE_CLASS(NAME) LiValue cls_##NAME;
ARGUMENT_CLASSES(SAVRA_DEFINE_CLASS, )
#undef SAVRA_DEFINE_CLASS

namespace {

// A new owning instance over a 4-byte value; its argument list is the candidate's arguments.
LiValue make_union(LiValue cls, uint32_t value, int nargs)
{
    ProtectedSlot args(argument_list(nargs));
    uint32_t *storage = (uint32_t *)LI_Malloc(sizeof *storage);
    *storage = value;
    return li_CreateNonNullInstanceAlloc(storage, cls, args);
}

LiValue rect_none() { return make_union(made_class(cls__U_RECT), 0, 0); }
LiValue rect_of()
{
    return make_union(made_class(cls__U_RECT), (uint32_t)(uintptr_t)structure_arg(ArgBase[0]), 1);
}

LiValue menu_or_id() { return make_union(made_class(cls__U_MENUorID), (uint32_t)li_LVal(ArgBase[0]), 1); }

LiValue string_id() { return make_union(made_class(cls__U_STRINGorID), (uint32_t)li_LVal(ArgBase[0]) & 0xFFFF, 1); }
LiValue string_text()
{
    LiValue v = ArgBase[0];
    check_text_arg(v);
    LiValue u = make_union(made_class(cls__U_STRINGorID), 0, 1);
    if (li_Tag(v) != LI_NIL) store_wide_string(li_InstanceData(u), v); // released with the instance
    return u;
}

SAVRA_OVERLOAD(rect_forms, "No matching function for overloaded '_U_RECT'", form(rect_none), form(rect_of, any("lpRect")));
// A menu handle and a child window's id are both an integer: one form takes either.
SAVRA_OVERLOAD(menu_forms, "No matching function for overloaded '_U_MENUorID'", form(menu_or_id, integer("hMenuOrID")));
SAVRA_OVERLOAD(string_forms, "No matching function for overloaded '_U_STRINGorID'", form(string_id, integer("nID")),
               form(string_text, any("lpString")));

LiValue construct__U_RECT(LiValue inst, void *data, int owned, LiValue args)
{
    return construct_through<global_dispatcher<rect_forms>>(inst, data, owned, args);
}
LiValue construct__U_MENUorID(LiValue inst, void *data, int owned, LiValue args)
{
    return construct_through<global_dispatcher<menu_forms>>(inst, data, owned, args);
}
LiValue construct__U_STRINGorID(LiValue inst, void *data, int owned, LiValue args)
{
    return construct_through<global_dispatcher<string_forms>>(inst, data, owned, args);
}

LiStrucField _U_RECT_fields[] = {SF_PTR("m_lpRect", 0, cls_RECT), SF_END};
LiStrucField _U_MENUorID_fields[] = {SF_UL("m_hMenu", 0), SF_END};
LiStrucField _U_STRINGorID_fields[] = {SF_W("m_lpstr", 0), SF_END};
LiStrucField no_fields[] = {SF_END};

} // namespace

#define ROW(NAME, FIELDS, SIZE, CTOR) {#NAME, &cls_##NAME, nullptr, FIELDS, SIZE, CTOR, nullptr, nullptr}

// name, fields, size, constructor hook
const ClassRow argument_classes[] = {
    ROW(_U_RECT, _U_RECT_fields, 4, construct__U_RECT),
    ROW(_U_MENUorID, _U_MENUorID_fields, 4, construct__U_MENUorID),
    ROW(_U_STRINGorID, _U_STRINGorID_fields, 4, construct__U_STRINGorID),
    ROW(_DialogSplitHelper, no_fields, 1, nullptr),
};
#undef ROW

const LaterRow union_constructors[] = {
    SAVRA_LATER("new__U_RECT", register_overloaded_function<rect_forms>(name)),
    SAVRA_LATER("new__U_MENUorID", register_overloaded_function<menu_forms>(name)),
    SAVRA_LATER("new__U_STRINGorID", register_overloaded_function<string_forms>(name)),
};

void register_union_constructors() { register_later(union_constructors); }

} // namespace savrawin
