// The clock every benchmark reads, the two ways a benchmark times a call (n rounds of a script body
// in one evaluation, n calls of a C function), and the cells a script body makes.
//
// Each timing is the fastest of a few runs: what else the machine does (and, in an emulated guest,
// translation and interrupts) only ever adds time, so the minimum is the figure that repeats.
#pragma once

#include <windows.h>

#include <stdio.h>

#include "savra.h"

static inline double now_ns()
{
    static LARGE_INTEGER freq;
    LARGE_INTEGER t;
    if (!freq.QuadPart) QueryPerformanceFrequency(&freq);
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1e9 / (double)freq.QuadPart;
}

const int timing_runs = 5;

// Nanoseconds per round of BODY, run n times by one (dotimes ...) form.
static inline double script_ns(const char *body, int n)
{
    char buf[512];
    snprintf(buf, sizeof buf, "(dotimes (i %d) %s)", n, body);
    double best = 0;
    for (int run = 0; run < timing_runs; run++) {
        double t0 = now_ns();
        li_EvalString(buf);
        double t = (now_ns() - t0) / n;
        if (run == 0 || t < best) best = t;
    }
    return best;
}

template <class F> static inline double c_ns(F f, int n)
{
    double best = 0;
    for (int run = 0; run < timing_runs; run++) {
        double t0 = now_ns();
        for (int i = 0; i < n; i++) f();
        double t = (now_ns() - t0) / n;
        if (run == 0 || t < best) best = t;
    }
    return best;
}

// Cells made per evaluation of BODY, over n evaluations (the loop's own included).
static inline double script_cells(const char *body, int n)
{
    char buf[512];
    snprintf(buf, sizeof buf,
             "(setq cells-before (cells-allocated)) (dotimes (i %d) %s) (setq cells-made (- (cells-allocated) cells-before))",
             n, body);
    li_EvalString(buf);
    return (double)li_LVal(li_SymbolValue(li_SymbolFind("cells-made"))) / n;
}

// The interpreter started and the module loaded, or a line saying it could not be.
static inline bool start_with_module(int argc, char **argv)
{
    li_Init(argc, argv);
    if (li_LoadModule("savrawinfns") == 0) return true;
    printf("cannot load savrawinfns\n");
    return false;
}
