// The call lists and the feature pool under allocation failure, and the
// randomized model of the call lists, whose last check is that every
// registration was freed exactly once (the injector's live count comes back
// to where it started; a second free is ASan's to report).
#include <colib/notify/call_list.h>
#include <colib/notify/feature_pool.h>
#include <colib/notify/typed_call.h>

#include "alloc/legacy.h"
#include "notify/call_model.h"

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {
using namespace colib_test;
using alloc_injector::for_each_throw;
using NotifyAlloc = alloc_injector::NoLeaks;

// ---- call lists -------------------------------------------------------------

void call_typed(Recv *r) {
    seen(r, 9, 0);
}

std::vector<coCallFunc *> walk(const coCallList &l) {
    return std::vector<coCallFunc *>(l.begin(), l.end());
}

TEST_F(NotifyAlloc, AddThatCannotLinkChangesNothing) {
    coCallReason why;
    coSender s(0);
    Recv r(1, 0);
    s.calls().add(new coCallFunc(why, &r, &s, fns[0][0], 0));
    const auto sender_before = walk(s.calls()), receiver_before = walk(r);
    auto *f = new coCallFunc(why, &r, &s, fns[0][1], 0);
    int failures = for_each_throw([&] { s.calls().add(f); },
                                  [&] {
                                      EXPECT_EQ(walk(s.calls()), sender_before);
                                      EXPECT_EQ(walk(r), receiver_before);
                                  });
    EXPECT_EQ(failures, 2); // the sender's link, then the receiver's
    EXPECT_EQ(s.calls().count_registrations(), 2);

    // The typed helper frees what it made when it cannot register it.
    failures = for_each_throw([&] { co_register<call_typed>(why, &r, &s); },
                              [&] {
                                  EXPECT_EQ(s.calls().count_registrations(), 2);
                                  EXPECT_EQ(r.count_registrations(), 2);
                              });
    EXPECT_EQ(failures, 3);
}

// ---- feature pool -------------------------------------------------------------

class Num : public basecoFeature {
public:
    Num(int id, int v) : id_(id) { set_data(new int(v)); }
    explicit Num(int id) : id_(id) {}
    ~Num() override { delete static_cast<int *>(data()); }
    basecoFeature *create() override { return new Num(id_); }
    void build() override { set_data(new int(0)); }
    void assign(const basecoFeature &o) override {
        set_data(new int(*static_cast<int *>(o.data())));
    }
    coFeatureID feature_id() const override { return coFeatureID(id_); }

private:
    int id_;
};

std::vector<std::pair<int, int>> contents(const coFeaturePool &p) {
    std::vector<std::pair<int, int>> out;
    for (const basecoFeature &f : p)
        out.emplace_back(f.feature_id().id(), *static_cast<int *>(f.data()));
    return out;
}

TEST_F(NotifyAlloc, FeaturePoolCopyAndBecomeChangeNothingOnFailure) {
    coFeaturePool pool, other;
    Num a(1, 10), b(2, 20), a2(1, 11), c(3, 30);
    pool.copy(a);
    pool.copy(b);
    const auto before = contents(pool);
    int failures =
        for_each_throw([&] { pool.copy(a2); }, [&] { EXPECT_EQ(contents(pool), before); });
    EXPECT_EQ(failures, 3); // the object, its data, the link
    EXPECT_EQ(contents(pool), (std::vector<std::pair<int, int>>{{2, 20}, {1, 11}}));

    other.copy(c);
    const auto other_before = contents(other);
    failures = for_each_throw([&] { other.become(utCOPY, pool); },
                              [&] { EXPECT_EQ(contents(other), other_before); });
    EXPECT_EQ(failures, 6);
    EXPECT_EQ(contents(other), contents(pool));
}

TEST_F(NotifyAlloc, RandomizedModelFreesEveryRegistrationOnce) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
        std::string error;
        {
            colib_test::CallModel<decltype(pick)> model(pick);
            for (int step = 0; step < 600 && model.step(); ++step) {
            }
            error = model.error();
        }
        ASSERT_EQ(error, "") << "seed " << seed;
    }
}

} // namespace
