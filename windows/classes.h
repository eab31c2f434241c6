// The window layer's classes: one row each, in creation order, and every list of them derived from
// these rows (their handles, class records, window classes, Type and class-name functions, method
// tables; class_table.cpp).
//
//   X(NAME, SUPERCLASS, NATIVE TYPE, SIZE, PLATFORM CLASS, LAYOUT, METHODS)
//
// The native type is the C++ object an instance's data is (for a window, its SWindowBase part); it
// also decides the class's hooks: a window object is made and deleted as a window, a dialog or menu
// object as its own file says, a record of the platform's (records.h) is plain bytes. The platform
// class is the window class a window class superclasses: named(...) also gives the class its
// NAME_GetWndClassName function, unnamed(...) does not, own_class registers one of the module's own,
// no_window marks a class without a Create method. A layout of Methods gives the class the
// resize-layout methods (resize.cpp). METHODS is the class's table of method rows
// (binding/method_rows.h).
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <stdint.h>

#include "../binding/method_rows.h"
#include "../structs/classes.h"

#define SAVRA_WINDOW_CLASSES(X)                                                                                        \
    X(SWindowBase, nullptr, SWindowBase, 80, no_window, None, window_base_methods)                                     \
    X(SDialog, &cls_SWindowBase, DialogObject, 156, no_window, Methods, dialog_methods)                                \
    X(SStatic, &cls_SWindowBase, ResizableWindow, 160, named(L"STATIC"), State, static_methods)                        \
    X(SButton, &cls_SWindowBase, ResizableWindow, 160, named(L"BUTTON"), Methods, button_methods)                      \
    X(SListBox, &cls_SWindowBase, ResizableWindow, 160, named(L"LISTBOX"), Methods, list_box_methods)                  \
    X(SComboBox, &cls_SWindowBase, ResizableWindow, 160, named(L"COMBOBOX"), Methods, combo_box_methods)               \
    X(SEdit, &cls_SWindowBase, ResizableWindow, 160, named(L"EDIT"), Methods, edit_methods)                            \
    X(SScrollBar, &cls_SWindowBase, ResizableWindow, 160, named(L"SCROLLBAR"), State, scroll_bar_methods)              \
    X(SToolTipCtrl, &cls_SWindowBase, ResizableWindow, 160, named(TOOLTIPS_CLASSW), Methods, tool_tip_methods)         \
    X(SHeaderCtrl, &cls_SWindowBase, ResizableWindow, 160, named(WC_HEADERW), Methods, header_methods)                 \
    X(SListViewCtrl, &cls_SWindowBase, ResizableWindow, 160, named(WC_LISTVIEWW), Methods, list_view_methods)          \
    X(STreeViewCtrl, &cls_SWindowBase, ResizableWindow, 160, named(WC_TREEVIEWW), Methods, tree_view_methods)          \
    X(SToolBarCtrl, &cls_SWindowBase, ResizableWindow, 160, named(TOOLBARCLASSNAMEW), Methods, tool_bar_methods)       \
    X(SStatusBarCtrl, &cls_SWindowBase, ControlWindow, 116, named(STATUSCLASSNAMEW), None, status_bar_methods)         \
    X(STabCtrl, &cls_SWindowBase, ResizableWindow, 160, named(WC_TABCONTROLW), Methods, tab_methods)                   \
    X(STrackBarCtrl, &cls_SWindowBase, ResizableWindow, 160, named(TRACKBAR_CLASSW), Methods, track_bar_methods)       \
    X(SUpDownCtrl, &cls_SWindowBase, ResizableWindow, 160, named(UPDOWN_CLASSW), State, up_down_methods)               \
    X(SProgressBarCtrl, &cls_SWindowBase, ResizableWindow, 160, named(PROGRESS_CLASSW), Methods, progress_bar_methods) \
    X(SHotKeyCtrl, &cls_SWindowBase, ResizableWindow, 160, named(HOTKEY_CLASSW), State, hot_key_methods)               \
    X(SAnimateCtrl, &cls_SWindowBase, ResizableWindow, 160, named(ANIMATE_CLASSW), State, animate_methods)             \
    X(SRichEditCtrl, &cls_SWindowBase, ResizableWindow, 160, named(RICHEDIT_CLASSW), Methods, rich_edit_methods)       \
    X(SDragListBox, &cls_SListBox, ResizableWindow, 160, unnamed(L"LISTBOX"), State, drag_list_box_methods)            \
    X(SReBarCtrl, &cls_SWindowBase, ResizableWindow, 160, named(REBARCLASSNAMEW), Methods, rebar_methods)              \
    X(SComboBoxEx, &cls_SComboBox, ResizableWindow, 160, named(WC_COMBOBOXEXW), State, combo_box_ex_methods)           \
    X(SMonthCalendarCtrl, &cls_SWindowBase, ResizableWindow, 160, named(MONTHCAL_CLASSW), State, month_calendar_methods) \
    X(SDateTimePickerCtrl, &cls_SWindowBase, ResizableWindow, 160, named(DATETIMEPICK_CLASSW), State,                  \
      date_time_picker_methods)                                                                                        \
    X(SIPAddressCtrl, &cls_SWindowBase, ResizableWindow, 160, named(WC_IPADDRESSW), State, ip_address_methods)         \
    X(SPagerCtrl, &cls_SWindowBase, ResizableWindow, 160, named(WC_PAGESCROLLERW), Methods, pager_methods)             \
    X(SHyperLink, &cls_SWindowBase, HyperLinkObject, 172, own_class, None, hyper_link_methods)                         \
    X(SColorDialog, nullptr, ColorDialogObject, 72, no_window, None, color_dialog_methods)                             \
    X(SFileDialog, nullptr, FileDialogObject, 1156, no_window, None, file_dialog_methods)                              \
    X(SFolderDialog, &cls_SDialog, FolderDialogObject, 1092, no_window, None, folder_dialog_methods)                   \
    X(SFontDialog, &cls_SDialog, FontDialogObject, 316, no_window, None, font_dialog_methods)                          \
    X(SPageSetupDialog, &cls_SDialog, PageSetupDialogObject, 136, no_window, None, page_setup_dialog_methods)          \
    X(SPrintDialog, &cls_SDialog, PrintDialogObject, 108, no_window, None, print_dialog_methods)                       \
    X(SWindow, &cls_SWindowBase, ResizableWindow, 160, own_class, Methods, no_methods)                                 \
    X(SBitmapButton, &cls_SWindowBase, BitmapButtonObject, 152, unnamed(L"BUTTON"), None, bitmap_button_methods)       \
    X(SCheckListViewCtrl, &cls_SWindowBase, CheckListViewObject, 116, unnamed(WC_LISTVIEWW), None, no_methods)         \
    X(SFlatScrollBar, &cls_SWindowBase, ResizableWindow, 160, own_class, Methods, no_methods)                          \
    X(STreeViewCtrlEx, &cls_SWindowBase, ResizableWindow, 160, unnamed(WC_TREEVIEWW), Methods, no_methods)             \
    X(CMenuItemInfo, &cls_MENUITEMINFO, MENUITEMINFOW, 48, no_window, None, no_methods)                                \
    X(CMenu, nullptr, MenuObject, 4, no_window, None, menu_methods)                                               \
    X(CHARRANGE, nullptr, CHARRANGE, 8, no_window, None, no_methods)                                               \
    X(CHARFORMAT2, nullptr, CHARFORMAT2W, 116, no_window, None, no_methods)                                        \
    X(PARAFORMAT2, nullptr, PARAFORMAT2, 188, no_window, None, no_methods)                                         \
    X(FINDTEXTEX, nullptr, FINDTEXTEXW, 20, no_window, None, no_methods)

namespace savrawin {

struct SWindowBase;
class DialogObject;
class ResizableWindow;
class ControlWindow;
class HyperLinkObject;
class BitmapButtonObject;
class CheckListViewObject;
class ColorDialogObject;
class FileDialogObject;
class FolderDialogObject;
class FontDialogObject;
class PageSetupDialogObject;
class PrintDialogObject;
struct MenuObject;

#define SAVRA_DECLARE_CLASS(NAME, SUPER, TYPE, SIZE, PLATFORM, LAYOUT, METHODS)                                        \
    extern LiValue cls_##NAME;                                                                                         \
    extern const MethodTable METHODS;
SAVRA_WINDOW_CLASSES(SAVRA_DECLARE_CLASS)
#undef SAVRA_DECLARE_CLASS

// The class whose instances hold a native object of type T, for the types that belong to one class
// (not ResizableWindow, say): the receiver of that class's method rows (window_rows.h).
namespace class_rows {
#define SAVRA_NATIVE_TYPE(NAME, SUPER, TYPE, SIZE, PLATFORM, LAYOUT, METHODS) TYPE,
using Natives = msg::List<SAVRA_WINDOW_CLASSES(SAVRA_NATIVE_TYPE) void>;
#undef SAVRA_NATIVE_TYPE
#define SAVRA_HANDLE(NAME, SUPER, TYPE, SIZE, PLATFORM, LAYOUT, METHODS) &cls_##NAME,
constexpr LiValue *handles[] = {SAVRA_WINDOW_CLASSES(SAVRA_HANDLE)};
#undef SAVRA_HANDLE

// The row of the one class whose native type is T, or -1.
template <class T, class L> struct Only;
template <class T, class... N> struct Only<T, msg::List<N...>> {
    static constexpr int row()
    {
        int found = -1, count = 0, i = 0;
        ((std::is_same_v<T, N> ? (void)(found = i, count++) : (void)0, i++), ...);
        return count == 1 ? found : -1;
    }
};
} // namespace class_rows

template <class T, class = void> struct NativeClass {};
template <class T> struct NativeClass<T, std::enable_if_t<(class_rows::Only<T, class_rows::Natives>::row() >= 0)>> {
    static constexpr LiValue *cls = class_rows::handles[class_rows::Only<T, class_rows::Natives>::row()];
};

// Create and subclassing: the methods of every class with a window of its own (window_creation.cpp).
extern const MethodTable window_methods;

// Creates the classes, after the structure and argument classes. Run once, by the initialiser.
void create_window_classes();
// Registers each class's methods and functions. Run once, by the initialiser.
void register_window_classes();

} // namespace savrawin
