// The script window classes: their window classes, creation, the Type functions, the link
// between script instance and native object in both directions, and SDialog.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <stdio.h>
#include <string.h>

#include "../binding/overload.h"
#include "classes.h"
#include "constructors.h"
#include "handlers.h"
#include "method_wrap.h"
#include "resize.h"
#include "window_object.h"

namespace savrawin {

namespace {

constexpr DWORD child_style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

// One row per class that has a Create method, alphabetical: the order Create is registered in.
WindowClass window_classes[] = {
    {"SAnimateCtrl", &cls_SAnimateCtrl, L"SysAnimate32", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SBitmapButton", &cls_SBitmapButton, L"BUTTON", Layout::None, child_style, 0, {}, nullptr, 0, {}},
    {"SButton", &cls_SButton, L"BUTTON", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SCheckListViewCtrl", &cls_SCheckListViewCtrl, L"SysListView32", Layout::None, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
     WS_EX_CLIENTEDGE, {}, nullptr, 0, {}},
    {"SComboBox", &cls_SComboBox, L"COMBOBOX", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SComboBoxEx", &cls_SComboBoxEx, L"ComboBoxEx32", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SDateTimePickerCtrl", &cls_SDateTimePickerCtrl, L"SysDateTimePick32", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SDragListBox", &cls_SDragListBox, L"LISTBOX", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SEdit", &cls_SEdit, L"EDIT", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SFlatScrollBar", &cls_SFlatScrollBar, nullptr, Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SHeaderCtrl", &cls_SHeaderCtrl, L"SysHeader32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SHotKeyCtrl", &cls_SHotKeyCtrl, L"msctls_hotkey32", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SHyperLink", &cls_SHyperLink, nullptr, Layout::None, child_style, 0, {}, nullptr, 0, {}},
    {"SIPAddressCtrl", &cls_SIPAddressCtrl, L"SysIPAddress32", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SListBox", &cls_SListBox, L"LISTBOX", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SListViewCtrl", &cls_SListViewCtrl, L"SysListView32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SMonthCalendarCtrl", &cls_SMonthCalendarCtrl, L"SysMonthCal32", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SPagerCtrl", &cls_SPagerCtrl, L"SysPager", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SProgressBarCtrl", &cls_SProgressBarCtrl, L"msctls_progress32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SReBarCtrl", &cls_SReBarCtrl, L"ReBarWindow32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SRichEditCtrl", &cls_SRichEditCtrl, L"RichEdit20W", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SScrollBar", &cls_SScrollBar, L"SCROLLBAR", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SStatic", &cls_SStatic, L"STATIC", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SStatusBarCtrl", &cls_SStatusBarCtrl, L"msctls_statusbar32", Layout::None, child_style, 0, {}, nullptr, 0, {}},
    {"STabCtrl", &cls_STabCtrl, L"SysTabControl32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SToolBarCtrl", &cls_SToolBarCtrl, L"ToolbarWindow32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SToolTipCtrl", &cls_SToolTipCtrl, L"tooltips_class32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"STrackBarCtrl", &cls_STrackBarCtrl, L"msctls_trackbar32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"STreeViewCtrl", &cls_STreeViewCtrl, L"SysTreeView32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"STreeViewCtrlEx", &cls_STreeViewCtrlEx, L"SysTreeView32", Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
    {"SUpDownCtrl", &cls_SUpDownCtrl, L"msctls_updown32", Layout::State, child_style, 0, {}, nullptr, 0, {}},
    {"SWindow", &cls_SWindow, nullptr, Layout::Methods, child_style, 0, {}, nullptr, 0, {}},
};
WindowClass dialog_class = {"SDialog", &cls_SDialog, nullptr, Layout::Methods, 0, 0, {}, nullptr, 0, {}};
constexpr size_t window_class_count = sizeof window_classes / sizeof window_classes[0];

// The object of row I: classes with a layout carry its state; the hyperlink and the bitmap
// button their control implementations; other controls one word of theirs.
template <class Shape, size_t I> class RowObject final : public Shape {
public:
    WindowClass *GetClass() const override { return &window_classes[I]; }
    uint32_t DataBytes() const override { return (uint32_t)(sizeof(RowObject) - window_script_offset); }
};

template <size_t I> WindowObject *make_object()
{
    const WindowClass &c = window_classes[I];
    if (c.script_class == &cls_SHyperLink) return new RowObject<HyperLinkObject, I>();
    if (c.script_class == &cls_SBitmapButton) return new RowObject<BitmapButtonObject, I>();
    if (c.script_class == &cls_SCheckListViewCtrl) return new RowObject<CheckListViewObject, I>();
    if (c.layout != Layout::None) return new RowObject<ResizableWindow, I>();
    return new RowObject<ControlWindow, I>();
}
// The class catalogue checks each shape against its class; a row object adds nothing to it.
static_assert(sizeof(RowObject<ControlWindow, 0>) == sizeof(ControlWindow), "a row object is its shape");
static_assert(sizeof(RowObject<HyperLinkObject, 0>) == sizeof(HyperLinkObject), "a row object is its shape");
static_assert(sizeof(CheckListViewObject) == sizeof(ControlWindow), "the check-list view keeps a control's data");
template <size_t... I> constexpr auto maker_table(std::index_sequence<I...>)
{
    return std::array<WindowObject *(*)(), sizeof...(I)>{make_object<I>...};
}
const auto makers = maker_table(std::make_index_sequence<window_class_count>{});

WindowObject *object_arg(LiValue v) { return WindowObject::of(window_arg(v)); }

// ---- Create --------------------------------------------------------------------------------------

LiValue Create_entry()
{
    LiValue inst = ArgBase[0];
    WindowObject *o = object_arg(inst);
    HWND parent = handle_arg<HWND>(ArgBase[1]);
    const RECT *rect = (const RECT *)structure_arg(ArgBase[2]);
    check_storage(ArgBase, 2, sizeof(RECT));
    LiValue name = ArgBase[3];
    check_text_arg(name);
    DWORD style = (DWORD)integer_arg(ArgBase[4]), ex_style = (DWORD)integer_arg(ArgBase[5]);
    wchar_t *wide = li_StringP(name) ? make_wide_copy(name) : nullptr;
    HWND hwnd = o->Create(parent, rect, wide, style, ex_style);
    if (hwnd) {
        attach_user_data(hwnd, inst, o);
        SendMessageW(hwnd, WM_SETFONT, (WPARAM)GetStockObject(DEFAULT_GUI_FONT), 0);
    }
    free(wide);
    return li_CreateLong((int32_t)(uintptr_t)hwnd);
}

// ---- subclassing ------------------------------------------------------------------------------------
// An existing window's messages go through the object's map. Its user data is left alone, so it
// has no script instance for colour lookups and its final message frees nothing.

LiValue SubclassWindow_entry()
{
    WindowObject *o = object_arg(ArgBase[0]);
    HWND hwnd = handle_arg<HWND>(ArgBase[1]);
    if (!o->PrepareThunk(WindowObject::WindowProc)) return li_CreateLong(0);
    LONG_PTR previous = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)o->thunk);
    if (!previous) return li_CreateLong(0);
    o->super_proc = (WNDPROC)previous;
    o->base.m_hWnd = hwnd;
    o->OnAttached();
    return li_CreateLong(1);
}

LiValue UnsubclassWindow_entry()
{
    WindowObject *o = object_arg(ArgBase[0]);
    HWND hwnd = o->base.m_hWnd;
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != (LONG_PTR)o->thunk) return li_CreateLong(0);
    if (!SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)o->super_proc)) return li_CreateLong(0);
    o->super_proc = DefWindowProcW;
    o->base.m_hWnd = nullptr;
    return li_CreateLong((int32_t)(uintptr_t)hwnd);
}

// ---- construction ----------------------------------------------------------------------------------

// The instance's data is the object's SWindowBase part, with the bytes from there to its end.
template <class Make> LiValue construct_with(LiValue inst, void *data, int owned, LiValue args, Make make)
{
    WindowObject *o = data ? WindowObject::of(data) : make();
    return li_StrucSizedConstructor(inst, &o->base, o->DataBytes(), data ? owned : 1, args);
}

template <class Make> LiValue type_function(LiValue cls, Make make)
{
    return li_CreateNonNullInstanceAlloc(&make()->base, cls, Nil);
}

DialogObject *make_dialog() { return new DialogObject(); }
LiValue dialog_type() { return type_function(cls_SDialog, make_dialog); }

// One Type function per class, each knowing its row.
template <size_t I> LiValue window_type() { return type_function(*window_classes[I].script_class, makers[I]); }
template <size_t... I> constexpr auto type_table(std::index_sequence<I...>) { return std::array<LiEntry, sizeof...(I)>{window_type<I>...}; }
const auto type_functions = type_table(std::make_index_sequence<window_class_count>{});

// ---- SDialog ------------------------------------------------------------------------------------------

DialogObject *dialog_arg(LiValue v) { return (DialogObject *)object_arg(v); }

INT_PTR run_modal(DialogObject *d, HWND parent, LPARAM param)
{
    if (!d->PrepareThunk((WNDPROC)(void *)DialogObject::DialogProc)) return -1;
    add_create_data(&d->create_data, d);
    return DialogBoxParamW(module_instance, MAKEINTRESOURCEW(101), parent, DialogObject::StartDialogProc, param);
}

HWND run_modeless(DialogObject *d, HWND parent, LPARAM param)
{
    if (!d->PrepareThunk((WNDPROC)(void *)DialogObject::DialogProc)) return nullptr;
    add_create_data(&d->create_data, d);
    return CreateDialogParamW(module_instance, MAKEINTRESOURCEW(101), parent, DialogObject::StartDialogProc, param);
}

LiValue DoModal0() { return li_CreateLong((int32_t)run_modal(dialog_arg(ArgBase[0]), GetActiveWindow(), 0)); }
LiValue DoModal1()
{
    DialogObject *d = dialog_arg(ArgBase[0]);
    return li_CreateLong((int32_t)run_modal(d, handle_arg<HWND>(ArgBase[1]), 0));
}
LiValue DoModal2()
{
    DialogObject *d = dialog_arg(ArgBase[0]);
    HWND parent = handle_arg<HWND>(ArgBase[1]);
    return li_CreateLong((int32_t)run_modal(d, parent, (LPARAM)integer_arg(ArgBase[2])));
}

LiValue create_dialog(HWND parent, LPARAM param)
{
    return li_CreateLong((int32_t)(uintptr_t)run_modeless(dialog_arg(ArgBase[0]), parent, param));
}
LiValue DialogCreate1() { return create_dialog(handle_arg<HWND>(ArgBase[1]), 0); }
// The second argument: an initialisation parameter, or a rectangle (nil or an instance) that is
// accepted and ignored.
LiValue DialogCreate2()
{
    HWND parent = handle_arg<HWND>(ArgBase[1]);
    LiValue second = ArgBase[2];
    if (li_LongP(second)) return create_dialog(parent, (LPARAM)li_LVal(second));
    structure_arg(second);
    return create_dialog(parent, 0);
}

constexpr FormParam dialog_parent = integer("hWndParent");
SAVRA_OVERLOAD(do_modal_forms, "No matching function for overloaded 'SDialog::DoModal'", form(DoModal0, instance),
               form(DoModal1, instance, dialog_parent), form(DoModal2, instance, dialog_parent, integer("dwInitParam")));
SAVRA_OVERLOAD(dialog_create_forms, "No matching function for overloaded 'SDialog::Create'",
               form(DialogCreate1, instance, dialog_parent), form(DialogCreate2, instance, dialog_parent, any("dwInitParam")));

BOOL WINAPI EndDialogWithCode(HWND h, INT_PTR code) { return EndDialog(h, code); }

const MethodRow dialog_methods[] = {
    SAVRA_METHOD("MapDialogRect", MapDialogRect, "lpRect"),
    SAVRA_METHOD("EndDialog", EndDialogWithCode, "nRetCode"),
};

} // namespace

WindowClass *DialogObject::GetClass() const { return &dialog_class; }

// The instance-destructor hook of the window classes: a live window is destroyed (its final
// message then ends the object); an object without a window is deleted, unless the final message
// is already doing that. A view of someone else's object leaves it alone.
void destroy_window_instance(LiValue inst)
{
    void *data = li_InstanceData(inst);
    if (!data || !li_InstanceOwnsData(inst)) return;
    WindowObject *o = WindowObject::of(data);
    if (o->base.m_hWnd) {
        DestroyWindow(o->base.m_hWnd);
        return;
    }
    if (!li_NoDelete(inst)) delete o;
}

LiValue construct_window_for(const LiValue *cls, LiValue inst, void *data, int owned, LiValue args)
{
    if (cls == &cls_SDialog) return construct_with(inst, data, owned, args, make_dialog);
    for (size_t i = 0; i < window_class_count; i++)
        if (window_classes[i].script_class == cls) return construct_with(inst, data, owned, args, makers[i]);
    return li_StrucBasicConstructor(inst, data, owned, args);
}

void register_window_create_methods()
{
    for (WindowClass &c : window_classes) {
        LiValue cls = *c.script_class;
        li_DefCMethod(cls, "Create", Create_entry, 5, "hWndParent", 0, "rect", 0, "szWindowName", 0, "dwStyle", 0, "dwExStyle", 0);
    }
}

// The layout methods on the classes whose table row asks for them (derived classes inherit them).
void register_resize_methods()
{
    for (const WindowClass &c : window_classes)
        if (c.layout == Layout::Methods) add_resize_methods(*c.script_class);
    add_resize_methods(*dialog_class.script_class);
}

void register_subclass_methods()
{
    for (WindowClass &c : window_classes) {
        LiValue cls = *c.script_class;
        li_DefCMethod(cls, "SubclassWindow", SubclassWindow_entry, 1, "hWnd", 0);
        li_DefCMethod(cls, "UnsubclassWindow", UnsubclassWindow_entry, 0);
    }
}

void register_window_class_methods()
{
    static char names[window_class_count][32];
    for (size_t i = 0; i < window_class_count; i++) {
        snprintf(names[i], sizeof names[i], "%sType", window_classes[i].script_name);
        li_CLFunction(names[i], type_functions[i], 0);
    }
    li_CLFunction("SDialogType", dialog_type, 0);
    register_overloaded_method<do_modal_forms>(cls_SDialog, "DoModal");
    register_overloaded_method<dialog_create_forms>(cls_SDialog, "Create");
    register_methods(cls_SDialog, dialog_methods, sizeof dialog_methods / sizeof dialog_methods[0]);
}

} // namespace savrawin
