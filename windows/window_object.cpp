#include "window_object.h"

#include <set>

#include "handlers.h"
#include "message_map.h"
#include "../structs/model.h"

namespace savrawin {

// ---- the window object ------------------------------------------------------------------------------

WindowObject::WindowObject() { init_window_base(&base); }

WindowObject::~WindowObject()
{
    destroy_window_base(&base);
    free_thunk(thunk);
}

WindowObject *WindowObject::of(void *base_part)
{
    return base_part ? (WindowObject *)((BYTE *)base_part - window_script_offset) : nullptr;
}

HyperLinkObject::HyperLinkObject() { m_hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)); }

// The label and target are copies made for the object (by a script's field assignment, today):
// released with it, as is a link font it made.
HyperLinkObject::~HyperLinkObject()
{
    StrucFreeWStringPtr(nullptr, &m_lpstrLabel);
    StrucFreeWStringPtr(nullptr, &m_lpstrHyperLink);
    if ((flags & OWN_LINK_FONT) && m_hFont) DeleteObject(m_hFont);
}

BitmapButtonObject::~BitmapButtonObject()
{
    if (image_list && !(extended_style & 0x10)) ImageList_Destroy(image_list);
    free(tool_tip_text);
}

WNDPROC WindowObject::GetWindowProc() { return WindowProc; }

bool WindowObject::PrepareThunk(WNDPROC proc)
{
    if (bind_thunk(thunk, this, (void *)proc)) return true;
    SetLastError(ERROR_OUTOFMEMORY);
    return false;
}

HWND WindowObject::Create(HWND parent, const RECT *rect, const wchar_t *name, DWORD style, DWORD ex_style)
{
    WindowClass *c = GetClass();
    if (!register_class(c)) return nullptr;
    super_proc = c->base_proc;
    if (!style) style = c->default_style;
    if (!ex_style) ex_style = c->default_ex_style;
    if (!PrepareThunk(WindowProc)) return nullptr;
    add_create_data(&create_data, this);
    HMENU id = nullptr;
    if (style & WS_CHILD) id = (HMENU)this;
    const RECT &r = rect ? *rect : rcDefault;
    return CreateWindowExW(ex_style, MAKEINTATOM(c->atom), name, style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           id, module_instance, nullptr);
}

LRESULT CALLBACK WindowObject::StartWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    WindowObject *o = (WindowObject *)extract_create_data();
    if (!o) return DefWindowProcW(hwnd, msg, wp, lp);
    o->base.m_hWnd = hwnd;
    bind_thunk(o->thunk, o, (void *)o->GetWindowProc());
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)o->thunk);
    return ((WNDPROC)(void *)o->thunk)(hwnd, msg, wp, lp);
}

const MSG *WindowObject::BeginMessage(MSG &m)
{
    const MSG *previous = current;
    current = &m;
    return previous;
}

// The outermost message of a window that has had WM_NCDESTROY ends the object; a message nested in
// it leaves that to the one it is nested in, which still uses the object.
void WindowObject::EndMessage(const MSG *previous)
{
    current = previous;
    if (!(state & FINAL_MESSAGE_SEEN) || previous) return;
    state &= ~FINAL_MESSAGE_SEEN;
    HWND old = base.m_hWnd;
    base.m_hWnd = nullptr;
    OnFinalMessage(old);
}

LRESULT CALLBACK WindowObject::WindowProc(HWND self, UINT msg, WPARAM wp, LPARAM lp)
{
    WindowObject *o = (WindowObject *)self; // the thunk put the object in place of the handle
    HWND hwnd = o->base.m_hWnd;
    MSG m = {hwnd, msg, wp, lp, 0, {0, 0}};
    const MSG *previous = o->BeginMessage(m);
    LRESULT result = 0;
    if (!o->ProcessWindowMessage(hwnd, msg, wp, lp, result, 0)) {
        if (msg != WM_NCDESTROY) {
            result = CallWindowProcW(o->super_proc, hwnd, msg, wp, lp);
        } else {
            LONG_PTR proc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
            result = CallWindowProcW(o->super_proc, hwnd, msg, wp, lp);
            if (o->super_proc != DefWindowProcW && GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == proc)
                SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)o->super_proc);
            o->state |= FINAL_MESSAGE_SEEN;
        }
    }
    o->EndMessage(previous);
    return result;
}

namespace {
std::set<WindowUserData *> live_blocks;
}

WindowUserData *user_data(HWND hwnd)
{
    WindowUserData *d = (WindowUserData *)GetWindowLongPtrW(hwnd, GWLP_USERDATA);
    return d && live_blocks.count(d) ? d : nullptr;
}

void attach_user_data(HWND hwnd, LiValue instance, WindowObject *object)
{
    WindowUserData *d = (WindowUserData *)LI_Malloc(sizeof(WindowUserData));
    d->instance = instance;
    d->object = object;
    live_blocks.insert(d);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, (LONG_PTR)d);
    if (instance) SetWindowLongW(hwnd, GWL_STYLE, GetWindowLongW(hwnd, GWL_STYLE) | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
}

// The window is gone: its script instance goes with it (marked so its hook leaves the object
// alone), then the object.
void WindowObject::OnFinalMessage(HWND hwnd)
{
    WindowUserData *d = user_data(hwnd);
    if (!d) return;
    live_blocks.erase(d);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (d->instance && li_InstanceP(d->instance)) {
        li_SetNoDelete(d->instance);
        li_DestroyInstance(d->instance, 0);
        d->instance = nullptr;
    }
    if (d->object) {
        WindowObject *o = d->object;
        d->object = nullptr;
        delete o;
    }
    LI_Free(d);
}

BOOL WindowObject::ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result, DWORD map)
{
    return map == 0 && route_message(this, hwnd, msg, wp, lp, result);
}

// ---- dialogs ------------------------------------------------------------------------------------------

WNDPROC DialogObject::GetWindowProc() { return (WNDPROC)(void *)DialogProc; }

INT_PTR CALLBACK DialogObject::StartDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    DialogObject *o = (DialogObject *)extract_create_data();
    if (!o) return FALSE;
    o->base.m_hWnd = hwnd;
    bind_thunk(o->thunk, o, (void *)DialogProc);
    SetWindowLongPtrW(hwnd, DWLP_DLGPROC, (LONG_PTR)o->thunk);
    return ((DLGPROC)(void *)o->thunk)(hwnd, msg, wp, lp);
}

INT_PTR CALLBACK DialogObject::DialogProc(HWND self, UINT msg, WPARAM wp, LPARAM lp)
{
    DialogObject *o = (DialogObject *)self;
    HWND hwnd = o->base.m_hWnd;
    MSG m = {hwnd, msg, wp, lp, 0, {0, 0}};
    const MSG *previous = o->BeginMessage(m);
    LRESULT result = 0;
    INT_PTR answer = FALSE;
    if (!o->ProcessWindowMessage(hwnd, msg, wp, lp, result, 0)) {
        if (msg == WM_NCDESTROY) o->state |= FINAL_MESSAGE_SEEN;
    } else {
        switch (msg) {
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
        case WM_INITDIALOG:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: answer = result; break;
        default:
            if (!(o->state & FINAL_MESSAGE_SEEN)) SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
            answer = TRUE;
        }
    }
    o->EndMessage(previous);
    return answer;
}

} // namespace savrawin
