#include <colib/lists/page_dlist.h>

#include "lists/page_dlist.inl"
#include "paged/page_arr.inl"

template class coPageDLinkT<intcoPageDLink, int>;
template class coPageArrT<intcoPageDLinkcoPageArr, intcoPageDLink, 1, 0>;
template class coPageArrIterT<intcoPageDLinkcoPageArrcoIterator, intcoPageDLinkcoPageArr>;
template class coPageDListIterT<intcoPageDListcoIterator, intcoPageDList, int>;
template class coPageDListT<intcoPageDList, int, intcoPageDLink, intcoPageDLinkcoPageArr,
                            intcoPageDListcoIterator>;
template class coPageDLinkT<doublecoPageDLink, double>;
template class coPageArrT<doublecoPageDLinkcoPageArr, doublecoPageDLink, 1, 0>;
template class coPageArrIterT<doublecoPageDLinkcoPageArrcoIterator, doublecoPageDLinkcoPageArr>;
template class coPageDListIterT<doublecoPageDListcoIterator, doublecoPageDList, double>;
template class coPageDListT<doublecoPageDList, double, doublecoPageDLink,
                            doublecoPageDLinkcoPageArr, doublecoPageDListcoIterator>;
