// The fixed arrays: one owned buffer whose length never changes by itself.
// A default array is invalid (owns nothing); become and set_invalid replace
// or drop the buffer.
//
//   intcoFixedArr a(3);        // three slots, unset
//   intcoFixedArr b{1, 2, 3};  // three slots holding 1, 2, 3
//   a.become(utCOPY, b);       // a copy with its own buffer
//
// Every member has the operations of coFixedArrT (arrays/detail/fixed_arr.h).
// utBoolcoFixedArr holds int truth values.
#pragma once

#include <colib/arrays/detail/fixed_arr.h>

class COLIB_API charcoFixedArr : public coFixedArrT<charcoFixedArr, char> {
public:
    using coFixedArrT::coFixedArrT;
};
class COLIB_API intcoFixedArr : public coFixedArrT<intcoFixedArr, int> {
public:
    using coFixedArrT::coFixedArrT;
};
class COLIB_API doublecoFixedArr : public coFixedArrT<doublecoFixedArr, double> {
public:
    using coFixedArrT::coFixedArrT;
};
class COLIB_API utBoolcoFixedArr : public coFixedArrT<utBoolcoFixedArr, utBool> {
public:
    using coFixedArrT::coFixedArrT;
};
// Holds pointers it never owns.
class COLIB_API utAnycoFixedArr : public coFixedArrT<utAnycoFixedArr, utAny> {
public:
    using coFixedArrT::coFixedArrT;
};
class COLIB_API utStringcoFixedArr : public coFixedArrT<utStringcoFixedArr, utString> {
public:
    using coFixedArrT::coFixedArrT;
};

// Compiled once in the library (src/arrays/fixed_arr.cpp).
extern template class coFixedArrT<charcoFixedArr, char>;
extern template class coFixedArrT<intcoFixedArr, int>;
extern template class coFixedArrT<doublecoFixedArr, double>;
extern template class coFixedArrT<utBoolcoFixedArr, utBool>;
extern template class coFixedArrT<utAnycoFixedArr, utAny>;
extern template class coFixedArrT<utStringcoFixedArr, utString>;
