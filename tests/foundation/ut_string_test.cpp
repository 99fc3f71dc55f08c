#include <colib/foundation/convert.h>
#include <colib/foundation/ut.h>
#include <gtest/gtest.h>

#include <sstream>

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
                            "1e400", "1,5", "--1"}) {
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
