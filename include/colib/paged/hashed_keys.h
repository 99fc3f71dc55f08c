// The key sets of the hashed arrays: a hash set of small keys that maps
// each written index (one int, or a pair of ints) to the address of that
// index's element in the array's paged storage.
//
//   int x = 5;
//   coHashedArrPcoSet keys(4, 50);
//   keys.add(coHashedArrP(7, &x));                // 16 slots from now on
//   keys.find(coHashedArrP(7, nullptr)).get_object();  // &x
//   co_hash(coHashedArr2DP(1, 2, nullptr));       // 65538
//
// Rules of the family:
//   - keys are equal when their indexes are equal; the object pointer takes
//     no part in equality or hashing, so a lookup key carries a null object
//     and reads the stored object from the result;
//   - the nil key (index -1; for pairs, both indexes -1) marks empty slots
//     and can never be stored: adding it stores nothing, lookups that find
//     nothing answer with it. (-1, 5) and (5, -1) are ordinary pair keys;
//   - a one-index key hashes as its index; a pair as the first index
//     rotated by 16 bits, XOR the second;
//   - the sets are members of the typed-set family (hashing/detail/set.h)
//     with every operation of intcoSet, except that remove and remove_any
//     return the removed key (with its stored object pointer), and they do
//     not print.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/hashing/detail/set.h>

// The key of a one-dimensional hashed array: an index and the address of
// its element (not owned).
class COLIB_API coHashedArrP {
public:
    // The nil key: index -1, null object.
    constexpr coHashedArrP() noexcept = default;
    constexpr coHashedArrP(int index, void *object) noexcept : index_(index), object_(object) {}

    constexpr int get_index() const noexcept { return index_; }
    constexpr void *get_object() const noexcept { return object_; }
    // 1 when the indexes are equal; the objects are not compared.
    constexpr int operator==(coHashedArrP o) const noexcept { return index_ == o.index_ ? 1 : 0; }

private:
    int index_ = -1;
    void *object_ = nullptr;
};

// The key of a two-dimensional hashed array: two indexes and the address of
// the element (not owned).
class COLIB_API coHashedArr2DP {
public:
    // The nil key: both indexes -1, null object.
    constexpr coHashedArr2DP() noexcept = default;
    constexpr coHashedArr2DP(int i1, int i2, void *object) noexcept
        : i1_(i1), i2_(i2), object_(object) {}

    constexpr int get_i1() const noexcept { return i1_; }
    constexpr int get_i2() const noexcept { return i2_; }
    constexpr void *get_obj() const noexcept { return object_; }
    // 1 when both indexes are equal; the objects are not compared.
    constexpr int operator==(coHashedArr2DP o) const noexcept {
        return i1_ == o.i1_ && i2_ == o.i2_ ? 1 : 0;
    }

    // The first index rotated by 16 bits, XOR the second (logical shifts).
    constexpr unsigned int hash() const noexcept {
        return (u(i1_) >> uhalf()) ^ (u(i1_) << uhalf()) ^ u(i2_);
    }

private:
    static constexpr unsigned int u(int v) noexcept { return static_cast<unsigned int>(v); }
    static constexpr unsigned int uhalf() noexcept { return 16; }

    int i1_ = -1;
    int i2_ = -1;
    void *object_ = nullptr;
};

// The index as unsigned.
COLIB_API unsigned int co_hash(const coHashedArrP &key);
// The first index rotated by 16 bits, XOR the second: (1, 2) gives 65538,
// (65536, 0) gives 1.
COLIB_API unsigned int co_hash(const coHashedArr2DP &key);

// What the set template needs to know about each key type; the hashes agree
// with co_hash.
struct COLIB_API coHashedArrPElem {
    static constexpr bool printable = false;
    static coHashedArrP make_nil() noexcept { return coHashedArrP(); }
    static bool is_nil(const coHashedArrP &k) noexcept { return k.get_index() == -1; }
    static bool equal(const coHashedArrP &a, const coHashedArrP &b) noexcept {
        return a.get_index() == b.get_index();
    }
    static unsigned hash(const coHashedArrP &k) noexcept {
        return static_cast<unsigned>(k.get_index());
    }
    // Set::print is compiled for every member; keys show as "[index]".
    static void print(utOstream &os, const coHashedArrP &k) { os << "[" << k.get_index() << "]"; }
};

struct COLIB_API coHashedArr2DPElem {
    static constexpr bool printable = false;
    static coHashedArr2DP make_nil() noexcept { return coHashedArr2DP(); }
    static bool is_nil(const coHashedArr2DP &k) noexcept {
        return k.get_i1() == -1 && k.get_i2() == -1;
    }
    static bool equal(const coHashedArr2DP &a, const coHashedArr2DP &b) noexcept {
        return a.get_i1() == b.get_i1() && a.get_i2() == b.get_i2();
    }
    static unsigned hash(const coHashedArr2DP &k) noexcept { return k.hash(); }
    static void print(utOstream &os, const coHashedArr2DP &k) {
        os << "[" << k.get_i1() << ", " << k.get_i2() << "]";
    }
};

// The key sets: M(X, key type). Key##coSet is the key set of the arrays
// with that key, Key##coSetcoIterator its slot-order walker (operator()
// gives the current key, or the nil key).
// clang-format off
#define COLIB_HASHED_KEYS_MEMBERS(M, X) \
    M(X, coHashedArrP) M(X, coHashedArr2DP)
// clang-format on

#define COLIB_HASHED_KEYS_CLASSES(X, K)                                                            \
    COLIB_THIN_CLASS(K##coSet, coSetT, K##coSet, K, K##Elem)                                       \
    COLIB_THIN_CLASS(K##coSetcoIterator, coSetIterT, K##coSetcoIterator, K##coSet)                 \
    COLIB_HASHED_KEYS_INSTANCES(X, K)
#define COLIB_HASHED_KEYS_INSTANCES(X, K)                                                          \
    X(coSetT<K##coSet, K, K##Elem>)                                                                \
    X(coSetIterT<K##coSetcoIterator, K##coSet>)

// coHashedArrPcoSet, coHashedArr2DPcoSet and their walkers, each compiled
// once in the library (src/paged/hashed_keys.cpp).
COLIB_HASHED_KEYS_MEMBERS(COLIB_HASHED_KEYS_CLASSES, COLIB_EXTERN_TEMPLATE)
