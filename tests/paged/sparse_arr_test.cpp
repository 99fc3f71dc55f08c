#include <colib/paged/sparse_arr.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <algorithm>
#include <map>
#include <random>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace {
using namespace colib_test;

// Reaches the protected index operations.
struct Index : basecoSparseArr2D {
    using basecoSparseArr2D::allocate;
    using basecoSparseArr2D::get_addr_var;
    using basecoSparseArr2D::get_index;
};

// The cell numbers along one list, following the links.
std::vector<int> list(const basecoSparseArr2D &a, coSparseArrRowCol which, int i) {
    std::vector<int> ks;
    int k = which == coSPARSE_ROW ? a.row_head(i) : a.column_head(i);
    for (; k >= 0; k = which == coSPARSE_ROW ? a.cell(k).next_in_row : a.cell(k).next_in_column)
        ks.push_back(k);
    return ks;
}

using Entry = std::tuple<int, int, double>;
template <class R> std::vector<Entry> entries(const R &r) {
    std::vector<Entry> v;
    for (auto e : r)
        v.emplace_back(e.row, e.column, e.value);
    return v;
}

TEST(SparseIndex, CellsAreNumberedInCreationOrderAndListsStayOrdered) {
    Index a;
    EXPECT_EQ(a.get_index(2, 5), 0);
    EXPECT_EQ(a.row_heads().size(), 3);
    EXPECT_EQ(a.column_heads().size(), 6);
    EXPECT_EQ(a.row_head(2) * 10 + a.column_head(5), 0);
    EXPECT_EQ(a.row_head(1), -1);
    EXPECT_EQ(a.get_index(2, 1), 1);
    EXPECT_EQ(a.cell(1).next_in_row, 0);
    EXPECT_EQ(a.column_head(1), 1);
    EXPECT_EQ(a.get_index(2, 5), 0);
    EXPECT_EQ(a.cell_count(), 2);
    EXPECT_EQ(list(a, coSPARSE_ROW, 2), (std::vector<int>{1, 0}));

    Index b;
    for (int c : {3, 1, 2})
        b.get_index(0, c);
    EXPECT_EQ(list(b, coSPARSE_ROW, 0), (std::vector<int>{1, 2, 0}));
    b.get_index(4, 0);
    b.get_index(1, 0);
    EXPECT_EQ(list(b, coSPARSE_COLUMN, 0), (std::vector<int>{4, 3}));

    // (1, 1) goes in front of (1, 2) on row 1 and of (2, 1) on column 1.
    Index d;
    d.get_index(1, 2);
    d.get_index(2, 1);
    EXPECT_EQ(d.get_index(1, 1), 2);
    EXPECT_EQ(list(d, coSPARSE_ROW, 1), (std::vector<int>{2, 0}));
    EXPECT_EQ(list(d, coSPARSE_COLUMN, 1), (std::vector<int>{2, 1}));
    EXPECT_EQ(d.find(1, 1), 2);
    EXPECT_EQ(d.find(2, 2), -1);
    EXPECT_EQ(d.find(9, 0), -1);

    // Looking at a position grows its heads, -1 throughout, without a cell.
    const int pos[2] = {1000, 7};
    int *link = d.get_addr_var(coSPARSE_ROW, pos);
    EXPECT_EQ(*link, -1);
    EXPECT_EQ(d.row_heads().size(), 1001);
    for (int r = 3; r <= 1000; ++r)
        ASSERT_EQ(d.row_head(r), -1) << r;
    // allocate links the new cell in at the variables it is given.
    const int at[2] = {1, 3};
    int *rl = d.get_addr_var(coSPARSE_ROW, at);
    EXPECT_EQ(rl, &d.cells()[0].next_in_row);
    EXPECT_EQ(d.allocate(at, rl, d.get_addr_var(coSPARSE_COLUMN, at)), 3);
    EXPECT_EQ(list(d, coSPARSE_ROW, 1), (std::vector<int>{2, 0, 3}));
    EXPECT_EQ(d.column_head(3), 3);
}

// The index against a model that rebuilds every list from a map, and the
// typed matrix against a map of values, after every step.
TEST(SparseIndex, MatchesAMapModel) {
    std::mt19937 rng(11);
    for (int round = 0; round < 4; ++round) {
        int span = round < 2 ? 9 : 300;
        Index a;
        doublecoSparseArr2D m(1 + round, 1, 1);
        std::map<std::pair<int, int>, int> cells;
        std::map<std::pair<int, int>, double> vals;
        int rows = 0, cols = 0;
        int r = 0, c = 0;
        for (int step = 0; step < 500; ++step) {
            // Random positions, and runs along a row or a column that hit
            // the lists' tails.
            switch (rng() % 4) {
            case 0:
                c = (c + 1 + static_cast<int>(rng() % 3)) % span;
                break;
            case 1:
                r = (r + 1 + static_cast<int>(rng() % 3)) % span;
                break;
            default:
                r = static_cast<int>(rng() % span);
                c = static_cast<int>(rng() % span);
            }
            auto it = cells.find({r, c});
            int want = it == cells.end() ? static_cast<int>(cells.size()) : it->second;
            ASSERT_EQ(a.get_index(r, c), want);
            cells[{r, c}] = want;
            rows = std::max(rows, r + 1);
            cols = std::max(cols, c + 1);
            ASSERT_EQ(a.cell_count(), static_cast<int>(cells.size()));
            ASSERT_EQ(a.row_heads().size(), rows);
            ASSERT_EQ(a.column_heads().size(), cols);
            // The map runs by row, then column: each list comes out ordered.
            std::vector<std::vector<int>> by_row(rows), by_col(cols);
            for (const auto &e : cells) {
                by_row[e.first.first].push_back(e.second);
                by_col[e.first.second].push_back(e.second);
                const coSparseArrPtrP &cell = a.cell(e.second);
                ASSERT_EQ(cell.row * 1000 + cell.column, e.first.first * 1000 + e.first.second);
            }
            for (int i = 0; i < rows; ++i) {
                ASSERT_EQ(list(a, coSPARSE_ROW, i), by_row[i]) << "row " << i;
                ASSERT_EQ(a.row_tail(i), by_row[i].empty() ? -1 : by_row[i].back());
            }
            for (int i = 0; i < cols; ++i) {
                ASSERT_EQ(list(a, coSPARSE_COLUMN, i), by_col[i]) << "column " << i;
                ASSERT_EQ(a.column_tail(i), by_col[i].empty() ? -1 : by_col[i].back());
            }

            double v = step + 0.5;
            if (step % 3 == 0) {
                m(r, c) += v;
                vals[{r, c}] += v;
            } else {
                m.write(r, c, v);
                vals[{r, c}] = v;
            }
            int qr = static_cast<int>(rng() % span), qc = static_cast<int>(rng() % span);
            auto q = vals.find({qr, qc});
            ASSERT_EQ(m.read(qr, qc), q == vals.end() ? 0.0 : q->second);
            ASSERT_EQ(m.find_value(qr, qc) != nullptr, q != vals.end());
        }
        std::vector<Entry> all;
        for (const auto &e : vals)
            all.emplace_back(e.first.first, e.first.second, e.second);
        EXPECT_EQ(entries(m), all);
        EXPECT_EQ(m.cell_count(), static_cast<int>(vals.size()));
        std::vector<std::vector<Entry>> rows_of(m.max_row() + 1), cols_of(m.max_column() + 1);
        for (const Entry &e : all) {
            rows_of[std::get<0>(e)].push_back(e);
            cols_of[std::get<1>(e)].push_back(e);
        }
        for (int i = 0; i <= m.max_row(); ++i)
            ASSERT_EQ(entries(m.row(i)), rows_of[i]);
        for (int i = 0; i <= m.max_column(); ++i)
            ASSERT_EQ(entries(m.column(i)), cols_of[i]);
        std::vector<double> x(m.max_column() + 1), y(m.max_row() + 1, -1), want(y.size());
        for (size_t i = 0; i < x.size(); ++i)
            x[i] = static_cast<double>(i % 7) - 3;
        for (const auto &e : vals)
            want[e.first.first] += e.second * x[e.first.second];
        m.multiply(x.data(), y.data());
        EXPECT_EQ(y, want);
    }
}

TEST(SparseMatrix, ReadsNeverCreateWritesCreateOnce) {
    doublecoSparseArr2D m;
    const doublecoSparseArr2D &c = m;
    EXPECT_EQ(m.max_row() * 10 + m.max_column(), -11);
    EXPECT_TRUE(c.begin() == c.end());
    EXPECT_EQ(m.read(3, 4), 0.0);
    EXPECT_EQ(c.find_value(3, 4), nullptr);
    EXPECT_TRUE(m.row(3).empty());
    EXPECT_EQ(m.cell_count() + m.row_heads().size() + m.column_heads().size(), 0);

    EXPECT_EQ(m.write(2, 5, 1.5), 0);
    double &v = m(2, 1);
    EXPECT_EQ(v, 0.0);
    v = 4;
    EXPECT_EQ(m.write(2, 5, 2.5), 0); // overwrites
    EXPECT_EQ(m.cell_count(), 2);
    EXPECT_EQ(m.max_row() * 10 + m.max_column(), 25);
    EXPECT_EQ(entries(c.row(2)), (std::vector<Entry>{{2, 1, 4.0}, {2, 5, 2.5}}));
    EXPECT_EQ(entries(c.column(5)), (std::vector<Entry>{{2, 5, 2.5}}));
    EXPECT_TRUE(m.row(99).empty());

    // Values never move while the matrix grows.
    double *p = &m(2, 5);
    for (int i = 0; i < 2000; ++i)
        m.write(i, i % 13, i);
    EXPECT_EQ(p, c.find_value(2, 5));
    EXPECT_EQ(*p, 2.5);
    EXPECT_EQ(m.value(1), 4.0);
    EXPECT_EQ(m.cells().block_count(), 8);

    // Walks write through; from a const matrix they yield const values.
    for (auto e : m.row(2))
        e.value *= 2;
    EXPECT_EQ(c.read(2, 1) + c.read(2, 5), 13.0);
    static_assert(std::is_same<decltype((*c.begin()).value), const double &>::value, "");
    static_assert(std::is_same<decltype((*c.row(0).begin()).value), const double &>::value, "");
    static_assert(std::is_same<decltype((*m.column(0).begin()).value), double &>::value, "");
    static_assert(std::is_same<decltype(c.value(0)), const double &>::value, "");
    static_assert(std::is_same<decltype(*c.find_value(0, 0)), const double &>::value, "");

    intcoSparseArr2D n;
    n(0, 0) += 3;
    n(0, 0) += 4;
    EXPECT_EQ(n.read(0, 0), 7);
}

TEST(SparseMatrix, PrintsInRowOrder) {
    intcoSparseArr2D m;
    EXPECT_EQ(printed(m), "coSparseArr2D {\n  size 0\n}\n");
    m.write(3, 0, 7);
    m.write(1, 4, -2);
    m.write(1, 2, 5);
    EXPECT_EQ(printed(m), "coSparseArr2D {\n  size 3\n  1 2 5\n  1 4 -2\n  3 0 7\n}\n");
}

TEST(SparseMatrix, CopyMoveAndClear) {
    intcoSparseArr2D a(2, 1, 1);
    for (int i = 0; i < 20; ++i)
        a.write(i % 5, i, i);
    std::string before = printed(a);

    intcoSparseArr2D b(utCOPY, a);
    b.write(0, 0, 100);
    EXPECT_EQ(printed(a), before);
    EXPECT_EQ(b.read(0, 0), 100);
    intcoSparseArr2D c;
    c.write(50, 50, 1);
    c.become(utCOPY, a);
    EXPECT_EQ(printed(c), before);
    c = b;
    EXPECT_EQ(c.read(0, 0), 100);
    c.become(utCOPY, c);
    EXPECT_EQ(c.read(0, 0), 100);

    // Moves are noexcept exactly when the paged arrays' are.
    constexpr bool paged = std::is_nothrow_move_constructible<intcoPageArr>::value &&
                           std::is_nothrow_move_assignable<intcoPageArr>::value;
    static_assert(std::is_nothrow_move_constructible<intcoSparseArr2D>::value == paged, "");
    static_assert(std::is_nothrow_move_assignable<intcoSparseArr2D>::value == paged, "");
    intcoSparseArr2D d(std::move(a));
    EXPECT_EQ(printed(d), before);
    EXPECT_EQ(a.cell_count() + a.max_row() + a.max_column(), -2);
    EXPECT_TRUE(a.begin() == a.end());
    a.write(1, 1, 1); // the source is usable
    EXPECT_EQ(a.find(1, 1), 0);
    c = std::move(d);
    EXPECT_EQ(printed(c), before);
    EXPECT_EQ(d.cell_count(), 0);

    // clear(0) keeps every block, and reused heads read -1 again.
    int blocks = c.cells().block_count() + c.row_heads().block_count();
    c.clear(0);
    EXPECT_EQ(c.cell_count() + c.max_row() + c.max_column(), -2);
    EXPECT_EQ(c.cells().block_count() + c.row_heads().block_count(), blocks);
    c.write(3, 3, 9);
    EXPECT_EQ(list(c, coSPARSE_ROW, 3), (std::vector<int>{0}));
    EXPECT_EQ(c.row_head(0) + c.row_head(1) + c.row_head(2), -3);
    c.clear(1);
    EXPECT_EQ(c.cells().block_count() + c.row_heads().block_count(), 0);

    EXPECT_EQ(c.reserve(1000), 1);
    EXPECT_EQ(c.cells().block_count(), 250);
    EXPECT_EQ(c.values().block_count(), 250);
    EXPECT_EQ(c.cell_count(), 0);
}

TEST(SparseStorage, HeadBlocksAreMadeEmpty) {
    coSparseArrIntPcoPageArr heads;
    EXPECT_EQ(heads.block_size() * 100 + heads.block_table().capacity(), 25605);
    heads[300];
    for (int i = 0; i < 512; ++i)
        ASSERT_EQ(heads.block(i >> 8)[i & 255].index, -1);
}

TEST(SparseDeath, NegativeRowOrColumn) {
    doublecoSparseArr2D m;
    const doublecoSparseArr2D &c = m;
    Index a;
    expect_deaths("doublecoSparseArr2D",
                  {{[&] { m.write(-1, 0, 1); }, "::write: negative position \\(-1, 0\\)"},
                   {[&] { m(0, -2); }, "::operator\\(\\): negative position \\(0, -2\\)"},
                   {[&] { c.read(-1, 0); }, "::read: negative position"},
                   {[&] { c.row(-1); }, "::row: negative index -1"},
                   {[&] { m.column(-3); }, "::column: negative index -3"}});
    expect_deaths("basecoSparseArr2D",
                  {{[&] { a.get_index(0, -1); }, "::get_index: negative position \\(0, -1\\)"},
                   {[&] { a.find(-4, 0); }, "::find: negative position \\(-4, 0\\)"}});
}

} // namespace
