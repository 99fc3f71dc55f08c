// Allocation failure in the doubly linked lists: insertions report 0 with
// list and cursor unchanged; copies throw with the target unchanged.
#include <colib/lists/dlist.h>
#include <gtest/gtest.h>

#include <vector>

#include "alloc/alloc_injector.h"

namespace {
using alloc_injector::Scope;

// Made before any failure is planned.
const utString kN("n");

template <class L> std::vector<typename L::value_type> contents(const L &l) {
    return std::vector<typename L::value_type>(l.begin(), l.end());
}

TEST(DListAlloc, InsertionsReportZeroAndChangeNothing) {
    long before = alloc_injector::live();
    {
        utStringcoDList l{"a", "b", "c"};
        auto snapshot = contents(l);
        // Undefined, on the first, in the middle and on the last element.
        for (int at : {-1, 0, 1, 2}) {
            l.set_index(at);
            auto *current = l.current_link();
            using Op = int (*)(utStringcoDList &);
            for (Op op :
                 {+[](utStringcoDList &x) { return x.insert_after(kN); },
                  +[](utStringcoDList &x) { return x.insert_before(kN); },
                  +[](utStringcoDList &x) { return x.insert_first(kN); },
                  +[](utStringcoDList &x) { return x.insert_last(kN); },
                  +[](utStringcoDList &x) { return x.utStringcoDListB::insert_first(kN); }}) {
                Scope fail(1);
                EXPECT_EQ(op(l), 0);
                EXPECT_TRUE(fail.failed());
                EXPECT_EQ(contents(l), snapshot);
                EXPECT_EQ(l.index(), at);
                EXPECT_EQ(l.current_link(), current);
            }
        }
    }
    EXPECT_EQ(alloc_injector::live(), before);
}

TEST(DListAlloc, CopiesThrowAndLeaveTheTargetAsItWas) {
    long before = alloc_injector::live();
    {
        intcoDList src{1, 2, 3, 4};
        intcoDList dst{9, 8};
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
                EXPECT_EQ(contents(dst), (std::vector<int>{9, 8}));
                EXPECT_EQ(dst.read(), 9);
            });
        EXPECT_EQ(runs, 4);
        EXPECT_EQ(contents(dst), (std::vector<int>{1, 2, 3, 4}));
        alloc_injector::for_each_failure(
            [&] {
                try {
                    intcoDList copy(utCOPY, src);
                    utStringcoDList list{"p", "q"};
                    return copy.size() == 4;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [] {});
    }
    EXPECT_EQ(alloc_injector::live(), before);
}
} // namespace
