#include <colib/paged/hashed_keys.h>

#include "hashing/set.inl"

unsigned int co_hash(const coHashedArrP &key) {
    return coHashedArrPElem::hash(key);
}

unsigned int co_hash(const coHashedArr2DP &key) {
    return key.hash();
}

COLIB_HASHED_KEYS_MEMBERS(COLIB_HASHED_KEYS_INSTANCES, COLIB_INSTANTIATE)
