#include "adapters.h"

#include <stdio.h>
#include <stdlib.h>

#include "../../binding/late_bound.h"
#include "../../structs/model.h"

namespace savrawin {

// ---- HTML Help ----------------------------------------------------------------------------------

namespace {

// The control's registered path: an expandable value only if its expansion fits, any other
// only if it ends within the buffer.
bool registered_help_path(char (&path)[MAX_PATH])
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32", 0, KEY_READ,
                      &key) != ERROR_SUCCESS)
        return false;
    char value[MAX_PATH];
    DWORD type = 0, size = sizeof value;
    bool found = false;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, (BYTE *)value, &size) == ERROR_SUCCESS) {
        if (type == REG_EXPAND_SZ) {
            if (size == sizeof value) value[MAX_PATH - 1] = 0;
            DWORD n = ExpandEnvironmentStringsA(value, path, MAX_PATH);
            found = n > 0 && n <= MAX_PATH;
        } else {
            DWORD k = 0;
            while (k < size && k < MAX_PATH && value[k]) {
                path[k] = value[k];
                k++;
            }
            found = k < MAX_PATH;
            if (found) path[k] = 0;
        }
    }
    RegCloseKey(key);
    return found;
}

// The registered help control, else hhctrl.ocx from the search path; looked for once, on the first
// call, so a script that never asks for help loads nothing.
struct help_control {
    static HMODULE module()
    {
        char path[MAX_PATH];
        HMODULE m = registered_help_path(path) ? LoadLibraryA(path) : nullptr;
        return m ? m : LoadLibraryA("hhctrl.ocx");
    }
    static LPCSTR name() { return MAKEINTRESOURCEA(15); }
};
} // namespace

HWND WINAPI html_help(HWND hwndCaller, LPCWSTR pszFile, UINT uCommand, DWORD_PTR dwData)
{
    return LateBound<decltype(&::HtmlHelpW), help_control>::call(hwndCaller, pszFile, uCommand, dwData);
}

// ---- File and find dialogs -------------------------------------------------------------------

namespace {
// Raises the argument error when capacity exceeds the room of buffer; per_unit: the capacity's
// units in one UTF-16 unit (1, or 2 for a capacity in bytes).
void check_capacity(const void *buffer, uint32_t capacity, uint32_t per_unit, const char *field, const char *string_field)
{
    int room = string_field_room(buffer);
    if (room < 0 || capacity <= (uint32_t)room * per_unit) return;
    char what[200];
    snprintf(what, sizeof what, "a structure whose %s (%u) fits the %d units of its %s", field, capacity, room,
             string_field);
    li_ArgumentError(0, what);
}
} // namespace

void check_file_name(const OPENFILENAMEW *ofn)
{
    check_capacity(ofn->lpstrFile, ofn->nMaxFile, 1, "nMaxFile", "lpstrFile");
    check_capacity(ofn->lpstrFileTitle, ofn->nMaxFileTitle, 1, "nMaxFileTitle", "lpstrFileTitle");
}

void check_find(const FINDREPLACEW *fr)
{
    check_capacity(fr->lpstrFindWhat, fr->wFindWhatLen, 2, "wFindWhatLen", "lpstrFindWhat");
    check_capacity(fr->lpstrReplaceWith, fr->wReplaceWithLen, 2, "wReplaceWithLen", "lpstrReplaceWith");
}

// ---- Colours and file operations ----------------------------------------------------------------

COLORREF custom_colours[16] = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
                               0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};

void give_custom_colours(CHOOSECOLORW *cc)
{
    if (!cc->lpCustColors) cc->lpCustColors = custom_colours;
}

namespace {
// "a|b" as "a\0b\0\0"; null for null text. Sets *failed when memory runs out.
wchar_t *name_list(LPCWSTR text, bool *failed)
{
    if (!text) return nullptr;
    int n = lstrlenW(text);
    wchar_t *list = (wchar_t *)malloc(sizeof(wchar_t) * (size_t)(n + 2));
    if (!list) {
        *failed = true;
        return nullptr;
    }
    for (int i = 0; i < n; i++) list[i] = text[i] == L'|' ? L'\0' : text[i];
    list[n] = list[n + 1] = L'\0';
    return list;
}
} // namespace

int WINAPI operate_on_name_lists(LPSHFILEOPSTRUCTW lpFileOp)
{
    bool failed = false;
    wchar_t *from = name_list(lpFileOp->pFrom, &failed);
    wchar_t *to = name_list(lpFileOp->pTo, &failed);
    int result = ERROR_NOT_ENOUGH_MEMORY;
    if (!failed) {
        LPCWSTR own_from = lpFileOp->pFrom, own_to = lpFileOp->pTo;
        lpFileOp->pFrom = from;
        lpFileOp->pTo = to;
        result = SHFileOperationW(lpFileOp);
        lpFileOp->pFrom = own_from;
        lpFileOp->pTo = own_to;
    }
    free(from);
    free(to);
    return result;
}

} // namespace savrawin
