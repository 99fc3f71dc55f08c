// The doubly linked lists: a ring of links closed through the list object
// itself, walkable both ways, with walkers that know their position.
//
//   intcoDList l{10, 20, 30};  // a list with its own cursor
//   l.forwards();              // the cursor on 10, index() 0
//   l.insert_before(5);        // 5, 10, 20, 30; the cursor on 10, index 1
//   l.remove();                // 5, 20, 30; the cursor on 20, index 1
//   l.remove_backwards();      // 5, 30; the cursor on 5, index 0
//   std::cout << l;            // "coDList {", "  size 2", ..., "}"
//
//   intcoDListBcoIterator it(&list);
//   while (++it) use(it(), it.index());
//   for (int x : list) use(x);
//
// Iterators read (it() is a const reference); cursors, and a list through
// its own cursor, write. Moves take the links in O(1) and leave the source
// empty with its cursor undefined; walkers of the source are then stale.
//
// Members: char, int, double, utAny (pointers, not owned), utString, and
// coTreecoDListPtrcoPtr (pointers to tree nodes, not owned by the list; the
// tree's children lists), which does not print.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/dlist.h>

class COLIB_API coTree;

// The members: M(X, class name prefix, element type, prints).
// clang-format off
#define COLIB_DLIST_MEMBERS(M, X) \
    M(X, char, char, 1) M(X, int, int, 1) M(X, double, double, 1) M(X, utAny, utAny, 1) \
    M(X, utString, utString, 1) M(X, coTreecoDListPtrcoPtr, coTree *, 0)
// clang-format on

// intcoDList, intcoDListB, intcoDListBcoIteratorB, intcoDListBcoIterator,
// intcoDListBcoCursor and their links, ..., each compiled once in the
// library.
COLIB_DLIST_MEMBERS(COLIB_DLIST_CLASSES, COLIB_EXTERN_TEMPLATE)

// Walks the list part of a coTreecoDListPtrcoPtrcoDList, with its index.
class COLIB_API coTreecoDListPtrcoPtrcoDListcoIterator
    : public coTreecoDListPtrcoPtrcoDListBcoIterator {
public:
    explicit coTreecoDListPtrcoPtrcoDListcoIterator(
        const coTreecoDListPtrcoPtrcoDList *list) noexcept
        : coTreecoDListPtrcoPtrcoDListBcoIterator(list) {}
};
