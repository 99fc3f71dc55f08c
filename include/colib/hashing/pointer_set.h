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

#include <colib/hashing/detail/set.h>

// The members: M(X, prefix, element type). coPointerSetPtrcoSet holds
// coPointerSetObject pointers (only a tag: any address converts to it
// unchanged), does not print, and adds == (equal counts and running hashes
// first, then the subset test) and >= to the set operations of coSetT.
#define COLIB_POINTER_SET_MEMBERS(M, X) M(X, coPointerSetPtr, coPointerSetObject *)

// coPointerSetPtrcoSet and coPointerSetPtrcoSetcoIterator, compiled once in
// the library.
COLIB_POINTER_SET_MEMBERS(COLIB_SET_CLASSES, COLIB_EXTERN_TEMPLATE)

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
    // Heap bytes held: the inner set's table.
    std::size_t memory_bytes() const noexcept { return set_.memory_bytes(); }
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
    coPointerSetPtrcoSet::const_iterator begin() const noexcept { return set_.begin(); }
    coPointerSetPtrcoSet::const_iterator end() const noexcept { return set_.end(); }

protected:
    static coPointerSetObject *cast(const void *p);

private:
    coPointerSetPtrcoSet set_;
};
