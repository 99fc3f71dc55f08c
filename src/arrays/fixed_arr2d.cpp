#include <colib/arrays/fixed_arr2d.h>

#include "fixed_arr2d.inl"

template class coFixedArr2DT<charcoFixedArr2D, char>;
template class coFixedArr2DT<intcoFixedArr2D, int>;
template class coFixedArr2DT<doublecoFixedArr2D, double>;
template class coFixedArr2DT<utAnycoFixedArr2D, utAny>;
template class coFixedArr2DT<utStringcoFixedArr2D, utString>;
