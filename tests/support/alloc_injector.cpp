#include "support/alloc_injector.h"

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#if defined(_WIN32)
#include <malloc.h>
#endif

#include <colib/foundation/raw_alloc.h>

namespace {
std::atomic<long> g_live{0};
std::atomic<long> g_live_bytes{0};
std::atomic<long> g_countdown{0}; // > 0: armed, fails when it reaches 0
std::atomic<bool> g_failed{false};

// True when this allocation is the planned failure.
bool should_fail() {
    if (g_countdown.load(std::memory_order_relaxed) <= 0 || g_countdown.fetch_sub(1) != 1)
        return false;
    return g_failed = true;
}

// Over-aligned blocks: the Windows C library has no aligned_alloc, and its
// aligned blocks go back through _aligned_free.
#if defined(_WIN32)
#define COLIB_TEST_ALIGNED_ALLOC(align, n) _aligned_malloc(n, align)
#define COLIB_TEST_FREE(p, aligned) ((aligned) ? _aligned_free(p) : std::free(p))
#else
#define COLIB_TEST_ALIGNED_ALLOC(align, n) std::aligned_alloc(align, n)
#define COLIB_TEST_FREE(p, aligned) std::free(p)
#endif

// Each block carries a header in front of it with the requested size and the
// header's own size, so that deallocation can subtract the bytes.
struct header {
    std::size_t bytes, size;
};

void *allocate(std::size_t n, std::size_t align = alignof(std::max_align_t)) {
    if (should_fail()) return nullptr;
    std::size_t h = align > alignof(std::max_align_t) ? align : alignof(std::max_align_t);
    static_assert(sizeof(header) <= alignof(std::max_align_t), "header fits");
    std::size_t total = h + (n == 0 ? 1 : n);
    char *base = static_cast<char *>(
        align > alignof(std::max_align_t)
            ? COLIB_TEST_ALIGNED_ALLOC(align, (total + align - 1) / align * align)
            : std::malloc(total));
    if (!base) return nullptr;
    ++g_live;
    g_live_bytes += long(n);
    char *p = base + h;
    reinterpret_cast<header *>(p)[-1] = header{n, h};
    return p;
}

// A freed block is scribbled over, so that a read through a stale reference
// (an argument that lived in a buffer the call moved) shows as a wrong value.
// AddressSanitizer reports such reads itself and guards the array cookies
// that the scribble would cross.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define COLIB_TEST_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(COLIB_TEST_ASAN)
constexpr bool scribble = false;
#else
constexpr bool scribble = true;
#endif

void deallocate(void *p) {
    if (!p) return;
    header hd = static_cast<header *>(p)[-1];
    if (scribble) std::memset(p, 0xdb, hd.bytes);
    --g_live;
    g_live_bytes -= long(hd.bytes);
    COLIB_TEST_FREE(static_cast<char *>(p) - hd.size, hd.size > alignof(std::max_align_t));
}

// The library's raw storage (colib_detail::raw_allocate and its kin) goes
// through the same counting and failure plan; reallocate always moves the
// block (and scribbles over the old one), which a real realloc may or may not.
void *raw_reallocate(void *p, std::size_t n) {
    void *q = allocate(n);
    if (!q || !p) return q;
    std::memcpy(q, p, std::min(n, static_cast<header *>(p)[-1].bytes));
    deallocate(p);
    return q;
}
const colib_detail::raw_alloc_hooks raw_hooks = {[](std::size_t n) { return allocate(n); },
                                                 raw_reallocate, deallocate};
// Installed before main, so every raw buffer of the tests is seen.
const bool raw_hooks_installed = (colib_detail::set_raw_alloc_hooks(&raw_hooks), true);

void *allocate_or_throw(std::size_t n, std::size_t align = alignof(std::max_align_t)) {
    void *p = allocate(n, align);
    if (!p) throw std::bad_alloc();
    return p;
}
} // namespace

namespace alloc_injector {
long live() {
    return g_live;
}
long live_bytes() {
    return g_live_bytes;
}
Scope::Scope(long n) {
    g_failed = false;
    g_countdown = n;
}
Scope::~Scope() {
    g_countdown = 0;
}
bool Scope::failed() const {
    return g_failed;
}
} // namespace alloc_injector

// The replaced operators, one per line.
using std::align_val_t;
using std::nothrow_t;
using std::size_t;
// clang-format off
void *operator new(size_t n) { return allocate_or_throw(n); }
void *operator new[](size_t n) { return allocate_or_throw(n); }
void *operator new(size_t n, const nothrow_t &) noexcept { return allocate(n); }
void *operator new[](size_t n, const nothrow_t &) noexcept { return allocate(n); }
void *operator new(size_t n, align_val_t a) { return allocate_or_throw(n, size_t(a)); }
void *operator new[](size_t n, align_val_t a) { return allocate_or_throw(n, size_t(a)); }
void *operator new(size_t n, align_val_t a, const nothrow_t &) noexcept { return allocate(n, size_t(a)); }
void *operator new[](size_t n, align_val_t a, const nothrow_t &) noexcept { return allocate(n, size_t(a)); }
void operator delete(void *p) noexcept { deallocate(p); }
void operator delete[](void *p) noexcept { deallocate(p); }
void operator delete(void *p, size_t) noexcept { deallocate(p); }
void operator delete[](void *p, size_t) noexcept { deallocate(p); }
void operator delete(void *p, const nothrow_t &) noexcept { deallocate(p); }
void operator delete[](void *p, const nothrow_t &) noexcept { deallocate(p); }
void operator delete(void *p, align_val_t) noexcept { deallocate(p); }
void operator delete[](void *p, align_val_t) noexcept { deallocate(p); }
void operator delete(void *p, size_t, align_val_t) noexcept { deallocate(p); }
void operator delete[](void *p, size_t, align_val_t) noexcept { deallocate(p); }
void operator delete(void *p, align_val_t, const nothrow_t &) noexcept { deallocate(p); }
void operator delete[](void *p, align_val_t, const nothrow_t &) noexcept { deallocate(p); }
// clang-format on
