#include <colib/arrays/dyn_arr3d.h>

#include "dyn_arr3d.inl"

template class coDynGridT<charcoDynArr3D, char, 3>;
template class coDynGridT<intcoDynArr3D, int, 3>;
template class coDynGridT<doublecoDynArr3D, double, 3>;
template class coDynGridT<utAnycoDynArr3D, utAny, 3>;
template class coDynGridT<utStringcoDynArr3D, utString, 3>;
template class coDynArr3DT<charcoDynArr3D, char>;
template class coDynArr3DT<intcoDynArr3D, int>;
template class coDynArr3DT<doublecoDynArr3D, double>;
template class coDynArr3DT<utAnycoDynArr3D, utAny>;
template class coDynArr3DT<utStringcoDynArr3D, utString>;
