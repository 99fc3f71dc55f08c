// coStackFastT: a stack kept in one step-grown buffer, the array-based
// counterpart of the linked stack. Its storage is a dynamic array of its
// own class (Array, e.g. intcoFastStackINTERNALcoDynArr), whose elements
// are the stack's from bottom (index 0) to top (the last index). Push and
// pop are O(1) at the end of the array; pop keeps the buffer for reuse.
//
// Growth: the array itself grows by exactly its step, as every dynamic
// array does (array().append on a full default stack adds one slot). A
// push onto a full stack instead reserves room for half as many elements
// again through the array's reserve, so the capacity still moves in whole
// steps but a long run of pushes copies each element O(1) times, whatever
// the step.
//
// Invariants: size() == array().size(); the top is array()[size() - 1];
// capacity is a whole number of steps past the initial capacity.
#pragma once

#include <climits>

#include <colib/arrays/detail/dyn_arr.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/print.h>

template <class Derived, class Array>
class COLIB_API coStackFastT : public colib_detail::printable<Derived> {
public:
    using value_type = typename Array::value_type;

    coStackFastT() = default;
    // The array's initial capacity and growth step.
    coStackFastT(int capacity, int step) : array_(capacity, step) {}
    coStackFastT(utCopy, const Derived &src) : array_(utCOPY, src.array_) {}
    void become(utCopy, const Derived &src) { array_.become(utCOPY, src.array_); }

    void push(const value_type &x) {
        // As the array's append: the end is stored on the shared path, so a
        // loop of pushes keeps it in a register.
        value_type *e = array_.end_;
        if (__builtin_expect(e != array_.cap_, 1))
            *e = x;
        else
            e = push_full(value_type(x));
        array_.end_ = e + 1;
    }
    // Removes the top element; the buffer stays.
    void pop() {
        COLIB_EXPECT(!array_.empty(), typeid(Derived), "pop", "the stack is empty");
        --array_.end_;
    }
    value_type &top() {
        COLIB_EXPECT(!array_.empty(), typeid(Derived), "top", "the stack is empty");
        return array_.end_[-1];
    }
    const value_type &top() const {
        COLIB_EXPECT(!array_.empty(), typeid(Derived), "top", "the stack is empty");
        return array_.end_[-1];
    }
    int size() const noexcept { return array_.size(); }
    // Heap bytes of the array's buffer.
    std::size_t memory_bytes() const noexcept { return array_.memory_bytes(); }
    bool empty() const noexcept { return array_.empty(); }
    // The elements, bottom first.
    Array &array() noexcept { return array_; }
    const Array &array() const noexcept { return array_; }
    // Range-for: bottom first, as the array holds them.
    value_type *begin() noexcept { return array_.begin(); }
    value_type *end() noexcept { return array_.end(); }
    const value_type *begin() const noexcept { return array_.begin(); }
    const value_type *end() const noexcept { return array_.end(); }

    // "coFastStack", then the array's "coDynArr {" block.
    utOstream &print(utOstream &os) const;

private:
    // A full stack: reserves room for half as many elements again (a failed
    // reserve leaves the array as it was, and the store then grows by one
    // step or throws), stores x at the end and returns its slot. By value:
    // x may be an element, and reserve may move the buffer.
    value_type *push_full(value_type x) {
        (void)array_.reserve(push_target(array_.size()));
        value_type *e = array_.end_;
        if (e == array_.cap_) return array_.append_full(x);
        *e = std::move(x);
        return e;
    }
    // n + n / 2 + 1, without passing the largest int.
    static int push_target(int n) noexcept {
        long long want = static_cast<long long>(n) + n / 2 + 1;
        return want > INT_MAX ? INT_MAX : static_cast<int>(want);
    }

    Array array_;
};

// One member of the family (arrays/stack_fast.h lists them): the stack's
// own dynamic array, that array's iterator and the stack.
#define COLIB_STACK_FAST_CLASSES(X, P, T)                                                          \
    COLIB_DYN_ARR_CLASSES_NAMED(X, P##coFastStackINTERNALcoDynArr, T)                              \
    COLIB_THIN_CLASS(P##coStackFast, coStackFastT, P##coStackFast, P##coFastStackINTERNALcoDynArr) \
    X(coStackFastT<P##coStackFast, P##coFastStackINTERNALcoDynArr>)
#define COLIB_STACK_FAST_INSTANCES(X, P, T)                                                        \
    COLIB_DYN_ARR_INSTANCES_NAMED(X, P##coFastStackINTERNALcoDynArr, T)                            \
    X(coStackFastT<P##coStackFast, P##coFastStackINTERNALcoDynArr>)
