// Native window objects: one per script window, dialog or control instance. The object's window
// procedure is bound to it through a small code thunk, so every message of the window reaches
// the object's message map and from there the script's handlers.
#pragma once

#include <windows.h>

#include "resize.h"
#include "window_base.h"

namespace savrawin {

// The record by which the first message of a new window finds the object that created it.
struct CreateWndData {
    void *object;
    DWORD thread;
    CreateWndData *next;
};

// What a script class registers as its window class, once, on its first Create.
struct WindowClass {
    const char *script_name;
    LiValue *script_class;
    const wchar_t *base_name; // a superclassed control's Win32 class, or null for an own class
    bool resizable;           // carries the layout state, and the layout methods
    DWORD default_style, default_ex_style;
    // Filled on registration.
    WNDCLASSEXW wc;
    WNDPROC base_proc;
    ATOM atom;
    wchar_t name[32];
};

// The part every native window object shares; what follows it (resize state, a control
// implementation's fields) belongs to the concrete class.
class WindowObject {
public:
    WindowObject();
    virtual BOOL ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result, DWORD map);
    virtual ~WindowObject();
    virtual WNDPROC GetWindowProc();
    virtual void OnFinalMessage(HWND hwnd);
    virtual WindowClass *GetClass() const = 0;
    virtual ResizeState *GetResize() { return nullptr; }

    // Creates the window; null on failure.
    HWND Create(HWND parent, const RECT *rect, const wchar_t *name, DWORD style, DWORD ex_style);
    bool PrepareThunk(WNDPROC proc);

    SWindowBase base; // what the script instance points at
    CreateWndData create_data = {};
    BYTE *thunk = nullptr;
    const MSG *current = nullptr;
    DWORD state = 0; // bit 0: WM_NCDESTROY seen
    WNDPROC super_proc = DefWindowProcW;

    static WindowObject *of(void *base_part);
    static LRESULT CALLBACK WindowProc(HWND self, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK StartWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// An object that lays its children out on resize.
class ResizableWindow : public WindowObject {
public:
    ResizableWindow() { resize.init(); }
    ~ResizableWindow() override { resize.release(); }
    ResizeState *GetResize() override { return &resize; }

private:
    ResizeState resize;
};

class DialogObject : public ResizableWindow {
public:
    WindowClass *GetClass() const override;
    WNDPROC GetWindowProc() override;
    static INT_PTR CALLBACK DialogProc(HWND self, UINT msg, WPARAM wp, LPARAM lp);
    static INT_PTR CALLBACK StartDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

extern HINSTANCE module_instance;
extern RECT rcDefault;

// The window-module services: pending create records and registered classes.
void add_create_data(CreateWndData *d, void *object);
void *extract_create_data();
void unregister_window_classes();

// Window user data: {script instance, native object}.
struct WindowUserData {
    LiValue instance;
    WindowObject *object;
};
// The block of a window made by a Create method, or null for any other window (whose user data,
// if any, is someone else's).
WindowUserData *user_data(HWND hwnd);
void attach_user_data(HWND hwnd, LiValue instance, WindowObject *object);

} // namespace savrawin
