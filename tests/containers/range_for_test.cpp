// Every concrete container walks the same elements with range-for (through
// a plain and a const reference) as with its own walker or subscript.
#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/dyn_arr3d.h>
#include <colib/arrays/fixed_arr.h>
#include <colib/arrays/fixed_arr2d.h>
#include <colib/arrays/stack_fast.h>
#include <colib/arrays/variable_arr.h>
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>
#include <colib/lists/dlist.h>
#include <colib/lists/page_dlist.h>
#include <colib/lists/slist.h>
#include <colib/lists/sorted_list.h>
#include <colib/lists/stack_queue.h>
#include <colib/lists/tree.h>
#include <colib/paged/page_arr.h>

#include <utility>
#include <vector>

#include "support/values.h"

namespace {

using colib_test::value;

// How a family is filled with n elements and walked by its own means.
struct Appending {
    template <class C> static void fill(C &c, int n) {
        for (int i = 0; i < n; ++i)
            c.append(value<typename C::value_type>(i));
    }
};
struct LastInserting {
    template <class C> static void fill(C &c, int n) {
        for (int i = 0; i < n; ++i)
            c.insert_last(value<typename C::value_type>(i));
    }
};
struct Pushing {
    template <class C> static void fill(C &c, int n) {
        for (int i = 0; i < n; ++i)
            c.push(value<typename C::value_type>(i));
    }
};
struct Adding {
    template <class C> static void fill(C &c, int n) {
        for (int i = 0; i < n; ++i)
            c.add(value<typename C::value_type>((i * 7) % (n + 1)));
    }
};

// Walkers that stand on an element after ++ and give it with ().
template <class W, class C> std::vector<typename C::value_type> walk_steps(const C &c) {
    std::vector<typename C::value_type> v;
    W it(&c);
    while (++it)
        v.push_back(it());
    return v;
}

struct DynArrFamily : Appending {
    template <class W, class C> static auto walk(const C &c) {
        std::vector<typename C::value_type> v;
        for (W it(&c); it; ++it)
            v.push_back(*it);
        return v;
    }
};
struct StepAppending : Appending {
    template <class W, class C> static auto walk(const C &c) { return walk_steps<W>(c); }
};
struct StepLastInserting : LastInserting {
    template <class W, class C> static auto walk(const C &c) { return walk_steps<W>(c); }
};
struct StepAdding : Adding {
    template <class W, class C> static auto walk(const C &c) { return walk_steps<W>(c); }
};
// Stacks and queues walk their internal list; stacks from the top.
struct AdaptorFamily : Pushing {
    template <class W, class C> static auto walk(const C &c) { return walk_steps<W>(c.list()); }
};
struct StackFastFamily : Pushing {
    template <class, class C> static auto walk(const C &c) {
        std::vector<typename C::value_type> v;
        for (int i = 0; i < c.size(); ++i)
            v.push_back(c.array()[i]);
        return v;
    }
};
struct FixedFamily {
    template <class C> static void fill(C &c, int n) {
        c = C(n);
        for (int i = 0; i < n; ++i)
            c[i] = value<typename C::value_type>(i);
    }
    template <class, class C> static auto walk(const C &c) {
        std::vector<typename C::value_type> v;
        for (int i = 0; i < c.size(); ++i)
            v.push_back(c[i]);
        return v;
    }
};
// Matrices: n / 5 + 1 rows of up to 5 columns inside spare capacity, so
// the walk must skip the slots outside the used extents.
struct Matrix2DFamily {
    template <class C> static void fill(C &c, int n) {
        c = C(n / 5 + 4, 9, 3, 3);
        for (int i = 0; i <= n / 5; ++i)
            for (int j = 0; j < (n < 5 ? n : 5); ++j)
                c(i, j) = value<typename C::value_type>(i * 5 + j);
    }
    template <class, class C> static auto walk(const C &c) {
        std::vector<typename C::value_type> v;
        for (int i = 0; i < c.i_size(); ++i)
            for (int j = 0; j < c.j_size(); ++j)
                v.push_back(c(i, j));
        return v;
    }
};
struct Fixed2DFamily : Matrix2DFamily {
    template <class C> static void fill(C &c, int n) {
        if (n == 0) return; // stays invalid
        c = C(n / 5 + 1, 5);
        for (int i = 0; i < c.i_size(); ++i)
            for (int j = 0; j < 5; ++j)
                c(i, j) = value<typename C::value_type>(i * 5 + j);
    }
};
struct Matrix3DFamily {
    template <class C> static void fill(C &c, int n) {
        c = C(3, 4, 9, 2, 2, 2);
        for (int i = 0; i <= n / 20; ++i)
            for (int j = 0; j < (n < 4 ? n : 4); ++j)
                for (int k = 0; k < (n < 5 ? n : 5); ++k)
                    c(i, j, k) = value<typename C::value_type>((i * 4 + j) * 5 + k);
    }
    template <class, class C> static auto walk(const C &c) {
        std::vector<typename C::value_type> v;
        for (int i = 0; i < c.i_size(); ++i)
            for (int j = 0; j < c.j_size(); ++j)
                for (int k = 0; k < c.k_size(); ++k)
                    v.push_back(c(i, j, k));
        return v;
    }
};

template <class C, class W, class F> struct Case {
    using container = C;
    using walker = W;
    using family = F;
};

template <class P> class RangeFor : public ::testing::Test {};

using All = ::testing::Types<
    Case<charcoDynArr, charcoDynArrcoIterator, DynArrFamily>,
    Case<intcoDynArr, intcoDynArrcoIterator, DynArrFamily>,
    Case<floatcoDynArr, floatcoDynArrcoIterator, DynArrFamily>,
    Case<doublecoDynArr, doublecoDynArrcoIterator, DynArrFamily>,
    Case<utBoolcoDynArr, utBoolcoDynArrcoIterator, DynArrFamily>,
    Case<utStringcoDynArr, utStringcoDynArrcoIterator, DynArrFamily>,
    Case<utAnycoDynArr, utAnycoDynArrcoIterator, DynArrFamily>,
    Case<charcoStackFast, void, StackFastFamily>, Case<intcoStackFast, void, StackFastFamily>,
    Case<doublecoStackFast, void, StackFastFamily>, Case<utAnycoStackFast, void, StackFastFamily>,
    Case<utStringcoStackFast, void, StackFastFamily>, Case<charcoDynArr2D, void, Matrix2DFamily>,
    Case<intcoDynArr2D, void, Matrix2DFamily>, Case<floatcoDynArr2D, void, Matrix2DFamily>,
    Case<doublecoDynArr2D, void, Matrix2DFamily>, Case<utAnycoDynArr2D, void, Matrix2DFamily>,
    Case<utStringcoDynArr2D, void, Matrix2DFamily>, Case<charcoDynArr3D, void, Matrix3DFamily>,
    Case<intcoDynArr3D, void, Matrix3DFamily>, Case<doublecoDynArr3D, void, Matrix3DFamily>,
    Case<utAnycoDynArr3D, void, Matrix3DFamily>, Case<utStringcoDynArr3D, void, Matrix3DFamily>,
    Case<charcoFixedArr, void, FixedFamily>, Case<intcoFixedArr, void, FixedFamily>,
    Case<doublecoFixedArr, void, FixedFamily>, Case<utBoolcoFixedArr, void, FixedFamily>,
    Case<utAnycoFixedArr, void, FixedFamily>, Case<utStringcoFixedArr, void, FixedFamily>,
    Case<charcoFixedArr2D, void, Fixed2DFamily>, Case<intcoFixedArr2D, void, Fixed2DFamily>,
    Case<doublecoFixedArr2D, void, Fixed2DFamily>, Case<utAnycoFixedArr2D, void, Fixed2DFamily>,
    Case<utStringcoFixedArr2D, void, Fixed2DFamily>,
    Case<charcoVariableArr, charcoVariableArrcoIterator, StepAppending>,
    Case<intcoVariableArr, intcoVariableArrcoIterator, StepAppending>,
    Case<doublecoVariableArr, doublecoVariableArrcoIterator, StepAppending>,
    Case<utAnycoVariableArr, utAnycoVariableArrcoIterator, StepAppending>,
    Case<utStringcoVariableArr, utStringcoVariableArrcoIterator, StepAppending>,
    Case<charcoPageArr, charcoPageArrcoIterator, StepAppending>,
    Case<intcoPageArr, intcoPageArrcoIterator, StepAppending>,
    Case<longcoPageArr, longcoPageArrcoIterator, StepAppending>,
    Case<floatcoPageArr, floatcoPageArrcoIterator, StepAppending>,
    Case<doublecoPageArr, doublecoPageArrcoIterator, StepAppending>,
    Case<utBoolcoPageArr, utBoolcoPageArrcoIterator, StepAppending>,
    Case<utInt64coPageArr, utInt64coPageArrcoIterator, StepAppending>,
    Case<utStringcoPageArr, utStringcoPageArrcoIterator, StepAppending>,
    Case<utAnycoPageArr, utAnycoPageArrcoIterator, StepAppending>,
    Case<charcoSListB, charcoSListBcoIterator, StepLastInserting>,
    Case<intcoSListB, intcoSListBcoIterator, StepLastInserting>,
    Case<doublecoSListB, doublecoSListBcoIterator, StepLastInserting>,
    Case<utAnycoSListB, utAnycoSListBcoIterator, StepLastInserting>,
    Case<utStringcoSListB, utStringcoSListBcoIterator, StepLastInserting>,
    Case<charcoSList, charcoSListBcoIterator, StepLastInserting>,
    Case<intcoSList, intcoSListBcoIterator, StepLastInserting>,
    Case<doublecoSList, doublecoSListBcoIterator, StepLastInserting>,
    Case<utAnycoSList, utAnycoSListBcoIterator, StepLastInserting>,
    Case<utStringcoSList, utStringcoSListBcoIterator, StepLastInserting>,
    Case<charcoStack, charcoStackINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<intcoStack, intcoStackINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<doublecoStack, doublecoStackINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<utAnycoStack, utAnycoStackINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<utStringcoStack, utStringcoStackINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<charcoQueue, charcoQueueINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<intcoQueue, intcoQueueINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<doublecoQueue, doublecoQueueINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<utAnycoQueue, utAnycoQueueINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<utStringcoQueue, utStringcoQueueINTERNALcoSListBcoIterator, AdaptorFamily>,
    Case<charcoDListB, charcoDListBcoIteratorB, StepLastInserting>,
    Case<intcoDListB, intcoDListBcoIteratorB, StepLastInserting>,
    Case<doublecoDListB, doublecoDListBcoIterator, StepLastInserting>,
    Case<utAnycoDListB, utAnycoDListBcoIterator, StepLastInserting>,
    Case<utStringcoDListB, utStringcoDListBcoIteratorB, StepLastInserting>,
    Case<charcoDList, charcoDListBcoIterator, StepLastInserting>,
    Case<intcoDList, intcoDListBcoIterator, StepLastInserting>,
    Case<doublecoDList, doublecoDListBcoIteratorB, StepLastInserting>,
    Case<utAnycoDList, utAnycoDListBcoIteratorB, StepLastInserting>,
    Case<utStringcoDList, utStringcoDListBcoIterator, StepLastInserting>,
    Case<intcoPageDList, intcoPageDListcoIterator, StepLastInserting>,
    Case<doublecoPageDList, doublecoPageDListcoIterator, StepLastInserting>,
    Case<intcoSortedList, intcoSortedListcoIterator, StepAdding>,
    Case<doublecoSortedList, doublecoSortedListcoIterator, StepAdding>,
    Case<utStringcoSortedList, utStringcoSortedListcoIterator, StepAdding>,
    Case<intcoSet, intcoSetcoIterator, StepAdding>,
    Case<doublecoSet, doublecoSetcoIterator, StepAdding>,
    Case<utStringcoSet, utStringcoSetcoIterator, StepAdding>>;
TYPED_TEST_SUITE(RangeFor, All, );

TYPED_TEST(RangeFor, WalksWhatItsOwnWalkerWalks) {
    using C = typename TypeParam::container;
    using F = typename TypeParam::family;
    using V = typename C::value_type;
    for (int n : {0, 1, 2, 300}) {
        C c;
        F::fill(c, n);
        std::vector<V> mutable_walk, const_walk;
        for (auto &x : c)
            mutable_walk.push_back(x);
        for (auto &x : std::as_const(c))
            const_walk.push_back(x);
        std::vector<V> own = F::template walk<typename TypeParam::walker>(c);
        EXPECT_EQ(mutable_walk, own) << "n = " << n;
        EXPECT_EQ(const_walk, own) << "n = " << n;
        EXPECT_EQ(own.empty(), n == 0) << "n = " << n;
    }
}

// The stacks run from the top down, the queues from the head to the tail.
TEST(RangeFor, StacksFromTheTopQueuesFromTheHead) {
    intcoStack s{1, 2, 3};
    intcoQueue q{1, 2, 3};
    EXPECT_EQ(colib_test::elems(s), (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(colib_test::elems(q), (std::vector<int>{1, 2, 3}));
    for (int &x : s)
        x *= 10; // a plain stack's elements can be edited in place
    EXPECT_EQ(s.top(), 30);
}

// A matrix walks row-major over its used extents only.
TEST(RangeFor, MatricesRowMajorOverTheUsedExtents) {
    intcoDynArr2D m(4, 4, 1, 1);
    m(1, 2) = 7; // extents 2 x 3 inside capacity 4 x 4
    m(0, 0) = 1;
    m(0, 1) = 2;
    m(0, 2) = 3;
    m(1, 0) = 4;
    m(1, 1) = 5;
    EXPECT_EQ(colib_test::elems(m), (std::vector<int>{1, 2, 3, 4, 5, 7}));
    intcoFixedArr2D f{{1, 2}, {3, 4}, {5, 6}}; // columns: (0, 0) 1, (1, 0) 2, (0, 1) 3 ...
    EXPECT_EQ(colib_test::elems(f), (std::vector<int>{1, 3, 5, 2, 4, 6}));
    EXPECT_EQ(colib_test::elems(intcoFixedArr2D()), std::vector<int>());
}

// Tables give their pairs in the order of their own walker.
TEST(RangeFor, TablesInTheOrderOfTheirWalker) {
    intintcoTable t;
    for (int i = 0; i < 40; ++i)
        t[i * 3] = i;
    std::vector<int> ranged, walked;
    for (const auto &p : t)
        ranged.push_back(p.get_key());
    intintcoTablecoIterator2 it(&t);
    while (++it)
        walked.push_back(it.index());
    EXPECT_EQ(ranged, walked);
    EXPECT_EQ(ranged.size(), 40u);
}

// A tree node walks its children in sibling order.
struct Span : coTreeObj {
    Span(int a, int b) : lo(a), hi(b) {}
    int is_ancestor(const coTreeObj *o) const override {
        auto s = static_cast<const Span *>(o);
        return lo <= s->lo && s->hi <= hi && (lo != s->lo || hi != s->hi);
    }
    int lo, hi;
};
TEST(RangeFor, TreeNodesWalkTheirChildren) {
    Span a(0, 10), b(1, 2), c(20, 30);
    coTree root;
    EXPECT_EQ(root.begin(), root.end());
    root.add(&a);
    root.add(&c);
    root.add(&b);
    std::vector<const coTreeObj *> top;
    for (coTree *child : std::as_const(root))
        top.push_back(child->object());
    EXPECT_EQ(top, (std::vector<const coTreeObj *>{&a, &c}));
    coTree *under_a = *root.begin();
    ASSERT_NE(under_a->begin(), under_a->end());
    EXPECT_EQ((*under_a->begin())->object(), &b);
}

} // namespace
