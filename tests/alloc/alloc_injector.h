// Allocation-failure injection for the colib_alloc_tests executable.
//
// alloc_injector.cpp replaces every form of the global allocation operators
// (including the array and nothrow forms, which AddressSanitizer would
// otherwise keep for itself). While an AllocInjector is armed, the N-th
// allocation fails: the throwing forms throw std::bad_alloc, the nothrow
// forms return null. It also counts live allocations, so a test can check
// that nothing leaked.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <new>

namespace alloc_injector {

// Allocations made so far minus deallocations (all forms).
long live();
// Allocations made since the program started.
long total();

// Fails the n-th allocation after construction (1 = the next one); n = 0
// never fails. Disarmed on destruction.
class Scope {
public:
    explicit Scope(long n);
    ~Scope();
    // True once the planned failure has happened.
    bool failed() const;
    Scope(const Scope &) = delete;
    Scope &operator=(const Scope &) = delete;
};

// Runs op with the 1st, 2nd, 3rd ... allocation failing until op succeeds
// (returns true without a failure having happened). After each failed run,
// check() must hold. Returns the number of failing runs.
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

// Runs op; false when it let std::bad_alloc through.
template <class Op> bool completes(Op op) {
    try {
        op();
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    }
}

// for_each_failure of an operation that reports failure by throwing.
template <class Op, class Check> int for_each_throw(Op op, Check check) {
    return for_each_failure([&] { return completes(op); }, check);
}

// Fails a test that leaves more (or fewer) allocations live than it found.
class NoLeaks : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(live(), before_); }

private:
    long before_ = live();
};

} // namespace alloc_injector
