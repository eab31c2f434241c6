#include "bridge.h"

namespace savrawin {

LiValue run_script_method(LiValue instance, const char *name)
{
    return protected_run([&] { return liRunMethod(instance, li_SymbolFind(name), Nil, 0); });
}

LiValue apply_slots(const LiValue *slots, int count)
{
    LiValue quote = li_SymbolFind("quote");
    ProtectedSlot form;
    for (int i = count; i >= 0; i--) {
        ProtectedSlot quoted(li_Cons(slots[i], Nil));
        quoted = li_Cons(quote, quoted);
        form = li_Cons(quoted, form);
    }
    form = li_Cons(li_SymbolFind("funcall"), form);
    return li_Eval(form);
}

LiValue run_script_function(LiValue function, const LiValue *arguments, int count)
{
    return call_script_function(function, count, [&](int i) { return arguments[i]; }).value;
}

void report_handler_error()
{
    LiValue stack = li_SymbolValue(li_SymbolFind("_error_stack_"));
    Printf("Error: ");
    li_Write(li_SymbolValue(ErrorString), Stdout, 1);
    Printf("\nStack follows:\n");
    li_PrintStack(Stdout, stack);
}

} // namespace savrawin
