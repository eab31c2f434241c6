// CMenu, the owner of one menu handle, and CMenuItemInfo, a MENUITEMINFO whose size field is filled
// in (menu.cpp): their native objects and hooks.
#pragma once

#include <windows.h>

#include <stddef.h>

#include "native_hooks.h"

namespace savrawin {

// The native object a CMenu instance points at.
struct MenuObject {
    HMENU m_hMenu;
};
static_assert(sizeof(MenuObject) == 4 && offsetof(MenuObject, m_hMenu) == 0, "read as the field m_hMenu");

// An owning CMenu instance takes its menu with it; it is made from `new`'s arguments through its
// creator forms (new_CMenu).
LiValue construct_CMenu(LiValue inst, void *data, int owned, LiValue args);
void destruct_CMenu(LiValue inst);
template <> struct NativeHooks<MenuObject> {
    static constexpr ClassHooks hooks = {construct_CMenu, destruct_CMenu, nullptr, nullptr};
};

LiValue construct_CMenuItemInfo(LiValue inst, void *data, int owned, LiValue args);
LiValue CMenuItemInfoType();
template <> struct NativeHooks<MENUITEMINFOW> {
    static constexpr ClassHooks hooks = {construct_CMenuItemInfo, nullptr, nullptr, CMenuItemInfoType};
};

} // namespace savrawin
