// The script window classes: their window classes, creation, the Type functions, the link
// between script instance and native object in both directions, and SDialog.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <stdio.h>
#include <string.h>

#include "classes.h"
#include "constructors.h"
#include "handlers.h"
#include "resize.h"
#include "window_object.h"
#include "window_rows.h"

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

BOOL subclass_window(WindowObject *o, HWND hwnd)
{
    if (!o->PrepareThunk(WindowObject::WindowProc)) return FALSE;
    LONG_PTR previous = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)o->thunk);
    if (!previous) return FALSE;
    o->super_proc = (WNDPROC)previous;
    o->base.m_hWnd = hwnd;
    o->OnAttached();
    return TRUE;
}

HWND unsubclass_window(WindowObject *o)
{
    HWND hwnd = o->base.m_hWnd;
    if (!hwnd || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != (LONG_PTR)o->thunk) return nullptr;
    if (!SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)o->super_proc)) return nullptr;
    o->super_proc = DefWindowProcW;
    o->base.m_hWnd = nullptr;
    return hwnd;
}

// The methods every window class with a window of its own has.
const MethodRow window_rows[] = {
    method<Entry<Create_entry, 'I', 'A', 'A', 'I', 'I'>>("Create", "hWndParent", "rect", "szWindowName", "dwStyle",
                                                         "dwExStyle"),
    method<Call<subclass_window>>("SubclassWindow", "hWnd"),
    method<Call<unsubclass_window>>("UnsubclassWindow"),
};

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
INT_PTR run_modal_active(DialogObject *d) { return run_modal(d, GetActiveWindow(), 0); }

HWND run_modeless(DialogObject *d, HWND parent, LPARAM param)
{
    if (!d->PrepareThunk((WNDPROC)(void *)DialogObject::DialogProc)) return nullptr;
    add_create_data(&d->create_data, d);
    return CreateDialogParamW(module_instance, MAKEINTRESOURCEW(101), parent, DialogObject::StartDialogProc, param);
}

// The second argument: an initialisation parameter, or a rectangle (nil or an instance) that is
// accepted and ignored.
LiValue DialogCreate_entry()
{
    HWND parent = handle_arg<HWND>(ArgBase[1]);
    LiValue second = ArgBase[2];
    LPARAM param = 0;
    if (li_LongP(second)) param = (LPARAM)li_LVal(second);
    else structure_arg(second);
    return li_CreateLong((int32_t)(uintptr_t)run_modeless(dialog_arg(ArgBase[0]), parent, param));
}

const MethodRow dialog_rows[] = {
    method<Call<run_modal_active>>("DoModal"),
    method<Call<run_modal, 0>>("DoModal", "hWndParent", "dwInitParam"),
    method<Call<with<run_modeless, 0>>>("Create", "hWndParent"),
    method<Entry<DialogCreate_entry, 'I', 'A'>>("Create", "hWndParent", "dwInitParam"),
    method<Call<MapDialogRect>>("MapDialogRect", "lpRect"),
    method<Call<EndDialog>>("EndDialog", "nRetCode"),
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

// Each class's methods, the layout methods on the classes whose row asks for them (derived classes
// inherit them), and its Type function.
void register_window_class_methods()
{
    static char names[window_class_count][32];
    for (size_t i = 0; i < window_class_count; i++) {
        const WindowClass &c = window_classes[i];
        register_methods(*c.script_class, c.script_name, table(window_rows));
        if (c.layout == Layout::Methods) register_methods(*c.script_class, c.script_name, resize_methods);
        snprintf(names[i], sizeof names[i], "%sType", c.script_name);
        li_CLFunction(names[i], type_functions[i], 0);
    }
    register_methods(cls_SDialog, "SDialog", table(dialog_rows));
    register_methods(cls_SDialog, "SDialog", resize_methods);
    li_CLFunction("SDialogType", dialog_type, 0);
}

} // namespace savrawin
