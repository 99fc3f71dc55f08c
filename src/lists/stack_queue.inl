// Out-of-line members of coStackT.
#pragma once

#include <colib/lists/detail/stack_queue.h>

template <class D, class L> coStackT<D, L>::coStackT(std::initializer_list<value_type> values) {
    for (const value_type &x : values)
        if (!push(x)) throw std::bad_alloc();
}
