// coDynGridT: the growable N-dimensional block behind the matrices
// (coDynArr2DT, N = 2) and the three-dimensional arrays (coDynArr3DT in
// dyn_arr3d.h, N = 3). It owns the storage, the per-dimension capacities,
// sizes and steps, and does everything that does not depend on how many
// indexes there are: growth, reserve, expand, shrink, clear, copies. The
// dimension layers add the subscripts, the initializer lists and the
// printouts.
//
// Layout, in order: the table pointer, capacity[N], size[N], step[N]
// (capacity_i, capacity_j[, capacity_k], size_i, ...).
//
// Storage: one element block of capacity_i x capacity_j [x capacity_k]
// slots, new T[...], reached through pointer tables:
//   N = 2: rows (T **, capacity_i entries), rows[r] = block + r * capacity_j;
//   N = 3: planes (T ***, capacity_i entries) into a row table (T **,
//          capacity_i * capacity_j entries), planes[i] = rows + i * capacity_j,
//          rows[x] = block + x * capacity_k.
//
// Invariants:
//   - 0 <= size[d] <= capacity[d] and step[d] >= 1 for every dimension d;
//   - the table is non-null exactly when every capacity is at least 1
//     (capacities may be recorded without storage when another one is 0);
//   - element (i, j[, k]) is in use when every index is below its size;
//     slots outside the sizes keep whatever they last held;
//   - growth for an index n >= capacity[d] makes capacity[d]
//     capacity + (e - e % step) + step with e = n - capacity: the smallest
//     capacity + k * step (k >= 1) above n, per dimension, the others kept.
//     Growth allocates the new storage first, copies the elements in use,
//     then releases the old storage.
//
// Failure: reserve and shrink return 0 when no storage could be had;
// the growing subscript, expand and the constructors let std::bad_alloc
// through. In every case the array is left as it was (shrink still cuts
// the sizes, as it would have without release).
//
// References to elements stay valid until the storage is replaced: growth
// past a capacity, shrink with release, clear(1).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <iterator>
#include <ostream>
#include <type_traits>

#include <colib/foundation/buffer_guard.h>
#include <colib/foundation/contract.h>
#include <colib/foundation/elem.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>
#include <colib/foundation/range_iter.h>

namespace colib_detail {

template <class T, int N> struct grid_table;
template <class T> struct grid_table<T, 2> { using type = T **; };
template <class T> struct grid_table<T, 3> { using type = T ***; };

// The capacity that growth for index n gives (n >= capacity: the smallest
// capacity + k * step, k >= 1, above n; n < capacity: capacity), or -1
// past INT_MAX.
inline long long grown_extent(int capacity, int step, int n) noexcept {
    if (n < capacity) return capacity;
    long long d = static_cast<long long>(n) - capacity;
    long long c = capacity + (d - d % step) + step;
    return c > 2147483647LL ? -1 : c;
}

// The range-for iterator of the grids: row-major over the used extents
// ((0, 0), (0, 1), ... for a matrix; k fastest, then j, then i in three
// dimensions), skipping the spare capacity. It walks one contiguous row at
// a time.
template <class T, int N, class R>
class grid_range_iter : public range_iter<grid_range_iter<T, N, R>, R &> {
public:
    using table_type = typename grid_table<T, N>::type;

    // At the first element, or at the end (also when an extent is 0).
    grid_range_iter(table_type t, const int *size, bool at_end) noexcept
        : t_(t), rows_(N == 2 ? size[0] : size[0] * size[1]), n1_(size[1]), len_(size[N - 1]) {
        row_ = at_end || rows_ == 0 || len_ == 0 ? rows_ : 0;
        if (row_ < rows_) enter();
    }
    R &operator*() const noexcept { return p_[col_]; }
    grid_range_iter &operator++() noexcept {
        if (++col_ == len_) {
            col_ = 0;
            if (++row_ < rows_) enter();
        }
        return *this;
    }
    bool operator==(const grid_range_iter &o) const noexcept {
        return row_ == o.row_ && col_ == o.col_;
    }

private:
    void enter() noexcept {
        if constexpr (N == 2)
            p_ = t_[row_];
        else
            p_ = t_[row_ / n1_][row_ % n1_];
    }

    table_type t_;
    int rows_; // rows of the innermost extent in use: size_i (x size_j)
    int n1_;
    int len_;
    int row_ = 0;
    int col_ = 0;
    R *p_ = nullptr;
};

} // namespace colib_detail

template <class Derived, class T, int N, int B = coElem<T>::block>
class COLIB_API coDynGridT : public colib_detail::printable<Derived> {
    static_assert(N == 2 || N == 3, "grids have two or three dimensions");

public:
    using value_type = T;
    using table_type = typename colib_detail::grid_table<T, N>::type;
    using extents = int[N];
    using iterator = colib_detail::grid_range_iter<T, N, T>;
    using const_iterator = colib_detail::grid_range_iter<T, N, const T>;

    ~coDynGridT();

    // Empties the array; with release the storage is given back too (the
    // capacities become 0). The steps are kept.
    void clear(int release);

    int capacity_i() const noexcept { return capacity_[0]; }
    int capacity_j() const noexcept { return capacity_[1]; }
    int step_i() const noexcept { return step_[0]; }
    int step_j() const noexcept { return step_[1]; }
    int i_size() const noexcept { return size_[0]; }
    int j_size() const noexcept { return size_[1]; }
    // Heap bytes of the pointer tables and the element block (all by
    // capacity), not counting what the elements own.
    std::size_t memory_bytes() const noexcept {
        if (!table_) return 0;
        std::size_t rows = static_cast<std::size_t>(capacity_[0]);
        std::size_t bytes = rows * sizeof(void *);
        if constexpr (N == 3) {
            rows *= static_cast<std::size_t>(capacity_[1]);
            bytes += rows * sizeof(void *);
        }
        return bytes + rows * static_cast<std::size_t>(capacity_[N - 1]) * sizeof(T);
    }
    // The start of the element block (null without storage); slot order is
    // row-major over the capacities.
    T *block() noexcept { return table_ ? first(table_) : nullptr; }
    const T *block() const noexcept { return table_ ? first(table_) : nullptr; }

    // Range-for: the elements in use, row-major (the last index fastest).
    iterator begin() noexcept { return iterator(table_, size_, false); }
    iterator end() noexcept { return iterator(table_, size_, true); }
    const_iterator begin() const noexcept { return const_iterator(table_, size_, false); }
    const_iterator end() const noexcept { return const_iterator(table_, size_, true); }

protected:
    coDynGridT() noexcept {
        for (int &s : step_)
            s = 1;
    }
    // Storage for the given capacities when all are at least 1. Requires
    // capacities >= 0 and steps >= 1.
    coDynGridT(const extents &capacity, const extents &step);
    // The source's capacities, sizes, steps and whole block.
    coDynGridT(utCopy, const coDynGridT &src);
    coDynGridT(coDynGridT &&src) noexcept;
    void swap(coDynGridT &o) noexcept;
    // The layers' assignments: a copy made aside, then swapped in, so that
    // a failed copy leaves the target unchanged; a move takes src's storage
    // and leaves src empty.
    template <class Layer> static Layer &copy_assign(Layer &self, const Layer &src) {
        if (&self != &src) {
            Layer copy(src);
            self.swap(copy);
        }
        return self;
    }
    template <class Layer> static Layer &move_assign(Layer &self, Layer &src) noexcept {
        Layer taken(std::move(src));
        self.swap(taken);
        return self;
    }

    // The growing subscript's slow path: makes ix addressable and in use.
    T &grow_to(const extents &ix);
    int reserve_n(const extents &n);
    void expand_n(const extents &n);
    int shrink_n(const extents &n, int release);
    // Makes ix addressable, growing each dimension whose index reaches its
    // capacity; 0 when no storage could be had, the array unchanged.
    int resize_n(const extents &ix);
    void resize_or_throw(const extents &ix);

    // The tables and block for the given extents; null when one is below
    // 1. Throws std::bad_alloc, leaking nothing.
    static table_type new_grid(const extents &ext);
    // Releases what new_grid made for ext (nothing when one is below 1);
    // table becomes null.
    static void delete_grid(table_type &table, const extents &ext) noexcept;

    static T *first(table_type t) noexcept {
        if constexpr (N == 2)
            return t[0];
        else
            return t[0][0];
    }

    table_type table_ = nullptr;
    int capacity_[N] = {};
    int size_[N] = {};
    int step_[N];

private:
    // Copies the elements in use from the current storage to fresh storage
    // of capacities cap, each to the same index.
    void move_in_use(table_type fresh, const extents &cap);
    // Moves the slots of the box ext (ext[d] <= capacity[d]) from the
    // current storage to fresh storage of extents ext, each to the same
    // index.
    void copy_kept(table_type fresh, const extents &ext);
};

// The matrices: element (i, j) at rows[i][j].
template <class Derived, class T, int B = coElem<T>::block>
class COLIB_API coDynArr2DT : public coDynGridT<Derived, T, 2, B> {
    using Grid = coDynGridT<Derived, T, 2, B>;
    // size_i sits in the low half of the word both sizes make.
    static constexpr bool kLowFirst = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

public:
    // No storage, capacities and sizes 0, steps 1.
    coDynArr2DT() noexcept = default;
    coDynArr2DT(int capacity_i, int capacity_j, int step_i, int step_j);
    // Each inner list fills one column: the k-th list's m-th element goes
    // to (m, k). Extents first from the first list's length and the number
    // of lists; longer lists grow the matrix.
    coDynArr2DT(std::initializer_list<std::initializer_list<T>> columns);
    coDynArr2DT(utCopy, const Derived &src) : Grid(utCOPY, src) {}
    coDynArr2DT(const coDynArr2DT &src) : Grid(utCOPY, src) {}
    coDynArr2DT(coDynArr2DT &&src) noexcept = default;
    // Strong guarantee: on std::bad_alloc this matrix is unchanged.
    coDynArr2DT &operator=(const coDynArr2DT &src) { return Grid::copy_assign(*this, src); }
    coDynArr2DT &operator=(coDynArr2DT &&src) noexcept { return Grid::move_assign(*this, src); }

    // Grows the matrix so that (i, j) exists and is in use.
    T &operator()(int i, int j) {
        COLIB_EXPECT(i >= 0 && j >= 0, typeid(Derived), "operator()", "negative index (%d, %d)", i,
                     j);
        // The used extents come in one load, and the growth is a call off
        // the path that both cases share, so a loop of in-range writes
        // costs a compare, the row load and the store.
        std::uint64_t used;
        std::memcpy(&used, this->size_, sizeof used);
        const int rows = static_cast<int>(kLowFirst ? used : used >> 32);
        const int cols = static_cast<int>(kLowFirst ? used >> 32 : used);
        if (__builtin_expect(i >= rows || j >= cols, 0)) this->grow_to({i, j});
        return this->table_[i][j];
    }
    // Unchecked: the caller keeps (i, j) inside the used extents.
    const T &operator()(int i, int j) const {
        COLIB_EXPECT(i >= 0 && i < this->size_[0] && j >= 0 && j < this->size_[1], typeid(Derived),
                     "operator() const", "index (%d, %d) outside the used extents %d x %d", i, j,
                     this->size_[0], this->size_[1]);
        return this->table_[i][j];
    }

    // Capacities at least a x b; 0 when no storage could be had.
    int reserve(int a, int b) {
        COLIB_EXPECT(a >= 0 && b >= 0, typeid(Derived), "reserve", "negative extents (%d, %d)", a,
                     b);
        return this->reserve_n({a, b});
    }
    // Sizes at least a x b, growing when needed.
    void expand(int a, int b) {
        COLIB_EXPECT(a >= 0 && b >= 0, typeid(Derived), "expand", "negative extents (%d, %d)", a,
                     b);
        this->expand_n({a, b});
    }
    // Sizes at most a x b; with release, also capacities at most a x b.
    // (0, 0) is clear(release). 0 when the smaller storage could not be had
    // (or an extent would be 0): the storage is kept, the sizes still cut.
    int shrink(int a, int b, int release) {
        COLIB_EXPECT(a >= 0 && b >= 0, typeid(Derived), "shrink", "negative extents (%d, %d)", a,
                     b);
        return this->shrink_n({a, b}, release);
    }

    // "coDynArr2D {", the size line, one line per row (each element
    // followed by a blank), "}".
    utOstream &print(utOstream &os) const;

protected:
    int resize(int i, int j) { return this->resize_n({i, j}); }
    static T **new_mem(int a, int b) { return Grid::new_grid({a, b}); }
    static void delete_mem(T **&rows, int a, int b) noexcept { Grid::delete_grid(rows, {a, b}); }
};

// One member of the matrices (arrays/dyn_arr2d.h lists them), B its copy
// mode.
#define COLIB_DYN_ARR2D_CLASSES(X, P, T, B)                                                        \
    COLIB_THIN_CLASS(P##coDynArr2D, coDynArr2DT, P##coDynArr2D, T, B)                              \
    COLIB_DYN_ARR2D_INSTANCES(X, P, T, B)
#define COLIB_DYN_ARR2D_INSTANCES(X, P, T, B)                                                      \
    X(coDynGridT<P##coDynArr2D, T, 2, B>)                                                          \
    X(coDynArr2DT<P##coDynArr2D, T, B>)
