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
//
// Members: char, int, double, utAny (pointers, not owned) and utString.
#pragma once

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

// Compiled once in the library (src/lists/slist.cpp).
extern template class coSLinkT<charcoSLink, charcoSLinkItem, char>;
extern template class coSLinkItemT<charcoSLink, char>;
extern template class coSListCoreT<charcoSListB, charcoSLink, charcoSLinkItem, char>;
extern template class coSListCopyT<charcoSListB, charcoSLink, charcoSLinkItem, char>;
extern template class coSListBT<charcoSListB, charcoSLink, charcoSLinkItem, char>;
extern template class coSListIterT<charcoSListBcoIterator, charcoSListB>;
extern template class coSListCursorT<charcoSListBcoCursor, charcoSListBcoIterator, charcoSListB>;
extern template class coSListT<charcoSList, charcoSListBcoCursor, charcoSListB>;
extern template class coSLinkT<intcoSLink, intcoSLinkItem, int>;
extern template class coSLinkItemT<intcoSLink, int>;
extern template class coSListCoreT<intcoSListB, intcoSLink, intcoSLinkItem, int>;
extern template class coSListCopyT<intcoSListB, intcoSLink, intcoSLinkItem, int>;
extern template class coSListBT<intcoSListB, intcoSLink, intcoSLinkItem, int>;
extern template class coSListIterT<intcoSListBcoIterator, intcoSListB>;
extern template class coSListCursorT<intcoSListBcoCursor, intcoSListBcoIterator, intcoSListB>;
extern template class coSListT<intcoSList, intcoSListBcoCursor, intcoSListB>;
extern template class coSLinkT<doublecoSLink, doublecoSLinkItem, double>;
extern template class coSLinkItemT<doublecoSLink, double>;
extern template class coSListCoreT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>;
extern template class coSListCopyT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>;
extern template class coSListBT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>;
extern template class coSListIterT<doublecoSListBcoIterator, doublecoSListB>;
extern template class coSListCursorT<doublecoSListBcoCursor, doublecoSListBcoIterator,
                                     doublecoSListB>;
extern template class coSListT<doublecoSList, doublecoSListBcoCursor, doublecoSListB>;
extern template class coSLinkT<utAnycoSLink, utAnycoSLinkItem, utAny>;
extern template class coSLinkItemT<utAnycoSLink, utAny>;
extern template class coSListCoreT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>;
extern template class coSListCopyT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>;
extern template class coSListBT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>;
extern template class coSListIterT<utAnycoSListBcoIterator, utAnycoSListB>;
extern template class coSListCursorT<utAnycoSListBcoCursor, utAnycoSListBcoIterator, utAnycoSListB>;
extern template class coSListT<utAnycoSList, utAnycoSListBcoCursor, utAnycoSListB>;
extern template class coSLinkT<utStringcoSLink, utStringcoSLinkItem, utString>;
extern template class coSLinkItemT<utStringcoSLink, utString>;
extern template class coSListCoreT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem,
                                   utString>;
extern template class coSListCopyT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem,
                                   utString>;
extern template class coSListBT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem, utString>;
extern template class coSListIterT<utStringcoSListBcoIterator, utStringcoSListB>;
extern template class coSListCursorT<utStringcoSListBcoCursor, utStringcoSListBcoIterator,
                                     utStringcoSListB>;
extern template class coSListT<utStringcoSList, utStringcoSListBcoCursor, utStringcoSListB>;
