// What every set and table offers a C++ programmer: range-for on const and
// non-const containers, read-only walkers and accessors on const ones, and
// O(1) noexcept moves that leave the source empty and usable.
#include <colib/hashing/pointer_set.h>
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <type_traits>
#include <utility>

namespace {

template <class C> using Deref = decltype(*std::declval<C &>().begin());

// Walkers and accessors of a set hand out const references only.
template <class S, class It> constexpr bool set_is_read_only() {
    using T = typename S::value_type;
    static_assert(std::is_same_v<Deref<S>, const T &>);
    static_assert(std::is_same_v<Deref<const S>, const T &>);
    static_assert(std::is_same_v<decltype(std::declval<const It &>()()), const T &>);
    static_assert(
        std::is_same_v<decltype(std::declval<const S &>().find(std::declval<T>())), const T &>);
    static_assert(std::is_same_v<decltype(std::declval<S &>().add(std::declval<T>())), const T &>);
    static_assert(std::is_nothrow_move_constructible_v<S> && std::is_nothrow_move_assignable_v<S>);
    return true;
}
static_assert(set_is_read_only<intcoSet, intcoSetcoIterator>());
static_assert(set_is_read_only<doublecoSet, doublecoSetcoIterator>());
static_assert(set_is_read_only<utStringcoSet, utStringcoSetcoIterator>());
static_assert(set_is_read_only<coPointerSetPtrcoSet, coPointerSetPtrcoSetcoIterator>());
static_assert(set_is_read_only<intintcoTablePcoSet, intintcoTablePcoSetcoIterator>());
static_assert(
    set_is_read_only<utStringutStringcoTablePcoSet, utStringutStringcoTablePcoSetcoIterator>());

// A table's walkers and read give const references; only operator[] writes.
template <class Tb, class It2> constexpr bool table_is_read_only() {
    using K = typename Tb::key_type;
    using V = typename Tb::mapped_type;
    using P = typename Tb::pair_type;
    static_assert(std::is_same_v<Deref<Tb>, const P &>);
    static_assert(std::is_same_v<Deref<const Tb>, const P &>);
    static_assert(
        std::is_same_v<decltype(std::declval<const Tb &>().read(std::declval<K>())), const V &>);
    static_assert(std::is_same_v<decltype(std::declval<Tb &>()[std::declval<K>()]), V &>);
    if constexpr (!std::is_void_v<It2>) {
        static_assert(std::is_same_v<decltype(std::declval<const It2 &>()()), const V &>);
        static_assert(std::is_same_v<decltype(std::declval<const It2 &>().index()), const K &>);
    }
    static_assert(std::is_same_v<decltype(std::declval<const P &>().get_obj()), const V &>);
    static_assert(std::is_same_v<decltype(std::declval<const P &>().template get<1>()), const V &>);
    static_assert(std::is_nothrow_move_constructible_v<Tb> &&
                  std::is_nothrow_move_assignable_v<Tb>);
    return true;
}
static_assert(table_is_read_only<intintcoTable, intintcoTablecoIterator2>());
static_assert(table_is_read_only<intdoublecoTable, doubleintcoTablecoIterator2>());
static_assert(table_is_read_only<intutStringcoTable, utStringintcoTablecoIterator2>());
static_assert(table_is_read_only<utStringintcoTable, intutStringcoTablecoIterator2>());
static_assert(table_is_read_only<utStringdoublecoTable, doubleutStringcoTablecoIterator2>());
static_assert(table_is_read_only<utStringutStringcoTable, utStringutStringcoTablecoIterator2>());
static_assert(table_is_read_only<utStringcoResourceKeyPtrcoTable, void>());
static_assert(std::is_nothrow_move_constructible_v<voidcoPointerSet> &&
              std::is_nothrow_move_assignable_v<voidcoPointerSet>);

template <class S> class SetProtocol : public ::testing::Test {};
using Sets = ::testing::Types<intcoSet, doublecoSet, utStringcoSet>;
TYPED_TEST_SUITE(SetProtocol, Sets, );

// A move hands the table over and leaves an empty set that still works.
TYPED_TEST(SetProtocol, MovesEmptyTheSource) {
    using S = TypeParam;
    using T = typename S::value_type;
    S s(1, 75);
    for (int i = 0; i < 40; ++i)
        s.add(colib_test::value<T>(i * 3));
    int bits = s.bits();
    const T *first = &*s.begin();
    S moved(std::move(s));
    EXPECT_EQ(&*moved.begin(), first); // the table itself changed hands
    EXPECT_EQ(moved.size(), 40);
    EXPECT_EQ(moved.bits(), bits);
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.hash(), 0u);
    EXPECT_EQ(s.bits(), 1); // back to its initial geometry
    EXPECT_TRUE(s.begin() == s.end());
    s.add(colib_test::value<T>(5));
    EXPECT_EQ(s.member(colib_test::value<T>(5)), 1);

    S target(4, 50);
    target.add(colib_test::value<T>(99));
    target = std::move(moved);
    EXPECT_EQ(target.size(), 40);
    EXPECT_EQ(target.member(colib_test::value<T>(39 * 3)), 1);
    EXPECT_EQ(moved.size(), 0);
    moved.add(colib_test::value<T>(1));
    EXPECT_EQ(moved.size(), 1);
}

TEST(TableProtocol, MovesAndPointerSetMoves) {
    utStringintcoTable t;
    ++t["a"];
    ++t["b"];
    const int *a = &t.read("a");
    utStringintcoTable u(std::move(t));
    EXPECT_EQ(&u.read("a"), a);
    EXPECT_EQ(t.size(), 0);
    ++t["c"];
    EXPECT_EQ(t.read("c"), 1);
    t = std::move(u);
    EXPECT_EQ(t.size(), 2);
    EXPECT_EQ(u.size(), 0);

    int x = 0, y = 0;
    voidcoPointerSet p{&x, &y};
    voidcoPointerSet q(std::move(p));
    EXPECT_EQ(q.size(), 2);
    EXPECT_EQ(p.size(), 0);
    p.add(&x);
    EXPECT_EQ(p.member(&x), 1);
    int seen = 0;
    for (coPointerSetObject *e : q)
        seen += e != nullptr;
    EXPECT_EQ(seen, 2);
}

} // namespace
