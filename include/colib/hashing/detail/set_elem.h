// coSetElem<T>: what a hash set needs to know about its element type, in
// one place per type: the nil value that marks an empty slot, equality,
// hash and printing. The hashes agree with the exported co_hash overloads.
//
//   element    nil                        equal               hash
//   int        -2147483648                ==                  the value
//   double     -1.7976931348623157e308    == (NaN never)      low ^ high word
//   utString   the string without text    utString compare    byte hash of text
//   pointer    null                       same address        low ^ high word
#pragma once

#include <climits>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>

#include <colib/foundation/elem.h>
#include <colib/hashing/detail/probe.h>

class COLIB_API coPointerSetObject;

template <class T> struct COLIB_API coSetElem;

namespace colib_detail {
// A text being looked up, with the head a utString holding it would have.
struct text_key {
    std::string_view text;
    std::uint32_t head;
};
} // namespace colib_detail

template <> struct COLIB_API coSetElem<int> {
    static constexpr bool printable = true;
    static int make_nil() noexcept { return INT_MIN; }
    static bool is_nil(int v) noexcept { return v == INT_MIN; }
    static bool equal(int a, int b) noexcept { return a == b; }
    static unsigned hash(int v) noexcept { return static_cast<unsigned>(v); }
    static void print(utOstream &os, int v) { os << v; }
};

template <> struct COLIB_API coSetElem<double> {
    static constexpr bool printable = true;
    static double make_nil() noexcept { return -std::numeric_limits<double>::max(); }
    static bool is_nil(double v) noexcept { return v == -std::numeric_limits<double>::max(); }
    static bool equal(double a, double b) noexcept { return a == b; }
    static unsigned hash(double v) noexcept {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        return colib_detail::word_hash(bits);
    }
    static void print(utOstream &os, double v) { os << v; }
};

template <> struct COLIB_API coSetElem<utString> {
    static constexpr bool printable = true;
    static utString make_nil() noexcept { return utString(); }
    static bool is_nil(const utString &v) noexcept { return v.invalid() != 0; }
    // The string order's equality: no text equals only no text; texts are
    // compared up to their NUL. Texts hold no NUL byte, so equal texts have
    // equal lengths and heads, and only bytes past the head are read.
    static bool equal(const utString &a, const utString &b) noexcept {
        const char *x = a.text_;
        const char *y = b.text_;
        if (x == y) return true;
        if (!x || !y || a.length_ != b.length_ || a.head_ != b.head_) return false;
        return a.length_ <= 4 ||
               colib_detail::same_past_head(x, y, static_cast<std::size_t>(a.length_));
    }
    // byte_hash of the text: the head is its first word.
    static unsigned hash(const utString &v) noexcept {
        if (!v.text_) return 0u;
        if (v.length_ <= 4) return v.head_;
        return v.head_ ^ colib_detail::byte_hash(v.text_ + 4, v.length_ - 4);
    }
    static void print(utOstream &os, const utString &v) { os << v; }

    // Lookups by text in place: the hash and equality a utString holding
    // the text would have (a text is cut at its first NUL byte first, as
    // a utString made from it would be).
    static constexpr bool text_keys = true;
    static unsigned hash_text(std::string_view t) noexcept {
        return colib_detail::byte_hash(t.data(), static_cast<int>(t.size()));
    }
    // hash_text of t cut at its first NUL byte, in one pass.
    static unsigned hash_text_cut(std::string_view &t) noexcept {
        return colib_detail::text_hash_cut(t);
    }
    // The head a utString holding t would have, given t's hash h: for four
    // bytes or fewer the hash is the head.
    static std::uint32_t text_head(std::string_view t, unsigned h) noexcept {
        return t.size() <= 4 ? h : utString::head_of(t.data(), 4);
    }
    // A text of four bytes or fewer is settled by length and head alone,
    // without reading the string's text.
    static bool equal_text(const colib_detail::text_key &k, const utString &v) noexcept {
        const std::size_t n = k.text.size();
        if (!v.text_ || static_cast<std::size_t>(v.length_) != n || v.head_ != k.head) return false;
        return n <= 4 || colib_detail::same_past_head(v.text_, k.text.data(), n);
    }
};

template <> struct COLIB_API coSetElem<coPointerSetObject *> {
    static constexpr bool printable = false;
    static coPointerSetObject *make_nil() noexcept { return nullptr; }
    static bool is_nil(const coPointerSetObject *v) noexcept { return v == nullptr; }
    static bool equal(const coPointerSetObject *a, const coPointerSetObject *b) noexcept {
        return a == b;
    }
    static unsigned hash(const coPointerSetObject *v) noexcept {
        return colib_detail::word_hash(reinterpret_cast<std::uintptr_t>(v));
    }
    static void print(utOstream &os, const coPointerSetObject *v) {
        os << static_cast<const void *>(v);
    }
};

// Which element traits offer lookups by text (hash_text, equal_text).
template <class Tr, class = void> struct coTextKeys : std::false_type {};
template <class Tr> struct coTextKeys<Tr, std::enable_if_t<Tr::text_keys>> : std::true_type {};

namespace colib_detail {

// The argument types a text lookup accepts: const char * (null meaning the
// string without text), std::string_view and std::string.
template <class S>
inline constexpr bool is_text_arg_v =
    std::is_same_v<std::decay_t<S>, const char *> || std::is_same_v<std::decay_t<S>, char *> ||
    std::is_same_v<std::decay_t<S>, std::string_view> ||
    std::is_same_v<std::decay_t<S>, std::string>;
template <class Tr, class S>
using if_text_lookup = std::enable_if_t<coTextKeys<Tr>::value && is_text_arg_v<S>, int>;

// The text a lookup argument stands for, cut at its first NUL byte as a
// utString made from it would be; nil is set for a null pointer.
inline std::string_view text_of(const char *p, bool &nil) noexcept {
    nil = p == nullptr;
    return p ? std::string_view(p) : std::string_view();
}
inline std::string_view text_of(std::string_view t, bool &nil) noexcept {
    nil = false;
    if (const void *z = t.empty() ? nullptr : std::memchr(t.data(), '\0', t.size()))
        t = t.substr(0, static_cast<std::size_t>(static_cast<const char *>(z) - t.data()));
    return t;
}
inline std::string_view text_of(const std::string &t, bool &nil) noexcept {
    return text_of(std::string_view(t), nil);
}

} // namespace colib_detail
