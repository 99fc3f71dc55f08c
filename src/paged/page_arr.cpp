#include <colib/paged/page_arr.h>

#include "arrays/dyn_arr.inl"
#include "paged/page_arr.inl"

template class coDynArrT<utAnycoPageArrINTERNALcoDynArr, void *, 0, 0>;
template class coDynArrIterT<utAnycoPageArrINTERNALcoDynArrcoIterator,
                             utAnycoPageArrINTERNALcoDynArr>;

template class coPageArrT<charcoPageArr, char>;
template utOstream &coPageArrT<charcoPageArr, char>::print<1, void>(utOstream &) const;
template class coPageArrIterT<charcoPageArrcoIterator, charcoPageArr>;
template class coPageArrT<intcoPageArr, int>;
template utOstream &coPageArrT<intcoPageArr, int>::print<1, void>(utOstream &) const;
template class coPageArrIterT<intcoPageArrcoIterator, intcoPageArr>;
template class coPageArrT<longcoPageArr, long, coElem<long>::block, 0>;
template class coPageArrIterT<longcoPageArrcoIterator, longcoPageArr>;
template class coPageArrT<floatcoPageArr, float, coElem<float>::block, 0>;
template class coPageArrIterT<floatcoPageArrcoIterator, floatcoPageArr>;
template class coPageArrT<doublecoPageArr, double>;
template utOstream &coPageArrT<doublecoPageArr, double>::print<1, void>(utOstream &) const;
template class coPageArrIterT<doublecoPageArrcoIterator, doublecoPageArr>;
template class coPageArrT<utBoolcoPageArr, utBool>;
template utOstream &coPageArrT<utBoolcoPageArr, utBool>::print<1, void>(utOstream &) const;
template class coPageArrIterT<utBoolcoPageArrcoIterator, utBoolcoPageArr>;
template class coPageArrT<utInt64coPageArr, utInt64, coElem<utInt64>::block, 0>;
template class coPageArrIterT<utInt64coPageArrcoIterator, utInt64coPageArr>;
template class coPageArrT<utStringcoPageArr, utString>;
template utOstream &coPageArrT<utStringcoPageArr, utString>::print<1, void>(utOstream &) const;
template class coPageArrIterT<utStringcoPageArrcoIterator, utStringcoPageArr>;
template class coPageArrT<utAnycoPageArr, utAny>;
template utOstream &coPageArrT<utAnycoPageArr, utAny>::print<1, void>(utOstream &) const;
template class coPageArrIterT<utAnycoPageArrcoIterator, utAnycoPageArr>;
