// The hashed arrays: arrays addressed by any int index, where only the
// indexes actually written take storage.
//
//   intcoHashedArr a;
//   a[999] = 5;              // one element stored, size() 1000
//   int x = a[7];            // 0: reading never creates an index
//   a[-7] = 1;               // negative indexes are ordinary (not -1)
//   for (auto [i, v] : a)    // written elements, key-slot order
//       std::cout << i << " " << v << "\n";
//   std::cout << a;          // "coHashedArr {", "  size 1000", 1000 lines, "}"
//
// Rules of the family:
//   - a[k] = v creates index k on its first write and overwrites it after;
//     reading a[k] (or read(k)) of an unwritten index gives the zero
//     element ('\0', 0, 0.0, null) and stores nothing;
//   - size() is the largest index written + 1; count() is the number of
//     indexes written;
//   - elements never move: a reference obtained from a write stays valid
//     while other indexes are written, until the array is destroyed;
//   - nothing is ever removed; arrays move but do not copy;
//   - index -1 cannot be written (it marks empty key slots); hardened
//     builds abort on it. It reads as the zero element.
//
// Every member has the operations of coHashedArrT (paged/detail/hashed_arr.h),
// its own Proxy (what a[k] gives), coIterator (the key-slot walker) and
// INTERNALcoPageArr (the storage, a paged array that prints as
// "coPageArr {").
#pragma once

#include <colib/paged/detail/hashed_arr.h>

// The members: M(X, prefix, element type).
// clang-format off
#define COLIB_HASHED_ARR_MEMBERS(M, X) \
    M(X, char, char) M(X, int, int) M(X, double, double) M(X, utAny, utAny)
// clang-format on

// intcoHashedArr, intcoHashedArrProxy, intcoHashedArrcoIterator and
// intcoHashedArrINTERNALcoPageArr(coIterator), ..., each compiled once in
// the library.
COLIB_HASHED_ARR_MEMBERS(COLIB_HASHED_ARR_CLASSES, COLIB_EXTERN_TEMPLATE)
