// Out-of-line members of coPageArrT. Included by the library's
// instantiation unit (page_arr.cpp) and by the families that instantiate
// the paged array for their own inner classes.
#pragma once

#include <cstring>
#include <new>
#include <utility>

#include <colib/paged/detail/page_arr.h>

template <class D, class T, int B, int P>
coPageArrT<D, T, B, P>::coPageArrT(int shift, int capacity, int step)
    : block_size_(1 << valid_shift(shift)), shift_(shift), table_(capacity, step) {}

template <class D, class T, int B, int P> int coPageArrT<D, T, B, P>::valid_shift(int shift) {
    COLIB_EXPECT(shift >= 0 && shift <= 30, typeid(D), "constructor",
                 "block shift %d outside [0, 30]", shift);
    return shift;
}

template <class D, class T, int B, int P>
coPageArrT<D, T, B, P>::coPageArrT(std::initializer_list<T> list) : coPageArrT() {
    bool out_of_range;
    int n = ut_numeric_cast<int, std::uint64_t>(list.size(), out_of_range);
    if (n != 0) get_block_or_throw((n - 1) >> shift_);
    for (const T &x : list)
        append(x);
}

template <class D, class T, int B, int P>
coPageArrT<D, T, B, P>::coPageArrT(utCopy, const D &src)
    : block_size_(src.block_size_), shift_(src.shift_), table_(src.block_count_, 10) {
    // A constructor that throws runs no destructor: the blocks made so far
    // are freed here.
    try {
        copy(src, src.size_, 0, 0);
    } catch (...) {
        free_blocks(0);
        throw;
    }
}

template <class D, class T, int B, int P> coPageArrT<D, T, B, P>::~coPageArrT() {
    free_blocks(0);
}

template <class D, class T, int B, int P>
void coPageArrT<D, T, B, P>::free_blocks(int keep) noexcept {
    while (block_count_ > keep) {
        --block_count_;
        delete[] static_cast<T *>(table_.data()[block_count_]);
        table_.data()[block_count_] = nullptr;
    }
    if (cur_index_ >= block_count_) {
        cur_index_ = -1;
        cur_block_ = nullptr;
        drop_cursor();
    }
}

template <class D, class T, int B, int P> int coPageArrT<D, T, B, P>::get_block(int b) {
    COLIB_EXPECT(b >= 0, typeid(D), "get_block", "negative block %d", b);
    if (!table_.reserve(b)) return 0;
    if (b < block_count_) {
        switch_block(b);
        return 1;
    }
    while (block_count_ <= b) {
        // The table entry is made before the block, so that storing the
        // block cannot fail once it exists. The table grows exactly as its
        // growing subscript would for this entry.
        if (!table_.reserve(block_count_ + 1)) return 0;
        T *block = new (std::nothrow) T[block_size_];
        if (!block) return 0;
        table_[block_count_] = block;
        ++block_count_;
    }
    switch_block(b);
    return 1;
}

template <class D, class T, int B, int P> void coPageArrT<D, T, B, P>::get_block_or_throw(int b) {
    if (!get_block(b)) throw std::bad_alloc();
}

template <class D, class T, int B, int P> void coPageArrT<D, T, B, P>::grow_to_index(int i) {
    get_block_or_throw(i >> shift_);
    size_ = i + 1;
}

template <class D, class T, int B, int P>
typename coPageArrT<D, T, B, P>::append_cursor coPageArrT<D, T, B, P>::append_block(T x) {
    int b = size_ >> shift_;
    if (b < block_count_)
        switch_block(b);
    else
        get_block_or_throw(b);
    cur_block_[size_ & (block_size_ - 1)] = std::move(x);
    // Addresses, not pointers: the base lies before the block.
    const std::uintptr_t block = reinterpret_cast<std::uintptr_t>(cur_block_);
    return {block - (static_cast<std::uintptr_t>(b) << shift_) * sizeof(T),
            block + static_cast<std::uintptr_t>(block_size_) * sizeof(T)};
}

template <class D, class T, int B, int P> void coPageArrT<D, T, B, P>::append_slow(T x) {
    const append_cursor c = append_block(std::move(x));
    base_ = c.base, limit_ = c.limit;
}

template <class D, class T, int B, int P> int coPageArrT<D, T, B, P>::expand(int n) {
    COLIB_EXPECT(n >= 0, typeid(D), "expand", "negative count %d", n);
    if (n == 0) return 1;
    if (!get_block((n - 1) >> shift_)) return 0;
    if (n > size_) size_ = n;
    return 1;
}

template <class D, class T, int B, int P> int coPageArrT<D, T, B, P>::reserve(int n) {
    COLIB_EXPECT(n >= 0, typeid(D), "reserve", "negative count %d", n);
    if (n == 0) return 1;
    return get_block((n - 1) >> shift_);
}

template <class D, class T, int B, int P> void coPageArrT<D, T, B, P>::clear(int flag) {
    size_ = 0;
    drop_cursor();
    if (flag) {
        free_blocks(0);
        table_.clear(flag);
    }
}

template <class D, class T, int B, int P> void coPageArrT<D, T, B, P>::shrink(int n, int flag) {
    COLIB_EXPECT(n >= 0, typeid(D), "shrink", "negative count %d", n);
    if (flag) {
        long long need = (static_cast<long long>(n) + block_size_ - 1) >> shift_;
        if (need < block_count_) free_blocks(static_cast<int>(need));
        // A table that cannot be trimmed keeps its larger storage.
        table_.shrink(block_count_, 1);
    }
    if (n < size_) {
        size_ = n;
        drop_cursor();
    }
}

template <class D, class T, int B, int P> int coPageArrT<D, T, B, P>::repaginate() {
    if (size_ >= block_size_) return 0;
    int before = block_size_ * block_count_;
    if (size_ == 0) {
        clear(1);
        return before;
    }
    int s = shift_;
    while (s > 0 && (1 << (s - 1)) >= size_)
        --s;
    if (s == shift_) {
        shrink(size_, 1);
        return before - (1 << s);
    }
    // The new block and table are had before anything is given up, so a
    // failure leaves the array as it was.
    T *fresh;
    try {
        fresh = new T[1 << s];
    } catch (const std::bad_alloc &) {
        return 0;
    }
    utAnycoPageArrINTERNALcoDynArr table(0, table_.step());
    if (!table.reserve(1)) {
        delete[] fresh;
        return 0;
    }
    copy_run(fresh, static_cast<T *>(table_.data()[0]), size_);
    table[0] = fresh;
    int n = size_;
    free_blocks(0);
    std::swap(table_, table);
    block_count_ = 1;
    shift_ = s;
    block_size_ = 1 << s;
    size_ = n;
    switch_block(0);
    return before - (1 << s);
}

template <class D, class T, int B, int P> void coPageArrT<D, T, B, P>::reverse() {
    using std::swap;
    for (int i = 0, j = size_ - 1; i < j; ++i, --j)
        swap(slot(i), slot(j));
}

template <class D, class T, int B, int P>
void coPageArrT<D, T, B, P>::copy(const D &src, int n, int to, int from) {
    COLIB_EXPECT(n >= 0 && to >= 0 && from >= 0, typeid(D), "copy",
                 "negative count or index (n %d, to %d, from %d)", n, to, from);
    int count = n < src.size_ ? n : src.size_;
    if (count <= 0) return;
    const coPageArrT &s = src;
    // The last index written makes every block the copy needs; blocks never
    // move, so the source stays valid also when it is this array.
    (*this)[to + count - 1];
    if (&s == this && from < to && from + count > to) {
        for (int k = count - 1; k >= 0; --k)
            slot(to + k) = s.slot(from + k);
    } else {
        for (int k = 0; k < count; ++k)
            slot(to + k) = s.slot(from + k);
    }
}

template <class D, class T, int B, int P>
void coPageArrT<D, T, B, P>::copy_run(T *dst, const T *src, int n) {
    if (B) {
        std::memcpy(static_cast<void *>(dst), static_cast<const void *>(src), sizeof(T) * n);
    } else {
        for (int k = 0; k < n; ++k)
            dst[k] = src[k];
    }
}

template <class D, class T, int B, int P>
void coPageArrT<D, T, B, P>::copyin(const T *src, int n, int to, int from) {
    COLIB_EXPECT(n >= 0 && to >= 0 && from >= 0, typeid(D), "copyin",
                 "negative count or index (n %d, to %d, from %d)", n, to, from);
    int end = to + n;
    if (end != 0) get_block_or_throw((end - 1) >> shift_);
    if (end > size_) size_ = end;
    if (n < 1) return;
    src += from;
    int i = to;
    while (n > 0) {
        int at = i & (block_size_ - 1);
        int run = block_size_ - at < n ? block_size_ - at : n;
        copy_run(static_cast<T *>(table_.data()[i >> shift_]) + at, src, run);
        src += run;
        i += run;
        n -= run;
    }
}

template <class D, class T, int B, int P>
void coPageArrT<D, T, B, P>::copyout(T *dst, int n, int from, int to) const {
    COLIB_EXPECT(n >= 0 && to >= 0 && from >= 0 && from + n <= size_, typeid(D), "copyout",
                 "range [%d, %d + %d) outside [0, %d) or negative target %d", from, from, n, size_,
                 to);
    dst += to;
    int i = from;
    while (n > 0) {
        int at = i & (block_size_ - 1);
        int run = block_size_ - at < n ? block_size_ - at : n;
        copy_run(dst, static_cast<const T *>(table_.data()[i >> shift_]) + at, run);
        dst += run;
        i += run;
        n -= run;
    }
}

template <class D, class T, int B, int P>
void coPageArrT<D, T, B, P>::swap_state(coPageArrT &o) noexcept {
    std::swap(block_count_, o.block_count_);
    std::swap(size_, o.size_);
    std::swap(block_size_, o.block_size_);
    std::swap(shift_, o.shift_);
    std::swap(table_, o.table_);
    std::swap(cur_index_, o.cur_index_);
    std::swap(cur_block_, o.cur_block_);
    std::swap(base_, o.base_);
    std::swap(limit_, o.limit_);
}

template <class D, class T, int B, int P> D &coPageArrT<D, T, B, P>::become(utCopy, const D &src) {
    D &self = static_cast<D &>(*this);
    if (&src == &self) return self;
    // Built aside and swapped in: the steps are those of clear(1), then a
    // table reserve of the source's block count with this array's step,
    // then the copy; a failure leaves this array as it was.
    D fresh(src.shift_, 0, table_.step());
    if (!fresh.table_.reserve(src.block_count_)) throw std::bad_alloc();
    fresh.copy(src, src.size_, 0, 0);
    swap_state(fresh);
    return self;
}

template <class D, class T, int B, int P>
template <int Q, class>
utOstream &coPageArrT<D, T, B, P>::print(utOstream &os) const {
    os << "coPageArr {" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << size_ << std::endl;
        for (int i = 0; i < size_; ++i) {
            coElem<T>::print(nested, slot(i));
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}
