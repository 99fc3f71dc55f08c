#include <colib/arrays/dyn_arr2d.h>

#include "dyn_arr2d.inl"

template class coDynGridT<charcoDynArr2D, char, 2>;
template class coDynGridT<intcoDynArr2D, int, 2>;
template class coDynGridT<floatcoDynArr2D, float, 2, 0>;
template class coDynGridT<doublecoDynArr2D, double, 2>;
template class coDynGridT<utAnycoDynArr2D, utAny, 2>;
template class coDynGridT<utStringcoDynArr2D, utString, 2>;
template class coDynArr2DT<charcoDynArr2D, char>;
template class coDynArr2DT<intcoDynArr2D, int>;
template class coDynArr2DT<floatcoDynArr2D, float, 0>;
template class coDynArr2DT<doublecoDynArr2D, double>;
template class coDynArr2DT<utAnycoDynArr2D, utAny>;
template class coDynArr2DT<utStringcoDynArr2D, utString>;
