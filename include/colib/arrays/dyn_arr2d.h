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
#include <colib/foundation/instances.h>

class COLIB_API charcoDynArr2D : public coDynArr2DT<charcoDynArr2D, char> {
public:
    using coDynArr2DT::coDynArr2DT;
};
class COLIB_API intcoDynArr2D : public coDynArr2DT<intcoDynArr2D, int> {
public:
    using coDynArr2DT::coDynArr2DT;
};
class COLIB_API floatcoDynArr2D : public coDynArr2DT<floatcoDynArr2D, float, 0> {
public:
    using coDynArr2DT::coDynArr2DT;
};
class COLIB_API doublecoDynArr2D : public coDynArr2DT<doublecoDynArr2D, double> {
public:
    using coDynArr2DT::coDynArr2DT;
};
// Holds pointers it never owns.
class COLIB_API utAnycoDynArr2D : public coDynArr2DT<utAnycoDynArr2D, utAny> {
public:
    using coDynArr2DT::coDynArr2DT;
};
class COLIB_API utStringcoDynArr2D : public coDynArr2DT<utStringcoDynArr2D, utString> {
public:
    using coDynArr2DT::coDynArr2DT;
};

// The instances compiled once in the library (src/arrays/dyn_arr2d.cpp).
#define COLIB_DYN_ARR2D_INSTANCES(X)                                                               \
    X(coDynGridT<charcoDynArr2D, char, 2>)                                                         \
    X(coDynGridT<intcoDynArr2D, int, 2>)                                                           \
    X(coDynGridT<floatcoDynArr2D, float, 2, 0>)                                                    \
    X(coDynGridT<doublecoDynArr2D, double, 2>)                                                     \
    X(coDynGridT<utAnycoDynArr2D, utAny, 2>)                                                       \
    X(coDynGridT<utStringcoDynArr2D, utString, 2>)                                                 \
    X(coDynArr2DT<charcoDynArr2D, char>)                                                           \
    X(coDynArr2DT<intcoDynArr2D, int>)                                                             \
    X(coDynArr2DT<floatcoDynArr2D, float, 0>)                                                      \
    X(coDynArr2DT<doublecoDynArr2D, double>)                                                       \
    X(coDynArr2DT<utAnycoDynArr2D, utAny>)                                                         \
    X(coDynArr2DT<utStringcoDynArr2D, utString>)
COLIB_DYN_ARR2D_INSTANCES(COLIB_EXTERN_TEMPLATE)
