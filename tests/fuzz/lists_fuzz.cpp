// Singly and doubly linked lists with their built-in cursors against a
// vector and a cursor position.
//
// Each step is one cursor or list operation on an intcoSList or an
// intcoDList, or on their utString siblings. The model is the vector of
// elements and the cursor's position (-1 when undefined); after every step
// the cursor's state (undefined, last, index, the element under it) and the
// whole list, walked forwards and, for the doubly linked list, backwards,
// are compared.
#include "fuzz_input.h"

#include <colib/lists/dlist.h>
#include <colib/lists/slist.h>

#include <type_traits>
#include <utility>
#include <vector>

using colib_fuzz::Reader;

namespace {

// The cursor position after one step forwards or backwards from pos.
int forward(int pos, int n) {
    return pos + 1 < n ? pos + 1 : -1;
}
int backward(int pos, int n) {
    return pos < 0 ? n - 1 : pos - 1;
}

template <class T> struct Model {
    std::vector<T> v;
    int pos = -1;
    int n() const { return static_cast<int>(v.size()); }
    void insert(int at, const T &x) { v.insert(v.begin() + at, x); }
    void erase(int at) { v.erase(v.begin() + at); }
};

// The classes of one element type.
struct IntLists {
    using T = int;
    using SList = intcoSList;
    using SListB = intcoSListB;
    using SCursor = intcoSListBcoCursor;
    using SIter = intcoSListBcoIterator;
    using DList = intcoDList;
    using DListB = intcoDListB;
    using DCursor = intcoDListBcoCursor;
    using DIter = intcoDListBcoIterator;
    using DIterB = intcoDListBcoIteratorB;
    static T make(Reader &in) { return in.small_int(); }
};
// Strings own their text: a link freed twice, or not at all, shows under
// the sanitizers.
struct StringLists {
    using T = utString;
    using SList = utStringcoSList;
    using SListB = utStringcoSListB;
    using SCursor = utStringcoSListBcoCursor;
    using SIter = utStringcoSListBcoIterator;
    using DList = utStringcoDList;
    using DListB = utStringcoDListB;
    using DCursor = utStringcoDListBcoCursor;
    using DIter = utStringcoDListBcoIterator;
    using DIterB = utStringcoDListBcoIteratorB;
    static T make(Reader &in) { return in.below(16) == 0 ? utString() : utString(in.word()); }
};

// ---- singly linked ----

template <class L> void check_s(const typename L::SList &l, const Model<typename L::T> &m) {
    const typename L::SListB &list = l;
    FUZZ_CHECK(list.size() == m.n());
    FUZZ_CHECK(list.empty() == (m.n() == 0 ? 1 : 0));
    // The built-in cursor, seen through a const reference.
    const typename L::SCursor &c = l;
    FUZZ_CHECK(c.undefined() == (m.pos < 0 ? 1 : 0));
    if (m.pos >= 0) {
        FUZZ_CHECK(c() == m.v[static_cast<size_t>(m.pos)]);
        FUZZ_CHECK(c.last() == (m.pos == m.n() - 1 ? 1 : 0));
    } else {
        FUZZ_CHECK(c.last() == (m.n() == 0 ? 1 : 0));
    }
    // A read-only walk, twice: it starts again after coming back.
    typename L::SIter it(&list);
    for (int round = 0; round < 2; ++round) {
        for (int k = 0; k < m.n(); ++k) {
            FUZZ_CHECK(++it == 1);
            FUZZ_CHECK(it() == m.v[static_cast<size_t>(k)]);
            FUZZ_CHECK(it.last() == (k == m.n() - 1 ? 1 : 0));
        }
        FUZZ_CHECK(++it == 0 && it.undefined());
    }
}

template <class L>
void slist_step(typename L::SList &l, Model<typename L::T> &m, typename L::SList &other,
                Model<typename L::T> &mo, Reader &in) {
    using M = Model<typename L::T>;
    typename L::T x = L::make(in);
    switch (in.below(16)) {
    case 0:
    case 1:
        m.pos = m.pos < 0 ? (m.n() > 0 ? 0 : -1) : forward(m.pos, m.n());
        FUZZ_CHECK(++l == (m.pos >= 0 ? 1 : 0));
        break;
    case 2:
        m.pos = backward(m.pos, m.n());
        FUZZ_CHECK(--l == (m.pos >= 0 ? 1 : 0));
        break;
    case 3:
    case 4: { // += and -= by k, stopping at the first step that returns 0
        int k = in.range(-1, 5);
        bool up = in.flag();
        int expect = 1;
        for (int s = 0; s < k; ++s) {
            m.pos = up ? (m.pos < 0 ? (m.n() > 0 ? 0 : -1) : forward(m.pos, m.n()))
                       : backward(m.pos, m.n());
            if (m.pos < 0) {
                expect = 0;
                break;
            }
        }
        FUZZ_CHECK((up ? (l += k) : (l -= k)) == expect);
        break;
    }
    case 5: // undefined: at the front; else after the cursor
        FUZZ_CHECK(l.insert_after(x) == 1);
        m.insert(m.pos < 0 ? 0 : m.pos + 1, x);
        break;
    case 6: // undefined: at the back; else before the cursor, which stays put
        FUZZ_CHECK(l.insert_before(x) == 1);
        if (m.pos < 0) {
            m.v.push_back(x);
        } else {
            m.insert(m.pos, x);
            ++m.pos;
        }
        break;
    case 7:
        FUZZ_CHECK(l.insert_first(x) == 1);
        m.insert(0, x);
        if (m.pos >= 0) ++m.pos;
        break;
    case 8:
        FUZZ_CHECK(l.insert_last(x) == 1);
        m.v.push_back(x);
        break;
    case 9:
    case 10: // remove under the cursor: it moves to the next element
        if (m.pos < 0) break;
        l.remove();
        if (m.pos == m.n() - 1) {
            m.erase(m.pos);
            m.pos = -1;
        } else {
            m.erase(m.pos);
            if (m.n() == 0) m.pos = -1;
        }
        break;
    case 11:
        if (m.n() == 0) break;
        l.remove_first();
        m.erase(0);
        if (m.pos > 0)
            --m.pos;
        else if (m.pos == 0 && m.n() == 0)
            m.pos = -1;
        break;
    case 12:
        if (m.n() == 0) break;
        l.remove_last();
        if (m.pos == m.n() - 1) m.pos = -1;
        m.v.pop_back();
        break;
    case 13:
        l.reset();
        m.pos = -1;
        break;
    case 14: // clear and become leave the cursor undefined
        if (in.flag()) {
            l.clear();
            m.v.clear();
        } else if (in.flag()) {
            l.become(utCOPY, l);
        } else {
            l.become(utCOPY, other);
            m.v = mo.v;
        }
        m.pos = -1;
        break;
    default: { // copies are independent and bring their own cursor
        typename L::SList c(utCOPY, l);
        check_s<L>(c, M{m.v, -1});
        if (!c.empty()) c.remove_first();
        if (in.flag()) {
            other = c;
            mo = M{m.v, -1};
            if (mo.n() > 0) mo.erase(0);
        }
        break;
    }
    }
}

// ---- doubly linked ----

template <class L> void check_d(const typename L::DList &l, const Model<typename L::T> &m) {
    const typename L::DListB &list = l;
    const typename L::DCursor &c = l;
    FUZZ_CHECK(list.size() == m.n());
    FUZZ_CHECK(c.undefined() == (m.pos < 0 ? 1 : 0));
    FUZZ_CHECK(c.index() == m.pos);
    if (m.pos >= 0) FUZZ_CHECK(c() == m.v[static_cast<size_t>(m.pos)]);

    typename L::DIter it(&list);
    for (int k = 0; k < m.n(); ++k) {
        FUZZ_CHECK(++it == 1 && it.index() == k);
        FUZZ_CHECK(it() == m.v[static_cast<size_t>(k)]);
    }
    FUZZ_CHECK(++it == 0 && it.index() == -1 && it.undefined());
    for (int k = m.n() - 1; k >= 0; --k) {
        FUZZ_CHECK(--it == 1 && it.index() == k);
        FUZZ_CHECK(it() == m.v[static_cast<size_t>(k)]);
    }
    FUZZ_CHECK(--it == 0 && it.index() == -1);
    // Undefined walkers compare equal whatever list they walk.
    typename L::DIterB b(&list);
    FUZZ_CHECK((b == it) == 1);
    int seen = 0;
    for (const auto &x : list)
        FUZZ_CHECK(x == m.v[static_cast<size_t>(seen++)]);
    FUZZ_CHECK(seen == m.n());
}

template <class L>
void dlist_step(typename L::DList &l, Model<typename L::T> &m, typename L::DList &other,
                Model<typename L::T> &mo, Reader &in) {
    using M = Model<typename L::T>;
    typename L::T x = L::make(in);
    typename L::DCursor &c = l;
    switch (in.below(17)) {
    case 0:
    case 1:
        m.pos = m.pos < 0 ? (m.n() > 0 ? 0 : -1) : forward(m.pos, m.n());
        FUZZ_CHECK(++c == (m.pos >= 0 ? 1 : 0));
        break;
    case 2:
        m.pos = backward(m.pos, m.n());
        FUZZ_CHECK(--c == (m.pos >= 0 ? 1 : 0));
        break;
    case 3: { // set_index walks only the distance, stopping at the sentinel
        int i = in.range(-1, m.n() + 1);
        c.set_index(i);
        int d = i - m.pos;
        for (int s = 0; s < (d < 0 ? -d : d); ++s) {
            m.pos = d > 0 ? (m.pos < 0 ? (m.n() > 0 ? 0 : -1) : forward(m.pos, m.n()))
                          : backward(m.pos, m.n());
            if (m.pos < 0) break;
        }
        break;
    }
    case 4: {
        int k = in.range(-1, 5);
        bool up = in.flag();
        int expect = 1;
        for (int s = 0; s < k; ++s) {
            m.pos = up ? (m.pos < 0 ? (m.n() > 0 ? 0 : -1) : forward(m.pos, m.n()))
                       : backward(m.pos, m.n());
            if (m.pos < 0) {
                expect = 0;
                break;
            }
        }
        FUZZ_CHECK((up ? (c += k) : (c -= k)) == expect);
        break;
    }
    case 5:
        FUZZ_CHECK(c.insert_after(x) == 1);
        m.insert(m.pos < 0 ? 0 : m.pos + 1, x);
        break;
    case 6:
        FUZZ_CHECK(l.insert_before(x) == 1);
        if (m.pos < 0) {
            m.v.push_back(x);
        } else {
            m.insert(m.pos, x);
            ++m.pos;
        }
        break;
    case 7:
        FUZZ_CHECK(c.insert_first(x) == 1);
        m.insert(0, x);
        if (m.pos >= 0) ++m.pos;
        break;
    case 8:
        FUZZ_CHECK(in.flag() ? l.insert_last(x) == 1 : c.insert_last(x) == 1);
        m.v.push_back(x);
        break;
    case 9: // to the element that followed
        if (m.pos < 0) break;
        c.remove();
        m.erase(m.pos);
        if (m.pos >= m.n()) m.pos = -1;
        break;
    case 10: // to the element before
        if (m.pos < 0) break;
        l.remove_backwards();
        m.erase(m.pos);
        --m.pos;
        break;
    case 11:
        if (m.n() == 0) break;
        c.remove_first();
        m.erase(0);
        if (m.pos > 0)
            --m.pos;
        else if (m.pos == 0 && m.n() == 0)
            m.pos = -1;
        break;
    case 12:
        if (m.n() == 0) break;
        c.remove_last();
        if (m.pos == m.n() - 1) m.pos = -1;
        m.v.pop_back();
        break;
    case 13:
        l.reset();
        m.pos = -1;
        break;
    case 14:
        if (in.flag())
            l.clear();
        else
            c.clear();
        m.v.clear();
        m.pos = -1;
        break;
    case 15: // become from itself changes nothing; from another, the cursor is undefined
        if (in.flag()) {
            l.become(utCOPY, l);
        } else {
            l.become(utCOPY, other);
            m.v = mo.v;
            m.pos = -1;
        }
        break;
    default: {
        typename L::DList d(utCOPY, l);
        check_d<L>(d, M{m.v, -1});
        if (!d.empty()) d.remove_first();
        M md{m.v, -1};
        if (!md.v.empty()) md.v.erase(md.v.begin());
        check_d<L>(d, md);
        check_d<L>(l, m);
        if (in.flag()) {
            other.become(utCOPY, d);
            mo = md;
        }
        break;
    }
    }
}

template <class L> struct Lists {
    typename L::SList s[2];
    Model<typename L::T> ms[2];
    typename L::DList d[2];
    Model<typename L::T> md[2];

    void step(Reader &in) {
        int i = in.below(2);
        if (in.flag()) {
            slist_step<L>(s[i], ms[i], s[1 - i], ms[1 - i], in);
            check_s<L>(s[0], ms[0]);
            check_s<L>(s[1], ms[1]);
        } else {
            dlist_step<L>(d[i], md[i], d[1 - i], md[1 - i], in);
            check_d<L>(d[0], md[0]);
            check_d<L>(d[1], md[1]);
        }
    }
};

} // namespace

// Three steps in four on the int lists, whose corpus came first.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader in(data, size);
    Lists<IntLists> ints;
    Lists<StringLists> strings;
    while (!in.done()) {
        if (in.below(4) == 3)
            strings.step(in);
        else
            ints.step(in);
    }
    return 0;
}
