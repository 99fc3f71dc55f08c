#include <colib/arrays/prg_array.h>

COLIB_PRG_ARRAY_INSTANCES(COLIB_INSTANTIATE)
