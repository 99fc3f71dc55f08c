// Out-of-line members of coHashedArr2DT. Included only by the library's
// instantiation unit (hashed_arr2d.cpp).
#pragma once

#include <new>

#include <colib/paged/detail/hashed_arr2d.h>

template <class D, class T, class S, class P> const T coHashedArr2DT<D, T, S, P>::s_default = T();
