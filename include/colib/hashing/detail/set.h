// coSetT: the algorithm behind every concrete hash set (intcoSet and its
// siblings, the tables' pair sets, the pointer set). Each concrete class
// derives from it with itself as Derived and inherits its constructors; the
// library compiles the members once per concrete class (src/hashing/set.inl).
//
// Layout: basecoSet (count, initial bits, load percent, bits, running
// hash), then the slot pointer. The slots are one raw allocation of 2^bits
// elements, followed, for the tagged sets (elements over 8 bytes or not
// plain bytes), by one tag byte per slot (detail/probe.h).
//
// Two paths, one result. The typed operations (add, find, remove, ...) run
// the probe algorithm of detail/probe.h with the element operations of
// Traits inlined: no virtual call per probe. The untyped operations that
// basecoSet inherits from the engine reach the same slots through the
// virtual element and array operations, which this class implements with
// the same Traits. Both leave identical slot layouts, counts and running
// hashes. (The typed path does not consult overrides of the virtual
// operations in classes derived further.)
//
// Invariants:
//   - slots is null until the first insertion (find and iteration then see
//     an empty table of 2^bits slots); after it, slots holds 2^bits
//     elements, each the nil value or a stored element;
//   - in a tagged set, tag i is tag_empty exactly when slot i holds the
//     nil value, and hash_tag of the element's hash otherwise;
//   - count < (load percent / 100) * 2^bits after every operation, so at
//     least one slot is empty.
//
// Failure: an insertion that cannot get its storage (the first table, or
// the doubled one) throws std::bad_alloc with the set exactly as before the
// insertion: growth allocates the new table first, rehashes into it and
// only then releases the old one. become and the copies allocate before
// they release, too. clear never allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <type_traits>
#include <utility>

#include <colib/foundation/contract.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/range_iter.h>
#include <colib/hashing/base_set.h>
#include <colib/hashing/detail/set_elem.h>

template <class Derived, class Set, bool Printable> class coTableT;

// Forward iterator over the stored elements in slot order, for range-for.
template <class T, class Traits>
class coSetRangeIter : public colib_detail::range_iter<coSetRangeIter<T, Traits>, const T &> {
public:
    coSetRangeIter(const T *p, const T *end) noexcept : p_(p), end_(end) { skip(); }
    const T &operator*() const noexcept { return *p_; }
    coSetRangeIter &operator++() noexcept {
        ++p_;
        skip();
        return *this;
    }
    bool operator==(const coSetRangeIter &o) const noexcept { return p_ == o.p_; }

private:
    void skip() noexcept {
        while (p_ != end_ && Traits::is_nil(*p_))
            ++p_;
    }
    const T *p_;
    const T *end_;
};

namespace colib_detail {
// The printout of the sets and tables: the header line, then one level
// deeper "size n" and one line per element of c (written by line), then
// "}".
template <class C, class Line>
utOstream &print_each(utOstream &os, const char *header, int n, const C &c, Line line) {
    os << header << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << n << std::endl;
        for (const auto &x : c) {
            line(nested, x);
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}

// A set's table seen by text, for lookups that hash and compare the bytes
// in place (Traits with text_keys).
template <class T, class Traits> struct ByText {
    const T *s;
    int b;
    int bits() const noexcept { return b; }
    [[gnu::always_inline]] void prefetch(int i) const noexcept { __builtin_prefetch(s + i); }
    bool is_nil(int i) const noexcept { return Traits::is_nil(s[i]); }
    bool equal(const text_key &k, int i) const noexcept { return Traits::equal_text(k, s[i]); }
};
} // namespace colib_detail

template <class Derived, class T, class Traits = coSetElem<T>>
class COLIB_API coSetT : public basecoSet,
                         public colib_detail::printable_if<Derived, Traits::printable> {
public:
    using value_type = T;
    using traits_type = Traits;
    using const_iterator = coSetRangeIter<T, Traits>;

    // Empty, no storage yet. Requires 0 <= bits <= 30 and 1 <= load_percent
    // <= 100. The defaults are the library's usual geometry.
    coSetT(int bits = 4, int load_percent = 50);
    // 4 initial bits, 50 percent, then add of each value in order.
    coSetT(std::initializer_list<T> list);
    // 4 and 50 and no storage, then become(src).
    coSetT(utCopy, const Derived &src);
    coSetT(const coSetT &src) : coSetT(utCOPY, static_cast<const Derived &>(src)) {}
    // Takes src's slots; src is left empty with its initial geometry.
    coSetT(coSetT &&src) noexcept;
    coSetT &operator=(const coSetT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    coSetT &operator=(coSetT &&src) noexcept;
    ~coSetT() override;

    // Makes this set a copy of src with identical slot positions (nil slots
    // included) and geometry. From itself: no change.
    void become(utCopy, const Derived &src);

    // Inserts x unless an equal element is stored. Returns the stored equal
    // element, or nil() (inserted, or x is the nil value and was refused).
    // May rebuild the table: references to elements do not survive it.
    const T &add(const T &x) {
        const T *p = insert(x);
        return p ? *p : nil();
    }
    // add, answering with a pointer: the stored equal element, or null
    // (inserted, or x is the nil value and was refused).
    const T *insert(const T &x) {
        // Fast path, inline: storage exists and the insertion stays below
        // the load limit. Everything else goes through place().
        if (slots_ && !Traits::is_nil(x)) {
            int i = probe(x);
            if (!empty_at(i)) return slots_ + i;
            if (!at_load_limit(count_ + 1)) {
                unsigned h = Traits::hash(x);
                slots_[i] = x;
                if constexpr (tagged) tags()[i] = colib_detail::hash_tag(h);
                ++count_;
                hash_ ^= h;
                return nullptr;
            }
        }
        return insert_slow(x);
    }
    // The stored element equal to x, or nil().
    const T &find(const T &x) const {
        int i = index_of(x);
        return i < 0 ? nil() : slots_[i];
    }
    int member(const T &x) const { return index_of(x) < 0 ? 0 : 1; }
    // The stored element equal to x, or null: find without the nil value.
    const T *lookup(const T &x) const {
        int i = index_of(x);
        return i < 0 ? nullptr : slots_ + i;
    }
    // Removes the element equal to x and returns it; the nil value when
    // absent. Later members of its chain may move.
    T remove(const T &x);
    // Removes and returns the element in the lowest occupied slot; the nil
    // value when empty.
    T remove_any();
    // The string sets look texts up without building a utString: the
    // argument is a const char * (null stands for the string without text,
    // never a member), a std::string_view or a std::string, hashed and
    // compared in place. Like every text of the library it ends at its
    // first NUL byte.
    template <class S, colib_detail::if_text_lookup<Traits, S> = 0>
    const T &find(const S &text) const {
        int i = index_of_text(text);
        return i < 0 ? nil() : slots_[i];
    }
    template <class S, colib_detail::if_text_lookup<Traits, S> = 0>
    int member(const S &text) const {
        return index_of_text(text) < 0 ? 0 : 1;
    }
    template <class S, colib_detail::if_text_lookup<Traits, S> = 0> T remove(const S &text) {
        int i = index_of_text(text);
        return i < 0 ? nil() : take(i);
    }

    // Empties the set. With reallocate non-zero the table is given back and
    // the set returns to 2^(initial bits) slots, allocated again at the
    // next insertion; with 0 the grown table is kept for reuse.
    void clear(int reallocate = 1);

    // Subset: 0 at once when this set has more elements than o.
    int operator<=(const Derived &o) const;
    // Union: grows to o's bits first when o has more, then adds every
    // element of o (in o's slot order).
    Derived &operator+=(const Derived &o);
    // Difference: removes every element of o. a -= a empties a.
    Derived &operator-=(const Derived &o);
    // Intersection: walks from the start and, at the first element that o
    // lacks, removes it and starts the walk again; ends after a walk that
    // removed nothing. Quadratic in the worst case, no extra memory.
    Derived &operator*=(const Derived &o);

    // The pointer sets only. Same elements: equal counts and running hashes
    // first (cheap), then the subset test.
    template <class U = T, std::enable_if_t<std::is_pointer<U>::value, int> = 0>
    int operator==(const Derived &o) const {
        return compare_base(o) && *this <= o ? 1 : 0;
    }
    // o <= *this.
    template <class U = T, std::enable_if_t<std::is_pointer<U>::value, int> = 0>
    int operator>=(const Derived &o) const {
        return o <= static_cast<const Derived &>(*this);
    }

    // The value that marks an empty slot; never a member.
    static const T &nil();

    // Heap bytes the set holds: its slot table (with the tag bytes of the
    // sets that keep them), 0 before the first insertion. What the elements
    // own (string texts) is not counted.
    std::size_t memory_bytes() const noexcept { return slots_ ? table_bytes(bits_) : 0; }

    const_iterator begin() const noexcept { return const_iterator(slots_, slots_end()); }
    const_iterator end() const noexcept { return const_iterator(slots_end(), slots_end()); }

    // "coSet {", then one level deeper "size n" and the elements in slot
    // order, then "}".
    utOstream &print(utOstream &os) const;

protected:
    void *obj_nil() const override;
    void obj_assign(void *const destination, void *const source) const override;
    int obj_compare(void *const a, void *const b) const override;
    unsigned int obj_hash(void *const obj) const override;
    void arr_put_copy(void *const arr, void *const obj, int i) const override;
    void *arr_get(void *const arr, int i) const override;
    // Doubles the table at the load limit.
    void update_size(int n) override;

private:
    template <class, class, bool> friend class coTableT;
    // The typed view of the table for the probe algorithm: inlined element
    // operations, no virtual calls.
    struct Inline {
        T *s;
        int b;
        std::uint8_t *tg;
        int bits() const noexcept { return b; }
        [[gnu::always_inline]] void prefetch(int i) const noexcept { __builtin_prefetch(s + i); }
        unsigned hash(const T &k) const noexcept { return Traits::hash(k); }
        unsigned hash_at(int i) const noexcept { return Traits::hash(s[i]); }
        bool is_nil(int i) const noexcept { return Traits::is_nil(s[i]); }
        bool equal(const T &k, int i) const noexcept { return Traits::equal(k, s[i]); }
        void move(int from, int to) {
            s[to] = s[from];
            if constexpr (tagged) tg[to] = tg[from];
        }
    };

    // Sets of large elements and of strings keep a tag byte per slot (see
    // detail/probe.h), in the same allocation, after the 2^bits slots.
    static constexpr bool tagged = colib_detail::tagged_slots_v<T>;
    static std::size_t table_bytes(int bits) noexcept {
        std::size_t n = std::size_t(1) << bits;
        return n * sizeof(T) + (tagged ? n : 0);
    }
    static std::uint8_t *tags_of(T *s, int bits) noexcept {
        return reinterpret_cast<std::uint8_t *>(s + (std::size_t(1) << bits));
    }
    std::uint8_t *tags() const noexcept { return tags_of(slots_, bits_); }
    // Slot i is empty: its tag says so without reading the slot.
    bool empty_at(int i) const noexcept {
        if constexpr (tagged)
            return tags()[i] == colib_detail::tag_empty;
        else
            return Traits::is_nil(slots_[i]);
    }
    Inline view() const noexcept { return Inline{slots_, bits_, tagged ? tags() : nullptr}; }
    // The probe of a table seen through policy v (by element, by key, by
    // text), for a key whose hash is h. With Find, a probe ending on an
    // empty slot answers -1.
    template <bool Find = false, class V, class K>
    [[gnu::always_inline]] int probe_by(const V &v, const K &k, unsigned h) const {
        if constexpr (tagged)
            return colib_detail::probe_tagged<Find>(v, tags(), k, h, dense());
        else
            return found<Find>(colib_detail::probe(v, k));
    }
    // Slot i where a probe ended, or -1 for an empty one with Find.
    template <bool Find> int found(int i) const noexcept { return Find && empty_at(i) ? -1 : i; }

    // The slot holding the element equal to x, or -1.
    int index_of(const T &x) const {
        // The nil value needs no test of its own: it is never stored, so
        // its probe ends on an empty slot as any absent element's does.
        if (!slots_) return -1;
        return probe_elem<true>(x);
    }
    // The slot holding the element whose text is `text`, or -1.
    template <class S> int index_of_text(const S &text) const {
        std::string_view t;
        unsigned h;
        int i = probe_text<true>(text, t, h);
        return i < 0 ? -1 : i;
    }
    // The probe for a text: the slot holding it or the empty slot where the
    // probe ends; t is set to the text (cut at a NUL byte) and h to its
    // hash. -1 when there is no table yet, -2 for a null pointer (the string
    // without text, which is never stored). With Find, -1 for an empty slot.
    template <bool Find = false, class S>
    [[gnu::always_inline]] int probe_text(const S &text, std::string_view &t, unsigned &h) const {
        if constexpr (std::is_same_v<std::decay_t<S>, std::string_view> ||
                      std::is_same_v<std::decay_t<S>, std::string>) {
            t = text; // cut at a NUL byte while hashed
            h = Traits::hash_text_cut(t);
        } else {
            bool nil_text;
            t = colib_detail::text_of(text, nil_text);
            if (nil_text) return -2;
            h = Traits::hash_text(t);
        }
        if (!slots_) return -1;
        return probe_by<Find>(colib_detail::ByText<T, Traits>{slots_, bits_},
                              colib_detail::text_key{t, Traits::text_head(t, h)}, h);
    }
    // Stores x, whose hash is h, in the empty slot i where its probe ended,
    // doubling the table when that reaches the load limit. Returns i, or -1
    // when the table was doubled (x then sits elsewhere). Throws
    // std::bad_alloc with the set as before.
    int put_new(int i, unsigned h, T &&x);
    // Removes the element in slot i and returns it.
    T take(int i) {
        T out = slots_[i];
        erase_slot(i);
        hash_ ^= Traits::hash(out);
        return out;
    }
    // More than 3/8 full: a probe's home slot is then about as often taken
    // as empty, too close to call for a branch of its own.
    bool dense() const noexcept { return 8LL * count_ > (3LL << bits_); }
    // The slot holding x or the empty slot where its probe ends.
    int probe(const T &x) const noexcept { return probe_elem<false>(x); }
    // probe(), or with Find -1 where it ends on an empty slot. Int sets
    // compare four slots per step (same slots, same order).
    template <bool Find> int probe_elem(const T &x) const noexcept {
        if constexpr (std::is_same<T, int>::value && std::is_same<Traits, coSetElem<int>>::value)
            return found<Find>(
                colib_detail::probe_int(slots_, bits_, x, Traits::make_nil(), dense()));
        else
            return probe_by<Find>(view(), x, Traits::hash(x));
    }
    const T *insert_slow(const T &x);

    const T *slots_end() const noexcept { return slots_ ? slots_ + hash_size() : slots_; }
    // A table of 2^bits slots (and tags), one raw allocation: new_table
    // fills it with nil slots, copy_table with src's slots and tags; both
    // throw std::bad_alloc. free_table destroys the slots and frees it.
    static T *new_table(int bits);
    static T *copy_table(const T *src, int bits);
    static void free_table(T *t, int bits) noexcept;
    struct Table {
        T *p;
        int bits;
        ~Table() { free_table(p, bits); }
        T *release() noexcept { return std::exchange(p, nullptr); }
    };
    // Rebuilds the elements, in slot order, into a table of 2^new_bits
    // slots, or more when re-adding them reaches the load limit again.
    // Allocates the table also when the set has none yet. Past 30 bits,
    // throws std::bad_alloc.
    void rehash(int new_bits);
    // A new table of 2^bits slots holding the elements of src added in slot
    // order, bits raised as often as the additions reach the load limit.
    // With take, the elements are moved out of src (strings then hand over
    // their texts without touching the sharing counts), which the caller
    // allows only when src is released right after, whatever happens.
    T *rebuild(T *src, int src_slots, int &bits, bool take) const;
    // Empties the set and sets the geometry (see clear).
    void resize(int bits, int reallocate);
    // The slot of x, inserting it when absent; -1 for the nil value.
    int place(const T &x, bool &inserted);
    void erase_slot(int i);

    T *slots_ = nullptr;
};

// Steps through a concrete set in slot order (see basecoSetcoIterator);
// operator() gives the current element, or the set's nil value when not
// valid.
template <class Derived, class Set> class COLIB_API coSetIterT : public basecoSetcoIterator {
public:
    using value_type = typename Set::value_type;
    explicit coSetIterT(const Set *set) noexcept : basecoSetcoIterator(set) {}
    const value_type &operator()() const {
        void *p = basecoSetcoIterator::operator()();
        return p ? *static_cast<const value_type *>(p) : Set::nil();
    }
};

// One member of the set family (hashing/set.h and hashing/pointer_set.h
// list them): P##coSet of elements T and its walker P##coSetcoIterator.
#define COLIB_SET_CLASSES(X, P, T)                                                                 \
    COLIB_THIN_CLASS(P##coSet, coSetT, P##coSet, T)                                                \
    COLIB_THIN_CLASS(P##coSetcoIterator, coSetIterT, P##coSetcoIterator, P##coSet)                 \
    COLIB_SET_INSTANCES(X, P, T)
#define COLIB_SET_INSTANCES(X, P, T)                                                               \
    X(coSetT<P##coSet, T>)                                                                         \
    X(coSetIterT<P##coSetcoIterator, P##coSet>)
