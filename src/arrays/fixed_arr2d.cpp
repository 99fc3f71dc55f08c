#include <colib/arrays/fixed_arr2d.h>

#include "fixed_arr2d.inl"

COLIB_FIXED_ARR2D_MEMBERS(COLIB_FIXED_ARR2D_INSTANCES, COLIB_INSTANTIATE)
