// The window layer's classes made from their rows (classes.h): each row's class record, its window
// class, the object its instances are made with, its Type and class-name functions and its methods.
#include <array>
#include <stdio.h>
#include <stdlib.h>

#include "../structs/catalogue.h"
#include "classes.h"
#include "common_dialogs.h"
#include "menu.h"
#include "records.h"
#include "resize.h"
#include "window_object.h"
#include "window_rows.h"

namespace savrawin {

#define SAVRA_DEFINE_CLASS(NAME, ...) LiValue cls_##NAME;
SAVRA_WINDOW_CLASSES(SAVRA_DEFINE_CLASS)
#undef SAVRA_DEFINE_CLASS

// No methods of its own: SWindow's, say, are its base's, its window's and its layout's.
const MethodTable no_methods = {nullptr, 0, false};

namespace {

// ---- the rows' columns ----------------------------------------------------------------------------

enum Row : size_t {
#define SAVRA_ROW_INDEX(NAME, ...) row_##NAME,
    SAVRA_WINDOW_CLASSES(SAVRA_ROW_INDEX)
#undef SAVRA_ROW_INDEX
        row_count
};

struct PlatformClass {
    const wchar_t *name; // the platform class superclassed, or null for the module's own
    bool named;          // the class has a NAME_GetWndClassName function
    bool window;         // the class has a Create method
};
constexpr PlatformClass named(const wchar_t *name) { return {name, true, true}; }
constexpr PlatformClass unnamed(const wchar_t *name) { return {name, false, true}; }
constexpr PlatformClass own_class = {nullptr, false, true};
constexpr PlatformClass no_window = {nullptr, false, false};

// ---- fields ---------------------------------------------------------------------------------------
// Instances' data are native objects of C++ types, each named on its row: the compiler proves that
// the object holds the class's size and every field the class reaches, at the field's offset from
// where the instance's data starts (a window object's SWindowBase part, any other object itself).
// A class's own fields are its native type's; most have none and inherit their base's.

LiStrucField no_fields[] = {SF_END};
template <class T> LiStrucField *const object_fields = no_fields;

template <class T> constexpr size_t data_start = std::is_base_of_v<WindowObject, T> ? window_script_offset : 0;
template <class T> constexpr size_t data_bytes = sizeof(T) - data_start<T>;

// A field row checked against its native object: offset, kind, the whole member inside the data,
// and for an array the capacity its accessors are made with.
#define OBJECT_CHECK(T, kind, name, off, ...)                                                                          \
    static_assert(offsetof(T, name) == data_start<T> + (off), #T "." #name " offset");                             \
    static_assert(fits_##kind<decltype(std::declval<T &>().name)>(), #T "." #name " does not fit its kind");        \
    static_assert((off) + sizeof(std::declval<T &>().name) <= data_bytes<T>, #T "." #name " inside the data");    \
    OBJECT_CHECK_##kind(T, name, ##__VA_ARGS__)
#define OBJECT_CHECK_UL(T, name)
#define OBJECT_CHECK_L(T, name)
#define OBJECT_CHECK_UI(T, name)
#define OBJECT_CHECK_S(T, name)
#define OBJECT_CHECK_US(T, name)
#define OBJECT_CHECK_UC(T, name)
#define OBJECT_CHECK_W(T, name)
#define OBJECT_CHECK_EMB(T, name, cls)
#define OBJECT_CHECK_WA(T, name, units)                                                                                \
    static_assert(sizeof(std::declval<T &>().name) == sizeof(wchar_t) * (units), #T "." #name " capacity");
template <class M> constexpr bool fits_WA()
{
    return std::is_array_v<M> && std::is_same_v<std::remove_extent_t<M>, wchar_t>;
}
#define OBJECT_FIELDS(NAME, CTYPE)                                                                                    \
    LiStrucField NAME##_fields[] = {NAME##_ROWS(SF_ROW, CTYPE) SF_END};                                                \
    template <> LiStrucField *const object_fields<CTYPE> = NAME##_fields;                                              \
    NAME##_ROWS(OBJECT_CHECK, CTYPE)

#define SWindowBase_ROWS(X, T) X(T, UL, m_hWnd, 0)
#define SHyperLink_ROWS(X, T)                                                                                          \
    X(T, W, m_lpstrLabel, 112) X(T, W, m_lpstrHyperLink, 116) X(T, UL, m_hCursor, 120) X(T, UL, m_hFont, 124)       \
    X(T, UL, m_hFontNormal, 128) X(T, EMB, m_rcLink, 132, cls_RECT) X(T, UL, m_clrLink, 152)                          \
    X(T, UL, m_clrVisited, 156) X(T, UL, m_dwExtendedStyle, 160)
#define SColorDialog_ROWS(X, T) X(T, UL, m_hWnd, 4)
#define SFileDialog_ROWS(X, T)                                                                                         \
    X(T, EMB, m_ofn, 32, cls_OPENFILENAME) X(T, L, m_bOpenFileDialog, 120) X(T, WA, m_szFileTitle, 124, 256)         \
    X(T, WA, m_szFileName, 636, 260)
#define SFolderDialog_ROWS(X, T) X(T, WA, m_szFolderDisplayName, 42, 260) X(T, WA, m_szFolderPath, 562, 260)
#define CMenu_ROWS(X, T) X(T, UL, m_hMenu, 0)
// The rich edit control's records (richedit.h). CHARFORMAT2's own fields start after CHARFORMAT's
// padded size (wWeight at 92), as the header derives the one from the other and the control reads
// them. PARAFORMAT2's tab stops (rgxTabs, 32 LONGs at 28) have no field: an array of numbers has no
// accessor kind.
#define CHARRANGE_ROWS(X, T) X(T, L, cpMin, 0) X(T, L, cpMax, 4)
#define CHARFORMAT2_ROWS(X, T)                                                                                         \
    X(T, UI, cbSize, 0) X(T, UL, dwMask, 4) X(T, UL, dwEffects, 8) X(T, L, yHeight, 12) X(T, L, yOffset, 16)         \
    X(T, UL, crTextColor, 20) X(T, UC, bCharSet, 24) X(T, UC, bPitchAndFamily, 25) X(T, WA, szFaceName, 26, 32)     \
    X(T, US, wWeight, 92) X(T, S, sSpacing, 94) X(T, UL, crBackColor, 96) X(T, UL, lcid, 100)                        \
    X(T, UL, dwReserved, 104) X(T, S, sStyle, 108) X(T, US, wKerning, 110) X(T, UC, bUnderlineType, 112)            \
    X(T, UC, bAnimation, 113) X(T, UC, bRevAuthor, 114) X(T, UC, bUnderlineColor, 115)
#define PARAFORMAT2_ROWS(X, T)                                                                                         \
    X(T, UI, cbSize, 0) X(T, UL, dwMask, 4) X(T, US, wNumbering, 8) X(T, US, wEffects, 10)                           \
    X(T, L, dxStartIndent, 12) X(T, L, dxRightIndent, 16) X(T, L, dxOffset, 20) X(T, US, wAlignment, 24)            \
    X(T, S, cTabCount, 26) X(T, L, dySpaceBefore, 156) X(T, L, dySpaceAfter, 160) X(T, L, dyLineSpacing, 164)       \
    X(T, S, sStyle, 168) X(T, UC, bLineSpacingRule, 170) X(T, UC, bOutlineLevel, 171)                               \
    X(T, US, wShadingWeight, 172) X(T, US, wShadingStyle, 174) X(T, US, wNumberingStart, 176)                       \
    X(T, US, wNumberingStyle, 178) X(T, US, wNumberingTab, 180) X(T, US, wBorderSpace, 182)                         \
    X(T, US, wBorderWidth, 184) X(T, US, wBorders, 186)
#define FINDTEXTEX_ROWS(X, T)                                                                                          \
    X(T, EMB, chrg, 0, cls_CHARRANGE) X(T, W, lpstrText, 8) X(T, EMB, chrgText, 12, cls_CHARRANGE)

OBJECT_FIELDS(SWindowBase, SWindowBase)
OBJECT_FIELDS(SHyperLink, HyperLinkObject)
OBJECT_FIELDS(SColorDialog, ColorDialogObject)
OBJECT_FIELDS(SFileDialog, FileDialogObject)
OBJECT_FIELDS(SFolderDialog, FolderDialogObject)
OBJECT_FIELDS(CMenu, MenuObject)
OBJECT_FIELDS(CHARRANGE, CHARRANGE)
OBJECT_FIELDS(CHARFORMAT2, CHARFORMAT2W)
OBJECT_FIELDS(PARAFORMAT2, PARAFORMAT2)
OBJECT_FIELDS(FINDTEXTEX, FINDTEXTEXW)

// The window classes inherit SWindowBase.m_hWnd at 0; so do the four dialogs that derive from SDialog,
// whose objects start with their dialog window.
static_assert(offsetof(WindowObject, base.m_hWnd) == window_script_offset, "a window's m_hWnd");
static_assert(offsetof(FolderDialogObject, m_hWnd) == 0 && offsetof(FontDialogObject, m_hWnd) == 0 &&
                  offsetof(PageSetupDialogObject, m_hWnd) == 0 && offsetof(PrintDialogObject, m_hWnd) == 0,
              "the SDialog-derived dialogs' m_hWnd");

#define SAVRA_NATIVE_CHECK(NAME, SUPER, TYPE, SIZE, PLATFORM, LAYOUT, METHODS)                                         \
    static_assert(sizeof(TYPE) >= (SIZE), #NAME ": the native object holds the class's size");                        \
    static_assert(data_bytes<TYPE> >= 4, #NAME ": the data holds its first field");                                   \
    static_assert(std::is_base_of_v<WindowObject, TYPE> || !PLATFORM.window,                                          \
                  #NAME ": a class with a window has a window object");                                              \
    static_assert(!std::is_base_of_v<WindowObject, TYPE> || std::is_base_of_v<ResizableWindow, TYPE> ==                \
                      (Layout::LAYOUT != Layout::None),                                                                \
                  #NAME ": a window object carries layout state when its class lays out");
SAVRA_WINDOW_CLASSES(SAVRA_NATIVE_CHECK)
#undef SAVRA_NATIVE_CHECK

// ---- window objects -------------------------------------------------------------------------------

// The window-class record of each row (only those of classes with a window are registered).
template <class T> constexpr DWORD default_style()
{
    if constexpr (std::is_base_of_v<WindowObject, T>) return T::default_style;
    else return 0;
}
template <class T> constexpr DWORD default_ex_style()
{
    if constexpr (std::is_base_of_v<WindowObject, T>) return T::default_ex_style;
    else return 0;
}
WindowClass window_classes[] = {
#define SAVRA_WINDOW_CLASS(NAME, SUPER, TYPE, SIZE, PLATFORM, LAYOUT, METHODS)                                         \
    {PLATFORM.name, default_style<TYPE>(), default_ex_style<TYPE>(), {}, nullptr, 0, {}},
    SAVRA_WINDOW_CLASSES(SAVRA_WINDOW_CLASS)
#undef SAVRA_WINDOW_CLASS
};

// The object of row I: its native type, knowing its row.
template <class Shape, size_t I> class RowObject final : public Shape {
public:
    WindowClass *GetClass() const override { return &window_classes[I]; }
    uint32_t DataBytes() const override { return (uint32_t)(sizeof(RowObject) - window_script_offset); }
};
static_assert(sizeof(RowObject<ControlWindow, 0>) == sizeof(ControlWindow), "a row object is its shape");

// The instance's data is the object's SWindowBase part, with the bytes from there to its end.
template <class T, size_t I> LiValue construct_window(LiValue inst, void *data, int owned, LiValue args)
{
    WindowObject *o = data ? WindowObject::of(data) : new RowObject<T, I>();
    return li_StrucSizedConstructor(inst, &o->base, o->DataBytes(), data ? owned : 1, args);
}

template <class T, size_t I> LiValue window_type()
{
    return li_CreateNonNullInstanceAlloc(&(new RowObject<T, I>())->base, *class_rows::handles[I], Nil);
}

// ---- the rows -------------------------------------------------------------------------------------

template <class T, size_t I> constexpr ClassHooks hooks_of()
{
    if constexpr (std::is_base_of_v<WindowObject, T>)
        return {construct_window<T, I>, nullptr, destroy_window_instance, window_type<T, I>};
    else
        return NativeHooks<T>::hooks;
}

struct ClassTableRow {
    ClassRow record;
    const char *type_name;       // NAMEType
    const char *class_name_name; // NAME_GetWndClassName
    ClassHooks hooks;
    PlatformClass platform;
    Layout layout;
    const MethodTable *methods;
    bool on_structure; // its superclass is a structure class: it is made with them
};

const ClassTableRow rows[] = {
#define SAVRA_ROW(NAME, SUPER, TYPE, SIZE, PLATFORM, LAYOUT, METHODS)                                                  \
    {{#NAME, &cls_##NAME, SUPER, object_fields<TYPE>, SIZE, hooks_of<TYPE, row_##NAME>().construct,                    \
      hooks_of<TYPE, row_##NAME>().destruct, hooks_of<TYPE, row_##NAME>().destroy},                                   \
     #NAME "Type", #NAME "_GetWndClassName", hooks_of<TYPE, row_##NAME>(), PLATFORM, Layout::LAYOUT, &METHODS,          \
     is_structure_handle(SUPER)},
    SAVRA_WINDOW_CLASSES(SAVRA_ROW)
#undef SAVRA_ROW
};
// One maker keeps such a row in its place of the class list: there is one (CMenuItemInfo).
#define SAVRA_ON_STRUCTURE(NAME, SUPER, ...) +is_structure_handle(SUPER)
static_assert(0 SAVRA_WINDOW_CLASSES(SAVRA_ON_STRUCTURE) <= 1, "at most one window-layer class derived from a structure");
#undef SAVRA_ON_STRUCTURE

template <size_t I> LiValue class_name() { return wide_text_result(rows[I].platform.name); }
template <size_t... I> constexpr auto class_name_entries(std::index_sequence<I...>)
{
    return std::array<LiEntry, sizeof...(I)>{class_name<I>...};
}
const auto class_names = class_name_entries(std::make_index_sequence<row_count>{});

// A row's method tables: its own, then the window methods and the resize methods where it has them.
size_t method_tables_of(const ClassTableRow &r, MethodTable (&tables)[3])
{
    size_t n = 0;
    tables[n++] = *r.methods;
    if (r.platform.window) tables[n++] = window_methods;
    if (r.layout == Layout::Methods) tables[n++] = resize_methods;
    return n;
}

// A class's methods are a few thousand rows in all, most of them for classes a script never uses:
// each class's are registered when it first needs them.
void install_methods(LiValue cls, void *row)
{
    const ClassTableRow &r = *(const ClassTableRow *)row;
    MethodTable tables[3];
    size_t n = method_tables_of(r, tables);
    register_methods(cls, r.record.name, tables, n);
}

// The row derived from a structure class, made after the structure classes, on their first need.
const ClassTableRow *on_structure = nullptr;
LiDeferredRow on_structure_name[1];
void make_on_structure()
{
    made_class(*on_structure->record.superclass);
    create_classes(&on_structure->record, 1);
    li_DeferMethods(*on_structure->record.handle, install_methods, (void *)on_structure);
}

} // namespace

void create_window_classes()
{
    for (const ClassTableRow &r : rows) {
        if (!r.on_structure) {
            create_classes(&r.record, 1);
            continue;
        }
        on_structure = &r;
        on_structure_name[0] = {r.record.name, li_NameHash(r.record.name)};
        li_DeferClasses(on_structure_name, 1, sizeof on_structure_name[0], make_on_structure);
    }
}

namespace {

// The global functions the classes bring, as deferred rows: made at start-up, since their names
// come from the class table (and CLASS_NAME ones are joined then), and registered on first use.
struct GlobalRow {
    const char *name;
    uint32_t hash;
    enum Kind : uint8_t { Type, ClassName, Method, AlsoGlobalMethod } kind;
    size_t index;            // the class's row
    const MethodRow *method; // for the method kinds
};
static_assert(starts_as_deferred_row<GlobalRow>, "a row starts as a deferred row does");
GlobalRow global_rows[512];
size_t global_count = 0;

void add_global(const char *name, GlobalRow::Kind kind, size_t index, const MethodRow *method)
{
    if (global_count == sizeof global_rows / sizeof global_rows[0]) {
        fprintf(stderr, "savrawinfns: more class functions than rows for them\n");
        abort();
    }
    global_rows[global_count++] = {name, li_NameHash(name), kind, index, method};
}

struct Adding {
    size_t index;
    const char *class_name;
};
void add_method_global(const MethodRow &r, bool also_global, void *context)
{
    const Adding &a = *(const Adding *)context;
    add_global(global_name(a.class_name, r, also_global), also_global ? GlobalRow::AlsoGlobalMethod : GlobalRow::Method,
               a.index, &r);
}

void define_global(const void *p)
{
    const GlobalRow &g = *(const GlobalRow *)p;
    const ClassTableRow &r = rows[g.index];
    switch (g.kind) {
    case GlobalRow::Type: li_CLFunction(g.name, r.hooks.type, 0); break;
    case GlobalRow::ClassName: li_CLFunction(g.name, class_names[g.index], 0); break;
    default: register_method_global(g.name, *g.method, g.kind == GlobalRow::AlsoGlobalMethod);
    }
}

} // namespace

void register_window_classes()
{
    for (size_t i = 0; i < row_count; i++) {
        const ClassTableRow &r = rows[i];
        MethodTable tables[3];
        size_t n = method_tables_of(r, tables);
        Adding adding{i, r.record.name};
        each_method_global(tables, n, add_method_global, &adding);
        if (!r.on_structure) li_DeferMethods(*r.record.handle, install_methods, (void *)&r); // else when made
        if (r.hooks.type) add_global(r.type_name, GlobalRow::Type, i, nullptr);
        if (r.platform.named) add_global(r.class_name_name, GlobalRow::ClassName, i, nullptr);
    }
    li_DeferFunctions(global_rows, (int)global_count, sizeof(GlobalRow), define_global);
}

} // namespace savrawin
