#include <colib/paged/page_arr.h>

#include "arrays/dyn_arr.inl"
#include "paged/page_arr.inl"

COLIB_PAGE_TABLE_INSTANCES(COLIB_INSTANTIATE)
COLIB_PAGE_ARR_MEMBERS(COLIB_PAGE_ARR_INSTANCES, COLIB_INSTANTIATE)
