// Allocation failure in the paged arrays: expand, reserve and repaginate
// report 0, the others throw std::bad_alloc; the size and the elements stay
// as they were and nothing leaks.
#include <colib/paged/page_arr.h>
#include <colib/sorting/sort.h>
#include <gtest/gtest.h>

#include <vector>

#include "alloc/alloc_injector.h"

namespace {
using alloc_injector::Scope;

std::vector<int> elems(const intcoPageArr &a) {
    return std::vector<int>(a.begin(), a.end());
}

TEST(PagedAlloc, ExpandAndReserveReportZeroWithTheSizeUnchanged) {
    long before = alloc_injector::live();
    {
        intcoPageArr a(2, 1, 1);
        for (int i = 0; i < 3; ++i)
            a.append(i);
        auto kept = elems(a);
        // Every allocation that expand(40) makes can fail: the table growth
        // and each of the new blocks. Blocks made before a failure stay as
        // spare blocks, so each rerun gets further.
        int runs =
            alloc_injector::for_each_failure([&] { return a.expand(40) == 1; },
                                             [&] {
                                                 EXPECT_EQ(a.size(), 3);
                                                 EXPECT_EQ(elems(a), kept);
                                                 EXPECT_EQ(a.block_table().size(), a.block_count());
                                             });
        EXPECT_GE(runs, 3);
        EXPECT_EQ(a.size(), 40);
        a.clear(1);
        runs = alloc_injector::for_each_failure([&] { return a.reserve(9) == 1; },
                                                [&] { EXPECT_EQ(a.size(), 0); });
        EXPECT_GE(runs, 3);
        EXPECT_EQ(a.block_count(), 3);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}

TEST(PagedAlloc, ThrowingOperationsKeepSizeAndElements) {
    long before = alloc_injector::live();
    {
        utStringcoPageArr s(1, 1, 1);
        s.append("a");
        s.append("b");
        utString c("c");
        int runs = alloc_injector::for_each_failure(
            [&] {
                try {
                    s.append(c);
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] {
                EXPECT_EQ(s.size(), 2);
                EXPECT_EQ(s[1], utString("b"));
            });
        EXPECT_EQ(runs, 2);
        EXPECT_EQ(s[2], c);

        intcoPageArr a{1, 2, 3};
        {
            Scope fail(1);
            EXPECT_THROW(a[5000] = 1, std::bad_alloc);
        }
        EXPECT_EQ(elems(a), (std::vector<int>{1, 2, 3}));
        int buf[600] = {};
        {
            Scope fail(1);
            EXPECT_THROW(a.copyin(buf, 600, 0, 0), std::bad_alloc);
        }
        EXPECT_EQ(a.size(), 3);

        intcoPageArr src(1, 1, 1);
        for (int i = 0; i < 9; ++i)
            src.append(i * i);
        alloc_injector::for_each_failure(
            [&] {
                try {
                    a.become(utCOPY, src);
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] {
                EXPECT_EQ(elems(a), (std::vector<int>{1, 2, 3}));
                EXPECT_EQ(a.block_size(), 256);
            });
        EXPECT_EQ(elems(a), elems(src));

        intcoPageArr r;
        r[700] = 1;
        r.shrink(3, 0);
        r[0] = 4;
        r[1] = 5;
        r[2] = 6;
        runs =
            alloc_injector::for_each_failure([&] { return r.repaginate() == 764; },
                                             [&] {
                                                 EXPECT_EQ(r.block_count(), 3);
                                                 EXPECT_EQ(r.block_size(), 256);
                                                 EXPECT_EQ(elems(r), (std::vector<int>{4, 5, 6}));
                                             });
        EXPECT_EQ(runs, 2);
        EXPECT_EQ(r.block_size(), 4);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}
TEST(PagedAlloc, IndexSortWithoutScratchMemorySortsInPlace) {
    doublecoPageArr keys;
    for (int i = 0; i < 3000; ++i)
        keys.append(static_cast<double>((i * 7919) % 13));
    intcoPageArr expected, order;
    doublecoQuickSortIndex(keys, expected);
    order.reserve(3000);
    doublecoQuickSortIndex s;
    {
        // The first allocation is the pairs buffer; the paged arrays serve.
        Scope fail(1);
        s.sort_indices(keys, order);
        EXPECT_TRUE(fail.failed());
    }
    EXPECT_EQ(elems(order), elems(expected));
}
} // namespace
