#include <colib/arrays/dyn_arr3d.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <sstream>
#include <string>

namespace {
using colib_test::printed;
using colib_test::value;

template <class A> struct Probe : A {
    using A::A;
    int grow(int i, int j, int k) { return this->resize(i, j, k); }
    static int made_and_released(int a, int b, int c) {
        auto planes = A::new_mem(a, b, c);
        bool made = planes != nullptr;
        A::delete_mem(planes, a, b, c);
        return made && planes == nullptr;
    }
};

template <class A> void fill(A &a) {
    using T = typename A::value_type;
    for (int i = 0; i < a.i_size(); ++i)
        for (int j = 0; j < a.j_size(); ++j)
            for (int k = 0; k < a.k_size(); ++k)
                a(i, j, k) = value<T>(i * 10000 + j * 100 + k);
}
template <class A> void expect_filled(const A &a, int ni, int nj, int nk) {
    using T = typename A::value_type;
    for (int i = 0; i < ni; ++i)
        for (int j = 0; j < nj; ++j)
            for (int k = 0; k < nk; ++k)
                EXPECT_EQ(a(i, j, k), value<T>(i * 10000 + j * 100 + k))
                    << i << "," << j << "," << k;
}

template <class A> class DynArr3DFamily : public ::testing::Test {};
using Members = ::testing::Types<charcoDynArr3D, intcoDynArr3D, doublecoDynArr3D, utAnycoDynArr3D,
                                 utStringcoDynArr3D>;
TYPED_TEST_SUITE(DynArr3DFamily, Members, );

TYPED_TEST(DynArr3DFamily, GrowsAndMovesEveryElementToItsIndex) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    a(1, 2, 3) = value<T>(0);
    EXPECT_EQ(a.capacity_i(), 2);
    EXPECT_EQ(a.capacity_j(), 3);
    EXPECT_EQ(a.capacity_k(), 4);
    EXPECT_EQ(a.i_size(), 2);
    EXPECT_EQ(a.j_size(), 3);
    EXPECT_EQ(a.k_size(), 4);

    TypeParam b(2, 2, 2, 3, 2, 5);
    b.expand(2, 2, 2);
    fill(b);
    b(4, 1, 1) = value<T>(1); // planes only: one piece
    EXPECT_EQ(b.capacity_i(), 5);
    expect_filled(b, 2, 2, 2);
    b(0, 3, 0) = value<T>(2); // rows per plane change: plane by plane
    EXPECT_EQ(b.capacity_j(), 4);
    EXPECT_EQ(b.capacity_k(), 2);
    expect_filled(b, 2, 2, 2);
    EXPECT_EQ(b(4, 1, 1), value<T>(1));
    b(0, 0, 2) = value<T>(3); // row length changes: row by row
    EXPECT_EQ(b.capacity_k(), 7);
    expect_filled(b, 2, 2, 2);
    EXPECT_EQ(b(0, 3, 0), value<T>(2));
    EXPECT_EQ(b.step_i() * 100 + b.step_j() * 10 + b.step_k(), 325);

    Probe<TypeParam> p;
    EXPECT_EQ(p.grow(0, 0, 0), 1);
    EXPECT_EQ(p.capacity_i() + p.capacity_j() + p.capacity_k(), 3);
    EXPECT_TRUE(Probe<TypeParam>::made_and_released(2, 3, 4));
    EXPECT_FALSE(Probe<TypeParam>::made_and_released(2, 0, 4));
}

TYPED_TEST(DynArr3DFamily, ShrinkReserveExpandAndCopies) {
    TypeParam a(4, 4, 8, 1, 1, 1);
    a.expand(4, 4, 8);
    fill(a);
    EXPECT_EQ(a.shrink(2, 1, 5, 1), 1);
    EXPECT_EQ(a.capacity_i() * 100 + a.capacity_j() * 10 + a.capacity_k(), 215);
    EXPECT_EQ(a.i_size() * 100 + a.j_size() * 10 + a.k_size(), 215);
    expect_filled(a, 2, 1, 5);
    EXPECT_EQ(a.shrink(1, 1, 5, 1), 1); // same plane shape: one piece
    expect_filled(a, 1, 1, 5);
    EXPECT_EQ(a.shrink(1, 0, 5, 1), 0);
    EXPECT_EQ(a.capacity_j(), 1);
    EXPECT_EQ(a.j_size(), 0);
    a.expand(1, 1, 5); // the same storage: the elements are back
    expect_filled(a, 1, 1, 5);
    EXPECT_EQ(a.reserve(1, 1, 5), 1);
    EXPECT_EQ(a.reserve(1, 3, 5), 1);
    EXPECT_EQ(a.capacity_j(), 3);
    expect_filled(a, 1, 1, 5);
    a.clear(0);
    EXPECT_EQ(a.k_size(), 0);
    EXPECT_EQ(a.capacity_k(), 5);
    a.clear(1);
    EXPECT_EQ(a.block(), nullptr);
    EXPECT_EQ(a.capacity_k(), 0);

    TypeParam empty;
    TypeParam e2(utCOPY, empty);
    EXPECT_EQ(e2.block(), nullptr);
    EXPECT_EQ(e2.capacity_i() + e2.capacity_j() + e2.capacity_k(), 0);

    TypeParam src(3, 3, 3, 1, 2, 3);
    src.expand(2, 3, 1);
    fill(src);
    TypeParam copy(utCOPY, src);
    EXPECT_EQ(copy.capacity_k(), 3);
    EXPECT_EQ(copy.step_k(), 3);
    EXPECT_NE(copy.block(), src.block());
    expect_filled(copy, 2, 3, 1);
    TypeParam assigned;
    assigned = copy;
    TypeParam moved(std::move(copy));
    EXPECT_EQ(copy.block(), nullptr);
    expect_filled(moved, 2, 3, 1);
    expect_filled(assigned, 2, 3, 1);
}

} // namespace

TEST(DynArr3D, ListsAndPrintout) {
    intcoDynArr3D a{{{7, 8}}};
    EXPECT_EQ(a.i_size() * 100 + a.j_size() * 10 + a.k_size(), 211);
    intcoDynArr3D b{{{7}}, {{8}}}; // outer lists run along k
    EXPECT_EQ(printed(b), "coDynArr3D {\n  size 1 1 2 \n  7 8 \n\n}\n");
    EXPECT_EQ(printed(intcoDynArr3D()), "coDynArr3D {\n  size 0 0 0 \n}\n");

    // (m, l, k): m-th element of the l-th innermost list of the k-th outer.
    utStringcoDynArr3D s{{{"a", "b"}, {"c", "d"}}, {{"e", "f"}, {"g", "h"}}};
    EXPECT_EQ(s(1, 0, 0), utString("b"));
    EXPECT_EQ(s(0, 1, 0), utString("c"));
    EXPECT_EQ(s(0, 0, 1), utString("e"));
    EXPECT_EQ(printed(s), "coDynArr3D {\n  size 2 2 2 \n  a e \n  c g \n\n  b f \n  d h \n\n}\n");
}

TEST(DynArr3DDeathTest, ContractViolationsAbortWithTheirName) {
#if COLIB_HARDENED
    intcoDynArr3D a{{{7}}, {{8}}};
    const intcoDynArr3D &c = a;
    EXPECT_DEATH(c(0, 0, 2), "colib: intcoDynArr3D::operator\\(\\) const: index \\(0, 0, 2\\) "
                             "outside the used extents 1 x 1 x 2");
    EXPECT_DEATH(a(0, -1, 0), "colib: intcoDynArr3D::operator\\(\\): negative index");
    EXPECT_DEATH(intcoDynArr3D(1, 1, -3, 1, 1, 1), "negative capacity -3");
    EXPECT_DEATH(utStringcoDynArr3D(1, 1, 1, 1, 0, 1),
                 "colib: utStringcoDynArr3D::constructor: step 0 below 1");
    EXPECT_DEATH(a.reserve(0, 0, -1), "reserve: negative extents \\(0, 0, -1\\)");
    EXPECT_DEATH(a.expand(-1, 0, 0), "expand: negative extents");
    EXPECT_DEATH(a.shrink(0, -1, 0, 1), "shrink: negative extents");
#else
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}
