// basecoSet: the growable hash set over the engine, without an element
// type. It keeps the table geometry and the running hash; each concrete set
// (coSetT, detail/set.h) owns the slot array and supplies the element
// operations.
//
// Growth: after each change to count n, the table of 2^bits slots doubles
// when n >= (load percent / 100) * 2^bits, evaluated in double precision.
// With the usual 4 initial bits and 50 percent a set has 16 slots, 32 from
// the 8th element, 64 from the 16th, and so on. It never shrinks on
// removal; clear with a non-zero argument returns it to 2^(initial bits).
//
// Invariants (besides the engine's):
//   - 1 <= load percent <= 100 and 0 <= initial bits <= bits <= 30, so a
//     probe always meets an empty slot;
//   - the running hash is the XOR of the hashes of the stored elements
//     (0 when empty), whatever the order they came in.
#pragma once

#include <colib/hashing/hash.h>

class basecoSetcoIterator;

class COLIB_API basecoSet : protected coHash {
public:
    // count 0, initial bits = bits, running hash 0. Requires 0 <= bits <=
    // 30 and 1 <= load_percent <= 100 (checked by the concrete sets in
    // hardened builds).
    basecoSet(int bits, int load_percent) noexcept;
    ~basecoSet() override;

    // Copies count, initial bits, load percent, bits and running hash.
    void become(utCopy, const basecoSet &src) noexcept;

    // The engine's operations on untyped handles (element addresses). add
    // and remove keep the running hash.
    void *add(void *const key);
    using coHash::find;
    using coHash::member;
    int remove(void *const key, void *out);
    using coHash::size;
    // count 0; the slots are not touched. The concrete sets hide it with
    // clear(int), which empties them.
    using coHash::clear;

    int empty() const noexcept { return count_ == 0 ? 1 : 0; }
    // XOR of the hashes of all stored elements.
    unsigned int hash() const noexcept { return hash_; }

    // The table's geometry, for users who want to see it.
    int slot_count() const noexcept { return hash_size(); }
    int bits() const noexcept { return bits_; }
    int initial_bits() const noexcept { return initial_bits_; }
    int load_percent() const noexcept { return load_percent_; }

protected:
    basecoSet(const basecoSet &) noexcept = default;
    basecoSet &operator=(const basecoSet &) noexcept = default;

    // 1 when both counts and both running hashes agree: a quick necessary
    // test for equal contents.
    int compare_base(const basecoSet &o) const noexcept {
        return count_ == o.count_ && hash_ == o.hash_ ? 1 : 0;
    }
    int hash_size() const noexcept { return 1 << bits_; }
    // True when count n asks for the table to double.
    bool at_load_limit(int n) const noexcept { return load_limit(n, bits_); }
    // The same for a table of 2^bits slots.
    // The rule is n >= (load percent / 100) * 2^bits in double precision;
    // compared in integers it gives the same answers (the exact limit is
    // either an integer with an exact double quotient, at 25, 50, 75 and
    // 100 percent, or at least 1/25 away from every integer), without a
    // division per insertion.
    bool load_limit(int n, int bits) const noexcept { return 100LL * n >= scaled_limit(bits); }
    // 100 times the count at which a table of 2^bits slots doubles.
    long long scaled_limit(int bits) const noexcept {
        return static_cast<long long>(load_percent_) << bits;
    }

    // The current bits (the engine's B).
    int arr_size(void *const arr) const override;
    int obj_null(void *const obj) const override;

    int initial_bits_;
    int load_percent_;
    int bits_;
    unsigned int hash_ = 0;

private:
    friend class basecoSetcoIterator;
};

// Walks a set in slot order. Not valid until the first step; ++ from not
// valid starts at slot 0, -- at the last slot; running off either end makes
// it not valid again. The slot count is read afresh at every step. Slot
// order follows hash values and table size, not insertion order; an
// insertion may rebuild the table and a removal may move elements back, so
// a walk that changes its set must restart.
class COLIB_API basecoSetcoIterator {
public:
    explicit basecoSetcoIterator(const basecoSet *set) noexcept;
    ~basecoSetcoIterator();

    // Next occupied slot; returns the new valid flag.
    int operator++();
    // Previous occupied slot; returns the new valid flag.
    int operator--();
    // Handle of the current slot, or null when not valid.
    void *operator()() const;

    int valid() const noexcept { return valid_; }
    // The current slot index.
    int index() const noexcept { return index_; }

private:
    bool nil_at(int i) const;
    const basecoSet *set_;
    int valid_ = 0;
    int index_ = 0;
};
