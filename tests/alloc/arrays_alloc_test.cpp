// Allocation failure in the arrays: the int-returning operations (resize,
// reserve, the dynamic arrays' expand, shrink) report 0, the others throw
// std::bad_alloc, and in both cases the storage and the elements are as
// they were and nothing leaks.
#include <colib/arrays/variable_arr.h>

#include "alloc/legacy.h"
#include "arrays/grid.h"
#include "support/values.h"

#include <vector>

namespace {
using alloc_injector::for_each_failure;
using alloc_injector::for_each_throw;
using alloc_injector::Scope;
using namespace colib_test;
using ArraysAlloc = alloc_injector::NoLeaks;

// Everything observable of a dynamic array, matrix or three-dimensional
// array: storage, capacities, sizes, steps and the elements in use.
template <class A> struct Snapshot {
    explicit Snapshot(A &a) : data(storage(a)), dims{caps(a), sizes(a), steps(a)} {
        for_each_index(sizes(a), [&](auto x) { elems.push_back(at(a, x)); });
    }
    bool operator==(const Snapshot &o) const {
        return data == o.data && dims == o.dims && elems == o.elems;
    }
    const void *data;
    std::vector<Index<A>> dims;
    std::vector<typename A::value_type> elems;
};
template <class A> Snapshot<A> snap(A &a) {
    return Snapshot<A>(a);
}

template <class A> utString text(const Index<A> &x) {
    return utString(std::to_string(code(x)).c_str());
}
template <class A> A filled() {
    A a;
    for_each_index(ix<A>(3, 2, 1), [&](const Index<A> &x) { at(a, x) = text<A>(x); });
    return a;
}

template <class A> class GridAlloc : public alloc_injector::NoLeaks {};
using Grids = ::testing::Types<GridProbe<utStringcoDynArr>, GridProbe<utStringcoDynArr2D>,
                               GridProbe<utStringcoDynArr3D>>;
TYPED_TEST_SUITE(GridAlloc, Grids, );

TYPED_TEST(GridAlloc, IntReturningOperationsReportZeroAndKeepTheStorage) {
    using A = TypeParam;
    A a = filled<A>();
    auto s = snap(a);
    // Every allocation of the new storage (tables and block) in turn.
    int runs = for_each_failure([&] { return a.grow(all<A>(5)) == 1; },
                                [&] { EXPECT_TRUE(snap(a) == s); });
    EXPECT_GE(runs, rank<A>);
    auto t = snap(a);
    runs = for_each_failure([&] { return reserve(a, all<A>(9)) == 1; },
                            [&] { EXPECT_TRUE(snap(a) == t); });
    EXPECT_GE(runs, rank<A>);
    if constexpr (rank<A> == 1) {
        auto u = snap(a);
        Scope fail(1);
        EXPECT_EQ(a.expand(60), 0);
        EXPECT_TRUE(snap(a) == u);
    }
    const void *block = storage(a);
    {
        Scope fail(1);
        EXPECT_EQ(shrink(a, ix<A>(2, 1, 1), 1), 0);
        EXPECT_TRUE(fail.failed());
    }
    // The storage stays; the sizes are cut as without release.
    EXPECT_EQ(storage(a), block);
    EXPECT_EQ(caps(a), all<A>(9));
    EXPECT_EQ(sizes(a), ix<A>(2, 1, 1));
    EXPECT_EQ(at(a, ix<A>(1, 0, 0)), text<A>(ix<A>(1, 0, 0)));
}

TYPED_TEST(GridAlloc, ThrowingOperationsLeaveTheArrayAsItWas) {
    using A = TypeParam;
    A a = filled<A>(), b = filled<A>();
    auto s = snap(a), t = snap(b);
    for_each_throw([&] { at(a, all<A>(7)) = utString("far"); }, [&] { EXPECT_TRUE(snap(a) == s); });
    EXPECT_EQ(sizes(a)[0], 8);
    if constexpr (rank < A >> 1) {
        for_each_throw([&] { expand(b, all<A>(9)); }, [&] { EXPECT_TRUE(snap(b) == t); });
        EXPECT_EQ(sizes(b)[0], 9);
    }
    int runs = for_each_throw(
        [&] {
            A copy(utCOPY, b), assigned;
            assigned = copy;
        },
        [] {});
    EXPECT_GE(runs, 2);
    for_each_throw(
        [] {
            utStringcoDynArr v{"p", "q"};
            utStringcoDynArr2D m{{"a", "b"}, {"c", "d", "e"}};
            utStringcoDynArr3D c{{{"a"}, {"b"}}, {{"c", "d"}}};
        },
        [] {});
}

TEST_F(ArraysAlloc, DynArrAppendAndBecomeThrowAndChangeNothing) {
    utStringcoDynArr a{"a", "b"};
    auto s = snap(a);
    utString c("c");
    EXPECT_EQ(for_each_throw([&] { a.append(c); }, [&] { EXPECT_TRUE(snap(a) == s); }), 1);
    EXPECT_EQ(a.size(), 3);
    intcoDynArr b(0, 4), src{1, 2, 3, 4, 5, 6};
    b.append(7);
    auto t = snap(b);
    for_each_throw([&] { b.become(utCOPY, src); }, [&] { EXPECT_TRUE(snap(b) == t); });
    EXPECT_EQ(elems(b), elems(src));
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
