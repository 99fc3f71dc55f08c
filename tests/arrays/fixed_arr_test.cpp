#include <colib/arrays/fixed_arr.h>
#include <colib/arrays/fixed_arr2d.h>
#include <gtest/gtest.h>

#include "support/values.h"

namespace {
using namespace colib_test;

template <class A> class FixedArrFamily : public ::testing::Test {};
using Members = ::testing::Types<charcoFixedArr, intcoFixedArr, doublecoFixedArr, utBoolcoFixedArr,
                                 utAnycoFixedArr, utStringcoFixedArr>;
TYPED_TEST_SUITE(FixedArrFamily, Members, );

TYPED_TEST(FixedArrFamily, ValidityCopiesAndBecome) {
    using T = typename TypeParam::value_type;
    TypeParam invalid, empty(0), b(3);
    EXPECT_TRUE(invalid.invalid());
    EXPECT_EQ(invalid.size(), 0);
    invalid.set_invalid(); // nothing to release
    EXPECT_TRUE(invalid.invalid());
    EXPECT_FALSE(empty.invalid());
    EXPECT_EQ(empty.size(), 0);
    for (int i = 0; i < 3; ++i)
        b[i] = value<T>(i);
    EXPECT_EQ(elems(b), values<T>({0, 1, 2}));
    EXPECT_EQ(std::as_const(b)[2], value<T>(2));

    TypeParam target(5);
    EXPECT_EQ(&target.become(utCOPY, b), &target);
    EXPECT_NE(target.data(), b.data());
    EXPECT_EQ(elems(target), values<T>({0, 1, 2}));
    target[0] = value<T>(9);
    EXPECT_EQ(b[0], value<T>(0));
    const T *buffer = target.data();
    target.become(utCOPY, target);
    EXPECT_EQ(target.data(), buffer);
    target.become(utCOPY, invalid);
    EXPECT_TRUE(target.invalid());
    EXPECT_EQ(target.size(), 0);
    TypeParam still_invalid(utCOPY, invalid);
    EXPECT_TRUE(still_invalid.invalid());

    TypeParam copy(b);
    EXPECT_EQ(elems(copy), values<T>({0, 1, 2}));
    copy = empty;
    EXPECT_FALSE(copy.invalid());
    EXPECT_EQ(copy.size(), 0);
    TypeParam moved(std::move(b));
    EXPECT_TRUE(b.invalid());
    EXPECT_EQ(moved[1], value<T>(1));
    b = std::move(moved);
    EXPECT_EQ(b.size(), 3);
    EXPECT_TRUE(moved.invalid());
    b.set_invalid();
    EXPECT_TRUE(b.invalid());
    EXPECT_EQ(b.size(), 0);
    EXPECT_EQ(TypeParam{value<T>(4)}[0], value<T>(4));
}

template <class A> class FixedArr2DFamily : public ::testing::Test {};
using Members2D = ::testing::Types<charcoFixedArr2D, intcoFixedArr2D, doublecoFixedArr2D,
                                   utAnycoFixedArr2D, utStringcoFixedArr2D>;
TYPED_TEST_SUITE(FixedArr2DFamily, Members2D, );

TYPED_TEST(FixedArr2DFamily, ExtentsBecomeAndCopies) {
    using T = typename TypeParam::value_type;
    TypeParam invalid, invalid_copy(utCOPY, invalid);
    EXPECT_TRUE(invalid.invalid());
    EXPECT_EQ(invalid.i_size() + invalid.j_size(), 0);
    EXPECT_TRUE(invalid_copy.invalid());

    TypeParam m(2, 3);
    EXPECT_FALSE(m.invalid());
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 3; ++j)
            m(i, j) = value<T>(i * 10 + j);
    EXPECT_EQ(m.block()[4], value<T>(11)); // rows are 3 elements apart

    TypeParam target(4, 1);
    EXPECT_EQ(&target.become(utCOPY, m), &target);
    EXPECT_EQ(target.i_size() * 10 + target.j_size(), 23);
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

TEST(FixedArr, PrintsTheCommonLayout) {
    EXPECT_EQ(printed(intcoFixedArr()), "coFixedArr {\n  size 0\n}\n");
    EXPECT_EQ(printed(intcoFixedArr{3, 5}), "coFixedArr {\n  size 2\n  3\n  5\n}\n");
    EXPECT_EQ(printed(utStringcoFixedArr{"p", utString()}), "coFixedArr {\n  size 2\n  p\n\n}\n");
    EXPECT_EQ(printed(charcoFixedArr{'x'}), "coFixedArr {\n  size 1\n  x\n}\n");

    // Lists fill the columns; a shorter column leaves the rest of it unset.
    intcoFixedArr2D m{{1, 2}, {3, 4}, {5, 6}};
    EXPECT_EQ(m(1, 0), 2);
    EXPECT_EQ(m(0, 2), 5);
    EXPECT_EQ(printed(m), "coFixedArr2D {\n  size 2 3\n  1 3 5 \n  2 4 6 \n}\n");
    EXPECT_EQ(printed(intcoFixedArr2D()), "coFixedArr2D {\n  size 0 0\n}\n");
    utStringcoFixedArr2D s{{"a", "b"}, {"c"}};
    EXPECT_TRUE(s(1, 1).invalid());
    EXPECT_EQ(printed(s), "coFixedArr2D {\n  size 2 2\n  a c \n  b  \n}\n");
}

TEST(FixedArr, StringCopiesShareTheirTexts) {
    utString word("shared");
    {
        utStringcoFixedArr a(4);
        EXPECT_TRUE(a[3].invalid()); // every slot a constructed string
        a[0] = word;
        utStringcoFixedArr b(utCOPY, a);
        EXPECT_EQ(static_cast<const char *>(b[0]), static_cast<const char *>(word));
        EXPECT_EQ(word.ref().use_count(), 3);
        b.set_invalid();
        EXPECT_EQ(word.ref().use_count(), 2);
    }
    EXPECT_EQ(word.ref().use_count(), 1);
}

TEST(FixedArrDeathTest, ContractViolationsAbortWithTheirName) {
    intcoFixedArr a{1, 2, 3}, invalid;
    const intcoFixedArr &c = a;
    intcoFixedArr2D m{{1, 2}, {3, 4}, {5, 6}}, invalid2d;
    const intcoFixedArr2D &cm = m;
    expect_deaths(
        "",
        {{[&] { c[3]; }, "intcoFixedArr::operator\\[\\] const: index 3 out of range \\[0, 3\\)"},
         {[&] { a[-1]; }, "intcoFixedArr::operator\\[\\]: index -1 out of range"},
         {[&] { invalid[0]; }, "intcoFixedArr::operator\\[\\]: index 0 of an invalid array"},
         {[] { utStringcoFixedArr(-2); }, "utStringcoFixedArr::constructor: negative size -2"},
         {[&] { cm(2, 0); },
          "intcoFixedArr2D::operator\\(\\) const: index \\(2, 0\\) outside the extents 2 x 3"},
         {[&] { m(0, -1); }, "intcoFixedArr2D::operator\\(\\): index \\(0, -1\\) outside"},
         {[&] { invalid2d(0, 0); },
          "intcoFixedArr2D::operator\\(\\): index \\(0, 0\\) of an invalid matrix"},
         {[] { doublecoFixedArr2D(0, 3); }, "doublecoFixedArr2D::allocate: extents 0 x 3 below 1"},
         {[] {
              intcoFixedArr2D({{1}, {2, 3}});
          },
          "intcoFixedArr2D::constructor: column 1 longer than the first"},
         {[] { intcoFixedArr2D{{}}; },
          "intcoFixedArr2D::constructor: list extents 0 x 1 below 1"}});
}

} // namespace
