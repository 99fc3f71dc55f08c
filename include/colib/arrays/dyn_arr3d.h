// The growable three-dimensional arrays: one element block reached through
// a plane table and a row table, each dimension growing by its own step.
//
//   intcoDynArr3D a;
//   a(1, 2, 3) = 7;       // capacities and sizes 2 x 3 x 4
//   std::cout << a;       // "coDynArr3D {", "  size 2 3 4 ", ...
//
// Growth trap: the steps of a default or brace-list array are 1, so growing
// one index past a capacity at a time copies the whole block every time.
// reserve(a, b, c) the final extents first, or give steps near them.
//
// Range-for walks the elements in use with k fastest, then j, then i,
// skipping the spare capacity; moves take the block in O(1).
//
// Every member has the operations of coDynArr3DT (arrays/detail/dyn_arr3d.h).
#pragma once

#include <colib/arrays/detail/dyn_arr3d.h>

// The members: M(X, prefix, element type). utAnycoDynArr3D holds pointers
// it never owns.
// clang-format off
#define COLIB_DYN_ARR3D_MEMBERS(M, X) \
    M(X, char, char) M(X, int, int) M(X, double, double) M(X, utAny, utAny) \
    M(X, utString, utString)
// clang-format on

// intcoDynArr3D, ..., each compiled once in the library.
COLIB_DYN_ARR3D_MEMBERS(COLIB_DYN_ARR3D_CLASSES, COLIB_EXTERN_TEMPLATE)
