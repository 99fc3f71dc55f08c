#include <gtest/gtest.h>

#include "arrays/grid.h"
#include "support/values.h"

namespace {
using namespace colib_test;

template <class A> class DynGrids : public ::testing::Test {};
using Members = ::testing::Types<charcoDynArr, intcoDynArr, floatcoDynArr, doublecoDynArr,
                                 utBoolcoDynArr, utAnycoDynArr, utStringcoDynArr, charcoDynArr2D,
                                 intcoDynArr2D, floatcoDynArr2D, doublecoDynArr2D, utAnycoDynArr2D,
                                 utStringcoDynArr2D, charcoDynArr3D, intcoDynArr3D,
                                 doublecoDynArr3D, utAnycoDynArr3D, utStringcoDynArr3D>;
TYPED_TEST_SUITE(DynGrids, Members, );

// Writes value(code(x)) to every element x below the sizes.
template <class A> void fill(A &a) {
    for_each_index(sizes(a), [&](auto x) { at(a, x) = value<typename A::value_type>(code(x)); });
}
template <class A> void expect_filled(const A &a, const Index<A> &n) {
    for_each_index(
        n, [&](auto x) { EXPECT_EQ(at(a, x), value<typename A::value_type>(code(x))) << code(x); });
}

TYPED_TEST(DynGrids, GrowsEachDimensionByWholeStepsMovingEveryElement) {
    using A = TypeParam;
    using T = typename A::value_type;
    A a;
    EXPECT_EQ(storage(a), nullptr);
    at(a, ix<A>(2, 5, 3)) = value<T>(7);
    EXPECT_EQ(caps(a), ix<A>(3, 6, 4));
    EXPECT_EQ(sizes(a), ix<A>(3, 6, 4));
    EXPECT_EQ(at(std::as_const(a), ix<A>(2, 5, 3)), value<T>(7));

    // Growth in one dimension at a time: the first moves the block in one
    // piece, the others (row by row, plane by plane) every row to its place.
    A b = make<A>(all<A>(4), ix<A>(2, 3, 5));
    expand(b, all<A>(4));
    fill(b);
    const Index<A> far[] = {ix<A>(5, 1, 1), ix<A>(0, 9, 0), ix<A>(0, 0, 11)};
    const Index<A> grown[] = {ix<A>(6, 4, 4), ix<A>(6, 10, 4), ix<A>(6, 10, 14)};
    for (int d = 0; d < rank<A>; ++d) {
        at(b, far[d]) = value<T>(1000 + d);
        EXPECT_EQ(caps(b), grown[d]);
        expect_filled(b, all<A>(4));
        for (int e = 0; e <= d; ++e)
            EXPECT_EQ(at(b, far[e]), value<T>(1000 + e));
    }
    EXPECT_EQ(steps(b), ix<A>(2, 3, 5));

    auto p = make<GridProbe<A>>(all<A>(2), all<A>(5));
    EXPECT_EQ(p.grow(ix<A>(2, 1, 1)), 1);
    EXPECT_EQ(caps(p), ix<A>(7, 2, 2));
    EXPECT_EQ(sizes(p), all<A>(0));
    if constexpr (rank < A >> 1) {
        EXPECT_TRUE(GridProbe<A>::made_and_released(ix<A>(3, 4, 2)));
        EXPECT_FALSE(GridProbe<A>::made_and_released(ix<A>(3, 0, 2)));
    }
}

TYPED_TEST(DynGrids, StorageStaysUnlessItMustChange) {
    using A = TypeParam;
    A s = make<A>(all<A>(4), all<A>(1));
    expand(s, all<A>(4));
    fill(s);
    const void *block = storage(s);
    expand(s, all<A>(2));
    EXPECT_EQ(reserve(s, all<A>(4)), 1);
    EXPECT_EQ(shrink(s, all<A>(9), 1), 1); // nothing below the capacities
    EXPECT_EQ(shrink(s, ix<A>(3, 2, 1), 0), 1);
    EXPECT_EQ(sizes(s), ix<A>(3, 2, 1));
    EXPECT_EQ(caps(s), all<A>(4));
    EXPECT_EQ(storage(s), block);
    expand(s, all<A>(4)); // slots brought back keep their contents
    expect_filled(s, all<A>(4));
    if constexpr (rank < A >> 1) {
        EXPECT_EQ(shrink(s, ix<A>(0, 3, 3), 1), 0); // no storage without rows: kept, sizes cut
        EXPECT_EQ(storage(s), block);
        EXPECT_EQ(sizes(s), ix<A>(0, 3, 3));
    }

    expand(s, all<A>(4));
    EXPECT_EQ(shrink(s, ix<A>(2, 3, 3), 1), 1); // row by row
    EXPECT_EQ(caps(s), ix<A>(2, 3, 3));
    expect_filled(s, ix<A>(2, 3, 3));
    EXPECT_EQ(shrink(s, ix<A>(1, 3, 3), 1), 1); // the same rows: one piece
    EXPECT_EQ(caps(s), ix<A>(1, 3, 3));
    expect_filled(s, ix<A>(1, 3, 3));
    EXPECT_EQ(reserve(s, ix<A>(1, 5, 3)), 1);
    expect_filled(s, ix<A>(1, 3, 3));

    s.clear(0);
    EXPECT_EQ(sizes(s), all<A>(0));
    EXPECT_EQ(caps(s), ix<A>(1, 5, 3));
    s.clear(1);
    EXPECT_EQ(storage(s), nullptr);
    EXPECT_EQ(caps(s), all<A>(0));
    EXPECT_EQ(shrink(s, all<A>(0), 1), 1);
}

TYPED_TEST(DynGrids, CopiesKeepCapacitiesAndAreIndependent) {
    using A = TypeParam;
    using T = typename A::value_type;
    A empty, e2(utCOPY, empty);
    EXPECT_EQ(storage(e2), nullptr);
    EXPECT_EQ(caps(e2), all<A>(0));
    EXPECT_EQ(steps(e2), all<A>(1));

    A src = make<A>(ix<A>(5, 6, 3), ix<A>(2, 3, 4));
    expand(src, ix<A>(3, 2, 2));
    fill(src);
    A copy(utCOPY, src);
    EXPECT_EQ(caps(copy), ix<A>(5, 6, 3));
    EXPECT_EQ(steps(copy), ix<A>(2, 3, 4));
    EXPECT_NE(storage(copy), storage(src));
    expect_filled(copy, ix<A>(3, 2, 2));
    at(copy, all<A>(0)) = value<T>(99);
    EXPECT_EQ(at(src, all<A>(0)), value<T>(0));

    A assigned;
    assigned = src; // a dynamic array grows by its own step
    expect_filled(assigned, ix<A>(3, 2, 2));
    EXPECT_EQ(caps(assigned), rank<A> == 1 ? ix<A>(3, 0) : ix<A>(5, 6, 3));
    A moved(std::move(assigned));
    EXPECT_EQ(storage(assigned), nullptr);
    assigned = std::move(moved);
    expect_filled(assigned, ix<A>(3, 2, 2));
}

TEST(DynGrids, ListsFillColumnsAndPrintRows) {
    intcoDynArr2D m{{1, 2, 3}, {4, 5, 6}};
    EXPECT_EQ(sizes(m), (Index<intcoDynArr2D>{3, 2}));
    EXPECT_EQ(m(2, 0), 3);
    EXPECT_EQ(m(0, 1), 4);
    EXPECT_EQ(printed(m), "coDynArr2D {\n  size 3 2\n  1 4 \n  2 5 \n  3 6 \n}\n");
    EXPECT_EQ(printed(intcoDynArr2D()), "coDynArr2D {\n  size 0 0\n}\n");

    // A longer column grows the matrix.
    charcoDynArr2D c{{'a'}, {'b', 'c'}};
    EXPECT_EQ(c.i_size(), 2);
    EXPECT_EQ(printed(c).substr(0, 27), "coDynArr2D {\n  size 2 2\n  a");
    EXPECT_EQ(c(1, 1), 'c');
    EXPECT_EQ(printed(floatcoDynArr2D{{0.1f}}), printed(doublecoDynArr2D{{double(0.1f)}}));
    EXPECT_EQ(printed(utStringcoDynArr2D{{"x", utString()}}),
              "coDynArr2D {\n  size 2 1\n  x \n   \n}\n");

    intcoDynArr3D a{{{7, 8}}};
    EXPECT_EQ(sizes(a), (Index<intcoDynArr3D>{2, 1, 1}));
    EXPECT_EQ(sizes(intcoDynArr3D{{}}), (Index<intcoDynArr3D>{0, 0, 1})); // an empty first plane
    intcoDynArr3D b{{{7}}, {{8}}};                                        // outer lists run along k
    EXPECT_EQ(printed(b), "coDynArr3D {\n  size 1 1 2 \n  7 8 \n\n}\n");
    EXPECT_EQ(printed(intcoDynArr3D()), "coDynArr3D {\n  size 0 0 0 \n}\n");
    // (m, l, k): m-th element of the l-th innermost list of the k-th outer.
    utStringcoDynArr3D s{{{"a", "b"}, {"c", "d"}}, {{"e", "f"}, {"g", "h"}}};
    EXPECT_EQ(s(1, 0, 0), utString("b"));
    EXPECT_EQ(s(0, 1, 0), utString("c"));
    EXPECT_EQ(s(0, 0, 1), utString("e"));
    EXPECT_EQ(printed(s), "coDynArr3D {\n  size 2 2 2 \n  a e \n  c g \n\n  b f \n  d h \n\n}\n");
}

TEST(DynGrids, StringBlocksHoldConstructedStrings) {
    utString word("shared");
    {
        utStringcoDynArr2D s(2, 2, 1, 1);
        EXPECT_TRUE(s.block()[3].invalid());
        s(1, 1) = word;
        s(4, 4) = word; // regrowth moves rather than copies
        EXPECT_EQ(word.ref().use_count(), 3);
        utStringcoDynArr2D copy(utCOPY, s);
        EXPECT_EQ(word.ref().use_count(), 5);
        s.shrink(2, 2, 1);
        EXPECT_EQ(word.ref().use_count(), 4);
        EXPECT_EQ(s(1, 1), word);
    }
    EXPECT_EQ(word.ref().use_count(), 1);
}

TEST(DynGridsDeathTest, ContractViolationsAbortWithTheirName) {
    intcoDynArr2D m{{1, 2, 3}, {4, 5, 6}};
    const intcoDynArr2D &c = m;
    expect_deaths(
        "", {{[&] { c(3, 0); }, "intcoDynArr2D::operator\\(\\) const: index \\(3, 0\\) "
                                "outside the used extents 3 x 2"},
             {[&] { m(-1, 0); }, "intcoDynArr2D::operator\\(\\): negative index \\(-1, 0\\)"},
             {[] { doublecoDynArr2D(-1, 1, 1, 1); },
              "doublecoDynArr2D::constructor: negative capacity -1"},
             {[] { intcoDynArr2D(1, 1, 1, 0); }, "intcoDynArr2D::constructor: step 0 below 1"},
             {[&] { m.reserve(-1, 0); }, "intcoDynArr2D::reserve: negative extents \\(-1, 0\\)"}});
    intcoDynArr3D a{{{7}}, {{8}}};
    const intcoDynArr3D &d = a;
    expect_deaths("",
                  {{[&] { d(0, 0, 2); }, "intcoDynArr3D::operator\\(\\) const: index \\(0, 0, 2\\) "
                                         "outside the used extents 1 x 1 x 2"},
                   {[&] { a(0, -1, 0); }, "intcoDynArr3D::operator\\(\\): negative index"},
                   {[] { intcoDynArr3D(1, 1, -3, 1, 1, 1); },
                    "intcoDynArr3D::constructor: negative capacity -3"},
                   {[] { utStringcoDynArr3D(1, 1, 1, 1, 0, 1); },
                    "utStringcoDynArr3D::constructor: step 0 below 1"},
                   {[&] { a.reserve(0, 0, -1); },
                    "intcoDynArr3D::reserve: negative extents \\(0, 0, -1\\)"}});
}

} // namespace
