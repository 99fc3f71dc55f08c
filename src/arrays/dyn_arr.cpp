#include <colib/arrays/dyn_arr.h>

#include "dyn_arr.inl"

template class coDynArrT<charcoDynArr, char>;
template class coDynArrT<intcoDynArr, int>;
template class coDynArrT<floatcoDynArr, float>;
template class coDynArrT<doublecoDynArr, double>;
template class coDynArrT<utBoolcoDynArr, utBool>;
template class coDynArrT<utStringcoDynArr, utString>;
template class coDynArrT<utAnycoDynArr, utAny>;
template class coDynArrIterT<charcoDynArrcoIterator, charcoDynArr>;
template class coDynArrIterT<intcoDynArrcoIterator, intcoDynArr>;
template class coDynArrIterT<floatcoDynArrcoIterator, floatcoDynArr>;
template class coDynArrIterT<doublecoDynArrcoIterator, doublecoDynArr>;
template class coDynArrIterT<utBoolcoDynArrcoIterator, utBoolcoDynArr>;
template class coDynArrIterT<utStringcoDynArrcoIterator, utStringcoDynArr>;
template class coDynArrIterT<utAnycoDynArrcoIterator, utAnycoDynArr>;
