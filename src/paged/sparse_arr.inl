// Out-of-line members of coSparseArr2DT.
#pragma once

#include <new>
#include <utility>

#include <colib/paged/detail/sparse_arr.h>

template <class D, class T, class V> D &coSparseArr2DT<D, T, V>::become(utCopy, const D &src) {
    D &self = static_cast<D &>(*this);
    if (&src == &self) return self;
    // Copied aside and moved in: a failure leaves this matrix as it was.
    D fresh(src);
    coSparseArr2DT::operator=(std::move(fresh));
    return self;
}

template <class D, class T, class V>
int coSparseArr2DT<D, T, V>::create(int row, int column, const T &x, const char *op) {
    COLIB_EXPECT(row >= 0 && column >= 0, typeid(D), op, "negative position (%d, %d)", row, column);
    check_limit(typeid(D), op, row, column);
    int n = cell_count();
    // The value's slot is had first: once get_index has made the cell,
    // nothing may fail.
    colib_detail::next_page_slot<T>(values_);
    int k = get_index(row, column);
    if (k == n) values_.append(x);
    return k;
}

template <class D, class T, class V> int coSparseArr2DT<D, T, V>::reserve(int n) {
    COLIB_EXPECT(n >= 0, typeid(D), "reserve", "negative count %d", n);
    return reserve_cells(n) && values_.reserve(n);
}

template <class D, class T, class V> void coSparseArr2DT<D, T, V>::clear(int release) {
    clear_index(release);
    values_.clear(release);
}

template <class D, class T, class V>
utOstream &coSparseArr2DT<D, T, V>::print(utOstream &os) const {
    os << "coSparseArr2D {" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << cell_count() << std::endl;
        for (auto e : *this) {
            nested << e.row << " " << e.column << " ";
            coElem<T>::print(nested, e.value);
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}
