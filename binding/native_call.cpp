#include "native_call.h"

#include <stddef.h>

static_assert(offsetof(SavraCallbackOutcome, real) == 8 && offsetof(SavraCallbackOutcome, real_result) == 16 &&
                  offsetof(SavraCallbackOutcome, pop_bytes) == 20 && sizeof(SavraCallbackOutcome) == 24,
              "the stub reads the outcome at these offsets");

// Entered by a thunk's jump, so the stack is the native caller's: the return address, then its
// arguments. The outcome lies in the stub's frame; after the dispatch the return address is moved
// up over the arguments a stdcall callback must pop (none for cdecl) and the stub returns there.
asm(R"(
    .text
    .globl _savra_callback_stub
_savra_callback_stub:
    pushl %ebp
    movl %esp, %ebp
    subl $24, %esp
    movl %esp, %ecx
    leal 8(%ebp), %edx
    pushl %ecx
    pushl %edx
    pushl %eax
    call _savra_callback_dispatch
    addl $12, %esp
    cmpl $0, 16(%esp)
    je 1f
    fldl 8(%esp)
1:  movl (%esp), %eax
    movl 4(%esp), %edx
    movl 20(%esp), %ecx
    leave
    pushl %eax
    movl 4(%esp), %eax
    movl %eax, 4(%esp,%ecx)
    popl %eax
    leal (%esp,%ecx), %esp
    ret
)");
