#include "bridge.h"

#include "../structs/classes.h"
#include "protected_eval.h"

namespace savrawin {

namespace {

// Runs run() under the trap; a script error is reported with its stack and gives nil.
template <class Run> LiValue protected_run(Run run)
{
    return protected_eval(run, report_handler_error).value;
}

// Binds the locals made by bind(values) and evaluates expression under the trap.
template <class Bind> LiValue bridge(LiValue expression, Bind bind)
{
    return protected_run([&] {
        bind();
        return li_Eval(expression);
    });
}

// The symbol first: finding it may allocate, and the value must not wait unrooted meanwhile.
template <class Make> void set_local(const char *name, Make make)
{
    LiValue symbol = li_SymbolFind(name);
    li_SetLocal(symbol, make());
}

} // namespace

LiValue run_message_handler(LiValue expression, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    return bridge(expression, [&] {
        set_local("uMsg", [&] { return li_CreateLong((int32_t)uMsg); });
        set_local("wParam", [&] { return li_CreateLong((int32_t)wParam); });
        set_local("lParam", [&] { return li_CreateLong((int32_t)lParam); });
    });
}

LiValue run_notify_handler(LiValue expression, int idCtrl, NMHDR *pnmh)
{
    return bridge(expression, [&] {
        // A view of the sender's memory: valid only while the handler runs.
        set_local("pnmh", [&] { return li_CreateInstance(cls_NMHDR, pnmh, 0); });
        set_local("idCtrl", [&] { return li_CreateLong(idCtrl); });
    });
}

LiValue run_command_handler(LiValue expression, WORD wNotifyCode, WORD wID, HWND hWndCtl)
{
    return bridge(expression, [&] {
        set_local("wNotifyCode", [&] { return li_CreateLong(wNotifyCode); });
        set_local("wID", [&] { return li_CreateLong(wID); });
        set_local("hWndCtl", [&] { return li_CreateLong((int32_t)(uintptr_t)hWndCtl); });
    });
}

LiValue run_script_method(LiValue instance, const char *name)
{
    return protected_run([&] { return liRunMethod(instance, li_SymbolFind(name), Nil, 0); });
}

LiValue run_script_function(LiValue function, const LiValue *arguments, int count)
{
    return protected_run([&] {
        // (funcall 'function 'argument...): quoted, so no value is evaluated a second time
        LiValue quote = li_SymbolFind("quote");
        ProtectedSlot form;
        for (int i = count - 1; i >= -1; i--) {
            ProtectedSlot quoted(li_Cons(i >= 0 ? arguments[i] : function, Nil));
            quoted = li_Cons(quote, quoted);
            form = li_Cons(quoted, form);
        }
        form = li_Cons(li_SymbolFind("funcall"), form);
        return li_Eval(form);
    });
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
