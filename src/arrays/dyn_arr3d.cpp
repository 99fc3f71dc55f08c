#include <colib/arrays/dyn_arr3d.h>

#include "dyn_arr3d.inl"

COLIB_DYN_ARR3D_MEMBERS(COLIB_DYN_ARR3D_INSTANCES, COLIB_INSTANTIATE)
