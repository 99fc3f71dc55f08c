// The strings, the text conversions and the numeric helpers against an
// independent model: a string is its text or none, the strings sharing a
// text form a group, and the conversions follow the grammars below.
#pragma once

#include <colib/foundation/convert.h>
#include <colib/foundation/types.h>

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

#include "../support/alloc_injector.h"
#include "../support/driver.h"

namespace foundation_model {

using colib_test::Input;
using Text = std::optional<std::string>; // none: a string without text

// Byte order as unsigned characters, no text first; -1, 0 or 1.
inline int order(const Text &a, const Text &b) {
    if (!a || !b) return int(bool(a)) - int(bool(b));
    int c = a->compare(*b); // char_traits<char> compares as unsigned char
    return (c > 0) - (c < 0);
}
inline Text folded(Text s) {
    if (s)
        for (char &c : *s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A few strings; group 0 means not counted (literals and no text).
struct Pool {
    utString s[4];
    Text text[4];
    int group[4] = {}, next = 1;
    void set(int i, Text t, int g) { text[i] = std::move(t), group[i] = g; }
};

inline void run_strings(Input &in, Pool &p) {
    static const char *const literals[] = {"", "a", "B", "\xff"};
    int i = in.below(4), j = in.below(4), op = in.below(7), k = in.below(4);
    std::string w = in.word() + (in.flag() ? "" : in.flag() ? "\xff" : "A");
    auto make = [&] { p.s[i] = in.flag() ? utString(w.c_str()) : utString(utCOPY, w.c_str()); };
    if (op == 0 && !alloc_injector::fail_at(in.below(2), make)) p.set(i, w, p.next++);
    if (op == 1) p.s[i] = ut_lit(literals[k]), p.set(i, std::string(literals[k]), 0);
    if (op == 2) p.s[i] = p.s[j], p.set(i, p.text[j], p.group[j]);
    if (op == 3) { // through a copy, then moved in
        utString copy(p.s[j]);
        MODEL_CHECK(copy == p.s[j] && copy.ref().use_count() == p.s[j].ref().use_count());
        p.s[i] = std::move(copy), p.set(i, p.text[j], p.group[j]);
        MODEL_CHECK(copy.invalid() && copy.ref().use_count() == 0);
    }
    if (op == 4) p.s[i] = utString(), p.set(i, std::nullopt, 0);
    if (op == 5 && co_utString_from_string(p.s[j], p.s[i]) == 1) p.set(i, p.text[j], p.group[j]);
    if (op == 6)
        std::swap(p.s[i], p.s[j]), std::swap(p.text[i], p.text[j]),
            std::swap(p.group[i], p.group[j]);
    for (int a = 0; a < 4; ++a) {
        int sharers = 0;
        for (int b = 0; b < 4; ++b) {
            sharers += p.group[a] && p.group[b] == p.group[a];
            MODEL_CHECK(p.s[a].compare(p.s[b]) == order(p.text[a], p.text[b]));
            MODEL_CHECK(p.s[a].case_compare(p.s[b]) == order(folded(p.text[a]), folded(p.text[b])));
        }
        MODEL_CHECK(p.s[a].invalid() == !p.text[a] && p.s[a].ref().use_count() == sharers);
        MODEL_CHECK(p.s[a].length() == int(p.text[a].value_or("").size()) &&
                    p.s[a].c_str() == p.text[a].value_or(""));
    }
}

// Text near the grammars, now and then with noise; the numbers stay well
// inside double, so that nothing rounds to 0 or overflows.
inline std::string number_text(Input &in) {
    static const char *const edges[] = {"2147483647", "2147483648", "-2147483648", "-2147483649",
                                        "true",       "FaLsE",      "yes",         "1"};
    if (in.one_in(6)) return edges[in.below(8)];
    std::string s = in.one_in(3) ? std::string(1, "+-"[in.below(2)]) : "";
    auto digits = [&](int most) {
        for (int n = in.below(most + 1); n > 0; --n)
            s += static_cast<char>('0' + in.below(10));
    };
    digits(4), s += in.one_in(3) ? "." : "", digits(in.flag() ? 2 : 0);
    if (in.one_in(4))
        s += "eE"[in.below(2)], s += in.flag() ? "" : in.flag() ? "-" : "+", digits(2);
    if (in.one_in(6)) s.insert(in.below(int(s.size()) + 1), 1, "+-. x"[in.below(5)]);
    return s;
}

inline void run_conversions(Input &in) {
    std::string t = number_text(in);
    utString s(t.c_str());
    int i = 7, b = 7;
    double d = 0.25;
    bool is_int =
        colib_test::whole_text(t) && std::stoll(t) >= INT32_MIN && std::stoll(t) <= INT32_MAX;
    MODEL_CHECK(co_int_from_string(s, i) == is_int && i == (is_int ? std::stoll(t) : 7));
    bool is_real = colib_test::real_text(t);
    MODEL_CHECK(co_double_from_string(s, d) == is_real && d == (is_real ? std::stod(t) : 0.25));
    Text f = folded(t);
    int truth = f == "true" ? 1 : f == "false" ? 0 : -1;
    MODEL_CHECK(co_utBool_from_string(s, b) == (truth >= 0) && b == (truth >= 0 ? truth : 7));
    MODEL_CHECK(co_int_from_string(utString(), i) + co_double_from_string(utString(), d) == 0);
}

inline void run_numeric(Input &in) {
    int x = in.one_in(3) ? in.small_int() : static_cast<int>(in.below(65536) * 65537u);
    utUInt64 u = static_cast<utUInt64>(in.below(65536)) << (in.flag() ? 0 : in.below(48));
    bool neg = x < 0, flag = in.flag();
    utUInt64 ux = static_cast<utUInt64>(x);
    MODEL_CHECK((ut_compare(x) < u) == (neg || ux < u) && (ut_compare(x) > u) == (!neg && ux > u));
    MODEL_CHECK((ut_compare(u) < x) == (!neg && u < ux) && (ut_compare(u) > x) == (neg || u > ux));
    MODEL_CHECK((ut_numeric_cast<int, utUInt64>(u, flag)) == int(uint32_t(u)) &&
                flag == (u > INT32_MAX));
    MODEL_CHECK((ut_numeric_cast<utUInt64, int>(x, flag)) == ux && flag == neg);
}

} // namespace foundation_model

inline void run_foundation(colib_test::Input &in) {
    using namespace foundation_model;
    colib_test::leak_free([&] {
        for (Pool pool; !in.done();)
            in.flag() ? run_strings(in, pool) : in.flag() ? run_conversions(in) : run_numeric(in);
    });
}
