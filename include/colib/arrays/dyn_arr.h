// The dynamic arrays: one contiguous buffer that grows by a fixed step.
//
//   intcoDynArr a(0, 1024);   // no buffer yet, grows 1024 slots at a time
//   a.append(3);              // capacity 1024, size 1
//   a[9] = 5;                 // size 10: the subscript grows the array
//   std::cout << a;           // "coDynArr {", "  size 10", ..., "}"
//
// Growth trap: an array made by default or from a brace list has step 1,
// so every append past the capacity reallocates and copies the whole
// array (n appends cost n^2 / 2 element copies). Give it room before a
// long run of appends: reserve(n) once the final size is known, or a step
// near the final size when it is made (intcoDynArr a(0, 65536)).
//
// Range-for walks the elements in index order; moves take the buffer in
// O(1) and leave the source empty. An iterator reports stale() once the
// array was reallocated, resized or moved from.
//
// Every member has the operations of coDynArrT (arrays/detail/dyn_arr.h);
// utAnycoDynArr adds read(). utBoolcoDynArr holds int truth values.
#pragma once

#include <colib/arrays/detail/dyn_arr.h>
#include <colib/foundation/instances.h>

class COLIB_API charcoDynArr : public coDynArrT<charcoDynArr, char> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API intcoDynArr : public coDynArrT<intcoDynArr, int> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API floatcoDynArr : public coDynArrT<floatcoDynArr, float> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API doublecoDynArr : public coDynArrT<doublecoDynArr, double> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API utBoolcoDynArr : public coDynArrT<utBoolcoDynArr, utBool> {
public:
    using coDynArrT::coDynArrT;
};
class COLIB_API utStringcoDynArr : public coDynArrT<utStringcoDynArr, utString> {
public:
    using coDynArrT::coDynArrT;
};
// Holds pointers it never owns.
class COLIB_API utAnycoDynArr : public coDynArrT<utAnycoDynArr, utAny> {
public:
    using coDynArrT::coDynArrT;
    // Slot i, unchecked, as the const operator[].
    utAny &read(int i) { return const_cast<utAny &>(checked(i, "read")); }
    const utAny &read(int i) const { return checked(i, "read"); }
};

class COLIB_API charcoDynArrcoIterator
    : public coDynArrIterT<charcoDynArrcoIterator, charcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API intcoDynArrcoIterator : public coDynArrIterT<intcoDynArrcoIterator, intcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API floatcoDynArrcoIterator
    : public coDynArrIterT<floatcoDynArrcoIterator, floatcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API doublecoDynArrcoIterator
    : public coDynArrIterT<doublecoDynArrcoIterator, doublecoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API utBoolcoDynArrcoIterator
    : public coDynArrIterT<utBoolcoDynArrcoIterator, utBoolcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API utStringcoDynArrcoIterator
    : public coDynArrIterT<utStringcoDynArrcoIterator, utStringcoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};
class COLIB_API utAnycoDynArrcoIterator
    : public coDynArrIterT<utAnycoDynArrcoIterator, utAnycoDynArr> {
public:
    using coDynArrIterT::coDynArrIterT;
};

// The instances compiled once in the library (src/arrays/dyn_arr.cpp).
#define COLIB_DYN_ARR_INSTANCES(X)                                                                 \
    X(coDynArrT<charcoDynArr, char>)                                                               \
    X(coDynArrT<intcoDynArr, int>)                                                                 \
    X(coDynArrT<floatcoDynArr, float>)                                                             \
    X(coDynArrT<doublecoDynArr, double>)                                                           \
    X(coDynArrT<utBoolcoDynArr, utBool>)                                                           \
    X(coDynArrT<utStringcoDynArr, utString>)                                                       \
    X(coDynArrT<utAnycoDynArr, utAny>)                                                             \
    X(coDynArrIterT<charcoDynArrcoIterator, charcoDynArr>)                                         \
    X(coDynArrIterT<intcoDynArrcoIterator, intcoDynArr>)                                           \
    X(coDynArrIterT<floatcoDynArrcoIterator, floatcoDynArr>)                                       \
    X(coDynArrIterT<doublecoDynArrcoIterator, doublecoDynArr>)                                     \
    X(coDynArrIterT<utBoolcoDynArrcoIterator, utBoolcoDynArr>)                                     \
    X(coDynArrIterT<utStringcoDynArrcoIterator, utStringcoDynArr>)                                 \
    X(coDynArrIterT<utAnycoDynArrcoIterator, utAnycoDynArr>)
COLIB_DYN_ARR_INSTANCES(COLIB_EXTERN_TEMPLATE)
