// coRingWalkerT: the state every walker over a ring-linked list keeps, the
// list and the link it stands on. The list's end link (the singly linked
// list's head, the doubly linked list's sentinel, both named end_link()) is
// the undefined position: ++ from it enters the first element, and the step
// that comes back to it ends a walk.
//
// Invariant: the current link is the end link or a link of the list's ring.
#pragma once

#include <iterator>
#include <type_traits>

#include <colib/foundation/contract.h>
#include <colib/foundation/export.h>
#include <colib/foundation/range_iter.h>

namespace colib_detail {

// The untyped part of the links: the pointers, and linking in and out,
// compiled once in the library (src/lists/links.cpp) whatever the element
// type. The typed links derive from these and only cast.
class COLIB_API slink_base {
public:
    explicit slink_base(slink_base *next) noexcept : next_link_(next) {}
    // Links this in right after prev; the caller sets next.
    void link_after(slink_base *prev) noexcept;

protected:
    slink_base *next_link_;
};

class COLIB_API dlink_base {
public:
    // A ring of one.
    dlink_base() noexcept : next_link_(this), prev_link_(this) {}
    // Links this in right after prev / right before next.
    void link_after(dlink_base *prev) noexcept;
    void link_before(dlink_base *next) noexcept;
    // Leaves the ring: the neighbours are joined; its own pointers stay.
    void unlink() noexcept;
    // This link, alone in its ring, takes the place of o in o's ring; o is
    // left a ring of one.
    void take_ring(dlink_base &o) noexcept;

protected:
    dlink_base *next_link_;
    dlink_base *prev_link_;
};

// k single steps of walker w with its own ++ (--), stopping at the first
// that returns 0; 1 when all were made or k < 1.
template <class W> int steps_forward(W &w, int k) noexcept {
    for (int i = 0; i < k; ++i)
        if (!++w) return 0;
    return 1;
}
template <class W> int steps_back(W &w, int k) noexcept {
    for (int i = 0; i < k; ++i)
        if (!--w) return 0;
    return 1;
}

// The range-for iterator of the ring-linked lists: follows next() from the
// first element and ends on the list's end link. Bidirectional rings also
// step back through prev().
template <class Link, class R, class Category = std::forward_iterator_tag>
class ring_range_iter : public range_iter<ring_range_iter<Link, R, Category>, R &, Category> {
public:
    explicit ring_range_iter(Link *p) noexcept : p_(p) {}
    R &operator*() const noexcept { return p_->read(); }
    ring_range_iter &operator++() noexcept {
        p_ = p_->next();
        return *this;
    }
    template <class C = Category,
              std::enable_if_t<std::is_same_v<C, std::bidirectional_iterator_tag>, int> = 0>
    ring_range_iter &operator--() noexcept {
        p_ = p_->prev();
        return *this;
    }
    bool operator==(const ring_range_iter &o) const noexcept { return p_ == o.p_; }

private:
    Link *p_;
};

} // namespace colib_detail

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
