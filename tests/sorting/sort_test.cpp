#include <colib/sorting/sort.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace {

using Swaps = std::vector<std::pair<int, int>>;

// A vector of ints behind the object and array interface, counting the
// calls; copies of elements are new ints.
template <class Base> class Ints : public Base {
public:
    mutable std::vector<int> v;
    mutable std::vector<int> puts;
    mutable int compares = 0, gets = 0, created = 0, destroyed = 0;

    int obj_compare(void *const a, void *const b) const override {
        ++compares;
        int x = *static_cast<int *>(a), y = *static_cast<int *>(b);
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    void *arr_get(void *const, int i) const override {
        ++gets;
        return const_cast<int *>(&v[i]);
    }
    void *obj_create_copy(void *const obj) const override {
        ++created;
        return new int(*static_cast<int *>(obj));
    }
    void obj_destroy(void *const obj) const override {
        ++destroyed;
        delete static_cast<int *>(obj);
    }
    void arr_put_copy(void *const, void *const obj, int i) const override {
        puts.push_back(i);
        v[i] = *static_cast<int *>(obj);
    }
};

// Records every swap; with base_swap, swaps through element copies as the
// base class does.
class IntSort : public Ints<coQuickSort> {
public:
    using coQuickSort::lran;
    mutable Swaps swaps;
    bool base_swap = false;
    void arr_swap(void *const a, int i, int j) const override {
        if (base_swap) return coQuickSort::arr_swap(a, i, j);
        swaps.emplace_back(i, j);
        std::swap(v[i], v[j]);
    }
};

TEST(QuickSort, PivotGenerator) {
    IntSort s;
    EXPECT_EQ(s.seed(), 0);
    EXPECT_EQ(s.lran(0, 100), 21); // 1663 * 100 / 7875
    EXPECT_EQ(s.seed(), 1663);
    EXPECT_EQ(s.lran(10, 100), 10 + (1663 * 211 + 1663) % 7875 * 100 / 7875);
    IntSort t;
    EXPECT_EQ(t.lran(5, 100000), 5 + 4 * 100000 / 7875 * 1663 / 4);
    // Any seed gives an index inside the range, also for the largest n.
    for (int i = 0; i < 8000; ++i) {
        int p = t.lran(3, 2147483600);
        ASSERT_GE(p, 3);
        ASSERT_LT(static_cast<long long>(p), 3LL + 2147483600);
    }
    EXPECT_EQ(s.start_stack().capacity(), 6);
    EXPECT_EQ(s.count_stack().step(), 6);
}

TEST(QuickSort, SmallRangesAndExactSwaps) {
    IntSort s;
    s.v = {4};
    s.sort(nullptr, 1);
    s.sort(nullptr, 0);
    s.sort(nullptr, -3);
    EXPECT_EQ(s.gets + s.compares, 0);
    EXPECT_EQ(s.seed(), 0);

    // Six elements: selection sort only, at most five swaps, no pivot.
    s.v = {5, 3, 6, 1, 4, 2};
    s.sort(nullptr, 6);
    EXPECT_EQ(s.v, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(s.swaps, (Swaps{{0, 3}, {1, 5}, {2, 5}, {3, 4}}));
    EXPECT_EQ(s.compares, 15);
    EXPECT_EQ(s.seed(), 0);

    // Seven elements: pivot index 1; the equal block climbs to the top.
    IntSort a;
    a.v = {3, 6, 1, 5, 0, 4, 2};
    a.sort(nullptr, 7);
    EXPECT_EQ(a.seed(), 1663);
    EXPECT_EQ(a.v, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(a.swaps, (Swaps{{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {0, 3}, {2, 5}}));

    // Equal elements join the block from both sides; a crossed pair is
    // exchanged; the upper part waits on the stack.
    IntSort b;
    b.v = {9, 5, 0, 5, 7, 1, 5};
    b.sort(nullptr, 7);
    EXPECT_EQ(b.v, (std::vector<int>{0, 1, 5, 5, 5, 7, 9}));
    EXPECT_EQ(b.swaps, (Swaps{{2, 6}, {0, 6}, {1, 3}, {1, 4}, {1, 5}}));
    EXPECT_EQ(b.start_stack().size(), 9); // 6 + bit length of 6
    EXPECT_EQ(b.start_stack()[0], 5);
    EXPECT_EQ(b.count_stack()[0], 2);
}

TEST(QuickSort, SortsAndContinuesItsPivotSequence) {
    std::mt19937 rng(3);
    IntSort s, fresh1, fresh2;
    for (int n : {7, 8, 50, 100, 1000, 5000}) {
        for (int distinct : {1, 3, 1000000}) {
            std::vector<int> v(n);
            for (int &x : v)
                x = static_cast<int>(rng() % distinct);
            s.v = v;
            s.sort(nullptr, n);
            std::vector<int> sorted = v;
            std::sort(sorted.begin(), sorted.end());
            ASSERT_EQ(s.v, sorted) << n << " " << distinct;
        }
    }
    // All equal: one partition finishes the range.
    s.v.assign(500, 7);
    int seed = s.seed();
    s.sort(nullptr, 500);
    EXPECT_EQ(s.seed(), (seed * 211 + 1663) % 7875);

    // Fresh sorters repeat each other; one sorter continues its sequence.
    std::vector<int> v(100);
    for (int &x : v)
        x = static_cast<int>(rng() % 50);
    fresh1.v = fresh2.v = v;
    fresh1.sort(nullptr, 100);
    fresh2.sort(nullptr, 100);
    EXPECT_EQ(fresh1.swaps, fresh2.swaps);
    EXPECT_EQ(fresh1.seed(), fresh2.seed());
    fresh1.v = v;
    fresh1.swaps.clear();
    fresh1.sort(nullptr, 100);
    EXPECT_NE(fresh1.swaps, fresh2.swaps);
    EXPECT_EQ(fresh1.v, fresh2.v);

    // A sub-range leaves the rest alone.
    s.v = {9, 8, 7, 6, 5, 4, 3, 2, 1};
    s.sort(nullptr, 3, 4);
    EXPECT_EQ(s.v, (std::vector<int>{9, 8, 7, 3, 4, 5, 6, 2, 1}));
    s.v = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0, -1, -2, -3};
    s.sort(nullptr, 2, 9);
    EXPECT_EQ(s.v, (std::vector<int>{9, 8, -1, 0, 1, 2, 3, 4, 5, 6, 7, -2, -3}));

    // The base swap through element copies.
    IntSort c;
    c.base_swap = true;
    c.v = {4, 2, 9, 1, 1, 8, 0, 3};
    c.sort(nullptr, 8);
    EXPECT_EQ(c.v, (std::vector<int>{0, 1, 1, 2, 3, 4, 8, 9}));
    EXPECT_GT(c.created, 0);
    EXPECT_EQ(c.created, c.destroyed);
}

// Counts the virtual calls: a derived index sorter takes the generic path.
class CountingIndexSort : public doublecoQuickSortIndex {
public:
    mutable int compares = 0;
    int obj_compare(void *const a, void *const b) const override {
        ++compares;
        return doublecoQuickSortIndex::obj_compare(a, b);
    }
};

TEST(QuickSortIndex, OrdersIndexesByKeys) {
    doublecoPageArr keys{2.0, 1.0, 2.0, 0.5};
    intcoPageArr order;
    doublecoQuickSortIndex s(keys, order);
    EXPECT_EQ(std::vector<int>(order.begin(), order.end()), (std::vector<int>{3, 1, 0, 2}));
    EXPECT_EQ(std::vector<double>(keys.begin(), keys.end()),
              (std::vector<double>{2.0, 1.0, 2.0, 0.5}));
    doublecoPageArr none;
    order.append(5);
    s.sort_indices(none, order);
    EXPECT_EQ(order.size(), 0);

    // The direct path and the virtual path make the same swaps.
    std::mt19937 rng(5);
    doublecoPageArr big(4, 1, 1);
    for (int i = 0; i < 3000; ++i)
        big.append(static_cast<double>(rng() % 16));
    intcoPageArr fast, slow;
    doublecoQuickSortIndex f;
    CountingIndexSort g;
    f.sort_indices(big, fast);
    g.sort_indices(big, slow);
    EXPECT_GT(g.compares, 3000);
    EXPECT_EQ(f.seed(), g.seed());
    ASSERT_EQ(std::vector<int>(fast.begin(), fast.end()),
              std::vector<int>(slow.begin(), slow.end()));
    for (int i = 1; i < fast.size(); ++i) {
        double a = big[fast[i - 1]], b = big[fast[i]];
        ASSERT_TRUE(a < b || (a == b && fast[i - 1] < fast[i])) << i;
    }
}

// Heap sort of a vector of ints, the temporary being a new int.
class IntHeapSort : public Ints<coHeapSort> {
public:
    mutable std::vector<std::pair<int, int>> moves;
    void *obj_create() const override {
        ++created;
        return new int(0);
    }
    void obj_assign(void *const d, void *const s) const override {
        *static_cast<int *>(d) = *static_cast<int *>(s);
    }
    void arr_move(void *const arr, int from, int to) const override {
        moves.emplace_back(from, to);
        coHeapSort::arr_move(arr, from, to);
    }
};

TEST(HeapSort, SortsWithOneTemporary) {
    IntHeapSort h;
    h.v = {2, 3, 1};
    h.sort(nullptr, 3);
    EXPECT_EQ(h.v, (std::vector<int>{1, 2, 3}));
    // arr_move stores through arr_put_copy, so its stores appear in puts.
    EXPECT_EQ(h.moves, (std::vector<std::pair<int, int>>{{1, 0}, {0, 2}, {1, 0}, {0, 1}}));
    EXPECT_EQ(h.puts, (std::vector<int>{0, 1, 2, 0, 1, 1, 0}));
    EXPECT_EQ(h.created, 1);
    EXPECT_EQ(h.destroyed, 1);

    IntHeapSort e;
    e.sort(nullptr, 0);
    EXPECT_EQ(e.created, 0);
    e.v = {5};
    e.sort(nullptr, 1);
    e.sort(nullptr, -2);
    EXPECT_EQ(e.created, 2);
    EXPECT_EQ(e.destroyed, 2);
    EXPECT_TRUE(e.moves.empty());

    std::mt19937 rng(9);
    for (int n : {2, 5, 64, 1001}) {
        IntHeapSort r;
        r.v.resize(n);
        for (int &x : r.v)
            x = static_cast<int>(rng() % 40);
        std::vector<int> sorted = r.v;
        std::sort(sorted.begin(), sorted.end());
        r.sort(nullptr, n);
        ASSERT_EQ(r.v, sorted);
        EXPECT_EQ(r.created, 1);
        EXPECT_EQ(r.destroyed, 1);
    }
}

} // namespace
