// The registry's table: names to the named resource keys. It points at the
// keys without owning them, does not print and has no key/value iterator:
// utStringcoResourceKeyPtrcoTableP, ...coTablePcoSet and its coIterator,
// ...coTable, compiled once in the library (src/resources/resource.cpp).
#pragma once

#include <colib/hashing/table.h>

class COLIB_API coResourceKeyBase;

COLIB_TABLE_PAIR_CLASSES(COLIB_EXTERN_TEMPLATE, utStringcoResourceKeyPtr, utString,
                         coResourceKeyBase *, false)
