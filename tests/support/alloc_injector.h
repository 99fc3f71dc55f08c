// Allocation-failure injection for the unit tests and every fuzz target.
// alloc_injector.cpp replaces every form of the global allocation operators
// (AddressSanitizer would otherwise keep the array and nothrow ones) and
// routes the library's raw storage (colib/foundation/raw_alloc.h) through
// the same counters, so allocations inside libcolib are seen too; a
// reallocation counts as one allocation. While a Scope is armed its n-th
// allocation fails: the throwing forms throw std::bad_alloc, the nothrow
// forms return null. Live allocations and their bytes are counted for the
// drivers' leak and memory checks.
#pragma once

#include <new>

namespace alloc_injector {

// Allocations made so far minus deallocations (all forms).
long live();
// Bytes asked for by the live allocations (what a container's memory_bytes()
// should account for).
long live_bytes();

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

// Runs op with its n-th allocation failing; std::bad_alloc is caught.
// True when the failure happened (op was cut short or reported 0); false
// when op ran to the end without reaching its n-th allocation.
template <class Op> bool fail_at(long n, Op op) {
    Scope scope(n);
    try {
        op();
    } catch (const std::bad_alloc &) {
        return true;
    }
    return scope.failed();
}

} // namespace alloc_injector
