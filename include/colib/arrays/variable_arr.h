// Variable arrays: growable arrays whose elements never move, for char,
// int, double, utAny (pointers not owned) and utString.
//
//   intcoVariableArr a;
//   int &first = (a[0] = 1);
//   a[3000] = 7;        // blocks 0 to 9 made; `first` still refers to a[0]
//   for (int v : a) ...
//
// Growth never copies: blocks grow geometrically to 2048 elements, so there
// is no step to choose. Beyond 2048 elements every block holds 2048, and
// the block table grows 10 entries at a time; reserve(n) makes every block
// at once. Moves take the blocks in O(1) and leave the source empty.
#pragma once

#include <colib/arrays/detail/variable_arr.h>
#include <colib/foundation/instances.h>

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

// The instances compiled once in the library (src/arrays/variable_arr.cpp).
#define COLIB_VARIABLE_ARR_INSTANCES(X)                                                            \
    X(coVariableArrT<charcoVariableArr, char>)                                                     \
    X(coVariableArrT<intcoVariableArr, int>)                                                       \
    X(coVariableArrT<doublecoVariableArr, double>)                                                 \
    X(coVariableArrT<utAnycoVariableArr, utAny>)                                                   \
    X(coVariableArrT<utStringcoVariableArr, utString>)                                             \
    X(coVariableArrIterT<charcoVariableArrcoIterator, charcoVariableArr>)                          \
    X(coVariableArrIterT<intcoVariableArrcoIterator, intcoVariableArr>)                            \
    X(coVariableArrIterT<doublecoVariableArrcoIterator, doublecoVariableArr>)                      \
    X(coVariableArrIterT<utAnycoVariableArrcoIterator, utAnycoVariableArr>)                        \
    X(coVariableArrIterT<utStringcoVariableArrcoIterator, utStringcoVariableArr>)
COLIB_VARIABLE_ARR_INSTANCES(COLIB_EXTERN_TEMPLATE)
