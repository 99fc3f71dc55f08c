// The sorters' worked examples: pivots, exact swaps and moves. Sorted
// order over any input is the arrays driver's job.
#include <gtest/gtest.h>

#include "../arrays/arrays_driver.h"

namespace {

using Pairs = std::vector<std::pair<int, int>>;
template <class Base> struct Traced : arrays_model::Ints<Base> {
    mutable Pairs swaps, moves;
    void arr_swap(void *const, int i, int j) const override {
        swaps.emplace_back(i, j), std::swap(this->v[i], this->v[j]);
    }
    void arr_move(void *const arr, int from, int to) const override {
        moves.emplace_back(from, to), Base::arr_move(arr, from, to);
    }
};
struct Quick : Traced<coQuickSort> {
    using coQuickSort::lran;
};
using Heap = Traced<coHeapSort>;

TEST(Sorting, PivotsSwapsAndMoves) {
    Quick s, t, u, e;
    EXPECT_EQ(s.lran(0, 100), 21); // 1663 * 100 / 7875
    EXPECT_EQ(s.lran(10, 100), 10 + (1663 * 211 + 1663) % 7875 * 100 / 7875);
    EXPECT_EQ(t.lran(5, 100000), 5 + 4 * 100000 / 7875 * 1663 / 4);
    t.v = {5, 3, 6, 1, 4, 2}; // selection sort only: no pivot
    t.sort(nullptr, 6);
    EXPECT_EQ(t.swaps, (Pairs{{0, 3}, {1, 5}, {2, 5}, {3, 4}}));
    u.v = {3, 6, 1, 5, 0, 4, 2}; // pivot index 1; the equal block climbs to the top
    u.sort(nullptr, 7);
    EXPECT_EQ(u.swaps, (Pairs{{1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {0, 3}, {2, 5}}));
    EXPECT_EQ(u.seed(), 1663);
    e.v = {9, 5, 0, 5, 7, 1, 5}; // both sides join the block; the upper part waits
    e.sort(nullptr, 7);
    EXPECT_EQ(e.swaps, (Pairs{{2, 6}, {0, 6}, {1, 3}, {1, 4}, {1, 5}}));
    EXPECT_EQ(e.start_stack().size() * 100 + e.start_stack()[0] * 10 + e.count_stack()[0], 952);

    doublecoPageArr keys{2.0, 1.0, 2.0, 0.5};
    intcoPageArr order;
    doublecoQuickSortIndex index(keys, order);
    EXPECT_EQ(std::vector<int>(order.begin(), order.end()), (std::vector<int>{3, 1, 0, 2}));

    Heap h;
    h.v = {2, 3, 1};
    h.sort(nullptr, 3);
    EXPECT_EQ(h.moves, (Pairs{{1, 0}, {0, 2}, {1, 0}, {0, 1}}));
    EXPECT_EQ(h.v, (std::vector<int>{1, 2, 3}));
}

} // namespace
