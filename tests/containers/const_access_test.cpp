// What a const container hands out cannot be written through: walkers and
// const accessors give const references (checked at compile time), while
// the editing cursors and the non-const accessors still write.
#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>
#include <colib/arrays/fixed_arr.h>
#include <colib/arrays/fixed_arr2d.h>
#include <colib/arrays/stack_fast.h>
#include <colib/arrays/variable_arr.h>
#include <colib/lists/dlist.h>
#include <colib/lists/page_dlist.h>
#include <colib/lists/slist.h>
#include <colib/lists/sorted_list.h>
#include <colib/lists/stack_queue.h>
#include <colib/lists/tree.h>
#include <colib/paged/page_arr.h>

#include <type_traits>
#include <utility>

#include <gtest/gtest.h>

namespace {

template <class C> using const_elem = decltype(*std::declval<const C &>().begin());
template <class C> using elem = decltype(*std::declval<C &>().begin());
template <class W> using walked = decltype(std::declval<const W &>()());

// Range-for through a const container gives const references; through a
// plain one, references that write.
template <class C, class T> constexpr bool ranges() {
    return std::is_same_v<const_elem<C>, const T &> && std::is_same_v<elem<C>, T &>;
}
static_assert(ranges<intcoDynArr, int>());
static_assert(ranges<utStringcoStackFast, utString>());
static_assert(ranges<intcoDynArr2D, int>());
static_assert(ranges<doublecoDynArr3D, double>());
static_assert(ranges<intcoFixedArr, int>());
static_assert(ranges<intcoFixedArr2D, int>());
static_assert(ranges<intcoVariableArr, int>());
static_assert(ranges<intcoPageArr, int>());
static_assert(ranges<intcoSListB, int>());
static_assert(ranges<utStringcoSList, utString>());
static_assert(ranges<intcoStack, int>());
static_assert(ranges<intcoQueue, int>());
static_assert(ranges<intcoDListB, int>());
static_assert(ranges<intcoDList, int>());
static_assert(ranges<intcoPageDList, int>());
static_assert(ranges<coTree, coTree *>());
// The sorted list's order must hold: it never writes.
static_assert(std::is_same_v<elem<intcoSortedList>, const int &>);

// Read-only walkers, whichever container they were made from.
static_assert(std::is_same_v<walked<intcoSListBcoIterator>, const int &>);
static_assert(std::is_same_v<walked<intcoDListBcoIteratorB>, const int &>);
static_assert(std::is_same_v<walked<intcoDListBcoIterator>, const int &>);
static_assert(std::is_same_v<walked<intcoPageDListcoIterator>, const int &>);
static_assert(std::is_same_v<walked<intcoSortedListcoIterator>, const int &>);
static_assert(std::is_same_v<walked<intcoPageArrcoIterator>, const int &>);
static_assert(std::is_same_v<walked<intcoVariableArrcoIterator>, const int &>);
static_assert(
    std::is_same_v<decltype(*std::declval<const intcoDynArrcoIterator &>()), const int &>);

// Cursors edit, except through a const cursor or a const list that carries
// its own cursor.
template <class C> using cursor_elem = decltype(std::declval<C &>()());
static_assert(std::is_same_v<cursor_elem<intcoSListBcoCursor>, int &>);
static_assert(std::is_same_v<walked<intcoSListBcoCursor>, const int &>);
static_assert(std::is_same_v<cursor_elem<intcoDListBcoCursor>, int &>);
static_assert(std::is_same_v<walked<intcoDListBcoCursor>, const int &>);
static_assert(std::is_same_v<walked<intcoSList>, const int &>);
static_assert(std::is_same_v<walked<intcoDList>, const int &>);
static_assert(std::is_same_v<decltype(std::declval<const intcoDList &>().read()), const int &>);
static_assert(std::is_same_v<decltype(std::declval<intcoDList &>().read()), int &>);

// Const accessors.
template <class C> using const_top = decltype(std::declval<const C &>().top());
static_assert(std::is_same_v<const_top<intcoStack>, const int &>);
static_assert(std::is_same_v<decltype(std::declval<intcoStack &>().top()), int &>);
static_assert(std::is_same_v<const_top<intcoStackFast>, const int &>);
static_assert(std::is_same_v<decltype(std::declval<const intcoQueue &>().head()), const int &>);
static_assert(std::is_same_v<decltype(std::declval<const intcoQueue &>().tail()), const int &>);
static_assert(std::is_same_v<decltype(std::declval<intcoQueue &>().tail()), int &>);
static_assert(
    std::is_same_v<decltype(std::declval<const intcoSListB &>().first_item()), const int &>);
static_assert(
    std::is_same_v<decltype(std::declval<const intcoSListB &>().last_item()), const int &>);
static_assert(std::is_same_v<decltype(std::declval<const intcoPageArr &>()[0]), const int &>);
static_assert(std::is_same_v<decltype(std::declval<const intcoDynArr2D &>()(0, 0)), const int &>);
static_assert(std::is_same_v<decltype(std::declval<const intcoFixedArr2D &>()(0, 0)), const int &>);
static_assert(std::is_same_v<decltype(std::declval<const intcoVariableArr &>()[0]), const int &>);

// The writing paths still write to the element the walkers see.
TEST(ConstAccess, CursorsAndAccessorsWriteWhereWalkersRead) {
    intcoSListB l{1, 2, 3};
    intcoSListBcoCursor c(&l);
    ++c;
    c() = 10;
    intcoSListBcoIterator it(&l);
    ++it;
    EXPECT_EQ(it(), 10);
    EXPECT_EQ(&it(), &c());

    intcoQueue q{1, 2};
    q.head() = 5;
    q.tail() = 6;
    const intcoQueue &cq = q;
    EXPECT_EQ(cq.head(), 5);
    EXPECT_EQ(cq.tail(), 6);

    intcoDList d{1, 2};
    d.forwards();
    d.read() = 7;
    EXPECT_EQ(std::as_const(d)(), 7);
}

} // namespace
