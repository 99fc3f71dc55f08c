// coRingWalkerT: the state every walker over a ring-linked list keeps, the
// list and the link it stands on. The list's end link (the singly linked
// list's head, the doubly linked list's sentinel, both named end_link()) is
// the undefined position: ++ from it enters the first element, and the step
// that comes back to it ends a walk.
//
// Invariant: the current link is the end link or a link of the list's ring.
#pragma once

#include <colib/foundation/contract.h>

template <class Derived, class List> class COLIB_API coRingWalkerT {
public:
    using Link = typename List::link_type;
    using value_type = typename List::value_type;

    // Bound to the list and undefined.
    explicit coRingWalkerT(const List *list) noexcept
        : list_(list), current_(list ? list->end_link() : nullptr) {}

    void reset() noexcept { current_ = list_->end_link(); }
    // 1 when it now stands on an element, 0 when it came back to the end.
    int operator++() noexcept {
        current_ = current_->next();
        return current_ != list_->end_link();
    }
    // The element under the walker, read-only; requires it not to be
    // undefined. Editing goes through a cursor.
    const value_type &operator()() const {
        COLIB_EXPECT(!undefined(), typeid(Derived), "operator()", "undefined walker");
        return current_->read();
    }
    int undefined() const noexcept { return current_ == list_->end_link(); }
    // The link under the walker (the list's end link when undefined).
    Link *current_link() const noexcept { return current_; }

protected:
    const List *walked() const noexcept { return list_; }
    List *cheat() const noexcept { return const_cast<List *>(list_); }
    void set_current(Link *l) noexcept { current_ = l; }
    void bind(const List *list) noexcept {
        list_ = list;
        current_ = list->end_link();
    }

private:
    const List *list_;
    Link *current_;
};
