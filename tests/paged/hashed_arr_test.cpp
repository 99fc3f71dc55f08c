// The hashed arrays and their key sets: reads never create, writes create
// once, size is the largest index + 1, the printout, key-slot iteration,
// moves, and long random runs against a std::map.
#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_keys.h>
#include <colib/paged/page_arr.h>

#include "support/values.h"

#include <map>
#include <random>
#include <type_traits>
#include <vector>

namespace {
using colib_test::printed;
using colib_test::value;

TEST(HashedKeys, HashesEqualityAndTheNilKey) {
    int x = 0, y = 0;
    EXPECT_EQ(co_hash(coHashedArrP(7, &x)), 7u);
    EXPECT_EQ(co_hash(coHashedArrP(-2, nullptr)), 0xFFFFFFFEu);
    EXPECT_EQ(co_hash(coHashedArr2DP(1, 2, &x)), 65538u);
    EXPECT_EQ(co_hash(coHashedArr2DP(65536, 0, &y)), 1u);
    EXPECT_EQ(co_hash(coHashedArr2DP(-1, 0, nullptr)), 0xFFFFFFFFu);

    coHashedArrPcoSet s(4, 50);
    EXPECT_EQ(s.find(coHashedArrP(3, nullptr)).get_index(), -1); // no storage yet
    EXPECT_EQ(s.add(coHashedArrP(3, &x)).get_index(), -1);
    // Same index, other object: the stored key answers, nothing changes.
    const coHashedArrP &old = s.add(coHashedArrP(3, &y));
    EXPECT_EQ(old.get_object(), &x);
    EXPECT_EQ(s.find(coHashedArrP(3, nullptr)).get_object(), &x);
    EXPECT_EQ(s.size(), 1);
    // The nil index is never stored.
    EXPECT_EQ(s.add(coHashedArrP(-1, &x)).get_index(), -1);
    EXPECT_EQ(s.member(coHashedArrP(-1, nullptr)), 0);
    EXPECT_EQ(s.size(), 1);
    // remove hands back the stored object; an absent key gives the nil key.
    coHashedArrP r = s.remove(coHashedArrP(3, nullptr));
    EXPECT_EQ(r.get_index(), 3);
    EXPECT_EQ(r.get_object(), &x);
    r = s.remove(coHashedArrP(3, &y));
    EXPECT_EQ(r.get_index(), -1);
    EXPECT_EQ(r.get_object(), nullptr);
    EXPECT_EQ(s.remove_any().get_index(), -1);

    coHashedArr2DPcoSet p(4, 50);
    p.add(coHashedArr2DP(-1, 0, &x));
    p.add(coHashedArr2DP(0, -1, &y));
    p.add(coHashedArr2DP(-1, -1, &x));
    EXPECT_EQ(p.size(), 2);
    // (65536, 0) and (0, 1) share a hash; both are found with their objects.
    p.add(coHashedArr2DP(65536, 0, &x));
    p.add(coHashedArr2DP(0, 1, &y));
    EXPECT_EQ(p.find(coHashedArr2DP(65536, 0, nullptr)).get_obj(), &x);
    EXPECT_EQ(p.find(coHashedArr2DP(0, 1, nullptr)).get_obj(), &y);
    coHashedArr2DP q = p.remove(coHashedArr2DP(0, -1, nullptr));
    EXPECT_EQ(q.get_i1(), 0);
    EXPECT_EQ(q.get_i2(), -1);
    EXPECT_EQ(q.get_obj(), &y);

    coHashedArr2DPcoSetcoIterator it(&p);
    EXPECT_EQ(it().get_i1(), -1); // not valid: the nil key
    int seen = 0;
    while (++it)
        seen += it().get_obj() != nullptr;
    EXPECT_EQ(seen, 3);
}

template <class A> class HashedArrays : public ::testing::Test {};
using Members =
    ::testing::Types<charcoHashedArr, intcoHashedArr, doublecoHashedArr, utAnycoHashedArr>;
TYPED_TEST_SUITE(HashedArrays, Members, );

TYPED_TEST(HashedArrays, ReadsNeverCreateWritesCreateOnce) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    EXPECT_EQ(a.size(), 0);
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(static_cast<T>(a[7]), T());
    EXPECT_EQ(a.read(-1), T());
    EXPECT_EQ(a.count(), 0);
    // One zero element serves every array of the member.
    TypeParam other;
    EXPECT_EQ(&a.read(3), &other.read(-5));
    EXPECT_EQ(a.size(), 0);

    a[999] = value<T>(1);
    EXPECT_EQ(a.size(), 1000);
    EXPECT_EQ(a.count(), 1);
    a[5] = value<T>(2);
    a[5] = value<T>(3); // overwrites in place
    EXPECT_EQ(a.count(), 2);
    EXPECT_EQ(a.storage().size(), 2);
    EXPECT_EQ(a.read(5), value<T>(3));
    EXPECT_EQ(static_cast<T>(a[999]), value<T>(1));
    EXPECT_EQ(a.size(), 1000); // a lower index does not lower it

    a[-7] = value<T>(4);
    EXPECT_EQ(a.read(-7), value<T>(4));
    EXPECT_EQ(a.size(), 1000);
    EXPECT_EQ(a.member(-7), 1);
    EXPECT_EQ(a.member(6), 0);

    // a[i] = b[j] copies the value; the proxy stays bound to its own index.
    TypeParam b;
    b[1] = a[5];
    EXPECT_EQ(b.read(1), value<T>(3));
    EXPECT_EQ(b.count(), 1);
    b[2] = b[40]; // reading an unwritten index still writes 2 with zero
    EXPECT_EQ(b.count(), 2);
    EXPECT_EQ(b.member(40), 0);
}

TYPED_TEST(HashedArrays, ElementsNeverMoveAndTheKeySetDoubles) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    for (int i = 0; i < 7; ++i)
        a[i * 1000] = value<T>(i);
    EXPECT_EQ(a.keys().slot_count(), 16);
    a[7000] = value<T>(7);
    EXPECT_EQ(a.keys().slot_count(), 32);
    const T *first = &a.read(0);
    T &r = (a[123456789] = value<T>(9));
    for (int i = 1; i <= 10000; ++i)
        a[-1 - i] = value<T>(i);
    EXPECT_EQ(&a.read(0), first);
    EXPECT_EQ(&a.read(123456789), &r);
    EXPECT_EQ(r, value<T>(9));
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(a.read(i * 1000), value<T>(i));
}

TYPED_TEST(HashedArrays, WalkersFollowTheKeySlots) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    for (int i : {3, -4, 70000, 12})
        a[i] = value<T>(i & 0xF);
    // range-for and the named walker agree with the key set's slot order.
    std::vector<int> keys;
    for (const coHashedArrP &k : a.keys())
        keys.push_back(k.get_index());
    std::vector<int> seen;
    for (auto [i, v] : a) {
        seen.push_back(i);
        EXPECT_EQ(&v, &a.read(i));
        v = value<T>(i & 0x7); // writes through
    }
    EXPECT_EQ(seen, keys);
    EXPECT_EQ(a.read(12), value<T>(12 & 0x7));

    const TypeParam &c = a;
    static_assert(std::is_same_v<decltype((*c.begin()).value), const T &>);
    static_assert(std::is_same_v<decltype((*a.begin()).value), T &>);
    static_assert(std::is_same_v<decltype(c[3]), const T &>);

    typename std::remove_reference_t<decltype(a)> *p = &a;
    using It =
        std::conditional_t<std::is_same_v<T, char>, charcoHashedArrcoIterator,
                           std::conditional_t<std::is_same_v<T, int>, intcoHashedArrcoIterator,
                                              std::conditional_t<std::is_same_v<T, double>,
                                                                 doublecoHashedArrcoIterator,
                                                                 utAnycoHashedArrcoIterator>>>;
    It it(p);
    static_assert(std::is_same_v<decltype(it.value()), const T &>);
    EXPECT_EQ(it.get_index(), -1);
    seen.clear();
    while (++it) {
        seen.push_back(it.get_index());
        EXPECT_EQ(it.value(), a.read(it.get_index()));
    }
    EXPECT_EQ(seen, keys);
    EXPECT_EQ(it.get_index(), -1);
}

TYPED_TEST(HashedArrays, MovesTakeEverythingAndLeaveAnEmptyArray) {
    using T = typename TypeParam::value_type;
    static_assert(std::is_nothrow_move_constructible_v<TypeParam>);
    static_assert(std::is_nothrow_move_assignable_v<TypeParam>);
    static_assert(!std::is_copy_constructible_v<TypeParam>);
    TypeParam a;
    for (int i = 0; i < 300; ++i)
        a[i * 3] = value<T>(i);
    const T *p = &a.read(297);
    TypeParam b(std::move(a));
    EXPECT_EQ(&b.read(297), p);
    EXPECT_EQ(b.count(), 300);
    EXPECT_EQ(b.size(), 898);
    EXPECT_EQ(a.count(), 0);
    EXPECT_EQ(a.size(), 0);
    EXPECT_EQ(a.storage().block_count(), 0);
    EXPECT_EQ(a.read(3), T());
    a[4] = value<T>(1); // still usable
    EXPECT_EQ(a.read(4), value<T>(1));
    a = std::move(b);
    EXPECT_EQ(&a.read(297), p);
    EXPECT_EQ(a.count(), 300);
    EXPECT_EQ(a.member(4), 0);
    EXPECT_EQ(b.count(), 0);
}

TEST(HashedArray, PrintsEveryIndexFromZeroToTheLargest) {
    intcoHashedArr a;
    EXPECT_EQ(printed(a), "coHashedArr {\n  size 0\n}\n");
    a[2] = 9;
    EXPECT_EQ(printed(a), "coHashedArr {\n  size 3\n  0\n  0\n  9\n}\n");
    a[-7] = 1; // negative indexes are stored but not printed
    EXPECT_EQ(printed(a), "coHashedArr {\n  size 3\n  0\n  0\n  9\n}\n");

    charcoHashedArr c;
    c[1] = 'x';
    EXPECT_EQ(printed(c), std::string("coHashedArr {\n  size 2\n  ") + '\0' + "\n  x\n}\n");
    doublecoHashedArr d;
    d[0] = 2.5;
    EXPECT_EQ(printed(d), "coHashedArr {\n  size 1\n  2.5\n}\n");
    // The storage prints as a paged array, in first-write order.
    EXPECT_EQ(printed(a.storage()), "coPageArr {\n  size 2\n  9\n  1\n}\n");
}

// Long random mixes of writes, rewrites and reads against a std::map: the
// reads, size(), count() and every reference handed out earlier.
TEST(HashedArray, RandomRunsMatchAMap) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 rng(seed);
        // Narrow ranges give rewrites and hits; the full range gives misses.
        int span = seed <= 2 ? 500 : 1 << 30;
        intcoHashedArr a;
        std::map<int, int> model;
        std::map<int, const int *> refs;
        int largest = -1;
        for (int step = 0; step < 20000; ++step) {
            int k = static_cast<int>(rng() % (2u * span)) - span;
            if (k == -1) continue;
            if (rng() % 3 == 0) {
                auto it = model.find(k);
                EXPECT_EQ(a.read(k), it == model.end() ? 0 : it->second);
                continue;
            }
            int v = static_cast<int>(rng());
            int &r = (a[k] = v);
            model[k] = v;
            refs.emplace(k, &r);
            largest = std::max(largest, k);
            ASSERT_EQ(&r, refs[k]);
            ASSERT_EQ(a.count(), static_cast<int>(model.size()));
            ASSERT_EQ(a.size(), largest + 1);
        }
        for (const auto &[k, v] : model) {
            ASSERT_EQ(*refs[k], v);
            ASSERT_EQ(a.read(k), v);
        }
        EXPECT_EQ(a.storage().size(), a.count());
    }
}

struct Exposed : intcoHashedArr {
    using intcoHashedArr::get_object;
};

TEST(HashedArray, HardenedChecks) {
    colib_test::expect_deaths("", {{[] {
                                        intcoHashedArr a;
                                        a[-1] = 5;
                                    },
                                    "intcoHashedArr::write: index -1 is the nil index"},
                                   {[] {
                                        Exposed a;
                                        a[3] = 1;
                                        a.get_object(4);
                                    },
                                    "intcoHashedArr::get_object: index 4 was never written"},
                                   {[] {
                                        doublecoHashedArr a;
                                        doublecoHashedArrcoIterator it(&a);
                                        (void)it.value();
                                    },
                                    "doublecoHashedArrcoIterator::value: no current element"}});
}

} // namespace

namespace {
// The hashed arrays move their storage: the paged array's own moves.
TEST(HashedArray, PagedStorageMovesKeepBlocksAndGeometry) {
    intcoPageArr a(2, 1, 1);
    for (int i = 0; i < 10; ++i)
        a.append(i);
    const int *p = &a[9];
    intcoPageArr b(std::move(a));
    EXPECT_EQ(&b[9], p);
    EXPECT_EQ(b.size(), 10);
    EXPECT_EQ(b.block_count(), 3);
    EXPECT_EQ(a.size(), 0);
    EXPECT_EQ(a.block_count(), 0);
    EXPECT_EQ(a.block_size(), 4);
    a.append(5); // usable
    b = std::move(a);
    EXPECT_EQ(b.size(), 1);
    EXPECT_EQ(b[0], 5);
    EXPECT_EQ(a.size(), 0);
}
} // namespace
