// Typed registration: builds a coCallFunc from a function of the
// receiver's own class, deducing kind from the function's shape.
//
//   struct View : coReceiver { View() : coReceiver(1) {} int seen = 0; };
//   struct Change : coCBData { int value = 0; };
//   void on_change(View *v, Change *c) { v->seen += c->value; }
//
//   co_register<on_change>(changed, &view, &model);   // kind 1
//   Change c; c.value = 3;
//   model.send_calls(changed, c);                     // view.seen == 3
//
// The function (noexcept or not, with linkage: a free function or a static
// member of a namespace-scope class) takes one, two or three pointers: the
// receiver's class first (coReceiver or a class derived from it; anything else does not
// compile), then the extra arguments of apply. kind is the number of extra
// arguments. The registration stores a small adapter, not the function:
// the adapter converts the untyped receiver back through coReceiver (so a
// receiver class whose coReceiver base is not at offset 0 still arrives
// right) and an extra argument of a class derived from coCBData back
// through coCBData, which is how send_calls passes its data. Other extra
// argument types receive the pointer given to apply as it is.
//
// Header only; the plain coCallFunc constructor stays available.
#pragma once

#include <type_traits>

#include <colib/notify/call_list.h>

namespace colib_detail {

// The pointer apply passed, as the parameter type P the function wants.
template <class P> P call_arg(void *a) noexcept {
    using A = std::remove_cv_t<std::remove_pointer_t<P>>;
    if constexpr (std::is_base_of<coCBData, A>::value && !std::is_same<coCBData, A>::value)
        return static_cast<P>(static_cast<coCBData *>(a));
    else
        return static_cast<P>(a);
}

template <class> using untyped_ptr = void *;

template <class F> struct coCallShape { static constexpr bool valid = false; };
template <class R, class... A> struct coCallShape<void (*)(R *, A *...)> {
    // The receiver class must be (unambiguously, publicly) a coReceiver.
    static constexpr bool valid =
        sizeof...(A) <= 2 && std::is_convertible<R *, const coReceiver *>::value;
    static constexpr int kind = static_cast<int>(sizeof...(A));
    using receiver_type = R;

    template <void (*F)(R *, A *...)> static void adapter(void *r, untyped_ptr<A>... a) {
        F(static_cast<R *>(static_cast<coReceiver *>(r)), call_arg<A *>(a)...);
    }
};
template <class R, class... A>
struct coCallShape<void (*)(R *, A *...) noexcept> : coCallShape<void (*)(R *, A *...)> {};
template <class R, class... A>
struct coCallShape<void (&)(R *, A *...)> : coCallShape<void (*)(R *, A *...)> {};
template <class R, class... A>
struct coCallShape<void(R *, A *...)> : coCallShape<void (*)(R *, A *...)> {};

} // namespace colib_detail

// True for a function co_make_call accepts: void(R *, A *...) with at most two
// extra pointers and R a coReceiver or derived from one.
template <auto F>
constexpr bool co_is_call_target = colib_detail::coCallShape<std::remove_cv_t<decltype(F)>>::valid;

// A new registration of F (to be handed to calls().add). The receiver must
// be of F's receiver class.
template <auto F>
coCallFunc *co_make_call(
    coCallReason reason,
    typename colib_detail::coCallShape<std::remove_cv_t<decltype(F)>>::receiver_type *receiver,
    coSender *sender) {
    using Shape = colib_detail::coCallShape<std::remove_cv_t<decltype(F)>>;
    static_assert(Shape::valid, "a call function takes the receiver's class (derived from "
                                "coReceiver) and at most two more pointers");
    auto adapter = &Shape::template adapter<F>;
    return new coCallFunc(reason, receiver, sender, reinterpret_cast<void (*)(void)>(adapter),
                          Shape::kind);
}

// co_make_call, then sender->calls().add; throws std::bad_alloc with nothing
// registered and nothing leaked. Returns the registration (owned by the
// lists).
template <auto F>
coCallFunc *co_register(
    coCallReason reason,
    typename colib_detail::coCallShape<std::remove_cv_t<decltype(F)>>::receiver_type *receiver,
    coSender *sender) {
    coCallFunc *f = co_make_call<F>(reason, receiver, sender);
    try {
        sender->calls().add(f);
    } catch (...) {
        delete f;
        throw;
    }
    return f;
}
