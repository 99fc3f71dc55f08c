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
// Members: char, int, double, utAny (pointers, not owned), utString, and
// coTreecoDListPtrcoPtr (pointers to tree nodes, not owned by the list; the
// tree's children lists), which does not print.
#pragma once

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

// Compiled once in the library (src/lists/dlist.cpp).
extern template class coDLinkT<charcoDLink, charcoDLinkItem, char>;
extern template class coDLinkItemT<charcoDLink, char>;
extern template class coDListBT<charcoDListB, charcoDLink, charcoDLinkItem, char>;
extern template class coDListIterBT<charcoDListBcoIteratorB, charcoDListB>;
extern template class coDListIterT<charcoDListBcoIterator, charcoDListBcoIteratorB, charcoDListB>;
extern template class coDListCursorT<charcoDListBcoCursor, charcoDListBcoIterator, charcoDListB>;
extern template class coDListT<charcoDList, charcoDListBcoCursor, charcoDListB>;
extern template class coDLinkT<intcoDLink, intcoDLinkItem, int>;
extern template class coDLinkItemT<intcoDLink, int>;
extern template class coDListBT<intcoDListB, intcoDLink, intcoDLinkItem, int>;
extern template class coDListIterBT<intcoDListBcoIteratorB, intcoDListB>;
extern template class coDListIterT<intcoDListBcoIterator, intcoDListBcoIteratorB, intcoDListB>;
extern template class coDListCursorT<intcoDListBcoCursor, intcoDListBcoIterator, intcoDListB>;
extern template class coDListT<intcoDList, intcoDListBcoCursor, intcoDListB>;
extern template class coDLinkT<doublecoDLink, doublecoDLinkItem, double>;
extern template class coDLinkItemT<doublecoDLink, double>;
extern template class coDListBT<doublecoDListB, doublecoDLink, doublecoDLinkItem, double>;
extern template class coDListIterBT<doublecoDListBcoIteratorB, doublecoDListB>;
extern template class coDListIterT<doublecoDListBcoIterator, doublecoDListBcoIteratorB,
                                   doublecoDListB>;
extern template class coDListCursorT<doublecoDListBcoCursor, doublecoDListBcoIterator,
                                     doublecoDListB>;
extern template class coDListT<doublecoDList, doublecoDListBcoCursor, doublecoDListB>;
extern template class coDLinkT<utAnycoDLink, utAnycoDLinkItem, utAny>;
extern template class coDLinkItemT<utAnycoDLink, utAny>;
extern template class coDListBT<utAnycoDListB, utAnycoDLink, utAnycoDLinkItem, utAny>;
extern template class coDListIterBT<utAnycoDListBcoIteratorB, utAnycoDListB>;
extern template class coDListIterT<utAnycoDListBcoIterator, utAnycoDListBcoIteratorB,
                                   utAnycoDListB>;
extern template class coDListCursorT<utAnycoDListBcoCursor, utAnycoDListBcoIterator, utAnycoDListB>;
extern template class coDListT<utAnycoDList, utAnycoDListBcoCursor, utAnycoDListB>;
extern template class coDLinkT<utStringcoDLink, utStringcoDLinkItem, utString>;
extern template class coDLinkItemT<utStringcoDLink, utString>;
extern template class coDListBT<utStringcoDListB, utStringcoDLink, utStringcoDLinkItem, utString>;
extern template class coDListIterBT<utStringcoDListBcoIteratorB, utStringcoDListB>;
extern template class coDListIterT<utStringcoDListBcoIterator, utStringcoDListBcoIteratorB,
                                   utStringcoDListB>;
extern template class coDListCursorT<utStringcoDListBcoCursor, utStringcoDListBcoIterator,
                                     utStringcoDListB>;
extern template class coDListT<utStringcoDList, utStringcoDListBcoCursor, utStringcoDListB>;
extern template class coDLinkT<coTreecoDListPtrcoPtrcoDLink, coTreecoDListPtrcoPtrcoDLinkItem,
                               coTree *>;
extern template class coDLinkItemT<coTreecoDListPtrcoPtrcoDLink, coTree *>;
extern template class coDListBT<coTreecoDListPtrcoPtrcoDListB, coTreecoDListPtrcoPtrcoDLink,
                                coTreecoDListPtrcoPtrcoDLinkItem, coTree *, 0>;
extern template class coDListIterBT<coTreecoDListPtrcoPtrcoDListBcoIteratorB,
                                    coTreecoDListPtrcoPtrcoDListB>;
extern template class coDListIterT<coTreecoDListPtrcoPtrcoDListBcoIterator,
                                   coTreecoDListPtrcoPtrcoDListBcoIteratorB,
                                   coTreecoDListPtrcoPtrcoDListB>;
extern template class coDListCursorT<coTreecoDListPtrcoPtrcoDListBcoCursor,
                                     coTreecoDListPtrcoPtrcoDListBcoIterator,
                                     coTreecoDListPtrcoPtrcoDListB>;
extern template class coDListT<coTreecoDListPtrcoPtrcoDList, coTreecoDListPtrcoPtrcoDListBcoCursor,
                               coTreecoDListPtrcoPtrcoDListB, 0>;
