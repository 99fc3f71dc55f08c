// coStackT and coQueueT: a stack and a queue over a private singly linked
// list (lists/detail/slist.h). The stack's top and the queue's head are the
// list's first element; the queue's tail is its last. They add no field.
// push, append and the brace-list constructors copy the element into a new
// link (one allocation per element); pop frees it.
//
// Every stack and queue A of element type T keeps a private copy of the
// singly linked list pieces, distinct classes from the public lists and
// from each other: A##INTERNALcoSLink, A##INTERNALcoSLinkItem,
// A##INTERNALcoSListB and its coIterator and coCursor.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/slist.h>

// What the stack and the queue share: the private list with its size,
// emptiness and clearing, copying, a read-only view for walking, and the
// printout, Derived::header on its own line and then the list block.
template <class Derived, class List>
class COLIB_API coSListAdaptorT : protected List, public colib_detail::printable<Derived> {
public:
    using value_type = typename List::value_type;
    using list_type = List;

    using iterator = typename List::iterator;
    using const_iterator = typename List::const_iterator;

    using List::clear;
    using List::empty;
    using List::memory_bytes;
    using List::size;
    // Range-for: a stack from the top down, a queue from the head to the
    // tail.
    using List::begin;
    using List::end;
    void become(utCopy, const Derived &src) { List::become(utCOPY, src.list()); }
    // The internal list, first element (top or head) first, for walking.
    const List &list() const noexcept { return *this; }

    utOstream &print(utOstream &os) const {
        os << Derived::header << std::endl;
        return list().print(os);
    }

protected:
    coSListAdaptorT() noexcept = default;
    explicit coSListAdaptorT(std::initializer_list<value_type> values) : List(values) {}
    coSListAdaptorT(utCopy, const Derived &src) : List(utCOPY, src.list()) {}
};

template <class Derived, class List>
class COLIB_API coStackT : public coSListAdaptorT<Derived, List> {
    using Base = coSListAdaptorT<Derived, List>;

public:
    using typename Base::value_type;
    static constexpr const char header[] = "coStack";

    coStackT() noexcept = default;
    // push of every value in order: the last one given ends on top.
    // Throws std::bad_alloc.
    coStackT(std::initializer_list<value_type> values);
    coStackT(utCopy, const Derived &src) : Base(utCOPY, src) {}

    // 1 when pushed, 0 when no link could be had (the stack unchanged).
    int push(const value_type &x) { return List::insert_first(x); }
    // Requires a non-empty stack.
    void pop() {
        COLIB_EXPECT(!List::empty(), typeid(Derived), "pop", "empty stack");
        List::remove_first();
    }
    // The top element; requires a non-empty stack.
    value_type &top() {
        COLIB_EXPECT(!List::empty(), typeid(Derived), "top", "empty stack");
        return List::first_item();
    }
    const value_type &top() const {
        COLIB_EXPECT(!List::empty(), typeid(Derived), "top", "empty stack");
        return List::first_item();
    }
};

template <class Derived, class List>
class COLIB_API coQueueT : public coSListAdaptorT<Derived, List> {
    using Base = coSListAdaptorT<Derived, List>;

public:
    using typename Base::value_type;
    static constexpr const char header[] = "coQueue ";

    coQueueT() noexcept = default;
    // Each value appended in order: the first one given is the head.
    // Throws std::bad_alloc.
    coQueueT(std::initializer_list<value_type> values) : Base(values) {}
    coQueueT(utCopy, const Derived &src) : Base(utCOPY, src) {}

    // Adds at the tail: 1, or 0 when no link could be had.
    int append(const value_type &x) { return List::insert_last(x); }
    int push(const value_type &x) { return List::insert_last(x); }
    // Takes the head away; requires a non-empty queue.
    void pop() {
        COLIB_EXPECT(!List::empty(), typeid(Derived), "pop", "empty queue");
        List::remove_first();
    }
    // The first and the last element; require a non-empty queue.
    value_type &head() {
        COLIB_EXPECT(!List::empty(), typeid(Derived), "head", "empty queue");
        return List::first_item();
    }
    const value_type &head() const {
        COLIB_EXPECT(!List::empty(), typeid(Derived), "head", "empty queue");
        return List::first_item();
    }
    value_type &tail() {
        COLIB_EXPECT(!List::empty(), typeid(Derived), "tail", "empty queue");
        return List::last_item();
    }
    const value_type &tail() const {
        COLIB_EXPECT(!List::empty(), typeid(Derived), "tail", "empty queue");
        return List::last_item();
    }
};

// One member: its private list classes and the stack or queue itself.
#define COLIB_STACK_QUEUE_CLASSES(X, A, T, Adaptor)                                                \
    COLIB_SLISTB_CLASSES(A##INTERNAL, T)                                                           \
    COLIB_THIN_CLASS(A, Adaptor, A, A##INTERNALcoSListB)                                           \
    COLIB_STACK_QUEUE_INSTANCES(X, A, T, Adaptor)
#define COLIB_STACK_QUEUE_INSTANCES(X, A, T, Adaptor)                                              \
    COLIB_SLISTB_INSTANCES(X, A##INTERNAL, T)                                                      \
    X(Adaptor<A, A##INTERNALcoSListB>)
