// Class handles: one per class the module creates, kept from creation for the module's lifetime,
// declared from the class lists. The structure classes are made on their first need (a script
// naming one, a listing, a read of a handle through made_class): until then their handles are null.
#pragma once

#include "savra.h"
#include "class_lists.h"

namespace savrawin {

#define SAVRA_DECLARE_CLASS(NAME) extern LiValue cls_##NAME;
#define SAVRA_DECLARE_DERIVED(NAME, SUPER) extern LiValue cls_##NAME;
#define SAVRA_DECLARE_SECTION(ARRAY, LIST) LIST(SAVRA_DECLARE_CLASS, SAVRA_DECLARE_DERIVED)
SAVRA_CLASS_SECTIONS(SAVRA_DECLARE_SECTION)
#undef SAVRA_DECLARE_SECTION
#undef SAVRA_DECLARE_DERIVED
#undef SAVRA_DECLARE_CLASS

// Hands the classes above over to be made on their first need, in this order. Run once, by the
// initialiser.
void defer_structure_classes();

// A class handle, made first if its class waits for its first need (li_DeferClasses): a handle
// read before any script named one of the classes makes those still waiting.
inline LiValue made_class(const LiValue &handle)
{
    if (!handle) li_MakeDeferredClasses(nullptr);
    return handle;
}

// Whether h is one of the handles above (for tables that name a superclass).
#define SAVRA_HANDLE_OF(NAME) &cls_##NAME,
#define SAVRA_HANDLE_OF_DERIVED(NAME, SUPER) &cls_##NAME,
#define SAVRA_SECTION_HANDLES(ARRAY, LIST) LIST(SAVRA_HANDLE_OF, SAVRA_HANDLE_OF_DERIVED)
constexpr const LiValue *structure_handles[] = {SAVRA_CLASS_SECTIONS(SAVRA_SECTION_HANDLES)};
#undef SAVRA_SECTION_HANDLES
#undef SAVRA_HANDLE_OF_DERIVED
#undef SAVRA_HANDLE_OF
constexpr bool is_structure_handle(const LiValue *h)
{
    for (const LiValue *s : structure_handles)
        if (s == h) return true;
    return false;
}

} // namespace savrawin
