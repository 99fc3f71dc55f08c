// Variable arrays: growable arrays whose elements never move, for char,
// int, double, utAny (pointers not owned) and utString.
//
//   intcoVariableArr a;
//   int &first = (a[0] = 1);
//   a[3000] = 7;        // blocks 0 to 9 made; `first` still refers to a[0]
//   for (int v : a) ...
#pragma once

#include <colib/arrays/detail/variable_arr.h>

class COLIB_API charcoVariableArr : public coVariableArrT<charcoVariableArr, char> {
public:
    using coVariableArrT::coVariableArrT;
};
class COLIB_API intcoVariableArr : public coVariableArrT<intcoVariableArr, int> {
public:
    using coVariableArrT::coVariableArrT;
};
class COLIB_API doublecoVariableArr : public coVariableArrT<doublecoVariableArr, double> {
public:
    using coVariableArrT::coVariableArrT;
};
class COLIB_API utAnycoVariableArr : public coVariableArrT<utAnycoVariableArr, utAny> {
public:
    using coVariableArrT::coVariableArrT;
};
class COLIB_API utStringcoVariableArr : public coVariableArrT<utStringcoVariableArr, utString> {
public:
    using coVariableArrT::coVariableArrT;
};

class COLIB_API charcoVariableArrcoIterator
    : public coVariableArrIterT<charcoVariableArrcoIterator, charcoVariableArr> {
public:
    using coVariableArrIterT::coVariableArrIterT;
};
class COLIB_API intcoVariableArrcoIterator
    : public coVariableArrIterT<intcoVariableArrcoIterator, intcoVariableArr> {
public:
    using coVariableArrIterT::coVariableArrIterT;
};
class COLIB_API doublecoVariableArrcoIterator
    : public coVariableArrIterT<doublecoVariableArrcoIterator, doublecoVariableArr> {
public:
    using coVariableArrIterT::coVariableArrIterT;
};
class COLIB_API utAnycoVariableArrcoIterator
    : public coVariableArrIterT<utAnycoVariableArrcoIterator, utAnycoVariableArr> {
public:
    using coVariableArrIterT::coVariableArrIterT;
};
class COLIB_API utStringcoVariableArrcoIterator
    : public coVariableArrIterT<utStringcoVariableArrcoIterator, utStringcoVariableArr> {
public:
    using coVariableArrIterT::coVariableArrIterT;
};

// Compiled once in the library (src/arrays/variable_arr.cpp).
extern template class coVariableArrT<charcoVariableArr, char>;
extern template class coVariableArrT<intcoVariableArr, int>;
extern template class coVariableArrT<doublecoVariableArr, double>;
extern template class coVariableArrT<utAnycoVariableArr, utAny>;
extern template class coVariableArrT<utStringcoVariableArr, utString>;
extern template class coVariableArrIterT<charcoVariableArrcoIterator, charcoVariableArr>;
extern template class coVariableArrIterT<intcoVariableArrcoIterator, intcoVariableArr>;
extern template class coVariableArrIterT<doublecoVariableArrcoIterator, doublecoVariableArr>;
extern template class coVariableArrIterT<utAnycoVariableArrcoIterator, utAnycoVariableArr>;
extern template class coVariableArrIterT<utStringcoVariableArrcoIterator, utStringcoVariableArr>;
