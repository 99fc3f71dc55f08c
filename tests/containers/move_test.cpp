// Moving an owning container takes its storage in O(1), never throws, and
// leaves the source empty and ready for reuse.
#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>
#include <colib/arrays/fixed_arr.h>
#include <colib/arrays/fixed_arr2d.h>
#include <colib/arrays/stack_fast.h>
#include <colib/arrays/variable_arr.h>
#include <colib/foundation/prf.h>
#include <colib/lists/dlist.h>
#include <colib/lists/page_dlist.h>
#include <colib/lists/slist.h>
#include <colib/lists/sorted_list.h>
#include <colib/lists/stack_queue.h>
#include <colib/lists/tree.h>
#include <colib/paged/page_arr.h>

#include <type_traits>
#include <utility>
#include <vector>

#include "support/values.h"

namespace {

using colib_test::elems;
using colib_test::value;

template <class C> constexpr bool moves_noexcept() {
    return std::is_nothrow_move_constructible_v<C> && std::is_nothrow_move_assignable_v<C>;
}
static_assert(moves_noexcept<intcoDynArr>());
static_assert(moves_noexcept<utStringcoStackFast>());
static_assert(moves_noexcept<intcoDynArr2D>());
static_assert(moves_noexcept<intcoDynArr3D>());
static_assert(moves_noexcept<utStringcoFixedArr>());
static_assert(moves_noexcept<intcoFixedArr2D>());
static_assert(moves_noexcept<utStringcoVariableArr>());
static_assert(moves_noexcept<utStringcoPageArr>());
static_assert(moves_noexcept<utStringcoSListB>());
static_assert(moves_noexcept<utStringcoSList>());
static_assert(moves_noexcept<utStringcoStack>());
static_assert(moves_noexcept<utStringcoQueue>());
static_assert(moves_noexcept<utStringcoDListB>());
static_assert(moves_noexcept<utStringcoDList>());
static_assert(moves_noexcept<doublecoPageDList>());
static_assert(moves_noexcept<utStringcoSortedList>());
static_assert(moves_noexcept<coTree>());
static_assert(moves_noexcept<doublecoFixedArrcoPrf>());

// How each family adds an element (to refill a moved-from source).
template <class C> void put(C &c, const typename C::value_type &x) {
    if constexpr (std::is_same_v<C, utStringcoStack> || std::is_same_v<C, intcoQueue>)
        c.push(x);
    else if constexpr (std::is_same_v<C, utStringcoSortedList>)
        c.add(x);
    else if constexpr (std::is_same_v<C, intcoSListB> || std::is_same_v<C, utStringcoDListB> ||
                       std::is_same_v<C, utStringcoSList> || std::is_same_v<C, intcoDList> ||
                       std::is_same_v<C, doublecoPageDList>)
        c.insert_last(x);
    else
        c.append(x);
}

template <class C> class Moves : public ::testing::Test {};
using Owning = ::testing::Types<utStringcoVariableArr, intcoPageArr, utStringcoPageArr, intcoSListB,
                                utStringcoSList, utStringcoStack, intcoQueue, utStringcoDListB,
                                intcoDList, doublecoPageDList, utStringcoSortedList>;
TYPED_TEST_SUITE(Moves, Owning, );

TYPED_TEST(Moves, TakeEverythingAndLeaveTheSourceReusable) {
    using C = TypeParam;
    using V = typename C::value_type;
    C src;
    for (int i = 0; i < 600; ++i)
        put(src, value<V>(i % 50));
    const std::vector<V> before = elems(src);
    const V *first = &*std::as_const(src).begin();

    C dst(std::move(src));
    EXPECT_EQ(elems(dst), before);
    EXPECT_EQ(&*std::as_const(dst).begin(), first); // taken, not copied
    EXPECT_TRUE(src.empty());
    EXPECT_EQ(src.begin(), src.end());

    put(src, value<V>(3)); // the source works on
    EXPECT_EQ(elems(src), std::vector<V>{value<V>(3)});

    C other;
    put(other, value<V>(7));
    other = std::move(dst); // its own element is released
    EXPECT_EQ(elems(other), before);
    EXPECT_TRUE(dst.empty());
    other = std::move(src);
    EXPECT_EQ(elems(other), std::vector<V>{value<V>(3)});
    auto &self = other;
    other = std::move(self);
    EXPECT_EQ(elems(other), std::vector<V>{value<V>(3)});
}

// Lists with their own cursor: the moved-to list's cursor starts undefined
// and the moved-from list's cursor works on its now empty list.
TEST(Moves, BuiltInCursorsFollowTheirOwnList) {
    intcoSList a{1, 2, 3};
    a += 2;
    intcoSList b(std::move(a));
    EXPECT_EQ(b.undefined(), 1);
    EXPECT_EQ(a.undefined(), 1);
    a.insert_last(9);
    EXPECT_EQ(++a, 1);
    EXPECT_EQ(a(), 9);
    EXPECT_EQ(++b, 1);
    EXPECT_EQ(b(), 1);

    intcoDList d{1, 2, 3};
    intcoDList e;
    e = std::move(d);
    EXPECT_EQ(e.forwards(), 1);
    EXPECT_EQ(e.read(), 1);
    EXPECT_EQ(e.index(), 0);
    EXPECT_EQ(d.size(), 0);
    d.insert_last(4);
    EXPECT_EQ(d.forwards(), 1);

    // The paged list keeps its cursor's place: it is the same slots.
    intcoPageDList p;
    for (int i = 0; i < 5; ++i)
        p.insert_last(i);
    EXPECT_EQ(p[3], 3);
    intcoPageDList q(std::move(p));
    EXPECT_EQ(q.read(), 3);
    EXPECT_EQ(q.slot_count(), 5);
    EXPECT_EQ(p.slot_count(), 0);
    EXPECT_EQ(p.undefined(), 1);
}

// Moving a paged array keeps its geometry on both sides.
TEST(Moves, PagedArraysKeepTheirGeometry) {
    intcoPageArr a(4, 2, 3);
    for (int i = 0; i < 100; ++i)
        a.append(i);
    int *element = &a[50];
    intcoPageArr b(std::move(a));
    EXPECT_EQ(&b[50], element);
    EXPECT_EQ(b.block_count(), 7);
    EXPECT_EQ(a.block_count(), 0);
    EXPECT_EQ(a.block_size(), 16);
    EXPECT_EQ(a.current_block_index(), -1);
    a[40] = 1; // grows again from nothing
    EXPECT_EQ(a.size(), 41);
    EXPECT_EQ(a.block_count(), 3);
}

// A moved tree's nodes name the new root as their parent; the old root is
// empty and takes new objects.
struct Span : coTreeObj {
    Span(int a, int b) : lo(a), hi(b) {}
    int is_ancestor(const coTreeObj *o) const override {
        auto s = static_cast<const Span *>(o);
        return lo <= s->lo && s->hi <= hi && (lo != s->lo || hi != s->hi);
    }
    int lo, hi;
};
TEST(Moves, TreesReparentTheirChildren) {
    Span a(0, 10), b(1, 2), c(20, 30);
    coTree root;
    root.add(&a);
    root.add(&b);
    coTree moved(std::move(root));
    EXPECT_EQ(root.children(), nullptr);
    ASSERT_NE(moved.children(), nullptr);
    coTree *child = *moved.begin();
    EXPECT_EQ(child->parent(), &moved);
    EXPECT_EQ(child->object(), &a);
    root.add(&c);
    moved = std::move(root); // a and b's nodes are freed here
    EXPECT_EQ((*moved.begin())->object(), &c);
    EXPECT_EQ((*moved.begin())->parent(), &moved);
    // A node inside a tree is its parent's to keep.
    coTree *node = *moved.begin();
    colib_test::expect_deaths(
        "coTree::move: ", {{[&] { coTree stolen(std::move(*node)); }, "only a root can be moved"}});
}

TEST(Moves, SharedHoldersHandOverTheirShare) {
    doublecoFixedArrcoPrf a(new doublecoFixedArr{1.5, 2.5});
    doublecoFixedArrcoPrf b(std::move(a));
    EXPECT_FALSE(a);
    EXPECT_EQ(b.use_count(), 1);
    EXPECT_EQ((*b)[1], 2.5);
}

// A dynamic array's iterator notices that its array was moved from.
TEST(Moves, StaleIteratorsOfTheSource) {
    intcoDynArr a{1, 2, 3};
    intcoDynArrcoIterator it(&a);
    EXPECT_EQ(it.stale(), 0);
    intcoDynArr b(std::move(a));
    EXPECT_EQ(it.stale(), 1);
    intcoDynArrcoIterator fresh(&a);
    EXPECT_EQ(fresh.stale(), 0);
    EXPECT_FALSE(fresh);
    a.append(4);
    EXPECT_EQ(fresh.stale(), 1);
    (void)b;
    colib_test::expect_deaths("intcoDynArrcoIterator::operator\\*: ",
                              {{[&] { (void)*it; }, "the array was reallocated or resized"}});
}

} // namespace
