// The stacks and queues: thin classes over their own copies of the singly
// linked list (intcoStackINTERNALcoSListB, intcoQueueINTERNALcoSListB ...),
// distinct types from the public lists and from each other.
//
//   intcoStack s{1, 2, 3};    // 3 on top
//   s.pop();                  // 2 on top
//   intcoQueue q{1, 2, 3};    // 1 at the head
//   q.append(4);              // 4 at the tail
//
// Members: char, int, double, utAny and utString.
#pragma once

#include <colib/lists/detail/stack_queue.h>

class charcoStackINTERNALcoSLinkItem;
class intcoStackINTERNALcoSLinkItem;
class doublecoStackINTERNALcoSLinkItem;
class utAnycoStackINTERNALcoSLinkItem;
class utStringcoStackINTERNALcoSLinkItem;
class charcoQueueINTERNALcoSLinkItem;
class intcoQueueINTERNALcoSLinkItem;
class doublecoQueueINTERNALcoSLinkItem;
class utAnycoQueueINTERNALcoSLinkItem;
class utStringcoQueueINTERNALcoSLinkItem;

class COLIB_API charcoStackINTERNALcoSLink
    : public coSLinkT<charcoStackINTERNALcoSLink, charcoStackINTERNALcoSLinkItem, char> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API charcoStackINTERNALcoSLinkItem
    : public coSLinkItemT<charcoStackINTERNALcoSLink, char> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API charcoStackINTERNALcoSListB
    : public coSListBT<charcoStackINTERNALcoSListB, charcoStackINTERNALcoSLink,
                       charcoStackINTERNALcoSLinkItem, char> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API charcoStackINTERNALcoSListBcoIterator
    : public coSListIterT<charcoStackINTERNALcoSListBcoIterator, charcoStackINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API charcoStackINTERNALcoSListBcoCursor
    : public coSListCursorT<charcoStackINTERNALcoSListBcoCursor,
                            charcoStackINTERNALcoSListBcoIterator, charcoStackINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API charcoStack : public coStackT<charcoStack, charcoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};

class COLIB_API intcoStackINTERNALcoSLink
    : public coSLinkT<intcoStackINTERNALcoSLink, intcoStackINTERNALcoSLinkItem, int> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API intcoStackINTERNALcoSLinkItem
    : public coSLinkItemT<intcoStackINTERNALcoSLink, int> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API intcoStackINTERNALcoSListB
    : public coSListBT<intcoStackINTERNALcoSListB, intcoStackINTERNALcoSLink,
                       intcoStackINTERNALcoSLinkItem, int> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API intcoStackINTERNALcoSListBcoIterator
    : public coSListIterT<intcoStackINTERNALcoSListBcoIterator, intcoStackINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API intcoStackINTERNALcoSListBcoCursor
    : public coSListCursorT<intcoStackINTERNALcoSListBcoCursor,
                            intcoStackINTERNALcoSListBcoIterator, intcoStackINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API intcoStack : public coStackT<intcoStack, intcoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};

class COLIB_API doublecoStackINTERNALcoSLink
    : public coSLinkT<doublecoStackINTERNALcoSLink, doublecoStackINTERNALcoSLinkItem, double> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API doublecoStackINTERNALcoSLinkItem
    : public coSLinkItemT<doublecoStackINTERNALcoSLink, double> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API doublecoStackINTERNALcoSListB
    : public coSListBT<doublecoStackINTERNALcoSListB, doublecoStackINTERNALcoSLink,
                       doublecoStackINTERNALcoSLinkItem, double> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API doublecoStackINTERNALcoSListBcoIterator
    : public coSListIterT<doublecoStackINTERNALcoSListBcoIterator, doublecoStackINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API doublecoStackINTERNALcoSListBcoCursor
    : public coSListCursorT<doublecoStackINTERNALcoSListBcoCursor,
                            doublecoStackINTERNALcoSListBcoIterator,
                            doublecoStackINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API doublecoStack : public coStackT<doublecoStack, doublecoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};

class COLIB_API utAnycoStackINTERNALcoSLink
    : public coSLinkT<utAnycoStackINTERNALcoSLink, utAnycoStackINTERNALcoSLinkItem, utAny> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API utAnycoStackINTERNALcoSLinkItem
    : public coSLinkItemT<utAnycoStackINTERNALcoSLink, utAny> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API utAnycoStackINTERNALcoSListB
    : public coSListBT<utAnycoStackINTERNALcoSListB, utAnycoStackINTERNALcoSLink,
                       utAnycoStackINTERNALcoSLinkItem, utAny> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API utAnycoStackINTERNALcoSListBcoIterator
    : public coSListIterT<utAnycoStackINTERNALcoSListBcoIterator, utAnycoStackINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API utAnycoStackINTERNALcoSListBcoCursor
    : public coSListCursorT<utAnycoStackINTERNALcoSListBcoCursor,
                            utAnycoStackINTERNALcoSListBcoIterator, utAnycoStackINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API utAnycoStack : public coStackT<utAnycoStack, utAnycoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};

class COLIB_API utStringcoStackINTERNALcoSLink
    : public coSLinkT<utStringcoStackINTERNALcoSLink, utStringcoStackINTERNALcoSLinkItem,
                      utString> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API utStringcoStackINTERNALcoSLinkItem
    : public coSLinkItemT<utStringcoStackINTERNALcoSLink, utString> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API utStringcoStackINTERNALcoSListB
    : public coSListBT<utStringcoStackINTERNALcoSListB, utStringcoStackINTERNALcoSLink,
                       utStringcoStackINTERNALcoSLinkItem, utString> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API utStringcoStackINTERNALcoSListBcoIterator
    : public coSListIterT<utStringcoStackINTERNALcoSListBcoIterator,
                          utStringcoStackINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API utStringcoStackINTERNALcoSListBcoCursor
    : public coSListCursorT<utStringcoStackINTERNALcoSListBcoCursor,
                            utStringcoStackINTERNALcoSListBcoIterator,
                            utStringcoStackINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API utStringcoStack
    : public coStackT<utStringcoStack, utStringcoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};

class COLIB_API charcoQueueINTERNALcoSLink
    : public coSLinkT<charcoQueueINTERNALcoSLink, charcoQueueINTERNALcoSLinkItem, char> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API charcoQueueINTERNALcoSLinkItem
    : public coSLinkItemT<charcoQueueINTERNALcoSLink, char> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API charcoQueueINTERNALcoSListB
    : public coSListBT<charcoQueueINTERNALcoSListB, charcoQueueINTERNALcoSLink,
                       charcoQueueINTERNALcoSLinkItem, char> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API charcoQueueINTERNALcoSListBcoIterator
    : public coSListIterT<charcoQueueINTERNALcoSListBcoIterator, charcoQueueINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API charcoQueueINTERNALcoSListBcoCursor
    : public coSListCursorT<charcoQueueINTERNALcoSListBcoCursor,
                            charcoQueueINTERNALcoSListBcoIterator, charcoQueueINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API charcoQueue : public coQueueT<charcoQueue, charcoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};

class COLIB_API intcoQueueINTERNALcoSLink
    : public coSLinkT<intcoQueueINTERNALcoSLink, intcoQueueINTERNALcoSLinkItem, int> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API intcoQueueINTERNALcoSLinkItem
    : public coSLinkItemT<intcoQueueINTERNALcoSLink, int> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API intcoQueueINTERNALcoSListB
    : public coSListBT<intcoQueueINTERNALcoSListB, intcoQueueINTERNALcoSLink,
                       intcoQueueINTERNALcoSLinkItem, int> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API intcoQueueINTERNALcoSListBcoIterator
    : public coSListIterT<intcoQueueINTERNALcoSListBcoIterator, intcoQueueINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API intcoQueueINTERNALcoSListBcoCursor
    : public coSListCursorT<intcoQueueINTERNALcoSListBcoCursor,
                            intcoQueueINTERNALcoSListBcoIterator, intcoQueueINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API intcoQueue : public coQueueT<intcoQueue, intcoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};

class COLIB_API doublecoQueueINTERNALcoSLink
    : public coSLinkT<doublecoQueueINTERNALcoSLink, doublecoQueueINTERNALcoSLinkItem, double> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API doublecoQueueINTERNALcoSLinkItem
    : public coSLinkItemT<doublecoQueueINTERNALcoSLink, double> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API doublecoQueueINTERNALcoSListB
    : public coSListBT<doublecoQueueINTERNALcoSListB, doublecoQueueINTERNALcoSLink,
                       doublecoQueueINTERNALcoSLinkItem, double> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API doublecoQueueINTERNALcoSListBcoIterator
    : public coSListIterT<doublecoQueueINTERNALcoSListBcoIterator, doublecoQueueINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API doublecoQueueINTERNALcoSListBcoCursor
    : public coSListCursorT<doublecoQueueINTERNALcoSListBcoCursor,
                            doublecoQueueINTERNALcoSListBcoIterator,
                            doublecoQueueINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API doublecoQueue : public coQueueT<doublecoQueue, doublecoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};

class COLIB_API utAnycoQueueINTERNALcoSLink
    : public coSLinkT<utAnycoQueueINTERNALcoSLink, utAnycoQueueINTERNALcoSLinkItem, utAny> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API utAnycoQueueINTERNALcoSLinkItem
    : public coSLinkItemT<utAnycoQueueINTERNALcoSLink, utAny> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API utAnycoQueueINTERNALcoSListB
    : public coSListBT<utAnycoQueueINTERNALcoSListB, utAnycoQueueINTERNALcoSLink,
                       utAnycoQueueINTERNALcoSLinkItem, utAny> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API utAnycoQueueINTERNALcoSListBcoIterator
    : public coSListIterT<utAnycoQueueINTERNALcoSListBcoIterator, utAnycoQueueINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API utAnycoQueueINTERNALcoSListBcoCursor
    : public coSListCursorT<utAnycoQueueINTERNALcoSListBcoCursor,
                            utAnycoQueueINTERNALcoSListBcoIterator, utAnycoQueueINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API utAnycoQueue : public coQueueT<utAnycoQueue, utAnycoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};

class COLIB_API utStringcoQueueINTERNALcoSLink
    : public coSLinkT<utStringcoQueueINTERNALcoSLink, utStringcoQueueINTERNALcoSLinkItem,
                      utString> {
public:
    using coSLinkT::coSLinkT;
};
class COLIB_API utStringcoQueueINTERNALcoSLinkItem
    : public coSLinkItemT<utStringcoQueueINTERNALcoSLink, utString> {
public:
    using coSLinkItemT::coSLinkItemT;
};
class COLIB_API utStringcoQueueINTERNALcoSListB
    : public coSListBT<utStringcoQueueINTERNALcoSListB, utStringcoQueueINTERNALcoSLink,
                       utStringcoQueueINTERNALcoSLinkItem, utString> {
public:
    using coSListBT::coSListBT;
};
class COLIB_API utStringcoQueueINTERNALcoSListBcoIterator
    : public coSListIterT<utStringcoQueueINTERNALcoSListBcoIterator,
                          utStringcoQueueINTERNALcoSListB> {
public:
    using coSListIterT::coSListIterT;
};
class COLIB_API utStringcoQueueINTERNALcoSListBcoCursor
    : public coSListCursorT<utStringcoQueueINTERNALcoSListBcoCursor,
                            utStringcoQueueINTERNALcoSListBcoIterator,
                            utStringcoQueueINTERNALcoSListB> {
public:
    using coSListCursorT::coSListCursorT;
};
class COLIB_API utStringcoQueue
    : public coQueueT<utStringcoQueue, utStringcoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};

// Compiled once in the library (src/lists/stack_queue.cpp).
extern template class coSLinkT<charcoStackINTERNALcoSLink, charcoStackINTERNALcoSLinkItem, char>;
extern template class coSLinkItemT<charcoStackINTERNALcoSLink, char>;
extern template class coSListCoreT<charcoStackINTERNALcoSListB, charcoStackINTERNALcoSLink,
                                   charcoStackINTERNALcoSLinkItem, char>;
extern template class coSListCopyT<charcoStackINTERNALcoSListB, charcoStackINTERNALcoSLink,
                                   charcoStackINTERNALcoSLinkItem, char>;
extern template class coSListBT<charcoStackINTERNALcoSListB, charcoStackINTERNALcoSLink,
                                charcoStackINTERNALcoSLinkItem, char>;
extern template class coSListIterT<charcoStackINTERNALcoSListBcoIterator,
                                   charcoStackINTERNALcoSListB>;
extern template class coSListCursorT<charcoStackINTERNALcoSListBcoCursor,
                                     charcoStackINTERNALcoSListBcoIterator,
                                     charcoStackINTERNALcoSListB>;
extern template class coStackT<charcoStack, charcoStackINTERNALcoSListB>;
extern template class coSLinkT<intcoStackINTERNALcoSLink, intcoStackINTERNALcoSLinkItem, int>;
extern template class coSLinkItemT<intcoStackINTERNALcoSLink, int>;
extern template class coSListCoreT<intcoStackINTERNALcoSListB, intcoStackINTERNALcoSLink,
                                   intcoStackINTERNALcoSLinkItem, int>;
extern template class coSListCopyT<intcoStackINTERNALcoSListB, intcoStackINTERNALcoSLink,
                                   intcoStackINTERNALcoSLinkItem, int>;
extern template class coSListBT<intcoStackINTERNALcoSListB, intcoStackINTERNALcoSLink,
                                intcoStackINTERNALcoSLinkItem, int>;
extern template class coSListIterT<intcoStackINTERNALcoSListBcoIterator,
                                   intcoStackINTERNALcoSListB>;
extern template class coSListCursorT<intcoStackINTERNALcoSListBcoCursor,
                                     intcoStackINTERNALcoSListBcoIterator,
                                     intcoStackINTERNALcoSListB>;
extern template class coStackT<intcoStack, intcoStackINTERNALcoSListB>;
extern template class coSLinkT<doublecoStackINTERNALcoSLink, doublecoStackINTERNALcoSLinkItem,
                               double>;
extern template class coSLinkItemT<doublecoStackINTERNALcoSLink, double>;
extern template class coSListCoreT<doublecoStackINTERNALcoSListB, doublecoStackINTERNALcoSLink,
                                   doublecoStackINTERNALcoSLinkItem, double>;
extern template class coSListCopyT<doublecoStackINTERNALcoSListB, doublecoStackINTERNALcoSLink,
                                   doublecoStackINTERNALcoSLinkItem, double>;
extern template class coSListBT<doublecoStackINTERNALcoSListB, doublecoStackINTERNALcoSLink,
                                doublecoStackINTERNALcoSLinkItem, double>;
extern template class coSListIterT<doublecoStackINTERNALcoSListBcoIterator,
                                   doublecoStackINTERNALcoSListB>;
extern template class coSListCursorT<doublecoStackINTERNALcoSListBcoCursor,
                                     doublecoStackINTERNALcoSListBcoIterator,
                                     doublecoStackINTERNALcoSListB>;
extern template class coStackT<doublecoStack, doublecoStackINTERNALcoSListB>;
extern template class coSLinkT<utAnycoStackINTERNALcoSLink, utAnycoStackINTERNALcoSLinkItem, utAny>;
extern template class coSLinkItemT<utAnycoStackINTERNALcoSLink, utAny>;
extern template class coSListCoreT<utAnycoStackINTERNALcoSListB, utAnycoStackINTERNALcoSLink,
                                   utAnycoStackINTERNALcoSLinkItem, utAny>;
extern template class coSListCopyT<utAnycoStackINTERNALcoSListB, utAnycoStackINTERNALcoSLink,
                                   utAnycoStackINTERNALcoSLinkItem, utAny>;
extern template class coSListBT<utAnycoStackINTERNALcoSListB, utAnycoStackINTERNALcoSLink,
                                utAnycoStackINTERNALcoSLinkItem, utAny>;
extern template class coSListIterT<utAnycoStackINTERNALcoSListBcoIterator,
                                   utAnycoStackINTERNALcoSListB>;
extern template class coSListCursorT<utAnycoStackINTERNALcoSListBcoCursor,
                                     utAnycoStackINTERNALcoSListBcoIterator,
                                     utAnycoStackINTERNALcoSListB>;
extern template class coStackT<utAnycoStack, utAnycoStackINTERNALcoSListB>;
extern template class coSLinkT<utStringcoStackINTERNALcoSLink, utStringcoStackINTERNALcoSLinkItem,
                               utString>;
extern template class coSLinkItemT<utStringcoStackINTERNALcoSLink, utString>;
extern template class coSListCoreT<utStringcoStackINTERNALcoSListB, utStringcoStackINTERNALcoSLink,
                                   utStringcoStackINTERNALcoSLinkItem, utString>;
extern template class coSListCopyT<utStringcoStackINTERNALcoSListB, utStringcoStackINTERNALcoSLink,
                                   utStringcoStackINTERNALcoSLinkItem, utString>;
extern template class coSListBT<utStringcoStackINTERNALcoSListB, utStringcoStackINTERNALcoSLink,
                                utStringcoStackINTERNALcoSLinkItem, utString>;
extern template class coSListIterT<utStringcoStackINTERNALcoSListBcoIterator,
                                   utStringcoStackINTERNALcoSListB>;
extern template class coSListCursorT<utStringcoStackINTERNALcoSListBcoCursor,
                                     utStringcoStackINTERNALcoSListBcoIterator,
                                     utStringcoStackINTERNALcoSListB>;
extern template class coStackT<utStringcoStack, utStringcoStackINTERNALcoSListB>;
extern template class coSLinkT<charcoQueueINTERNALcoSLink, charcoQueueINTERNALcoSLinkItem, char>;
extern template class coSLinkItemT<charcoQueueINTERNALcoSLink, char>;
extern template class coSListCoreT<charcoQueueINTERNALcoSListB, charcoQueueINTERNALcoSLink,
                                   charcoQueueINTERNALcoSLinkItem, char>;
extern template class coSListCopyT<charcoQueueINTERNALcoSListB, charcoQueueINTERNALcoSLink,
                                   charcoQueueINTERNALcoSLinkItem, char>;
extern template class coSListBT<charcoQueueINTERNALcoSListB, charcoQueueINTERNALcoSLink,
                                charcoQueueINTERNALcoSLinkItem, char>;
extern template class coSListIterT<charcoQueueINTERNALcoSListBcoIterator,
                                   charcoQueueINTERNALcoSListB>;
extern template class coSListCursorT<charcoQueueINTERNALcoSListBcoCursor,
                                     charcoQueueINTERNALcoSListBcoIterator,
                                     charcoQueueINTERNALcoSListB>;
extern template class coQueueT<charcoQueue, charcoQueueINTERNALcoSListB>;
extern template class coSLinkT<intcoQueueINTERNALcoSLink, intcoQueueINTERNALcoSLinkItem, int>;
extern template class coSLinkItemT<intcoQueueINTERNALcoSLink, int>;
extern template class coSListCoreT<intcoQueueINTERNALcoSListB, intcoQueueINTERNALcoSLink,
                                   intcoQueueINTERNALcoSLinkItem, int>;
extern template class coSListCopyT<intcoQueueINTERNALcoSListB, intcoQueueINTERNALcoSLink,
                                   intcoQueueINTERNALcoSLinkItem, int>;
extern template class coSListBT<intcoQueueINTERNALcoSListB, intcoQueueINTERNALcoSLink,
                                intcoQueueINTERNALcoSLinkItem, int>;
extern template class coSListIterT<intcoQueueINTERNALcoSListBcoIterator,
                                   intcoQueueINTERNALcoSListB>;
extern template class coSListCursorT<intcoQueueINTERNALcoSListBcoCursor,
                                     intcoQueueINTERNALcoSListBcoIterator,
                                     intcoQueueINTERNALcoSListB>;
extern template class coQueueT<intcoQueue, intcoQueueINTERNALcoSListB>;
extern template class coSLinkT<doublecoQueueINTERNALcoSLink, doublecoQueueINTERNALcoSLinkItem,
                               double>;
extern template class coSLinkItemT<doublecoQueueINTERNALcoSLink, double>;
extern template class coSListCoreT<doublecoQueueINTERNALcoSListB, doublecoQueueINTERNALcoSLink,
                                   doublecoQueueINTERNALcoSLinkItem, double>;
extern template class coSListCopyT<doublecoQueueINTERNALcoSListB, doublecoQueueINTERNALcoSLink,
                                   doublecoQueueINTERNALcoSLinkItem, double>;
extern template class coSListBT<doublecoQueueINTERNALcoSListB, doublecoQueueINTERNALcoSLink,
                                doublecoQueueINTERNALcoSLinkItem, double>;
extern template class coSListIterT<doublecoQueueINTERNALcoSListBcoIterator,
                                   doublecoQueueINTERNALcoSListB>;
extern template class coSListCursorT<doublecoQueueINTERNALcoSListBcoCursor,
                                     doublecoQueueINTERNALcoSListBcoIterator,
                                     doublecoQueueINTERNALcoSListB>;
extern template class coQueueT<doublecoQueue, doublecoQueueINTERNALcoSListB>;
extern template class coSLinkT<utAnycoQueueINTERNALcoSLink, utAnycoQueueINTERNALcoSLinkItem, utAny>;
extern template class coSLinkItemT<utAnycoQueueINTERNALcoSLink, utAny>;
extern template class coSListCoreT<utAnycoQueueINTERNALcoSListB, utAnycoQueueINTERNALcoSLink,
                                   utAnycoQueueINTERNALcoSLinkItem, utAny>;
extern template class coSListCopyT<utAnycoQueueINTERNALcoSListB, utAnycoQueueINTERNALcoSLink,
                                   utAnycoQueueINTERNALcoSLinkItem, utAny>;
extern template class coSListBT<utAnycoQueueINTERNALcoSListB, utAnycoQueueINTERNALcoSLink,
                                utAnycoQueueINTERNALcoSLinkItem, utAny>;
extern template class coSListIterT<utAnycoQueueINTERNALcoSListBcoIterator,
                                   utAnycoQueueINTERNALcoSListB>;
extern template class coSListCursorT<utAnycoQueueINTERNALcoSListBcoCursor,
                                     utAnycoQueueINTERNALcoSListBcoIterator,
                                     utAnycoQueueINTERNALcoSListB>;
extern template class coQueueT<utAnycoQueue, utAnycoQueueINTERNALcoSListB>;
extern template class coSLinkT<utStringcoQueueINTERNALcoSLink, utStringcoQueueINTERNALcoSLinkItem,
                               utString>;
extern template class coSLinkItemT<utStringcoQueueINTERNALcoSLink, utString>;
extern template class coSListCoreT<utStringcoQueueINTERNALcoSListB, utStringcoQueueINTERNALcoSLink,
                                   utStringcoQueueINTERNALcoSLinkItem, utString>;
extern template class coSListCopyT<utStringcoQueueINTERNALcoSListB, utStringcoQueueINTERNALcoSLink,
                                   utStringcoQueueINTERNALcoSLinkItem, utString>;
extern template class coSListBT<utStringcoQueueINTERNALcoSListB, utStringcoQueueINTERNALcoSLink,
                                utStringcoQueueINTERNALcoSLinkItem, utString>;
extern template class coSListIterT<utStringcoQueueINTERNALcoSListBcoIterator,
                                   utStringcoQueueINTERNALcoSListB>;
extern template class coSListCursorT<utStringcoQueueINTERNALcoSListBcoCursor,
                                     utStringcoQueueINTERNALcoSListBcoIterator,
                                     utStringcoQueueINTERNALcoSListB>;
extern template class coQueueT<utStringcoQueue, utStringcoQueueINTERNALcoSListB>;
