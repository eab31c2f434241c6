// The window base every window, dialog and control object shares: the handle, the colours set
// from script and the script's handler lists. Its layout is fixed (80 bytes, the handle first)
// because script instances point straight at it.
#pragma once

#include <windows.h>

#include "halden.h"
#include "native_hooks.h"
#include "savra.h"

namespace savrawin {

// GDI objects made for colours and fonts set from script; the holder owns every handle in it.
struct SColorHolder {
    COLORREF text;          // SetForeground
    LOGBRUSH brush;         // SetBackground
    HBRUSH hbrush;
    HPEN pen;               // SetForeground
    HGDIOBJ reserved;
    HFONT font;             // SetFontEx
    COLORREF child_text;    // the same for descendants without settings of their own
    LOGBRUSH child_brush;
    HBRUSH child_hbrush;
    HPEN child_pen;
    HGDIOBJ child_reserved;
    HFONT child_font;
};
static_assert(sizeof(SColorHolder) == 64, "sixteen words");

// Sorted lists of handler records (see handlers.h).
struct SavraMessageHandler {
    UT_Array *messages;
    UT_Array *notifies;
    UT_Array *commands;
};

struct SWindowBase {
    HWND m_hWnd;
    SColorHolder colors;
    SavraMessageHandler handlers;
};
static_assert(sizeof(SWindowBase) == 80, "the script class's size");
static_assert(offsetof(SWindowBase, m_hWnd) == 0, "read as the field m_hWnd");

void init_window_base(SWindowBase *w);
// Releases the handler records and deletes the holder's GDI objects.
void destroy_window_base(SWindowBase *w);

// The SWindowBase part of an instance, or a type error: a window method needs an object.
SWindowBase *window_arg(LiValue v);

// The class's hooks and Type function: a native base made for the instance and owned by it.
LiValue construct_SWindowBase(LiValue inst, void *data, int owned, LiValue args);
void destroy_SWindowBase(LiValue inst);
LiValue SWindowBaseType_entry();
template <> struct NativeHooks<SWindowBase> {
    static constexpr ClassHooks hooks = {construct_SWindowBase, nullptr, destroy_SWindowBase, SWindowBaseType_entry};
};

// Its global functions: SWindowBase_rcDefault_get and _set (the rectangle a window gets when Create
// is given none), SWindowBase_GetWndClassName (the base has no class name of its own).
LiValue rcDefault_get_entry();
LiValue rcDefault_set_entry();
LiValue GetWndClassName_entry();

} // namespace savrawin
