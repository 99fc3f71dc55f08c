// The singly linked lists: a ring of links closed through a sentinel inside
// the list object, with a read-only iterator and an editing cursor.
//
//   intcoSList l{1, 2, 3};      // a list with its own cursor
//   l += 2;                     // the cursor on 2
//   l.insert_before(0);         // 1, 0, 2, 3; the cursor still on 2
//   l.remove();                 // 1, 0, 3; the cursor on 3
//   std::cout << l;             // "coSList {", "  size 3", ..., "}"
//
//   intcoSListBcoIterator it(&list);
//   while (++it) use(it());
//   for (int x : list) use(x);   // front to back
//
// Iterators read (it() is a const reference); cursors, and a list through
// its own cursor, write. Moves take the links in O(1) and leave the source
// empty with its cursor undefined; walkers of the source are then stale.
//
// Members: char, int, double, utAny (pointers, not owned) and utString.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/slist.h>

// The members: M(X, class name prefix, element type).
// clang-format off
#define COLIB_SLIST_MEMBERS(M, X) \
    M(X, char, char) M(X, int, int) M(X, double, double) M(X, utAny, utAny) \
    M(X, utString, utString)
// clang-format on

// intcoSList, intcoSListB, intcoSListBcoIterator, intcoSListBcoCursor and
// their links, ..., each compiled once in the library.
COLIB_SLIST_MEMBERS(COLIB_SLIST_CLASSES, COLIB_EXTERN_TEMPLATE)
