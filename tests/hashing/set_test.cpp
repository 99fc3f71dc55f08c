#include <colib/hashing/pointer_set.h>
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace {
using colib_test::elems;
using colib_test::printed;

// A set member and its iterator class.
template <class S, class It> struct Member {
    using Set = S;
    using Iter = It;
    static auto val(int i) { return colib_test::value<typename S::value_type>(i); }
};
template <class M> class SetTest : public ::testing::Test {};
using Sets = ::testing::Types<Member<intcoSet, intcoSetcoIterator>,
                              Member<doublecoSet, doublecoSetcoIterator>,
                              Member<utStringcoSet, utStringcoSetcoIterator>>;
TYPED_TEST_SUITE(SetTest, Sets, );

// a <= b and b <= a; for the pointer sets, ==, <= and >=.
template <class S> std::vector<int> relations(const S &a, const S &b) {
    return {a <= b, b <= a};
}
std::vector<int> relations(const voidcoPointerSet &a, const voidcoPointerSet &b) {
    return {a == b, a <= b, a >= b};
}

TYPED_TEST(SetTest, AddFindRemoveGrowthAndNil) {
    using S = typename TypeParam::Set;
    auto v = [](int i) { return TypeParam::val(i); };
    S s(4, 50);
    EXPECT_EQ(s.empty(), 1);
    EXPECT_EQ(s.slot_count(), 16);
    EXPECT_TRUE(s.find(v(1)) == S::nil());
    EXPECT_TRUE(s.remove_any() == S::nil());
    EXPECT_EQ(printed(s), "coSet {\n  size 0\n}\n");
    EXPECT_TRUE(s.add(v(1)) == S::nil());
    EXPECT_TRUE(s.add(v(1)) == v(1)); // the stored element comes back
    EXPECT_EQ(s.size(), 1);
    unsigned h = s.hash();
    EXPECT_TRUE(s.add(S::nil()) == S::nil()); // never stored
    EXPECT_EQ(s.size(), 1);
    EXPECT_EQ(s.hash(), h);
    EXPECT_EQ(s.member(S::nil()), 0);
    EXPECT_TRUE(s.remove(S::nil()) == S::nil());

    for (int i = 2; i <= 7; ++i)
        s.add(v(i));
    EXPECT_EQ(s.slot_count(), 16);
    s.add(v(8)); // the 8th element doubles the table
    EXPECT_EQ(s.slot_count(), 32);
    for (int i = 9; i <= 16; ++i)
        s.add(v(i));
    EXPECT_EQ(s.slot_count(), 64);
    for (int i = 1; i <= 16; ++i)
        EXPECT_EQ(s.member(v(i)), 1) << i;
    EXPECT_TRUE(s.remove(v(5)) == v(5));
    EXPECT_TRUE(s.remove(v(5)) == S::nil());
    EXPECT_EQ(s.size(), 15);
    EXPECT_EQ(s.slot_count(), 64); // never shrinks on removal
    EXPECT_EQ(elems(s).size(), 15u);

    s.clear(0);
    EXPECT_EQ(s.size() + s.hash(), 0u);
    EXPECT_EQ(s.slot_count(), 64);
    EXPECT_TRUE(elems(s).empty());
    s.add(v(1));
    s.clear(1);
    EXPECT_EQ(s.slot_count(), 16);
    EXPECT_EQ(s.member(v(1)), 0);
}

TYPED_TEST(SetTest, CopiesKeepSlotPositionsAndAreIndependent) {
    using S = typename TypeParam::Set;
    S a(3, 70);
    for (int i = 0; i < 9; ++i)
        a.add(TypeParam::val(i));
    S b(utCOPY, a);
    EXPECT_EQ(elems(b), elems(a));
    EXPECT_EQ(b.slot_count(), a.slot_count());
    EXPECT_EQ(b.load_percent() * 10 + b.initial_bits(), 703);
    EXPECT_EQ(b.hash(), a.hash());
    b.remove(TypeParam::val(0));
    EXPECT_EQ(a.member(TypeParam::val(0)), 1);

    auto before = elems(a);
    a.become(utCOPY, a);
    S &alias = a;
    a = alias;
    EXPECT_EQ(elems(a), before);
    a.become(utCOPY, S(5, 50));
    EXPECT_EQ(a.size(), 0);
    EXPECT_EQ(a.slot_count(), 32);

    S moved(std::move(b));
    EXPECT_EQ(moved.size(), 8);
    EXPECT_EQ(b.size(), 0);
    b.add(TypeParam::val(1));
    EXPECT_EQ(b.size(), 1);
    b = std::move(moved);
    EXPECT_EQ(b.size() * 10 + moved.size(), 80);
    moved.add(TypeParam::val(1));
    EXPECT_EQ(moved.member(TypeParam::val(1)), 1);
}

TYPED_TEST(SetTest, Algebra) {
    using S = typename TypeParam::Set;
    auto v = [](int i) { return TypeParam::val(i); };
    S a{v(1), v(2), v(3)}, b{v(2), v(3), v(4), v(5)};
    EXPECT_EQ(S(4, 50) <= a, 1);
    EXPECT_EQ(relations(a, b), (std::vector<int>{0, 0}));
    S u(utCOPY, a);
    u += b;
    EXPECT_EQ(u.size(), 5);
    EXPECT_EQ(relations(a, u), (std::vector<int>{1, 0}));
    EXPECT_EQ(relations(b, u), (std::vector<int>{1, 0}));
    S d(utCOPY, a);
    d -= b;
    EXPECT_EQ(elems(d), std::vector<decltype(v(1))>{v(1)});
    S i(utCOPY, a);
    i *= b;
    EXPECT_EQ(i.size(), 2);
    EXPECT_EQ(i.member(v(2)) + i.member(v(3)), 2);
    EXPECT_EQ(i.hash(), co_hash(v(2)) ^ co_hash(v(3)));
    S j{v(3), v(2)};
    EXPECT_EQ(relations(i, j), (std::vector<int>{1, 1}));

    auto before = elems(a);
    S &same = a;
    a += same;
    a *= same;
    EXPECT_EQ(elems(a), before);
    a -= same;
    EXPECT_EQ(a.size() + a.hash(), 0u);

    S big(6, 50), small{v(1)};
    big.add(v(9));
    small += big;
    EXPECT_EQ(small.slot_count(), 64);
}

TYPED_TEST(SetTest, IteratorsWalkBothWays) {
    using S = typename TypeParam::Set;
    S s{TypeParam::val(1), TypeParam::val(2), TypeParam::val(3)};
    typename TypeParam::Iter it(&s);
    EXPECT_TRUE(it() == S::nil());
    std::vector<decltype(TypeParam::val(1))> fwd, back;
    while (++it)
        fwd.push_back(it());
    EXPECT_EQ(it.valid(), 0);
    EXPECT_TRUE(it() == S::nil());
    while (--it)
        back.insert(back.begin(), it());
    EXPECT_EQ(fwd, elems(s));
    EXPECT_EQ(back, fwd);
    EXPECT_EQ(++it, 1); // starts over from slot 0
    EXPECT_TRUE(it() == fwd.front());

    S empty(4, 50);
    typename TypeParam::Iter e(&empty);
    EXPECT_EQ(++e, 0);
    EXPECT_EQ(--e, 0);
}

TEST(IntSet, WorkedExampleOrderAndPrintout) {
    intcoSet s(4, 50);
    s.add(1);
    s.add(2);
    s.add(3);
    EXPECT_EQ(elems(s), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(printed(s), "coSet {\n  size 3\n  2\n  1\n  3\n}\n");
    intcoSet one{7};
    EXPECT_EQ(printed(one), "coSet {\n  size 1\n  7\n}\n");
    EXPECT_EQ(one.remove_any(), 7);
    EXPECT_EQ(one.size(), 0);
    EXPECT_EQ(intcoSet::nil(), -2147483648LL);
    EXPECT_EQ(doublecoSet::nil(), -1.7976931348623157e308);
    EXPECT_TRUE(utStringcoSet::nil().invalid());

    intcoSet d; // four bits and fifty percent; clear() gives the table back
    EXPECT_EQ(d.initial_bits() * 100 + d.load_percent(), 450);
    for (int i = 0; i < 8; ++i)
        d.add(i);
    d.clear();
    EXPECT_EQ(d.slot_count(), 16);
    EXPECT_EQ(utStringintcoTable().pairs().load_percent(), 50);
}

// Re-adding the elements during a rebuild counts them again, so a rebuild
// can reach the load limit of its own new size and must grow once more.
TEST(IntSet, GrowthContinuesInsideARebuild) {
    intcoSet zero(0, 50);
    zero.add(7); // 1 slot: 1 >= 0.5, rebuild at 1 bit; re-adding: 1 >= 1, 2 bits
    EXPECT_EQ(zero.bits(), 2);
    EXPECT_EQ(zero.member(7), 1);

    intcoSet s(2, 10);
    std::vector<int> bits;
    for (int i = 1; i <= 4; ++i) {
        s.add(i);
        bits.push_back(s.bits());
    }
    EXPECT_EQ(bits, (std::vector<int>{4, 5, 5, 6}));

    // The untyped engine path and a table grow the same way.
    intcoSet untyped(0, 50);
    int seven = 7;
    static_cast<basecoSet &>(untyped).add(&seven);
    EXPECT_EQ(untyped.bits(), 2);
    intintcoTable t(0, 50);
    t[7] = 1;
    EXPECT_EQ(t.pairs().bits(), 2);
}

// A union into a set without storage gives it the other's table size, and
// clear(0) keeps that table.
TEST(IntSet, UnionSizesATableWithoutStorage) {
    intcoSet a(4, 50), b(6, 50);
    a += b;
    EXPECT_EQ(a.bits(), 6);
    a.clear(0);
    a.add(3);
    a.add(37);
    EXPECT_EQ(a.bits(), 6);
    EXPECT_EQ(elems(a), (std::vector<int>{3, 37}));
    a.clear(1);
    EXPECT_EQ(a.bits(), 4);
}

// Removal where the chain wraps from slot 0 to the top: 10 and 31 have home
// 2, 13 and 34 home 0 (16 slots), so they sit at 2, 1, 0 and 15. Removing
// 10 moves 31 up; 13 and 34 must stay, 34 because walking up from slot 15
// wraps to its home 0 before the hole at 1.
TEST(IntSet, RemovalKeepsAWrappedChainReachable) {
    intcoSet s(4, 50);
    for (int k : {10, 31, 13, 34})
        s.add(k);
    auto slots = [](const intcoSet &set) {
        std::vector<std::pair<int, int>> at;
        intcoSetcoIterator it(&set);
        while (++it)
            at.emplace_back(it.index(), it());
        return at;
    };
    using At = std::vector<std::pair<int, int>>;
    EXPECT_EQ(slots(s), (At{{0, 13}, {1, 31}, {2, 10}, {15, 34}}));
    EXPECT_EQ(s.remove(10), 10);
    EXPECT_EQ(slots(s), (At{{0, 13}, {2, 31}, {15, 34}}));
    for (int k : {31, 13, 34})
        EXPECT_EQ(s.member(k), 1) << k;
    // Removing the chain's slot-0 member pulls the wrapped one down.
    EXPECT_EQ(s.remove(13), 13);
    EXPECT_EQ(slots(s), (At{{0, 34}, {2, 31}}));
    EXPECT_EQ(s.member(34), 1);
}

TEST(DoubleAndStringSets, EqualityIsTheElements) {
    doublecoSet s(4, 50);
    double nan = std::nan("");
    s.add(nan);
    s.add(nan);
    EXPECT_EQ(s.size(), 2);
    EXPECT_EQ(s.member(nan), 0);
    doublecoSet z(4, 50);
    z.add(0.0);
    z.add(-0.0);
    EXPECT_EQ(z.size(), 2); // equal, but homes 0 and 8
    EXPECT_EQ(z.member(0.0), 1);

    utStringcoSet t(4, 50);
    t.add(utString(""));
    t.add(utString());
    EXPECT_EQ(t.size(), 1);
    EXPECT_EQ(t.member(utString("")), 1);
    EXPECT_EQ(t.member(utString()), 0);
    EXPECT_EQ(printed(t), "coSet {\n  size 1\n\n}\n");
}

TEST(PointerSet, IdentityMembership) {
    int a = 0, b = 0, c = 0;
    voidcoPointerSet s;
    s.add(&a);
    s.add(&a);
    EXPECT_EQ(s.size(), 1);
    EXPECT_EQ(s.remove(&a), 1);
    EXPECT_EQ(s.remove(&a), 0);
    EXPECT_EQ(s.empty(), 1);
    s.add(nullptr);
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.member(nullptr), 0);

    voidcoPointerSet x{&a, &b, &c}, y{&c, &a, &b}, z{&a, &b};
    EXPECT_EQ(relations(x, y), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(relations(z, x), (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(relations(x, z), (std::vector<int>{0, 0, 1}));
    voidcoPointerSet u(z);
    u += voidcoPointerSet{&c};
    EXPECT_EQ(u == x, 1);
    u -= z;
    EXPECT_EQ(u == voidcoPointerSet{&c}, 1);
    x *= z;
    EXPECT_EQ(x == z, 1);
    x.clear(1);
    EXPECT_EQ(x.size(), 0);
}

TEST(PointerSet, AddressesWithEqualHashesAreToldApart) {
    auto *p = reinterpret_cast<coPointerSetObject *>(0x100000000ull);
    auto *q = reinterpret_cast<coPointerSetObject *>(0x1ull);
    EXPECT_EQ(co_hash(p), co_hash(q));
    coPointerSetPtrcoSet s(4, 50);
    EXPECT_EQ(s.add(p), nullptr);
    EXPECT_EQ(s.add(q), nullptr);
    EXPECT_EQ(s.size(), 2);
    EXPECT_EQ(s.find(q), q);
    EXPECT_EQ(s.remove(p), p);
    EXPECT_EQ(s.member(q), 1);
    EXPECT_EQ(s.remove_any(), q);
    EXPECT_EQ(s.remove_any(), nullptr);

    // Equal counts and hashes, different members.
    coPointerSetPtrcoSet a{p}, b{q};
    EXPECT_EQ(a == b, 0);
    coPointerSetPtrcoSetcoIterator it(&a);
    EXPECT_EQ(it(), nullptr);
    ++it;
    EXPECT_EQ(it(), p);
}

TEST(SetDeath, GeometryOutOfRange) {
    colib_test::expect_deaths(
        "",
        {{[] { intcoSet(4, 0); }, "intcoSet::constructor: load percent 0 outside 1..100"},
         {[] { utStringcoSet(31, 50); }, "utStringcoSet::constructor: initial bits 31"},
         {[] { intintcoTable(4, 200); }, "intintcoTablePcoSet::constructor: load percent 200"}});
}

TEST(Table, IndexReadRemoveAndTheNilKey) {
    intintcoTable t(4, 50);
    t[5] = 7;
    EXPECT_EQ(t.read(5), 7);
    EXPECT_EQ(t.read(6), 0);
    EXPECT_EQ(t.size(), 1); // read never inserts
    EXPECT_EQ(t[8], 0);     // operator[] does
    EXPECT_EQ(t.size(), 2);
    EXPECT_EQ(t.member(8), 1);
    EXPECT_EQ(t.remove(5), 1);
    EXPECT_EQ(t.remove(5), 0);
    EXPECT_EQ(t.read(5), 0);

    utStringintcoTable s(4, 50);
    s[utString()] = 9; // the nil key stores nothing
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.read(utString()), 0);
    EXPECT_EQ(s.read(utString("absent")), 0);
    EXPECT_EQ(s[utString()], 0); // the scratch value starts over
    intdoublecoTable d(4, 50);
    d[-2147483647 - 1] = 1.5;
    EXPECT_EQ(d.size(), 0);
    EXPECT_EQ(d.read(5), 0.0);
}

TEST(Table, ListsCopiesAndGrowth) {
    intintcoTable t{{1, 10}, {1, 20}}; // the first pair of a key stays
    EXPECT_EQ(t.size(), 1);
    EXPECT_EQ(t.read(1), 10);
    intintcoTablePcoSet pairs(utCOPY, t.pairs());
    EXPECT_EQ(pairs.add(intintcoTableP(1, 30)).get_obj(), 10);

    utStringutStringcoTable a(4, 50);
    a["k"] = "v";
    utStringutStringcoTable b(utCOPY, a);
    b["k"] = "w";
    EXPECT_EQ(a.read("k"), utString("v"));
    EXPECT_EQ(&b.become(utCOPY, a), &b);
    EXPECT_EQ(b.read("k"), utString("v"));
    b.become(utCOPY, b);
    EXPECT_EQ(b.size(), 1);

    utStringintcoTable g(4, 50);
    for (int i = 0; i < 8; ++i)
        g[utString(std::to_string(i).c_str())] = i * 10;
    EXPECT_EQ(g.pairs().slot_count(), 32);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(g.read(utString(std::to_string(i).c_str())), i * 10);
}

TEST(Table, IteratorsAndPrintouts) {
    intdoublecoTable t(4, 50);
    t[1] = 0.5;
    t[2] = 1.5;
    t[3] = 2.5;
    doubleintcoTablecoIterator2 it(&t);
    EXPECT_EQ(it.index(), -2147483647 - 1);
    EXPECT_EQ(it(), 0.0);
    std::string walk;
    while (++it)
        walk += std::to_string(it.index()) + "=" + std::to_string(it()) + " ";
    EXPECT_EQ(walk, "2=1.500000 1=0.500000 3=2.500000 ");
    int n = 0;
    for (const auto &p : t)
        n += p.get_key();
    EXPECT_EQ(n, 6);
    intdoublecoTablePcoSetcoIterator pit(&t.pairs());
    --pit;
    EXPECT_EQ(pit().get_key(), 3);
    utStringintcoTable s{{"a", 1}};
    intutStringcoTablecoIterator2 si(&s);
    ++si;
    EXPECT_EQ(si.index(), utString("a"));
    EXPECT_EQ(si(), 1);

    intintcoTable p(4, 50);
    p[1] = 2;
    EXPECT_EQ(printed(p), "coTable {\n  size 1\n  key: 1  item: 2\n}\n");
    utStringdoublecoTable u(4, 50);
    u["pi"] = 3.25;
    EXPECT_EQ(printed(u), "coTable {\n  size 1\n  key: pi  item: 3.25\n}\n");
    EXPECT_EQ(printed(intutStringcoTable(4, 50)), "coTable {\n  size 0\n}\n");
}

TEST(Table, PairsCompareAndHashByKey) {
    EXPECT_EQ(intintcoTableP(1, 2) == intintcoTableP(1, 3), 1);
    EXPECT_EQ(co_hash(utStringintcoTableP("ab", 1)), co_hash(utString("ab")));
    EXPECT_EQ(co_hash(intutStringcoTableP(7)), 7u);
    intintcoTableP nil;
    EXPECT_EQ(nil.get_key(), -2147483647 - 1);
    EXPECT_EQ(nil.get_obj(), 0);
    EXPECT_TRUE(utStringutStringcoTableP().get_key().invalid());
    EXPECT_EQ(utStringcoResourceKeyPtrcoTableP().get_obj(), nullptr);
    intintcoTablePcoSet s{{1, 1}, {2, 2}};
    EXPECT_EQ(s.remove(intintcoTableP(2)).get_obj(), 2);
    EXPECT_EQ(s.remove(intintcoTableP(2)).get_key(), -2147483647 - 1);

    // The resource-key table never owns its values.
    auto *key = reinterpret_cast<coResourceKeyBase *>(0x1000);
    auto *t = new utStringcoResourceKeyPtrcoTable(4, 50);
    EXPECT_EQ(t->empty(), 1);
    (*t)["size"] = key;
    EXPECT_EQ(t->member("size"), 1);
    EXPECT_EQ(t->read("size"), key);
    EXPECT_EQ(t->read("other"), nullptr);
    EXPECT_EQ(t->remove("size"), 1);
    (*t)["again"] = key;
    delete t; // must not touch the key
}

} // namespace
