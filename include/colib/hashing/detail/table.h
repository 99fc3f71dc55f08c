// The tables: a table is a hash set of key/value pairs whose equality and
// hash look at the key alone.
//
//   coTablePT<Derived, K, V>    the pair (key, obj)
//   coTablePElem<P>             its set traits: nil = the pair with the nil
//                               key and a default value
//   coTableT<Derived, Set>      the table, holding its pair set
//   coTableIter2T               key/value walk in slot order
//
// Because pairs compare by key, adding a pair whose key is present keeps
// the stored value, and the set algebra works on keys (a union keeps the
// left operand's value for keys on both sides).
//
// Invariants (besides the pair set's):
//   - a stored pair never has the nil key;
//   - the value of a stored pair is changed only through operator[];
//   - scratch holds whatever the caller last wrote through the reference
//     operator[] returned for the nil key; read never looks at it.
//
// References returned by operator[] and read stay valid until the next
// insertion (which may rebuild the table) or removal (which may move
// pairs).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <ostream>
#include <string_view>
#include <tuple>
#include <utility>

#include <colib/foundation/instances.h>
#include <colib/hashing/detail/set.h>

template <class Derived, class K, class V> class COLIB_API coTablePT {
public:
    using key_type = K;
    using mapped_type = V;

    // The nil pair: nil key, default value.
    coTablePT() : key_(coSetElem<K>::make_nil()), obj_() {}
    // Given key, default value.
    explicit coTablePT(const K &key) : key_(key), obj_() {}
    explicit coTablePT(K &&key) : key_(std::move(key)), obj_() {}
    coTablePT(const K &key, const V &obj) : key_(key), obj_(obj) {}

    // 1 when the keys are equal; values are not looked at.
    int operator==(const Derived &o) const { return coSetElem<K>::equal(key_, o.key_) ? 1 : 0; }

    const K &get_key() const noexcept { return key_; }
    const V &get_obj() const noexcept { return obj_; }
    V &get_obj() noexcept { return obj_; }

    // The tuple protocol, so that a pair unpacks: for (const auto &[key,
    // value] : table) binds references to the stored pair; the key is
    // always const.
    template <std::size_t I> decltype(auto) get() &noexcept {
        if constexpr (I == 0)
            return static_cast<const K &>(key_);
        else
            return static_cast<V &>(obj_);
    }
    template <std::size_t I> decltype(auto) get() const &noexcept {
        if constexpr (I == 0)
            return static_cast<const K &>(key_);
        else
            return static_cast<const V &>(obj_);
    }
    template <std::size_t I> decltype(auto) get() &&noexcept {
        if constexpr (I == 0)
            return static_cast<const K &&>(key_);
        else
            return static_cast<V &&>(obj_);
    }

private:
    K key_;
    V obj_;
};

template <class P> struct COLIB_API coTablePElem {
    using key_traits = coSetElem<typename P::key_type>;
    static constexpr bool printable = false;
    static P make_nil() { return P(); }
    static bool is_nil(const P &p) noexcept { return key_traits::is_nil(p.get_key()); }
    static bool equal(const P &a, const P &b) noexcept {
        return key_traits::equal(a.get_key(), b.get_key());
    }
    static unsigned hash(const P &p) noexcept { return key_traits::hash(p.get_key()); }
    static void print(utOstream &, const P &) {}
    // Text lookups where the key is a string.
    static constexpr bool text_keys = coTextKeys<key_traits>::value;
    static unsigned hash_text(std::string_view t) noexcept { return key_traits::hash_text(t); }
    static unsigned hash_text_cut(std::string_view &t) noexcept {
        return key_traits::hash_text_cut(t);
    }
    static std::uint32_t text_head(std::string_view t, unsigned h) noexcept {
        return key_traits::text_head(t, h);
    }
    static bool equal_text(const colib_detail::text_key &k, const P &p) noexcept {
        return key_traits::equal_text(k, p.get_key());
    }
};

template <class Derived, class Set, bool Printable = true>
class COLIB_API coTableT : public colib_detail::printable_if<Derived, Printable> {
public:
    using set_type = Set;
    using pair_type = typename Set::value_type;
    using key_type = typename pair_type::key_type;
    using mapped_type = typename pair_type::mapped_type;
    using const_iterator = typename Set::const_iterator;

    // Empty; the arguments go to the pair set (0..30 bits, 1..100 percent).
    coTableT(int bits = 4, int load_percent = 50);
    // 4 and 50, then add of each pair in order: of several pairs with one
    // key the first wins.
    coTableT(std::initializer_list<pair_type> list);
    // A copy of the pair set, slot positions included.
    coTableT(utCopy, const Derived &src);
    coTableT(const coTableT &src) = default;
    coTableT(coTableT &&src) noexcept = default;
    coTableT &operator=(const coTableT &src) = default;
    coTableT &operator=(coTableT &&src) noexcept = default;
    ~coTableT();

    // The pair set's become; from itself no change.
    Derived &become(utCopy, const Derived &src);

    // The value stored under key, inserting (key, default value) first when
    // the key is absent. For the nil key nothing is inserted: the result is
    // this table's scratch value, reset to the default value, and writing
    // through it changes nothing that read sees.
    mapped_type &operator[](const key_type &key);
    // The value stored under key, or the default value when absent. Never
    // inserts.
    const mapped_type &read(const key_type &key) const;
    // 1 when a pair with that key was removed, 0 when there was none.
    int remove(const key_type &key);
    int size() const noexcept { return set_.size(); }
    // Heap bytes the table holds: its pair set's slot table (not what keys
    // and values own).
    std::size_t memory_bytes() const noexcept { return set_.memory_bytes(); }
    int empty() const noexcept { return set_.empty(); }
    int member(const key_type &key) const;

    // The string-keyed tables look texts up without building a utString
    // (see coSetT::find): a const char * (null: the nil key), a
    // std::string_view or a std::string, ending at its first NUL byte.
    // operator[] builds the key only when it inserts.
    template <class S, colib_detail::if_text_lookup<typename Set::traits_type, S> = 0>
    mapped_type &operator[](const S &text) {
        std::string_view t;
        unsigned h;
        int at = set_.probe_text(text, t, h);
        if (at >= 0 && !set_.empty_at(at)) return set_.slots_[at].get_obj();
        if (at == -2) return (*this)[key_type()];
        key_type key(t.data(), static_cast<int>(t.size()));
        // A new text: hashed and probed once, its string moved into the
        // slot where the probe ended. (An empty view without data makes
        // the string without text, which the general path handles.)
        if (at >= 0 && !coSetElem<key_type>::is_nil(key)) {
            at = set_.put_new(at, h, pair_type(std::move(key)));
            if (at >= 0) return set_.slots_[at].get_obj();
            return set_.slots_[set_.index_of_text(t)].get_obj();
        }
        return (*this)[key];
    }
    template <class S, colib_detail::if_text_lookup<typename Set::traits_type, S> = 0>
    const mapped_type &read(const S &text) const {
        int at = set_.index_of_text(text);
        return at >= 0 ? set_.slots_[at].get_obj() : set_.nil().get_obj();
    }
    template <class S, colib_detail::if_text_lookup<typename Set::traits_type, S> = 0>
    int member(const S &text) const {
        return set_.index_of_text(text) >= 0 ? 1 : 0;
    }
    template <class S, colib_detail::if_text_lookup<typename Set::traits_type, S> = 0>
    int remove(const S &text) {
        int at = set_.index_of_text(text);
        if (at < 0) return 0;
        set_.take(at);
        return 1;
    }

    // The pair set, for its geometry and for walking the pairs.
    const Set &pairs() const noexcept { return set_; }
    const_iterator begin() const noexcept { return set_.begin(); }
    const_iterator end() const noexcept { return set_.end(); }

    // "coTable {", then one level deeper "size n" and one line per pair in
    // slot order, "key: <key>  item: <value>", then "}".
    utOstream &print(utOstream &os) const;

private:
    // The pair set's table seen by key: a lookup probes with the key itself
    // instead of a pair built around a copy of it (pairs hash and compare by
    // key alone, so the probe visits the same slots).
    struct ByKey {
        const pair_type *s;
        int b;
        using key_traits = coSetElem<key_type>;
        int bits() const noexcept { return b; }
        [[gnu::always_inline]] void prefetch(int i) const noexcept { __builtin_prefetch(s + i); }
        unsigned hash(const key_type &k) const noexcept { return key_traits::hash(k); }
        bool is_nil(int i) const noexcept { return key_traits::is_nil(s[i].get_key()); }
        bool equal(const key_type &k, int i) const noexcept {
            return key_traits::equal(k, s[i].get_key());
        }
    };
    // The slot holding key, or -1.
    int slot_of(const key_type &key) const {
        if (!set_.slots_ || coSetElem<key_type>::is_nil(key)) return -1;
        ByKey t{set_.slots_, set_.bits()};
        return set_.template probe_by<true>(t, key, coSetElem<key_type>::hash(key));
    }

    Set set_;
    mapped_type scratch_{};
};

// Walks a table's pairs in slot order (the steps of basecoSetcoIterator).
// index() gives the current key, operator() the current value; when not
// valid, the nil key and the default value.
template <class Derived, class Table> class COLIB_API coTableIter2T : public basecoSetcoIterator {
public:
    using pair_type = typename Table::pair_type;
    using key_type = typename pair_type::key_type;
    using mapped_type = typename pair_type::mapped_type;

    explicit coTableIter2T(const Table *t) noexcept : basecoSetcoIterator(&t->pairs()) {}
    const key_type &index() const { return current().get_key(); }
    const mapped_type &operator()() const { return current().get_obj(); }

private:
    const pair_type &current() const {
        void *p = basecoSetcoIterator::operator()();
        return p ? *static_cast<const pair_type *>(p) : Table::set_type::nil();
    }
};

// One table of the family (hashing/table.h lists them), named by its key
// and value prefixes KP and VP: the pair KP##VP##coTableP, its set and the
// set's walker, the table, and the key/value walker, which is named value
// prefix first. A table without that walker, or one that does not print,
// is stamped by COLIB_TABLE_PAIR_CLASSES alone.
#define COLIB_TABLE_CLASSES(X, KP, VP, K, V)                                                       \
    COLIB_TABLE_PAIR_CLASSES(X, KP##VP, K, V, true)                                                \
    COLIB_THIN_CLASS(VP##KP##coTablecoIterator2, coTableIter2T, VP##KP##coTablecoIterator2,        \
                     KP##VP##coTable)                                                              \
    X(coTableIter2T<VP##KP##coTablecoIterator2, KP##VP##coTable>)
#define COLIB_TABLE_INSTANCES(X, KP, VP, K, V)                                                     \
    COLIB_TABLE_PAIR_INSTANCES(X, KP##VP, K, V, true)                                              \
    X(coTableIter2T<VP##KP##coTablecoIterator2, KP##VP##coTable>)

// N##coTableP (a two-element tuple for structured bindings, hashed by its
// key with co_hash), N##coTablePcoSet and its walker, N##coTable.
#define COLIB_TABLE_PAIR_CLASSES(X, N, K, V, Printable)                                            \
    COLIB_THIN_CLASS(N##coTableP, coTablePT, N##coTableP, K, V)                                    \
    COLIB_API unsigned int co_hash(const N##coTableP &p);                                          \
    namespace std {                                                                                \
    template <> struct tuple_size<N##coTableP> : integral_constant<size_t, 2> {};                  \
    template <> struct tuple_element<0, N##coTableP> { using type = const K; };                    \
    template <> struct tuple_element<1, N##coTableP> { using type = V; };                          \
    }                                                                                              \
    COLIB_THIN_CLASS(N##coTablePcoSet, coSetT, N##coTablePcoSet, N##coTableP,                      \
                     coTablePElem<N##coTableP>)                                                    \
    COLIB_THIN_CLASS(N##coTablePcoSetcoIterator, coSetIterT, N##coTablePcoSetcoIterator,           \
                     N##coTablePcoSet)                                                             \
    COLIB_THIN_CLASS(N##coTable, coTableT, N##coTable, N##coTablePcoSet, Printable)                \
    COLIB_TABLE_PAIR_INSTANCES(X, N, K, V, Printable)
#define COLIB_TABLE_PAIR_INSTANCES(X, N, K, V, Printable)                                          \
    X(coTablePT<N##coTableP, K, V>)                                                                \
    X(coSetT<N##coTablePcoSet, N##coTableP, coTablePElem<N##coTableP>>)                            \
    X(coSetIterT<N##coTablePcoSetcoIterator, N##coTablePcoSet>)                                    \
    X(coTableT<N##coTable, N##coTablePcoSet, Printable>)
