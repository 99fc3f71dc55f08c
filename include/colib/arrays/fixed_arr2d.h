// The fixed matrices: one block of size_i x size_j elements reached through
// a table of row pointers, extents fixed when the matrix is made. A default
// matrix is invalid (owns nothing).
//
//   intcoFixedArr2D m{{1, 2}, {3, 4}, {5, 6}};  // 2 x 3: each list is a column
//   m(1, 0);                                     // 2
//
// Every member has the operations of coFixedArr2DT
// (arrays/detail/fixed_arr2d.h).
#pragma once

#include <colib/arrays/detail/fixed_arr2d.h>

// The members: M(X, prefix, element type). utAnycoFixedArr2D holds
// pointers it never owns.
// clang-format off
#define COLIB_FIXED_ARR2D_MEMBERS(M, X) \
    M(X, char, char) M(X, int, int) M(X, double, double) M(X, utAny, utAny) \
    M(X, utString, utString)
// clang-format on

// intcoFixedArr2D, ..., each compiled once in the library.
COLIB_FIXED_ARR2D_MEMBERS(COLIB_FIXED_ARR2D_CLASSES, COLIB_EXTERN_TEMPLATE)
