#include <colib/hashing/set.h>

#include "set.inl"

COLIB_SET_MEMBERS(COLIB_SET_INSTANCES, COLIB_INSTANTIATE)
COLIB_INSTANTIATE(coPrfT<intcoSetcoPrf, intcoSet>)
