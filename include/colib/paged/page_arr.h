// The paged arrays: growable arrays whose elements live in fixed-size
// blocks that never move while the array grows.
//
//   intcoPageArr a;          // 256 elements per block, no block yet
//   a[1000] = 5;             // makes blocks 0 to 3, size 1001
//   int *p = &a[3];
//   a.append(7);             // p stays valid: blocks are never moved
//   std::cout << a;          // "coPageArr {", "  size 1002", ..., "}"
//
// Every member has the operations of coPageArrT (paged/detail/page_arr.h)
// and its own iterator. longcoPageArr, floatcoPageArr and utInt64coPageArr
// do not print. utBoolcoPageArr holds int truth values.
#pragma once

#include <colib/paged/detail/page_arr.h>

class COLIB_API charcoPageArr : public coPageArrT<charcoPageArr, char> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API intcoPageArr : public coPageArrT<intcoPageArr, int> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API longcoPageArr : public coPageArrT<longcoPageArr, long, coElem<long>::block, 0> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API floatcoPageArr : public coPageArrT<floatcoPageArr, float, coElem<float>::block, 0> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API doublecoPageArr : public coPageArrT<doublecoPageArr, double> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API utBoolcoPageArr : public coPageArrT<utBoolcoPageArr, utBool> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API utInt64coPageArr
    : public coPageArrT<utInt64coPageArr, utInt64, coElem<utInt64>::block, 0> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API utStringcoPageArr : public coPageArrT<utStringcoPageArr, utString> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API utAnycoPageArr : public coPageArrT<utAnycoPageArr, utAny> {
public:
    using coPageArrT::coPageArrT;
};

class COLIB_API charcoPageArrcoIterator
    : public coPageArrIterT<charcoPageArrcoIterator, charcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API intcoPageArrcoIterator
    : public coPageArrIterT<intcoPageArrcoIterator, intcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API longcoPageArrcoIterator
    : public coPageArrIterT<longcoPageArrcoIterator, longcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API floatcoPageArrcoIterator
    : public coPageArrIterT<floatcoPageArrcoIterator, floatcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API doublecoPageArrcoIterator
    : public coPageArrIterT<doublecoPageArrcoIterator, doublecoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API utBoolcoPageArrcoIterator
    : public coPageArrIterT<utBoolcoPageArrcoIterator, utBoolcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API utInt64coPageArrcoIterator
    : public coPageArrIterT<utInt64coPageArrcoIterator, utInt64coPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API utStringcoPageArrcoIterator
    : public coPageArrIterT<utStringcoPageArrcoIterator, utStringcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API utAnycoPageArrcoIterator
    : public coPageArrIterT<utAnycoPageArrcoIterator, utAnycoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};

// Compiled once in the library (src/paged/page_arr.cpp).
extern template class coPageArrT<charcoPageArr, char>;
extern template utOstream &coPageArrT<charcoPageArr, char>::print<1, void>(utOstream &) const;
extern template class coPageArrIterT<charcoPageArrcoIterator, charcoPageArr>;
extern template class coPageArrT<intcoPageArr, int>;
extern template utOstream &coPageArrT<intcoPageArr, int>::print<1, void>(utOstream &) const;
extern template class coPageArrIterT<intcoPageArrcoIterator, intcoPageArr>;
extern template class coPageArrT<longcoPageArr, long, coElem<long>::block, 0>;
extern template class coPageArrIterT<longcoPageArrcoIterator, longcoPageArr>;
extern template class coPageArrT<floatcoPageArr, float, coElem<float>::block, 0>;
extern template class coPageArrIterT<floatcoPageArrcoIterator, floatcoPageArr>;
extern template class coPageArrT<doublecoPageArr, double>;
extern template utOstream &coPageArrT<doublecoPageArr, double>::print<1, void>(utOstream &) const;
extern template class coPageArrIterT<doublecoPageArrcoIterator, doublecoPageArr>;
extern template class coPageArrT<utBoolcoPageArr, utBool>;
extern template utOstream &coPageArrT<utBoolcoPageArr, utBool>::print<1, void>(utOstream &) const;
extern template class coPageArrIterT<utBoolcoPageArrcoIterator, utBoolcoPageArr>;
extern template class coPageArrT<utInt64coPageArr, utInt64, coElem<utInt64>::block, 0>;
extern template class coPageArrIterT<utInt64coPageArrcoIterator, utInt64coPageArr>;
extern template class coPageArrT<utStringcoPageArr, utString>;
extern template utOstream &
coPageArrT<utStringcoPageArr, utString>::print<1, void>(utOstream &) const;
extern template class coPageArrIterT<utStringcoPageArrcoIterator, utStringcoPageArr>;
extern template class coPageArrT<utAnycoPageArr, utAny>;
extern template utOstream &coPageArrT<utAnycoPageArr, utAny>::print<1, void>(utOstream &) const;
extern template class coPageArrIterT<utAnycoPageArrcoIterator, utAnycoPageArr>;
