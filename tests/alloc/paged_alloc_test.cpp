// Allocation failure in the paged arrays: expand, reserve and repaginate
// report 0, the others throw std::bad_alloc; the size and the elements stay
// as they were and nothing leaks.
#include <colib/paged/page_arr.h>
#include <colib/sorting/sort.h>

#include "alloc/legacy.h"
#include "support/values.h"

#include <vector>

namespace {
using alloc_injector::for_each_failure;
using alloc_injector::for_each_throw;
using alloc_injector::Scope;
using colib_test::elems;
using PagedAlloc = alloc_injector::NoLeaks;

TEST_F(PagedAlloc, ExpandAndReserveReportZeroWithTheSizeUnchanged) {
    intcoPageArr a(2, 1, 1);
    for (int i = 0; i < 3; ++i)
        a.append(i);
    // Every allocation that expand(40) makes can fail: the table growth
    // and each of the new blocks. Blocks made before a failure stay as
    // spare blocks, so each rerun gets further.
    int runs = for_each_failure([&] { return a.expand(40) == 1; },
                                [&] {
                                    EXPECT_EQ(elems(a), (std::vector<int>{0, 1, 2}));
                                    EXPECT_EQ(a.block_table().size(), a.block_count());
                                });
    EXPECT_GE(runs, 3);
    EXPECT_EQ(a.size(), 40);
    a.clear(1);
    runs = for_each_failure([&] { return a.reserve(9) == 1; }, [&] { EXPECT_EQ(a.size(), 0); });
    EXPECT_GE(runs, 3);
    EXPECT_EQ(a.block_count(), 3);
}

TEST_F(PagedAlloc, ThrowingOperationsKeepSizeAndElements) {
    utStringcoPageArr s(1, 1, 1);
    s.append("a");
    s.append("b");
    utString c("c");
    EXPECT_EQ(for_each_throw([&] { s.append(c); },
                             [&] {
                                 EXPECT_EQ(elems(s), (std::vector<utString>{"a", "b"}));
                             }),
              2);
    EXPECT_EQ(s[2], c);
    // A copy constructor that fails part-way frees the blocks it made.
    EXPECT_GE(for_each_throw([&] { utStringcoPageArr copy(utCOPY, s); }, [] {}), 3);

    intcoPageArr a{1, 2, 3}, src(1, 1, 1);
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
    for (int i = 0; i < 9; ++i)
        src.append(i * i);
    for_each_throw([&] { a.become(utCOPY, src); },
                   [&] {
                       EXPECT_EQ(elems(a), (std::vector<int>{1, 2, 3}));
                       EXPECT_EQ(a.block_size(), 256);
                   });
    EXPECT_EQ(elems(a), elems(src));

    intcoPageArr r;
    r[700] = 1;
    r.shrink(3, 0);
    for (int i = 0; i < 3; ++i)
        r[i] = 4 + i;
    int runs = for_each_failure([&] { return r.repaginate() == 764; },
                                [&] {
                                    EXPECT_EQ(r.block_count() * 1000 + r.block_size(), 3256);
                                    EXPECT_EQ(elems(r), (std::vector<int>{4, 5, 6}));
                                });
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(r.block_size(), 4);
}

TEST_F(PagedAlloc, IndexSortWithoutScratchMemorySortsInPlace) {
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
