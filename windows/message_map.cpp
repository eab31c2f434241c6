#include "message_map.h"

#include "handlers.h"
#include "window_object.h"

namespace savrawin {

namespace {

// The colours of a window made by a Create method, or null.
const SColorHolder *scripted_colors(HWND hwnd)
{
    WindowUserData *d = hwnd ? user_data(hwnd) : nullptr;
    return d && d->instance && d->object ? &d->object->base.colors : nullptr;
}

// The first window from start upward (start itself included when asked) whose children's
// setting pick(colours) is non-zero.
template <class Pick> HGDIOBJ inherited(HWND start, bool include_start, Pick pick)
{
    for (HWND h = include_start ? start : GetParent(start); h; h = GetParent(h)) {
        const SColorHolder *c = scripted_colors(h);
        if (c && pick(*c)) return (HGDIOBJ)pick(*c);
    }
    return nullptr;
}

bool erase_background(WindowObject *o, HWND hwnd, HDC dc, LRESULT &result)
{
    HBRUSH brush = o->base.colors.hbrush;
    if (!brush) brush = (HBRUSH)inherited(hwnd, false, [](const SColorHolder &c) { return c.child_hbrush; });
    if (!brush) return false;
    RECT client;
    GetClientRect(hwnd, &client);
    UnrealizeObject(brush);
    SelectObject(dc, brush);
    FillRect(dc, &client, brush);
    result = 1;
    return true;
}

LRESULT color_control(HWND hwnd, HDC dc, HWND control)
{
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    if (const SColorHolder *own = scripted_colors(control)) {
        pen = own->pen;
        brush = own->hbrush;
        font = own->font;
    }
    if (!pen) pen = (HPEN)inherited(hwnd, true, [](const SColorHolder &c) { return c.child_pen; });
    if (!brush) brush = (HBRUSH)inherited(hwnd, true, [](const SColorHolder &c) { return c.child_hbrush; });
    if (!brush) brush = (HBRUSH)GetStockObject(WHITE_BRUSH);
    if (!font) font = (HFONT)inherited(hwnd, true, [](const SColorHolder &c) { return c.child_font; });
    if (!font) font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    if (pen) {
        LOGPEN lp = {};
        GetObjectW(pen, sizeof lp, &lp);
        UnrealizeObject(pen);
        SelectObject(dc, pen);
        SetTextColor(dc, lp.lopnColor);
    }
    LOGBRUSH lb = {};
    GetObjectW(brush, sizeof lb, &lb);
    UnrealizeObject(font);
    UnrealizeObject(brush);
    SelectObject(dc, font);
    SelectObject(dc, brush);
    SetBkColor(dc, lb.lbColor);
    return (LRESULT)brush;
}

// The id a command names: a control's own id, all 32 bits of it (one made without an id has its
// object's address, of which the command carries only the low half); else the command's. Menu and
// accelerator ids from 0x8000 up are not the script's and reach no command handler.
bool command_sender(WPARAM wp, LPARAM lp, uint32_t &id)
{
    HWND control = (HWND)lp;
    id = LOWORD(wp);
    if (!control || !IsWindow(control)) return id <= 0x7FFF;
    uint32_t own = (uint32_t)GetWindowLongPtrW(control, GWLP_ID);
    if (LOWORD(own) == id) id = own;
    return true;
}

} // namespace

bool route_message(WindowObject *o, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result)
{
    if (ResizeState *layout = o->GetResize()) {
        // The layout never claims these: handlers and the default procedure still see them.
        if (msg == WM_SIZE) layout->on_size(hwnd, wp, lp);
        else if (msg == WM_GETMINMAXINFO) layout->on_get_min_max_info((MINMAXINFO *)lp);
    }
    // WM_NCCREATE, WM_DESTROY and WM_PAINT have no handler of the map's own: they go on to the
    // script's handlers like any other message.
    switch (msg) {
    case WM_ERASEBKGND:
        if (erase_background(o, hwnd, (HDC)wp, result)) return true;
        break;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: result = color_control(hwnd, (HDC)wp, (HWND)lp); return true;
    case WM_COMMAND: {
        uint32_t id;
        if (command_sender(wp, lp, id) && handler_result(dispatch_command(&o->base, HIWORD(wp), id, (HWND)lp), result))
            return true;
        break;
    }
    case WM_NOTIFY:
        if (handler_result(dispatch_notify(&o->base, (int)wp, (NMHDR *)lp), result)) return true;
        break;
    }
    return handler_result(dispatch_message(&o->base, msg, wp, lp), result);
}

} // namespace savrawin
