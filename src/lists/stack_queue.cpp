#include <colib/lists/stack_queue.h>

#include "lists/slist.inl"
#include "lists/stack_queue.inl"

template class coSLinkT<charcoStackINTERNALcoSLink, charcoStackINTERNALcoSLinkItem, char>;
template class coSLinkItemT<charcoStackINTERNALcoSLink, char>;
template class coSListCoreT<charcoStackINTERNALcoSListB, charcoStackINTERNALcoSLink,
                            charcoStackINTERNALcoSLinkItem, char>;
template class coSListCopyT<charcoStackINTERNALcoSListB, charcoStackINTERNALcoSLink,
                            charcoStackINTERNALcoSLinkItem, char>;
template class coSListBT<charcoStackINTERNALcoSListB, charcoStackINTERNALcoSLink,
                         charcoStackINTERNALcoSLinkItem, char>;
template class coSListIterT<charcoStackINTERNALcoSListBcoIterator, charcoStackINTERNALcoSListB>;
template class coSListCursorT<charcoStackINTERNALcoSListBcoCursor,
                              charcoStackINTERNALcoSListBcoIterator, charcoStackINTERNALcoSListB>;
template class coStackT<charcoStack, charcoStackINTERNALcoSListB>;
template class coSLinkT<intcoStackINTERNALcoSLink, intcoStackINTERNALcoSLinkItem, int>;
template class coSLinkItemT<intcoStackINTERNALcoSLink, int>;
template class coSListCoreT<intcoStackINTERNALcoSListB, intcoStackINTERNALcoSLink,
                            intcoStackINTERNALcoSLinkItem, int>;
template class coSListCopyT<intcoStackINTERNALcoSListB, intcoStackINTERNALcoSLink,
                            intcoStackINTERNALcoSLinkItem, int>;
template class coSListBT<intcoStackINTERNALcoSListB, intcoStackINTERNALcoSLink,
                         intcoStackINTERNALcoSLinkItem, int>;
template class coSListIterT<intcoStackINTERNALcoSListBcoIterator, intcoStackINTERNALcoSListB>;
template class coSListCursorT<intcoStackINTERNALcoSListBcoCursor,
                              intcoStackINTERNALcoSListBcoIterator, intcoStackINTERNALcoSListB>;
template class coStackT<intcoStack, intcoStackINTERNALcoSListB>;
template class coSLinkT<doublecoStackINTERNALcoSLink, doublecoStackINTERNALcoSLinkItem, double>;
template class coSLinkItemT<doublecoStackINTERNALcoSLink, double>;
template class coSListCoreT<doublecoStackINTERNALcoSListB, doublecoStackINTERNALcoSLink,
                            doublecoStackINTERNALcoSLinkItem, double>;
template class coSListCopyT<doublecoStackINTERNALcoSListB, doublecoStackINTERNALcoSLink,
                            doublecoStackINTERNALcoSLinkItem, double>;
template class coSListBT<doublecoStackINTERNALcoSListB, doublecoStackINTERNALcoSLink,
                         doublecoStackINTERNALcoSLinkItem, double>;
template class coSListIterT<doublecoStackINTERNALcoSListBcoIterator, doublecoStackINTERNALcoSListB>;
template class coSListCursorT<doublecoStackINTERNALcoSListBcoCursor,
                              doublecoStackINTERNALcoSListBcoIterator,
                              doublecoStackINTERNALcoSListB>;
template class coStackT<doublecoStack, doublecoStackINTERNALcoSListB>;
template class coSLinkT<utAnycoStackINTERNALcoSLink, utAnycoStackINTERNALcoSLinkItem, utAny>;
template class coSLinkItemT<utAnycoStackINTERNALcoSLink, utAny>;
template class coSListCoreT<utAnycoStackINTERNALcoSListB, utAnycoStackINTERNALcoSLink,
                            utAnycoStackINTERNALcoSLinkItem, utAny>;
template class coSListCopyT<utAnycoStackINTERNALcoSListB, utAnycoStackINTERNALcoSLink,
                            utAnycoStackINTERNALcoSLinkItem, utAny>;
template class coSListBT<utAnycoStackINTERNALcoSListB, utAnycoStackINTERNALcoSLink,
                         utAnycoStackINTERNALcoSLinkItem, utAny>;
template class coSListIterT<utAnycoStackINTERNALcoSListBcoIterator, utAnycoStackINTERNALcoSListB>;
template class coSListCursorT<utAnycoStackINTERNALcoSListBcoCursor,
                              utAnycoStackINTERNALcoSListBcoIterator, utAnycoStackINTERNALcoSListB>;
template class coStackT<utAnycoStack, utAnycoStackINTERNALcoSListB>;
template class coSLinkT<utStringcoStackINTERNALcoSLink, utStringcoStackINTERNALcoSLinkItem,
                        utString>;
template class coSLinkItemT<utStringcoStackINTERNALcoSLink, utString>;
template class coSListCoreT<utStringcoStackINTERNALcoSListB, utStringcoStackINTERNALcoSLink,
                            utStringcoStackINTERNALcoSLinkItem, utString>;
template class coSListCopyT<utStringcoStackINTERNALcoSListB, utStringcoStackINTERNALcoSLink,
                            utStringcoStackINTERNALcoSLinkItem, utString>;
template class coSListBT<utStringcoStackINTERNALcoSListB, utStringcoStackINTERNALcoSLink,
                         utStringcoStackINTERNALcoSLinkItem, utString>;
template class coSListIterT<utStringcoStackINTERNALcoSListBcoIterator,
                            utStringcoStackINTERNALcoSListB>;
template class coSListCursorT<utStringcoStackINTERNALcoSListBcoCursor,
                              utStringcoStackINTERNALcoSListBcoIterator,
                              utStringcoStackINTERNALcoSListB>;
template class coStackT<utStringcoStack, utStringcoStackINTERNALcoSListB>;
template class coSLinkT<charcoQueueINTERNALcoSLink, charcoQueueINTERNALcoSLinkItem, char>;
template class coSLinkItemT<charcoQueueINTERNALcoSLink, char>;
template class coSListCoreT<charcoQueueINTERNALcoSListB, charcoQueueINTERNALcoSLink,
                            charcoQueueINTERNALcoSLinkItem, char>;
template class coSListCopyT<charcoQueueINTERNALcoSListB, charcoQueueINTERNALcoSLink,
                            charcoQueueINTERNALcoSLinkItem, char>;
template class coSListBT<charcoQueueINTERNALcoSListB, charcoQueueINTERNALcoSLink,
                         charcoQueueINTERNALcoSLinkItem, char>;
template class coSListIterT<charcoQueueINTERNALcoSListBcoIterator, charcoQueueINTERNALcoSListB>;
template class coSListCursorT<charcoQueueINTERNALcoSListBcoCursor,
                              charcoQueueINTERNALcoSListBcoIterator, charcoQueueINTERNALcoSListB>;
template class coQueueT<charcoQueue, charcoQueueINTERNALcoSListB>;
template class coSLinkT<intcoQueueINTERNALcoSLink, intcoQueueINTERNALcoSLinkItem, int>;
template class coSLinkItemT<intcoQueueINTERNALcoSLink, int>;
template class coSListCoreT<intcoQueueINTERNALcoSListB, intcoQueueINTERNALcoSLink,
                            intcoQueueINTERNALcoSLinkItem, int>;
template class coSListCopyT<intcoQueueINTERNALcoSListB, intcoQueueINTERNALcoSLink,
                            intcoQueueINTERNALcoSLinkItem, int>;
template class coSListBT<intcoQueueINTERNALcoSListB, intcoQueueINTERNALcoSLink,
                         intcoQueueINTERNALcoSLinkItem, int>;
template class coSListIterT<intcoQueueINTERNALcoSListBcoIterator, intcoQueueINTERNALcoSListB>;
template class coSListCursorT<intcoQueueINTERNALcoSListBcoCursor,
                              intcoQueueINTERNALcoSListBcoIterator, intcoQueueINTERNALcoSListB>;
template class coQueueT<intcoQueue, intcoQueueINTERNALcoSListB>;
template class coSLinkT<doublecoQueueINTERNALcoSLink, doublecoQueueINTERNALcoSLinkItem, double>;
template class coSLinkItemT<doublecoQueueINTERNALcoSLink, double>;
template class coSListCoreT<doublecoQueueINTERNALcoSListB, doublecoQueueINTERNALcoSLink,
                            doublecoQueueINTERNALcoSLinkItem, double>;
template class coSListCopyT<doublecoQueueINTERNALcoSListB, doublecoQueueINTERNALcoSLink,
                            doublecoQueueINTERNALcoSLinkItem, double>;
template class coSListBT<doublecoQueueINTERNALcoSListB, doublecoQueueINTERNALcoSLink,
                         doublecoQueueINTERNALcoSLinkItem, double>;
template class coSListIterT<doublecoQueueINTERNALcoSListBcoIterator, doublecoQueueINTERNALcoSListB>;
template class coSListCursorT<doublecoQueueINTERNALcoSListBcoCursor,
                              doublecoQueueINTERNALcoSListBcoIterator,
                              doublecoQueueINTERNALcoSListB>;
template class coQueueT<doublecoQueue, doublecoQueueINTERNALcoSListB>;
template class coSLinkT<utAnycoQueueINTERNALcoSLink, utAnycoQueueINTERNALcoSLinkItem, utAny>;
template class coSLinkItemT<utAnycoQueueINTERNALcoSLink, utAny>;
template class coSListCoreT<utAnycoQueueINTERNALcoSListB, utAnycoQueueINTERNALcoSLink,
                            utAnycoQueueINTERNALcoSLinkItem, utAny>;
template class coSListCopyT<utAnycoQueueINTERNALcoSListB, utAnycoQueueINTERNALcoSLink,
                            utAnycoQueueINTERNALcoSLinkItem, utAny>;
template class coSListBT<utAnycoQueueINTERNALcoSListB, utAnycoQueueINTERNALcoSLink,
                         utAnycoQueueINTERNALcoSLinkItem, utAny>;
template class coSListIterT<utAnycoQueueINTERNALcoSListBcoIterator, utAnycoQueueINTERNALcoSListB>;
template class coSListCursorT<utAnycoQueueINTERNALcoSListBcoCursor,
                              utAnycoQueueINTERNALcoSListBcoIterator, utAnycoQueueINTERNALcoSListB>;
template class coQueueT<utAnycoQueue, utAnycoQueueINTERNALcoSListB>;
template class coSLinkT<utStringcoQueueINTERNALcoSLink, utStringcoQueueINTERNALcoSLinkItem,
                        utString>;
template class coSLinkItemT<utStringcoQueueINTERNALcoSLink, utString>;
template class coSListCoreT<utStringcoQueueINTERNALcoSListB, utStringcoQueueINTERNALcoSLink,
                            utStringcoQueueINTERNALcoSLinkItem, utString>;
template class coSListCopyT<utStringcoQueueINTERNALcoSListB, utStringcoQueueINTERNALcoSLink,
                            utStringcoQueueINTERNALcoSLinkItem, utString>;
template class coSListBT<utStringcoQueueINTERNALcoSListB, utStringcoQueueINTERNALcoSLink,
                         utStringcoQueueINTERNALcoSLinkItem, utString>;
template class coSListIterT<utStringcoQueueINTERNALcoSListBcoIterator,
                            utStringcoQueueINTERNALcoSListB>;
template class coSListCursorT<utStringcoQueueINTERNALcoSListBcoCursor,
                              utStringcoQueueINTERNALcoSListBcoIterator,
                              utStringcoQueueINTERNALcoSListB>;
template class coQueueT<utStringcoQueue, utStringcoQueueINTERNALcoSListB>;
