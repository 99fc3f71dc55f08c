#include <colib/paged/sparse_arr.h>

#include <cxxabi.h>

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "paged/page_arr.inl"
#include "paged/sparse_arr.inl"

COLIB_SPARSE_INDEX_INSTANCES(COLIB_INSTANTIATE)
COLIB_SPARSE_ARR_MEMBERS(COLIB_SPARSE_ARR_INSTANCES, COLIB_INSTANTIATE)
COLIB_SPARSE_ARR_INSTANCES(COLIB_INSTANTIATE, double, double)

void colib_detail::sparse_beyond_limit(const std::type_info &cls, const char *op, int row,
                                       int column, int limit) {
    int status = 0;
    char *name = abi::__cxa_demangle(cls.name(), nullptr, nullptr, &status);
    std::string what = std::string(status == 0 && name ? name : cls.name()) + "::" + op +
                       ": position (" + std::to_string(row) + ", " + std::to_string(column) +
                       ") at or beyond the index limit " + std::to_string(limit) +
                       " (set_index_limit raises it)";
    std::free(name);
    throw std::length_error(what);
}

basecoSparseArr2D::basecoSparseArr2D(int shift, int capacity, int step)
    : rows_(shift, capacity, step), cols_(shift, capacity, step), cells_(shift, capacity, step),
      row_tails_(shift, capacity, step), col_tails_(shift, capacity, step) {}

basecoSparseArr2D::basecoSparseArr2D(basecoSparseArr2D &&src) noexcept(nothrow_move)
    : rows_(std::move(src.rows_)), cols_(std::move(src.cols_)), cells_(std::move(src.cells_)),
      row_tails_(std::move(src.row_tails_)), col_tails_(std::move(src.col_tails_)),
      index_limit_(src.index_limit_) {
    src.clear_index(1);
}

basecoSparseArr2D &basecoSparseArr2D::operator=(basecoSparseArr2D &&src) noexcept(nothrow_move) {
    if (this != &src) {
        rows_ = std::move(src.rows_);
        cols_ = std::move(src.cols_);
        cells_ = std::move(src.cells_);
        row_tails_ = std::move(src.row_tails_);
        col_tails_ = std::move(src.col_tails_);
        index_limit_ = src.index_limit_;
        src.clear_index(1);
    }
    return *this;
}

int basecoSparseArr2D::find(int row, int column) const {
    COLIB_EXPECT(row >= 0 && column >= 0, typeid(basecoSparseArr2D), "find",
                 "negative position (%d, %d)", row, column);
    if (row >= rows_.size() || column >= cols_.size()) return -1;
    int k = rows_[row].index;
    while (k >= 0) {
        const coSparseArrPtrP &c = cells_[k];
        if (c.column >= column) return c.column == column ? k : -1;
        k = c.next_in_row;
    }
    return -1;
}

int *basecoSparseArr2D::get_addr_var(coSparseArrRowCol which, int const *const pos) {
    int key = which == coSPARSE_ROW ? pos[0] : pos[1];
    int other = which == coSPARSE_ROW ? pos[1] : pos[0];
    COLIB_EXPECT(key >= 0 && other >= 0, typeid(basecoSparseArr2D), "get_addr_var",
                 "negative position (%d, %d)", pos[0], pos[1]);
    coSparseArrIntPcoPageArr &heads = which == coSPARSE_ROW ? rows_ : cols_;
    // The growing subscript: new entries of the heads are -1.
    int *link = &heads[key].index;
    int k = *link;
    if (which == coSPARSE_ROW) {
        while (k >= 0) {
            coSparseArrPtrP &c = cells_.read(k);
            if (c.column >= other) break;
            link = &c.next_in_row;
            k = *link;
        }
    } else {
        while (k >= 0) {
            coSparseArrPtrP &c = cells_.read(k);
            if (c.row >= other) break;
            link = &c.next_in_column;
            k = *link;
        }
    }
    return link;
}

int basecoSparseArr2D::allocate(int const *const pos, int *const row_link, int *const column_link) {
    return link_in(pos, row_link, *row_link, column_link, *column_link);
}

int basecoSparseArr2D::link_in(int const *const pos, int *row_link, int row_next, int *column_link,
                               int column_next) {
    int n = cells_.size();
    int row_tails = row_tails_.size();
    int col_tails = col_tails_.size();
    try {
        // The tails' entries first, so that nothing can fail once the cell
        // is linked in.
        row_tails_[pos[0]];
        col_tails_[pos[1]];
        // The links point into the heads or into existing cells; appending
        // a cell never moves either, so they stay valid across the append.
        cells_.append(coSparseArrPtrP{pos[0], pos[1], row_next, column_next});
    } catch (...) {
        row_tails_.shrink(row_tails, 0);
        col_tails_.shrink(col_tails, 0);
        throw;
    }
    *column_link = n;
    *row_link = n;
    if (row_next < 0) {
        coSparseArrTailP &t = row_tails_.read(pos[0]);
        t.cell = n;
        t.at = pos[1];
    }
    if (column_next < 0) {
        coSparseArrTailP &t = col_tails_.read(pos[1]);
        t.cell = n;
        t.at = pos[0];
    }
    return n;
}

int *basecoSparseArr2D::link_var(coSparseArrRowCol which, int const *const pos, int &next) {
    // A list with a last cell already has its head; pos beyond that cell
    // would walk the whole list to end at the same next field, which holds
    // -1.
    int key = which == coSPARSE_ROW ? pos[0] : pos[1];
    int other = which == coSPARSE_ROW ? pos[1] : pos[0];
    const coSparseArrTailPcoPageArr &tails = which == coSPARSE_ROW ? row_tails_ : col_tails_;
    if (key < tails.size()) {
        const coSparseArrTailP &t = tails[key];
        if (t.cell >= 0 && t.at < other) {
            next = -1;
            coSparseArrPtrP &c = cells_.read(t.cell);
            return which == coSPARSE_ROW ? &c.next_in_row : &c.next_in_column;
        }
    }
    int *link = get_addr_var(which, pos);
    next = *link;
    return link;
}

int basecoSparseArr2D::get_index(int row, int column) {
    COLIB_EXPECT(row >= 0 && column >= 0, typeid(basecoSparseArr2D), "get_index",
                 "negative position (%d, %d)", row, column);
    check_limit(typeid(basecoSparseArr2D), "get_index", row, column);
    int pos[2] = {row, column};
    int rows = rows_.size();
    int cols = cols_.size();
    try {
        int row_next, column_next;
        int *row_link = link_var(coSPARSE_ROW, pos, row_next);
        // A cell at the row link's column is the one at (row, column), and
        // the column walk would end on it too.
        if (row_next >= 0 && cells_[row_next].column == column) return row_next;
        int *column_link = link_var(coSPARSE_COLUMN, pos, column_next);
        return link_in(pos, row_link, row_next, column_link, column_next);
    } catch (...) {
        // Heads grown for a cell that was not made go back to their sizes;
        // the entries beyond were never written and still hold -1.
        rows_.shrink(rows, 0);
        cols_.shrink(cols, 0);
        throw;
    }
}

void basecoSparseArr2D::clear_index(int release) {
    // Kept blocks must read -1 beyond the sizes again.
    if (!release) {
        for (coSparseArrIntP &h : rows_)
            h.index = -1;
        for (coSparseArrIntP &h : cols_)
            h.index = -1;
        for (coSparseArrTailP &t : row_tails_)
            t.cell = -1;
        for (coSparseArrTailP &t : col_tails_)
            t.cell = -1;
    }
    rows_.clear(release);
    cols_.clear(release);
    row_tails_.clear(release);
    col_tails_.clear(release);
    cells_.clear(release);
}

int basecoSparseArr2D::reserve_cells(int n) {
    return cells_.reserve(n);
}

void doublecoSparseArr2D::multiply(const double *x, double *y) const {
    const coSparseArrPtrPcoPageArr &cs = cells();
    const doublecoPageArr &vs = values();
    int shift = cs.block_shift();
    int mask = cs.block_size() - 1;
    // The block of the previous cell is kept: a step along a row is then
    // one dependent load. Values share the cells' geometry.
    int b = -1;
    const coSparseArrPtrP *block = nullptr;
    const double *vblock = nullptr;
    int rows = max_row() + 1;
    for (int r = 0; r < rows; ++r) {
        double sum = 0;
        for (int k = row_head(r); k >= 0;) {
            if ((k >> shift) != b) {
                b = k >> shift;
                block = cs.block(b);
                vblock = vs.block(b);
            }
            const coSparseArrPtrP &c = block[k & mask];
            sum += vblock[k & mask] * x[c.column];
            k = c.next_in_row;
        }
        y[r] = sum;
    }
}
