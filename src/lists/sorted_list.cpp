#include <colib/lists/sorted_list.h>

template <class D, class T, class C, class I, class K>
K coSortedListT<D, T, C, I, K>::find(const T &x) {
    K c(static_cast<D *>(this));
    c.set_position(lookup(x));
    return c;
}

template <class D, class T, class C, class I, class K>
I coSortedListT<D, T, C, I, K>::find(const T &x) const {
    I it(static_cast<const D *>(this));
    it.set_position(lookup(x));
    return it;
}

COLIB_SORTED_LIST_MEMBERS(COLIB_SORTED_LIST_INSTANCES, COLIB_INSTANTIATE)
