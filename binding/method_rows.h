// Control methods as rows. Most control operations send the control one message; a row says
// which, and where each script argument goes in it:
//
//   method<Send<LB_SETSEL, L<int>, W<BOOL, 1>>>("SetSel", "nIndex", "bSelect")
//
// sends LB_SETSEL with the first argument as lParam and the second as wParam, 1 when omitted.
// Each argument's kind (integer, structure, UTF-16 text, ...) comes from its C++ type through the
// wrapper convention of module/wrap.h, with its checks, codes and bounds. The operations that are
// more than one message are short functions taking the handle first, rows the same way:
//
//   method<Call<edit_set_sel, 0>>("SetSel", "nStartChar", "nEndChar", "bNoScroll")
//
// A row with defaults is an overloaded method whose forms are its argument counts; consecutive
// rows of one name are one overloaded method whose forms are tried in row order (first fit).
#pragma once

#include <windows.h>

#include <stddef.h>
#include <stdint.h>
#include <type_traits>
#include <utility>

#include "overload.h"
#include "wrap.h"

namespace savrawin {

namespace msg {

// Where a script argument goes: a whole parameter, one of its 16-bit halves, or or-ed into it.
enum class To : uint8_t { W, L, WLow, WHigh, LLow, LHigh, WOr };

// A script argument of C++ type T placed at D; one Default value makes it optional.
template <class T, To D, int32_t... Default> struct Arg {
    static_assert(sizeof...(Default) <= 1, "one default at most");
    using type = T;
    static constexpr To to = D;
    static constexpr bool optional = sizeof...(Default) == 1;
    static constexpr int32_t fallback = (0 + ... + Default);
};

// What the method fills in itself before the arguments are placed.
template <uint32_t V> struct WIs {};
template <uint32_t V> struct LIs {};
// The message result as a value of type R (a class that makes its own script value).
template <class R> struct Returns {};
// Bounds of buffer arguments (module/wrap.h); positions count the script arguments.
template <uint32_t... B> struct Bounds {
    static constexpr int count = sizeof...(B);
    static constexpr uint32_t values[sizeof...(B) + 1] = {B..., 0};
    // A form that takes `given` arguments checks the bounds when it has every argument they name;
    // a row whose bounds name an argument some form lacks is refused at compile time.
    static constexpr bool named_within(int given)
    {
        for (int k = 0; k < count; k++) {
            uint32_t b = values[k];
            int buffer = b & 15, other = (b >> 4) & 15, mode = (b >> 8) & 15, value = (int)(b >> 12);
            if (buffer >= given || (mode != bound::AtLeast && other >= given) || (mode == bound::Span && value >= given))
                return false;
        }
        return true;
    }
};
// The dispatcher tests this argument as "nil or a string" instead of leaving it to the form.
template <class T> struct TestedText {};
// The same for a function row: the positions (counting script arguments) so tested.
template <int... P> struct TextAt {
    static constexpr bool has(size_t i) { return ((i == (size_t)P) || ... || false); }
};

// ---- type lists ------------------------------------------------------------------------------------

template <class... T> struct List {
    static constexpr size_t size = sizeof...(T);
};
template <class... L> struct Concat {
    using type = List<>;
};
template <class... A> struct Concat<List<A...>> {
    using type = List<A...>;
};
template <class... A, class... B, class... R> struct Concat<List<A...>, List<B...>, R...> {
    using type = typename Concat<List<A..., B...>, R...>::type;
};
template <class T> struct IsArg : std::false_type {};
template <class T, To D, int32_t... V> struct IsArg<Arg<T, D, V...>> : std::true_type {};
template <class... P> using ArgsOf = typename Concat<std::conditional_t<IsArg<P>::value, List<P>, List<>>...>::type;

template <class T> struct IsBounds : std::false_type {};
template <uint32_t... B> struct IsBounds<Bounds<B...>> : std::true_type {};
template <class... P> using BoundsOf = typename Concat<List<Bounds<>>, std::conditional_t<IsBounds<P>::value, List<P>, List<>>...>::type;

template <size_t I, class L> struct At;
template <size_t I, class H, class... T> struct At<I, List<H, T...>> : At<I - 1, List<T...>> {};
template <class H, class... T> struct At<0, List<H, T...>> {
    using type = H;
};
template <class L> struct Last;
template <class... T> struct Last<List<T...>> : At<sizeof...(T) - 1, List<T...>> {};

template <class P> struct WValue : std::integral_constant<uint32_t, 0> {};
template <uint32_t V> struct WValue<WIs<V>> : std::integral_constant<uint32_t, V> {};
template <class P> struct LValue : std::integral_constant<uint32_t, 0> {};
template <uint32_t V> struct LValue<LIs<V>> : std::integral_constant<uint32_t, V> {};

template <class... P> struct ResultOf {
    using type = LRESULT;
};
template <class H, class... T> struct ResultOf<H, T...> : ResultOf<T...> {};
template <class R, class... T> struct ResultOf<Returns<R>, T...> {
    using type = R;
};

// The C++ type an argument converts through, and its dispatch test letter.
template <class T> struct Param {
    using type = T;
    static constexpr char test = kind_of<T>() == Kind::Int ? 'I' : 'A';
};
template <class T> struct Param<TestedText<T>> {
    using type = T;
    static constexpr char test = 'S';
};

// A converted argument as the 32 bits it contributes to a message parameter.
template <class T> uint32_t word_of(T v)
{
    if constexpr (std::is_same_v<T, WideBuffer>) return (uint32_t)(uintptr_t)v.text;
    else if constexpr (std::is_pointer_v<T>) return (uint32_t)(uintptr_t)v;
    else return (uint32_t)v;
}

inline void place(To to, uint32_t v, uint32_t &w, uint32_t &l)
{
    switch (to) {
    case To::W: w = v; break;
    case To::L: l = v; break;
    case To::WLow: w = (w & 0xFFFF0000u) | (v & 0xFFFFu); break;
    case To::WHigh: w = (w & 0xFFFFu) | (v << 16); break;
    case To::LLow: l = (l & 0xFFFF0000u) | (v & 0xFFFFu); break;
    case To::LHigh: l = (l & 0xFFFFu) | (v << 16); break;
    case To::WOr: w |= v; break;
    }
}

// The test letters of a form that takes Given of the row's arguments, its instance first.
template <class Params, int Given, class = std::make_index_sequence<(size_t)Given>> struct Tests;
template <class Params, int Given, size_t... I> struct Tests<Params, Given, std::index_sequence<I...>> {
    static constexpr char text[Given + 2] = {'A', At<I, Params>::type::test..., 0};
};

// One candidate per argument count, from the required arguments to all of them.
template <class Row, int Min, int Max, class = std::make_integer_sequence<int, Max - Min + 1>> struct FormsOf;
template <class Row, int Min, int Max, int... K> struct FormsOf<Row, Min, Max, std::integer_sequence<int, K...>> {
    static constexpr Candidate forms[] = {
        {Min + K + 1, Tests<typename Row::Params, Min + K>::text, &Row::template entry<Min + K>}...};
};

// The receiver as a row's function takes it first, checked before any argument; the layer that
// defines a class specialises it for the receiver type its rows take (a window handle, say).
template <class Self> Self receiver();

template <class... Args> constexpr int count_required()
{
    int n = 0;
    bool optional_seen = false, ordered = true;
    ((Args::optional ? (void)(optional_seen = true) : (void)(ordered = ordered && !optional_seen, n++)), ...);
    return ordered ? n : -1;
}
template <class L> struct Required;
template <class... A> struct Required<List<A...>> : std::integral_constant<int, count_required<A...>()> {};

template <class L> struct ParamsOf;
template <class... A> struct ParamsOf<List<A...>> {
    using type = List<Param<typename A::type>...>;
};

} // namespace msg

// ---- a row that sends one message -----------------------------------------------------------------

template <UINT Msg, class... Parts> struct Send {
    using Args = msg::ArgsOf<Parts...>;
    using Params = typename msg::ParamsOf<Args>::type;
    using Bound = typename msg::Last<msg::BoundsOf<Parts...>>::type;
    using R = typename msg::ResultOf<Parts...>::type;
    static constexpr int max_args = (int)Args::size;
    static constexpr int min_args = msg::Required<Args>::value;
    static_assert(min_args >= 0, "optional arguments come last");
    static constexpr uint32_t w_fixed = (0u | ... | msg::WValue<Parts>::value);
    static constexpr uint32_t l_fixed = (0u | ... | msg::LValue<Parts>::value);

    template <size_t I> using ArgAt = typename msg::At<I, Args>::type;
    template <size_t I> using TypeAt = typename msg::At<I, Params>::type::type;

    template <int Given, size_t... I> static void fill_defaults(uint32_t &w, uint32_t &l, std::index_sequence<I...>)
    {
        ((I >= (size_t)Given ? msg::place(ArgAt<I>::to, (uint32_t)ArgAt<I>::fallback, w, l) : void()), ...);
    }

    template <int Given, size_t... I> static LiValue send(HWND h, std::index_sequence<I...>)
    {
        static_assert(Bound::named_within(min_args), "bounds name arguments every form has");
        return wrapped_call<R, TypeAt<I>...>(ArgBase + 1, Bound::values, Bound::count, [h](LiValue *args, WideCopy *copies) {
            uint32_t w = w_fixed, l = l_fixed;
            (msg::place(ArgAt<I>::to, msg::word_of(take_arg<TypeAt<I>>(args[I], copies[I])), w, l), ...);
            fill_defaults<Given>(w, l, std::make_index_sequence<Args::size>{});
            LRESULT r = SendMessageW(h, Msg, (WPARAM)w, (LPARAM)l);
            if constexpr (std::is_same_v<R, LRESULT>) return r;
            else return R{(uint32_t)r};
        });
    }

    template <int Given> static LiValue entry()
    {
        HWND h = msg::receiver<HWND>();
        return send<Given>(h, std::make_index_sequence<(size_t)Given>{});
    }

    static constexpr const Candidate *forms = msg::FormsOf<Send, min_args, max_args>::forms;
    static constexpr int form_count = max_args - min_args + 1;
};

// ---- a row that calls a short function with the receiver first ------------------------------------
// (an ordinary function: the calling convention is not part of the type a template can match)

namespace msg {
template <auto F> struct Signature;
template <class R, class Self, class... A, R (*F)(Self, A...)> struct Signature<F> {
    using result = R;
    using self = Self;
    using args = List<A...>;
    static R call(Self h, A... a) { return F(h, a...); }
};
} // namespace msg

// Defaults fill the function's trailing parameters, in order; B bounds its buffer arguments and
// Text names the arguments the dispatcher tests as text.
template <auto F, class B, class Text, int32_t... Defaults> struct CallRow {
    using Sig = msg::Signature<F>;
    using Types = typename Sig::args;
    template <class L, class = std::make_index_sequence<L::size>> struct Wrap;
    template <class... A, size_t... I> struct Wrap<msg::List<A...>, std::index_sequence<I...>> {
        using type = msg::List<std::conditional_t<Text::has(I), msg::Param<msg::TestedText<A>>, msg::Param<A>>...>;
    };
    using Params = typename Wrap<Types>::type;
    static constexpr int max_args = (int)Types::size;
    static constexpr int min_args = max_args - (int)sizeof...(Defaults);
    static_assert(min_args >= 0, "more defaults than parameters");
    static constexpr int32_t defaults[] = {Defaults..., 0};

    template <size_t I> using TypeAt = typename msg::At<I, Types>::type;

    template <int Given, size_t K> static TypeAt<K> value_at(LiValue *args, WideCopy *copies)
    {
        using T = TypeAt<K>;
        (void)args, (void)copies;
        if constexpr ((int)K < Given) return take_arg<T>(args[K], copies[K]);
        else if constexpr (std::is_pointer_v<T>) return (T)(uintptr_t)(uint32_t)defaults[K - min_args];
        else return (T)defaults[K - min_args];
    }

    template <int Given, size_t... K>
    static typename Sig::result call_all(typename Sig::self h, LiValue *args, WideCopy *copies, std::index_sequence<K...>)
    {
        (void)args, (void)copies;
        return Sig::call(h, value_at<Given, K>(args, copies)...);
    }

    template <int Given, size_t... I> static LiValue invoke(typename Sig::self h, std::index_sequence<I...>)
    {
        static_assert(B::named_within(min_args), "bounds name arguments every form has");
        return wrapped_call<typename Sig::result, TypeAt<I>...>(ArgBase + 1, B::values, B::count, [h](LiValue *args, WideCopy *copies) {
            return call_all<Given>(h, args, copies, std::make_index_sequence<(size_t)max_args>{});
        });
    }

    template <int Given> static LiValue entry()
    {
        auto self = msg::receiver<typename Sig::self>();
        return invoke<Given>(self, std::make_index_sequence<(size_t)Given>{});
    }

    static constexpr const Candidate *forms = msg::FormsOf<CallRow, min_args, max_args>::forms;
    static constexpr int form_count = max_args - min_args + 1;
};
template <auto F, int32_t... Defaults> using Call = CallRow<F, msg::Bounds<>, msg::TextAt<>, Defaults...>;
template <auto F, class B, int32_t... Defaults> using BoundedCall = CallRow<F, B, msg::TextAt<>, Defaults...>;
template <auto F, class B, class T, int32_t... Defaults> using CheckedCall = CallRow<F, B, T, Defaults...>;

// ---- rows and their registration ------------------------------------------------------------------

struct ControlMethod {
    const char *name;
    const Candidate *forms; // in trial order; the only one of a plain method
    int form_count;
    bool overloaded;        // registered under "args", as every method with more than one form
    int param_count;        // of the longest form
    const char *params[14];
};

// A method of one row; it is overloaded when the row has defaults.
template <class Row, class... Names> constexpr ControlMethod method(const char *name, Names... params)
{
    static_assert(sizeof...(Names) == Row::max_args, "one name per script argument");
    return {name, Row::forms, Row::form_count, Row::form_count > 1, Row::max_args, {params...}};
}
// A method registered under "args" although it has one form.
template <class Row, class... Names> constexpr ControlMethod overloaded(const char *name, Names... params)
{
    static_assert(sizeof...(Names) == Row::max_args, "one name per script argument");
    return {name, Row::forms, Row::form_count, true, Row::max_args, {params...}};
}
// A name whose every call reports that no form fits.
constexpr ControlMethod no_forms(const char *name) { return {name, nullptr, 0, true, 0, {}}; }

template <size_t N> constexpr size_t rows_in(const ControlMethod (&)[N]) { return N; }

// Registers a class's rows: a lone plain row as a method of its parameters, every other name
// (consecutive rows of one name, or a row with forms) under one dispatcher.
void register_control_methods(LiValue cls, const char *class_name, const ControlMethod *rows, size_t n);

} // namespace savrawin
