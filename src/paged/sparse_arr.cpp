#include <colib/paged/sparse_arr.h>

#include "paged/page_arr.inl"
#include "paged/sparse_arr.inl"

COLIB_SPARSE_ARR_INSTANCES(COLIB_INSTANTIATE)

basecoSparseArr2D::basecoSparseArr2D(int shift, int capacity, int step)
    : rows_(shift, capacity, step), cols_(shift, capacity, step), cells_(shift, capacity, step) {}

basecoSparseArr2D::basecoSparseArr2D(basecoSparseArr2D &&src) noexcept(nothrow_move)
    : rows_(std::move(src.rows_)), cols_(std::move(src.cols_)), cells_(std::move(src.cells_)) {
    src.clear_index(1);
}

basecoSparseArr2D &basecoSparseArr2D::operator=(basecoSparseArr2D &&src) noexcept(nothrow_move) {
    if (this != &src) {
        rows_ = std::move(src.rows_);
        cols_ = std::move(src.cols_);
        cells_ = std::move(src.cells_);
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
    int n = cells_.size();
    // The links point into the heads or into existing cells; appending a
    // cell never moves either, so they stay valid across the append.
    cells_.append(coSparseArrPtrP{pos[0], pos[1], *row_link, *column_link});
    *column_link = n;
    *row_link = n;
    return n;
}

int basecoSparseArr2D::get_index(int row, int column) {
    COLIB_EXPECT(row >= 0 && column >= 0, typeid(basecoSparseArr2D), "get_index",
                 "negative position (%d, %d)", row, column);
    int pos[2] = {row, column};
    int rows = rows_.size();
    int cols = cols_.size();
    try {
        int *row_link = get_addr_var(coSPARSE_ROW, pos);
        // A cell at the row link's column is the one at (row, column), and
        // the column walk would end on it too.
        int k = *row_link;
        if (k >= 0 && cells_[k].column == column) return k;
        int *column_link = get_addr_var(coSPARSE_COLUMN, pos);
        return allocate(pos, row_link, column_link);
    } catch (...) {
        // Heads grown for a cell that was not made go back to their sizes;
        // the entries beyond were never written and still hold -1.
        rows_.shrink(rows, 0);
        cols_.shrink(cols, 0);
        throw;
    }
}

void basecoSparseArr2D::clear_index(int release) {
    if (!release) {
        // Kept blocks must read -1 beyond the heads' sizes again.
        for (coSparseArrIntP &h : rows_)
            h.index = -1;
        for (coSparseArrIntP &h : cols_)
            h.index = -1;
    }
    rows_.clear(release);
    cols_.clear(release);
    cells_.clear(release);
}

int basecoSparseArr2D::reserve_cells(int n) {
    return cells_.reserve(n);
}

void doublecoSparseArr2D::multiply(const double *x, double *y) const {
    const coSparseArrPtrPcoPageArr &cs = cells();
    const doublecoPageArr &vs = values();
    int rows = max_row() + 1;
    for (int r = 0; r < rows; ++r) {
        double sum = 0;
        for (int k = row_head(r); k >= 0;) {
            const coSparseArrPtrP &c = cs[k];
            sum += vs[k] * x[c.column];
            k = c.next_in_row;
        }
        y[r] = sum;
    }
}
