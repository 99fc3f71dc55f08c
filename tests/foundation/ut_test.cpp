#include <colib/foundation/buffer_guard.h>
#include <colib/foundation/convert.h>
#include <colib/foundation/types.h>
#include <colib/foundation/ut.h>
#include <colib/foundation/ut_ostream.h>
#include <colib/hashing/set.h>
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

namespace {

TEST(UtString, OrderIsUnsignedBytesWithNoTextFirst) {
    utString none, other_none, empty(""), a("a"), b("b"), high("\xff");
    EXPECT_TRUE(none.invalid());
    EXPECT_FALSE(empty.invalid());
    EXPECT_EQ(none.compare(empty), -1);
    EXPECT_EQ(empty.compare(none), 1);
    EXPECT_EQ(none.compare(other_none), 0);
    EXPECT_EQ(a.compare(b), -1);
    EXPECT_EQ(high.compare(a), 1);
    EXPECT_EQ(utString("ab").compare(a), 1);
    EXPECT_TRUE(a == "a");
    EXPECT_TRUE(a != b);
    EXPECT_EQ(utString("HeLLo").case_compare("hello"), 0);
    EXPECT_NE(utString("hello!").case_compare("hello"), 0);
    EXPECT_EQ(none.length(), 0);
    EXPECT_EQ(utString("abc").length(), 3);
}

TEST(UtString, CopiesShareTextAndOutliveTheOriginal) {
    auto *original = new utString("shared");
    utString copy(*original);
    EXPECT_EQ(static_cast<const char *>(copy), static_cast<const char *>(*original));
    EXPECT_EQ(copy.ref().use_count(), 2);
    delete original;
    EXPECT_EQ(copy.ref().use_count(), 1);
    EXPECT_STREQ(copy, "shared");

    utString self("self");
    const char *text = self;
    self = *&self;
    EXPECT_EQ(static_cast<const char *>(self), text);
    EXPECT_EQ(self.ref().use_count(), 1);

    utString a("a"), b("b");
    a = b;
    EXPECT_STREQ(a, "b");
    EXPECT_EQ(b.ref().use_count(), 2);
    utString moved(std::move(a));
    EXPECT_TRUE(a.invalid());
    EXPECT_EQ(b.ref().use_count(), 2);

    char buffer[8] = "temp";
    utString copied(utCOPY, buffer);
    buffer[0] = 'X';
    EXPECT_STREQ(copied, "temp");

    utString lit = ut_lit("literal");
    EXPECT_EQ(lit.ref().use_count(), 0);
    utString lit_copy = lit;
    EXPECT_STREQ(lit_copy, "literal");
}

// Text ends at its first NUL byte whatever the constructor, so length,
// hashing, comparison and printing agree, and a set holds such a string
// once.
TEST(UtString, CountedConstructorsStopAtTheFirstNul) {
    utString a(std::string("k\0one", 5)), b("k\0two", 5), k("k");
    EXPECT_EQ(a.length(), 1);
    EXPECT_EQ(a.compare(k), 0);
    EXPECT_EQ(co_hash(a), co_hash(k));
    EXPECT_EQ(co_hash(b), co_hash(k));
    std::ostringstream os;
    os << a;
    EXPECT_EQ(os.str(), "k");
    utStringcoSet s{a, b, k};
    EXPECT_EQ(s.size(), 1);
    EXPECT_EQ(utString("\0x", 2).length(), 0);
    EXPECT_FALSE(utString("\0x", 2).invalid()); // the empty text, not no text
    EXPECT_EQ(utString("abc", 2).length(), 2);  // a count below the NUL still cuts
}

TEST(UtString, ParseTakesOnlyWholeNumbers) {
    int i = 7;
    int scratch = 0;
    EXPECT_EQ(utString("-2147483648").parse(i, scratch), 1);
    EXPECT_EQ(i, -2147483648);
    EXPECT_EQ(utString("+12").parse(i), 1);
    EXPECT_EQ(i, 12);
    for (const char *bad : {"", " 1", "1 ", "2147483648", "-2147483649", "0x10", "1.0", "+", "-",
                            "12a", "99999999999999999999"}) {
        i = 7;
        EXPECT_EQ(utString(bad).parse(i), 0) << bad;
        EXPECT_EQ(i, 7) << bad;
    }
    EXPECT_EQ(utString().parse(i), 0);

    double d = 0;
    EXPECT_EQ(utString("6.02e23").parse(d), 1);
    EXPECT_EQ(d, 6.02e23);
    EXPECT_EQ(utString("-.5").parse(d), 1);
    EXPECT_EQ(d, -0.5);
    EXPECT_EQ(utString("3.").parse(d), 1);
    EXPECT_EQ(d, 3.0);
    EXPECT_EQ(utString("1E-3").parse(d), 1);
    EXPECT_EQ(d, 0.001);
    for (const char *bad : {"", ".", "e5", "1e", "1e+", " 1", "1 ", "nan", "inf", "-inf", "0x1p3",
                            "1e400", "1,5", "--1", "2e+x"}) {
        d = 42;
        EXPECT_EQ(utString(bad).parse(d), 0) << bad;
        EXPECT_EQ(d, 42) << bad;
    }
}

TEST(Conversions, FromStringFunctions) {
    int flag = 5;
    for (const char *yes : {"true", "TRUE", "tRuE"}) {
        flag = 5;
        EXPECT_EQ(co_utBool_from_string(yes, flag), 1);
        EXPECT_EQ(flag, 1);
    }
    EXPECT_EQ(co_utBool_from_string("False", flag), 1);
    EXPECT_EQ(flag, 0);
    for (const char *no : {"1", "yes", "", "truex"}) {
        flag = 5;
        EXPECT_EQ(co_utBool_from_string(no, flag), 0);
        EXPECT_EQ(flag, 5);
    }
    utString out("old");
    EXPECT_EQ(co_utString_from_string(out, out), 1);
    EXPECT_STREQ(out, "old");
    EXPECT_EQ(co_utString_from_string("new", out), 1);
    EXPECT_STREQ(out, "new");
    int i = 0;
    double d = 0;
    EXPECT_EQ(co_int_from_string("-3", i), 1);
    EXPECT_EQ(co_double_from_string("2.5", d), 1);
    EXPECT_EQ(i + d, -0.5);
}

TEST(UtTypeID, SameTypeByName) {
    static const char name[] = "coResource<int>";
    std::string same_text = name;
    utTypeID a(utMAKE_TYPE, name), b(utMAKE_TYPE, same_text.c_str()), c(utMAKE_TYPE, "other");
    EXPECT_TRUE(a.same_type(b));
    EXPECT_FALSE(a.same_type(c));
    std::ostringstream os;
    os << utString("text") << utString();
    EXPECT_EQ(os.str(), "text");
}

TEST(UtOstream, NestedStreamsIndentEveryLine) {
    std::ostringstream os;
    {
        utOstream root(os, 0, 2);
        root << "a {" << std::endl;
        {
            utOstream inner(utTAB, root, 1, 0);
            inner << "x " << 1 << std::endl << "two\nlines" << std::endl << std::endl;
            utOstream deeper(utTAB, inner, 1, 0);
            deeper << 'c' << std::endl;
        }
        root << "}" << std::endl;
    }
    EXPECT_EQ(os.str(), "a {\n  x 1\n  two\n  lines\n\n    c\n}\n");

    std::ostringstream wide;
    utOstream custom(wide, 1, 4);
    utOstream extra(utTAB, custom, 0, 1);
    extra << "e" << std::endl;
    EXPECT_EQ(wide.str(), "     e\n");
}

TEST(UtOstream, NumberFormats) {
    std::ostringstream os;
    utOstream u(os, 0, 2);
    u << 0.1 << " " << 1.0 << " " << 1e300 << " " << -0.0 << " " << static_cast<double>(0.1f) << " "
      << std::numeric_limits<double>::max() << " " << -2147483647 - 1 << " "
      << static_cast<void *>(nullptr) << " " << reinterpret_cast<void *>(0xbeef) << " "
      << std::numeric_limits<double>::infinity();
    EXPECT_EQ(os.str(), "0.1 1 1e+300 -0 0.10000000149011612 1.7976931348623157e+308 "
                        "-2147483648 0x0 0xbeef inf");
}

TEST(Numeric, MixedSignComparisonAndCast) {
    using IU = utNumericHelper<int, utUInt64, true, false>;
    using UI = utNumericHelper<utUInt64, int, false, true>;
    EXPECT_TRUE(IU::less(-1, 0));
    EXPECT_FALSE(IU::greater(-1, 0));
    EXPECT_TRUE(IU::greater(5, 4));
    EXPECT_TRUE(UI::greater(0, -1));
    EXPECT_FALSE(UI::less(0, -1));
    EXPECT_TRUE(UI::less(3, 4));
    EXPECT_TRUE(ut_compare(-1) < utUInt64(0));
    EXPECT_TRUE(ut_compare(utUInt64(1) << 40) > 7);

    bool flag = false;
    EXPECT_EQ((ut_numeric_cast<int, utUInt64>(2147483648ull, flag)), -2147483647 - 1);
    EXPECT_TRUE(flag);
    EXPECT_EQ((ut_numeric_cast<int, utUInt64>(2147483647ull, flag)), 2147483647);
    EXPECT_FALSE(flag);
    ut_numeric_cast<utUInt64, int>(-1, flag);
    EXPECT_TRUE(flag);
    EXPECT_EQ((ut_numeric_cast<utUInt64, int>(9, flag)), 9u);
    EXPECT_FALSE(flag);

    EXPECT_EQ(utMath::max(-3, 2), 2);
    EXPECT_EQ(utMath::min(-3, 2), -3);
    EXPECT_EQ(utMath::max_double(), 1.7976931348623157e308);
    EXPECT_EQ(utMath::min_int(), -2147483647 - 1);
}

TEST(BufferGuard, CopiesOnlyInsideTheGuardedBuffer) {
    int buffer[5] = {0, 0, 0, 0, 9};
    const int src[5] = {1, 2, 3, 4, 5};
    coBufferGuard<int, 1> guard(buffer, 4);
    EXPECT_EQ(guard.count(), 4u);
    guard.copy(buffer, src, 5);
    guard.copy(buffer, nullptr, 4);
    guard.copy(buffer + 1, src, 4);
    coBufferGuard<int, 1>(buffer + 1, 3).copy(buffer, src, 1); // starts before the guarded part
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 0);
    guard.copy(buffer, src, 4);
    EXPECT_EQ(buffer[3], 4);
    EXPECT_EQ(buffer[4], 9);
    guard.copy(buffer + 4, src, 0); // an empty range at the end fits
    EXPECT_EQ((coBufferGuard<int, 1>::convert(-5)), 0u);
    EXPECT_EQ((coBufferGuard<int, 1>(buffer, -1).count()), 0u);

    utString strings[3];
    const utString words[2] = {"x", "y"};
    coBufferGuard<utString, 0>(strings, 3).copy(strings + 1, words, 2);
    EXPECT_TRUE(strings[0].invalid());
    EXPECT_STREQ(strings[2], "y");
    EXPECT_EQ(words[1].ref().use_count(), 2);
}

} // namespace
