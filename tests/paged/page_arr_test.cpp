#include <colib/paged/page_arr.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <array>
#include <vector>

namespace {
using namespace colib_test;

// Size, block count, current block and block table capacity.
template <class A> std::array<int, 4> shape(const A &a) {
    return {a.size(), a.block_count(), a.current_block_index(), a.block_table().capacity()};
}
using Shape = std::array<int, 4>;

// Reaches the protected block selection.
template <class A> struct Open : A {
    using A::A;
    using A::get_block;
    using A::switch_block;
};

template <class A> class PageArrTyped : public ::testing::Test {};
using Siblings = ::testing::Types<intcoPageArr, doublecoPageArr, utStringcoPageArr>;
TYPED_TEST_SUITE(PageArrTyped, Siblings, );

TYPED_TEST(PageArrTyped, BlockArithmeticOfGrowth) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    EXPECT_EQ(a.block_size() * 100 + a.block_shift(), 25608);
    EXPECT_EQ(shape(a), (Shape{0, 0, -1, 5}));
    EXPECT_EQ(a.block_table().step(), 10);
    a[1000] = value<T>(1000);
    EXPECT_EQ(shape(a), (Shape{1001, 4, 3, 5}));
    EXPECT_EQ(a.block_table().size(), 4);
    EXPECT_EQ(&a.block(3)[1000 & 255], &a[1000]);
    a[5 * 256] = value<T>(1); // block 5 does not fit the table: one step more
    EXPECT_EQ(shape(a), (Shape{1281, 6, 5, 15}));

    // Appending at a block boundary makes exactly one block.
    TypeParam b(2, 1, 1);
    for (int i = 0; i < 4; ++i)
        b.append(value<T>(i));
    EXPECT_EQ(b.block_count(), 1);
    b.append(value<T>(4));
    EXPECT_EQ(shape(b), (Shape{5, 2, 1, 2}));
    EXPECT_EQ(b[4], value<T>(4));
    b.clear(0); // keeps the blocks; append reuses block 0
    EXPECT_EQ(shape(b), (Shape{0, 2, 1, 2}));
    b.append(value<T>(9));
    EXPECT_EQ(shape(b), (Shape{1, 2, 0, 2}));
    b.clear(1);
    EXPECT_EQ(shape(b), (Shape{0, 0, -1, 0}));

    EXPECT_EQ(b.expand(0), 1);
    EXPECT_EQ(b.reserve(0), 1);
    EXPECT_EQ(b.block_count(), 0);
    EXPECT_EQ(b.reserve(9), 1);
    EXPECT_EQ(b.size() * 10 + b.block_count(), 3);
    EXPECT_EQ(b.expand(6), 1);
    EXPECT_EQ(b.expand(2), 1);
    EXPECT_EQ(b.size(), 6);
}

TYPED_TEST(PageArrTyped, ShrinkAndRepaginate) {
    using T = typename TypeParam::value_type;
    Open<TypeParam> a;
    for (int i = 0; i < 600; ++i)
        a.append(value<T>(i));
    a.switch_block(0);
    EXPECT_EQ(a.current_block_index(), 0);
    EXPECT_EQ(a.get_block(2), 1);
    EXPECT_EQ(shape(a), (Shape{600, 3, 2, 5}));
    a.shrink(700, 1); // the table is trimmed to the blocks
    EXPECT_EQ(shape(a), (Shape{600, 3, 2, 3}));
    a.shrink(300, 0);
    EXPECT_EQ(shape(a), (Shape{300, 3, 2, 3}));
    a.shrink(10, 1);
    EXPECT_EQ(shape(a), (Shape{10, 1, -1, 1}));
    EXPECT_EQ(a[9], value<T>(9));

    TypeParam r;
    EXPECT_EQ(r.repaginate(), 0); // empty, no block: nothing to release
    r[600] = value<T>(0);
    r.shrink(5, 0);
    for (int i = 0; i < 5; ++i)
        r[i] = value<T>(i);
    EXPECT_EQ(r.repaginate(), 760);
    EXPECT_EQ(r.block_size() * 100 + r.block_shift(), 803);
    EXPECT_EQ(shape(r), (Shape{5, 1, 0, 10}));
    EXPECT_EQ(elems(r), values<T>({0, 1, 2, 3, 4}));
    r[20] = value<T>(20); // now size 5 < 8: the same shift, spare blocks go
    r.shrink(5, 0);
    EXPECT_EQ(r.block_count(), 3);
    EXPECT_EQ(r.repaginate(), 16);
    EXPECT_EQ(r.block_count(), 1);
    r.shrink(1, 0);
    EXPECT_EQ(r.repaginate(), 7);
    EXPECT_EQ(r.block_size(), 1);
    EXPECT_EQ(r[0], value<T>(0));
    EXPECT_EQ(r.repaginate(), 0); // size == block size
    r.clear(0);
    EXPECT_EQ(r.repaginate(), 1);
    EXPECT_EQ(r.block_count(), 0);
}

TYPED_TEST(PageArrTyped, CopiesAndReverse) {
    using T = typename TypeParam::value_type;
    TypeParam a(2, 1, 1);
    for (int i = 0; i < 5; ++i)
        a.append(value<T>(i));
    a.copy(a, 5, 2, 0); // overlapping move up: runs backwards
    EXPECT_EQ(elems(a), values<T>({0, 1, 0, 1, 2, 3, 4}));
    a.copy(a, 3, 0, 4); // overlapping move down: runs forwards
    EXPECT_EQ(elems(a), values<T>({2, 3, 4, 1, 2, 3, 4}));
    TypeParam b;
    b.copy(a, 100, 3, 0); // only a's 7 elements
    EXPECT_EQ(b.size(), 10);
    EXPECT_EQ(b[9], value<T>(4));

    T out[9];
    a.copyout(out, 7, 0, 2);
    EXPECT_EQ(std::vector<T>(out + 2, out + 9), elems(a));
    TypeParam c(1, 0, 1);
    c.copyin(out, 6, 1, 2); // blocks of 2, crossing three boundaries
    EXPECT_EQ(c.size() * 10 + c.block_count(), 74);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(c[1 + k], out[2 + k]);
    c.copyin(out, 0, 9, 0); // no element, but the size rises
    EXPECT_EQ(c.size() * 10 + c.block_count(), 95);
    c[0] = value<T>(50);
    c[7] = value<T>(51);
    c[8] = value<T>(52);
    c.reverse();
    EXPECT_EQ(elems(c), (std::vector<T>{value<T>(52), value<T>(51), out[7], out[6], out[5], out[4],
                                        out[3], out[2], value<T>(50)}));

    // Copies keep the source's block size and are independent.
    TypeParam d(utCOPY, c);
    EXPECT_EQ(d.block_size(), 2);
    EXPECT_EQ(d.block_table().capacity(), c.block_count());
    EXPECT_EQ(d.block_table().step(), 10);
    EXPECT_EQ(elems(d), elems(c));
    d[1] = value<T>(99);
    EXPECT_NE(c[1], value<T>(99));
    TypeParam e(4, 1, 3);
    e.append(value<T>(5));
    e.become(utCOPY, c);
    EXPECT_EQ(e.block_size() * 100 + e.size(), 209);
    EXPECT_EQ(e.block_table().step(), 3);
    EXPECT_EQ(e.block_table().capacity(), 6); // reserve 5 blocks by steps of 3
    e.become(utCOPY, e);
    EXPECT_EQ(e.size(), 9);
    TypeParam f{value<T>(1), value<T>(2)};
    EXPECT_EQ(f.size() * 10 + f.block_count(), 21);
    f = c;
    EXPECT_EQ(elems(f), elems(c));
}

template <class A, class It> void walk_block_by_block() {
    using T = typename A::value_type;
    A a(1, 1, 1);
    It it(&a);
    EXPECT_EQ(++it, 0);
    EXPECT_EQ(it.remaining(), 0);
    for (int i = 0; i < 5; ++i)
        a.append(value<T>(i));
    std::vector<T> seen;
    std::vector<int> idx;
    while (++it) {
        seen.push_back(it());
        idx.push_back(it.index());
    }
    EXPECT_EQ(seen, elems(a));
    EXPECT_EQ(idx, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(it.remaining(), 0);
    EXPECT_EQ(++it, 1); // starts over
    EXPECT_EQ(it(), value<T>(0));
    EXPECT_EQ(it.remaining(), 5);
    it.reset();
    EXPECT_EQ(it.remaining(), 0);
}

TEST(PageArr, IteratorWalksBlockByBlock) {
    walk_block_by_block<intcoPageArr, intcoPageArrcoIterator>();
    walk_block_by_block<doublecoPageArr, doublecoPageArrcoIterator>();
    walk_block_by_block<utStringcoPageArr, utStringcoPageArrcoIterator>();
}

TEST(PageArr, StringsShareTextsAndSurviveTheirSource) {
    utStringcoPageArr a(1, 0, 1);
    {
        utString src[3] = {utString("x"), utString("y"), utString("z")};
        a.copyin(src, 3, 0, 0);
        EXPECT_EQ(src[0].ref().use_count(), 2);
    }
    EXPECT_EQ(a[2], utString("z"));
    EXPECT_EQ(a[0].ref().use_count(), 1);
    utStringcoPageArr b;
    b.copy(a, 3, 0, 0);
    EXPECT_EQ(b.repaginate(), 252);
    EXPECT_EQ(b.block_size(), 4);
    EXPECT_EQ(elems(b), (std::vector<utString>{"x", "y", "z"}));
    EXPECT_EQ(a[1].ref().use_count(), 2);
    // A fresh block's strings are default-constructed (no text).
    utStringcoPageArr c;
    c[3] = "w";
    EXPECT_TRUE(c[1].invalid());
}

TEST(PageArr, Prints) {
    intcoPageArr a;
    EXPECT_EQ(printed(a), "coPageArr {\n  size 0\n}\n");
    a.append(4);
    a.append(7);
    EXPECT_EQ(printed(a), "coPageArr {\n  size 2\n  4\n  7\n}\n");
    EXPECT_EQ(printed(charcoPageArr{'a', 'b'}), "coPageArr {\n  size 2\n  a\n  b\n}\n");
    EXPECT_EQ(printed(doublecoPageArr{0.5}), "coPageArr {\n  size 1\n  0.5\n}\n");
    EXPECT_EQ(printed(utStringcoPageArr{"hi"}), "coPageArr {\n  size 1\n  hi\n}\n");
    EXPECT_EQ(printed(utAnycoPageArr{nullptr}), "coPageArr {\n  size 1\n  0x0\n}\n");
    EXPECT_EQ(printed(utBoolcoPageArr{1, 0}), "coPageArr {\n  size 2\n  1\n  0\n}\n");
    // The non-printing members still walk and copy.
    longcoPageArr l{1L, 2L};
    l.reverse();
    EXPECT_EQ(l[0], 2L);
    EXPECT_EQ(floatcoPageArr{1.5f}[0], 1.5f);
    EXPECT_EQ(utInt64coPageArr{utInt64(1) << 40}[0], utInt64(1) << 40);
}

TEST(PageArr, BlockTableEnter) {
    utAnycoPageArrINTERNALcoDynArr t(3, 2);
    int x = 0;
    t.enter(2, &x);
    EXPECT_EQ(t.size(), 0);
    EXPECT_EQ(t.data()[2], &x);
    t[0] = &x;
    EXPECT_EQ(t.read(0), &x);
    EXPECT_TRUE(static_cast<bool>(utAnycoPageArrINTERNALcoDynArrcoIterator(&t)));
}

TEST(PageArrDeath, OutOfContractUse) {
    intcoPageArr a{1, 2};
    const intcoPageArr &c = a;
    int buf[4];
    intcoPageArrcoIterator it(&a);
    expect_deaths(
        "", {{[] { intcoPageArr(31, 1, 1); }, "intcoPageArr::constructor: block shift 31"},
             {[] { intcoPageArr(2, 1, 0); }, "utAnycoPageArrINTERNALcoDynArr::constructor: step 0"},
             {[] { intcoPageArr(2, -1, 1); },
              "utAnycoPageArrINTERNALcoDynArr::constructor: negative capacity -1"}});
    expect_deaths("intcoPageArr",
                  {{[&] { a[-1] = 0; }, "::operator\\[\\]: negative index -1"},
                   {[&] { c[2]; }, "::operator\\[\\] const: index 2 out of range \\[0, 2\\)"},
                   {[&] { a.block(1); }, "::block: block 1 out of range \\[0, 1\\)"},
                   {[&] { a.enter(256, 0); }, "::enter: index 256 outside the 256"},
                   {[&] { a.expand(-1); }, "::expand: negative count -1"},
                   {[&] { a.copy(a, -1, 0, 0); }, "::copy: negative"},
                   {[&] { a.copyout(buf, 3, 0, 0); }, "::copyout: range \\[0, 0 \\+ 3\\)"},
                   {[&] { it(); }, "coIterator::operator\\(\\): no current element"}});
}

} // namespace
