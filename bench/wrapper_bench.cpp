// Wrapper calls from script against the same platform calls from C, in one run: an integer
// result, a handle argument, a UTF-16 string argument of 20 and of 300 characters, two strings
// (lstrcmp), eleven integers (StretchBlt) and fourteen arguments with a string (CreateFont,
// deleted again in both loops); the first three again through functions the script declares
// itself (dll-function), as "declared NAME" rows; the cells each call makes beyond the loop's own,
// and what a collection costs with the module's names in the heap.
#include <windows.h>

#include <stdio.h>
#include <string>

#include "savra.h"
#include "timing.h"

int main(int argc, char **argv)
{
    const int N = 200000;
    if (!start_with_module(argc, argv)) return 1;
    li_EvalString("(setq desk (GetDesktopWindow)) (setq s20 (make-string 20 65)) (setq s300 (make-string 300 65))"
                  "(setq t20 (string-append (make-string 19 65) \"B\"))"
                  "(setq screen (GetDC 0)) (setq d1 (CreateCompatibleDC screen)) (setq d2 (CreateCompatibleDC screen))"
                  "(SelectObject d1 (CreateCompatibleBitmap screen 2 2)) (SelectObject d2 (CreateCompatibleBitmap screen 2 2))"
                  "(setq declared-tick (dll-function \"kernel32.dll\" \"GetTickCount\" 'DWORD '()))"
                  "(setq declared-is-window (dll-function \"user32.dll\" \"IsWindow\" 'BOOL '((HWND hWnd))))"
                  "(setq declared-lstrlen (dll-function \"kernel32.dll\" \"lstrlenW\" 'int '((LPCWSTR lpString))))");
    double loop = script_ns("nil", N);
    HWND desk = GetDesktopWindow();
    std::wstring w20(20, L'A'), w300(300, L'A'), v20(19, L'A');
    v20 += L'B';
    HDC screen = GetDC(nullptr), d1 = CreateCompatibleDC(screen), d2 = CreateCompatibleDC(screen);
    SelectObject(d1, CreateCompatibleBitmap(screen, 2, 2));
    SelectObject(d2, CreateCompatibleBitmap(screen, 2, 2));
    const int F = N / 20; // font creation is far slower than the rest
    volatile DWORD sink = 0;

    struct Row {
        const char *name, *script;
        int n;
        double c;
    } rows[] = {
        {"GetTickCount", "(GetTickCount)", N, c_ns([&] { sink = GetTickCount(); }, N)},
        {"IsWindow", "(IsWindow desk)", N, c_ns([&] { sink = IsWindow(desk); }, N)},
        {"lstrlen, 20 characters", "(lstrlen s20)", N, c_ns([&] { sink = lstrlenW(w20.c_str()); }, N)},
        {"lstrlen, 300 characters", "(lstrlen s300)", N, c_ns([&] { sink = lstrlenW(w300.c_str()); }, N)},
        {"lstrcmp, 2 x 20 characters", "(lstrcmp s20 t20)", N, c_ns([&] { sink = lstrcmpW(w20.c_str(), v20.c_str()); }, N)},
        {"StretchBlt, 11 integers", "(StretchBlt d1 0 0 2 2 d2 0 0 1 1 0xCC0020)", N,
         c_ns([&] { sink = StretchBlt(d1, 0, 0, 2, 2, d2, 0, 0, 1, 1, SRCCOPY); }, N)},
        {"declared GetTickCount", "(declared-tick)", N, c_ns([&] { sink = GetTickCount(); }, N)},
        {"declared IsWindow", "(declared-is-window desk)", N, c_ns([&] { sink = IsWindow(desk); }, N)},
        {"declared lstrlen, 20 characters", "(declared-lstrlen s20)", N, c_ns([&] { sink = lstrlenW(w20.c_str()); }, N)},
        {"CreateFont, 14 args + Delete", "(DeleteObject (CreateFont -12 0 0 0 400 0 0 0 0 0 0 0 0 \"Arial\"))", F,
         c_ns([&] { sink = DeleteObject(CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial")); }, F)},
    };
    double loop_cells = script_cells("nil", N / 10);
    printf("%-30s %12s %12s %8s %14s\n", "call", "script ns", "C ns", "ratio", "cells per call");
    for (const Row &r : rows) {
        double s = script_ns(r.script, r.n) - loop;
        double cells = script_cells(r.script, r.n / 10) - loop_cells;
        printf("%-30s %12.1f %12.1f %8.1f %14.2f\n", r.name, s, r.c, s / r.c, cells);
    }
    // A cell that a call makes is paid for again by the collection that reclaims it.
    const int GCS = 10;
    double gc = script_ns("(gc)", GCS);
    printf("a collection with the module loaded: %.1f us\n", gc / 1000);
    return 0;
}
