// The two-dimensional hashed arrays: two-step subscripts, independent
// maxima, the nil pair, key-slot iteration, moves, and random runs against
// a std::map of pairs.
#include <colib/paged/hashed_arr2d.h>

#include "support/values.h"

#include <map>
#include <random>
#include <type_traits>
#include <utility>
#include <vector>

namespace {
using colib_test::value;

template <class A> class HashedArrays2D : public ::testing::Test {};
using Members = ::testing::Types<intcoHashedArr2D, charcoHashedArr2D>;
TYPED_TEST_SUITE(HashedArrays2D, Members, );

TYPED_TEST(HashedArrays2D, PairsAreCreatedOnceAndReadWithoutCreating) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    EXPECT_EQ(static_cast<T>(a[4][4]), T());
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(a.largest_first(), -1);
    EXPECT_EQ(a.largest_second(), -1);
    TypeParam other;
    EXPECT_EQ(&a.read(1, 1), &other.read(2, 2));

    a[2][3] = value<T>(1);
    a[3][2] = value<T>(2);
    a[2][3] = value<T>(3);
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(a.read(2, 3), value<T>(3));
    EXPECT_EQ(static_cast<T>(a[3][2]), value<T>(2));

    TypeParam m;
    m[5][0] = value<T>(1);
    m[0][9] = value<T>(2);
    EXPECT_EQ(m.largest_first(), 5);
    EXPECT_EQ(m.largest_second(), 9);
    EXPECT_EQ(m.member(5, 9), 0);

    // Colliding hashes and pairs with one index -1 are ordinary.
    TypeParam h;
    h[65536][0] = value<T>(4);
    h[0][1] = value<T>(5);
    h[1][0] = value<T>(6);
    h[-1][4] = value<T>(7);
    h[4][-1] = value<T>(8);
    EXPECT_EQ(h.read(65536, 0), value<T>(4));
    EXPECT_EQ(h.read(0, 1), value<T>(5));
    EXPECT_EQ(h.read(1, 0), value<T>(6));
    EXPECT_EQ(h.read(-1, 4), value<T>(7));
    EXPECT_EQ(h.read(4, -1), value<T>(8));
    EXPECT_EQ(h.read(-1, -1), T());
    EXPECT_EQ(h.count(), 5);

    // Proxy to proxy copies the value; a const array reads through [][].
    h[9][9] = h[0][1];
    const TypeParam &c = h;
    EXPECT_EQ(c[9][9], value<T>(5));
    static_assert(std::is_same_v<decltype(c[9][9]), const T &>);
    EXPECT_EQ(c[7][7], T());
    EXPECT_EQ(h.count(), 6);
}

TYPED_TEST(HashedArrays2D, WalkersMovesAndStableElements) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    const T *first = nullptr;
    for (int i = 0; i < 40; ++i) {
        T &r = (a[i][-i] = value<T>(i));
        if (i == 0) first = &r;
    }
    EXPECT_EQ(a.keys().slot_count(), 128);
    EXPECT_EQ(&a.read(0, 0), first);

    std::vector<std::pair<int, int>> keys;
    for (const coHashedArr2DP &k : a.keys())
        keys.emplace_back(k.get_i1(), k.get_i2());
    std::vector<std::pair<int, int>> seen;
    for (auto [i, j, v] : std::as_const(a)) {
        static_assert(std::is_same_v<decltype(v), const T &>);
        seen.emplace_back(i, j);
        EXPECT_EQ(v, value<T>(i));
    }
    EXPECT_EQ(seen, keys);
    static_assert(std::is_same_v<decltype((*a.begin()).value), T &>);

    using It = std::conditional_t<std::is_same_v<T, int>, intcoHashedArr2DcoIterator,
                                  charcoHashedArr2DcoIterator>;
    It it(&a);
    int i = 0, j = 0;
    it.index(i, j);
    EXPECT_EQ(std::make_pair(i, j), std::make_pair(-1, -1));
    seen.clear();
    while (++it) {
        it.index(i, j);
        seen.emplace_back(i, j);
        EXPECT_EQ(it.value(), value<T>(i));
    }
    EXPECT_EQ(seen, keys);

    static_assert(std::is_nothrow_move_constructible_v<TypeParam>);
    TypeParam b(std::move(a));
    EXPECT_EQ(&b.read(0, 0), first);
    EXPECT_EQ(b.count(), 40);
    EXPECT_EQ(b.largest_first(), 39);
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(a.largest_first(), -1);
    EXPECT_EQ(a.largest_second(), -1);
    a[1][1] = value<T>(1);
    EXPECT_EQ(a.count(), 1);
    b = std::move(a);
    EXPECT_EQ(b.count(), 1);
    EXPECT_EQ(b.read(0, 0), T());
}

TEST(HashedArray2D, RandomRunsMatchAMap) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::mt19937 rng(seed);
        int span = seed == 1 ? 40 : 1 << 20;
        intcoHashedArr2D a;
        std::map<std::pair<int, int>, int> model;
        std::map<std::pair<int, int>, const int *> refs;
        int l1 = -1, l2 = -1;
        for (int step = 0; step < 20000; ++step) {
            int i = static_cast<int>(rng() % (2u * span)) - span;
            int j = static_cast<int>(rng() % (2u * span)) - span;
            if (i == -1 && j == -1) continue;
            if (rng() % 3 == 0) {
                auto it = model.find({i, j});
                ASSERT_EQ(a.read(i, j), it == model.end() ? 0 : it->second);
                continue;
            }
            int v = static_cast<int>(rng());
            int &r = (a[i][j] = v);
            model[{i, j}] = v;
            refs.emplace(std::make_pair(i, j), &r);
            l1 = std::max(l1, i);
            l2 = std::max(l2, j);
            ASSERT_EQ((refs[{i, j}]), &r);
            ASSERT_EQ(a.count(), static_cast<int>(model.size()));
            ASSERT_EQ(a.largest_first(), l1);
            ASSERT_EQ(a.largest_second(), l2);
        }
        for (const auto &[k, v] : model) {
            ASSERT_EQ(*refs[k], v);
            ASSERT_EQ(a.read(k.first, k.second), v);
        }
    }
}

TEST(HashedArray2D, HardenedChecks) {
    colib_test::expect_deaths("",
                              {{[] {
                                    intcoHashedArr2D a;
                                    a[-1][-1] = 5;
                                },
                                "intcoHashedArr2D::write: the pair \\(-1, -1\\) is the nil pair"},
                               {[] {
                                    charcoHashedArr2D a;
                                    charcoHashedArr2DcoIterator it(&a);
                                    (void)it.value();
                                },
                                "charcoHashedArr2DcoIterator::value: no current element"}});
}

} // namespace
