#include <colib/paged/page_arr.h>
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

template <class T> T val(int i);
template <> int val<int>(int i) {
    return i * 3 + 1;
}
template <> double val<double>(int i) {
    return i * 0.5;
}
template <> utString val<utString>(int i) {
    return utString(std::to_string(i));
}

template <class A> std::vector<typename A::value_type> elems(const A &a) {
    return std::vector<typename A::value_type>(a.begin(), a.end());
}

// Reaches the protected block selection.
template <class A> struct Open : A {
    using A::A;
    using A::get_block;
    using A::switch_block;
};

template <class A> class PageArrTyped : public ::testing::Test {};
using Siblings = ::testing::Types<intcoPageArr, doublecoPageArr, utStringcoPageArr>;
TYPED_TEST_SUITE(PageArrTyped, Siblings, );

TYPED_TEST(PageArrTyped, BlockArithmeticOfGrowth) {
    using T = typename TypeParam::value_type;
    TypeParam a;
    EXPECT_EQ(a.block_size(), 256);
    EXPECT_EQ(a.block_shift(), 8);
    EXPECT_EQ(a.block_count(), 0);
    EXPECT_EQ(a.current_block_index(), -1);
    EXPECT_EQ(a.block_table().capacity(), 5);
    EXPECT_EQ(a.block_table().step(), 10);

    a[1000] = val<T>(1000);
    EXPECT_EQ(a.size(), 1001);
    EXPECT_EQ(a.block_count(), 4);
    EXPECT_EQ(a.block_table().size(), 4);
    EXPECT_EQ(a.current_block_index(), 3);
    EXPECT_EQ(&a.block(3)[1000 & 255], &a[1000]);

    // Block 5 does not fit the 5-entry table: it grows by one step.
    a[5 * 256] = val<T>(1);
    EXPECT_EQ(a.block_count(), 6);
    EXPECT_EQ(a.block_table().capacity(), 15);

    // Appending at a block boundary makes exactly one block.
    TypeParam b(2, 1, 1);
    for (int i = 0; i < 4; ++i)
        b.append(val<T>(i));
    EXPECT_EQ(b.block_count(), 1);
    b.append(val<T>(4));
    EXPECT_EQ(b.block_count(), 2);
    EXPECT_EQ(b.block_table().capacity(), 2);
    EXPECT_EQ(b.current_block_index(), 1);
    EXPECT_EQ(b[4], val<T>(4));

    // clear(0) keeps the blocks and append reuses block 0.
    b.clear(0);
    EXPECT_EQ(b.size(), 0);
    EXPECT_EQ(b.block_count(), 2);
    b.append(val<T>(9));
    EXPECT_EQ(b.block_count(), 2);
    EXPECT_EQ(b.current_block_index(), 0);
    b.clear(1);
    EXPECT_EQ(b.block_count(), 0);
    EXPECT_EQ(b.block_table().capacity(), 0);
    EXPECT_EQ(b.current_block_index(), -1);

    // expand and reserve.
    EXPECT_EQ(b.expand(0), 1);
    EXPECT_EQ(b.reserve(0), 1);
    EXPECT_EQ(b.block_count(), 0);
    EXPECT_EQ(b.reserve(9), 1);
    EXPECT_EQ(b.block_count(), 3);
    EXPECT_EQ(b.size(), 0);
    EXPECT_EQ(b.expand(6), 1);
    EXPECT_EQ(b.size(), 6);
    EXPECT_EQ(b.expand(2), 1);
    EXPECT_EQ(b.size(), 6);
}

TYPED_TEST(PageArrTyped, ShrinkAndRepaginate) {
    using T = typename TypeParam::value_type;
    Open<TypeParam> a;
    for (int i = 0; i < 600; ++i)
        a.append(val<T>(i));
    a.switch_block(0);
    EXPECT_EQ(a.current_block_index(), 0);
    EXPECT_EQ(a.get_block(2), 1);
    EXPECT_EQ(a.current_block_index(), 2);
    EXPECT_EQ(a.block_count(), 3);
    a.shrink(700, 1);
    EXPECT_EQ(a.block_count(), 3);
    EXPECT_EQ(a.size(), 600);
    a.shrink(300, 0);
    EXPECT_EQ(a.block_count(), 3);
    EXPECT_EQ(a.size(), 300);
    a.shrink(10, 1);
    EXPECT_EQ(a.block_count(), 1);
    EXPECT_EQ(a.block_table().capacity(), 1);
    EXPECT_EQ(a.current_block_index(), -1);
    EXPECT_EQ(a.size(), 10);
    EXPECT_EQ(a[9], val<T>(9));

    TypeParam r;
    EXPECT_EQ(r.repaginate(), 0); // empty, no block: nothing to release
    r[600] = val<T>(0);
    r.shrink(5, 0);
    for (int i = 0; i < 5; ++i)
        r[i] = val<T>(i);
    EXPECT_EQ(r.repaginate(), 760);
    EXPECT_EQ(r.block_size(), 8);
    EXPECT_EQ(r.block_shift(), 3);
    EXPECT_EQ(r.block_count(), 1);
    EXPECT_EQ(r.current_block_index(), 0);
    EXPECT_EQ(r.block_table().capacity(), 10);
    EXPECT_EQ(elems(r), (std::vector<T>{val<T>(0), val<T>(1), val<T>(2), val<T>(3), val<T>(4)}));
    // Now size 5 < 8: the same shift, spare blocks go.
    r[20] = val<T>(20);
    r.shrink(5, 0);
    EXPECT_EQ(r.block_count(), 3);
    EXPECT_EQ(r.repaginate(), 16);
    EXPECT_EQ(r.block_count(), 1);
    r.shrink(1, 0);
    EXPECT_EQ(r.repaginate(), 7);
    EXPECT_EQ(r.block_size(), 1);
    EXPECT_EQ(r[0], val<T>(0));
    EXPECT_EQ(r.repaginate(), 0); // size == block size
    r.clear(0);
    EXPECT_EQ(r.repaginate(), 1);
    EXPECT_EQ(r.block_count(), 0);
}

TYPED_TEST(PageArrTyped, CopiesAndReverse) {
    using T = typename TypeParam::value_type;
    TypeParam a(2, 1, 1);
    for (int i = 0; i < 5; ++i)
        a.append(val<T>(i));
    a.copy(a, 5, 2, 0); // overlapping move up: runs backwards
    EXPECT_EQ(a.size(), 7);
    EXPECT_EQ(elems(a), (std::vector<T>{val<T>(0), val<T>(1), val<T>(0), val<T>(1), val<T>(2),
                                        val<T>(3), val<T>(4)}));
    a.copy(a, 3, 0, 4); // overlapping move down: runs forwards
    EXPECT_EQ(elems(a), (std::vector<T>{val<T>(2), val<T>(3), val<T>(4), val<T>(1), val<T>(2),
                                        val<T>(3), val<T>(4)}));
    TypeParam b;
    b.copy(a, 100, 3, 0); // only a's 7 elements
    EXPECT_EQ(b.size(), 10);
    EXPECT_EQ(b[9], val<T>(4));

    T out[9];
    a.copyout(out, 7, 0, 2);
    EXPECT_EQ(out[2], val<T>(2));
    EXPECT_EQ(out[8], val<T>(4));
    TypeParam c(1, 0, 1);
    c.copyin(out, 6, 1, 2); // blocks of 2, crossing three boundaries
    EXPECT_EQ(c.size(), 7);
    EXPECT_EQ(c.block_count(), 4);
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(c[1 + k], out[2 + k]);
    c.copyin(out, 0, 9, 0); // no element, but the size rises
    EXPECT_EQ(c.size(), 9);
    EXPECT_EQ(c.block_count(), 5);
    c[0] = val<T>(50);
    c[7] = val<T>(51);
    c[8] = val<T>(52);

    c.reverse();
    EXPECT_EQ(c[0], val<T>(52));
    EXPECT_EQ(c[1], val<T>(51));
    EXPECT_EQ(c[4], out[5]);
    EXPECT_EQ(c[7], out[2]);

    // Copies keep the source's block size and are independent.
    TypeParam d(utCOPY, c);
    EXPECT_EQ(d.block_size(), 2);
    EXPECT_EQ(d.block_table().capacity(), c.block_count());
    EXPECT_EQ(d.block_table().step(), 10);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(d[i], c[i]);
    d[1] = val<T>(99);
    EXPECT_NE(c[1], val<T>(99));
    TypeParam e(4, 1, 3);
    e.append(val<T>(5));
    e.become(utCOPY, c);
    EXPECT_EQ(e.block_size(), 2);
    EXPECT_EQ(e.size(), 9);
    EXPECT_EQ(e.block_table().step(), 3);
    EXPECT_EQ(e.block_table().capacity(), 6); // reserve 5 blocks by steps of 3
    e.become(utCOPY, e);
    EXPECT_EQ(e.size(), 9);
    TypeParam f{val<T>(1), val<T>(2)};
    EXPECT_EQ(f.size(), 2);
    EXPECT_EQ(f.block_count(), 1);
    f = c;
    EXPECT_EQ(elems(f), elems(c));
}

TYPED_TEST(PageArrTyped, IteratorWalksBlockByBlock) {
    using T = typename TypeParam::value_type;
    using It = std::conditional_t<
        std::is_same<TypeParam, intcoPageArr>::value, intcoPageArrcoIterator,
        std::conditional_t<std::is_same<TypeParam, doublecoPageArr>::value,
                           doublecoPageArrcoIterator, utStringcoPageArrcoIterator>>;
    TypeParam a(1, 1, 1);
    It it(&a);
    EXPECT_EQ(++it, 0);
    EXPECT_EQ(it.remaining(), 0);
    for (int i = 0; i < 5; ++i)
        a.append(val<T>(i));
    std::vector<T> seen;
    std::vector<int> idx;
    while (++it) {
        seen.push_back(it());
        idx.push_back(it.index());
    }
    EXPECT_EQ(seen, elems(a));
    EXPECT_EQ(idx, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(it.remaining(), 0);
    EXPECT_EQ(++it, 1); // starts over
    EXPECT_EQ(it(), val<T>(0));
    EXPECT_EQ(it.remaining(), 5);
    it.reset();
    EXPECT_EQ(it.remaining(), 0);
}

TEST(PageArr, ElementsNeverMoveAndModelAgrees) {
    std::mt19937 rng(7);
    intcoPageArr a(3, 1, 2);
    std::deque<int> m;
    std::vector<std::pair<int, const int *>> pinned;
    for (int step = 0; step < 4000; ++step) {
        int op = static_cast<int>(rng() % 100);
        if (op < 45) {
            int v = static_cast<int>(rng());
            a.append(v);
            m.push_back(v);
        } else if (op < 60) {
            int i = static_cast<int>(rng() % (m.size() + 20));
            int v = static_cast<int>(rng());
            if (i >= static_cast<int>(m.size())) {
                // Slots skipped over hold unspecified values: write them.
                for (int k = static_cast<int>(m.size()); k < i; ++k)
                    a[k] = 0;
                m.resize(i + 1, 0);
            }
            a[i] = v;
            m[i] = v;
        } else if (op < 67) {
            int n = static_cast<int>(rng() % (m.size() + 1));
            int flag = static_cast<int>(rng() % 2);
            a.shrink(n, flag);
            m.resize(n);
            if (flag) pinned.clear();
        } else if (op < 69) {
            int flag = static_cast<int>(rng() % 2);
            a.clear(flag);
            m.clear();
            pinned.clear();
        } else if (op < 71) {
            if (a.repaginate() != 0) pinned.clear();
        } else if (op < 85 && !m.empty()) {
            int n = static_cast<int>(rng() % (m.size() + 2));
            int from = static_cast<int>(rng() % m.size());
            int to = static_cast<int>(rng() % (m.size() + 3));
            if (from + n > static_cast<int>(m.size())) n = static_cast<int>(m.size()) - from;
            std::vector<int> src(m.begin() + from, m.begin() + from + n);
            for (int k = static_cast<int>(m.size()); k < to; ++k) {
                a[k] = 0;
                m.push_back(0);
            }
            if (to + n > static_cast<int>(m.size())) m.resize(to + n, 0);
            std::copy(src.begin(), src.end(), m.begin() + to);
            a.copy(a, n, to, from);
        } else if (!m.empty()) {
            int i = static_cast<int>(rng() % m.size());
            pinned.emplace_back(i, &a[i]);
        }
        ASSERT_EQ(a.size(), static_cast<int>(m.size()));
        ASSERT_GE(a.block_count(), (a.size() + a.block_size() - 1) >> a.block_shift());
        ASSERT_EQ(a.block_table().size(), a.block_count());
        for (size_t i = 0; i < m.size(); ++i)
            ASSERT_EQ(a[static_cast<int>(i)], m[i]) << step;
        for (auto &p : pinned) {
            if (p.first < a.size()) {
                ASSERT_EQ(&a[p.first], p.second) << step;
            }
        }
    }
}

TEST(PageArr, StringsShareTextsAndSurviveTheirSource) {
    utStringcoPageArr a(1, 0, 1);
    {
        utString src[3] = {utString("x"), utString("y"), utString("z")};
        a.copyin(src, 3, 0, 0);
        EXPECT_EQ(src[0].ref().use_count(), 2);
    }
    EXPECT_EQ(a[2], utString("z"));
    EXPECT_EQ(a[0].ref().use_count(), 1);
    utStringcoPageArr b;
    b.copy(a, 3, 0, 0);
    EXPECT_EQ(b.repaginate(), 252);
    EXPECT_EQ(b.block_size(), 4);
    EXPECT_EQ(b[0], utString("x"));
    EXPECT_EQ(b[2], utString("z"));
    EXPECT_EQ(a[1].ref().use_count(), 2);
    // A fresh block's strings are default-constructed (no text).
    utStringcoPageArr c;
    c[3] = "w";
    EXPECT_TRUE(c[1].invalid());
}

TEST(PageArr, Prints) {
    std::ostringstream os;
    intcoPageArr a;
    os << a;
    EXPECT_EQ(os.str(), "coPageArr {\n  size 0\n}\n");
    a.append(4);
    a.append(7);
    os.str("");
    os << a;
    EXPECT_EQ(os.str(), "coPageArr {\n  size 2\n  4\n  7\n}\n");
    charcoPageArr c{'a', 'b'};
    doublecoPageArr d{0.5};
    utStringcoPageArr s{"hi"};
    utAnycoPageArr p{nullptr};
    utBoolcoPageArr t{1, 0};
    os.str("");
    os << c << d << s << p << t;
    EXPECT_EQ(os.str(), "coPageArr {\n  size 2\n  a\n  b\n}\ncoPageArr {\n  size 1\n  0.5\n}\n"
                        "coPageArr {\n  size 1\n  hi\n}\ncoPageArr {\n  size 1\n  0x0\n}\n"
                        "coPageArr {\n  size 2\n  1\n  0\n}\n");
    // The non-printing members still walk and copy.
    longcoPageArr l{1L, 2L};
    floatcoPageArr f{1.5f};
    utInt64coPageArr w{utInt64(1) << 40};
    l.reverse();
    EXPECT_EQ(l[0], 2L);
    EXPECT_EQ(f[0], 1.5f);
    EXPECT_EQ(w[0], utInt64(1) << 40);
}

TEST(PageArr, BlockTableEnter) {
    utAnycoPageArrINTERNALcoDynArr t(3, 2);
    int x = 0;
    t.enter(2, &x);
    EXPECT_EQ(t.size(), 0);
    EXPECT_EQ(t.data()[2], &x);
    t[0] = &x;
    EXPECT_EQ(t.read(0), &x);
    utAnycoPageArrINTERNALcoDynArrcoIterator it(&t);
    EXPECT_TRUE(static_cast<bool>(it));
}

#if COLIB_HARDENED
TEST(PageArrDeath, OutOfContractUse) {
    EXPECT_DEATH(intcoPageArr(31, 1, 1), "colib: intcoPageArr::constructor: block shift 31");
    EXPECT_DEATH(intcoPageArr(-1, 1, 1), "colib: intcoPageArr::constructor: block shift -1");
    EXPECT_DEATH(intcoPageArr(2, 1, 0),
                 "colib: utAnycoPageArrINTERNALcoDynArr::constructor: step 0");
    EXPECT_DEATH(intcoPageArr(2, -1, 1),
                 "colib: utAnycoPageArrINTERNALcoDynArr::constructor: negative capacity -1");
    intcoPageArr a{1, 2};
    const intcoPageArr &c = a;
    EXPECT_DEATH(a[-1] = 0, "colib: intcoPageArr::operator\\[\\]: negative index -1");
    EXPECT_DEATH(c[2],
                 "colib: intcoPageArr::operator\\[\\] const: index 2 out of range \\[0, 2\\)");
    EXPECT_DEATH(a.read(-3), "colib: intcoPageArr::read: index -3");
    EXPECT_DEATH(a.block(1), "colib: intcoPageArr::block: block 1 out of range \\[0, 1\\)");
    EXPECT_DEATH(a.enter(256, 0), "colib: intcoPageArr::enter: index 256 outside the 256");
    EXPECT_DEATH(a.expand(-1), "colib: intcoPageArr::expand: negative count -1");
    EXPECT_DEATH(a.reserve(-1), "colib: intcoPageArr::reserve: negative count -1");
    EXPECT_DEATH(a.shrink(-1, 0), "colib: intcoPageArr::shrink: negative count -1");
    EXPECT_DEATH(a.copy(a, -1, 0, 0), "colib: intcoPageArr::copy: negative");
    int buf[4];
    EXPECT_DEATH(a.copyin(buf, 2, -1, 0), "colib: intcoPageArr::copyin: negative");
    EXPECT_DEATH(a.copyout(buf, 3, 0, 0), "colib: intcoPageArr::copyout: range \\[0, 0 \\+ 3\\)");
    intcoPageArrcoIterator it(&a);
    EXPECT_DEATH(it(), "colib: intcoPageArrcoIterator::operator\\(\\): no current element");
}
#endif

} // namespace
