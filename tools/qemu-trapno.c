/* Preloaded into the 32-bit programs that run under qemu-i386 (tools/i386-run). QEMU's user-mode
 * emulator leaves -1 as the trap number in the signal context of a fault, and Wine derives the
 * exception code from that number: an access violation would reach the program as an illegal
 * instruction and a division by zero as a floating-point error. This library wraps the handlers
 * Wine installs for those signals and puts back the number the processor would have given, taken
 * from the signal's own code, before Wine's handler reads it. A context that already carries a
 * trap number is left alone, so the library is harmless where the emulator gets it right.
 *
 * Built with Debian's i386 cross compiler by tools/setup:
 *   i686-linux-gnu-gcc -shared -fPIC -O2 -o qemu-trapno.so qemu-trapno.c -ldl
 */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <signal.h>
#include <stdlib.h>
#include <ucontext.h>

/* The processor's exception numbers that Wine's i386 handlers distinguish. */
enum { DIVIDE = 0, SINGLE_STEP = 1, BREAKPOINT = 3, OVERFLOW = 4, INVALID_OPCODE = 6, PROTECTION = 13,
       PAGE_FAULT = 14, X87_ERROR = 16 };

typedef void (*info_handler)(int, siginfo_t *, void *);
typedef int (*sigaction_fn)(int, const struct sigaction *, struct sigaction *);

static info_handler handlers[NSIG];

static int trap_number(int sig, int code)
{
	switch (sig) {
	case SIGSEGV:
		return code == SEGV_MAPERR || code == SEGV_ACCERR ? PAGE_FAULT : PROTECTION;
	case SIGFPE:
		return code == FPE_INTDIV ? DIVIDE : code == FPE_INTOVF ? OVERFLOW : X87_ERROR;
	case SIGTRAP:
		return code == TRAP_TRACE ? SINGLE_STEP : BREAKPOINT;
	case SIGILL:
		return code == ILL_PRVOPC || code == ILL_PRVREG ? PROTECTION : INVALID_OPCODE;
	}
	return -1;
}

static void restore_trapno(int sig, siginfo_t *info, void *context)
{
	ucontext_t *uc = context;
	if (uc && info && uc->uc_mcontext.gregs[REG_TRAPNO] == -1)
		uc->uc_mcontext.gregs[REG_TRAPNO] = trap_number(sig, info->si_code);
	handlers[sig](sig, info, context);
}

static int wrapped(int sig)
{
	return sig == SIGSEGV || sig == SIGFPE || sig == SIGTRAP || sig == SIGILL;
}

int sigaction(int sig, const struct sigaction *act, struct sigaction *old)
{
	static sigaction_fn real;
	struct sigaction mine;
	info_handler previous;
	int rc;

	if (!real)
		real = (sigaction_fn)dlsym(RTLD_NEXT, "sigaction");
	if (sig <= 0 || sig >= NSIG || !wrapped(sig))
		return real(sig, act, old);
	previous = handlers[sig];
	if (act && (act->sa_flags & SA_SIGINFO) && act->sa_sigaction) {
		mine = *act;
		mine.sa_sigaction = restore_trapno;
		handlers[sig] = act->sa_sigaction;
		act = &mine;
	}
	rc = real(sig, act, old);
	/* The caller sees the handler it installed, not the wrapper. */
	if (rc == 0 && old && (old->sa_flags & SA_SIGINFO) && old->sa_sigaction == restore_trapno)
		old->sa_sigaction = previous;
	return rc;
}

/* QEMU_SET_ENV adds the library to every emulated program's environment (and keeps itself there for
 * the emulated programs they start); a native 64-bit program started from here would only complain
 * that it cannot load a 32-bit library. */
__attribute__((constructor)) static void forget_preload(void)
{
	unsetenv("LD_PRELOAD");
}
