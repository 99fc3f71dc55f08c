// Out-of-line members of coFixedArrT, for the library's instantiation unit.
#pragma once

#include <utility>

#include <colib/arrays/detail/fixed_arr.h>

template <class D, class T, int B>
coFixedArrT<D, T, B>::coFixedArrT(std::initializer_list<T> list) {
    bool out_of_range;
    int n = ut_numeric_cast<int, std::uint64_t>(list.size(), out_of_range);
    data_ = new T[n];
    size_ = n;
    coBufferGuard<T, B>(data_, n).copy(data_, list.begin(), n);
}

template <class D, class T, int B>
coFixedArrT<D, T, B> &coFixedArrT<D, T, B>::operator=(coFixedArrT &&src) noexcept {
    if (this != &src) {
        set_invalid();
        std::swap(data_, src.data_);
        std::swap(size_, src.size_);
    }
    return *this;
}

template <class D, class T, int B> D &coFixedArrT<D, T, B>::become(utCopy, const D &src) {
    const coFixedArrT &s = src;
    if (&s != this) {
        T *fresh = nullptr;
        if (s.data_) {
            fresh = new T[s.size_];
            coBufferGuard<T, B>(fresh, s.size_).copy(fresh, s.data_, s.size_);
        }
        delete[] data_;
        data_ = fresh;
        size_ = s.size_;
    }
    return static_cast<D &>(*this);
}

template <class D, class T, int B> utOstream &coFixedArrT<D, T, B>::print(utOstream &os) const {
    return colib_detail::print_block(os, "coFixedArr {", data_, size_);
}
