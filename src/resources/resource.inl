// Out-of-line members of the typed resource templates. Included only by
// the library's instantiation unit.
#pragma once

#include <colib/resources/resource.h>

#include <sstream>

namespace colib_detail {
// The text forms: decimal for int (and the boolean, which holds 0 or 1),
// the stream's default six significant digits for double.
inline utString resource_text(int v) {
    return utString(std::to_string(v));
}
inline utString resource_text(double v) {
    std::ostringstream os;
    os << v;
    return utString(os.str());
}
inline utString resource_text(const utString &v) {
    return v;
}
} // namespace colib_detail

template <class D, class V, int (*C)(const utString &, V &)>
utString coResourceT<D, V, C>::as_string() const {
    return colib_detail::resource_text(value_);
}

template <class D, class V, int (*C)(const utString &, V &)>
coResourceT<D, V, C>::~coResourceT() = default;

template <class D, class V, int (*C)(const utString &, V &)>
D *coResourceT<D, V, C>::create_from_string(const utString &text, coResourceError &error) {
    V v{};
    if (!C(text, v)) {
        error = coResourceBadValue;
        return nullptr;
    }
    D *r = new D(coResourceFLOATING, std::move(v));
    error = coResourceOk;
    return r;
}
