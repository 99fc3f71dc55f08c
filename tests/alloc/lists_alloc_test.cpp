// Allocation failure in the lists: an insertion whose link cannot be had
// returns 0 and leaves the list and its cursor unchanged; the copying
// operations, the sorted list's add and the tree's add throw with
// everything as it was; nothing leaks.
#include <colib/lists/sorted_list.h>
#include <colib/lists/stack_queue.h>

#include "alloc/legacy.h"
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
using namespace colib_test;
using ListsAlloc = alloc_injector::NoLeaks;

template <class M> class CursorListAlloc : public alloc_injector::NoLeaks {};
using Models = ::testing::Types<SListModel, DListModel, PageDListModel>;
TYPED_TEST_SUITE(CursorListAlloc, Models, );

// With the cursor undefined, on the first, a middle and the last element of
// a list whose paged storage is full, each allocation an insertion makes
// fails in turn: the insertion returns 0 and list and cursor stay as they
// were.
TYPED_TEST(CursorListAlloc, InsertionsReportZeroAndChangeNothing) {
    using M = TypeParam;
    using L = typename M::List;
    using Op = int (*)(L &);
    const Op ops[] = {
        [](L &l) { return l.insert_after(9); }, [](L &l) { return l.insert_before(9); },
        [](L &l) { return l.insert_first(9); }, [](L &l) { return l.insert_last(9); }};
    for (Op op : ops) {
        for (int at : {-1, 0, 3, 7}) {
            L l = M::make();
            for (int i = 0; i < 8; ++i)
                l.insert_last(i);
            l.reset();
            for (int i = 0; i <= at; ++i)
                M::forwards(l);
            auto state = [&] {
                int index = 0;
                if constexpr (M::doubly) index = l.index();
                return std::make_tuple(walk(l), l.undefined(), at < 0 ? -1 : M::read(l), index);
            };
            auto was = state();
            int runs = for_each_failure([&] { return op(l) == 1; },
                                        [&] {
                                            EXPECT_EQ(state(), was);
                                            M::check(l);
                                        });
            EXPECT_EQ(runs, (std::is_same_v<L, intcoPageDList> ? 2 : 1)); // a block and the table
            EXPECT_EQ(l.size(), 9);
        }
    }
}

TEST_F(ListsAlloc, OtherInsertionsReportZero) {
    intcoSList l{1, 2, 3};
    intcoDListB d;
    intcoStack s;
    intcoQueue q;
    intcoPageDList p;
    {
        Scope fail(1);
        EXPECT_EQ(l.intcoSListB::insert_first(7), 0);
    }
    {
        Scope fail(1);
        EXPECT_EQ(l.insert_before(7), 0); // undefined: would go last
        EXPECT_EQ(l.insert_after(7), 1);  // only the first allocation fails
    }
    EXPECT_EQ(walk(l), (std::vector<int>{7, 1, 2, 3}));
    {
        Scope fail(1);
        EXPECT_EQ(d.insert_first(1), 0);
    }
    {
        Scope fail(1);
        EXPECT_EQ(s.push(1), 0);
    }
    {
        Scope fail(1);
        EXPECT_EQ(q.append(1), 0);
    }
    {
        Scope fail(1);
        EXPECT_EQ(p.insert_last(7), 0);
    }
    EXPECT_EQ(d.size() + s.size() + q.size() + p.size() + p.slot_count(), 0);
    EXPECT_EQ(p.nodes().block_count(), 0);
    p.insert_last(0);
    p.remove_last();
    {
        Scope fail(1);
        EXPECT_EQ(p.insert_last(5), 1); // a freed slot needs no allocation at all
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
