// Allocation failure in the hash sets and tables: the insertion that needs
// a table (the first one, or the doubled one) throws std::bad_alloc and the
// set is exactly as before it; copies and become leave their target as it
// was; nothing leaks.
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "alloc/legacy.h"

namespace {
using alloc_injector::for_each_throw;
using alloc_injector::Scope;
using HashingAlloc = alloc_injector::NoLeaks;

template <class S> struct Snapshot {
    explicit Snapshot(const S &s)
        : elems(s.begin(), s.end()), size(s.size()), slots(s.slot_count()), hash(s.hash()) {}
    bool operator==(const Snapshot &o) const {
        return elems == o.elems && size == o.size && slots == o.slots && hash == o.hash;
    }
    std::vector<typename S::value_type> elems;
    int size, slots;
    unsigned hash;
};

template <class Op> bool throws_bad_alloc(Op op) {
    return !alloc_injector::completes(op);
}

TEST_F(HashingAlloc, FailedGrowthLeavesTheSetAsBeforeTheInsertion) {
    utStringcoSet s(4, 50);
    for (int i = 0; i < 7; ++i)
        s.add(utString(std::to_string(i).c_str()));
    Snapshot<utStringcoSet> snap(s);
    utString eighth("8th");
    int runs = for_each_throw([&] { s.add(eighth); },
                              [&] { EXPECT_TRUE(Snapshot<utStringcoSet>(s) == snap); });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(s.slot_count(), 32);
    EXPECT_EQ(s.member(eighth), 1);

    // The untyped path takes the element out again the same way.
    intcoSet t(4, 50);
    for (int i = 0; i < 7; ++i)
        t.add(i);
    Snapshot<intcoSet> tsnap(t);
    int eight = 8;
    basecoSet &generic = t;
    {
        Scope fail(1);
        EXPECT_TRUE(throws_bad_alloc([&] { generic.add(&eight); }));
    }
    EXPECT_TRUE(Snapshot<intcoSet>(t) == tsnap);
    EXPECT_EQ(t.member(8), 0);
}

TEST_F(HashingAlloc, FirstInsertionWithoutStorage) {
    doublecoSet s(4, 50);
    {
        Scope fail(1);
        EXPECT_TRUE(throws_bad_alloc([&] { s.add(1.5); }));
    }
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.hash(), 0u);
    EXPECT_EQ(s.begin(), s.end());
    s.add(1.5);
    EXPECT_EQ(s.size(), 1);

    intintcoTable t(4, 50);
    {
        Scope fail(1);
        EXPECT_TRUE(throws_bad_alloc([&] { t[3] = 4; }));
    }
    EXPECT_EQ(t.size(), 0);
    EXPECT_EQ(t.read(3), 0);
}

TEST_F(HashingAlloc, TableGrowthAndCopies) {
    utStringintcoTable t(4, 50);
    for (int i = 0; i < 7; ++i)
        t[utString(std::to_string(i).c_str())] = i;
    Snapshot<utStringintcoTablePcoSet> snap(t.pairs());
    utString fresh("new");
    int runs =
        for_each_throw([&] { t[fresh] = 1; },
                       [&] { EXPECT_TRUE(Snapshot<utStringintcoTablePcoSet>(t.pairs()) == snap); });
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(t.read(fresh), 1);
    t.remove(fresh);

    utStringintcoTable other{{"x", 1}};
    {
        Scope fail(1);
        EXPECT_TRUE(throws_bad_alloc([&] { other.become(utCOPY, t); }));
    }
    EXPECT_EQ(other.size(), 1);
    EXPECT_EQ(other.read("x"), 1);

    intcoSet a{1, 2, 3}, big(7, 50);
    big.add(9);
    Snapshot<intcoSet> asnap(a);
    {
        Scope fail(1);
        EXPECT_TRUE(throws_bad_alloc([&] { a += big; }));
    }
    EXPECT_TRUE(Snapshot<intcoSet>(a) == asnap);

    for_each_throw(
        [&] {
            utStringintcoTable copy(utCOPY, t);
            utStringcoSet list{"p", "q", "r"};
        },
        [] {});
}

// A rebuild that grows again while re-adding makes one table per size;
// whichever of them fails, the set is as before and nothing leaks.
TEST_F(HashingAlloc, GrowthInsideARebuild) {
    intcoSet s(0, 50);
    Snapshot<intcoSet> empty(s);
    int runs =
        for_each_throw([&] { s.add(7); }, [&] { EXPECT_TRUE(Snapshot<intcoSet>(s) == empty); });
    EXPECT_GE(runs, 2); // the first table, then the rebuilds
    EXPECT_EQ(s.bits(), 2);

    intcoSet a(4, 50), b(6, 50); // a union sizes the table first
    for (int i = 0; i < 5; ++i)
        a.add(i);
    Snapshot<intcoSet> before(a);
    for_each_throw([&] { a += b; }, [&] { EXPECT_TRUE(Snapshot<intcoSet>(a) == before); });
    EXPECT_EQ(a.bits(), 6);
}

// Looking texts up allocates nothing; ++t[word] allocates only for a new
// word (its key text, and the table on the first word).
TEST_F(HashingAlloc, TextLookupsDoNotAllocate) {
    utStringintcoTable t(4, 50);
    utStringcoSet s(4, 50);
    ++t["alpha"];
    s.add(utString("alpha"));
    std::string word = "alpha";
    long before = alloc_injector::total();
    for (int i = 0; i < 10; ++i) {
        ++t[std::string_view(word)];
        ++t[word.c_str()];
        EXPECT_EQ(t.read(word), 1 + 2 * (i + 1));
        EXPECT_EQ(t.member("beta"), 0);
        EXPECT_EQ(s.member(word), 1);
        EXPECT_FALSE(s.find("alpha").invalid());
        EXPECT_EQ(t.remove("gamma") + s.remove(std::string_view("gamma")).length(), 0);
    }
    EXPECT_EQ(alloc_injector::total(), before);
    ++t["beta"];
    EXPECT_EQ(alloc_injector::total(), before + 1);
}

} // namespace
