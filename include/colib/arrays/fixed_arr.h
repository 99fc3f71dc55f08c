// The fixed arrays: one owned buffer whose length never changes by itself.
// A default array is invalid (owns nothing); become and set_invalid replace
// or drop the buffer.
//
//   intcoFixedArr a(3);        // three slots, unset
//   intcoFixedArr b{1, 2, 3};  // three slots holding 1, 2, 3
//   a.become(utCOPY, b);       // a copy with its own buffer
//
// Every member has the operations of coFixedArrT (arrays/detail/fixed_arr.h).
// utBoolcoFixedArr holds int truth values; doublecoFixedArrcoPrf shares a
// doublecoFixedArr among several owners.
#pragma once

#include <colib/arrays/detail/fixed_arr.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/prf.h>

class COLIB_API charcoFixedArr : public coFixedArrT<charcoFixedArr, char> {
public:
    using coFixedArrT::coFixedArrT;
};
class COLIB_API intcoFixedArr : public coFixedArrT<intcoFixedArr, int> {
public:
    using coFixedArrT::coFixedArrT;
};
// Can be shared through doublecoFixedArrcoPrf; its destructor lives in the
// library, so a holder that owns the array destroys and frees it there.
class COLIB_API doublecoFixedArr : public coFixedArrT<doublecoFixedArr, double> {
public:
    using coFixedArrT::coFixedArrT;
    doublecoFixedArr() noexcept = default;
    doublecoFixedArr(const doublecoFixedArr &) = default;
    doublecoFixedArr(doublecoFixedArr &&) noexcept = default;
    doublecoFixedArr &operator=(const doublecoFixedArr &) = default;
    doublecoFixedArr &operator=(doublecoFixedArr &&) noexcept = default;
    ~doublecoFixedArr();
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

// Shares one doublecoFixedArr among several holders:
//
//   doublecoFixedArrcoPrf a(new doublecoFixedArr{1.5, 2.5});  // owns it
//   doublecoFixedArrcoPrf b = a;                   // shared, freed with the last
//   doublecoFixedArr mine(4);
//   doublecoFixedArrcoPrf c(coPRF_EXTERN, &mine);   // shares, never frees
//   std::shared_ptr<doublecoFixedArr> p = c;
class COLIB_API doublecoFixedArrcoPrf : public coPrfT<doublecoFixedArrcoPrf, doublecoFixedArr> {
public:
    using coPrfT::coPrfT;
    doublecoFixedArrcoPrf() noexcept = default;
};

// The instances compiled once in the library (src/arrays/fixed_arr.cpp).
#define COLIB_FIXED_ARR_INSTANCES(X)                                                               \
    X(coFixedArrT<charcoFixedArr, char>)                                                           \
    X(coFixedArrT<intcoFixedArr, int>)                                                             \
    X(coFixedArrT<doublecoFixedArr, double>)                                                       \
    X(coFixedArrT<utBoolcoFixedArr, utBool>)                                                       \
    X(coFixedArrT<utAnycoFixedArr, utAny>)                                                         \
    X(coFixedArrT<utStringcoFixedArr, utString>)
COLIB_FIXED_ARR_INSTANCES(COLIB_EXTERN_TEMPLATE)
