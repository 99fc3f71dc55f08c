// coBufferGuard<T, B>: the bounds-testing element copier of the contiguous
// arrays. A copy happens only when source and destination are non-null and
// the whole destination range lies inside the guarded buffer; otherwise it
// is skipped silently. B = 1 copies bytes in one block, B = 0 assigns
// element by element in ascending order.
#pragma once

#include <cstdint>
#include <cstring>
#include <utility>

#include <colib/foundation/types.h>
#include <colib/foundation/ut.h>

template <class T, int B> class COLIB_API coBufferGuard {
public:
    coBufferGuard(T *buffer, int count) noexcept : buffer_(buffer), count_(convert(count)) {}

    // n as an unsigned count, negative n counting as 0.
    static std::uint64_t convert(int n) noexcept {
        bool out_of_range;
        return ut_numeric_cast<std::uint64_t, int>(n < 0 ? 0 : n, out_of_range);
    }

    void copy(T *dst, const T *src, int n) const { copy(dst, src, convert(n)); }
    void copy(T *dst, const T *src, std::uint64_t n) const {
        if (!fits(dst, src, n) || dst == src) return;
        if (B)
            std::memmove(static_cast<void *>(dst), static_cast<const void *>(src), n * sizeof(T));
        else
            for (std::uint64_t i = 0; i < n; ++i)
                dst[i] = src[i];
    }
    // As copy, but the source elements may be left in any valid state:
    // element types with shared state (utString) hand it over instead of
    // copying it. Used when the source is about to be released.
    void move(T *dst, T *src, std::uint64_t n) const {
        if (!fits(dst, src, n) || dst == src) return;
        if (B)
            std::memmove(static_cast<void *>(dst), static_cast<const void *>(src), n * sizeof(T));
        else
            for (std::uint64_t i = 0; i < n; ++i)
                dst[i] = std::move(src[i]);
    }

    T *buffer() const noexcept { return buffer_; }
    std::uint64_t count() const noexcept { return count_; }

private:
    bool fits(const T *dst, const T *src, std::uint64_t n) const noexcept {
        if (!dst || !src || !buffer_) return false;
        auto d = reinterpret_cast<std::uintptr_t>(dst);
        auto b = reinterpret_cast<std::uintptr_t>(buffer_);
        if (d < b || (d - b) % sizeof(T) != 0) return false;
        std::uint64_t offset = (d - b) / sizeof(T);
        return offset <= count_ && n <= count_ - offset;
    }

    T *buffer_;
    std::uint64_t count_;
};

extern template class coBufferGuard<char, 1>;
extern template class coBufferGuard<int, 1>;
extern template class coBufferGuard<float, 1>;
extern template class coBufferGuard<double, 1>;
extern template class coBufferGuard<void *, 1>;
extern template class coBufferGuard<float, 0>;
extern template class coBufferGuard<void *, 0>;
extern template class coBufferGuard<utString, 0>;
