// The paged lists: doubly linked lists whose links live in a paged array
// and point at each other by 32-bit index. Removed slots are reused (the
// last freed first), so a list that grows and shrinks allocates nothing
// once its pages exist. The list has a built-in cursor.
//
//   intcoPageDList l;
//   l.insert_last(1); l.insert_last(2); l.insert_last(3);  // slots 0, 1, 2
//   l.set_index(1); l.remove();   // 1, 3; slot 1 free, the cursor on 3
//   l.insert_last(4);             // reuses slot 1: 1, 3, 4
//   int x = l[2];                 // 4; the cursor moves there
//   std::cout << l;               // "coPageDList {", "  size 3", ..., "}"
//
// Links come from a paged array of the default geometry (256 per page,
// table growing 10 entries at a time); a list that will hold millions of
// elements should be made with (shift, table capacity, step), as the paged
// arrays are (intcoPageDList l(16, 160, 16)). Braces pick that constructor
// too: intcoPageDList l{7, 8, 9} is shift 7, capacity 8, step 9 and an
// empty list, not the elements 7, 8, 9. Range-for walks front to
// back; a walker reads, the list's read() and operator[] write. Moves take
// the slots (and the cursor's place) in O(1).
//
// Members: int and double. sizeof(intcoPageDLink) is 12.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/page_dlist.h>
#include <colib/paged/detail/page_arr.h>

class intcoPageDList;
class COLIB_API intcoPageDLink : public coPageDLinkT<intcoPageDLink, int> {
public:
    using coPageDLinkT::coPageDLinkT;
};
// The paged array of the links (a member of the paged-array family that
// does not print).
class COLIB_API intcoPageDLinkcoPageArr
    : public coPageArrT<intcoPageDLinkcoPageArr, intcoPageDLink, 1, 0> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API intcoPageDLinkcoPageArrcoIterator
    : public coPageArrIterT<intcoPageDLinkcoPageArrcoIterator, intcoPageDLinkcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API intcoPageDListcoIterator
    : public coPageDListIterT<intcoPageDListcoIterator, intcoPageDList, int> {
public:
    using coPageDListIterT::coPageDListIterT;
    friend class coPageDListT<intcoPageDList, int, intcoPageDLink, intcoPageDLinkcoPageArr,
                              intcoPageDListcoIterator>;
};
class COLIB_API intcoPageDList
    : public coPageDListT<intcoPageDList, int, intcoPageDLink, intcoPageDLinkcoPageArr,
                          intcoPageDListcoIterator> {
public:
    using coPageDListT::coPageDListT;
};

class doublecoPageDList;
class COLIB_API doublecoPageDLink : public coPageDLinkT<doublecoPageDLink, double> {
public:
    using coPageDLinkT::coPageDLinkT;
};
// The paged array of the links (a member of the paged-array family that
// does not print).
class COLIB_API doublecoPageDLinkcoPageArr
    : public coPageArrT<doublecoPageDLinkcoPageArr, doublecoPageDLink, 1, 0> {
public:
    using coPageArrT::coPageArrT;
};
class COLIB_API doublecoPageDLinkcoPageArrcoIterator
    : public coPageArrIterT<doublecoPageDLinkcoPageArrcoIterator, doublecoPageDLinkcoPageArr> {
public:
    using coPageArrIterT::coPageArrIterT;
};
class COLIB_API doublecoPageDListcoIterator
    : public coPageDListIterT<doublecoPageDListcoIterator, doublecoPageDList, double> {
public:
    using coPageDListIterT::coPageDListIterT;
    friend class coPageDListT<doublecoPageDList, double, doublecoPageDLink,
                              doublecoPageDLinkcoPageArr, doublecoPageDListcoIterator>;
};
class COLIB_API doublecoPageDList
    : public coPageDListT<doublecoPageDList, double, doublecoPageDLink, doublecoPageDLinkcoPageArr,
                          doublecoPageDListcoIterator> {
public:
    using coPageDListT::coPageDListT;
};

// The instances compiled once in the library (src/lists/page_dlist.cpp).
#define COLIB_PAGE_DLIST_INSTANCES(X)                                                              \
    X(coPageDLinkT<intcoPageDLink, int>)                                                           \
    X(coPageArrT<intcoPageDLinkcoPageArr, intcoPageDLink, 1, 0>)                                   \
    X(coPageArrIterT<intcoPageDLinkcoPageArrcoIterator, intcoPageDLinkcoPageArr>)                  \
    X(coPageDListIterT<intcoPageDListcoIterator, intcoPageDList, int>)                             \
    X(coPageDListT<intcoPageDList, int, intcoPageDLink, intcoPageDLinkcoPageArr,                   \
                   intcoPageDListcoIterator>)                                                      \
    X(coPageDLinkT<doublecoPageDLink, double>)                                                     \
    X(coPageArrT<doublecoPageDLinkcoPageArr, doublecoPageDLink, 1, 0>)                             \
    X(coPageArrIterT<doublecoPageDLinkcoPageArrcoIterator, doublecoPageDLinkcoPageArr>)            \
    X(coPageDListIterT<doublecoPageDListcoIterator, doublecoPageDList, double>)                    \
    X(coPageDListT<doublecoPageDList, double, doublecoPageDLink, doublecoPageDLinkcoPageArr,       \
                   doublecoPageDListcoIterator>)
COLIB_PAGE_DLIST_INSTANCES(COLIB_EXTERN_TEMPLATE)
