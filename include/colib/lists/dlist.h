// The doubly linked lists: a ring of links closed through the list object
// itself, walkable both ways, with walkers that know their position.
//
//   intcoDList l{10, 20, 30};  // a list with its own cursor
//   l.forwards();              // the cursor on 10, index() 0
//   l.insert_before(5);        // 5, 10, 20, 30; the cursor on 10, index 1
//   l.remove();                // 5, 20, 30; the cursor on 20, index 1
//   l.remove_backwards();      // 5, 30; the cursor on 5, index 0
//   std::cout << l;            // "coDList {", "  size 2", ..., "}"
//
//   intcoDListBcoIterator it(&list);
//   while (++it) use(it(), it.index());
//   for (int x : list) use(x);
//
// Iterators read (it() is a const reference); cursors, and a list through
// its own cursor, write. Moves take the links in O(1) and leave the source
// empty with its cursor undefined; walkers of the source are then stale.
//
// Members: char, int, double, utAny (pointers, not owned), utString, and
// coTreecoDListPtrcoPtr (pointers to tree nodes, not owned by the list; the
// tree's children lists), which does not print.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/dlist.h>

class COLIB_API coTree;

class charcoDLinkItem;
class intcoDLinkItem;
class doublecoDLinkItem;
class utAnycoDLinkItem;
class utStringcoDLinkItem;
class coTreecoDListPtrcoPtrcoDLinkItem;

class COLIB_API charcoDLink : public coDLinkT<charcoDLink, charcoDLinkItem, char> {
public:
    using coDLinkT::coDLinkT;
};
class COLIB_API charcoDLinkItem : public coDLinkItemT<charcoDLink, char> {
public:
    using coDLinkItemT::coDLinkItemT;
};
class COLIB_API charcoDListB : public coDListBT<charcoDListB, charcoDLink, charcoDLinkItem, char> {
public:
    using coDListBT::coDListBT;
};
class COLIB_API charcoDListBcoIteratorB
    : public coDListIterBT<charcoDListBcoIteratorB, charcoDListB> {
public:
    using coDListIterBT::coDListIterBT;
};
class COLIB_API charcoDListBcoIterator
    : public coDListIterT<charcoDListBcoIterator, charcoDListBcoIteratorB, charcoDListB> {
public:
    using coDListIterT::coDListIterT;
};
class COLIB_API charcoDListBcoCursor
    : public coDListCursorT<charcoDListBcoCursor, charcoDListBcoIterator, charcoDListB> {
public:
    using coDListCursorT::coDListCursorT;
};
class COLIB_API charcoDList : public coDListT<charcoDList, charcoDListBcoCursor, charcoDListB> {
public:
    using coDListT::coDListT;
    charcoDList() = default;
    charcoDList(charcoDList &&) noexcept = default;
    charcoDList &operator=(charcoDList &&) noexcept = default;

protected:
    // Copies go through the utCopy constructor or become; the plain
    // assignment does nothing.
    charcoDList(const charcoDList &) = default;
    charcoDList &operator=(const charcoDList &) = default;
};

class COLIB_API intcoDLink : public coDLinkT<intcoDLink, intcoDLinkItem, int> {
public:
    using coDLinkT::coDLinkT;
};
class COLIB_API intcoDLinkItem : public coDLinkItemT<intcoDLink, int> {
public:
    using coDLinkItemT::coDLinkItemT;
};
class COLIB_API intcoDListB : public coDListBT<intcoDListB, intcoDLink, intcoDLinkItem, int> {
public:
    using coDListBT::coDListBT;
};
class COLIB_API intcoDListBcoIteratorB : public coDListIterBT<intcoDListBcoIteratorB, intcoDListB> {
public:
    using coDListIterBT::coDListIterBT;
};
class COLIB_API intcoDListBcoIterator
    : public coDListIterT<intcoDListBcoIterator, intcoDListBcoIteratorB, intcoDListB> {
public:
    using coDListIterT::coDListIterT;
};
class COLIB_API intcoDListBcoCursor
    : public coDListCursorT<intcoDListBcoCursor, intcoDListBcoIterator, intcoDListB> {
public:
    using coDListCursorT::coDListCursorT;
};
class COLIB_API intcoDList : public coDListT<intcoDList, intcoDListBcoCursor, intcoDListB> {
public:
    using coDListT::coDListT;
    intcoDList() = default;
    intcoDList(intcoDList &&) noexcept = default;
    intcoDList &operator=(intcoDList &&) noexcept = default;

protected:
    // Copies go through the utCopy constructor or become; the plain
    // assignment does nothing.
    intcoDList(const intcoDList &) = default;
    intcoDList &operator=(const intcoDList &) = default;
};

class COLIB_API doublecoDLink : public coDLinkT<doublecoDLink, doublecoDLinkItem, double> {
public:
    using coDLinkT::coDLinkT;
};
class COLIB_API doublecoDLinkItem : public coDLinkItemT<doublecoDLink, double> {
public:
    using coDLinkItemT::coDLinkItemT;
};
class COLIB_API doublecoDListB
    : public coDListBT<doublecoDListB, doublecoDLink, doublecoDLinkItem, double> {
public:
    using coDListBT::coDListBT;
};
class COLIB_API doublecoDListBcoIteratorB
    : public coDListIterBT<doublecoDListBcoIteratorB, doublecoDListB> {
public:
    using coDListIterBT::coDListIterBT;
};
class COLIB_API doublecoDListBcoIterator
    : public coDListIterT<doublecoDListBcoIterator, doublecoDListBcoIteratorB, doublecoDListB> {
public:
    using coDListIterT::coDListIterT;
};
class COLIB_API doublecoDListBcoCursor
    : public coDListCursorT<doublecoDListBcoCursor, doublecoDListBcoIterator, doublecoDListB> {
public:
    using coDListCursorT::coDListCursorT;
};
class COLIB_API doublecoDList
    : public coDListT<doublecoDList, doublecoDListBcoCursor, doublecoDListB> {
public:
    using coDListT::coDListT;
    doublecoDList() = default;
    doublecoDList(doublecoDList &&) noexcept = default;
    doublecoDList &operator=(doublecoDList &&) noexcept = default;

protected:
    // Copies go through the utCopy constructor or become; the plain
    // assignment does nothing.
    doublecoDList(const doublecoDList &) = default;
    doublecoDList &operator=(const doublecoDList &) = default;
};

class COLIB_API utAnycoDLink : public coDLinkT<utAnycoDLink, utAnycoDLinkItem, utAny> {
public:
    using coDLinkT::coDLinkT;
};
class COLIB_API utAnycoDLinkItem : public coDLinkItemT<utAnycoDLink, utAny> {
public:
    using coDLinkItemT::coDLinkItemT;
};
class COLIB_API utAnycoDListB
    : public coDListBT<utAnycoDListB, utAnycoDLink, utAnycoDLinkItem, utAny> {
public:
    using coDListBT::coDListBT;
};
class COLIB_API utAnycoDListBcoIteratorB
    : public coDListIterBT<utAnycoDListBcoIteratorB, utAnycoDListB> {
public:
    using coDListIterBT::coDListIterBT;
};
class COLIB_API utAnycoDListBcoIterator
    : public coDListIterT<utAnycoDListBcoIterator, utAnycoDListBcoIteratorB, utAnycoDListB> {
public:
    using coDListIterT::coDListIterT;
};
class COLIB_API utAnycoDListBcoCursor
    : public coDListCursorT<utAnycoDListBcoCursor, utAnycoDListBcoIterator, utAnycoDListB> {
public:
    using coDListCursorT::coDListCursorT;
};
class COLIB_API utAnycoDList : public coDListT<utAnycoDList, utAnycoDListBcoCursor, utAnycoDListB> {
public:
    using coDListT::coDListT;
    utAnycoDList() = default;
    utAnycoDList(utAnycoDList &&) noexcept = default;
    utAnycoDList &operator=(utAnycoDList &&) noexcept = default;

protected:
    // Copies go through the utCopy constructor or become; the plain
    // assignment does nothing.
    utAnycoDList(const utAnycoDList &) = default;
    utAnycoDList &operator=(const utAnycoDList &) = default;
};

class COLIB_API utStringcoDLink : public coDLinkT<utStringcoDLink, utStringcoDLinkItem, utString> {
public:
    using coDLinkT::coDLinkT;
};
class COLIB_API utStringcoDLinkItem : public coDLinkItemT<utStringcoDLink, utString> {
public:
    using coDLinkItemT::coDLinkItemT;
};
class COLIB_API utStringcoDListB
    : public coDListBT<utStringcoDListB, utStringcoDLink, utStringcoDLinkItem, utString> {
public:
    using coDListBT::coDListBT;
};
class COLIB_API utStringcoDListBcoIteratorB
    : public coDListIterBT<utStringcoDListBcoIteratorB, utStringcoDListB> {
public:
    using coDListIterBT::coDListIterBT;
};
class COLIB_API utStringcoDListBcoIterator
    : public coDListIterT<utStringcoDListBcoIterator, utStringcoDListBcoIteratorB,
                          utStringcoDListB> {
public:
    using coDListIterT::coDListIterT;
};
class COLIB_API utStringcoDListBcoCursor
    : public coDListCursorT<utStringcoDListBcoCursor, utStringcoDListBcoIterator,
                            utStringcoDListB> {
public:
    using coDListCursorT::coDListCursorT;
};
class COLIB_API utStringcoDList
    : public coDListT<utStringcoDList, utStringcoDListBcoCursor, utStringcoDListB> {
public:
    using coDListT::coDListT;
    utStringcoDList() = default;
    utStringcoDList(utStringcoDList &&) noexcept = default;
    utStringcoDList &operator=(utStringcoDList &&) noexcept = default;

protected:
    // Copies go through the utCopy constructor or become; the plain
    // assignment does nothing.
    utStringcoDList(const utStringcoDList &) = default;
    utStringcoDList &operator=(const utStringcoDList &) = default;
};

class COLIB_API coTreecoDListPtrcoPtrcoDLink
    : public coDLinkT<coTreecoDListPtrcoPtrcoDLink, coTreecoDListPtrcoPtrcoDLinkItem, coTree *> {
public:
    using coDLinkT::coDLinkT;
};
class COLIB_API coTreecoDListPtrcoPtrcoDLinkItem
    : public coDLinkItemT<coTreecoDListPtrcoPtrcoDLink, coTree *> {
public:
    using coDLinkItemT::coDLinkItemT;
};
class COLIB_API coTreecoDListPtrcoPtrcoDListB
    : public coDListBT<coTreecoDListPtrcoPtrcoDListB, coTreecoDListPtrcoPtrcoDLink,
                       coTreecoDListPtrcoPtrcoDLinkItem, coTree *, 0> {
public:
    using coDListBT::coDListBT;
};
class COLIB_API coTreecoDListPtrcoPtrcoDListBcoIteratorB
    : public coDListIterBT<coTreecoDListPtrcoPtrcoDListBcoIteratorB,
                           coTreecoDListPtrcoPtrcoDListB> {
public:
    using coDListIterBT::coDListIterBT;
};
class COLIB_API coTreecoDListPtrcoPtrcoDListBcoIterator
    : public coDListIterT<coTreecoDListPtrcoPtrcoDListBcoIterator,
                          coTreecoDListPtrcoPtrcoDListBcoIteratorB, coTreecoDListPtrcoPtrcoDListB> {
public:
    using coDListIterT::coDListIterT;
};
class COLIB_API coTreecoDListPtrcoPtrcoDListBcoCursor
    : public coDListCursorT<coTreecoDListPtrcoPtrcoDListBcoCursor,
                            coTreecoDListPtrcoPtrcoDListBcoIterator,
                            coTreecoDListPtrcoPtrcoDListB> {
public:
    using coDListCursorT::coDListCursorT;
};
class COLIB_API coTreecoDListPtrcoPtrcoDList
    : public coDListT<coTreecoDListPtrcoPtrcoDList, coTreecoDListPtrcoPtrcoDListBcoCursor,
                      coTreecoDListPtrcoPtrcoDListB, 0> {
public:
    using coDListT::coDListT;
    coTreecoDListPtrcoPtrcoDList() = default;
    coTreecoDListPtrcoPtrcoDList(coTreecoDListPtrcoPtrcoDList &&) noexcept = default;
    coTreecoDListPtrcoPtrcoDList &operator=(coTreecoDListPtrcoPtrcoDList &&) noexcept = default;

protected:
    // Copies go through the utCopy constructor or become; the plain
    // assignment does nothing.
    coTreecoDListPtrcoPtrcoDList(const coTreecoDListPtrcoPtrcoDList &) = default;
    coTreecoDListPtrcoPtrcoDList &operator=(const coTreecoDListPtrcoPtrcoDList &) = default;
};
// Walks the list part of a coTreecoDListPtrcoPtrcoDList, with its index.
class COLIB_API coTreecoDListPtrcoPtrcoDListcoIterator
    : public coTreecoDListPtrcoPtrcoDListBcoIterator {
public:
    explicit coTreecoDListPtrcoPtrcoDListcoIterator(
        const coTreecoDListPtrcoPtrcoDList *list) noexcept
        : coTreecoDListPtrcoPtrcoDListBcoIterator(list) {}
};

// The instances compiled once in the library (src/lists/dlist.cpp).
#define COLIB_DLIST_INSTANCES(X)                                                                   \
    X(coDLinkT<charcoDLink, charcoDLinkItem, char>)                                                \
    X(coDLinkItemT<charcoDLink, char>)                                                             \
    X(coDListBT<charcoDListB, charcoDLink, charcoDLinkItem, char>)                                 \
    X(coDListIterBT<charcoDListBcoIteratorB, charcoDListB>)                                        \
    X(coDListIterT<charcoDListBcoIterator, charcoDListBcoIteratorB, charcoDListB>)                 \
    X(coDListCursorT<charcoDListBcoCursor, charcoDListBcoIterator, charcoDListB>)                  \
    X(coDListT<charcoDList, charcoDListBcoCursor, charcoDListB>)                                   \
    X(coDLinkT<intcoDLink, intcoDLinkItem, int>)                                                   \
    X(coDLinkItemT<intcoDLink, int>)                                                               \
    X(coDListBT<intcoDListB, intcoDLink, intcoDLinkItem, int>)                                     \
    X(coDListIterBT<intcoDListBcoIteratorB, intcoDListB>)                                          \
    X(coDListIterT<intcoDListBcoIterator, intcoDListBcoIteratorB, intcoDListB>)                    \
    X(coDListCursorT<intcoDListBcoCursor, intcoDListBcoIterator, intcoDListB>)                     \
    X(coDListT<intcoDList, intcoDListBcoCursor, intcoDListB>)                                      \
    X(coDLinkT<doublecoDLink, doublecoDLinkItem, double>)                                          \
    X(coDLinkItemT<doublecoDLink, double>)                                                         \
    X(coDListBT<doublecoDListB, doublecoDLink, doublecoDLinkItem, double>)                         \
    X(coDListIterBT<doublecoDListBcoIteratorB, doublecoDListB>)                                    \
    X(coDListIterT<doublecoDListBcoIterator, doublecoDListBcoIteratorB, doublecoDListB>)           \
    X(coDListCursorT<doublecoDListBcoCursor, doublecoDListBcoIterator, doublecoDListB>)            \
    X(coDListT<doublecoDList, doublecoDListBcoCursor, doublecoDListB>)                             \
    X(coDLinkT<utAnycoDLink, utAnycoDLinkItem, utAny>)                                             \
    X(coDLinkItemT<utAnycoDLink, utAny>)                                                           \
    X(coDListBT<utAnycoDListB, utAnycoDLink, utAnycoDLinkItem, utAny>)                             \
    X(coDListIterBT<utAnycoDListBcoIteratorB, utAnycoDListB>)                                      \
    X(coDListIterT<utAnycoDListBcoIterator, utAnycoDListBcoIteratorB, utAnycoDListB>)              \
    X(coDListCursorT<utAnycoDListBcoCursor, utAnycoDListBcoIterator, utAnycoDListB>)               \
    X(coDListT<utAnycoDList, utAnycoDListBcoCursor, utAnycoDListB>)                                \
    X(coDLinkT<utStringcoDLink, utStringcoDLinkItem, utString>)                                    \
    X(coDLinkItemT<utStringcoDLink, utString>)                                                     \
    X(coDListBT<utStringcoDListB, utStringcoDLink, utStringcoDLinkItem, utString>)                 \
    X(coDListIterBT<utStringcoDListBcoIteratorB, utStringcoDListB>)                                \
    X(coDListIterT<utStringcoDListBcoIterator, utStringcoDListBcoIteratorB, utStringcoDListB>)     \
    X(coDListCursorT<utStringcoDListBcoCursor, utStringcoDListBcoIterator, utStringcoDListB>)      \
    X(coDListT<utStringcoDList, utStringcoDListBcoCursor, utStringcoDListB>)                       \
    X(coDLinkT<coTreecoDListPtrcoPtrcoDLink, coTreecoDListPtrcoPtrcoDLinkItem, coTree *>)          \
    X(coDLinkItemT<coTreecoDListPtrcoPtrcoDLink, coTree *>)                                        \
    X(coDListBT<coTreecoDListPtrcoPtrcoDListB, coTreecoDListPtrcoPtrcoDLink,                       \
                coTreecoDListPtrcoPtrcoDLinkItem, coTree *, 0>)                                    \
    X(coDListIterBT<coTreecoDListPtrcoPtrcoDListBcoIteratorB, coTreecoDListPtrcoPtrcoDListB>)      \
    X(coDListIterT<coTreecoDListPtrcoPtrcoDListBcoIterator,                                        \
                   coTreecoDListPtrcoPtrcoDListBcoIteratorB, coTreecoDListPtrcoPtrcoDListB>)       \
    X(coDListCursorT<coTreecoDListPtrcoPtrcoDListBcoCursor,                                        \
                     coTreecoDListPtrcoPtrcoDListBcoIterator, coTreecoDListPtrcoPtrcoDListB>)      \
    X(coDListT<coTreecoDListPtrcoPtrcoDList, coTreecoDListPtrcoPtrcoDListBcoCursor,                \
               coTreecoDListPtrcoPtrcoDListB, 0>)
COLIB_DLIST_INSTANCES(COLIB_EXTERN_TEMPLATE)
