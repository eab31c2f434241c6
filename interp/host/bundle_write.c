/* savra --bundle: a copy of the host with the interpreter's images and the scripts added to it as
 * resources, so the result runs with nothing beside it. Done by the host itself, since a machine that
 * runs scripts has no compiler: the console or the windowed host is the copy's start, the payload
 * goes in through the platform's resource update calls. */
#include "host.h"

#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct Entry {
    const char *kind; /* "dll", "main" or "script" */
    char name[MAX_PATH];
    void *data;
    DWORD size;
} Entry;

#define MAX_ENTRIES 256

static const char USAGE[] = "usage: savra --bundle SCRIPT -o PROGRAM.exe [--windowed] [--icon FILE.ico] [--add FILE]...";

static int fail(const char *what, const char *path, DWORD error)
{
    char reason[512] = "";
    if (error)
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, NULL, error, 0, reason,
                       sizeof reason, NULL);
    size_t n = strlen(reason);
    while (n && (reason[n - 1] == '\n' || reason[n - 1] == '\r' || reason[n - 1] == '.')) reason[--n] = 0;
    char text[2 * MAX_PATH + 600];
    snprintf(text, sizeof text, "savra --bundle: %s%s%s%s%s", what, path ? " " : "", path ? path : "",
             *reason ? ": " : "", reason);
    host_message("savra --bundle", text);
    return 1;
}

static void *read_file(const char *path, DWORD *size, DWORD *error)
{
    HANDLE f = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (f == INVALID_HANDLE_VALUE) {
        *error = GetLastError();
        return NULL;
    }
    DWORD high = 0, n = GetFileSize(f, &high), got = 0;
    char *data = high ? NULL : malloc(n ? n : 1);
    if (!data || !ReadFile(f, data, n, &got, NULL) || got != n) {
        *error = data ? GetLastError() : ERROR_NOT_ENOUGH_MEMORY;
        free(data);
        CloseHandle(f);
        return NULL;
    }
    CloseHandle(f);
    *size = n;
    return data;
}

static const char *base_name(const char *path)
{
    const char *b = path;
    for (const char *p = path; *p; p++)
        if (*p == '\\' || *p == '/' || *p == ':') b = p + 1;
    return b;
}

static int ends_with(const char *s, const char *tail)
{
    size_t n = strlen(s), t = strlen(tail);
    return n >= t && _stricmp(s + n - t, tail) == 0;
}

static int add_entry(Entry *entries, int *count, const char *kind, const char *name, const char *path)
{
    if (*count >= MAX_ENTRIES) return fail("too many files to bundle at", path, 0);
    if (strlen(name) >= MAX_PATH || strchr(name, '\n')) return fail("unusable file name", name, 0);
    Entry *e = &entries[*count];
    DWORD error = 0;
    e->data = read_file(path, &e->size, &error);
    if (!e->data) return fail("cannot read", path, error);
    e->kind = kind;
    strcpy(e->name, name);
    ++*count;
    return 0;
}

/* An .ico file: a directory of images, each of which becomes an icon resource; the group resource
 * names them by id. Layouts as the platform's headers describe them (ICONDIR, GRPICONDIR). */
#pragma pack(push, 2)
typedef struct {
    BYTE width, height, colors, reserved;
    WORD planes, bit_count;
    DWORD bytes, offset;
} IcoEntry;
typedef struct {
    BYTE width, height, colors, reserved;
    WORD planes, bit_count;
    DWORD bytes;
    WORD id;
} GroupEntry;
#pragma pack(pop)

static int add_icon(HANDLE update, const char *path)
{
    DWORD size = 0, error = 0;
    BYTE *ico = read_file(path, &size, &error);
    if (!ico) return fail("cannot read the icon", path, error);
    WORD count = size >= 6 ? *(WORD *)(ico + 4) : 0;
    if (size < 6 || *(WORD *)ico != 0 || *(WORD *)(ico + 2) != 1 || count == 0 || 6 + count * sizeof(IcoEntry) > size) {
        free(ico);
        return fail("not an icon file (.ico):", path, 0);
    }
    size_t group_size = 6 + count * sizeof(GroupEntry);
    BYTE *group = malloc(group_size);
    memcpy(group, ico, 6);
    for (WORD i = 0; i < count; i++) {
        IcoEntry *in = (IcoEntry *)(ico + 6 + i * sizeof(IcoEntry));
        if (in->offset > size || in->bytes > size - in->offset) {
            free(group);
            free(ico);
            return fail("an image lies outside the icon file", path, 0);
        }
        GroupEntry *out = (GroupEntry *)(group + 6 + i * sizeof(GroupEntry));
        memcpy(out, in, offsetof(GroupEntry, id));
        out->id = (WORD)(i + 1);
        if (!UpdateResourceW(update, (LPCWSTR)RT_ICON, MAKEINTRESOURCEW(i + 1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                             ico + in->offset, in->bytes)) {
            error = GetLastError();
            free(group);
            free(ico);
            return fail("cannot add the icon", path, error);
        }
    }
    BOOL ok = UpdateResourceW(update, (LPCWSTR)RT_GROUP_ICON, MAKEINTRESOURCEW(1), MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                              group, (DWORD)group_size);
    error = GetLastError();
    free(group);
    free(ico);
    return ok ? 0 : fail("cannot add the icon", path, error);
}

int bundle_write(int argc, char **argv)
{
    const char *script = NULL, *output = NULL, *icon = NULL;
    const char *added[MAX_ENTRIES];
    int windowed = 0, n_added = 0;
    for (int i = 0; i < argc; i++) {
        const char *a = argv[i];
        int has_value = i + 1 < argc;
        if (strcmp(a, "-o") == 0 && has_value) output = argv[++i];
        else if (strcmp(a, "--icon") == 0 && has_value) icon = argv[++i];
        else if (strcmp(a, "--add") == 0 && has_value && n_added < MAX_ENTRIES) added[n_added++] = argv[++i];
        else if (strcmp(a, "--windowed") == 0) windowed = 1;
        else if (a[0] != '-' && !script) script = a;
        else {
            host_message("savra --bundle", USAGE);
            return 2;
        }
    }
    if (!script || !output) {
        host_message("savra --bundle", USAGE);
        return 2;
    }

    char stub[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, stub, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return fail("cannot find the host's own file", NULL, GetLastError());
    char *folder_end = (char *)base_name(stub);
    *folder_end = 0;

    static Entry entries[MAX_ENTRIES];
    int count = 0;
    static const char *runtime[] = BUNDLE_RUNTIME_DLLS;
    for (size_t i = 0; i < sizeof runtime / sizeof *runtime; i++) {
        char path[MAX_PATH];
        snprintf(path, sizeof path, "%s%s", stub, runtime[i]);
        if (add_entry(entries, &count, "dll", runtime[i], path)) return 1;
    }
    for (int i = 0; i < n_added; i++)
        if (ends_with(added[i], ".dll") ? add_entry(entries, &count, "dll", base_name(added[i]), added[i])
                                        : add_entry(entries, &count, "script", added[i], added[i]))
            return 1;
    if (add_entry(entries, &count, "main", base_name(script), script)) return 1;

    /* The images' folder on the user's machine is named by their content, so bundles made by one
     * version share it and a changed image never meets an older copy. */
    unsigned long long key = FNV_START;
    for (int i = 0; i < count; i++) {
        if (strcmp(entries[i].kind, "dll") != 0) continue;
        key = fnv1a(key, entries[i].name, strlen(entries[i].name) + 1);
        key = fnv1a(key, entries[i].data, entries[i].size);
    }
    size_t index_size = 64 + count * (MAX_PATH + 16);
    char *index = malloc(index_size), *at = index;
    at += sprintf(at, "key %016llx\n", key);
    for (int i = 0; i < count; i++) at += sprintf(at, "%s %d %s\n", entries[i].kind, i + 1, entries[i].name);

    strcat(stub, windowed ? "savraw.exe" : "savra.exe");
    if (!CopyFileA(stub, output, FALSE)) return fail("cannot copy the host", stub, GetLastError());
    HANDLE update = BeginUpdateResourceA(output, FALSE);
    if (!update) {
        DWORD error = GetLastError();
        DeleteFileA(output);
        return fail("cannot add resources to", output, error);
    }
    WORD lang = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    int failed = 0;
    for (int i = 0; i < count && !failed; i++)
        if (!UpdateResourceW(update, BUNDLE_RESOURCE_TYPE, MAKEINTRESOURCEW(i + 1), lang, entries[i].data, entries[i].size))
            failed = fail("cannot add", entries[i].name, GetLastError());
    if (!failed && !UpdateResourceW(update, BUNDLE_RESOURCE_TYPE, BUNDLE_INDEX_NAME, lang, index, (DWORD)(at - index)))
        failed = fail("cannot add the index to", output, GetLastError());
    if (!failed && icon) failed = add_icon(update, icon);
    free(index);
    for (int i = 0; i < count; i++) free(entries[i].data);
    if (failed) {
        EndUpdateResourceA(update, TRUE);
        DeleteFileA(output);
        return 1;
    }
    if (!EndUpdateResourceA(update, FALSE)) {
        DWORD error = GetLastError();
        DeleteFileA(output);
        return fail("cannot write", output, error);
    }
    return 0;
}
