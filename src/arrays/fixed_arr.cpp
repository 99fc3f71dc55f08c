#include <colib/arrays/fixed_arr.h>

#include "fixed_arr.inl"

template class coFixedArrT<charcoFixedArr, char>;
template class coFixedArrT<intcoFixedArr, int>;
template class coFixedArrT<doublecoFixedArr, double>;
template class coFixedArrT<utBoolcoFixedArr, utBool>;
template class coFixedArrT<utAnycoFixedArr, utAny>;
template class coFixedArrT<utStringcoFixedArr, utString>;

doublecoFixedArr::~doublecoFixedArr() = default;
