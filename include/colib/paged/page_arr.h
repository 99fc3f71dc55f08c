// The paged arrays: growable arrays whose elements live in fixed-size
// blocks that never move while the array grows.
//
//   intcoPageArr a;          // 256 elements per block, no block yet
//   a[1000] = 5;             // makes blocks 0 to 3, size 1001
//   int *p = &a[3];
//   a.append(7);             // p stays valid: blocks are never moved
//   std::cout << a;          // "coPageArr {", "  size 1002", ..., "}"
//
// Geometry: the default array has 256 elements per block (shift 8) and a
// block table of 5 entries growing 10 at a time. That suits thousands of
// elements; for millions it means tens of thousands of small blocks and a
// block table copied every 10 blocks. Choose a larger block and a table
// sized for the final count instead:
//
//   intcoPageArr big(16, 160, 16);  // 65536 per block, room for 10M
//
// reserve(n) then makes every block at once. Range-for walks the elements
// in index order; moves take the blocks in O(1) and leave the source empty
// with its geometry.
//
// Every member has the operations of coPageArrT (paged/detail/page_arr.h)
// and its own iterator. longcoPageArr, floatcoPageArr and utInt64coPageArr
// do not print. utBoolcoPageArr holds int truth values.
#pragma once

#include <colib/paged/detail/page_arr.h>

// The members: M(X, prefix, element type, prints (1) or not (0)).
// clang-format off
#define COLIB_PAGE_ARR_MEMBERS(M, X) \
    M(X, char, char, 1) M(X, int, int, 1) M(X, long, long, 0) M(X, float, float, 0) \
    M(X, double, double, 1) M(X, utBool, utBool, 1) M(X, utInt64, utInt64, 0) \
    M(X, utString, utString, 1) M(X, utAny, utAny, 1)
// clang-format on

// intcoPageArr, intcoPageArrcoIterator, ..., each compiled once in the
// library.
COLIB_PAGE_ARR_MEMBERS(COLIB_PAGE_ARR_CLASSES, COLIB_EXTERN_TEMPLATE)
