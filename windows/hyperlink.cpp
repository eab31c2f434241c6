// SHyperLink: a window (usually a static) painted as a link, with the hand cursor and a tool tip
// over the link, that opens its target with the shell or tells its parent when clicked.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <wchar.h>

#include "../structs/model.h"
#include "controls/controls.h"
#include "window_object.h"

namespace savrawin {

namespace {

// Extended-style bits.
enum : DWORD {
    NOT_UNDERLINED = 0x01,
    UNDERLINE_HOVER = 0x02,
    COMMAND_BUTTON = 0x04,
    NOTIFY_BUTTON = 0x0C,
    USE_TAGS = 0x10,
    USE_TAGS_BOLD = 0x30,
    NO_TOOL_TIP = 0x40,
};
constexpr UINT_PTR link_tool = 1;
constexpr int colour_text_units = 12; // the longest colour text read, terminator included
constexpr wchar_t settings_key[] = L"Software\\Microsoft\\Internet Explorer\\Settings";

bool all(DWORD value, DWORD bits) { return (value & bits) == bits; }

// The text shown: the label, else the target.
const wchar_t *shown_text(const HyperLinkObject &o) { return o.m_lpstrLabel ? o.m_lpstrLabel : o.m_lpstrHyperLink; }

bool targets_something(const HyperLinkObject &o) { return o.m_lpstrHyperLink || (o.m_dwExtendedStyle & COMMAND_BUTTON); }

// A tagged text's three parts; a part that is absent has a null start.
struct Parts {
    const wchar_t *left = nullptr, *link = nullptr, *right = nullptr;
    int left_units = 0, link_units = 0, right_units = 0;
};

// "<A>" opens the link, "</A>" closes it, both without regard to case; without a closing tag the
// link part is empty.
Parts parse_tags(const wchar_t *text)
{
    Parts p;
    if (!text) return p;
    int n = (int)wcslen(text);
    bool open = false;
    for (int i = 0; i < n; i++) {
        if (text[i] != L'<') continue;
        if (!open) {
            if (_wcsnicmp(text + i, L"<A>", 3) != 0) continue;
            if (i > 0) {
                p.left = text;
                p.left_units = i;
            }
            p.link = text + i + 3;
            open = true;
            i += 2;
        } else if (_wcsnicmp(text + i, L"</A>", 4) == 0) {
            p.link_units = (int)(text + i - p.link);
            if (i + 4 < n) {
                p.right = text + i + 4;
                p.right_units = n - i - 4;
            }
            break;
        }
    }
    return p;
}

// "R,G,B" in decimal; a missing comma, a number read as -1 or an empty blue part leaves c alone.
void parse_colour(const wchar_t *text, COLORREF &c)
{
    const wchar_t *first = wcschr(text, L',');
    if (!first) return;
    int red = _wtoi(text);
    const wchar_t *second = wcschr(first + 1, L',');
    if (red == -1 || !second) return;
    int green = _wtoi(first + 1);
    if (green == -1 || !second[1]) return;
    int blue = _wtoi(second + 1);
    c = RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
}

void read_colour(HKEY key, const wchar_t *name, COLORREF &c)
{
    wchar_t text[colour_text_units] = {};
    DWORD type = 0, bytes = sizeof text;
    if (RegQueryValueExW(key, name, nullptr, &type, (BYTE *)text, &bytes) != ERROR_SUCCESS) return;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return;
    size_t units = bytes / sizeof(wchar_t);
    text[units < colour_text_units ? units : colour_text_units - 1] = 0;
    parse_colour(text, c);
}

// The browser's link colours, when it has any.
void read_colours(HyperLinkObject &o)
{
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, settings_key, 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
    read_colour(key, L"Anchor Color", o.m_clrLink);
    read_colour(key, L"Anchor Color Visited", o.m_clrVisited);
    RegCloseKey(key);
}

UINT static_alignment(HWND h)
{
    DWORD type = (DWORD)GetWindowLongW(h, GWL_STYLE) & SS_TYPEMASK;
    return type == SS_CENTER ? DT_CENTER : type == SS_RIGHT ? DT_RIGHT : DT_LEFT;
}

HFONT link_font_for_layout(const HyperLinkObject &o) { return o.m_hFont ? o.m_hFont : o.m_hFontNormal; }

// Measures count units of text (count 0: an empty rectangle at r's top left) in font, within r.
RECT measure(HDC dc, HFONT font, const wchar_t *text, int count, RECT r, UINT format)
{
    if (!text || count == 0) return RECT{r.left, r.top, r.left, r.top};
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextW(dc, text, count, &r, format | DT_CALCRECT | DT_WORDBREAK);
    SelectObject(dc, old);
    return r;
}

void calc_link_rect(HyperLinkObject &o)
{
    HWND h = o.base.m_hWnd;
    const wchar_t *text = shown_text(o);
    if (!h || !IsWindow(h) || !text) return;
    RECT client;
    GetClientRect(h, &client);
    if (!(o.flags & HyperLinkObject::PAINT_LABEL)) {
        o.m_rcLink = client;
        return;
    }
    HDC dc = GetDC(h);
    if (o.m_dwExtendedStyle & USE_TAGS) {
        Parts p = parse_tags(text);
        RECT from = client;
        if (p.left) from.left = measure(dc, o.m_hFontNormal, p.left, p.left_units, client, 0).right;
        o.m_rcLink = measure(dc, link_font_for_layout(o), p.link, p.link_units, from, 0);
    } else {
        UINT align = static_alignment(h);
        RECT r = measure(dc, link_font_for_layout(o), text, -1, client, align);
        int spare = client.right - r.right;
        if (align == DT_CENTER) OffsetRect(&r, spare / 2, 0);
        else if (align == DT_RIGHT) OffsetRect(&r, spare, 0);
        o.m_rcLink = r;
    }
    ReleaseDC(h, dc);
}

// The tool tip names the target over the link rectangle.
void register_tool(HyperLinkObject &o)
{
    if (!o.tool_tip) return;
    SendMessageW(o.tool_tip, TTM_ACTIVATE, TRUE, 0);
    TTTOOLINFOW ti = {};
    ti.cbSize = sizeof ti;
    ti.hwnd = o.base.m_hWnd;
    ti.uId = link_tool;
    ti.rect = o.m_rcLink;
    ti.hinst = module_instance;
    ti.lpszText = o.m_lpstrHyperLink;
    SendMessageW(o.tool_tip, TTM_DELTOOLW, 0, (LPARAM)&ti); // one tool, whatever came before
    SendMessageW(o.tool_tip, TTM_ADDTOOLW, 0, (LPARAM)&ti);
}

// Replaces a string field by a copy of text (none for null).
void replace_text(LPWSTR &field, const wchar_t *text)
{
    LPWSTR old = field;
    field = nullptr;
    if (text) store_wide_text(&field, text);
    StrucFreeWStringPtr(nullptr, &old);
}

BOOL set_target(HyperLinkObject &o, const wchar_t *text)
{
    replace_text(o.m_lpstrHyperLink, text);
    if (!o.m_lpstrLabel) calc_link_rect(o);
    register_tool(o);
    return TRUE;
}

BOOL set_label(HyperLinkObject &o, const wchar_t *text)
{
    replace_text(o.m_lpstrLabel, text);
    calc_link_rect(o);
    if (o.base.m_hWnd) SetWindowTextW(o.base.m_hWnd, text ? text : L"");
    return TRUE;
}

void make_link_font(HyperLinkObject &o)
{
    LOGFONTW lf;
    if (!GetObjectW(o.m_hFontNormal, sizeof lf, &lf)) return;
    if (all(o.m_dwExtendedStyle, USE_TAGS_BOLD)) lf.lfWeight = FW_BOLD;
    else if (!(o.m_dwExtendedStyle & NOT_UNDERLINED)) lf.lfUnderline = TRUE;
    o.m_hFont = CreateFontIndirectW(&lf);
    if (o.m_hFont) o.flags |= HyperLinkObject::OWN_LINK_FONT;
}

bool paints_nothing(DWORD static_type)
{
    switch (static_type) {
    case SS_ICON: case SS_BLACKRECT: case SS_GRAYRECT: case SS_WHITERECT: case SS_BLACKFRAME: case SS_GRAYFRAME:
    case SS_WHITEFRAME: case SS_BITMAP: case SS_ENHMETAFILE: case SS_ETCHEDHORZ: case SS_ETCHEDVERT: return true;
    default: return false;
    }
}

// A static control: of the platform's class, or of the module's superclass of it (SStatic).
bool is_static(HWND h)
{
    wchar_t class_name[9] = {};
    GetClassNameW(h, class_name, 9);
    if (_wcsicmp(class_name, L"static") == 0) return true;
    WindowUserData *d = user_data(h);
    const WindowClass *c = d && d->object ? d->object->GetClass() : nullptr;
    return c && c->base_name && _wcsicmp(c->base_name, L"static") == 0;
}

// On WM_CREATE and on attachment to an existing window.
void initialise(HyperLinkObject &o)
{
    HWND h = o.base.m_hWnd;
    if (is_static(h)) {
        DWORD style = (DWORD)GetWindowLongW(h, GWL_STYLE);
        SetWindowLongW(h, GWL_STYLE, (LONG)(style | SS_NOTIFY));
        if (paints_nothing(style & SS_TYPEMASK)) o.flags &= ~HyperLinkObject::PAINT_LABEL;
    }
    o.m_hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)); // the hand
    bool paint = o.flags & HyperLinkObject::PAINT_LABEL;
    if (paint) {
        HWND parent = GetParent(h);
        HFONT font = parent ? (HFONT)SendMessageW(parent, WM_GETFONT, 0, 0) : nullptr;
        o.m_hFontNormal = font ? font : (HFONT)GetStockObject(SYSTEM_FONT);
        if (!o.m_hFont) make_link_font(o);
    }
    if (!o.tool_tip)
        o.tool_tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, 0, rcDefault.left, rcDefault.top, rcDefault.right - rcDefault.left,
                                     rcDefault.bottom - rcDefault.top, h, nullptr, module_instance, nullptr);
    if (!o.m_lpstrLabel) {
        int n = GetWindowTextLengthW(h);
        if (n > 0) {
            wchar_t *text = (wchar_t *)calloc((size_t)n + 1, sizeof(wchar_t));
            if (text && GetWindowTextW(h, text, n + 1) > 0) store_wide_text(&o.m_lpstrLabel, text);
            free(text);
        }
    }
    calc_link_rect(o);
    if (!o.m_lpstrHyperLink && !(o.m_dwExtendedStyle & COMMAND_BUTTON)) {
        if (o.m_lpstrLabel) set_target(o, o.m_lpstrLabel);
    } else {
        register_tool(o);
    }
    if (paint) read_colours(o);
}

void paint(HyperLinkObject &o, HDC dc)
{
    HWND h = o.base.m_hWnd;
    RECT client;
    GetClientRect(h, &client);
    if (HWND parent = GetParent(h)) {
        HBRUSH brush = (HBRUSH)SendMessageW(parent, WM_CTLCOLORSTATIC, (WPARAM)dc, (LPARAM)h);
        if (brush) FillRect(dc, &client, brush);
    }
    const wchar_t *text = shown_text(o);
    if (!text) return;
    COLORREF link_colour = !IsWindowEnabled(h) ? GetSysColor(COLOR_GRAYTEXT)
                           : (o.flags & HyperLinkObject::VISITED) ? o.m_clrVisited
                                                                  : o.m_clrLink;
    bool hover_only = o.m_dwExtendedStyle & UNDERLINE_HOVER;
    HFONT link_font = o.m_hFont && (!hover_only || (o.flags & HyperLinkObject::HOVER)) ? o.m_hFont : o.m_hFontNormal;
    int mode = SetBkMode(dc, TRANSPARENT);
    COLORREF normal_colour = GetTextColor(dc);
    HGDIOBJ old_font = SelectObject(dc, o.m_hFontNormal);
    RECT r;
    if (o.m_dwExtendedStyle & USE_TAGS) {
        Parts p = parse_tags(text);
        if (p.left) {
            r = client;
            DrawTextW(dc, p.left, p.left_units, &r, DT_WORDBREAK);
        }
        if (p.link && p.link_units) {
            SetTextColor(dc, link_colour);
            SelectObject(dc, link_font);
            r = o.m_rcLink;
            DrawTextW(dc, p.link, p.link_units, &r, DT_WORDBREAK);
        }
        if (p.right) {
            SetTextColor(dc, normal_colour);
            SelectObject(dc, o.m_hFontNormal);
            r = RECT{o.m_rcLink.right, o.m_rcLink.top, client.right, client.bottom};
            DrawTextW(dc, p.right, p.right_units, &r, DT_WORDBREAK);
        }
    } else {
        SetTextColor(dc, link_colour);
        SelectObject(dc, link_font);
        r = o.m_rcLink;
        DrawTextW(dc, text, -1, &r, DT_WORDBREAK | static_alignment(h));
    }
    if (GetFocus() == h) DrawFocusRect(dc, &o.m_rcLink);
    SelectObject(dc, old_font);
    SetTextColor(dc, normal_colour);
    SetBkMode(dc, mode);
}

void repaint_link(HyperLinkObject &o)
{
    InvalidateRect(o.base.m_hWnd, &o.m_rcLink, TRUE);
    UpdateWindow(o.base.m_hWnd);
}

// The click: a notification or a command to the parent, or the shell opens the target.
BOOL navigate(HyperLinkObject &o)
{
    HWND h = o.base.m_hWnd;
    int id = GetDlgCtrlID(h);
    if (all(o.m_dwExtendedStyle, NOTIFY_BUTTON)) {
        NMHDR n = {h, (UINT_PTR)id, (UINT)NM_CLICK};
        SendMessageW(GetParent(h), WM_NOTIFY, (WPARAM)id, (LPARAM)&n);
        return TRUE;
    }
    if (o.m_dwExtendedStyle & COMMAND_BUTTON) {
        SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(id, 0), (LPARAM)h);
        return TRUE;
    }
    if (!o.m_lpstrHyperLink) return FALSE;
    INT_PTR r = (INT_PTR)ShellExecuteW(nullptr, L"open", o.m_lpstrHyperLink, nullptr, nullptr, SW_SHOWNORMAL);
    if (r <= 32) return FALSE;
    o.flags |= HyperLinkObject::VISITED;
    InvalidateRect(h, nullptr, TRUE);
    UpdateWindow(h);
    return TRUE;
}

POINT point_of(LPARAM lp) { return POINT{(short)LOWORD(lp), (short)HIWORD(lp)}; }

void relay_to_tool_tip(HyperLinkObject &o, const MSG *m)
{
    if (!o.tool_tip || (o.m_dwExtendedStyle & NO_TOOL_TIP) || !m) return;
    MSG copy = *m;
    DWORD pos = GetMessagePos();
    copy.pt = POINT{(short)LOWORD(pos), (short)HIWORD(pos)};
    copy.time = (DWORD)GetMessageTime();
    SendMessageW(o.tool_tip, TTM_RELAYEVENT, 0, (LPARAM)&copy);
}

void on_mouse_move(HyperLinkObject &o, POINT pt)
{
    HWND h = o.base.m_hWnd;
    if (targets_something(o) && PtInRect(&o.m_rcLink, pt)) {
        SetCursor(o.m_hCursor);
        if ((o.m_dwExtendedStyle & UNDERLINE_HOVER) && !(o.flags & HyperLinkObject::HOVER)) {
            o.flags |= HyperLinkObject::HOVER;
            repaint_link(o);
            TRACKMOUSEEVENT t = {sizeof t, TME_LEAVE, h, 0};
            TrackMouseEvent(&t);
        }
    } else if (o.flags & HyperLinkObject::HOVER) {
        o.flags &= ~HyperLinkObject::HOVER;
        repaint_link(o);
    }
}

} // namespace

void HyperLinkObject::OnAttached() { initialise(*this); }

BOOL HyperLinkObject::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result, DWORD map)
{
    if (map != 0) return FALSE;
    if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) relay_to_tool_tip(*this, current);
    bool paint_label = flags & PAINT_LABEL;
    switch (msg) {
    case WM_CREATE: initialise(*this); break;
    case WM_DESTROY:
        if (tool_tip && IsWindow(tool_tip)) DestroyWindow(tool_tip);
        tool_tip = nullptr;
        break;
    case WM_ERASEBKGND: result = 1; return TRUE;
    case WM_PAINT:
        if (paint_label) {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            paint(*this, dc);
            EndPaint(hwnd, &ps);
            result = 0;
            return TRUE;
        }
        break;
    case WM_PRINTCLIENT:
        if (paint_label) {
            paint(*this, (HDC)wp);
            result = 0;
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE: on_mouse_move(*this, point_of(lp)); break;
    case WM_MOUSELEAVE:
        if ((m_dwExtendedStyle & UNDERLINE_HOVER) && (flags & HOVER)) {
            flags &= ~HOVER;
            repaint_link(*this);
        }
        break;
    case WM_SETCURSOR:
        if (targets_something(*this)) {
            POINT pt;
            GetCursorPos(&pt);
            ScreenToClient(hwnd, &pt);
            if (PtInRect(&m_rcLink, pt)) {
                result = 1;
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN: {
        POINT pt = point_of(lp);
        if (PtInRect(&m_rcLink, pt)) {
            SetFocus(hwnd);
            SetCapture(hwnd);
        }
        break;
    }
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd) {
            ReleaseCapture();
            POINT pt = point_of(lp);
            if (PtInRect(&m_rcLink, pt)) navigate(*this);
        }
        break;
    case WM_CHAR:
        if (wp == VK_RETURN || wp == VK_SPACE) navigate(*this);
        result = 0;
        return TRUE;
    case WM_GETDLGCODE: result = DLGC_WANTCHARS; return TRUE;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: InvalidateRect(hwnd, nullptr, TRUE); break;
    case WM_SIZE:
        calc_link_rect(*this);
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case WM_UPDATEUISTATE: result = 0; return TRUE;
    case WM_GETFONT: result = (LRESULT)m_hFontNormal; return TRUE;
    case WM_SETFONT:
        m_hFontNormal = (HFONT)wp;
        calc_link_rect(*this);
        if (LOWORD(lp)) InvalidateRect(hwnd, nullptr, TRUE);
        break;
    }
    return WindowObject::ProcessWindowMessage(hwnd, msg, wp, lp, result, map);
}

// ---- methods: their receiver is the link's object (window_rows.h) ---------------------------------

namespace {

using Link = HyperLinkObject *;

DWORD get_style(Link o) { return o->m_dwExtendedStyle; }
DWORD set_style(Link o, DWORD style, DWORD mask) { return set_masked_style(o->m_dwExtendedStyle, style, mask); }

// Copies text into the buffer when the count leaves room for it and its terminator.
BOOL copy_out(const wchar_t *text, WideBuffer buffer, int length)
{
    if (!text || !buffer.text) return FALSE;
    int n = (int)wcslen(text);
    if (length <= n || n >= buffer.units) return FALSE;
    memcpy(buffer.text, text, sizeof(wchar_t) * ((size_t)n + 1));
    return TRUE;
}

BOOL get_label(Link o, WideBuffer buffer, int length) { return copy_out(o->m_lpstrLabel, buffer, length); }
BOOL get_target(Link o, WideBuffer buffer, int length) { return copy_out(o->m_lpstrHyperLink, buffer, length); }
BOOL set_label_method(Link o, LPCWSTR text) { return set_label(*o, text); }
BOOL set_target_method(Link o, LPCWSTR text) { return set_target(*o, text); }

HFONT get_link_font(Link o) { return o->m_hFont; }
void set_link_font(Link o, HFONT font)
{
    if ((o->flags & HyperLinkObject::OWN_LINK_FONT) && o->m_hFont) DeleteObject(o->m_hFont);
    o->flags &= ~HyperLinkObject::OWN_LINK_FONT;
    o->m_hFont = font;
}

// The size the shown text needs: its parts side by side with tags, else the whole in the link
// font, each wrapped within the client width.
bool ideal_size(HyperLinkObject &o, int &cx, int &cy)
{
    HWND h = o.base.m_hWnd;
    const wchar_t *text = shown_text(o);
    if (!h || !IsWindow(h) || !text || !(o.flags & HyperLinkObject::PAINT_LABEL)) return false;
    RECT client;
    GetClientRect(h, &client);
    HDC dc = GetDC(h);
    if (!dc) return false;
    cx = cy = 0;
    auto add = [&](HFONT font, const wchar_t *part, int units) {
        RECT r = measure(dc, font, part, units, client, 0);
        cx += r.right - r.left;
        if (r.bottom - r.top > cy) cy = r.bottom - r.top;
    };
    if (o.m_dwExtendedStyle & USE_TAGS) {
        Parts p = parse_tags(text);
        add(o.m_hFontNormal, p.left, p.left_units);
        add(link_font_for_layout(o), p.link, p.link_units);
        add(o.m_hFontNormal, p.right, p.right_units);
    } else {
        add(link_font_for_layout(o), text, -1);
    }
    ReleaseDC(h, dc);
    return true;
}

int ideal_height(Link o)
{
    int cx, cy;
    return ideal_size(*o, cx, cy) ? cy : -1;
}
BOOL ideal_size_method(Link o)
{
    int cx, cy;
    return ideal_size(*o, cx, cy);
}

BOOL navigate_method(Link o) { return navigate(*o); }

BOOL is_underlined(Link o) { return !(o->m_dwExtendedStyle & (NOT_UNDERLINED | UNDERLINE_HOVER)); }
BOOL is_not_underlined(Link o) { return (o->m_dwExtendedStyle & NOT_UNDERLINED) != 0; }
BOOL is_underline_hover(Link o) { return (o->m_dwExtendedStyle & UNDERLINE_HOVER) != 0; }
BOOL is_command_button(Link o) { return (o->m_dwExtendedStyle & COMMAND_BUTTON) != 0; }
BOOL is_notify_button(Link o) { return all(o->m_dwExtendedStyle, NOTIFY_BUTTON); }
BOOL is_using_tags(Link o) { return (o->m_dwExtendedStyle & USE_TAGS) != 0; }
BOOL is_using_tags_bold(Link o) { return all(o->m_dwExtendedStyle, USE_TAGS_BOLD); }
BOOL is_using_tool_tip(Link o) { return !(o->m_dwExtendedStyle & NO_TOOL_TIP); }

// The count may not exceed the buffer's room.
using CountInBuffer = Bounds<bound::make(0, bound::Count, 1)>;

const MethodRow hyper_link_rows[] = {
    // Attributes.
    method<Call<get_style>>("GetHyperLinkExtendedStyle"),
    method<Call<set_style, 0>>("SetHyperLinkExtendedStyle", "dwExtendedStyle", "dwMask"),
    method<BoundedCall<get_label, CountInBuffer>>("GetLabel", "lpstrBuffer", "nLength"),
    method<Call<set_label_method>>("SetLabel", "lpstrLabel"),
    method<BoundedCall<get_target, CountInBuffer>>("GetHyperLink", "lpstrBuffer", "nLength"),
    method<Call<set_target_method>>("SetHyperLink", "lpstrLink"),
    method<BoundedCall<get_target, CountInBuffer>>("GetToolTipText", "lpstrBuffer", "nLength"),
    method<Call<set_target_method>>("SetToolTipText", "lpstrToolTipText"),
    method<Call<get_link_font>>("GetLinkFont"),
    method<Call<set_link_font>>("SetLinkFont", "hFont"),
    method<Call<ideal_height>>("GetIdealHeight"),
    overloaded<Call<ideal_size_method>>("GetIdealSize"),
    // Operations.
    method<Call<navigate_method>>("Navigate"),
    // Queries of the extended style.
    method<Call<is_underlined>>("IsUnderlined"),
    method<Call<is_not_underlined>>("IsNotUnderlined"),
    method<Call<is_underline_hover>>("IsUnderlineHover"),
    method<Call<is_command_button>>("IsCommandButton"),
    method<Call<is_notify_button>>("IsNotifyButton"),
    method<Call<is_using_tags>>("IsUsingTags"),
    method<Call<is_using_tags_bold>>("IsUsingTagsBold"),
    method<Call<is_using_tool_tip>>("IsUsingToolTip"),
};

} // namespace

const MethodTable hyper_link_methods = table(hyper_link_rows);

} // namespace savrawin
