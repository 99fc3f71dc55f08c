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
