// coFixedArrT: the algorithm behind the fixed arrays (intcoFixedArr and its
// siblings): one owned buffer whose length is chosen when it is made. No
// growth and, outside hardened builds, no index test.
//
// Layout, in order: data, size.
//
// Invariants:
//   - data is null exactly when the array is invalid, and size is then 0;
//   - otherwise data came from new T[size] (a buffer is made even for size
//     0) and every slot is a constructed T.
//
// Failure: the constructors and become let std::bad_alloc through; become
// allocates and copies before it releases, so a failed become leaves the
// array as it was.
//
// Pointers and references into the array stay valid until become,
// set_invalid or destruction.
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
class COLIB_API coFixedArrT : public colib_detail::printable<Derived> {
public:
    using value_type = T;

    // Invalid: no buffer, size 0.
    coFixedArrT() noexcept = default;
    // A buffer of n slots (valid even for n == 0). Requires n >= 0.
    explicit coFixedArrT(int n) : data_(new T[n < 0 ? 0 : n]), size_(n < 0 ? 0 : n) {
        COLIB_EXPECT(n >= 0, typeid(Derived), "constructor", "negative size %d", n);
    }
    // A buffer of the list's length holding its elements.
    coFixedArrT(std::initializer_list<T> list);
    coFixedArrT(utCopy, const Derived &src) { become(utCOPY, src); }
    coFixedArrT(const coFixedArrT &src) { become(utCOPY, static_cast<const Derived &>(src)); }
    // Takes src's buffer; src is left invalid.
    coFixedArrT(coFixedArrT &&src) noexcept : data_(src.data_), size_(src.size_) {
        src.data_ = nullptr;
        src.size_ = 0;
    }
    coFixedArrT &operator=(const coFixedArrT &src) {
        become(utCOPY, static_cast<const Derived &>(src));
        return *this;
    }
    coFixedArrT &operator=(coFixedArrT &&src) noexcept;
    ~coFixedArrT() { delete[] data_; }

    // Makes this array a copy of src: invalid when src is, else src's size
    // and elements in a buffer of its own. From itself: no change.
    Derived &become(utCopy, const Derived &src);

    // Unchecked: the array is valid and 0 <= i < size().
    T &operator[](int i) { return checked(i, "operator[]"); }
    const T &operator[](int i) const { return checked(i, "operator[] const"); }

    int size() const noexcept { return size_; }
    // Heap bytes of the buffer, not counting what the elements own.
    std::size_t memory_bytes() const noexcept {
        return data_ ? static_cast<std::size_t>(size_) * sizeof(T) : 0;
    }
    // Nonzero when the array owns no buffer.
    int invalid() const noexcept { return data_ == nullptr; }
    // Releases the buffer, if any; the array becomes invalid.
    void set_invalid() noexcept {
        delete[] data_;
        data_ = nullptr;
        size_ = 0;
    }

    T *data() noexcept { return data_; }
    const T *data() const noexcept { return data_; }
    T *begin() noexcept { return data_; }
    T *end() noexcept { return data_ + size_; }
    const T *begin() const noexcept { return data_; }
    const T *end() const noexcept { return data_ + size_; }

    // The common printout, headed "coFixedArr {" (size 0 when invalid).
    utOstream &print(utOstream &os) const;

protected:
    T &checked(int i, const char *op) const {
        COLIB_EXPECT(data_ != nullptr, typeid(Derived), op, "index %d of an invalid array", i);
        COLIB_EXPECT(i >= 0 && i < size_, typeid(Derived), op, "index %d out of range [0, %d)", i,
                     size_);
        return data_[i];
    }

private:
    T *data_ = nullptr;
    int size_ = 0;
};

// One member of the family (arrays/fixed_arr.h lists them).
#define COLIB_FIXED_ARR_CLASSES(X, P, T)                                                           \
    COLIB_THIN_CLASS(P##coFixedArr, coFixedArrT, P##coFixedArr, T)                                 \
    COLIB_FIXED_ARR_INSTANCES(X, P, T)
#define COLIB_FIXED_ARR_INSTANCES(X, P, T) X(coFixedArrT<P##coFixedArr, T>)
