// The common printout of the containers:
//
//   <header>                 e.g. "coDynArr {"
//     size <n>               one level deeper
//     <element>              one line per element, index order
//   }
//
// print_block writes it; families with other layouts compose the same
// pieces (header line, nested stream, closing brace).
#pragma once

#include <ostream>
#include <type_traits>

#include <colib/foundation/elem.h>

namespace colib_detail {

// Never defined: a member that does not print declares its stream
// operators on this type instead of itself, so that they can never be
// called (a class template's friends cannot be left out one by one).
template <class D> struct not_printable;

// The common printout of n elements read from the forward iterator first.
template <class It> utOstream &print_range(utOstream &os, const char *header, int n, It first) {
    using T = std::decay_t<decltype(*first)>;
    os << header << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << n << std::endl;
        for (int i = 0; i < n; ++i, ++first) {
            coElem<T>::print(nested, *first);
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}

// The common printout of n contiguous elements.
template <class T>
utOstream &print_block(utOstream &os, const char *header, const T *elems, int n) {
    return print_range(os, header, n, elems);
}

// The std::ostream form of every container's operator<<.
template <class C> std::ostream &print_std(std::ostream &os, const C &c) {
    utOstream u(os, 0, 2);
    u << c;
    return os;
}

// The two stream operators of a printing container, as hidden friends found
// through Derived: a family template derives from printable<Derived> and
// gives Derived a public print(utOstream &) const. printable_if<Derived,
// false> gives members that do not print operators that can never be called.
template <class D> class printable {
public:
    friend utOstream &operator<<(utOstream &os, const D &c) { return c.print(os); }
    friend std::ostream &operator<<(std::ostream &os, const D &c) { return print_std(os, c); }
};
template <class D, bool Prints = true>
using printable_if = printable<std::conditional_t<Prints, D, not_printable<D>>>;

} // namespace colib_detail
