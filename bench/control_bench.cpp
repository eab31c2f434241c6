// Control methods from script against the same messages sent from C, in one run: an integer
// method without and with an argument, and a text method (a 20-character AddString), with the
// cells each call makes beyond the loop's own.
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

// Cells made per evaluation of body, over n evaluations.
static double script_cells(const char *body, int n)
{
    char buf[512];
    snprintf(buf, sizeof buf,
             "(setq cells-before (cells-allocated)) (dotimes (i %d) %s) (setq cells-made (- (cells-allocated) cells-before))",
             n, body);
    li_EvalString(buf);
    LiValue v = li_SymbolValue(li_SymbolFind("cells-made"));
    return (double)li_LVal(v) / n;
}

template <class F> static double c_ns(F f, int n)
{
    double t0 = now_ns();
    for (int i = 0; i < n; i++) f();
    return (now_ns() - t0) / n;
}

int main(int argc, char **argv)
{
    const int N = 200000, T = 20000;
    li_Init(argc, argv);
    if (li_LoadModule("savrawinfns") != 0) {
        printf("cannot load savrawinfns\n");
        return 1;
    }
    li_EvalString("(setq host (new SWindow)) (.Create host 0 nil \"bench\" 0x00CF0000 0)"
                  "(setq lb (new SListBox)) (.Create lb (.-m_hWnd host) nil nil 0 0) (.AddString lb \"x\")"
                  "(setq s20 (make-string 20 65))");
    li_EvalString("(setq lb-hwnd (.-m_hWnd lb))");
    HWND h = (HWND)(uintptr_t)(uint32_t)li_LVal(li_SymbolValue(li_SymbolFind("lb-hwnd")));
    std::wstring w20(20, L'A');
    volatile LRESULT sink = 0;

    double loop = script_ns("nil", N);
    double loop_cells = script_cells("nil", N / 10);
    struct Row {
        const char *name, *script;
        int n;
        double c;
        bool text;
    } rows[] = {
        {"GetCount ()", "(.GetCount lb)", N, c_ns([&] { sink = SendMessageW(h, LB_GETCOUNT, 0, 0); }, N), false},
        {"SetCurSel (integer)", "(.SetCurSel lb 0)", N, c_ns([&] { sink = SendMessageW(h, LB_SETCURSEL, 0, 0); }, N), false},
        {"SetSel, default filled", "(.SetSel lb 0)", N, c_ns([&] { sink = SendMessageW(h, LB_SETSEL, 1, 0); }, N), false},
    };
    printf("%-30s %12s %12s %8s %14s\n", "control method", "script ns", "C ns", "ratio", "cells per call");
    for (const Row &r : rows) {
        double s = script_ns(r.script, r.n) - loop;
        double cells = script_cells(r.script, r.n / 10) - loop_cells;
        printf("%-30s %12.1f %12.1f %8.1f %14.2f\n", r.name, s, r.c, s / r.c, cells);
    }
    // Text: T items added from each side, the list emptied between the runs.
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    double c_text = c_ns([&] { sink = SendMessageW(h, LB_ADDSTRING, 0, (LPARAM)w20.c_str()); }, T);
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    double s_text = script_ns("(.AddString lb s20)", T) - loop;
    SendMessageW(h, LB_RESETCONTENT, 0, 0);
    double text_cells = script_cells("(.AddString lb s20)", N / 10) - loop_cells;
    printf("%-30s %12.1f %12.1f %8.1f %14.2f\n", "AddString, 20 characters", s_text, c_text, s_text / c_text, text_cells);
    printf("(a result is an integer cell unless the interpreter keeps that number static)\n");
    return 0;
}
