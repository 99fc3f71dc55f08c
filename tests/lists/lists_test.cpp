// The lists' driver over a few fixed streams, and what it leaves unsaid:
// the brace-list constructors, the tree's worked examples and one printout
// per layout.
#include "lists/lists_driver.h"
#include "support/values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
using colib_test::elems;
using colib_test::printed;
using V = std::vector<int>;

TEST(ListsModel, EveryMemberAgainstItsModel) {
    colib_test::run_seeds(colib_test::run_lists, 6, 1 << 16);
}

TEST(Lists, BraceLists) {
    intcoPageDList braces{7, 8, 9}; // the geometry, not elements
    EXPECT_EQ(braces.size(), 0);
    EXPECT_EQ(braces.nodes().block_shift(), 7);

    EXPECT_EQ(elems(intcoSortedList{3, 1, 2, 1}), (V{1, 1, 2, 3}));
    EXPECT_EQ(elems(intcoStack{1, 2, 3}), (V{3, 2, 1}));
    EXPECT_EQ(elems(intcoQueue{1, 2, 3}), (V{1, 2, 3}));
    EXPECT_EQ(elems(intcoSListB{4, 5}), (V{4, 5}));
    EXPECT_EQ(elems(intcoDList{4, 5}), (V{4, 5}));
}

// Spans claim the smaller spans they hold; without an order, a new child goes last.
struct Named : coTreeObj {
    std::string name;
    int lo, hi;
    Named(const char *n, int l, int h) : name(n), lo(l), hi(h) {}
    int is_ancestor(const coTreeObj *o) const override {
        auto *s = static_cast<const Named *>(o);
        return lo <= s->lo && s->hi <= hi && hi - lo > s->hi - s->lo;
    }
};
std::string shape(const coTree &t) {
    std::string s = t.object() ? static_cast<const Named *>(t.object())->name : "root";
    std::string kids;
    for (const coTree *c : t)
        kids += (kids.empty() ? "" : " ") + shape(*c);
    return kids.empty() ? s : s + "(" + kids + ")";
}

TEST(Lists, TreeWorkedExamples) {
    auto grown = [](std::initializer_list<Named *> objects) {
        coTree root;
        for (Named *o : objects)
            root.add(o);
        return shape(root);
    };
    Named a("a", 0, 100), b("b", 10, 20), c("c", 30, 40), d("d", 12, 15);
    EXPECT_EQ(grown({&a, &b, &d, &c}), "root(a(b(d) c))");
    Named x("x", 0, 10), y("y", 2, 3), z("z", 20, 30); // y moves under x
    EXPECT_EQ(grown({&y, &z, &x}), "root(z x(y))");
    Named p("p", 0, 10), q("q", 0, 10), i("i", 2, 3); // claimed by both: under the first
    EXPECT_EQ(grown({&p, &q, &i}), "root(p(i) q)");
}

TEST(Lists, Printouts) {
    EXPECT_EQ(printed(utStringcoSListB{"x", ""}), "{\n  size 2\n  x\n\n}\n");
    EXPECT_EQ(printed(charcoSList{'a'}), "coSList {\n  size 1\n  a\n}\n");
    EXPECT_EQ(printed(doublecoDList{2.5}), "coDList {\n  size 1\n  2.5\n}\n");
    doublecoPageDList p;
    p.insert_last(0.5);
    EXPECT_EQ(printed(p), "coPageDList {\n  size 1\n  0.5\n}\n");
    EXPECT_EQ(printed(p.link(0)), "0.5\n");
    EXPECT_EQ(printed(utStringcoSortedList{"b", "a"}), "coSortedList {\n  a\n  b\n}\n");
    EXPECT_EQ(printed(utStringcoStack{"s"}), "coStack\n{\n  size 1\n  s\n}\n");
    EXPECT_EQ(printed(doublecoQueue{1.5}), "coQueue \n{\n  size 1\n  1.5\n}\n");
}

} // namespace
