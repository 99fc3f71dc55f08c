// coHashedArrT: the algorithm behind every hashed array (intcoHashedArr and
// its siblings). Each concrete class derives from it with itself as Derived
// and inherits its constructors; the library compiles the members once per
// concrete class (src/paged/hashed_arr.inl, src/paged/hashed_arr.cpp).
//
// Design. An array addressed by any int index, where only the indexes
// actually written take storage. The elements live densely, in the order
// their indexes were first written, in a paged array (Store, 256 elements
// per block), which never moves them; a key set (coHashedArrPcoSet, 4
// initial bits, 50 percent) maps each written index to its element's
// address. A read is one probe of the key set; a first write is one probe
// that inserts the key, plus one element appended to the storage.
//
// Subscripting goes through Proxy, which tells reads from writes: reading
// a[k] never creates k (an unwritten index reads as the zero element);
// assigning a[k] = v creates k once and overwrites it afterwards.
//
// Layout, in order: largest index, storage, keys.
//
// Invariants:
//   - each written index has exactly one key and one storage element, and
//     the key's object pointer is that element's address;
//   - storage size == key count == number of distinct indexes written;
//   - largest index is the largest index ever written, -1 before the first
//     write; nothing lowers it and nothing is ever removed;
//   - index -1 is the key set's nil index and is never stored.
//
// Failure: a first write that cannot get its storage block or its key slot
// throws std::bad_alloc and leaves the index unwritten, with size, count,
// reads and iteration as before (a storage block made just before a failed
// key insertion stays as a spare block and is used by the next write).
#pragma once

#include <cstddef>
#include <iterator>
#include <ostream>
#include <utility>

#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/print.h>
#include <colib/paged/detail/page_arr.h>
#include <colib/paged/hashed_keys.h>

namespace colib_detail {

// One written element of a hashed array, as range-for yields it:
// for (auto [index, value] : a) ...
template <class V> struct hashed_entry {
    int index;
    V &value;
    static hashed_entry make(const coHashedArrP &k) noexcept {
        return {k.get_index(), *static_cast<V *>(k.get_object())};
    }
};

// One written cell of a two-dimensional hashed array:
// for (auto [first, second, value] : a) ...
template <class V> struct hashed_entry2 {
    int first;
    int second;
    V &value;
    static hashed_entry2 make(const coHashedArr2DP &k) noexcept {
        return {k.get_i1(), k.get_i2(), *static_cast<V *>(k.get_obj())};
    }
};

// Forward iterator over the written elements, in key-slot order: walks the
// key set's slots and turns each key into an Entry.
template <class KeyIt, class Entry> class hashed_range_iter {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = Entry;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = Entry;

    explicit hashed_range_iter(KeyIt it) noexcept : it_(it) {}
    Entry operator*() const noexcept { return Entry::make(*it_); }
    hashed_range_iter &operator++() noexcept {
        ++it_;
        return *this;
    }
    hashed_range_iter operator++(int) noexcept {
        hashed_range_iter old = *this;
        ++it_;
        return old;
    }
    bool operator==(const hashed_range_iter &o) const noexcept { return it_ == o.it_; }
    bool operator!=(const hashed_range_iter &o) const noexcept { return it_ != o.it_; }

private:
    KeyIt it_;
};

} // namespace colib_detail

template <class Derived, class Array> class coHashedArrProxyT;

template <class Derived, class T, class Store, class Proxy> class COLIB_API coHashedArrT {
    using key_iter = coHashedArrPcoSet::const_iterator;

public:
    using value_type = T;
    using key_set = coHashedArrPcoSet;
    using storage_type = Store;
    using iterator = colib_detail::hashed_range_iter<key_iter, colib_detail::hashed_entry<T>>;
    using const_iterator =
        colib_detail::hashed_range_iter<key_iter, colib_detail::hashed_entry<const T>>;

    // Largest index -1, no storage block, an empty key set of 16 slots to
    // be (4 initial bits, 50 percent).
    coHashedArrT() : keys_(4, 50) {}
    // Not copyable: the keys point into this array's own storage.
    coHashedArrT(const coHashedArrT &) = delete;
    coHashedArrT &operator=(const coHashedArrT &) = delete;
    // Takes src's storage and keys in O(1); element addresses do not change.
    // src is left empty and usable.
    coHashedArrT(coHashedArrT &&src) noexcept
        : largest_(src.largest_), store_(std::move(src.store_)), keys_(std::move(src.keys_)) {
        src.largest_ = -1;
    }
    coHashedArrT &operator=(coHashedArrT &&src) noexcept {
        if (this != &src) {
            largest_ = src.largest_;
            src.largest_ = -1;
            store_ = std::move(src.store_);
            keys_ = std::move(src.keys_);
        }
        return *this;
    }
    ~coHashedArrT() = default;

    // Largest index written + 1: 0 for an array never written. Not the
    // number of stored elements (see count). Index 2147483647 written makes
    // it wrap to -2147483648.
    int size() const noexcept { return static_cast<int>(static_cast<unsigned>(largest_) + 1u); }
    // The number of distinct indexes written.
    int count() const noexcept { return keys_.size(); }
    // The largest index written, -1 before the first write.
    int largest_index() const noexcept { return largest_; }
    int empty() const noexcept { return count() == 0 ? 1 : 0; }

    // The element stored for k, or the zero element when k was never
    // written. Never stores anything; any k, -1 included, may be read.
    const T &read(int k) const {
        void *p = keys_.find(coHashedArrP(k, nullptr)).get_object();
        return p ? *static_cast<const T *>(p) : s_default;
    }
    // 1 when k has been written.
    int member(int k) const { return keys_.find(coHashedArrP(k, nullptr)).get_object() ? 1 : 0; }

    // a[k] = v writes (creating k once); reading a[k] is read(k).
    Proxy operator[](int k) noexcept { return Proxy(static_cast<Derived *>(this), k); }
    const T &operator[](int k) const { return read(k); }

    // The key set and the storage, for users who want to see them (slot
    // count, block count). The storage is in first-write order.
    const key_set &keys() const noexcept { return keys_; }
    const Store &storage() const noexcept { return store_; }

    // The written elements in key-slot order (not index order), as
    // (index, element) entries; elements are references into the storage.
    iterator begin() noexcept { return iterator(keys_.begin()); }
    iterator end() noexcept { return iterator(keys_.end()); }
    const_iterator begin() const noexcept { return const_iterator(keys_.begin()); }
    const_iterator end() const noexcept { return const_iterator(keys_.end()); }

    // "coHashedArr {", then one level deeper "size " and size(), then every
    // index from 0 to the largest, unwritten ones as the zero element, then
    // "}". Negative indexes are not printed.
    utOstream &print(utOstream &os) const;

    friend utOstream &operator<<(utOstream &os, const Derived &a) { return a.print(os); }
    friend std::ostream &operator<<(std::ostream &os, const Derived &a) {
        return colib_detail::print_std(os, a);
    }

protected:
    // The element for k, created when absent (zero until the caller assigns
    // it). The reference stays valid for the array's lifetime. Hardened:
    // k == -1 aborts. Throws std::bad_alloc with k still unwritten.
    T &get_index(int k) {
        COLIB_EXPECT(k != -1, typeid(Derived), "write", "index -1 is the nil index");
        T *slot = colib_detail::next_page_slot<T>(store_);
        void *prev = keys_.add(coHashedArrP(k, slot)).get_object();
        if (prev) return *static_cast<T *>(prev);
        // The key is in: take the slot (its block exists, so no allocation).
        store_.append(T());
        if (k > largest_) largest_ = k;
        return *slot;
    }
    // The element of an index known to be written. Hardened: an unwritten
    // index aborts.
    T &get_object(int k) const {
        void *p = keys_.find(coHashedArrP(k, nullptr)).get_object();
        COLIB_EXPECT(p != nullptr, typeid(Derived), "get_object", "index %d was never written", k);
        return *static_cast<T *>(p);
    }

private:
    template <class, class> friend class coHashedArrProxyT;

    // The zero element that reads of unwritten indexes return, one per
    // member, defined in the library.
    COLIB_API static const T s_default;

    int largest_ = -1;
    Store store_;
    key_set keys_;
};

// The proxy for one index of one array: assignment writes, conversion
// reads.
template <class Derived, class Array> class COLIB_API coHashedArrProxyT {
public:
    using value_type = typename Array::value_type;

    coHashedArrProxyT(Array *const array, int index) noexcept : index_(index), array_(array) {}
    coHashedArrProxyT(const coHashedArrProxyT &) noexcept = default;

    // Writes: creates the index when absent, stores v, returns the element.
    value_type &operator=(const value_type &v) { return array_->get_index(index_) = v; }
    // a[i] = b[j] copies the value, never the proxy.
    value_type &operator=(const coHashedArrProxyT &o) { return *this = static_cast<value_type>(o); }
    // Reads: the stored element or the zero element; never creates.
    operator value_type() const { return array_->read(index_); }

    int index() const noexcept { return index_; }

private:
    int index_;
    Array *array_;
};

// Steps through the written elements of an array in key-slot order (the
// key set's walker): ++ and -- as basecoSetcoIterator. Made from a const
// array, it hands out const elements.
template <class Derived, class Array>
class COLIB_API coHashedArrIterT : public basecoSetcoIterator {
public:
    using value_type = typename Array::value_type;

    explicit coHashedArrIterT(const Array *array) noexcept : basecoSetcoIterator(&array->keys()) {}

    // The current key (index and element address), or the nil key when
    // not valid.
    const coHashedArrP &operator()() const {
        void *p = basecoSetcoIterator::operator()();
        return p ? *static_cast<const coHashedArrP *>(p) : coHashedArrPcoSet::nil();
    }
    // The current index; -1 when not valid.
    int get_index() const { return (*this)().get_index(); }
    // The current element. Hardened: requires a valid iterator.
    const value_type &value() const {
        void *p = (*this)().get_object();
        COLIB_EXPECT(p != nullptr, typeid(Derived), "value", "no current element");
        return *static_cast<const value_type *>(p);
    }
};
