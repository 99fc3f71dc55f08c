#include <colib/foundation/ut_ostream.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

utOstream::utOstream(std::ostream &os, int level, int unit)
    : os_(&os), line_start_(&own_line_start_), own_line_start_(true),
      indent_(level > 0 && unit > 0 ? level * unit : 0), unit_(unit > 0 ? unit : 0) {}

utOstream::utOstream(utOstreamTab, const utOstream &outer, int levels, int extra)
    : os_(outer.os_), line_start_(outer.line_start_), own_line_start_(false),
      indent_(outer.indent_ + (levels > 0 ? levels * outer.unit_ : 0) + (extra > 0 ? extra : 0)),
      unit_(outer.unit_) {}

utOstream::~utOstream() = default;

utOstream &utOstream::write(const char *s, std::size_t n) {
    while (n > 0) {
        if (*line_start_ && *s != '\n') {
            for (int i = 0; i < indent_; ++i)
                os_->put(' ');
            *line_start_ = false;
        }
        const char *nl = static_cast<const char *>(std::memchr(s, '\n', n));
        std::size_t len = nl ? static_cast<std::size_t>(nl - s) + 1 : n;
        os_->write(s, static_cast<std::streamsize>(len));
        if (nl) *line_start_ = true;
        s += len;
        n -= len;
    }
    return *this;
}

utOstream &utOstream::operator<<(const char *s) {
    return s ? write(s, std::strlen(s)) : *this;
}
utOstream &utOstream::operator<<(char c) {
    return write(&c, 1);
}

namespace {
template <class V> utOstream &put_number(utOstream &os, V v) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    return os.write(buf, static_cast<std::size_t>(r.ptr - buf));
}
} // namespace

utOstream &utOstream::operator<<(int v) {
    return put_number(*this, v);
}
utOstream &utOstream::operator<<(long v) {
    return put_number(*this, v);
}
utOstream &utOstream::operator<<(long long v) {
    return put_number(*this, v);
}
utOstream &utOstream::operator<<(unsigned v) {
    return put_number(*this, v);
}
utOstream &utOstream::operator<<(unsigned long v) {
    return put_number(*this, v);
}
utOstream &utOstream::operator<<(unsigned long long v) {
    return put_number(*this, v);
}

utOstream &utOstream::operator<<(double v) {
    // to_chars writes the shortest text that reads back exactly; it spells
    // the non-finite values itself ("inf", "-inf", "nan").
    return put_number(*this, v);
}

utOstream &utOstream::operator<<(void *p) {
    char buf[2 + 2 * sizeof(void *)] = {'0', 'x'};
    auto r = std::to_chars(buf + 2, buf + sizeof buf, reinterpret_cast<std::uintptr_t>(p), 16);
    return write(buf, static_cast<std::size_t>(r.ptr - buf));
}

utOstream &utOstream::operator<<(std::ostream &(*manip)(std::ostream &)) {
    using Manip = std::ostream &(*)(std::ostream &);
    if (manip == static_cast<Manip>(std::endl<char, std::char_traits<char>>)) {
        write("\n", 1);
        os_->flush();
    } else {
        manip(*os_);
    }
    return *this;
}

utOstream &operator<<(utOstream &os, const utString &s) {
    return s.invalid()
               ? os
               : os.write(static_cast<const char *>(s), static_cast<std::size_t>(s.length()));
}
