#include "window_object.h"

#include <stdio.h>

#include <set>

#include "handlers.h"
#include "message_map.h"
#include "../structs/model.h"

namespace savrawin {

HINSTANCE module_instance;

// ---- the window-module services: create records and registered classes -------------------------

namespace {

CRITICAL_SECTION create_lock; // the pending create records and class registration
CreateWndData *pending = nullptr;
ATOM registered[64];
int registered_count = 0;

struct LockInit {
    LockInit() { InitializeCriticalSection(&create_lock); }
    ~LockInit() { DeleteCriticalSection(&create_lock); }
} lock_init;

struct Lock {
    Lock() { EnterCriticalSection(&create_lock); }
    ~Lock() { LeaveCriticalSection(&create_lock); }
};

} // namespace

void add_create_data(CreateWndData *d, void *object)
{
    Lock lock;
    d->object = object;
    d->thread = GetCurrentThreadId();
    d->next = pending;
    pending = d;
}

void *extract_create_data()
{
    Lock lock;
    DWORD thread = GetCurrentThreadId();
    for (CreateWndData **p = &pending; *p; p = &(*p)->next) {
        if ((*p)->thread == thread) {
            CreateWndData *d = *p;
            *p = d->next;
            return d->object;
        }
    }
    return nullptr;
}

void remove_create_data(CreateWndData *d)
{
    Lock lock;
    for (CreateWndData **p = &pending; *p; p = &(*p)->next) {
        if (*p == d) {
            *p = d->next;
            return;
        }
    }
}

void unregister_window_classes()
{
    for (int i = 0; i < registered_count; i++) UnregisterClassW(MAKEINTATOM(registered[i]), module_instance);
    registered_count = 0;
}

// ---- thunks ---------------------------------------------------------------------------------------

namespace {

// 16-byte blocks of executable pages, shared through an interlocked list.
SLIST_HEADER free_thunks;
struct ThunkListInit {
    ThunkListInit() { InitializeSListHead(&free_thunks); }
} thunk_list_init;

BYTE *allocate_thunk()
{
    if (PSLIST_ENTRY e = InterlockedPopEntrySList(&free_thunks)) return (BYTE *)e;
    BYTE *page = (BYTE *)VirtualAlloc(nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
    if (!page) return nullptr;
    if (PSLIST_ENTRY e = InterlockedPopEntrySList(&free_thunks)) { // refilled meanwhile
        VirtualFree(page, 0, MEM_RELEASE);
        return (BYTE *)e;
    }
    for (int i = 0; i < 255; i++) InterlockedPushEntrySList(&free_thunks, (PSLIST_ENTRY)(page + 16 * i));
    return page + 16 * 255;
}


} // namespace

void free_thunk(BYTE *t)
{
    if (t) InterlockedPushEntrySList(&free_thunks, (PSLIST_ENTRY)t);
}

namespace {

// mov dword [esp+4], object ; jmp proc
void init_thunk(BYTE *t, void *object, void *proc)
{
    t[0] = 0xC7;
    t[1] = 0x44;
    t[2] = 0x24;
    t[3] = 0x04;
    uint32_t o = (uint32_t)(uintptr_t)object;
    memcpy(t + 4, &o, 4);
    t[8] = 0xE9;
    int32_t rel = (int32_t)((uintptr_t)proc - ((uintptr_t)t + 13));
    memcpy(t + 9, &rel, 4);
    FlushInstructionCache(GetCurrentProcess(), t, 13);
}

} // namespace

bool bind_thunk(BYTE *&thunk, void *object, void *proc)
{
    if (!thunk) thunk = allocate_thunk();
    if (!thunk) return false;
    init_thunk(thunk, object, proc);
    return true;
}

namespace {

bool register_class(WindowClass *c)
{
    Lock lock;
    if (c->atom) return true;
    WNDCLASSEXW &wc = c->wc;
    wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = WindowObject::StartWindowProc;
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    if (c->base_name) {
        WNDCLASSEXW base = {};
        base.cbSize = sizeof base;
        if (!GetClassInfoExW(nullptr, c->base_name, &base) && !GetClassInfoExW(module_instance, c->base_name, &base)) return false;
        wc = base;
        c->base_proc = base.lpfnWndProc;
        wc.lpfnWndProc = WindowObject::StartWindowProc;
    } else {
        c->base_proc = DefWindowProcW;
        wc.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    }
    wc.style &= ~CS_GLOBALCLASS;
    wc.hInstance = module_instance;
    swprintf(c->name, sizeof c->name / sizeof c->name[0], L"ATL:%p", (void *)c);
    wc.lpszClassName = c->name;
    WNDCLASSEXW existing = {};
    existing.cbSize = sizeof existing;
    c->atom = (ATOM)GetClassInfoExW(module_instance, c->name, &existing);
    if (!c->atom) {
        c->atom = RegisterClassExW(&wc);
        if (c->atom && registered_count < (int)(sizeof registered / sizeof registered[0])) registered[registered_count++] = c->atom;
    }
    return c->atom != 0;
}

} // namespace

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
    if (!thunk) thunk = allocate_thunk();
    if (!thunk) {
        SetLastError(ERROR_OUTOFMEMORY);
        return false;
    }
    init_thunk(thunk, this, (void *)proc);
    return true;
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
    init_thunk(o->thunk, o, (void *)o->GetWindowProc());
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)o->thunk);
    return ((WNDPROC)(void *)o->thunk)(hwnd, msg, wp, lp);
}

LRESULT CALLBACK WindowObject::WindowProc(HWND self, UINT msg, WPARAM wp, LPARAM lp)
{
    WindowObject *o = (WindowObject *)self; // the thunk put the object in place of the handle
    HWND hwnd = o->base.m_hWnd;
    MSG m = {hwnd, msg, wp, lp, 0, {0, 0}};
    const MSG *previous = o->current;
    o->current = &m;
    LRESULT result = 0;
    if (!o->ProcessWindowMessage(hwnd, msg, wp, lp, result, 0)) {
        if (msg != WM_NCDESTROY) {
            result = CallWindowProcW(o->super_proc, hwnd, msg, wp, lp);
        } else {
            LONG_PTR proc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
            result = CallWindowProcW(o->super_proc, hwnd, msg, wp, lp);
            if (o->super_proc != DefWindowProcW && GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == proc)
                SetWindowLongPtrW(hwnd, GWLP_WNDPROC, (LONG_PTR)o->super_proc);
            o->state |= 1;
        }
    }
    if ((o->state & 1) && !previous) {
        HWND old = o->base.m_hWnd;
        o->base.m_hWnd = nullptr;
        o->state &= ~1u;
        o->current = previous;
        o->OnFinalMessage(old);
    } else {
        o->current = previous;
    }
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
uint32_t DialogObject::DataBytes() const { return (uint32_t)(sizeof(DialogObject) - window_script_offset); }

INT_PTR CALLBACK DialogObject::StartDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    DialogObject *o = (DialogObject *)extract_create_data();
    if (!o) return FALSE;
    o->base.m_hWnd = hwnd;
    init_thunk(o->thunk, o, (void *)DialogProc);
    SetWindowLongPtrW(hwnd, DWLP_DLGPROC, (LONG_PTR)o->thunk);
    return ((DLGPROC)(void *)o->thunk)(hwnd, msg, wp, lp);
}

INT_PTR CALLBACK DialogObject::DialogProc(HWND self, UINT msg, WPARAM wp, LPARAM lp)
{
    DialogObject *o = (DialogObject *)self;
    HWND hwnd = o->base.m_hWnd;
    MSG m = {hwnd, msg, wp, lp, 0, {0, 0}};
    const MSG *previous = o->current;
    o->current = &m;
    LRESULT result = 0;
    BOOL handled = o->ProcessWindowMessage(hwnd, msg, wp, lp, result, 0);
    o->current = previous;
    INT_PTR answer = FALSE;
    if (!handled) {
        if (msg == WM_NCDESTROY) o->state |= 1;
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
            if (!(o->state & 1)) SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
            answer = TRUE;
        }
    }
    if ((o->state & 1) && !previous) {
        o->state &= ~1u;
        HWND old = o->base.m_hWnd;
        o->base.m_hWnd = nullptr;
        o->OnFinalMessage(old);
    }
    return answer;
}

} // namespace savrawin
