#include <colib/lists/slist.h>

#include "lists/slist.inl"

COLIB_SLIST_MEMBERS(COLIB_SLIST_INSTANCES, COLIB_INSTANTIATE)
