#include <colib/lists/stack_queue.h>

#include "lists/slist.inl"
#include "lists/stack_queue.inl"

COLIB_STACK_QUEUE_MEMBERS(COLIB_STACK_QUEUE_INSTANCES, COLIB_INSTANTIATE)
