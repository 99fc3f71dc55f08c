// coHash: the open-addressing engine behind every set and table.
//
// The engine owns no storage. A derived class keeps a table of 2^B slots
// and lends it through the virtual operations of coArrInterface, always
// called with a null array handle:
//   arr_size(nullptr)           B, the number of index bits
//   arr_get(nullptr, i)         handle of slot i (the nil element while the
//                               derived class has no storage)
//   arr_put_copy(nullptr, o, i) assign a copy of o into slot i
//   obj_null, obj_compare, obj_hash, obj_assign, update_size
// The probe key is always the first argument of obj_compare.
//
// Placement: Fibonacci hashing to a home slot, then linear probing
// downward (see detail/probe.h for the formula). Removal moves later chain
// members back into the hole, so the table never holds tombstones.
//
// Invariants:
//   - every slot holds the nil element or exactly one stored element, and
//     the nil element itself is never stored;
//   - no two stored elements compare equal;
//   - every stored element is reached from its home slot by probing
//     downward without crossing an empty slot;
//   - count equals the number of non-nil slots; the derived class keeps at
//     least one slot empty (it grows at its load limit).
#pragma once

#include <colib/foundation/ut.h>
#include <colib/hashing/interfaces.h>

// Opaque element type of the pointer sets: never defined, only pointed at.
class COLIB_API coPointerSetObject;

class COLIB_API coHash : protected coArrInterface {
public:
    coHash() noexcept = default;
    // Copies the count (become).
    coHash(utCopy, const coHash &src) noexcept;
    ~coHash() override;

    // Copies the count only; the derived class copies its slots.
    void become(utCopy, const coHash &src) noexcept;

    int size() const noexcept { return count_; }
    // count 0, then update_size(0). The slots are not touched: emptying
    // them is the derived class's business.
    void clear();

    // Inserts a copy of key unless an equal element is stored. Returns the
    // stored equal element, or null (inserted, or refused because key is
    // the nil element). update_size may rebuild the table: no slot index
    // survives the call. If update_size throws, the new element is taken
    // out again before the exception leaves.
    void *add(void *const key);
    // The stored element equal to key, or null.
    void *find(void *const key) const;
    int member(void *const key) const { return find(key) != nullptr ? 1 : 0; }
    // Removes the element equal to key after assigning it to the existing
    // element out; 1. Without one: 0, out untouched.
    int remove(void *const key, void *out);

protected:
    coHash(const coHash &src) noexcept = default;
    coHash &operator=(const coHash &src) noexcept = default;

    void *obj_nil() const override;
    int obj_null(void *const obj) const override;
    void arr_move(void *const arr, int from, int to) const override;
    // Told the new count after every insertion and removal. Does nothing.
    virtual void update_size(int n);

    // Pure here: the derived class supplies its elements and table.
    int obj_compare(void *const a, void *const b) const override = 0;
    unsigned int obj_hash(void *const obj) const override = 0;
    int arr_size(void *const arr) const override = 0;
    void arr_put_copy(void *const arr, void *const obj, int i) const override = 0;
    void *arr_get(void *const arr, int i) const override = 0;

    int count_ = 0;

private:
    struct Virtual;
    int find_index(void *const key) const;
    int hash_to_index(int h) const;
    int one_less(int i) const;
    // Empties slot i (a stored element) and updates the count.
    void erase_index(int i);
};

// Element hashes of the sets and tables.
//
// The byte hash: XOR of the little-endian 32-bit words of the n bytes, the
// last partial word padded with zeros (01 02 03 04 gives 04030201; adding
// a fifth byte 05 gives 04030204); 0 for n <= 0.
COLIB_API unsigned int co_hash(void *const p, int n);
COLIB_API unsigned int co_hash(int v);
// The byte hash of the 8 bytes: low word XOR high word.
COLIB_API unsigned int co_hash(double v);
// 0 without text; else the byte hash of length() bytes of the text.
COLIB_API unsigned int co_hash(const utString &s);
// The byte hash of the 8 bytes of the address.
COLIB_API unsigned int co_hash_pointer(const void *p);
COLIB_API unsigned int co_hash(coPointerSetObject *p);
