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
#include <colib/foundation/prf.h>

// The members made by the member list: M(X, prefix, element type).
// utAnycoFixedArr holds pointers it never owns.
// clang-format off
#define COLIB_FIXED_ARR_MEMBERS(M, X) \
    M(X, char, char) M(X, int, int) M(X, utBool, utBool) M(X, utAny, utAny) \
    M(X, utString, utString)
// clang-format on

// charcoFixedArr, ..., each compiled once in the library.
COLIB_FIXED_ARR_MEMBERS(COLIB_FIXED_ARR_CLASSES, COLIB_EXTERN_TEMPLATE)

// The sixth member, written out: it can be shared through
// doublecoFixedArrcoPrf, and its destructor lives in the library, so a
// holder that owns the array destroys and frees it there.
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
COLIB_FIXED_ARR_INSTANCES(COLIB_EXTERN_TEMPLATE, double, double)

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
