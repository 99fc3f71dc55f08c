// The global allocation operators of the benchmarks that report heap use
// (their executables link this file; see CMakeLists.txt): each counts its
// calls and the usable bytes malloc hands out, for every allocation of the
// process, the library's included.
#include "bench_common.h"

#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long long> g_live_bytes{0};
std::atomic<long long> g_allocations{0};

void *counted(std::size_t n) noexcept {
    void *p = std::malloc(n ? n : 1);
    if (p) {
        g_allocations.fetch_add(1, std::memory_order_relaxed);
        g_live_bytes.fetch_add(static_cast<long long>(malloc_usable_size(p)),
                               std::memory_order_relaxed);
    }
    return p;
}
void released(void *p) noexcept {
    if (!p) return;
    g_live_bytes.fetch_sub(static_cast<long long>(malloc_usable_size(p)),
                           std::memory_order_relaxed);
    std::free(p);
}
void *counted_or_throw(std::size_t n) {
    if (void *p = counted(n)) return p;
    throw std::bad_alloc();
}
} // namespace

namespace colib_bench {
long long live_heap_bytes() noexcept {
    return g_live_bytes.load(std::memory_order_relaxed);
}
long long allocations() noexcept {
    return g_allocations.load(std::memory_order_relaxed);
}
} // namespace colib_bench

using std::nothrow_t;
using std::size_t;
// clang-format off
void *operator new(size_t n) { return counted_or_throw(n); }
void *operator new[](size_t n) { return counted_or_throw(n); }
void *operator new(size_t n, const nothrow_t &) noexcept { return counted(n); }
void *operator new[](size_t n, const nothrow_t &) noexcept { return counted(n); }
void operator delete(void *p) noexcept { released(p); }
void operator delete[](void *p) noexcept { released(p); }
void operator delete(void *p, size_t) noexcept { released(p); }
void operator delete[](void *p, size_t) noexcept { released(p); }
// clang-format on
