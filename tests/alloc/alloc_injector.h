// Allocation-failure injection for the colib_alloc_tests executable.
//
// alloc_injector.cpp replaces every form of the global allocation operators
// (including the array and nothrow forms, which AddressSanitizer would
// otherwise keep for itself). While an AllocInjector is armed, the N-th
// allocation fails: the throwing forms throw std::bad_alloc, the nothrow
// forms return null. It also counts live allocations, so a test can check
// that nothing leaked.
#pragma once

#include <cstddef>

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

} // namespace alloc_injector
