// Long random sequences on the sets (each operation also made through the
// untyped interface on a twin set) and on utStringintcoTable, checked after
// every step against std::set / std::map.
#include <colib/hashing/detail/probe.h>
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <algorithm>
#include <climits>
#include <map>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

template <class S, class It> struct Member {
    using Set = S;
    using Iter = It;
    // The element for key k; INT_MIN stands for nil.
    static typename S::value_type of(int k) {
        return k == INT_MIN ? S::nil() : colib_test::value<typename S::value_type>(k);
    }
};
template <class M> class SetModel : public ::testing::Test {};
using Sets = ::testing::Types<Member<intcoSet, intcoSetcoIterator>,
                              Member<doublecoSet, doublecoSetcoIterator>,
                              Member<utStringcoSet, utStringcoSetcoIterator>>;
TYPED_TEST_SUITE(SetModel, Sets, );

// Everything a set promises about its contents, against the model; the
// twin that got the same operations untyped has the same table.
template <class M>
void check(const typename M::Set &s, const typename M::Set &twin, const std::set<int> &model) {
    ASSERT_EQ(s.size(), static_cast<int>(model.size()));
    ASSERT_EQ(s.empty(), model.empty() ? 1 : 0);
    auto elems = colib_test::elems(s), sorted = elems, want = sorted;
    want.clear();
    unsigned x = 0;
    for (int k : model) {
        want.push_back(M::of(k));
        ASSERT_TRUE(s.find(M::of(k)) == M::of(k)); // reachable from its home slot
        x ^= co_hash(M::of(k));
    }
    auto less = [](const auto &a, const auto &b) {
        if constexpr (std::is_same_v<std::decay_t<decltype(a)>, utString>)
            return a.compare(b) < 0;
        else
            return a < b;
    };
    std::sort(sorted.begin(), sorted.end(), less);
    std::sort(want.begin(), want.end(), less);
    ASSERT_EQ(sorted, want); // each element once
    ASSERT_EQ(s.hash(), x);
    // The slot walk of the iterator class agrees with range-for.
    typename M::Iter it(&s);
    std::size_t stepped = 0;
    while (++it)
        ++stepped;
    ASSERT_EQ(stepped, elems.size());
    ASSERT_LT(s.size(), s.slot_count());
    ASSERT_EQ(colib_test::elems(twin), elems);
    ASSERT_EQ(twin.slot_count(), s.slot_count());
    ASSERT_EQ(twin.hash(), x);
}

TYPED_TEST(SetModel, RandomOperations) {
    using M = TypeParam;
    using T = typename M::Set::value_type;
    std::mt19937 rng(20261206);
    for (int round = 0; round < 4; ++round) {
        int bits = round, load = round == 3 ? 100 : 25 + 25 * round;
        typename M::Set s(bits, load), twin(bits, load);
        basecoSet &untyped = twin;
        std::set<int> model;
        int range = 50 << (2 * round);
        for (int step = 0; step < 3000; ++step) {
            int k = static_cast<int>(rng() % range) - range / 4;
            if (rng() % 500 == 0) k = INT_MIN;
            T x = M::of(k), out = M::Set::nil();
            int op = static_cast<int>(rng() % 16);
            if (op < 5) {
                bool fresh = k != INT_MIN && !model.count(k);
                EXPECT_TRUE(s.add(x) == (fresh ? M::Set::nil() : x));
                untyped.add(&x);
                if (k != INT_MIN) model.insert(k);
            } else if (op < 8) {
                bool had = model.erase(k);
                EXPECT_TRUE(s.remove(x) == (had ? x : M::Set::nil()));
                EXPECT_EQ(untyped.remove(&x, &out), had ? 1 : 0);
                EXPECT_TRUE(out == (had ? x : M::Set::nil()));
            } else if (op < 10) {
                EXPECT_EQ(s.member(x), k != INT_MIN && model.count(k) ? 1 : 0);
                EXPECT_EQ(untyped.member(&x), s.member(x));
            } else if (op == 10) {
                T got = s.remove_any();
                auto it = std::find_if(model.begin(), model.end(),
                                       [&](int m) { return M::of(m) == got; });
                EXPECT_EQ(it == model.end(), model.empty());
                if (it != model.end()) model.erase(it);
                untyped.remove(&got, &out);
            } else if (op == 11) {
                if (rng() % 20 == 0) {
                    int keep = s.slot_count(), release = static_cast<int>(rng() % 2);
                    s.clear(release);
                    twin.clear(release);
                    model.clear();
                    EXPECT_EQ(s.slot_count(), release ? 1 << bits : keep);
                }
            } else { // a burst that crosses growth thresholds
                for (int i = 0; i < 8; ++i) {
                    int v = static_cast<int>(rng() % range);
                    T y = M::of(v);
                    s.add(y);
                    untyped.add(&y);
                    model.insert(v);
                }
            }
            check<M>(s, twin, model);
            if (this->HasFatalFailure()) return;
        }
    }
}

// The documented set algorithms written out literally over a vector of
// int slots (INT_MIN empty): growth through update_size after every add,
// rehash by re-adding (which recurses), removal by backward shifting, union
// by rehash first. The library must agree slot for slot.
class RefSet {
public:
    RefSet(int bits, int load) : initial_(bits), load_(load), bits_(bits) {}
    int bits() const { return bits_; }
    int count() const { return count_; }
    // (slot, element) pairs in slot order; empty while there is no storage.
    std::vector<std::pair<int, int>> slots() const {
        std::vector<std::pair<int, int>> at;
        for (int i = 0; i < static_cast<int>(slots_.size()); ++i)
            if (slots_[i] != INT_MIN) at.emplace_back(i, slots_[i]);
        return at;
    }
    void add(int k) {
        if (k == INT_MIN) return;
        int i = probe(k);
        if (slots_.empty()) slots_.assign(std::size_t(1) << bits_, INT_MIN);
        if (slots_[i] != INT_MIN) return;
        slots_[i] = k;
        update_size(++count_);
    }
    void remove(int k) {
        if (slots_.empty()) return;
        int hole = probe(k);
        if (slots_[hole] == INT_MIN) return;
        int j = less(hole);
        while (slots_[j] != INT_MIN) {
            int h = home(slots_[j]);
            if (!((j <= h && h < hole) || (hole < j && j <= h) || (h < hole && hole < j))) {
                slots_[hole] = slots_[j];
                hole = j;
            }
            j = less(j);
        }
        slots_[hole] = INT_MIN;
        update_size(--count_);
    }
    void clear(int reallocate) { resize(initial_, reallocate); }
    void unite(const RefSet &o) {
        if (o.bits_ > bits_) rehash(o.bits_);
        for (auto [i, k] : o.slots())
            add(k);
    }

private:
    int home(int k) const { return colib_detail::hash_home(static_cast<unsigned>(k), bits_); }
    int less(int i) const { return (i - 1) & ((1 << bits_) - 1); }
    int probe(int k) const {
        int i = home(k);
        if (slots_.empty()) return i;
        while (slots_[i] != INT_MIN && slots_[i] != k)
            i = less(i);
        return i;
    }
    void update_size(int n) {
        if (n >= load_ / 100.0 * (1 << bits_)) rehash(bits_ + 1);
    }
    void rehash(int b) {
        std::vector<int> saved;
        for (auto [i, k] : slots())
            saved.push_back(k);
        resize(b, 1);
        for (int k : saved)
            add(k);
    }
    void resize(int b, int reallocate) {
        count_ = 0;
        if (reallocate || slots_.empty()) {
            bits_ = b;
            slots_.assign(std::size_t(1) << bits_, INT_MIN);
        } else {
            std::fill(slots_.begin(), slots_.end(), INT_MIN);
        }
    }
    int initial_, load_, bits_, count_ = 0;
    std::vector<int> slots_;
};

std::vector<std::pair<int, int>> slots_of(const intcoSet &s) {
    std::vector<std::pair<int, int>> at;
    intcoSetcoIterator it(&s);
    while (++it)
        at.emplace_back(it.index(), it());
    return at;
}

// Small initial tables and the whole load range: growth inside rebuilds,
// unions into sets of every size, and (at high load) long chains that wrap
// past slot 0, where the third case of the removal rule decides.
TEST(Model, IntSetSlotExact) {
    std::mt19937 rng(11);
    const int geometry[][2] = {{0, 1},  {0, 10}, {1, 25},  {2, 10}, {0, 50},
                               {1, 75}, {2, 90}, {3, 100}, {4, 50}};
    int wrapped = 0;
    for (auto [bits, load] : geometry) {
        intcoSet s(bits, load), other(bits, load);
        RefSet ref(bits, load), ref_other(bits, load);
        int range = 8 + static_cast<int>(rng() % 120);
        for (int step = 0; step < 2500; ++step) {
            int k = static_cast<int>(rng() % range) * 7 - 100;
            int op = static_cast<int>(rng() % 20);
            if (op < 9) {
                s.add(k);
                ref.add(k);
            } else if (op < 16) {
                s.remove(k);
                ref.remove(k);
            } else if (op < 18) {
                other.add(k);
                ref_other.add(k);
            } else if (op == 18) {
                s += other;
                ref.unite(ref_other);
            } else {
                int release = static_cast<int>(rng() % 2);
                if (rng() % 2) {
                    s.clear(release);
                    ref.clear(release);
                } else {
                    other.clear(release);
                    ref_other.clear(release);
                }
            }
            ASSERT_EQ(s.bits(), ref.bits()) << bits << "/" << load << " step " << step;
            ASSERT_EQ(slots_of(s), ref.slots()) << bits << "/" << load << " step " << step;
            ASSERT_EQ(s.size(), ref.count());
            auto at = ref.slots();
            if (!at.empty() && at.front().first == 0 && at.back().first == s.slot_count() - 1)
                ++wrapped;
        }
    }
    EXPECT_GT(wrapped, 100); // chains across slot 0 were exercised
}

void run_table_model(int bits, int load);

// The table against std::map, from small initial tables at low and high
// load (growth inside rebuilds, long wrapped chains) to the usual geometry.
TEST(Model, StringIntTable) {
    const int geometry[][2] = {{0, 10}, {1, 90}, {2, 50}};
    for (auto [bits, load] : geometry)
        run_table_model(bits, load);
}

void run_table_model(int bits, int load) {
    SCOPED_TRACE(std::to_string(bits) + "/" + std::to_string(load));
    std::mt19937 rng(7);
    utStringintcoTable t(bits, load);
    std::map<std::string, int> model;
    auto key = [&] { return "k" + std::to_string(rng() % 700); };
    for (int step = 0; step < 1500; ++step) {
        std::string k = key();
        utString uk(k.c_str());
        int op = static_cast<int>(rng() % 6);
        if (op < 2) {
            int v = static_cast<int>(rng() % 1000);
            t[uk] = v;
            model[k] = v;
        } else if (op == 2) {
            EXPECT_EQ(t[uk], model[k]); // inserts the default when absent
        } else if (op == 3) {
            auto it = model.find(k);
            EXPECT_EQ(t.read(uk), it == model.end() ? 0 : it->second);
        } else if (op == 4) {
            EXPECT_EQ(t.remove(uk), static_cast<int>(model.erase(k)));
        } else {
            for (int i = 0; i < 5; ++i) {
                std::string b = key();
                t[utString(b.c_str())] += 1;
                model[b] += 1;
            }
        }
        ASSERT_EQ(t.size(), static_cast<int>(model.size()));
        std::map<std::string, int> seen;
        unsigned x = 0;
        for (const auto &p : t) {
            ASSERT_TRUE(seen.emplace(p.get_key().c_str(), p.get_obj()).second);
            x ^= co_hash(p.get_key());
        }
        ASSERT_EQ(seen, model);
        ASSERT_EQ(t.pairs().hash(), x);
    }
}

} // namespace
