// Field reads from script, with the module loaded: a plain field (RECT.left) and a field reached
// through a nested view (MSG.pt.x, which makes a POINT view over the MSG on every read). Printed as
// ns per read, after the cost of the bare loop and of reading the variable itself is taken away;
// the same reads from C give the floor.
#include <windows.h>

#include <stdio.h>

#include "savra.h"
#include "timing.h"

int main(int argc, char **argv)
{
    const int N = 300000;
    if (!start_with_module(argc, argv)) return 1;
    li_EvalString("(setq r (new RECT)) (SetRect r 1 2 3 4) (setq m (new MSG)) (set! (.-x (.-pt m)) 5)");
    double variable = script_ns("r", N);
    double left = script_ns("(.-left r)", N) - variable;
    double pt = script_ns("(.-pt m)", N) - variable;
    double ptx = script_ns("(.-x (.-pt m))", N) - variable;

    // The floor: the same reads of a native RECT and MSG.
    volatile RECT rc = {1, 2, 3, 4};
    volatile MSG msg = {};
    volatile LONG sink = 0;
    double c_left = c_ns([&] { sink = rc.left; }, N);
    double c_ptx = c_ns([&] { sink = msg.pt.x; }, N);

    printf("%-34s %10s %10s\n", "field read", "script ns", "C ns");
    printf("%-34s %10.1f %10.2f\n", "RECT.left", left, c_left);
    printf("%-34s %10.1f %10s\n", "MSG.pt (the view alone)", pt, "-");
    printf("%-34s %10.1f %10.2f\n", "MSG.pt.x (through the view)", ptx, c_ptx);
    printf("ratio MSG.pt.x / RECT.left:        %8.2f\n", ptx / left);
    return 0;
}
