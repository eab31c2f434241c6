#include "window_base.h"

#include "common_dialogs.h"
#include "handlers.h"
#include "method_wrap.h"
#include "../binding/convert.h"
#include "classes.h"

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

void register_methods(LiValue cls, const MethodRow *rows, size_t n)
{
    for (size_t i = 0; i < n; i++) {
        const MethodRow &r = rows[i];
        with_parameter_pairs(r.count, r.params, [&](auto... pairs) { li_DefCMethod(cls, r.name, r.entry, r.count, pairs...); });
    }
}

namespace {

SWindowBase *new_window_base()
{
    SWindowBase *w = (SWindowBase *)LI_Malloc(sizeof(SWindowBase));
    init_window_base(w);
    return w;
}

// ---- globals ----------------------------------------------------------------------------------

LiValue SWindowBaseType_entry()
{
    return li_CreateNonNullInstanceAlloc(new_window_base(), cls_SWindowBase, Nil);
}

LiValue rcDefault_get() { return li_CreateInstance(cls_RECT, &rcDefault, 0); }

LiValue rcDefault_set()
{
    if (void *source = structure_arg(ArgBase[0])) memcpy(&rcDefault, source, sizeof rcDefault);
    return Nil;
}

LiValue GetWndClassName_entry() { return li_CreateString(nullptr); }

// ---- methods with logic of their own ----------------------------------------------------------

LiValue GetHwnd_entry() { return li_CreateLong((int32_t)(uintptr_t)window_arg(ArgBase[0])->m_hWnd); }

LiValue Attach_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    w->m_hWnd = handle_arg<HWND>(ArgBase[1]);
    return Nil;
}

LiValue Detach_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    HWND old = w->m_hWnd;
    w->m_hWnd = nullptr;
    return li_CreateLong((int32_t)(uintptr_t)old);
}

LiValue DestroyWindow_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    if (!DestroyWindow(w->m_hWnd)) return li_CreateLong(0);
    // A window made by Create took its instance and object with it in its final message.
    if (li_InstanceP(ArgBase[0])) w->m_hWnd = nullptr;
    return li_CreateLong(1);
}

// The whole text, however long (the global GetWindowText stops at 511 units).
LiValue GetWindowText_entry()
{
    SWindowBase *w = window_arg(ArgBase[0]);
    int length = GetWindowTextLengthW(w->m_hWnd);
    wchar_t *text = (wchar_t *)LI_Malloc(sizeof(wchar_t) * (size_t)(length + 1));
    text[0] = 0;
    int n = GetWindowTextW(w->m_hWnd, text, length + 1);
    LiValue r = n < 0 ? Nil : wide_text_result(text);
    LI_Free(text);
    return r;
}

// Colours: store the description, delete the old handle, create the new one (0 on failure).
LiValue set_background(bool children)
{
    SWindowBase *w = window_arg(ArgBase[0]);
    LOGBRUSH lb = {(UINT)integer_arg(ArgBase[1]), (COLORREF)integer_arg(ArgBase[2]), (ULONG_PTR)(uint32_t)integer_arg(ArgBase[3])};
    LOGBRUSH &stored = children ? w->colors.child_brush : w->colors.brush;
    HBRUSH &brush = children ? w->colors.child_hbrush : w->colors.hbrush;
    stored = lb;
    if (brush) DeleteObject(brush);
    brush = CreateBrushIndirect(&lb);
    return Nil;
}

LiValue set_foreground(bool children)
{
    SWindowBase *w = window_arg(ArgBase[0]);
    int style = integer_arg(ArgBase[1]), width = integer_arg(ArgBase[2]);
    COLORREF color = (COLORREF)integer_arg(ArgBase[3]);
    (children ? w->colors.child_text : w->colors.text) = color;
    HPEN &pen = children ? w->colors.child_pen : w->colors.pen;
    if (pen) DeleteObject(pen);
    pen = CreatePen(style, width, color);
    return Nil;
}

LiValue set_font(bool children)
{
    SWindowBase *w = window_arg(ArgBase[0]);
    int32_t v[13];
    for (int i = 0; i < 13; i++) v[i] = integer_arg(ArgBase[1 + i]);
    LiValue face = ArgBase[14];
    check_text_arg(face);
    WideCopy copy;
    if (li_StringP(face)) {
        copy.copy = make_wide_copy(face);
        copy.string = face;
    }
    HFONT &font = children ? w->colors.child_font : w->colors.font;
    if (font) DeleteObject(font);
    font = CreateFontW(v[0], v[1], v[2], v[3], v[4], (BYTE)v[5], (BYTE)v[6], (BYTE)v[7], (BYTE)v[8], (BYTE)v[9], (BYTE)v[10],
                       (BYTE)v[11], (BYTE)v[12], copy.copy);
    finish_copies(&copy, 1);
    return li_CreateLong((int32_t)(uintptr_t)font);
}

LiValue SetBackground_entry() { return set_background(false); }
LiValue SetChildBackground_entry() { return set_background(true); }
LiValue SetForeground_entry() { return set_foreground(false); }
LiValue SetChildForeground_entry() { return set_foreground(true); }
LiValue SetFontEx_entry() { return set_font(false); }
LiValue SetChildFontEx_entry() { return set_font(true); }

#define FONT_PARAMS                                                                                                    \
    "nHeight", "nWidth", "nEscapement", "nOrientation", "nWeight", "bItalic", "bUnderline", "cStrikeOut", "nCharSet",  \
        "nOutPrecision", "nClipPrecision", "nQuality", "nPitchAndFamily", "lpszFacename"

const MethodRow base_methods[] = {
    SAVRA_METHOD_ENTRY("GetHwnd", GetHwnd_entry),
    SAVRA_METHOD_ENTRY("Attach", Attach_entry, "hWndNew"),
    SAVRA_METHOD_ENTRY("Detach", Detach_entry),
    SAVRA_METHOD_ENTRY("DestroyWindow", DestroyWindow_entry),
    SAVRA_METHOD_ENTRY("SetBackground", SetBackground_entry, "style", "color", "hatch"),
    SAVRA_METHOD_ENTRY("SetForeground", SetForeground_entry, "penstyles", "width", "color"),
    SAVRA_METHOD_ENTRY("SetFontEx", SetFontEx_entry, FONT_PARAMS),
    SAVRA_METHOD_ENTRY("SetChildBackground", SetChildBackground_entry, "style", "color", "hatch"),
    SAVRA_METHOD_ENTRY("SetChildForeground", SetChildForeground_entry, "penstyles", "width", "color"),
    SAVRA_METHOD_ENTRY("SetChildFontEx", SetChildFontEx_entry, FONT_PARAMS),
};

} // namespace

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

void register_window_base_globals()
{
    li_CLFunction("SWindowBase_rcDefault_set", rcDefault_set, 1, "SWindowBase::rcDefault", 0);
    li_CLFunction("SWindowBase_rcDefault_get", rcDefault_get, 0);
    li_CLFunction("SWindowBaseType", SWindowBaseType_entry, 0);
}

void register_window_methods(LiValue cls);

void register_window_base_methods()
{
    register_methods(cls_SWindowBase, base_methods, sizeof base_methods / sizeof base_methods[0]);
    register_window_methods(cls_SWindowBase);
    li_CLFunction("SWindowBase_GetWndClassName", GetWndClassName_entry, 0);
}

void register_final_window_text_method()
{
    li_DefCMethod(cls_SWindowBase, "GetWindowText", GetWindowText_entry, 0);
}

} // namespace savrawin
