/* The host programs' shared parts: savra.exe (console) and savraw.exe (windowed) are one source built
 * twice, and either one becomes a single-file program when a bundle's payload is added to a copy. */
#ifndef SAVRA_HOST_H
#define SAVRA_HOST_H

#include <windows.h>

/* The payload of a bundle: resources of this type in the program's own image. */
#define BUNDLE_RESOURCE_TYPE L"SAVRABUNDLE"
#define BUNDLE_INDEX_NAME L"INDEX"
/* The interpreter's images, carried in every bundle and found beside the host when one is made. */
#define BUNDLE_RUNTIME_DLLS {"libhalden.dll", "libsavra.dll", "savrawinfns.dll"}

/* VERSION and the commit the hosts were built from (build_info.c, written by the build). */
extern const char host_version[], host_commit[];

/* What a message for the user becomes: a line on the error stream, or a message box where there is
 * no console. */
void host_message(const char *title, const char *text);

/* savra --bundle ARGS...: writes a single-file program; 0, or 1 after saying why. */
int bundle_write(int argc, char **argv);

/* A running bundle: its scripts, and the folder its images were put in. */
typedef struct Bundle {
    char name[MAX_PATH];     /* the program's file name, for titles */
    const char *main_name;   /* the main script's name, as given when bundling */
    const char *main_text;
    DWORD main_size;
} Bundle;

/* 1 when this image carries a payload: its images are then extracted (once per content) and the
 * interpreter is loaded from there; 0 for a plain host; -1 after saying why the payload cannot be
 * used. */
int bundle_open(Bundle *b);
/* Makes the bundled scripts reachable through `load` by the names they were bundled under. Needs the
 * interpreter started. */
void bundle_install_scripts(void);

/* 64-bit FNV-1a, continued from h (start with FNV_START): names a payload's content. */
#define FNV_START 0xcbf29ce484222325ull
unsigned long long fnv1a(unsigned long long h, const void *data, size_t n);

#endif
