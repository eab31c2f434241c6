// Walking dialog templates in the platform's in-memory layout, standard or extended: the items
// of a template are variable-length records, so a script reaches them through these four.
// Nil for a template or item gives 0 or nil: there is nothing to read.
#include <windows.h>

#include <string.h>

#include "../../structs/model.h"
#include "../../binding/protected_eval.h"
#include "../../binding/wrap.h"
#include "savra.h"

namespace savrawin {

namespace {

const BYTE *template_arg(LiValue v) { return (const BYTE *)structure_arg(v); }

WORD word_at(const BYTE *p)
{
    WORD w;
    memcpy(&w, p, sizeof w);
    return w;
}

DWORD dword_at(const BYTE *p)
{
    DWORD d;
    memcpy(&d, p, sizeof d);
    return d;
}

// A name field: 0xFFFF and an ordinal, or a NUL-terminated UTF-16 string.
const BYTE *skip_name(const BYTE *p)
{
    if (word_at(p) == 0xFFFF) return p + 4;
    while (word_at(p)) p += 2;
    return p + 2;
}

const BYTE *skip_string(const BYTE *p)
{
    while (word_at(p)) p += 2;
    return p + 2;
}

const BYTE *align4(const BYTE *p) { return (const BYTE *)(((uintptr_t)p + 3) & ~(uintptr_t)3); }

bool is_extended(const BYTE *t) { return word_at(t + 2) == 0xFFFF; }

const BYTE *first_item(const BYTE *t)
{
    bool ex = is_extended(t);
    DWORD style = dword_at(t + (ex ? 12 : 0));
    const BYTE *p = t + (ex ? 26 : 18);
    p = skip_name(p);   // menu
    p = skip_name(p);   // class
    p = skip_string(p); // title
    if (style & DS_SETFONT) {
        p += ex ? 6 : 2; // point size (and weight, italic, character set)
        p = skip_string(p);
    }
    return align4(p);
}

const BYTE *next_item(const BYTE *item, bool ex)
{
    const BYTE *p = item + (ex ? 24 : 18);
    p = skip_name(p); // class
    p = skip_name(p); // title
    WORD extra = word_at(p);
    p += 2;
    if (!ex && extra) extra -= 2; // the standard count includes its own two bytes
    return align4(p + extra);
}

// The item as a view into the template's storage; the list of the finder's own arguments goes
// with it.
LiValue item_view(const BYTE *item, LiValue args)
{
    ProtectedSlot kept(args);
    return li_CreateNonNullInstanceNoalloc((void *)item, made_class(cls_DLGITEMTEMPLATE), args);
}

LiValue IsDialogEx_entry()
{
    const BYTE *t = template_arg(ArgBase[0]);
    return li_CreateLong(t && is_extended(t) ? 1 : 0);
}

LiValue FindFirstDlgItem_entry()
{
    const BYTE *t = template_arg(ArgBase[0]);
    if (!t) return Nil;
    return item_view(first_item(t), li_Cons(ArgBase[0], Nil));
}

LiValue FindNextDlgItem_entry()
{
    const BYTE *item = template_arg(ArgBase[0]);
    bool ex = integer_arg(ArgBase[1]) != 0;
    if (!item) return Nil;
    ProtectedSlot rest(li_Cons(ArgBase[1], Nil));
    return item_view(next_item(item, ex), li_Cons(ArgBase[0], rest));
}

LiValue IsActiveXControl_entry()
{
    const BYTE *item = template_arg(ArgBase[0]);
    bool ex = integer_arg(ArgBase[1]) != 0;
    return li_CreateLong(item && word_at(item + (ex ? 24 : 18)) == '{' ? 1 : 0);
}

} // namespace

const LaterRow dialog_template_rows[] = {
    SAVRA_LATER("_DialogSplitHelper_IsDialogEx", li_CLFunction(name, IsDialogEx_entry, 1, "pTemplate", 0)),
    SAVRA_LATER("_DialogSplitHelper_FindFirstDlgItem", li_CLFunction(name, FindFirstDlgItem_entry, 1, "pTemplate", 0)),
    SAVRA_LATER("_DialogSplitHelper_FindNextDlgItem",
                li_CLFunction(name, FindNextDlgItem_entry, 2, "pItem", 0, "bDialogEx", 0)),
    SAVRA_LATER("_DialogSplitHelper_IsActiveXControl",
                li_CLFunction(name, IsActiveXControl_entry, 2, "pItem", 0, "bDialogEx", 0)),
};

void register_dialog_template_functions() { register_later(dialog_template_rows); }

} // namespace savrawin
