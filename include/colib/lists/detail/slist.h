// The singly linked list templates behind intcoSListB and its siblings, the
// stacks' and queues' internal lists, and (later) the call lists and the
// feature pool. One concrete class per piece and element type derives from
// these with itself as Derived (see docs/architecture.md):
//
//   coSLinkT       bare link: next_link only (the sentinel's type)
//   coSLinkItemT   link holding one element copy
//   coSListCoreT   the ring, the end operations, clear, empty
//   coSListCopyT   + become and the copying constructors
//   coSListBT      + size, the brace-list constructor, printing "{"
//   coSListIterT   read-only walker
//   coSListCursorT editing walker with a remembered predecessor
//   coSListT       a list with its own cursor, printing "coSList {"
//
// Members with fewer operations stop at a lower layer: a list without size
// or printing derives from coSListCopyT, one that cannot be copied from
// coSListCoreT; the walkers only need the core.
//
// Ring invariants of a list:
//   - head is a link inside the list object (never allocated or freed);
//     following next() from head visits the n element links front to back
//     and comes back to head;
//   - tail is the last element link, or head when the list is empty, and
//     tail->next() == head;
//   - every element link was made by new and is freed by delete when its
//     element is removed; the list owns the links and the element copies.
//
// Walkers: a walker stands either on head (undefined: before the first and
// after the last element at once) or on an element. ++ from undefined goes
// to the first element, -- to the last; stepping off either end returns 0
// and leaves the walker undefined. A cursor's `before` is null or the true
// predecessor of its current link (tail when undefined); it turns a forward
// walk that inserts or removes into constant time per step. A walker stays
// valid only while the list changes through that walker.
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
enum coSItem { coSITEM = 0 };

template <class Link, class Item, class T>
class COLIB_API coSLinkT : public colib_detail::slink_base {
public:
    using value_type = T;

    // A link pointing to itself: an empty ring's sentinel.
    coSLinkT() noexcept : slink_base(this) {}
    // Links in after prev; the caller sets next.
    coSLinkT(Link *prev, coSItem) noexcept : slink_base(nullptr) { link_after(prev); }
    coSLinkT(coSItem, Link *next) noexcept : slink_base(next) {}
    coSLinkT(const coSLinkT &) = delete;
    coSLinkT &operator=(const coSLinkT &) = delete;

    Link *next() const noexcept { return static_cast<Link *>(next_link_); }
    void set_next(Link *next) noexcept { next_link_ = next; }
    // The element of the item link this is; never call it on a sentinel.
    T &read() noexcept { return static_cast<Item *>(static_cast<Link *>(this))->item(); }
};

template <class Link, class T> class COLIB_API coSLinkItemT : public Link {
public:
    // Links in after prev, then copies x.
    coSLinkItemT(Link *prev, const T &x) : Link(prev, coSITEM), item_(x) {}
    // A link whose successor is next, holding a copy of x.
    coSLinkItemT(const T &x, Link *next) : Link(coSITEM, next), item_(x) {}

    T &item() noexcept { return item_; }
    const T &item() const noexcept { return item_; }

private:
    T item_;
};

template <class Derived, class Iter, class List> class coSListCursorT;

template <class Derived, class Link, class Item, class T> class COLIB_API coSListCoreT {
public:
    using value_type = T;
    using link_type = Link;
    using item_type = Item;
    using iterator = colib_detail::ring_range_iter<Link, T>;
    using const_iterator = colib_detail::ring_range_iter<Link, const T>;

    coSListCoreT() noexcept : n_(0), tail_(&head_) {}
    coSListCoreT(const coSListCoreT &) = delete;
    coSListCoreT &operator=(const coSListCoreT &) = delete;
    // Takes o's links in O(1); o is left empty and usable. Walkers of o
    // are stale afterwards.
    coSListCoreT(coSListCoreT &&o) noexcept : n_(0), tail_(&head_) { take_ring(o); }
    coSListCoreT &operator=(coSListCoreT &&o) noexcept {
        if (this != &o) {
            clear();
            take_ring(o);
        }
        return *this;
    }
    ~coSListCoreT() { clear(); }

    // Removes every element, front first.
    void clear() noexcept;
    int empty() const noexcept { return n_ == 0; }
    // Heap bytes the list holds: one link per element (what the elements
    // own themselves is not counted).
    std::size_t memory_bytes() const noexcept { return std::size_t(n_) * sizeof(Item); }
    // 1 when the element was added, 0 when no link could be had (the list
    // unchanged).
    int insert_first(const T &x) {
        Item *item = make(x, head_.next());
        if (!item) return 0;
        head_.set_next(item);
        if (tail_ == &head_) tail_ = item;
        ++n_;
        return 1;
    }
    int insert_last(const T &x) {
        Item *item = make(x, &head_);
        if (!item) return 0;
        tail_->set_next(item);
        tail_ = item;
        ++n_;
        return 1;
    }
    // Requires a non-empty list.
    void remove_first() {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "remove_first", "empty list");
        Link *f = head_.next();
        if (tail_ == f) tail_ = &head_;
        head_.set_next(f->next());
        delete static_cast<Item *>(f);
        --n_;
    }
    // Requires a non-empty list; walks the list to find the new tail.
    void remove_last();

    // The sentinel and the last link (the sentinel when empty).
    Link *head_link() const noexcept { return const_cast<Link *>(&head_); }
    // The walkers' undefined position: the head.
    Link *end_link() const noexcept { return head_link(); }
    Link *tail_link() const noexcept { return tail_; }
    // The first and last elements; require a non-empty list.
    T &first_item() {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "first_item", "empty list");
        return head_.next()->read();
    }
    const T &first_item() const {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "first_item", "empty list");
        return head_.next()->read();
    }
    T &last_item() {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "last_item", "empty list");
        return tail_->read();
    }
    const T &last_item() const {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "last_item", "empty list");
        return tail_->read();
    }

    // Front to back.
    iterator begin() noexcept { return iterator(head_.next()); }
    iterator end() noexcept { return iterator(&head_); }
    const_iterator begin() const noexcept { return const_iterator(head_.next()); }
    const_iterator end() const noexcept { return const_iterator(head_link()); }

protected:
    // A new link holding x whose successor is next; null when no memory
    // could be had.
    static Item *make(const T &x, Link *next) {
        try {
            return new Item(x, next);
        } catch (const std::bad_alloc &) {
            return nullptr;
        }
    }
    void n_inc() noexcept { ++n_; }
    void n_dec() noexcept { --n_; }
    int count() const noexcept { return n_; }
    // Exchanges the elements of two lists.
    void swap_rings(coSListCoreT &o) noexcept;

private:
    template <class, class, class> friend class coSListCursorT;
    void set_ring(Link *first, Link *last, int n) noexcept;
    // Takes o's ring into this empty list; o is left empty.
    void take_ring(coSListCoreT &o) noexcept {
        if (o.n_ == 0) return;
        head_.set_next(o.head_.next());
        tail_ = o.tail_;
        tail_->set_next(&head_);
        n_ = o.n_;
        o.head_.set_next(&o.head_);
        o.tail_ = &o.head_;
        o.n_ = 0;
    }

    int n_;
    Link head_;
    Link *tail_;
};

template <class Derived, class Link, class Item, class T>
class COLIB_API coSListCopyT : public coSListCoreT<Derived, Link, Item, T> {
    using Core = coSListCoreT<Derived, Link, Item, T>;

public:
    coSListCopyT() noexcept = default;
    coSListCopyT(utCopy, const Derived &src) { become(utCOPY, src); }
    coSListCopyT(const coSListCopyT &src) : Core() {
        become(utCOPY, static_cast<const Derived &>(src));
    }
    coSListCopyT &operator=(const coSListCopyT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    coSListCopyT(coSListCopyT &&src) noexcept : Core(std::move(src)) {}
    coSListCopyT &operator=(coSListCopyT &&src) noexcept {
        Core::operator=(std::move(src));
        return *this;
    }

    // Replaces the elements by copies of src's, in order. From itself: no
    // change. Throws std::bad_alloc with the list unchanged.
    void become(utCopy, const Derived &src);
};

template <class Derived, class Link, class Item, class T>
class COLIB_API coSListBT : public coSListCopyT<Derived, Link, Item, T>,
                            public colib_detail::printable<Derived> {
    using Copy = coSListCopyT<Derived, Link, Item, T>;

public:
    coSListBT() noexcept = default;
    coSListBT(utCopy, const Derived &src) : Copy(utCOPY, src) {}
    // insert_last of every value in order; throws std::bad_alloc.
    coSListBT(std::initializer_list<T> list);

    int size() const noexcept { return this->count(); }

    // "{", then one level deeper "size n" and the elements, then "}".
    utOstream &print(utOstream &os) const;
};

// Read-only walker:   for (it.reset(); ++it;) use(it());
template <class Derived, class List>
class COLIB_API coSListIterT : public coRingWalkerT<Derived, List> {
    using Walker = coRingWalkerT<Derived, List>;

public:
    using Walker::Walker;
    // On the last element (also undefined on an empty list).
    int last() const noexcept { return this->current_link()->next() == this->walked()->end_link(); }
};

template <class Derived, class Iter, class List> class COLIB_API coSListCursorT : public Iter {
public:
    using Link = typename List::link_type;
    using Item = typename List::item_type;
    using value_type = typename List::value_type;

    // Bound, undefined, before null.
    explicit coSListCursorT(List *list) noexcept : Iter(list), before_(nullptr) {}

    void reset() noexcept {
        Iter::reset();
        before_ = nullptr;
    }
    int operator++() noexcept {
        before_ = this->current_link();
        return Iter::operator++();
    }
    // To the predecessor (before, or found by walking); clears before.
    int operator--() noexcept;
    // k steps, stopping at the first that returns 0; 1 when k < 1.
    int operator+=(int k) noexcept { return colib_detail::steps_forward(*this, k); }
    int operator-=(int k) noexcept { return colib_detail::steps_back(*this, k); }
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

    // Insert after / before the cursor's element (undefined: at the front /
    // at the back). The cursor stays where it is. 1, or 0 when no link
    // could be had (list and cursor unchanged).
    int insert_after(const value_type &x);
    int insert_before(const value_type &x);
    int insert_first(const value_type &x);
    // Removes the element under the cursor; the cursor moves to the next
    // element (undefined when it removed the last). Requires an element.
    void remove();
    // Require a non-empty list.
    void remove_first();
    void remove_last();

    // The remembered predecessor, or null.
    Link *before_link() const noexcept { return before_; }

protected:
    // Unbound; the owner binds it (a list with its own cursor).
    explicit coSListCursorT(std::nullptr_t) noexcept : Iter(nullptr), before_(nullptr) {}
    void bind(List *list) noexcept {
        Iter::bind(list);
        before_ = nullptr;
    }
    // current's predecessor by walking the ring: tail for head.
    Link *previous() const noexcept;

private:
    List *list() const noexcept { return this->cheat(); }
    Link *head() const noexcept { return list()->head_link(); }
    int on_first() const noexcept { return this->current_link() == head()->next(); }
    // Clears before when it no longer names current's predecessor.
    void check_before() noexcept {
        if (before_ && before_->next() != this->current_link()) before_ = nullptr;
    }

    Link *before_;
};

// A list with a built-in cursor bound to its own list part.
template <class Derived, class Cursor, class List>
class COLIB_API coSListT : public Cursor, public List, public colib_detail::printable<Derived> {
public:
    using value_type = typename List::value_type;

    coSListT() noexcept : Cursor(nullptr) { Cursor::bind(this); }
    coSListT(std::initializer_list<value_type> list) : Cursor(nullptr), List(list) {
        Cursor::bind(this);
    }
    coSListT(utCopy, const Derived &src) : Cursor(nullptr), List(utCOPY, src) {
        Cursor::bind(this);
    }
    coSListT(const coSListT &src) : Cursor(nullptr), List(src) { Cursor::bind(this); }
    coSListT &operator=(const coSListT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    // Takes src's elements in O(1); both cursors end undefined and src is
    // left empty and usable.
    coSListT(coSListT &&src) noexcept : Cursor(nullptr), List(std::move(static_cast<List &>(src))) {
        Cursor::bind(this);
        src.Cursor::reset();
    }
    coSListT &operator=(coSListT &&src) noexcept {
        if (this != &src) {
            List::operator=(std::move(static_cast<List &>(src)));
            Cursor::reset();
            src.Cursor::reset();
        }
        return *this;
    }

    using List::begin;
    using List::end;

    // The cursor's end operations, which keep the built-in cursor right.
    using Cursor::insert_first;
    using Cursor::remove_first;
    using Cursor::remove_last;
    int insert_last(const value_type &x);
    // These leave the cursor undefined.
    void clear() noexcept;
    void become(utCopy, const Derived &src);

    // "coSList " and the list block.
    utOstream &print(utOstream &os) const;
};

// The list without a cursor of its own, over the list layer Layer, with its
// walkers and links, for the class prefix P: COLIB_SLISTB_CLASSES gives
// intcoSListB ... here and the stacks' and queues' private lists
// (lists/detail/stack_queue.h); the call lists and the feature pool stamp
// theirs over the layer they need (notify/detail/notify_lists.h).
#define COLIB_SLIST_PIECES(P, T, Layer)                                                            \
    class P##coSLinkItem;                                                                          \
    COLIB_THIN_CLASS(P##coSLink, coSLinkT, P##coSLink, P##coSLinkItem, T)                          \
    COLIB_THIN_CLASS(P##coSLinkItem, coSLinkItemT, P##coSLink, T)                                  \
    COLIB_THIN_CLASS(P##coSListB, Layer, P##coSListB, P##coSLink, P##coSLinkItem, T)               \
    COLIB_THIN_CLASS(P##coSListBcoIterator, coSListIterT, P##coSListBcoIterator, P##coSListB)      \
    COLIB_THIN_CLASS(P##coSListBcoCursor, coSListCursorT, P##coSListBcoCursor,                     \
                     P##coSListBcoIterator, P##coSListB)
#define COLIB_SLISTB_CLASSES(P, T) COLIB_SLIST_PIECES(P, T, coSListBT)
#define COLIB_SLISTB_INSTANCES(X, P, T)                                                            \
    X(coSLinkT<P##coSLink, P##coSLinkItem, T>)                                                     \
    X(coSLinkItemT<P##coSLink, T>)                                                                 \
    X(coSListCoreT<P##coSListB, P##coSLink, P##coSLinkItem, T>)                                    \
    X(coSListCopyT<P##coSListB, P##coSLink, P##coSLinkItem, T>)                                    \
    X(coSListBT<P##coSListB, P##coSLink, P##coSLinkItem, T>)                                       \
    X(coSListIterT<P##coSListBcoIterator, P##coSListB>)                                            \
    X(coSListCursorT<P##coSListBcoCursor, P##coSListBcoIterator, P##coSListB>)

// One member of the family (lists/slist.h lists them): the above and the
// list with its own cursor.
#define COLIB_SLIST_CLASSES(X, P, T)                                                               \
    COLIB_SLISTB_CLASSES(P, T)                                                                     \
    COLIB_THIN_CLASS(P##coSList, coSListT, P##coSList, P##coSListBcoCursor, P##coSListB)           \
    COLIB_SLIST_INSTANCES(X, P, T)
#define COLIB_SLIST_INSTANCES(X, P, T)                                                             \
    COLIB_SLISTB_INSTANCES(X, P, T)                                                                \
    X(coSListT<P##coSList, P##coSListBcoCursor, P##coSListB>)
