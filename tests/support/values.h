// Helpers shared by the container tests: one distinct value per index for
// each element type and a container's elements.
#pragma once

#include <colib/foundation/ut.h>

#include "support/driver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace colib_test {

template <class T> T value(int i) {
    return static_cast<T>(i + 1);
}
template <> inline utString value<utString>(int i) {
    return utString(std::to_string(i + 1));
}
template <> inline void *value<void *>(int i) {
    return reinterpret_cast<void *>(std::uintptr_t(i + 1) * 16);
}
template <> inline char value<char>(int i) {
    return static_cast<char>('a' + i % 26);
}

// The elements as the container's range-for sees them.
template <class C> std::vector<typename C::value_type> elems(const C &c) {
    return std::vector<typename C::value_type>(c.begin(), c.end());
}

} // namespace colib_test
