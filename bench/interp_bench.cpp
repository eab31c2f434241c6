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
    auto add_from_c = [one] {
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
    };
    double t0 = now_ns();
    for (int i = 0; i < N; i++) add_from_c();
    double c_call = now_ns() - t0;

    li_EvalString("(setq heap nil) (dotimes (i 50000) (setq heap (cons i heap))) (gc)");
    const int GCS = 20;
    snprintf(buf, sizeof buf, "(dotimes (i %d) (gc))", GCS);
    double gc = time_script(buf);

    // The steps the race's rows (bench/race.sav) are made of, each after the bare loop's cost:
    // where a row's time goes, and the cells each step makes.
    li_EvalString("(defun one (x) x) (defclass Cell nil (v)) (defmethod Cell get () (.-v self))"
                  " (setq o (new Cell)) (set! (.-v o) 1) (setq k 1) (setq s \"ab\") (setq f (lambda (x) x))");
    static const struct {
        const char *what, *body;
    } steps[] = {
        {"variable read", "k"},
        {"(+ k 1)", "(+ k 1)"},
        {"(< k 2)", "(< k 2)"},
        {"(setq k 1)", "(setq k 1)"},
        {"(if k 1 2)", "(if k 1 2)"},
        {"(let ((x 1)) x)", "(let ((x 1)) x)"},
        {"(one 1): script function, 1 arg", "(one 1)"},
        {"(funcall f 1)", "(funcall f 1)"},
        {"(lambda (x) x) made", "(lambda (x) x)"},
        {"(cons k nil)", "(cons k nil)"},
        {"(car '(1))", "(car '(1))"},
        {"(.-v o): script field read", "(.-v o)"},
        {"(set! (.-v o) 1)", "(set! (.-v o) 1)"},
        {"(.get o): script method", "(.get o)"},
        {"(string-append s s)", "(string-append s s)"},
        {"(substring s 0 1)", "(substring s 0 1)"},
        {"(number->string 5)", "(number->string 5)"},
    };
    const int STEP_N = 100000;
    double step_loop = script_ns("nil", STEP_N), step_cells_loop = script_cells("nil", STEP_N);
    printf("%-36s %10s %8s\n", "step (after the bare loop)", "ns", "cells");
    for (const auto &st : steps)
        printf("%-36s %10.1f %8.2f\n", st.what, script_ns(st.body, STEP_N) - step_loop,
               script_cells(st.body, STEP_N) - step_cells_loop);
    printf("%-36s %10.1f %8.2f\n", "(the bare loop itself)", step_loop, step_cells_loop);

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
    double floor = c_ns(add_from_c, N);
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
