// Start-up: (load-module "savrawinfns"), which hands every name over (functions and methods are
// registered on first use, structure classes made on the first need of one, constants bound as
// their symbols are made), against the bare interpreter start, and what installing the two
// constant tables (8,212 entries) costs in a fresh process. Each figure is measured in a fresh
// child process (this program run with a mode argument) so that every start meets an empty symbol
// table, as a real one does; the parent runs the children in turn and prints the figures and
// ratios of this one run: the fastest of five, as every benchmark here, and the medians beside.
// Under emulation a process now and then loses 3 to 4 ms at some moment of its first hundred
// milliseconds, whatever it is doing (the host making a huge page for the emulator's translated
// code), which falls on the module's figures in some runs only: the fastest is the start without
// it, the median shows how often it came. And the emulator keeps its translated code in a hash
// table that doubles once in this range (to a fresh megabyte, about 3 ms on this kind of host):
// in a process started from a shell that falls before main, in one that a Windows process starts,
// as these are, just after the interpreter has started, so in every run it lands on what comes next
// (here the load, or the install). Where it lands follows from how much code the process has
// translated, not from what that code is.
#include <windows.h>

#include <algorithm>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <string>
#include <vector>

#include "../api/constants/constants.h"
#include "savra.h"
#include "timing.h"

static int child(const char *mode, int argc, char **argv)
{
    double t0 = now_ns();
    li_Init(argc, argv);
    double init = now_ns() - t0;
    if (!strcmp(mode, "bare")) {
        printf("%.0f\n", init);
    } else if (!strcmp(mode, "load") || !strcmp(mode, "split")) {
        // The platform libraries the module imports come first and apart: under Wine their
        // start (the display connection, the desktop) dwarfs everything the module does.
        t0 = now_ns();
        if (!LoadLibraryA("user32.dll") || !LoadLibraryA("gdi32.dll")) return 1;
        double platform = now_ns() - t0;
        // "load" times load-module as a script meets it; "split" maps the library first, which
        // only hands its initialiser over, so that load-module's time is then the initialiser's
        // (and a second look-up of the library).
        if (!strcmp(mode, "split") && !LoadLibraryA("savrawinfns.dll")) return 1;
        t0 = now_ns();
        if (li_LoadModule("savrawinfns") != 0) return 1;
        printf("%.0f %.0f\n", now_ns() - t0, platform);
    } else if (!strcmp(mode, "install")) {
        // The module's own tables, installed into a symbol table that has none of their names yet.
        t0 = now_ns();
        savrawin::install_first_constant_table();
        savrawin::install_second_constant_table();
        double fresh = now_ns() - t0;
        const int again = 20;
        t0 = now_ns();
        for (int i = 0; i < again; i++) {
            savrawin::install_first_constant_table();
            savrawin::install_second_constant_table();
        }
        printf("%.0f %.0f\n", fresh, (now_ns() - t0) / again);
    } else {
        return 2;
    }
    return 0;
}

// Runs this program with MODE and returns what it printed. It is started directly rather than
// through _popen, whose command interpreter would be starting beside the child, on a machine of
// two processors, while the child is timed.
static std::string run_child(const char *self, const char *mode)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE read_end, write_end;
    if (!CreatePipe(&read_end, &write_end, &inherit, 0)) return "";
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {sizeof si};
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = write_end;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    char cmd[MAX_PATH + 32];
    snprintf(cmd, sizeof cmd, "\"%s\" %s", self, mode);
    PROCESS_INFORMATION pi;
    BOOL started = CreateProcessA(nullptr, cmd, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi);
    CloseHandle(write_end);
    std::string out;
    if (started) {
        char buf[256];
        DWORD got;
        while (ReadFile(read_end, buf, sizeof buf, &got, nullptr) && got) out.append(buf, got);
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(read_end);
    return out;
}

static double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

static double fastest(const std::vector<double> &v) { return v.empty() ? 0 : *std::min_element(v.begin(), v.end()); }

int main(int argc, char **argv)
{
    if (argc > 1) return child(argv[1], argc, argv);
    const int runs = 5;
    std::vector<double> bare, load, platform, init, fresh, again;
    for (int r = 0; r < runs; r++) {
        for (const char *mode : {"bare", "load", "split", "install"}) {
            double a = -1, b = -1;
            if (sscanf(run_child(argv[0], mode).c_str(), "%lf %lf", &a, &b) < 1) {
                printf("child '%s' failed\n", mode);
                return 1;
            }
            if (!strcmp(mode, "bare")) bare.push_back(a);
            if (!strcmp(mode, "load")) load.push_back(a), platform.push_back(b);
            if (!strcmp(mode, "split")) init.push_back(a);
            if (!strcmp(mode, "install")) fresh.push_back(a), again.push_back(b);
        }
    }
    double b = fastest(bare), l = fastest(load), u = fastest(platform), n = fastest(init), f = fastest(fresh), g = fastest(again);
    double bm = median(bare), lm = median(load), nm = median(init);
    int entries = savrawin::first_constant_table_size + savrawin::second_constant_table_size;
    // An install reads no row it does not need, so its time is no cost per entry: fresh, it is the
    // first run of its code and the first touch of the pages it reads, here in this program's image.
    printf("the fastest of %d fresh processes each (the median in brackets)\n", runs);
    printf("bare interpreter start (li_Init):          %9.2f ms (median %.2f)\n", b / 1e6, bm / 1e6);
    printf("user32 and gdi32 loaded (before the module): %7.2f ms\n", u / 1e6);
    printf("(load-module \"savrawinfns\"):               %9.2f ms = %.2f x the bare start (median %.2f ms = %.2f x)\n", l / 1e6,
           l / b, lm / 1e6, lm / bm);
    printf("  of which the initialiser (registration): %9.2f ms = %.2f x the bare start (median %.2f ms)\n", n / 1e6, n / b,
           nm / 1e6);
    printf("install both tables (%d entries) fresh:   %9.2f ms\n", entries, f / 1e6);
    printf("install them again (names already there):  %9.2f ms\n", g / 1e6);
    return 0;
}
