// Long random sequences on the sets (each operation also made through the
// untyped interface on a twin set) and on utStringintcoTable, checked after
// every step against std::set / std::map.
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

TEST(Model, StringIntTable) {
    std::mt19937 rng(7);
    utStringintcoTable t(2, 50);
    std::map<std::string, int> model;
    auto key = [&] { return "k" + std::to_string(rng() % 700); };
    for (int step = 0; step < 4000; ++step) {
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
