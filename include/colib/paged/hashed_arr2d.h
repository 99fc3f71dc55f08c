// The two-dimensional hashed arrays: arrays addressed by any pair of ints,
// where only the pairs actually written take storage.
//
//   intcoHashedArr2D a;
//   a[2][3] = 7;                    // creates the pair (2, 3)
//   int x = a[4][4];                // 0: reading never creates a pair
//   a.largest_first();              // 2 (largest_second() 3)
//   for (auto [i, j, v] : a) ...    // written cells, key-slot order
//
// Rules of the family:
//   - a[i][j] = v creates the pair on its first write and overwrites it
//     after; reading an unwritten pair gives the zero element and stores
//     nothing;
//   - the largest first and second indexes written are kept independently;
//     count() is the number of pairs written;
//   - elements never move; nothing is ever removed; arrays move but do not
//     copy; the arrays do not print;
//   - the pair (-1, -1) cannot be written (it marks empty key slots);
//     hardened builds abort on it. (-1, 4) and (4, -1) are ordinary.
//
// Every member has the operations of coHashedArr2DT
// (paged/detail/hashed_arr2d.h), its own Proxy1D (what a[i] gives), Proxy
// (what a[i][j] gives), coIterator (the key-slot walker) and
// INTERNALcoPageArr (the storage, a paged array without stream operators).
#pragma once

#include <colib/paged/detail/hashed_arr2d.h>

// The members: M(X, prefix, element type).
// clang-format off
#define COLIB_HASHED_ARR2D_MEMBERS(M, X) \
    M(X, int, int) M(X, char, char)
// clang-format on

// intcoHashedArr2D, its Proxy1D, Proxy, coIterator and INTERNALcoPageArr
// (with its coIterator), ..., each compiled once in the library.
COLIB_HASHED_ARR2D_MEMBERS(COLIB_HASHED_ARR2D_CLASSES, COLIB_EXTERN_TEMPLATE)
