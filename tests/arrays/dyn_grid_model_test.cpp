// Randomized model tests of the dynamic arrays, the growable matrices and
// the three-dimensional arrays: long random sequences of writes (inside and beyond the extents),
// reserve, expand, shrink, clear and copies, checked after every step
// against a map from index to value and against the growth rule for the
// capacities.
#include <gtest/gtest.h>

#include "arrays/grid.h"
#include "support/values.h"

#include <algorithm>
#include <map>
#include <random>

namespace {
using namespace colib_test;

// What the array must look like: capacities, sizes, steps, and the value of
// every element in use that was written.
template <class A> struct Model {
    static constexpr int N = rank<A>;
    Index<A> cap{}, size{}, step{};
    std::map<Index<A>, int> values;

    void grow_for(const Index<A> &ix) {
        for (int d = 0; d < N; ++d)
            if (ix[d] >= cap[d]) cap[d] += (ix[d] - cap[d]) / step[d] * step[d] + step[d];
    }
    // Forgets what left the used extents: those slots are unspecified once
    // the storage is replaced.
    void cut(const Index<A> &n) {
        for (int d = 0; d < N; ++d)
            size[d] = std::min(size[d], n[d]);
        for (auto it = values.begin(); it != values.end();) {
            bool inside = true;
            for (int d = 0; d < N; ++d)
                inside = inside && it->first[d] < size[d];
            it = inside ? std::next(it) : values.erase(it);
        }
    }
    void expect_matches(const A &a) const {
        ASSERT_EQ(caps(a), cap);
        ASSERT_EQ(sizes(a), size);
        ASSERT_EQ(steps(a), step);
        bool storage = std::all_of(cap.begin(), cap.end(), [](int c) { return c > 0; });
        ASSERT_EQ(colib_test::storage(a) != nullptr, storage);
        for (const auto &[ix, v] : values)
            ASSERT_EQ(at(a, ix), value<typename A::value_type>(v));
    }
};

template <class A> void run(unsigned seed, int steps_count, int reach) {
    constexpr int N = rank<A>;
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    auto random_index = [&](int limit) {
        Index<A> ix;
        for (int d = 0; d < N; ++d)
            ix[d] = pick(0, limit);
        return ix;
    };
    Model<A> m;
    A a;
    m.step.fill(1);
    if (seed % 2) { // made with capacities and steps
        for (int d = 0; d < N; ++d) {
            m.cap[d] = pick(0, 4);
            m.step[d] = pick(1, 5);
        }
        a = make<A>(m.cap, m.step);
    }
    for (int n = 0; n < steps_count; ++n) {
        SCOPED_TRACE(n);
        int op = pick(0, 99);
        if (op < 60) { // write, mostly inside the used extents
            Index<A> ix = random_index(reach);
            if (op < 35)
                for (int d = 0; d < N; ++d)
                    if (m.size[d] > 0) ix[d] = ix[d] % m.size[d];
            int v = pick(0, 1000000);
            m.grow_for(ix);
            for (int d = 0; d < N; ++d)
                m.size[d] = std::max(m.size[d], ix[d] + 1);
            m.values[ix] = v;
            at(a, ix) = value<typename A::value_type>(v);
        } else if (op < 80) { // reserve or expand
            Index<A> k = random_index(reach + 1), last;
            bool grows = false;
            for (int d = 0; d < N; ++d) {
                last[d] = k[d] - 1;
                grows = grows || k[d] > (op < 70 ? m.cap[d] : m.size[d]);
            }
            if (grows) m.grow_for(last);
            if (op < 70) {
                ASSERT_EQ(reserve(a, k), 1);
            } else {
                if (grows)
                    for (int d = 0; d < N; ++d)
                        m.size[d] = std::max(m.size[d], k[d]);
                expand(a, k);
            }
        } else if (op < 95) {
            Index<A> k = random_index(reach);
            if (op < 83) k.fill(0);
            int release = pick(0, 1), expected = 1;
            bool zero = std::all_of(k.begin(), k.end(), [](int x) { return x == 0; });
            if (zero) {
                if (release) m.cap.fill(0);
            } else {
                bool below = false, empty_extent = false;
                for (int d = 0; d < N; ++d) {
                    below = below || k[d] < m.cap[d];
                    empty_extent = empty_extent || std::min(k[d], m.cap[d]) == 0;
                }
                if (release && below) {
                    if (empty_extent)
                        expected = 0;
                    else
                        for (int d = 0; d < N; ++d)
                            m.cap[d] = std::min(k[d], m.cap[d]);
                }
            }
            m.cut(k);
            ASSERT_EQ(shrink(a, k, release), expected);
        } else if (op < 98) {
            int release = pick(0, 1);
            if (release) m.cap.fill(0);
            m.cut(Index<A>{});
            a.clear(release);
        } else { // copies keep everything
            A copy(utCOPY, a);
            m.expect_matches(copy);
            a = std::move(copy);
        }
        m.expect_matches(a);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

template <class A> class DynGridModel : public ::testing::Test {};
using Grids = ::testing::Types<charcoDynArr, intcoDynArr, floatcoDynArr, doublecoDynArr,
                               utBoolcoDynArr, utAnycoDynArr, utStringcoDynArr, charcoDynArr2D,
                               intcoDynArr2D, floatcoDynArr2D, doublecoDynArr2D, utAnycoDynArr2D,
                               utStringcoDynArr2D, charcoDynArr3D, intcoDynArr3D, doublecoDynArr3D,
                               utAnycoDynArr3D, utStringcoDynArr3D>;
TYPED_TEST_SUITE(DynGridModel, Grids, );

TYPED_TEST(DynGridModel, RandomSequencesMatchTheModel) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        run<TypeParam>(seed, 1500, rank<TypeParam> == 1 ? 200 : rank<TypeParam> == 2 ? 24 : 9);
        if (this->HasFatalFailure()) return;
    }
}

} // namespace
