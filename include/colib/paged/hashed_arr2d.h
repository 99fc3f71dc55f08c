// The two-dimensional hashed arrays: arrays addressed by any pair of ints,
// where only the pairs actually written take storage.
//
//   intcoHashedArr2D a;
//   a[2][3] = 7;                    // creates the pair (2, 3)
//   int x = a[4][4];                // 0: reading never creates a pair
//   a.largest_first();              // 2 (largest_second() 3)
//   for (auto [i, j, v] : a) ...    // written cells, key-slot order
//
// Rules of the family:
//   - a[i][j] = v creates the pair on its first write and overwrites it
//     after; reading an unwritten pair gives the zero element and stores
//     nothing;
//   - the largest first and second indexes written are kept independently;
//     count() is the number of pairs written;
//   - elements never move; nothing is ever removed; arrays move but do not
//     copy; the arrays do not print;
//   - the pair (-1, -1) cannot be written (it marks empty key slots);
//     hardened builds abort on it. (-1, 4) and (4, -1) are ordinary.
//
// Every member has the operations of coHashedArr2DT
// (paged/detail/hashed_arr2d.h), its own Proxy1D (what a[i] gives), Proxy
// (what a[i][j] gives), coIterator (the key-slot walker) and
// INTERNALcoPageArr (the storage, a paged array without stream operators).
#pragma once

#include <colib/foundation/instances.h>
#include <colib/paged/detail/hashed_arr2d.h>

// int: the storage, its walker, the array, its proxies and its key walker.
class COLIB_API intcoHashedArr2DINTERNALcoPageArr
    : public coPageArrT<intcoHashedArr2DINTERNALcoPageArr, int, coElem<int>::block, 0> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API intcoHashedArr2DINTERNALcoPageArrcoIterator
    : public coPageArrIterT<intcoHashedArr2DINTERNALcoPageArrcoIterator,
                            intcoHashedArr2DINTERNALcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class intcoHashedArr2DProxy1D;
class COLIB_API intcoHashedArr2D
    : public coHashedArr2DT<intcoHashedArr2D, int, intcoHashedArr2DINTERNALcoPageArr,
                            intcoHashedArr2DProxy1D> {
public:
    using coHashedArr2DT::coHashedArr2DT;
};
class COLIB_API intcoHashedArr2DProxy
    : public coHashedArr2DProxyT<intcoHashedArr2DProxy, intcoHashedArr2D> {
public:
    using coHashedArr2DProxyT::coHashedArr2DProxyT;
    using coHashedArr2DProxyT::operator=;
};
class COLIB_API intcoHashedArr2DProxy1D
    : public coHashedArr2DProxy1DT<intcoHashedArr2DProxy1D, intcoHashedArr2D,
                                   intcoHashedArr2DProxy> {
public:
    using coHashedArr2DProxy1DT::coHashedArr2DProxy1DT;
};
class COLIB_API intcoHashedArr2DcoIterator
    : public coHashedArr2DIterT<intcoHashedArr2DcoIterator, intcoHashedArr2D> {
public:
    using coHashedArr2DIterT::coHashedArr2DIterT;
};

// char: the storage, its walker, the array, its proxies and its key walker.
class COLIB_API charcoHashedArr2DINTERNALcoPageArr
    : public coPageArrT<charcoHashedArr2DINTERNALcoPageArr, char, coElem<char>::block, 0> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API charcoHashedArr2DINTERNALcoPageArrcoIterator
    : public coPageArrIterT<charcoHashedArr2DINTERNALcoPageArrcoIterator,
                            charcoHashedArr2DINTERNALcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class charcoHashedArr2DProxy1D;
class COLIB_API charcoHashedArr2D
    : public coHashedArr2DT<charcoHashedArr2D, char, charcoHashedArr2DINTERNALcoPageArr,
                            charcoHashedArr2DProxy1D> {
public:
    using coHashedArr2DT::coHashedArr2DT;
};
class COLIB_API charcoHashedArr2DProxy
    : public coHashedArr2DProxyT<charcoHashedArr2DProxy, charcoHashedArr2D> {
public:
    using coHashedArr2DProxyT::coHashedArr2DProxyT;
    using coHashedArr2DProxyT::operator=;
};
class COLIB_API charcoHashedArr2DProxy1D
    : public coHashedArr2DProxy1DT<charcoHashedArr2DProxy1D, charcoHashedArr2D,
                                   charcoHashedArr2DProxy> {
public:
    using coHashedArr2DProxy1DT::coHashedArr2DProxy1DT;
};
class COLIB_API charcoHashedArr2DcoIterator
    : public coHashedArr2DIterT<charcoHashedArr2DcoIterator, charcoHashedArr2D> {
public:
    using coHashedArr2DIterT::coHashedArr2DIterT;
};

// The instances compiled once in the library (src/paged/hashed_arr2d.cpp).
#define COLIB_HASHED_ARR2D_INSTANCES(X)                                                            \
    X(coPageArrT<intcoHashedArr2DINTERNALcoPageArr, int, coElem<int>::block, 0>)                   \
    X(coPageArrIterT<intcoHashedArr2DINTERNALcoPageArrcoIterator,                                  \
                     intcoHashedArr2DINTERNALcoPageArr>)                                           \
    X(coHashedArr2DT<intcoHashedArr2D, int, intcoHashedArr2DINTERNALcoPageArr,                     \
                     intcoHashedArr2DProxy1D>)                                                     \
    X(coHashedArr2DProxyT<intcoHashedArr2DProxy, intcoHashedArr2D>)                                \
    X(coHashedArr2DProxy1DT<intcoHashedArr2DProxy1D, intcoHashedArr2D, intcoHashedArr2DProxy>)     \
    X(coHashedArr2DIterT<intcoHashedArr2DcoIterator, intcoHashedArr2D>)                            \
    X(coPageArrT<charcoHashedArr2DINTERNALcoPageArr, char, coElem<char>::block, 0>)                \
    X(coPageArrIterT<charcoHashedArr2DINTERNALcoPageArrcoIterator,                                 \
                     charcoHashedArr2DINTERNALcoPageArr>)                                          \
    X(coHashedArr2DT<charcoHashedArr2D, char, charcoHashedArr2DINTERNALcoPageArr,                  \
                     charcoHashedArr2DProxy1D>)                                                    \
    X(coHashedArr2DProxyT<charcoHashedArr2DProxy, charcoHashedArr2D>)                              \
    X(coHashedArr2DProxy1DT<charcoHashedArr2DProxy1D, charcoHashedArr2D, charcoHashedArr2DProxy>)  \
    X(coHashedArr2DIterT<charcoHashedArr2DcoIterator, charcoHashedArr2D>)
COLIB_HASHED_ARR2D_INSTANCES(COLIB_EXTERN_TEMPLATE)
