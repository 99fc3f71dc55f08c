// The stacks and queues: thin classes over their own copies of the singly
// linked list (intcoStackINTERNALcoSListB, intcoQueueINTERNALcoSListB ...),
// distinct types from the public lists and from each other.
//
//   intcoStack s{1, 2, 3};    // 3 on top
//   s.pop();                  // 2 on top
//   intcoQueue q{1, 2, 3};    // 1 at the head
//   q.append(4);              // 4 at the tail
//
// Stacks walk from the top down and queues from the head to the tail with
// range-for (for (int x : s)); list() is the internal list as read-only.
// Moves take the elements in O(1) and leave the source empty.
//
// Members: char, int, double, utAny (pointers, not owned) and utString.
// Each has its own private list classes (intcoStackINTERNALcoSListB and
// its pieces).
#pragma once

#include <colib/lists/detail/stack_queue.h>

// The members: M(X, class, element type, adaptor template) for each.
// clang-format off
#define COLIB_STACK_QUEUE_MEMBERS(M, X) \
    M(X, charcoStack, char, coStackT) M(X, intcoStack, int, coStackT) \
    M(X, doublecoStack, double, coStackT) M(X, utAnycoStack, utAny, coStackT) \
    M(X, utStringcoStack, utString, coStackT) M(X, charcoQueue, char, coQueueT) \
    M(X, intcoQueue, int, coQueueT) M(X, doublecoQueue, double, coQueueT) \
    M(X, utAnycoQueue, utAny, coQueueT) M(X, utStringcoQueue, utString, coQueueT)
// clang-format on

// intcoStack, intcoQueue, ... with their private lists, each compiled once
// in the library.
COLIB_STACK_QUEUE_MEMBERS(COLIB_STACK_QUEUE_CLASSES, COLIB_EXTERN_TEMPLATE)
