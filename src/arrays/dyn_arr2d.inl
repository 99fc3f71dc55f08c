// Out-of-line members of coDynGridT and coDynArr2DT. Included by the
// instantiation units of the matrices (dyn_arr2d.cpp) and of the
// three-dimensional arrays (through dyn_arr3d.inl).
#pragma once

#include <new>
#include <utility>

#include <colib/arrays/detail/dyn_arr2d.h>

namespace colib_detail {
// Number of slots of a block with the given extents (all at least 1);
// throws std::bad_alloc past INT_MAX, the most a block may hold.
template <int N> int grid_slots(const int (&ext)[N]) {
    long long n = 1;
    for (int e : ext) {
        n *= e;
        if (n > 2147483647LL) throw std::bad_alloc();
    }
    return static_cast<int>(n);
}
} // namespace colib_detail

template <class D, class T, int N, int B>
coDynGridT<D, T, N, B>::coDynGridT(const extents &capacity, const extents &step) {
    for (int d = 0; d < N; ++d) {
        COLIB_EXPECT(capacity[d] >= 0, typeid(D), "constructor", "negative capacity %d",
                     capacity[d]);
        COLIB_EXPECT(step[d] >= 1, typeid(D), "constructor", "step %d below 1", step[d]);
        // Outside hardened builds, out-of-contract arguments are clamped
        // so that the invariants still hold.
        step_[d] = step[d] < 1 ? 1 : step[d];
        capacity_[d] = capacity[d] < 0 ? 0 : capacity[d];
    }
    table_ = new_grid(capacity_);
}

template <class D, class T, int N, int B>
coDynGridT<D, T, N, B>::coDynGridT(utCopy, const coDynGridT &src) {
    table_ = new_grid(src.capacity_);
    for (int d = 0; d < N; ++d) {
        capacity_[d] = src.capacity_[d];
        size_[d] = src.size_[d];
        step_[d] = src.step_[d];
    }
    if (table_) {
        int n = colib_detail::grid_slots(capacity_);
        coBufferGuard<T, B>(block(), n).copy(block(), src.block(), n);
    }
}

template <class D, class T, int N, int B>
coDynGridT<D, T, N, B>::coDynGridT(coDynGridT &&src) noexcept : table_(src.table_) {
    for (int d = 0; d < N; ++d) {
        capacity_[d] = src.capacity_[d];
        size_[d] = src.size_[d];
        step_[d] = src.step_[d];
        src.capacity_[d] = src.size_[d] = 0;
    }
    src.table_ = nullptr;
}

template <class D, class T, int N, int B>
void coDynGridT<D, T, N, B>::swap(coDynGridT &o) noexcept {
    std::swap(table_, o.table_);
    for (int d = 0; d < N; ++d) {
        std::swap(capacity_[d], o.capacity_[d]);
        std::swap(size_[d], o.size_[d]);
        std::swap(step_[d], o.step_[d]);
    }
}

template <class D, class T, int N, int B> coDynGridT<D, T, N, B>::~coDynGridT() {
    delete_grid(table_, capacity_);
}

template <class D, class T, int N, int B>
typename coDynGridT<D, T, N, B>::table_type coDynGridT<D, T, N, B>::new_grid(const extents &ext) {
    for (int e : ext)
        if (e < 1) return nullptr;
    int slots = colib_detail::grid_slots(ext);
    if constexpr (N == 2) {
        T **rows = new T *[ext[0]];
        T *elems;
        try {
            elems = new T[slots];
        } catch (...) {
            delete[] rows;
            throw;
        }
        for (int r = 0; r < ext[0]; ++r)
            rows[r] = elems + static_cast<std::ptrdiff_t>(r) * ext[1];
        return rows;
    } else {
        int row_count = colib_detail::grid_slots<2>({ext[0], ext[1]});
        T ***planes = new T **[ext[0]];
        T **rows;
        T *elems;
        try {
            rows = new T *[row_count];
        } catch (...) {
            delete[] planes;
            throw;
        }
        try {
            elems = new T[slots];
        } catch (...) {
            delete[] rows;
            delete[] planes;
            throw;
        }
        for (int i = 0; i < ext[0]; ++i)
            planes[i] = rows + static_cast<std::ptrdiff_t>(i) * ext[1];
        for (int x = 0; x < row_count; ++x)
            rows[x] = elems + static_cast<std::ptrdiff_t>(x) * ext[2];
        return planes;
    }
}

template <class D, class T, int N, int B>
void coDynGridT<D, T, N, B>::delete_grid(table_type &table, const extents &ext) noexcept {
    bool owned = table != nullptr;
    for (int e : ext)
        owned = owned && e > 0;
    if (owned) {
        // Block first, then the tables, outermost last.
        if constexpr (N == 2) {
            delete[] table[0];
        } else {
            delete[] table[0][0];
            delete[] table[0];
        }
        delete[] table;
    }
    table = nullptr;
}

template <class D, class T, int N, int B>
void coDynGridT<D, T, N, B>::move_in_use(table_type fresh, const extents &cap) {
    T *dst = first(fresh);
    T *src = first(table_);
    coBufferGuard<T, B> guard(dst, colib_detail::grid_slots(cap));
    auto move = [&](std::ptrdiff_t to, std::ptrdiff_t from, std::uint64_t n) {
        guard.move(dst + to, src + from, n);
    };
    const int *c = capacity_;
    const int *sz = size_;
    if constexpr (N == 2) {
        if (cap[1] != c[1]) {
            for (int r = 0; r < sz[0]; ++r)
                move(std::ptrdiff_t(r) * cap[1], std::ptrdiff_t(r) * c[1], unsigned(sz[1]));
        } else {
            move(0, 0, std::uint64_t(sz[0] - 1) * unsigned(c[1]) + unsigned(sz[1]));
        }
    } else {
        std::ptrdiff_t old_plane = std::ptrdiff_t(c[1]) * c[2];
        std::ptrdiff_t new_plane = std::ptrdiff_t(cap[1]) * cap[2];
        if (cap[2] != c[2]) {
            for (int i = 0; i < sz[0]; ++i)
                for (int j = 0; j < sz[1]; ++j)
                    move(i * new_plane + std::ptrdiff_t(j) * cap[2],
                         i * old_plane + std::ptrdiff_t(j) * c[2], unsigned(sz[2]));
        } else if (cap[1] != c[1]) {
            for (int i = 0; i < sz[0]; ++i)
                move(i * new_plane, i * old_plane, std::uint64_t(old_plane));
        } else {
            move(0, 0, std::uint64_t(sz[0]) * std::uint64_t(old_plane));
        }
    }
}

template <class D, class T, int N, int B>
void coDynGridT<D, T, N, B>::copy_kept(table_type fresh, const extents &ext) {
    T *dst = first(fresh);
    T *src = first(table_);
    coBufferGuard<T, B> guard(dst, colib_detail::grid_slots(ext));
    const int *c = capacity_;
    if constexpr (N == 2) {
        if (ext[1] == c[1]) {
            guard.move(dst, src, std::uint64_t(ext[0]) * unsigned(ext[1]));
        } else {
            for (int r = 0; r < ext[0]; ++r)
                guard.move(dst + std::ptrdiff_t(r) * ext[1], src + std::ptrdiff_t(r) * c[1],
                           unsigned(ext[1]));
        }
    } else {
        std::ptrdiff_t old_plane = std::ptrdiff_t(c[1]) * c[2];
        std::ptrdiff_t new_plane = std::ptrdiff_t(ext[1]) * ext[2];
        if (ext[1] == c[1] && ext[2] == c[2]) {
            guard.move(dst, src, std::uint64_t(ext[0]) * std::uint64_t(new_plane));
        } else if (ext[2] == c[2]) {
            for (int i = 0; i < ext[0]; ++i)
                guard.move(dst + i * new_plane, src + i * old_plane, std::uint64_t(new_plane));
        } else {
            for (int i = 0; i < ext[0]; ++i)
                for (int j = 0; j < ext[1]; ++j)
                    guard.move(dst + i * new_plane + std::ptrdiff_t(j) * ext[2],
                               src + i * old_plane + std::ptrdiff_t(j) * c[2], unsigned(ext[2]));
        }
    }
}

template <class D, class T, int N, int B>
void coDynGridT<D, T, N, B>::resize_or_throw(const extents &ix) {
    extents cap;
    for (int d = 0; d < N; ++d) {
        long long c = colib_detail::grown_extent(capacity_[d], step_[d], ix[d]);
        if (c < 0) throw std::bad_alloc();
        cap[d] = static_cast<int>(c);
    }
    table_type fresh = new_grid(cap);
    bool in_use = true;
    for (int s : size_)
        in_use = in_use && s > 0;
    // Sizes above 0 imply storage on both sides: capacities only grow here.
    if (in_use) move_in_use(fresh, cap);
    delete_grid(table_, capacity_);
    table_ = fresh;
    for (int d = 0; d < N; ++d)
        capacity_[d] = cap[d];
}

template <class D, class T, int N, int B> int coDynGridT<D, T, N, B>::resize_n(const extents &ix) {
    try {
        resize_or_throw(ix);
    } catch (const std::bad_alloc &) {
        return 0;
    }
    return 1;
}

template <class D, class T, int N, int B> T &coDynGridT<D, T, N, B>::grow_to(const extents &ix) {
    for (int d = 0; d < N; ++d) {
        if (ix[d] >= capacity_[d]) {
            resize_or_throw(ix);
            break;
        }
    }
    for (int d = 0; d < N; ++d)
        if (ix[d] >= size_[d]) size_[d] = ix[d] + 1;
    if constexpr (N == 2)
        return table_[ix[0]][ix[1]];
    else
        return table_[ix[0]][ix[1]][ix[2]];
}

template <class D, class T, int N, int B> int coDynGridT<D, T, N, B>::reserve_n(const extents &n) {
    for (int d = 0; d < N; ++d) {
        if (n[d] > capacity_[d]) {
            extents ix;
            for (int e = 0; e < N; ++e)
                ix[e] = n[e] - 1;
            return resize_n(ix);
        }
    }
    return 1;
}

template <class D, class T, int N, int B> void coDynGridT<D, T, N, B>::expand_n(const extents &n) {
    bool within_sizes = true, within_capacities = true;
    for (int d = 0; d < N; ++d) {
        within_sizes = within_sizes && n[d] <= size_[d];
        within_capacities = within_capacities && n[d] <= capacity_[d];
    }
    if (within_sizes) return;
    if (!within_capacities) {
        extents ix;
        for (int d = 0; d < N; ++d)
            ix[d] = n[d] - 1;
        resize_or_throw(ix);
    }
    for (int d = 0; d < N; ++d)
        if (n[d] > size_[d]) size_[d] = n[d];
}

template <class D, class T, int N, int B>
int coDynGridT<D, T, N, B>::shrink_n(const extents &n, int release) {
    bool all_zero = true, below = false;
    for (int d = 0; d < N; ++d) {
        all_zero = all_zero && n[d] == 0;
        below = below || n[d] < capacity_[d];
    }
    if (all_zero) {
        clear(release);
        return 1;
    }
    int result = 1;
    if (release && below) {
        extents ext;
        for (int d = 0; d < N; ++d)
            ext[d] = n[d] < capacity_[d] ? n[d] : capacity_[d];
        table_type fresh = nullptr;
        try {
            fresh = new_grid(ext); // null when an extent is 0: nothing to keep the rest in
        } catch (const std::bad_alloc &) {
        }
        if (!fresh) {
            result = 0;
        } else {
            copy_kept(fresh, ext);
            delete_grid(table_, capacity_);
            table_ = fresh;
            for (int d = 0; d < N; ++d)
                capacity_[d] = ext[d];
        }
    }
    for (int d = 0; d < N; ++d)
        if (n[d] < size_[d]) size_[d] = n[d];
    return result;
}

template <class D, class T, int N, int B> void coDynGridT<D, T, N, B>::clear(int release) {
    if (release) {
        delete_grid(table_, capacity_);
        for (int &c : capacity_)
            c = 0;
    }
    for (int &s : size_)
        s = 0;
}

// ---- coDynArr2DT

template <class D, class T, int B>
coDynArr2DT<D, T, B>::coDynArr2DT(int capacity_i, int capacity_j, int step_i, int step_j)
    : Grid({capacity_i, capacity_j}, {step_i, step_j}) {}

template <class D, class T, int B>
coDynArr2DT<D, T, B>::coDynArr2DT(std::initializer_list<std::initializer_list<T>> columns) {
    bool out_of_range;
    int b = ut_numeric_cast<int, std::uint64_t>(columns.size(), out_of_range);
    int a = b > 0 ? ut_numeric_cast<int, std::uint64_t>(columns.begin()->size(), out_of_range) : 0;
    this->expand_n({a, b});
    int k = 0;
    for (const auto &column : columns) {
        int m = 0;
        for (const T &x : column)
            (*this)(m++, k) = x;
        ++k;
    }
}

template <class D, class T, int B> utOstream &coDynArr2DT<D, T, B>::print(utOstream &os) const {
    os << "coDynArr2D {" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << this->size_[0] << " " << this->size_[1] << std::endl;
        for (int i = 0; i < this->size_[0]; ++i) {
            for (int j = 0; j < this->size_[1]; ++j) {
                coElem<T>::print(nested, this->table_[i][j]);
                nested << " ";
            }
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}
