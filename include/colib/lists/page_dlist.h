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

// The members: M(X, class name prefix, element type).
#define COLIB_PAGE_DLIST_MEMBERS(M, X) M(X, int, int) M(X, double, double)

// intcoPageDList, intcoPageDListcoIterator, intcoPageDLink and the paged
// array of the links, ..., each compiled once in the library.
COLIB_PAGE_DLIST_MEMBERS(COLIB_PAGE_DLIST_CLASSES, COLIB_EXTERN_TEMPLATE)
