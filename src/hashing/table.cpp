#include <colib/hashing/table.h>

#include "table.inl"

#define COLIB_TABLE_PAIR_HASH_BODY(P)                                                              \
    unsigned int co_hash(const P &p) {                                                             \
        return coTablePElem<P>::hash(p);                                                           \
    }
COLIB_TABLE_PAIRS(COLIB_TABLE_PAIR_HASH_BODY)

COLIB_TABLE_INSTANCES(COLIB_INSTANTIATE)
