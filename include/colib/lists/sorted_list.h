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

// The members: M(X, class name prefix, element type).
#define COLIB_SORTED_LIST_MEMBERS(M, X) M(X, int, int) M(X, double, double) M(X, utString, utString)

// intcoSortedList, intcoSortedListcoIterator, intcoSortedListcoCursor, ...,
// each compiled once in the library.
COLIB_SORTED_LIST_MEMBERS(COLIB_SORTED_LIST_CLASSES, COLIB_EXTERN_TEMPLATE)
