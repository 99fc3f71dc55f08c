// The paged, hashed and sparse arrays' drivers over fixed seeds, and the
// figures the models derive but must not invent: block and block-table
// growth, repagination, the families' worked examples, their printouts and
// which members print at all.
#include <colib/colib.h>
#include <gtest/gtest.h>

#include "paged/hashed_driver.h"

#include <climits>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using colib_test::printed;
using paged_test::prints;

TEST(PagedModel, Seeds) {
    colib_test::run_seeds(paged_test::run_paged, 4, 12000);
    colib_test::run_seeds(paged_test::run_hashed, 4, 12000);
}

static_assert(prints<intcoPageArr>::value && prints<utStringcoPageArr>::value &&
              prints<intcoHashedArr>::value && prints<intcoHashedArrINTERNALcoPageArr>::value);
static_assert(!prints<longcoPageArr>::value && !prints<floatcoPageArr>::value &&
              !prints<utInt64coPageArr>::value && !prints<intcoHashedArr2D>::value &&
              !prints<utAnycoPageArrINTERNALcoDynArr>::value);
static_assert(prints<utAnycoDynArr>::value && prints<intcoDList>::value &&
              !prints<coTreecoDListPtrcoPtrcoDList>::value);

// Geometry, one index written: block count, block table capacity.
TEST(PagedPinned, GrowthAndShrinking) {
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
        EXPECT_EQ(a.block_count() * 100 + a.block_table().capacity(), r.blocks * 100 + r.table);
    }
    intcoPageArr a;
    EXPECT_EQ(a.block_size() * 1000 + a.block_table().capacity() * 100 + a.block_table().step(),
              256510);
    a[599] = 1;
    a.shrink(700, 1), a.shrink(5, 0);
    EXPECT_EQ(a.repaginate(), 760); // three blocks of 256, size 5: one of 8
    EXPECT_EQ(a.block_size() * 100 + a.block_count(), 801);
    intcoPageArr c{0, 1, 2, 3, 4};
    c.copy(c, 5, 2, 0); // overlapping move up: runs backwards
    EXPECT_EQ(colib_test::elems(c), (std::vector<int>{0, 1, 0, 1, 2, 3, 4}));
}

TEST(HashedPinned, WorkedExamples) {
    intcoHashedArr2D b;
    b[5][0] = 1;
    b[0][9] = 2;
    EXPECT_EQ(b.largest_first() * 10 + b.largest_second(), 59);
    EXPECT_EQ(co_hash(coHashedArr2DP(1, 2, nullptr)), 65538u);
    EXPECT_EQ(co_hash(coHashedArr2DP(65536, 0, nullptr)), 1u);
    EXPECT_EQ(co_hash(coHashedArrP(-2, nullptr)), 4294967294u);
}

TEST(PagedPinned, Printouts) {
    EXPECT_EQ(printed(intcoPageArr{4, 7}), "coPageArr {\n  size 2\n  4\n  7\n}\n");
    EXPECT_EQ(printed(doublecoPageArr{0.5}), "coPageArr {\n  size 1\n  0.5\n}\n");
    EXPECT_EQ(printed(utAnycoPageArr{nullptr}), "coPageArr {\n  size 1\n  0x0\n}\n");
    intcoHashedArr h;
    h[2] = 9;
    h[-7] = 1; // stored, not printed
    EXPECT_EQ(printed(h), "coHashedArr {\n  size 3\n  0\n  0\n  9\n}\n");
    EXPECT_EQ(printed(h.storage()), "coPageArr {\n  size 2\n  9\n  1\n}\n");
    intcoSparseArr2D s;
    s.write(3, 1, 7);
    s.write(0, 4, 2);
    EXPECT_EQ(printed(s), "coSparseArr2D {\n  size 2\n  0 4 2\n  3 1 7\n}\n");
}

// long is the platform's (32 bits on Windows, 64 on Linux), utInt64 is 64
// bits everywhere: each keeps its extremes through blocks, block copies and
// copyin, and prints as the platform's decimal.
TEST(PagedPinned, LongAndInt64KeepTheirWidth) {
    const long l[] = {LONG_MAX, LONG_MIN, -1, LONG_MAX - 1, LONG_MIN + 1};
    const utInt64 w[] = {INT64_MAX, INT64_MIN, -1, INT64_MAX - 1, INT64_MIN + 1};
    longcoPageArr a(1, 0, 1); // two elements a block
    utInt64coPageArr b(1, 0, 1);
    a.copyin(l, 5, 0, 0), b.copyin(w, 5, 0, 0);
    longcoPageArr c(2, 0, 1);
    utInt64coPageArr d(2, 0, 1);
    c.copy(a, 5, 1, 0), d.copy(b, 5, 1, 0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a[i], l[i]) << i;
        EXPECT_EQ(c[i + 1], l[i]) << i;
        EXPECT_EQ(b[i], w[i]) << i;
        EXPECT_EQ(d[i + 1], w[i]) << i;
    }
    std::ostringstream os;
    utOstream(os, 0, 2) << LONG_MIN << ' ' << ULONG_MAX << ' ' << utInt64(INT64_MIN) << ' '
                        << utUInt64(UINT64_MAX);
    EXPECT_EQ(os.str(), std::to_string(LONG_MIN) + ' ' + std::to_string(ULONG_MAX) +
                            " -9223372036854775808 18446744073709551615");
}

} // namespace
