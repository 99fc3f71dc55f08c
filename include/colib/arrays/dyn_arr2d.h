// The growable matrices: one element block of capacity_i x capacity_j
// slots reached through a table of row pointers, each dimension growing by
// its own step.
//
//   intcoDynArr2D m{{1, 2, 3}, {4, 5, 6}};  // 3 x 2: each list is a column
//   m(2, 5) = 9;                             // grows to 3 x 6
//   std::cout << m;                          // "coDynArr2D {", "  size 3 6", ...
//
// Every member has the operations of coDynArr2DT (arrays/detail/dyn_arr2d.h).
// floatcoDynArr2D copies its elements one by one.
#pragma once

#include <colib/arrays/detail/dyn_arr2d.h>

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

// Compiled once in the library (src/arrays/dyn_arr2d.cpp).
extern template class coDynGridT<charcoDynArr2D, char, 2>;
extern template class coDynGridT<intcoDynArr2D, int, 2>;
extern template class coDynGridT<floatcoDynArr2D, float, 2, 0>;
extern template class coDynGridT<doublecoDynArr2D, double, 2>;
extern template class coDynGridT<utAnycoDynArr2D, utAny, 2>;
extern template class coDynGridT<utStringcoDynArr2D, utString, 2>;
extern template class coDynArr2DT<charcoDynArr2D, char>;
extern template class coDynArr2DT<intcoDynArr2D, int>;
extern template class coDynArr2DT<floatcoDynArr2D, float, 0>;
extern template class coDynArr2DT<doublecoDynArr2D, double>;
extern template class coDynArr2DT<utAnycoDynArr2D, utAny>;
extern template class coDynArr2DT<utStringcoDynArr2D, utString>;
