// The hashed arrays: arrays addressed by any int index, where only the
// indexes actually written take storage.
//
//   intcoHashedArr a;
//   a[999] = 5;              // one element stored, size() 1000
//   int x = a[7];            // 0: reading never creates an index
//   a[-7] = 1;               // negative indexes are ordinary (not -1)
//   for (auto [i, v] : a)    // written elements, key-slot order
//       std::cout << i << " " << v << "\n";
//   std::cout << a;          // "coHashedArr {", "  size 1000", 1000 lines, "}"
//
// Rules of the family:
//   - a[k] = v creates index k on its first write and overwrites it after;
//     reading a[k] (or read(k)) of an unwritten index gives the zero
//     element ('\0', 0, 0.0, null) and stores nothing;
//   - size() is the largest index written + 1; count() is the number of
//     indexes written;
//   - elements never move: a reference obtained from a write stays valid
//     while other indexes are written, until the array is destroyed;
//   - nothing is ever removed; arrays move but do not copy;
//   - index -1 cannot be written (it marks empty key slots); hardened
//     builds abort on it. It reads as the zero element.
//
// Every member has the operations of coHashedArrT (paged/detail/hashed_arr.h),
// its own Proxy (what a[k] gives), coIterator (the key-slot walker) and
// INTERNALcoPageArr (the storage, a paged array that prints as
// "coPageArr {").
#pragma once

#include <colib/foundation/instances.h>
#include <colib/paged/detail/hashed_arr.h>

// char: the storage, its walker, the array, its proxy and its key walker.
class COLIB_API charcoHashedArrINTERNALcoPageArr
    : public coPageArrT<charcoHashedArrINTERNALcoPageArr, char> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API charcoHashedArrINTERNALcoPageArrcoIterator
    : public coPageArrIterT<charcoHashedArrINTERNALcoPageArrcoIterator,
                            charcoHashedArrINTERNALcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class charcoHashedArrProxy;
class COLIB_API charcoHashedArr
    : public coHashedArrT<charcoHashedArr, char, charcoHashedArrINTERNALcoPageArr,
                          charcoHashedArrProxy> {
public:
    using coHashedArrT::coHashedArrT;
};
class COLIB_API charcoHashedArrProxy
    : public coHashedArrProxyT<charcoHashedArrProxy, charcoHashedArr> {
public:
    using coHashedArrProxyT::coHashedArrProxyT;
    using coHashedArrProxyT::operator=;
};
class COLIB_API charcoHashedArrcoIterator
    : public coHashedArrIterT<charcoHashedArrcoIterator, charcoHashedArr> {
public:
    using coHashedArrIterT::coHashedArrIterT;
};

// int: the storage, its walker, the array, its proxy and its key walker.
class COLIB_API intcoHashedArrINTERNALcoPageArr
    : public coPageArrT<intcoHashedArrINTERNALcoPageArr, int> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API intcoHashedArrINTERNALcoPageArrcoIterator
    : public coPageArrIterT<intcoHashedArrINTERNALcoPageArrcoIterator,
                            intcoHashedArrINTERNALcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class intcoHashedArrProxy;
class COLIB_API intcoHashedArr
    : public coHashedArrT<intcoHashedArr, int, intcoHashedArrINTERNALcoPageArr,
                          intcoHashedArrProxy> {
public:
    using coHashedArrT::coHashedArrT;
};
class COLIB_API intcoHashedArrProxy
    : public coHashedArrProxyT<intcoHashedArrProxy, intcoHashedArr> {
public:
    using coHashedArrProxyT::coHashedArrProxyT;
    using coHashedArrProxyT::operator=;
};
class COLIB_API intcoHashedArrcoIterator
    : public coHashedArrIterT<intcoHashedArrcoIterator, intcoHashedArr> {
public:
    using coHashedArrIterT::coHashedArrIterT;
};

// double: the storage, its walker, the array, its proxy and its key walker.
class COLIB_API doublecoHashedArrINTERNALcoPageArr
    : public coPageArrT<doublecoHashedArrINTERNALcoPageArr, double> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API doublecoHashedArrINTERNALcoPageArrcoIterator
    : public coPageArrIterT<doublecoHashedArrINTERNALcoPageArrcoIterator,
                            doublecoHashedArrINTERNALcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class doublecoHashedArrProxy;
class COLIB_API doublecoHashedArr
    : public coHashedArrT<doublecoHashedArr, double, doublecoHashedArrINTERNALcoPageArr,
                          doublecoHashedArrProxy> {
public:
    using coHashedArrT::coHashedArrT;
};
class COLIB_API doublecoHashedArrProxy
    : public coHashedArrProxyT<doublecoHashedArrProxy, doublecoHashedArr> {
public:
    using coHashedArrProxyT::coHashedArrProxyT;
    using coHashedArrProxyT::operator=;
};
class COLIB_API doublecoHashedArrcoIterator
    : public coHashedArrIterT<doublecoHashedArrcoIterator, doublecoHashedArr> {
public:
    using coHashedArrIterT::coHashedArrIterT;
};

// utAny: the storage, its walker, the array, its proxy and its key walker.
class COLIB_API utAnycoHashedArrINTERNALcoPageArr
    : public coPageArrT<utAnycoHashedArrINTERNALcoPageArr, utAny> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API utAnycoHashedArrINTERNALcoPageArrcoIterator
    : public coPageArrIterT<utAnycoHashedArrINTERNALcoPageArrcoIterator,
                            utAnycoHashedArrINTERNALcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class utAnycoHashedArrProxy;
class COLIB_API utAnycoHashedArr
    : public coHashedArrT<utAnycoHashedArr, utAny, utAnycoHashedArrINTERNALcoPageArr,
                          utAnycoHashedArrProxy> {
public:
    using coHashedArrT::coHashedArrT;
};
class COLIB_API utAnycoHashedArrProxy
    : public coHashedArrProxyT<utAnycoHashedArrProxy, utAnycoHashedArr> {
public:
    using coHashedArrProxyT::coHashedArrProxyT;
    using coHashedArrProxyT::operator=;
};
class COLIB_API utAnycoHashedArrcoIterator
    : public coHashedArrIterT<utAnycoHashedArrcoIterator, utAnycoHashedArr> {
public:
    using coHashedArrIterT::coHashedArrIterT;
};

// The instances compiled once in the library (src/paged/hashed_arr.cpp).
#define COLIB_HASHED_ARR_INSTANCES(X)                                                              \
    X(coPageArrT<charcoHashedArrINTERNALcoPageArr, char>)                                          \
    X(coPageArrIterT<charcoHashedArrINTERNALcoPageArrcoIterator,                                   \
                     charcoHashedArrINTERNALcoPageArr>)                                            \
    X(coHashedArrT<charcoHashedArr, char, charcoHashedArrINTERNALcoPageArr, charcoHashedArrProxy>) \
    X(coHashedArrProxyT<charcoHashedArrProxy, charcoHashedArr>)                                    \
    X(coHashedArrIterT<charcoHashedArrcoIterator, charcoHashedArr>)                                \
    X(coPageArrT<intcoHashedArrINTERNALcoPageArr, int>)                                            \
    X(coPageArrIterT<intcoHashedArrINTERNALcoPageArrcoIterator, intcoHashedArrINTERNALcoPageArr>)  \
    X(coHashedArrT<intcoHashedArr, int, intcoHashedArrINTERNALcoPageArr, intcoHashedArrProxy>)     \
    X(coHashedArrProxyT<intcoHashedArrProxy, intcoHashedArr>)                                      \
    X(coHashedArrIterT<intcoHashedArrcoIterator, intcoHashedArr>)                                  \
    X(coPageArrT<doublecoHashedArrINTERNALcoPageArr, double>)                                      \
    X(coPageArrIterT<doublecoHashedArrINTERNALcoPageArrcoIterator,                                 \
                     doublecoHashedArrINTERNALcoPageArr>)                                          \
    X(coHashedArrT<doublecoHashedArr, double, doublecoHashedArrINTERNALcoPageArr,                  \
                   doublecoHashedArrProxy>)                                                        \
    X(coHashedArrProxyT<doublecoHashedArrProxy, doublecoHashedArr>)                                \
    X(coHashedArrIterT<doublecoHashedArrcoIterator, doublecoHashedArr>)                            \
    X(coPageArrT<utAnycoHashedArrINTERNALcoPageArr, utAny>)                                        \
    X(coPageArrIterT<utAnycoHashedArrINTERNALcoPageArrcoIterator,                                  \
                     utAnycoHashedArrINTERNALcoPageArr>)                                           \
    X(coHashedArrT<utAnycoHashedArr, utAny, utAnycoHashedArrINTERNALcoPageArr,                     \
                   utAnycoHashedArrProxy>)                                                         \
    X(coHashedArrProxyT<utAnycoHashedArrProxy, utAnycoHashedArr>)                                  \
    X(coHashedArrIterT<utAnycoHashedArrcoIterator, utAnycoHashedArr>)
COLIB_HASHED_ARR_INSTANCES(COLIB_EXTERN_TEMPLATE)
