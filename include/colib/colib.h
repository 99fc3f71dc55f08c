// colib: every public header of the library.
#pragma once

#include <colib/foundation/foundation.h>

#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/prg_array.h>
#include <colib/arrays/stack_fast.h>
#include <colib/arrays/variable_arr.h>
#include <colib/paged/page_arr.h>
#include <colib/lists/dlist.h>
#include <colib/lists/page_dlist.h>
#include <colib/lists/slist.h>
#include <colib/lists/sorted_list.h>
#include <colib/lists/tree.h>
#include <colib/lists/stack_queue.h>
