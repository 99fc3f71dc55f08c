// The sorted lists: element copies kept in ascending order, equal elements
// in the order they were added, walkable both ways.
//
//   intcoSortedList l{3, 1, 2, 1};   // 1, 1, 2, 3
//   intcoSortedListcoCursor c = l.find(1);   // on the first 1
//   c.remove();                      // 1, 2, 3; the cursor on the 1 left
//   int big = l.remove_last();       // 3
//   std::cout << l;                  // "coSortedList {", "  1", "  2", "}"
//   for (int x : l) ...              // ascending, read-only
//
// Nothing hands out a writable element: that could break the order. Moves
// take the elements in O(1) and leave the source empty.
//
// Members: int, double and utString; orderings intcoSLCompareP (signed
// less-than), doublecoSLCompareP (less-than, false for NaNs) and
// utStringcoSLCompareP (unsigned byte order; a string without text first).
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/sorted_list.h>

// Signed integer less-than.
struct COLIB_API intcoSLCompareP {
    bool operator()(const int &a, const int &b) const noexcept { return a < b; }
};
// Floating-point less-than: false whenever either value is a NaN.
struct COLIB_API doublecoSLCompareP {
    bool operator()(const double &a, const double &b) const noexcept { return a < b; }
};
// Texts compared byte by byte as unsigned characters; a string without text
// goes before every string with text, the empty text included.
struct COLIB_API utStringcoSLCompareP {
    bool operator()(const utString &a, const utString &b) const noexcept {
        return a.compare(b) < 0;
    }
};

class intcoSortedListcoIterator;
class intcoSortedListcoCursor;
class COLIB_API intcoSortedList : public coSortedListT<intcoSortedList, int, intcoSLCompareP> {
public:
    using coSortedListT::coSortedListT;
    // A cursor (iterator) on the first element equal to x, or undefined.
    intcoSortedListcoCursor find(const int &x);
    intcoSortedListcoIterator find(const int &x) const;
};
class COLIB_API intcoSortedListcoIterator
    : public coSortedListIterT<intcoSortedListcoIterator, intcoSortedList> {
public:
    using coSortedListIterT::coSortedListIterT;
    friend class intcoSortedList;
};
class COLIB_API intcoSortedListcoCursor
    : public coSortedListCursorT<intcoSortedListcoCursor, intcoSortedListcoIterator,
                                 intcoSortedList> {
public:
    using coSortedListCursorT::coSortedListCursorT;
    friend class intcoSortedList;
};

class doublecoSortedListcoIterator;
class doublecoSortedListcoCursor;
class COLIB_API doublecoSortedList
    : public coSortedListT<doublecoSortedList, double, doublecoSLCompareP> {
public:
    using coSortedListT::coSortedListT;
    // A cursor (iterator) on the first element equal to x, or undefined.
    doublecoSortedListcoCursor find(const double &x);
    doublecoSortedListcoIterator find(const double &x) const;
};
class COLIB_API doublecoSortedListcoIterator
    : public coSortedListIterT<doublecoSortedListcoIterator, doublecoSortedList> {
public:
    using coSortedListIterT::coSortedListIterT;
    friend class doublecoSortedList;
};
class COLIB_API doublecoSortedListcoCursor
    : public coSortedListCursorT<doublecoSortedListcoCursor, doublecoSortedListcoIterator,
                                 doublecoSortedList> {
public:
    using coSortedListCursorT::coSortedListCursorT;
    friend class doublecoSortedList;
};

class utStringcoSortedListcoIterator;
class utStringcoSortedListcoCursor;
class COLIB_API utStringcoSortedList
    : public coSortedListT<utStringcoSortedList, utString, utStringcoSLCompareP> {
public:
    using coSortedListT::coSortedListT;
    // A cursor (iterator) on the first element equal to x, or undefined.
    utStringcoSortedListcoCursor find(const utString &x);
    utStringcoSortedListcoIterator find(const utString &x) const;
};
class COLIB_API utStringcoSortedListcoIterator
    : public coSortedListIterT<utStringcoSortedListcoIterator, utStringcoSortedList> {
public:
    using coSortedListIterT::coSortedListIterT;
    friend class utStringcoSortedList;
};
class COLIB_API utStringcoSortedListcoCursor
    : public coSortedListCursorT<utStringcoSortedListcoCursor, utStringcoSortedListcoIterator,
                                 utStringcoSortedList> {
public:
    using coSortedListCursorT::coSortedListCursorT;
    friend class utStringcoSortedList;
};

// The instances compiled once in the library (src/lists/sorted_list.cpp).
#define COLIB_SORTED_LIST_INSTANCES(X)                                                             \
    X(coSortedListT<intcoSortedList, int, intcoSLCompareP>)                                        \
    X(coSortedListIterT<intcoSortedListcoIterator, intcoSortedList>)                               \
    X(coSortedListCursorT<intcoSortedListcoCursor, intcoSortedListcoIterator, intcoSortedList>)    \
    X(coSortedListT<doublecoSortedList, double, doublecoSLCompareP>)                               \
    X(coSortedListIterT<doublecoSortedListcoIterator, doublecoSortedList>)                         \
    X(coSortedListCursorT<doublecoSortedListcoCursor, doublecoSortedListcoIterator,                \
                          doublecoSortedList>)                                                     \
    X(coSortedListT<utStringcoSortedList, utString, utStringcoSLCompareP>)                         \
    X(coSortedListIterT<utStringcoSortedListcoIterator, utStringcoSortedList>)                     \
    X(coSortedListCursorT<utStringcoSortedListcoCursor, utStringcoSortedListcoIterator,            \
                          utStringcoSortedList>)
COLIB_SORTED_LIST_INSTANCES(COLIB_EXTERN_TEMPLATE)
