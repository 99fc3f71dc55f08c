// Helpers shared by the container tests: one distinct value per index for
// each element type, and a container's printout as a string.
#pragma once

#include <colib/foundation/ut.h>

#include <cstdint>
#include <sstream>
#include <string>

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

template <class A> std::string printed(const A &a) {
    std::ostringstream os;
    os << a;
    return os.str();
}

} // namespace colib_test
