// SCheckListViewCtrl: a list view with check boxes whose ticks follow the selection. Ticking the
// box of a selected item ticks every selected item, unticking unticks them; with Ctrl held only
// the item itself changes. The list view then toggles the item as it always does.
#include <windows.h>
#include <commctrl.h>

#include "window_object.h"

namespace savrawin {

namespace {

constexpr DWORD check_list_ex_style = LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT;
// A ticked box is state image 2, an empty one state image 1, as the list view's own methods set them.
constexpr UINT unticked = INDEXTOSTATEIMAGEMASK(1), ticked = INDEXTOSTATEIMAGEMASK(2);

bool control_held() { return GetKeyState(VK_CONTROL) < 0; }

// Item n is about to change: every other selected item takes the state n is about to get.
void tick_selection_with(HWND h, int n)
{
    if (!(SendMessageW(h, LVM_GETITEMSTATE, (WPARAM)n, LVIS_SELECTED) & LVIS_SELECTED)) return;
    UINT image = (UINT)SendMessageW(h, LVM_GETITEMSTATE, (WPARAM)n, LVIS_STATEIMAGEMASK) & LVIS_STATEIMAGEMASK;
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = image == unticked ? ticked : unticked;
    for (int i = (int)SendMessageW(h, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_SELECTED); i != -1;
         i = (int)SendMessageW(h, LVM_GETNEXTITEM, (WPARAM)i, LVNI_SELECTED)) {
        if (i != n) SendMessageW(h, LVM_SETITEMSTATE, (WPARAM)i, (LPARAM)&item);
    }
}

} // namespace

BOOL CheckListViewObject::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result, DWORD map)
{
    if (map != 0) return FALSE;
    switch (msg) {
    case WM_CREATE:
        result = CallWindowProcW(super_proc, hwnd, msg, wp, lp);
        SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, check_list_ex_style);
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        LVHITTESTINFO hit = {};
        hit.pt = POINT{(short)LOWORD(lp), (short)HIWORD(lp)};
        int item = (int)SendMessageW(hwnd, LVM_HITTEST, 0, (LPARAM)&hit);
        if (item != -1 && (hit.flags & LVHT_ONITEMSTATEICON) && !control_held()) tick_selection_with(hwnd, item);
        break;
    }
    case WM_KEYDOWN:
        if (wp == VK_SPACE) {
            int item = (int)SendMessageW(hwnd, LVM_GETNEXTITEM, (WPARAM)-1, LVNI_FOCUSED);
            if (item != -1 && !control_held()) tick_selection_with(hwnd, item);
        }
        break;
    }
    return WindowObject::ProcessWindowMessage(hwnd, msg, wp, lp, result, map);
}

} // namespace savrawin
