/* Running as a single-file program: the payload's images are written once to a per-user folder
 * named by their content and loaded from there; the scripts are read straight from the image. */
#include "host.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "savra.h"

unsigned long long fnv1a(unsigned long long h, const void *data, size_t n)
{
    const unsigned char *p = data;
    for (size_t i = 0; i < n; i++) h = (h ^ p[i]) * 0x100000001b3ull;
    return h;
}

static const void *payload(LPCWSTR name, DWORD *size)
{
    HRSRC r = FindResourceW(NULL, name, BUNDLE_RESOURCE_TYPE);
    HGLOBAL g = r ? LoadResource(NULL, r) : NULL;
    *size = r ? SizeofResource(NULL, r) : 0;
    return g ? LockResource(g) : NULL;
}

static int refuse(const Bundle *b, const char *why, const wchar_t *path)
{
    char text[2 * MAX_PATH + 200];
    snprintf(text, sizeof text, "%s: %s%s%ls", b->name, why, path ? ": " : "", path ? path : L"");
    host_message(b->name, text);
    return -1;
}

/* Writes the image unless a complete copy is there; another start of the same program may be
 * writing it at the same moment, so each writes a file of its own and renames it into place. */
static int place(const wchar_t *path, const void *data, DWORD size)
{
    WIN32_FILE_ATTRIBUTE_DATA have;
    if (GetFileAttributesExW(path, GetFileExInfoStandard, &have) && have.nFileSizeHigh == 0 && have.nFileSizeLow == size)
        return 1;
    wchar_t tmp[MAX_PATH + 32];
    swprintf(tmp, sizeof tmp / sizeof *tmp, L"%ls.%lu.tmp", path, (unsigned long)GetCurrentProcessId());
    HANDLE f = CreateFileW(tmp, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (f == INVALID_HANDLE_VALUE) return 0;
    DWORD put = 0;
    BOOL ok = WriteFile(f, data, size, &put, NULL) && put == size;
    CloseHandle(f);
    if (ok && MoveFileExW(tmp, path, MOVEFILE_REPLACE_EXISTING)) return 1;
    DeleteFileW(tmp);
    /* A copy in use cannot be replaced; one of the right size was completed by another start. */
    return GetFileAttributesExW(path, GetFileExInfoStandard, &have) && have.nFileSizeLow == size;
}

/* The folder for the images: %LOCALAPPDATA%\savra\runtime-KEY, else under the temporary folder. */
static int runtime_folder(wchar_t *dir, const char *key)
{
    DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", dir, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) n = GetTempPathW(MAX_PATH, dir);
    if (n == 0 || n >= MAX_PATH - 64) return 0;
    if (dir[n - 1] == L'\\') dir[--n] = 0;
    wcscat(dir, L"\\savra");
    CreateDirectoryW(dir, NULL);
    swprintf(dir + wcslen(dir), 64, L"\\runtime-%hs", key);
    return CreateDirectoryW(dir, NULL) || GetLastError() == ERROR_ALREADY_EXISTS;
}

int bundle_open(Bundle *b)
{
    DWORD index_size = 0;
    const char *index = payload(BUNDLE_INDEX_NAME, &index_size);
    if (!index) return 0;
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
    const char *base = path;
    for (DWORD i = 0; i < n; i++)
        if (path[i] == '\\' || path[i] == '/') base = path + i + 1;
    snprintf(b->name, sizeof b->name, "%s", n ? base : "bundle");

    /* The index: "key HEX", then "KIND ID NAME" per file, one a line. */
    char *text = malloc(index_size + 1);
    memcpy(text, index, index_size);
    text[index_size] = 0;
    char key[17] = "";
    wchar_t dir[MAX_PATH];
    int placed = 0;
    b->main_name = NULL;
    for (char *line = strtok(text, "\n"); line; line = strtok(NULL, "\n")) {
        char kind[8];
        int id = 0, used = 0;
        if (sscanf(line, "key %16s", key) == 1) {
            if (!runtime_folder(dir, key)) return refuse(b, "cannot make the folder for the interpreter", dir);
            placed = 1;
            continue;
        }
        if (sscanf(line, "%7s %d %n", kind, &id, &used) != 2 || !used || !placed) return refuse(b, "damaged bundle index", NULL);
        DWORD size = 0;
        const void *data = payload(MAKEINTRESOURCEW(id), &size);
        if (!data) return refuse(b, "damaged bundle: a file is missing", NULL);
        const char *name = line + used;
        if (strcmp(kind, "dll") == 0) {
            wchar_t file[MAX_PATH + 16];
            swprintf(file, sizeof file / sizeof *file, L"%ls\\%hs", dir, name);
            if (!place(file, data, size)) return refuse(b, "cannot write", file);
        } else if (strcmp(kind, "main") == 0) {
            b->main_name = name;
            b->main_text = data;
            b->main_size = size;
        }
    }
    if (!b->main_name) return refuse(b, "damaged bundle: no main script", NULL);
    /* The interpreter by its full path, so that a copy elsewhere on the search path is never taken;
     * the module and any other bundled image are found through the folder. */
    SetDllDirectoryW(dir);
    static const char *runtime[] = {"libhalden.dll", "libsavra.dll"};
    for (size_t i = 0; i < sizeof runtime / sizeof *runtime; i++) {
        wchar_t file[MAX_PATH + 16];
        swprintf(file, sizeof file / sizeof *file, L"%ls\\%hs", dir, runtime[i]);
        if (!LoadLibraryW(file)) return refuse(b, "cannot load", file);
    }
    /* The index's text stays: the names in it are used for the program's life. */
    return 1;
}

/* `load` of a name a script was bundled under reads the bundled copy; any other name reads the file
 * as before. The names are unusual because the bindings are visible to the loaded code. */
static const char LOAD_FROM_BUNDLE[] =
    "(setq _load_from_file_ load)"
    "(defun load (_bundle_load_name_)"
    "  (let ((_bundle_load_entry_ (assoc _bundle_load_name_ _bundle_scripts_)))"
    "    (if _bundle_load_entry_"
    "        (eval (read-from-string (string-append \"(progn \" (cdr _bundle_load_entry_) \"\\n)\")))"
    "      (_load_from_file_ _bundle_load_name_))))";

void bundle_install_scripts(void)
{
    DWORD index_size = 0;
    const char *index = payload(BUNDLE_INDEX_NAME, &index_size);
    char *text = malloc(index_size + 1);
    memcpy(text, index, index_size);
    text[index_size] = 0;
    /* Each new value is held by a symbol while the next one is made, so a collection keeps it. */
    LiValue list = li_SymbolFind("_bundle_scripts_"), name = li_SymbolFind("_bundle_pending_name_"),
            script = li_SymbolFind("_bundle_pending_text_");
    /* nil by name: the host reaches the interpreter through functions only (see CMakeLists.txt). */
    LiValue nil = li_SymbolValue(li_SymbolFind("nil"));
    li_SymbolSetValue(list, nil);
    for (char *line = strtok(text, "\n"); line; line = strtok(NULL, "\n")) {
        int id = 0, used = 0;
        DWORD size = 0;
        if (sscanf(line, "script %d %n", &id, &used) != 1 || !used) continue;
        const char *data = payload(MAKEINTRESOURCEW(id), &size);
        li_SymbolSetValue(script, li_CreateStringN(data, (int)size));
        li_SymbolSetValue(name, li_CreateString(line + used));
        li_SymbolSetValue(script, li_Cons(li_SymbolValue(name), li_SymbolValue(script)));
        li_SymbolSetValue(list, li_Cons(li_SymbolValue(script), li_SymbolValue(list)));
    }
    li_SymbolSetValue(name, nil);
    li_SymbolSetValue(script, nil);
    free(text);
    li_EvalString(LOAD_FROM_BUNDLE);
}
