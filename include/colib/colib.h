// colib: every public header of the library.
#pragma once

#include <colib/foundation/foundation.h>

#include <colib/arrays/dyn_arr.h>
#include <colib/paged/page_arr.h>
#include <colib/lists/slist.h>
#include <colib/lists/stack_queue.h>
