// Native window objects: one per script window, dialog or control instance. The object's window
// procedure is bound to it through a small code thunk, so every message of the window reaches
// the object's message map and from there the script's handlers.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "../binding/thunks.h"
#include "resize.h"
#include "window_base.h"

namespace savrawin {

// The record by which the first message of a new window finds the object that created it.
struct CreateWndData {
    void *object;
    DWORD thread;
    CreateWndData *next;
};

// What a class's objects carry for resize layouts.
enum class Layout : uint8_t {
    None,    // a control with behaviour of its own (or a status bar): no layout state
    State,   // the layout state, but no methods of its own to fill the map
    Methods, // the state, and AddControlResizeFlags, StartResizeGroup, EndResizeGroup
};

// What a script class registers as its window class, once, on its first Create.
struct WindowClass {
    const wchar_t *base_name; // a superclassed control's Win32 class, or null for an own class
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
    // SubclassWindow has attached the object to an existing window: a control implementation
    // initialises itself as it does on WM_CREATE.
    virtual void OnAttached() {}
    // The class's window-class record and the styles a window of it gets when Create is given none
    // (class_table.cpp makes each class's object from them).
    virtual WindowClass *GetClass() const = 0;
    static constexpr DWORD default_style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    static constexpr DWORD default_ex_style = 0;
    virtual ResizeState *GetResize() { return nullptr; }
    // Bytes from the SWindowBase part to the object's end: what the script instance may reach.
    virtual uint32_t DataBytes() const = 0;

    // Creates the window; null on failure.
    HWND Create(HWND parent, const RECT *rect, const wchar_t *name, DWORD style, DWORD ex_style);
    bool PrepareThunk(WNDPROC proc);

    SWindowBase base; // what the script instance points at
    CreateWndData create_data = {};
    BYTE *thunk = nullptr;
    const MSG *current = nullptr;
    DWORD state = 0;
    static constexpr DWORD FINAL_MESSAGE_SEEN = 1; // WM_NCDESTROY has reached the object
    WNDPROC super_proc = DefWindowProcW;

    // Around every message: the message the handlers see, and the object's end after the last one.
    const MSG *BeginMessage(MSG &m);
    void EndMessage(const MSG *previous);

    static WindowObject *of(void *base_part);
    static LRESULT CALLBACK WindowProc(HWND self, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK StartWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

// Where the SWindowBase part lies in every window object: the script instance's data pointer.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
inline constexpr size_t window_script_offset = offsetof(WindowObject, base);
#pragma GCC diagnostic pop

// An object that lays its children out on resize.
class ResizableWindow : public WindowObject {
public:
    ResizableWindow() { resize.init(); }
    ~ResizableWindow() override { resize.release(); }
    ResizeState *GetResize() override { return &resize; }

private:
    ResizeState resize;
};

// A control without layout state: one word of its control implementation follows.
class ControlWindow : public WindowObject {
public:
    DWORD implementation = 0;
};

// The hyperlink control's implementation. The fields from m_lpstrLabel on are script fields of
// SHyperLink, at their offsets from the SWindowBase part; the label and the target are UTF-16
// copies the object owns.
class HyperLinkObject : public WindowObject {
public:
    HyperLinkObject();
    ~HyperLinkObject() override;
    // The link's own handling (windows/hyperlink.cpp), before the script's handlers.
    BOOL ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result, DWORD map) override;
    void OnAttached() override;

    enum Flags : DWORD { PAINT_LABEL = 0x01, VISITED = 0x02, HOVER = 0x04, OWN_LINK_FONT = 0x08 };
    HWND tool_tip = nullptr;
    LPWSTR m_lpstrLabel = nullptr;
    LPWSTR m_lpstrHyperLink = nullptr;
    HCURSOR m_hCursor = nullptr;
    HFONT m_hFont = nullptr;
    HFONT m_hFontNormal = nullptr;
    RECT m_rcLink = {};
    DWORD spare = 0; // unused; it keeps the colours where scripts read them
    COLORREF m_clrLink = RGB(0, 0, 255);
    COLORREF m_clrVisited = RGB(128, 0, 128);
    DWORD m_dwExtendedStyle = 0;
    DWORD flags = PAINT_LABEL;
};

// The owner-drawn button's implementation, none of it script-visible.
class BitmapButtonObject : public WindowObject {
public:
    ~BitmapButtonObject() override;
    // The button's own handling (windows/bitmap_button.cpp), before the script's handlers.
    BOOL ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result, DWORD map) override;
    void OnAttached() override;

    DWORD extended_style = 0x08; // size the button to its image
    HIMAGELIST image_list = nullptr;
    int images[4] = {-1, -1, -1, -1}; // normal, pushed, focus or hover, disabled; -1: the normal one
    HWND tool_tip = nullptr;
    LPWSTR tool_tip_text = nullptr;
    DWORD state = 0;        // 0x01 hovering, 0x02 focused, 0x04 pressed
    UINT_PTR repeat_timer = 0; // while an auto-repeating button is held
};

// A list view whose ticks follow the selection (windows/check_list_view.cpp); it keeps no data
// beyond a control's.
class CheckListViewObject : public ControlWindow {
public:
    static constexpr DWORD default_style = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS;
    static constexpr DWORD default_ex_style = WS_EX_CLIENTEDGE;
    BOOL ProcessWindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT &result, DWORD map) override;
};

class DialogObject : public ResizableWindow {
public:
    WNDPROC GetWindowProc() override;
    static INT_PTR CALLBACK DialogProc(HWND self, UINT msg, WPARAM wp, LPARAM lp);
    static INT_PTR CALLBACK StartDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
};

extern HINSTANCE module_instance;
extern RECT rcDefault;

// The window-module services: pending create records and registered classes.
void add_create_data(CreateWndData *d, void *object);
void *extract_create_data();
// Withdraws a record no window took (the platform call failed before its first message).
void remove_create_data(CreateWndData *d);
// Registers c's window class on first use; false when the platform refuses it.
bool register_class(WindowClass *c);
void unregister_window_classes();

// An extended-style setter's rule: without a mask (or with 0) the style is replaced, otherwise only
// the masked bits change. The previous style is returned.
inline DWORD set_masked_style(DWORD &field, DWORD style, DWORD mask)
{
    DWORD previous = field;
    field = mask ? (previous & ~mask) | (style & mask) : style;
    return previous;
}

// The instance-destructor hook of the window classes (window_creation.cpp).
void destroy_window_instance(LiValue inst);

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
