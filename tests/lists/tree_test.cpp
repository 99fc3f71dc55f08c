#include "lists/tree_shape.h"
#include "support/values.h"

#include <vector>

namespace {
using colib_test::shape;
using colib_test::Span;

TEST(Tree, PlacesAndAdoptsByTheObjectsAnswers) {
    coTree root;
    EXPECT_EQ(root.children(), nullptr);
    EXPECT_EQ(root.root(), 1);
    EXPECT_EQ(root.object(), nullptr);

    Span a("a", 0, 100), b("b", 10, 20), c("c", 30, 40), d("d", 12, 15);
    root.add(&a);
    root.add(&b); // a claims b
    EXPECT_EQ(shape(&root), "root(a(b))");
    root.add(&d);
    root.add(&c);
    EXPECT_EQ(shape(&root), "root(a(b(d) c))");

    // B then A where A claims B: B moves under A.
    coTree r2;
    Span x("x", 0, 10), y("y", 2, 3), z("z", 20, 30);
    r2.add(&y);
    r2.add(&z);
    EXPECT_EQ(shape(&r2), "root(y z)");
    r2.add(&x);
    EXPECT_EQ(shape(&r2), "root(z x(y))");

    // An object that several root children claim goes under the first.
    coTree r3;
    Span p("p", 0, 10), q("q", 0, 10), inner("i", 2, 3);
    r3.add(&p);
    r3.add(&q);
    r3.add(&inner);
    EXPECT_EQ(shape(&r3), "root(p(i) q)");
}

TEST(Tree, SiblingOrder) {
    coTree root;
    Span a("a", 50, 60, true), b("b", 10, 20, true), c("c", 30, 40, true), d("d", 70, 80, true);
    root.add(&a);
    root.add(&b);
    root.add(&c);
    root.add(&d);
    EXPECT_EQ(shape(&root), "root(b c a d)");

    // Adopted children keep their order under the new node, even when the
    // sibling order would now put them the other way round.
    coTree r2;
    Span p("p", 5, 6), q("q", 2, 3), x("x", 0, 10);
    r2.add(&p);
    r2.add(&q);
    p.ordered = q.ordered = true;
    r2.add(&x);
    EXPECT_EQ(shape(&r2), "root(x(p q))");
    // A node whose children were all adopted keeps an empty list.
    coTree r3;
    Span y("y", 2, 3), w("w", 0, 100), v("v", 1, 50);
    r3.add(&w);
    r3.add(&y);
    r3.add(&v);
    EXPECT_EQ(shape(&r3), "root(w(v(y)))");
    coTree *wn = *r3.children()->begin();
    ASSERT_NE(wn->children(), nullptr);
    coTree *vn = *wn->children()->begin();
    EXPECT_EQ(vn->object(), &v);
    EXPECT_EQ((*vn->children()->begin())->object(), &y);
}

// A chain: every object claims the deeper ones.
struct Level : coTreeObj {
    explicit Level(int d) : depth(d) {}
    int is_ancestor(const coTreeObj *o) const override {
        return static_cast<const Level *>(o)->depth > depth;
    }
    int depth;
};

TEST(Tree, AMillionLevelsWithoutRecursion) {
    const int n = 1000000;
    std::vector<Level> levels;
    levels.reserve(n + 1);
    for (int d = 0; d <= n; ++d)
        levels.emplace_back(d);
    {
        coTree root;
        // Deepest first: each new object adopts the previous top.
        for (int d = n - 1; d >= 0; --d)
            root.add(&levels[d]);
        // The deepest of all walks the whole chain down.
        root.add(&levels[n]);
        const coTree *node = &root;
        int depth = 0;
        while (node->children() && node->children()->size() == 1) {
            node = *node->children()->begin();
            ASSERT_EQ(static_cast<Level *>(node->object())->depth, depth);
            ++depth;
        }
        EXPECT_EQ(depth, n + 1);
    }
    EXPECT_EQ(levels[n].depth, n);
}

TEST(TreeDeath, AddOnANodeThatIsNotARoot) {
    coTree root;
    Span a("a", 0, 10), b("b", 1, 2);
    root.add(&a);
    coTree *child = *root.children()->begin();
    colib_test::expect_deaths("coTree", {{[&] { child->add(&b); }, "::add: not a root"}});
}

} // namespace
