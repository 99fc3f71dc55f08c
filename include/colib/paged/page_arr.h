// The paged arrays: growable arrays whose elements live in fixed-size
// blocks that never move while the array grows.
//
//   intcoPageArr a;          // 256 elements per block, no block yet
//   a[1000] = 5;             // makes blocks 0 to 3, size 1001
//   int *p = &a[3];
//   a.append(7);             // p stays valid: blocks are never moved
//   std::cout << a;          // "coPageArr {", "  size 1002", ..., "}"
//
// Geometry: the default array has 256 elements per block (shift 8) and a
// block table of 5 entries growing 10 at a time. That suits thousands of
// elements; for millions it means tens of thousands of small blocks and a
// block table copied every 10 blocks. Choose a larger block and a table
// sized for the final count instead:
//
//   intcoPageArr big(16, 160, 16);  // 65536 per block, room for 10M
//
// reserve(n) then makes every block at once. Range-for walks the elements
// in index order; moves take the blocks in O(1) and leave the source empty
// with its geometry.
//
// Every member has the operations of coPageArrT (paged/detail/page_arr.h)
// and its own iterator. longcoPageArr, floatcoPageArr and utInt64coPageArr
// do not print. utBoolcoPageArr holds int truth values.
#pragma once

#include <colib/foundation/instances.h>
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

// The instances compiled once in the library (src/paged/page_arr.cpp): the
// arrays and their iterators, then the printing members' print().
#define COLIB_PAGE_ARR_INSTANCES(X)                                                                \
    X(coPageArrT<charcoPageArr, char>)                                                             \
    X(coPageArrIterT<charcoPageArrcoIterator, charcoPageArr>)                                      \
    X(coPageArrT<intcoPageArr, int>)                                                               \
    X(coPageArrIterT<intcoPageArrcoIterator, intcoPageArr>)                                        \
    X(coPageArrT<longcoPageArr, long, coElem<long>::block, 0>)                                     \
    X(coPageArrIterT<longcoPageArrcoIterator, longcoPageArr>)                                      \
    X(coPageArrT<floatcoPageArr, float, coElem<float>::block, 0>)                                  \
    X(coPageArrIterT<floatcoPageArrcoIterator, floatcoPageArr>)                                    \
    X(coPageArrT<doublecoPageArr, double>)                                                         \
    X(coPageArrIterT<doublecoPageArrcoIterator, doublecoPageArr>)                                  \
    X(coPageArrT<utBoolcoPageArr, utBool>)                                                         \
    X(coPageArrIterT<utBoolcoPageArrcoIterator, utBoolcoPageArr>)                                  \
    X(coPageArrT<utInt64coPageArr, utInt64, coElem<utInt64>::block, 0>)                            \
    X(coPageArrIterT<utInt64coPageArrcoIterator, utInt64coPageArr>)                                \
    X(coPageArrT<utStringcoPageArr, utString>)                                                     \
    X(coPageArrIterT<utStringcoPageArrcoIterator, utStringcoPageArr>)                              \
    X(coPageArrT<utAnycoPageArr, utAny>)                                                           \
    X(coPageArrIterT<utAnycoPageArrcoIterator, utAnycoPageArr>)
#define COLIB_PAGE_ARR_PRINTING(X)                                                                 \
    X(charcoPageArr, char)                                                                         \
    X(intcoPageArr, int)                                                                           \
    X(doublecoPageArr, double)                                                                     \
    X(utBoolcoPageArr, utBool)                                                                     \
    X(utStringcoPageArr, utString)                                                                 \
    X(utAnycoPageArr, utAny)
#define COLIB_PAGE_ARR_EXTERN_PRINT(A, T)                                                          \
    extern template utOstream &coPageArrT<A, T>::print<1, void>(utOstream &) const;
#define COLIB_PAGE_ARR_INSTANTIATE_PRINT(A, T)                                                     \
    template utOstream &coPageArrT<A, T>::print<1, void>(utOstream &) const;
COLIB_PAGE_ARR_INSTANCES(COLIB_EXTERN_TEMPLATE)
COLIB_PAGE_ARR_PRINTING(COLIB_PAGE_ARR_EXTERN_PRINT)
