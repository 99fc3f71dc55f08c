#include <colib/arrays/dyn_arr.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <sstream>
#include <string>

namespace {
using colib_test::printed;
using colib_test::value;

// One value per index for each element type.

// Reaches the protected iterator invariant, as a derived class may.
template <class It> struct Probe : It {
    using It::It;
    int valid() const { return this->invariant(); }
};

// Each member's iterator class, for the typed tests.
template <class A> struct IteratorOf;
template <> struct IteratorOf<charcoDynArr> { using type = charcoDynArrcoIterator; };
template <> struct IteratorOf<intcoDynArr> { using type = intcoDynArrcoIterator; };
template <> struct IteratorOf<floatcoDynArr> { using type = floatcoDynArrcoIterator; };
template <> struct IteratorOf<doublecoDynArr> { using type = doublecoDynArrcoIterator; };
template <> struct IteratorOf<utBoolcoDynArr> { using type = utBoolcoDynArrcoIterator; };
template <> struct IteratorOf<utAnycoDynArr> { using type = utAnycoDynArrcoIterator; };
template <> struct IteratorOf<utStringcoDynArr> { using type = utStringcoDynArrcoIterator; };

template <class A> class DynArrFamily : public ::testing::Test {};
using Members = ::testing::Types<charcoDynArr, intcoDynArr, floatcoDynArr, doublecoDynArr,
                                 utBoolcoDynArr, utAnycoDynArr, utStringcoDynArr>;
TYPED_TEST_SUITE(DynArrFamily, Members, );

TYPED_TEST(DynArrFamily, GrowthArithmetic) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    for (int i = 0; i < 3; ++i)
        a.append(value<T>(i));
    EXPECT_EQ(a.capacity(), 3);
    EXPECT_EQ(a.size(), 3);
    EXPECT_EQ(a.step(), 1);

    TypeParam b(0, 10);
    EXPECT_EQ(b.data(), nullptr);
    b.append(value<T>(0));
    EXPECT_EQ(b.capacity(), 10);
    for (int i = 1; i <= 10; ++i)
        b.append(value<T>(i));
    EXPECT_EQ(b.capacity(), 20);
    EXPECT_EQ(b.size(), 11);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(b[i], value<T>(i));

    TypeParam c(10, 4);
    c.expand(10);
    c[25] = value<T>(25);
    EXPECT_EQ(c.capacity(), 26);
    EXPECT_EQ(c.size(), 26);
    c[26] = value<T>(26); // past a full buffer: one more step
    EXPECT_EQ(c.capacity(), 30);
}

TYPED_TEST(DynArrFamily, ReserveExpandShrinkClear) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    EXPECT_EQ(a.reserve(5), 1);
    EXPECT_EQ(a.capacity(), 5);
    const T *buffer = a.data();
    EXPECT_EQ(a.reserve(3), 1);
    EXPECT_EQ(a.data(), buffer);

    TypeParam b(5, 2);
    for (int i = 0; i < 3; ++i)
        b.append(value<T>(i));
    EXPECT_EQ(b.expand(8), 1);
    EXPECT_EQ(b.capacity(), 9);
    EXPECT_EQ(b.size(), 8);
    EXPECT_EQ(b[2], value<T>(2));
    EXPECT_EQ(b.expand(2), 1);
    EXPECT_EQ(b.size(), 8);

    TypeParam s(5, 1);
    for (int i = 0; i < 5; ++i)
        s.append(value<T>(i));
    buffer = s.data();
    EXPECT_EQ(s.shrink(7, 1), 1);
    EXPECT_EQ(s.capacity(), 5);
    EXPECT_EQ(s.shrink(2, 0), 1);
    EXPECT_EQ(s.size(), 2);
    EXPECT_EQ(s.data(), buffer);
    EXPECT_EQ(s.expand(4), 1); // slots brought back keep their contents
    EXPECT_EQ(s[3], value<T>(3));
    EXPECT_EQ(s.shrink(2, 1), 1);
    EXPECT_EQ(s.capacity(), 2);
    EXPECT_EQ(s.size(), 2);
    EXPECT_EQ(s[1], value<T>(1));
    EXPECT_EQ(s.shrink(0, 0), 1);
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.capacity(), 2);

    TypeParam c(0, 7);
    c.append(value<T>(0));
    c.clear(0);
    EXPECT_EQ(c.capacity(), 7);
    EXPECT_EQ(c.step(), 7);
    c.clear(1);
    EXPECT_EQ(c.capacity(), 0);
    EXPECT_EQ(c.data(), nullptr);
    EXPECT_EQ(c.step(), 7);
}

TYPED_TEST(DynArrFamily, CopiesAreCompleteAndIndependent) {
    using T = typename TypeParam::value_type;
    TypeParam src(0, 7);
    for (int i = 0; i < 4; ++i)
        src.append(value<T>(i));
    TypeParam copy(utCOPY, src);
    EXPECT_EQ(copy.capacity(), 7);
    EXPECT_EQ(copy.step(), 7);
    EXPECT_NE(copy.data(), src.data());
    copy[0] = value<T>(9);
    EXPECT_EQ(src[0], value<T>(0));
    TypeParam plain(src);
    EXPECT_EQ(plain.capacity(), 7);

    TypeParam target;
    target.become(utCOPY, src);
    EXPECT_EQ(target.capacity(), 4); // grown by its own step 1
    EXPECT_EQ(target.step(), 7);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(target[i], value<T>(i));
    const T *buffer = target.data();
    target.become(utCOPY, target);
    EXPECT_EQ(target.size(), 4);
    EXPECT_EQ(target.data(), buffer);
    TypeParam shorter{value<T>(5)};
    target = shorter; // keeps the larger buffer
    EXPECT_EQ(target.data(), buffer);
    EXPECT_EQ(target.size(), 1);
    EXPECT_EQ(target.step(), 1);

    TypeParam moved(std::move(copy));
    EXPECT_EQ(moved.size(), 4);
    EXPECT_EQ(copy.size(), 0);
    EXPECT_EQ(copy.capacity(), 0);
    moved.append(moved[1]); // an element of the array itself, across a reallocation
    EXPECT_EQ(moved[4], value<T>(1));
}

TYPED_TEST(DynArrFamily, InitializerListAndWalkers) {
    using T = typename TypeParam::value_type;
    TypeParam a{value<T>(0), value<T>(1), value<T>(2)};
    EXPECT_EQ(a.capacity(), 3);
    int n = 0;
    for (const T &x : a)
        EXPECT_EQ(x, value<T>(n++));
    EXPECT_EQ(n, 3);

    using It = Probe<typename IteratorOf<TypeParam>::type>;
    It it(&a);
    for (n = 0; it; ++it, ++n) {
        EXPECT_EQ(it.index(), n);
        EXPECT_EQ(*it, value<T>(n));
    }
    EXPECT_EQ(n, 3);
    EXPECT_EQ(it.valid(), 1);
    a.append(value<T>(3)); // reallocates
    EXPECT_EQ(it.valid(), 0);
    it.reset();
    EXPECT_EQ(it.valid(), 1);
    a.shrink(2, 0); // same buffer, other size
    EXPECT_EQ(it.valid(), 0);

    TypeParam empty{};
    EXPECT_EQ(empty.capacity(), 0);
    EXPECT_TRUE(empty.begin() == empty.end());
}

} // namespace

TEST(DynArr, PrintsTheCommonLayout) {
    intcoDynArr a{3, 5};
    EXPECT_EQ(printed(a), "coDynArr {\n  size 2\n  3\n  5\n}\n");
    EXPECT_EQ(printed(intcoDynArr()), "coDynArr {\n  size 0\n}\n");
    floatcoDynArr f{0.1f};
    doublecoDynArr d{static_cast<double>(0.1f)};
    EXPECT_EQ(printed(f), printed(d));
    EXPECT_EQ(printed(charcoDynArr{'x'}), "coDynArr {\n  size 1\n  x\n}\n");
    EXPECT_EQ(printed(utStringcoDynArr{"p", utString()}), "coDynArr {\n  size 2\n  p\n\n}\n");
    EXPECT_EQ(printed(utAnycoDynArr{nullptr}), "coDynArr {\n  size 1\n  0x0\n}\n");

    // Nested in an outer block, every line moves one level in.
    std::ostringstream os;
    utOstream outer(os, 0, 2);
    utOstream inner(utTAB, outer, 1, 0);
    inner << a;
    EXPECT_EQ(os.str(), "  coDynArr {\n    size 2\n    3\n    5\n  }\n");
}

TEST(DynArr, StringBuffersHoldConstructedStringsAndMoveOnGrowth) {
    utStringcoDynArr a(4, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(a.data()[i].invalid());
    utString word("shared");
    a.append(word);
    EXPECT_EQ(word.ref().use_count(), 2);
    for (int i = 0; i < 10; ++i)
        a.append(word); // several reallocations
    EXPECT_EQ(word.ref().use_count(), 12);
    a[20] = "far";
    EXPECT_TRUE(a[15].invalid());
    a.clear(1);
    EXPECT_EQ(word.ref().use_count(), 1);

    utAnycoDynArr p{&a};
    EXPECT_EQ(p.read(0), &a);
    p.read(0) = nullptr;
    EXPECT_EQ(static_cast<const utAnycoDynArr &>(p).read(0), nullptr);
}

// Hardened builds stop out-of-contract use with one line naming the class.
TEST(DynArrDeathTest, ContractViolationsAbortWithTheirName) {
#if COLIB_HARDENED
    intcoDynArr a{1, 2, 3};
    const intcoDynArr &c = a;
    EXPECT_DEATH(c[7], "colib: intcoDynArr::operator\\[\\] const: index 7 out of range \\[0, 3\\)");
    EXPECT_DEATH(c[-1], "index -1 out of range");
    EXPECT_DEATH(a[-2], "colib: intcoDynArr::operator\\[\\]: negative index -2");
    EXPECT_DEATH(intcoDynArr(-1, 1), "colib: intcoDynArr::constructor: negative capacity -1");
    EXPECT_DEATH(doublecoDynArr(0, 0), "colib: doublecoDynArr::constructor: step 0 below 1");
    EXPECT_DEATH(a.reserve(-1), "colib: intcoDynArr::reserve: negative count -1");
    EXPECT_DEATH(a.expand(-1), "expand: negative count");
    EXPECT_DEATH(a.shrink(-1, 0), "shrink: negative count");
    utAnycoDynArr p{nullptr};
    EXPECT_DEATH(p.read(1), "colib: utAnycoDynArr::read: index 1 out of range \\[0, 1\\)");
    intcoDynArrcoIterator it(&a);
    a.append(4);
    EXPECT_DEATH(*it, "colib: intcoDynArrcoIterator::operator\\*: the array was reallocated");
    it.reset();
    while (it)
        ++it;
    EXPECT_DEATH(*it, "no current element \\(position 4 of 4\\)");
#else
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}
