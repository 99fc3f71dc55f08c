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
// Layout, in order: largest index, storage, keys (the store base,
// hashed_store, shared with the two-dimensional arrays).
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
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/range_iter.h>
#include <colib/paged/detail/page_arr.h>
#include <colib/paged/hashed_keys.h>

namespace colib_detail {

// The element address a key carries, and the same key carrying another.
inline void *key_object(const coHashedArrP &k) noexcept {
    return k.get_object();
}
inline void *key_object(const coHashedArr2DP &k) noexcept {
    return k.get_obj();
}
inline coHashedArrP key_with(const coHashedArrP &k, void *object) noexcept {
    return coHashedArrP(k.get_index(), object);
}
inline coHashedArr2DP key_with(const coHashedArr2DP &k, void *object) noexcept {
    return coHashedArr2DP(k.get_i1(), k.get_i2(), object);
}

// One written element of a hashed array, as range-for yields it:
// for (auto [index, value] : a) ...
// Exported, as a template argument of the exported store.
template <class V> struct COLIB_API hashed_entry {
    int index;
    V &value;
    static hashed_entry make(const coHashedArrP &k) noexcept {
        return {k.get_index(), *static_cast<V *>(k.get_object())};
    }
};

// One written cell of a two-dimensional hashed array:
// for (auto [first, second, value] : a) ...
template <class V> struct COLIB_API hashed_entry2 {
    int first;
    int second;
    V &value;
    static hashed_entry2 make(const coHashedArr2DP &k) noexcept {
        return {k.get_i1(), k.get_i2(), *static_cast<V *>(k.get_obj())};
    }
};

// Forward iterator over the written elements, in key-slot order: walks the
// key set's slots and turns each key into an Entry.
template <class KeyIt, class Entry>
class hashed_range_iter : public range_iter<hashed_range_iter<KeyIt, Entry>, Entry> {
public:
    explicit hashed_range_iter(KeyIt it) noexcept : it_(it) {}
    Entry operator*() const noexcept { return Entry::make(*it_); }
    hashed_range_iter &operator++() noexcept {
        ++it_;
        return *this;
    }
    bool operator==(const hashed_range_iter &o) const noexcept { return it_ == o.it_; }

private:
    KeyIt it_;
};

// The store of the hashed arrays, one- and two-dimensional: the elements,
// densely in first-write order in a paged array (Store, 256 per block)
// that never moves them, and the key set (4 initial bits, 50 percent) that
// maps each written key to its element's address. Entry is what range-for
// yields for one key.
template <class T, class Store, class Keys, template <class> class Entry>
class COLIB_API hashed_store {
    using key = typename Keys::value_type;
    using key_iter = typename Keys::const_iterator;

public:
    using value_type = T;
    using key_set = Keys;
    using storage_type = Store;
    using iterator = hashed_range_iter<key_iter, Entry<T>>;
    using const_iterator = hashed_range_iter<key_iter, Entry<const T>>;

    // The number of distinct keys written.
    int count() const noexcept { return keys_.size(); }
    int empty() const noexcept { return count() == 0 ? 1 : 0; }

    // Heap bytes the array holds: the key set's table, the storage's blocks
    // and its block table.
    std::size_t memory_bytes() const noexcept {
        return keys_.memory_bytes() + store_.memory_bytes();
    }

    // The key set and the storage (first-write order), for users who want
    // to see them (slot count, block count).
    const key_set &keys() const noexcept { return keys_; }
    const Store &storage() const noexcept { return store_; }

    // The written elements in key-slot order (not index order); elements
    // are references into the storage.
    iterator begin() noexcept { return iterator(keys_.begin()); }
    iterator end() noexcept { return iterator(keys_.end()); }
    const_iterator begin() const noexcept { return const_iterator(keys_.begin()); }
    const_iterator end() const noexcept { return const_iterator(keys_.end()); }

protected:
    hashed_store() : keys_(4, 50) {}
    hashed_store(const hashed_store &) = delete;
    hashed_store &operator=(const hashed_store &) = delete;
    // Storage and keys move in O(1); element addresses do not change.
    hashed_store(hashed_store &&src) noexcept
        : store_(std::move(src.store_)), keys_(std::move(src.keys_)) {}
    hashed_store &operator=(hashed_store &&src) noexcept {
        store_ = std::move(src.store_);
        keys_ = std::move(src.keys_);
        return *this;
    }
    ~hashed_store() = default;

    // The element stored for k, null when k was never written.
    // Inline down to the probe: a miss costs no call into the library.
    T *find(const key &k) const noexcept {
        const key *p = keys_.lookup(k);
        return p ? static_cast<T *>(key_object(*p)) : nullptr;
    }
    // The element stored for k, or the zero element.
    const T &read_key(const key &k) const {
        // A stored key always has its element: one test, not find()'s two.
        const key *p = keys_.lookup(k);
        return p ? *static_cast<const T *>(key_object(*p)) : s_default;
    }
    // The element for k, created (as T()) when absent, with made telling
    // which. The slot it will take is had first, so that once the key is
    // in nothing can fail: throws std::bad_alloc with k still unwritten.
    T &make(const key &k, bool &made) {
        T *slot = next_page_slot<T>(store_);
        const key *stored = keys_.insert(key_with(k, slot));
        void *prev = stored ? key_object(*stored) : nullptr;
        made = prev == nullptr;
        if (!made) return *static_cast<T *>(prev);
        // The slot's block exists: this append allocates nothing.
        store_.append(T());
        return *slot;
    }

private:
    // The zero element that reads of unwritten keys return, one per
    // member, defined in the library.
    static const T s_default;

    Store store_;
    Keys keys_;
};

// The largest indexes written, kept ahead of the store: -1 before the first
// write.
struct hashed_largest {
    int largest_ = -1;
};
struct hashed_largest2 {
    int largest1_ = -1;
    int largest2_ = -1;
};

// The key-slot walker of a hashed array: ++ and -- as basecoSetcoIterator,
// operator() the current key (the nil key when not valid), value() the
// current element. Made from a const array, it hands out const elements.
template <class Derived, class Array> class COLIB_API hashed_walker : public basecoSetcoIterator {
    using key = typename Array::key_set::value_type;

public:
    using value_type = typename Array::value_type;

    explicit hashed_walker(const Array *array) noexcept : basecoSetcoIterator(&array->keys()) {}

    const key &operator()() const {
        void *p = basecoSetcoIterator::operator()();
        return p ? *static_cast<const key *>(p) : Array::key_set::nil();
    }
    // The current element. Hardened: requires a valid iterator.
    const value_type &value() const {
        void *p = key_object((*this)());
        COLIB_EXPECT(p != nullptr, typeid(Derived), "value", "no current element");
        return *static_cast<const value_type *>(p);
    }
};

} // namespace colib_detail

template <class Derived, class Array> class coHashedArrProxyT;

template <class Derived, class T, class Store, class Proxy>
class COLIB_API coHashedArrT
    : private colib_detail::hashed_largest,
      public colib_detail::hashed_store<T, Store, coHashedArrPcoSet, colib_detail::hashed_entry>,
      public colib_detail::printable<Derived> {
    using store =
        colib_detail::hashed_store<T, Store, coHashedArrPcoSet, colib_detail::hashed_entry>;

public:
    // Largest index -1, no storage block, an empty key set of 16 slots to
    // be (4 initial bits, 50 percent).
    coHashedArrT() = default;
    // Takes src's storage and keys in O(1); element addresses do not change.
    // src is left empty and usable.
    coHashedArrT(coHashedArrT &&src) noexcept : hashed_largest(src), store(std::move(src)) {
        src.largest_ = -1;
    }
    coHashedArrT &operator=(coHashedArrT &&src) noexcept {
        if (this != &src) {
            store::operator=(std::move(src));
            largest_ = src.largest_;
            src.largest_ = -1;
        }
        return *this;
    }
    ~coHashedArrT() = default;

    // Largest index written + 1: 0 for an array never written. Not the
    // number of stored elements (see count). Index 2147483647 written makes
    // it wrap to -2147483648.
    int size() const noexcept { return static_cast<int>(static_cast<unsigned>(largest_) + 1u); }
    // The largest index written, -1 before the first write.
    int largest_index() const noexcept { return largest_; }

    // The element stored for k, or the zero element when k was never
    // written. Never stores anything; any k, -1 included, may be read.
    const T &read(int k) const { return this->read_key(coHashedArrP(k, nullptr)); }
    // 1 when k has been written.
    int member(int k) const { return this->find(coHashedArrP(k, nullptr)) ? 1 : 0; }

    // a[k] = v writes (creating k once); reading a[k] is read(k).
    Proxy operator[](int k) noexcept { return Proxy(static_cast<Derived *>(this), k); }
    const T &operator[](int k) const { return read(k); }

    // "coHashedArr {", then one level deeper "size " and size(), then every
    // index from 0 to the largest, unwritten ones as the zero element, then
    // "}". Negative indexes are not printed.
    utOstream &print(utOstream &os) const;

protected:
    // The element for k, created when absent (zero until the caller assigns
    // it). The reference stays valid for the array's lifetime. Hardened:
    // k == -1 aborts. Throws std::bad_alloc with k still unwritten.
    T &get_index(int k) {
        COLIB_EXPECT(k != -1, typeid(Derived), "write", "index -1 is the nil index");
        bool made;
        T &x = this->make(coHashedArrP(k, nullptr), made);
        if (made && k > largest_) largest_ = k;
        return x;
    }
    // The element of an index known to be written. Hardened: an unwritten
    // index aborts.
    T &get_object(int k) const {
        T *p = this->find(coHashedArrP(k, nullptr));
        COLIB_EXPECT(p != nullptr, typeid(Derived), "get_object", "index %d was never written", k);
        return *p;
    }

private:
    template <class, class> friend class coHashedArrProxyT;
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
// key set's walker): ++ and -- as basecoSetcoIterator; operator() gives the
// current key (index and element address) or the nil key, value() the
// current element. Made from a const array, it hands out const elements.
template <class Derived, class Array>
class COLIB_API coHashedArrIterT : public colib_detail::hashed_walker<Derived, Array> {
public:
    using colib_detail::hashed_walker<Derived, Array>::hashed_walker;

    // The current index; -1 when not valid.
    int get_index() const { return (*this)().get_index(); }
};

// One member of the family (paged/hashed_arr.h lists them): the storage and
// its walker, the array, its proxy and its key walker.
#define COLIB_HASHED_ARR_CLASSES(X, Pre, T)                                                        \
    COLIB_PAGE_ARR_CLASS(X, Pre##coHashedArrINTERNALcoPageArr, T, coElem<T>::block, 1)             \
    class Pre##coHashedArrProxy;                                                                   \
    COLIB_THIN_CLASS(Pre##coHashedArr, coHashedArrT, Pre##coHashedArr, T,                          \
                     Pre##coHashedArrINTERNALcoPageArr, Pre##coHashedArrProxy)                     \
    COLIB_PROXY_CLASS(Pre##coHashedArrProxy, coHashedArrProxyT, Pre##coHashedArrProxy,             \
                      Pre##coHashedArr)                                                            \
    COLIB_THIN_CLASS(Pre##coHashedArrcoIterator, coHashedArrIterT, Pre##coHashedArrcoIterator,     \
                     Pre##coHashedArr)                                                             \
    COLIB_HASHED_ARR_OWN_INSTANCES(X, Pre, T)
#define COLIB_HASHED_ARR_INSTANCES(X, Pre, T)                                                      \
    COLIB_PAGE_ARR_INSTANCE(X, Pre##coHashedArrINTERNALcoPageArr, T, coElem<T>::block, 1)          \
    COLIB_HASHED_ARR_OWN_INSTANCES(X, Pre, T)
#define COLIB_HASHED_ARR_OWN_INSTANCES(X, Pre, T)                                                  \
    X(colib_detail::hashed_store<T, Pre##coHashedArrINTERNALcoPageArr, coHashedArrPcoSet,          \
                                 colib_detail::hashed_entry>)                                      \
    X(coHashedArrT<Pre##coHashedArr, T, Pre##coHashedArrINTERNALcoPageArr, Pre##coHashedArrProxy>) \
    X(coHashedArrProxyT<Pre##coHashedArrProxy, Pre##coHashedArr>)                                  \
    X(colib_detail::hashed_walker<Pre##coHashedArrcoIterator, Pre##coHashedArr>)                   \
    X(coHashedArrIterT<Pre##coHashedArrcoIterator, Pre##coHashedArr>)

// A proxy class: a thin class that also keeps its template's assignments
// (a class's own implicit copy assignment would hide them).
#define COLIB_PROXY_CLASS(Name, Tmpl, ...)                                                         \
    class COLIB_API Name : public Tmpl<__VA_ARGS__> {                                              \
    public:                                                                                        \
        using Tmpl<__VA_ARGS__>::Tmpl;                                                             \
        using Tmpl<__VA_ARGS__>::operator=;                                                        \
    };
