// Allocation failure in the growable matrices and three-dimensional arrays:
// resize, reserve and shrink report 0, the growing subscript, expand and
// the copies throw std::bad_alloc, and in every case the storage and the
// elements are as they were and nothing leaks.
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>
#include <gtest/gtest.h>

#include <vector>

#include "alloc/alloc_injector.h"

namespace {
using alloc_injector::Scope;

// Reaches the protected resize with a uniform signature.
struct Matrix : utStringcoDynArr2D {
    using utStringcoDynArr2D::utStringcoDynArr2D;
    int grow(int i, int j, int) { return resize(i, j); }
    utString &put(int i, int j, int) { return (*this)(i, j); }
    int reserve3(int a, int b, int) { return reserve(a, b); }
    void expand3(int a, int b, int) { expand(a, b); }
    int shrink3(int a, int b, int, int release) { return shrink(a, b, release); }
    int k_size() const { return 1; }
    int capacity_k() const { return 1; }
    const utString &get(int i, int j, int) const { return (*this)(i, j); }
};
struct Block : utStringcoDynArr3D {
    using utStringcoDynArr3D::utStringcoDynArr3D;
    int grow(int i, int j, int k) { return resize(i, j, k); }
    utString &put(int i, int j, int k) { return (*this)(i, j, k); }
    int reserve3(int a, int b, int c) { return reserve(a, b, c); }
    void expand3(int a, int b, int c) { expand(a, b, c); }
    int shrink3(int a, int b, int c, int release) { return shrink(a, b, c, release); }
    const utString &get(int i, int j, int k) const { return (*this)(i, j, k); }
};

template <class A> struct Snapshot {
    explicit Snapshot(const A &a)
        : block(a.block()), caps{a.capacity_i(), a.capacity_j(), a.capacity_k()}, sizes{
                                                                                      a.i_size(),
                                                                                      a.j_size(),
                                                                                      a.k_size()} {
        for (int i = 0; i < sizes[0]; ++i)
            for (int j = 0; j < sizes[1]; ++j)
                for (int k = 0; k < sizes[2]; ++k)
                    elems.push_back(a.get(i, j, k));
    }
    bool operator==(const Snapshot &o) const {
        return block == o.block && caps == o.caps && sizes == o.sizes && elems == o.elems;
    }
    const utString *block;
    std::vector<int> caps, sizes;
    std::vector<utString> elems;
};

template <class A> A filled() {
    A a;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            a.put(i, j, 0) = utString(std::to_string(i * 10 + j).c_str());
    return a;
}

template <class A> class GridAlloc : public ::testing::Test {};
using Grids = ::testing::Types<Matrix, Block>;
TYPED_TEST_SUITE(GridAlloc, Grids, );

TYPED_TEST(GridAlloc, IntReturningOperationsReportZeroAndKeepTheStorage) {
    long before = alloc_injector::live();
    {
        TypeParam a = filled<TypeParam>();
        Snapshot<TypeParam> s(a);
        // Every allocation of the new storage (tables and block) in turn.
        int runs =
            alloc_injector::for_each_failure([&] { return a.grow(5, 5, 5) == 1; },
                                             [&] { EXPECT_TRUE(Snapshot<TypeParam>(a) == s); });
        EXPECT_GE(runs, 2);
        Snapshot<TypeParam> t(a);
        runs = alloc_injector::for_each_failure([&] { return a.reserve3(9, 9, 9) == 1; },
                                                [&] { EXPECT_TRUE(Snapshot<TypeParam>(a) == t); });
        EXPECT_GE(runs, 2);
        Snapshot<TypeParam> u(a);
        {
            Scope fail(1);
            EXPECT_EQ(a.shrink3(2, 1, 1, 1), 0);
            EXPECT_TRUE(fail.failed());
        }
        // The storage stays; the sizes are cut as without release.
        EXPECT_EQ(a.block(), u.block);
        EXPECT_EQ(a.capacity_i(), u.caps[0]);
        EXPECT_EQ(a.i_size(), 2);
        EXPECT_EQ(a.j_size(), 1);
        EXPECT_EQ(a.get(1, 0, 0), utString("10"));
    }
    EXPECT_EQ(alloc_injector::live(), before);
}

TYPED_TEST(GridAlloc, ThrowingOperationsLeaveTheArrayAsItWas) {
    long before = alloc_injector::live();
    {
        TypeParam a = filled<TypeParam>();
        Snapshot<TypeParam> s(a);
        auto unchanged = [&] { EXPECT_TRUE(Snapshot<TypeParam>(a) == s); };
        alloc_injector::for_each_failure(
            [&] {
                try {
                    a.put(7, 7, 7) = utString("far");
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            unchanged);
        EXPECT_EQ(a.i_size(), 8);

        TypeParam b = filled<TypeParam>();
        Snapshot<TypeParam> t(b);
        alloc_injector::for_each_failure(
            [&] {
                try {
                    b.expand3(9, 9, 9);
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] { EXPECT_TRUE(Snapshot<TypeParam>(b) == t); });
        EXPECT_EQ(b.i_size(), 9);

        int runs = alloc_injector::for_each_failure(
            [&] {
                try {
                    TypeParam copy(utCOPY, b);
                    TypeParam assigned;
                    assigned = copy;
                    return assigned.i_size() == 9;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [] {});
        EXPECT_GE(runs, 4);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}

TEST(DynArr2DAlloc, ListConstructionLeaksNothing) {
    long before = alloc_injector::live();
    alloc_injector::for_each_failure(
        [] {
            try {
                utStringcoDynArr2D m{{"a", "b"}, {"c", "d", "e"}};
                utStringcoDynArr3D b{{{"a"}, {"b"}}, {{"c", "d"}}};
                return m.i_size() == 3 && b.i_size() == 2;
            } catch (const std::bad_alloc &) {
                return false;
            }
        },
        [] {});
    EXPECT_EQ(alloc_injector::live(), before);
}

} // namespace
