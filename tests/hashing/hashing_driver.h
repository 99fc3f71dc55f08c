// The sets, pointer sets and tables against a slot-exact model of the hash
// engine: home slot ((h * 2654435769) mod 2^32) >> (32 - bits), probing one
// slot lower with wraparound, doubling when the count reaches the load
// limit (re-adding in slot order, growing again as often as that asks),
// removal that pulls later chain members back into the hole. After every
// step each container must match its model slot for slot: count, geometry,
// running hash, the walkers both ways, range-for, lookups and printout.
#pragma once

#include <colib/hashing/pointer_set.h>
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>

#include "support/alloc_injector.h"
#include "support/driver.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hashing_model {
using colib_test::attempt;
using colib_test::Input;
using colib_test::same;

inline unsigned byte_hash(const char *p, std::size_t n) {
    unsigned h = 0;
    for (std::size_t i = 0; i < n; ++i)
        h ^= static_cast<unsigned>(static_cast<unsigned char>(p[i])) << (8 * (i % 4));
    return h;
}
inline int home(unsigned h, int bits) {
    return bits == 0 ? 0 : static_cast<int>((h * 2654435769u) >> (32 - bits));
}
inline unsigned halves(std::uint64_t v) {
    return static_cast<unsigned>(v ^ (v >> 32));
}
// Element kinds: E is the model's element; make and back convert.
template <class T_, class E_ = T_> struct Plain {
    using T = T_;
    using E = E_;
    static bool eq(const E &a, const E &b) { return a == b; }
    static T make(E e) { return T(e); }
    static E back(T t) { return E(t); }
    static const E &key(const E &e) { return e; }
};
struct IntK : Plain<int> {
    static E gen(Input &in) { return in.small_int(); }
    static bool nil(E e) { return e == INT_MIN; }
    static unsigned hash(E e) { return static_cast<unsigned>(e); }
};
struct DoubleK : Plain<double> {
    static E gen(Input &in) {
        int r = in.below(24);
        return r == 0   ? -1.7976931348623157e308
               : r == 1 ? std::nan("")
               : r == 2 ? -0.0
                        : in.small_int() / 2.0;
    }
    static bool nil(E e) { return e == -1.7976931348623157e308; }
    static unsigned hash(E e) {
        std::uint64_t b;
        std::memcpy(&b, &e, 8);
        return halves(b);
    }
};
struct StringK : Plain<utString, std::optional<std::string>> { // nullopt: no text
    static E gen(Input &in) { return in.one_in(16) ? E() : E(in.word()); }
    static bool nil(const E &e) { return !e; }
    static unsigned hash(const E &e) { return e ? byte_hash(e->data(), e->size()) : 0; }
    static T make(const E &e) { return e ? utString(e->c_str()) : utString(); }
    static E back(const T &t) { return t.invalid() ? E() : E(std::string(t)); }
};
struct PtrK : Plain<coPointerSetObject *, std::uint64_t> { // 1 and 1 << 32 collide
    static E gen(Input &in) {
        return in.one_in(10) ? 0 : (std::uint64_t(in.below(3)) << 32) | std::uint64_t(in.below(24));
    }
    static bool nil(E e) { return e == 0; }
    static unsigned hash(E e) { return halves(e); }
    static T make(E e) { return reinterpret_cast<T>(static_cast<std::uintptr_t>(e)); }
    static E back(T t) { return reinterpret_cast<std::uintptr_t>(t); }
};
// A table pair: equality and hash by key alone.
template <class KK, class VK, class P> struct PairK {
    using T = P;
    using E = std::pair<typename KK::E, typename VK::E>;
    static typename VK::E value(Input &in) {
        auto v = VK::gen(in);
        return VK::eq(v, v) ? v : typename VK::E(); // no NaN values
    }
    static E gen(Input &in) { return {KK::gen(in), value(in)}; }
    static bool nil(const E &e) { return KK::nil(e.first); }
    static unsigned hash(const E &e) { return KK::hash(e.first); }
    static bool eq(const E &a, const E &b) { return KK::eq(a.first, b.first); }
    static T make(const E &e) { return T(KK::make(e.first), VK::make(e.second)); }
    static E back(const T &t) { return {KK::back(t.get_key()), VK::back(t.get_obj())}; }
    static const typename KK::E &key(const E &e) { return e.first; }
};

// The engine and a set's geometry, slot by slot.
template <class K> struct Model {
    using E = typename K::E;
    int initial, load, bits, count = 0;
    bool storage = false;
    unsigned hash = 0;
    std::vector<std::optional<E>> slots;

    Model(int b, int l) : initial(b), load(l), bits(b), slots(std::size_t(1) << b) {}
    int below(int i) const { return (i - 1) & ((1 << bits) - 1); }
    int probe(const E &e) const {
        int i = home(K::hash(e), bits);
        while (slots[i] && !K::eq(e, *slots[i]))
            i = below(i);
        return i;
    }
    int find(const E &e) const { return K::nil(e) || !slots[probe(e)] ? -1 : probe(e); }
    // True when e was stored.
    bool add(const E &e) {
        if (K::nil(e) || slots[probe(e)]) return false;
        storage = true;
        slots[probe(e)] = e;
        ++count;
        hash ^= K::hash(e);
        if (count >= load / 100.0 * (1 << bits)) rehash(bits + 1);
        return true;
    }
    void rehash(int to) {
        std::vector<E> old = elems();
        reset(to);
        storage = true;
        for (const E &e : old)
            add(e);
    }
    void reset(int b) {
        slots.assign(std::size_t(1) << b, std::nullopt);
        bits = b, count = 0, hash = 0;
    }
    void clear(int release) {
        if (release) storage = false;
        reset(storage ? bits : initial);
    }
    E erase(int hole) {
        E gone = *slots[hole];
        hash ^= K::hash(gone);
        --count;
        for (int j = below(hole); slots[j]; j = below(j)) {
            int k = home(K::hash(*slots[j]), bits);
            if ((j <= k && k < hole) || (hole < j && j <= k) || (k < hole && hole < j)) continue;
            slots[hole] = slots[j];
            hole = j;
        }
        slots[hole].reset();
        return gone;
    }
    std::optional<E> remove(const E &e) {
        int i = find(e);
        return i < 0 ? std::nullopt : std::optional<E>(erase(i));
    }
    std::vector<E> elems() const {
        std::vector<E> v;
        for (auto &s : slots)
            if (s) v.push_back(*s);
        return v;
    }
    std::string printed(const char *header) const {
        return colib_test::printout(header, count, elems());
    }
    bool within(const Model &b) const {
        const std::vector<E> e = elems();
        return std::all_of(e.begin(), e.end(), [&](const E &k) { return b.find(k) >= 0; });
    }
    // a -= b, a *= b, in the order the sets do them.
    void subtract(const Model &b) {
        for (const E &e : b.elems())
            remove(e);
    }
    void intersect(const Model &b) {
        for (bool again = true; again;) {
            again = false;
            for (int i = 0; i < (1 << bits) && !again; ++i)
                if (slots[i] && b.find(*slots[i]) < 0) again = (erase(i), true);
        }
    }
};

using colib_test::printed;

// Walks it forward, then back, against the model's occupied slots; off is
// what it gives when not valid.
template <class K, class W, class Get>
void check_walker(W it, const Model<K> &m, Get get, const typename K::E &off) {
    int n = 1 << m.bits;
    for (int pass = 0; pass < 2; ++pass) {
        for (int k = 0; k < n; ++k) {
            int i = pass ? n - 1 - k : k;
            if (!m.slots[i]) continue;
            MODEL_CHECK((pass ? --it : ++it) == 1 && it.basecoSetcoIterator::index() == i);
            MODEL_CHECK(same(get(it), *m.slots[i]));
        }
        MODEL_CHECK((pass ? --it : ++it) == 0 && same(get(it), off));
    }
}

// Everything a set shows, against its model; the walks over every slot
// only when walk is true.
template <class K, class W, class S>
void check_set(const S &s, const Model<K> &m, Input &in, bool walk = true) {
    MODEL_CHECK(s.size() == m.count && s.empty() == (m.count == 0) && s.hash() == m.hash);
    MODEL_CHECK(s.bits() == m.bits && s.slot_count() == 1 << m.bits &&
                s.initial_bits() == m.initial && s.load_percent() == m.load);
    if (walk) {
        std::vector<typename K::E> seen;
        for (const auto &x : s)
            seen.push_back(K::back(x));
        MODEL_CHECK(same(seen, m.elems()));
        for (const auto &e : seen)
            MODEL_CHECK(!K::eq(e, e) || same(K::back(s.find(K::make(e))), e));
        check_walker(
            W(&s), m, [](const W &it) { return K::back(it()); }, K::back(S::nil()));
    }
    if constexpr (S::traits_type::printable)
        if (in.one_in(4)) MODEL_CHECK(printed(s) == m.printed("coSet {"));
    if (in.one_in(4)) { // a copy holds what memory_bytes() says (copied texts are shared)
        S copy(utCOPY, s);
        MODEL_CHECK(copy.memory_bytes() == s.memory_bytes() && (m.count == 0 || s.memory_bytes()));
        colib_test::gives_back(copy);
    }
}

// A text lookup argument for key e: const char * (null for the nil key),
// std::string_view or std::string.
template <class F> auto with_text(Input &in, const std::optional<std::string> &e, F f) {
    if (!e) return f(static_cast<const char *>(nullptr));
    int r = in.below(3);
    return r == 0 ? f(e->c_str()) : r == 1 ? f(std::string_view(*e)) : f(*e);
}
template <class K>
inline constexpr bool text_keys =
    std::is_same_v<std::decay_t<decltype(K::key(std::declval<typename K::E>()))>,
                   std::optional<std::string>>;

// Two sets a and b of one member, with their models; each step works on one
// of them, the other serving as operand and copy target.
template <class K, class S, class W> void run_set(Input &in) {
    using E = typename K::E;
    using T = typename K::T;
    Model<K> ma(in.range(0, 3), in.range(1, 10) * 10), mb(in.range(0, 3), in.range(1, 10) * 10);
    S a(ma.initial, ma.load), b(mb.initial, mb.load);
    const E nil = K::back(S::nil());
    for (int step = in.range(1, 120); step > 0 && !in.done(); --step) {
        bool on_a = in.flag();
        S &x = on_a ? a : b, &y = on_a ? b : a;
        Model<K> &mx = on_a ? ma : mb, &my = on_a ? mb : ma;
        basecoSet &u = x; // the engine's untyped path
        E e = K::gen(in);
        T v = K::make(e), out = S::nil();
        int at = mx.find(e), op = in.below(10), how = in.below(3);
        E stored = at < 0 ? nil : *mx.slots[at];
        auto untyped = [&](void *r) {
            return at < 0 ? !r : same(K::back(*static_cast<T *>(r)), stored);
        };
        if (op < 3) {
            if (attempt(in, [&] {
                    MODEL_CHECK(how ? same(K::back(x.add(v)), stored) : untyped(u.add(&v)));
                }))
                mx.add(e);
        } else if (op == 3) {
            if constexpr (text_keys<K>) // by text (how 2)
                if (how == 2) how = 3, with_text(in, K::key(e), [&](auto t) { out = x.remove(t); });
            if (how != 3)
                MODEL_CHECK(how ? u.remove(&v, &out) == (at >= 0) : (out = x.remove(v), 1));
            MODEL_CHECK(same(K::back(out), stored) && mx.remove(e).has_value() == (at >= 0));
        } else if (op == 4) {
            MODEL_CHECK(x.member(v) == (at >= 0) && u.member(&v) == (at >= 0) &&
                        untyped(u.find(&v)));
            MODEL_CHECK(same(K::back(x.find(v)), stored));
            if constexpr (text_keys<K>)
                with_text(in, K::key(e), [&](auto t) {
                    MODEL_CHECK(x.member(t) == (at >= 0) && same(K::back(x.find(t)), stored));
                });
        } else if (op == 5) { // the lowest occupied slot
            auto i = std::find_if(mx.slots.begin(), mx.slots.end(),
                                  [](auto &s) { return s.has_value(); });
            MODEL_CHECK(same(K::back(x.remove_any()),
                             i == mx.slots.end() ? nil : mx.erase(int(i - mx.slots.begin()))));
        } else if (op == 6) {
            x.clear(how & 1);
            mx.clear(how & 1);
        } else if (op == 7) { // algebra with itself (how 0), an empty set (1) or the other
            S none(in.range(0, 3), 50);
            const S &o = how == 0 ? x : how == 1 ? none : y;
            const Model<K> mo = how == 0 ? mx : how == 1 ? Model<K>(none.initial_bits(), 50) : my;
            const bool sub = mx.within(mo);
            MODEL_CHECK((x <= o) == sub);
            if constexpr (std::is_pointer_v<T>)
                MODEL_CHECK((x == o) == (sub && mx.count == mo.count) && (o >= x) == sub);
            int which = in.below(3);
            if (which == 0) {
                x += o;
                if (mo.bits > mx.bits) mx.rehash(mo.bits);
                for (const E &k : mo.elems())
                    if (how) mx.add(k);
            } else if (which == 1) {
                x -= o;
                how ? mx.subtract(mo) : mx.clear(0);
            } else {
                x *= o;
                if (how) mx.intersect(mo);
            }
        } else if (op == 8) { // copies keep the slot positions
            S c(utCOPY, x);
            check_set<K, W>(c, mx, in);
            x.become(utCOPY, x);
            if constexpr (std::is_same_v<S, intcoSet>) { // shared: owned, and x itself
                intcoSetcoPrf own(new S(utCOPY, x)), ext(coPRF_EXTERN, &x), both = own;
                check_set<K, W>(*std::shared_ptr<S>(both), mx, in);
                MODEL_CHECK(both.use_count() == 2 && ext.get() == &x);
            }
            if (how && attempt(in, [&] { how == 1 ? y.become(utCOPY, x) : void(y = x); })) my = mx;
        } else { // moves: O(1), the source left empty with its initial geometry
            S c(std::move(x));
            check_set<K, W>(c, mx, in);
            check_set<K, W>(x, Model<K>(mx.initial, mx.load), in);
            x.add(v);
            x = std::move(c);
            c.add(v);
            MODEL_CHECK(c.size() == !K::nil(e));
        }
        const bool walk =
            colib_test::walk_now(1 << std::max(ma.bits, mb.bits), 64, step, step == 1 || in.done());
        check_set<K, W>(a, ma, in, walk);
        check_set<K, W>(b, mb, in, walk);
    }
}

// A table of keys KK and values VK against the model of its pair set.
template <class KK, class VK, class Tab, class W, class W2> void run_table(Input &in) {
    using K = PairK<KK, VK, typename Tab::pair_type>;
    using E = typename K::E;
    using V = typename Tab::mapped_type;
    Model<K> m(in.range(0, 3), in.range(1, 10) * 10);
    Tab t(m.initial, m.load);
    for (int step = in.range(1, 120); step > 0 && !in.done(); --step) {
        E e = K::gen(in);
        auto key = KK::make(e.first);
        V val = VK::make(e.second);
        int at = m.find(e), op = in.below(6);
        V now = at < 0 ? V() : VK::make(m.slots[at]->second);
        bool by_text = text_keys<K> && in.flag();
        auto on_key = [&](auto f) { // the key, or its text
            if constexpr (text_keys<K>)
                if (by_text) return with_text(in, e.first, f);
            return f(key);
        };
        if (op < 3) { // for the nil key, operator[] gives a scratch value, not an entry
            bool done = attempt(in, [&] {
                on_key([&](const auto &k) {
                    MODEL_CHECK(same(VK::back(t[k]), VK::back(now)));
                    t[k] = val;
                });
            });
            if (done && (m.add({e.first, typename VK::E()}) || at >= 0))
                m.slots[m.find(e)]->second = e.second;
        } else if (op == 3) {
            on_key([&](const auto &k) {
                MODEL_CHECK(same(VK::back(t.read(k)), VK::back(now)) && t.member(k) == (at >= 0));
            });
        } else if (op == 4) {
            on_key([&](const auto &k) { MODEL_CHECK(t.remove(k) == (at >= 0)); });
            m.remove(e);
        } else { // a moved-from table has its initial geometry
            colib_test::copies_and_moves(
                in, t, [&](const Tab &c, bool) { check_set<K, W>(c.pairs(), m, in); },
                [&](const Tab &c) { MODEL_CHECK(c.size() == 0 && c.pairs().bits() == m.initial); });
            const Tab c(t);
            t = c;
        }
        const bool walk = colib_test::walk_now(1 << m.bits, 64, step, step == 1 || in.done());
        check_set<K, W>(t.pairs(), m, in, walk);
        if (in.one_in(4)) MODEL_CHECK(printed(t) == m.printed("coTable {"));
        if (!walk) continue;
        std::vector<E> seen;
        for (const auto &[k, v] : t)
            seen.push_back({KK::back(k), VK::back(v)});
        MODEL_CHECK(same(seen, m.elems()) && t.size() == m.count && t.empty() == (m.count == 0));
        for (const E &p : seen)
            MODEL_CHECK(same(VK::back(t.read(KK::make(p.first))), p.second));
        const auto get = [](const W2 &it) { return E{KK::back(it.index()), VK::back(it())}; };
        check_walker(W2(&t), m, get, E{KK::back(Tab::set_type::nil().get_key()), typename VK::E()});
    }
}

// A client of the untyped engine: ints in a table it keeps itself, nil
// INT_MIN, doubling at half load (once more when re-adding reaches it
// again) by adding everything again.
class ClientSet : public coHash {
public:
    explicit ClientSet(int bits) : slots(std::size_t(1) << bits, INT_MIN), bits_(bits) {}
    using coHash::add, coHash::find, coHash::member, coHash::remove, coHash::size;
    mutable std::vector<int> slots;

protected:
    void *obj_nil() const override { return const_cast<int *>(&nil_); }
    void obj_assign(void *const d, void *const s) const override { *at(d) = *at(s); }
    int obj_compare(void *const a, void *const b) const override { return *at(a) != *at(b); }
    unsigned int obj_hash(void *const o) const override { return static_cast<unsigned>(*at(o)); }
    int arr_size(void *const) const override { return bits_; }
    void arr_put_copy(void *const, void *const o, int i) const override { slots[i] = *at(o); }
    void *arr_get(void *const, int i) const override { return &slots[i]; }
    void update_size(int n) override {
        int bits = bits_;
        while (n >= 0.5 * (1 << bits))
            ++bits;
        if (bits == bits_) return;
        std::vector<int> old(std::size_t(1) << bits, INT_MIN); // all or nothing
        old.swap(slots);
        bits_ = bits;
        count_ = 0;
        for (int v : old)
            if (v != INT_MIN) add(&v);
    }

private:
    static int *at(void *p) { return static_cast<int *>(p); }
    int nil_ = INT_MIN;
    int bits_;
};

inline void run_client(Input &in) {
    Model<IntK> m(in.range(0, 3), 50);
    ClientSet c(m.initial);
    for (int step = in.range(1, 120); step > 0 && !in.done(); --step) {
        int v = in.small_int(), out = 7, at = m.find(v), op = in.below(3);
        if (op == 0 && attempt(in, [&] { MODEL_CHECK((c.add(&v) != nullptr) == (at >= 0)); }))
            m.add(v);
        else if (op == 1)
            MODEL_CHECK(c.remove(&v, &out) == (at >= 0) && out == (at < 0 ? 7 : v) &&
                        (m.remove(v), true));
        else
            MODEL_CHECK(c.member(&v) == (at >= 0) && (c.find(&v) == nullptr) == (at < 0));
        MODEL_CHECK(c.size() == m.count && c.slots.size() == m.slots.size());
        for (std::size_t i = 0; i < c.slots.size(); ++i)
            MODEL_CHECK(c.slots[i] == (m.slots[i] ? *m.slots[i] : INT_MIN));
    }
}

// voidcoPointerSet: its inner set against the model.
inline void run_void_set(Input &in) {
    voidcoPointerSet s[2] = {{}, {reinterpret_cast<void *>(8), nullptr}};
    Model<PtrK> m[2] = {{4, 50}, {4, 50}};
    m[1].add(8);
    for (int step = in.range(1, 60); step > 0 && !in.done(); --step) {
        int i = in.flag(), j = in.flag(), op = in.below(6);
        std::uint64_t e = PtrK::gen(in);
        const void *p = PtrK::make(e);
        int had = m[i].find(e) >= 0;
        const bool sub = m[i].within(m[j]);
        MODEL_CHECK(s[i].member(p) == had && (s[i] <= s[j]) == sub && (s[j] >= s[i]) == sub);
        MODEL_CHECK((s[i] == s[j]) == (sub && m[i].count == m[j].count));
        if (op == 0) {
            s[i].add(p);
            m[i].add(e);
        } else if (op == 1) {
            MODEL_CHECK(s[i].remove(p) == had && m[i].remove(e).has_value() == had);
        } else if (op == 2) {
            s[i] += s[j];
            for (auto k : m[j].elems())
                m[i].add(k);
        } else if (op <= 4) {
            op == 3 ? s[i] -= s[j] : s[i] *= s[j];
            op == 4 ? m[i].intersect(m[j]) : i == j ? m[i].clear(0) : m[i].subtract(m[j]);
        } else {
            s[i].clear(j);
            m[i].clear(j);
            voidcoPointerSet moved(std::move(s[j]));
            s[j] = moved;
        }
        MODEL_CHECK(s[i].size() == m[i].count && s[i].empty() == (m[i].count == 0));
        check_set<PtrK, coPointerSetPtrcoSetcoIterator>(s[i].set(), m[i], in);
    }
}

// The whole group: runs of every member one after another.
inline void run_hashing(Input &in) {
    static void (*const runs[])(Input &) = {
        run_set<IntK, intcoSet, intcoSetcoIterator>,
        run_set<DoubleK, doublecoSet, doublecoSetcoIterator>,
        run_set<StringK, utStringcoSet, utStringcoSetcoIterator>,
        run_set<PtrK, coPointerSetPtrcoSet, coPointerSetPtrcoSetcoIterator>,
        run_set<PairK<StringK, IntK, utStringintcoTableP>, utStringintcoTablePcoSet,
                utStringintcoTablePcoSetcoIterator>,
        run_table<IntK, IntK, intintcoTable, intintcoTablePcoSetcoIterator,
                  intintcoTablecoIterator2>,
        run_table<IntK, DoubleK, intdoublecoTable, intdoublecoTablePcoSetcoIterator,
                  doubleintcoTablecoIterator2>,
        run_table<IntK, StringK, intutStringcoTable, intutStringcoTablePcoSetcoIterator,
                  utStringintcoTablecoIterator2>,
        run_table<StringK, IntK, utStringintcoTable, utStringintcoTablePcoSetcoIterator,
                  intutStringcoTablecoIterator2>,
        run_table<StringK, DoubleK, utStringdoublecoTable, utStringdoublecoTablePcoSetcoIterator,
                  doubleutStringcoTablecoIterator2>,
        run_table<StringK, StringK, utStringutStringcoTable,
                  utStringutStringcoTablePcoSetcoIterator, utStringutStringcoTablecoIterator2>,
        run_client,
        run_void_set};
    colib_test::run_members(in, runs);
}

} // namespace hashing_model
