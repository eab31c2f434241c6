// The REPL's input: lines are read on a thread of their own, so that while the user types, the
// interpreter's thread goes on dispatching its windows' messages (they paint, lay themselves out
// and run their script handlers; timers keep ticking). Every window stays on the one thread that
// runs the interpreter; the reader only hands complete lines over.
#include "internal.h"

#include <windows.h>

#include <stdio.h>
#include <deque>
#include <string>

namespace {

CRITICAL_SECTION queue_lock;
HANDLE line_ready; // set while a line (or the end of input) waits
std::deque<std::string> lines;
bool input_ended = false;
bool reader_started = false;

DWORD WINAPI read_lines(void *)
{
    char buf[4096];
    while (fgets(buf, sizeof buf, stdin)) {
        EnterCriticalSection(&queue_lock);
        lines.push_back(buf);
        SetEvent(line_ready);
        LeaveCriticalSection(&queue_lock);
    }
    EnterCriticalSection(&queue_lock);
    input_ended = true;
    SetEvent(line_ready);
    LeaveCriticalSection(&queue_lock);
    return 0;
}

bool take_line(std::string &out)
{
    EnterCriticalSection(&queue_lock);
    bool got = !lines.empty();
    if (got) {
        out = lines.front();
        lines.pop_front();
    }
    if (lines.empty() && !input_ended) ResetEvent(line_ready);
    LeaveCriticalSection(&queue_lock);
    return got;
}

// The messages queued for this thread's windows. A quit message has no loop to end here: the
// windows' own program is the prompt, so it is dropped.
void dispatch_pending()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

volatile LONG interrupt_pending = 0;

BOOL WINAPI on_console_break(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
    InterlockedExchange(&interrupt_pending, 1);
    return TRUE; // the process goes on; the interpreter stops the form at its next step
}

} // namespace

void check_interrupt_slow()
{
    if (InterlockedExchange(&interrupt_pending, 0)) errorf("Interrupted");
}
volatile LONG *interrupt_flag = &interrupt_pending;

void repl_input_start()
{
    if (reader_started) return;
    reader_started = true;
    InitializeCriticalSection(&queue_lock);
    line_ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(on_console_break, TRUE);
    HANDLE t = CreateThread(nullptr, 0, read_lines, nullptr, 0, nullptr);
    if (t) CloseHandle(t);
}

bool repl_read_line(std::string &out)
{
    while (true) {
        dispatch_pending();
        if (take_line(out)) return true;
        EnterCriticalSection(&queue_lock);
        bool ended = input_ended && lines.empty();
        LeaveCriticalSection(&queue_lock);
        if (ended) return false;
        MsgWaitForMultipleObjects(1, &line_ready, FALSE, INFINITE, QS_ALLINPUT);
    }
}

// An interrupt that came while no form ran is not kept for the next one.
void repl_clear_interrupt() { InterlockedExchange(&interrupt_pending, 0); }
