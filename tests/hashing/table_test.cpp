#include <colib/hashing/table.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <string>

namespace {
using colib_test::printed;

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
