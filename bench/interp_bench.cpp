// Interpreter call costs, measured in one run and printed as ns per operation and ratios:
// a native function called from script, an empty script function, a collection of a 100k-cell
// heap, and the same native entry called straight from C (the floor). Arguments and results are
// small integers, which are preallocated, so no call allocates. Then small programs that are all
// variable references, function calls and closures, each also as a multiple of the floor so that
// runs on a busier machine compare.
#include <windows.h>

#include <stdio.h>

#include "savra.h"
#include "timing.h"

static LiValue bench_add() { return li_CreateLong(li_LVal(ArgBase[0]) + li_LVal(ArgBase[1])); }

static double time_script(const char *text)
{
    double t0 = now_ns();
    li_EvalString(text);
    return now_ns() - t0;
}

// Nanoseconds per operation of FORM, which does ops of them; the fastest of a few runs.
static double form_ns(const char *form, double ops)
{
    double best = 0;
    for (int run = 0; run < timing_runs; run++) {
        double t = time_script(form) / ops;
        if (run == 0 || t < best) best = t;
    }
    return best;
}

// Small programs of parameters and let variables: what calls, bindings and references to locals
// cost. Each is run ROUNDS times inside a function, so every variable is a local.
static const char *programs =
    "(defun fib (n) (if (< n 2) n (+ (fib (- n 1)) (fib (- n 2)))))"
    "(defun three (a b c) c)"
    "(defun call-loop (n) (dotimes (i n) (three i i i)))"
    "(defun let-loop (n) (dotimes (i n) (let ((a i) (b 1)) (setq a b))))"
    "(defun count-loop (n) (let ((i 0) (s 0)) (while (< i n) (setq s (+ s (* i 2))) (setq i (+ i 1))) s))"
    "(defun read-loop (n) (let ((a 1) (b 2) (c 3)) (dotimes (i n) (setq a b) (setq b c) (setq c a))))"
    "(defun lambda-loop (n) (dotimes (i n) (funcall (lambda (x) (+ x 1)) i)))"
    "(defun adder (k) (lambda (x) (+ x k)))"
    "(defun closure-loop (n) (dotimes (i n) (funcall (adder i) 1)))"
    "(defun make-counter () (let ((count 0)) (lambda () (setq count (+ count 1)))))"
    "(defun counter-loop (n) (let ((c (make-counter))) (dotimes (i n) (funcall c))))";

struct Program {
    const char *what, *form;
    double ops;
    bool closures; // needs lexical closures (an interpreter before them is skipped)
};
const int ROUNDS = 100000;
static const Program program_table[] = {
    {"(fib 20), per call of fib", "(fib 20)", 21891, false},
    {"call of a 3-parameter function", "(call-loop 100000)", ROUNDS, false},
    {"let of two variables, a setq", "(let-loop 100000)", ROUNDS, false},
    {"counting loop with arithmetic", "(count-loop 100000)", ROUNDS, false},
    {"three setq of one local to another", "(read-loop 100000)", ROUNDS, false},
    {"lambda made and called", "(lambda-loop 100000)", ROUNDS, false},
    {"closure over a parameter, called", "(closure-loop 100000)", ROUNDS, true},
    {"counter closure called", "(counter-loop 100000)", ROUNDS, true},
};

int main(int argc, char **argv)
{
    const int N = 1000000;
    li_Init(argc, argv);
    li_CLFunction("bench-add", bench_add, 2, "a", 0, "b", 0);
    char buf[256];

    snprintf(buf, sizeof buf, "(dotimes (i %d) nil)", N);
    double loop = time_script(buf);
    snprintf(buf, sizeof buf, "(dotimes (i %d) (bench-add 1 1))", N);
    double native = time_script(buf) - loop;
    li_EvalString("(defun empty () nil)");
    snprintf(buf, sizeof buf, "(dotimes (i %d) (empty))", N);
    double script = time_script(buf) - loop;

    // The floor: the same entry called from C with its arguments in the slots.
    LiValue one = li_CreateLong(1);
    double t0 = now_ns();
    for (int i = 0; i < N; i++) {
        LiValue *base = ArgTop;
        base[0] = one;
        base[1] = one;
        ArgTop = base + 2;
        LiValue *saved = ArgBase;
        ArgBase = base;
        volatile LiValue r = bench_add();
        (void)r;
        ArgBase = saved;
        ArgTop = base;
    }
    double c_call = now_ns() - t0;

    li_EvalString("(setq heap nil) (dotimes (i 50000) (setq heap (cons i heap))) (gc)");
    const int GCS = 20;
    snprintf(buf, sizeof buf, "(dotimes (i %d) (gc))", GCS);
    double gc = time_script(buf);

    printf("native call from script (2 ints): %8.1f ns/call\n", native / N);
    printf("empty script function call:       %8.1f ns/call\n", script / N);
    printf("same native entry called from C:  %8.1f ns/call\n", c_call / N);
    printf("(gc) with 100k live cells:        %8.1f us/collection\n", gc / GCS / 1000.0);
    printf("ratio native-from-script / C:     %8.1f\n", native / c_call);
    printf("ratio script function / native:   %8.2f\n", script / native);

    // The programs, per round, and as multiples of the C floor measured again as their runs are
    // (the fastest of a few).
    li_EvalString(programs);
    bool closures = li_EvalString("(if (= (funcall (adder 1) 2) 3) t (error \"no closures\"))") == 0;
    double floor = c_ns([&] {
        LiValue *base = ArgTop;
        base[0] = one;
        base[1] = one;
        ArgTop = base + 2;
        LiValue *saved = ArgBase;
        ArgBase = base;
        volatile LiValue r = bench_add();
        (void)r;
        ArgBase = saved;
        ArgTop = base;
    }, N);
    for (const Program &p : program_table) {
        if (p.closures && !closures) {
            printf("%-36s       n/a (no closures)\n", p.what);
            continue;
        }
        double t = form_ns(p.form, p.ops);
        printf("%-36s %8.1f ns  %6.1f x C\n", p.what, t, t / floor);
    }
    return 0;
}
