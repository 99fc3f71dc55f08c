#include "notify/notify_driver.h"

#include <gtest/gtest.h>

namespace {

using namespace colib_test::notify;

// What the typed registration accepts: a coReceiver class first, at most
// two more pointers.
void wrong_first(int *, Data *) {}
void too_many(Recv *, int *, int *, int *) {}
static_assert(co_is_call_target<Fn::t0> && co_is_call_target<&Fn::t2>);
static_assert(!co_is_call_target<wrong_first> && !co_is_call_target<too_many>);

TEST(NotifyModel, CallListsAndFeaturePoolFollowTheModel) {
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        colib_test::Input in(seed, 5000);
        run_notify(in);
    }
}

} // namespace
