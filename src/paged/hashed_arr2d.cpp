#include <colib/paged/hashed_arr2d.h>

#include "paged/hashed_arr.inl"
#include "paged/page_arr.inl"

COLIB_HASHED_ARR2D_MEMBERS(COLIB_HASHED_ARR2D_INSTANCES, COLIB_INSTANTIATE)
