#include <colib/arrays/stack_fast.h>

#include "dyn_arr.inl"

template <class D, class A> utOstream &coStackFastT<D, A>::print(utOstream &os) const {
    os << "coFastStack" << std::endl;
    return os << array_;
}

COLIB_STACK_FAST_MEMBERS(COLIB_STACK_FAST_INSTANCES, COLIB_INSTANTIATE)
