// Allocation failure in the paged lists: an insertion that needs a block
// that cannot be had returns 0 and changes nothing; become throws with the
// list unchanged.
#include <colib/lists/page_dlist.h>
#include <gtest/gtest.h>

#include <vector>

#include "alloc/alloc_injector.h"

namespace {
using alloc_injector::Scope;

std::vector<int> contents(const intcoPageDList &l) {
    return std::vector<int>(l.begin(), l.end());
}

TEST(PageDListAlloc, InsertionNeedingABlockReportsZero) {
    long before = alloc_injector::live();
    {
        intcoPageDList l(1, 1, 1); // two links per block, a one-entry table
        {
            Scope fail(1);
            EXPECT_EQ(l.insert_last(7), 0);
        }
        EXPECT_EQ(l.size(), 0);
        EXPECT_EQ(l.slot_count(), 0);
        EXPECT_EQ(l.nodes().block_count(), 0);
        // Full: the next slot needs a block and a larger block table; each
        // allocation in turn fails.
        for (int (*op)(intcoPageDList &) :
             {+[](intcoPageDList &x) { return x.insert_last(5); },
              +[](intcoPageDList &x) { return x.insert_first(5); },
              +[](intcoPageDList &x) { return x.insert_after(5); },
              +[](intcoPageDList &x) { return x.insert_before(5); }}) {
            intcoPageDList f(1, 1, 1);
            f.insert_last(0);
            f.insert_last(1);
            f.set_index(1);
            int runs = alloc_injector::for_each_failure(
                [&] { return op(f) == 1; },
                [&] {
                    EXPECT_EQ(contents(f), (std::vector<int>{0, 1}));
                    EXPECT_EQ(f.slot_count(), 2);
                    EXPECT_EQ(f.free_count(), 0);
                    EXPECT_EQ(f.nodes().block_count(), 1);
                    EXPECT_EQ(f.index(), 1);
                });
            EXPECT_EQ(runs, 2);
            EXPECT_EQ(f.size(), 3);
        }
        l.insert_last(0);
        l.insert_last(1);
        // A freed slot needs no allocation at all.
        l.remove_last();
        {
            Scope fail(1);
            EXPECT_EQ(l.insert_last(5), 1);
            EXPECT_FALSE(fail.failed());
        }
    }
    EXPECT_EQ(alloc_injector::live(), before);
}

TEST(PageDListAlloc, BecomeThrowsAndLeavesTheListAsItWas) {
    long before = alloc_injector::live();
    {
        intcoPageDList src;
        for (int i = 0; i < 600; ++i)
            src.insert_last(i);
        intcoPageDList dst;
        dst.insert_last(-1);
        dst.forwards();
        int runs = alloc_injector::for_each_failure(
            [&] {
                try {
                    dst.become(utCOPY, src);
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] {
                EXPECT_EQ(contents(dst), std::vector<int>{-1});
                EXPECT_EQ(dst.read(), -1);
            });
        EXPECT_GE(runs, 1);
        EXPECT_EQ(dst.size(), 600);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}
} // namespace
