// Window methods as table rows: the receiver's handle stands in for the platform function's
// first (HWND) parameter, the other parameters are deduced as for global wrappers.
#pragma once

#include "../module/wrap.h"
#include "window_base.h"

namespace savrawin {

template <auto F> struct HandleMethod;

template <class R, class... A, R(WINAPI *F)(HWND, A...)> struct HandleMethod<F> {
    static constexpr int N = sizeof...(A);
    static constexpr Kind kinds[N > 0 ? N : 1] = {kind_of<A>()...};

    template <size_t... I> static R call(HWND h, LiValue *args, WideCopy *copies, std::index_sequence<I...>)
    {
        return F(h, take_arg<A>(args[I], copies[I])...);
    }

    static LiValue entry()
    {
        SWindowBase *w = window_arg(ArgBase[0]);
        LiValue *args = ArgBase + 1;
        for (int i = 0; i < N; i++) check_arg(kinds[i], args[i]);
        WideCopy copies[N > 0 ? N : 1];
        make_copies(copies, kinds, args, N);
        *ArgTop++ = Nil; // the protection slot
        LiValue result;
        if constexpr (std::is_void_v<R>) {
            call(w->m_hWnd, args, copies, std::index_sequence_for<A...>{});
            result = Nil;
        } else {
            R r = call(w->m_hWnd, args, copies, std::index_sequence_for<A...>{});
            result = make_result(r);
        }
        ArgTop[-1] = result;
        finish_copies(copies, N);
        --ArgTop;
        return result;
    }
};

// A method row has the shape of a function row; its parameter names are those after the instance.
using MethodRow = FunctionRow;

#define SAVRA_METHOD(name, fn, ...)                                                                                    \
    {name, &::savrawin::HandleMethod<&fn>::entry, ::savrawin::count_params(__VA_ARGS__), {__VA_ARGS__}}
#define SAVRA_METHOD_ENTRY(name, entry, ...) {name, entry, ::savrawin::count_params(__VA_ARGS__), {__VA_ARGS__}}

void register_methods(LiValue cls, const MethodRow *rows, size_t n);

} // namespace savrawin
