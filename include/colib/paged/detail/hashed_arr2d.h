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

template <class Derived, class T, class Store, class Proxy1D>
class COLIB_API coHashedArr2DT : private colib_detail::hashed_largest2,
                                 public colib_detail::hashed_store<T, Store, coHashedArr2DPcoSet,
                                                                   colib_detail::hashed_entry2> {
    using store =
        colib_detail::hashed_store<T, Store, coHashedArr2DPcoSet, colib_detail::hashed_entry2>;

public:
    // Both maxima -1, no storage block, an empty key set (4 bits, 50 %).
    coHashedArr2DT() = default;
    // Takes src's storage and keys in O(1); element addresses do not change.
    // src is left empty and usable.
    coHashedArr2DT(coHashedArr2DT &&src) noexcept : hashed_largest2(src), store(std::move(src)) {
        src.largest1_ = src.largest2_ = -1;
    }
    coHashedArr2DT &operator=(coHashedArr2DT &&src) noexcept {
        if (this != &src) {
            store::operator=(std::move(src));
            largest1_ = src.largest1_;
            largest2_ = src.largest2_;
            src.largest1_ = src.largest2_ = -1;
        }
        return *this;
    }
    ~coHashedArr2DT() = default;

    // The largest first and the largest second index ever written, each -1
    // before the first write. Kept independently: after writing (5, 0) and
    // (0, 9) they are 5 and 9, although (5, 9) was never written.
    int largest_first() const noexcept { return largest1_; }
    int largest_second() const noexcept { return largest2_; }

    // The element stored for (i, j), or the zero element when the pair was
    // never written. Never stores anything.
    const T &read(int i, int j) const { return this->read_key(coHashedArr2DP(i, j, nullptr)); }
    // 1 when (i, j) has been written.
    int member(int i, int j) const { return this->find(coHashedArr2DP(i, j, nullptr)) ? 1 : 0; }

    // a[i][j] = v writes; reading a[i][j] is read(i, j).
    Proxy1D operator[](int i) noexcept { return Proxy1D(static_cast<Derived *>(this), i); }
    colib_detail::hashed_row_view<Derived> operator[](int i) const noexcept {
        return colib_detail::hashed_row_view<Derived>(static_cast<const Derived *>(this), i);
    }

private:
    template <class, class> friend class coHashedArr2DProxyT;

    // The element for (i, j), created when absent (zero until the caller
    // assigns it). Hardened: (-1, -1) aborts. Throws std::bad_alloc with
    // the pair still unwritten.
    T &get_index(int i, int j) {
        COLIB_EXPECT(i != -1 || j != -1, typeid(Derived), "write",
                     "the pair (-1, -1) is the nil pair");
        bool made;
        T &x = this->make(coHashedArr2DP(i, j, nullptr), made);
        if (made) {
            if (i > largest1_) largest1_ = i;
            if (j > largest2_) largest2_ = j;
        }
        return x;
    }
    // The element of a pair known to be written. Hardened: an unwritten
    // pair aborts.
    T &get_object(int i, int j) const {
        T *p = this->find(coHashedArr2DP(i, j, nullptr));
        COLIB_EXPECT(p != nullptr, typeid(Derived), "get_object", "pair (%d, %d) was never written",
                     i, j);
        return *p;
    }
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
// set's walker): ++ and -- as basecoSetcoIterator; operator() gives the
// current key or the nil key, value() the current element (const).
template <class Derived, class Array>
class COLIB_API coHashedArr2DIterT : public colib_detail::hashed_walker<Derived, Array> {
public:
    using colib_detail::hashed_walker<Derived, Array>::hashed_walker;

    // The two indexes of the current key; -1 and -1 when not valid.
    void index(int &i, int &j) const {
        const coHashedArr2DP &k = (*this)();
        i = k.get_i1();
        j = k.get_i2();
    }
};

// One member of the family (paged/hashed_arr2d.h lists them): the storage
// and its walker, the array, its proxies and its key walker.
#define COLIB_HASHED_ARR2D_CLASSES(X, Pre, T)                                                      \
    COLIB_PAGE_ARR_CLASS(X, Pre##coHashedArr2DINTERNALcoPageArr, T, coElem<T>::block, 0)           \
    class Pre##coHashedArr2DProxy1D;                                                               \
    COLIB_THIN_CLASS(Pre##coHashedArr2D, coHashedArr2DT, Pre##coHashedArr2D, T,                    \
                     Pre##coHashedArr2DINTERNALcoPageArr, Pre##coHashedArr2DProxy1D)               \
    COLIB_PROXY_CLASS(Pre##coHashedArr2DProxy, coHashedArr2DProxyT, Pre##coHashedArr2DProxy,       \
                      Pre##coHashedArr2D)                                                          \
    COLIB_THIN_CLASS(Pre##coHashedArr2DProxy1D, coHashedArr2DProxy1DT, Pre##coHashedArr2DProxy1D,  \
                     Pre##coHashedArr2D, Pre##coHashedArr2DProxy)                                  \
    COLIB_THIN_CLASS(Pre##coHashedArr2DcoIterator, coHashedArr2DIterT,                             \
                     Pre##coHashedArr2DcoIterator, Pre##coHashedArr2D)                             \
    COLIB_HASHED_ARR2D_OWN_INSTANCES(X, Pre, T)
#define COLIB_HASHED_ARR2D_INSTANCES(X, Pre, T)                                                    \
    COLIB_PAGE_ARR_INSTANCE(X, Pre##coHashedArr2DINTERNALcoPageArr, T, coElem<T>::block, 0)        \
    COLIB_HASHED_ARR2D_OWN_INSTANCES(X, Pre, T)
#define COLIB_HASHED_ARR2D_OWN_INSTANCES(X, Pre, T)                                                \
    X(colib_detail::hashed_store<T, Pre##coHashedArr2DINTERNALcoPageArr, coHashedArr2DPcoSet,      \
                                 colib_detail::hashed_entry2>)                                     \
    X(coHashedArr2DT<Pre##coHashedArr2D, T, Pre##coHashedArr2DINTERNALcoPageArr,                   \
                     Pre##coHashedArr2DProxy1D>)                                                   \
    X(coHashedArr2DProxyT<Pre##coHashedArr2DProxy, Pre##coHashedArr2D>)                            \
    X(coHashedArr2DProxy1DT<Pre##coHashedArr2DProxy1D, Pre##coHashedArr2D,                         \
                            Pre##coHashedArr2DProxy>)                                              \
    X(colib_detail::hashed_walker<Pre##coHashedArr2DcoIterator, Pre##coHashedArr2D>)               \
    X(coHashedArr2DIterT<Pre##coHashedArr2DcoIterator, Pre##coHashedArr2D>)
