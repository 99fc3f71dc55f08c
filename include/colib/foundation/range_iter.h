// The common part of the containers' range-for iterators.
//
// A family's iterator derives from range_iter<Derived, Reference> and
// defines only what differs: operator*, prefix operator++ and operator==.
// The standard member types, postfix ++, operator-> (when operator* hands
// out a reference) and != come from here.
#pragma once

#include <cstddef>
#include <iterator>
#include <type_traits>

namespace colib_detail {

template <class D, class Ref, class Category = std::forward_iterator_tag> class range_iter {
public:
    using iterator_category = Category;
    using value_type = std::remove_cv_t<std::remove_reference_t<Ref>>;
    using difference_type = std::ptrdiff_t;
    using pointer = std::add_pointer_t<std::remove_reference_t<Ref>>;
    using reference = Ref;

    template <class R = Ref, std::enable_if_t<std::is_reference_v<R>, int> = 0>
    pointer operator->() const {
        return &*self();
    }
    // A friend rather than a member, so that the prefix ++ of D does not
    // hide it.
    friend D operator++(D &it, int) {
        D old = it;
        ++it;
        return old;
    }
    friend bool operator!=(const D &a, const D &b) { return !(a == b); }

private:
    const D &self() const { return static_cast<const D &>(*this); }
};

} // namespace colib_detail
