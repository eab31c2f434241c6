// The window, control, dialog and menu classes, as the class catalogue creates them after the
// structures and the argument classes. None has an SDK type to check against: their blocks are the
// module's own native objects, so sizes and offsets are the ones those objects are laid out with.
// Rows are the arguments of li_MakeClass, with the instance-destructor hook the class gets.
#include "../structs/catalogue.h"
#include "classes.h"
#include "common_dialogs.h"
#include "constructors.h"
#include "window_object.h"

namespace savrawin {

#define SAVRA_DEFINE_CLASS(NAME) LiValue cls_##NAME;
WINDOW_CLASS_LIST(SAVRA_DEFINE_CLASS, )
#undef SAVRA_DEFINE_CLASS

static LiStrucField no_fields[] = {SF_END};

// ---- window, control, dialog and menu classes -------------------------------------------------------------
// Their instances' data are native objects of C++ types, each named on its row below: the
// compiler proves that the object holds the class's size and every field the class reaches,
// at the field's offset from where the instance's data starts (a window object's SWindowBase
// part, a common dialog's object itself).

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
#define OBJECT_CHECK_W(T, name)
#define OBJECT_CHECK_EMB(T, name, cls)
#define OBJECT_CHECK_WA(T, name, units)                                                                                \
    static_assert(sizeof(std::declval<T &>().name) == sizeof(wchar_t) * (units), #T "." #name " capacity");
template <class M> constexpr bool fits_WA()
{
    return std::is_array_v<M> && std::is_same_v<std::remove_extent_t<M>, wchar_t>;
}
#define OBJECT_FIELDS(NAME, CTYPE)                                                                                    \
    static LiStrucField NAME##_fields[] = {NAME##_ROWS(SF_ROW, CTYPE) SF_END};                                         \
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

OBJECT_FIELDS(SWindowBase, SWindowBase)
OBJECT_FIELDS(SHyperLink, HyperLinkObject)
OBJECT_FIELDS(SColorDialog, ColorDialogObject)
OBJECT_FIELDS(SFileDialog, FileDialogObject)
OBJECT_FIELDS(SFolderDialog, FolderDialogObject)
static LiStrucField CMenu_fields[] = {SF_UL("m_hMenu", 0), SF_END};

// The window classes inherit SWindowBase.m_hWnd at 0; so do the four dialogs that derive from SDialog,
// whose objects start with their dialog window.
static_assert(offsetof(WindowObject, base.m_hWnd) == window_script_offset, "a window's m_hWnd");
static_assert(offsetof(FolderDialogObject, m_hWnd) == 0 && offsetof(FontDialogObject, m_hWnd) == 0 &&
                  offsetof(PageSetupDialogObject, m_hWnd) == 0 && offsetof(PrintDialogObject, m_hWnd) == 0,
              "the SDialog-derived dialogs' m_hWnd");

// name, superclass, fields, size, native object, constructor hook, instance-destructor hook
#define NATIVE_CLASSES(X)                                                                                              \
    X(SWindowBase, nullptr, SWindowBase_fields, 80, SWindowBase, construct_SWindowBase, destroy_SWindowBase)           \
    X(SDialog, &cls_SWindowBase, no_fields, 156, DialogObject, construct_window<&cls_SDialog>, destroy_window_instance) \
    WINDOW_ROW(X, SStatic, &cls_SWindowBase, ResizableWindow)                                                          \
    WINDOW_ROW(X, SButton, &cls_SWindowBase, ResizableWindow)                                                          \
    WINDOW_ROW(X, SListBox, &cls_SWindowBase, ResizableWindow)                                                         \
    WINDOW_ROW(X, SComboBox, &cls_SWindowBase, ResizableWindow)                                                        \
    WINDOW_ROW(X, SEdit, &cls_SWindowBase, ResizableWindow)                                                            \
    WINDOW_ROW(X, SScrollBar, &cls_SWindowBase, ResizableWindow)                                                       \
    WINDOW_ROW(X, SToolTipCtrl, &cls_SWindowBase, ResizableWindow)                                                     \
    WINDOW_ROW(X, SHeaderCtrl, &cls_SWindowBase, ResizableWindow)                                                      \
    WINDOW_ROW(X, SListViewCtrl, &cls_SWindowBase, ResizableWindow)                                                    \
    WINDOW_ROW(X, STreeViewCtrl, &cls_SWindowBase, ResizableWindow)                                                    \
    WINDOW_ROW(X, SToolBarCtrl, &cls_SWindowBase, ResizableWindow)                                                     \
    X(SStatusBarCtrl, &cls_SWindowBase, no_fields, 116, ControlWindow, construct_window<&cls_SStatusBarCtrl>,          \
      destroy_window_instance)                                                                                         \
    WINDOW_ROW(X, STabCtrl, &cls_SWindowBase, ResizableWindow)                                                         \
    WINDOW_ROW(X, STrackBarCtrl, &cls_SWindowBase, ResizableWindow)                                                    \
    WINDOW_ROW(X, SUpDownCtrl, &cls_SWindowBase, ResizableWindow)                                                      \
    WINDOW_ROW(X, SProgressBarCtrl, &cls_SWindowBase, ResizableWindow)                                                 \
    WINDOW_ROW(X, SHotKeyCtrl, &cls_SWindowBase, ResizableWindow)                                                      \
    WINDOW_ROW(X, SAnimateCtrl, &cls_SWindowBase, ResizableWindow)                                                     \
    WINDOW_ROW(X, SRichEditCtrl, &cls_SWindowBase, ResizableWindow)                                                    \
    WINDOW_ROW(X, SDragListBox, &cls_SListBox, ResizableWindow)                                                        \
    WINDOW_ROW(X, SReBarCtrl, &cls_SWindowBase, ResizableWindow)                                                       \
    WINDOW_ROW(X, SComboBoxEx, &cls_SComboBox, ResizableWindow)                                                        \
    WINDOW_ROW(X, SMonthCalendarCtrl, &cls_SWindowBase, ResizableWindow)                                               \
    WINDOW_ROW(X, SDateTimePickerCtrl, &cls_SWindowBase, ResizableWindow)                                              \
    WINDOW_ROW(X, SIPAddressCtrl, &cls_SWindowBase, ResizableWindow)                                                   \
    WINDOW_ROW(X, SPagerCtrl, &cls_SWindowBase, ResizableWindow)                                                       \
    X(SHyperLink, &cls_SWindowBase, SHyperLink_fields, 172, HyperLinkObject, construct_window<&cls_SHyperLink>,       \
      destroy_window_instance)                                                                                         \
    DIALOG_ROW(X, SColorDialog, nullptr, SColorDialog_fields, 72, ColorDialogObject)                                  \
    DIALOG_ROW(X, SFileDialog, nullptr, SFileDialog_fields, 1156, FileDialogObject)                                   \
    DIALOG_ROW(X, SFolderDialog, &cls_SDialog, SFolderDialog_fields, 1092, FolderDialogObject)                        \
    DIALOG_ROW(X, SFontDialog, &cls_SDialog, no_fields, 316, FontDialogObject)                                        \
    DIALOG_ROW(X, SPageSetupDialog, &cls_SDialog, no_fields, 136, PageSetupDialogObject)                              \
    DIALOG_ROW(X, SPrintDialog, &cls_SDialog, no_fields, 108, PrintDialogObject)                                      \
    WINDOW_ROW(X, SWindow, &cls_SWindowBase, ResizableWindow)                                                          \
    X(SBitmapButton, &cls_SWindowBase, no_fields, 152, BitmapButtonObject, construct_window<&cls_SBitmapButton>,      \
      destroy_window_instance)                                                                                         \
    X(SCheckListViewCtrl, &cls_SWindowBase, no_fields, 116, ControlWindow, construct_window<&cls_SCheckListViewCtrl>,  \
      destroy_window_instance)                                                                                         \
    WINDOW_ROW(X, SFlatScrollBar, &cls_SWindowBase, ResizableWindow)                                                   \
    WINDOW_ROW(X, STreeViewCtrlEx, &cls_SWindowBase, ResizableWindow)
// A resizable window or control: 160 bytes.
#define WINDOW_ROW(X, NAME, SUPER, TYPE) X(NAME, SUPER, no_fields, 160, TYPE, construct_window<&cls_##NAME>, destroy_window_instance)
#define DIALOG_ROW(X, NAME, SUPER, FIELDS, SIZE, TYPE)                                                                 \
    X(NAME, SUPER, FIELDS, SIZE, TYPE, construct_common_dialog<TYPE>, destroy_common_dialog<TYPE>)

#define NATIVE_CHECK(NAME, SUPER, FIELDS, SIZE, TYPE, CTOR, DESTROY)                                                   \
    static_assert(sizeof(TYPE) >= (SIZE), #NAME ": the native object holds the class's size");                        \
    static_assert(data_bytes<TYPE> >= sizeof(HWND), #NAME ": the data holds m_hWnd");
NATIVE_CLASSES(NATIVE_CHECK)

#define NATIVE_ROW(NAME, SUPER, FIELDS, SIZE, TYPE, CTOR, DESTROY) {#NAME, &cls_##NAME, SUPER, FIELDS, SIZE, CTOR, nullptr, DESTROY},

#define ROW(NAME, SUPER, FIELDS, SIZE, CTOR, DTOR) {#NAME, &cls_##NAME, SUPER, FIELDS, SIZE, CTOR, DTOR, nullptr}

const ClassRow window_classes[] = {
    NATIVE_CLASSES(NATIVE_ROW)
    // Menu classes: an item record over MENUITEMINFO, and the menu handle holder.
    ROW(CMenuItemInfo, &cls_MENUITEMINFO, no_fields, 48, construct_CMenuItemInfo, nullptr),
    ROW(CMenu, nullptr, CMenu_fields, 4, construct_CMenu, destruct_CMenu),
};
static_assert(sizeof window_classes / sizeof window_classes[0] == 42, "the window layer's class count");

void create_window_classes() { create_classes(window_classes, sizeof window_classes / sizeof window_classes[0]); }

} // namespace savrawin
