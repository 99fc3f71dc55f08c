// Out-of-line members of coStackT and coQueueT.
#pragma once

#include <colib/lists/detail/stack_queue.h>

template <class D, class L> coStackT<D, L>::coStackT(std::initializer_list<value_type> values) {
    for (const value_type &x : values)
        if (!push(x)) throw std::bad_alloc();
}

template <class D, class L> utOstream &coStackT<D, L>::print(utOstream &os) const {
    os << "coStack" << std::endl;
    return list().print(os);
}

template <class D, class L> utOstream &coQueueT<D, L>::print(utOstream &os) const {
    os << "coQueue " << std::endl;
    return list().print(os);
}
