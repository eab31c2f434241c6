// Module-side helpers over the interpreter's fixed interface, header-only so that any module (the
// test module too) uses the same protocol:
//   ProtectedSlot    keeps a value reachable by the collector while native code allocates
//   ListBuilder      a list made front to back under the same protection
//   CallFrame        consecutive protected slots holding a script call's function and arguments
//   protected_eval   evaluates under an error trap and leaves the interpreter's stacks as it found them
#pragma once

#include <setjmp.h>

#include "savra.h"

namespace savrawin {

// One slot of the argument stack, which the collector scans up to ArgTop. Slots are taken and given
// back in stack order. An interpreter error longjmps past the destructor; the protection point it
// lands at resets ArgTop itself, so nothing is lost when it is skipped.
class ProtectedSlot {
public:
    explicit ProtectedSlot(LiValue v = Nil) : slot_(ArgTop++) { *slot_ = v; }
    ~ProtectedSlot() { ArgTop = slot_; }
    ProtectedSlot(const ProtectedSlot &) = delete;
    ProtectedSlot &operator=(const ProtectedSlot &) = delete;

    ProtectedSlot &operator=(LiValue v)
    {
        *slot_ = v;
        return *this;
    }
    operator LiValue() const { return *slot_; }
    LiValue get() const { return *slot_; }

private:
    LiValue *slot_;
};

// Consecutive slots, pushed one by one and given back together: the function and arguments of a
// script call the platform's callback makes. A value is made before its slot is taken, so a
// collection while it is made sees only filled slots.
class CallFrame {
public:
    CallFrame() : base_(ArgTop) {}
    ~CallFrame() { ArgTop = base_; }
    CallFrame(const CallFrame &) = delete;
    CallFrame &operator=(const CallFrame &) = delete;

    void push(LiValue v) { *ArgTop++ = v; }
    LiValue *slots() const { return base_; }

private:
    LiValue *base_;
};

// A list built front to back, its head and last cell protected while it grows.
class ListBuilder {
public:
    void add(LiValue v)
    {
        ProtectedSlot item(v);
        LiValue cell = li_Cons(item, Nil);
        if (head_.get() == Nil) head_ = cell;
        else li_Rplacd(last_, cell);
        last_ = cell;
    }
    LiValue list() const { return head_; }

private:
    ProtectedSlot head_, last_;
};

struct ProtectedResult {
    LiValue value;        // nil after an error
    bool failed;          // an interpreter error ended run()
    bool top_balanced;    // run() left ArgTop where it was (seen before it is put back)
    bool base_balanced;   // and ArgBase
};

// Runs run() in a sub-scope under an error trap; on_error() runs once the trap has caught an error
// and the scope is closed (the error is still the current one). Whatever happens, the argument stack,
// the evaluation depth and the deferred-signal count are put back, so an error can neither unwind
// through the caller (a platform dispatch, say) nor displace the stacks.
template <class Run, class OnError> ProtectedResult protected_eval(Run run, OnError on_error)
{
    LiValue *saved_top = ArgTop, *saved_base = ArgBase;
    int16_t saved_depth = *ExecutionStack->depth;
    int saved_defer = liDeferSignals;
    volatile LiValue value = Nil;
    volatile bool failed = false;
    int scope = li_EnterSubScope();
    jmp_buf jb;
    li_ErrorProtect(jb);
    if (setjmp(jb) == 0) {
        value = run();
        li_ErrorFree();
        li_ExitSubScope(scope);
    } else {
        failed = true;
        li_ErrorFree();
        li_ExitSubScope(scope);
        on_error();
    }
    bool top_balanced = ArgTop == saved_top, base_balanced = ArgBase == saved_base;
    ArgTop = saved_top;
    ArgBase = saved_base;
    *ExecutionStack->depth = saved_depth;
    liDeferSignals = saved_defer;
    return {failed ? Nil : (LiValue)value, failed, top_balanced, base_balanced};
}

} // namespace savrawin
