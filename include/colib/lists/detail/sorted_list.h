// coSortedListT: the sorted lists (intcoSortedList and its siblings) over
// the standard ordered multiset, ordered by the element type's coSLCompareP.
// Each concrete class derives from it with itself as Derived; the library
// compiles the members once per concrete class (src/lists/sorted_list.cpp).
//
// Invariants:
//   - items holds every element in ascending order of Compare; equal
//     elements are all kept, in the order they were added (a new element
//     goes after the equal ones already present);
//   - a walker's position is an element of items or items.end(), which is
//     the undefined position; ++ from undefined enters at the smallest
//     element, -- at the largest; stepping off either end returns 0 and
//     leaves the walker undefined.
//
// Failure: add lets std::bad_alloc through, and throws std::length_error
// ("map/set<T> too long") when the multiset is full; in both cases the list
// is unchanged. A walker stays valid while its element stays in the list.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <set>
#include <stdexcept>
#include <utility>

#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>

template <class Derived, class Iter, class List> class coSortedListCursorT;

template <class Derived, class T, class Compare, class Iter, class Cursor>
class COLIB_API coSortedListT : public colib_detail::printable<Derived> {
public:
    using value_type = T;
    using set_type = std::multiset<T, Compare>;
    using const_iterator = typename set_type::const_iterator;
    using iterator = const_iterator;

    coSortedListT() = default;
    // add of each value in the order given.
    coSortedListT(std::initializer_list<T> list) {
        for (const T &x : list)
            add(x);
    }
    coSortedListT(const coSortedListT &) = default;
    coSortedListT &operator=(const coSortedListT &) = default;
    // Takes src's elements in O(1); src is left empty and usable. Walkers
    // of src then stand in this list (or are undefined).
    coSortedListT(coSortedListT &&src) noexcept : items_(std::move(src.items_)) {
        src.items_.clear();
    }
    coSortedListT &operator=(coSortedListT &&src) noexcept {
        if (this != &src) {
            items_.swap(src.items_);
            src.items_.clear();
        }
        return *this;
    }
    ~coSortedListT() { clear(); }

    // Inserts a copy after the elements equal to it.
    void add(const T &x) {
        if (items_.size() >= items_.max_size()) throw std::length_error("map/set<T> too long");
        items_.insert(x);
    }
    void clear() noexcept { items_.clear(); }
    int empty() const noexcept { return items_.empty(); }
    int size() const noexcept { return static_cast<int>(items_.size()); }
    // 1 when an element equal to x is present.
    int member(const T &x) const { return lookup(x) != items_.end(); }
    // A cursor (iterator) on the first element equal to x, or undefined.
    Cursor find(const T &x);
    Iter find(const T &x) const;
    // Removes and returns the smallest (largest; among equal largest ones
    // the last added) element. Require a non-empty list.
    T remove_first() {
        COLIB_EXPECT(!items_.empty(), typeid(Derived), "remove_first", "empty list");
        T x = *items_.begin();
        items_.erase(items_.begin());
        return x;
    }
    T remove_last() {
        COLIB_EXPECT(!items_.empty(), typeid(Derived), "remove_last", "empty list");
        auto last = std::prev(items_.end());
        T x = *last;
        items_.erase(last);
        return x;
    }

    const_iterator begin() const noexcept { return items_.begin(); }
    const_iterator end() const noexcept { return items_.end(); }
    const set_type &items() const noexcept { return items_; }
    // Heap bytes the list holds: one tree node per element (not what the
    // elements own themselves).
    std::size_t memory_bytes() const noexcept { return items_.size() * node_bytes; }

    // "coSortedList {", then one level deeper the elements, then "}".
    utOstream &print(utOstream &os) const {
        os << "coSortedList {" << std::endl;
        {
            utOstream nested(utTAB, os, 1, 0);
            for (const T &x : items_) {
                coElem<T>::print(nested, x);
                nested << std::endl;
            }
        }
        os << "}" << std::endl;
        return os;
    }

protected:
    // The first element equal to x, or end.
    const_iterator lookup(const T &x) const {
        auto p = items_.lower_bound(x);
        return p != items_.end() && !Compare()(x, *p) ? p : items_.end();
    }
    set_type &box_items() noexcept { return items_; }

private:
    template <class, class, class> friend class coSortedListCursorT;
    // One node of the standard set: its links and colour, then the element.
#if defined(__GLIBCXX__)
    static constexpr std::size_t node_bytes = sizeof(std::_Rb_tree_node<T>);
#else
    // Three links and the colour flag before the element.
    struct node_shape {
        void *links[3];
        bool black;
        T value;
    };
    static constexpr std::size_t node_bytes = sizeof(node_shape);
#endif
    set_type items_;
};

// Walker:   for (it.reset(); ++it;) use(it());
template <class Derived, class List> class COLIB_API coSortedListIterT {
public:
    using value_type = typename List::value_type;
    using position_type = typename List::const_iterator;

    // Bound and undefined.
    explicit coSortedListIterT(const List *list) noexcept : list_(list), position_(list->end()) {}

    void reset() noexcept { position_ = list_->end(); }
    int undefined() const noexcept { return position_ == list_->end(); }
    // From undefined to the smallest element; 1 when on an element.
    int operator++() noexcept {
        position_ = undefined() ? list_->begin() : std::next(position_);
        return !undefined();
    }
    // From undefined to the largest element; from the smallest to
    // undefined (returning 0).
    int operator--() noexcept {
        if (position_ == list_->begin()) {
            position_ = list_->end();
            return 0;
        }
        --position_;
        return 1;
    }
    // The element under the walker; requires it not to be undefined.
    const value_type &operator()() const {
        COLIB_EXPECT(!undefined(), typeid(Derived), "operator()", "undefined walker");
        return *position_;
    }
    position_type position() const noexcept { return position_; }

protected:
    template <class, class, class, class, class> friend class coSortedListT;
    const List *list() const noexcept { return list_; }
    void set_position(position_type p) noexcept { position_ = p; }

private:
    const List *list_;
    position_type position_;
};

// A walker that can remove the element under it.
template <class Derived, class Iter, class List> class COLIB_API coSortedListCursorT : public Iter {
public:
    explicit coSortedListCursorT(List *list) noexcept : Iter(list) {}

    // Removes the element under the cursor and stands on the one after it
    // (undefined when it was the last). Requires an element.
    void remove() {
        COLIB_EXPECT(!this->undefined(), typeid(Derived), "remove", "undefined cursor");
        this->set_position(box()->items_.erase(this->position()));
    }

protected:
    List *box() const noexcept { return const_cast<List *>(this->list()); }
};

// One member of the family (lists/sorted_list.h lists them, each with its
// ordering P##coSLCompareP): the list, its iterator and its cursor.
#define COLIB_SORTED_LIST_CLASSES(X, P, T)                                                         \
    class P##coSortedListcoIterator;                                                               \
    class P##coSortedListcoCursor;                                                                 \
    COLIB_THIN_CLASS(P##coSortedList, coSortedListT, P##coSortedList, T, P##coSLCompareP,          \
                     P##coSortedListcoIterator, P##coSortedListcoCursor)                           \
    COLIB_THIN_CLASS(P##coSortedListcoIterator, coSortedListIterT, P##coSortedListcoIterator,      \
                     P##coSortedList)                                                              \
    COLIB_THIN_CLASS(P##coSortedListcoCursor, coSortedListCursorT, P##coSortedListcoCursor,        \
                     P##coSortedListcoIterator, P##coSortedList)                                   \
    COLIB_SORTED_LIST_INSTANCES(X, P, T)
#define COLIB_SORTED_LIST_INSTANCES(X, P, T)                                                       \
    X(coSortedListT<P##coSortedList, T, P##coSLCompareP, P##coSortedListcoIterator,                \
                    P##coSortedListcoCursor>)                                                      \
    X(coSortedListIterT<P##coSortedListcoIterator, P##coSortedList>)                               \
    X(coSortedListCursorT<P##coSortedListcoCursor, P##coSortedListcoIterator, P##coSortedList>)
