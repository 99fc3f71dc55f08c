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
#include <colib/foundation/instances.h>

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

// The instances compiled once in the library (src/arrays/stack_fast.cpp).
#define COLIB_STACK_FAST_INSTANCES(X)                                                              \
    X(coDynArrT<charcoFastStackINTERNALcoDynArr, char>)                                            \
    X(coDynArrT<intcoFastStackINTERNALcoDynArr, int>)                                              \
    X(coDynArrT<doublecoFastStackINTERNALcoDynArr, double>)                                        \
    X(coDynArrT<utAnycoFastStackINTERNALcoDynArr, utAny>)                                          \
    X(coDynArrT<utStringcoFastStackINTERNALcoDynArr, utString>)                                    \
    X(coDynArrIterT<charcoFastStackINTERNALcoDynArrcoIterator, charcoFastStackINTERNALcoDynArr>)   \
    X(coDynArrIterT<intcoFastStackINTERNALcoDynArrcoIterator, intcoFastStackINTERNALcoDynArr>)     \
    X(coDynArrIterT<doublecoFastStackINTERNALcoDynArrcoIterator,                                   \
                    doublecoFastStackINTERNALcoDynArr>)                                            \
    X(coDynArrIterT<utAnycoFastStackINTERNALcoDynArrcoIterator, utAnycoFastStackINTERNALcoDynArr>) \
    X(coDynArrIterT<utStringcoFastStackINTERNALcoDynArrcoIterator,                                 \
                    utStringcoFastStackINTERNALcoDynArr>)                                          \
    X(coStackFastT<charcoStackFast, charcoFastStackINTERNALcoDynArr>)                              \
    X(coStackFastT<intcoStackFast, intcoFastStackINTERNALcoDynArr>)                                \
    X(coStackFastT<doublecoStackFast, doublecoFastStackINTERNALcoDynArr>)                          \
    X(coStackFastT<utAnycoStackFast, utAnycoFastStackINTERNALcoDynArr>)                            \
    X(coStackFastT<utStringcoStackFast, utStringcoFastStackINTERNALcoDynArr>)
COLIB_STACK_FAST_INSTANCES(COLIB_EXTERN_TEMPLATE)
