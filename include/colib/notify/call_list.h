// Call lists: senders call registered functions of their receivers by call
// reason, and either side may go away at any time.
//
//   static coCallReason changed;             // made once, passed by value
//   struct Counter : coReceiver {
//       Counter() : coReceiver(1) {}
//       int seen = 0;
//   };
//   void on_changed(void *r, void *data) { ++static_cast<Counter *>(
//                                              static_cast<coReceiver *>(r))->seen; }
//
//   coSender model(1);
//   Counter view;
//   model.calls().add(new coCallFunc(changed, &view, &model,
//                                    reinterpret_cast<void (*)()>(on_changed), 1));
//   coCBData data;
//   model.send_calls(changed, data);        // view.seen == 1
//
// (colib/notify/typed_call.h builds the registration from a typed function
// and deduces its kind; prefer it in new code.)
//
// Rules of the family:
//   - A registration (coCallFunc) is made by the client with new and handed
//     to coCallList::add on its sender's calls(); from then on the sender's
//     list and the receiver's list own it jointly. The side that drops it
//     first only nulls its own pointer in it (the registration is inactive
//     at once); the side that drops it second frees it. Exactly one free.
//   - Calls are made newest registration first.
//   - A call may destroy its receiver, other receivers or the sender, add
//     registrations or drop them; the walk never touches a freed link or
//     registration (see detail/call_walk.h). Registrations added during a
//     walk are not called by it.
//   - One thread: a list is walked by one thread at a time; hardened builds
//     abort when a second thread enters apply on a list being walked.
//   - Senders, receivers and call lists have identity (registrations point
//     at them): they cannot be copied or moved.
//
// Classes:
//   coCallReason          an event kind; ids 1, 2, ... from a process-wide counter
//   coCallFunc            one registration: reason, receiver, sender, function, kind
//   coCallList            a list of registrations, with add, apply and the drops
//   coReceiver            a call list of the registrations that reach it
//   coSender              owns calls(), the registrations it fires
//   coCBData              base of the data send_calls passes
//   coCBReceiveMultipleSets  hook told about duplicate registrations
//   coCallFunccoSListBPtrcoPtrcoSListB (+ link, link item, iterator, cursor):
//                         the singly linked list of registration pointers under
//                         coCallList (no size()), stamped in detail/call_list.h
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include <colib/notify/detail/call_list.h>

class coCallList;
class coReceiver;
class coSender;

// ---- reasons and registrations ---------------------------------------------

// An event kind. Each default-constructed reason takes the next id of a
// process-wide counter (the first is 1); copies keep it. Make reasons once,
// as long-lived objects, and pass them by value.
class COLIB_API coCallReason {
public:
    coCallReason() noexcept;
    int operator==(coCallReason o) const noexcept { return id_ == o.id_; }
    int operator!=(coCallReason o) const noexcept { return id_ != o.id_; }
    int id() const noexcept { return id_; }

private:
    int id_;
};

// One registration. Made by the client with new; owned jointly by the two
// lists once added (see the family rules). kind is the number of extra
// arguments after the receiver (0, 1 or 2): function is called as a
// function of kind + 1 untyped pointers, the receiver (as coReceiver *)
// first. That the function has that shape is the caller's promise;
// typed_call.h makes it a checked one.
class COLIB_API coCallFunc {
public:
    coCallFunc(coCallReason reason, coReceiver *receiver, coSender *sender, void (*function)(void),
               int kind) noexcept
        : kind_(kind), reason_(reason), receiver_(receiver), sender_(sender), function_(function) {}
    coCallFunc(const coCallFunc &) = delete;
    coCallFunc &operator=(const coCallFunc &) = delete;

    // Both ends set and the receiver receiving. (Declared inline, like
    // receiver_ptr: a Windows client would otherwise import them from the DLL.)
    inline int active() const noexcept;

    // Call the function when kind matches the arguments given and the reason
    // matches; active() is not tested here (coCallList::apply does).
    void apply(coCallReason reason) const { call_if(reason); }
    void apply(coCallReason reason, void *a) const { call_if(reason, a); }
    void apply(coCallReason reason, void *a, void *b) const { call_if(reason, a, b); }

    // Drop one side's pointer; the registration is inactive from then on.
    // These do not free anything: the lists do.
    void cancel_receiver() noexcept { receiver_ = nullptr; }
    void cancel_sender() noexcept { sender_ = nullptr; }

    coReceiver *receiver() const noexcept { return receiver_; }
    coSender *sender() const noexcept { return sender_; }
    int receiver_cancelled() const noexcept { return receiver_ == nullptr; }
    int sender_cancelled() const noexcept { return sender_ == nullptr; }
    int kind() const noexcept { return kind_; }
    coCallReason reason() const noexcept { return reason_; }
    void (*function() const noexcept)(void) { return function_; }

    // All five fields equal.
    int operator==(const coCallFunc &o) const noexcept {
        return kind_ == o.kind_ && receiver_ == o.receiver_ && sender_ == o.sender_ &&
               function_ == o.function_ && reason_ == o.reason_;
    }

private:
    friend class coCallList;
    // Kind and reason as the one 8-byte word they make at the start of a
    // registration (a walk tests both with one compare).
    static std::uint64_t match_word(int kind, coCallReason reason) noexcept {
        const int w[2] = {kind, reason.id()};
        std::uint64_t v;
        std::memcpy(&v, w, sizeof v);
        return v;
    }
    std::uint64_t match_word() const noexcept {
        static_assert(std::is_standard_layout<coCallReason>::value && sizeof(coCallReason) == 4,
                      "a reason is its id");
        static_assert(std::is_standard_layout<coCallFunc>::value &&
                          offsetof(coCallFunc, reason_) == sizeof(int),
                      "the reason follows the kind");
        std::uint64_t v;
        std::memcpy(&v, reinterpret_cast<const unsigned char *>(this), sizeof v);
        return v;
    }
    // The call when kind (the number of arguments) and reason match.
    template <class... A> void call_if(coCallReason reason, A... args) const {
        if (match_word() == match_word(static_cast<int>(sizeof...(A)), reason)) call(args...);
    }
    // The call itself, kind and reason already matched.
    void call() const { f1()(receiver_ptr()); }
    void call(void *a) const { f2()(receiver_ptr(), a); }
    void call(void *a, void *b) const { f3()(receiver_ptr(), a, b); }

    using Fn1 = void (*)(void *);
    using Fn2 = void (*)(void *, void *);
    using Fn3 = void (*)(void *, void *, void *);
    Fn1 f1() const noexcept { return reinterpret_cast<Fn1>(function_); }
    Fn2 f2() const noexcept { return reinterpret_cast<Fn2>(function_); }
    Fn3 f3() const noexcept { return reinterpret_cast<Fn3>(function_); }
    // The receiver as the functions receive it: a coReceiver * made untyped.
    inline void *receiver_ptr() const noexcept;

    int kind_;
    coCallReason reason_;
    coReceiver *receiver_;
    coSender *sender_;
    void (*function_)(void);
};

// Told how many identical registrations a list holds when one more is added.
class COLIB_API coCBReceiveMultipleSets {
public:
    coCBReceiveMultipleSets() noexcept = default;
    virtual ~coCBReceiveMultipleSets();
    // count >= 2: the registrations equal to the new one, itself included.
    virtual int receive_multiple_sets(int count) = 0;
};

// ---- the call list ---------------------------------------------------------

// A list of registration pointers with the ownership rules on top. The
// inherited list operations move pointers only and keep no rule; use the
// operations below.
class COLIB_API coCallList : public coCallFunccoSListBPtrcoPtrcoSListB {
public:
    using List = coCallFunccoSListBPtrcoPtrcoSListB;
    struct GetPtr {
        coCallFunc *operator()(const coCallFunccoSListBPtrcoPtrcoSLink *l) const noexcept {
            return const_cast<coCallFunccoSListBPtrcoPtrcoSLink *>(l)->read();
        }
    };
    // Range-for yields coCallFunc * (null for a link dropped during a walk,
    // until the walk ends).
    using const_iterator =
        colib_detail::coRingRange<const coCallFunccoSListBPtrcoPtrcoSLink, coCallFunc *, GetPtr>;
    using iterator = const_iterator;

    coCallList() noexcept : walk_(nullptr) {}
    // Frees the links only, never a registration. Walks in progress on this
    // list (the list destroyed from inside one of its calls) stop after the
    // call returns.
    ~coCallList();
    coCallList(const coCallList &) = delete;
    coCallList &operator=(const coCallList &) = delete;

    // Registers f with this list (its sender's calls()) and with f's
    // receiver, both at the front. With the multiple-sets hook set, first
    // tells it the count of equal registrations when above 1. Throws
    // std::bad_alloc when a link cannot be had: both lists unchanged and f
    // still the caller's. f must have a receiver and a sender whose calls()
    // is this list, and must not be added twice (checked when hardened).
    void add(coCallFunc *f);

    // Calls every active registration of the matching kind and reason,
    // newest first. The next link is read after each call returns.
    void apply(coCallReason reason) const;
    void apply(coCallReason reason, void *a) const;
    void apply(coCallReason reason, void *a, void *b) const;

    // On a sender's list: drops every registration whose receiver is r
    // (r null: collects those the receivers have left, freeing them).
    // 1 when any was dropped. During a walk of this list the links are
    // emptied and swept when the walk ends (a collection is only noted).
    int remove_matching_receiver(coReceiver *r);
    // The mirror image on a receiver's list.
    int remove_matching_sender(coSender *s);
    // The sender side leaves every registration, then the list is emptied.
    void sender_clear();
    // The receiver side leaves every registration, then the list is emptied.
    void receiver_clear();
    void sender_garbage_collect() { remove_matching_receiver(nullptr); }
    void receiver_garbage_collect() { remove_matching_sender(nullptr); }

    // The process-wide duplicate hook (null switches it off). Not owned.
    static void detect_multiple_sets(coCBReceiveMultipleSets *hook) noexcept;
    static coCBReceiveMultipleSets *multiple_sets_hook() noexcept;

    // 1 while an apply walks this list. An apply of a list of one link
    // makes its call without walking (see detail/call_walk.h).
    int walking() const noexcept { return walk_ != nullptr; }
    // Non-null elements (registrations held), by walking.
    int count_registrations() const noexcept;
    // Heap bytes of the list's links (the registrations are owned jointly
    // with the other side and not counted).
    std::size_t memory_bytes() const noexcept {
        return static_cast<std::size_t>(count()) * sizeof(item_type);
    }

    const_iterator begin() const noexcept { return const_iterator(head_link()->next()); }
    const_iterator end() const noexcept { return const_iterator(head_link()); }

private:
    friend class coSender;
    using Link = coCallFunccoSListBPtrcoPtrcoSLink;
    // What a walk leaves for its end: emptied links, noted collections.
    enum : unsigned { kEmptied = 1, kCollectOnSenderList = 2, kCollectOnReceiverList = 4 };
    // The end of a walk: unlinks its frame (and settles the list when it
    // was the outermost), or marks the outer frame gone when the list is.
    inline void end_walk(const colib_detail::coCallWalk &frame, colib_detail::coCallWalk *outer);
    // The end of a walk whose list is known to be there.
    inline void pop_walk(colib_detail::coCallWalk *outer);

    // The walk behind apply and send_calls, inlined into both so that a
    // send makes no call besides the registrations' own.
    template <class... A> void walk(coCallReason reason, A... args) const;
    // f, a link's element, is to be called with match's kind and reason. A
    // link emptied during a walk holds null; a registration one side has
    // left is inactive. Kind and reason are tested first: they open the
    // registration, and most misses end there.
    static bool due(const coCallFunc *f, std::uint64_t match) noexcept {
        return f && f->match_word() == match && f->active();
    }
    // leave(f) for every registration with side(f), unlinking (or, during a
    // walk, emptying) its link; 1 when any matched.
    template <class Side, class Leave> int drop_matching(Side side, Leave leave);
    // The two remove_matching_...: other(f) is f's end on the other side.
    // end set: this side leaves the registrations reaching it; end null:
    // frees those the other side has left (during a walk: notes `collect`).
    template <class Other, class Leave>
    int remove_matching(const void *end, Other other, Leave leave, unsigned collect);
    // Every registration leaves this side: one whose other end other(f) has
    // left is freed, the others are left (leave(f)) and counted as garbage
    // at their other end (count); then the list is emptied, or its links
    // are swept when the walk ends.
    template <class Other, class Leave, class Count>
    void leave_all(Other other, Leave leave, Count count);
    // Removes the links emptied during a walk and runs the noted
    // collections; runs when the outermost walk ends.
    void settle() noexcept;
    // Drops the cursor's link and steps on; 1 when on an element after.
    int unlink_or_empty(coCallFunccoSListBPtrcoPtrcoSListBcoCursor &c);

    mutable colib_detail::coCallWalk *walk_;
    // Collections noted during a walk (kCollect...).
    unsigned pending_ = 0;
};

// The list's walkers, made from a call list.
class COLIB_API coCallFunccoCallListcoIterator
    : public coCallFunccoSListBPtrcoPtrcoSListBcoIterator {
public:
    explicit coCallFunccoCallListcoIterator(const coCallList *list) noexcept
        : coCallFunccoSListBPtrcoPtrcoSListBcoIterator(list) {}
};
class COLIB_API coCallFunccoCallListcoCursor : public coCallFunccoSListBPtrcoPtrcoSListBcoCursor {
public:
    explicit coCallFunccoCallListcoCursor(coCallList *list) noexcept
        : coCallFunccoSListBPtrcoPtrcoSListBcoCursor(list) {}
};

// ---- the two ends ----------------------------------------------------------

// The end that is called: its own list holds the registrations that reach
// it. Destroying it leaves them all (receiver_clear()).
class COLIB_API coReceiver : public coCallList {
public:
    // garbage_limit: the sender drops counted before this receiver collects
    // its list; 0 collects only when asked (receiver_garbage_collect()).
    explicit coReceiver(int garbage_limit) noexcept : garbage_limit_(garbage_limit) {}
    ~coReceiver();

    int receiving() const noexcept { return receiving_flag_; }
    // While 0, no registration reaches this receiver.
    void set_receiving(int on) noexcept { receiving_flag_ = on; }
    // Leaves every registration now (receiver_clear()).
    void cancel_receiving() { receiver_clear(); }
    int garbage_limit() const noexcept { return garbage_limit_; }
    int garbage_count() const noexcept { return garbage_count_; }

protected:
    // Counts one registration its sender left; collects at the limit.
    void manage_receiver_garbage();

private:
    friend class coCallList;

    int receiving_flag_ = 1;
    int garbage_limit_;
    int garbage_count_ = 0;
};

// The polymorphic base of the data send_calls passes to kind 1 calls.
class COLIB_API coCBData {
public:
    coCBData() noexcept = default;
    virtual ~coCBData();
};

// The end that calls. Destroying it leaves every registration as
// sender_clear() does, so no receiver ever reaches a dead sender.
class COLIB_API coSender {
public:
    explicit coSender(int garbage_limit) noexcept : garbage_limit_(garbage_limit) {}
    ~coSender();
    coSender(const coSender &) = delete;
    coSender &operator=(const coSender &) = delete;

    // calls().apply(reason, &data) while sending: kind 1 registrations only.
    void send_calls(coCallReason reason, coCBData &data) const {
        if (sending_flag_) calls_.walk(reason, static_cast<void *>(&data));
    }
    // The registrations this sender fires; register with calls().add(f).
    coCallList &calls() noexcept { return calls_; }
    const coCallList &calls() const noexcept { return calls_; }
    int sending() const noexcept { return sending_flag_; }
    // While 0, send_calls does nothing.
    void set_sending(int on) noexcept { sending_flag_ = on; }
    int garbage_limit() const noexcept { return garbage_limit_; }
    int garbage_count() const noexcept { return garbage_count_; }

    static void detect_multiple_sets(coCBReceiveMultipleSets *hook) noexcept {
        coCallList::detect_multiple_sets(hook);
    }

protected:
    // Counts one registration a receiver left; collects at the limit.
    void manage_sender_garbage();

private:
    friend class coCallList;

    int sending_flag_ = 1;
    coCallList calls_;
    int garbage_limit_;
    int garbage_count_ = 0;
};

inline int coCallFunc::active() const noexcept {
    return receiver_ && sender_ && receiver_->receiving();
}
inline void *coCallFunc::receiver_ptr() const noexcept {
    return static_cast<void *>(receiver_);
}

// Unlinks a walk's frame; the outermost walk then settles the list. A list
// destroyed during the walk is left alone, and the walk around this one
// told.
[[gnu::always_inline]] inline void coCallList::end_walk(const colib_detail::coCallWalk &frame,
                                                        colib_detail::coCallWalk *outer) {
    if (frame.gone) {
        if (outer) outer->gone = true;
        return;
    }
    pop_walk(outer);
}
[[gnu::always_inline]] inline void coCallList::pop_walk(colib_detail::coCallWalk *outer) {
    walk_ = outer;
    if (!outer && pending_) settle();
}

template <class... A>
[[gnu::always_inline]] inline void coCallList::walk(coCallReason reason, A... args) const {
#if COLIB_HARDENED
    const std::thread::id me = std::this_thread::get_id();
    COLIB_EXPECT(walk_ == nullptr || walk_->thread == me, typeid(coCallList), "apply",
                 "list is being walked by another thread");
#endif
    const Link *const head = head_link();
    const Link *at = head->next();
    // An empty list has nothing to guard.
    if (at == head) return;
    const std::uint64_t match = coCallFunc::match_word(static_cast<int>(sizeof...(A)), reason);
    // Nor has a lone registration: nothing of the list is read after its
    // call, so it is made without a frame.
    if (at->next() == head) {
        const coCallFunc *f = GetPtr()(at);
        if (due(f, match)) f->call(args...);
        return;
    }
    // The frame is the walk's own local and only its address reaches the
    // list, so the list and the outer frame stay in registers across the
    // calls.
    coCallList *const list = const_cast<coCallList *>(this);
    colib_detail::coCallWalk *const outer = walk_;
    colib_detail::coCallWalk frame;
#if COLIB_HARDENED
    frame.thread = me;
#endif
    walk_ = &frame;
    try {
        for (; at != head; at = at->next()) {
            const coCallFunc *f = GetPtr()(at);
            if (due(f, match)) {
                f->call(args...);
                // f may be freed by now, and the list itself may be gone;
                // the link `at` is still in the list unless the list is gone.
                if (frame.gone) return list->end_walk(frame, outer);
            }
        }
    } catch (...) {
        list->end_walk(frame, outer); // a call threw: the walk ends here
        throw;
    }
    // The list is there: a call that destroyed it returned above.
    list->pop_walk(outer);
}
