#include "window_base.h"

#include "common_dialogs.h"
#include "classes.h"
#include "handlers.h"
#include "../binding/wrap.h"

namespace savrawin {

// The rectangle a window gets when Create is given none.
RECT rcDefault = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0};

void init_window_base(SWindowBase *w)
{
    memset(w, 0, sizeof *w);
    w->handlers.messages = UT_ArrayCreate(8, 0);
    w->handlers.notifies = UT_ArrayCreate(8, 0);
    w->handlers.commands = UT_ArrayCreate(8, 0);
}

void destroy_window_base(SWindowBase *w)
{
    release_handler_lists(&w->handlers);
    SColorHolder &c = w->colors;
    HGDIOBJ owned[] = {c.hbrush, c.pen, c.reserved, c.font, c.child_hbrush, c.child_pen, c.child_reserved, c.child_font};
    for (HGDIOBJ h : owned)
        if (h) DeleteObject(h);
    memset(&c, 0, sizeof c);
}

SWindowBase *window_arg(LiValue v)
{
    // nil passes the check but has no window to act on
    SWindowBase *w = (SWindowBase *)structure_arg(v);
    if (!w) li_InstError(v, cls_SWindowBase);
    // the common dialogs derived from SDialog inherit its methods, but their objects are the
    // platform records, with no window part to act on
    if (is_common_dialog(v)) li_Error("A common dialog's object has no window part for this method");
    return w;
}

namespace {

SWindowBase *new_window_base()
{
    SWindowBase *w = (SWindowBase *)LI_Malloc(sizeof(SWindowBase));
    init_window_base(w);
    return w;
}

} // namespace

// ---- the class's globals ------------------------------------------------------------------------

LiValue SWindowBaseType_entry()
{
    return li_CreateNonNullInstanceAlloc(new_window_base(), cls_SWindowBase, Nil);
}

LiValue rcDefault_get_entry() { return li_CreateInstance(made_class(cls_RECT), &rcDefault, 0); }

LiValue rcDefault_set_entry()
{
    if (void *source = structure_arg(ArgBase[0])) memcpy(&rcDefault, source, sizeof rcDefault);
    return Nil;
}

LiValue GetWndClassName_entry() { return li_CreateString(nullptr); }

// ---- hooks ----------------------------------------------------------------------------------------

// The window base's own instances: a native base made for the instance, owned by it.
LiValue construct_SWindowBase(LiValue inst, void *data, int owned, LiValue args)
{
    if (!data) {
        data = new_window_base();
        owned = 1;
    }
    return li_StrucBasicConstructor(inst, data, owned, args);
}

// Only a base the instance owns is released; a view of a window object's base is the window's.
void destroy_SWindowBase(LiValue inst)
{
    void *data = li_InstanceData(inst);
    if (data && li_InstanceOwnsData(inst)) {
        destroy_window_base((SWindowBase *)data);
        li_StrucBasicDestructor(inst);
    }
}

} // namespace savrawin
