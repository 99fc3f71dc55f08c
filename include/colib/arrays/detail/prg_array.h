// coPrgArrayT: the sole owner of a plain array made with new[] by the
// caller. It holds exactly one pointer and releases the array with
// delete[] when destroyed, reset or given another array. It knows nothing
// of the array's length and offers no element access.
//
// Not copyable (two handles would own one array); movable, the moved-from
// handle then holding nothing.
#pragma once

#include <colib/foundation/contract.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/types.h>

template <class Derived, class T> class COLIB_API coPrgArrayT {
public:
    using element_type = T;

    coPrgArrayT() noexcept = default;
    // Takes ownership of p (made with new[], or null).
    explicit coPrgArrayT(T *p) noexcept : pointer_(p) {}
    coPrgArrayT(const coPrgArrayT &) = delete;
    coPrgArrayT &operator=(const coPrgArrayT &) = delete;
    coPrgArrayT(coPrgArrayT &&o) noexcept : pointer_(o.pointer_) { o.pointer_ = nullptr; }
    coPrgArrayT &operator=(coPrgArrayT &&o) noexcept {
        if (this != &o) {
            delete_pointer();
            pointer_ = o.pointer_;
            o.pointer_ = nullptr;
        }
        return *this;
    }
    ~coPrgArrayT() { delete_pointer(); }

    // Releases the held array, then owns p. p must not be the array held.
    void become(const T *p) {
        COLIB_EXPECT(p == nullptr || p != pointer_, typeid(Derived), "become",
                     "the handle already owns this array");
        delete_pointer();
        pointer_ = const_cast<T *>(p);
    }
    void operator=(const T *p) { become(p); }
    // Hands the array back to the caller and holds nothing.
    T *release() noexcept {
        T *p = pointer_;
        pointer_ = nullptr;
        return p;
    }
    // Releases the array and holds nothing.
    void reset() noexcept {
        delete_pointer();
        pointer_ = nullptr;
    }
    void swap(Derived &other) noexcept {
        T *p = pointer_;
        pointer_ = other.pointer_;
        other.pointer_ = p;
    }
    // The held array, still owned by the handle.
    T *get() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

private:
    void delete_pointer() noexcept { delete[] pointer_; }

    T *pointer_ = nullptr;
};

// One member of the family (arrays/prg_array.h lists them). Besides the
// constructors, the handle takes the template's operator=(const T *),
// which its own implicit assignments would hide.
#define COLIB_PRG_ARRAY_CLASSES(X, P, T)                                                           \
    class COLIB_API P##coPrgArray : public coPrgArrayT<P##coPrgArray, T> {                         \
    public:                                                                                        \
        using coPrgArrayT::coPrgArrayT;                                                            \
        using coPrgArrayT::operator=;                                                              \
    };                                                                                             \
    COLIB_PRG_ARRAY_INSTANCES(X, P, T)
#define COLIB_PRG_ARRAY_INSTANCES(X, P, T) X(coPrgArrayT<P##coPrgArray, T>)
