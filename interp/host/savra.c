/* savra.exe: runs script files and -e expressions, loads modules with -m, or starts a REPL. */
#include <windows.h>

#include <stdio.h>
#include <string.h>

#include "savra.h"

static int usage(void)
{
    fprintf(stderr, "usage: savra [-m MODULE] [FILE | -e EXPR]...\n");
    return 2;
}

int main(int argc, char **argv)
{
    int i, status = 0, ran = 0;
    li_Init(argc, argv);
    li_SymbolSetValue(li_SymbolFind("_hInstance_"), li_CreateLong((int32_t)(uintptr_t)GetModuleHandleA(NULL)));
    for (i = 1; i < argc && status == 0; i++) {
        if (strcmp(argv[i], "-m") == 0) {
            if (++i >= argc) return usage();
            if (li_LoadModule(argv[i]) != 0) {
                fprintf(stderr, "savra: cannot load module %s (error %lu)\n", argv[i], (unsigned long)GetLastError());
                status = 1;
            }
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
    if (!ran && status == 0) li_Repl();
    li_Shutdown();
    fflush(stdout);
    return status;
}
