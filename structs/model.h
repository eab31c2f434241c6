// Structure classes: field tables over the interpreter's StrucField descriptors and the module's own
// accessors (UTF-16 string pointers, embedded arrays, nested-structure views).
#pragma once

#include <windows.h>

#include <stddef.h>

#include "savra.h"
#include "classes.h"

namespace savrawin {

LiValue StrucSetWStringPtr(LiValue inst, void *addr, const LiStrucField *f, LiValue v);
LiValue StrucGetWStringPtr(LiValue inst, void *addr);
// Stores a registered UTF-16 copy of string or buffer v at addr, as the setter does: the release
// hook frees it with the instance.
void store_wide_string(void *addr, LiValue v);
// The same for UTF-16 text the module holds (a window's text, a copy of another field).
void store_wide_text(void *addr, const wchar_t *text);
void StrucFreeWStringPtr(LiValue inst, void *addr);
// How many such buffers are registered (made and not yet released).
int string_registry_count();
// The room in UTF-16 units of a buffer a string field holds, when this module made it (the
// assigned text's bytes plus 1); -1 for any other pointer.
int string_field_room(const void *p);

// Embedded UTF-16 arrays: the descriptor carries no capacity, so each capacity (in UTF-16 units,
// terminator included) is its own accessor pair. Longer text is cut at the capacity, always
// terminated; reads stop at the capacity when no terminator is present.
// The interpreter checks a string field's first word against the instance's data; an array's
// accessors check the whole array before they touch it.
void need_array_room(LiValue inst, const void *addr, uint32_t bytes);
LiValue set_wchar_array(void *addr, LiValue v, int units);
LiValue get_wchar_array(const void *addr, int units);
template <int Units> LiValue StrucSetWCharArray(LiValue inst, void *addr, const LiStrucField *, LiValue v)
{
    need_array_room(inst, addr, 2 * Units);
    return set_wchar_array(addr, v, Units);
}
template <int Units> LiValue StrucGetWCharArray(LiValue inst, void *addr)
{
    need_array_room(inst, addr, 2 * Units);
    return get_wchar_array(addr, Units);
}
// OFSTRUCT.szPathName: OpenFile fills it with narrow text in the ANSI code page, so it is read
// and written as such (bounded the same way).
LiValue StrucSetAnsiPathArray(LiValue, void *addr, const LiStrucField *, LiValue v);
LiValue StrucGetAnsiPathArray(LiValue, void *addr);

// A view of class cls at addr inside instance inst: the last such view while it is still alive
// (a field read again, as in (.-x (.-pt m)) in a loop, makes no new instance), else a new one.
LiValue embedded_view(LiValue cls, LiValue inst, void *addr);
// One getter per nested class and form; it reads the class handle when it runs. An embedded
// structure's view lies inside its parent, which it keeps alive.
template <LiValue *Class> LiValue get_embedded(LiValue inst, void *addr) { return embedded_view(made_class(*Class), inst, addr); }
template <LiValue *Class> LiValue get_pointed(LiValue, void *addr)
{
    void *p;
    memcpy(&p, addr, sizeof p);
    return li_CreateInstance(made_class(*Class), p, 0);
}

// Table rows: name, offset, then the accessor set of the type code.
#define SF_WORD(off, code) ((uint32_t)(off) << 16) | (code), 0
#define SF_L(name, off) {name, SF_WORD(off, FT_LONG), li_StrucSetLong, li_StrucGetLong, nullptr}
#define SF_UL(name, off) {name, SF_WORD(off, FT_ULONG), li_StrucSetULong, li_StrucGetULong, nullptr}
#define SF_I(name, off) {name, SF_WORD(off, FT_INT), li_StrucSetInt, li_StrucGetInt, nullptr}
#define SF_UI(name, off) {name, SF_WORD(off, FT_UINT), li_StrucSetUInt, li_StrucGetUInt, nullptr}
#define SF_S(name, off) {name, SF_WORD(off, FT_SHORT), li_StrucSetShort, li_StrucGetShort, nullptr}
#define SF_US(name, off) {name, SF_WORD(off, FT_USHORT), li_StrucSetUShort, li_StrucGetUShort, nullptr}
#define SF_UC(name, off) {name, SF_WORD(off, FT_UCHAR), li_StrucSetUChar, li_StrucGetUChar, nullptr}
#define SF_F(name, off) {name, SF_WORD(off, FT_FLOAT), li_StrucSetFloat, li_StrucGetFloat, nullptr}
#define SF_N(name, off) {name, SF_WORD(off, FT_STRING), li_StrucSetStringPtrNA, li_StrucGetStringPtr, nullptr}
#define SF_WA(name, off, units) {name, SF_WORD(off, FT_STRING), StrucSetWCharArray<units>, StrucGetWCharArray<units>, nullptr}
#define SF_PATH128(name, off) {name, SF_WORD(off, FT_STRING), StrucSetAnsiPathArray, StrucGetAnsiPathArray, nullptr}
#define SF_C(name, off) {name, SF_WORD(off, FT_CELL), li_StrucSetCell, li_StrucGetCell, nullptr}
#define SF_W(name, off) {name, SF_WORD(off, FT_STRING), StrucSetWStringPtr, StrucGetWStringPtr, StrucFreeWStringPtr}
#define SF_EMB(name, off, cls) {name, ((uint32_t)(off) << 16) | FT_STRUCT, &cls, nullptr, get_embedded<&cls>, nullptr}
#define SF_PTR(name, off, cls) {name, SF_WORD(off, FT_STRUCT), nullptr, get_pointed<&cls>, nullptr}
#define SF_END {nullptr, 0, 0, nullptr, nullptr, nullptr}

// One row per class to create: li_MakeClass's arguments, with the handle the result is kept in.
// superclass is the address of the superclass's handle (read when the class is made), or null.
struct ClassRow {
    const char *name;
    LiValue *handle;
    const LiValue *superclass;
    const LiStrucField *fields;
    uint32_t size;
    LiConstructorHook ctor;
    LiDestructorHook dtor;
    LiInstanceHook destroy; // installed in the class record as soon as the class is made
};

// Makes the classes of count rows, in order.
void create_classes(const ClassRow *rows, size_t count);

} // namespace savrawin
