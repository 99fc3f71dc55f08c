// The singly linked lists: a ring of links closed through a sentinel inside
// the list object, with a read-only iterator and an editing cursor.
//
//   intcoSList l{1, 2, 3};      // a list with its own cursor
//   l += 2;                     // the cursor on 2
//   l.insert_before(0);         // 1, 0, 2, 3; the cursor still on 2
//   l.remove();                 // 1, 0, 3; the cursor on 3
//   std::cout << l;             // "coSList {", "  size 3", ..., "}"
//
//   intcoSListBcoIterator it(&list);
//   while (++it) use(it());
//   for (int x : list) use(x);   // front to back
//
// Iterators read (it() is a const reference); cursors, and a list through
// its own cursor, write. Moves take the links in O(1) and leave the source
// empty with its cursor undefined; walkers of the source are then stale.
//
// Members: char, int, double, utAny (pointers, not owned) and utString.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/slist.h>

class charcoSLinkItem;
class intcoSLinkItem;
class doublecoSLinkItem;
class utAnycoSLinkItem;
class utStringcoSLinkItem;

class COLIB_API charcoSLink : public coSLinkT<charcoSLink, charcoSLinkItem, char> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API charcoSLinkItem : public coSLinkItemT<charcoSLink, char> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API charcoSListB : public coSListBT<charcoSListB, charcoSLink, charcoSLinkItem, char> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API charcoSListBcoIterator : public coSListIterT<charcoSListBcoIterator, charcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API charcoSListBcoCursor
    : public coSListCursorT<charcoSListBcoCursor, charcoSListBcoIterator, charcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API charcoSList : public coSListT<charcoSList, charcoSListBcoCursor, charcoSListB> {
public:
    using coSListT::coSListT;
};

class COLIB_API intcoSLink : public coSLinkT<intcoSLink, intcoSLinkItem, int> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API intcoSLinkItem : public coSLinkItemT<intcoSLink, int> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API intcoSListB : public coSListBT<intcoSListB, intcoSLink, intcoSLinkItem, int> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API intcoSListBcoIterator : public coSListIterT<intcoSListBcoIterator, intcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API intcoSListBcoCursor
    : public coSListCursorT<intcoSListBcoCursor, intcoSListBcoIterator, intcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API intcoSList : public coSListT<intcoSList, intcoSListBcoCursor, intcoSListB> {
public:
    using coSListT::coSListT;
};

class COLIB_API doublecoSLink : public coSLinkT<doublecoSLink, doublecoSLinkItem, double> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API doublecoSLinkItem : public coSLinkItemT<doublecoSLink, double> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API doublecoSListB
    : public coSListBT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API doublecoSListBcoIterator
    : public coSListIterT<doublecoSListBcoIterator, doublecoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API doublecoSListBcoCursor
    : public coSListCursorT<doublecoSListBcoCursor, doublecoSListBcoIterator, doublecoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API doublecoSList
    : public coSListT<doublecoSList, doublecoSListBcoCursor, doublecoSListB> {
public:
    using coSListT::coSListT;
};

class COLIB_API utAnycoSLink : public coSLinkT<utAnycoSLink, utAnycoSLinkItem, utAny> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API utAnycoSLinkItem : public coSLinkItemT<utAnycoSLink, utAny> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API utAnycoSListB
    : public coSListBT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API utAnycoSListBcoIterator
    : public coSListIterT<utAnycoSListBcoIterator, utAnycoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API utAnycoSListBcoCursor
    : public coSListCursorT<utAnycoSListBcoCursor, utAnycoSListBcoIterator, utAnycoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API utAnycoSList : public coSListT<utAnycoSList, utAnycoSListBcoCursor, utAnycoSListB> {
public:
    using coSListT::coSListT;
};

class COLIB_API utStringcoSLink : public coSLinkT<utStringcoSLink, utStringcoSLinkItem, utString> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API utStringcoSLinkItem : public coSLinkItemT<utStringcoSLink, utString> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API utStringcoSListB
    : public coSListBT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem, utString> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API utStringcoSListBcoIterator
    : public coSListIterT<utStringcoSListBcoIterator, utStringcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API utStringcoSListBcoCursor
    : public coSListCursorT<utStringcoSListBcoCursor, utStringcoSListBcoIterator,
                            utStringcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API utStringcoSList
    : public coSListT<utStringcoSList, utStringcoSListBcoCursor, utStringcoSListB> {
public:
    using coSListT::coSListT;
};

// The instances compiled once in the library (src/lists/slist.cpp).
#define COLIB_SLIST_INSTANCES(X)                                                                   \
    X(coSLinkT<charcoSLink, charcoSLinkItem, char>)                                                \
    X(coSLinkItemT<charcoSLink, char>)                                                             \
    X(coSListCoreT<charcoSListB, charcoSLink, charcoSLinkItem, char>)                              \
    X(coSListCopyT<charcoSListB, charcoSLink, charcoSLinkItem, char>)                              \
    X(coSListBT<charcoSListB, charcoSLink, charcoSLinkItem, char>)                                 \
    X(coSListIterT<charcoSListBcoIterator, charcoSListB>)                                          \
    X(coSListCursorT<charcoSListBcoCursor, charcoSListBcoIterator, charcoSListB>)                  \
    X(coSListT<charcoSList, charcoSListBcoCursor, charcoSListB>)                                   \
    X(coSLinkT<intcoSLink, intcoSLinkItem, int>)                                                   \
    X(coSLinkItemT<intcoSLink, int>)                                                               \
    X(coSListCoreT<intcoSListB, intcoSLink, intcoSLinkItem, int>)                                  \
    X(coSListCopyT<intcoSListB, intcoSLink, intcoSLinkItem, int>)                                  \
    X(coSListBT<intcoSListB, intcoSLink, intcoSLinkItem, int>)                                     \
    X(coSListIterT<intcoSListBcoIterator, intcoSListB>)                                            \
    X(coSListCursorT<intcoSListBcoCursor, intcoSListBcoIterator, intcoSListB>)                     \
    X(coSListT<intcoSList, intcoSListBcoCursor, intcoSListB>)                                      \
    X(coSLinkT<doublecoSLink, doublecoSLinkItem, double>)                                          \
    X(coSLinkItemT<doublecoSLink, double>)                                                         \
    X(coSListCoreT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>)                      \
    X(coSListCopyT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>)                      \
    X(coSListBT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>)                         \
    X(coSListIterT<doublecoSListBcoIterator, doublecoSListB>)                                      \
    X(coSListCursorT<doublecoSListBcoCursor, doublecoSListBcoIterator, doublecoSListB>)            \
    X(coSListT<doublecoSList, doublecoSListBcoCursor, doublecoSListB>)                             \
    X(coSLinkT<utAnycoSLink, utAnycoSLinkItem, utAny>)                                             \
    X(coSLinkItemT<utAnycoSLink, utAny>)                                                           \
    X(coSListCoreT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>)                          \
    X(coSListCopyT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>)                          \
    X(coSListBT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>)                             \
    X(coSListIterT<utAnycoSListBcoIterator, utAnycoSListB>)                                        \
    X(coSListCursorT<utAnycoSListBcoCursor, utAnycoSListBcoIterator, utAnycoSListB>)               \
    X(coSListT<utAnycoSList, utAnycoSListBcoCursor, utAnycoSListB>)                                \
    X(coSLinkT<utStringcoSLink, utStringcoSLinkItem, utString>)                                    \
    X(coSLinkItemT<utStringcoSLink, utString>)                                                     \
    X(coSListCoreT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem, utString>)              \
    X(coSListCopyT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem, utString>)              \
    X(coSListBT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem, utString>)                 \
    X(coSListIterT<utStringcoSListBcoIterator, utStringcoSListB>)                                  \
    X(coSListCursorT<utStringcoSListBcoCursor, utStringcoSListBcoIterator, utStringcoSListB>)      \
    X(coSListT<utStringcoSList, utStringcoSListBcoCursor, utStringcoSListB>)
COLIB_SLIST_INSTANCES(COLIB_EXTERN_TEMPLATE)
