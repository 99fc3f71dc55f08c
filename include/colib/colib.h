// colib: every public header of the library.
#pragma once

#include <colib/foundation/foundation.h>
#include <colib/foundation/prf.h>

#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>
#include <colib/arrays/fixed_arr.h>
#include <colib/arrays/fixed_arr2d.h>

#include <colib/hashing/interfaces.h>
