// coFixedArr2DT: the algorithm behind the fixed matrices (intcoFixedArr2D
// and its siblings): one block of size_i x size_j elements reached through
// a table of row pointers, extents fixed when the matrix is made. No
// growth and, outside hardened builds, no index test.
//
// Layout, in order: rows, size_i, size_j.
//
// Invariants:
//   - rows is null exactly when the matrix is invalid, and both extents
//     are then 0;
//   - otherwise both extents are at least 1, rows came from
//     new T *[size_i], rows[0] from new T[size_i * size_j], and
//     rows[r] == rows[0] + r * size_j.
//
// Failure: the constructors and become let std::bad_alloc through; become
// allocates and copies before it releases, so a failed become leaves the
// matrix as it was.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <ostream>

#include <colib/foundation/buffer_guard.h>
#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>

template <class Derived, class T, int B = coElem<T>::block>
class COLIB_API coFixedArr2DT : public colib_detail::printable<Derived> {
public:
    using value_type = T;

    // Invalid: no storage, extents 0.
    coFixedArr2DT() noexcept = default;
    // a x b elements, unset. Requires a >= 1 and b >= 1 (otherwise, outside
    // hardened builds, the matrix stays invalid).
    coFixedArr2DT(int a, int b);
    // Each inner list fills one column: the k-th list's m-th element goes
    // to (m, k). Extents: the first list's length x the number of lists.
    // Requires at least one list, a non-empty first list and no list longer
    // than the first (outside hardened builds, extra elements are dropped).
    coFixedArr2DT(std::initializer_list<std::initializer_list<T>> columns);
    coFixedArr2DT(utCopy, const Derived &src) { become(utCOPY, src); }
    coFixedArr2DT(const coFixedArr2DT &src) { become(utCOPY, static_cast<const Derived &>(src)); }
    // Takes src's storage; src is left invalid.
    coFixedArr2DT(coFixedArr2DT &&src) noexcept
        : rows_(src.rows_), size_i_(src.size_i_), size_j_(src.size_j_) {
        src.rows_ = nullptr;
        src.size_i_ = src.size_j_ = 0;
    }
    coFixedArr2DT &operator=(const coFixedArr2DT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    coFixedArr2DT &operator=(coFixedArr2DT &&src) noexcept;
    ~coFixedArr2DT() { set_invalid(); }

    // Makes this matrix a copy of src (extents and elements); invalid when
    // src is. From itself: no change.
    Derived &become(utCopy, const Derived &src);

    // Unchecked: the matrix is valid and (i, j) inside the extents.
    T &operator()(int i, int j) { return checked(i, j, "operator()"); }
    const T &operator()(int i, int j) const { return checked(i, j, "operator() const"); }

    int i_size() const noexcept { return size_i_; }
    // Heap bytes of the row table and the block, not counting what the
    // elements own.
    std::size_t memory_bytes() const noexcept {
        return rows_ ? static_cast<std::size_t>(size_i_) *
                           (sizeof(T *) + static_cast<std::size_t>(size_j_) * sizeof(T))
                     : 0;
    }
    int j_size() const noexcept { return size_j_; }
    // Nonzero when the matrix owns no storage.
    int invalid() const noexcept { return rows_ == nullptr; }
    // Releases the storage, if any; the matrix becomes invalid.
    void set_invalid() noexcept;

    // The start of the element block, row-major; null when invalid.
    T *block() noexcept { return rows_ ? rows_[0] : nullptr; }
    const T *block() const noexcept { return rows_ ? rows_[0] : nullptr; }
    // Range-for: every element, row-major ((0, 0), (0, 1), ...).
    T *begin() noexcept { return block(); }
    T *end() noexcept { return block() + static_cast<std::ptrdiff_t>(size_i_) * size_j_; }
    const T *begin() const noexcept { return block(); }
    const T *end() const noexcept {
        return block() + static_cast<std::ptrdiff_t>(size_i_) * size_j_;
    }

    // "coFixedArr2D {", the size line, one line per row (each element
    // followed by a blank), "}".
    utOstream &print(utOstream &os) const;

protected:
    // Storage for a x b elements; the matrix must hold none (invalid).
    void allocate(int a, int b);

    T &checked(int i, int j, const char *op) const {
        COLIB_EXPECT(rows_ != nullptr, typeid(Derived), op, "index (%d, %d) of an invalid matrix",
                     i, j);
        COLIB_EXPECT(i >= 0 && i < size_i_ && j >= 0 && j < size_j_, typeid(Derived), op,
                     "index (%d, %d) outside the extents %d x %d", i, j, size_i_, size_j_);
        return rows_[i][j];
    }

private:
    // Row table and block for a x b (both at least 1); throws
    // std::bad_alloc, leaking nothing.
    static T **make_rows(int a, int b);

    T **rows_ = nullptr;
    int size_i_ = 0;
    int size_j_ = 0;
};

// One member of the family (arrays/fixed_arr2d.h lists them).
#define COLIB_FIXED_ARR2D_CLASSES(X, P, T)                                                         \
    COLIB_THIN_CLASS(P##coFixedArr2D, coFixedArr2DT, P##coFixedArr2D, T)                           \
    COLIB_FIXED_ARR2D_INSTANCES(X, P, T)
#define COLIB_FIXED_ARR2D_INSTANCES(X, P, T) X(coFixedArr2DT<P##coFixedArr2D, T>)
