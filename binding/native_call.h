// The two places where the module crosses into a function it knows only at run time, written in
// i386 assembly because no C++ form can push a count of words chosen at run time.
#pragma once

#include <stdint.h>

extern "C" {

// Pushes count 32-bit words, the last first (so words[0] lies next to the return address), calls
// fn and puts the stack pointer back: right for stdcall and cdecl alike. The result is edx:eax.
uint64_t savra_native_call(const void *fn, const uint32_t *words, int count);
// The same code, for a function whose result is in st(0).
double savra_native_call_real(const void *fn, const uint32_t *words, int count);

// What a callback's dispatch hands back to the stub: the result words, a real for st(0) when
// real_result is set, and the bytes of arguments to pop (0 for cdecl).
struct SavraCallbackOutcome {
    uint32_t low, high;
    double real;
    uint32_t real_result;
    uint32_t pop_bytes;
};
// Every callback thunk jumps here with its record in eax; the stub calls
// savra_callback_dispatch(record, the caller's arguments, outcome) and returns as the record's
// convention asks.
void savra_callback_stub(void);
void savra_callback_dispatch(void *record, const uint32_t *arguments, SavraCallbackOutcome *outcome);
}
