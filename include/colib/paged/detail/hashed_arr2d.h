// coHashedArr2DT: the algorithm behind every two-dimensional hashed array
// (intcoHashedArr2D, charcoHashedArr2D). Each concrete class derives from it
// with itself as Derived; the library compiles the members once per
// concrete class (src/paged/hashed_arr2d.inl, src/paged/hashed_arr2d.cpp).
//
// Design. The one-dimensional hashed array (detail/hashed_arr.h) addressed
// by a pair of ints: only the pairs written take storage, elements live
// densely in first-write order in a paged array (Store, 256 per block) that
// never moves them, and a key set (coHashedArr2DPcoSet, 4 initial bits, 50
// percent) maps each written pair to its element's address. A pair hashes
// as the first index rotated by 16 bits, XOR the second.
//
// a[i] gives a Proxy1D for row i; Proxy1D[j] gives the element Proxy,
// whose assignment writes (creating the pair once) and whose conversion
// reads (never creating). On a const array a[i][j] reads.
//
// Layout, in order: largest first index, largest second index, storage,
// keys.
//
// Invariants:
//   - each written pair has exactly one key and one storage element, and
//     the key's object pointer is that element's address;
//   - storage size == key count == number of distinct pairs written;
//   - the two maxima are the largest first and the largest second index
//     ever written, kept independently (-1 before the first write);
//   - the pair (-1, -1) is the key set's nil key and is never stored;
//     pairs with one index -1 are ordinary.
//
// Failure: as the one-dimensional array: a first write that cannot get its
// storage block or its key slot throws std::bad_alloc and leaves the pair
// unwritten, count, maxima, reads and iteration as before.
#pragma once

#include <utility>

#include <colib/paged/detail/hashed_arr.h>

template <class Derived, class Array> class coHashedArr2DProxyT;
template <class Derived, class Array, class Proxy> class coHashedArr2DProxy1DT;

namespace colib_detail {
// Row i of a const two-dimensional hashed array: [j] reads (i, j).
template <class Array> class hashed_row_view {
public:
    hashed_row_view(const Array *a, int i) noexcept : a_(a), i_(i) {}
    const typename Array::value_type &operator[](int j) const { return a_->read(i_, j); }

private:
    const Array *a_;
    int i_;
};
} // namespace colib_detail

template <class Derived, class T, class Store, class Proxy1D> class COLIB_API coHashedArr2DT {
    using key_iter = coHashedArr2DPcoSet::const_iterator;

public:
    using value_type = T;
    using key_set = coHashedArr2DPcoSet;
    using storage_type = Store;
    using iterator = colib_detail::hashed_range_iter<key_iter, colib_detail::hashed_entry2<T>>;
    using const_iterator =
        colib_detail::hashed_range_iter<key_iter, colib_detail::hashed_entry2<const T>>;

    // Both maxima -1, no storage block, an empty key set (4 bits, 50 %).
    coHashedArr2DT() : keys_(4, 50) {}
    // Not copyable: the keys point into this array's own storage.
    coHashedArr2DT(const coHashedArr2DT &) = delete;
    coHashedArr2DT &operator=(const coHashedArr2DT &) = delete;
    // Takes src's storage and keys in O(1); element addresses do not change.
    // src is left empty and usable.
    coHashedArr2DT(coHashedArr2DT &&src) noexcept
        : largest1_(src.largest1_), largest2_(src.largest2_), store_(std::move(src.store_)),
          keys_(std::move(src.keys_)) {
        src.largest1_ = src.largest2_ = -1;
    }
    coHashedArr2DT &operator=(coHashedArr2DT &&src) noexcept {
        if (this != &src) {
            largest1_ = src.largest1_;
            largest2_ = src.largest2_;
            src.largest1_ = src.largest2_ = -1;
            store_ = std::move(src.store_);
            keys_ = std::move(src.keys_);
        }
        return *this;
    }
    ~coHashedArr2DT() = default;

    // The largest first and the largest second index ever written, each -1
    // before the first write. Kept independently: after writing (5, 0) and
    // (0, 9) they are 5 and 9, although (5, 9) was never written.
    int largest_first() const noexcept { return largest1_; }
    int largest_second() const noexcept { return largest2_; }
    // The number of distinct pairs written.
    int count() const noexcept { return keys_.size(); }
    int empty() const noexcept { return count() == 0 ? 1 : 0; }

    // The element stored for (i, j), or the zero element when the pair was
    // never written. Never stores anything.
    const T &read(int i, int j) const {
        void *p = keys_.find(coHashedArr2DP(i, j, nullptr)).get_obj();
        return p ? *static_cast<const T *>(p) : s_default;
    }
    // 1 when (i, j) has been written.
    int member(int i, int j) const {
        return keys_.find(coHashedArr2DP(i, j, nullptr)).get_obj() ? 1 : 0;
    }

    // a[i][j] = v writes; reading a[i][j] is read(i, j).
    Proxy1D operator[](int i) noexcept { return Proxy1D(static_cast<Derived *>(this), i); }
    colib_detail::hashed_row_view<Derived> operator[](int i) const noexcept {
        return colib_detail::hashed_row_view<Derived>(static_cast<const Derived *>(this), i);
    }

    // The key set and the storage (first-write order), for users who want
    // to see them.
    const key_set &keys() const noexcept { return keys_; }
    const Store &storage() const noexcept { return store_; }

    // The written cells in key-slot order, as (first, second, element)
    // entries; elements are references into the storage.
    iterator begin() noexcept { return iterator(keys_.begin()); }
    iterator end() noexcept { return iterator(keys_.end()); }
    const_iterator begin() const noexcept { return const_iterator(keys_.begin()); }
    const_iterator end() const noexcept { return const_iterator(keys_.end()); }

private:
    template <class, class> friend class coHashedArr2DProxyT;

    // The element for (i, j), created when absent (zero until the caller
    // assigns it). Hardened: (-1, -1) aborts. Throws std::bad_alloc with
    // the pair still unwritten.
    T &get_index(int i, int j) {
        COLIB_EXPECT(i != -1 || j != -1, typeid(Derived), "write",
                     "the pair (-1, -1) is the nil pair");
        T *slot = colib_detail::next_page_slot<T>(store_);
        void *prev = keys_.add(coHashedArr2DP(i, j, slot)).get_obj();
        if (prev) return *static_cast<T *>(prev);
        store_.append(T());
        if (i > largest1_) largest1_ = i;
        if (j > largest2_) largest2_ = j;
        return *slot;
    }
    // The element of a pair known to be written. Hardened: an unwritten
    // pair aborts.
    T &get_object(int i, int j) const {
        void *p = keys_.find(coHashedArr2DP(i, j, nullptr)).get_obj();
        COLIB_EXPECT(p != nullptr, typeid(Derived), "get_object", "pair (%d, %d) was never written",
                     i, j);
        return *static_cast<T *>(p);
    }

    // The zero element that reads of unwritten pairs return, one per
    // member, defined in the library.
    COLIB_API static const T s_default;

    int largest1_ = -1;
    int largest2_ = -1;
    Store store_;
    key_set keys_;
};

// The proxy for row i of one array: [j] gives the element proxy for (i, j).
template <class Derived, class Array, class Proxy> class COLIB_API coHashedArr2DProxy1DT {
public:
    coHashedArr2DProxy1DT(Array *const array, int i) noexcept : i_(i), array_(array) {}

    Proxy operator[](int j) const noexcept { return Proxy(array_, i_, j); }
    int index() const noexcept { return i_; }

private:
    int i_;
    Array *array_;
};

// The proxy for one pair of one array: assignment writes, conversion reads.
template <class Derived, class Array> class COLIB_API coHashedArr2DProxyT {
public:
    using value_type = typename Array::value_type;

    coHashedArr2DProxyT(Array *const array, int i, int j) noexcept : i_(i), j_(j), array_(array) {}
    coHashedArr2DProxyT(const coHashedArr2DProxyT &) noexcept = default;

    // Writes: creates the pair when absent, stores v, returns the element.
    value_type &operator=(const value_type &v) { return array_->get_index(i_, j_) = v; }
    // a[i][j] = b[k][l] copies the value, never the proxy.
    value_type &operator=(const coHashedArr2DProxyT &o) {
        return *this = static_cast<value_type>(o);
    }
    // Reads: the stored element or the zero element; never creates.
    operator value_type() const { return array_->read(i_, j_); }

    int first() const noexcept { return i_; }
    int second() const noexcept { return j_; }

private:
    int i_;
    int j_;
    Array *array_;
};

// Steps through the written cells of an array in key-slot order (the key
// set's walker): ++ and -- as basecoSetcoIterator. Hands out const
// elements.
template <class Derived, class Array>
class COLIB_API coHashedArr2DIterT : public basecoSetcoIterator {
public:
    using value_type = typename Array::value_type;

    explicit coHashedArr2DIterT(const Array *array) noexcept
        : basecoSetcoIterator(&array->keys()) {}

    // The current key, or the nil key when not valid.
    const coHashedArr2DP &operator()() const {
        void *p = basecoSetcoIterator::operator()();
        return p ? *static_cast<const coHashedArr2DP *>(p) : coHashedArr2DPcoSet::nil();
    }
    // The two indexes of the current key; -1 and -1 when not valid.
    void index(int &i, int &j) const {
        const coHashedArr2DP &k = (*this)();
        i = k.get_i1();
        j = k.get_i2();
    }
    // The current element. Hardened: requires a valid iterator.
    const value_type &value() const {
        void *p = (*this)().get_obj();
        COLIB_EXPECT(p != nullptr, typeid(Derived), "value", "no current element");
        return *static_cast<const value_type *>(p);
    }
};
