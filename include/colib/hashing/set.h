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
// members are those of coSetT (detail/set.h), the walkers' those of
// coSetIterT (operator() gives the current element, or nil() when not
// valid); doublecoSet::remove returns a double, utStringcoSet::remove a
// utString.
#pragma once

#include <colib/foundation/prf.h>
#include <colib/hashing/detail/set.h>

// The members: M(X, prefix, element type).
// clang-format off
#define COLIB_SET_MEMBERS(M, X) \
    M(X, int, int) M(X, double, double) M(X, utString, utString)
// clang-format on

// intcoSet, intcoSetcoIterator, ..., each compiled once in the library.
COLIB_SET_MEMBERS(COLIB_SET_CLASSES, COLIB_EXTERN_TEMPLATE)

// Shares one intcoSet between several owners (see foundation/prf.h).
COLIB_THIN_CLASS(intcoSetcoPrf, coPrfT, intcoSetcoPrf, intcoSet)
COLIB_EXTERN_TEMPLATE(coPrfT<intcoSetcoPrf, intcoSet>)
