#include <colib/arrays/fixed_arr2d.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <sstream>
#include <string>

namespace {
using colib_test::printed;
using colib_test::value;

template <class A> class FixedArr2DFamily : public ::testing::Test {};
using Members = ::testing::Types<charcoFixedArr2D, intcoFixedArr2D, doublecoFixedArr2D,
                                 utAnycoFixedArr2D, utStringcoFixedArr2D>;
TYPED_TEST_SUITE(FixedArr2DFamily, Members, );

TYPED_TEST(FixedArr2DFamily, ExtentsBecomeAndCopies) {
    using T = typename TypeParam::value_type;
    TypeParam invalid;
    EXPECT_TRUE(invalid.invalid());
    EXPECT_EQ(invalid.i_size() + invalid.j_size(), 0);
    TypeParam invalid_copy(utCOPY, invalid);
    EXPECT_TRUE(invalid_copy.invalid());

    TypeParam m(2, 3);
    EXPECT_FALSE(m.invalid());
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            m(i, j) = value<T>(i * 10 + j);
    EXPECT_EQ(m.block()[4], value<T>(11)); // rows are 3 elements apart

    TypeParam target(4, 1);
    EXPECT_EQ(&target.become(utCOPY, m), &target);
    EXPECT_EQ(target.i_size(), 2);
    EXPECT_EQ(target.j_size(), 3);
    EXPECT_NE(target.block(), m.block());
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_EQ(std::as_const(target)(i, j), value<T>(i * 10 + j));
    target(0, 0) = value<T>(99);
    EXPECT_EQ(m(0, 0), value<T>(0));
    target.become(utCOPY, target);
    EXPECT_EQ(target(0, 0), value<T>(99));

    TypeParam copy(m);
    EXPECT_EQ(copy(1, 2), value<T>(12));
    copy = invalid;
    EXPECT_TRUE(copy.invalid());
    EXPECT_EQ(copy.i_size(), 0);
    TypeParam moved(std::move(m));
    EXPECT_TRUE(m.invalid());
    EXPECT_EQ(moved(1, 1), value<T>(11));
    m = std::move(moved);
    EXPECT_EQ(m.j_size(), 3);
    m.set_invalid();
    m.set_invalid();
    EXPECT_TRUE(m.invalid());
}

} // namespace

TEST(FixedArr2D, ListsFillColumnsAndPrintRows) {
    intcoFixedArr2D m{{1, 2}, {3, 4}, {5, 6}};
    EXPECT_EQ(m.i_size(), 2);
    EXPECT_EQ(m.j_size(), 3);
    EXPECT_EQ(m(1, 0), 2);
    EXPECT_EQ(m(0, 2), 5);
    EXPECT_EQ(printed(m), "coFixedArr2D {\n  size 2 3\n  1 3 5 \n  2 4 6 \n}\n");
    EXPECT_EQ(printed(intcoFixedArr2D()), "coFixedArr2D {\n  size 0 0\n}\n");

    // A shorter column leaves the rest of it unset.
    utStringcoFixedArr2D s{{"a", "b"}, {"c"}};
    EXPECT_TRUE(s(1, 1).invalid());
    EXPECT_EQ(printed(s), "coFixedArr2D {\n  size 2 2\n  a c \n  b  \n}\n");
}

TEST(FixedArr2DDeathTest, ContractViolationsAbortWithTheirName) {
#if COLIB_HARDENED
    intcoFixedArr2D m{{1, 2}, {3, 4}, {5, 6}};
    const intcoFixedArr2D &c = m;
    EXPECT_DEATH(c(2, 0), "colib: intcoFixedArr2D::operator\\(\\) const: index \\(2, 0\\) outside "
                          "the extents 2 x 3");
    EXPECT_DEATH(m(0, -1), "colib: intcoFixedArr2D::operator\\(\\): index \\(0, -1\\) outside");
    intcoFixedArr2D invalid;
    EXPECT_DEATH(invalid(0, 0), "index \\(0, 0\\) of an invalid matrix");
    EXPECT_DEATH(doublecoFixedArr2D(0, 3),
                 "colib: doublecoFixedArr2D::allocate: extents 0 x 3 below 1");
    EXPECT_DEATH((intcoFixedArr2D{{1}, {2, 3}}),
                 "colib: intcoFixedArr2D::constructor: column 1 longer than the first");
    EXPECT_DEATH((intcoFixedArr2D{{}}), "list extents 0 x 1 below 1");
#else
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}
