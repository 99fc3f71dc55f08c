// Hash sets and tables against std::set and std::map.
//
// The first bytes choose the geometry (0 to 3 initial bits, 10 to 100
// percent load), then each step is one operation on a pair of int sets, a
// pair of string sets, an int and a string-keyed table. After every step
// each container is compared with its model: size, emptiness, running hash,
// contents through range-for and through the stepping walker in both
// directions. Slot positions are compared only where they are fixed by
// definition (a copy keeps its source's slots, remove_any takes the lowest
// slot), not against a model of the probe order.
#include "fuzz_input.h"

#include <colib/hashing/set.h>
#include <colib/hashing/table.h>

#include <algorithm>
#include <climits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

using colib_fuzz::Reader;

namespace {

// What the generic checks need to know of an element type.
struct IntKind {
    using Set = intcoSet;
    using Iter = intcoSetcoIterator;
    using T = int;
    using M = int;
    static bool is_nil(const T &x) { return x == INT_MIN; }
    static M model(const T &x) { return x; }
    static T make(Reader &in) { return in.small_int(); }
    static unsigned hash(const M &m) { return static_cast<unsigned>(m); }
};

struct StringKind {
    using Set = utStringcoSet;
    using Iter = utStringcoSetcoIterator;
    using T = utString;
    using M = std::string;
    static bool is_nil(const T &x) { return x.invalid() != 0; }
    static M model(const T &x) { return std::string(x.c_str(), static_cast<size_t>(x.length())); }
    // One byte in 32 gives the string without text (the nil value); the
    // empty word is an ordinary member.
    static T make(Reader &in) {
        if (in.below(32) == 0) return utString();
        return utString(in.word());
    }
    static unsigned hash(const M &m) { return colib_fuzz::byte_hash(m); }
};

// The home slot of a hash in a table of 2^bits slots: Fibonacci hashing.
int home(unsigned hash, int bits) {
    if (bits == 0) return 0;
    return static_cast<int>((hash * 2654435769u) >> (32 - bits));
}

template <class K> std::vector<typename K::M> walk(const typename K::Set &s) {
    std::vector<typename K::M> out;
    for (const auto &x : s) {
        FUZZ_CHECK(!K::is_nil(x));
        out.push_back(K::model(x));
    }
    return out;
}

template <class S> bool slot_count_ok(const S &s) {
    return s.slot_count() == (1 << s.bits()) && s.bits() >= s.initial_bits();
}

template <class K> void check(const typename K::Set &s, const std::set<typename K::M> &m) {
    FUZZ_CHECK(s.size() == static_cast<int>(m.size()));
    FUZZ_CHECK(s.empty() == (m.empty() ? 1 : 0));
    unsigned h = 0;
    for (const auto &x : m)
        h ^= K::hash(x);
    FUZZ_CHECK(s.hash() == h);

    std::vector<typename K::M> order = walk<K>(s);
    std::vector<typename K::M> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    FUZZ_CHECK(std::equal(sorted.begin(), sorted.end(), m.begin(), m.end()));
    for (const auto &x : m) {
        FUZZ_CHECK(s.member(typename K::T(x)) == 1);
        FUZZ_CHECK(K::model(s.find(typename K::T(x))) == x);
    }

    // The walker sees the range-for order forwards, its reverse backwards,
    // and starts again after running off either end.
    typename K::Iter it(&s);
    FUZZ_CHECK(!it.valid() && K::is_nil(it()));
    for (int round = 0; round < 2; ++round) {
        for (const auto &x : order) {
            FUZZ_CHECK(++it == 1);
            FUZZ_CHECK(K::model(it()) == x);
        }
        FUZZ_CHECK(++it == 0 && K::is_nil(it()));
    }
    for (auto r = order.rbegin(); r != order.rend(); ++r) {
        FUZZ_CHECK(--it == 1);
        FUZZ_CHECK(K::model(it()) == *r);
    }
    FUZZ_CHECK(--it == 0 && !it.valid());

    // Whatever the growth did, every element must be reachable from its
    // home slot by probing downward without meeting an empty slot.
    std::vector<char> used(static_cast<size_t>(s.slot_count()), 0);
    std::vector<std::pair<int, unsigned>> at; // slot, hash
    for (typename K::Iter w(&s); ++w;) {
        FUZZ_CHECK(at.empty() || w.index() > at.back().first);
        used[static_cast<size_t>(w.index())] = 1;
        at.emplace_back(w.index(), K::hash(K::model(w())));
    }
    for (const auto &[slot, hash] : at)
        for (int i = home(hash, s.bits()); i != slot; i = (i - 1) & (s.slot_count() - 1))
            FUZZ_CHECK(used[static_cast<size_t>(i)]);
    FUZZ_CHECK(slot_count_ok(s));
}

// Two sets of one element type and their models.
template <class K> struct SetPair {
    using Set = typename K::Set;
    using T = typename K::T;
    using M = typename K::M;
    using Model = std::set<M>;

    Set s[2];
    Model m[2];
    int bits, load;

    SetPair(int bits, int load) : s{Set(bits, load), Set(bits + 1, load)}, bits(bits), load(load) {}

    // The value add, find and remove answer with: the nil value for x nil
    // or absent, else x.
    void step(Reader &in) {
        int i = in.below(2), j = 1 - i;
        Set &a = s[i];
        Model &ma = m[i];
        switch (in.below(12)) {
        case 0:
        case 1:
        case 2: { // add
            T x = K::make(in);
            bool had = !K::is_nil(x) && ma.count(K::model(x)) != 0;
            const T &r = a.add(x);
            if (had)
                FUZZ_CHECK(!K::is_nil(r) && K::model(r) == K::model(x));
            else
                FUZZ_CHECK(K::is_nil(r));
            if (!K::is_nil(x)) ma.insert(K::model(x));
            break;
        }
        case 3:
        case 4: { // remove
            T x = K::make(in);
            bool had = !K::is_nil(x) && ma.count(K::model(x)) != 0;
            T r = a.remove(x);
            if (had) {
                FUZZ_CHECK(!K::is_nil(r) && K::model(r) == K::model(x));
                ma.erase(K::model(x));
            } else {
                FUZZ_CHECK(K::is_nil(r));
            }
            break;
        }
        case 5: { // lookups of possibly absent values, the nil value included
            T x = K::make(in);
            bool had = !K::is_nil(x) && ma.count(K::model(x)) != 0;
            FUZZ_CHECK(a.member(x) == (had ? 1 : 0));
            FUZZ_CHECK(K::is_nil(a.find(x)) == !had);
            break;
        }
        case 6: { // remove_any takes the element of the lowest slot
            if (ma.empty()) {
                FUZZ_CHECK(K::is_nil(a.remove_any()));
                break;
            }
            M first = K::model(*a.begin());
            T r = a.remove_any();
            FUZZ_CHECK(!K::is_nil(r) && K::model(r) == first);
            FUZZ_CHECK(ma.erase(first) == 1);
            break;
        }
        case 7: { // clear, keeping or giving back the table
            int reallocate = in.flag() ? 1 : 0;
            int before = a.bits();
            a.clear(reallocate);
            ma.clear();
            // clear(0) keeps a grown table; a set that has no table yet
            // (its bits grown by a union) returns to its initial bits.
            FUZZ_CHECK(a.bits() == a.initial_bits() || (!reallocate && a.bits() == before));
            break;
        }
        case 8: { // set algebra, with itself as operand now and then
            bool self = in.below(4) == 0;
            Set &b = self ? a : s[j];
            Model mb = self ? ma : m[j];
            Model r;
            switch (in.below(4)) {
            case 0:
                a += b;
                std::set_union(ma.begin(), ma.end(), mb.begin(), mb.end(),
                               std::inserter(r, r.end()));
                ma = r;
                break;
            case 1:
                a -= b;
                std::set_difference(ma.begin(), ma.end(), mb.begin(), mb.end(),
                                    std::inserter(r, r.end()));
                ma = r;
                break;
            case 2:
                a *= b;
                std::set_intersection(ma.begin(), ma.end(), mb.begin(), mb.end(),
                                      std::inserter(r, r.end()));
                ma = r;
                break;
            default:
                FUZZ_CHECK((a <= b) ==
                           (std::includes(mb.begin(), mb.end(), ma.begin(), ma.end()) ? 1 : 0));
                break;
            }
            break;
        }
        case 9: { // copies keep the source's slot positions and geometry
            Set c(utCOPY, a);
            FUZZ_CHECK(walk<K>(c) == walk<K>(a));
            FUZZ_CHECK(c.bits() == a.bits() && c.hash() == a.hash());
            if (in.flag()) {
                s[j].become(utCOPY, a);
                FUZZ_CHECK(walk<K>(s[j]) == walk<K>(a));
                m[j] = ma;
            } else {
                a.become(utCOPY, a);
            }
            break;
        }
        case 10: { // moves leave the source empty and usable
            Set c(std::move(a));
            check<K>(c, ma);
            check<K>(a, Model());
            if (in.flag()) {
                a = std::move(c);
            } else {
                s[j] = std::move(c);
                m[j] = ma;
                ma.clear();
            }
            break;
        }
        default: { // a run of additions, to reach the growth points quickly
            int n = in.range(1, 16);
            for (int k = 0; k < n; ++k) {
                T x = K::make(in);
                a.add(x);
                if (!K::is_nil(x)) ma.insert(K::model(x));
            }
            break;
        }
        }
        check<K>(s[0], m[0]);
        check<K>(s[1], m[1]);
    }
};

// A table against std::map: keys as in K, int values.
template <class Table, class Iter2, class K> struct TableCase {
    using T = typename K::T;
    using M = typename K::M;
    Table t;
    std::map<M, int> m;

    TableCase(int bits, int load) : t(bits, load) {}

    void step(Reader &in) {
        T key = K::make(in);
        bool nil = K::is_nil(key);
        bool had = !nil && m.count(K::model(key)) != 0;
        switch (in.below(6)) {
        case 0:
        case 1: {                        // write through operator[]; the nil key inserts nothing
            int v = in.range(-100, 100); // increments must not overflow
            t[key] = v;
            if (!nil) m[K::model(key)] = v;
            break;
        }
        case 2: // increment, inserting 0 first when absent
            ++t[key];
            if (!nil) ++m[K::model(key)];
            break;
        case 3:
            FUZZ_CHECK(t.remove(key) == (had ? 1 : 0));
            if (had) m.erase(K::model(key));
            break;
        case 4: { // copies keep the slots; moves empty the source
            Table c(utCOPY, t);
            FUZZ_CHECK(c.size() == t.size() && c.pairs().bits() == t.pairs().bits());
            if (in.flag()) t.become(utCOPY, t);
            t = std::move(c);
            FUZZ_CHECK(c.size() == 0 && c.empty() == 1);
            break;
        }
        default:
            FUZZ_CHECK(t.member(key) == (had ? 1 : 0));
            break;
        }
        auto found = nil ? m.end() : m.find(K::model(key));
        FUZZ_CHECK(t.read(key) == (found == m.end() ? 0 : found->second));
        check();
    }

    void check() {
        FUZZ_CHECK(t.size() == static_cast<int>(m.size()));
        FUZZ_CHECK(t.empty() == (m.empty() ? 1 : 0));
        std::map<M, int> seen;
        for (const auto &p : t) {
            FUZZ_CHECK(!K::is_nil(p.get_key()));
            FUZZ_CHECK(seen.emplace(K::model(p.get_key()), p.get_obj()).second);
        }
        FUZZ_CHECK(seen == m);
        // The key/value walker sees the pairs in the range-for order.
        Iter2 it(&t);
        for (const auto &p : t) {
            FUZZ_CHECK(++it == 1);
            FUZZ_CHECK(K::model(it.index()) == K::model(p.get_key()) && it() == p.get_obj());
        }
        FUZZ_CHECK(++it == 0 && K::is_nil(it.index()) && it() == 0);
        for (const auto &kv : m)
            FUZZ_CHECK(t.read(T(kv.first)) == kv.second);
        unsigned h = 0;
        for (const auto &kv : m)
            h ^= K::hash(kv.first);
        FUZZ_CHECK(t.pairs().hash() == h);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader in(data, size);
    int bits = in.below(4);
    int load = in.range(10, 100);
    SetPair<IntKind> ints(bits, load);
    SetPair<StringKind> strings(bits, load);
    TableCase<intintcoTable, intintcoTablecoIterator2, IntKind> itable(bits, load);
    TableCase<utStringintcoTable, intutStringcoTablecoIterator2, StringKind> stable(bits, load);
    while (!in.done()) {
        switch (in.below(4)) {
        case 0:
            ints.step(in);
            break;
        case 1:
            strings.step(in);
            break;
        case 2:
            itable.step(in);
            break;
        default:
            stable.step(in);
            break;
        }
    }
    return 0;
}
