// Untyped, resizable storage for element buffers whose elements move
// bytewise (plain numbers and pointers). The dynamic arrays and the paged
// array's block table keep such buffers here so that growth can extend a
// buffer in place (or let the allocator move whole pages) instead of
// allocating, copying and releasing.
//
// A raw buffer starts with a small header that records how many bytes of
// element room it has; raw_buffer<T> hands out the element pointer just
// past it. Every call reports failure with a null result and leaves the
// old buffer as it was, so growth keeps the allocate-before-release rule.
//
// All raw storage of the library passes through the three functions
// below, so a test allocator can count it and make it fail
// (set_raw_alloc_hooks); without hooks they are malloc, realloc and free.
#pragma once

#include <cstddef>
#include <new>
#include <type_traits>

#include <colib/foundation/export.h>

namespace colib_detail {

struct raw_alloc_hooks {
    void *(*allocate)(std::size_t bytes);
    void *(*reallocate)(void *p, std::size_t bytes);
    void (*release)(void *p);
};

// Null when no storage could be had.
COLIB_API void *raw_allocate(std::size_t bytes) noexcept;
// Null when no storage could be had; p is then still valid and unchanged.
COLIB_API void *raw_reallocate(void *p, std::size_t bytes) noexcept;
COLIB_API void raw_release(void *p) noexcept;
// Routes the three functions through hooks (null: back to the C library).
// For test allocators; not to be changed while raw storage is live.
COLIB_API void set_raw_alloc_hooks(const raw_alloc_hooks *hooks) noexcept;

// Element types whose buffers may live in raw storage: no constructor,
// destructor or copy that does more than move bytes.
template <class T>
inline constexpr bool raw_movable = std::is_trivially_copyable_v<T>
    &&std::is_trivially_default_constructible_v<T> &&std::is_trivially_destructible_v<T>;

// A raw buffer of T: header, then the elements. The header keeps the
// room in elements, which may exceed what the owner calls its capacity.
template <class T> struct raw_buffer {
    struct alignas(alignof(std::max_align_t)) head {
        long long room;
    };
    static_assert(raw_movable<T>, "raw buffers hold plain elements only");

    static head *head_of(T *data) noexcept { return reinterpret_cast<head *>(data) - 1; }
    static long long room(const T *data) noexcept {
        return reinterpret_cast<const head *>(data)[-1].room;
    }
    static std::size_t bytes(long long room) noexcept {
        return sizeof(head) + static_cast<std::size_t>(room) * sizeof(T);
    }
    // Heap bytes of a buffer (0 for none).
    static std::size_t held(const T *data) noexcept { return data ? bytes(room(data)) : 0; }

    // A buffer with room for n elements (n >= 1); null on failure.
    static T *make(long long n) noexcept {
        void *p = raw_allocate(bytes(n));
        if (!p) return nullptr;
        head *h = ::new (p) head{n};
        return reinterpret_cast<T *>(h + 1);
    }
    // data (may be null) resized to room n, its first min(old, n) elements
    // kept; null on failure with data unchanged.
    static T *resize(T *data, long long n) noexcept {
        if (!data) return make(n);
        void *p = raw_reallocate(head_of(data), bytes(n));
        if (!p) return nullptr;
        head *h = static_cast<head *>(p);
        h->room = n;
        return reinterpret_cast<T *>(h + 1);
    }
    static void release(T *data) noexcept {
        if (data) raw_release(head_of(data));
    }
};

} // namespace colib_detail
