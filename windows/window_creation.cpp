// Making windows: Create and subclassing on every class with a window of its own, SDialog's modal
// and modeless runs, and the instance-destructor hook of the window objects.
#include <windows.h>

#include "classes.h"
#include "window_object.h"
#include "window_rows.h"

namespace savrawin {

namespace {

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

const MethodRow window_rows[] = {
    method<Entry<Create_entry, 'I', 'A', 'A', 'I', 'I'>>("Create", "hWndParent", "rect", "szWindowName", "dwStyle",
                                                         "dwExStyle"),
    method<Call<subclass_window>>("SubclassWindow", "hWnd"),
    method<Call<unsubclass_window>>("UnsubclassWindow"),
};

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

// The methods every class with a window of its own has, and SDialog's.
const MethodTable window_methods = table(window_rows);
const MethodTable dialog_methods = table(dialog_rows);

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

} // namespace savrawin
