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

// Compiled once in the library (src/arrays/fixed_arr2d.cpp).
extern template class coFixedArr2DT<charcoFixedArr2D, char>;
extern template class coFixedArr2DT<intcoFixedArr2D, int>;
extern template class coFixedArr2DT<doublecoFixedArr2D, double>;
extern template class coFixedArr2DT<utAnycoFixedArr2D, utAny>;
extern template class coFixedArr2DT<utStringcoFixedArr2D, utString>;
