// Fast stacks: stacks in one contiguous buffer, for char, int, double,
// utAny and utString. Each keeps its elements in a dynamic array class of
// its own (intcoFastStackINTERNALcoDynArr, ...), which has every member
// of the dynamic arrays; utAny's has no read().
//
//   intcoStackFast s(0, 4096);
//   s.push(1); s.push(2);
//   s.top();   // 2
//   s.pop();   // size 1, buffer kept
//   for (int x : s) ...   // bottom first
//
// The two numbers are the capacity and the step, not elements:
// intcoStackFast s{1, 2} is an empty stack with capacity 1 and step 2.
// push grows the buffer by half its size at least, but array().append on a
// default stack grows one slot at a time (step 1): reserve first, or give a
// step near the final size.
#pragma once

#include <colib/arrays/detail/stack_fast.h>

// The members: M(X, prefix, element type). Each stamps three classes, the
// stack and its inner array with that array's iterator
// (intcoStackFast, intcoFastStackINTERNALcoDynArr,
// intcoFastStackINTERNALcoDynArrcoIterator), compiled once in the library.
// clang-format off
#define COLIB_STACK_FAST_MEMBERS(M, X) \
    M(X, char, char) M(X, int, int) M(X, double, double) M(X, utAny, utAny) \
    M(X, utString, utString)
// clang-format on

COLIB_STACK_FAST_MEMBERS(COLIB_STACK_FAST_CLASSES, COLIB_EXTERN_TEMPLATE)
