// Heap bytes of a paged array's own storage: its blocks (each new T[block
// size], with the array cookie the compiler adds for elements that have a
// destructor) and its block table. The containers built on paged arrays
// report their memory through it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <type_traits>

namespace colib_detail {

template <class T> constexpr std::size_t array_cookie() noexcept {
    return std::is_trivially_destructible<T>::value ? 0 : std::max(sizeof(std::size_t), alignof(T));
}

template <class PageArr> std::size_t page_arr_bytes(const PageArr &a) noexcept {
    using T = typename PageArr::value_type;
    using Slot = typename std::remove_reference_t<decltype(a.block_table())>::value_type;
    return std::size_t(a.block_count()) *
               (std::size_t(a.block_size()) * sizeof(T) + array_cookie<T>()) +
           std::size_t(a.block_table().capacity()) * sizeof(Slot);
}

} // namespace colib_detail
