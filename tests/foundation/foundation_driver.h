// The strings, the text conversions and the numeric helpers against an
// independent model: a string is its text or none, sharing is a group of
// strings holding one text, and the conversions are the grammars below.
#pragma once

#include <colib/foundation/convert.h>
#include <colib/foundation/types.h>
#include <colib/foundation/ut.h>

#include <cctype>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "../support/alloc_injector.h"
#include "../support/driver.h"

namespace foundation_model {

using colib_test::Input;

// Text for the conversions: mostly near the grammars, now and then noise.
// Numbers stay well inside double, so that no rounding to 0 or inf arises.
inline std::string number_text(Input &in) {
    static const char *const edges[] = {"2147483647", "2147483648", "-2147483648", "-2147483649",
                                        "true", "FaLsE", "yes", "1"};
    if (in.one_in(6)) return edges[in.below(8)];
    static const char noise[] = "+-. x";
    std::string s;
    if (in.one_in(3)) s += in.flag() ? '-' : '+';
    for (int n = in.below(5); n > 0; --n)
        s += static_cast<char>('0' + in.below(10));
    if (in.one_in(3)) s += '.';
    for (int n = in.one_in(2) ? in.below(3) : 0; n > 0; --n)
        s += static_cast<char>('0' + in.below(10));
    if (in.one_in(4)) {
        s += in.flag() ? 'e' : 'E';
        if (in.flag()) s += in.flag() ? '-' : '+';
        for (int n = in.below(3); n > 0; --n)
            s += static_cast<char>('0' + in.below(10));
    }
    if (in.one_in(6)) s.insert(in.below(static_cast<int>(s.size()) + 1), 1, noise[in.below(5)]);
    return s;
}

// Whole numbers: an optional sign and decimal digits, inside int.
inline std::optional<int> int_rule(const std::string &s) {
    size_t i = s.size() && (s[0] == '+' || s[0] == '-');
    if (i == s.size() || s.size() > 15) return std::nullopt;
    for (size_t k = i; k < s.size(); ++k)
        if (!std::isdigit(static_cast<unsigned char>(s[k]))) return std::nullopt;
    long long v = std::stoll(s);
    if (v < -2147483648LL || v > 2147483647LL) return std::nullopt;
    return static_cast<int>(v);
}

// Sign, digits [. digits] with at least one digit, then e|E [sign] digits.
inline std::optional<double> double_rule(const std::string &s) {
    size_t i = s.size() && (s[0] == '+' || s[0] == '-'), digits = 0;
    auto run = [&] {
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])))
            ++i, ++digits;
    };
    run();
    if (i < s.size() && s[i] == '.') ++i, run();
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        digits = 0;
        run();
        if (digits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return std::strtod(s.c_str(), nullptr);
}

inline int sign(int x) { return (x > 0) - (x < 0); }

// Byte order as unsigned characters; no text first.
inline int order(const std::optional<std::string> &a, const std::optional<std::string> &b) {
    if (!a || !b) return static_cast<int>(bool(a)) - static_cast<int>(bool(b));
    for (size_t i = 0;; ++i) {
        if (i == a->size() || i == b->size()) return sign(static_cast<int>(a->size()) - static_cast<int>(b->size()));
        int x = static_cast<unsigned char>((*a)[i]), y = static_cast<unsigned char>((*b)[i]);
        if (x != y) return sign(x - y);
    }
}
inline std::optional<std::string> folded(std::optional<std::string> s) {
    if (s)
        for (char &c : *s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A few strings and their model: text (or none), and a sharing group
// (0: not counted, literals and no text).
struct Pool {
    static constexpr int N = 4;
    utString s[N];
    std::optional<std::string> text[N];
    int group[N] = {};
    int next_group = 1;
    void check() const {
        for (int i = 0; i < N; ++i) {
            int sharers = 0;
            for (int j = 0; j < N; ++j) {
                sharers += group[i] && group[j] == group[i];
                MODEL_CHECK(s[i].compare(s[j]) == order(text[i], text[j]));
                MODEL_CHECK(sign(s[i].case_compare(s[j])) == order(folded(text[i]), folded(text[j])));
                MODEL_CHECK((s[i] == s[j]) == (text[i] == text[j]));
            }
            MODEL_CHECK(s[i].invalid() == !text[i] && s[i].ref().use_count() == sharers);
            MODEL_CHECK(s[i].length() == (text[i] ? static_cast<int>(text[i]->size()) : 0));
            MODEL_CHECK(!text[i] || std::string(s[i].c_str()) == *text[i]);
        }
    }
};

inline void run_strings(Input &in, Pool &p) {
    static const char *const literals[] = {"", "a", "B", "\xff"};
    int i = in.below(Pool::N), j = in.below(Pool::N);
    std::string w = in.word();
    if (in.one_in(4)) w += in.flag() ? "\xff" : "A";
    switch (in.below(8)) {
    case 0: // a text of its own (the utCOPY form copies it as well)
        if (!alloc_injector::fail_at(in.one_in(5), [&] { p.s[i] = in.flag() ? utString(w.c_str()) : utString(utCOPY, w.c_str()); }))
            p.text[i] = w, p.group[i] = p.next_group++;
        break;
    case 1: {
        int k = in.below(4);
        p.s[i] = ut_lit(literals[k]), p.text[i] = std::string(literals[k]), p.group[i] = 0;
        break;
    }
    case 2: p.s[i] = p.s[j], p.text[i] = p.text[j], p.group[i] = p.group[j]; break;
    case 3: {
        utString copy(p.s[j]);
        MODEL_CHECK(copy == p.s[j] && copy.ref().use_count() == p.s[j].ref().use_count());
        p.s[i] = std::move(copy), p.text[i] = p.text[j], p.group[i] = p.group[j];
        break;
    }
    case 4: p.s[i] = utString(), p.text[i].reset(), p.group[i] = 0; break;
    case 5:
        MODEL_CHECK(co_utString_from_string(p.s[j], p.s[i]) == 1);
        p.text[i] = p.text[j], p.group[i] = p.group[j];
        break;
    case 6: std::swap(p.s[i], p.s[j]), std::swap(p.text[i], p.text[j]), std::swap(p.group[i], p.group[j]); break;
    default: {
        utString moved(std::move(p.s[i]));
        MODEL_CHECK(p.s[i].invalid() && p.s[i].ref().use_count() == 0);
        p.s[i] = moved;
        break;
    }
    }
    p.check();
}

inline void run_conversions(Input &in) {
    std::string t = number_text(in);
    utString s(t.c_str());
    int i = 7, b = 7;
    double d = 0.25;
    std::optional<int> iv = int_rule(t);
    MODEL_CHECK(co_int_from_string(s, i) == iv.has_value() && i == iv.value_or(7));
    std::optional<double> dv = double_rule(t);
    MODEL_CHECK(co_double_from_string(s, d) == dv.has_value() && d == dv.value_or(0.25));
    std::optional<std::string> f = folded(t);
    int bv = *f == "true" ? 1 : *f == "false" ? 0 : -1;
    MODEL_CHECK(co_utBool_from_string(s, b) == (bv >= 0) && b == (bv >= 0 ? bv : 7));
    MODEL_CHECK(co_int_from_string(utString(), i) == 0 && co_double_from_string(utString(), d) == 0);
}

inline void run_numeric(Input &in) {
    int x = in.one_in(3) ? in.small_int() : static_cast<int>(in.below(65536) * 65537u);
    utUInt64 u = in.one_in(3) ? static_cast<utUInt64>(in.below(40)) : static_cast<utUInt64>(in.below(65536)) << in.below(48);
    MODEL_CHECK((ut_compare(x) < u) == (x < 0 || static_cast<utUInt64>(x) < u));
    MODEL_CHECK((ut_compare(x) > u) == (x >= 0 && static_cast<utUInt64>(x) > u));
    MODEL_CHECK((ut_compare(u) < x) == (x >= 0 && u < static_cast<utUInt64>(x)));
    MODEL_CHECK((ut_compare(u) > x) == (x < 0 || u > static_cast<utUInt64>(x)));
    bool flag = !in.flag();
    MODEL_CHECK((ut_numeric_cast<int, utUInt64>(u, flag)) == static_cast<int>(static_cast<uint32_t>(u)) && flag == (u > 2147483647u));
    MODEL_CHECK((ut_numeric_cast<utUInt64, int>(x, flag)) == static_cast<utUInt64>(static_cast<long long>(x)) && flag == (x < 0));
}

} // namespace foundation_model

inline void run_foundation(colib_test::Input &in) {
    long live = alloc_injector::live();
    {
        foundation_model::Pool pool;
        while (!in.done()) {
            switch (in.below(3)) {
            case 0: foundation_model::run_strings(in, pool); break;
            case 1: foundation_model::run_conversions(in); break;
            default: foundation_model::run_numeric(in);
            }
        }
    }
    MODEL_CHECK(alloc_injector::live() == live);
}
