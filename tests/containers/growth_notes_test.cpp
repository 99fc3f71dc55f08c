// The growth advice of the header comments holds.
#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/stack_fast.h>
#include <colib/lists/page_dlist.h>
#include <colib/paged/page_arr.h>

#include <gtest/gtest.h>

namespace {

TEST(GrowthNotes, BracesGiveCapacityAndStepNotElements) {
    intcoStackFast s{1, 2};
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.array().capacity(), 1);
    EXPECT_EQ(s.array().step(), 2);

    intcoDynArr stepped(0, 65536);
    for (int i = 0; i < 80000; ++i)
        stepped.append(i);
    EXPECT_EQ(stepped.capacity(), 131072); // two allocations in all
    intcoDynArr braced{1, 2};
    EXPECT_EQ(braced.step(), 1);
}

TEST(GrowthNotes, PagedGeometryForMillions) {
    intcoPageArr big(16, 160, 16);
    ASSERT_EQ(big.reserve(10000000), 1);
    EXPECT_EQ(big.block_size(), 65536);
    EXPECT_EQ(big.block_count(), 153);
    EXPECT_EQ(big.block_table().capacity(), 160); // no table growth
    EXPECT_EQ(big.size(), 0);

    intcoPageDList l(16, 160, 16);
    l.insert_last(1);
    EXPECT_EQ(l.nodes().block_size(), 65536);
}

} // namespace
