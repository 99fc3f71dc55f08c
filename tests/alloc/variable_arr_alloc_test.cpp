// Allocation failure in the variable arrays: reserve reports 0 and keeps the
// blocks made so far; the growing subscript and append throw and keep the
// elements; nothing leaks.
#include <colib/arrays/variable_arr.h>
#include <gtest/gtest.h>

#include "alloc/alloc_injector.h"

TEST(VariableArrAlloc, BlocksMadeSoFarStay) {
    long before = alloc_injector::live();
    {
        intcoVariableArr a{1, 2, 3};
        int *first = &a[0];
        int failures = alloc_injector::for_each_failure([&] { return a.reserve(3000) == 1; },
                                                        [&] {
                                                            // Some prefix of the blocks exists; the
                                                            // elements are untouched.
                                                            EXPECT_GE(a.block_count(), 1);
                                                            EXPECT_LE(a.block_count(), 10);
                                                            EXPECT_EQ(a.size(), 3);
                                                            EXPECT_EQ(&a[0], first);
                                                            EXPECT_EQ(a[2], 3);
                                                        });
        EXPECT_GT(failures, 0);
        EXPECT_EQ(a.block_count(), 10);

        utStringcoVariableArr s{"x"};
        alloc_injector::for_each_failure(
            [&] {
                try {
                    s[5000] = "far";
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] {
                EXPECT_EQ(s.size(), 1);
                EXPECT_STREQ(s[0], "x");
            });
        EXPECT_EQ(s.size(), 5001);

        intcoVariableArr copy;
        alloc_injector::for_each_failure(
            [&] {
                try {
                    copy.become(utCOPY, a);
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] { EXPECT_TRUE(copy.size() == 0 || copy.size() == 3); });
        EXPECT_EQ(copy.size(), 3);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}
