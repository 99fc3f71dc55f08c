// Allocation failure in the singly linked lists: an insertion whose link
// cannot be had returns 0 and leaves the list and the cursor unchanged; the
// copying operations throw with the list unchanged; nothing leaks.
#include <colib/lists/slist.h>
#include <colib/lists/stack_queue.h>
#include <gtest/gtest.h>

#include <vector>

#include "alloc/alloc_injector.h"

namespace {
using alloc_injector::Scope;

std::vector<int> elems(const intcoSListB &l) {
    std::vector<int> v;
    for (auto *p = l.head_link()->next(); p != l.head_link(); p = p->next())
        v.push_back(p->read());
    return v;
}

TEST(ListsAlloc, InsertionsReportZeroAndChangeNothing) {
    long before = alloc_injector::live();
    {
        intcoSList l{1, 2, 3};
        l += 2; // on 2, before on 1
        auto *current = l.current_link();
        auto *pred = l.before_link();
        using Op = int (*)(intcoSList &);
        for (Op op : {+[](intcoSList &x) { return x.insert_after(7); },
                      +[](intcoSList &x) { return x.insert_before(7); },
                      +[](intcoSList &x) { return x.insert_first(7); },
                      +[](intcoSList &x) { return x.insert_last(7); },
                      +[](intcoSList &x) { return x.intcoSListB::insert_first(7); }}) {
            Scope fail(1);
            EXPECT_EQ(op(l), 0);
            EXPECT_TRUE(fail.failed());
            EXPECT_EQ(elems(l), (std::vector<int>{1, 2, 3}));
            EXPECT_EQ(l.size(), 3);
            EXPECT_EQ(l.current_link(), current);
            EXPECT_EQ(l.before_link(), pred);
        }
        l.reset();
        {
            Scope fail(1);
            EXPECT_EQ(l.insert_before(7), 0);
            EXPECT_EQ(l.insert_after(7), 1);
        }
        EXPECT_EQ(l.undefined(), 1);
        EXPECT_EQ(elems(l), (std::vector<int>{7, 1, 2, 3}));

        intcoStack s;
        intcoQueue q;
        {
            Scope fail(1);
            EXPECT_EQ(s.push(1), 0);
        }
        {
            Scope fail(1);
            EXPECT_EQ(q.append(1), 0);
        }
        EXPECT_EQ(s.size() + q.size(), 0);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}

TEST(ListsAlloc, CopiesThrowWithTheListUnchanged) {
    long before = alloc_injector::live();
    {
        utStringcoSListB src{"a", "b", "c"};
        utStringcoSListB l{"x"};
        int runs = alloc_injector::for_each_failure(
            [&] {
                try {
                    l.become(utCOPY, src);
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] {
                EXPECT_EQ(l.size(), 1);
                EXPECT_EQ(l.first_item(), utString("x"));
            });
        EXPECT_EQ(runs, 3);
        EXPECT_EQ(l.size(), 3);
        alloc_injector::for_each_failure(
            [&] {
                try {
                    intcoSList a{1, 2, 3};
                    intcoStack b{1, 2};
                    intcoSList c(a);
                    return c.size() == 3 && b.size() == 2;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [] {});
    }
    EXPECT_EQ(alloc_injector::live(), before);
}
} // namespace
