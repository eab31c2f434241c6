// The platform calling script functions: window enumerations and timer procedures, each call
// through the callback bridge, so an error in the function is reported as a handler's is and
// never unwinds through the platform.
#include "../../binding/bridge.h"
#include "beyond.h"

#define A(i) ArgBase[i]

namespace savrawin {

namespace {

void check_function(LiValue v)
{
    if (li_Tag(v) != LI_CLOSURE && li_Tag(v) != LI_NATIVE) li_TypeError(v, LI_TYPE_FUNCTION);
}

// context: the script function and its lParam, two slots of the argument stack. The function's
// nil or 0 stops the enumeration, and so does an error in it (the bridge gives nil).
BOOL CALLBACK enumerate_one(HWND hwnd, LPARAM context)
{
    const LiValue *function_and_lparam = (const LiValue *)context;
    CallFrame frame;
    frame.push(li_CreateLong((int32_t)(uintptr_t)hwnd));
    frame.push(function_and_lparam[1]);
    LiValue r = run_script_function(function_and_lparam[0], frame.slots(), 2);
    return r != Nil && !(li_LongP(r) && li_LVal(r) == 0);
}

// (Enumerate first lpEnumFunc lParam): the function is called as (lpEnumFunc hwnd lParam) for
// each window; lParam is any script value.
template <class First, BOOL(WINAPI *Enumerate)(First, WNDENUMPROC, LPARAM)> LiValue enumeration_entry()
{
    First first = handle_arg<First>(A(0));
    check_function(A(1));
    // the argument slots stay in place, rooted, until the entry returns
    return li_CreateLong(Enumerate(first, enumerate_one, (LPARAM)&A(1)));
}

// Timer procedures, kept as a list of (hwnd id . function) in a symbol's value so that the
// collector sees them; a timer is found by its window and id, as the platform names it.
LiValue kept_timers() { return li_SymbolFind("_timer_procedures_kept"); }

// The (id . function) cell of hwnd's timer id, or nil.
LiValue timer_cell(HWND hwnd, UINT_PTR id)
{
    for (LiValue l = li_SymbolValue(kept_timers()); li_Tag(l) == LI_CONS; l = li_PairTail(l)) {
        LiValue entry = li_PairHead(l);
        // the list is a script value: whatever a script left there must not raise here, outside any trap
        if (li_Tag(entry) != LI_CONS || li_Tag(li_PairTail(entry)) != LI_CONS) continue;
        LiValue cell = li_PairTail(entry);
        if (li_Tag(li_PairHead(entry)) != LI_LONG || li_Tag(li_PairHead(cell)) != LI_LONG) continue;
        if ((uint32_t)li_LVal(li_PairHead(entry)) == (uint32_t)(uintptr_t)hwnd &&
            (uint32_t)li_LVal(li_PairHead(cell)) == (uint32_t)id)
            return cell;
    }
    return Nil;
}

// Entries of windows that are gone are dropped: their timers went with them. (A timer killed
// while its window lives keeps its entry until the same window and id get another procedure.)
void drop_dead_timers()
{
    LiValue symbol = kept_timers(), previous = Nil;
    for (LiValue l = li_SymbolValue(symbol); li_Tag(l) == LI_CONS; l = li_PairTail(l)) {
        LiValue entry = li_PairHead(l);
        HWND hwnd = li_Tag(entry) == LI_CONS && li_Tag(li_PairHead(entry)) == LI_LONG
                        ? (HWND)(uintptr_t)(uint32_t)li_LVal(li_PairHead(entry))
                        : nullptr;
        if (!hwnd || IsWindow(hwnd)) {
            previous = l;
            continue;
        }
        if (previous == Nil) li_SymbolSetValue(symbol, li_PairTail(l));
        else li_Rplacd(previous, li_PairTail(l));
    }
}

// function (rooted by the caller) becomes the procedure of hwnd's timer id.
void keep_timer(HWND hwnd, UINT_PTR id, LiValue function)
{
    drop_dead_timers();
    LiValue cell = timer_cell(hwnd, id);
    if (cell != Nil) {
        li_Rplacd(cell, function);
        return;
    }
    ProtectedSlot symbol(kept_timers()), id_value(li_CreateLong((int32_t)id));
    ProtectedSlot entry(li_Cons(id_value, function));
    ProtectedSlot hwnd_value(li_CreateLong((int32_t)(uintptr_t)hwnd));
    entry = li_Cons(hwnd_value, entry);
    LiValue list = li_SymbolValue(symbol);
    if (li_Tag(list) != LI_CONS) list = Nil;
    li_SymbolSetValue(symbol, li_Cons(entry, list));
}

VOID CALLBACK timer_procedure(HWND hwnd, UINT uMsg, UINT_PTR idEvent, DWORD dwTime)
{
    LiValue cell = timer_cell(hwnd, idEvent);
    if (cell == Nil) return;
    CallFrame frame;
    frame.push(li_PairTail(cell));
    frame.push(li_CreateLong((int32_t)(uintptr_t)hwnd));
    frame.push(li_CreateLong((int32_t)uMsg));
    frame.push(li_CreateLong((int32_t)idEvent));
    frame.push(li_CreateLong((int32_t)dwTime));
    run_script_function(frame.slots()[0], frame.slots() + 1, 4);
}

} // namespace

LiValue EnumChildWindows_entry() { return enumeration_entry<HWND, EnumChildWindows>(); }
LiValue EnumThreadWindows_entry() { return enumeration_entry<DWORD, EnumThreadWindows>(); }
LiValue EnumDesktopWindows_entry() { return enumeration_entry<HDESK, EnumDesktopWindows>(); }

// (SetTimer hWnd nIDEvent uElapse lpTimerFunc): with nil the window receives WM_TIMER; with a
// script function, that is called as (lpTimerFunc hwnd uMsg idEvent dwTime) while messages are
// dispatched. The platform's result.
LiValue SetTimer_entry()
{
    HWND hwnd = handle_arg<HWND>(A(0));
    UINT_PTR id = (UINT_PTR)(uint32_t)integer_arg(A(1));
    UINT elapse = (UINT)integer_arg(A(2));
    LiValue function = A(3);
    if (function == Nil) return li_CreateLong((int32_t)SetTimer(hwnd, id, elapse, nullptr));
    check_function(function);
    UINT_PTR r = SetTimer(hwnd, id, elapse, timer_procedure);
    // a window's timer keeps the id asked for; a timer without a window gets the one returned
    if (r) keep_timer(hwnd, hwnd ? id : r, function);
    return li_CreateLong((int32_t)r);
}

} // namespace savrawin
