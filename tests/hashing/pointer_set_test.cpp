#include <colib/hashing/pointer_set.h>
#include <gtest/gtest.h>

namespace {

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

    voidcoPointerSet x{&a, &b, &c}, y{&c, &a, &b};
    EXPECT_EQ(x == y, 1);
    EXPECT_EQ(x <= y, 1);
    EXPECT_EQ(x >= y, 1);
    voidcoPointerSet z{&a, &b};
    EXPECT_EQ(z == x, 0);
    EXPECT_EQ(z <= x, 1);
    EXPECT_EQ(z >= x, 0);
    EXPECT_EQ(x >= z, 1);

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

} // namespace
