// Out-of-line members of coDynArrT and coDynArrIterT. Included only by the
// library's instantiation unit (dyn_arr.cpp) and by other families that
// instantiate the dynamic array for their own inner classes.
#pragma once

#include <climits>
#include <new>
#include <utility>

#include <colib/arrays/detail/dyn_arr.h>

template <class D, class T, int B, int P> coDynArrT<D, T, B, P>::coDynArrT(int capacity, int step) {
    COLIB_EXPECT(capacity >= 0, typeid(D), "constructor", "negative capacity %d", capacity);
    COLIB_EXPECT(step >= 1, typeid(D), "constructor", "step %d below 1", step);
    step_ = step;
    if (capacity > 0) set(allocate(capacity), 0, capacity);
}

template <class D, class T, int B, int P> T *coDynArrT<D, T, B, P>::allocate(int n) {
    if constexpr (kRaw) {
        T *p = Raw::make(n);
        if (!p) throw std::bad_alloc();
        return p;
    } else {
        return new T[n];
    }
}

template <class D, class T, int B, int P>
void coDynArrT<D, T, B, P>::free_buffer(T *data) noexcept {
    if constexpr (kRaw)
        Raw::release(data);
    else
        delete[] data;
}

template <class D, class T, int B, int P>
coDynArrT<D, T, B, P>::coDynArrT(std::initializer_list<T> list) {
    bool out_of_range;
    int n = ut_numeric_cast<int, std::uint64_t>(list.size(), out_of_range);
    if (n > 0) grow_or_throw(n - 1);
    for (const T &x : list)
        *end_++ = x;
}

template <class D, class T, int B, int P>
coDynArrT<D, T, B, P>::coDynArrT(utCopy, const D &src) : step_(src.step_) {
    const int capacity = src.capacity();
    if (capacity > 0) {
        T *data = allocate(capacity);
        set(data, 0, capacity);
        coBufferGuard<T, B>(data, capacity).copy(data, src.data_, src.size());
        end_ = data + src.size();
    }
}

template <class D, class T, int B, int P>
coDynArrT<D, T, B, P> &coDynArrT<D, T, B, P>::operator=(coDynArrT &&src) noexcept {
    if (this != &src) {
        std::swap(data_, src.data_);
        std::swap(end_, src.end_);
        std::swap(cap_, src.cap_);
        std::swap(step_, src.step_);
        src.clear(1);
    }
    return *this;
}

template <class D, class T, int B, int P> coDynArrT<D, T, B, P>::~coDynArrT() {
    if (cap_ != data_) free_buffer(data_);
}

template <class D, class T, int B, int P> void coDynArrT<D, T, B, P>::become(utCopy, const D &src) {
    if (static_cast<const coDynArrT *>(&src) == this) return;
    const int n = src.size();
    if (n > capacity()) grow_or_throw(n - 1);
    end_ = data_ + n;
    step_ = src.step_;
    coBufferGuard<T, B>(data_, capacity()).copy(data_, src.data_, n);
}

template <class D, class T, int B, int P>
long long coDynArrT<D, T, B, P>::grown_capacity(int capacity, int step, int n) noexcept {
    long long d = static_cast<long long>(n) - capacity;
    long long c = capacity + (d - d % step) + step;
    return c > INT_MAX ? -1 : c;
}

template <class D, class T, int B, int P>
void coDynArrT<D, T, B, P>::reallocate(int new_capacity, int keep, bool spare) {
    if constexpr (kRaw) {
        long long room = new_capacity;
        if (data_) {
            const long long had = Raw::room(data_);
            if (spare && new_capacity <= had) {
                cap_ = data_ + new_capacity; // the room is there already
                return;
            }
            if (spare && had + had / 2 > room) room = had + had / 2;
            if (room != new_capacity && room > INT_MAX) room = new_capacity;
        }
        // realloc keeps every slot it can, `keep` included.
        const int size = this->size() < new_capacity ? this->size() : new_capacity;
        T *moved = Raw::resize(data_, room);
        if (!moved) throw std::bad_alloc();
        set(moved, size, new_capacity);
        return;
    }
    T *fresh = new T[new_capacity];
    // The old slots are released right after, so shared element state
    // (utString texts) is handed over rather than copied.
    coBufferGuard<T, B>(fresh, new_capacity).move(fresh, data_, coBufferGuard<T, B>::convert(keep));
    const int size = this->size() < new_capacity ? this->size() : new_capacity;
    if (cap_ != data_) delete[] data_;
    set(fresh, size, new_capacity);
}

template <class D, class T, int B, int P> void coDynArrT<D, T, B, P>::grow_or_throw(int n) {
    long long c = grown_capacity(capacity(), step_, n);
    if (c < 0) throw std::bad_alloc();
    reallocate(static_cast<int>(c), size(), true);
}

template <class D, class T, int B, int P> int coDynArrT<D, T, B, P>::resize(int n) {
    try {
        grow_or_throw(n);
    } catch (const std::bad_alloc &) {
        return 0;
    }
    return 1;
}

template <class D, class T, int B, int P> T &coDynArrT<D, T, B, P>::grow_to_index(int i) {
    if (i >= capacity()) grow_or_throw(i);
    end_ = data_ + i + 1;
    return data_[i];
}

template <class D, class T, int B, int P> T *coDynArrT<D, T, B, P>::append_grow(T x) {
    grow_or_throw(size());
    *end_ = std::move(x);
    return end_;
}

template <class D, class T, int B, int P> int coDynArrT<D, T, B, P>::reserve(int n) {
    COLIB_EXPECT(n >= 0, typeid(D), "reserve", "negative count %d", n);
    return n > capacity() ? resize(n - 1) : 1;
}

template <class D, class T, int B, int P> int coDynArrT<D, T, B, P>::expand(int n) {
    COLIB_EXPECT(n >= 0, typeid(D), "expand", "negative count %d", n);
    int r = reserve(n);
    if (r && n > size()) end_ = data_ + n;
    return r;
}

template <class D, class T, int B, int P> int coDynArrT<D, T, B, P>::shrink_release(int n) {
    if (n == 0) {
        clear(1);
        return 1;
    }
    int result = 1;
    if (n < capacity()) {
        try {
            reallocate(n, n, false);
        } catch (const std::bad_alloc &) {
            result = 0;
        }
    }
    if (n < size()) end_ = data_ + n;
    return result;
}

template <class D, class T, int B, int P> void coDynArrT<D, T, B, P>::clear(int release) {
    if (release) {
        if (cap_ != data_) free_buffer(data_);
        set(nullptr, 0, 0);
    }
    end_ = data_;
}

template <class D, class T, int B, int P>
utOstream &coDynArrT<D, T, B, P>::print(utOstream &os) const {
    return colib_detail::print_block(os, "coDynArr {", data_, size());
}
