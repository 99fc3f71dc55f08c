#include <colib/arrays/fixed_arr.h>

#include "fixed_arr.inl"

COLIB_FIXED_ARR_MEMBERS(COLIB_FIXED_ARR_INSTANCES, COLIB_INSTANTIATE)
COLIB_FIXED_ARR_INSTANCES(COLIB_INSTANTIATE, double, double)

doublecoFixedArr::~doublecoFixedArr() = default;
