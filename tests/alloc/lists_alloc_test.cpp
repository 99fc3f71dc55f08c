// Allocation failure in the lists: an insertion whose link cannot be had
// returns 0 and leaves the list and its cursor unchanged; the copying
// operations, the sorted list's add and the tree's add throw with
// everything as it was; nothing leaks.
#include <colib/lists/sorted_list.h>
#include <colib/lists/stack_queue.h>

#include "alloc/alloc_injector.h"
#include "lists/list_model.h"
#include "lists/tree_shape.h"

#include <string>

namespace {
using alloc_injector::for_each_failure;
using alloc_injector::for_each_throw;
using alloc_injector::Scope;
using colib_test::shape;
using colib_test::Span;
using colib_test::walk;
using ListsAlloc = alloc_injector::NoLeaks;

// Made before any failure is planned.
const utString kN("n");

TEST_F(ListsAlloc, SListInsertionsReportZeroAndChangeNothing) {
    intcoSList l{1, 2, 3};
    l += 2; // on 2, before on 1
    auto *current = l.current_link();
    auto *pred = l.before_link();
    for (int (*op)(intcoSList &) :
         {+[](intcoSList &x) { return x.insert_after(7); },
          +[](intcoSList &x) { return x.insert_before(7); },
          +[](intcoSList &x) { return x.insert_first(7); },
          +[](intcoSList &x) { return x.insert_last(7); },
          +[](intcoSList &x) { return x.intcoSListB::insert_first(7); }}) {
        Scope fail(1);
        EXPECT_EQ(op(l), 0);
        EXPECT_TRUE(fail.failed());
        EXPECT_EQ(walk(l), (std::vector<int>{1, 2, 3}));
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
    EXPECT_EQ(walk(l), (std::vector<int>{7, 1, 2, 3}));

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

TEST_F(ListsAlloc, DListInsertionsReportZeroAndChangeNothing) {
    utStringcoDList l{"a", "b", "c"};
    auto snapshot = walk(l);
    // Undefined, on the first, in the middle and on the last element.
    for (int at : {-1, 0, 1, 2}) {
        l.set_index(at);
        auto *current = l.current_link();
        using Op = int (*)(utStringcoDList &);
        for (Op op : {+[](utStringcoDList &x) { return x.insert_after(kN); },
                      +[](utStringcoDList &x) { return x.insert_before(kN); },
                      +[](utStringcoDList &x) { return x.insert_first(kN); },
                      +[](utStringcoDList &x) { return x.insert_last(kN); },
                      +[](utStringcoDList &x) { return x.utStringcoDListB::insert_first(kN); }}) {
            Scope fail(1);
            EXPECT_EQ(op(l), 0);
            EXPECT_TRUE(fail.failed());
            EXPECT_EQ(walk(l), snapshot);
            EXPECT_EQ(l.index(), at);
            EXPECT_EQ(l.current_link(), current);
        }
    }
}

TEST_F(ListsAlloc, PageDListInsertionNeedingABlockReportsZero) {
    intcoPageDList l(1, 1, 1); // two links per block, a one-entry table
    {
        Scope fail(1);
        EXPECT_EQ(l.insert_last(7), 0);
    }
    EXPECT_EQ(l.size() + l.slot_count() + l.nodes().block_count(), 0);
    // Full: the next slot needs a block and a larger block table; each
    // allocation in turn fails.
    for (int (*op)(intcoPageDList &) : {+[](intcoPageDList &x) { return x.insert_last(5); },
                                        +[](intcoPageDList &x) { return x.insert_first(5); },
                                        +[](intcoPageDList &x) { return x.insert_after(5); },
                                        +[](intcoPageDList &x) { return x.insert_before(5); }}) {
        intcoPageDList f(1, 1, 1);
        f.insert_last(0);
        f.insert_last(1);
        f.set_index(1);
        int runs = for_each_failure([&] { return op(f) == 1; },
                                    [&] {
                                        EXPECT_EQ(walk(f), (std::vector<int>{0, 1}));
                                        EXPECT_EQ(f.slot_count(), 2);
                                        EXPECT_EQ(f.nodes().block_count(), 1);
                                        EXPECT_EQ(f.index(), 1);
                                    });
        EXPECT_EQ(runs, 2);
        EXPECT_EQ(f.size(), 3);
    }
    l.insert_last(0);
    l.insert_last(1);
    l.remove_last();
    {
        Scope fail(1);
        EXPECT_EQ(l.insert_last(5), 1); // a freed slot needs no allocation at all
        EXPECT_FALSE(fail.failed());
    }
}

TEST_F(ListsAlloc, CopiesThrowAndLeaveTheTargetAsItWas) {
    utStringcoSListB src{"a", "b", "c"}, l{"x"};
    int runs = for_each_throw([&] { l.become(utCOPY, src); },
                              [&] { EXPECT_EQ(walk(l), std::vector<utString>{"x"}); });
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(l.size(), 3);

    intcoDList dsrc{1, 2, 3, 4}, dst{9, 8};
    dst.forwards();
    runs = for_each_throw([&] { dst.become(utCOPY, dsrc); },
                          [&] {
                              EXPECT_EQ(walk(dst), (std::vector<int>{9, 8}));
                              EXPECT_EQ(dst.read(), 9);
                          });
    EXPECT_EQ(runs, 4);
    EXPECT_EQ(walk(dst), (std::vector<int>{1, 2, 3, 4}));

    intcoPageDList psrc, pdst;
    for (int i = 0; i < 600; ++i)
        psrc.insert_last(i);
    pdst.insert_last(-1);
    pdst.forwards();
    runs = for_each_throw([&] { pdst.become(utCOPY, psrc); },
                          [&] {
                              EXPECT_EQ(walk(pdst), std::vector<int>{-1});
                              EXPECT_EQ(pdst.read(), -1);
                          });
    EXPECT_GE(runs, 1);
    EXPECT_EQ(pdst.size(), 600);

    for_each_throw(
        [&] {
            intcoSList a{1, 2, 3};
            intcoSList c(a);
            intcoStack b{1, 2};
            intcoDList d(utCOPY, dsrc);
            utStringcoDList e{"p", "q"};
        },
        [] {});
}

TEST_F(ListsAlloc, SortedListAddThrowsAndChangesNothing) {
    utStringcoSortedList l{"b", "a"};
    std::vector<utString> snapshot(l.begin(), l.end());
    int runs =
        for_each_throw([&] { l.add("a"); },
                       [&] { EXPECT_EQ(std::vector<utString>(l.begin(), l.end()), snapshot); });
    EXPECT_GE(runs, 1);
    EXPECT_EQ(l.size(), 3);
}

TEST_F(ListsAlloc, TreeAddThrowsAndLeavesTheTreeUnchanged) {
    coTree root;
    Span a("a", 10, 20, true), b("b", 30, 40, true), c("c", 50, 60, true), d("d", 70, 80, true),
        ab("x", 0, 45, true), in_a("i", 12, 13, true), leaf("l", 14, 15, true);
    for (Span *o : {&a, &d, &b, &in_a, &c, &ab, &leaf}) {
        std::string was = shape(&root);
        int runs = for_each_throw([&] { root.add(o); }, [&] { EXPECT_EQ(shape(&root), was); });
        EXPECT_GE(runs, 2);
    }
    EXPECT_EQ(shape(&root), "root(x(a(i l) b) c d)");
}

} // namespace
