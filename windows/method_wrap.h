// Window methods as table rows: the receiver's handle stands in for the platform function's
// first (HWND) parameter, the other parameters are deduced as for global wrappers.
#pragma once

#include "../binding/wrap.h"
#include "window_base.h"

namespace savrawin {

template <auto F, uint32_t... Bounds> struct HandleMethod;

template <class R, class... A, R(WINAPI *F)(HWND, A...), uint32_t... Bounds> struct HandleMethod<F, Bounds...> {
    static_assert((bound_fits<A...>(Bounds) && ...), "a bound names a buffer and arguments of the right kinds");
    static constexpr uint32_t bounds[sizeof...(Bounds) + 1] = {Bounds..., 0};

    template <size_t... I> static R call(HWND h, LiValue *args, WideCopy *copies, std::index_sequence<I...>)
    {
        return F(h, take_arg<A>(args[I], copies[I])...);
    }

    static LiValue entry()
    {
        HWND h = window_arg(ArgBase[0])->m_hWnd;
        return wrapped_call<R, A...>(ArgBase + 1, bounds, sizeof...(Bounds), [h](LiValue *args, WideCopy *copies) {
            return call(h, args, copies, std::index_sequence_for<A...>{});
        });
    }
};

// A method row has the shape of a function row; its parameter names are those after the instance.
using MethodRow = FunctionRow;

#define SAVRA_METHOD(name, fn, ...)                                                                                    \
    {name, &::savrawin::HandleMethod<&fn>::entry, ::savrawin::count_params(__VA_ARGS__), {__VA_ARGS__}}
// Bound positions count the platform function's parameters after the window handle.
#define SAVRA_METHOD_BOUNDED(name, fn, bounds, ...)                                                                    \
    {name, &::savrawin::HandleMethod<&fn, bounds>::entry, ::savrawin::count_params(__VA_ARGS__), {__VA_ARGS__}}
#define SAVRA_METHOD_ENTRY(name, entry, ...) {name, entry, ::savrawin::count_params(__VA_ARGS__), {__VA_ARGS__}}

void register_methods(LiValue cls, const MethodRow *rows, size_t n);

} // namespace savrawin
