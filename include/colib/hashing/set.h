// The typed hash sets: int, double and utString elements, their iterators
// and the shared holder of an intcoSet.
//
//   intcoSet s(4, 50);   // 16 slots once the first element arrives
//   s.add(7);            // home slot 5 of 16
//   s.member(7);         // 1
//   for (int x : s) ...  // slot order, not insertion order
//   std::cout << s;      // "coSet {", "  size 1", "  7", "}"
//
//   utStringcoSet seen;
//   seen.add(utString("cat"));
//   seen.member("cat");                    // 1: text looked up in place,
//   seen.member(std::string_view("dog"));  // no utString built
//
// Each nil value (int -2147483648, double -1.7976931348623157e308, the
// string without text) marks empty slots and can never be a member: adding
// it stores nothing, and lookups that find nothing answer with it. A double
// NaN equals nothing, so each NaN added is stored anew and never found;
// +0.0 and -0.0 are equal but hash differently, so both can be stored.
// A set moves in O(1) without throwing, leaving the source empty. All
// members are those of coSetT (detail/set.h); doublecoSet::remove returns a
// double, utStringcoSet::remove a utString.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/foundation/prf.h>
#include <colib/hashing/detail/set.h>

// Sets of ints (nil -2147483648), doubles and strings.
class COLIB_API intcoSet : public coSetT<intcoSet, int> {
public:
    using coSetT::coSetT;
};
class COLIB_API doublecoSet : public coSetT<doublecoSet, double> {
public:
    using coSetT::coSetT;
};
class COLIB_API utStringcoSet : public coSetT<utStringcoSet, utString> {
public:
    using coSetT::coSetT;
};

// Walkers in slot order; operator() gives the current element or nil().
class COLIB_API intcoSetcoIterator : public coSetIterT<intcoSetcoIterator, intcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API doublecoSetcoIterator : public coSetIterT<doublecoSetcoIterator, doublecoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API utStringcoSetcoIterator
    : public coSetIterT<utStringcoSetcoIterator, utStringcoSet> {
public:
    using coSetIterT::coSetIterT;
};

// Shares one intcoSet between several owners (see foundation/prf.h).
class COLIB_API intcoSetcoPrf : public coPrfT<intcoSetcoPrf, intcoSet> {
public:
    using coPrfT::coPrfT;
};

// The instances compiled once in the library (src/hashing/set.cpp).
#define COLIB_SET_INSTANCES(X)                                                                     \
    X(coSetT<intcoSet, int>)                                                                       \
    X(coSetT<doublecoSet, double>)                                                                 \
    X(coSetT<utStringcoSet, utString>)                                                             \
    X(coSetIterT<intcoSetcoIterator, intcoSet>)                                                    \
    X(coSetIterT<doublecoSetcoIterator, doublecoSet>)                                              \
    X(coSetIterT<utStringcoSetcoIterator, utStringcoSet>)                                          \
    X(coPrfT<intcoSetcoPrf, intcoSet>)
COLIB_SET_INSTANCES(COLIB_EXTERN_TEMPLATE)
