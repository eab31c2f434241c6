/* Prints the exception code a program receives for an access violation, an integer division by zero
 * and a breakpoint, as a vectored handler sees them. ./run-tests expects the processor's own codes:
 * where Wine runs under user-mode emulation, they depend on the trap number the emulator leaves in
 * the signal context (tools/qemu-trapno.c). */
#include <windows.h>
#include <stdio.h>

static volatile DWORD seen;
static volatile DWORD skip; /* the length of the faulting instruction, to resume after it */

static LONG CALLBACK record(EXCEPTION_POINTERS *e)
{
	seen = e->ExceptionRecord->ExceptionCode;
	e->ContextRecord->Eip = (DWORD)e->ExceptionRecord->ExceptionAddress + skip;
	return EXCEPTION_CONTINUE_EXECUTION;
}

int main(void)
{
	int zero = 0, out;
	AddVectoredExceptionHandler(1, record);
	skip = 6; /* mov ecx, [0] */
	__asm__ volatile(".byte 0x8b, 0x0d, 0, 0, 0, 0" ::: "ecx", "memory");
	printf("access violation %08lx\n", (unsigned long)seen);
	skip = 2; /* idiv ecx */
	__asm__ volatile("cdq\n\tidiv %1" : "=a"(out) : "c"(zero), "a"(7) : "edx");
	printf("division by zero %08lx\n", (unsigned long)seen);
	skip = 1; /* int3 */
	__asm__ volatile("int3");
	printf("breakpoint %08lx\n", (unsigned long)seen);
	return 0;
}
