#include <colib/lists/page_dlist.h>

#include "lists/page_dlist.inl"
#include "paged/page_arr.inl"

COLIB_PAGE_DLIST_MEMBERS(COLIB_PAGE_DLIST_INSTANCES, COLIB_INSTANTIATE)
