#include <colib/hashing/detail/probe.h>
#include <colib/hashing/hash.h>
#include <colib/hashing/interfaces.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <type_traits>
#include <vector>

namespace {

// A fixed table of 16 int slots whose hash is chosen per test (the key
// divided by 100 by default, so keys 100..199 share one hash).
class Table16 : public coHash {
public:
    mutable std::vector<int> slots = std::vector<int>(16, INT_MIN);
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
    void arr_put_copy(void *const, void *const o, int i) const override {
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
    EXPECT_EQ(t.sizes, (std::vector<int>{1, 2, 3}));
    int again = 2, nil = INT_MIN;
    EXPECT_EQ(t.add(&again), &t.slots[15]);
    EXPECT_EQ(t.add(&nil), nullptr);
    EXPECT_EQ(t.size(), 3);
    EXPECT_EQ(t.member(&nil), 0);
    int out = 42, absent = 4;
    EXPECT_EQ(t.remove(&absent, &out), 0);
    EXPECT_EQ(out, 42);
    EXPECT_EQ(t.remove(&keys[0], &out), 1);
    EXPECT_EQ(out, 1);
    EXPECT_EQ(t.size(), 2);
    EXPECT_EQ(t.sizes.back(), 2);
}

// Keys are chosen by home slot: key / 100 is the hash, and the hashes
// 0..8 have the homes 0, 9, 3, 13, 7, 1, 11, 5, 15. After a removal, later
// members of the chain move back into the hole, except those whose home
// lies between the scan position and the hole; the others stay put.
TEST(Hash, RemovalMovesLaterChainMembersBack) {
    struct Case {
        std::vector<int> keys, placed;
        int removed;
        std::vector<int> after; // slots of the other keys, in order
    };
    const Case cases[] = {
        {{1, 2, 3}, {0, 15, 14}, 1, {0, 15}},
        {{100, 101, 102, 400}, {9, 8, 7, 6}, 101, {9, 8, 7}},
        {{100, 101, 400, 401}, {9, 8, 7, 6}, 100, {9, 7, 6}},
        {{0, 1, 800}, {0, 15, 14}, 0, {0, 15}},      // across the wrap
        {{500, 501, 800}, {1, 0, 15}, 500, {1, 15}}, // 800 at home
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.keys[0]);
        Table16 t;
        std::vector<int> placed, after, rest;
        for (int k : c.keys)
            t.add(&k);
        for (int k : c.keys)
            placed.push_back(t.slot_of(k));
        EXPECT_EQ(placed, c.placed);
        int k = c.removed, out = 0;
        EXPECT_EQ(t.remove(&k, &out), 1);
        EXPECT_EQ(out, k);
        for (int x : c.keys)
            if (x != k) {
                after.push_back(t.slot_of(x));
                EXPECT_EQ(t.member(&x), 1);
            }
        EXPECT_EQ(after, c.after);
        EXPECT_EQ(t.size(), static_cast<int>(c.after.size()));
        int used = 0;
        for (int v : t.slots)
            used += v != INT_MIN;
        EXPECT_EQ(used, t.size()); // the hole left behind is empty
    }
}

// Overrides only what the default moves and swaps need, and logs the
// calls so the order of the slots they go through can be checked.
class Strings : public coArrInterface {
public:
    mutable std::vector<std::string> v;
    mutable std::vector<std::string> log;

    void *obj_create_copy(void *const obj) const override {
        log.push_back("copy");
        return new std::string(*static_cast<std::string *>(obj));
    }
    void obj_destroy(void *const obj) const override {
        log.push_back("destroy");
        delete static_cast<std::string *>(obj);
    }
    void *arr_get(void *const, int i) const override {
        log.push_back("get " + std::to_string(i));
        return const_cast<std::string *>(&v[i]);
    }
    void arr_put_copy(void *const, void *const obj, int i) const override {
        log.push_back("put " + std::to_string(i));
        v[i] = *static_cast<std::string *>(obj);
    }
};

// Objects are destroyed through the interfaces.
static_assert(std::has_virtual_destructor_v<coArrInterface>);

TEST(Interfaces, NullAsksTheComparisonWithNilFirst) {
    struct Ints : coArrInterface {
        int nil = -1;
        mutable const void *first = nullptr;
        void *obj_nil() const override { return const_cast<int *>(&nil); }
        int obj_compare(void *const a, void *const b) const override {
            first = a;
            return *static_cast<int *>(a) != *static_cast<int *>(b);
        }
    } s;
    int x = 4, y = -1;
    EXPECT_EQ(s.obj_null(&x), 0);
    EXPECT_EQ(s.first, &s.nil);
    EXPECT_EQ(s.obj_null(&y), 1);
    // The default comparison calls everything equal, so everything is nil.
    struct Bare : coArrInterface {
    } b;
    EXPECT_EQ(b.obj_null(&x), 1);
    EXPECT_EQ(b.obj_hash(&x) + b.arr_size(nullptr), 0u);
    EXPECT_EQ(b.obj_create_copy(&x), nullptr);
    EXPECT_EQ(b.obj_create(), nullptr);
    EXPECT_EQ(b.arr_create(3), nullptr);
    b.arr_move(nullptr, 0, 1); // stores from a null handle into nothing
}

TEST(Interfaces, MoveAndSwapGoThroughTheSlots) {
    Strings s;
    s.v = {"a", "b", "c"};
    s.arr_move(nullptr, 2, 0);
    EXPECT_EQ(s.v, (std::vector<std::string>{"c", "b", "c"}));
    EXPECT_EQ(s.log, (std::vector<std::string>{"get 2", "put 0"}));

    s.log.clear();
    s.arr_swap(nullptr, 0, 1);
    EXPECT_EQ(s.v, (std::vector<std::string>{"b", "c", "c"}));
    EXPECT_EQ(s.log,
              (std::vector<std::string>{"get 0", "copy", "get 1", "put 0", "put 1", "destroy"}));

    s.arr_swap(nullptr, 1, 1);
    s.arr_move(nullptr, 0, 0);
    EXPECT_EQ(s.v, (std::vector<std::string>{"b", "c", "c"}));
}

} // namespace
