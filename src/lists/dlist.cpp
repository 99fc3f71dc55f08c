#include <colib/lists/dlist.h>

#include "dlist.inl"

template class coDLinkT<charcoDLink, charcoDLinkItem, char>;
template class coDLinkItemT<charcoDLink, char>;
template class coDListBT<charcoDListB, charcoDLink, charcoDLinkItem, char>;
template class coDListIterBT<charcoDListBcoIteratorB, charcoDListB>;
template class coDListIterT<charcoDListBcoIterator, charcoDListBcoIteratorB, charcoDListB>;
template class coDListCursorT<charcoDListBcoCursor, charcoDListBcoIterator, charcoDListB>;
template class coDListT<charcoDList, charcoDListBcoCursor, charcoDListB>;
template class coDLinkT<intcoDLink, intcoDLinkItem, int>;
template class coDLinkItemT<intcoDLink, int>;
template class coDListBT<intcoDListB, intcoDLink, intcoDLinkItem, int>;
template class coDListIterBT<intcoDListBcoIteratorB, intcoDListB>;
template class coDListIterT<intcoDListBcoIterator, intcoDListBcoIteratorB, intcoDListB>;
template class coDListCursorT<intcoDListBcoCursor, intcoDListBcoIterator, intcoDListB>;
template class coDListT<intcoDList, intcoDListBcoCursor, intcoDListB>;
template class coDLinkT<doublecoDLink, doublecoDLinkItem, double>;
template class coDLinkItemT<doublecoDLink, double>;
template class coDListBT<doublecoDListB, doublecoDLink, doublecoDLinkItem, double>;
template class coDListIterBT<doublecoDListBcoIteratorB, doublecoDListB>;
template class coDListIterT<doublecoDListBcoIterator, doublecoDListBcoIteratorB, doublecoDListB>;
template class coDListCursorT<doublecoDListBcoCursor, doublecoDListBcoIterator, doublecoDListB>;
template class coDListT<doublecoDList, doublecoDListBcoCursor, doublecoDListB>;
template class coDLinkT<utAnycoDLink, utAnycoDLinkItem, utAny>;
template class coDLinkItemT<utAnycoDLink, utAny>;
template class coDListBT<utAnycoDListB, utAnycoDLink, utAnycoDLinkItem, utAny>;
template class coDListIterBT<utAnycoDListBcoIteratorB, utAnycoDListB>;
template class coDListIterT<utAnycoDListBcoIterator, utAnycoDListBcoIteratorB, utAnycoDListB>;
template class coDListCursorT<utAnycoDListBcoCursor, utAnycoDListBcoIterator, utAnycoDListB>;
template class coDListT<utAnycoDList, utAnycoDListBcoCursor, utAnycoDListB>;
template class coDLinkT<utStringcoDLink, utStringcoDLinkItem, utString>;
template class coDLinkItemT<utStringcoDLink, utString>;
template class coDListBT<utStringcoDListB, utStringcoDLink, utStringcoDLinkItem, utString>;
template class coDListIterBT<utStringcoDListBcoIteratorB, utStringcoDListB>;
template class coDListIterT<utStringcoDListBcoIterator, utStringcoDListBcoIteratorB,
                            utStringcoDListB>;
template class coDListCursorT<utStringcoDListBcoCursor, utStringcoDListBcoIterator,
                              utStringcoDListB>;
template class coDListT<utStringcoDList, utStringcoDListBcoCursor, utStringcoDListB>;
template class coDLinkT<coTreecoDListPtrcoPtrcoDLink, coTreecoDListPtrcoPtrcoDLinkItem, coTree *>;
template class coDLinkItemT<coTreecoDListPtrcoPtrcoDLink, coTree *>;
template class coDListBT<coTreecoDListPtrcoPtrcoDListB, coTreecoDListPtrcoPtrcoDLink,
                         coTreecoDListPtrcoPtrcoDLinkItem, coTree *, 0>;
template class coDListIterBT<coTreecoDListPtrcoPtrcoDListBcoIteratorB,
                             coTreecoDListPtrcoPtrcoDListB>;
template class coDListIterT<coTreecoDListPtrcoPtrcoDListBcoIterator,
                            coTreecoDListPtrcoPtrcoDListBcoIteratorB,
                            coTreecoDListPtrcoPtrcoDListB>;
template class coDListCursorT<coTreecoDListPtrcoPtrcoDListBcoCursor,
                              coTreecoDListPtrcoPtrcoDListBcoIterator,
                              coTreecoDListPtrcoPtrcoDListB>;
template class coDListT<coTreecoDListPtrcoPtrcoDList, coTreecoDListPtrcoPtrcoDListBcoCursor,
                        coTreecoDListPtrcoPtrcoDListB, 0>;
