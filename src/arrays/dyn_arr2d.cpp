#include <colib/arrays/dyn_arr2d.h>

#include "dyn_arr2d.inl"

COLIB_DYN_ARR2D_MEMBERS(COLIB_DYN_ARR2D_INSTANCES, COLIB_INSTANTIATE)
