// The window layer's class handles, kept from creation for the module's lifetime.
#pragma once

#include "../structs/classes.h"

namespace savrawin {

// window, control, dialog and menu classes
#define WINDOW_CLASS_LIST(C, D) C(SWindowBase) C(SDialog) C(SStatic) C(SButton) C(SListBox) C(SComboBox) C(SEdit)        \
    C(SScrollBar) C(SToolTipCtrl) C(SHeaderCtrl) C(SListViewCtrl) C(STreeViewCtrl) C(SToolBarCtrl) C(SStatusBarCtrl)  \
    C(STabCtrl) C(STrackBarCtrl) C(SUpDownCtrl) C(SProgressBarCtrl) C(SHotKeyCtrl) C(SAnimateCtrl) C(SRichEditCtrl)   \
    C(SDragListBox) C(SReBarCtrl) C(SComboBoxEx) C(SMonthCalendarCtrl) C(SDateTimePickerCtrl) C(SIPAddressCtrl)       \
    C(SPagerCtrl) C(SHyperLink) C(SColorDialog) C(SFileDialog) C(SFolderDialog) C(SFontDialog) C(SPageSetupDialog)    \
    C(SPrintDialog) C(SWindow) C(SBitmapButton) C(SCheckListViewCtrl) C(SFlatScrollBar) C(STreeViewCtrlEx)            \
    C(CMenuItemInfo) C(CMenu)


#define SAVRA_DECLARE_CLASS(NAME) extern LiValue cls_##NAME;
WINDOW_CLASS_LIST(SAVRA_DECLARE_CLASS, )
#undef SAVRA_DECLARE_CLASS

// The class whose instances hold a native object of type T, for the types that belong to one class:
// the receiver of that class's method rows (window_rows.h).
template <class T> struct NativeClass;
#define SAVRA_NATIVE_CLASS(KEY, TYPE, NAME)                                                                            \
    KEY TYPE;                                                                                                          \
    template <> struct NativeClass<TYPE> {                                                                             \
        static constexpr LiValue *cls = &cls_##NAME;                                                                   \
    };
SAVRA_NATIVE_CLASS(class, DialogObject, SDialog)
SAVRA_NATIVE_CLASS(class, HyperLinkObject, SHyperLink)
SAVRA_NATIVE_CLASS(class, BitmapButtonObject, SBitmapButton)
SAVRA_NATIVE_CLASS(class, ColorDialogObject, SColorDialog)
SAVRA_NATIVE_CLASS(class, FileDialogObject, SFileDialog)
SAVRA_NATIVE_CLASS(class, FolderDialogObject, SFolderDialog)
SAVRA_NATIVE_CLASS(class, FontDialogObject, SFontDialog)
SAVRA_NATIVE_CLASS(class, PageSetupDialogObject, SPageSetupDialog)
SAVRA_NATIVE_CLASS(class, PrintDialogObject, SPrintDialog)
SAVRA_NATIVE_CLASS(struct, MenuObject, CMenu)
#undef SAVRA_NATIVE_CLASS

// Creates them, after the structure and argument classes. Run once, by the initialiser.
void create_window_classes();

} // namespace savrawin
