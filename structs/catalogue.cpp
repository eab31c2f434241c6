// The structure and argument classes, created in one pass in catalogue order: the platform
// structures, then the argument unions and the dialog-template helper. A superclass always comes
// before the classes that name it; the window layer's classes are made the same way.
#include "catalogue.h"

namespace savrawin {

namespace {

struct Section {
    const ClassRow *rows;
    size_t count;
};

template <size_t N> constexpr Section section(const ClassRow (&rows)[N]) { return {rows, N}; }

#define SAVRA_SECTION_ENTRY(ARRAY, LIST) section(ARRAY),
constexpr Section sections[] = {SAVRA_CLASS_SECTIONS(SAVRA_SECTION_ENTRY)};
#undef SAVRA_SECTION_ENTRY

constexpr size_t class_count()
{
    size_t n = 0;
    for (const Section &s : sections) n += s.count;
    return n;
}
static_assert(class_count() == 422, "the structure and argument classes' count");

// Their names, in the same order, for the interpreter to know them before they are made.
#define SAVRA_NAME_ROW(NAME) {#NAME, li_NameHash(#NAME)},
#define SAVRA_DERIVED_NAME_ROW(NAME, SUPER) SAVRA_NAME_ROW(NAME)
#define SAVRA_SECTION_NAMES(ARRAY, LIST) LIST(SAVRA_NAME_ROW, SAVRA_DERIVED_NAME_ROW)
constexpr LiDeferredRow class_names[] = {SAVRA_CLASS_SECTIONS(SAVRA_SECTION_NAMES)};
#undef SAVRA_SECTION_NAMES
#undef SAVRA_DERIVED_NAME_ROW
#undef SAVRA_NAME_ROW
static_assert(sizeof class_names / sizeof class_names[0] == class_count(), "a name for every class");

void make_structure_classes()
{
    for (const Section &s : sections) create_classes(s.rows, s.count);
}

} // namespace

void create_classes(const ClassRow *rows, size_t count)
{
    for (size_t i = 0; i < count; i++) {
        const ClassRow &r = rows[i];
        LiValue super = r.superclass ? *r.superclass : Nil;
        *r.handle = li_MakeClass(r.name, super, Nil, r.fields, r.size, r.ctor, r.dtor);
        // the class answers for its own instances from the moment it exists
        if (r.destroy) li_ClassRecord(*r.handle)->destroy = r.destroy;
    }
}

// Most scripts use a few structures of the 422, and under emulation making them all took a
// millisecond of every load (measured): they are made together on the first need of one.
void defer_structure_classes()
{
    li_DeferClasses(class_names, (int)class_count(), sizeof class_names[0], make_structure_classes);
}

} // namespace savrawin
