// The one place where native code evaluates a script expression: a window's handler. The bridge
// binds the message's values as locals, evaluates under an error trap, prints a script error
// with its stack, and always leaves the interpreter's stacks and bindings as it found them, so a
// failing handler can neither unwind through the platform's dispatch nor displace the stacks.
#pragma once

#include <windows.h>

#include "savra.h"

namespace savrawin {

// Each returns the expression's value, or nil after an error.
LiValue run_message_handler(LiValue expression, UINT uMsg, WPARAM wParam, LPARAM lParam);
LiValue run_notify_handler(LiValue expression, int idCtrl, NMHDR *pnmh);
LiValue run_command_handler(LiValue expression, WORD wNotifyCode, WORD wID, HWND hWndCtl);

// Runs the script method `name` of instance with no arguments, trapped as a handler is; nil after
// an error, undefined when the instance has no such method.
LiValue run_script_method(LiValue instance, const char *name);

// Calls function with count arguments (the caller keeps all of them rooted), trapped as a handler is:
// its value, or nil after an error. For the platform's callbacks into script functions.
LiValue run_script_function(LiValue function, const LiValue *arguments, int count);

// "Error: ", the error, "\nStack follows:\n" and the stack, on the interpreter's output.
void report_handler_error();

} // namespace savrawin
