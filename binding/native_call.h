// The two places where the module crosses into a function it knows only at run time. The call
// is inline assembly in the caller's own body (no C++ form pushes a count of words chosen at run
// time), so a declared call costs one indirect call, as a wrapper's does.
#pragma once

#include <stdint.h>

namespace savrawin {

// Pushes ecx 32-bit words from ebx, the last first (so words[0] lies next to the return address),
// calls edi and puts the stack pointer back from esi: right for stdcall and cdecl alike. ebx, esi
// and edi are kept by every calling convention, so they carry the words, the saved stack pointer
// and the target across the call.
#define SAVRA_PUSH_WORDS_AND_CALL \
    "movl %%esp, %%esi\n\t"       \
    "testl %%ecx, %%ecx\n\t"      \
    "jz 2f\n"                      \
    "1:\n\t"                      \
    "pushl -4(%%ebx,%%ecx,4)\n\t" \
    "decl %%ecx\n\t"              \
    "jnz 1b\n"                     \
    "2:\n\t"                      \
    "call *%%edi\n\t"             \
    "movl %%esi, %%esp"

// Pushes count words and calls fn (as above); the result is edx:eax.
inline uint64_t native_call(const void *fn, const uint32_t *words, int count)
{
    uint32_t low, high;
    asm volatile(SAVRA_PUSH_WORDS_AND_CALL
                 : "=a"(low), "=d"(high), "+c"(count)
                 : "b"(words), "D"(fn)
                 : "esi", "memory", "cc");
    return (uint64_t)high << 32 | low;
}

// The same call, for a function whose result is in st(0).
inline double native_call_real(const void *fn, const uint32_t *words, int count)
{
    double real;
    asm volatile(SAVRA_PUSH_WORDS_AND_CALL
                 : "=t"(real), "+c"(count)
                 : "b"(words), "D"(fn)
                 : "eax", "edx", "esi", "memory", "cc");
    return real;
}

} // namespace savrawin

extern "C" {

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
