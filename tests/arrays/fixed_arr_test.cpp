#include <colib/arrays/fixed_arr.h>
#include <colib/arrays/fixed_arr2d.h>
#include <colib/arrays/prg_array.h>
#include <gtest/gtest.h>

#include "support/values.h"

#include <type_traits>

namespace {
using namespace colib_test;

// One index for the fixed arrays, two (row by row) for the fixed matrices.
template <class A, class = void> constexpr bool two_d = false;
template <class A> constexpr bool two_d<A, std::void_t<decltype(&A::j_size)>> = true;
template <class A> A sized(int n) { // n even
    if constexpr (two_d<A>)
        return A(2, n / 2);
    else
        return A(n);
}
template <class A> auto &cell(A &a, int x) {
    if constexpr (two_d<std::remove_const_t<A>>)
        return a(x / a.j_size(), x % a.j_size());
    else
        return a[x];
}
template <class A> const void *storage(A &a) {
    if constexpr (two_d<A>)
        return a.block();
    else
        return a.data();
}
template <class A> int count(const A &a) {
    if constexpr (two_d<A>)
        return a.i_size() * a.j_size();
    else
        return a.size();
}
template <class A> std::vector<typename A::value_type> cells(const A &a) {
    std::vector<typename A::value_type> v;
    int n = count(a);
    for (int x = 0; x < n; ++x)
        v.push_back(cell(a, x));
    return v;
}

template <class A> class FixedArrays : public ::testing::Test {};
using Members =
    ::testing::Types<charcoFixedArr, intcoFixedArr, doublecoFixedArr, utBoolcoFixedArr,
                     utAnycoFixedArr, utStringcoFixedArr, charcoFixedArr2D, intcoFixedArr2D,
                     doublecoFixedArr2D, utAnycoFixedArr2D, utStringcoFixedArr2D>;
TYPED_TEST_SUITE(FixedArrays, Members, );

TYPED_TEST(FixedArrays, ValidityCopiesAndBecome) {
    using A = TypeParam;
    using T = typename A::value_type;
    A invalid, invalid_copy(utCOPY, invalid), m = sized<A>(6), target = sized<A>(8);
    EXPECT_TRUE(invalid.invalid());
    EXPECT_TRUE(invalid_copy.invalid());
    EXPECT_TRUE(cells(invalid).empty());
    EXPECT_EQ(storage(invalid), nullptr);
    invalid.set_invalid(); // nothing to release
    EXPECT_TRUE(invalid.invalid());
    EXPECT_FALSE(m.invalid());
    for (int x = 0; x < 6; ++x)
        cell(m, x) = value<T>(x);
    EXPECT_EQ(cells(std::as_const(m)), values<T>({0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(static_cast<const T *>(storage(m))[4], value<T>(4)); // rows are 3 elements apart

    EXPECT_EQ(&target.become(utCOPY, m), &target);
    EXPECT_NE(storage(target), storage(m));
    EXPECT_EQ(cells(target), cells(m));
    cell(target, 0) = value<T>(9);
    EXPECT_EQ(cell(m, 0), value<T>(0));
    const void *buffer = storage(target);
    target.become(utCOPY, target);
    EXPECT_EQ(storage(target), buffer);
    EXPECT_EQ(cell(target, 0), value<T>(9));
    target.become(utCOPY, invalid);
    EXPECT_TRUE(target.invalid());
    EXPECT_TRUE(cells(target).empty());

    A copy(m);
    EXPECT_EQ(cells(copy), cells(m));
    copy = invalid;
    EXPECT_TRUE(copy.invalid());
    A moved(std::move(m));
    EXPECT_TRUE(m.invalid());
    EXPECT_EQ(cell(moved, 5), value<T>(5));
    m = std::move(moved);
    EXPECT_EQ(cells(m), values<T>({0, 1, 2, 3, 4, 5}));
    EXPECT_TRUE(moved.invalid());
    m.set_invalid();
    m.set_invalid();
    EXPECT_TRUE(m.invalid());
    EXPECT_TRUE(cells(m).empty());
}

TEST(FixedArr, EmptyArraysListsAndPrintouts) {
    intcoFixedArr empty(0), copy{7};
    EXPECT_FALSE(empty.invalid());
    EXPECT_EQ(empty.size(), 0);
    copy = empty;
    EXPECT_FALSE(copy.invalid());
    intcoFixedArr f{1, 2};
    for (int &x : f)
        x *= 2;
    EXPECT_EQ(elems(f), (std::vector<int>{2, 4}));
    EXPECT_EQ(f.data(), &f[0]);
    EXPECT_EQ(printed(intcoFixedArr()), "coFixedArr {\n  size 0\n}\n");
    EXPECT_EQ(printed(intcoFixedArr{3, 5}), "coFixedArr {\n  size 2\n  3\n  5\n}\n");
    EXPECT_EQ(printed(utStringcoFixedArr{"p", utString()}), "coFixedArr {\n  size 2\n  p\n\n}\n");
    EXPECT_EQ(printed(charcoFixedArr{'x'}), "coFixedArr {\n  size 1\n  x\n}\n");

    // Lists fill the columns; a shorter column leaves the rest of it unset.
    intcoFixedArr2D m{{1, 2}, {3, 4}, {5, 6}};
    EXPECT_EQ(cells(m), (std::vector<int>{1, 3, 5, 2, 4, 6}));
    EXPECT_EQ(printed(m), "coFixedArr2D {\n  size 2 3\n  1 3 5 \n  2 4 6 \n}\n");
    EXPECT_EQ(printed(intcoFixedArr2D()), "coFixedArr2D {\n  size 0 0\n}\n");
    utStringcoFixedArr2D s{{"a", "b"}, {"c"}};
    EXPECT_TRUE(s(1, 1).invalid());
    EXPECT_EQ(printed(s), "coFixedArr2D {\n  size 2 2\n  a c \n  b  \n}\n");
}

TEST(FixedArr, StringCopiesShareTheirTexts) {
    utString word("shared");
    {
        utStringcoFixedArr a(4);
        EXPECT_TRUE(a[3].invalid()); // every slot a constructed string
        a[0] = word;
        utStringcoFixedArr b(utCOPY, a);
        EXPECT_EQ(static_cast<const char *>(b[0]), static_cast<const char *>(word));
        EXPECT_EQ(word.ref().use_count(), 3);
        b.set_invalid();
        EXPECT_EQ(word.ref().use_count(), 2);
    }
    EXPECT_EQ(word.ref().use_count(), 1);
}

TEST(FixedArrDeathTest, ContractViolationsAbortWithTheirName) {
    intcoFixedArr a{1, 2, 3}, invalid;
    const intcoFixedArr &c = a;
    intcoFixedArr2D m{{1, 2}, {3, 4}, {5, 6}}, invalid2d;
    const intcoFixedArr2D &cm = m;
    expect_deaths(
        "",
        {{[&] { c[3]; }, "intcoFixedArr::operator\\[\\] const: index 3 out of range \\[0, 3\\)"},
         {[&] { invalid[0]; }, "intcoFixedArr::operator\\[\\]: index 0 of an invalid array"},
         {[] { utStringcoFixedArr(-2); }, "utStringcoFixedArr::constructor: negative size -2"},
         {[&] { cm(2, 0); },
          "intcoFixedArr2D::operator\\(\\) const: index \\(2, 0\\) outside the extents 2 x 3"},
         {[&] { invalid2d(0, 0); },
          "intcoFixedArr2D::operator\\(\\): index \\(0, 0\\) of an invalid matrix"},
         {[] { doublecoFixedArr2D(0, 3); }, "doublecoFixedArr2D::allocate: extents 0 x 3 below 1"},
         {[] {
              intcoFixedArr2D({{1}, {2, 3}});
          },
          "intcoFixedArr2D::constructor: column 1 longer than the first"},
         {[] { intcoFixedArr2D{{}}; },
          "intcoFixedArr2D::constructor: list extents 0 x 1 below 1"}});
}

static_assert(sizeof(intcoPrgArray) == sizeof(int *), "a handle is one pointer");
static_assert(!std::is_copy_constructible_v<intcoPrgArray>, "handles are not copyable");
static_assert(std::is_nothrow_move_constructible_v<doublecoPrgArray>, "handles move");

TEST(PrgArray, OwnershipMovesReleasesAndSwaps) {
    intcoPrgArray empty;
    EXPECT_EQ(empty.release(), nullptr);
    empty.reset();
    empty.reset();

    int *raw = new int[4]{1, 2, 3, 4};
    intcoPrgArray a(raw);
    EXPECT_EQ(a.get(), raw);
    a = new int[2]; // releases raw (ASan would see a leak or a double free)
    int *back = a.release();
    EXPECT_FALSE(a);
    delete[] back;

    charcoPrgArray full(new char[8]), none;
    full.swap(none);
    EXPECT_EQ(full.get(), nullptr);
    EXPECT_NE(none.get(), nullptr);
    charcoPrgArray moved(std::move(none));
    EXPECT_EQ(none.get(), nullptr);
    EXPECT_TRUE(moved);
    coBytecoPrgArray bytes(new coByte[3]);
    bytes = coBytecoPrgArray(new coByte[5]);
    boolcoPrgArray flags;
    flags.become(new bool[1]);
}

TEST(PrgArrayDeathTest, BecomingTheHeldArrayAborts) {
    doublecoPrgArray h(new double[2]);
    colib_test::expect_deaths(
        "doublecoPrgArray::",
        {{[&] { h.become(h.get()); }, "become: the handle already owns this array"}});
}

} // namespace
