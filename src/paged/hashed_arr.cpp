#include <colib/paged/hashed_arr.h>

#include "paged/hashed_arr.inl"
#include "paged/page_arr.inl"

COLIB_HASHED_ARR_INSTANCES(COLIB_INSTANTIATE)

// The storage prints as every printing paged array does.
template utOstream &
coPageArrT<charcoHashedArrINTERNALcoPageArr, char>::print<1, void>(utOstream &) const;
template utOstream &
coPageArrT<intcoHashedArrINTERNALcoPageArr, int>::print<1, void>(utOstream &) const;
template utOstream &
coPageArrT<doublecoHashedArrINTERNALcoPageArr, double>::print<1, void>(utOstream &) const;
template utOstream &
coPageArrT<utAnycoHashedArrINTERNALcoPageArr, utAny>::print<1, void>(utOstream &) const;
