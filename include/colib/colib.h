// colib: every public header of the library.
#pragma once

#include <colib/foundation/foundation.h>
#include <colib/foundation/prf.h>

#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>
#include <colib/arrays/fixed_arr.h>
#include <colib/arrays/fixed_arr2d.h>
#include <colib/arrays/prg_array.h>
#include <colib/arrays/stack_fast.h>
#include <colib/arrays/variable_arr.h>

#include <colib/hashing/base_set.h>
#include <colib/hashing/hash.h>
#include <colib/hashing/interfaces.h>
#include <colib/hashing/pointer_set.h>
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>

#include <colib/paged/page_arr.h>
#include <colib/paged/page_table.h>
#include <colib/paged/hashed_keys.h>
#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_arr2d.h>
#include <colib/paged/sparse_arr.h>

#include <colib/sorting/sort.h>

#include <colib/lists/dlist.h>
#include <colib/lists/page_dlist.h>
#include <colib/lists/slist.h>
#include <colib/lists/sorted_list.h>
#include <colib/lists/stack_queue.h>
#include <colib/lists/tree.h>

#include <colib/resources/resource.h>
#include <colib/resources/resource_table.h>

#include <colib/notify/call_list.h>
#include <colib/notify/feature_pool.h>
#include <colib/notify/typed_call.h>
