#include <colib/arrays/fixed_arr.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <sstream>
#include <string>

namespace {
using colib_test::printed;
using colib_test::value;

template <class A> class FixedArrFamily : public ::testing::Test {};
using Members = ::testing::Types<charcoFixedArr, intcoFixedArr, doublecoFixedArr, utBoolcoFixedArr,
                                 utAnycoFixedArr, utStringcoFixedArr>;
TYPED_TEST_SUITE(FixedArrFamily, Members, );

TYPED_TEST(FixedArrFamily, ValidityAndSize) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    EXPECT_TRUE(a.invalid());
    EXPECT_EQ(a.size(), 0);
    a.set_invalid(); // nothing to release
    EXPECT_TRUE(a.invalid());

    TypeParam z(0);
    EXPECT_FALSE(z.invalid());
    EXPECT_EQ(z.size(), 0);

    TypeParam b(3);
    EXPECT_EQ(b.size(), 3);
    for (int i = 0; i < 3; ++i)
        b[i] = value<T>(i);
    int n = 0;
    for (const T &x : b)
        EXPECT_EQ(x, value<T>(n++));
    EXPECT_EQ(n, 3);
    b.set_invalid();
    EXPECT_TRUE(b.invalid());
    EXPECT_EQ(b.size(), 0);

    TypeParam one{value<T>(0)};
    EXPECT_EQ(one.size(), 1);
    EXPECT_EQ(std::as_const(one)[0], value<T>(0));
}

TYPED_TEST(FixedArrFamily, BecomeAndCopies) {
    using T = typename TypeParam::value_type;
    TypeParam src{value<T>(0), value<T>(1), value<T>(2)};
    TypeParam target(5);
    EXPECT_EQ(&target.become(utCOPY, src), &target);
    EXPECT_EQ(target.size(), 3);
    EXPECT_NE(target.data(), src.data());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(target[i], value<T>(i));
    target[0] = value<T>(9);
    EXPECT_EQ(src[0], value<T>(0));

    const T *buffer = target.data();
    target.become(utCOPY, target);
    EXPECT_EQ(target.data(), buffer);

    TypeParam invalid;
    target.become(utCOPY, invalid);
    EXPECT_TRUE(target.invalid());
    EXPECT_EQ(target.size(), 0);
    TypeParam still_invalid(utCOPY, invalid);
    EXPECT_TRUE(still_invalid.invalid());

    TypeParam copy(src);
    EXPECT_EQ(copy.size(), 3);
    EXPECT_EQ(copy[2], value<T>(2));
    TypeParam empty(0);
    copy = empty;
    EXPECT_FALSE(copy.invalid());
    EXPECT_EQ(copy.size(), 0);
    TypeParam moved(std::move(src));
    EXPECT_TRUE(src.invalid());
    EXPECT_EQ(moved[1], value<T>(1));
    src = std::move(moved);
    EXPECT_EQ(src.size(), 3);
    EXPECT_TRUE(moved.invalid());
}

} // namespace

TEST(FixedArr, PrintsTheCommonLayout) {
    EXPECT_EQ(printed(intcoFixedArr()), "coFixedArr {\n  size 0\n}\n");
    EXPECT_EQ(printed(intcoFixedArr{3, 5}), "coFixedArr {\n  size 2\n  3\n  5\n}\n");
    EXPECT_EQ(printed(utStringcoFixedArr{"p", utString()}), "coFixedArr {\n  size 2\n  p\n\n}\n");
    EXPECT_EQ(printed(charcoFixedArr{'x'}), "coFixedArr {\n  size 1\n  x\n}\n");
}

TEST(FixedArr, StringCopiesShareTheirTexts) {
    utString word("shared");
    {
        utStringcoFixedArr a(4);
        EXPECT_TRUE(a[3].invalid()); // every slot a constructed string
        a[0] = word;
        utStringcoFixedArr b(utCOPY, a);
        EXPECT_EQ(b[0], word);
        EXPECT_EQ(static_cast<const char *>(b[0]), static_cast<const char *>(word));
        EXPECT_EQ(word.ref().use_count(), 3);
        b.set_invalid();
        EXPECT_EQ(word.ref().use_count(), 2);
    }
    EXPECT_EQ(word.ref().use_count(), 1);
}

TEST(FixedArrDeathTest, ContractViolationsAbortWithTheirName) {
#if COLIB_HARDENED
    intcoFixedArr a{1, 2, 3};
    const intcoFixedArr &c = a;
    EXPECT_DEATH(c[3],
                 "colib: intcoFixedArr::operator\\[\\] const: index 3 out of range \\[0, 3\\)");
    EXPECT_DEATH(a[-1], "colib: intcoFixedArr::operator\\[\\]: index -1 out of range");
    intcoFixedArr invalid;
    EXPECT_DEATH(invalid[0], "colib: intcoFixedArr::operator\\[\\]: index 0 of an invalid array");
    EXPECT_DEATH(utStringcoFixedArr(-2),
                 "colib: utStringcoFixedArr::constructor: negative size -2");
#else
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}

namespace {
// Reaches the holder's protected external(), as a derived class may.
struct PrfProbe : doublecoFixedArrcoPrf {
    using doublecoFixedArrcoPrf::doublecoFixedArrcoPrf;
    int is_external() const { return external(); }
};
} // namespace

TEST(FixedArr, SharedHoldersOwnOrBorrowTheArray) {
    PrfProbe none;
    EXPECT_FALSE(none);
    EXPECT_EQ(none.is_external(), 0);

    std::weak_ptr<doublecoFixedArr> watch;
    {
        PrfProbe a(new doublecoFixedArr{1.5, 2.5});
        doublecoFixedArrcoPrf b = a;
        EXPECT_EQ(a.use_count(), 2);
        EXPECT_EQ((*b)[1], 2.5);
        EXPECT_EQ(a.is_external(), 0);
        std::shared_ptr<doublecoFixedArr> p = b;
        watch = p;
        EXPECT_EQ(p.get(), a.get());
        PrfProbe c(p);
        EXPECT_EQ(c.use_count(), 4);
    }
    EXPECT_TRUE(watch.expired()); // deleted with the last holder

    doublecoFixedArr mine(2);
    mine[0] = 7.0;
    {
        PrfProbe c(coPRF_EXTERN, &mine);
        PrfProbe d = c;
        EXPECT_EQ(d.is_external(), 1);
        EXPECT_EQ(d->size(), 2);
    }
    EXPECT_EQ(mine[0], 7.0); // still alive and untouched
}
