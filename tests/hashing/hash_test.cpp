#include <colib/hashing/detail/probe.h>
#include <colib/hashing/hash.h>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

// A fixed table of 16 int slots whose hash is chosen per test (the key
// divided by 100 by default, so keys 100..199 share one hash).
class Table16 : public coHash {
public:
    std::vector<int> slots = std::vector<int>(16, INT_MIN);
    std::vector<int> sizes;
    unsigned (*hash_fn)(int) = [](int v) { return static_cast<unsigned>(v / 100); };
    int nil = INT_MIN;

    using coHash::add;
    using coHash::find;
    using coHash::member;
    using coHash::remove;
    using coHash::size;

    int slot_of(int v) const {
        for (int i = 0; i < 16; ++i)
            if (slots[i] == v) return i;
        return -1;
    }

protected:
    void *obj_nil() const override { return const_cast<int *>(&nil); }
    void obj_assign(void *const d, void *const s) const override {
        *static_cast<int *>(d) = *static_cast<int *>(s);
    }
    int obj_compare(void *const a, void *const b) const override {
        return *static_cast<int *>(a) != *static_cast<int *>(b);
    }
    unsigned obj_hash(void *const o) const override { return hash_fn(*static_cast<int *>(o)); }
    int arr_size(void *const) const override { return 4; }
    void arr_put_copy(void *const, void *const o, int i) override {
        slots[i] = *static_cast<int *>(o);
    }
    void *arr_get(void *const, int i) const override { return const_cast<int *>(&slots[i]); }
    void update_size(int n) override { sizes.push_back(n); }
};

TEST(Hash, HomeSlotsFollowFibonacciHashing) {
    const int home[] = {0, 9, 3, 13, 7, 1, 11, 5, 15};
    for (unsigned h = 0; h < 9; ++h)
        EXPECT_EQ(colib_detail::hash_home(h, 4), home[h]) << h;
    EXPECT_EQ(colib_detail::hash_home(0x80000000u, 4), 8);
    EXPECT_EQ(colib_detail::hash_home(12345, 0), 0);
    EXPECT_EQ(static_cast<std::uint32_t>(7u * 2654435769u), 0x5384540Fu);
}

TEST(Hash, ElementHashes) {
    unsigned char b[] = {1, 2, 3, 4, 5};
    EXPECT_EQ(co_hash(b, 4), 0x04030201u);
    EXPECT_EQ(co_hash(b, 5), 0x04030204u);
    EXPECT_EQ(co_hash(b, 0), 0u);
    EXPECT_EQ(co_hash(b, -3), 0u);
    EXPECT_EQ(co_hash(-7), static_cast<unsigned>(-7));
    EXPECT_EQ(co_hash(0.0), 0u);
    EXPECT_EQ(co_hash(-0.0), 0x80000000u);
    EXPECT_EQ(co_hash(1.0), 0x3FF00000u);
    EXPECT_EQ(co_hash(utString()), 0u);
    EXPECT_EQ(co_hash(utString("")), 0u);
    EXPECT_EQ(co_hash(utString("\x01\x02\x03\x04\x05")), 0x04030204u);
    EXPECT_EQ(co_hash_pointer(reinterpret_cast<void *>(0x100000000ull)), 1u);
    EXPECT_EQ(co_hash(reinterpret_cast<coPointerSetObject *>(0x1234567800000001ull)), 0x12345679u);
}

TEST(Hash, CollidingKeysFillTheChainDownwardAndWrap) {
    Table16 t; // keys 0..99 hash 0, home slot 0
    int keys[] = {1, 2, 3};
    for (int &k : keys)
        EXPECT_EQ(t.add(&k), nullptr);
    EXPECT_EQ(t.slot_of(1), 0);
    EXPECT_EQ(t.slot_of(2), 15);
    EXPECT_EQ(t.slot_of(3), 14);
    EXPECT_EQ(t.size(), 3);
    EXPECT_EQ(t.sizes, (std::vector<int>{1, 2, 3}));

    int again = 2;
    EXPECT_EQ(t.add(&again), &t.slots[15]);
    EXPECT_EQ(t.size(), 3);
    int nil = INT_MIN;
    EXPECT_EQ(t.add(&nil), nullptr);
    EXPECT_EQ(t.size(), 3);
    EXPECT_EQ(t.member(&nil), 0);

    int out = 42, absent = 4;
    EXPECT_EQ(t.remove(&absent, &out), 0);
    EXPECT_EQ(out, 42);
    int first = 1;
    EXPECT_EQ(t.remove(&first, &out), 1);
    EXPECT_EQ(out, 1);
    // 2 and 3 moved back one place each.
    EXPECT_EQ(t.slot_of(2), 0);
    EXPECT_EQ(t.slot_of(3), 15);
    EXPECT_EQ(t.slot_of(INT_MIN), 1);
    EXPECT_EQ(t.size(), 2);
    EXPECT_EQ(t.sizes.back(), 2);
}

// Keys are chosen by home slot: key / 100 is the hash, and the hashes
// 0..8 have the homes 0, 9, 3, 13, 7, 1, 11, 5, 15.
TEST(Hash, RemovalMovesLaterChainMembersBack) {
    int out = 0;
    {
        Table16 t;
        for (int k : {100, 101, 102, 400})
            t.add(&k); // 9, 8, 7, then 6 (home 7)
        EXPECT_EQ(t.slot_of(400), 6);
        int k = 101;
        EXPECT_EQ(t.remove(&k, &out), 1);
        EXPECT_EQ(t.slot_of(100), 9);
        EXPECT_EQ(t.slot_of(102), 8);
        EXPECT_EQ(t.slot_of(400), 7);
        EXPECT_EQ(t.slot_of(INT_MIN), 0);
    }
    {
        // Members whose home lies between the scan position and the hole
        // stay where they are.
        Table16 t;
        for (int k : {100, 101, 400, 401})
            t.add(&k); // 9, 8, 7, 6
        int k = 100;
        EXPECT_EQ(t.remove(&k, &out), 1);
        EXPECT_EQ(t.slot_of(101), 9);
        EXPECT_EQ(t.slots[8], INT_MIN);
        EXPECT_EQ(t.slot_of(400), 7);
        EXPECT_EQ(t.slot_of(401), 6);
    }
    {
        // Across the wrap from slot 0 to slot 15.
        Table16 t;
        for (int k : {0, 1, 800})
            t.add(&k); // 0, 15, 14 (home 15)
        EXPECT_EQ(t.slot_of(800), 14);
        int k = 0;
        EXPECT_EQ(t.remove(&k, &out), 1);
        EXPECT_EQ(t.slot_of(1), 0);
        EXPECT_EQ(t.slot_of(800), 15);
    }
    {
        Table16 t;
        for (int k : {500, 501, 800})
            t.add(&k); // 1, 0, 15 (at home)
        int k = 500;
        EXPECT_EQ(t.remove(&k, &out), 1);
        EXPECT_EQ(t.slot_of(501), 1);
        EXPECT_EQ(t.slots[0], INT_MIN);
        EXPECT_EQ(t.slot_of(800), 15);
        for (int m : {501, 800})
            EXPECT_EQ(t.member(&m), 1);
        EXPECT_EQ(t.size(), 2);
    }
}

} // namespace
