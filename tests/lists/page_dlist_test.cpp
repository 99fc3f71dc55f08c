#include <colib/lists/page_dlist.h>
#include <gtest/gtest.h>

#include <list>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Reaches the link surgery and slot accessors the list keeps protected.
class Probe : public intcoPageDList {
public:
    using intcoPageDList::current_node_id;
    using intcoPageDList::intcoPageDList;
    int slot_of(int position) {
        int i = first_id();
        while (position-- > 0)
            i = link(i).next();
        return i;
    }
};

template <class L> std::vector<typename L::value_type> elems(const L &l) {
    std::vector<typename L::value_type> v(l.begin(), l.end()), back;
    for (int i = l.last_id(); i != -1; i = l.link(i).prev())
        back.insert(back.begin(), l.link(i).item());
    EXPECT_EQ(v, back);
    EXPECT_EQ(static_cast<int>(v.size()), l.size());
    return v;
}

// The chain and the free list together cover every slot exactly once.
template <class L> void check_slots(const L &l) {
    std::vector<int> seen(l.slot_count(), 0);
    int chain = 0, free = 0;
    for (int i = l.first_id(); i != -1; i = l.link(i).next(), ++chain) {
        ASSERT_LT(i, l.slot_count());
        ASSERT_EQ(seen[i]++, 0);
    }
    for (int i = l.free_head_id(); i != -1; i = l.link(i).next(), ++free) {
        ASSERT_LT(i, l.slot_count());
        ASSERT_EQ(seen[i]++, 0);
        ASSERT_EQ(l.link(i).prev(), -1);
    }
    EXPECT_EQ(chain, l.size());
    EXPECT_EQ(free, l.free_count());
    EXPECT_EQ(chain + free, l.slot_count());
}

TEST(PageDList, SlotsAreReusedLastFreedFirst) {
    EXPECT_EQ(sizeof(intcoPageDLink), 12u);
    EXPECT_EQ(sizeof(doublecoPageDLink), 16u);
    Probe l;
    l.insert_last(1);
    l.insert_last(2);
    l.insert_last(3);
    l.set_index(1);
    l.remove();
    EXPECT_EQ(l.read(), 3);
    EXPECT_EQ(l.free_head_id(), 1);
    l.insert_last(4);
    EXPECT_EQ(elems(l), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(l.slot_of(2), 1);
    EXPECT_EQ(l.slot_count(), 3);
    check_slots(l);

    // clear(0): slots 0, 1, 2 come back in that order; clear(1) gives the
    // pages back.
    l.clear(0);
    EXPECT_TRUE(l.undefined());
    check_slots(l);
    for (int x : {7, 8, 9})
        l.insert_first(x);
    EXPECT_EQ(l.slot_of(0), 2);
    EXPECT_EQ(l.slot_of(2), 0);
    EXPECT_EQ(l.nodes().block_count(), 1);
    l.clear(1);
    EXPECT_EQ(l.nodes().block_count(), 0);
    EXPECT_EQ(l.slot_count(), 0);
    l.insert_last(1);
    EXPECT_EQ(l.nodes().block_count(), 1);

    // A block is made only when the array first reaches it.
    intcoPageDList small(2, 1, 1); // four links per block
    for (int i = 0; i < 4; ++i)
        small.insert_last(i);
    EXPECT_EQ(small.nodes().block_count(), 1);
    small.insert_last(4);
    EXPECT_EQ(small.nodes().block_count(), 2);
    small.remove_first();
    small.insert_last(5);
    EXPECT_EQ(small.nodes().block_count(), 2);
    EXPECT_EQ(small.slot_count(), 5);
}

TEST(PageDList, CursorWalkingAndIndexing) {
    intcoPageDList l;
    for (int x : {10, 20, 30})
        l.insert_last(x);
    EXPECT_EQ(l[2], 30);
    EXPECT_EQ(l.index(), 2);
    EXPECT_EQ(l.forwards(), 0);
    EXPECT_TRUE(l.undefined());
    EXPECT_EQ(l[0], 10);
    EXPECT_EQ(l.backwards(), 0);

    // += and -= make at least one step.
    intcoPageDListcoIterator it(&l);
    EXPECT_EQ(it += 0, 1);
    EXPECT_EQ(it(), 10);
    EXPECT_EQ(it += 2, 1);
    EXPECT_EQ(it(), 30);
    EXPECT_EQ(it += 0, 0);
    EXPECT_TRUE(it.undefined());
    EXPECT_EQ(it -= -5, 1);
    EXPECT_EQ(it(), 30);
    EXPECT_EQ(it -= 5, 0);
    EXPECT_EQ(it.index(), -1);
    EXPECT_EQ(it.size(), 3);

    // set_index from undefined starts at the nearer end.
    intcoPageDList four;
    for (int x : {1, 2, 3, 4})
        four.insert_last(x);
    four.set_index(3);
    EXPECT_EQ(four.read(), 4);
    four.reset();
    four.set_index(1);
    EXPECT_EQ(four.read(), 2);
    four.set_index(2);
    EXPECT_EQ(four.read(), 3);
    four.set_index(4);
    EXPECT_TRUE(four.undefined());
    four.set_index(-1);
    EXPECT_TRUE(four.undefined());

    // Cursor insertions and removals.
    intcoPageDList e;
    e.insert_before(2); // undefined: appends
    e.insert_after(1);  // undefined: puts first
    e.insert_last(4);
    e.forwards();
    e.remove_first(); // the cursor stood on it
    EXPECT_TRUE(e.undefined());
    e.set_index(0);
    e.insert_after(3);
    e.insert_before(0);
    EXPECT_EQ(elems(e), (std::vector<int>{0, 2, 3, 4}));
    EXPECT_EQ(e.read(), 2);
    e.remove_backwards();
    EXPECT_EQ(e.read(), 0);
    e.remove_backwards();
    EXPECT_TRUE(e.undefined());
    e.set_index(0);
    e.remove_last();
    EXPECT_EQ(e.read(), 3);
    e.remove_last();
    EXPECT_TRUE(e.undefined());
    EXPECT_EQ(elems(e), std::vector<int>{});
}

TEST(PageDList, CopiesAndPrinting) {
    doublecoPageDList a(3, 2, 2);
    a.insert_last(1.5);
    a.insert_last(2.5);
    a.forwards();
    doublecoPageDList b(utCOPY, a);
    b.forwards();
    b.insert_before(0.5);
    EXPECT_EQ(b.index(), 1);
    EXPECT_EQ(elems(b), (std::vector<double>{0.5, 1.5, 2.5}));
    EXPECT_EQ(elems(a), (std::vector<double>{1.5, 2.5}));
    a.become(utCOPY, a);
    EXPECT_EQ(a.read(), 1.5);
    a.become(utCOPY, b);
    EXPECT_TRUE(a.undefined());
    EXPECT_EQ(elems(a), (std::vector<double>{0.5, 1.5, 2.5}));

    intcoPageDList p;
    p.insert_last(1);
    p.insert_last(2);
    p.set_index(1);
    std::ostringstream os;
    os << p;
    EXPECT_EQ(os.str(), "coPageDList {\n  size 2\n  1\n  2\n}\n");
    EXPECT_EQ(p.read(), 2); // printing does not move the cursor
    std::ostringstream ls;
    ls << p.link(0);
    EXPECT_EQ(ls.str(), "1\n");
}

// Long random runs against std::list, with the slot accounting checked
// after every step.
TEST(PageDList, RandomModel) {
    std::mt19937 rng(11);
    Probe l(3, 1, 1);
    std::list<int> model;
    auto pos = model.end();
    int next = 0;
    for (int step = 0; step < 20000; ++step) {
        bool defined = pos != model.end();
        switch (rng() % 12) {
        case 0:
            l.insert_first(next), model.push_front(next);
            break;
        case 1:
            l.insert_last(next), model.push_back(next);
            break;
        case 2:
            l.insert_after(next);
            if (defined)
                model.insert(std::next(pos), next);
            else
                model.push_front(next);
            break;
        case 3:
            l.insert_before(next), model.insert(pos, next);
            break;
        case 4:
            if (defined) l.remove(), pos = model.erase(pos);
            break;
        case 5:
            if (defined) {
                l.remove_backwards();
                auto back = pos == model.begin() ? model.end() : std::prev(pos);
                model.erase(pos);
                pos = back;
            }
            break;
        case 6:
            if (!model.empty()) {
                if (pos == model.begin()) pos = model.end();
                l.remove_first(), model.pop_front();
            }
            break;
        case 7:
            if (!model.empty()) {
                if (defined && pos == std::prev(model.end())) pos = model.end();
                l.remove_last(), model.pop_back();
            }
            break;
        case 8:
            l.forwards(), pos = pos == model.end() ? model.begin() : std::next(pos);
            break;
        case 9:
            l.backwards(), pos = pos == model.begin() ? model.end() : std::prev(pos);
            break;
        case 10: {
            int i = static_cast<int>(rng() % (model.size() + 2)) - 1;
            l.set_index(i);
            pos = i >= 0 && i < static_cast<int>(model.size()) ? std::next(model.begin(), i)
                                                               : model.end();
            break;
        }
        case 11:
            if (rng() % 30 == 0) {
                l.clear(static_cast<int>(rng() % 2));
                model.clear();
                pos = model.end();
            }
            break;
        }
        ++next;
        ASSERT_EQ(elems(l), std::vector<int>(model.begin(), model.end())) << "step " << step;
        ASSERT_NO_FATAL_FAILURE(check_slots(l)) << "step " << step;
        ASSERT_EQ(l.undefined(), pos == model.end()) << "step " << step;
        if (pos != model.end()) {
            ASSERT_EQ(l.read(), *pos);
            ASSERT_EQ(l.index(), static_cast<int>(std::distance(model.begin(), pos)));
        }
    }
}

TEST(PageDListDeath, OutOfContractUseAborts) {
    intcoPageDList l;
    EXPECT_DEATH(l.remove_first(), "colib: intcoPageDList::remove_first: empty list");
    EXPECT_DEATH(l.remove_last(), "colib: intcoPageDList::remove_last: empty list");
    EXPECT_DEATH(l.remove(), "colib: intcoPageDList::remove: undefined cursor");
    EXPECT_DEATH(l.remove_backwards(), "colib: intcoPageDList::remove_backwards: undefined cursor");
    EXPECT_DEATH(l.read(), "colib: intcoPageDList::read: undefined cursor");
    l.insert_last(1);
    EXPECT_DEATH(l[1], "colib: intcoPageDList::operator\\[\\]: index 1 out of range \\[0, 1\\)");
    EXPECT_DEATH(l[-1], "colib: intcoPageDList::operator\\[\\]: index -1 out of range");
    intcoPageDListcoIterator it(&l);
    EXPECT_DEATH(it(), "colib: intcoPageDListcoIterator::operator\\(\\): undefined walker");
}

} // namespace
