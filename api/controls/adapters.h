// Functions the control family's table calls in place of a platform function, each of exactly
// the platform function's type, so the wrapper template deduces the same argument and result
// kinds: the HTML Help loader, and the common dialogs' and shell's guard against a null structure
// with what some of their structures need checked or filled first.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <htmlhelp.h>
#include <shellapi.h>

#include <type_traits>

namespace savrawin {

// A common-dialog or shell function that takes one structure, given a null one: the platform
// reads or writes through the pointer before it checks it, so the call is not made and Null is
// the result. Prepare, when given, runs on a real structure first: it checks what the script put
// in it (raising an argument error before anything opens) or fills what a script cannot.
template <auto F, auto Prepare = nullptr, auto Null = 0> struct RefuseNull;
template <class R, class P, R(WINAPI *F)(P *), auto Prepare, auto Null> struct RefuseNull<F, Prepare, Null> {
    static R WINAPI call(P *structure)
    {
        if (!structure) return (R)Null;
        if constexpr (!std::is_null_pointer_v<decltype(Prepare)>) Prepare(structure);
        return F(structure);
    }
};

// The file and find dialogs refuse a capacity field larger than the buffer its string field
// holds, when the module made that buffer: the dialog would write the chosen path or the typed
// text past it. nMaxFile and nMaxFileTitle count UTF-16 units, wFindWhatLen and wReplaceWithLen
// bytes.
void check_file_name(const OPENFILENAMEW *ofn);
void check_find(const FINDREPLACEW *fr);
using open_file_name = RefuseNull<&GetOpenFileNameW, check_file_name>;
using save_file_name = RefuseNull<&GetSaveFileNameW, check_file_name>;
using find_text = RefuseNull<&FindTextW, check_find>;
using replace_text = RefuseNull<&ReplaceTextW, check_find>;

// HtmlHelpW of the HTML Help control, loaded on the first call: the path registered for the
// control's class, else hhctrl.ocx from the search path; its entry is ordinal 15. When loading
// fails, this and every later call return 0 without trying again.
HWND WINAPI html_help(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData);

// ChooseColorW. The custom-colours pointer is not a script field, so a structure whose pointer
// is null is given the module's table of 16 custom colours (white at first; the platform keeps
// the user's choices there for the life of the process). The pointer stays in the structure: a
// script reads or sets the colours through a view at that address.
extern COLORREF custom_colours[16];
void give_custom_colours(CHOOSECOLORW *cc);
using choose_color = RefuseNull<&ChooseColorW, give_custom_colours>;

// SHFileOperationW. The platform reads pFrom and pTo as lists of names ended by an empty name;
// a string field holds one terminator. So each is passed as a list made from its text: names
// separated by '|' (which no file name contains), followed by the two terminators. The
// structure's own pointers are restored after the call. A null structure returns
// ERROR_INVALID_PARAMETER (87).
int WINAPI operate_on_name_lists(LPSHFILEOPSTRUCTW lpFileOp);
using file_operation = RefuseNull<&operate_on_name_lists, nullptr, ERROR_INVALID_PARAMETER>;

static_assert(std::is_same_v<decltype(&html_help), decltype(&::HtmlHelpW)>);
static_assert(std::is_same_v<decltype(&operate_on_name_lists), decltype(&::SHFileOperationW)>);

} // namespace savrawin
