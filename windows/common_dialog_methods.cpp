// Showing the common dialogs: their creator forms, DoModal, the hooks that tie an open dialog to
// its object, the file dialog's notifications into script methods, and the classes' methods.
#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <stdio.h>

#include "../api/controls/adapters.h"
#include "../binding/bridge.h"
#include "classes.h"
#include "common_dialogs.h"
#include "window_rows.h"
#include "static_data.h"

namespace savrawin {

namespace {

// ---- registered messages ----------------------------------------------------------------------------

volatile LONG set_rgb_slot, color_ok_slot;
UINT set_rgb_message() { return registered_message_once(&set_rgb_slot, SETRGBSTRINGW); }
UINT color_ok_message() { return registered_message_once(&color_ok_slot, COLOROKSTRINGW); }

// ---- creation ------------------------------------------------------------------------------------------

// A new instance of cls owning object, made from the first nargs argument slots (kept as the
// constructor's list).
LiValue dialog_instance(void *object, LiValue cls, int nargs)
{
    ProtectedSlot args(argument_list(nargs));
    return li_CreateNonNullInstanceAlloc(object, cls, args);
}

LiValue make_color_dialog(int nargs)
{
    COLORREF clr = nargs > 0 ? (COLORREF)integer_arg(ArgBase[0]) : 0;
    DWORD flags = nargs > 1 ? (DWORD)integer_arg(ArgBase[1]) : 0;
    HWND parent = nargs > 2 ? handle_arg<HWND>(ArgBase[2]) : nullptr;
    ColorDialogObject *o = new ColorDialogObject();
    o->m_cc.hwndOwner = parent;
    o->m_cc.rgbResult = clr;
    o->m_cc.Flags = flags | CC_ENABLEHOOK | (clr ? CC_RGBINIT : 0);
    return dialog_instance(o, cls_SColorDialog, nargs);
}
LiValue color_dialog0() { return make_color_dialog(0); }
LiValue color_dialog1() { return make_color_dialog(1); }
LiValue color_dialog2() { return make_color_dialog(2); }
LiValue color_dialog3() { return make_color_dialog(3); }
constexpr FormParam clr_init = integer("clrInit"), color_flags = integer("dwFlags"), color_parent = integer("hWndParent");
SAVRA_OVERLOAD(color_dialog_forms, "No matching function for overloaded 'SColorDialog'", form(color_dialog0),
               form(color_dialog1, clr_init), form(color_dialog2, clr_init, color_flags),
               form(color_dialog3, clr_init, color_flags, color_parent));

// 76, the record without its last three fields, on platforms older than them.
DWORD file_record_size()
{
    OSVERSIONINFOW v;
    v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    if (!GetVersionExW(&v)) return OPENFILENAME_SIZE_VERSION_400W;
#pragma GCC diagnostic pop
    if (v.dwMajorVersion < 5 && !(v.dwMajorVersion == 4 && v.dwMinorVersion >= 90)) return OPENFILENAME_SIZE_VERSION_400W;
    return sizeof(OPENFILENAMEW);
}

// The whole of a string, NULs inside it included, then two terminators: the filter is a list of
// texts each ended by a NUL, and the list by an empty one.
wchar_t *filter_copy(LiValue v) { return li_StringP(v) ? widen_list(li_SVal(v), li_Length(v)) : nullptr; }

LiValue make_file_dialog(int nargs)
{
    // Every argument is checked before anything is made.
    BOOL open = (BOOL)integer_arg(ArgBase[0]);
    LiValue def_ext = nargs > 1 ? ArgBase[1] : Nil, file_name = nargs > 2 ? ArgBase[2] : Nil;
    LiValue filter = nargs > 4 ? ArgBase[4] : Nil;
    check_text_arg(def_ext);
    check_text_arg(file_name);
    DWORD flags = nargs > 3 ? (DWORD)integer_arg(ArgBase[3]) : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    check_text_arg(filter);
    HWND parent = nargs > 5 ? handle_arg<HWND>(ArgBase[5]) : nullptr;

    FileDialogObject *o = new FileDialogObject();
    o->m_bOpenFileDialog = open;
    OPENFILENAMEW &ofn = o->m_ofn;
    ofn.lStructSize = file_record_size();
    ofn.hwndOwner = parent;
    ofn.hInstance = module_instance;
    ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK;
    o->def_ext = make_wide_copy(def_ext);
    ofn.lpstrDefExt = o->def_ext;
    o->filter = filter_copy(filter);
    ofn.lpstrFilter = o->filter;
    if (wchar_t *name = make_wide_copy(file_name)) {
        size_t n = units_that_fit(name, wcslen(name), MAX_PATH);
        memcpy(o->m_szFileName, name, n * sizeof(wchar_t));
        o->m_szFileName[n] = 0;
        free(name);
    }
    return dialog_instance(o, cls_SFileDialog, nargs);
}
LiValue file_dialog1() { return make_file_dialog(1); }
LiValue file_dialog2() { return make_file_dialog(2); }
LiValue file_dialog3() { return make_file_dialog(3); }
LiValue file_dialog4() { return make_file_dialog(4); }
LiValue file_dialog5() { return make_file_dialog(5); }
LiValue file_dialog6() { return make_file_dialog(6); }
constexpr FormParam file_open = integer("bOpenFileDialog"), file_def_ext = any("lpszDefExt"), file_name = any("lpszFileName"),
                    file_flags = integer("dwFlags"), file_filter = any("lpszFilter"), file_parent = integer("hWndParent");
SAVRA_OVERLOAD(file_dialog_forms, "No matching function for overloaded 'SFileDialog'", form(file_dialog1, file_open),
               form(file_dialog2, file_open, file_def_ext), form(file_dialog3, file_open, file_def_ext, file_name),
               form(file_dialog4, file_open, file_def_ext, file_name, file_flags),
               form(file_dialog5, file_open, file_def_ext, file_name, file_flags, file_filter),
               form(file_dialog6, file_open, file_def_ext, file_name, file_flags, file_filter, file_parent));

// `new` of the two classes (and of script classes derived from them) takes the creator forms.
// The creator makes an instance of the base class; its object moves to the instance `new` made,
// which keeps the script's class and so its methods.
template <LiEntry Dispatcher> LiValue construct_moving(LiValue inst, void *data, int owned, LiValue args)
{
    if (data) return li_StrucBasicConstructor(inst, data, owned, args);
    ProtectedSlot made(li_CallCLVarArgFunction(Dispatcher, args));
    void *object = li_InstanceData(made);
    li_StrucSizedConstructor(made, nullptr, 0, 0, Nil);
    return li_StrucBasicConstructor(inst, object, 1, args);
}

// ---- showing ----------------------------------------------------------------------------------------------

// Runs show() with the object registered as the window being created on this thread, for its
// hook's first message to find; the record is withdrawn if no hook took it (the platform call
// failed first), so it cannot mislead a later window. An object whose dialog is open already is
// not shown twice.
template <class T, class Show> int run_dialog(T *o, Show show)
{
    if (o->m_hWnd) return IDCANCEL;
    add_create_data(&o->hook.create_data, o);
    BOOL ok = show();
    remove_create_data(&o->hook.create_data);
    o->m_hWnd = nullptr;
    return ok ? IDOK : IDCANCEL;
}

// The owner given at creation stays; the parent of DoModal is used only when there is none.
template <class Owner> void set_owner(Owner &owner, HWND parent)
{
    if (!owner) owner = parent;
}

int color_do_modal(ColorDialogObject *o, HWND parent)
{
    set_owner(o->m_cc.hwndOwner, parent);
    return run_dialog(o, [o] { return ChooseColorW(&o->m_cc); });
}

// A capacity the script raised past the object's own buffer would let the dialog write past it.
void check_own_buffer(const wchar_t *pointer, DWORD capacity, const wchar_t *own, DWORD room, const char *what)
{
    if (pointer != own || capacity <= room) return;
    char text[120];
    snprintf(text, sizeof text, "SFileDialog: m_ofn.%s (%lu) is larger than its buffer (%lu units)", what,
             (unsigned long)capacity, (unsigned long)room);
    li_Error(text);
}

int file_do_modal(FileDialogObject *o, HWND parent)
{
    check_own_buffer(o->m_ofn.lpstrFile, o->m_ofn.nMaxFile, o->m_szFileName, MAX_PATH, "nMaxFile");
    check_own_buffer(o->m_ofn.lpstrFileTitle, o->m_ofn.nMaxFileTitle, o->m_szFileTitle, 256, "nMaxFileTitle");
    set_owner(o->m_ofn.hwndOwner, parent);
    // The family's entries: they also refuse capacities past buffers the script gave the record.
    return run_dialog(o, [o] { return o->m_bOpenFileDialog ? open_file_name::call(&o->m_ofn) : save_file_name::call(&o->m_ofn); });
}

int folder_do_modal(FolderDialogObject *o, HWND parent)
{
    if (o->m_hWnd) return IDCANCEL;
    set_owner(o->m_bi.hwndOwner, parent);
    o->m_szFolderPath[0] = 0;
    o->m_szFolderDisplayName[0] = 0;
    CoTaskMemFree(o->m_pidlSelected);
    o->m_pidlSelected = nullptr;
    o->m_bi.lParam = (LPARAM)o;
    o->m_pidlSelected = (PIDLIST_ABSOLUTE)SHBrowseForFolderW(&o->m_bi);
    o->m_hWnd = nullptr;
    if (!o->m_pidlSelected) return IDCANCEL;
    if (!(o->m_bi.ulFlags & BIF_RETURNONLYFSDIRS)) return IDOK;
    return SHGetPathFromIDListW(o->m_pidlSelected, o->m_szFolderPath) ? IDOK : IDCANCEL;
}

int font_do_modal(FontDialogObject *o, HWND parent)
{
    set_owner(o->m_cf.hwndOwner, parent);
    return run_dialog(o, [o] { return ChooseFontW(&o->m_cf); });
}

// The page preview is drawn as the platform draws it.
UINT_PTR CALLBACK page_paint_hook(HWND, UINT, WPARAM, LPARAM) { return 0; }

int page_setup_do_modal(PageSetupDialogObject *o, HWND parent)
{
    set_owner(o->m_psd.hwndOwner, parent);
    if (!bind_thunk(o->paint_thunk, o, (void *)page_paint_hook)) return IDCANCEL;
    o->m_psd.lpfnPagePaintHook = (LPPAGEPAINTHOOK)(void *)o->paint_thunk;
    return run_dialog(o, [o] { return PageSetupDlgW(&o->m_psd); });
}

int print_do_modal(PrintDialogObject *o, HWND parent)
{
    set_owner(o->m_pd.hwndOwner, parent);
    o->m_pd.Flags &= ~(DWORD)PD_RETURNDEFAULT;
    if (o->m_pd.hDC) { // a context from the last time, not wanted any more
        DeleteDC(o->m_pd.hDC);
        o->m_pd.hDC = nullptr;
    }
    return run_dialog(o, [o] { return PrintDlgW(&o->m_pd); });
}

// DoModal without a parent: the active window.
template <class T, int (*F)(T *, HWND)> int do_modal_active(T *o) { return F(o, GetActiveWindow()); }

// ---- the colour dialog's methods ------------------------------------------------------------------------

COLORREF color_get(ColorDialogObject *o) { return o->m_cc.rgbResult; }
void color_set_current(ColorDialogObject *o, COLORREF clr) { SendMessageW(o->m_hWnd, set_rgb_message(), 0, (LPARAM)clr); }
HWND color_hwnd(ColorDialogObject *o) { return o->m_hWnd; }

// ---- the file dialog's methods: they talk to the dialog, the hook window's parent ------------------------

HWND file_dialog_window(FileDialogObject *o) { return GetParent(o->m_hWnd); }
LRESULT file_get_path(FileDialogObject *o, LPWSTR buffer, int length)
{
    return SendMessageW(file_dialog_window(o), CDM_GETFILEPATH, (WPARAM)length, (LPARAM)buffer);
}
LRESULT file_get_folder(FileDialogObject *o, LPWSTR buffer, int length)
{
    return SendMessageW(file_dialog_window(o), CDM_GETFOLDERPATH, (WPARAM)length, (LPARAM)buffer);
}
LRESULT file_get_spec(FileDialogObject *o, LPWSTR buffer, int length)
{
    return SendMessageW(file_dialog_window(o), CDM_GETSPEC, (WPARAM)length, (LPARAM)buffer);
}
LRESULT file_set_control_text(FileDialogObject *o, int id, LPCWSTR text)
{
    return SendMessageW(file_dialog_window(o), CDM_SETCONTROLTEXT, (WPARAM)id, (LPARAM)text);
}
LRESULT file_set_def_ext(FileDialogObject *o, LPCWSTR text)
{
    return SendMessageW(file_dialog_window(o), CDM_SETDEFEXT, 0, (LPARAM)text);
}
LRESULT file_hide_control(FileDialogObject *o, int id) { return SendMessageW(file_dialog_window(o), CDM_HIDECONTROL, (WPARAM)id, 0); }
BOOL file_read_only_pref(FileDialogObject *o) { return (o->m_ofn.Flags & OFN_READONLY) ? 1 : 0; }
HWND file_hwnd(FileDialogObject *o) { return o->m_hWnd; }
// The dialog ends as cancelled whatever the code: it has no other way to be ended from outside.
BOOL file_end_dialog(FileDialogObject *o, int)
{
    SendMessageW(file_dialog_window(o), WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

using TextBound = Bounds<bound::make(0, bound::Count, 1)>;

const MethodRow color_rows[] = {
    creator<color_dialog_forms>("new_SColorDialog"),
    method<Call<do_modal_active<ColorDialogObject, color_do_modal>>>("DoModal"),
    method<Call<color_do_modal>>("DoModal", "hWndParent"),
    method<Call<color_get>>("GetColor"),
    method<Call<color_set_current>>("SetCurrentColor", "clr"),
    method<Call<color_hwnd>>("GetHwnd"),
};

const MethodRow file_rows[] = {
    creator<file_dialog_forms>("new_SFileDialog"),
    method<Call<do_modal_active<FileDialogObject, file_do_modal>>>("DoModal"),
    method<Call<file_do_modal>>("DoModal", "hWndParent"),
    method<Call<file_hwnd>>("GetHwnd"),
    method<BoundedCall<file_get_path, TextBound>>("GetFilePath", "lpstrFilePath", "nLength"),
    method<BoundedCall<file_get_folder, TextBound>>("GetFolderPath", "lpstrFolderPath", "nLength"),
    method<BoundedCall<file_get_spec, TextBound>>("GetSpec", "lpstrSpec", "nLength"),
    method<Call<file_set_control_text>>("SetControlText", "nCtrlID", "lpstrText"),
    method<Call<file_set_def_ext>>("SetDefExt", "lpstrExt"),
    method<Call<file_hide_control>>("HideControl", "nCtrlID"),
    method<Call<file_read_only_pref>>("GetReadOnlyPref"),
    method<Call<file_end_dialog, IDOK>>("EndDialog", "nRetCode"),
};

// The four dialogs derived from SDialog have DoModal alone.
template <class T, int (*F)(T *, HWND)> struct DoModalRows {
    static constexpr MethodRow rows[] = {
        method<Call<do_modal_active<T, F>>>("DoModal"),
        method<Call<F>>("DoModal", "hWndParent"),
    };
};

} // namespace

// ---- hooks ------------------------------------------------------------------------------------------------

template <> LiValue construct_common_dialog<ColorDialogObject>(LiValue inst, void *data, int owned, LiValue args)
{
    return construct_moving<global_dispatcher<color_dialog_forms>>(inst, data, owned, args);
}
template <> LiValue construct_common_dialog<FileDialogObject>(LiValue inst, void *data, int owned, LiValue args)
{
    return construct_moving<global_dispatcher<file_dialog_forms>>(inst, data, owned, args);
}

// The colour dialog: the object DoModal registered is attached on the first message. Of the
// rest only the confirmation reaches the object, which answers 0: every colour the user
// confirms is accepted.
UINT_PTR CALLBACK color_dialog_hook(HWND hwnd, UINT msg, WPARAM, LPARAM lp)
{
    if (msg == WM_INITDIALOG) {
        ColorDialogObject *o = (ColorDialogObject *)extract_create_data();
        if (!o) return 0;
        o->m_cc.lCustData = (LPARAM)o;
        o->m_hWnd = hwnd;
    } else if (msg == color_ok_message()) {
        const CHOOSECOLORW *cc = (const CHOOSECOLORW *)lp;
        if (!cc || !cc->lCustData) return 0;
    }
    return 0;
}

// The font, page-setup and print dialogs' objects begin with their dialog window.
UINT_PTR CALLBACK common_dialog_hook(HWND hwnd, UINT msg, WPARAM, LPARAM)
{
    if (msg != WM_INITDIALOG) return 0;
    if (HWND *window = (HWND *)extract_create_data()) *window = hwnd;
    return 0;
}

namespace {

// Runs the script method `name` on the instance kept in the hook window, when there is one.
void notify_script(HWND hwnd, const char *name)
{
    LiValue inst = (LiValue)GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    if (inst) run_script_method(inst, name);
}

// The hook window's dialog procedure once it is bound to the object: the file-dialog
// notifications become script methods of the instance whose DoModal runs.
UINT_PTR CALLBACK file_dialog_proc(HWND self, UINT msg, WPARAM, LPARAM lp)
{
    FileDialogObject *o = (FileDialogObject *)self; // the thunk put the object in place of the handle
    HWND hwnd = o->m_hWnd;
    if (msg != WM_NOTIFY) return FALSE;
    LRESULT result = 0;
    switch (((NMHDR *)lp)->code) {
    case CDN_INITDONE: {
        LiValue inst = li_SymbolValue(li_SymbolFind("self"));
        if (li_IsDerived(inst, cls_SFileDialog) && li_InstanceData(inst) == o) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)inst);
            run_script_method(inst, "OnInitDone");
        }
        break;
    }
    case CDN_SELCHANGE: notify_script(hwnd, "OnSelChange"); break;
    case CDN_FOLDERCHANGE: notify_script(hwnd, "OnFolderChange"); break;
    case CDN_SHAREVIOLATION: notify_script(hwnd, "OnShareViolation"); break;
    case CDN_HELP: notify_script(hwnd, "OnFolderHelp"); break;
    case CDN_FILEOK: notify_script(hwnd, "OnFileOK"); break;
    case CDN_TYPECHANGE: break;
    case CDN_INCLUDEITEM: result = 1; break;
    default: return FALSE;
    }
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace

// The first message of the hook window binds it to the object DoModal registered.
UINT_PTR CALLBACK file_dialog_hook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    FileDialogObject *o = (FileDialogObject *)extract_create_data();
    if (!o) return 0;
    o->m_hWnd = hwnd;
    if (!bind_thunk(o->hook.thunk, o, (void *)file_dialog_proc)) return 0;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    SetWindowLongPtrW(hwnd, DWLP_DLGPROC, (LONG_PTR)o->hook.thunk);
    return ((LPOFNHOOKPROC)(void *)o->hook.thunk)(hwnd, msg, wp, lp);
}

int CALLBACK browse_callback(HWND hwnd, UINT msg, LPARAM, LPARAM data)
{
    FolderDialogObject *o = (FolderDialogObject *)data;
    if (!o) return 0;
    if (!o->m_hWnd) o->m_hWnd = hwnd;
    if (msg == BFFM_VALIDATEFAILEDW) return 1;
    if (msg != BFFM_INITIALIZED) return 0;
    LPARAM selection = 0;
    BOOL by_path = FALSE;
    if (o->m_pidlInitialSelection) selection = (LPARAM)o->m_pidlInitialSelection;
    else if (o->m_lpstrInitialFolder) selection = (LPARAM)o->m_lpstrInitialFolder, by_path = TRUE;
    if (selection) {
        SendMessageW(hwnd, BFFM_SETSELECTIONW, by_path, selection);
        if (o->m_bExpandInitialSelection && (o->m_bi.ulFlags & BIF_NEWDIALOGSTYLE))
            SendMessageW(hwnd, BFFM_SETEXPANDED, by_path, selection);
    }
    return 0;
}

const MethodTable color_dialog_methods = table(color_rows);
const MethodTable file_dialog_methods = table(file_rows);
const MethodTable folder_dialog_methods = table(DoModalRows<FolderDialogObject, folder_do_modal>::rows);
const MethodTable font_dialog_methods = table(DoModalRows<FontDialogObject, font_do_modal>::rows);
const MethodTable page_setup_dialog_methods = table(DoModalRows<PageSetupDialogObject, page_setup_do_modal>::rows);
const MethodTable print_dialog_methods = table(DoModalRows<PrintDialogObject, print_do_modal>::rows);

} // namespace savrawin
