// ReadFile and WriteFile of 1 MB from script, into and out of a script byte string, against the
// same calls from C on a C buffer, in one run on one temporary file. Each call seeks to the
// start first, so both sides move the same bytes through the same cache.
#include <windows.h>

#include <stdio.h>
#include <vector>

#include "savra.h"
#include "timing.h"

int main(int argc, char **argv)
{
    const int MB = 1 << 20, N = 50;
    if (!start_with_module(argc, argv)) return 1;
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
    auto c_write = [&] {
        SetFilePointer(h, 0, nullptr, FILE_BEGIN);
        sink = WriteFile(h, buffer.data(), MB, &done, nullptr);
    };
    auto c_read = [&] {
        SetFilePointer(h, 0, nullptr, FILE_BEGIN);
        sink = ReadFile(h, buffer.data(), MB, &done, nullptr);
    };
    auto c_seek = [&] { sink = SetFilePointer(h, 0, nullptr, FILE_BEGIN); };
    struct Row {
        const char *name, *script;
        double script_best, c_best;
    } rows[] = {
        {"WriteFile, 1 MB", "(progn (SetFilePointer h 0 nil 0) (WriteFile h buf 1048576))", 1e300, 1e300},
        {"ReadFile, 1 MB", "(progn (SetFilePointer h 0 nil 0) (ReadFile h buf 1048576))", 1e300, 1e300},
    };
    // Rounds alternate between C and script, after one of each to warm the cache and the pages;
    // the best round of each side counts, the seek alone taken off both.
    for (int round = 0; round < 4; round++) {
        double seek_script = script_ns("(SetFilePointer h 0 nil 0)", N), seek_c = c_ns(c_seek, N);
        double c[2] = {c_ns(c_write, N) - seek_c, c_ns(c_read, N) - seek_c};
        for (int i = 0; i < 2; i++) {
            double s = script_ns(rows[i].script, N) - seek_script;
            if (round == 0) continue;
            if (s < rows[i].script_best) rows[i].script_best = s;
            if (c[i] < rows[i].c_best) rows[i].c_best = c[i];
        }
    }
    printf("%-30s %12s %12s %8s\n", "call", "script us", "C us", "ratio");
    for (const Row &r : rows)
        printf("%-30s %12.1f %12.1f %8.2f\n", r.name, r.script_best / 1000, r.c_best / 1000, r.script_best / r.c_best);
    CloseHandle(h);
    DeleteFileW(path);
    return 0;
}
