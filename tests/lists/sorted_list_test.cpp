#include <colib/lists/sorted_list.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <cmath>
#include <string>
#include <vector>

namespace {
using colib_test::printed;

template <class L> std::vector<typename L::value_type> walk(const L &l) {
    std::vector<typename L::value_type> v;
    typename L::value_type const *prev = nullptr;
    for (const auto &x : l) {
        if (prev) {
            EXPECT_FALSE(typename L::set_type::key_compare()(x, *prev));
        }
        v.push_back(x);
        prev = &x;
    }
    return v;
}

TEST(SortedList, OrderLookupAndRemoval) {
    intcoSortedList l{3, 1, 2, 1};
    EXPECT_EQ(walk(l), (std::vector<int>{1, 1, 2, 3}));
    EXPECT_EQ(l.size(), 4);
    EXPECT_EQ(l.member(2), 1);
    EXPECT_EQ(l.member(4), 0);
    EXPECT_TRUE(l.find(4).undefined());

    // find stands on the first of the equal elements, in the order added.
    intcoSortedListcoCursor c = l.find(1);
    EXPECT_EQ(c.position(), l.begin());
    EXPECT_EQ(++c, 1);
    EXPECT_EQ(c(), 1);
    EXPECT_EQ(c.position(), std::next(l.begin()));
    const intcoSortedList &cl = l;
    intcoSortedListcoIterator it = cl.find(2);
    EXPECT_EQ(it(), 2);

    // The cursor's remove moves to the successor, or undefined at the end.
    c.remove();
    EXPECT_EQ(c(), 2);
    EXPECT_EQ(walk(l), (std::vector<int>{1, 2, 3}));
    ++c;
    c.remove();
    EXPECT_TRUE(c.undefined());
    EXPECT_EQ(walk(l), (std::vector<int>{1, 2}));

    intcoSortedList m{1, 2, 2};
    EXPECT_EQ(m.remove_last(), 2);
    EXPECT_EQ(walk(m), (std::vector<int>{1, 2}));
    EXPECT_EQ(m.remove_first(), 1);
    EXPECT_EQ(walk(m), std::vector<int>{2});
    m.clear();
    EXPECT_EQ(m.empty(), 1);
}

TEST(SortedList, EqualElementsKeepTheOrderAdded) {
    // Doubles equal in order but told apart by sign: -0.0 and 0.0.
    doublecoSortedList l{0.0, -0.0, 0.0};
    std::vector<double> v = walk(l);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_FALSE(std::signbit(v[0]));
    EXPECT_TRUE(std::signbit(v[1]));
    EXPECT_FALSE(std::signbit(v[2]));
    // remove_last takes the last added of the equal largest ones.
    EXPECT_FALSE(std::signbit(l.remove_last()));
    EXPECT_TRUE(std::signbit(l.remove_last()));
    EXPECT_FALSE(std::signbit(l.find(-0.0)()));
}

TEST(SortedList, WalkingBothWays) {
    intcoSortedList e;
    intcoSortedListcoIterator w(&e);
    EXPECT_EQ(++w, 0);
    EXPECT_TRUE(w.undefined());
    EXPECT_EQ(--w, 0);
    EXPECT_TRUE(w.undefined());

    intcoSortedList l{5, 7, 6};
    intcoSortedListcoIterator it(&l);
    EXPECT_EQ(--it, 1);
    EXPECT_EQ(it(), 7);
    EXPECT_EQ(--it, 1);
    EXPECT_EQ(--it, 1);
    EXPECT_EQ(it(), 5);
    EXPECT_EQ(--it, 0);
    EXPECT_TRUE(it.undefined());
    EXPECT_EQ(++it, 1);
    EXPECT_EQ(it(), 5);
    EXPECT_EQ(++it, 1);
    EXPECT_EQ(++it, 1);
    EXPECT_EQ(it(), 7);
    EXPECT_EQ(++it, 0);
    it.reset();
    EXPECT_TRUE(it.undefined());
}

TEST(SortedList, StringOrderAndPrinting) {
    utStringcoSortedList l;
    l.add("b");
    l.add("ab");
    l.add("");
    l.add(utString());
    l.add("B");
    l.add("a");
    l.add("\xff");
    std::vector<std::string> v;
    for (const utString &x : walk(l))
        v.push_back(x.invalid() ? "(no text)" : std::string(x));
    EXPECT_EQ(v, (std::vector<std::string>{"(no text)", "", "B", "a", "ab", "b", "\xff"}));

    EXPECT_EQ(printed(intcoSortedList{2, 1}), "coSortedList {\n  1\n  2\n}\n");
    EXPECT_EQ(printed(intcoSortedList()), "coSortedList {\n}\n");
    EXPECT_EQ(printed(doublecoSortedList{0.5}), "coSortedList {\n  0.5\n}\n");
}

TEST(SortedListDeath, OutOfContractUseAborts) {
    intcoSortedList e;
    intcoSortedListcoCursor c(&e);
    intcoSortedListcoIterator it(&e);
    colib_test::expect_deaths("intcoSortedList",
                              {{[&] { e.remove_first(); }, "::remove_first: empty list"},
                               {[&] { c.remove(); }, "coCursor::remove: undefined cursor"},
                               {[&] { it(); }, "coIterator::operator\\(\\): undefined walker"}});
}

} // namespace
