// Fast stacks: stacks in one contiguous buffer, for char, int, double,
// utAny and utString. Each keeps its elements in a dynamic array class of
// its own (intcoFastStackINTERNALcoDynArr, ...), which has every member
// of the dynamic arrays; utAny's has no read().
//
//   intcoStackFast s(0, 4096);
//   s.push(1); s.push(2);
//   s.top();   // 2
//   s.pop();   // size 1, buffer kept
#pragma once

#include <colib/arrays/detail/stack_fast.h>

class COLIB_API charcoFastStackINTERNALcoDynArr
    : public coDynArrT<charcoFastStackINTERNALcoDynArr, char> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API intcoFastStackINTERNALcoDynArr
    : public coDynArrT<intcoFastStackINTERNALcoDynArr, int> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API doublecoFastStackINTERNALcoDynArr
    : public coDynArrT<doublecoFastStackINTERNALcoDynArr, double> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API utAnycoFastStackINTERNALcoDynArr
    : public coDynArrT<utAnycoFastStackINTERNALcoDynArr, utAny> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API utStringcoFastStackINTERNALcoDynArr
    : public coDynArrT<utStringcoFastStackINTERNALcoDynArr, utString> {
public:
    using coDynArrT::coDynArrT;
};

class COLIB_API charcoFastStackINTERNALcoDynArrcoIterator
    : public coDynArrIterT<charcoFastStackINTERNALcoDynArrcoIterator,
                           charcoFastStackINTERNALcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API intcoFastStackINTERNALcoDynArrcoIterator
    : public coDynArrIterT<intcoFastStackINTERNALcoDynArrcoIterator,
                           intcoFastStackINTERNALcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API doublecoFastStackINTERNALcoDynArrcoIterator
    : public coDynArrIterT<doublecoFastStackINTERNALcoDynArrcoIterator,
                           doublecoFastStackINTERNALcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API utAnycoFastStackINTERNALcoDynArrcoIterator
    : public coDynArrIterT<utAnycoFastStackINTERNALcoDynArrcoIterator,
                           utAnycoFastStackINTERNALcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API utStringcoFastStackINTERNALcoDynArrcoIterator
    : public coDynArrIterT<utStringcoFastStackINTERNALcoDynArrcoIterator,
                           utStringcoFastStackINTERNALcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};

class COLIB_API charcoStackFast
    : public coStackFastT<charcoStackFast, charcoFastStackINTERNALcoDynArr> {
public:
    using coStackFastT::coStackFastT;
};
class COLIB_API intcoStackFast
    : public coStackFastT<intcoStackFast, intcoFastStackINTERNALcoDynArr> {
public:
    using coStackFastT::coStackFastT;
};
class COLIB_API doublecoStackFast
    : public coStackFastT<doublecoStackFast, doublecoFastStackINTERNALcoDynArr> {
public:
    using coStackFastT::coStackFastT;
};
class COLIB_API utAnycoStackFast
    : public coStackFastT<utAnycoStackFast, utAnycoFastStackINTERNALcoDynArr> {
public:
    using coStackFastT::coStackFastT;
};
class COLIB_API utStringcoStackFast
    : public coStackFastT<utStringcoStackFast, utStringcoFastStackINTERNALcoDynArr> {
public:
    using coStackFastT::coStackFastT;
};

// Compiled once in the library (src/arrays/stack_fast.cpp).
extern template class coDynArrT<charcoFastStackINTERNALcoDynArr, char>;
extern template class coDynArrT<intcoFastStackINTERNALcoDynArr, int>;
extern template class coDynArrT<doublecoFastStackINTERNALcoDynArr, double>;
extern template class coDynArrT<utAnycoFastStackINTERNALcoDynArr, utAny>;
extern template class coDynArrT<utStringcoFastStackINTERNALcoDynArr, utString>;
extern template class coDynArrIterT<charcoFastStackINTERNALcoDynArrcoIterator,
                                    charcoFastStackINTERNALcoDynArr>;
extern template class coDynArrIterT<intcoFastStackINTERNALcoDynArrcoIterator,
                                    intcoFastStackINTERNALcoDynArr>;
extern template class coDynArrIterT<doublecoFastStackINTERNALcoDynArrcoIterator,
                                    doublecoFastStackINTERNALcoDynArr>;
extern template class coDynArrIterT<utAnycoFastStackINTERNALcoDynArrcoIterator,
                                    utAnycoFastStackINTERNALcoDynArr>;
extern template class coDynArrIterT<utStringcoFastStackINTERNALcoDynArrcoIterator,
                                    utStringcoFastStackINTERNALcoDynArr>;
extern template class coStackFastT<charcoStackFast, charcoFastStackINTERNALcoDynArr>;
extern template class coStackFastT<intcoStackFast, intcoFastStackINTERNALcoDynArr>;
extern template class coStackFastT<doublecoStackFast, doublecoFastStackINTERNALcoDynArr>;
extern template class coStackFastT<utAnycoStackFast, utAnycoFastStackINTERNALcoDynArr>;
extern template class coStackFastT<utStringcoStackFast, utStringcoFastStackINTERNALcoDynArr>;
