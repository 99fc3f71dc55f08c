#include <colib/lists/slist.h>
#include <gtest/gtest.h>

#include <iterator>
#include <list>
#include <random>
#include <sstream>
#include <string>
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

template <class L> std::vector<typename L::value_type> elems(const L &l) {
    std::vector<typename L::value_type> v;
    auto *head = l.head_link();
    for (auto *p = head->next(); p != head; p = p->next())
        v.push_back(p->read());
    return v;
}

// The ring invariants, checked from the outside.
template <class L> void check_ring(const L &l) {
    auto *head = l.head_link();
    int n = 0;
    auto *p = head;
    while (p->next() != head) {
        p = p->next();
        ++n;
        ASSERT_LE(n, l.size());
    }
    EXPECT_EQ(n, l.size());
    EXPECT_EQ(p, l.tail_link());
    EXPECT_EQ(l.empty(), n == 0);
}

template <class L> class SListTyped : public ::testing::Test {};
using Siblings = ::testing::Types<intcoSListB, doublecoSListB, utStringcoSListB>;
TYPED_TEST_SUITE(SListTyped, Siblings, );

TYPED_TEST(SListTyped, EndOperationsKeepTheRing) {
    using T = typename TypeParam::value_type;
    TypeParam l;
    EXPECT_EQ(l.head_link()->next(), l.head_link());
    EXPECT_EQ(l.tail_link(), l.head_link());
    EXPECT_EQ(l.insert_last(val<T>(2)), 1);
    EXPECT_EQ(l.insert_first(val<T>(1)), 1);
    EXPECT_EQ(l.insert_last(val<T>(3)), 1);
    check_ring(l);
    EXPECT_EQ(elems(l), (std::vector<T>{val<T>(1), val<T>(2), val<T>(3)}));
    EXPECT_EQ(l.first_item(), val<T>(1));
    EXPECT_EQ(l.last_item(), val<T>(3));
    l.remove_last();
    l.remove_first();
    check_ring(l);
    EXPECT_EQ(elems(l), (std::vector<T>{val<T>(2)}));
    l.remove_last();
    EXPECT_EQ(l.head_link()->next(), l.head_link());
    EXPECT_EQ(l.tail_link(), l.head_link());
    EXPECT_EQ(l.size(), 0);

    TypeParam a{val<T>(1), val<T>(2), val<T>(3)};
    TypeParam b(utCOPY, a);
    b.remove_first();
    EXPECT_EQ(a.size(), 3);
    EXPECT_EQ(elems(b), (std::vector<T>{val<T>(2), val<T>(3)}));
    b.become(utCOPY, b);
    EXPECT_EQ(b.size(), 2);
    a.become(utCOPY, b);
    check_ring(a);
    EXPECT_EQ(elems(a), elems(b));
    a.insert_last(val<T>(9));
    EXPECT_EQ(b.size(), 2);
    TypeParam c;
    c = a;
    c.clear();
    check_ring(c);
    EXPECT_EQ(a.size(), 3);
}

TYPED_TEST(SListTyped, IteratorWalksRoundTheRing) {
    using T = typename TypeParam::value_type;
    using It = std::conditional_t<
        std::is_same<TypeParam, intcoSListB>::value, intcoSListBcoIterator,
        std::conditional_t<std::is_same<TypeParam, doublecoSListB>::value, doublecoSListBcoIterator,
                           utStringcoSListBcoIterator>>;
    TypeParam l;
    It it(&l);
    EXPECT_EQ(it.undefined(), 1);
    EXPECT_EQ(it.last(), 1);
    EXPECT_EQ(++it, 0);
    EXPECT_EQ(it.undefined(), 1);
    l.insert_last(val<T>(1));
    l.insert_last(val<T>(2));
    EXPECT_EQ(it.last(), 0);
    std::vector<T> seen;
    while (++it)
        seen.push_back(it());
    EXPECT_EQ(seen, elems(l));
    EXPECT_EQ(it.undefined(), 1);
    EXPECT_EQ(++it, 1); // and round again
    EXPECT_EQ(it(), val<T>(1));
    ++it;
    EXPECT_EQ(it.last(), 1);
    it() = val<T>(7); // the walker hands out the element itself
    EXPECT_EQ(l.last_item(), val<T>(7));
    it.reset();
    EXPECT_EQ(it.undefined(), 1);
}

TEST(SList, CursorSteps) {
    intcoSList l{1, 2, 3};
    EXPECT_EQ(--l, 1);
    EXPECT_EQ(l(), 3);
    l.reset();
    EXPECT_EQ(l += 2, 1);
    EXPECT_EQ(l(), 2);
    EXPECT_EQ(l.before_link(), l.head_link()->next());
    l.reset();
    EXPECT_EQ(l += 4, 0);
    EXPECT_EQ(l.undefined(), 1);
    EXPECT_EQ(l += 0, 1);
    EXPECT_EQ(l += -1, 1);
    EXPECT_EQ(l.undefined(), 1);
    EXPECT_EQ(l -= 1, 1);
    EXPECT_EQ(l(), 3);
    EXPECT_EQ(l.before_link(), nullptr);
    EXPECT_EQ(l -= 3, 0);
    EXPECT_EQ(l.undefined(), 1);

    intcoSList e;
    EXPECT_EQ(++e, 0);
    EXPECT_EQ(--e, 0);
    EXPECT_EQ(e.undefined(), 1);
}

TEST(SList, CursorRemovalsAndInsertions) {
    intcoSList l{1, 2, 3};
    l += 2;
    l.remove();
    EXPECT_EQ(elems(l), (std::vector<int>{1, 3}));
    EXPECT_EQ(l(), 3);
    l.remove();
    EXPECT_EQ(elems(l), (std::vector<int>{1}));
    EXPECT_EQ(l.undefined(), 1);
    EXPECT_EQ(l.before_link(), nullptr);

    intcoSList m{1, 2, 3};
    ++m;
    m.remove();
    EXPECT_EQ(elems(m), (std::vector<int>{2, 3}));
    EXPECT_EQ(m(), 2);
    EXPECT_EQ(m.before_link(), m.head_link());
    EXPECT_EQ(m.insert_before(0), 1);
    EXPECT_EQ(elems(m), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(m(), 2);
    EXPECT_EQ(m.before_link(), m.head_link()->next());
    EXPECT_EQ(--m, 1);
    EXPECT_EQ(m(), 0);

    // Undefined cursor: insert_after puts first, insert_before puts last.
    intcoSList u{5};
    EXPECT_EQ(u.insert_after(4), 1);
    EXPECT_EQ(u.insert_before(6), 1);
    EXPECT_EQ(elems(u), (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(u.undefined(), 1);
    // In the middle: the cursor stays; before stays true.
    u += 2;
    EXPECT_EQ(u.insert_after(7), 1);
    EXPECT_EQ(u.insert_before(8), 1);
    EXPECT_EQ(elems(u), (std::vector<int>{4, 8, 5, 7, 6}));
    EXPECT_EQ(u(), 5);
    EXPECT_EQ(u.before_link()->read(), 8);
    // A cursor on the last element appends after it.
    u += 2;
    EXPECT_EQ(u.insert_after(9), 1);
    EXPECT_EQ(u.last_item(), 9);
    EXPECT_EQ(u(), 6);
    // The cursor's end removals clear a before they took away.
    intcoSList v{1, 2, 3};
    v += 2;
    v.remove_first();
    EXPECT_EQ(v.before_link(), nullptr);
    EXPECT_EQ(v(), 2);
    v.insert_first(0);
    v.remove_last(); // not under the cursor
    EXPECT_EQ(elems(v), (std::vector<int>{0, 2}));
    EXPECT_EQ(v(), 2);
    EXPECT_EQ(v.before_link()->read(), 0);
    v.remove_last(); // under the cursor: it becomes undefined
    EXPECT_EQ(v.undefined(), 1);
    v.insert_last(2);
    ++v;
    v.insert_first(-1); // on the first element: through insert_before
    EXPECT_EQ(v(), 0);
    EXPECT_EQ(v.before_link(), v.head_link()->next());
    v.remove_first(); // not under the cursor
    EXPECT_EQ(v.before_link(), nullptr);
    EXPECT_EQ(v(), 0);
    v.remove_first(); // under the cursor
    EXPECT_EQ(v(), 2);

    // A copy's cursor is bound to the copy.
    intcoSList w(utCOPY, v);
    ++w;
    w.remove();
    EXPECT_EQ(w.size(), 0);
    EXPECT_EQ(v.size(), 1);
}

// The model: a std::list and the cursor's index (-1: undefined).
TEST(SList, CursorModel) {
    std::mt19937 rng(11);
    intcoSList l;
    std::list<int> m;
    int pos = -1;
    int next_value = 0;
    auto at = [&](int i) { return *std::next(m.begin(), i); };
    for (int step = 0; step < 6000; ++step) {
        int n = static_cast<int>(m.size());
        int op = static_cast<int>(rng() % 11);
        int x = next_value++;
        switch (op) {
        case 0: {
            int r = ++l;
            pos = pos == -1 ? (n ? 0 : -1) : (pos + 1 < n ? pos + 1 : -1);
            ASSERT_EQ(r, pos != -1);
            break;
        }
        case 1: {
            int r = --l;
            pos = pos == -1 ? n - 1 : pos - 1;
            ASSERT_EQ(r, pos != -1);
            break;
        }
        case 2:
            ASSERT_EQ(l.insert_after(x), 1);
            m.insert(std::next(m.begin(), pos == -1 ? 0 : pos + 1), x);
            break;
        case 3:
            ASSERT_EQ(l.insert_before(x), 1);
            if (pos == -1) {
                m.push_back(x);
            } else {
                m.insert(std::next(m.begin(), pos), x);
                ++pos;
            }
            break;
        case 4:
            ASSERT_EQ(l.insert_first(x), 1);
            m.push_front(x);
            if (pos != -1) ++pos;
            break;
        case 5:
            ASSERT_EQ(l.insert_last(x), 1);
            m.push_back(x);
            break;
        case 6:
        case 7:
            if (pos == -1) break;
            l.remove();
            m.erase(std::next(m.begin(), pos));
            if (pos == n - 1) pos = -1;
            break;
        case 8:
            if (n == 0) break;
            l.remove_first();
            m.pop_front();
            if (pos == 0 && n == 1)
                pos = -1;
            else if (pos > 0)
                --pos;
            break;
        case 9:
            if (n == 0) break;
            l.remove_last();
            m.pop_back();
            if (pos == n - 1) pos = -1;
            break;
        case 10: {
            int k = static_cast<int>(rng() % 4);
            int r = l += k;
            int ok = 1;
            for (int i = 0; i < k && ok; ++i) {
                pos = pos == -1 ? (n ? 0 : -1) : (pos + 1 < n ? pos + 1 : -1);
                ok = pos != -1;
            }
            ASSERT_EQ(r, ok);
            break;
        }
        }
        ASSERT_EQ(elems(l), std::vector<int>(m.begin(), m.end())) << step;
        check_ring(l);
        ASSERT_EQ(l.undefined(), pos == -1) << step;
        if (pos != -1) {
            ASSERT_EQ(l(), at(pos)) << step;
        }
        if (l.before_link()) {
            ASSERT_EQ(l.before_link()->next(), l.current_link()) << step;
        }
    }
}

TEST(SList, Prints) {
    std::ostringstream os;
    intcoSListB e;
    os << e;
    EXPECT_EQ(os.str(), "{\n  size 0\n}\n");
    os.str("");
    intcoSList l{1, 2, 3};
    os << l;
    EXPECT_EQ(os.str(), "coSList {\n  size 3\n  1\n  2\n  3\n}\n");
    os.str("");
    charcoSListB c{'x'};
    doublecoSList d{2.5};
    utAnycoSListB p{nullptr};
    utStringcoSList s{"a", "b"};
    os << c << d << p << s;
    EXPECT_EQ(os.str(),
              "{\n  size 1\n  x\n}\ncoSList {\n  size 1\n  2.5\n}\n{\n  size 1\n  0x0\n}\n"
              "coSList {\n  size 2\n  a\n  b\n}\n");
}

TEST(SList, StringsAreSharedAndReleased) {
    utString a("text");
    {
        utStringcoSListB l{a, a};
        EXPECT_EQ(a.ref().use_count(), 3);
        utStringcoSListB m(utCOPY, l);
        EXPECT_EQ(a.ref().use_count(), 5);
        m.remove_last();
        EXPECT_EQ(a.ref().use_count(), 4);
    }
    EXPECT_EQ(a.ref().use_count(), 1);
}

#if COLIB_HARDENED
TEST(SListDeath, OutOfContractUse) {
    intcoSListB e;
    EXPECT_DEATH(e.remove_first(), "colib: intcoSListB::remove_first: empty list");
    EXPECT_DEATH(e.remove_last(), "colib: intcoSListB::remove_last: empty list");
    intcoSListBcoIterator it(&e);
    EXPECT_DEATH(it(), "colib: intcoSListBcoIterator::operator\\(\\): undefined walker");
    intcoSListBcoCursor cu(&e);
    EXPECT_DEATH(cu(), "colib: intcoSListBcoCursor::operator\\(\\): undefined cursor");
    EXPECT_DEATH(cu.remove(), "colib: intcoSListBcoCursor::remove: undefined cursor");
    EXPECT_DEATH(cu.remove_first(), "colib: intcoSListBcoCursor::remove_first: empty list");
    EXPECT_DEATH(cu.remove_last(), "colib: intcoSListBcoCursor::remove_last: empty list");
    utStringcoSList s;
    EXPECT_DEATH(s.remove(), "colib: utStringcoSListBcoCursor::remove: undefined cursor");
    EXPECT_DEATH(s.first_item(), "colib: utStringcoSListB::first_item: empty list");
}
#endif

} // namespace
