// A Call row that also bounds its buffer arguments and can test text arguments at dispatch, for
// the edit controls' text readers that take a count from the script (GetLine with its room,
// GetTextEx with its length). Call rows carry neither, so a count larger than the script's buffer
// would reach the control unchecked.
#pragma once

#include "controls.h"

namespace savrawin {

// Positions (counting script arguments) the dispatcher tests as "nil or a string".
template <int... P> struct TextAt {
    static constexpr bool has(size_t i) { return ((i == (size_t)P) || ... || false); }
};

template <auto F, class B, class Text, int32_t... Defaults> struct CheckedCall : Call<F, Defaults...> {
    using Base = Call<F, Defaults...>;
    static_assert(B::count > 0, "a checked row has a bound");

    template <class L, class = std::make_index_sequence<L::size>> struct Mark;
    template <class... A, size_t... I> struct Mark<msg::List<A...>, std::index_sequence<I...>> {
        using type = msg::List<std::conditional_t<Text::has(I), msg::Param<TestedText<A>>, msg::Param<A>>...>;
        // Bounds name arguments every form has, so each form checks all of them.
        static constexpr bool bounds_fit(const uint32_t *b, int n, int required)
        {
            for (int k = 0; k < n; k++) {
                int buffer = b[k] & 15, other = (b[k] >> 4) & 15;
                if (!bound_fits<A...>(b[k]) || buffer >= required || other >= required) return false;
            }
            return true;
        }
    };
    using Params = typename Mark<typename Base::Types>::type;
    static_assert(Mark<typename Base::Types>::bounds_fit(B::values, B::count, Base::min_args),
                  "bounds name a buffer and a count that every form has");

    template <int Given, size_t... I> static LiValue invoke(HWND h, std::index_sequence<I...>)
    {
        return wrapped_call<typename Base::Sig::result, typename Base::template TypeAt<I>...>(
            ArgBase + 1, B::values, B::count, [h](LiValue *args, WideCopy *copies) {
                return Base::template call_all<Given>(h, args, copies, std::make_index_sequence<(size_t)Base::max_args>{});
            });
    }

    template <int Given> static LiValue entry()
    {
        HWND h = msg::receiver_handle();
        return invoke<Given>(h, std::make_index_sequence<(size_t)Given>{});
    }

    static constexpr const Candidate *forms = msg::FormsOf<CheckedCall, Base::min_args, Base::max_args>::forms;
};

} // namespace savrawin
