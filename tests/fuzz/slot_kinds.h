// Element kinds of the array fuzz targets: how to make an element from the
// input and how the model sees it. nullopt in the model is a slot never
// written (an unknown int) or the string without text.
#pragma once

#include "fuzz_input.h"

#include <colib/foundation/foundation.h>

#include <cstddef>
#include <optional>
#include <string>

namespace colib_fuzz {

struct IntKind {
    using T = int;
    using M = std::optional<int>;
    static T make(Reader &in) { return in.small_int(); }
    static M model(const T &x) { return x; }
    static bool same(const M &m, const T &x) { return !m || *m == x; }
};

struct StringKind {
    using T = utString;
    using M = std::optional<std::string>;
    static T make(Reader &in) {
        if (in.below(16) == 0) return utString();
        return utString(in.word());
    }
    static M model(const T &x) {
        if (x.invalid()) return std::nullopt;
        return std::string(x.c_str(), static_cast<std::size_t>(x.length()));
    }
    static bool same(const M &m, const T &x) { return m == model(x); }
};

} // namespace colib_fuzz
