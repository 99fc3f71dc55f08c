#include "lists/list_model.h"
#include "support/values.h"

#include <type_traits>

namespace {
using namespace colib_test;

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

// Where a walker stands: its index and element (0 when undefined).
template <class It> std::vector<int> at(const It &it) {
    return {it.index(), it.undefined() ? 0 : it()};
}
using At = std::vector<int>;

TEST(DList, IndexedWalking) {
    intcoDList l{10, 20, 30};
    intcoDListBcoIterator it(&l);
    EXPECT_EQ(at(it), (At{-1, 0}));
    EXPECT_EQ(--it, 1);
    EXPECT_EQ(at(it), (At{2, 30}));
    it.set_index(0);
    EXPECT_EQ(--it, 0);
    EXPECT_EQ(at(it), (At{-1, 0}));
    it.set_index(5);
    EXPECT_EQ(at(it), (At{-1, 0}));
    EXPECT_EQ(it += 0, 1);
    EXPECT_EQ(it += -1, 1);
    EXPECT_EQ(at(it), (At{-1, 0}));
    EXPECT_EQ(it += 2, 1);
    EXPECT_EQ(at(it), (At{1, 20}));
    EXPECT_EQ(it += 2, 0);
    EXPECT_EQ(at(it), (At{-1, 0}));
    EXPECT_EQ(it -= 3, 1);
    EXPECT_EQ(at(it), (At{0, 10}));
    EXPECT_EQ(it.size(), 3);

    // Equality: undefined walkers of different lists are equal.
    intcoDList other{1};
    intcoDListBcoIteratorB a(&l), b(&other), c(&l);
    EXPECT_TRUE(a == b);
    ++a;
    EXPECT_TRUE(a != b);
    ++c;
    EXPECT_TRUE(a == c);
    EXPECT_EQ(a -= 1, 0);
    EXPECT_TRUE(a.undefined());

    intcoDListB empty;
    intcoDListBcoIterator e(&empty);
    EXPECT_EQ(++e + --e, 0);
    EXPECT_EQ(e.index(), -1);
}

// Copies of a list with a built-in cursor go through utCopy or become.
static_assert(!std::is_copy_constructible_v<intcoDList>);
static_assert(!std::is_copy_assignable_v<intcoDList>);
static_assert(std::is_copy_constructible_v<intcoDListB>);

TEST(DList, BecomeAndPrinting) {
    intcoDList a{1, 2, 3};
    a.forwards();
    a.become(utCOPY, a); // from itself: the cursor stays
    EXPECT_EQ(a.read(), 1);
    EXPECT_EQ(a.index(), 0);
    intcoDList b{7};
    a.become(utCOPY, b);
    EXPECT_TRUE(a.undefined());
    intcoDList c(utCOPY, a);
    c.forwards();
    c.insert_before(6);
    EXPECT_EQ(walk(c), (std::vector<int>{6, 7}));
    EXPECT_EQ(elems(std::as_const(c)), (std::vector<int>{6, 7}));
    EXPECT_EQ(walk(a), std::vector<int>{7});

    EXPECT_EQ(printed(intcoDListB()), "{\n  size 0\n}\n");
    EXPECT_EQ(printed(intcoDList{1, 2}), "coDList {\n  size 2\n  1\n  2\n}\n");
    utStringcoDListB s;
    s.insert_last("x");
    EXPECT_EQ(printed(s), "{\n  size 1\n  x\n}\n");
    EXPECT_EQ(printed(charcoDList{'a'}), "coDList {\n  size 1\n  a\n}\n");
}

TEST(DList, TreeMemberHoldsPointers) {
    coTreecoDListPtrcoPtrcoDList l;
    coTree *p = reinterpret_cast<coTree *>(&l);
    EXPECT_EQ(l.insert_last(p), 1);
    EXPECT_EQ(l.insert_last(nullptr), 1);
    coTreecoDListPtrcoPtrcoDListcoIterator it(&l);
    EXPECT_EQ(++it, 1);
    EXPECT_EQ(it(), p);
    l.set_index(1);
    l.remove_backwards();
    EXPECT_EQ(l.read(), p);
    l.reset();
    l.insert_before(nullptr);
    EXPECT_EQ(walk(l), (std::vector<coTree *>{p, nullptr}));
}

TEST(DListDeath, OutOfContractUseAborts) {
    intcoDListB e;
    intcoDListBcoIterator it(&e);
    intcoDListBcoCursor cu(&e);
    intcoDList l;
    expect_deaths("", {{[&] { e.remove_first(); }, "intcoDListB::remove_first: empty list"},
                       {[&] { it(); }, "intcoDListBcoIterator::operator\\(\\): undefined walker"},
                       {[&] { cu.remove(); }, "intcoDListBcoCursor::remove: undefined cursor"},
                       {[&] { cu.remove_last(); }, "intcoDListBcoCursor::remove_last: empty"},
                       {[&] { l.read(); }, "intcoDList::read: undefined cursor"}});
}

// Reaches the slot ids the paged list keeps to itself.
struct Slots : intcoPageDList {
    using intcoPageDList::intcoPageDList;
    int slot_of(int position) {
        int i = first_id();
        while (position-- > 0)
            i = link(i).next();
        return i;
    }
};

TEST(PageDList, SlotsAreReusedLastFreedFirst) {
    EXPECT_EQ(sizeof(intcoPageDLink), 12u);
    EXPECT_EQ(sizeof(doublecoPageDLink), 16u);
    Slots l;
    for (int x : {1, 2, 3})
        l.insert_last(x);
    l.set_index(1);
    l.remove();
    EXPECT_EQ(l.read(), 3);
    EXPECT_EQ(l.free_head_id(), 1);
    l.insert_last(4);
    EXPECT_EQ(walk(l), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(l.slot_of(2), 1);
    EXPECT_EQ(l.slot_count(), 3);

    // clear(0): slots 0, 1, 2 come back in that order; clear(1) gives the
    // pages back.
    l.clear(0);
    EXPECT_TRUE(l.undefined());
    EXPECT_EQ(walk(l), std::vector<int>{});
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

TEST(PageDList, SubscriptAndWalkers) {
    intcoPageDList l;
    for (int x : {10, 20, 30})
        l.insert_last(x);
    EXPECT_EQ(l[2], 30); // moves the cursor
    EXPECT_EQ(l.index(), 2);
    EXPECT_EQ(l.forwards(), 0);
    EXPECT_EQ(l[0], 10);
    EXPECT_EQ(l.backwards(), 0);

    // += and -= make at least one step.
    intcoPageDListcoIterator it(&l);
    EXPECT_EQ(it += 0, 1);
    EXPECT_EQ(at(it), (At{0, 10}));
    EXPECT_EQ(it += 2, 1);
    EXPECT_EQ(at(it), (At{2, 30}));
    EXPECT_EQ(it += 0, 0);
    EXPECT_EQ(at(it), (At{-1, 0}));
    EXPECT_EQ(it -= -5, 1);
    EXPECT_EQ(at(it), (At{2, 30}));
    EXPECT_EQ(it -= 5, 0);
    EXPECT_EQ(at(it), (At{-1, 0}));
    EXPECT_EQ(it.size(), 3);
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
    EXPECT_EQ(walk(b), (std::vector<double>{0.5, 1.5, 2.5}));
    EXPECT_EQ(walk(a), (std::vector<double>{1.5, 2.5}));
    a.become(utCOPY, a);
    EXPECT_EQ(a.read(), 1.5);
    a.become(utCOPY, b);
    EXPECT_TRUE(a.undefined());
    EXPECT_EQ(walk(a), (std::vector<double>{0.5, 1.5, 2.5}));

    intcoPageDList p;
    p.insert_last(1);
    p.insert_last(2);
    p.set_index(1);
    EXPECT_EQ(printed(p), "coPageDList {\n  size 2\n  1\n  2\n}\n");
    EXPECT_EQ(p.read(), 2); // printing does not move the cursor
    EXPECT_EQ(printed(p.link(0)), "1\n");
}

TEST(PageDListDeath, OutOfContractUseAborts) {
    intcoPageDList l, one;
    one.insert_last(1);
    intcoPageDListcoIterator it(&one);
    expect_deaths("intcoPageDList",
                  {{[&] { l.remove_first(); }, "::remove_first: empty list"},
                   {[&] { l.remove(); }, "::remove: undefined cursor"},
                   {[&] { l.read(); }, "::read: undefined cursor"},
                   {[&] { one[1]; }, "::operator\\[\\]: index 1 out of range \\[0, 1\\)"},
                   {[&] { it(); }, "coIterator::operator\\(\\): undefined walker"}});
}

} // namespace
