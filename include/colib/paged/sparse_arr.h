// Sparse arrays: the orthogonal-list index of a sparse matrix and the
// typed sparse matrices built on it.
//
//   doublecoSparseArr2D m;     // no cell yet
//   m.write(2, 5, 1.5);        // cell 0
//   m(2, 1) = 4.0;             // cell 1: operator() creates (as 0), then assigns
//   m.read(7, 7);              // 0: reads never create
//   for (auto e : m.row(2))    // (2, 1, 4), then (2, 5, 1.5)
//       total += e.value;
//   m.multiply(x, y);          // y = m x
//
// Rules of the family:
//   - Cells are numbered 0, 1, 2 ... in creation order and never removed or
//     renumbered (clear drops them all). Values live in a paged array
//     indexed by cell number, so they never move while the matrix grows.
//   - A row walks in ascending columns and a column in ascending rows: the
//     lists are kept ordered as cells are linked in, no sort is involved.
//   - Row and column indexes must not be negative (hardened builds abort).
//   - Finding or creating (row, column) walks row's list up to column and,
//     to create, column's list up to row: cost grows with the cells of that
//     row and column, not with the size of the matrix.
//   - The index and its two paged-array members do not print; the typed
//     matrices print "coSparseArr2D {" and one "row column value" line per
//     cell in row order.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/paged/detail/sparse_arr.h>
#include <colib/paged/page_arr.h>

// The index and its storage (paged/detail/sparse_arr.h):
//   coSparseArrIntP, coSparseArrPtrP, coSparseArrRowCol   a list head, a cell, the list selector
//   coSparseArrIntPcoPageArr, coSparseArrPtrPcoPageArr    the heads and the cells (paged arrays)
//   coSparseArrTailP, coSparseArrTailPcoPageArr           the lists' last cells
//   basecoSparseArr2D                                     the index; protected get_index,
//                                                         get_addr_var and allocate

// The members: M(X, prefix, element type); the values are a Pre##coPageArr.
#define COLIB_SPARSE_ARR_MEMBERS(M, X) M(X, int, int)

COLIB_SPARSE_INDEX_INSTANCES(COLIB_EXTERN_TEMPLATE)
// A sparse matrix of ints, compiled once in the library.
COLIB_SPARSE_ARR_MEMBERS(COLIB_SPARSE_ARR_CLASSES, COLIB_EXTERN_TEMPLATE)

// A sparse matrix of doubles.
class COLIB_API doublecoSparseArr2D
    : public coSparseArr2DT<doublecoSparseArr2D, double, doublecoPageArr> {
public:
    using coSparseArr2DT::coSparseArr2DT;
    // y = this matrix times x: y[r] is the sum of value(r, c) * x[c] over
    // row r's cells, for r in [0, max_row()]; rows without cells give 0.
    // x holds max_column() + 1 entries, y max_row() + 1.
    void multiply(const double *x, double *y) const;
};
COLIB_SPARSE_ARR_INSTANCES(COLIB_EXTERN_TEMPLATE, double, double)
