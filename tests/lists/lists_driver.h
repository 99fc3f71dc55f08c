// The lists' differential driver. One cursor model serves every linked
// list: the elements in a vector and the walker's position in it (-1 for
// undefined). ++ from undefined enters at the front, -- at the back, and
// stepping off either end returns 0 and leaves the walker undefined. The
// paged list's model also keeps the slot of every element, the free chain
// (last freed first) and the slot count, so slot reuse is checked exactly.
// The sorted lists, stacks and queues share a model of the sequence in
// walking order; the tree has its own. Insertions and copies are now and then run with an
// allocation failing; the container must then be exactly as before.
#pragma once

#include <colib/lists/page_dlist.h>
#include <colib/lists/slist.h>
#include <colib/lists/sorted_list.h>
#include <colib/lists/stack_queue.h>
#include <colib/lists/tree.h>

#include "support/alloc_injector.h"
#include "support/driver.h"
#include "support/samples.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace colib_test {

template <class T, class R> bool same_as(const std::vector<T> &v, const R &r) {
    size_t i = 0;
    for (const T &x : r)
        if (i >= v.size() || !same(x, v[i++])) return false;
    return i == v.size();
}
// ---- the linked lists with a cursor of their own ----

enum Kind { SINGLY, DOUBLY, PAGED };

template <class T> struct CursorModel {
    std::vector<T> v;
    int pos = -1;
    std::vector<int> slot;  // paged: the slot of each element
    std::vector<int> freed; // paged: the free chain, its head last
    int slots = 0;
    bool spare = false; // paged: a failed copy may leave blocks made ahead
    int n() const { return static_cast<int>(v.size()); }
    int forwards() {
        return (pos = pos == -1 ? (n() ? 0 : -1) : pos + 1 < n() ? pos + 1 : -1) != -1;
    }
    int backwards() { return (pos = pos == -1 ? n() - 1 : pos - 1) != -1; }
    void insert(int at, const T &x) {
        v.insert(v.begin() + at, x);
        int s = slots;
        freed.empty() ? void(++slots) : (s = freed.back(), freed.pop_back());
        slot.insert(slot.begin() + at, s);
        if (pos >= at) ++pos;
    }
    void erase(int at) {
        v.erase(v.begin() + at);
        freed.push_back(slot[at]);
        slot.erase(slot.begin() + at);
    }
};

// L has its own cursor; It is its coIterator, ItB the doubly linked list's
// plain coIteratorB (It again for the others).
template <Kind K, class L, class It, class ItB>
void check(const L &l, const CursorModel<typename L::value_type> &m) {
    using T = typename L::value_type;
    MODEL_CHECK(same_as(m.v, l));
    MODEL_CHECK(l.size() == m.n() && (l.empty() != 0) == m.v.empty());
    MODEL_CHECK((l.undefined() != 0) == (m.pos == -1));
    if (m.pos != -1) {
        if constexpr (K == SINGLY) MODEL_CHECK(same(l(), m.v[m.pos]));
        if constexpr (K == DOUBLY) MODEL_CHECK(same(l.read(), m.v[m.pos]));
        if constexpr (K == PAGED) MODEL_CHECK(same(l.cursor()(), m.v[m.pos]));
        if constexpr (K != SINGLY) MODEL_CHECK(l.index() == m.pos);
    }
    const char *const heads[] = {"coSList {", "coDList {", "coPageDList {"};
    MODEL_CHECK(printed(l) == printout(heads[K], m.n(), m.v));
    // A fresh walker each way.
    std::vector<T> seen, back;
    It it(&l);
    for (int i = 0; ++it; ++i) {
        seen.push_back(it());
        if constexpr (K == SINGLY) MODEL_CHECK((it.last() != 0) == (i + 1 == m.n()));
        if constexpr (K != SINGLY) MODEL_CHECK(it.index() == i);
    }
    MODEL_CHECK(same_as(m.v, seen) && it.undefined());
    if constexpr (K == SINGLY) {
        MODEL_CHECK(l.tail_link()->next() == l.head_link());
        MODEL_CHECK(!l.before_link() || l.before_link()->next() == l.current_link());
    } else {
        ItB b(&l);
        while (--b)
            back.insert(back.begin(), b());
        MODEL_CHECK(same_as(m.v, back));
    }
    if constexpr (K == DOUBLY)
        for (auto *p = l.sentinel()->next(); p != l.sentinel(); p = p->next())
            MODEL_CHECK(p->next()->prev() == p && p->prev()->next() == p);
    if constexpr (K == PAGED) {
        std::vector<int> ids, fr;
        for (int i = l.first_id(), prev = -1; i != -1 && ids.size() <= m.slot.size();
             prev = i, i = l.link(i).next()) {
            MODEL_CHECK(l.link(i).prev() == prev);
            ids.push_back(i);
        }
        for (int i = l.free_head_id(); i != -1 && fr.size() <= m.freed.size(); i = l.link(i).next())
            fr.insert(fr.begin(), i);
        MODEL_CHECK(ids == m.slot && fr == m.freed &&
                    l.last_id() == (ids.empty() ? -1 : ids.back()));
        MODEL_CHECK(l.slot_count() == m.slots && l.free_count() == m.slots - m.n());
        int shift = l.nodes().block_shift();
        int need = (m.slots + (1 << shift) - 1) >> shift, blocks = l.nodes().block_count();
        MODEL_CHECK(blocks == need || (m.spare && blocks > need));
    }
}

// The paged list from the smallest geometries (block shift, table capacity,
// step), or the default one.
template <Kind K, class L> L make_list(Input &in) {
    if constexpr (K == PAGED)
        if (!in.one_in(4)) return L(in.below(4), in.below(4), in.range(1, 3));
    return L();
}

template <Kind K, class L, class It, class ItB = It> void run_cursor_list(Input &in) {
    using T = typename L::value_type;
    using M = CursorModel<T>;
    L l = make_list<K, L>(in);
    M m;
    for (int step = 0, steps = 40 + in.below(40); step < steps && !in.done(); ++step) {
        int n = m.n(), op = in.below(16);
        T x = draw<T>(in);
        if (op <= 3) { // the four insertions, which report 0 when no link can be had
            int r = -1;
            bool failed = !attempt(in, [&] {
                r = op == 0   ? l.insert_first(x)
                    : op == 1 ? l.insert_last(x)
                    : op == 2 ? l.insert_after(x)
                              : l.insert_before(x);
            });
            MODEL_CHECK(r == (failed ? 0 : 1));
            if (!failed) {
                int at = op == 0   ? 0
                         : op == 1 ? n
                         : op == 2 ? m.pos + 1
                                   : (m.pos == -1 ? n : m.pos);
                m.insert(at, x);
            }
        } else if (op == 4 && m.pos != -1) {
            l.remove();
            m.erase(m.pos);
            if (m.pos == m.n()) m.pos = -1;
        } else if (op == 5 && n) {
            l.remove_first();
            m.erase(0);
            // The paged list's cursor leaves a removed first element undefined.
            if (m.pos == 0 && (K == PAGED || m.v.empty()))
                m.pos = -1;
            else if (m.pos > 0)
                --m.pos;
        } else if (op == 6 && n) {
            l.remove_last();
            m.erase(n - 1);
            if (m.pos == n - 1) m.pos = -1;
        } else if (op == 7 || op == 8) {
            int r = op == 7 ? m.forwards() : m.backwards();
            if constexpr (K == PAGED) MODEL_CHECK((op == 7 ? l.forwards() : l.backwards()) == r);
            if constexpr (K != PAGED) MODEL_CHECK((op == 7 ? ++l : --l) == r);
        } else if (op == 9) { // k steps; the paged walker makes at least one
            int k = in.below(4), fw = in.flag(), r = 1;
            M w = m;
            if (K == PAGED) w.pos = in.range(-1, n - 1);
            It it(&l);
            if constexpr (K == PAGED) it.set_index(w.pos);
            for (int i = 0; i < (K == PAGED ? std::max(k, 1) : k) && r; ++i)
                r = fw ? w.forwards() : w.backwards();
            if constexpr (K == PAGED)
                MODEL_CHECK((fw ? (it += k) : (it -= k)) == r && it.index() == w.pos);
            else
                MODEL_CHECK((fw ? (l += k) : (l -= k)) == r);
            if (K != PAGED) m.pos = w.pos;
        } else if (op == 10 && m.pos != -1 && K != SINGLY) {
            if constexpr (K != SINGLY) l.remove_backwards();
            m.erase(m.pos--);
        } else if (op == 11 && K != SINGLY) {
            const int i = in.range(-1, n);
            if constexpr (K != SINGLY) l.set_index(i);
            m.pos = i < n ? i : -1;
        } else if (op == 12 && m.pos != -1) { // writing through the cursor
            if constexpr (K == SINGLY) l() = x;
            if constexpr (K == DOUBLY) l.read() = x;
            if constexpr (K == PAGED) {
                m.pos = in.below(n);
                l[m.pos] = x;
            }
            m.v[m.pos] = x;
        } else if (op == 13 && in.one_in(4)) {
            int release = in.flag();
            if constexpr (K == PAGED)
                l.clear(release);
            else
                l.clear();
            m.v.clear(), m.slot.clear(), m.freed.clear(), m.pos = -1;
            if (K == PAGED && release) m.slots = 0, m.spare = false;
            for (int s = K == PAGED ? m.slots - 1 : -1; s >= 0; --s)
                m.freed.push_back(s);
        } else if (op == 14) { // become: from another list, or from itself
            L src = make_list<K, L>(in);
            std::vector<T> sv;
            for (int i = in.below(6); i > 0; --i)
                sv.push_back(draw<T>(in)), src.insert_last(sv.back());
            bool self = in.one_in(4);
            bool failed = !attempt(in, [&] { l.become(utCOPY, self ? l : src); });
            if (self && K == SINGLY) m.pos = -1; // the singly linked list's cursor resets
            m.spare |= failed;
            if (!failed && !self) {
                m.slots = std::max(m.slots, static_cast<int>(sv.size()));
                m.v = sv, m.pos = -1, m.slot.clear(), m.freed.clear();
                for (int s = 0; s < m.slots; ++s)
                    (s < m.n() ? m.slot : m.freed).push_back(s);
                std::reverse(m.freed.begin(), m.freed.end());
            }
        } else if (op == 15) { // copies start with fresh slots; the paged cursor moves along
            CursorModel<T> fresh, none;
            for (const T &e : m.v)
                fresh.insert(fresh.n(), e);
            if (K != PAGED) m.pos = -1;
            copies_and_moves(
                in, l, [&](const L &c, bool copy) { check<K, L, It, ItB>(c, copy ? fresh : m); },
                [&](const L &c) { check<K, L, It, ItB>(c, none); });
        }
        check<K, L, It, ItB>(l, m);
        MODEL_CHECK(same_as(m.v, std::vector<T>(l.begin(), l.end()))); // the writable range
    }
    gives_back(l);
}

// ---- the sorted lists, stacks and queues: a sequence in walking order ----

template <class T> bool before(const T &a, const T &b) {
    if constexpr (std::is_same_v<T, utString>) // no text first, then unsigned bytes
        return a.invalid() ? !b.invalid()
                           : !b.invalid() && std::string(a.c_str()) < std::string(b.c_str());
    else
        return a < b;
}

enum Order { SORTED, STACK, QUEUE };

template <Order O, class L, class It = void> void run_ordered(Input &in) {
    using T = typename L::value_type;
    L l;
    std::vector<T> m; // sorted, top first or head first
    for (int step = 0, steps = 40 + in.below(40); step < steps && !in.done(); ++step) {
        T x = draw<T>(in);
        auto first = std::lower_bound(m.begin(), m.end(), x, before<T>);
        int op = in.below(8), r = 1;
        if (op <= 1) { // a sorted list puts x after the elements equal to it
            bool done = attempt(in, [&] {
                if constexpr (O == SORTED)
                    l.add(x);
                else
                    r = l.push(x);
            });
            MODEL_CHECK(O == SORTED || r == done);
            if (done)
                m.insert(O == SORTED  ? std::upper_bound(m.begin(), m.end(), x, before<T>)
                         : O == STACK ? m.begin()
                                      : m.end(),
                         x);
        } else if (op == 2 && !m.empty()) {
            bool last = O == SORTED && in.flag();
            if constexpr (O == SORTED)
                MODEL_CHECK(
                    same(last ? l.remove_last() : l.remove_first(), last ? m.back() : m[0]));
            else
                l.pop();
            m.erase(last ? m.end() - 1 : m.begin());
        } else if (op == 3) {
            copies_and_moves(
                in, l, [&](const L &c, bool) { MODEL_CHECK(same_as(m, c)); },
                [](const L &c) { MODEL_CHECK(c.empty()); });
        } else if (op == 4) {
            if (in.one_in(3)) l.clear(), m.clear();
        } else if constexpr (O == SORTED) {
            if (op == 5) { // find, walk on from there, and maybe remove what it found
                bool has = first != m.end() && !before(x, *first);
                MODEL_CHECK(l.member(x) == has);
                auto c = l.find(x);
                MODEL_CHECK((c.undefined() != 0) == !has);
                size_t at = has ? first - m.begin() : m.size();
                if (has && in.flag()) c.remove(), m.erase(m.begin() + at);
                std::vector<T> rest;
                for (bool on = !c.undefined(); on; on = ++c)
                    rest.push_back(c());
                MODEL_CHECK(
                    same_as(std::vector<T>(m.begin() + std::min(at, m.size()), m.end()), rest));
                It it = static_cast<const L &>(l).find(x);
                MODEL_CHECK((it.undefined() != 0) == !(at < m.size() && !before(x, m[at])));
            } else { // a walk back from undefined
                std::vector<T> back;
                for (It it(&l); --it;)
                    back.insert(back.begin(), it());
                MODEL_CHECK(same_as(m, back));
            }
        }
        const L &c = l;
        MODEL_CHECK(same_as(m, c) && c.size() == int(m.size()));
        if constexpr (O == SORTED)
            MODEL_CHECK(same_as(m, c.items()) && printed(c) == printout("coSortedList {", -1, m));
        else
            MODEL_CHECK(same_as(m, c.list()) &&
                        printed(c) ==
                            printout(O == STACK ? "coStack\n{" : "coQueue \n{", int(m.size()), m));
        if constexpr (O == STACK)
            if (!m.empty()) MODEL_CHECK(same(c.top(), m[0]));
        if constexpr (O == QUEUE)
            if (!m.empty()) MODEL_CHECK(same(c.head(), m[0]) && same(c.tail(), m.back()));
    }
    gives_back(l);
}

// ---- the tree ----

// Every node's children are the spans it holds directly, by lo; the tree
// holds exactly the spans added.
inline int check_tree(const coTree *node, const std::vector<const Span *> &added) {
    auto *o = static_cast<const Span *>(node->object());
    std::vector<const Span *> want, got;
    for (const Span *s : added) {
        bool direct = !o || (o != s && o->is_ancestor(s));
        for (const Span *t : added)
            if (t != s && t->is_ancestor(s) && (!o || o->is_ancestor(t))) direct = false;
        if (direct) want.push_back(s);
    }
    std::sort(want.begin(), want.end(), [](auto *a, auto *b) { return a->lo < b->lo; });
    int count = 1;
    for (const coTree *c : *node) {
        MODEL_CHECK(c->parent() == node && !c->root());
        got.push_back(static_cast<const Span *>(c->object()));
        count += check_tree(c, added);
    }
    MODEL_CHECK(got == want && (!node->children() || node->children()->undefined()));
    return count;
}

inline void run_tree(Input &in) {
    std::deque<Span> spans; // the dyadic spans over [0, 8): two are nested or apart
    for (int w = 1; w <= 8; w *= 2)
        for (int k = 0; k < 8; k += w)
            spans.emplace_back(k, k + w);
    auto root = std::make_unique<coTree>();
    std::vector<const Span *> added;
    for (int step = 0, steps = 40 + in.below(40); step < steps && !in.done(); ++step) {
        int op = in.below(8);
        Span *s = &spans[in.below(15)];
        if (op < 5 && std::find(added.begin(), added.end(), s) == added.end()) {
            if (!!attempt(in, [&] { root->add(s); })) added.push_back(s);
        } else if (op == 5) { // a move there and back
            coTree other(std::move(*root));
            MODEL_CHECK(check_tree(root.get(), {}) == 1 && !other.object());
            in.flag() ? void(*root = std::move(other))
                      : void(root = std::make_unique<coTree>(std::move(other)));
        } else if (op == 6 && in.one_in(3)) {
            root = std::make_unique<coTree>(), added.clear();
        }
        MODEL_CHECK(root->root() && check_tree(root.get(), added) == int(added.size()) + 1);
    }
    gives_back(*root);
}

// ---- every member ----

// Each member's runs, every element type's lists, stacks and queues alike.
#define COLIB_LISTS_RUNS(P)                                                                        \
    run_cursor_list<SINGLY, P##coSList, P##coSListBcoIterator>,                                    \
        run_cursor_list<DOUBLY, P##coDList, P##coDListBcoIterator, P##coDListBcoIteratorB>,        \
        run_ordered<STACK, P##coStack>, run_ordered<QUEUE, P##coQueue>

inline void run_lists(Input &in) {
    using Run = void (*)(Input &);
    static const Run runs[] = {
        COLIB_LISTS_RUNS(char),
        COLIB_LISTS_RUNS(int),
        COLIB_LISTS_RUNS(double),
        COLIB_LISTS_RUNS(utAny),
        COLIB_LISTS_RUNS(utString),
        run_cursor_list<PAGED, intcoPageDList, intcoPageDListcoIterator>,
        run_cursor_list<PAGED, doublecoPageDList, doublecoPageDListcoIterator>,
        run_ordered<SORTED, intcoSortedList, intcoSortedListcoIterator>,
        run_ordered<SORTED, doublecoSortedList, doublecoSortedListcoIterator>,
        run_ordered<SORTED, utStringcoSortedList, utStringcoSortedListcoIterator>,
        run_tree,
        run_tree,
    };
    colib_test::run_members(in, runs);
}

} // namespace colib_test
