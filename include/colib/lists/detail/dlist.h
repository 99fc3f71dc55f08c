// The doubly linked list templates behind intcoDListB and its siblings and
// the children lists of the tree. One concrete class per piece and element
// type derives from these with itself as Derived (see docs/architecture.md):
//
//   coDLinkT        bare two-way link (the list's own base: its sentinel)
//   coDLinkItemT    link holding one element copy
//   coDListBT       the ring, the end operations, become, size, printing "{"
//   coDListIterBT   plain two-way walker
//   coDListIterT    + index, kept true by every step
//   coDListCursorT  + editing; index kept true by every edit
//   coDListT        a list with its own cursor, printing "coDList {"
//
// P selects whether a member prints (1: both operator<< exist).
//
// Ring invariants of a list:
//   - the list object is itself the sentinel link; following next() from it
//     visits the n element links front to back and comes back to it, and
//     prev() does the same the other way;
//   - the empty list's next() and prev() are the list itself, n is 0;
//   - every element link was made by new and is freed by delete when its
//     element is removed; the list owns the links and the element copies;
//   - a link's destructor takes it out of its ring (its neighbours are
//     joined), so destroying an item link is all a removal needs.
//
// Walkers: a walker stands either on the sentinel (undefined: index -1) or
// on an element at position index. ++ from undefined enters at the first
// element, -- at the last; stepping off either end returns 0 and leaves the
// walker undefined. A walker stays valid only while the list changes
// through that walker.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <new>
#include <ostream>
#include <type_traits>
#include <utility>

#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/types.h>
#include <colib/lists/detail/ring_walker.h>

// Picks a link constructor; its value is never read.
enum coDItem { coDITEM = 0 };

template <class Link, class Item, class T>
class COLIB_API coDLinkT : public colib_detail::dlink_base {
public:
    using value_type = T;

    // A ring of one.
    coDLinkT() noexcept = default;
    // Links itself in right after prev.
    coDLinkT(Link *prev, coDItem) noexcept { link_after(prev); }
    // Links itself in right before next.
    coDLinkT(coDItem, Link *next) noexcept { link_before(next); }
    coDLinkT(const coDLinkT &) = delete;
    coDLinkT &operator=(const coDLinkT &) = delete;
    // Leaves the ring: the neighbours are joined; its own pointers stay.
    ~coDLinkT() { unlink(); }

    Link *next() const noexcept { return static_cast<Link *>(next_link_); }
    Link *prev() const noexcept { return static_cast<Link *>(prev_link_); }
    // The element of the item link this is; never call it on a sentinel.
    T &read() const noexcept {
        return static_cast<Item *>(const_cast<Link *>(static_cast<const Link *>(this)))->item();
    }
    // This link, alone in its ring, takes the place of o in o's ring; o is
    // left a ring of one. Used to hand a whole ring over to a sentinel.
    void take_ring(coDLinkT &o) noexcept { dlink_base::take_ring(o); }
};

template <class Link, class T> class COLIB_API coDLinkItemT : public Link {
public:
    // Links in after prev, holding a copy of x.
    coDLinkItemT(Link *prev, const T &x) : Link(prev, coDITEM), item_(x) {}
    // Links in before next, holding a copy of x.
    coDLinkItemT(const T &x, Link *next) : Link(coDITEM, next), item_(x) {}

    T &item() noexcept { return item_; }
    const T &item() const noexcept { return item_; }

private:
    T item_;
};

template <class Derived, class Iter, class List> class coDListCursorT;

template <class Derived, class Link, class Item, class T, int P = 1>
class COLIB_API coDListBT : public Link, public colib_detail::printable_if<Derived, P != 0> {
public:
    using value_type = T;
    using link_type = Link;
    using item_type = Item;
    using iterator = colib_detail::ring_range_iter<Link, T, std::bidirectional_iterator_tag>;
    using const_iterator =
        colib_detail::ring_range_iter<Link, const T, std::bidirectional_iterator_tag>;

    coDListBT() noexcept : n_(0) {}
    // Empty, then become from src; throws std::bad_alloc.
    coDListBT(utCopy, const Derived &src) : n_(0) { become(utCOPY, src); }
    coDListBT(const coDListBT &src) : Link(), n_(0) {
        become(utCOPY, static_cast<const Derived &>(src));
    }
    coDListBT &operator=(const coDListBT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    // Takes src's links in O(1); src is left empty and usable. Walkers of
    // src are stale afterwards.
    coDListBT(coDListBT &&src) noexcept : Link(), n_(src.n_) {
        this->take_ring(src);
        src.n_ = 0;
    }
    coDListBT &operator=(coDListBT &&src) noexcept {
        if (this != &src) {
            clear();
            this->take_ring(src);
            n_ = src.n_;
            src.n_ = 0;
        }
        return *this;
    }
    // clear(); then the sentinel leaves its (empty) ring.
    ~coDListBT() { clear(); }

    // Replaces the elements by copies of src's, in order. From itself: no
    // change. Throws std::bad_alloc with the list unchanged.
    void become(utCopy, const Derived &src);
    // Removes every element, front first.
    void clear() noexcept;
    int empty() const noexcept { return n_ == 0; }
    int size() const noexcept { return n_; }
    // Heap bytes the list holds: one link per element (what the elements
    // own themselves is not counted).
    std::size_t memory_bytes() const noexcept { return std::size_t(n_) * sizeof(Item); }

    // 1 when the element was added, 0 when no link could be had (the list
    // unchanged).
    int insert_first(const T &x) {
        if (!link_in(sentinel(), x)) return 0;
        ++n_;
        return 1;
    }
    int insert_last(const T &x) {
        if (!link_in(x, sentinel())) return 0;
        ++n_;
        return 1;
    }
    // Require a non-empty list.
    void remove_first() {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "remove_first", "empty list");
        delete static_cast<Item *>(this->next());
        --n_;
    }
    void remove_last() {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "remove_last", "empty list");
        delete static_cast<Item *>(this->prev());
        --n_;
    }

    // The sentinel: the list itself as a link.
    Link *sentinel() const noexcept { return const_cast<Link *>(static_cast<const Link *>(this)); }
    // The walkers' undefined position: the sentinel.
    Link *end_link() const noexcept { return sentinel(); }

    iterator begin() noexcept { return iterator(this->next()); }
    iterator end() noexcept { return iterator(sentinel()); }
    const_iterator begin() const noexcept { return const_iterator(this->next()); }
    const_iterator end() const noexcept { return const_iterator(sentinel()); }

    // "{", then one level deeper "size n" and the elements, then "}".
    utOstream &print(utOstream &os) const;

protected:
    // Makes an item link from the arguments, which links itself in; 0 when
    // no memory could be had (nothing linked).
    template <class A, class B> static int link_in(const A &a, const B &b) noexcept {
        try {
            new Item(a, b);
            return 1;
        } catch (const std::bad_alloc &) {
            return 0;
        }
    }
    void n_inc() noexcept { ++n_; }
    void n_dec() noexcept { --n_; }

private:
    template <class, class, class> friend class coDListCursorT;
    int n_;
};

// Plain two-way walker:   for (it.reset(); ++it;) use(it());
template <class Derived, class List>
class COLIB_API coDListIterBT : public coRingWalkerT<Derived, List> {
    using Walker = coRingWalkerT<Derived, List>;

public:
    using Walker::Walker;
    // 1 when it now stands on an element, 0 on the sentinel.
    int operator--() noexcept {
        this->set_current(this->current_link()->prev());
        return !this->undefined();
    }
    // k single steps, 0 at the first that reaches the sentinel (the walker
    // stays there); 1 when all were made or k < 1.
    int operator+=(int k) noexcept { return colib_detail::steps_forward(*this, k); }
    int operator-=(int k) noexcept { return colib_detail::steps_back(*this, k); }
    // 1 when both are undefined (whatever their lists), or both stand on
    // the same link.
    int operator==(const coDListIterBT &o) const noexcept {
        return (this->undefined() && o.undefined()) || this->current_link() == o.current_link();
    }
    int operator!=(const coDListIterBT &o) const noexcept { return !(*this == o); }
    int size() const noexcept { return this->walked()->size(); }
};

// Two-way walker that knows the position of its element.
template <class Derived, class IterB, class List> class COLIB_API coDListIterT : public IterB {
public:
    using Link = typename List::link_type;
    using value_type = typename List::value_type;

    // Bound, undefined, index -1.
    explicit coDListIterT(const List *list) noexcept : IterB(list), index_(-1) {}

    void reset() noexcept {
        IterB::reset();
        index_ = -1;
    }
    // From undefined to the first element at index 0.
    int operator++() noexcept {
        ++index_;
        IterB::operator++();
        if (this->undefined()) index_ = -1;
        return index_ >= 0;
    }
    // From undefined to the last element at index n - 1.
    int operator--() noexcept {
        if (!IterB::operator--()) {
            index_ = -1;
            return 0;
        }
        if (index_ == -1) index_ = this->size();
        --index_;
        return index_ >= 0;
    }
    int operator+=(int k) noexcept { return colib_detail::steps_forward(*this, k); }
    int operator-=(int k) noexcept { return colib_detail::steps_back(*this, k); }
    // The element under the walker, read-only; requires one.
    const value_type &operator()() const {
        COLIB_EXPECT(!this->undefined(), typeid(Derived), "operator()", "undefined walker");
        return this->current_link()->read();
    }
    int index() const noexcept { return index_; }
    // Walks i - index() steps from where it stands. A target outside
    // [0, size()) leaves the walker undefined.
    void set_index(int i) noexcept {
        int d = i - index_;
        if (d >= 0)
            *this += d;
        else
            *this -= -d;
    }

protected:
    explicit coDListIterT(std::nullptr_t) noexcept : IterB(nullptr), index_(-1) {}
    void bind(const List *list) noexcept {
        IterB::bind(list);
        index_ = -1;
    }
    void set_index_field(int i) noexcept { index_ = i; }

private:
    int index_;
};

// Editing walker; every edit keeps current and index true.
template <class Derived, class Iter, class List> class COLIB_API coDListCursorT : public Iter {
public:
    using Link = typename List::link_type;
    using Item = typename List::item_type;
    using value_type = typename List::value_type;

    explicit coDListCursorT(List *list) noexcept : Iter(list) {}

    // The element under the cursor; requires one. Read-only through a
    // const cursor (or a const list with its own cursor).
    value_type &operator()() {
        COLIB_EXPECT(!this->undefined(), typeid(Derived), "operator()", "undefined cursor");
        return this->current_link()->read();
    }
    const value_type &operator()() const {
        COLIB_EXPECT(!this->undefined(), typeid(Derived), "operator()", "undefined cursor");
        return this->current_link()->read();
    }

    // 1, or 0 when no link could be had (list and cursor unchanged). The
    // cursor stays on its element.
    // Undefined: x goes first.
    int insert_after(const value_type &x);
    // Undefined: x goes last.
    int insert_before(const value_type &x);
    int insert_first(const value_type &x) {
        if (!list()->insert_first(x)) return 0;
        if (!this->undefined()) this->set_index_field(this->index() + 1);
        return 1;
    }
    int insert_last(const value_type &x) { return list()->insert_last(x); }
    // Removes the element under the cursor and moves to the one after it
    // (undefined when it was the last). Requires an element.
    void remove();
    // Removes the element under the cursor and moves to the one before it
    // (undefined when it was the first). Requires an element.
    void remove_backwards();
    // Require a non-empty list; the cursor leaves a removed element forward.
    void remove_first();
    void remove_last();
    // Clears the list; the cursor ends undefined.
    void clear() noexcept {
        list()->clear();
        this->reset();
    }

protected:
    explicit coDListCursorT(std::nullptr_t) noexcept : Iter(nullptr) {}
    using Iter::bind;

private:
    List *list() const noexcept { return this->cheat(); }
};

// A list with a built-in cursor bound to its own list part.
template <class Derived, class Cursor, class List, int P = 1>
class COLIB_API coDListT : public Cursor,
                           public List,
                           public colib_detail::printable_if<Derived, P != 0> {
public:
    using value_type = typename List::value_type;
    using typename List::const_iterator;
    using typename List::iterator;

    coDListT() noexcept : Cursor(nullptr) { Cursor::bind(this); }
    // insert_last of each value in order; throws std::bad_alloc.
    coDListT(std::initializer_list<value_type> list);
    coDListT(utCopy, const Derived &src) : Cursor(nullptr), List(utCOPY, src) {
        Cursor::bind(this);
    }
    // Takes src's elements in O(1); both cursors end undefined and src is
    // left empty and usable.
    coDListT(coDListT &&src) noexcept : Cursor(nullptr), List(std::move(static_cast<List &>(src))) {
        Cursor::bind(this);
        src.Cursor::reset();
    }
    coDListT &operator=(coDListT &&src) noexcept {
        if (this != &src) {
            List::operator=(std::move(static_cast<List &>(src)));
            Cursor::reset();
            src.Cursor::reset();
        }
        return *this;
    }

    // Nothing when src is this list; otherwise the list becomes a copy of
    // src's list part and the cursor is undefined.
    void become(utCopy, const Derived &src);
    // The list part's clear; the cursor ends undefined.
    void clear() noexcept {
        List::clear();
        Cursor::reset();
    }
    int insert_last(const value_type &x) { return List::insert_last(x); }
    // The cursor's end operations, which keep the cursor right.
    using Cursor::insert_first;
    using Cursor::remove_first;
    using Cursor::remove_last;
    using List::begin;
    using List::end;
    using List::size;

    // The cursor's ++.
    int forwards() noexcept { return Cursor::operator++(); }
    // The element under the cursor; requires it not to be undefined.
    value_type &read() {
        COLIB_EXPECT(!this->undefined(), typeid(Derived), "read", "undefined cursor");
        return this->current_link()->read();
    }
    const value_type &read() const {
        COLIB_EXPECT(!this->undefined(), typeid(Derived), "read", "undefined cursor");
        return this->current_link()->read();
    }

    // "coDList " and the list block.
    utOstream &print(utOstream &os) const {
        os << "coDList ";
        return List::print(os);
    }

protected:
    // Not part of the interface: copies go through the utCopy constructor
    // or become. The plain assignment does nothing.
    coDListT(const coDListT &src) : Cursor(nullptr), List(src) { Cursor::bind(this); }
    coDListT &operator=(const coDListT &) noexcept { return *this; }
};

// One member of the family (lists/dlist.h lists them): its links, the list
// without and with a cursor of its own, and the walkers. Prints is 0 for a
// member that does not print. The list with its own cursor copies only
// through the utCopy constructor and become: its plain copies are
// protected.
#define COLIB_DLIST_CLASSES(X, P, T, Prints)                                                       \
    class P##coDLinkItem;                                                                          \
    COLIB_THIN_CLASS(P##coDLink, coDLinkT, P##coDLink, P##coDLinkItem, T)                          \
    COLIB_THIN_CLASS(P##coDLinkItem, coDLinkItemT, P##coDLink, T)                                  \
    COLIB_THIN_CLASS(P##coDListB, coDListBT, P##coDListB, P##coDLink, P##coDLinkItem, T, Prints)   \
    COLIB_THIN_CLASS(P##coDListBcoIteratorB, coDListIterBT, P##coDListBcoIteratorB, P##coDListB)   \
    COLIB_THIN_CLASS(P##coDListBcoIterator, coDListIterT, P##coDListBcoIterator,                   \
                     P##coDListBcoIteratorB, P##coDListB)                                          \
    COLIB_THIN_CLASS(P##coDListBcoCursor, coDListCursorT, P##coDListBcoCursor,                     \
                     P##coDListBcoIterator, P##coDListB)                                           \
    class COLIB_API P##coDList                                                                     \
        : public coDListT<P##coDList, P##coDListBcoCursor, P##coDListB, Prints> {                  \
    public:                                                                                        \
        using coDListT::coDListT;                                                                  \
        P##coDList() = default;                                                                    \
        P##coDList(P##coDList &&) noexcept = default;                                              \
        P##coDList &operator=(P##coDList &&) noexcept = default;                                   \
                                                                                                   \
    protected:                                                                                     \
        P##coDList(const P##coDList &) = default;                                                  \
        P##coDList &operator=(const P##coDList &) = default;                                       \
    };                                                                                             \
    COLIB_DLIST_INSTANCES(X, P, T, Prints)
#define COLIB_DLIST_INSTANCES(X, P, T, Prints)                                                     \
    X(coDLinkT<P##coDLink, P##coDLinkItem, T>)                                                     \
    X(coDLinkItemT<P##coDLink, T>)                                                                 \
    X(coDListBT<P##coDListB, P##coDLink, P##coDLinkItem, T, Prints>)                               \
    X(coDListIterBT<P##coDListBcoIteratorB, P##coDListB>)                                          \
    X(coDListIterT<P##coDListBcoIterator, P##coDListBcoIteratorB, P##coDListB>)                    \
    X(coDListCursorT<P##coDListBcoCursor, P##coDListBcoIterator, P##coDListB>)                     \
    X(coDListT<P##coDList, P##coDListBcoCursor, P##coDListB, Prints>)
