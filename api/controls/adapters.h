// Functions the control family's table calls in place of a platform function, each of exactly
// the platform function's type, so the wrapper template deduces the same argument and result
// kinds: the HTML Help loader, the common dialogs' guard against a null structure, and two
// common-dialog and shell functions whose structures need something a script cannot put in them.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <htmlhelp.h>
#include <shellapi.h>

#include <type_traits>

namespace savrawin {

// A common-dialog function given a null structure: its zero result without the call, since the
// platform reads through the pointer before it checks it. (The dialog functions take one
// structure pointer.)
template <auto F> struct RefuseNull;
template <class R, class P, R(WINAPI *F)(P *)> struct RefuseNull<F> {
    static R WINAPI call(P *structure) { return structure ? F(structure) : R(); }
};

// The file and find dialogs, refusing a null structure as RefuseNull does, and refusing (with an
// argument error, before the dialog opens) a capacity field larger than the buffer its string
// field holds, when the module made that buffer: the dialog would write the chosen path or the
// typed text past it. nMaxFile and nMaxFileTitle count UTF-16 units, wFindWhatLen and
// wReplaceWithLen bytes.
BOOL WINAPI open_file_name(LPOPENFILENAMEW lpofn);
BOOL WINAPI save_file_name(LPOPENFILENAMEW lpofn);
HWND WINAPI find_text(LPFINDREPLACEW lpfr);
HWND WINAPI replace_text(LPFINDREPLACEW lpfr);

// HtmlHelpW of the HTML Help control, loaded on the first call: the path registered for the
// control's class, else hhctrl.ocx from the search path; its entry is ordinal 15. When loading
// fails, this and every later call return 0 without trying again.
HWND WINAPI html_help(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData);

// ChooseColorW. The custom-colours pointer is not a script field, so a structure whose pointer
// is null is given the module's table of 16 custom colours (white at first; the platform keeps
// the user's choices there for the life of the process). The pointer stays in the structure: a
// script reads or sets the colours through a view at that address.
extern COLORREF custom_colours[16];
// A null structure is refused as by RefuseNull.
BOOL WINAPI choose_color(LPCHOOSECOLORW lpcc);

// SHFileOperationW. The platform reads pFrom and pTo as lists of names ended by an empty name;
// a string field holds one terminator. So each is passed as a list made from its text: names
// separated by '|' (which no file name contains), followed by the two terminators. The
// structure's own pointers are restored after the call. A null structure returns
// ERROR_INVALID_PARAMETER (87) without calling the platform, which would write through it.
int WINAPI file_operation(LPSHFILEOPSTRUCTW lpFileOp);

static_assert(std::is_same_v<decltype(&html_help), decltype(&::HtmlHelpW)>);
static_assert(std::is_same_v<decltype(&open_file_name), decltype(&::GetOpenFileNameW)>);
static_assert(std::is_same_v<decltype(&save_file_name), decltype(&::GetSaveFileNameW)>);
static_assert(std::is_same_v<decltype(&find_text), decltype(&::FindTextW)>);
static_assert(std::is_same_v<decltype(&replace_text), decltype(&::ReplaceTextW)>);
static_assert(std::is_same_v<decltype(&choose_color), decltype(&::ChooseColorW)>);
static_assert(std::is_same_v<decltype(&file_operation), decltype(&::SHFileOperationW)>);

} // namespace savrawin
