#include <colib/lists/dlist.h>

#include "dlist.inl"

COLIB_DLIST_MEMBERS(COLIB_DLIST_INSTANCES, COLIB_INSTANTIATE)
