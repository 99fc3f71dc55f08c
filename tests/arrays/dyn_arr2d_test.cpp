#include <colib/arrays/dyn_arr2d.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <sstream>
#include <string>

namespace {
using colib_test::printed;
using colib_test::value;

// Reaches the protected growth and storage hooks, as a derived class may.
template <class A> struct Probe : A {
    using A::A;
    int grow(int i, int j) { return this->resize(i, j); }
    static int made_and_released(int a, int b) {
        auto rows = A::new_mem(a, b);
        bool made = rows != nullptr;
        A::delete_mem(rows, a, b);
        return made && rows == nullptr;
    }
};

template <class A> class DynArr2DFamily : public ::testing::Test {};
using Members = ::testing::Types<charcoDynArr2D, intcoDynArr2D, floatcoDynArr2D, doublecoDynArr2D,
                                 utAnycoDynArr2D, utStringcoDynArr2D>;
TYPED_TEST_SUITE(DynArr2DFamily, Members, );

// Fills the used extents with value(i * 100 + j).
template <class A> void fill(A &a) {
    using T = typename A::value_type;
    for (int i = 0; i < a.i_size(); ++i)
        for (int j = 0; j < a.j_size(); ++j)
            a(i, j) = value<T>(i * 100 + j);
}
template <class A> void expect_filled(const A &a, int rows, int cols) {
    using T = typename A::value_type;
    for (int i = 0; i < rows; ++i)
        for (int j = 0; j < cols; ++j)
            EXPECT_EQ(a(i, j), value<T>(i * 100 + j)) << i << "," << j;
}

TYPED_TEST(DynArr2DFamily, GrowsEachDimensionByWholeSteps) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    EXPECT_EQ(a.block(), nullptr);
    a(2, 5) = value<T>(7);
    EXPECT_EQ(a.capacity_i(), 3);
    EXPECT_EQ(a.capacity_j(), 6);
    EXPECT_EQ(a.i_size(), 3);
    EXPECT_EQ(a.j_size(), 6);
    EXPECT_EQ(std::as_const(a)(2, 5), value<T>(7));

    // Only the row count grows: rows keep their width.
    TypeParam b(4, 4, 2, 3);
    b.expand(4, 4);
    fill(b);
    b(5, 1) = value<T>(501);
    EXPECT_EQ(b.capacity_i(), 6);
    EXPECT_EQ(b.capacity_j(), 4);
    EXPECT_EQ(b.i_size(), 6);
    EXPECT_EQ(b.j_size(), 4);
    expect_filled(b, 4, 4);
    // The rows widen: every row is moved to its new place.
    b(0, 9) = value<T>(9);
    EXPECT_EQ(b.capacity_j(), 10); // 4 + (5 - 5 % 3) + 3
    EXPECT_EQ(b.capacity_i(), 6);
    expect_filled(b, 4, 4);
    EXPECT_EQ(b(5, 1), value<T>(501));
    EXPECT_EQ(b.step_i(), 2);
    EXPECT_EQ(b.step_j(), 3);

    Probe<TypeParam> p(2, 2, 5, 5);
    EXPECT_EQ(p.grow(2, 1), 1);
    EXPECT_EQ(p.capacity_i(), 7);
    EXPECT_EQ(p.capacity_j(), 2);
    EXPECT_EQ(p.i_size(), 0);
    EXPECT_TRUE(Probe<TypeParam>::made_and_released(3, 4));
    EXPECT_FALSE(Probe<TypeParam>::made_and_released(0, 4));
}

TYPED_TEST(DynArr2DFamily, ReserveExpandShrinkClear) {
    using T = typename TypeParam::value_type;
    TypeParam a(4, 4, 1, 1);
    a.expand(3, 1);
    const T *block = a.block();
    a.expand(2, 2);
    EXPECT_EQ(a.i_size(), 3);
    EXPECT_EQ(a.j_size(), 2);
    EXPECT_EQ(a.block(), block);
    EXPECT_EQ(a.reserve(4, 3), 1);
    EXPECT_EQ(a.block(), block);
    EXPECT_EQ(a.reserve(5, 3), 1);
    EXPECT_EQ(a.capacity_i(), 5);
    EXPECT_EQ(a.capacity_j(), 4);

    TypeParam s(4, 4, 1, 1);
    s.expand(4, 4);
    fill(s);
    block = s.block();
    EXPECT_EQ(s.shrink(9, 9, 1), 1); // nothing below the capacities
    EXPECT_EQ(s.block(), block);
    EXPECT_EQ(s.shrink(3, 2, 0), 1);
    EXPECT_EQ(s.i_size(), 3);
    EXPECT_EQ(s.j_size(), 2);
    EXPECT_EQ(s.capacity_i(), 4);
    EXPECT_EQ(s.block(), block);
    s.expand(4, 4); // slots brought back keep their contents
    expect_filled(s, 4, 4);
    EXPECT_EQ(s.shrink(0, 3, 1), 0); // no 0-row storage: kept, sizes cut
    EXPECT_EQ(s.block(), block);
    EXPECT_EQ(s.i_size(), 0);
    EXPECT_EQ(s.j_size(), 3);
    s.expand(4, 4);
    EXPECT_EQ(s.shrink(2, 3, 1), 1); // row by row
    EXPECT_EQ(s.capacity_i(), 2);
    EXPECT_EQ(s.capacity_j(), 3);
    expect_filled(s, 2, 3);
    EXPECT_EQ(s.shrink(1, 3, 1), 1); // same width: one piece
    EXPECT_EQ(s.capacity_i(), 1);
    expect_filled(s, 1, 3);

    s.clear(0);
    EXPECT_EQ(s.i_size(), 0);
    EXPECT_EQ(s.capacity_i(), 1);
    s(0, 0) = value<T>(0);
    s.clear(1);
    EXPECT_EQ(s.block(), nullptr);
    EXPECT_EQ(s.capacity_i(), 0);
    EXPECT_EQ(s.capacity_j(), 0);
    EXPECT_EQ(s.shrink(0, 0, 1), 1);

    // A zero extent records the other capacity without storage; the first
    // write then allocates with it.
    TypeParam z;
    z.expand(0, 5);
    EXPECT_EQ(z.block(), nullptr);
    EXPECT_EQ(z.capacity_j(), 5);
    EXPECT_EQ(z.j_size(), 5);
    z(0, 0) = value<T>(0);
    EXPECT_EQ(z.capacity_i(), 1);
    EXPECT_EQ(z.capacity_j(), 5);
    z(0, 4) = value<T>(4); // addressable without growth
    EXPECT_EQ(z.capacity_j(), 5);
}

TYPED_TEST(DynArr2DFamily, CopiesKeepCapacitiesAndAreIndependent) {
    using T = typename TypeParam::value_type;
    TypeParam empty;
    TypeParam e2(utCOPY, empty);
    EXPECT_EQ(e2.block(), nullptr);
    EXPECT_EQ(e2.capacity_i() + e2.capacity_j() + e2.i_size() + e2.j_size(), 0);
    EXPECT_EQ(e2.step_i(), 1);

    TypeParam src(5, 6, 2, 3);
    src.expand(3, 2);
    fill(src);
    TypeParam copy(utCOPY, src);
    EXPECT_EQ(copy.capacity_i(), 5);
    EXPECT_EQ(copy.capacity_j(), 6);
    EXPECT_EQ(copy.step_i(), 2);
    EXPECT_EQ(copy.step_j(), 3);
    EXPECT_NE(copy.block(), src.block());
    expect_filled(copy, 3, 2);
    copy(0, 0) = value<T>(99);
    EXPECT_EQ(src(0, 0), value<T>(0));

    TypeParam assigned;
    assigned = src;
    expect_filled(assigned, 3, 2);
    EXPECT_EQ(assigned.capacity_j(), 6);
    TypeParam moved(std::move(assigned));
    EXPECT_EQ(assigned.block(), nullptr);
    EXPECT_EQ(moved.i_size(), 3);
    assigned = std::move(moved);
    expect_filled(assigned, 3, 2);
}

} // namespace

TEST(DynArr2D, ListsFillColumnsAndPrintRows) {
    intcoDynArr2D m{{1, 2, 3}, {4, 5, 6}};
    EXPECT_EQ(m.i_size(), 3);
    EXPECT_EQ(m.j_size(), 2);
    EXPECT_EQ(m(0, 0), 1);
    EXPECT_EQ(m(2, 0), 3);
    EXPECT_EQ(m(0, 1), 4);
    EXPECT_EQ(printed(m), "coDynArr2D {\n  size 3 2\n  1 4 \n  2 5 \n  3 6 \n}\n");
    EXPECT_EQ(printed(intcoDynArr2D()), "coDynArr2D {\n  size 0 0\n}\n");

    // A longer column grows the matrix.
    charcoDynArr2D c{{'a'}, {'b', 'c'}};
    EXPECT_EQ(c.i_size(), 2);
    EXPECT_EQ(printed(c).substr(0, 27), "coDynArr2D {\n  size 2 2\n  a");
    EXPECT_EQ(c(1, 1), 'c');

    floatcoDynArr2D f{{0.1f}};
    doublecoDynArr2D d{{static_cast<double>(0.1f)}};
    EXPECT_EQ(printed(f), printed(d));
    utStringcoDynArr2D s{{"x", utString()}};
    EXPECT_EQ(printed(s), "coDynArr2D {\n  size 2 1\n  x \n   \n}\n");
}

TEST(DynArr2D, StringBlocksHoldConstructedStrings) {
    utString word("shared");
    {
        utStringcoDynArr2D s(2, 2, 1, 1);
        EXPECT_TRUE(s.block()[3].invalid());
        s(1, 1) = word;
        s(4, 4) = word; // regrowth moves rather than copies
        EXPECT_EQ(word.ref().use_count(), 3);
        utStringcoDynArr2D copy(utCOPY, s);
        EXPECT_EQ(word.ref().use_count(), 5);
        s.shrink(2, 2, 1);
        EXPECT_EQ(word.ref().use_count(), 4);
        EXPECT_EQ(s(1, 1), word);
    }
    EXPECT_EQ(word.ref().use_count(), 1);
}

TEST(DynArr2DDeathTest, ContractViolationsAbortWithTheirName) {
#if COLIB_HARDENED
    intcoDynArr2D m{{1, 2, 3}, {4, 5, 6}};
    const intcoDynArr2D &c = m;
    EXPECT_DEATH(c(3, 0), "colib: intcoDynArr2D::operator\\(\\) const: index \\(3, 0\\) outside "
                          "the used extents 3 x 2");
    EXPECT_DEATH(c(0, -1), "index \\(0, -1\\) outside");
    EXPECT_DEATH(m(-1, 0), "colib: intcoDynArr2D::operator\\(\\): negative index \\(-1, 0\\)");
    EXPECT_DEATH(doublecoDynArr2D(-1, 1, 1, 1),
                 "colib: doublecoDynArr2D::constructor: negative capacity -1");
    EXPECT_DEATH(intcoDynArr2D(1, 1, 1, 0), "colib: intcoDynArr2D::constructor: step 0 below 1");
    EXPECT_DEATH(m.reserve(-1, 0), "colib: intcoDynArr2D::reserve: negative extents \\(-1, 0\\)");
    EXPECT_DEATH(m.expand(0, -2), "expand: negative extents");
    EXPECT_DEATH(m.shrink(-1, 1, 0), "shrink: negative extents");
#else
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}
