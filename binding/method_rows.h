// Methods as rows. Every class's methods are one table of rows, registered in table order; a row
// names the method and its parameters and says how a call reaches the platform:
//
//   method<Send<LB_SETSEL, L<int>, W<BOOL, 1>>>("SetSel", "nIndex", "bSelect")
//       sends the receiver LB_SETSEL, the first argument as lParam and the second as wParam (1 when
//       omitted); an argument may also go to a field of a record sent as lParam (Field, below);
//   method<Call<IsWindow>>("IsWindow")
//   method<Call<with<SetScrollPos, SB_CTL>, TRUE>>("SetScrollPos", "nPos", "bRedraw")
//       calls a function, ordinary or WINAPI, with the receiver first, the values `with` fixes next
//       and the script's arguments after them; trailing defaults make the shorter forms;
//   method<Entry<MessageHandler_entry, 'I', 'A'>>("MessageHandler", "uMsg", "expression")
//       a hand-written entry, with the dispatch test of each argument (overload.h).
//
// Each argument's kind (integer, structure, UTF-16 text, ...) comes from its C++ type through the
// wrapper convention of wrap.h, with its checks, codes and bounds. A row with defaults is an
// overloaded method whose forms are its argument counts; consecutive rows of one name are one
// overloaded method whose forms are tried in row order (first fit). A row made with `apart` keeps
// its own argument count beside the dispatcher of its name. A class's rows of one name stand
// together, so the table alone says which forms a name has and in which order. The table also holds
// the global functions that come with the class (global, creator).
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
// The parts P for which Pred<P> holds, in order.
template <template <class> class Pred, class... P>
using Filter = typename Concat<std::conditional_t<Pred<P>::value, List<P>, List<>>...>::type;

template <size_t I, class L> struct At;
template <size_t I, class H, class... T> struct At<I, List<H, T...>> : At<I - 1, List<T...>> {};
template <class H, class... T> struct At<0, List<H, T...>> {
    using type = H;
};
template <class L> struct Last;
template <class... T> struct Last<List<T...>> : At<sizeof...(T) - 1, List<T...>> {};

// L without its first K types.
template <size_t K, class L> struct Drop {
    using type = L;
};
template <size_t K, class H, class... T> struct Drop<K, List<H, T...>> {
    using type = std::conditional_t<K == 0, List<H, T...>, typename Drop<(K > 0 ? K - 1 : 0), List<T...>>::type>;
};

// ---- a function's signature, whatever its calling convention --------------------------------------
// Template arguments cannot tell the conventions apart, but a function's type can.

template <class Fn> struct FnTraits;
template <class R, class Self, class... A> struct FnTraits<R (*)(Self, A...)> {
    using result = R;
    using self = Self;
    using args = List<A...>;
};
template <class R, class Self, class... A> struct FnTraits<R(WINAPI *)(Self, A...)> {
    using result = R;
    using self = Self;
    using args = List<A...>;
};
template <auto F> using Signature = FnTraits<decltype(F)>;

// A constant as a parameter of type T (a handle or a pointer from its integer value).
template <class T, class V> constexpr T value_as(V v)
{
    if constexpr (std::is_pointer_v<T>) return (T)(uintptr_t)(uint32_t)v;
    else return (T)v;
}

template <auto F, auto... V> struct Fixed {
    using Sig = Signature<F>;
    template <class Rest, class = std::make_index_sequence<sizeof...(V)>> struct Bind;
    template <class... Rest, size_t... I> struct Bind<List<Rest...>, std::index_sequence<I...>> {
        static typename Sig::result call(typename Sig::self self, Rest... rest)
        {
            return F(self, value_as<typename At<I, typename Sig::args>::type>(V)..., rest...);
        }
    };
    using type = Bind<typename Drop<sizeof...(V), typename Sig::args>::type>;
};

// ---- parts of a row --------------------------------------------------------------------------------

// Where a script argument goes: a whole parameter, one of its 16-bit halves, one of the bytes of
// wParam's low half, or or-ed into wParam.
enum class To : uint8_t { W, L, WLow, WHigh, LLow, LHigh, WLowByte, WHighByte, WOr };

inline void place(To to, uint32_t v, uint32_t &w, uint32_t &l)
{
    switch (to) {
    case To::W: w = v; break;
    case To::L: l = v; break;
    case To::WLow: w = (w & 0xFFFF0000u) | (v & 0xFFFFu); break;
    case To::WHigh: w = (w & 0xFFFFu) | (v << 16); break;
    case To::LLow: l = (l & 0xFFFF0000u) | (v & 0xFFFFu); break;
    case To::LHigh: l = (l & 0xFFFFu) | (v << 16); break;
    case To::WLowByte: w = (w & 0xFFFFFF00u) | (v & 0xFFu); break;
    case To::WHighByte: w = (w & 0xFFFF00FFu) | (v & 0xFFu) << 8; break;
    case To::WOr: w |= v; break;
    }
}

// A converted argument as the 32 bits it contributes to a message parameter.
template <class T> uint32_t word_of(T v)
{
    if constexpr (std::is_same_v<T, WideBuffer>) return (uint32_t)(uintptr_t)v.text;
    else if constexpr (std::is_pointer_v<T>) return (uint32_t)(uintptr_t)v;
    else return (uint32_t)v;
}

// No record: the message's lParam is what the arguments put there.
struct NoRecord {};

// A script argument of C++ type T placed at D; one Default value makes it optional.
template <class T, To D, int32_t... Default> struct Arg {
    static_assert(sizeof...(Default) <= 1, "one default at most");
    using type = T;
    using record = NoRecord;
    static constexpr bool optional = sizeof...(Default) == 1;
    static constexpr int32_t fallback = (0 + ... + Default);
    template <class R> static void put(T v, uint32_t &w, uint32_t &l, R &) { place(D, word_of(v), w, l); }
    template <class R> static void put_default(uint32_t &w, uint32_t &l, R &) { place(D, (uint32_t)fallback, w, l); }
};

// A member reached through a path of member pointers (a record's field, or a field of a record in it).
template <class M> struct MemberOf;
template <class C, class T> struct MemberOf<T C::*> {
    using record = C;
    using type = T;
};
template <auto First, auto... Rest> struct Path {
    using record = typename MemberOf<decltype(First)>::record;
    template <class R> static auto &in(R &r)
    {
        if constexpr (sizeof...(Rest) == 0) return r.*First;
        else return Path<Rest...>::in(r.*First);
    }
    using type = std::remove_reference_t<decltype(in(std::declval<record &>()))>;
};

// A script argument that goes to a field of the record the message carries as lParam. The record is
// made for the call, zeroed; text the control only reads is taken as such.
template <auto... Members> struct Field {
    using path = Path<Members...>;
    using member = typename path::type;
    using type = std::conditional_t<std::is_same_v<member, wchar_t *>, const wchar_t *, member>;
    using record = typename path::record;
    static constexpr bool optional = false;
    static constexpr int32_t fallback = 0;
    template <class R> static void put(type v, uint32_t &, uint32_t &, R &r) { path::in(r) = (member)v; }
    template <class R> static void put_default(uint32_t &, uint32_t &, R &) {}
};

// What the method fills in itself before the arguments are placed.
template <uint32_t V> struct WIs {};
template <uint32_t V> struct LIs {};
template <uint32_t V, auto... Members> struct FieldIs {
    using path = Path<Members...>;
    using record = typename path::record;
    template <class R> static void put(R &r) { path::in(r) = value_as<typename path::type>(V); }
};
// The message result as a value of type R (a class that makes its own script value).
template <class R> struct Returns {};
// Bounds of buffer arguments (wrap.h); positions count the script arguments.
template <uint32_t... B> struct Bounds {
    static constexpr int count = sizeof...(B);
    static constexpr uint32_t values[sizeof...(B) + 1] = {B..., 0};
    // A form that takes `given` arguments checks the bounds when it has every argument they name;
    // a row whose bounds name an argument some form lacks is refused at compile time.
    static constexpr bool named_within(int given)
    {
        for (int k = 0; k < count; k++)
            if (bound::decode(values[k]).last_position() >= given) return false;
        return true;
    }
};
// The dispatcher tests this argument as "nil or a string" instead of leaving it to the form.
template <class T> struct TestedText {};
// The same for a function row: the positions (counting script arguments) so tested.
template <int... P> struct TextAt {
    static constexpr bool has(size_t i) { return ((i == (size_t)P) || ... || false); }
};

template <class T> struct IsArg : std::false_type {};
template <class T, To D, int32_t... V> struct IsArg<Arg<T, D, V...>> : std::true_type {};
template <auto... M> struct IsArg<Field<M...>> : std::true_type {};
template <class T> struct IsFieldIs : std::false_type {};
template <uint32_t V, auto... M> struct IsFieldIs<FieldIs<V, M...>> : std::true_type {};
template <class T> struct IsBounds : std::false_type {};
template <uint32_t... B> struct IsBounds<Bounds<B...>> : std::true_type {};

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

// The record of the parts that have one (NoRecord when none does); they must agree.
template <class... P> struct RecordOf {
    using type = NoRecord;
};
template <class H, class... T> struct RecordOf<H, T...> {
    using rest = typename RecordOf<T...>::type;
    using own = typename H::record;
    static_assert(std::is_same_v<own, NoRecord> || std::is_same_v<rest, NoRecord> || std::is_same_v<own, rest>,
                  "the fields of one row belong to one record");
    using type = std::conditional_t<std::is_same_v<own, NoRecord>, rest, own>;
};
template <class L> struct RecordOfList;
template <class... P> struct RecordOfList<List<P...>> : RecordOf<P...> {};

// The C++ type an argument converts through, and its dispatch test letter.
template <class T> struct Param {
    using type = T;
    static constexpr char test = kind_of<T>() == Kind::Int ? 'I' : 'A';
};
template <class T> struct Param<TestedText<T>> {
    using type = T;
    static constexpr char test = 'S';
};

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

// The receiver as a row's function takes it first, checked before any argument. The layer that
// defines a class specialises it for the receiver type its rows take (a window handle, say).
template <class Self, class = void> struct Receiver;
// T, named so that it depends on the row's parts: a row's receiver is looked up where the row is made.
template <class T, class...> struct Dependent {
    using type = T;
};

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

// Each bound of B names a buffer and arguments of the right kinds among the types of L.
template <class B, class L> struct BoundsFit;
template <uint32_t... B, class... A> struct BoundsFit<Bounds<B...>, List<A...>> {
    static constexpr bool value = (bound_fits<A...>(B) && ...);
};

} // namespace msg

// Where each argument of a Send row goes, with its default when it has one.
template <class T, int32_t... D> using W = msg::Arg<T, msg::To::W, D...>;
template <class T, int32_t... D> using L = msg::Arg<T, msg::To::L, D...>;
template <class T, int32_t... D> using WLow = msg::Arg<T, msg::To::WLow, D...>;
template <class T, int32_t... D> using WHigh = msg::Arg<T, msg::To::WHigh, D...>;
template <class T, int32_t... D> using LLow = msg::Arg<T, msg::To::LLow, D...>;
template <class T, int32_t... D> using LHigh = msg::Arg<T, msg::To::LHigh, D...>;
template <class T, int32_t... D> using WLowByte = msg::Arg<T, msg::To::WLowByte, D...>;
template <class T, int32_t... D> using WHighByte = msg::Arg<T, msg::To::WHighByte, D...>;
template <class T, int32_t... D> using WOr = msg::Arg<T, msg::To::WOr, D...>;
using msg::Bounds;
using msg::Field;
using msg::FieldIs;
using msg::LIs;
using msg::TestedText;
using msg::TextAt;
using msg::WIs;

// A function F with the values V passed right after its receiver: a Call row's fixed arguments.
template <auto F, auto... V> constexpr auto with = &msg::Fixed<F, V...>::type::call;

// ---- a row that sends one message -----------------------------------------------------------------

template <UINT Msg, class... Parts> struct Send {
    using Args = msg::Filter<msg::IsArg, Parts...>;
    using Sets = msg::Filter<msg::IsFieldIs, Parts...>;
    using Record = typename msg::RecordOfList<typename msg::Concat<Args, Sets>::type>::type;
    using Params = typename msg::ParamsOf<Args>::type;
    using BoundParts = typename msg::Concat<msg::List<msg::Bounds<>>, msg::Filter<msg::IsBounds, Parts...>>::type;
    using Bound = typename msg::Last<BoundParts>::type;
    using R = typename msg::ResultOf<Parts...>::type;
    static constexpr bool has_record = !std::is_same_v<Record, msg::NoRecord>;
    static constexpr int max_args = (int)Args::size;
    static constexpr int min_args = msg::Required<Args>::value;
    static_assert(min_args >= 0, "optional arguments come last");
    static constexpr uint32_t w_fixed = (0u | ... | msg::WValue<Parts>::value);
    static constexpr uint32_t l_fixed = (0u | ... | msg::LValue<Parts>::value);
    static_assert(!has_record || l_fixed == 0, "a record is the message's lParam");

    template <size_t I> using ArgAt = typename msg::At<I, Args>::type;
    template <size_t I> using TypeAt = typename msg::At<I, Params>::type::type;

    template <class L> struct Setter;
    template <class... S> struct Setter<msg::List<S...>> {
        static void set(Record &r) { (S::put(r), ...); }
    };

    template <int Given, size_t... I> static void fill_defaults(uint32_t &w, uint32_t &l, Record &r, std::index_sequence<I...>)
    {
        ((I >= (size_t)Given ? ArgAt<I>::put_default(w, l, r) : void()), ...);
    }

    template <int Given, size_t... I> static LiValue send(HWND h, std::index_sequence<I...>)
    {
        static_assert(Bound::named_within(min_args), "bounds name arguments every form has");
        return wrapped_call<R, TypeAt<I>...>(ArgBase + 1, Bound::values, Bound::count, [h](LiValue *args, WideCopy *copies) {
            uint32_t w = w_fixed, l = l_fixed;
            Record record{};
            Setter<Sets>::set(record);
            (ArgAt<I>::put(take_arg<TypeAt<I>>(args[I], copies[I]), w, l, record), ...);
            fill_defaults<Given>(w, l, record, std::make_index_sequence<Args::size>{});
            if constexpr (has_record) l = (uint32_t)(uintptr_t)&record;
            LRESULT r = SendMessageW(h, Msg, (WPARAM)w, (LPARAM)l);
            if constexpr (std::is_same_v<R, LRESULT>) return r;
            else return R{(uint32_t)r};
        });
    }

    template <int Given> static LiValue entry()
    {
        HWND h = msg::Receiver<typename msg::Dependent<HWND, Parts...>::type>::get();
        return send<Given>(h, std::make_index_sequence<(size_t)Given>{});
    }

    static constexpr const Candidate *forms = msg::FormsOf<Send, min_args, max_args>::forms;
    static constexpr int form_count = max_args - min_args + 1;
};

// ---- a row that calls a function with the receiver first ------------------------------------------

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
    static_assert(msg::BoundsFit<B, Types>::value, "a bound names a buffer and arguments of the right kinds");
    static constexpr int32_t defaults[] = {Defaults..., 0};

    template <size_t I> using TypeAt = typename msg::At<I, Types>::type;

    template <int Given, size_t K> static TypeAt<K> value_at(LiValue *args, WideCopy *copies)
    {
        (void)args, (void)copies;
        if constexpr ((int)K < Given) return take_arg<TypeAt<K>>(args[K], copies[K]);
        else return msg::value_as<TypeAt<K>>(defaults[K - min_args]);
    }

    template <int Given, size_t... K>
    static typename Sig::result call_all(typename Sig::self self, LiValue *args, WideCopy *copies, std::index_sequence<K...>)
    {
        (void)args, (void)copies;
        return F(self, value_at<Given, K>(args, copies)...);
    }

    template <int Given, size_t... I> static LiValue invoke(typename Sig::self self, std::index_sequence<I...>)
    {
        static_assert(B::named_within(min_args), "bounds name arguments every form has");
        auto call = [self](LiValue *args, WideCopy *copies) {
            return call_all<Given>(self, args, copies, std::make_index_sequence<(size_t)max_args>{});
        };
        return wrapped_call<typename Sig::result, TypeAt<I>...>(ArgBase + 1, B::values, B::count, call);
    }

    template <int Given> static LiValue entry()
    {
        auto self = msg::Receiver<typename Sig::self>::get();
        return invoke<Given>(self, std::make_index_sequence<(size_t)Given>{});
    }

    static constexpr const Candidate *forms = msg::FormsOf<CallRow, min_args, max_args>::forms;
    static constexpr int form_count = max_args - min_args + 1;
};
template <auto F, int32_t... Defaults> using Call = CallRow<F, msg::Bounds<>, msg::TextAt<>, Defaults...>;
template <auto F, class B, int32_t... Defaults> using BoundedCall = CallRow<F, B, msg::TextAt<>, Defaults...>;
template <auto F, class B, class T, int32_t... Defaults> using CheckedCall = CallRow<F, B, T, Defaults...>;

// ---- a row that is a hand-written entry -----------------------------------------------------------
// The entry reads the receiver and its arguments from the slots and checks them itself; Tests are
// the dispatch test letters of its arguments (overload.h), which also give their count.

template <LiEntry E, char... Tests> struct Entry {
    static constexpr int max_args = (int)sizeof...(Tests), min_args = max_args;
    static constexpr char tests[] = {'A', Tests..., 0};
    static constexpr Candidate forms[] = {{max_args + 1, tests, E}};
    static constexpr int form_count = 1;
};

// ---- rows and their registration ------------------------------------------------------------------

struct MethodRow {
    enum Kind : uint8_t {
        Method, // a method; consecutive rows of one name are one dispatcher
        Apart,  // a method under its own argument count beside its name's dispatcher
        Global, // a global function the class brings with it, under its full name
    };
    const char *name;
    const Candidate *forms;  // in trial order; the only one of a plain method
    int form_count;
    bool overloaded;         // registered under "args", as every method with more than one form
    Kind kind;
    int param_count;         // of the longest form
    const char *params[14];
    const Overload *creator; // a global dispatcher's forms (overload.h), or null
};

// A method of one row; it is overloaded when the row has defaults.
template <class Row, class... Names> constexpr MethodRow method(const char *name, Names... params)
{
    static_assert(sizeof...(Names) == Row::max_args, "one name per script argument");
    return {name, Row::forms, Row::form_count, Row::form_count > 1, MethodRow::Method, Row::max_args, {params...},
            nullptr};
}
// A method registered under "args" although it has one form.
template <class Row, class... Names> constexpr MethodRow overloaded(const char *name, Names... params)
{
    static_assert(sizeof...(Names) == Row::max_args, "one name per script argument");
    return {name, Row::forms, Row::form_count, true, MethodRow::Method, Row::max_args, {params...}, nullptr};
}
// A one-form method registered under its own argument count even where rows of its name make a
// dispatcher: calls with that count reach it directly, every other count the dispatcher.
template <class Row, class... Names> constexpr MethodRow apart(const char *name, Names... params)
{
    static_assert(sizeof...(Names) == Row::max_args && Row::form_count == 1, "one form, one name per script argument");
    return {name, Row::forms, 1, false, MethodRow::Apart, Row::max_args, {params...}, nullptr};
}
// A name whose every call reports that no form fits.
constexpr MethodRow no_forms(const char *name) { return {name, nullptr, 0, true, MethodRow::Method, 0, {}, nullptr}; }

// A global function of one hand-written entry (its arguments from slot 0, no receiver).
template <class Row, class... Names> constexpr MethodRow global(const char *name, Names... params)
{
    static_assert(sizeof...(Names) == Row::max_args && Row::form_count == 1, "one form, one name per argument");
    return {name, Row::forms, 1, false, MethodRow::Global, Row::max_args, {params...}, nullptr};
}
// A global dispatcher over the forms O: a class's creator, whose forms `new` takes too.
template <const Overload &O> struct Creator {
    static constexpr Candidate forms[] = {{0, "", global_dispatcher<O>}};
};
template <const Overload &O> constexpr MethodRow creator(const char *name)
{
    return {name, Creator<O>::forms, 1, true, MethodRow::Global, 0, {}, &O};
}

// A class's rows. When methods_also_global is set, every plain method is a global function too,
// named CLASS_NAME and taking the instance first as "this".
struct MethodTable {
    const MethodRow *rows;
    size_t count;
    bool methods_also_global;
};
template <size_t N> constexpr MethodTable table(const MethodRow (&rows)[N], bool methods_also_global = false)
{
    return {rows, N, methods_also_global};
}

// Registers a class's tables in order: a lone plain row as a method of its parameters, every other
// name (consecutive rows of one name, or a row with forms) under one dispatcher whose failure names
// class_name; apart rows under their own counts. Rows of one name that do not stand together (in
// one table) are a mistake in the tables, reported when the methods are registered.
void register_methods(LiValue cls, const char *class_name, const MethodTable *tables, size_t count);
// The global functions the same tables bring, in table order: global rows, and each lone plain
// method as CLASS_NAME where the table says so (also_global). They are names scripts reach
// without the class: f is called for each, so that the caller can register them by their names.
void each_method_global(const MethodTable *tables, size_t count, void (*f)(const MethodRow &, bool also_global, void *),
                        void *context);
// The name of such a global function (made once, and kept), and its registration under it.
const char *global_name(const char *class_name, const MethodRow &r, bool also_global);
void register_method_global(const char *name, const MethodRow &r, bool also_global);

} // namespace savrawin
