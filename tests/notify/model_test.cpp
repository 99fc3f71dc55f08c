#include "notify/notify_driver.h"

#include <gtest/gtest.h>

using colib_test::notify::Data, colib_test::notify::Driver, colib_test::notify::Recv;

static void wrong_first(int *, Data *) {}            // a typed call takes a coReceiver class first
static void too_many(Recv *, int *, int *, int *) {} // and at most two more pointers
static_assert(co_is_call_target<Driver::t0> && co_is_call_target<&Driver::t2>);
static_assert(!co_is_call_target<wrong_first> && !co_is_call_target<too_many>);

TEST(NotifyModel, CallListsAndFeaturePoolFollowTheModel) {
    colib_test::run_seeds(colib_test::notify::run_notify, 40, 5000);
}

// A registration applied by hand calls its function only for its own reason
// and with as many pointers as its kind says, whatever its ends.
TEST(NotifyModel, RegistrationAppliesOnlyItsKindAndReason) {
    static int calls;
    static void *got;
    using Fn = void (*)();
    const Fn fns[] = {Fn(+[](void *r) { ++calls, got = r; }),
                      Fn(+[](void *r, void *) { ++calls, got = r; }),
                      Fn(+[](void *r, void *, void *) { ++calls, got = r; })};
    coCallReason mine, other;
    for (int kind = 0; kind < 3; ++kind) {
        coCallFunc f(mine, nullptr, nullptr, fns[kind], kind);
        calls = 0;
        int a, b;
        for (coCallReason why : {mine, other})
            f.apply(why), f.apply(why, &a), f.apply(why, &a, &b);
        EXPECT_EQ(calls, 1) << "kind " << kind;
        EXPECT_EQ(got, nullptr);
    }
}
