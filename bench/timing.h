// The clock every benchmark reads, and the two ways a benchmark times a call: n rounds of a script
// body in one evaluation, and n calls of a C function.
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

// Nanoseconds per round of BODY, run n times by one (dotimes ...) form.
static inline double script_ns(const char *body, int n)
{
    char buf[512];
    snprintf(buf, sizeof buf, "(dotimes (i %d) %s)", n, body);
    double t0 = now_ns();
    li_EvalString(buf);
    return (now_ns() - t0) / n;
}

template <class F> static inline double c_ns(F f, int n)
{
    double t0 = now_ns();
    for (int i = 0; i < n; i++) f();
    return (now_ns() - t0) / n;
}
