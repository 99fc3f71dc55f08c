// Figures the models derive but must not invent: block and block-table
// growth, repagination, the families' worked examples and their printouts.
#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_arr2d.h>
#include <colib/paged/page_arr.h>
#include <colib/paged/sparse_arr.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <string>
#include <vector>

namespace {

using colib_test::printed;

// Geometry, one index written: block count, table capacity, current block.
TEST(PagedPinned, BlockAndTableGrowth) {
    struct Row {
        int shift, capacity, step, index, blocks, table;
    };
    for (Row r : std::vector<Row>{{8, 5, 10, 1000, 4, 5},
                                  {8, 5, 10, 1280, 6, 15},
                                  {2, 1, 1, 4, 2, 2},
                                  {0, 0, 3, 7, 8, 9},
                                  {3, 0, 1, 0, 1, 1},
                                  {1, 2, 4, 9, 5, 6}}) {
        intcoPageArr a(r.shift, r.capacity, r.step);
        a[r.index] = 1;
        EXPECT_EQ(a.block_count(), r.blocks) << r.index;
        EXPECT_EQ(a.block_table().capacity(), r.table) << r.index;
        EXPECT_EQ(a.current_block_index(), r.blocks - 1);
        EXPECT_EQ(a.size(), r.index + 1);
    }
    intcoPageArr d;
    EXPECT_EQ(d.block_size() * 100 + d.block_shift(), 25608);
    EXPECT_EQ(d.block_table().capacity() * 100 + d.block_table().step(), 510);
}

TEST(PagedPinned, ShrinkRepaginateAndCopy) {
    intcoPageArr a;
    a[599] = 1;
    a.shrink(700, 1);
    EXPECT_EQ(a.block_count() * 1000 + a.size(), 3600);
    a.shrink(10, 1);
    EXPECT_EQ(a.block_count() * 1000 + a.size(), 1010);
    intcoPageArr r;
    r[600] = 0;
    r.shrink(5, 0);
    EXPECT_EQ(r.repaginate(), 760); // three blocks of 256, size 5: one of 8
    EXPECT_EQ(r.block_size() * 100 + r.block_count(), 801);
    intcoPageArr c{0, 1, 2, 3, 4};
    c.copy(c, 5, 2, 0); // overlapping move up: runs backwards
    EXPECT_EQ(colib_test::elems(c), (std::vector<int>{0, 1, 0, 1, 2, 3, 4}));
    intcoPageArr s(3, 0, 1);
    s.append(1);
    EXPECT_EQ(intcoPageArr(utCOPY, s).block_size(), 8);
    // The block table's own extras.
    utAnycoPageArrINTERNALcoDynArr t(4, 1);
    int x;
    t.enter(2, &x);
    EXPECT_EQ(t.size() * 10 + (t.data()[2] == &x), 1);
    t[0] = &x;
    EXPECT_EQ(t.read(0), &x);
}

TEST(HashedPinned, WorkedExamples) {
    intcoHashedArr a;
    a[999] = 5;
    EXPECT_EQ(a.size() * 10 + a.count(), 10001);
    EXPECT_EQ(a[7] + a.count(), 1); // reading never creates
    a[2147483647] = 1;
    EXPECT_EQ(a.size(), -2147483647 - 1);
    intcoHashedArr2D b;
    b[5][0] = 1;
    b[0][9] = 2;
    EXPECT_EQ(b.largest_first() * 10 + b.largest_second(), 59);
    EXPECT_EQ(co_hash(coHashedArr2DP(1, 2, nullptr)), 65538u);
    EXPECT_EQ(co_hash(coHashedArr2DP(65536, 0, nullptr)), 1u);
    EXPECT_EQ(co_hash(coHashedArrP(-2, nullptr)), 4294967294u);

    doublecoSparseArr2D m;
    EXPECT_EQ(m.write(2, 5, 1.5), 0);
    m(2, 1) = 4.0;
    std::string row;
    for (auto e : m.row(2))
        row += std::to_string(e.column) + ":" + std::to_string(e.value).substr(0, 3) + " ";
    EXPECT_EQ(row, "1:4.0 5:1.5 ");
    EXPECT_EQ(m.find(2, 1) * 10 + m.row_tail(2), 10);
    double x[6] = {0, 2, 0, 0, 0, 4}, y[3];
    m.multiply(x, y);
    EXPECT_EQ(y[2], 14.0);
}

TEST(PagedPinned, Printouts) {
    intcoPageArr a;
    EXPECT_EQ(printed(a), "coPageArr {\n  size 0\n}\n");
    EXPECT_EQ(printed(intcoPageArr{4, 7}), "coPageArr {\n  size 2\n  4\n  7\n}\n");
    EXPECT_EQ(printed(charcoPageArr{'a', 'b'}), "coPageArr {\n  size 2\n  a\n  b\n}\n");
    EXPECT_EQ(printed(doublecoPageArr{0.5}), "coPageArr {\n  size 1\n  0.5\n}\n");
    EXPECT_EQ(printed(utStringcoPageArr{"hi"}), "coPageArr {\n  size 1\n  hi\n}\n");
    EXPECT_EQ(printed(utAnycoPageArr{nullptr}), "coPageArr {\n  size 1\n  0x0\n}\n");
    EXPECT_EQ(printed(utBoolcoPageArr{1, 0}), "coPageArr {\n  size 2\n  1\n  0\n}\n");

    intcoHashedArr h;
    h[2] = 9;
    h[-7] = 1; // stored, not printed
    EXPECT_EQ(printed(h), "coHashedArr {\n  size 3\n  0\n  0\n  9\n}\n");
    EXPECT_EQ(printed(h.storage()), "coPageArr {\n  size 2\n  9\n  1\n}\n");
    charcoHashedArr c;
    c[1] = 'x';
    EXPECT_EQ(printed(c), std::string("coHashedArr {\n  size 2\n  ") + '\0' + "\n  x\n}\n");

    intcoSparseArr2D s;
    s.write(3, 1, 7);
    s.write(0, 4, 2);
    EXPECT_EQ(printed(s), "coSparseArr2D {\n  size 2\n  0 4 2\n  3 1 7\n}\n");
}

} // namespace
