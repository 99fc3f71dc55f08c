#include <colib/lists/stack_queue.h>

#include "lists/list_model.h"
#include "support/values.h"

#include <type_traits>

namespace {
using namespace colib_test;

template <class L, class It> void walk_round_the_ring() {
    using T = typename L::value_type;
    L l;
    It it(&l);
    EXPECT_EQ(it.undefined(), 1);
    EXPECT_EQ(it.last(), 1);
    EXPECT_EQ(++it, 0);
    EXPECT_EQ(it.undefined(), 1);
    l.insert_last(value<T>(1));
    l.insert_last(value<T>(2));
    EXPECT_EQ(l.first_item(), value<T>(1));
    EXPECT_EQ(l.last_item(), value<T>(2));
    EXPECT_EQ(it.last(), 0);
    std::vector<T> seen;
    while (++it)
        seen.push_back(it());
    EXPECT_EQ(seen, walk(l));
    EXPECT_EQ(it.undefined(), 1);
    EXPECT_EQ(++it, 1); // and round again
    EXPECT_EQ(it(), value<T>(1));
    ++it;
    EXPECT_EQ(it.last(), 1);
    EXPECT_EQ(&it(), &l.last_item()); // the element itself, read-only
    it.reset();
    EXPECT_EQ(it.undefined(), 1);
}

TEST(SList, IteratorWalksRoundTheRing) {
    walk_round_the_ring<intcoSListB, intcoSListBcoIterator>();
    walk_round_the_ring<doublecoSListB, doublecoSListBcoIterator>();
    walk_round_the_ring<utStringcoSListB, utStringcoSListBcoIterator>();
}

// The cursor remembers its element's predecessor (before) where it can.
TEST(SList, CursorKeepsItsPredecessor) {
    intcoSList l{1, 2, 3};
    EXPECT_EQ(--l, 1);
    EXPECT_EQ(l(), 3);
    EXPECT_EQ(l.before_link(), nullptr); // not known walking backwards
    l.reset();
    EXPECT_EQ(l += 2, 1);
    EXPECT_EQ(l.before_link(), l.head_link()->next());
    l.reset();
    EXPECT_EQ(l += 4, 0);
    EXPECT_EQ(l += 0, 1);
    EXPECT_EQ(l.undefined(), 1);

    intcoSList m{1, 2, 3};
    ++m;
    m.remove();
    EXPECT_EQ(m.before_link(), m.head_link());
    EXPECT_EQ(m.insert_before(0), 1);
    EXPECT_EQ(m.before_link(), m.head_link()->next());
    m += 1;
    EXPECT_EQ(m.insert_after(7), 1);
    EXPECT_EQ(m.insert_before(8), 1);
    EXPECT_EQ(walk(m), (std::vector<int>{0, 2, 8, 3, 7}));
    EXPECT_EQ(m.before_link()->read(), 8);

    // End removals clear a before they took away.
    intcoSList v{1, 2, 3};
    v += 2;
    v.remove_first();
    EXPECT_EQ(v.before_link(), nullptr);
    v.insert_first(0);
    v.remove_last(); // not under the cursor
    EXPECT_EQ(v.before_link()->read(), 0);
    v.reset();
    ++v;
    v.insert_first(-1); // on the first element: through insert_before
    EXPECT_EQ(v(), 0);
    EXPECT_EQ(v.before_link(), v.head_link()->next());
    v.remove_first(); // not under the cursor
    EXPECT_EQ(v.before_link(), nullptr);

    // A copy's cursor is bound to the copy.
    intcoSList w(utCOPY, v), x;
    x = v;
    ++w;
    w.remove();
    ++x;
    x.remove();
    EXPECT_EQ(w.size() + x.size(), 2);
    EXPECT_EQ(walk(v), (std::vector<int>{0, 2}));
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

// The internal lists are types of their own.
static_assert(!std::is_same<intcoStackINTERNALcoSListB, intcoQueueINTERNALcoSListB>::value, "");
static_assert(!std::is_base_of<intcoSListB, intcoStackINTERNALcoSListB>::value, "");
static_assert(std::is_base_of<intcoStackINTERNALcoSListBcoIterator,
                              intcoStackINTERNALcoSListBcoCursor>::value,
              "");

TEST(StackQueue, LastInFirstOutAndFirstInFirstOut) {
    intcoStack s{1, 2, 3};
    EXPECT_EQ(s.size(), 3);
    EXPECT_EQ(s.top(), 3);
    s.pop();
    EXPECT_EQ(s.push(9), 1);
    intcoStack t(utCOPY, s);
    s.clear();
    EXPECT_EQ(s.empty(), 1);
    EXPECT_EQ(s.push(4), 1);
    EXPECT_EQ(&s.list().first_item(), &s.list().last_item());
    s.become(utCOPY, t);
    EXPECT_EQ(walk(s.list()), (std::vector<int>{9, 2, 1}));

    utStringcoQueue q{"a", "b"};
    EXPECT_EQ(q.head(), utString("a"));
    EXPECT_EQ(q.tail(), utString("b"));
    EXPECT_EQ(q.append("c"), 1);
    EXPECT_EQ(q.push("d"), 1);
    q.pop();
    EXPECT_EQ(q.head(), utString("b"));
    EXPECT_EQ(q.tail(), utString("d"));
    EXPECT_EQ(q.size(), 3);
    utStringcoQueue r = q;
    q.pop();
    EXPECT_EQ(r.head(), utString("b"));
}

TEST(SList, PrintsAsDoTheStacksAndQueues) {
    EXPECT_EQ(printed(intcoSListB()), "{\n  size 0\n}\n");
    EXPECT_EQ(printed(intcoSList{1, 2, 3}), "coSList {\n  size 3\n  1\n  2\n  3\n}\n");
    EXPECT_EQ(printed(charcoSListB{'x'}), "{\n  size 1\n  x\n}\n");
    EXPECT_EQ(printed(doublecoSList{2.5}), "coSList {\n  size 1\n  2.5\n}\n");
    EXPECT_EQ(printed(utAnycoSListB{nullptr}), "{\n  size 1\n  0x0\n}\n");
    EXPECT_EQ(printed(utStringcoSList{"a", "b"}), "coSList {\n  size 2\n  a\n  b\n}\n");

    intcoQueue q{1, 2, 3};
    EXPECT_EQ(printed(intcoStack{1, 2, 3}), "coStack\n{\n  size 3\n  3\n  2\n  1\n}\n");
    EXPECT_EQ(printed(q), "coQueue \n{\n  size 3\n  1\n  2\n  3\n}\n");
    EXPECT_EQ(printed(q.list()), "{\n  size 3\n  1\n  2\n  3\n}\n");
    EXPECT_EQ(printed(charcoStack{'a'}), "coStack\n{\n  size 1\n  a\n}\n");
    EXPECT_EQ(printed(doublecoQueue{0.25}), "coQueue \n{\n  size 1\n  0.25\n}\n");
    EXPECT_EQ(printed(utAnycoStack{nullptr}), "coStack\n{\n  size 1\n  0x0\n}\n");
}

TEST(SListDeath, OutOfContractUseAborts) {
    intcoSListB e;
    intcoSListBcoIterator it(&e);
    intcoSListBcoCursor cu(&e);
    utStringcoSList s;
    intcoStack st;
    doublecoQueue q;
    expect_deaths("", {{[&] { e.remove_first(); }, "intcoSListB::remove_first: empty list"},
                       {[&] { it(); }, "intcoSListBcoIterator::operator\\(\\): undefined walker"},
                       {[&] { cu.remove(); }, "intcoSListBcoCursor::remove: undefined cursor"},
                       {[&] { cu.remove_last(); }, "intcoSListBcoCursor::remove_last: empty"},
                       {[&] { s.first_item(); }, "utStringcoSListB::first_item: empty list"},
                       {[&] { st.pop(); }, "intcoStack::pop: empty stack"},
                       {[&] { q.head(); }, "doublecoQueue::head: empty queue"}});
}

} // namespace
