// Long random sequences on intcoSet and utStringintcoTable, checked after
// every step against std::set / std::map.
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <set>
#include <string>

namespace {

// Everything a set promises about its contents, against the model.
void check(const intcoSet &s, const std::set<int> &model) {
    ASSERT_EQ(s.size(), static_cast<int>(model.size()));
    ASSERT_EQ(s.empty(), model.empty() ? 1 : 0);
    std::set<int> seen;
    unsigned x = 0;
    int walked = 0;
    for (int v : s) {
        ASSERT_TRUE(seen.insert(v).second) << "element " << v << " seen twice";
        ASSERT_EQ(s.find(v), v); // reachable from its home slot
        ++walked;
    }
    ASSERT_EQ(seen, model);
    for (int v : model)
        x ^= co_hash(v);
    ASSERT_EQ(s.hash(), x);
    // The slot walk of the iterator class agrees with range-for.
    intcoSetcoIterator it(&s);
    int stepped = 0;
    while (++it)
        ++stepped;
    ASSERT_EQ(stepped, walked);
    ASSERT_LT(s.size(), s.slot_count());
}

TEST(Model, IntSet) {
    std::mt19937 rng(20261206);
    for (int round = 0; round < 4; ++round) {
        int bits = round, load = round == 3 ? 100 : 25 + 25 * round;
        intcoSet s(bits, load);
        std::set<int> model;
        int range = 50 << (2 * round);
        for (int step = 0; step < 3000; ++step) {
            int k = static_cast<int>(rng() % range) - range / 4;
            if (rng() % 500 == 0) k = INT_MIN;
            int op = static_cast<int>(rng() % 16);
            if (op < 5) {
                bool fresh = k != INT_MIN && !model.count(k);
                EXPECT_EQ(s.add(k), fresh ? INT_MIN : k);
                if (k != INT_MIN) model.insert(k);
            } else if (op < 8) {
                EXPECT_EQ(s.remove(k), model.erase(k) ? k : INT_MIN);
            } else if (op < 10) {
                EXPECT_EQ(s.member(k), k != INT_MIN && model.count(k) ? 1 : 0);
            } else if (op == 10) {
                int got = s.remove_any();
                if (model.empty())
                    EXPECT_EQ(got, INT_MIN);
                else
                    EXPECT_EQ(model.erase(got), 1u);
            } else if (op == 11) {
                if (rng() % 20 == 0) {
                    int keep = s.slot_count(), release = static_cast<int>(rng() % 2);
                    s.clear(release);
                    model.clear();
                    EXPECT_EQ(s.slot_count(), release ? 1 << bits : keep);
                }
            } else { // a burst that crosses growth thresholds
                for (int i = 0; i < 8; ++i) {
                    int v = static_cast<int>(rng() % range);
                    s.add(v);
                    model.insert(v);
                }
            }
            check(s, model);
            if (HasFatalFailure()) return;
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
