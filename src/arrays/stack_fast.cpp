#include <colib/arrays/stack_fast.h>

#include "dyn_arr.inl"

template <class D, class A> utOstream &coStackFastT<D, A>::print(utOstream &os) const {
    os << "coFastStack" << std::endl;
    return os << array_;
}

template class coDynArrT<charcoFastStackINTERNALcoDynArr, char>;
template class coDynArrT<intcoFastStackINTERNALcoDynArr, int>;
template class coDynArrT<doublecoFastStackINTERNALcoDynArr, double>;
template class coDynArrT<utAnycoFastStackINTERNALcoDynArr, utAny>;
template class coDynArrT<utStringcoFastStackINTERNALcoDynArr, utString>;
template class coDynArrIterT<charcoFastStackINTERNALcoDynArrcoIterator,
                             charcoFastStackINTERNALcoDynArr>;
template class coDynArrIterT<intcoFastStackINTERNALcoDynArrcoIterator,
                             intcoFastStackINTERNALcoDynArr>;
template class coDynArrIterT<doublecoFastStackINTERNALcoDynArrcoIterator,
                             doublecoFastStackINTERNALcoDynArr>;
template class coDynArrIterT<utAnycoFastStackINTERNALcoDynArrcoIterator,
                             utAnycoFastStackINTERNALcoDynArr>;
template class coDynArrIterT<utStringcoFastStackINTERNALcoDynArrcoIterator,
                             utStringcoFastStackINTERNALcoDynArr>;
template class coStackFastT<charcoStackFast, charcoFastStackINTERNALcoDynArr>;
template class coStackFastT<intcoStackFast, intcoFastStackINTERNALcoDynArr>;
template class coStackFastT<doublecoStackFast, doublecoFastStackINTERNALcoDynArr>;
template class coStackFastT<utAnycoStackFast, utAnycoFastStackINTERNALcoDynArr>;
template class coStackFastT<utStringcoStackFast, utStringcoFastStackINTERNALcoDynArr>;
