// Class handles: one per class the module creates, kept from creation for the module's lifetime,
// declared from the class lists.
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

// Creates every class above, in this order. Run once, by the initialiser.
void create_structure_classes();

} // namespace savrawin
