#include <colib/lists/slist.h>

#include "lists/slist.inl"

template class coSLinkT<charcoSLink, charcoSLinkItem, char>;
template class coSLinkItemT<charcoSLink, char>;
template class coSListCoreT<charcoSListB, charcoSLink, charcoSLinkItem, char>;
template class coSListCopyT<charcoSListB, charcoSLink, charcoSLinkItem, char>;
template class coSListBT<charcoSListB, charcoSLink, charcoSLinkItem, char>;
template class coSListIterT<charcoSListBcoIterator, charcoSListB>;
template class coSListCursorT<charcoSListBcoCursor, charcoSListBcoIterator, charcoSListB>;
template class coSListT<charcoSList, charcoSListBcoCursor, charcoSListB>;
template class coSLinkT<intcoSLink, intcoSLinkItem, int>;
template class coSLinkItemT<intcoSLink, int>;
template class coSListCoreT<intcoSListB, intcoSLink, intcoSLinkItem, int>;
template class coSListCopyT<intcoSListB, intcoSLink, intcoSLinkItem, int>;
template class coSListBT<intcoSListB, intcoSLink, intcoSLinkItem, int>;
template class coSListIterT<intcoSListBcoIterator, intcoSListB>;
template class coSListCursorT<intcoSListBcoCursor, intcoSListBcoIterator, intcoSListB>;
template class coSListT<intcoSList, intcoSListBcoCursor, intcoSListB>;
template class coSLinkT<doublecoSLink, doublecoSLinkItem, double>;
template class coSLinkItemT<doublecoSLink, double>;
template class coSListCoreT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>;
template class coSListCopyT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>;
template class coSListBT<doublecoSListB, doublecoSLink, doublecoSLinkItem, double>;
template class coSListIterT<doublecoSListBcoIterator, doublecoSListB>;
template class coSListCursorT<doublecoSListBcoCursor, doublecoSListBcoIterator, doublecoSListB>;
template class coSListT<doublecoSList, doublecoSListBcoCursor, doublecoSListB>;
template class coSLinkT<utAnycoSLink, utAnycoSLinkItem, utAny>;
template class coSLinkItemT<utAnycoSLink, utAny>;
template class coSListCoreT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>;
template class coSListCopyT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>;
template class coSListBT<utAnycoSListB, utAnycoSLink, utAnycoSLinkItem, utAny>;
template class coSListIterT<utAnycoSListBcoIterator, utAnycoSListB>;
template class coSListCursorT<utAnycoSListBcoCursor, utAnycoSListBcoIterator, utAnycoSListB>;
template class coSListT<utAnycoSList, utAnycoSListBcoCursor, utAnycoSListB>;
template class coSLinkT<utStringcoSLink, utStringcoSLinkItem, utString>;
template class coSLinkItemT<utStringcoSLink, utString>;
template class coSListCoreT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem, utString>;
template class coSListCopyT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem, utString>;
template class coSListBT<utStringcoSListB, utStringcoSLink, utStringcoSLinkItem, utString>;
template class coSListIterT<utStringcoSListBcoIterator, utStringcoSListB>;
template class coSListCursorT<utStringcoSListBcoCursor, utStringcoSListBcoIterator,
                              utStringcoSListB>;
template class coSListT<utStringcoSList, utStringcoSListBcoCursor, utStringcoSListB>;
