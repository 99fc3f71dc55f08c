// Pointer sets: object identities. Addresses are compared by identity and
// hashed by their 8 bytes (low word XOR high word); what they point at is
// never touched or owned. The null pointer is the nil value: never a
// member.
//
//   voidcoPointerSet seen;
//   seen.add(&node);
//   if (seen.member(&other)) ...
#pragma once

#include <initializer_list>

#include <colib/foundation/instances.h>
#include <colib/hashing/detail/set.h>

// The hash set of coPointerSetObject pointers (coPointerSetObject is only a
// tag: any address converts to it unchanged). Does not print.
class COLIB_API coPointerSetPtrcoSet : public coSetT<coPointerSetPtrcoSet, coPointerSetObject *> {
public:
    using coSetT::coSetT;

    // Same elements: equal counts and running hashes first (cheap), then
    // the subset test.
    int operator==(const coPointerSetPtrcoSet &o) const;
    // o <= *this.
    int operator>=(const coPointerSetPtrcoSet &o) const;
};

class COLIB_API coPointerSetPtrcoSetcoIterator
    : public coSetIterT<coPointerSetPtrcoSetcoIterator, coPointerSetPtrcoSet> {
public:
    using coSetIterT::coSetIterT;
};

// Accepts any address. Holds one coPointerSetPtrcoSet (4 initial bits, 50
// percent load); not polymorphic.
class COLIB_API voidcoPointerSet {
public:
    voidcoPointerSet();
    // Empty, then add of each address in order.
    voidcoPointerSet(std::initializer_list<void *> list);
    voidcoPointerSet(const voidcoPointerSet &o) = default;
    // Takes o's table; o is left empty and usable.
    voidcoPointerSet(voidcoPointerSet &&o) noexcept = default;
    voidcoPointerSet &operator=(const voidcoPointerSet &o) = default;
    voidcoPointerSet &operator=(voidcoPointerSet &&o) noexcept = default;
    ~voidcoPointerSet();

    // A null address is not stored.
    void add(const void *p);
    // 1 when p was present and is now removed.
    int remove(const void *p);
    int member(const void *p) const;
    int size() const;
    int empty() const;
    // Empties the set; non-zero gives the grown table back.
    void clear(int reallocate = 1);

    int operator==(const voidcoPointerSet &o) const;
    int operator<=(const voidcoPointerSet &o) const;
    int operator>=(const voidcoPointerSet &o) const;
    voidcoPointerSet &operator+=(const voidcoPointerSet &o);
    voidcoPointerSet &operator-=(const voidcoPointerSet &o);
    voidcoPointerSet &operator*=(const voidcoPointerSet &o);

    // The inner set, for iteration and inspection.
    const coPointerSetPtrcoSet &set() const noexcept { return set_; }
    coSetRangeIter<coPointerSetObject *, coSetElem<coPointerSetObject *>> begin() const noexcept {
        return set_.begin();
    }
    coSetRangeIter<coPointerSetObject *, coSetElem<coPointerSetObject *>> end() const noexcept {
        return set_.end();
    }

protected:
    static coPointerSetObject *cast(const void *p);

private:
    coPointerSetPtrcoSet set_;
};

// The instances compiled once in the library (src/hashing/pointer_set.cpp).
#define COLIB_POINTER_SET_INSTANCES(X)                                                             \
    X(coSetT<coPointerSetPtrcoSet, coPointerSetObject *>)                                          \
    X(coSetIterT<coPointerSetPtrcoSetcoIterator, coPointerSetPtrcoSet>)
COLIB_POINTER_SET_INSTANCES(COLIB_EXTERN_TEMPLATE)
