// Transitional: the old allocation-failure helpers over support/alloc_injector.
#pragma once

#include <gtest/gtest.h>

#include "support/alloc_injector.h"

namespace alloc_injector {
template <class Op, class Check> int for_each_failure(Op op, Check check) {
    for (long n = 1;; ++n) {
        bool ok;
        bool failed;
        {
            Scope scope(n);
            ok = op();
            failed = scope.failed();
        }
        if (!failed && ok) return static_cast<int>(n - 1);
        check();
        if (n > 100000) return -1;
    }
}
template <class Op> bool completes(Op op) {
    try {
        op();
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}
template <class Op, class Check> int for_each_throw(Op op, Check check) {
    return for_each_failure([&] { return completes(op); }, check);
}
class NoLeaks : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(live(), before_); }

private:
    long before_ = live();
};
} // namespace alloc_injector
