#include <colib/arrays/prg_array.h>

template class coPrgArrayT<boolcoPrgArray, bool>;
template class coPrgArrayT<charcoPrgArray, char>;
template class coPrgArrayT<intcoPrgArray, int>;
template class coPrgArrayT<doublecoPrgArray, double>;
template class coPrgArrayT<coBytecoPrgArray, coByte>;
