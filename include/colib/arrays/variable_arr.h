// Variable arrays: growable arrays whose elements never move, for char,
// int, double, utAny (pointers not owned) and utString.
//
//   intcoVariableArr a;
//   int &first = (a[0] = 1);
//   a[3000] = 7;        // blocks 0 to 9 made; `first` still refers to a[0]
//   for (int v : a) ...
//
// Growth never copies: blocks grow geometrically to 2048 elements, so there
// is no step to choose. Beyond 2048 elements every block holds 2048, and
// the block table grows 10 entries at a time; reserve(n) makes every block
// at once. Moves take the blocks in O(1) and leave the source empty.
#pragma once

#include <colib/arrays/detail/variable_arr.h>

// The members: M(X, prefix, element type).
// clang-format off
#define COLIB_VARIABLE_ARR_MEMBERS(M, X) \
    M(X, char, char) M(X, int, int) M(X, double, double) M(X, utAny, utAny) \
    M(X, utString, utString)
// clang-format on

// intcoVariableArr, intcoVariableArrcoIterator, ..., each compiled once in
// the library.
COLIB_VARIABLE_ARR_MEMBERS(COLIB_VARIABLE_ARR_CLASSES, COLIB_EXTERN_TEMPLATE)
