// Allocation failure in the tree: add throws std::bad_alloc with every node,
// list and cursor as it was, and nothing leaks.
#include <colib/lists/tree.h>
#include <gtest/gtest.h>

#include <string>

#include "alloc/alloc_injector.h"

namespace {

struct Span : coTreeObj {
    Span(char n, int l, int h) : name(n), lo(l), hi(h) {}
    int is_ancestor(const coTreeObj *other) const override {
        auto *s = static_cast<const Span *>(other);
        return lo <= s->lo && s->hi <= hi && (lo != s->lo || hi != s->hi);
    }
    int is_older_sibling(const coTreeObj *other) const override {
        return lo < static_cast<const Span *>(other)->lo;
    }
    char name;
    int lo, hi;
};

// The shape, with "-" for a children list that exists but is empty.
std::string shape(const coTree *n) {
    std::string s(1, n->object() ? static_cast<Span *>(n->object())->name : 'R');
    if (n->children()) {
        EXPECT_TRUE(n->children()->undefined());
        s += "(";
        if (n->children()->size() == 0) s += "-";
        for (coTree *c : *n->children()) {
            EXPECT_EQ(c->parent(), n);
            s += shape(c);
        }
        s += ")";
    }
    return s;
}

TEST(TreeAlloc, AddThrowsAndLeavesTheTreeUnchanged) {
    long before = alloc_injector::live();
    {
        coTree root;
        Span a('a', 10, 20), b('b', 30, 40), c('c', 50, 60), d('d', 70, 80);
        Span ab('x', 0, 45), in_a('i', 12, 13), leaf('l', 14, 15);
        Span *order[] = {&a, &d, &b, &in_a, &c, &ab, &leaf};
        for (Span *o : order) {
            std::string was = shape(&root);
            int runs = alloc_injector::for_each_failure(
                [&] {
                    try {
                        root.add(o);
                        return true;
                    } catch (const std::bad_alloc &) {
                        return false;
                    }
                },
                [&] { EXPECT_EQ(shape(&root), was); });
            EXPECT_GE(runs, 2);
        }
        EXPECT_EQ(shape(&root), "R(x(a(il)b)cd)");
    }
    EXPECT_EQ(alloc_injector::live(), before);
}
} // namespace
