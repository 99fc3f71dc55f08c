// Allocation failure in the dynamic arrays: the int-returning operations
// report 0, the others throw std::bad_alloc, and in both cases the array is
// exactly as it was and nothing leaks.
#include <colib/arrays/dyn_arr.h>
#include <gtest/gtest.h>

#include "alloc/alloc_injector.h"

namespace {
using alloc_injector::Scope;

template <class A> struct Snapshot {
    explicit Snapshot(const A &a)
        : data(a.data()), capacity(a.capacity()), size(a.size()), step(a.step()) {
        for (const auto &x : a)
            elems.push_back(x);
    }
    bool operator==(const Snapshot &o) const {
        return data == o.data && capacity == o.capacity && size == o.size && step == o.step &&
               elems == o.elems;
    }
    const typename A::value_type *data;
    int capacity, size, step;
    std::vector<typename A::value_type> elems;
};

template <class A> A filled(std::initializer_list<typename A::value_type> v, int step) {
    A a(0, step);
    for (const auto &x : v)
        a.append(x);
    return a;
}

TEST(DynArrAlloc, IntReturningOperationsReportZeroAndKeepTheArray) {
    long before = alloc_injector::live();
    {
        auto a = filled<intcoDynArr>({1, 2, 3}, 2);
        Snapshot<intcoDynArr> s(a);
        for (auto op : {+[](intcoDynArr &x) { return x.reserve(50); },
                        +[](intcoDynArr &x) { return x.expand(60); }}) {
            Scope fail(1);
            EXPECT_EQ(op(a), 0);
            EXPECT_TRUE(fail.failed());
        }
        EXPECT_TRUE(Snapshot<intcoDynArr>(a) == s);
        {
            Scope fail(1);
            EXPECT_EQ(a.shrink(2, 1), 0);
        }
        // A failed shrink keeps the buffer but still cuts the size.
        EXPECT_EQ(a.capacity(), s.capacity);
        EXPECT_EQ(a.data(), s.data);
        EXPECT_EQ(a.size(), 2);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}

TEST(DynArrAlloc, ThrowingOperationsLeaveTheArrayAsItWas) {
    long before = alloc_injector::live();
    {
        auto a = filled<utStringcoDynArr>({"a", "b"}, 1);
        Snapshot<utStringcoDynArr> s(a);
        utString c("c");
        int runs = alloc_injector::for_each_failure(
            [&] {
                try {
                    a.append(c);
                    return true;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [&] { EXPECT_TRUE(Snapshot<utStringcoDynArr>(a) == s); });
        EXPECT_EQ(runs, 1);
        EXPECT_EQ(a.size(), 3);

        auto b = filled<intcoDynArr>({7}, 4);
        Snapshot<intcoDynArr> t(b);
        {
            Scope fail(1);
            EXPECT_THROW(b[100] = 1, std::bad_alloc);
        }
        EXPECT_TRUE(Snapshot<intcoDynArr>(b) == t);

        auto src = filled<intcoDynArr>({1, 2, 3, 4, 5, 6}, 1);
        {
            Scope fail(1);
            EXPECT_THROW(b.become(utCOPY, src), std::bad_alloc);
        }
        EXPECT_TRUE(Snapshot<intcoDynArr>(b) == t);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}

TEST(DynArrAlloc, CopiesThatCannotAllocateLeakNothing) {
    long before = alloc_injector::live();
    {
        auto a = filled<utStringcoDynArr>({"x", "y", "z"}, 1);
        alloc_injector::for_each_failure(
            [&] {
                try {
                    utStringcoDynArr copy(utCOPY, a);
                    utStringcoDynArr list{"p", "q"};
                    return copy.size() == 3 && list.size() == 2;
                } catch (const std::bad_alloc &) {
                    return false;
                }
            },
            [] {});
        EXPECT_EQ(a.size(), 3);
    }
    EXPECT_EQ(alloc_injector::live(), before);
}
} // namespace
