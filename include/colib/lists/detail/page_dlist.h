// The paged list templates behind intcoPageDList and doublecoPageDList: a
// doubly linked list whose links are elements of a paged array and point
// at each other by 32-bit slot index. One concrete class per piece and
// element type derives from these with itself as Derived:
//
//   coPageDLinkT      one slot: item, prev, next (the element plus 8 bytes)
//   coPageDListIterT  walker by slot index; -1 is the undefined position
//   coPageDListT      the list, its free list and its built-in cursor
//
// Invariants:
//   - following next from first visits the n element slots in order and
//     ends at -1; prev mirrors it from last; first == last == -1 when n is 0;
//   - removed slots form a free list from free_head through next (prev -1),
//     the slot freed last first; the free list and the element chain are
//     disjoint and together cover slots [0, nodes.size()) exactly once;
//   - slots come from the free list, else from the end of the paged array,
//     whose blocks are made only when the array first reaches them; slots
//     never move, so no allocation happens per element once pages exist;
//   - the list's own edits and its cursor's steps reach links through a
//     one-block cache (the block last looked up and its address): walking
//     along a block then needs no block-table load between one link and
//     the next. The cache is the list's private state, touched only by
//     non-const members, and is emptied whenever blocks are freed.
//
// Failure: an insertion that cannot get a slot (its block cannot be made)
// returns 0 and changes nothing; become and the copying constructor throw
// std::bad_alloc with the list unchanged.
//
// Walkers: ++ from undefined enters at first, -- at last; stepping off
// either end returns 0 and leaves the walker undefined. += and -= make at
// least one step. index() walks back to the first element; set_index walks
// from where the walker stands, or from the nearer end when undefined. A
// walker stays valid while its element stays in the list.
#pragma once

#include <utility>

#include <cstddef>
#include <iterator>
#include <ostream>
#include <type_traits>

#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/range_iter.h>

template <class Derived, class List, class T> class coPageDListIterT;

template <class Derived, class T>
class COLIB_API coPageDLinkT : public colib_detail::printable<Derived> {
public:
    using value_type = T;

    // prev and next -1; the item is left uninitialised.
    coPageDLinkT() noexcept : prev_(-1), next_(-1) {}
    coPageDLinkT(const coPageDLinkT &) = default;
    coPageDLinkT &operator=(const coPageDLinkT &) = default;
    ~coPageDLinkT() = default;

    T &item() noexcept { return item_; }
    const T &item() const noexcept { return item_; }
    int prev() const noexcept { return prev_; }
    int next() const noexcept { return next_; }
    void set_prev(int p) noexcept { prev_ = p; }
    void set_next(int n) noexcept { next_ = n; }
    void become(int prev, const T &item, int next) noexcept {
        prev_ = prev;
        item_ = item;
        next_ = next;
    }
    void become(int prev, int next) noexcept {
        prev_ = prev;
        next_ = next;
    }

    // The item and a line end.
    utOstream &print(utOstream &os) const {
        coElem<T>::print(os, item_);
        return os << std::endl;
    }

protected:
    T &writable_item() const noexcept { return const_cast<T &>(item_); }

private:
    T item_;
    int prev_;
    int next_;
};

namespace colib_detail {

// The range-for iterator of the paged lists: follows next by slot index.
template <class List, class R>
class page_dlist_range_iter : public range_iter<page_dlist_range_iter<List, R>, R &> {
public:
    page_dlist_range_iter(const List *l, int i) noexcept : list_(l), i_(i) {}
    R &operator*() const noexcept { return const_cast<R &>(list_->link(i_).item()); }
    page_dlist_range_iter &operator++() noexcept {
        i_ = list_->link(i_).next();
        return *this;
    }
    bool operator==(const page_dlist_range_iter &o) const noexcept { return i_ == o.i_; }

private:
    const List *list_;
    int i_;
};

} // namespace colib_detail

template <class Derived, class T, class Link, class Arr, class Iter>
class COLIB_API coPageDListT : public colib_detail::printable<Derived> {
public:
    using value_type = T;
    using link_type = Link;
    using const_iterator = colib_detail::page_dlist_range_iter<coPageDListT, const T>;
    using iterator = colib_detail::page_dlist_range_iter<coPageDListT, T>;

    // Empty; the paged array's default geometry (256 links per block).
    coPageDListT() : cursor_() { cursor_.become(self()); }
    // Empty; the paged array made from block shift, block table capacity
    // and growth step.
    coPageDListT(int shift, int capacity, int step) : nodes_(shift, capacity, step), cursor_() {
        cursor_.become(self());
    }
    // Empty with the default geometry, then become from src.
    coPageDListT(utCopy, const Derived &src) : cursor_() {
        cursor_.become(self());
        become(utCOPY, src);
    }
    coPageDListT(const coPageDListT &src) : cursor_() {
        cursor_.become(self());
        become(utCOPY, static_cast<const Derived &>(src));
    }
    coPageDListT &operator=(const coPageDListT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    // Takes src's slots in O(1), the built-in cursor's position with them;
    // src is left empty (no pages, its cursor undefined) and usable.
    coPageDListT(coPageDListT &&src) noexcept
        : n_(src.n_), first_(src.first_), last_(src.last_), free_head_(src.free_head_),
          nodes_(std::move(src.nodes_)), cursor_() {
        cursor_.become(self());
        cursor_.current_ = src.cursor_.current_;
        src.forget();
    }
    coPageDListT &operator=(coPageDListT &&src) noexcept {
        if (this != &src) {
            n_ = src.n_;
            first_ = src.first_;
            last_ = src.last_;
            free_head_ = src.free_head_;
            nodes_ = std::move(src.nodes_);
            cursor_.current_ = src.cursor_.current_;
            hot_block_ = -1;
            hot_ = nullptr;
            src.forget();
        }
        return *this;
    }
    ~coPageDListT() = default;

    // Nothing when src is this list; otherwise clear(0), then insert_last
    // of each of src's elements. Throws std::bad_alloc (list unchanged).
    void become(utCopy, const Derived &src);
    // Empties the list; release 0 puts every slot on the free list in
    // ascending order, nonzero gives the pages back. The cursor ends
    // undefined.
    void clear(int release);
    int size() const noexcept { return n_; }
    int empty() const noexcept { return n_ == 0; }
    // Slots ever handed out, in use or free; slots on the free list.
    int slot_count() const noexcept { return nodes_.size(); }
    // Heap bytes the list holds: the blocks of slots (free slots included)
    // and their block table (not what the elements own themselves).
    std::size_t memory_bytes() const noexcept { return nodes_.memory_bytes(); }
    int free_count() const noexcept { return nodes_.size() - n_; }
    const Arr &nodes() const noexcept { return nodes_; }

    // 1, or 0 when no slot could be had (nothing changed). None moves the
    // cursor.
    int insert_first(const T &x) {
        return n_ == 0 ? insert_initial_item(x) : insert_item_before(x, first_);
    }
    int insert_last(const T &x) {
        return n_ == 0 ? insert_initial_item(x) : insert_item_after(last_, x);
    }
    // Next to the cursor's element; undefined cursor: x goes first.
    int insert_after(const T &x) {
        int c = cursor_.current_;
        return c == -1 ? insert_first(x) : insert_item_after(c, x);
    }
    // Undefined cursor: x goes last.
    int insert_before(const T &x) {
        int c = cursor_.current_;
        return c == -1 ? insert_last(x) : insert_item_before(x, c);
    }
    // Removes the cursor's element, moving forward (backward) first.
    // Require an element under the cursor.
    void remove() {
        COLIB_EXPECT(cursor_.current_ != -1, typeid(Derived), "remove", "undefined cursor");
        int c = cursor_.current_;
        forwards();
        remove_node(c);
    }
    void remove_backwards() {
        COLIB_EXPECT(cursor_.current_ != -1, typeid(Derived), "remove_backwards",
                     "undefined cursor");
        int c = cursor_.current_;
        backwards();
        remove_node(c);
    }
    // Require a non-empty list; a cursor on the removed element becomes
    // undefined.
    void remove_first() {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "remove_first", "empty list");
        if (cursor_.current_ == first_) cursor_.reset();
        remove_node(first_);
    }
    void remove_last() {
        COLIB_EXPECT(n_ != 0, typeid(Derived), "remove_last", "empty list");
        if (cursor_.current_ == last_) cursor_.reset();
        remove_node(last_);
    }

    // The built-in cursor's operations.
    int forwards() noexcept {
        int c = cursor_.current_;
        cursor_.current_ = c = c == -1 ? first_ : node(c).next();
        return c != -1;
    }
    int backwards() noexcept {
        int c = cursor_.current_;
        cursor_.current_ = c = c == -1 ? last_ : node(c).prev();
        return c != -1;
    }
    void reset() noexcept { cursor_.reset(); }
    void set_index(int i) noexcept { cursor_.set_index(i); }
    int index() const noexcept { return cursor_.index(); }
    int undefined() const noexcept { return cursor_.current_ == -1; }
    // The element under the cursor; requires one.
    T &read() {
        COLIB_EXPECT(cursor_.current_ != -1, typeid(Derived), "read", "undefined cursor");
        return node(cursor_.current_).item();
    }
    // Moves the cursor to position i and returns its element. Requires
    // 0 <= i < size().
    T &operator[](int i) {
        COLIB_EXPECT(i >= 0 && i < n_, typeid(Derived), "operator[]",
                     "index %d out of range [0, %d)", i, n_);
        cursor_.set_index(i);
        return node(cursor_.current_).item();
    }
    // The built-in cursor.
    const Iter &cursor() const noexcept { return cursor_; }

    // The link in slot i; 0 <= i < slot_count().
    const Link &link(int i) const noexcept { return nodes_[i]; }
    int first_id() const noexcept { return first_; }
    int last_id() const noexcept { return last_; }
    int free_head_id() const noexcept { return free_head_; }

    iterator begin() noexcept { return iterator(this, first_); }
    iterator end() noexcept { return iterator(this, -1); }
    const_iterator begin() const noexcept { return const_iterator(this, first_); }
    const_iterator end() const noexcept { return const_iterator(this, -1); }

    // "coPageDList {", then one level deeper "size n" and the elements in
    // order, then "}". Walks with its own iterator; the cursor stays.
    utOstream &print(utOstream &os) const;

protected:
    // A slot for a new element: the last freed one, else the next slot of
    // the paged array (making its block when the array first reaches it);
    // -1 when no block could be made.
    int activate_node() {
        if (free_head_ != -1) {
            int i = free_head_;
            free_head_ = node(i).next();
            return i;
        }
        int s = nodes_.size();
        if ((s >> nodes_.block_shift()) >= nodes_.block_count() && !nodes_.reserve(s + 1))
            return -1;
        nodes_.append(Link());
        return s;
    }
    // Puts slot i (slots a to b) on the free list.
    void deactivate_node(int i) noexcept {
        node(i).become(-1, free_head_);
        free_head_ = i;
    }
    void deactivate_nodes(int a, int b) noexcept;

    int insert_initial_item(const T &x) {
        int s = place(-1, x, -1);
        if (s == -1) return 0;
        first_ = last_ = s;
        ++n_;
        return 1;
    }
    int insert_item_after(int i, const T &x) {
        Link &at = node(i); // slots never move: the reference outlives growth
        int nx = at.next();
        int s = place(i, x, nx);
        if (s == -1) return 0;
        if (nx == -1)
            last_ = s;
        else
            node(nx).set_prev(s);
        at.set_next(s);
        ++n_;
        return 1;
    }
    int insert_item_before(const T &x, int i) {
        Link &at = node(i);
        int pv = at.prev();
        int s = place(pv, x, i);
        if (s == -1) return 0;
        if (pv == -1)
            first_ = s;
        else
            node(pv).set_next(s);
        at.set_prev(s);
        ++n_;
        return 1;
    }
    // Unlinks slot i and frees it.
    void remove_node(int i) noexcept {
        Link &l = node(i);
        int pv = l.prev(), nx = l.next();
        if (pv == -1)
            first_ = nx;
        else
            node(pv).set_next(nx);
        if (nx == -1)
            last_ = pv;
        else
            node(nx).set_prev(pv);
        l.become(-1, free_head_); // deactivate_node(i)
        free_head_ = i;
        --n_;
    }

    Link &node(int i) noexcept {
        int b = i >> nodes_.block_shift();
        if (b != hot_block_) look_up_block(b);
        return hot_[i & (nodes_.block_size() - 1)];
    }
    const Link &node(int i) const noexcept { return nodes_[i]; }
    Link &current_node() noexcept { return node(cursor_.current_); }
    int current_node_id() const noexcept { return cursor_.current_; }

private:
    template <class, class, class> friend class coPageDListIterT;
    // activate_node, with the new link's fields written in the same pass.
    int place(int prev, const T &x, int next) {
        if (free_head_ != -1) {
            int i = free_head_;
            Link &l = node(i);
            free_head_ = l.next();
            l.become(prev, x, next);
            return i;
        }
        int s = nodes_.size();
        if ((s >> nodes_.block_shift()) >= nodes_.block_count() && !nodes_.reserve(s + 1))
            return -1;
        Link l;
        l.become(prev, x, next);
        nodes_.append(l);
        return s;
    }
    const Derived *self() const noexcept { return static_cast<const Derived *>(this); }
    // After a move: empty, cursor undefined, no cached block.
    void forget() noexcept {
        n_ = 0;
        first_ = last_ = free_head_ = -1;
        cursor_.reset();
        hot_block_ = -1;
        hot_ = nullptr;
    }
    void look_up_block(int b) noexcept {
        hot_block_ = b;
        hot_ = const_cast<Link *>(nodes_.block(b));
    }

    int n_ = 0;
    int first_ = -1;
    int last_ = -1;
    int free_head_ = -1;
    Arr nodes_;
    Iter cursor_;
    // The link cache: block hot_block_ (-1: none) is at hot_.
    int hot_block_ = -1;
    Link *hot_ = nullptr;
};

// Walker by slot index:   for (it.reset(); ++it;) use(it());
template <class Derived, class List, class T> class COLIB_API coPageDListIterT {
public:
    using value_type = T;

    // Bound and undefined.
    explicit coPageDListIterT(const List *list) noexcept : list_(list), current_(-1) {}
    ~coPageDListIterT() = default;

    void reset() noexcept { current_ = -1; }
    int undefined() const noexcept { return current_ == -1; }
    // From undefined to the first (last) element; 1 when on an element.
    int operator++() noexcept {
        current_ = current_ == -1 ? list_->first_ : list_->node(current_).next();
        return current_ != -1;
    }
    int operator--() noexcept {
        current_ = current_ == -1 ? list_->last_ : list_->node(current_).prev();
        return current_ != -1;
    }
    // k steps, but at least one; stops at the sentinel. 1 when on an
    // element afterwards.
    int operator+=(int k) noexcept {
        do {
            if (!++*this) return 0;
        } while (--k > 0);
        return 1;
    }
    int operator-=(int k) noexcept {
        do {
            if (!--*this) return 0;
        } while (--k > 0);
        return 1;
    }
    // Position of the element, by walking back to the first; -1 undefined.
    int index() const noexcept;
    // Walks to position i; outside [0, size()) the walker ends undefined.
    void set_index(int i) noexcept;
    // The element under the walker, read-only (the list's read() and
    // operator[] edit); requires one.
    const T &operator()() const {
        COLIB_EXPECT(current_ != -1, typeid(Derived), "operator()", "undefined walker");
        return list_->node(current_).item();
    }
    int size() const noexcept { return list_->n_; }

protected:
    // Unbound; become binds it.
    coPageDListIterT() noexcept : list_(nullptr), current_(-1) {}
    void become(const List *list) noexcept {
        list_ = list;
        current_ = -1;
    }
    const auto &current_node() const noexcept { return list_->node(current_); }
    int current_node_id() const noexcept { return current_; }

private:
    template <class, class, class, class, class> friend class coPageDListT;
    // Single steps that stop at the sentinel.
    void forward(int k) noexcept {
        while (k-- > 0 && ++*this) {
        }
    }
    void backward(int k) noexcept {
        while (k-- > 0 && --*this) {
        }
    }

    const List *list_;
    int current_;
};

// One member of the family (lists/page_dlist.h lists them): the link, the
// paged array of the links (a member of the paged-array family that does
// not print) with its iterator, the list's walker and the list.
#define COLIB_PAGE_DLIST_CLASSES(X, P, T)                                                          \
    class P##coPageDList;                                                                          \
    COLIB_THIN_CLASS(P##coPageDLink, coPageDLinkT, P##coPageDLink, T)                              \
    COLIB_THIN_CLASS(P##coPageDLinkcoPageArr, coPageArrT, P##coPageDLinkcoPageArr, P##coPageDLink, \
                     1, 0)                                                                         \
    COLIB_THIN_CLASS(P##coPageDLinkcoPageArrcoIterator, coPageArrIterT,                            \
                     P##coPageDLinkcoPageArrcoIterator, P##coPageDLinkcoPageArr)                   \
    COLIB_THIN_CLASS(P##coPageDListcoIterator, coPageDListIterT, P##coPageDListcoIterator,         \
                     P##coPageDList, T)                                                            \
    COLIB_THIN_CLASS(P##coPageDList, coPageDListT, P##coPageDList, T, P##coPageDLink,              \
                     P##coPageDLinkcoPageArr, P##coPageDListcoIterator)                            \
    COLIB_PAGE_DLIST_INSTANCES(X, P, T)
#define COLIB_PAGE_DLIST_INSTANCES(X, P, T)                                                        \
    X(coPageDLinkT<P##coPageDLink, T>)                                                             \
    X(coPageArrT<P##coPageDLinkcoPageArr, P##coPageDLink, 1, 0>)                                   \
    X(coPageArrIterT<P##coPageDLinkcoPageArrcoIterator, P##coPageDLinkcoPageArr>)                  \
    X(coPageDListIterT<P##coPageDListcoIterator, P##coPageDList, T>)                               \
    X(coPageDListT<P##coPageDList, T, P##coPageDLink, P##coPageDLinkcoPageArr,                     \
                   P##coPageDListcoIterator>)
