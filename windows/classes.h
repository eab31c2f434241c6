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

// Creates them, after the structure and argument classes. Run once, by the initialiser.
void create_window_classes();

} // namespace savrawin
