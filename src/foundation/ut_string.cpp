#include <colib/foundation/convert.h>
#include <colib/foundation/ut.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cstddef>
#include <cstring>
#include <istream>
#include <locale>
#include <new>
#include <ostream>
#include <streambuf>

// A copied text lives in one block: the sharing count, then the characters.
// The count sits at the block's start, where new char[] gives alignment for
// any object; the text starts kHeader bytes in.
namespace {
constexpr std::size_t kHeader = alignof(std::max_align_t) > sizeof(utRef::counter)
                                    ? alignof(std::max_align_t)
                                    : sizeof(utRef::counter);

#if !defined(__cpp_lib_to_chars)
// Reads the characters [b, e) in place.
struct range_buf : std::streambuf {
    range_buf(const char *b, const char *e) {
        char *p = const_cast<char *>(b);
        setg(p, p, p + (e - b));
    }
};
#endif

unsigned char fold(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

template <bool Fold> int compare_texts(const char *a, const char *b) {
    if (!a || !b) return (a != nullptr) - (b != nullptr);
    auto *p = reinterpret_cast<const unsigned char *>(a);
    auto *q = reinterpret_cast<const unsigned char *>(b);
    for (;; ++p, ++q) {
        unsigned char x = Fold ? fold(*p) : *p, y = Fold ? fold(*q) : *q;
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
} // namespace

const utRef utRef::s_single;

utString::utString(const char *s) : utString(s, s ? static_cast<int>(std::strlen(s)) : 0) {}

utString::utString(const std::string &s) : utString(s.data(), static_cast<int>(s.size())) {}

utString::utString(const char *s, int n) {
    if (!s) return;
    if (n < 0) n = 0;
    // Text is NUL-terminated: whatever follows a NUL inside the n bytes is
    // dropped, so length, hash, comparison and printing see the same text.
    if (const void *nul = std::memchr(s, '\0', static_cast<std::size_t>(n)))
        n = static_cast<int>(static_cast<const char *>(nul) - s);
    char *block = new char[kHeader + static_cast<std::size_t>(n) + 1];
    auto *count = new (block) utRef::counter(1);
    text_ = block + kHeader;
    std::memcpy(text_, s, static_cast<std::size_t>(n));
    text_[n] = '\0';
    length_ = n;
    head_ = head_of(text_, n);
    ref_ = utRef(count);
}

utString::utString(utStringLit, const char *s) noexcept
    : text_(const_cast<char *>(s)), length_(s ? static_cast<int>(std::strlen(s)) : 0),
      head_(s ? head_of(s, length_) : 0) {}

void utString::release(char *text) noexcept {
    char *block = text - kHeader;
    using counter = utRef::counter;
    reinterpret_cast<counter *>(block)->~counter();
    delete[] block;
}

int utString::compare(const utString &o) const noexcept {
    return compare_texts<false>(text_, o.text_);
}
int utString::compare(const char *o) const noexcept {
    return compare_texts<false>(text_, o);
}
int utString::case_compare(const utString &o) const noexcept {
    return compare_texts<true>(text_, o.text_);
}
int utString::case_compare(const char *o) const noexcept {
    return compare_texts<true>(text_, o);
}

int utString::parse(int &out, int &) const noexcept {
    if (!text_) return 0;
    const char *p = text_, *end = text_ + length_;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    if (p == end) return 0;
    long long value = 0;
    for (; p < end; ++p) {
        if (!is_digit(*p)) return 0;
        value = value * 10 + (*p - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) return 0;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return 0;
    out = static_cast<int>(value);
    return 1;
}

int utString::parse(double &out, int &) const noexcept {
    if (!text_) return 0;
    const char *p = text_, *end = text_ + length_;
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) negative = *p++ == '-';
    // Grammar check first: digits [. digits] [e|E [sign] digits], with at
    // least one digit in the mantissa. Everything else (blanks, hex, inf,
    // nan) is refused before the number is converted.
    const char *start = p, *q = p;
    int mantissa_digits = 0;
    while (q < end && is_digit(*q))
        ++q, ++mantissa_digits;
    if (q < end && *q == '.') {
        ++q;
        while (q < end && is_digit(*q))
            ++q, ++mantissa_digits;
    }
    if (mantissa_digits == 0) return 0;
    if (q < end && (*q == 'e' || *q == 'E')) {
        ++q;
        if (q < end && (*q == '+' || *q == '-')) ++q;
        if (q == end || !is_digit(*q)) return 0;
        while (q < end && is_digit(*q))
            ++q;
    }
    if (q != end) return 0;
    double value = 0;
#if defined(__cpp_lib_to_chars)
    auto result = std::from_chars(start, end, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end) return 0;
#else
    // A standard library without from_chars for double: the classic locale's
    // number reader takes the same text and fails on overflow and underflow.
    range_buf buf(start, end);
    std::istream in(&buf);
    in.imbue(std::locale::classic());
    in >> value;
    if (in.fail() || !in.eof()) return 0;
#endif
    out = negative ? -value : value;
    return 1;
}

utString ut_lit(const char *const s) {
    return utString(utLITERAL, s);
}

std::ostream &operator<<(std::ostream &os, const utString &s) {
    if (!s.invalid()) os.write(static_cast<const char *>(s), s.length());
    return os;
}

utTypeID::~utTypeID() = default;

int utTypeID::same_type(const utTypeID &o) const noexcept {
    if (name_ == o.name_) return 1;
    return name_ && o.name_ && std::strcmp(name_, o.name_) == 0;
}

int co_utString_from_string(const utString &s, utString &out) {
    if (&s != &out) out = s;
    return 1;
}

int co_utBool_from_string(const utString &s, int &out) {
    if (s.case_compare("true") == 0) {
        out = 1;
        return 1;
    }
    if (s.case_compare("false") == 0) {
        out = 0;
        return 1;
    }
    return 0;
}

int co_int_from_string(const utString &s, int &out) {
    return s.parse(out);
}
int co_double_from_string(const utString &s, double &out) {
    return s.parse(out);
}
