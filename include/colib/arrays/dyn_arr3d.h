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
#include <colib/foundation/instances.h>

class COLIB_API charcoDynArr3D : public coDynArr3DT<charcoDynArr3D, char> {
public:
    using coDynArr3DT::coDynArr3DT;
};
class COLIB_API intcoDynArr3D : public coDynArr3DT<intcoDynArr3D, int> {
public:
    using coDynArr3DT::coDynArr3DT;
};
class COLIB_API doublecoDynArr3D : public coDynArr3DT<doublecoDynArr3D, double> {
public:
    using coDynArr3DT::coDynArr3DT;
};
// Holds pointers it never owns.
class COLIB_API utAnycoDynArr3D : public coDynArr3DT<utAnycoDynArr3D, utAny> {
public:
    using coDynArr3DT::coDynArr3DT;
};
class COLIB_API utStringcoDynArr3D : public coDynArr3DT<utStringcoDynArr3D, utString> {
public:
    using coDynArr3DT::coDynArr3DT;
};

// The instances compiled once in the library (src/arrays/dyn_arr3d.cpp).
#define COLIB_DYN_ARR3D_INSTANCES(X)                                                               \
    X(coDynGridT<charcoDynArr3D, char, 3>)                                                         \
    X(coDynGridT<intcoDynArr3D, int, 3>)                                                           \
    X(coDynGridT<doublecoDynArr3D, double, 3>)                                                     \
    X(coDynGridT<utAnycoDynArr3D, utAny, 3>)                                                       \
    X(coDynGridT<utStringcoDynArr3D, utString, 3>)                                                 \
    X(coDynArr3DT<charcoDynArr3D, char>)                                                           \
    X(coDynArr3DT<intcoDynArr3D, int>)                                                             \
    X(coDynArr3DT<doublecoDynArr3D, double>)                                                       \
    X(coDynArr3DT<utAnycoDynArr3D, utAny>)                                                         \
    X(coDynArr3DT<utStringcoDynArr3D, utString>)
COLIB_DYN_ARR3D_INSTANCES(COLIB_EXTERN_TEMPLATE)
