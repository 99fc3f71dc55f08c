// Allocation failure in the arrays: the int-returning operations (reserve,
// expand of the one-dimensional arrays, shrink, the matrices' resize)
// report 0, the others throw std::bad_alloc, and in both cases the storage
// and the elements are as they were and nothing leaks.
#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/variable_arr.h>

#include "alloc/alloc_injector.h"
#include "arrays/grid.h"
#include "support/values.h"

#include <vector>

namespace {
using alloc_injector::for_each_failure;
using alloc_injector::for_each_throw;
using alloc_injector::Scope;
using namespace colib_test;
using ArraysAlloc = alloc_injector::NoLeaks;

// One index for the dynamic arrays, two or three for the grids.
template <class A, class = void> constexpr bool linear = false;
template <class A> constexpr bool linear<A, std::void_t<decltype(&A::step)>> = true;

// Everything observable of a dynamic array or a grid.
template <class A> struct Snapshot {
    explicit Snapshot(const A &a) {
        if constexpr (linear<A>) {
            data = a.data();
            dims = {a.capacity(), a.size(), a.step()};
            elems.assign(a.begin(), a.end());
        } else {
            data = a.block();
            for (auto d : {caps(a), sizes(a), steps(a)})
                dims.insert(dims.end(), d.begin(), d.end());
            for_each_index(sizes(a), [&](auto x) { elems.push_back(at(a, x)); });
        }
    }
    bool operator==(const Snapshot &o) const {
        return data == o.data && dims == o.dims && elems == o.elems;
    }
    const void *data;
    std::vector<int> dims;
    std::vector<typename A::value_type> elems;
};
template <class A> Snapshot<A> snap(const A &a) {
    return Snapshot<A>(a);
}

TEST_F(ArraysAlloc, DynArrIntReturningOperationsReportZeroAndKeepTheArray) {
    intcoDynArr a(0, 2);
    for (int x : {1, 2, 3})
        a.append(x);
    auto s = snap(a);
    for (auto op : {+[](intcoDynArr &x) { return x.reserve(50); },
                    +[](intcoDynArr &x) { return x.expand(60); }}) {
        Scope fail(1);
        EXPECT_EQ(op(a), 0);
        EXPECT_TRUE(fail.failed());
    }
    EXPECT_TRUE(snap(a) == s);
    {
        Scope fail(1);
        EXPECT_EQ(a.shrink(2, 1), 0);
    }
    // A failed shrink keeps the buffer but still cuts the size.
    EXPECT_EQ(a.capacity(), 4);
    EXPECT_EQ(a.data(), s.data);
    EXPECT_EQ(a.size(), 2);
}

TEST_F(ArraysAlloc, DynArrThrowingOperationsLeaveTheArrayAsItWas) {
    utStringcoDynArr a{"a", "b"};
    auto s = snap(a);
    utString c("c");
    EXPECT_EQ(for_each_throw([&] { a.append(c); }, [&] { EXPECT_TRUE(snap(a) == s); }), 1);
    EXPECT_EQ(a.size(), 3);

    intcoDynArr b(0, 4), src{1, 2, 3, 4, 5, 6};
    b.append(7);
    auto t = snap(b);
    {
        Scope fail(1);
        EXPECT_THROW(b[100] = 1, std::bad_alloc);
    }
    EXPECT_TRUE(snap(b) == t);
    {
        Scope fail(1);
        EXPECT_THROW(b.become(utCOPY, src), std::bad_alloc);
    }
    EXPECT_TRUE(snap(b) == t);
    for_each_throw(
        [&] {
            utStringcoDynArr copy(utCOPY, a);
            utStringcoDynArr list{"p", "q"};
        },
        [] {});
}

template <class A> A filled() {
    A a;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 2; ++j)
            at(a, ix<A>(i, j, 0)) = utString(std::to_string(i * 10 + j).c_str());
    return a;
}

template <class A> class GridAlloc : public alloc_injector::NoLeaks {};
using Grids = ::testing::Types<GridProbe<utStringcoDynArr2D>, GridProbe<utStringcoDynArr3D>>;
TYPED_TEST_SUITE(GridAlloc, Grids, );

TYPED_TEST(GridAlloc, IntReturningOperationsReportZeroAndKeepTheStorage) {
    using A = TypeParam;
    A a = filled<A>();
    auto s = snap(a);
    // Every allocation of the new storage (tables and block) in turn.
    int runs = for_each_failure([&] { return a.grow(all<A>(5)) == 1; },
                                [&] { EXPECT_TRUE(snap(a) == s); });
    EXPECT_GE(runs, 2);
    auto t = snap(a);
    runs = for_each_failure([&] { return reserve(a, all<A>(9)) == 1; },
                            [&] { EXPECT_TRUE(snap(a) == t); });
    EXPECT_GE(runs, 2);
    const void *block = a.block();
    {
        Scope fail(1);
        EXPECT_EQ(shrink(a, ix<A>(2, 1, 1), 1), 0);
        EXPECT_TRUE(fail.failed());
    }
    // The storage stays; the sizes are cut as without release.
    EXPECT_EQ(a.block(), block);
    EXPECT_EQ(caps(a), all<A>(9));
    EXPECT_EQ(sizes(a), ix<A>(2, 1, 1));
    EXPECT_EQ(at(a, ix<A>(1, 0, 0)), utString("10"));
}

TYPED_TEST(GridAlloc, ThrowingOperationsLeaveTheArrayAsItWas) {
    using A = TypeParam;
    A a = filled<A>(), b = filled<A>();
    auto s = snap(a), t = snap(b);
    for_each_throw([&] { at(a, all<A>(7)) = utString("far"); }, [&] { EXPECT_TRUE(snap(a) == s); });
    EXPECT_EQ(a.i_size(), 8);
    for_each_throw([&] { expand(b, all<A>(9)); }, [&] { EXPECT_TRUE(snap(b) == t); });
    EXPECT_EQ(b.i_size(), 9);
    int runs = for_each_throw(
        [&] {
            A copy(utCOPY, b), assigned;
            assigned = copy;
        },
        [] {});
    EXPECT_GE(runs, 4);
    for_each_throw(
        [] {
            utStringcoDynArr2D m{{"a", "b"}, {"c", "d", "e"}};
            utStringcoDynArr3D c{{{"a"}, {"b"}}, {{"c", "d"}}};
        },
        [] {});
}

TEST_F(ArraysAlloc, VariableArrBlocksMadeSoFarStay) {
    intcoVariableArr a{1, 2, 3};
    int *first = &a[0];
    int failures = for_each_failure([&] { return a.reserve(3000) == 1; },
                                    [&] {
                                        // Some prefix of the blocks exists; the
                                        // elements are untouched.
                                        EXPECT_GE(a.block_count(), 1);
                                        EXPECT_LE(a.block_count(), 10);
                                        EXPECT_EQ(&a[0], first);
                                        EXPECT_EQ(elems(a), (std::vector<int>{1, 2, 3}));
                                    });
    EXPECT_GT(failures, 0);
    EXPECT_EQ(a.block_count(), 10);

    utStringcoVariableArr s{"x"};
    for_each_throw([&] { s[5000] = "far"; },
                   [&] { EXPECT_EQ(elems(s), std::vector<utString>{"x"}); });
    EXPECT_EQ(s.size(), 5001);
    intcoVariableArr copy;
    for_each_throw([&] { copy.become(utCOPY, a); },
                   [&] { EXPECT_TRUE(copy.size() == 0 || copy.size() == 3); });
    EXPECT_EQ(copy.size(), 3);
}

} // namespace
