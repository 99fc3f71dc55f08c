// What call_list.h stands on: the walk state of apply and the list of
// registration pointers coCallList derives from.
#pragma once

#include <colib/notify/detail/call_walk.h>
#include <colib/notify/detail/notify_lists.h>

class coCallFunc;

COLIB_CALL_LIST_MEMBERS(COLIB_NOTIFY_LIST_CLASSES, COLIB_EXTERN_TEMPLATE)
