// The registry's table: names to the named resource keys. It points at the
// keys without owning them, does not print and has no key/value iterator.
#pragma once

#include <colib/hashing/table.h>

class COLIB_API coResourceKeyBase;

class COLIB_API utStringcoResourceKeyPtrcoTableP
    : public coTablePT<utStringcoResourceKeyPtrcoTableP, utString, coResourceKeyBase *> {
public:
    using coTablePT::coTablePT;
};
class COLIB_API utStringcoResourceKeyPtrcoTablePcoSet
    : public coSetT<utStringcoResourceKeyPtrcoTablePcoSet, utStringcoResourceKeyPtrcoTableP,
                    coTablePElem<utStringcoResourceKeyPtrcoTableP>> {
public:
    using coSetT::coSetT;
};
class COLIB_API utStringcoResourceKeyPtrcoTablePcoSetcoIterator
    : public coSetIterT<utStringcoResourceKeyPtrcoTablePcoSetcoIterator,
                        utStringcoResourceKeyPtrcoTablePcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API utStringcoResourceKeyPtrcoTable
    : public coTableT<utStringcoResourceKeyPtrcoTable, utStringcoResourceKeyPtrcoTablePcoSet,
                      false> {
public:
    using coTableT::coTableT;
};
COLIB_TABLE_PAIR_HASH(utStringcoResourceKeyPtrcoTableP)
COLIB_TABLE_PAIR_TUPLE(utStringcoResourceKeyPtrcoTableP)

// Compiled once in the library (src/resources/resource.cpp).
#define COLIB_RESOURCE_KEY_TABLE_INSTANCES(X)                                                      \
    X(coTablePT<utStringcoResourceKeyPtrcoTableP, utString, coResourceKeyBase *>)                  \
    X(coSetT<utStringcoResourceKeyPtrcoTablePcoSet, utStringcoResourceKeyPtrcoTableP,              \
             coTablePElem<utStringcoResourceKeyPtrcoTableP>>)                                      \
    X(coSetIterT<utStringcoResourceKeyPtrcoTablePcoSetcoIterator,                                  \
                 utStringcoResourceKeyPtrcoTablePcoSet>)                                           \
    X(coTableT<utStringcoResourceKeyPtrcoTable, utStringcoResourceKeyPtrcoTablePcoSet, false>)
COLIB_RESOURCE_KEY_TABLE_INSTANCES(COLIB_EXTERN_TEMPLATE)
