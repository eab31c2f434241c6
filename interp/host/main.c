/* savra.exe and savraw.exe: runs script files and -e expressions, loads modules with -m, or starts a
 * REPL; with -i the REPL follows the files, so a program that opened windows can be explored while
 * it runs. One source, two builds: savraw.exe (SAVRA_WINDOWED) is for the GUI subsystem, opens no
 * console, and shows an uncaught error in a message box. Either one, with a payload added by
 * --bundle, is a single-file program that runs its bundled script. */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "host.h"
#include "savra.h"

#ifdef SAVRA_WINDOWED
#define HOST_NAME "savraw"
#else
#define HOST_NAME "savra"
#endif

static int usage(void)
{
    host_message(HOST_NAME,
                 "usage: " HOST_NAME " [-i] [-m MODULE] [FILE | -e EXPR]... [-- ARG...]\n"
                 "       " HOST_NAME " --bundle SCRIPT -o PROGRAM.exe [--windowed] [--icon FILE.ico] [--add FILE]...\n"
                 "       " HOST_NAME " --version");
    return 2;
}

void host_message(const char *title, const char *text)
{
#ifdef SAVRA_WINDOWED
    int n = MultiByteToWideChar(CP_UTF8, 0, text, -1, NULL, 0), t = MultiByteToWideChar(CP_UTF8, 0, title, -1, NULL, 0);
    wchar_t *wide = malloc(sizeof(wchar_t) * (n + t));
    if (wide) {
        MultiByteToWideChar(CP_UTF8, 0, text, -1, wide, n);
        MultiByteToWideChar(CP_UTF8, 0, title, -1, wide + n, t);
        MessageBoxW(NULL, wide, wide + n, MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
        free(wide);
    }
#else
    (void)title;
    fprintf(stderr, "%s\n", text);
    fflush(stderr);
#endif
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

/* The script's arguments: the list of strings _args_ (UTF-8, as every script string). Each new value
 * is held by a symbol while the next one is made, so a collection keeps it. */
static void set_script_args(int argc, char **argv)
{
    LiValue list = li_SymbolFind("_args_"), pending = li_SymbolFind("_args_pending_");
    LiValue nil = li_SymbolValue(li_SymbolFind("nil"));
    li_SymbolSetValue(list, nil);
    for (int i = argc - 1; i >= 0; i--) {
        int n = MultiByteToWideChar(CP_ACP, 0, argv[i], -1, NULL, 0);
        wchar_t *wide = malloc(sizeof(wchar_t) * n);
        MultiByteToWideChar(CP_ACP, 0, argv[i], -1, wide, n);
        int u = WideCharToMultiByte(CP_UTF8, 0, wide, -1, NULL, 0, NULL, NULL);
        char *utf8 = malloc(u);
        WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, u, NULL, NULL);
        li_SymbolSetValue(pending, li_CreateString(utf8));
        li_SymbolSetValue(list, li_Cons(li_SymbolValue(pending), li_SymbolValue(list)));
        free(utf8);
        free(wide);
    }
    li_SymbolSetValue(pending, nil);
}

#ifdef SAVRA_WINDOWED
/* The text the interpreter prints for an uncaught error (message, then the stack, each frame cut to
 * 120 characters), made again as a string for the message box. */
static const char ERROR_REPORT[] =
    "(setq _error_report_"
    "  (let ((_report_ (string-append \"Error: \" (format \"%s\" _error_) \"\\nStack follows:\\n\")))"
    "    (dolist (_frame_ _error_stack_)"
    "      (let ((_line_ (repr _frame_)))"
    "        (if (> (length _line_) 120) (setq _line_ (string-append (substring _line_ 0 117) \"...\")))"
    "        (setq _report_ (string-append _report_ \"  \" _line_ \"\\n\"))))"
    "    _report_))";

static void show_uncaught_error(const char *title)
{
    LiValue report = li_SymbolFind("_error_report_");
    if (li_EvalString(ERROR_REPORT) == 0 && li_StringP(li_SymbolValue(report)))
        host_message(title, li_SVal(li_SymbolValue(report)));
    else
        host_message(title, "Error: the script failed, and its error could not be shown.");
}
#endif

static void start_interpreter(int argc, char **argv)
{
    li_Init(argc, argv);
    li_SymbolSetValue(li_SymbolFind("_hInstance_"), li_CreateLong((int32_t)(uintptr_t)GetModuleHandleA(NULL)));
}

static int finish(int status, const char *title)
{
#ifdef SAVRA_WINDOWED
    if (status != 0) show_uncaught_error(title);
#else
    (void)title;
#endif
    li_Shutdown();
    fflush(stdout);
    return status;
}

/* A single-file program: every argument is the script's. */
static int run_bundle(const Bundle *b, int argc, char **argv)
{
    start_interpreter(argc, argv);
    set_script_args(argc - 1, argv + 1);
    bundle_install_scripts();
    char *text = malloc(b->main_size + 1);
    memcpy(text, b->main_text, b->main_size);
    text[b->main_size] = 0;
    int status = li_EvalString(text);
    free(text);
    return finish(status, b->name);
}

int main(int argc, char **argv)
{
    SetUnhandledExceptionFilter(report_crash);
    Bundle bundle;
    switch (bundle_open(&bundle)) {
    case 1: return run_bundle(&bundle, argc, argv);
    case -1: return 1;
    }
    if (argc == 2 && strcmp(argv[1], "--version") == 0) {
        char text[128];
        snprintf(text, sizeof text, HOST_NAME " %s (commit %s)", host_version, host_commit);
#ifdef SAVRA_WINDOWED
        MessageBoxA(NULL, text, HOST_NAME, MB_OK | MB_ICONINFORMATION);
#else
        printf("%s\n", text);
#endif
        return 0;
    }
    if (argc >= 2 && strcmp(argv[1], "--bundle") == 0) return bundle_write(argc - 2, argv + 2);

    /* The arguments after "--" are the script's. */
    int ends = argc;
    for (int i = 1; i < argc; i++)
        if (strcmp(argv[i], "--") == 0) {
            ends = i;
            break;
        }
    int i, status = 0, ran = 0, interactive = 0;
    const char *title = HOST_NAME;
    start_interpreter(argc, argv);
    set_script_args(argc - ends - (ends < argc), argv + ends + (ends < argc));
    for (i = 1; i < ends && status == 0; i++) {
        if (strcmp(argv[i], "-m") == 0) {
            if (++i >= ends) return usage();
            if (li_LoadModule(argv[i]) != 0) {
                char text[MAX_PATH + 64];
                snprintf(text, sizeof text, HOST_NAME ": cannot load module %s (error %lu)", argv[i], (unsigned long)GetLastError());
                host_message(HOST_NAME, text);
                li_Shutdown();
                return 1;
            }
        } else if (strcmp(argv[i], "-i") == 0) {
            interactive = 1;
        } else if (strcmp(argv[i], "-e") == 0) {
            if (++i >= ends) return usage();
            status = li_EvalString(argv[i]);
            ran = 1;
        } else if (argv[i][0] == '-' && argv[i][1]) {
            return usage();
        } else {
            status = li_LoadFile(argv[i]);
            title = argv[i];
            ran = 1;
        }
    }
#ifdef SAVRA_WINDOWED
    /* No console to read from: the windowed host runs scripts only. */
    if (!ran || interactive) {
        li_Shutdown();
        return usage();
    }
#else
    if ((!ran && status == 0) || interactive) li_Repl();
#endif
    return finish(status, title);
}
