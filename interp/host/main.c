/* savra.exe: runs script files and -e expressions, loads modules with -m, or starts a REPL; with
 * -i the REPL follows the files, so a program that opened windows can be explored while it runs. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "savra.h"

static int usage(void)
{
    fprintf(stderr, "usage: savra [-i] [-m MODULE] [FILE | -e EXPR]...\n");
    return 2;
}

/* A crash names where it happened (module and offset, then the frame chain) before the process
 * ends: the platform's debugger is not available everywhere this runs. */
static void print_address(const char *what, void *address)
{
    HMODULE m = NULL;
    char name[MAX_PATH] = "?";
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           (LPCSTR)address, &m))
        GetModuleFileNameA(m, name, sizeof name);
    const char *base = strrchr(name, '\\');
    fprintf(stderr, "  %s %p %s+0x%lx\n", what, address, base ? base + 1 : name,
            (unsigned long)((char *)address - (char *)m));
}

static LONG WINAPI report_crash(EXCEPTION_POINTERS *e)
{
    fprintf(stderr, "savra: exception 0x%08lx\n", (unsigned long)e->ExceptionRecord->ExceptionCode);
    print_address("at", e->ExceptionRecord->ExceptionAddress);
    DWORD *sp = (DWORD *)e->ContextRecord->Esp;
    for (int i = 0; i < 8 && !IsBadReadPtr(sp + i, 4); i++) print_address("stack", (void *)sp[i]);
    DWORD *frame = (DWORD *)e->ContextRecord->Ebp;
    for (int i = 0; i < 24 && frame && !IsBadReadPtr(frame, 8); i++) {
        print_address("from", (void *)frame[1]);
        frame = (DWORD *)frame[0];
    }
    fflush(stderr);
    return EXCEPTION_CONTINUE_SEARCH;
}

int main(int argc, char **argv)
{
    SetUnhandledExceptionFilter(report_crash);
    int i, status = 0, ran = 0, interactive = 0;
    li_Init(argc, argv);
    li_SymbolSetValue(li_SymbolFind("_hInstance_"), li_CreateLong((int32_t)(uintptr_t)GetModuleHandleA(NULL)));
    for (i = 1; i < argc && status == 0; i++) {
        if (strcmp(argv[i], "-m") == 0) {
            if (++i >= argc) return usage();
            if (li_LoadModule(argv[i]) != 0) {
                fprintf(stderr, "savra: cannot load module %s (error %lu)\n", argv[i], (unsigned long)GetLastError());
                status = 1;
            }
        } else if (strcmp(argv[i], "-i") == 0) {
            interactive = 1;
        } else if (strcmp(argv[i], "-e") == 0) {
            if (++i >= argc) return usage();
            status = li_EvalString(argv[i]);
            ran = 1;
        } else if (argv[i][0] == '-' && argv[i][1]) {
            return usage();
        } else {
            status = li_LoadFile(argv[i]);
            ran = 1;
        }
    }
    if ((!ran && status == 0) || interactive) li_Repl();
    li_Shutdown();
    fflush(stdout);
    return status;
}
