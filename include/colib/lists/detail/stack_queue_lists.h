// The machinery behind lists/stack_queue.h, gathered here so that the
// public header reads as the stacks and queues themselves.
//
// Every stack and queue A of element type T keeps a private copy of the
// singly linked list pieces, distinct classes from the public lists and
// from each other: A##INTERNALcoSLink, A##INTERNALcoSLinkItem,
// A##INTERNALcoSListB and its coIterator and coCursor. They are stamped out
// from the one member list below, which also gives the library's template
// instances (COLIB_STACK_QUEUE_INSTANCES, used by the public header and by
// src/lists/stack_queue.cpp).
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/stack_queue.h>

// The members: M(X, class, element type, adaptor template) for each.
#define COLIB_STACK_QUEUE_MEMBERS(M, X)                                                            \
    M(X, charcoStack, char, coStackT)                                                              \
    M(X, intcoStack, int, coStackT)                                                                \
    M(X, doublecoStack, double, coStackT)                                                          \
    M(X, utAnycoStack, utAny, coStackT)                                                            \
    M(X, utStringcoStack, utString, coStackT)                                                      \
    M(X, charcoQueue, char, coQueueT)                                                              \
    M(X, intcoQueue, int, coQueueT)                                                                \
    M(X, doublecoQueue, double, coQueueT)                                                          \
    M(X, utAnycoQueue, utAny, coQueueT)                                                            \
    M(X, utStringcoQueue, utString, coQueueT)

// One member's private list classes.
#define COLIB_SQ_INTERNAL_LIST(X, A, T, Adaptor)                                                   \
    class A##INTERNALcoSLinkItem;                                                                  \
    class COLIB_API A##INTERNALcoSLink                                                             \
        : public coSLinkT<A##INTERNALcoSLink, A##INTERNALcoSLinkItem, T> {                         \
    public:                                                                                        \
        using coSLinkT::coSLinkT;                                                                  \
    };                                                                                             \
    class COLIB_API A##INTERNALcoSLinkItem : public coSLinkItemT<A##INTERNALcoSLink, T> {          \
    public:                                                                                        \
        using coSLinkItemT::coSLinkItemT;                                                          \
    };                                                                                             \
    class COLIB_API A##INTERNALcoSListB                                                            \
        : public coSListBT<A##INTERNALcoSListB, A##INTERNALcoSLink, A##INTERNALcoSLinkItem, T> {   \
    public:                                                                                        \
        using coSListBT::coSListBT;                                                                \
    };                                                                                             \
    class COLIB_API A##INTERNALcoSListBcoIterator                                                  \
        : public coSListIterT<A##INTERNALcoSListBcoIterator, A##INTERNALcoSListB> {                \
    public:                                                                                        \
        using coSListIterT::coSListIterT;                                                          \
    };                                                                                             \
    class COLIB_API A##INTERNALcoSListBcoCursor                                                    \
        : public coSListCursorT<A##INTERNALcoSListBcoCursor, A##INTERNALcoSListBcoIterator,        \
                                A##INTERNALcoSListB> {                                             \
    public:                                                                                        \
        using coSListCursorT::coSListCursorT;                                                      \
    };

// One member's template instances: its list pieces and its adaptor.
#define COLIB_SQ_MEMBER_INSTANCES(X, A, T, Adaptor)                                                \
    X(coSLinkT<A##INTERNALcoSLink, A##INTERNALcoSLinkItem, T>)                                     \
    X(coSLinkItemT<A##INTERNALcoSLink, T>)                                                         \
    X(coSListCoreT<A##INTERNALcoSListB, A##INTERNALcoSLink, A##INTERNALcoSLinkItem, T>)            \
    X(coSListCopyT<A##INTERNALcoSListB, A##INTERNALcoSLink, A##INTERNALcoSLinkItem, T>)            \
    X(coSListBT<A##INTERNALcoSListB, A##INTERNALcoSLink, A##INTERNALcoSLinkItem, T>)               \
    X(coSListIterT<A##INTERNALcoSListBcoIterator, A##INTERNALcoSListB>)                            \
    X(coSListCursorT<A##INTERNALcoSListBcoCursor, A##INTERNALcoSListBcoIterator,                   \
                     A##INTERNALcoSListB>)                                                         \
    X(Adaptor<A, A##INTERNALcoSListB>)

#define COLIB_STACK_QUEUE_INSTANCES(X) COLIB_STACK_QUEUE_MEMBERS(COLIB_SQ_MEMBER_INSTANCES, X)

COLIB_STACK_QUEUE_MEMBERS(COLIB_SQ_INTERNAL_LIST, unused)
