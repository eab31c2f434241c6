// CMenu, the owner of one menu handle with the platform's menu operations, and CMenuItemInfo, a
// MENUITEMINFO whose size field is filled in.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include "classes.h"
#include "menu.h"
#include "window_rows.h"

namespace savrawin {

// The menu operations that take the menu handle first take the held one.
template <> struct msg::Receiver<HMENU> {
    static HMENU get() { return Receiver<MenuObject *>::get()->m_hMenu; }
};

namespace {

// ---- creation and ownership --------------------------------------------------------------------------

LiValue make_menu(HMENU h, int nargs)
{
    ProtectedSlot args(argument_list(nargs));
    MenuObject *m = (MenuObject *)LI_Malloc(sizeof(MenuObject));
    m->m_hMenu = h;
    return li_CreateNonNullInstanceAlloc(m, cls_CMenu, args);
}
LiValue menu_empty() { return make_menu(nullptr, 0); }
LiValue menu_holding() { return make_menu((HMENU)(uintptr_t)(uint32_t)li_LVal(ArgBase[0]), 1); }
SAVRA_OVERLOAD(menu_forms, "No matching function for overloaded 'CMenu'", form(menu_empty), form(menu_holding, integer("hMenu")));

// ---- operations with more to them than one platform call ----------------------------------------------

void menu_attach(MenuObject *m, HMENU h)
{
    if (m->m_hMenu && m->m_hMenu != h) DestroyMenu(m->m_hMenu);
    m->m_hMenu = h;
}
HMENU menu_detach(MenuObject *m)
{
    HMENU h = m->m_hMenu;
    m->m_hMenu = nullptr;
    return h;
}
BOOL menu_is_null(MenuObject *m) { return m->m_hMenu == nullptr; }
// A held menu is overwritten, not destroyed: the script may still own it elsewhere.
BOOL menu_create(MenuObject *m)
{
    m->m_hMenu = CreateMenu();
    return m->m_hMenu != nullptr;
}
BOOL menu_create_popup(MenuObject *m)
{
    m->m_hMenu = CreatePopupMenu();
    return m->m_hMenu != nullptr;
}
BOOL menu_destroy(MenuObject *m)
{
    if (!m->m_hMenu) return FALSE;
    BOOL ok = DestroyMenu(m->m_hMenu);
    if (ok) m->m_hMenu = nullptr;
    return ok;
}

// A point off every monitor has its x brought into the nearest monitor's work area, so the menu
// opens where the user can see it; y is left to the platform.
int visible_x(int x, int y)
{
    POINT pt = {x, y};
    if (MonitorFromPoint(pt, MONITOR_DEFAULTTONULL)) return x;
    HMONITOR nearest = MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST);
    MONITORINFO info;
    info.cbSize = sizeof info;
    if (!nearest || !GetMonitorInfoW(nearest, &info)) return x;
    if (x < info.rcWork.left) return info.rcWork.left;
    if (x > info.rcWork.right) return info.rcWork.right;
    return x;
}
BOOL menu_track(MenuObject *m, UINT flags, int x, int y, HWND owner, const RECT *rect)
{
    return TrackPopupMenu(m->m_hMenu, flags, visible_x(x, y), y, 0, owner, rect);
}
BOOL menu_track_ex(MenuObject *m, UINT flags, int x, int y, HWND owner, TPMPARAMS *params)
{
    return TrackPopupMenuEx(m->m_hMenu, flags, visible_x(x, y), y, owner, params);
}

// ---- calls that need more than the held menu first ------------------------------------------------------

BOOL menu_hilite_item(MenuObject *m, HWND h, UINT id, UINT hilite) { return HiliteMenuItem(h, m->m_hMenu, id, hilite); }
int menu_string_length(HMENU m, UINT id, UINT flags) { return GetMenuStringW(m, id, nullptr, 0, flags); }
BOOL menu_item_rect(MenuObject *m, HWND h, UINT item, RECT *rect) { return GetMenuItemRect(h, m->m_hMenu, item, rect); }
int menu_item_from_point(MenuObject *m, HWND h, POINT pt) { return MenuItemFromPoint(h, m->m_hMenu, pt); }

const MethodRow menu_rows[] = {
    creator<menu_forms>("new_CMenu"),
    method<Call<menu_attach>>("Attach", "hMenuNew"),
    method<Call<menu_detach>>("Detach"),
    method<Call<menu_is_null>>("IsNull"),
    method<Call<IsMenu>>("IsMenu"),
    method<Call<menu_create>>("CreateMenu"),
    method<Call<menu_create_popup>>("CreatePopupMenu"),
    method<Call<menu_destroy>>("DestroyMenu"),
    method<Call<DeleteMenu>>("DeleteMenu", "nPosition", "nFlags"),
    method<Call<menu_track, 0>>("TrackPopupMenu", "nFlags", "x", "y", "hWnd", "lpRect"),
    method<Call<menu_track_ex, 0>>("TrackPopupMenuEx", "nFlags", "x", "y", "hWnd", "lptpm"),
    method<Call<GetMenuInfo>>("GetMenuInfo", "lpMenuInfo"),
    method<Call<SetMenuInfo>>("SetMenuInfo", "lpMenuInfo"),
    method<Call<AppendMenuW, 0, 0>>("AppendMenu", "nFlags", "nIDNewItem", "lpszNewItem"),
    method<Call<InsertMenuW, 0, 0>>("InsertMenu", "nPosition", "nFlags", "nIDNewItem", "lpszNewItem"),
    method<Call<ModifyMenuW, 0, 0>>("ModifyMenu", "nPosition", "nFlags", "nIDNewItem", "lpszNewItem"),
    method<Call<CheckMenuItem>>("CheckMenuItem", "nIDCheckItem", "nCheck"),
    method<Call<EnableMenuItem>>("EnableMenuItem", "nIDEnableItem", "nEnable"),
    method<Call<menu_hilite_item>>("HiliteMenuItem", "hWnd", "uIDHiliteItem", "uHilite"),
    method<Call<GetMenuItemCount>>("GetMenuItemCount"),
    method<Call<GetMenuItemID>>("GetMenuItemID", "nPos"),
    method<Call<GetMenuState>>("GetMenuState", "nID", "nFlags"),
    method<Call<menu_string_length>>("GetMenuStringLen", "nIDItem", "nFlags"),
    overloaded<BoundedCall<GetMenuStringW, Bounds<bound::make(1, bound::Count, 2)>>>("GetMenuString", "nIDItem", "lpString",
                                                                                      "nMaxCount", "nFlags"),
    method<Call<RemoveMenu>>("RemoveMenu", "nPosition", "nFlags"),
    method<Call<SetMenuItemBitmaps>>("SetMenuItemBitmaps", "nPosition", "nFlags", "hBmpUnchecked", "hBmpChecked"),
    method<Call<CheckMenuRadioItem>>("CheckMenuRadioItem", "nIDFirst", "nIDLast", "nIDItem", "nFlags"),
    method<Call<GetMenuItemInfoW>>("GetMenuItemInfo", "uItem", "bByPosition", "lpmii"),
    method<Call<SetMenuItemInfoW>>("SetMenuItemInfo", "uItem", "bByPosition", "lpmii"),
    method<Call<InsertMenuItemW>>("InsertMenuItem", "uItem", "bByPosition", "lpmii"),
    method<Call<GetMenuDefaultItem, 0, 0>>("GetMenuDefaultItem", "bByPos", "uFlags"),
    method<Call<SetMenuDefaultItem, -1, 0>>("SetMenuDefaultItem", "uItem", "bByPos"),
    method<Call<menu_item_rect>>("GetMenuItemRect", "hWnd", "uItem", "lprcItem"),
    method<Call<menu_item_from_point>>("MenuItemFromPoint", "hWnd", "point"),
    method<Call<SetMenuContextHelpId>>("SetMenuContextHelpId", "dwContextHelpId"),
    method<Call<GetMenuContextHelpId>>("GetMenuContextHelpId"),
};

// ---- CMenuItemInfo --------------------------------------------------------------------------------------

// 44 on platforms older than the last field (before 4.90), and when the version cannot be read.
UINT item_info_size()
{
    OSVERSIONINFOW v;
    v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&v)) return 44;
#pragma GCC diagnostic pop
    if (v.dwMajorVersion < 4 || (v.dwMajorVersion == 4 && v.dwMinorVersion < 90)) return 44;
    return sizeof(MENUITEMINFOW);
}
static_assert(sizeof(MENUITEMINFOW) == 48, "the record CMenuItemInfo stands for");

MENUITEMINFOW *new_item_info()
{
    MENUITEMINFOW *info = (MENUITEMINFOW *)calloc(1, sizeof(MENUITEMINFOW));
    if (info) info->cbSize = item_info_size();
    return info;
}

} // namespace

LiValue CMenuItemInfoType() { return li_CreateNonNullInstanceAlloc(new_item_info(), made_class(cls_CMenuItemInfo), Nil); }

// The plain methods are also global functions named CMenu_NAME, the instance first.
const MethodTable menu_methods = table(menu_rows, true);

// ---- hooks -----------------------------------------------------------------------------------------------

LiValue construct_CMenu(LiValue inst, void *data, int owned, LiValue args)
{
    return construct_through<global_dispatcher<menu_forms>>(inst, data, owned, args);
}

// An owning instance takes its menu with it; DestroyMenu failing still frees the object.
void destruct_CMenu(LiValue inst)
{
    if (li_Tag(inst) == LI_INSTANCE && li_InstanceOwnsData(inst)) {
        LiInstanceBody *body = li_InstanceBody(inst);
        MenuObject *m = (MenuObject *)body->data;
        if (m && m->m_hMenu && DestroyMenu(m->m_hMenu)) m->m_hMenu = nullptr;
        free(m);
        body->data = nullptr;
        body->flags &= ~LI_BODY_OWNED;
    }
    li_StrucBasicDestructor(inst);
}

LiValue construct_CMenuItemInfo(LiValue inst, void *data, int owned, LiValue args)
{
    if (!data) {
        data = new_item_info();
        owned = 1;
    }
    return li_StrucBasicConstructor(inst, data, owned, args);
}

} // namespace savrawin
