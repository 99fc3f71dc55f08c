// Out-of-line members of coSetT. Included only by the library's
// instantiation units.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include <colib/hashing/detail/set.h>

#if defined(__linux__)
#include <sys/mman.h>
#endif

template <class D, class T, class Tr> const T &coSetT<D, T, Tr>::nil() {
    static const T value = Tr::make_nil();
    return value;
}

template <class D, class T, class Tr>
coSetT<D, T, Tr>::coSetT(int bits, int load_percent) : basecoSet(bits, load_percent) {
    COLIB_EXPECT(bits >= 0 && bits <= 30, typeid(D), "constructor", "initial bits %d outside 0..30",
                 bits);
    COLIB_EXPECT(load_percent >= 1 && load_percent <= 100, typeid(D), "constructor",
                 "load percent %d outside 1..100", load_percent);
}

template <class D, class T, class Tr>
coSetT<D, T, Tr>::coSetT(std::initializer_list<T> list) : basecoSet(4, 50) {
    for (const T &x : list)
        add(x);
}

template <class D, class T, class Tr>
coSetT<D, T, Tr>::coSetT(utCopy, const D &src) : basecoSet(4, 50) {
    become(utCOPY, src);
}

template <class D, class T, class Tr>
coSetT<D, T, Tr>::coSetT(coSetT &&src) noexcept : basecoSet(src), slots_(src.slots_) {
    src.slots_ = nullptr;
    src.count_ = 0;
    src.hash_ = 0;
    src.bits_ = src.initial_bits_;
}

template <class D, class T, class Tr>
coSetT<D, T, Tr> &coSetT<D, T, Tr>::operator=(coSetT &&src) noexcept {
    if (this != &src) {
        free_table(slots_, bits_);
        slots_ = src.slots_;
        src.slots_ = nullptr;
        basecoSet::operator=(src);
        src.resize(src.initial_bits_, 1);
    }
    return *this;
}

template <class D, class T, class Tr> coSetT<D, T, Tr>::~coSetT() {
    free_table(slots_, bits_);
}

namespace colib_detail {
// A large table is touched in full as soon as it is made, and then at
// random: on Linux, ask for huge pages over it, so that filling it takes a
// few hundred page faults instead of one per 4 KB, and probes miss the TLB
// less. Only a hint; nothing depends on it being taken.
inline void *new_large_table(std::size_t bytes) {
    void *p = ::operator new(bytes);
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::size_t huge = std::size_t(2) << 20;
    if (bytes >= 2 * huge) {
        std::uintptr_t from = (reinterpret_cast<std::uintptr_t>(p) + huge - 1) & ~(huge - 1);
        std::uintptr_t to = (reinterpret_cast<std::uintptr_t>(p) + bytes) & ~(huge - 1);
        if (to > from) madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
    }
#endif
    return p;
}
} // namespace colib_detail

template <class D, class T, class Tr> T *coSetT<D, T, Tr>::new_table(int bits) {
    std::size_t n = std::size_t(1) << bits;
    T *t = static_cast<T *>(colib_detail::new_large_table(table_bytes(bits)));
    // Copying the nil value throws for no element type of the family.
    std::uninitialized_fill_n(t, n, nil());
    if constexpr (tagged) std::memset(tags_of(t, bits), colib_detail::tag_empty, n);
    return t;
}

template <class D, class T, class Tr> T *coSetT<D, T, Tr>::copy_table(const T *src, int bits) {
    std::size_t n = std::size_t(1) << bits;
    T *t = static_cast<T *>(colib_detail::new_large_table(table_bytes(bits)));
    std::uninitialized_copy_n(src, n, t);
    if constexpr (tagged) std::memcpy(tags_of(t, bits), tags_of(const_cast<T *>(src), bits), n);
    return t;
}

template <class D, class T, class Tr> void coSetT<D, T, Tr>::free_table(T *t, int bits) noexcept {
    if (!t) return;
    std::destroy_n(t, std::size_t(1) << bits);
    ::operator delete(t);
}

template <class D, class T, class Tr> void coSetT<D, T, Tr>::become(utCopy, const D &src) {
    if (static_cast<const coSetT *>(&src) == this) return;
    T *fresh = src.slots_ ? copy_table(src.slots_, src.bits_) : nullptr;
    free_table(slots_, bits_);
    slots_ = fresh;
    basecoSet::become(utCOPY, src);
}

template <class D, class T, class Tr> int coSetT<D, T, Tr>::place(const T &x, bool &inserted) {
    inserted = false;
    if (Tr::is_nil(x)) return -1;
    if (!slots_) slots_ = new_table(bits_);
    int i = probe(x);
    if (!empty_at(i)) return i;
    unsigned h = Tr::hash(x);
    slots_[i] = x;
    if constexpr (tagged) tags()[i] = colib_detail::hash_tag(h);
    ++count_;
    hash_ ^= h;
    if (at_load_limit(count_)) {
        try {
            rehash(bits_ + 1);
        } catch (...) {
            // The old table is untouched and the new element sits in what
            // was the empty slot ending its probe (nothing else moved):
            // emptying that slot restores the table, full or not.
            slots_[i] = nil();
            if constexpr (tagged) tags()[i] = colib_detail::tag_empty;
            --count_;
            hash_ ^= h;
            throw;
        }
        i = probe(x);
    }
    inserted = true;
    return i;
}

template <class D, class T, class Tr> int coSetT<D, T, Tr>::put_new(int i, unsigned h, T &&x) {
    slots_[i] = std::move(x);
    if constexpr (tagged) tags()[i] = colib_detail::hash_tag(h);
    ++count_;
    hash_ ^= h;
    if (!at_load_limit(count_)) return i;
    try {
        rehash(bits_ + 1);
    } catch (...) {
        // As in place(): emptying the slot restores the old table.
        slots_[i] = nil();
        if constexpr (tagged) tags()[i] = colib_detail::tag_empty;
        --count_;
        hash_ ^= h;
        throw;
    }
    return -1;
}

template <class D, class T, class Tr> const T *coSetT<D, T, Tr>::insert_slow(const T &x) {
    bool inserted;
    int i = place(x, inserted);
    return i < 0 || inserted ? nullptr : slots_ + i;
}

template <class D, class T, class Tr> void coSetT<D, T, Tr>::erase_slot(int i) {
    Inline t = view();
    colib_detail::erase_at(t, i);
    --count_;
}

template <class D, class T, class Tr> T coSetT<D, T, Tr>::remove(const T &x) {
    if (!slots_ || Tr::is_nil(x)) return nil();
    int i = probe(x);
    return empty_at(i) ? nil() : take(i);
}

template <class D, class T, class Tr> T coSetT<D, T, Tr>::remove_any() {
    if (!slots_ || count_ == 0) return nil();
    int i = 0;
    while (Tr::is_nil(slots_[i]))
        ++i;
    return take(i);
}

template <class D, class T, class Tr> void coSetT<D, T, Tr>::resize(int bits, int reallocate) {
    count_ = 0;
    hash_ = 0;
    if (reallocate || !slots_) {
        free_table(slots_, bits_);
        slots_ = nullptr;
        bits_ = bits;
    } else {
        std::fill_n(slots_, hash_size(), nil());
        if constexpr (tagged) std::memset(tags(), colib_detail::tag_empty, hash_size());
    }
}

template <class D, class T, class Tr> void coSetT<D, T, Tr>::clear(int reallocate) {
    resize(initial_bits_, reallocate);
}

template <class D, class T, class Tr>
T *coSetT<D, T, Tr>::rebuild(T *src, int src_slots, int &bits, bool take) const {
    if (bits > 30) throw std::bad_alloc();
    Table t{new_table(bits), bits};
    // The geometry in locals: a store into the new table (an int or a tag
    // byte) could alias the members and force their reload per element.
    int b = bits;
    T *to = t.p;
    std::uint8_t *tg = tagged ? tags_of(to, b) : nullptr;
    long long limit = scaled_limit(b), added = 0;
    auto add = [&](int i) {
        // The elements are distinct: each goes to the end of its probe.
        unsigned h = Tr::hash(src[i]);
        int j = colib_detail::hash_home(h, b);
        if constexpr (tagged) {
            while (tg[j] != colib_detail::tag_empty)
                j = colib_detail::one_less(j, b);
            tg[j] = colib_detail::hash_tag(h);
        } else {
            while (!Tr::is_nil(to[j]))
                j = colib_detail::one_less(j, b);
        }
        if (take)
            to[j] = std::move(src[i]);
        else
            to[j] = src[i];
        // Re-adding counts again, so the rebuild itself may reach the load
        // limit of its new size: it then rebuilds what it holds so far one
        // size up and goes on adding the rest there.
        if ((added += 100) >= limit) {
            int up = b + 1;
            T *g = rebuild(to, 1 << b, up, true);
            free_table(t.p, t.bits);
            t.p = to = g;
            t.bits = b = up;
            tg = tagged ? tags_of(to, b) : nullptr;
            limit = scaled_limit(b);
        }
    };
    int i = 0;
    // Sixteen slots at a time while sixteen remain, where one compare gives
    // their occupancy (tables are 2^bits slots: src_slots is a power of 2).
    constexpr bool int_slots =
        std::is_same<T, int>::value && std::is_same<Tr, coSetElem<int>>::value;
    if constexpr (tagged || int_slots) {
        const std::uint8_t *src_tags = nullptr;
        if constexpr (tagged)
            if (src) src_tags = tags_of(src, __builtin_ctz(static_cast<unsigned>(src_slots)));
        for (; i + 16 <= src_slots; i += 16) {
            unsigned m;
            if constexpr (tagged)
                m = colib_detail::occupied16(src_tags, i);
            else
                m = colib_detail::occupied16(src, i, Tr::make_nil());
            for (; m; m &= m - 1)
                add(i + __builtin_ctz(m));
        }
    }
    for (; i < src_slots; ++i)
        if (!Tr::is_nil(src[i])) add(i);
    bits = b;
    return t.release();
}

template <class D, class T, class Tr> void coSetT<D, T, Tr>::rehash(int new_bits) {
    // Everything is built aside and the old table released last, so a
    // failure leaves the set as it was. A set without storage gets its
    // (empty) table now: a later clear(0) keeps that size. The elements
    // are moved rather than copied when nothing can fail once the new
    // table is had: when re-adding them all stays below the load limit of
    // the new size (a doubling always does), no second table is needed.
    T *fresh = slots_ ? rebuild(slots_, hash_size(), new_bits, !load_limit(count_, new_bits))
                      : rebuild(nullptr, 0, new_bits, false);
    free_table(slots_, bits_);
    slots_ = fresh;
    bits_ = new_bits;
}

template <class D, class T, class Tr> int coSetT<D, T, Tr>::operator<=(const D &o) const {
    if (count_ > o.count_) return 0;
    for (const T &x : *this)
        if (!o.member(x)) return 0;
    return 1;
}

template <class D, class T, class Tr> D &coSetT<D, T, Tr>::operator+=(const D &o) {
    if (o.bits_ > bits_) rehash(o.bits_);
    if (static_cast<const coSetT *>(&o) != this)
        for (const T &x : o)
            add(x);
    return static_cast<D &>(*this);
}

template <class D, class T, class Tr> D &coSetT<D, T, Tr>::operator-=(const D &o) {
    if (static_cast<const coSetT *>(&o) == this)
        clear(0);
    else
        for (const T &x : o)
            remove(x);
    return static_cast<D &>(*this);
}

template <class D, class T, class Tr> D &coSetT<D, T, Tr>::operator*=(const D &o) {
    if (static_cast<const coSetT *>(&o) == this || !slots_) return static_cast<D &>(*this);
    for (bool removed = true; removed;) {
        removed = false;
        int n = hash_size();
        for (int i = 0; i < n; ++i) {
            if (Tr::is_nil(slots_[i]) || o.member(slots_[i])) continue;
            take(i);
            removed = true;
            break;
        }
    }
    return static_cast<D &>(*this);
}

template <class D, class T, class Tr> utOstream &coSetT<D, T, Tr>::print(utOstream &os) const {
    return colib_detail::print_each(os, "coSet {", count_, *this, Tr::print);
}

// The virtual element and array operations: the engine's untyped path.

template <class D, class T, class Tr> void *coSetT<D, T, Tr>::obj_nil() const {
    return const_cast<T *>(&nil());
}

template <class D, class T, class Tr>
void coSetT<D, T, Tr>::obj_assign(void *const destination, void *const source) const {
    *static_cast<T *>(destination) = *static_cast<const T *>(source);
}

template <class D, class T, class Tr>
int coSetT<D, T, Tr>::obj_compare(void *const a, void *const b) const {
    return Tr::equal(*static_cast<const T *>(a), *static_cast<const T *>(b)) ? 0 : 1;
}

template <class D, class T, class Tr>
unsigned int coSetT<D, T, Tr>::obj_hash(void *const obj) const {
    return Tr::hash(*static_cast<const T *>(obj));
}

template <class D, class T, class Tr>
void coSetT<D, T, Tr>::arr_put_copy(void *const, void *const obj, int i) const {
    // const like every slot operation of the interface; the engine stores
    // only from its non-const add, so the set itself is never a const
    // object here.
    coSetT *self = const_cast<coSetT *>(this);
    if (!self->slots_) self->slots_ = new_table(bits_);
    const T &x = *static_cast<const T *>(obj);
    self->slots_[i] = x;
    if constexpr (tagged)
        self->tags()[i] =
            Tr::is_nil(x) ? colib_detail::tag_empty : colib_detail::hash_tag(Tr::hash(x));
}

template <class D, class T, class Tr> void *coSetT<D, T, Tr>::arr_get(void *const, int i) const {
    return slots_ ? static_cast<void *>(slots_ + i) : obj_nil();
}

template <class D, class T, class Tr> void coSetT<D, T, Tr>::update_size(int n) {
    if (at_load_limit(n)) rehash(bits_ + 1);
}
