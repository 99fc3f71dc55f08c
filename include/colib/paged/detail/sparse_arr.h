// The sparse index and the typed sparse matrices built on it.
//
// Design. basecoSparseArr2D records which (row, column) cells exist with
// orthogonal linked lists held in three paged arrays:
//
//   row heads     coSparseArrIntPcoPageArr   entry r: first cell of row r, or -1
//   column heads  coSparseArrIntPcoPageArr   entry c: first cell of column c, or -1
//   cells         coSparseArrPtrPcoPageArr   entry k: cell number k
//
// A cell knows its row, its column, the next cell of its row and the next
// cell of its column. Cells are numbered 0, 1, 2 ... in creation order and
// keep their numbers, so a derived class keeps its values in any array
// indexed by cell number (coSparseArr2DT keeps them in a paged array).
//
// The lists are ordered by construction: get_addr_var walks a list to the
// first cell at or beyond the wanted position, and allocate links the new
// cell in right there, in front of that cell. A row list therefore always
// runs in ascending columns and a column list in ascending rows, whatever
// order the cells were created in; walking a row or a column needs no sort.
//
// Creating a cell holds the addresses of two link variables (a list head
// or a next field of an existing cell) while the cells array grows. That is
// sound only because paged arrays never move their elements.
//
// Two more arrays, the row tails and the column tails, hold the last cell
// of each list with its place along the list. When the new position lies
// beyond a list's last cell, the link variable is that cell's next field
// and get_index takes it without walking the list, or even reading the
// cell: assembling a matrix row by row (or column by column) then costs no
// walk of the other list at all, only a store into its last cell. The
// links, the numbering and the growth of the heads are exactly those of
// the walks.
//
// Invariants:
//   - every cell is on exactly one row list and one column list; no
//     (row, column) pair occurs twice;
//   - along a row list columns strictly increase, along a column list rows
//     strictly increase;
//   - row heads cover every row index written (size = largest row + 1),
//     column heads every column index; entries of empty lists are -1, and
//     so are the entries of the heads' blocks beyond their size;
//   - row tail r is the last cell of row r's list (next in row -1) and its
//     column, or cell -1; likewise for columns; entries beyond the tails'
//     sizes have cell -1;
//   - cells are never removed one by one; cell count = cells.size();
//   - coSparseArr2DT: values.size() == cell count, value k belongs to cell k,
//     and the values have the cells' block size (walks switch blocks of both
//     at once).
//
// Failure: creating a cell throws std::bad_alloc when a heads block, a cell
// block or a value block cannot be had; the structure is then exactly as it
// was (the sizes of all arrays restored; blocks already made stay as spare
// blocks of their arrays and are freed with them).
#pragma once

#include <cstddef>
#include <iterator>
#include <ostream>
#include <type_traits>
#include <typeinfo>

#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/range_iter.h>
#include <colib/paged/detail/page_arr.h>

// A list head: the number of the first cell of a row or column list, -1
// for an empty list. Every block of heads is made with all entries -1.
struct COLIB_API coSparseArrIntP {
    coSparseArrIntP() noexcept : index(-1) {}
    int index;
};

// One cell of the index. No constructor: a cell is filled completely when
// it is created, so the blocks of cells are left uninitialised.
struct COLIB_API coSparseArrPtrP {
    int row;
    int column;
    int next_in_row;    // next cell of the row (larger column), or -1
    int next_in_column; // next cell of the column (larger row), or -1
};

// The last cell of a list and its place along the list (its column for a
// row list, its row for a column list); cell -1 for an empty list.
struct COLIB_API coSparseArrTailP {
    coSparseArrTailP() noexcept : cell(-1), at(-1) {}
    int cell;
    int at;
};

// Selects the row lists (0: found through the row heads by the row index,
// ordered by column, linked through next_in_row) or the column lists (1).
enum coSparseArrRowCol { coSPARSE_ROW = 0, coSPARSE_COLUMN = 1 };

// The heads, the cells and the tails: paged arrays of records, copied as
// bytes, not printing. Only the heads and the cells have walkers.
COLIB_THIN_CLASS(coSparseArrIntPcoPageArr, coPageArrT, coSparseArrIntPcoPageArr, coSparseArrIntP, 1,
                 0)
COLIB_THIN_CLASS(coSparseArrPtrPcoPageArr, coPageArrT, coSparseArrPtrPcoPageArr, coSparseArrPtrP, 1,
                 0)
COLIB_THIN_CLASS(coSparseArrTailPcoPageArr, coPageArrT, coSparseArrTailPcoPageArr, coSparseArrTailP,
                 1, 0)
COLIB_THIN_CLASS(coSparseArrIntPcoPageArrcoIterator, coPageArrIterT,
                 coSparseArrIntPcoPageArrcoIterator, coSparseArrIntPcoPageArr)
COLIB_THIN_CLASS(coSparseArrPtrPcoPageArrcoIterator, coPageArrIterT,
                 coSparseArrPtrPcoPageArrcoIterator, coSparseArrPtrPcoPageArr)

namespace colib_detail {
// Throws the std::length_error of a write at (row, column) beyond limit.
[[noreturn]] COLIB_API void sparse_beyond_limit(const std::type_info &cls, const char *op, int row,
                                                int column, int limit);
} // namespace colib_detail

// The index of a sparse two-dimensional array. Its operations are
// protected, for classes that keep values per cell; the public members
// only read.
class COLIB_API basecoSparseArr2D {
public:
    // The cell number at (row, column), -1 when there is no such cell.
    // Walks row's list only; never creates or grows anything. Requires
    // row >= 0 and column >= 0.
    int find(int row, int column) const;

    int cell_count() const noexcept { return cells_.size(); }
    // Largest row and column index written, -1 when there is none.
    int max_row() const noexcept { return rows_.size() - 1; }
    int max_column() const noexcept { return cols_.size() - 1; }
    // Cell k (row, column and both links). Requires 0 <= k < cell_count().
    const coSparseArrPtrP &cell(int k) const { return cells_[k]; }
    // The first cell of row r / column c, -1 for an empty list or an index
    // beyond the heads.
    int row_head(int r) const noexcept { return r >= 0 && r < rows_.size() ? rows_[r].index : -1; }
    int column_head(int c) const noexcept {
        return c >= 0 && c < cols_.size() ? cols_[c].index : -1;
    }

    // The last cell of row r / column c, -1 as for the heads.
    int row_tail(int r) const noexcept {
        return r >= 0 && r < row_tails_.size() ? row_tails_[r].cell : -1;
    }
    int column_tail(int c) const noexcept {
        return c >= 0 && c < col_tails_.size() ? col_tails_[c].cell : -1;
    }

    const coSparseArrIntPcoPageArr &row_heads() const noexcept { return rows_; }
    const coSparseArrIntPcoPageArr &column_heads() const noexcept { return cols_; }
    const coSparseArrPtrPcoPageArr &cells() const noexcept { return cells_; }

    // Writes refuse rows and columns at or beyond the index limit (default
    // default_index_limit) with std::length_error: the heads and tails grow
    // to the largest row and column written, 12 bytes per row and per
    // column, so one stray large index would otherwise cost gigabytes. The
    // default bounds that at about 400 MB; set_index_limit(n) (n >= 1)
    // applies to later writes.
    static constexpr int default_index_limit = 1 << 24;
    int index_limit() const noexcept { return index_limit_; }
    void set_index_limit(int n) {
        COLIB_EXPECT(n >= 1, typeid(basecoSparseArr2D), "set_index_limit", "limit %d below 1", n);
        index_limit_ = n;
    }

    // Heap bytes of the index: the blocks and block tables of the heads,
    // the tails and the cells. The heads and tails follow the largest row
    // and column index written, not the number of cells.
    std::size_t memory_bytes() const noexcept {
        return rows_.memory_bytes() + cols_.memory_bytes() + cells_.memory_bytes() +
               row_tails_.memory_bytes() + col_tails_.memory_bytes();
    }

protected:
    // Each array with the default paged geometry (256 per block, table
    // capacity 5, step 10).
    basecoSparseArr2D() = default;
    // All three arrays with this geometry (see coPageArrT).
    basecoSparseArr2D(int shift, int capacity, int step);
    // Independent copies of the three arrays; a derived class copies its
    // values beside them.
    basecoSparseArr2D(const basecoSparseArr2D &src) = default;
    // Moves of the index are as cheap as those of its paged arrays: O(1)
    // and noexcept when theirs are (otherwise a copy that may throw).
    static constexpr bool nothrow_move =
        std::is_nothrow_move_constructible<coSparseArrIntPcoPageArr>::value &&
        std::is_nothrow_move_assignable<coSparseArrIntPcoPageArr>::value &&
        std::is_nothrow_move_constructible<coSparseArrPtrPcoPageArr>::value &&
        std::is_nothrow_move_assignable<coSparseArrPtrPcoPageArr>::value &&
        std::is_nothrow_move_constructible<coSparseArrTailPcoPageArr>::value &&
        std::is_nothrow_move_assignable<coSparseArrTailPcoPageArr>::value;
    // Takes src's arrays; src is left empty and usable.
    basecoSparseArr2D(basecoSparseArr2D &&src) noexcept(nothrow_move);
    basecoSparseArr2D &operator=(basecoSparseArr2D &&src) noexcept(nothrow_move);
    basecoSparseArr2D &operator=(const basecoSparseArr2D &) = delete;
    ~basecoSparseArr2D() = default;

    // The number of the cell at (row, column), created when absent (then
    // it is cell_count() - 1). Throws std::bad_alloc, or std::length_error
    // beyond the index limit, with nothing changed. Requires row >= 0 and
    // column >= 0.
    int get_index(int row, int column);
    // The address of the link variable of the selected list of pos (pos[0]
    // the row, pos[1] the column) that holds, or would hold, the cell at
    // pos: the list head or the next field of the last cell before pos.
    // Grows the selected heads to cover pos (new entries -1; throws
    // std::bad_alloc). The address stays valid while the arrays grow.
    int *get_addr_var(coSparseArrRowCol which, int const *const pos);
    // Throws std::length_error (naming cls and op) when row or column is at
    // or beyond the index limit.
    void check_limit(const std::type_info &cls, const char *op, int row, int column) const {
        if (row >= index_limit_ || column >= index_limit_)
            colib_detail::sparse_beyond_limit(cls, op, row, column, index_limit_);
    }
    // Creates a cell at pos and links it in at the two link variables,
    // which must be the ones get_addr_var returned for pos; returns its
    // number. Throws std::bad_alloc with nothing changed.
    int allocate(int const *const pos, int *const row_link, int *const column_link);
    // get_addr_var, but taking the list's last cell's next field without a
    // walk when pos lies beyond that cell. Sets next to the number the
    // variable holds.
    int *link_var(coSparseArrRowCol which, int const *const pos, int &next);
    // allocate, with the numbers the two variables hold given.
    int link_in(int const *const pos, int *row_link, int row_next, int *column_link,
                int column_next);

    // Empties the index. With release 0 every block is kept for reuse.
    void clear_index(int release);
    // Makes the blocks that n cells need without creating any; 0 when
    // they could not be had.
    int reserve_cells(int n);

private:
    coSparseArrIntPcoPageArr rows_;
    coSparseArrIntPcoPageArr cols_;
    coSparseArrPtrPcoPageArr cells_;
    coSparseArrTailPcoPageArr row_tails_;
    coSparseArrTailPcoPageArr col_tails_;
    int index_limit_ = default_index_limit;
};

namespace colib_detail {

// What a sparse walk yields: the cell's position and its value (T is
// const when the walk was made from a const matrix).
template <class T> struct sparse_entry {
    int row;
    int column;
    T &value;
};

// Walks one row list (Which = coSPARSE_ROW) or one column list, or, with
// whole set, every row list in turn from row 0: the whole matrix in row
// order. End is cell -1.
template <class T, class Values>
class sparse_iter
    : public range_iter<sparse_iter<T, Values>, sparse_entry<T>, std::input_iterator_tag> {
    using V = std::remove_const_t<Values>;
    // The values' block b (values and cells share one geometry, and every
    // cell has its value).
    static T *value_block(const V &v, int b) { return const_cast<T *>(v.block(b)); }

public:
    // Yields entries by value: an input iterator.
    sparse_iter() noexcept = default;
    sparse_iter(const basecoSparseArr2D *index, Values *values, int k, coSparseArrRowCol which,
                bool whole) noexcept
        : index_(index), values_(values), k_(k), which_(which), whole_(whole),
          shift_(index->cells().block_shift()), mask_(index->cells().block_size() - 1) {
        if (whole_) {
            row_ = 0;
            k_ = -1;
            next_row();
        }
        follow();
    }

    // Reading writes nothing, so one walker may be read from several
    // threads; the block cache is the walker's own and moves with k_.
    sparse_entry<T> operator*() const {
        const coSparseArrPtrP &c = block_[k_ & mask_];
        return {c.row, c.column, value_block_[k_ & mask_]};
    }
    // The current cell number.
    int cell() const noexcept { return k_; }
    sparse_iter &operator++() {
        const coSparseArrPtrP &c = block_[k_ & mask_];
        k_ = which_ == coSPARSE_ROW ? c.next_in_row : c.next_in_column;
        if (k_ < 0 && whole_) {
            ++row_;
            next_row();
        }
        follow();
        return *this;
    }
    bool operator==(const sparse_iter &o) const noexcept { return k_ == o.k_; }

private:
    // Points the cache at the blocks of cell k_ (and its value) unless it
    // is there already: a step along a list within one block is then one
    // dependent load instead of two.
    void follow() noexcept {
        if (k_ < 0) return;
        int b = k_ >> shift_;
        if (b != block_index_) {
            block_index_ = b;
            block_ = index_->cells().block(b);
            value_block_ = value_block(*values_, b);
        }
    }
    void next_row() noexcept {
        int rows = index_->max_row() + 1;
        while (row_ < rows && (k_ = index_->row_head(row_)) < 0)
            ++row_;
    }

    const basecoSparseArr2D *index_ = nullptr;
    Values *values_ = nullptr;
    int k_ = -1;
    coSparseArrRowCol which_ = coSPARSE_ROW;
    bool whole_ = false;
    int row_ = 0;
    int shift_ = 0;
    int mask_ = 0;
    int block_index_ = -1;
    const coSparseArrPtrP *block_ = nullptr;
    T *value_block_ = nullptr;
};

// A begin/end pair for range-for.
template <class It> class sparse_range {
public:
    sparse_range(It first, It last) noexcept : first_(first), last_(last) {}
    It begin() const noexcept { return first_; }
    It end() const noexcept { return last_; }
    bool empty() const noexcept { return first_ == last_; }

private:
    It first_, last_;
};

} // namespace colib_detail

// A sparse matrix of T: the index above plus a paged array Values of T
// indexed by cell number. Reads never create; writes create the cell once
// and overwrite it after. Values never move: a reference to a value stays
// valid until the matrix is cleared, assigned to or destroyed.
template <class Derived, class T, class Values>
class COLIB_API coSparseArr2DT : public basecoSparseArr2D, public colib_detail::printable<Derived> {
public:
    using value_type = T;
    using iterator = colib_detail::sparse_iter<T, Values>;
    using const_iterator = colib_detail::sparse_iter<const T, const Values>;
    using range = colib_detail::sparse_range<iterator>;
    using const_range = colib_detail::sparse_range<const_iterator>;

    // Default paged geometry for all four arrays (256 per block, block
    // table capacity 5, step 10).
    coSparseArr2DT() = default;
    // All four arrays with this geometry; for millions of cells a larger
    // block (shift 12) and table step (256) avoid most table regrowth.
    coSparseArr2DT(int shift, int capacity, int step)
        : basecoSparseArr2D(shift, capacity, step), values_(shift, capacity, step) {}
    // A complete, independent copy (the utCopy value is not consulted).
    coSparseArr2DT(utCopy, const Derived &src) : coSparseArr2DT(src) {}
    coSparseArr2DT(const coSparseArr2DT &src) = default;
    // Takes src's cells; src is left empty and usable. O(1) and noexcept
    // when the paged arrays' moves are.
    static constexpr bool nothrow_move = basecoSparseArr2D::nothrow_move &&
                                         std::is_nothrow_move_constructible<Values>::value &&
                                         std::is_nothrow_move_assignable<Values>::value;
    coSparseArr2DT(coSparseArr2DT &&src) noexcept(nothrow_move)
        : basecoSparseArr2D(std::move(src)), values_(std::move(src.values_)) {
        src.values_.clear(1);
    }
    coSparseArr2DT &operator=(coSparseArr2DT &&src) noexcept(nothrow_move) {
        if (this != &src) {
            basecoSparseArr2D::operator=(std::move(src));
            values_ = std::move(src.values_);
            src.values_.clear(1);
        }
        return *this;
    }
    coSparseArr2DT &operator=(const coSparseArr2DT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    ~coSparseArr2DT() = default;

    // Makes this matrix a copy of src. From itself: no change. On failure
    // (std::bad_alloc) this matrix is unchanged when moves are noexcept
    // (nothrow_move); otherwise it may hold part of src.
    Derived &become(utCopy, const Derived &src);

    // The value at (row, column); T() (0) when there is no such cell.
    // Never creates. Requires row >= 0 and column >= 0.
    T read(int row, int column) const {
        int k = find_checked(row, column, "read");
        return k < 0 ? T() : values_[k];
    }
    // The value at (row, column), null when there is no such cell.
    const T *find_value(int row, int column) const {
        int k = find_checked(row, column, "find_value");
        return k < 0 ? nullptr : &values_[k];
    }
    T *find_value(int row, int column) {
        int k = find_checked(row, column, "find_value");
        return k < 0 ? nullptr : &values_.read(k);
    }
    // The value at (row, column), created as T() when absent. Throws
    // std::bad_alloc with nothing changed. The reference stays valid while
    // the matrix grows.
    T &operator()(int row, int column) {
        return values_.read(create(row, column, T(), "operator()"));
    }
    // Stores x at (row, column), creating the cell when absent; returns the
    // cell number. Throws std::bad_alloc with nothing changed.
    int write(int row, int column, const T &x) {
        int k = create(row, column, x, "write");
        values_.read(k) = x;
        return k;
    }
    // The value of cell k. Requires 0 <= k < cell_count().
    const T &value(int k) const { return values_[k]; }
    T &value(int k) { return values_.read(k); }
    const Values &values() const noexcept { return values_; }
    // Heap bytes the matrix holds: the index's and the values' blocks and
    // block tables (not what the values own themselves).
    std::size_t memory_bytes() const noexcept {
        return basecoSparseArr2D::memory_bytes() + values_.memory_bytes();
    }

    // Row r in ascending columns / column c in ascending rows, yielding
    // (row, column, value). Empty beyond the largest index written.
    // Requires r >= 0 / c >= 0.
    range row(int r) { return line(coSPARSE_ROW, r); }
    const_range row(int r) const { return line(coSPARSE_ROW, r); }
    range column(int c) { return line(coSPARSE_COLUMN, c); }
    const_range column(int c) const { return line(coSPARSE_COLUMN, c); }

    // Every cell, in row order (rows ascending, columns ascending in each).
    iterator begin() noexcept { return iterator(this, &values_, -1, coSPARSE_ROW, true); }
    iterator end() noexcept { return iterator(); }
    const_iterator begin() const noexcept {
        return const_iterator(this, &values_, -1, coSPARSE_ROW, true);
    }
    const_iterator end() const noexcept { return const_iterator(); }

    // Makes the blocks that n cells and their values need, without
    // creating any cell; 0 when they could not be had (the cells and values
    // are unchanged either way).
    int reserve(int n);
    // No cells, no rows, no columns. With release 0 every block is kept.
    void clear(int release);

    // "coSparseArr2D {", then nested "size " and the cell count, then one
    // line per cell in row order: row, column and value separated by
    // blanks; then "}".
    utOstream &print(utOstream &os) const;

protected:
    // The cell at (row, column), created with value x when absent.
    int create(int row, int column, const T &x, const char *op);

private:
    int find_checked(int row, int column, const char *op) const {
        COLIB_EXPECT(row >= 0 && column >= 0, typeid(Derived), op, "negative position (%d, %d)",
                     row, column);
        return find(row, column);
    }
    range line(coSparseArrRowCol which, int i) {
        return range(iterator(this, &values_, head_of(which, i), which, false), iterator());
    }
    const_range line(coSparseArrRowCol which, int i) const {
        return const_range(const_iterator(this, &values_, head_of(which, i), which, false),
                           const_iterator());
    }
    int head_of(coSparseArrRowCol which, int i) const {
        COLIB_EXPECT(i >= 0, typeid(Derived), which == coSPARSE_ROW ? "row" : "column",
                     "negative index %d", i);
        return which == coSPARSE_ROW ? row_head(i) : column_head(i);
    }

    Values values_;
};

// One typed matrix (paged/sparse_arr.h lists them): Pre##coSparseArr2D over
// Pre##coPageArr values. doublecoSparseArr2D is written out beside the
// list for its multiply.
#define COLIB_SPARSE_ARR_CLASSES(X, Pre, T)                                                        \
    COLIB_THIN_CLASS(Pre##coSparseArr2D, coSparseArr2DT, Pre##coSparseArr2D, T, Pre##coPageArr)    \
    COLIB_SPARSE_ARR_INSTANCES(X, Pre, T)
#define COLIB_SPARSE_ARR_INSTANCES(X, Pre, T)                                                      \
    X(coSparseArr2DT<Pre##coSparseArr2D, T, Pre##coPageArr>)
// The index's storage.
#define COLIB_SPARSE_INDEX_INSTANCES(X)                                                            \
    X(coPageArrT<coSparseArrIntPcoPageArr, coSparseArrIntP, 1, 0>)                                 \
    X(coPageArrT<coSparseArrPtrPcoPageArr, coSparseArrPtrP, 1, 0>)                                 \
    X(coPageArrT<coSparseArrTailPcoPageArr, coSparseArrTailP, 1, 0>)                               \
    X(coPageArrIterT<coSparseArrIntPcoPageArrcoIterator, coSparseArrIntPcoPageArr>)                \
    X(coPageArrIterT<coSparseArrPtrPcoPageArrcoIterator, coSparseArrPtrPcoPageArr>)
