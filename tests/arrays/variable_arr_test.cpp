#include <colib/arrays/variable_arr.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {
// Reaches the protected walker start and block helpers, as a derived class may.
struct Walker : intcoVariableArrcoIterator {
    using intcoVariableArrcoIterator::do_first;
    using intcoVariableArrcoIterator::intcoVariableArrcoIterator;
};
} // namespace

TEST(VariableArr, BlockTablesFollowTheGeometry) {
    for (int i = 0; i < 2048; ++i) {
        int b = coVariableArr_block_number[i >> 3];
        int first = b == 0 ? 0 : b == 1 ? 8 : 1 << (b + 2);
        EXPECT_GE(i, first);
        EXPECT_LT(i, first + coVariableArr_block_size[b]) << i;
        EXPECT_EQ(coVariableArr_block_mask[i >> 3], coVariableArr_block_size[b] - 1);
    }
    EXPECT_EQ(intcoVariableArr::block_number(2048), 9);
    EXPECT_EQ(intcoVariableArr::block_number(6143), 10);
    EXPECT_EQ(intcoVariableArr::block_mask(5000), 2047);
}

TEST(VariableArr, BlocksAppearInOrderAndElementsNeverMove) {
    intcoVariableArr a;
    for (int i = 0; i < 8; ++i)
        a.append(i);
    EXPECT_EQ(a.block_count(), 1);
    a.append(8);
    EXPECT_EQ(a.block_count(), 2);
    for (int i = 9; i < 17; ++i)
        a.append(i);
    EXPECT_EQ(a.block_count(), 3);
    const int *first = &a[0];

    intcoVariableArr far;
    far[3000] = 42;
    EXPECT_EQ(far.size(), 3001);
    EXPECT_EQ(far.block_count(), 10);
    EXPECT_EQ(intcoVariableArr::block_number(3000), 9);
    EXPECT_EQ(3000 & intcoVariableArr::block_mask(3000), 952);

    for (int i = 17; i < 3000; ++i)
        a.append(i);
    EXPECT_EQ(first, &a[0]); // appends never move an element
    std::vector<int> model(3000);
    std::iota(model.begin(), model.end(), 0);
    EXPECT_TRUE(std::equal(a.begin(), a.end(), model.begin(), model.end()));

    // A walk with the family's iterator sees the same elements, across blocks.
    Walker w(&a);
    std::size_t seen = 0;
    while (++w)
        ASSERT_EQ(w(), model[seen++]);
    EXPECT_EQ(seen, model.size());
    EXPECT_EQ(++w, 1); // a finished walk starts again
    EXPECT_EQ(w(), model[0]);
    intcoVariableArr empty;
    EXPECT_EQ(Walker(&empty).do_first(), 0);
}

TEST(VariableArr, ShrinkClearAndCopies) {
    intcoVariableArr a;
    a[5000] = 1; // blocks 0 to 10
    EXPECT_EQ(a.block_count(), 11);
    a.shrink(20, 1); // block 2 holds index 19
    EXPECT_EQ(a.block_count(), 3);
    EXPECT_EQ(a.size(), 20);
    a.shrink(4, 0);
    EXPECT_EQ(a.size(), 4);
    EXPECT_EQ(a.block_count(), 3);
    a.clear(0);
    EXPECT_EQ(a.block_count(), 3);
    a.clear(1);
    EXPECT_EQ(a.block_count(), 0);
    EXPECT_EQ(a.reserve(0), 1);
    EXPECT_EQ(a.reserve(100), 1); // index 99 lies in block 4
    EXPECT_EQ(a.block_count(), 5);
    EXPECT_EQ(a.size(), 0);

    utStringcoVariableArr s{"a", "b"};
    for (int i = 0; i < 40; ++i)
        s.append(utString(std::to_string(i)));
    utStringcoVariableArr copy(utCOPY, s);
    copy[0] = "changed";
    EXPECT_STREQ(s[0], "a");
    EXPECT_EQ(copy.size(), 42);
    EXPECT_STREQ(copy[41], "39");
    copy.become(utCOPY, copy);
    EXPECT_EQ(copy.size(), 42);
    utStringcoVariableArr shorter{"x"};
    copy = shorter;
    EXPECT_EQ(copy.size(), 1);
    EXPECT_EQ(copy.block_count(), 4); // kept for reuse

    EXPECT_EQ(colib_test::printed(doublecoVariableArr{0.5, 2}),
              "coVariableArr {\n  size 2\n  0.5\n  2\n}\n");
}

TEST(VariableArrDeathTest, OutOfContractUse) {
    intcoVariableArr a{1, 2};
    intcoVariableArrcoIterator it(&a);
    colib_test::expect_deaths("intcoVariableArr",
                              {{[&] { a.read(2); }, "::read: index 2 out of range \\[0, 2\\)"},
                               {[&] { a[-1]; }, "::operator\\[\\]: negative index -1"},
                               {[&] { a.shrink(-3, 1); }, "::shrink: negative count -3"},
                               {[&] { it(); }, "coIterator::operator\\(\\): no current element"}});
}
