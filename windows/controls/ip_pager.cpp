// SIPAddressCtrl and SPagerCtrl.
#include "controls.h"

namespace savrawin {

namespace {

// A field's range is one word: the highest value in the high byte, the lowest in the low one.
LRESULT ip_set_range(HWND h, int field, int lowest, int highest)
{
    return SendMessageW(h, IPM_SETRANGE, (WPARAM)field, (LPARAM)(highest * 256 + lowest));
}

const MethodRow ip_address_rows[] = {
    // Attributes.
    method<Send<IPM_ISBLANK>>("IsBlank"),
    method<Send<IPM_SETADDRESS, L<DWORD>>>("SetAddress", "dwAddress"),
    method<Send<IPM_CLEARADDRESS>>("ClearAddress"),
    method<Send<IPM_SETRANGE, W<int>, L<WORD>>>("SetRange", "nField", "wRange"),
    method<Call<ip_set_range>>("SetRange", "nField", "nMin", "nMax"),
    method<Send<IPM_SETFOCUS, W<int>>>("SetFocus", "nField"),
};

const MethodRow pager_rows[] = {
    // Attributes.
    method<Send<PGM_GETBUTTONSIZE>>("GetButtonSize"),
    method<Send<PGM_SETBUTTONSIZE, L<int>>>("SetButtonSize", "nButtonSize"),
    method<Send<PGM_GETBUTTONSTATE, L<int>>>("GetButtonState", "nButton"),
    method<Send<PGM_GETBKCOLOR>>("GetBkColor"),
    method<Send<PGM_SETBKCOLOR, L<COLORREF>>>("SetBkColor", "clrBk"),
    method<Send<PGM_GETBORDER>>("GetBorder"),
    method<Send<PGM_SETBORDER, L<int>>>("SetBorder", "nBorderSize"),
    method<Send<PGM_GETPOS>>("GetPos"),
    method<Send<PGM_SETPOS, L<int>>>("SetPos", "nPos"),
    // Operations.
    method<Send<PGM_SETCHILD, L<HWND>>>("SetChild", "hWndChild"),
    method<Send<PGM_FORWARDMOUSE, W<BOOL, 1>>>("ForwardMouse", "bForward"),
    method<Send<PGM_RECALCSIZE>>("RecalcSize"),
};

} // namespace

const MethodTable ip_address_methods = table(ip_address_rows);
const MethodTable pager_methods = table(pager_rows);

} // namespace savrawin
