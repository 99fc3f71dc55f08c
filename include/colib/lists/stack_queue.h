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
// its pieces), made in lists/detail/stack_queue_lists.h.
#pragma once

#include <colib/lists/detail/stack_queue_lists.h>

// A stack of char.
class COLIB_API charcoStack : public coStackT<charcoStack, charcoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};
// A stack of int.
class COLIB_API intcoStack : public coStackT<intcoStack, intcoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};
// A stack of double.
class COLIB_API doublecoStack : public coStackT<doublecoStack, doublecoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};
// A stack of utAny (pointers, not owned).
class COLIB_API utAnycoStack : public coStackT<utAnycoStack, utAnycoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};
// A stack of utString.
class COLIB_API utStringcoStack
    : public coStackT<utStringcoStack, utStringcoStackINTERNALcoSListB> {
public:
    using coStackT::coStackT;
};
// A queue of char.
class COLIB_API charcoQueue : public coQueueT<charcoQueue, charcoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};
// A queue of int.
class COLIB_API intcoQueue : public coQueueT<intcoQueue, intcoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};
// A queue of double.
class COLIB_API doublecoQueue : public coQueueT<doublecoQueue, doublecoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};
// A queue of utAny (pointers, not owned).
class COLIB_API utAnycoQueue : public coQueueT<utAnycoQueue, utAnycoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};
// A queue of utString.
class COLIB_API utStringcoQueue
    : public coQueueT<utStringcoQueue, utStringcoQueueINTERNALcoSListB> {
public:
    using coQueueT::coQueueT;
};

// The instances compiled once in the library (src/lists/stack_queue.cpp),
// from the member list in lists/detail/stack_queue_lists.h.
COLIB_STACK_QUEUE_INSTANCES(COLIB_EXTERN_TEMPLATE)
