// The window-module services: records that hand a new window its object, and the window classes
// the module registers (one per script window class, unregistered when the module goes).
#include "window_object.h"

#include <stdio.h>

namespace savrawin {

HINSTANCE module_instance;

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

} // namespace savrawin
