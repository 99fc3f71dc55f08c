// The linked lists' elements, read by walking their links (checking each
// family's link structure on the way), and one random model run shared by
// the lists with a built-in cursor.
#pragma once

#include <colib/lists/dlist.h>
#include <colib/lists/page_dlist.h>
#include <colib/lists/slist.h>
#include <gtest/gtest.h>

#include <iterator>
#include <list>
#include <random>
#include <vector>

namespace colib_test {

template <class L> using Elems = std::vector<typename L::value_type>;

// Singly linked: the ring from the head ends at the tail after size links.
template <class L> auto walk(const L &l) -> decltype(l.head_link(), Elems<L>()) {
    Elems<L> v;
    auto *head = l.head_link(), *p = head;
    while (p->next() != head && static_cast<int>(v.size()) <= l.size()) {
        p = p->next();
        v.push_back(p->read());
    }
    EXPECT_EQ(static_cast<int>(v.size()), l.size());
    EXPECT_EQ(p, l.tail_link());
    EXPECT_EQ(l.empty() != 0, v.empty());
    return v;
}

// Doubly linked: the walk back from the sentinel agrees with the walk
// forward, and every link's neighbours point back at it.
template <class L> auto walk(const L &l) -> decltype(l.sentinel(), Elems<L>()) {
    Elems<L> v, back;
    auto *s = l.sentinel();
    for (auto *p = s->next(); p != s; p = p->next()) {
        EXPECT_EQ(p->next()->prev(), p);
        v.push_back(p->read());
    }
    for (auto *p = s->prev(); p != s; p = p->prev())
        back.insert(back.begin(), p->read());
    EXPECT_EQ(v, back);
    EXPECT_EQ(static_cast<int>(v.size()), l.size());
    EXPECT_EQ(l.empty() != 0, v.empty());
    return v;
}

// Paged: range-for agrees with the walk back through the slots, and the
// chain and the free list together cover every slot exactly once.
template <class L> auto walk(const L &l) -> decltype(l.first_id(), Elems<L>()) {
    Elems<L> v(l.begin(), l.end()), back;
    for (int i = l.last_id(); i != -1; i = l.link(i).prev())
        back.insert(back.begin(), l.link(i).item());
    EXPECT_EQ(v, back);
    EXPECT_EQ(static_cast<int>(v.size()), l.size());
    std::vector<int> seen(l.slot_count(), 0);
    int chain = 0, free = 0;
    for (int from : {l.first_id(), l.free_head_id()}) {
        for (int i = from; i != -1; i = l.link(i).next()) {
            if (i >= l.slot_count() || seen[i]++) {
                ADD_FAILURE() << "slot " << i << " out of range or linked twice";
                return v;
            }
            if (from == l.first_id()) {
                ++chain;
            } else {
                ++free;
                EXPECT_EQ(l.link(i).prev(), -1);
            }
        }
    }
    EXPECT_EQ(chain, l.size());
    EXPECT_EQ(free, l.free_count());
    EXPECT_EQ(chain + free, l.slot_count());
    return v;
}

// How each list with a built-in cursor is driven and checked. The lists
// differ on purpose in one point: remove_first with the cursor on the first
// element moves the cursor onto the new first element (singly and doubly
// linked) or leaves it undefined (paged).
struct SListModel {
    using List = intcoSList;
    static constexpr bool doubly = false, remove_first_keeps_cursor = true;
    static List make() { return List(); }
    static int forwards(List &l) { return ++l; }
    static int backwards(List &l) { return --l; }
    static int read(List &l) { return l(); }
    static void clear(List &l, int) { l.clear(); }
    // The remembered predecessor, when there is one, is the right one.
    static void check(const List &l) {
        EXPECT_TRUE(!l.before_link() || l.before_link()->next() == l.current_link());
    }
};
struct DListModel {
    using List = intcoDList;
    static constexpr bool doubly = true, remove_first_keeps_cursor = true;
    static List make() { return List(); }
    static int forwards(List &l) { return ++l; }
    static int backwards(List &l) { return --l; }
    static int read(List &l) { return l.read(); }
    static void clear(List &l, int) { l.clear(); }
    static void check(const List &) {}
};
struct PageDListModel {
    using List = intcoPageDList;
    static constexpr bool doubly = true, remove_first_keeps_cursor = false;
    static List make() { return List(3, 1, 1); } // eight links per block
    static int forwards(List &l) { return l.forwards(); }
    static int backwards(List &l) { return l.backwards(); }
    static int read(List &l) { return l.read(); }
    static void clear(List &l, int release) { l.clear(release); }
    static void check(const List &) {}
};

// Long random runs against std::list: contents, the cursor's element and
// (doubly linked) its index after every step, and every return value.
template <class M> void run_list_model(unsigned seed, int steps) {
    std::mt19937 rng(seed);
    typename M::List l = M::make();
    std::list<int> model;
    auto pos = model.end();
    auto step = [&](bool forwards) {
        if (forwards)
            pos = pos == model.end() ? model.begin() : std::next(pos);
        else
            pos = pos == model.begin() ? model.end() : std::prev(pos);
        return pos != model.end() ? 1 : 0;
    };
    for (int n = 0; n < steps; ++n) {
        SCOPED_TRACE(n);
        bool defined = pos != model.end();
        switch (rng() % 12) {
        case 0:
            EXPECT_EQ(l.insert_first(n), 1);
            model.push_front(n);
            break;
        case 1:
            EXPECT_EQ(l.insert_last(n), 1);
            model.push_back(n);
            break;
        case 2: // undefined: goes first
            EXPECT_EQ(l.insert_after(n), 1);
            model.insert(defined ? std::next(pos) : model.begin(), n);
            break;
        case 3: // undefined: goes last
            EXPECT_EQ(l.insert_before(n), 1);
            model.insert(pos, n);
            break;
        case 4:
            if (defined) l.remove(), pos = model.erase(pos);
            break;
        case 5:
            if constexpr (M::doubly) {
                if (defined) {
                    l.remove_backwards();
                    auto back = pos == model.begin() ? model.end() : std::prev(pos);
                    model.erase(pos);
                    pos = back;
                }
            } else { // k steps, 0 at the first that falls off the end
                int k = static_cast<int>(rng() % 4), r = 1;
                for (int i = 0; i < k && r; ++i)
                    r = step(true);
                EXPECT_EQ(l += k, r);
            }
            break;
        case 6:
            if (!model.empty()) {
                if (pos == model.begin())
                    pos = M::remove_first_keeps_cursor ? std::next(pos) : model.end();
                l.remove_first();
                model.pop_front();
            }
            break;
        case 7:
            if (!model.empty()) {
                if (defined && pos == std::prev(model.end())) pos = model.end();
                l.remove_last();
                model.pop_back();
            }
            break;
        case 8:
            EXPECT_EQ(M::forwards(l), step(true));
            break;
        case 9:
            EXPECT_EQ(M::backwards(l), step(false));
            break;
        case 10:
            if constexpr (M::doubly) {
                int i = static_cast<int>(rng() % (model.size() + 2)) - 1;
                l.set_index(i);
                pos = i >= 0 && i < static_cast<int>(model.size()) ? std::next(model.begin(), i)
                                                                   : model.end();
            } else {
                int k = static_cast<int>(rng() % 4), r = 1;
                for (int i = 0; i < k && r; ++i)
                    r = step(false);
                EXPECT_EQ(l -= k, r);
            }
            break;
        default:
            if (rng() % 20 == 0) {
                M::clear(l, static_cast<int>(rng() % 2));
                model.clear();
                pos = model.end();
            }
        }
        EXPECT_EQ(walk(l), std::vector<int>(model.begin(), model.end()));
        EXPECT_EQ(l.undefined() != 0, pos == model.end());
        if (pos != model.end()) {
            EXPECT_EQ(M::read(l), *pos);
        }
        if constexpr (M::doubly) {
            EXPECT_EQ(l.index(), pos == model.end() ? -1 : std::distance(model.begin(), pos));
        }
        M::check(l);
        if (::testing::Test::HasFailure()) return;
    }
}

} // namespace colib_test
