// SBitmapButton: an owner-drawn push button painted from an image list (normal, pushed,
// focus-or-hover and disabled images), with optional 3-D edges, a hover mode that tracks the
// mouse itself, a tool tip, and a click that repeats while the button is held.
#include <windows.h>
#include <commctrl.h>
#include <stdlib.h>
#include <wchar.h>

#include "controls/controls.h"
#include "window_object.h"

namespace savrawin {

namespace {

using Button = BitmapButtonObject;

// Extended-style bits.
enum : DWORD {
    HOVER = 0x01,         // tracks the mouse and shows the hover image
    SINGLE_EDGE = 0x02,
    DOUBLE_EDGE = 0x04,
    SIZE_TO_IMAGE = 0x08,
    SHARED_IMAGES = 0x10, // the image list is not destroyed with the button
    AUTO_REPEAT = 0x20,
};
// State bits.
enum : DWORD { HOVERING = 0x01, FOCUSED = 0x02, PRESSED = 0x04 };
enum Image { NORMAL, PUSHED, FOCUS_OR_HOVER, DISABLED };
// The auto-repeat timers: the delay before the first repeated click, then the repeat period.
constexpr UINT_PTR delay_timer = 1000, repeat_timer_id = 1001;
constexpr UINT fallback_ms = 250;

UINT first_delay()
{
    int delay = 0;
    if (!SystemParametersInfoW(SPI_GETKEYBOARDDELAY, 0, &delay, 0)) return fallback_ms;
    return (UINT)(delay + 1) * 250;
}

UINT repeat_period()
{
    DWORD speed = 0;
    if (!SystemParametersInfoW(SPI_GETKEYBOARDSPEED, 0, &speed, 0)) return fallback_ms;
    return 10000 / (speed * 10 + 25);
}

void repaint(Button &o)
{
    InvalidateRect(o.base.m_hWnd, nullptr, FALSE);
    UpdateWindow(o.base.m_hWnd);
}

void click(Button &o)
{
    HWND h = o.base.m_hWnd;
    SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED), (LPARAM)h);
}

void stop_repeating(Button &o)
{
    if (o.repeat_timer) KillTimer(o.base.m_hWnd, o.repeat_timer);
    o.repeat_timer = 0;
}

void start_repeating(Button &o)
{
    if (!(o.extended_style & AUTO_REPEAT)) return;
    stop_repeating(o);
    if (SetTimer(o.base.m_hWnd, delay_timer, first_delay(), nullptr)) o.repeat_timer = delay_timer;
}

void set_pressed(Button &o, bool pressed)
{
    if (pressed == ((o.state & PRESSED) != 0)) return;
    if (pressed) o.state |= PRESSED;
    else o.state &= ~PRESSED;
    repaint(o);
}

// Whether a point in client coordinates lies in the button's window rectangle.
bool inside(HWND h, LPARAM lp)
{
    POINT pt = {(short)LOWORD(lp), (short)HIWORD(lp)};
    ClientToScreen(h, &pt);
    RECT r;
    GetWindowRect(h, &r);
    return PtInRect(&r, pt);
}

// The tool tip names the button with the tool-tip text.
void register_tip(Button &o)
{
    if (!o.tool_tip || !o.tool_tip_text) return;
    HWND h = o.base.m_hWnd;
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = GetParent(h);
    ti.uId = (UINT_PTR)h;
    ti.hinst = module_instance;
    ti.lpszText = o.tool_tip_text;
    SendMessageW(o.tool_tip, TTM_ACTIVATE, TRUE, 0);
    SendMessageW(o.tool_tip, TTM_DELTOOLW, 0, (LPARAM)&ti);
    SendMessageW(o.tool_tip, TTM_ADDTOOLW, 0, (LPARAM)&ti);
}

BOOL size_to_image(Button &o)
{
    int cx, cy;
    HWND h = o.base.m_hWnd;
    if (!h || !o.image_list || !ImageList_GetIconSize(o.image_list, &cx, &cy)) return FALSE;
    return SetWindowPos(h, nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// On WM_CREATE and on attachment to an existing button.
void initialise(Button &o)
{
    HWND h = o.base.m_hWnd;
    DWORD style = (DWORD)GetWindowLongW(h, GWL_STYLE);
    SetWindowLongW(h, GWL_STYLE, (LONG)((style & ~(DWORD)BS_TYPEMASK) | BS_OWNERDRAW));
    if (!o.tool_tip)
        o.tool_tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, 0, rcDefault.left, rcDefault.top, rcDefault.right - rcDefault.left,
                                     rcDefault.bottom - rcDefault.top, h, nullptr, module_instance, nullptr);
    register_tip(o);
    if (o.image_list && (o.extended_style & SIZE_TO_IMAGE)) size_to_image(o);
}

void paint(Button &o, HDC dc)
{
    HWND h = o.base.m_hWnd;
    RECT client;
    GetClientRect(h, &client);
    bool pressed = o.state & PRESSED, hover_mode = o.extended_style & HOVER;
    Image which = !IsWindowEnabled(h)                                                        ? DISABLED
                  : pressed                                                                  ? PUSHED
                  : (hover_mode ? (o.state & HOVERING) != 0 : (o.state & FOCUSED) != 0) ? FOCUS_OR_HOVER
                                                                                             : NORMAL;
    int index = o.images[which] != -1 ? o.images[which] : o.images[NORMAL];
    bool edged = o.extended_style & (SINGLE_EDGE | DOUBLE_EDGE);
    if (o.image_list && index != -1) {
        int offset = pressed && edged && o.images[PUSHED] == -1 ? 1 : 0; // the normal image, pushed in
        ImageList_Draw(o.image_list, index, dc, offset, offset, ILD_NORMAL);
    }
    if (edged) {
        bool both = o.extended_style & DOUBLE_EDGE;
        RECT r = client;
        if (pressed) DrawEdge(dc, &r, both ? EDGE_SUNKEN : BDR_SUNKENOUTER, BF_RECT);
        else if (!hover_mode || (o.state & HOVERING)) DrawEdge(dc, &r, both ? EDGE_RAISED : BDR_RAISEDINNER, BF_RECT);
    }
    if (!hover_mode && (o.state & FOCUSED)) {
        RECT r = client;
        InflateRect(&r, -2 * GetSystemMetrics(SM_CXEDGE), -2 * GetSystemMetrics(SM_CYEDGE));
        DrawFocusRect(dc, &r);
    }
}

} // namespace

void BitmapButtonObject::OnAttached() { initialise(*this); }

BOOL BitmapButtonObject::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result, DWORD map)
{
    if (map != 0) return FALSE;
    if (tool_tip && msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && current) {
        MSG copy = *current;
        DWORD pos = GetMessagePos();
        copy.pt = POINT{(short)LOWORD(pos), (short)HIWORD(pos)};
        SendMessageW(tool_tip, TTM_RELAYEVENT, 0, (LPARAM)&copy);
    }
    bool hover_mode = extended_style & HOVER;
    switch (msg) {
    case WM_CREATE: initialise(*this); break;
    case WM_DESTROY:
        stop_repeating(*this);
        if (tool_tip && IsWindow(tool_tip)) DestroyWindow(tool_tip);
        tool_tip = nullptr;
        break;
    case WM_ERASEBKGND: result = 1; return TRUE;
    case WM_UPDATEUISTATE: result = 0; return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paint(*this, dc);
        EndPaint(hwnd, &ps);
        result = 0;
        return TRUE;
    }
    case WM_PRINTCLIENT: paint(*this, (HDC)wp); result = 0; return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a double click presses as a click does
        result = 0;
        if (!hover_mode) result = CallWindowProcW(super_proc, hwnd, WM_LBUTTONDOWN, wp, lp);
        else SetCapture(hwnd);
        if (GetCapture() == hwnd && inside(hwnd, lp)) {
            set_pressed(*this, true);
            start_repeating(*this);
        }
        return TRUE;
    case WM_LBUTTONUP: {
        bool was_pressed = state & PRESSED, had_capture = GetCapture() == hwnd;
        result = 0;
        stop_repeating(*this);
        if (!hover_mode) result = CallWindowProcW(super_proc, hwnd, msg, wp, lp); // the click, if any
        else if (had_capture && was_pressed) click(*this);
        if (GetCapture() == hwnd) ReleaseCapture();
        set_pressed(*this, false);
        return TRUE;
    }
    case WM_MOUSEMOVE:
        if (GetCapture() == hwnd) {
            set_pressed(*this, inside(hwnd, lp));
        } else if (hover_mode && !(state & HOVERING)) {
            state |= HOVERING;
            repaint(*this);
            TRACKMOUSEEVENT t = {sizeof t, TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&t);
        }
        break;
    case WM_MOUSELEAVE:
        if (state & HOVERING) {
            state &= ~HOVERING;
            repaint(*this);
        }
        break;
    case WM_CAPTURECHANGED: set_pressed(*this, false); break;
    case WM_KEYDOWN:
        if (wp == VK_SPACE && !hover_mode && !(state & PRESSED)) {
            set_pressed(*this, true);
            start_repeating(*this);
        }
        break;
    case WM_KEYUP:
        if (wp == VK_SPACE && !hover_mode) {
            stop_repeating(*this);
            set_pressed(*this, false);
        }
        break;
    case WM_SETFOCUS:
        state |= FOCUSED;
        repaint(*this);
        break;
    case WM_KILLFOCUS:
        state &= ~FOCUSED;
        repaint(*this);
        break;
    case WM_ENABLE: repaint(*this); break;
    case WM_TIMER:
        if (wp == delay_timer) {
            stop_repeating(*this);
            if (state & PRESSED) {
                click(*this);
                if (SetTimer(hwnd, repeat_timer_id, repeat_period(), nullptr)) repeat_timer = repeat_timer_id;
            }
            result = 0;
            return TRUE;
        }
        if (wp == repeat_timer_id) {
            if (GetCapture() != hwnd) stop_repeating(*this);
            else if (state & PRESSED) click(*this);
            result = 0;
            return TRUE;
        }
        break;
    }
    return WindowObject::ProcessWindowMessage(hwnd, msg, wp, lp, result, map);
}

// ---- methods: their receiver is the button's object (window_rows.h) -------------------------------

namespace {

using Self = BitmapButtonObject *;

HIMAGELIST get_image_list(Self o) { return o->image_list; }
// The button owns the list it is given unless the shared bit is set; the previous one goes back
// to the caller.
HIMAGELIST set_image_list(Self o, HIMAGELIST list)
{
    HIMAGELIST previous = o->image_list;
    o->image_list = list;
    if (list && (o->extended_style & SIZE_TO_IMAGE)) size_to_image(*o);
    if (o->base.m_hWnd) InvalidateRect(o->base.m_hWnd, nullptr, FALSE);
    return previous;
}

void set_images(Self o, int normal, int pushed, int focus_or_hover, int disabled)
{
    o->images[NORMAL] = normal;
    o->images[PUSHED] = pushed;
    o->images[FOCUS_OR_HOVER] = focus_or_hover;
    o->images[DISABLED] = disabled;
    if (o->base.m_hWnd) InvalidateRect(o->base.m_hWnd, nullptr, FALSE);
}

DWORD get_style(Self o) { return o->extended_style; }
DWORD set_style(Self o, DWORD style, DWORD mask)
{
    DWORD previous = set_masked_style(o->extended_style, style, mask);
    if (o->base.m_hWnd) InvalidateRect(o->base.m_hWnd, nullptr, FALSE);
    return previous;
}

BOOL set_tool_tip_text(Self o, LPCWSTR text)
{
    wchar_t *copy = text ? _wcsdup(text) : nullptr;
    if (text && !copy) return FALSE;
    free(o->tool_tip_text);
    o->tool_tip_text = copy;
    register_tip(*o);
    return TRUE;
}

BOOL size_to_image_method(Self o) { return size_to_image(*o); }

const MethodRow bitmap_button_rows[] = {
    // Attributes.
    method<Call<get_image_list>>("GetImageList"),
    method<Call<set_image_list>>("SetImageList", "hImageList"),
    method<Call<set_images, -1, -1, -1>>("SetImages", "nNormal", "nPushed", "nFocusOrHover", "nDisabled"),
    method<Call<get_style>>("GetBitmapButtonExtendedStyle"),
    method<Call<set_style, 0>>("SetBitmapButtonExtendedStyle", "dwExtendedStyle", "dwMask"),
    method<Call<set_tool_tip_text>>("SetToolTipText", "lpstrText"),
    // Operations.
    method<Call<size_to_image_method>>("SizeToImage"),
};

} // namespace

const MethodTable bitmap_button_methods = table(bitmap_button_rows);

} // namespace savrawin
