// Allocation failure in the sparse matrices: creating a cell needs up to
// seven blocks (row and column heads and tails, cells, values) and their
// tables;
// whichever cannot be had, the write throws std::bad_alloc and leaves the
// matrix exactly as it was, and nothing leaks.
#include <colib/paged/sparse_arr.h>

#include "alloc/legacy.h"
#include "support/values.h"

namespace {
using alloc_injector::for_each_failure;
using alloc_injector::for_each_throw;
using colib_test::printed;
using SparseAlloc = alloc_injector::NoLeaks;

// Everything a user can see of the index.
std::string state(const doublecoSparseArr2D &m) {
    std::string s = printed(m);
    for (int r = 0; r <= m.max_row() + 2; ++r)
        s += " " + std::to_string(m.row_head(r)) + "/" + std::to_string(m.row_tail(r));
    for (int c = 0; c <= m.max_column() + 2; ++c)
        s += " " + std::to_string(m.column_head(c)) + "/" + std::to_string(m.column_tail(c));
    return s + " " + std::to_string(m.row_heads().size()) + " " +
           std::to_string(m.column_heads().size());
}

TEST_F(SparseAlloc, CreatingACellFailsWithNothingChanged) {
    // One element per block and a table step of 1: every new cell, row and
    // column needs fresh blocks and a larger table.
    doublecoSparseArr2D m(0, 0, 1);
    m.write(1, 1, 1.0);
    m.write(0, 3, 2.0);
    int positions[][2] = {{1, 2}, {5, 1}, {0, 0}, {7, 9}, {1, 3}};
    for (auto &p : positions) {
        std::string before = state(m);
        int n = m.cell_count();
        int runs =
            for_each_throw([&] { m.write(p[0], p[1], 9.5); }, [&] { ASSERT_EQ(state(m), before); });
        EXPECT_GE(runs, 1);
        EXPECT_EQ(m.cell_count(), n + 1);
        EXPECT_EQ(m.read(p[0], p[1]), 9.5);
    }
    // operator() creates through the same path.
    std::string before = state(m);
    EXPECT_GE(for_each_throw([&] { m(20, 20) = 1; }, [&] { ASSERT_EQ(state(m), before); }), 1);

    doublecoSparseArr2D r;
    EXPECT_GE(
        for_each_failure([&] { return r.reserve(40) == 1; }, [&] { ASSERT_EQ(r.cell_count(), 0); }),
        2);

    // A copy that fails leaves the target as it was: it is copied aside
    // and moved in, which cannot fail once moves are noexcept.
    if (doublecoSparseArr2D::nothrow_move) {
        doublecoSparseArr2D c;
        c.write(4, 4, 4);
        std::string mine = state(c);
        EXPECT_GE(for_each_throw([&] { c.become(utCOPY, m); }, [&] { ASSERT_EQ(state(c), mine); }),
                  1);
        EXPECT_EQ(state(c), state(m));
    }
}

} // namespace
