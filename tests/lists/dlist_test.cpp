#include <colib/lists/dlist.h>
#include <gtest/gtest.h>

#include <list>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

namespace {

template <class T> T val(int i);
template <> int val<int>(int i) {
    return i * 3 + 1;
}
template <> double val<double>(int i) {
    return i * 0.5;
}
template <> utString val<utString>(int i) {
    return utString(std::to_string(i));
}

// Contents front to back, checked against the walk back to front and the
// ring's pointers.
template <class L> std::vector<typename L::value_type> elems(const L &l) {
    std::vector<typename L::value_type> v, back;
    auto *s = l.sentinel();
    for (auto *p = s->next(); p != s; p = p->next()) {
        EXPECT_EQ(p->next()->prev(), p);
        v.push_back(p->read());
    }
    for (auto *p = s->prev(); p != s; p = p->prev())
        back.insert(back.begin(), p->read());
    EXPECT_EQ(v, back);
    EXPECT_EQ(static_cast<int>(v.size()), l.size());
    EXPECT_EQ(l.empty(), v.empty());
    return v;
}

template <class L> std::string printed(const L &l) {
    std::ostringstream os;
    os << l;
    return os.str();
}

template <class L> class DListTyped : public ::testing::Test {};
using Siblings = ::testing::Types<intcoDListB, doublecoDListB, utStringcoDListB>;
TYPED_TEST_SUITE(DListTyped, Siblings, );

TYPED_TEST(DListTyped, EndOperationsBecomeAndRangeFor) {
    using T = typename TypeParam::value_type;
    TypeParam l;
    EXPECT_EQ(l.sentinel()->next(), l.sentinel());
    EXPECT_EQ(l.insert_last(val<T>(2)), 1);
    EXPECT_EQ(l.insert_first(val<T>(1)), 1);
    EXPECT_EQ(l.insert_last(val<T>(3)), 1);
    EXPECT_EQ(elems(l), (std::vector<T>{val<T>(1), val<T>(2), val<T>(3)}));

    TypeParam c(utCOPY, l);
    l.remove_first();
    l.remove_last();
    EXPECT_EQ(elems(l), std::vector<T>{val<T>(2)});
    EXPECT_EQ(elems(c), (std::vector<T>{val<T>(1), val<T>(2), val<T>(3)}));
    c.become(utCOPY, c);
    EXPECT_EQ(c.size(), 3);
    l.become(utCOPY, c);
    c.clear();
    EXPECT_EQ(elems(c), std::vector<T>{});
    std::vector<T> seen;
    for (const T &x : l)
        seen.push_back(x);
    EXPECT_EQ(seen, (std::vector<T>{val<T>(1), val<T>(2), val<T>(3)}));
}

TEST(DList, LinksJoinTheirNeighboursWhenDestroyed) {
    intcoDLink ring;
    EXPECT_EQ(ring.next(), &ring);
    auto *a = new intcoDLinkItem(&ring, 1); // after ring
    auto *b = new intcoDLinkItem(2, &ring); // before ring: ring, a, b
    auto *c = new intcoDLink(a, coDITEM);   // ring, a, c, b
    EXPECT_EQ(a->next(), c);
    EXPECT_EQ(c->next(), b);
    EXPECT_EQ(b->read(), 2);
    delete c;
    EXPECT_EQ(a->next(), b);
    EXPECT_EQ(b->prev(), a);
    delete a;
    EXPECT_EQ(ring.next(), b);
    EXPECT_EQ(ring.prev(), b);
    delete b;
    EXPECT_EQ(ring.next(), &ring);
    EXPECT_EQ(ring.prev(), &ring);
}

TEST(DList, CursorEditsKeepTheIndex) {
    intcoDList l{10, 20, 30};
    EXPECT_EQ(l.forwards(), 1);
    EXPECT_EQ(l.index(), 0);
    EXPECT_EQ(l.insert_before(5), 1);
    EXPECT_EQ(elems(l), (std::vector<int>{5, 10, 20, 30}));
    EXPECT_EQ(l.read(), 10);
    EXPECT_EQ(l.index(), 1);
    l.remove();
    EXPECT_EQ(elems(l), (std::vector<int>{5, 20, 30}));
    EXPECT_EQ(l.read(), 20);
    EXPECT_EQ(l.index(), 1);
    l.remove_backwards();
    EXPECT_EQ(elems(l), (std::vector<int>{5, 30}));
    EXPECT_EQ(l.read(), 5);
    EXPECT_EQ(l.index(), 0);

    // Off either end by removal.
    l.remove_backwards();
    EXPECT_TRUE(l.undefined());
    EXPECT_EQ(l.index(), -1);
    --l;
    l.remove();
    EXPECT_TRUE(l.undefined());
    EXPECT_EQ(l.index(), -1);
    EXPECT_TRUE(l.empty());

    // Undefined cursor: insert_after puts first, insert_before puts last.
    intcoDList m{2};
    EXPECT_EQ(m.insert_after(1), 1);
    EXPECT_EQ(m.insert_before(3), 1);
    EXPECT_EQ(elems(m), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(m.index(), -1);
    m.set_index(1);
    EXPECT_EQ(m.insert_after(25), 1);
    EXPECT_EQ(m.insert_first(0), 1);
    EXPECT_EQ(m.insert_last(4), 1);
    EXPECT_EQ(elems(m), (std::vector<int>{0, 1, 2, 25, 3, 4}));
    EXPECT_EQ(m.read(), 2);
    EXPECT_EQ(m.index(), 2);
    m.remove_first();
    EXPECT_EQ(m.index(), 1);
    m.set_index(0);
    m.remove_first(); // the cursor on the first: it moves to the new first
    EXPECT_EQ(m.read(), 2);
    EXPECT_EQ(m.index(), 0);
    m.set_index(m.size() - 1);
    m.remove_last(); // on the last: it goes undefined
    EXPECT_TRUE(m.undefined());
    EXPECT_EQ(elems(m), (std::vector<int>{2, 25, 3}));
    m.set_index(0);
    m.remove_last(); // elsewhere: the cursor stays
    EXPECT_EQ(m.read(), 2);
    EXPECT_EQ(m.index(), 0);
    EXPECT_EQ(elems(m), (std::vector<int>{2, 25}));
}

TEST(DList, IndexedWalking) {
    intcoDList l{10, 20, 30};
    intcoDListBcoIterator it(&l);
    EXPECT_EQ(it.index(), -1);
    EXPECT_EQ(--it, 1);
    EXPECT_EQ(it(), 30);
    EXPECT_EQ(it.index(), 2);
    it.set_index(0);
    EXPECT_EQ(it(), 10);
    EXPECT_EQ(--it, 0);
    EXPECT_EQ(it.index(), -1);
    it.set_index(5);
    EXPECT_TRUE(it.undefined());
    EXPECT_EQ(it.index(), -1);
    EXPECT_EQ(it += 0, 1);
    EXPECT_EQ(it += -1, 1);
    EXPECT_TRUE(it.undefined());
    EXPECT_EQ(it += 2, 1);
    EXPECT_EQ(it(), 20);
    EXPECT_EQ(it += 2, 0);
    EXPECT_TRUE(it.undefined());
    EXPECT_EQ(it -= 3, 1);
    EXPECT_EQ(it.index(), 0);
    EXPECT_EQ(it.size(), 3);

    // Equality: undefined walkers of different lists are equal.
    intcoDList other{1};
    intcoDListBcoIteratorB a(&l), b(&other);
    EXPECT_TRUE(a == b);
    ++a;
    EXPECT_TRUE(a != b);
    intcoDListBcoIteratorB c(&l);
    ++c;
    EXPECT_TRUE(a == c);
    EXPECT_EQ(a -= 1, 0);
    EXPECT_TRUE(a.undefined());

    intcoDListB empty;
    intcoDListBcoIterator e(&empty);
    EXPECT_EQ(++e, 0);
    EXPECT_EQ(--e, 0);
    EXPECT_EQ(e.index(), -1);
}

// Copies of a list with a built-in cursor go through utCopy or become.
static_assert(!std::is_copy_constructible_v<intcoDList>);
static_assert(!std::is_copy_assignable_v<intcoDList>);
static_assert(std::is_copy_constructible_v<intcoDListB>);

TEST(DList, BecomeAndPrinting) {
    intcoDList a{1, 2, 3};
    a.forwards();
    a.become(utCOPY, a);
    EXPECT_EQ(a.read(), 1);
    EXPECT_EQ(a.index(), 0);
    intcoDList b{7};
    a.become(utCOPY, b);
    EXPECT_TRUE(a.undefined());
    EXPECT_EQ(elems(a), std::vector<int>{7});
    intcoDList c(utCOPY, a);
    c.forwards();
    c.insert_before(6);
    EXPECT_EQ(elems(c), (std::vector<int>{6, 7}));
    EXPECT_EQ(elems(a), std::vector<int>{7});
    c.clear();
    EXPECT_TRUE(c.undefined());

    EXPECT_EQ(printed(intcoDListB()), "{\n  size 0\n}\n");
    EXPECT_EQ(printed(intcoDList{1, 2}), "coDList {\n  size 2\n  1\n  2\n}\n");
    utStringcoDListB s;
    s.insert_last("x");
    EXPECT_EQ(printed(s), "{\n  size 1\n  x\n}\n");
    charcoDList ch{'a'};
    EXPECT_EQ(printed(ch), "coDList {\n  size 1\n  a\n}\n");
}

TEST(DList, TreeMemberHoldsPointers) {
    coTreecoDListPtrcoPtrcoDList l;
    coTree *p = reinterpret_cast<coTree *>(&l);
    EXPECT_EQ(l.insert_last(p), 1);
    EXPECT_EQ(l.insert_last(nullptr), 1);
    coTreecoDListPtrcoPtrcoDListcoIterator it(&l);
    EXPECT_EQ(++it, 1);
    EXPECT_EQ(it(), p);
    EXPECT_EQ(it.index(), 0);
    l.forwards();
    l.forwards();
    l.remove_backwards();
    EXPECT_EQ(l.read(), p);
    l.reset();
    l.insert_before(nullptr);
    EXPECT_EQ(l.size(), 2);
}

// Long random runs against std::list: contents both ways, size, the
// cursor's element and its index after every step.
TEST(DList, RandomModel) {
    std::mt19937 rng(7);
    intcoDList l;
    std::list<int> model;
    auto pos = model.end();
    int next = 0;
    auto model_index = [&] {
        return pos == model.end() ? -1 : static_cast<int>(std::distance(model.begin(), pos));
    };
    for (int step = 0; step < 20000; ++step) {
        int op = static_cast<int>(rng() % 13);
        bool defined = pos != model.end();
        switch (op) {
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
                if (pos == model.begin()) ++pos;
                l.remove_first(), model.pop_front();
            }
            break;
        case 7:
            if (!model.empty()) {
                if (pos == std::prev(model.end())) pos = model.end();
                l.remove_last(), model.pop_back();
            }
            break;
        case 8:
            ++l, pos = pos == model.end() ? model.begin() : std::next(pos);
            break;
        case 9:
            --l, pos = pos == model.begin() ? model.end() : std::prev(pos);
            break;
        case 10: {
            int i = static_cast<int>(rng() % (model.size() + 2)) - 1;
            l.set_index(i);
            pos = i >= 0 && i < static_cast<int>(model.size()) ? std::next(model.begin(), i)
                                                               : model.end();
            break;
        }
        case 11:
            if (rng() % 20 == 0) l.clear(), model.clear(), pos = model.end();
            break;
        case 12:
            l.insert_first(next), model.push_front(next);
            break;
        }
        ++next;
        ASSERT_EQ(elems(l), std::vector<int>(model.begin(), model.end())) << "step " << step;
        ASSERT_EQ(l.index(), model_index()) << "step " << step;
        ASSERT_EQ(l.undefined(), pos == model.end());
        if (pos != model.end()) {
            ASSERT_EQ(l.read(), *pos);
        }
    }
}

TEST(DListDeath, OutOfContractUseAborts) {
    intcoDListB e;
    EXPECT_DEATH(e.remove_first(), "colib: intcoDListB::remove_first: empty list");
    EXPECT_DEATH(e.remove_last(), "colib: intcoDListB::remove_last: empty list");
    intcoDListBcoIterator it(&e);
    EXPECT_DEATH(it(), "colib: intcoDListBcoIterator::operator\\(\\): undefined walker");
    intcoDListBcoIteratorB ib(&e);
    EXPECT_DEATH(ib(), "colib: intcoDListBcoIteratorB::operator\\(\\): undefined walker");
    intcoDListBcoCursor cu(&e);
    EXPECT_DEATH(cu(), "colib: intcoDListBcoCursor::operator\\(\\): undefined cursor");
    EXPECT_DEATH(cu.remove(), "colib: intcoDListBcoCursor::remove: undefined cursor");
    EXPECT_DEATH(cu.remove_backwards(),
                 "colib: intcoDListBcoCursor::remove_backwards: undefined cursor");
    EXPECT_DEATH(cu.remove_first(), "colib: intcoDListBcoCursor::remove_first: empty list");
    EXPECT_DEATH(cu.remove_last(), "colib: intcoDListBcoCursor::remove_last: empty list");
    intcoDList l;
    EXPECT_DEATH(l.read(), "colib: intcoDList::read: undefined cursor");
}

} // namespace
