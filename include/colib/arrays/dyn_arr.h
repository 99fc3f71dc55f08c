// The dynamic arrays: one contiguous buffer that grows by a fixed step.
//
//   intcoDynArr a(0, 1024);   // no buffer yet, grows 1024 slots at a time
//   a.append(3);              // capacity 1024, size 1
//   a[9] = 5;                 // size 10: the subscript grows the array
//   std::cout << a;           // "coDynArr {", "  size 10", ..., "}"
//
// Growth trap: an array made by default or from a brace list has step 1,
// so every append past the capacity reallocates and copies the whole
// array (n appends cost n^2 / 2 element copies). Give it room before a
// long run of appends: reserve(n) once the final size is known, or a step
// near the final size when it is made (intcoDynArr a(0, 65536)).
//
// Range-for walks the elements in index order; moves take the buffer in
// O(1) and leave the source empty. An iterator reports stale() once the
// array was reallocated, resized or moved from.
//
// Every member has the operations of coDynArrT (arrays/detail/dyn_arr.h);
// utAnycoDynArr adds read(). utBoolcoDynArr holds int truth values.
#pragma once

#include <colib/arrays/detail/dyn_arr.h>

// The members: M(X, prefix, element type). utAnycoDynArr holds pointers it
// never owns.
// clang-format off
#define COLIB_DYN_ARR_MEMBERS(M, X) \
    M(X, char, char) M(X, int, int) M(X, float, float) M(X, double, double) M(X, utBool, utBool) \
    M(X, utString, utString) M(X, utAny, utAny)
// clang-format on

// intcoDynArr, intcoDynArrcoIterator, ..., each compiled once in the library.
COLIB_DYN_ARR_MEMBERS(COLIB_DYN_ARR_CLASSES, COLIB_EXTERN_TEMPLATE)
