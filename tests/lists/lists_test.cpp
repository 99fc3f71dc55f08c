// What the singly, doubly and paged linked lists have in common.
#include "lists/list_model.h"
#include "support/values.h"

namespace {
using namespace colib_test;

template <class L> auto clear_list(L &l) -> decltype(l.clear()) {
    l.clear();
}
template <class L> auto clear_list(L &l) -> decltype(l.clear(1)) {
    l.clear(1);
}

template <class L> class LinkedLists : public ::testing::Test {};
using Lists = ::testing::Types<intcoSListB, doublecoSListB, utStringcoSListB, intcoDListB,
                               doublecoDListB, utStringcoDListB, intcoPageDList, doublecoPageDList>;
TYPED_TEST_SUITE(LinkedLists, Lists, );

TYPED_TEST(LinkedLists, EndOperationsCopiesAndBecome) {
    using T = typename TypeParam::value_type;
    TypeParam l;
    EXPECT_EQ(walk(l), values<T>({}));
    EXPECT_EQ(l.insert_last(value<T>(2)), 1);
    EXPECT_EQ(l.insert_first(value<T>(1)), 1);
    EXPECT_EQ(l.insert_last(value<T>(3)), 1);
    EXPECT_EQ(walk(l), values<T>({1, 2, 3}));

    TypeParam c(utCOPY, l);
    l.remove_first();
    l.remove_last();
    EXPECT_EQ(walk(l), values<T>({2}));
    EXPECT_EQ(walk(c), values<T>({1, 2, 3}));
    c.become(utCOPY, c);
    EXPECT_EQ(walk(c), values<T>({1, 2, 3}));
    l.become(utCOPY, c);
    l.insert_last(value<T>(4));
    EXPECT_EQ(walk(l), values<T>({1, 2, 3, 4}));
    EXPECT_EQ(walk(c), values<T>({1, 2, 3}));
    TypeParam a;
    a = c;
    clear_list(c);
    EXPECT_EQ(walk(c), values<T>({}));
    EXPECT_EQ(walk(a), values<T>({1, 2, 3}));
    l.remove_last();
    l.remove_last();
    l.remove_first();
    l.remove_first();
    EXPECT_EQ(walk(l), values<T>({}));
    l.insert_first(value<T>(5)); // into a list emptied from both ends
    EXPECT_EQ(walk(l), values<T>({5}));
}

TEST(LinkedLists, RandomModelSList) {
    run_list_model<SListModel>(11, 6000);
}
TEST(LinkedLists, RandomModelDList) {
    run_list_model<DListModel>(7, 20000);
}
TEST(LinkedLists, RandomModelPageDList) {
    run_list_model<PageDListModel>(11, 20000);
}

} // namespace
