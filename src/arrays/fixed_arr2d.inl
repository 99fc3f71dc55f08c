// Out-of-line members of coFixedArr2DT, for the library's instantiation unit.
#pragma once

#include <new>
#include <utility>

#include <colib/arrays/detail/fixed_arr2d.h>

template <class D, class T, int B> T **coFixedArr2DT<D, T, B>::make_rows(int a, int b) {
    long long n = static_cast<long long>(a) * b;
    if (n > 2147483647LL) throw std::bad_alloc();
    T **rows = new T *[a];
    T *elems;
    try {
        elems = new T[n];
    } catch (...) {
        delete[] rows;
        throw;
    }
    for (int r = 0; r < a; ++r)
        rows[r] = elems + static_cast<std::ptrdiff_t>(r) * b;
    return rows;
}

template <class D, class T, int B> void coFixedArr2DT<D, T, B>::allocate(int a, int b) {
    COLIB_EXPECT(a >= 1 && b >= 1, typeid(D), "allocate", "extents %d x %d below 1", a, b);
    COLIB_EXPECT(rows_ == nullptr, typeid(D), "allocate", "the matrix still holds storage");
    if (a < 1 || b < 1) return;
    rows_ = make_rows(a, b);
    size_i_ = a;
    size_j_ = b;
}

template <class D, class T, int B> coFixedArr2DT<D, T, B>::coFixedArr2DT(int a, int b) {
    allocate(a, b);
}

template <class D, class T, int B>
coFixedArr2DT<D, T, B>::coFixedArr2DT(std::initializer_list<std::initializer_list<T>> columns) {
    bool out_of_range;
    int b = ut_numeric_cast<int, std::uint64_t>(columns.size(), out_of_range);
    int a = b > 0 ? ut_numeric_cast<int, std::uint64_t>(columns.begin()->size(), out_of_range) : 0;
    COLIB_EXPECT(a >= 1 && b >= 1, typeid(D), "constructor", "list extents %d x %d below 1", a, b);
    allocate(a, b);
    if (!rows_) return;
    int k = 0;
    for (const auto &column : columns) {
        COLIB_EXPECT(column.size() <= static_cast<std::size_t>(a), typeid(D), "constructor",
                     "column %d longer than the first (%d elements)", k, a);
        int m = 0;
        for (const T &x : column) {
            if (m == a) break;
            rows_[m++][k] = x;
        }
        ++k;
    }
}

template <class D, class T, int B>
coFixedArr2DT<D, T, B> &coFixedArr2DT<D, T, B>::operator=(coFixedArr2DT &&src) noexcept {
    if (this != &src) {
        set_invalid();
        std::swap(rows_, src.rows_);
        std::swap(size_i_, src.size_i_);
        std::swap(size_j_, src.size_j_);
    }
    return *this;
}

template <class D, class T, int B> void coFixedArr2DT<D, T, B>::set_invalid() noexcept {
    if (rows_) {
        delete[] rows_[0];
        delete[] rows_;
        rows_ = nullptr;
    }
    size_i_ = size_j_ = 0;
}

template <class D, class T, int B> D &coFixedArr2DT<D, T, B>::become(utCopy, const D &src) {
    const coFixedArr2DT &s = src;
    if (&s != this) {
        T **fresh = nullptr;
        if (s.rows_) {
            fresh = make_rows(s.size_i_, s.size_j_);
            int n = s.size_i_ * s.size_j_;
            coBufferGuard<T, B>(fresh[0], n).copy(fresh[0], s.rows_[0], n);
        }
        set_invalid();
        rows_ = fresh;
        size_i_ = s.size_i_;
        size_j_ = s.size_j_;
    }
    return static_cast<D &>(*this);
}

template <class D, class T, int B> utOstream &coFixedArr2DT<D, T, B>::print(utOstream &os) const {
    os << "coFixedArr2D {" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << size_i_ << " " << size_j_ << std::endl;
        for (int i = 0; i < size_i_; ++i) {
            for (int j = 0; j < size_j_; ++j) {
                coElem<T>::print(nested, rows_[i][j]);
                nested << " ";
            }
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}
