// The one place where native code evaluates script: a window's handler, a script method the platform
// reaches, a script function the platform calls back. The bridge binds the values it is given as
// locals, evaluates under an error trap, prints a script error with its stack, and always leaves the
// interpreter's stacks and bindings as it found them, so a failing handler can neither unwind through
// the platform's dispatch nor displace the stacks.
#pragma once

#include "savra.h"
#include "protected_eval.h"

namespace savrawin {

// "Error: ", the error, "\nStack follows:\n" and the stack, on the interpreter's output.
void report_handler_error();

// Runs run() under the trap; a script error is reported with its stack and gives nil.
template <class Run> LiValue protected_run(Run run) { return protected_eval(run, report_handler_error).value; }

// Binds a local: the symbol first, since finding it may allocate and the value must not wait
// unrooted meanwhile.
template <class Make> void bind_local(const char *name, Make make)
{
    LiValue symbol = li_SymbolFind(name);
    li_SetLocal(symbol, make());
}

// Evaluates expression with the locals bind() makes (through bind_local): its value, or nil after
// an error.
template <class Bind> LiValue run_handler(LiValue expression, Bind bind)
{
    return protected_run([&] {
        bind();
        return li_Eval(expression);
    });
}

// Runs the script method `name` of instance with no arguments, trapped as a handler is; nil after
// an error, undefined when the instance has no such method.
LiValue run_script_method(LiValue instance, const char *name);

// (funcall 'f 'a...) for the function and arguments in slots (function first), evaluated: each
// value quoted, so none is evaluated a second time. Raises what the function raises.
LiValue apply_slots(const LiValue *slots, int count);

// Calls function (rooted by the caller) with count arguments, argument(i) making the i-th inside the
// trap, so an error while making one is trapped too; an error is reported as a handler's is. For
// the platform's callbacks into script functions.
template <class Argument> ProtectedResult call_script_function(LiValue function, int count, Argument argument)
{
    return protected_eval(
        [&] {
            CallFrame frame;
            frame.push(function);
            for (int i = 0; i < count; i++) frame.push(argument(i));
            return apply_slots(frame.slots(), count);
        },
        report_handler_error);
}

// The same with arguments the caller keeps rooted: its value, or nil after an error.
LiValue run_script_function(LiValue function, const LiValue *arguments, int count);

} // namespace savrawin
