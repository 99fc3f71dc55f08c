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
#include <colib/foundation/instances.h>

class COLIB_API charcoFixedArr2D : public coFixedArr2DT<charcoFixedArr2D, char> {
public:
    using coFixedArr2DT::coFixedArr2DT;
};
class COLIB_API intcoFixedArr2D : public coFixedArr2DT<intcoFixedArr2D, int> {
public:
    using coFixedArr2DT::coFixedArr2DT;
};
class COLIB_API doublecoFixedArr2D : public coFixedArr2DT<doublecoFixedArr2D, double> {
public:
    using coFixedArr2DT::coFixedArr2DT;
};
// Holds pointers it never owns.
class COLIB_API utAnycoFixedArr2D : public coFixedArr2DT<utAnycoFixedArr2D, utAny> {
public:
    using coFixedArr2DT::coFixedArr2DT;
};
class COLIB_API utStringcoFixedArr2D : public coFixedArr2DT<utStringcoFixedArr2D, utString> {
public:
    using coFixedArr2DT::coFixedArr2DT;
};

// The instances compiled once in the library (src/arrays/fixed_arr2d.cpp).
#define COLIB_FIXED_ARR2D_INSTANCES(X)                                                             \
    X(coFixedArr2DT<charcoFixedArr2D, char>)                                                       \
    X(coFixedArr2DT<intcoFixedArr2D, int>)                                                         \
    X(coFixedArr2DT<doublecoFixedArr2D, double>)                                                   \
    X(coFixedArr2DT<utAnycoFixedArr2D, utAny>)                                                     \
    X(coFixedArr2DT<utStringcoFixedArr2D, utString>)
COLIB_FIXED_ARR2D_INSTANCES(COLIB_EXTERN_TEMPLATE)
