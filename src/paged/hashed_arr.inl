// Out-of-line members of coHashedArrT. Included by the library's
// instantiation units (hashed_arr.cpp, hashed_arr2d.cpp).
#pragma once

#include <new>

#include <colib/paged/detail/hashed_arr.h>

template <class T, class S, class K, template <class> class E>
const T colib_detail::hashed_store<T, S, K, E>::s_default = T();

template <class D, class T, class S, class P>
utOstream &coHashedArrT<D, T, S, P>::print(utOstream &os) const {
    os << "coHashedArr {" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << size() << std::endl;
        // A long long counter: the largest index may be 2147483647.
        for (long long i = 0; i <= largest_; ++i) {
            coElem<T>::print(nested, read(static_cast<int>(i)));
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}
