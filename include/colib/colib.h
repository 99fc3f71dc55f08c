// colib: every public header of the library.
#pragma once

#include <colib/foundation/foundation.h>
#include <colib/foundation/prf.h>

#include <colib/arrays/dyn_arr.h>

#include <colib/hashing/interfaces.h>
#include <colib/hashing/hash.h>
#include <colib/hashing/set.h>
#include <colib/hashing/pointer_set.h>
#include <colib/hashing/table.h>
