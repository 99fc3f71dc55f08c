// The growable matrices: one element block of capacity_i x capacity_j
// slots reached through a table of row pointers, each dimension growing by
// its own step.
//
//   intcoDynArr2D m{{1, 2, 3}, {4, 5, 6}};  // 3 x 2: each list is a column
//   m(2, 5) = 9;                             // grows to 3 x 6
//   std::cout << m;                          // "coDynArr2D {", "  size 3 6", ...
//
// Growth trap: the steps of a default or brace-list matrix are 1, so a
// matrix filled one row (or column) past its capacity at a time copies the
// whole block every time. reserve(a, b) the final extents first, or give
// steps near them (intcoDynArr2D m(0, 0, 256, 256)).
//
// Range-for walks the elements in use row-major ((0, 0), (0, 1), ...),
// skipping the spare capacity; moves take the block in O(1).
//
// Every member has the operations of coDynArr2DT (arrays/detail/dyn_arr2d.h).
// floatcoDynArr2D copies its elements one by one.
#pragma once

#include <colib/arrays/detail/dyn_arr2d.h>

// The members: M(X, prefix, element type, copy mode), the copy mode 1 for
// one block copy, 0 for element by element. utAnycoDynArr2D holds pointers
// it never owns.
// clang-format off
#define COLIB_DYN_ARR2D_MEMBERS(M, X) \
    M(X, char, char, 1) M(X, int, int, 1) M(X, float, float, 0) M(X, double, double, 1) \
    M(X, utAny, utAny, 1) M(X, utString, utString, 0)
// clang-format on

// intcoDynArr2D, ..., each compiled once in the library.
COLIB_DYN_ARR2D_MEMBERS(COLIB_DYN_ARR2D_CLASSES, COLIB_EXTERN_TEMPLATE)
