// Sorted lists against a stably sorted vector.
//
// Equal elements must stay in the order they were added. For the string
// list that order is visible: each added string has its own text, and a
// stored copy shares its text with the string it was made from, so the
// model compares text addresses, not only texts. A cursor kept across
// steps is a position in the model (-1 undefined): adding before it moves
// it up, and removing the element under it through the list resets it.
#include "fuzz_input.h"

#include <colib/lists/sorted_list.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

using colib_fuzz::Reader;

namespace {

struct IntKind {
    using List = intcoSortedList;
    using Iter = intcoSortedListcoIterator;
    using Cursor = intcoSortedListcoCursor;
    using T = int;
    static T make(Reader &in) { return in.small_int(); }
    static bool less(const T &a, const T &b) { return a < b; }
    static bool same(const T &a, const T &b) { return a == b; }
};

struct StringKind {
    using List = utStringcoSortedList;
    using Iter = utStringcoSortedListcoIterator;
    using Cursor = utStringcoSortedListcoCursor;
    using T = utString;
    // Now and then the string without text, which goes before every text,
    // the empty one included; capitals go before small letters.
    static T make(Reader &in) {
        int pick = in.below(16);
        if (pick == 0) return utString();
        std::string w = in.word();
        if (pick == 1 && !w.empty()) w[0] = static_cast<char>(w[0] - 'a' + 'A');
        return utString(w);
    }
    static bool less(const T &a, const T &b) {
        if (a.invalid() || b.invalid()) return a.invalid() && !b.invalid();
        return std::strcmp(a.c_str(), b.c_str()) < 0;
    }
    // The same stored string: one text (strings without text have none).
    static bool same(const T &a, const T &b) {
        return a.invalid() == b.invalid() && (a.invalid() || a.c_str() == b.c_str());
    }
};

template <class K> struct Case {
    using T = typename K::T;
    typename K::List l;
    std::vector<T> m; // sorted, equal elements in the order added
    typename K::Cursor c{&l};
    int pos = -1;

    int n() const { return static_cast<int>(m.size()); }
    int lower(const T &x) const {
        return static_cast<int>(std::lower_bound(m.begin(), m.end(), x, K::less) - m.begin());
    }
    int upper(const T &x) const {
        return static_cast<int>(std::upper_bound(m.begin(), m.end(), x, K::less) - m.begin());
    }
    bool has(const T &x) const {
        int i = lower(x);
        return i < n() && !K::less(x, m[static_cast<size_t>(i)]);
    }

    void step(Reader &in) {
        T x = K::make(in);
        switch (in.below(12)) {
        case 0:
        case 1:
        case 2: {
            l.add(x);
            int u = upper(x);
            m.insert(m.begin() + u, x);
            if (pos >= u) ++pos;
            break;
        }
        case 3:
            FUZZ_CHECK(l.member(x) == (has(x) ? 1 : 0));
            break;
        case 4: { // the cursor moves to the first equal element, or undefined
            c = l.find(x);
            pos = has(x) ? lower(x) : -1;
            const typename K::List &cl = l;
            typename K::Iter it = cl.find(x);
            FUZZ_CHECK(it.undefined() == (pos < 0 ? 1 : 0));
            if (pos >= 0) FUZZ_CHECK(K::same(it(), m[static_cast<size_t>(pos)]));
            break;
        }
        case 5:
        case 6:
            pos = pos < 0 ? (n() > 0 ? 0 : -1) : (pos + 1 < n() ? pos + 1 : -1);
            FUZZ_CHECK(++c == (pos >= 0 ? 1 : 0));
            break;
        case 7:
            pos = pos < 0 ? n() - 1 : pos - 1;
            FUZZ_CHECK(--c == (pos >= 0 ? 1 : 0));
            break;
        case 8: // to the next element in order
            if (pos < 0) break;
            c.remove();
            m.erase(m.begin() + pos);
            if (pos >= n()) pos = -1;
            break;
        case 9:
            if (n() == 0) break;
            if (in.flag()) {
                if (pos == 0) c.reset();
                FUZZ_CHECK(K::same(l.remove_first(), m.front()));
                m.erase(m.begin());
                pos = pos <= 0 ? -1 : pos - 1;
            } else {
                if (pos == n() - 1) {
                    c.reset();
                    pos = -1;
                }
                FUZZ_CHECK(K::same(l.remove_last(), m.back()));
                m.pop_back();
            }
            break;
        case 10:
            l.clear();
            m.clear();
            c.reset();
            pos = -1;
            break;
        default: { // a copy holds the same strings, independently
            typename K::List d(l);
            FUZZ_CHECK(d.size() == n());
            if (!m.empty()) d.remove_first();
            int k = 0;
            for (const T &y : d)
                FUZZ_CHECK(K::same(y, m[static_cast<size_t>(++k)]));
            if constexpr (std::is_nothrow_move_constructible_v<typename K::List>) {
                typename K::List e(std::move(d));
                FUZZ_CHECK(d.size() == 0 && d.empty());
                FUZZ_CHECK(e.size() == (n() > 0 ? n() - 1 : 0));
            }
            break;
        }
        }
        check();
    }

    void check() {
        FUZZ_CHECK(l.size() == n());
        FUZZ_CHECK(l.empty() == (m.empty() ? 1 : 0));
        FUZZ_CHECK(c.undefined() == (pos < 0 ? 1 : 0));
        if (pos >= 0) FUZZ_CHECK(K::same(c(), m[static_cast<size_t>(pos)]));
        int k = 0;
        for (const T &y : l)
            FUZZ_CHECK(K::same(y, m[static_cast<size_t>(k++)]));
        FUZZ_CHECK(k == n());
        // The walker both ways, and once more after running off the end.
        typename K::Iter it(&l);
        for (int round = 0; round < 2; ++round) {
            for (const T &y : m)
                FUZZ_CHECK(++it == 1 && K::same(it(), y));
            FUZZ_CHECK(++it == 0 && it.undefined());
        }
        for (auto r = m.rbegin(); r != m.rend(); ++r)
            FUZZ_CHECK(--it == 1 && K::same(it(), *r));
        FUZZ_CHECK(--it == 0 && it.undefined());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader in(data, size);
    Case<IntKind> ints;
    Case<StringKind> strings;
    while (!in.done()) {
        if (in.flag())
            ints.step(in);
        else
            strings.step(in);
    }
    return 0;
}
