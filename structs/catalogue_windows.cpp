// The argument unions, the dialog-template helper, and the window, control, dialog and menu classes.
// None has an SDK type to check against: their blocks are the module's own native objects (and the
// unions' single words), so sizes and offsets are the ones those objects are laid out with.
// Rows are the arguments of li_MakeClass: a later change only fills in the hook columns.
#include "catalogue.h"
#include "../windows/constructors.h"

namespace savrawin {

LiValue cls__U_RECT, cls__U_MENUorID, cls__U_STRINGorID, cls__DialogSplitHelper;
LiValue cls_SWindowBase, cls_SDialog, cls_SStatic, cls_SButton, cls_SListBox, cls_SComboBox, cls_SEdit, cls_SScrollBar,
    cls_SToolTipCtrl, cls_SHeaderCtrl, cls_SListViewCtrl, cls_STreeViewCtrl, cls_SToolBarCtrl, cls_SStatusBarCtrl,
    cls_STabCtrl, cls_STrackBarCtrl, cls_SUpDownCtrl, cls_SProgressBarCtrl, cls_SHotKeyCtrl, cls_SAnimateCtrl,
    cls_SRichEditCtrl, cls_SDragListBox, cls_SReBarCtrl, cls_SComboBoxEx, cls_SMonthCalendarCtrl,
    cls_SDateTimePickerCtrl, cls_SIPAddressCtrl, cls_SPagerCtrl, cls_SHyperLink, cls_SColorDialog, cls_SFileDialog,
    cls_SFolderDialog, cls_SFontDialog, cls_SPageSetupDialog, cls_SPrintDialog, cls_SWindow, cls_SBitmapButton,
    cls_SCheckListViewCtrl, cls_SFlatScrollBar, cls_STreeViewCtrlEx, cls_CMenuItemInfo, cls_CMenu;

static LiStrucField no_fields[] = {SF_END};

// ---- argument unions and the dialog-template helper -----------------------------------------------------

static LiStrucField _U_RECT_fields[] = {SF_PTR("m_lpRect", 0, cls_RECT), SF_END};
static LiStrucField _U_MENUorID_fields[] = {SF_UL("m_hMenu", 0), SF_END};
static LiStrucField _U_STRINGorID_fields[] = {SF_W("m_lpstr", 0), SF_END};

#define ROW(NAME, SUPER, FIELDS, SIZE, CTOR, DTOR) {#NAME, &cls_##NAME, SUPER, FIELDS, SIZE, CTOR, DTOR}

// name, superclass, fields, size, constructor hook, destructor hook
const ClassRow argument_classes[] = {
    ROW(_U_RECT, nullptr, _U_RECT_fields, 4, construct__U_RECT, nullptr),
    ROW(_U_MENUorID, nullptr, _U_MENUorID_fields, 4, construct__U_MENUorID, nullptr),
    ROW(_U_STRINGorID, nullptr, _U_STRINGorID_fields, 4, construct__U_STRINGorID, nullptr),
    ROW(_DialogSplitHelper, nullptr, no_fields, 1, nullptr, nullptr),
};

// ---- window, control, dialog and menu classes -------------------------------------------------------------

static LiStrucField SWindowBase_fields[] = {SF_UL("m_hWnd", 0), SF_END};
static LiStrucField SHyperLink_fields[] = {
    SF_W("m_lpstrLabel", 112),      SF_W("m_lpstrHyperLink", 116), SF_UL("m_hCursor", 120),
    SF_UL("m_hFont", 124),          SF_UL("m_hFontNormal", 128),   SF_EMB("m_rcLink", 132, cls_RECT),
    SF_UL("m_clrLink", 152),        SF_UL("m_clrVisited", 156),    SF_UL("m_dwExtendedStyle", 160),
    SF_END};
static LiStrucField SColorDialog_fields[] = {SF_UL("m_hWnd", 4), SF_END};
static LiStrucField SFileDialog_fields[] = {
    SF_EMB("m_ofn", 32, cls_OPENFILENAME), SF_L("m_bOpenFileDialog", 120), SF_WA("m_szFileTitle", 124, 256),
    SF_WA("m_szFileName", 636, 260), SF_END};
static LiStrucField SFolderDialog_fields[] = {
    SF_WA("m_szFolderDisplayName", 42, 260), SF_WA("m_szFolderPath", 562, 260), SF_END};
static LiStrucField CMenu_fields[] = {SF_UL("m_hMenu", 0), SF_END};

// name, superclass, fields, size, constructor hook, destructor hook
const ClassRow window_classes[] = {
    ROW(SWindowBase, nullptr, SWindowBase_fields, 80, construct_SWindowBase, nullptr),
    ROW(SDialog, &cls_SWindowBase, no_fields, 156, construct_window<&cls_SDialog>, nullptr),
    ROW(SStatic, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SStatic>, nullptr),
    ROW(SButton, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SButton>, nullptr),
    ROW(SListBox, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SListBox>, nullptr),
    ROW(SComboBox, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SComboBox>, nullptr),
    ROW(SEdit, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SEdit>, nullptr),
    ROW(SScrollBar, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SScrollBar>, nullptr),
    ROW(SToolTipCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SToolTipCtrl>, nullptr),
    ROW(SHeaderCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SHeaderCtrl>, nullptr),
    ROW(SListViewCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SListViewCtrl>, nullptr),
    ROW(STreeViewCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_STreeViewCtrl>, nullptr),
    ROW(SToolBarCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SToolBarCtrl>, nullptr),
    ROW(SStatusBarCtrl, &cls_SWindowBase, no_fields, 116, construct_window<&cls_SStatusBarCtrl>, nullptr),
    ROW(STabCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_STabCtrl>, nullptr),
    ROW(STrackBarCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_STrackBarCtrl>, nullptr),
    ROW(SUpDownCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SUpDownCtrl>, nullptr),
    ROW(SProgressBarCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SProgressBarCtrl>, nullptr),
    ROW(SHotKeyCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SHotKeyCtrl>, nullptr),
    ROW(SAnimateCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SAnimateCtrl>, nullptr),
    ROW(SRichEditCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SRichEditCtrl>, nullptr),
    ROW(SDragListBox, &cls_SListBox, no_fields, 160, construct_window<&cls_SDragListBox>, nullptr),
    ROW(SReBarCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SReBarCtrl>, nullptr),
    ROW(SComboBoxEx, &cls_SComboBox, no_fields, 160, construct_window<&cls_SComboBoxEx>, nullptr),
    ROW(SMonthCalendarCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SMonthCalendarCtrl>, nullptr),
    ROW(SDateTimePickerCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SDateTimePickerCtrl>, nullptr),
    ROW(SIPAddressCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SIPAddressCtrl>, nullptr),
    ROW(SPagerCtrl, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SPagerCtrl>, nullptr),
    ROW(SHyperLink, &cls_SWindowBase, SHyperLink_fields, 172, construct_window<&cls_SHyperLink>, nullptr),
    ROW(SColorDialog, nullptr, SColorDialog_fields, 72, nullptr, nullptr),
    ROW(SFileDialog, nullptr, SFileDialog_fields, 1156, nullptr, nullptr),
    ROW(SFolderDialog, &cls_SDialog, SFolderDialog_fields, 1092, nullptr, nullptr),
    ROW(SFontDialog, &cls_SDialog, no_fields, 316, nullptr, nullptr),
    ROW(SPageSetupDialog, &cls_SDialog, no_fields, 136, nullptr, nullptr),
    ROW(SPrintDialog, &cls_SDialog, no_fields, 108, nullptr, nullptr),
    ROW(SWindow, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SWindow>, nullptr),
    ROW(SBitmapButton, &cls_SWindowBase, no_fields, 152, construct_window<&cls_SBitmapButton>, nullptr),
    ROW(SCheckListViewCtrl, &cls_SWindowBase, no_fields, 116, construct_window<&cls_SCheckListViewCtrl>, nullptr),
    ROW(SFlatScrollBar, &cls_SWindowBase, no_fields, 160, construct_window<&cls_SFlatScrollBar>, nullptr),
    ROW(STreeViewCtrlEx, &cls_SWindowBase, no_fields, 160, construct_window<&cls_STreeViewCtrlEx>, nullptr),
    ROW(CMenuItemInfo, &cls_MENUITEMINFO, no_fields, 48, construct_CMenuItemInfo, nullptr),
    ROW(CMenu, nullptr, CMenu_fields, 4, construct_CMenu, destruct_CMenu),
};

} // namespace savrawin
