// Owning array handles for bool, char, int, double and coByte.
//
//   intcoPrgArray owner(new int[100]);
//   owner = new int[50];        // the first array is released
//   int *mine = owner.release(); // the caller owns it again
#pragma once

#include <colib/arrays/detail/prg_array.h>

// The members: M(X, prefix, element type).
// clang-format off
#define COLIB_PRG_ARRAY_MEMBERS(M, X) \
    M(X, bool, bool) M(X, char, char) M(X, int, int) M(X, double, double) M(X, coByte, coByte)
// clang-format on

// intcoPrgArray, ..., each compiled once in the library.
COLIB_PRG_ARRAY_MEMBERS(COLIB_PRG_ARRAY_CLASSES, COLIB_EXTERN_TEMPLATE)
