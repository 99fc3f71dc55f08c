#include <colib/hashing/set.h>
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

template <class S> typename S::value_type val(int i);
template <> int val<intcoSet>(int i) {
    return i;
}
template <> double val<doublecoSet>(int i) {
    return i + 0.5;
}
template <> utString val<utStringcoSet>(int i) {
    return utString(("w" + std::to_string(i)).c_str());
}

template <class S> std::vector<typename S::value_type> elems(const S &s) {
    return std::vector<typename S::value_type>(s.begin(), s.end());
}

template <class S> std::string printed(const S &s) {
    std::ostringstream os;
    os << s;
    return os.str();
}

// Exposes the untyped operations the engine gives every set.
template <class S> basecoSet &untyped(S &s) {
    return s;
}

template <class S> class SetTest : public ::testing::Test {};
using Sets = ::testing::Types<intcoSet, doublecoSet, utStringcoSet>;
TYPED_TEST_SUITE(SetTest, Sets);

TYPED_TEST(SetTest, FreshSetIsEmptyAndPrintsThreeLines) {
    TypeParam s(4, 50);
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.empty(), 1);
    EXPECT_EQ(s.hash(), 0u);
    EXPECT_EQ(s.slot_count(), 16);
    EXPECT_TRUE(s.find(val<TypeParam>(1)) == TypeParam::nil());
    EXPECT_EQ(s.member(val<TypeParam>(1)), 0);
    EXPECT_TRUE(elems(s).empty());
    EXPECT_TRUE(s.remove_any() == TypeParam::nil());
    EXPECT_EQ(printed(s), "coSet {\n  size 0\n}\n");
}

TYPED_TEST(SetTest, NilIsNeverStored) {
    TypeParam s(4, 50);
    s.add(val<TypeParam>(3));
    unsigned h = s.hash();
    EXPECT_TRUE(s.add(TypeParam::nil()) == TypeParam::nil());
    EXPECT_EQ(s.size(), 1);
    EXPECT_EQ(s.hash(), h);
    EXPECT_EQ(s.member(TypeParam::nil()), 0);
    EXPECT_TRUE(s.remove(TypeParam::nil()) == TypeParam::nil());
}

TYPED_TEST(SetTest, AddFindRemoveAndGrowth) {
    TypeParam s(4, 50);
    auto v = [](int i) { return val<TypeParam>(i); };
    EXPECT_TRUE(s.add(v(1)) == TypeParam::nil());
    EXPECT_TRUE(s.add(v(1)) == v(1)); // the stored element comes back
    EXPECT_EQ(s.size(), 1);
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
    EXPECT_TRUE(s.remove(v(5)) == TypeParam::nil());
    EXPECT_EQ(s.size(), 15);
    EXPECT_EQ(s.slot_count(), 64); // never shrinks on removal
    EXPECT_EQ(elems(s).size(), 15u);

    s.clear(0);
    EXPECT_EQ(s.size(), 0);
    EXPECT_EQ(s.hash(), 0u);
    EXPECT_EQ(s.slot_count(), 64);
    EXPECT_TRUE(elems(s).empty());
    s.add(v(1));
    s.clear(1);
    EXPECT_EQ(s.slot_count(), 16);
    EXPECT_EQ(s.member(v(1)), 0);
}

TYPED_TEST(SetTest, RunningHashIgnoresOrder) {
    TypeParam a(4, 50), b(3, 90);
    for (int i = 0; i < 20; ++i)
        a.add(val<TypeParam>(i));
    for (int i = 19; i >= 0; --i)
        b.add(val<TypeParam>(i));
    EXPECT_EQ(a.hash(), b.hash());
    unsigned x = 0;
    for (int i = 0; i < 20; ++i)
        x ^= co_hash(val<TypeParam>(i));
    EXPECT_EQ(a.hash(), x);
    a.remove(val<TypeParam>(4));
    EXPECT_EQ(a.hash(), x ^ co_hash(val<TypeParam>(4)));
}

TYPED_TEST(SetTest, CopiesKeepSlotPositionsAndAreIndependent) {
    TypeParam a(3, 70);
    for (int i = 0; i < 9; ++i)
        a.add(val<TypeParam>(i));
    TypeParam b(utCOPY, a);
    EXPECT_EQ(elems(b), elems(a));
    EXPECT_EQ(b.slot_count(), a.slot_count());
    EXPECT_EQ(b.load_percent(), 70);
    EXPECT_EQ(b.initial_bits(), 3);
    EXPECT_EQ(b.hash(), a.hash());
    b.remove(val<TypeParam>(0));
    EXPECT_EQ(a.member(val<TypeParam>(0)), 1);

    auto before = elems(a);
    a.become(utCOPY, a);
    TypeParam &alias = a;
    a = alias;
    EXPECT_EQ(elems(a), before);

    TypeParam empty(5, 50);
    a.become(utCOPY, empty);
    EXPECT_EQ(a.size(), 0);
    EXPECT_EQ(a.slot_count(), 32);

    TypeParam moved(std::move(b));
    EXPECT_EQ(moved.size(), 8);
    EXPECT_EQ(b.size(), 0);
    b.add(val<TypeParam>(1));
    EXPECT_EQ(b.size(), 1);
}

TYPED_TEST(SetTest, Algebra) {
    auto v = [](int i) { return val<TypeParam>(i); };
    TypeParam a{v(1), v(2), v(3)}, b{v(2), v(3), v(4), v(5)};
    TypeParam empty(4, 50);
    EXPECT_EQ(empty <= a, 1);
    EXPECT_EQ(b <= a, 0); // more elements: no look at them
    EXPECT_EQ(a <= b, 0);
    TypeParam u(utCOPY, a);
    u += b;
    EXPECT_EQ(u.size(), 5);
    EXPECT_EQ(a <= u, 1);
    EXPECT_EQ(b <= u, 1);
    TypeParam d(utCOPY, a);
    d -= b;
    EXPECT_EQ(elems(d), std::vector<typename TypeParam::value_type>{v(1)});
    TypeParam i(utCOPY, a);
    i *= b;
    EXPECT_EQ(i.size(), 2);
    EXPECT_EQ(i.member(v(2)) + i.member(v(3)), 2);
    EXPECT_EQ(i.hash(), co_hash(v(2)) ^ co_hash(v(3)));

    auto before = elems(a);
    a += a;
    a *= a;
    EXPECT_EQ(elems(a), before);
    a -= a;
    EXPECT_EQ(a.size(), 0);
    EXPECT_EQ(a.hash(), 0u);

    TypeParam big(6, 50);
    big.add(v(9));
    TypeParam small{v(1)};
    small += big;
    EXPECT_EQ(small.slot_count(), 64);
}

TYPED_TEST(SetTest, IteratorsWalkBothWays) {
    TypeParam s{val<TypeParam>(1), val<TypeParam>(2), val<TypeParam>(3)};
    using It =
        std::conditional_t<std::is_same<TypeParam, intcoSet>::value, intcoSetcoIterator,
                           std::conditional_t<std::is_same<TypeParam, doublecoSet>::value,
                                              doublecoSetcoIterator, utStringcoSetcoIterator>>;
    It it(&s);
    EXPECT_TRUE(it() == TypeParam::nil());
    std::vector<typename TypeParam::value_type> fwd, back;
    while (++it)
        fwd.push_back(it());
    EXPECT_EQ(it.valid(), 0);
    EXPECT_TRUE(it() == TypeParam::nil());
    while (--it)
        back.insert(back.begin(), it());
    EXPECT_EQ(fwd, elems(s));
    EXPECT_EQ(back, fwd);
    EXPECT_EQ(++it, 1); // starts over from slot 0
    EXPECT_TRUE(it() == fwd.front());

    TypeParam empty(4, 50);
    It e(&empty);
    EXPECT_EQ(++e, 0);
    EXPECT_EQ(--e, 0);
}

TYPED_TEST(SetTest, UntypedOperationsGiveTheSameTable) {
    TypeParam typed(2, 60), generic(2, 60);
    std::vector<int> ops;
    unsigned r = 12345;
    for (int n = 0; n < 400; ++n) {
        r = r * 1103515245u + 12345u;
        int k = static_cast<int>((r >> 8) % 60);
        auto x = val<TypeParam>(k);
        if ((r >> 20) % 3) {
            typed.add(x);
            untyped(generic).add(&x);
        } else {
            auto removed = typed.remove(x);
            auto out = TypeParam::nil();
            int got = untyped(generic).remove(&x, &out);
            EXPECT_EQ(got, removed == TypeParam::nil() ? 0 : 1);
            EXPECT_TRUE(out == removed);
        }
        ASSERT_EQ(elems(typed), elems(generic)) << n;
        ASSERT_EQ(typed.hash(), generic.hash());
        ASSERT_EQ(typed.slot_count(), generic.slot_count());
        EXPECT_EQ(untyped(generic).member(&x), typed.member(x));
    }
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
}

TEST(DoubleSet, NaNAndSignedZeros) {
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
}

TEST(StringSet, EmptyTextIsAMember) {
    utStringcoSet s(4, 50);
    s.add(utString(""));
    s.add(utString());
    EXPECT_EQ(s.size(), 1);
    EXPECT_EQ(s.member(utString("")), 1);
    EXPECT_EQ(s.member(utString()), 0);
    EXPECT_EQ(printed(s), "coSet {\n  size 1\n\n}\n");
}

TEST(IntSetPrf, SharesOneSet) {
    intcoSetcoPrf a(new intcoSet{1, 2});
    intcoSetcoPrf b = a;
    b->add(3);
    EXPECT_EQ(a->size(), 3);
    intcoSet mine{4};
    {
        intcoSetcoPrf c(coPRF_EXTERN, &mine);
        std::shared_ptr<intcoSet> p = c;
        EXPECT_EQ(p->member(4), 1);
    }
    EXPECT_EQ(mine.size(), 1);
}

#if COLIB_HARDENED
TEST(SetDeath, GeometryOutOfRange) {
    EXPECT_DEATH(intcoSet(4, 0), "colib: intcoSet::constructor: load percent 0 outside 1..100");
    EXPECT_DEATH(doublecoSet(4, 101), "colib: doublecoSet::constructor: load percent 101");
    EXPECT_DEATH(utStringcoSet(31, 50), "colib: utStringcoSet::constructor: initial bits 31");
    EXPECT_DEATH(intcoSet(-1, 50), "initial bits -1 outside 0..30");
}
#endif

} // namespace
