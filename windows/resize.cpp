#include "resize.h"

#include <optional>

#include "halden.h"
#include "window_rows.h"
#include "window_object.h"
#include "classes.h"

namespace savrawin {

namespace {
constexpr int32_t NO_ID = -1;
constexpr int GRIPPER_ID = 0xE801;
} // namespace

void ResizeState::init()
{
    capacity = 16;
    map = (ResizeMapEntry *)ME_Realloc(nullptr, sizeof(ResizeMapEntry) * (size_t)capacity);
    count = 0;
    map[0] = {NO_ID, 0};
}

void ResizeState::release()
{
    if (map) ME_Free(map);
    map = nullptr;
    count = capacity = 0;
    data.clear();
    data.shrink_to_fit();
}

void ResizeState::add(HWND hwnd, int32_t id, DWORD flags)
{
    if (count >= capacity - 1) {
        capacity += 16;
        map = (ResizeMapEntry *)ME_Realloc(map, sizeof(ResizeMapEntry) * (size_t)capacity);
    }
    map[count++] = {id, flags};
    map[count] = {NO_ID, 0};
    apply(hwnd, WS_CLIPCHILDREN);
    applied = true;
}

void ResizeState::apply(HWND hwnd, DWORD forced_style)
{
    DWORD style = (DWORD)GetWindowLongW(hwnd, GWL_STYLE);
    if ((style & forced_style) != forced_style) SetWindowLongW(hwnd, GWL_STYLE, (LONG)(style | forced_style));
    if (!(style & WS_CHILD)) SetWindowLongW(hwnd, GWL_EXSTYLE, GetWindowLongW(hwnd, GWL_EXSTYLE) | WS_EX_DLGMODALFRAME);
    HWND grip = GetDlgItem(hwnd, GRIPPER_ID);
    if (grip && !data.empty() && (data[0].flags & GRIPPER)) DestroyWindow(grip);
    data.clear();
    recorded = {0, 0};
    min_track = {-1, -1};
    RECT client = {};
    GetClientRect(hwnd, &client);
    recorded = {client.right, client.bottom};
    gripper = false;
    // Groups: an open group remembers where its first member lands; its end writes the member
    // count into that entry. A marker that closes nothing, a group that is never closed or has
    // no members, and a group of 256 or more (its count does not fit the entry's eight bits)
    // leave their controls laid out one by one.
    int open = -1;
    for (const ResizeMapEntry *e = map; e && !(e->id == NO_ID && e->flags == 0); e++) {
        if (e->id == NO_ID) {
            if (e->flags == BEGIN_GROUP) {
                open = (int)data.size();
            } else if (e->flags == END_GROUP) {
                if (open >= 0 && open < (int)data.size()) {
                    int members = (int)data.size() - open;
                    if (members < 256) data[open].flags = (data[open].flags & ~0x00FF0000u) | ((DWORD)members << 16);
                    else data[open].flags &= ~(DWORD)BEGIN_GROUP;
                }
                open = -1;
            }
            continue;
        }
        ResizeData d = {e->id, e->flags, {0, 0, 0, 0}};
        HWND child = GetDlgItem(hwnd, e->id);
        if (child) {
            GetWindowRect(child, &d.rect);
            MapWindowPoints(nullptr, hwnd, (POINT *)&d.rect, 2);
        }
        if (open == (int)data.size()) d.flags |= BEGIN_GROUP;
        data.push_back(d);
    }
    if (open >= 0 && open < (int)data.size()) data[open].flags &= ~(DWORD)BEGIN_GROUP; // never closed
}

void ResizeState::on_size(HWND hwnd, WPARAM type, LPARAM size)
{
    if (!map || count == 0) return;
    if (gripper) {
        HWND grip = GetDlgItem(hwnd, GRIPPER_ID);
        if (type == SIZE_MAXIMIZED) ShowWindow(grip, SW_HIDE);
        else if (type == SIZE_RESTORED) ShowWindow(grip, SW_SHOW);
    }
    if (type == SIZE_MINIMIZED) return;
    layout(hwnd, (SHORT)LOWORD(size), (SHORT)HIWORD(size));
}

void ResizeState::on_get_min_max_info(MINMAXINFO *mmi) const
{
    if (min_track.x != -1 && min_track.y != -1) mmi->ptMinTrackSize = min_track;
}

void ResizeState::layout(HWND hwnd, int cx, int cy)
{
    if ((GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) && min_track.x != -1 && min_track.y != -1) {
        if (cx < min_track.x) cx = min_track.x;
        if (cy < min_track.y) cy = min_track.y;
    }
    bool visible = IsWindowVisible(hwnd) != 0;
    if (visible) SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    for (size_t i = 0; i < data.size(); i++) {
        int members = (data[i].flags & BEGIN_GROUP) ? (int)((data[i].flags >> 16) & 0xFF) : 0;
        if (members > 0 && i + members <= data.size()) {
            RECT g = data[i].rect;
            for (int k = 1; k < members; k++) {
                const RECT &r = data[i + k].rect;
                if (r.left < g.left) g.left = r.left;
                if (r.top < g.top) g.top = r.top;
                if (r.right > g.right) g.right = r.right;
                if (r.bottom > g.bottom) g.bottom = r.bottom;
            }
            for (int k = 0; k < members; k++) position(hwnd, data[i + k], &g, k > 0 ? &data[i + k - 1] : nullptr, cx, cy);
            i += members - 1;
        } else {
            position(hwnd, data[i], nullptr, nullptr, cx, cy);
        }
    }
    if (visible) SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

namespace {
// One axis: lo/hi of the recorded rectangle R, of the current one (cur) and of the group G; w0 the
// recorded client extent, c the new one.
struct Axis {
    LONG lo, hi;
};

Axis alone(DWORD flags, DWORD center, DWORD size, DWORD move, Axis r, Axis cur, LONG w0, LONG c)
{
    Axis out = cur;
    if (flags & center) {
        out.lo = (c - (r.hi - r.lo)) / 2;
        out.hi = out.lo + r.hi - r.lo;
    } else if (flags & (size | move)) {
        out.hi = r.hi - w0 + c;
        if (flags & move) out.lo = r.lo - r.hi + out.hi;
    }
    return out;
}

// In a group: also reports the new far edge of the preceding member, when it gets one.
Axis grouped(DWORD flags, DWORD center, DWORD size, DWORD move, Axis r, Axis cur, Axis g, LONG w0, LONG c,
             const Axis *prev_r, std::optional<LONG> *prev_hi)
{
    Axis out = cur;
    LONG span = g.hi - g.lo;
    if (flags & center) {
        out.lo = (g.hi - w0 + c - g.lo - (r.hi - r.lo)) / 2 + g.lo;
        out.hi = out.lo + r.hi - r.lo;
    } else if (flags & (size | move)) {
        out.lo = MulDiv(r.lo - g.lo, span - w0 + c, span) + g.lo;
        if (flags & size) {
            out.hi = MulDiv(r.hi - g.lo, span - w0 + c, span) + g.lo;
            if (prev_r) *prev_hi = prev_r->hi - r.lo + out.lo; // the recorded gap stays
        } else {
            out.hi = out.lo + r.hi - r.lo;
        }
    }
    return out;
}
} // namespace

void ResizeState::position(HWND hwnd, const ResizeData &e, const RECT *g, const ResizeData *previous, int cx, int cy)
{
    HWND ctl = GetDlgItem(hwnd, e.id);
    RECT cur;
    if (!ctl || !GetWindowRect(ctl, &cur)) return;
    MapWindowPoints(nullptr, hwnd, (POINT *)&cur, 2);
    Axis x, y;
    if (!g) {
        x = alone(e.flags, CENTER_X, SIZE_X, MOVE_X, {e.rect.left, e.rect.right}, {cur.left, cur.right}, recorded.cx, cx);
        y = alone(e.flags, CENTER_Y, SIZE_Y, MOVE_Y, {e.rect.top, e.rect.bottom}, {cur.top, cur.bottom}, recorded.cy, cy);
    } else {
        std::optional<LONG> prev_right, prev_bottom;
        Axis prev_x = {0, 0}, prev_y = {0, 0};
        if (previous) {
            prev_x = {previous->rect.left, previous->rect.right};
            prev_y = {previous->rect.top, previous->rect.bottom};
        }
        x = grouped(e.flags, CENTER_X, SIZE_X, MOVE_X, {e.rect.left, e.rect.right}, {cur.left, cur.right}, {g->left, g->right},
                    recorded.cx, cx, previous ? &prev_x : nullptr, &prev_right);
        y = grouped(e.flags, CENTER_Y, SIZE_Y, MOVE_Y, {e.rect.top, e.rect.bottom}, {cur.top, cur.bottom}, {g->top, g->bottom},
                    recorded.cy, cy, previous ? &prev_y : nullptr, &prev_bottom);
        HWND prev = previous ? GetDlgItem(hwnd, previous->id) : nullptr;
        if (prev && (prev_right || prev_bottom)) {
            RECT p;
            GetWindowRect(prev, &p);
            MapWindowPoints(nullptr, hwnd, (POINT *)&p, 2);
            if (prev_right) p.right = *prev_right;
            if (prev_bottom) p.bottom = *prev_bottom;
            SetWindowPos(prev, nullptr, p.left, p.top, p.right - p.left, p.bottom - p.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if (e.flags & REPAINT) InvalidateRect(ctl, nullptr, TRUE);
    if (e.flags & (SIZE_X | SIZE_Y | MOVE_X | MOVE_Y | REPAINT | CENTER_X | CENTER_Y))
        SetWindowPos(ctl, nullptr, x.lo, y.lo, x.hi - x.lo, y.hi - y.lo, SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// The methods are registered only on classes with layout state; an object without layout state (a
// plain SWindowBase) has nothing to add to.
WindowObject *layout_owner(LiValue inst)
{
    WindowObject *o = WindowObject::of(window_arg(inst));
    if (!o->GetResize()) li_InstError(inst, cls_SWindow);
    return o;
}

LiValue AddControlResizeFlags_entry()
{
    WindowObject *o = layout_owner(ArgBase[0]);
    int32_t id = integer_arg(ArgBase[1]);
    DWORD flags = (DWORD)integer_arg(ArgBase[2]);
    o->GetResize()->add(o->base.m_hWnd, id, flags);
    return Nil;
}

LiValue StartResizeGroup_entry()
{
    WindowObject *o = layout_owner(ArgBase[0]);
    o->GetResize()->add(o->base.m_hWnd, NO_ID, BEGIN_GROUP);
    return Nil;
}

LiValue EndResizeGroup_entry()
{
    WindowObject *o = layout_owner(ArgBase[0]);
    o->GetResize()->add(o->base.m_hWnd, NO_ID, END_GROUP);
    return Nil;
}

const MethodRow resize_rows[] = {
    method<Entry<AddControlResizeFlags_entry, 'I', 'I'>>("AddControlResizeFlags", "ctrlid", "flags"),
    method<Entry<StartResizeGroup_entry>>("StartResizeGroup"),
    method<Entry<EndResizeGroup_entry>>("EndResizeGroup"),
};

} // namespace

const MethodTable resize_methods = table(resize_rows);

} // namespace savrawin
