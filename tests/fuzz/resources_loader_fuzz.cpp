// Fuzzes the settings-file loader and the text conversions behind it: the
// input's first byte picks the filing mode and whether to stop at the first
// problem, the rest is the file. An independent reading of the same lines
// predicts every problem (line and kind) and every value filed; any
// difference aborts.
#include <colib/resources/resource_table.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

void require(bool ok, const char *what) {
    if (!ok) {
        std::fprintf(stderr, "resources_loader_fuzz: %s\n", what);
        std::abort();
    }
}

bool blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string trim(const std::string &s) {
    std::size_t b = 0, e = s.size();
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

bool int_text(const std::string &v, int &out) {
    std::size_t i = 0;
    bool neg = false;
    if (i < v.size() && (v[i] == '+' || v[i] == '-')) neg = v[i++] == '-';
    if (i == v.size()) return false;
    long long x = 0;
    for (; i < v.size(); ++i) {
        if (!digit(v[i])) return false;
        x = x * 10 + (v[i] - '0');
        if (x > 2147483648LL) return false;
    }
    if (neg) x = -x;
    if (x > 2147483647LL) return false;
    out = static_cast<int>(x);
    return true;
}

// 0: not a number; 1: a number (value set); 2: a number out of range.
int double_text(const std::string &v, double &out) {
    std::size_t i = 0, n = v.size();
    if (i < n && (v[i] == '+' || v[i] == '-')) ++i;
    int digits = 0;
    while (i < n && digit(v[i]))
        ++i, ++digits;
    if (i < n && v[i] == '.') {
        ++i;
        while (i < n && digit(v[i]))
            ++i, ++digits;
    }
    if (!digits) return 0;
    if (i < n && (v[i] == 'e' || v[i] == 'E')) {
        ++i;
        if (i < n && (v[i] == '+' || v[i] == '-')) ++i;
        if (i == n || !digit(v[i])) return 0;
        while (i < n && digit(v[i]))
            ++i;
    }
    if (i != n) return 0;
    errno = 0;
    out = std::strtod(v.c_str(), nullptr);
    return errno == ERANGE ? 2 : 1;
}

bool lower_equal(const std::string &v, const char *w) {
    std::size_t i = 0;
    for (; w[i]; ++i) {
        if (i >= v.size()) return false;
        char c = v[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != w[i]) return false;
    }
    return i == v.size();
}

// The grammar is checked here; whether a number of the right shape is out
// of range is the conversion's call, but only when strtod says so too.
bool double_ok(const std::string &v, double &out) {
    int shape = double_text(v, out);
    if (shape == 0) return false;
    double lib = 0;
    int ok = co_double_from_string(utString(v), lib);
    require(ok || shape == 2, "a double refused in range");
    return ok != 0;
}

struct Expected {
    std::vector<std::pair<int, coResourceLoadIssue>> problems;
    std::map<std::string, std::string> values; // name -> value text
};

const char *const kNames[] = {"i", "d", "b", "s", "a b"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    const bool create = data[0] & 1;
    const bool stop = data[0] & 2;
    std::string text(reinterpret_cast<const char *>(data) + 1, size - 1);

    intcoResourceKey ik("i");
    doublecoResourceKey dk("d");
    utBoolcoResourceKey bk("b");
    utStringcoResourceKey sk("s"), spaced("a b");
    coResourceTable parent, table(&parent);
    coResourceTableMaker::create_entry("i", "-1", parent);

    // The prediction.
    Expected want;
    std::size_t pos = 0;
    int line_no = 0;
    while (pos < text.size()) {
        std::size_t nl = text.find('\n', pos);
        std::string line = text.substr(pos, nl == std::string::npos ? std::string::npos : nl - pos);
        pos = nl == std::string::npos ? text.size() : nl + 1;
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        coResourceLoadIssue issue = coResourceLoadCannotRead;
        if (line.size() > static_cast<std::size_t>(coResourceLoadReport::max_line)) {
            issue = coResourceLoadTooLong;
        } else {
            std::string t = trim(line);
            if (t.empty() || t[0] == '#') continue;
            std::size_t eq = t.find('=');
            if (t.find('\0') != std::string::npos) {
                issue = coResourceLoadNulByte;
            } else if (eq == std::string::npos) {
                issue = coResourceLoadNoEquals;
            } else {
                std::string name = trim(t.substr(0, eq)), value = trim(t.substr(eq + 1));
                bool known = false;
                for (const char *n : kNames)
                    known = known || name == n;
                int iv;
                double dv;
                if (!known) {
                    issue = coResourceLoadUnknownKey;
                } else if ((name == "i" && !int_text(value, iv)) ||
                           (name == "d" && !double_ok(value, dv)) ||
                           (name == "b" && !lower_equal(value, "true") &&
                            !lower_equal(value, "false"))) {
                    issue = coResourceLoadBadValue;
                } else {
                    if (!create && want.values.count(name)) issue = coResourceLoadReplaced;
                    want.values[name] = value;
                }
            }
        }
        if (issue != coResourceLoadCannotRead) {
            want.problems.emplace_back(line_no, issue);
            if (stop) break;
        }
    }

    std::istringstream in(text);
    coResourceLoadReport report;
    int found = coResourceTableMaker::load(
        in, table, report, create ? coResourceLoadCreate : coResourceLoadMerge, stop ? 1 : 0);
    require(found == static_cast<int>(report.problems().size()), "count");
    require(report.problems().size() == want.problems.size(), "number of problems");
    for (std::size_t i = 0; i < want.problems.size(); ++i) {
        require(report.problems()[i].line == want.problems[i].first, "problem line");
        require(report.problems()[i].issue == want.problems[i].second, "problem kind");
    }

    // The values filed, and the parent's entry behind a missing one.
    auto it = want.values.find("i");
    const int *iv = ik.read_safe(&table);
    int expect_i = -1;
    if (it != want.values.end()) require(int_text(it->second, expect_i), "int model");
    require(iv && *iv == expect_i, "int value");
    it = want.values.find("d");
    const double *dv = dk.read_safe(&table);
    if (it == want.values.end()) {
        require(!dv, "double absent");
    } else {
        double d = 0;
        require(double_text(it->second, d) != 0 && dv && *dv == d, "double value");
    }
    it = want.values.find("b");
    const int *bv = bk.read_safe(&table);
    require(it == want.values.end() ? !bv : bv && *bv == (lower_equal(it->second, "true") ? 1 : 0),
            "boolean value");
    it = want.values.find("s");
    const utString *sv = sk.read_safe(&table);
    require(it == want.values.end() ? !sv : sv && it->second == sv->c_str(), "string value");
    it = want.values.find("a b");
    sv = spaced.read_safe(&table);
    require(it == want.values.end() ? !sv : sv && it->second == sv->c_str(), "spaced value");

    int entries = 0;
    for (const coResourceBase *r : table)
        entries += r ? 1 : 0;
    require(entries == static_cast<int>(want.values.size()), "entry count");
    return 0;
}
