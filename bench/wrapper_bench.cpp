// Wrapper calls from script against the same platform calls from C, in one run: an integer
// result, a handle argument, and a UTF-16 string argument of 20 and of 300 characters.
#include <windows.h>

#include <stdio.h>
#include <string>

#include "savra.h"
#include "timing.h"

static double script_ns(const char *body, int n)
{
    char buf[512];
    snprintf(buf, sizeof buf, "(dotimes (i %d) %s)", n, body);
    double t0 = now_ns();
    li_EvalString(buf);
    return (now_ns() - t0) / n;
}

template <class F> static double c_ns(F f, int n)
{
    double t0 = now_ns();
    for (int i = 0; i < n; i++) f();
    return (now_ns() - t0) / n;
}

int main(int argc, char **argv)
{
    const int N = 200000;
    li_Init(argc, argv);
    if (li_LoadModule("savrawinfns") != 0) {
        printf("cannot load savrawinfns\n");
        return 1;
    }
    li_EvalString("(setq desk (GetDesktopWindow)) (setq s20 (make-string 20 65)) (setq s300 (make-string 300 65))");
    double loop = script_ns("nil", N);
    HWND desk = GetDesktopWindow();
    std::wstring w20(20, L'A'), w300(300, L'A');
    volatile DWORD sink = 0;

    struct Row {
        const char *name, *script;
        double c;
    } rows[] = {
        {"GetTickCount", "(GetTickCount)", c_ns([&] { sink = GetTickCount(); }, N)},
        {"IsWindow", "(IsWindow desk)", c_ns([&] { sink = IsWindow(desk); }, N)},
        {"lstrlen, 20 characters", "(lstrlen s20)", c_ns([&] { sink = lstrlenW(w20.c_str()); }, N)},
        {"lstrlen, 300 characters", "(lstrlen s300)", c_ns([&] { sink = lstrlenW(w300.c_str()); }, N)},
    };
    printf("%-26s %12s %12s %8s\n", "call", "script ns", "C ns", "ratio");
    for (const Row &r : rows) {
        double s = script_ns(r.script, N) - loop;
        printf("%-26s %12.1f %12.1f %8.1f\n", r.name, s, r.c, s / r.c);
    }
    return 0;
}
