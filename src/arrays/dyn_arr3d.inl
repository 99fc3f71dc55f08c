// Out-of-line members of coDynArr3DT; the grid's come from dyn_arr2d.inl.
#pragma once

#include <colib/arrays/detail/dyn_arr3d.h>

#include "dyn_arr2d.inl"

template <class D, class T, int B>
coDynArr3DT<D, T, B>::coDynArr3DT(int capacity_i, int capacity_j, int capacity_k, int step_i,
                                  int step_j, int step_k)
    : Grid({capacity_i, capacity_j, capacity_k}, {step_i, step_j, step_k}) {}

template <class D, class T, int B> coDynArr3DT<D, T, B>::coDynArr3DT(list_type planes) {
    bool out_of_range;
    int c = ut_numeric_cast<int, std::uint64_t>(planes.size(), out_of_range);
    int b = 0, a = 0;
    if (c > 0) {
        const auto &first = *planes.begin();
        b = ut_numeric_cast<int, std::uint64_t>(first.size(), out_of_range);
        if (b > 0) a = ut_numeric_cast<int, std::uint64_t>(first.begin()->size(), out_of_range);
    }
    this->expand_n({a, b, c});
    int k = 0;
    for (const auto &plane : planes) {
        int l = 0;
        for (const auto &row : plane) {
            int m = 0;
            for (const T &x : row)
                (*this)(m++, l, k) = x;
            ++l;
        }
        ++k;
    }
}

template <class D, class T, int B> utOstream &coDynArr3DT<D, T, B>::print(utOstream &os) const {
    const int *n = this->size_;
    os << "coDynArr3D {" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << n[0] << " " << n[1] << " " << n[2] << " " << std::endl;
        for (int i = 0; i < n[0]; ++i) {
            for (int j = 0; j < n[1]; ++j) {
                for (int k = 0; k < n[2]; ++k) {
                    coElem<T>::print(nested, this->table_[i][j][k]);
                    nested << " ";
                }
                nested << std::endl;
            }
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}
