#include <colib/arrays/dyn_arr.h>

#include "dyn_arr.inl"

COLIB_DYN_ARR_MEMBERS(COLIB_DYN_ARR_INSTANCES, COLIB_INSTANTIATE)
