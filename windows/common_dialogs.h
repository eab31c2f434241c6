// The native objects of the common-dialog classes. A script instance's data is the object itself:
// its platform record and text buffers are the class's script fields, at the offsets the field
// tables give (checked against these types where the tables are made). Showing the dialogs
// (common_dialog_methods.cpp) builds on these objects; here they are made, laid out and released.
//
// SColorDialog and SFileDialog stand alone, with a table pointer first and the dialog window
// after it. The other four derive from SDialog in script and so inherit the field m_hWnd at 0:
// their objects start with the dialog window, so that field is theirs too.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include "native_hooks.h"
#include "window_object.h"

namespace savrawin {

// What a dialog whose hook attaches the dialog window to the object keeps for that.
struct DialogHookState {
    CreateWndData create_data;
    BYTE *thunk;
    const MSG *current;
    DWORD state;
};

class ColorDialogObject {
public:
    ColorDialogObject();
    virtual ~ColorDialogObject() { free_thunk(hook.thunk); }
    HWND m_hWnd = nullptr; // while the dialog is shown
    DialogHookState hook = {};
    CHOOSECOLORW m_cc = {};
    DWORD spare = 0; // unused: the class's 72 bytes
};

class FileDialogObject {
public:
    FileDialogObject();
    virtual ~FileDialogObject();
    HWND m_hWnd = nullptr;
    DialogHookState hook = {};
    OPENFILENAMEW m_ofn = {};
    BOOL m_bOpenFileDialog = FALSE;
    wchar_t m_szFileTitle[256] = {};
    wchar_t m_szFileName[MAX_PATH] = {};
    // The record's default extension and filter point at these copies, which the object owns.
    wchar_t *def_ext = nullptr;
    wchar_t *filter = nullptr;
};

// The folder dialog's callback finds the object in the record: no hook state.
class FolderDialogObject {
public:
    FolderDialogObject();
    ~FolderDialogObject();
    HWND m_hWnd = nullptr;
    BROWSEINFOW m_bi = {};
    PIDLIST_ABSOLUTE m_pidlInitialSelection = nullptr;
    bool m_bExpandInitialSelection = false;
    wchar_t m_szFolderDisplayName[MAX_PATH] = {};
    wchar_t m_szFolderPath[MAX_PATH] = {};
    PIDLIST_ABSOLUTE m_pidlSelected = nullptr;
    LPWSTR m_lpstrInitialFolder = nullptr;
};

class FontDialogObject {
public:
    FontDialogObject();
    ~FontDialogObject() { free_thunk(hook.thunk); }
    HWND m_hWnd = nullptr;
    DialogHookState hook = {};
    CHOOSEFONTW m_cf = {};
    LOGFONTW m_lf = {};
    wchar_t m_szStyleName[64] = {};
    DWORD spare[2] = {}; // unused: the class's 316 bytes
};

class PageSetupDialogObject {
public:
    PageSetupDialogObject();
    ~PageSetupDialogObject();
    HWND m_hWnd = nullptr;
    DialogHookState hook = {};
    PAGESETUPDLGW m_psd = {};
    BYTE *paint_thunk = nullptr; // binds the page-paint hook to the object
    DWORD spare[5] = {};         // unused: the class's 136 bytes
};

class PrintDialogObject {
public:
    PrintDialogObject();
    ~PrintDialogObject();
    HWND m_hWnd = nullptr;
    DialogHookState hook = {};
    PRINTDLGW m_pd = {};
    DWORD spare[3] = {}; // unused: the class's 108 bytes
};

// The platform hooks the records point at (common_dialog_methods.cpp). The font, page-setup and
// print dialogs share one, which attaches the dialog window to the object that is showing it.
UINT_PTR CALLBACK color_dialog_hook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
UINT_PTR CALLBACK file_dialog_hook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
UINT_PTR CALLBACK common_dialog_hook(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
int CALLBACK browse_callback(HWND hwnd, UINT msg, LPARAM lp, LPARAM data);

// Constructor and instance-destructor hooks of the six classes: a new object when the interpreter
// gives none, deleted with the instance that made it. The colour and file dialogs are made from
// `new`'s arguments, through their creator forms (their new_NAME functions); the other four have a
// Type function that makes one as `new` does without arguments.
template <class T> LiValue construct_common_dialog(LiValue inst, void *data, int owned, LiValue args);
template <class T> void destroy_common_dialog(LiValue inst);
template <class T> LiValue common_dialog_type();
template <> LiValue construct_common_dialog<ColorDialogObject>(LiValue inst, void *data, int owned, LiValue args);
template <> LiValue construct_common_dialog<FileDialogObject>(LiValue inst, void *data, int owned, LiValue args);
template <class T, bool Creator> struct CommonDialogHooks {
    static constexpr ClassHooks hooks = {construct_common_dialog<T>, nullptr, destroy_common_dialog<T>,
                                         Creator ? nullptr : common_dialog_type<T>};
};
template <> struct NativeHooks<ColorDialogObject> : CommonDialogHooks<ColorDialogObject, true> {};
template <> struct NativeHooks<FileDialogObject> : CommonDialogHooks<FileDialogObject, true> {};
template <> struct NativeHooks<FolderDialogObject> : CommonDialogHooks<FolderDialogObject, false> {};
template <> struct NativeHooks<FontDialogObject> : CommonDialogHooks<FontDialogObject, false> {};
template <> struct NativeHooks<PageSetupDialogObject> : CommonDialogHooks<PageSetupDialogObject, false> {};
template <> struct NativeHooks<PrintDialogObject> : CommonDialogHooks<PrintDialogObject, false> {};

// Whether an instance's native object is one of these, which have no SWindowBase part.
bool is_common_dialog(LiValue inst);

} // namespace savrawin
