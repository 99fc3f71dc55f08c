// Out-of-line members of coVariableArrT.
#pragma once

#include <new>

#include <colib/arrays/detail/variable_arr.h>

template <class D, class T>
coVariableArrT<D, T>::coVariableArrT(std::initializer_list<T> list) : coVariableArrT() {
    for (const T &x : list)
        append(x);
}

template <class D, class T>
coVariableArrT<D, T> &coVariableArrT<D, T>::operator=(coVariableArrT &&src) noexcept {
    if (this != &src) {
        clear(1);
        src.drop_cursor();
        size_ = src.size_;
        blocks_ = std::move(src.blocks_);
        current_ = src.current_;
        src.size_ = 0;
        src.current_ = nullptr;
    }
    return *this;
}

template <class D, class T> coVariableArrT<D, T>::~coVariableArrT() {
    clear(1);
}

template <class D, class T> D &coVariableArrT<D, T>::become(utCopy, const D &src) {
    D &self = static_cast<D &>(*this);
    if (&src == &self) return self;
    // Blocks first, so that running out of memory leaves the elements alone.
    blocks_.reserve(src.blocks_.size());
    int n = src.size();
    if (n > 0) make_blocks(block_number(n - 1));
    drop_cursor();
    size_ = 0;
    for (int i = 0; i < n; ++i)
        append(*src.slot(i));
    return self;
}

template <class D, class T> void coVariableArrT<D, T>::make_blocks(int b) {
    if (!blocks_.reserve(b)) throw std::bad_alloc();
    for (int k = blocks_.size(); k <= b; ++k) {
        T *block = new T[block_size(k)];
        try {
            blocks_[k] = block;
        } catch (...) {
            delete[] block;
            throw;
        }
    }
    switch_block(b);
}

template <class D, class T> int coVariableArrT<D, T>::get_block(int b) {
    try {
        make_blocks(b);
    } catch (const std::bad_alloc &) {
        return 0;
    }
    return 1;
}

template <class D, class T> T &coVariableArrT<D, T>::grow_to_index(int i) {
    make_blocks(block_number(i));
    drop_cursor();
    size_ = i + 1;
    return *slot(i);
}

template <class D, class T> T *coVariableArrT<D, T>::append_slow(T x) {
    drop_cursor();
    int n = size_;
    int b = block_number(n);
    make_blocks(b);
    T *at = current_ + (n & block_mask(n));
    *at = std::move(x);
    size_ = n + 1;
    cursor_ = current_;
    cursor_first_ = n & ~block_mask(n);
    at_end_ = current_ + block_size(b);
    return at;
}

template <class D, class T> void coVariableArrT<D, T>::shrink(int n, int release) {
    COLIB_EXPECT(n >= 0, typeid(D), "shrink", "negative count %d", n);
    drop_cursor();
    if (release) {
        int keep = n == 0 ? 0 : block_number(n - 1) + 1;
        for (int k = blocks_.size() - 1; k >= keep; --k) {
            T *block = static_cast<T *>(blocks_[k]);
            if (block == current_) current_ = nullptr;
            delete[] block;
        }
        blocks_.shrink(keep, 1);
    }
    if (n < size_) size_ = n;
}

template <class D, class T> utOstream &coVariableArrT<D, T>::print(utOstream &os) const {
    return colib_detail::print_range(os, "coVariableArr {", size(), begin());
}
