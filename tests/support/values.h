// Helpers shared by the container tests: one distinct value per index for
// each element type, a container's elements and printout, and a table form
// for the hardened builds' aborts.
#pragma once

#include <colib/foundation/config.h>
#include <colib/foundation/ut.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <sstream>
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

// value(i) for each i given.
template <class T> std::vector<T> values(std::initializer_list<int> is) {
    std::vector<T> v;
    for (int i : is)
        v.push_back(value<T>(i));
    return v;
}

template <class A> std::string printed(const A &a) {
    std::ostringstream os;
    os << a;
    return os.str();
}

// The elements as the container's range-for sees them.
template <class C> std::vector<typename C::value_type> elems(const C &c) {
    return std::vector<typename C::value_type>(c.begin(), c.end());
}

// One out-of-contract use and the message it must abort with: a regular
// expression for the text after "colib: " and the prefix given to
// expect_deaths (a class name, say).
struct Death {
    std::function<void()> use;
    std::string message;
};
inline void expect_deaths(const std::string &prefix, std::initializer_list<Death> deaths) {
#if COLIB_HARDENED
    for (const Death &d : deaths) {
        std::string re = "colib: " + prefix + d.message;
        EXPECT_DEATH(d.use(), re) << re;
    }
#else
    (void)prefix;
    (void)deaths;
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}

} // namespace colib_test
