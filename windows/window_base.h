// The window base every window, dialog and control object shares: the handle, the colours set
// from script and the script's handler lists. Its layout is fixed (80 bytes, the handle first)
// because script instances point straight at it.
#pragma once

#include <windows.h>

#include "halden.h"
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

} // namespace savrawin
