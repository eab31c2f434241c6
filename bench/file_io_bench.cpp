// ReadFile and WriteFile of 1 MB from script, into and out of a script byte string, against the
// same calls from C on a C buffer, in one run on one temporary file. Each round seeks to the
// start, so both sides move the same bytes through the same cache.
#include <windows.h>

#include <stdio.h>
#include <vector>

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
    const int MB = 1 << 20, N = 200;
    li_Init(argc, argv);
    if (li_LoadModule("savrawinfns") != 0) {
        printf("cannot load savrawinfns\n");
        return 1;
    }
    wchar_t dir[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"sfb", 0, path);
    HANDLE h = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        printf("cannot create the temporary file\n");
        return 1;
    }
    char setup[256];
    snprintf(setup, sizeof setup, "(setq h %lu) (setq buf (make-string %d 120))", (unsigned long)(uintptr_t)h, MB);
    li_EvalString(setup);
    std::vector<char> buffer(MB, 'x');
    volatile DWORD sink = 0;
    DWORD done = 0;

    // the file holds 1 MB before anything is read
    WriteFile(h, buffer.data(), MB, &done, nullptr);
    double loop = script_ns("(SetFilePointer h 0 nil 0)", N);
    double c_seek = c_ns([&] { sink = SetFilePointer(h, 0, nullptr, FILE_BEGIN); }, N);

    struct Row {
        const char *name, *script;
        double c;
    } rows[] = {
        {"WriteFile, 1 MB", "(progn (SetFilePointer h 0 nil 0) (WriteFile h buf 1048576))",
         c_ns([&] { SetFilePointer(h, 0, nullptr, FILE_BEGIN); sink = WriteFile(h, buffer.data(), MB, &done, nullptr); }, N) - c_seek},
        {"ReadFile, 1 MB", "(progn (SetFilePointer h 0 nil 0) (ReadFile h buf 1048576))",
         c_ns([&] { SetFilePointer(h, 0, nullptr, FILE_BEGIN); sink = ReadFile(h, buffer.data(), MB, &done, nullptr); }, N) - c_seek},
    };
    printf("%-30s %12s %12s %8s\n", "call", "script us", "C us", "ratio");
    for (const Row &r : rows) {
        double s = script_ns(r.script, N) - loop;
        printf("%-30s %12.1f %12.1f %8.2f\n", r.name, s / 1000, r.c / 1000, s / r.c);
    }
    CloseHandle(h);
    DeleteFileW(path);
    return 0;
}
