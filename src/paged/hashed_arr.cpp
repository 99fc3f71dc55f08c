#include <colib/paged/hashed_arr.h>

#include "paged/hashed_arr.inl"
#include "paged/page_arr.inl"

COLIB_HASHED_ARR_MEMBERS(COLIB_HASHED_ARR_INSTANCES, COLIB_INSTANTIATE)
