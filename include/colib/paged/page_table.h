// The block table of the paged arrays: a dynamic array of untyped block
// pointers, copied by assignment. It has the operations of utAnycoDynArr
// plus enter() and has no stream operators; the paged arrays use its
// constructor, reserve, growing subscript, clear, shrink and destructor.
#pragma once

#include <colib/arrays/detail/dyn_arr.h>
#include <colib/foundation/instances.h>

class COLIB_API utAnycoPageArrINTERNALcoDynArr
    : public coDynArrT<utAnycoPageArrINTERNALcoDynArr, void *, 0, 0> {
public:
    using coDynArrT::coDynArrT;
    // Slot i, unchecked, as the const operator[].
    void *&read(int i) { return const_cast<void *&>(checked(i, "read")); }
    void *const &read(int i) const { return checked(i, "read"); }
    // Stores x in slot i without growing; the caller keeps i in
    // [0, capacity()). The size is not changed.
    void enter(int i, void *const &x) {
        COLIB_EXPECT(i >= 0 && i < capacity(), typeid(utAnycoPageArrINTERNALcoDynArr), "enter",
                     "index %d out of range [0, %d)", i, capacity());
        data()[i] = x;
    }
};

COLIB_THIN_CLASS(utAnycoPageArrINTERNALcoDynArrcoIterator, coDynArrIterT,
                 utAnycoPageArrINTERNALcoDynArrcoIterator, utAnycoPageArrINTERNALcoDynArr)

// The instances compiled once in the library (src/paged/page_arr.cpp).
#define COLIB_PAGE_TABLE_INSTANCES(X)                                                              \
    X(coDynArrT<utAnycoPageArrINTERNALcoDynArr, void *, 0, 0>)                                     \
    X(coDynArrIterT<utAnycoPageArrINTERNALcoDynArrcoIterator, utAnycoPageArrINTERNALcoDynArr>)
COLIB_PAGE_TABLE_INSTANCES(COLIB_EXTERN_TEMPLATE)
