// Long random runs on the arrays whose elements live in blocks that never
// move (the variable arrays and the paged arrays), against a vector model:
// after every step the size, the values, a block count no lower than the
// size needs (exactly that after a release), and the address of every
// element that no release or repagination has touched since it was seen.
#include <colib/arrays/variable_arr.h>
#include <colib/paged/page_arr.h>

#include "support/values.h"

#include <algorithm>
#include <random>
#include <vector>

namespace {
using colib_test::value;

template <class A, class = void> constexpr bool paged = false;
template <class A> constexpr bool paged<A, std::void_t<decltype(&A::repaginate)>> = true;

template <class A> int blocks_for(const A &a, int n) {
    if constexpr (paged<A>)
        return (n + a.block_size() - 1) >> a.block_shift();
    else
        return n == 0 ? 0 : A::block_number(n - 1) + 1;
}

template <class A> A make() {
    if constexpr (paged<A>)
        return A(3, 1, 2); // eight elements per block
    else
        return A();
}

template <class A> class BlockArrays : public ::testing::Test {};
using Members =
    ::testing::Types<intcoVariableArr, utStringcoVariableArr, intcoPageArr, utStringcoPageArr>;
TYPED_TEST_SUITE(BlockArrays, Members, );

TYPED_TEST(BlockArrays, RandomOperationsKeepValuesAndAddresses) {
    using A = TypeParam;
    using T = typename A::value_type;
    std::mt19937 rng(2024);
    A a = make<A>();
    const int far = paged<A> ? 20 : 3000;
    std::vector<T> m;
    std::vector<const T *> pinned;
    auto random = [&](std::size_t n) { return static_cast<int>(rng() % n); };
    for (int step = 0; step < 4000; ++step) {
        SCOPED_TRACE(step);
        int op = random(100), n = static_cast<int>(m.size()), release = random(2);
        T v = value<T>(random(1000000));
        if (op < 50) {
            a.append(v);
            m.push_back(v);
        } else if (op < 65) { // anywhere up to far past the end
            int i = random(n + far);
            a[i] = v;
            if (i >= n) m.resize(i + 1, value<T>(0));
            for (int k = n; k < i; ++k) // skipped slots hold unspecified values
                a[k] = m[k];
            m[i] = v;
        } else if (op < 77) {
            int k = random(n + 1);
            a.shrink(k, release);
            m.resize(std::min(n, k));
            EXPECT_TRUE(!release || a.block_count() == blocks_for(a, k));
        } else if (op < 80) {
            a.clear(release);
            m.clear();
            EXPECT_TRUE(!release || a.block_count() == 0);
        } else if constexpr (paged<A>) {
            if (op < 83) {
                if (a.repaginate() != 0) pinned.clear();
            } else if (op < 97 && n > 0) { // a copy within, growing the array
                int from = random(n), to = random(n + 3), k = std::min(random(n + 2), n - from);
                for (int x = n; x < to; ++x)
                    a[x] = value<T>(0);
                m.resize(std::max(n, to), value<T>(0));
                std::vector<T> src(m.begin() + from, m.begin() + from + k);
                a.copy(a, k, to, from);
                if (to + k > static_cast<int>(m.size())) m.resize(to + k);
                std::copy(src.begin(), src.end(), m.begin() + to);
            }
        }
        pinned.resize(std::min(pinned.size(), m.size()));
        ASSERT_EQ(a.size(), static_cast<int>(m.size()));
        ASSERT_GE(a.block_count(), blocks_for(a, a.size()));
        if constexpr (paged<A>) {
            ASSERT_EQ(a.block_table().size(), a.block_count());
        }
        for (int i = 0; i < a.size(); ++i)
            ASSERT_EQ(a.read(i), m[i]) << i;
        for (std::size_t i = 0; i < pinned.size(); ++i)
            ASSERT_EQ(&a.read(static_cast<int>(i)), pinned[i]) << i;
        while (pinned.size() < m.size())
            pinned.push_back(&a.read(static_cast<int>(pinned.size())));
    }
}

} // namespace
