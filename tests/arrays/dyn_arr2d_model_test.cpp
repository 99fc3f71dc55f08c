// Randomized model tests of the growable matrices and three-dimensional
// arrays: long random sequences of writes (inside and beyond the extents),
// reserve, expand, shrink and clear, checked after every step against a
// map from index tuple to value and against the growth rule for the
// capacities.
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>

namespace {

template <int N> using Index = std::array<int, N>;

// Uniform access to the two- and three-index members.
int &at(intcoDynArr2D &a, const Index<2> &x) {
    return a(x[0], x[1]);
}
const int &at(const intcoDynArr2D &a, const Index<2> &x) {
    return a(x[0], x[1]);
}
int &at(intcoDynArr3D &a, const Index<3> &x) {
    return a(x[0], x[1], x[2]);
}
const int &at(const intcoDynArr3D &a, const Index<3> &x) {
    return a(x[0], x[1], x[2]);
}

Index<2> caps(const intcoDynArr2D &a) {
    return {a.capacity_i(), a.capacity_j()};
}
Index<3> caps(const intcoDynArr3D &a) {
    return {a.capacity_i(), a.capacity_j(), a.capacity_k()};
}
Index<2> sizes(const intcoDynArr2D &a) {
    return {a.i_size(), a.j_size()};
}
Index<3> sizes(const intcoDynArr3D &a) {
    return {a.i_size(), a.j_size(), a.k_size()};
}
Index<2> steps(const intcoDynArr2D &a) {
    return {a.step_i(), a.step_j()};
}
Index<3> steps(const intcoDynArr3D &a) {
    return {a.step_i(), a.step_j(), a.step_k()};
}

int reserve(intcoDynArr2D &a, const Index<2> &n) {
    return a.reserve(n[0], n[1]);
}
int reserve(intcoDynArr3D &a, const Index<3> &n) {
    return a.reserve(n[0], n[1], n[2]);
}
void expand(intcoDynArr2D &a, const Index<2> &n) {
    a.expand(n[0], n[1]);
}
void expand(intcoDynArr3D &a, const Index<3> &n) {
    a.expand(n[0], n[1], n[2]);
}
int shrink(intcoDynArr2D &a, const Index<2> &n, int r) {
    return a.shrink(n[0], n[1], r);
}
int shrink(intcoDynArr3D &a, const Index<3> &n, int r) {
    return a.shrink(n[0], n[1], n[2], r);
}

// What the array must look like: capacities, sizes, and the value of every
// element in use that was written.
template <int N> struct Model {
    Index<N> cap{}, size{}, step{};
    std::map<Index<N>, int> values;

    static int grown(int c, int s, int n) {
        if (n < c) return c;
        int d = n - c;
        return c + (d - d % s) + s;
    }
    void grow_for(const Index<N> &ix) {
        for (int d = 0; d < N; ++d)
            cap[d] = grown(cap[d], step[d], ix[d]);
    }
    // Forgets what left the used extents: those slots are unspecified once
    // the storage is replaced.
    void cut(const Index<N> &n) {
        for (int d = 0; d < N; ++d)
            size[d] = std::min(size[d], n[d]);
        for (auto it = values.begin(); it != values.end();) {
            bool inside = true;
            for (int d = 0; d < N; ++d)
                inside = inside && it->first[d] < size[d];
            it = inside ? std::next(it) : values.erase(it);
        }
    }
};

template <class A, int N> void expect_matches(const A &a, const Model<N> &m, int step_no) {
    SCOPED_TRACE(step_no);
    ASSERT_EQ(caps(a), m.cap);
    ASSERT_EQ(sizes(a), m.size);
    ASSERT_EQ(steps(a), m.step);
    bool storage = std::all_of(m.cap.begin(), m.cap.end(), [](int c) { return c > 0; });
    ASSERT_EQ(a.block() != nullptr, storage);
    for (const auto &[ix, v] : m.values)
        ASSERT_EQ(at(a, ix), v);
}

template <class A, int N> void run(unsigned seed, int steps_count, int reach) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    Model<N> m;
    A a;
    if (seed % 2) { // a made with capacities and steps
        Index<N> c, s;
        for (int d = 0; d < N; ++d) {
            c[d] = pick(0, 4);
            s[d] = pick(1, 5);
        }
        if constexpr (N == 2)
            a = A(c[0], c[1], s[0], s[1]);
        else
            a = A(c[0], c[1], c[2], s[0], s[1], s[2]);
        m.cap = c;
        m.step = s;
    } else {
        m.step.fill(1);
    }
    auto random_index = [&](int limit) {
        Index<N> ix;
        for (int d = 0; d < N; ++d)
            ix[d] = pick(0, limit);
        return ix;
    };
    for (int n = 0; n < steps_count; ++n) {
        int op = pick(0, 99);
        if (op < 60) { // write, mostly inside the used extents
            Index<N> ix = random_index(reach);
            if (op < 35)
                for (int d = 0; d < N; ++d)
                    if (m.size[d] > 0) ix[d] = ix[d] % m.size[d];
            int v = pick(-1000000, 1000000);
            bool beyond = false;
            for (int d = 0; d < N; ++d)
                beyond = beyond || ix[d] >= m.cap[d];
            if (beyond) m.grow_for(ix);
            for (int d = 0; d < N; ++d)
                m.size[d] = std::max(m.size[d], ix[d] + 1);
            m.values[ix] = v;
            at(a, ix) = v;
        } else if (op < 70) {
            Index<N> k = random_index(reach + 1);
            bool above = false;
            for (int d = 0; d < N; ++d)
                above = above || k[d] > m.cap[d];
            if (above) {
                Index<N> ix;
                for (int d = 0; d < N; ++d)
                    ix[d] = k[d] - 1;
                m.grow_for(ix);
            }
            ASSERT_EQ(reserve(a, k), 1);
        } else if (op < 80) {
            Index<N> k = random_index(reach + 1);
            bool within_sizes = true, within_caps = true;
            for (int d = 0; d < N; ++d) {
                within_sizes = within_sizes && k[d] <= m.size[d];
                within_caps = within_caps && k[d] <= m.cap[d];
            }
            if (!within_sizes) {
                if (!within_caps) {
                    Index<N> ix;
                    for (int d = 0; d < N; ++d)
                        ix[d] = k[d] - 1;
                    m.grow_for(ix);
                }
                for (int d = 0; d < N; ++d)
                    m.size[d] = std::max(m.size[d], k[d]);
            }
            expand(a, k);
        } else if (op < 95) {
            Index<N> k = random_index(reach);
            if (op < 83) k.fill(0);
            int release = pick(0, 1);
            int expected = 1;
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
            Index<N> zero{};
            m.cut(zero);
            a.clear(release);
        } else { // copies keep everything
            A copy(utCOPY, a);
            expect_matches(copy, m, n);
            a = std::move(copy);
        }
        expect_matches(a, m, n);
        if (::testing::Test::HasFatalFailure()) return;
    }
}

TEST(DynArr2DModel, RandomSequencesMatchTheModel) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        run<intcoDynArr2D, 2>(seed, 1500, 24);
        if (HasFatalFailure()) return;
    }
}

TEST(DynArr3DModel, RandomSequencesMatchTheModel) {
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        run<intcoDynArr3D, 3>(seed, 1500, 9);
        if (HasFatalFailure()) return;
    }
}

} // namespace
