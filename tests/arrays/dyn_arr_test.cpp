#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/stack_fast.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <array>

namespace {
using namespace colib_test;

// Capacity, size and step.
template <class A> std::array<int, 3> geom(const A &a) {
    return {a.capacity(), a.size(), a.step()};
}
using G = std::array<int, 3>;

// A member and its iterator class; the iterator's protected invariant is
// reached as a derived class may.
template <class A, class It> struct Member {
    using Array = A;
    struct Iter : It {
        using It::It;
        int valid() const { return this->invariant(); }
    };
};
template <class M> class DynArrFamily : public ::testing::Test {};
using Members = ::testing::Types<Member<charcoDynArr, charcoDynArrcoIterator>,
                                 Member<intcoDynArr, intcoDynArrcoIterator>,
                                 Member<floatcoDynArr, floatcoDynArrcoIterator>,
                                 Member<doublecoDynArr, doublecoDynArrcoIterator>,
                                 Member<utBoolcoDynArr, utBoolcoDynArrcoIterator>,
                                 Member<utAnycoDynArr, utAnycoDynArrcoIterator>,
                                 Member<utStringcoDynArr, utStringcoDynArrcoIterator>>;
TYPED_TEST_SUITE(DynArrFamily, Members, );

// Growth by subscript, reserve, expand, shrink and the copies are tested
// with the matrices (dyn_grid_test.cpp); appends grow by the same steps.
TYPED_TEST(DynArrFamily, AppendsGrowByWholeSteps) {
    using A = typename TypeParam::Array;
    using T = typename A::value_type;
    A a;
    for (int i = 0; i < 3; ++i)
        a.append(value<T>(i));
    EXPECT_EQ(geom(a), (G{3, 3, 1}));

    A b(0, 10);
    EXPECT_EQ(b.data(), nullptr);
    b.append(value<T>(0));
    EXPECT_EQ(b.capacity(), 10);
    for (int i = 1; i <= 10; ++i)
        b.append(value<T>(i));
    EXPECT_EQ(geom(b), (G{20, 11, 10}));
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(b[i], value<T>(i));
}

TYPED_TEST(DynArrFamily, BecomeKeepsItsBufferWhenLargeEnough) {
    using A = typename TypeParam::Array;
    using T = typename A::value_type;
    A src(0, 7);
    for (int i = 0; i < 4; ++i)
        src.append(value<T>(i));
    A copy(src), target;
    target.become(utCOPY, src);
    EXPECT_EQ(geom(target), (G{4, 4, 7})); // grown by its own step 1
    EXPECT_EQ(elems(target), values<T>({0, 1, 2, 3}));
    const T *buffer = target.data();
    target.become(utCOPY, target);
    EXPECT_EQ(target.size(), 4);
    EXPECT_EQ(target.data(), buffer);
    A shorter{value<T>(5)};
    target = shorter; // keeps the larger buffer
    EXPECT_EQ(target.data(), buffer);
    EXPECT_EQ(geom(target), (G{4, 1, 1}));

    A moved(std::move(copy));
    EXPECT_EQ(moved.size(), 4);
    EXPECT_EQ(geom(copy), (G{0, 0, 7}));
    moved.append(moved[1]); // an element of the array itself, across a reallocation
    EXPECT_EQ(moved[4], value<T>(1));
}

TYPED_TEST(DynArrFamily, InitializerListAndWalkers) {
    using A = typename TypeParam::Array;
    using T = typename A::value_type;
    A a{value<T>(0), value<T>(1), value<T>(2)};
    EXPECT_EQ(a.capacity(), 3);
    EXPECT_EQ(elems(a), values<T>({0, 1, 2}));

    typename TypeParam::Iter it(&a);
    int n = 0;
    for (; it; ++it, ++n) {
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

    A empty{};
    EXPECT_EQ(empty.capacity(), 0);
    EXPECT_TRUE(empty.begin() == empty.end());
}

TEST(DynArr, PrintsTheCommonLayout) {
    intcoDynArr a{3, 5};
    EXPECT_EQ(printed(a), "coDynArr {\n  size 2\n  3\n  5\n}\n");
    EXPECT_EQ(printed(intcoDynArr()), "coDynArr {\n  size 0\n}\n");
    EXPECT_EQ(printed(floatcoDynArr{0.1f}), printed(doublecoDynArr{double(0.1f)}));
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
    intcoDynArr a{1, 2, 3};
    const intcoDynArr &c = a;
    utAnycoDynArr p{nullptr};
    intcoDynArrcoIterator stale(&a);
    a.append(4);
    intcoDynArrcoIterator past(&a);
    while (past)
        ++past;
    expect_deaths(
        "", {{[&] { c[7]; }, "intcoDynArr::operator\\[\\] const: index 7 out of range \\[0, 4\\)"},
             {[&] { a[-2]; }, "intcoDynArr::operator\\[\\]: negative index -2"},
             {[] { intcoDynArr(-1, 1); }, "intcoDynArr::constructor: negative capacity -1"},
             {[] { doublecoDynArr(0, 0); }, "doublecoDynArr::constructor: step 0 below 1"},
             {[&] { a.reserve(-1); }, "intcoDynArr::reserve: negative count -1"},
             {[&] { *stale; }, "intcoDynArrcoIterator::operator\\*: the array was reallocated"},
             {[&] { *past; },
              "intcoDynArrcoIterator::operator\\*: no current element \\(position 4 of 4\\)"}});
}

template <class S> class StackFastFamily : public ::testing::Test {};
using StackMembers = ::testing::Types<charcoStackFast, intcoStackFast, doublecoStackFast,
                                      utAnycoStackFast, utStringcoStackFast>;
TYPED_TEST_SUITE(StackFastFamily, StackMembers, );

TYPED_TEST(StackFastFamily, LastInFirstOutOverTheArray) {
    using T = typename TypeParam::value_type;
    TypeParam s;
    EXPECT_TRUE(s.empty());
    for (int i = 1; i <= 3; ++i)
        s.push(value<T>(i));
    // A full stack reserves half as much again (1, 2, 4), in whole steps.
    EXPECT_EQ(s.array().capacity(), 4);
    EXPECT_EQ(s.top(), value<T>(3));
    EXPECT_EQ(s.array()[0], value<T>(1)); // the bottom is index 0
    s.pop();
    EXPECT_EQ(s.size(), 2);
    EXPECT_EQ(s.top(), value<T>(2));
    EXPECT_EQ(s.array().capacity(), 4); // popping keeps the buffer
    for (int i = 3; i <= 5; ++i)
        s.array().append(value<T>(i));
    EXPECT_EQ(s.array().capacity(), 5); // the array's own append: one step of 1
    for (int i = 0; i < 3; ++i)
        s.pop();

    TypeParam copy(utCOPY, s), other(0, 16);
    copy.top() = value<T>(9);
    EXPECT_EQ(s.top(), value<T>(2));
    other.become(utCOPY, copy);
    EXPECT_EQ(other.size(), 2);
    EXPECT_EQ(other.top(), value<T>(9));
    EXPECT_EQ(other.array().step(), 1); // the source's step comes along
    while (!other.empty())
        other.pop();
    EXPECT_EQ(other.size(), 0);
}

TEST(StackFast, PushGrowsByHalfInWholeSteps) {
    intcoStackFast s(0, 3);
    int growths = 0;
    for (int i = 0; i < 10000; ++i) {
        int before = s.array().capacity();
        s.push(i);
        if (s.array().capacity() != before) {
            ++growths;
            EXPECT_EQ(s.array().capacity() % 3, 0);
            EXPECT_GE(s.array().capacity(), before + before / 2 + 1);
        }
    }
    EXPECT_LE(growths, 25); // 3, 6, 9, 15, 24, ... where one step each would be 3334
    for (int i = 9999; i >= 0; --i) {
        ASSERT_EQ(s.top(), i);
        s.pop();
    }
}

TEST(StackFast, PrintsItsNameThenTheArray) {
    intcoStackFast s;
    s.push(1);
    s.push(2);
    EXPECT_EQ(printed(s), "coFastStack\ncoDynArr {\n  size 2\n  1\n  2\n}\n");
    EXPECT_EQ(printed(s.array()), "coDynArr {\n  size 2\n  1\n  2\n}\n");
}

TEST(StackFastDeathTest, EmptyStackHasNoTop) {
    intcoStackFast s;
    expect_deaths("intcoStackFast::", {{[&] { s.pop(); }, "pop: the stack is empty"},
                                       {[&] { s.top(); }, "top: the stack is empty"}});
}

} // namespace
