// String sets and string-keyed tables looked up by text (const char *,
// std::string_view, std::string) without a utString, and table pairs
// unpacked with structured bindings.
#include <colib/hashing/set.h>
#include <colib/hashing/table.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace {

TEST(TextLookup, StringSetByEveryTextForm) {
    utStringcoSet s(2, 50);
    std::vector<std::string> words;
    for (int i = 0; i < 500; ++i) // grown well past its first table
        words.push_back("w" + std::to_string(i * 7919));
    for (const std::string &w : words)
        s.add(utString(w));
    s.add(utString(""));
    for (const std::string &w : words) {
        ASSERT_EQ(s.member(w), 1) << w;
        ASSERT_EQ(s.member(std::string_view(w)), 1) << w;
        ASSERT_EQ(s.member(w.c_str()), 1) << w;
        ASSERT_STREQ(s.find(std::string_view(w)), w.c_str());
    }
    EXPECT_EQ(s.member("w1"), 0);
    EXPECT_EQ(s.member(std::string_view("w79190", 3)), 0); // "w79" is not stored
    EXPECT_EQ(s.member(std::string_view("w7919xyz", 5)), 1);
    // The empty text is a member; a null pointer is the nil string, never.
    EXPECT_EQ(s.member(""), 1);
    EXPECT_EQ(s.member(std::string_view()), 1);
    EXPECT_EQ(s.member(static_cast<const char *>(nullptr)), 0);
    EXPECT_TRUE(s.find(static_cast<const char *>(nullptr)).invalid());
    // A view ends at its first NUL, as a utString made from it would.
    EXPECT_EQ(s.member(std::string("w0\0junk", 7)), 1);

    int before = s.size();
    unsigned hash = s.hash();
    EXPECT_STREQ(s.remove("w7919"), "w7919");
    EXPECT_TRUE(s.remove(std::string_view("w7919")).invalid());
    EXPECT_EQ(s.size(), before - 1);
    EXPECT_EQ(s.hash(), hash ^ co_hash(utString("w7919")));
    for (std::size_t i = 2; i < words.size(); ++i)
        ASSERT_EQ(s.member(words[i]), 1) << words[i]; // removal kept chains intact
}

TEST(TextLookup, StringKeyedTables) {
    utStringintcoTable t(4, 50);
    const char *text = "the cat and the dog and the end";
    std::string_view rest(text);
    std::map<std::string, int> model;
    while (!rest.empty()) {
        auto n = rest.find(' ');
        std::string_view w = rest.substr(0, n);
        ++t[w];
        ++model[std::string(w)];
        rest = n == std::string_view::npos ? std::string_view() : rest.substr(n + 1);
    }
    EXPECT_EQ(t.size(), 5);
    for (const auto &[word, n] : model) {
        EXPECT_EQ(t.read(word), n) << word;
        EXPECT_EQ(t.read(word.c_str()), n) << word;
        EXPECT_EQ(t.read(utString(word)), n) << word;
    }
    EXPECT_EQ(t.read("cow"), 0);
    EXPECT_EQ(t.size(), 5); // read never inserts
    EXPECT_EQ(t.member(std::string("dog")), 1);
    EXPECT_EQ(t.remove("dog"), 1);
    EXPECT_EQ(t.remove(std::string_view("dog")), 0);
    EXPECT_EQ(t.member("dog"), 0);

    // The nil key by text: nothing is stored, the scratch value is handed out.
    t[static_cast<const char *>(nullptr)] = 9;
    EXPECT_EQ(t.size(), 4);
    EXPECT_EQ(t.read(static_cast<const char *>(nullptr)), 0);

    utStringutStringcoTable names{{utString("a"), utString("alpha")}};
    EXPECT_STREQ(names.read("a"), "alpha");
    names["b"] = utString("beta");
    EXPECT_STREQ(names.read(std::string("b")), "beta");
}

TEST(TablePairs, UnpackWithStructuredBindings) {
    intintcoTable t{{1, 10}, {2, 20}, {3, 30}};
    int keys = 0, values = 0;
    for (auto [key, value] : t) { // copies
        keys += key;
        values += value;
    }
    EXPECT_EQ(keys * 100 + values, 600 + 60);
    for (const auto &[key, value] : t) // references into the table
        EXPECT_EQ(&value, &t.read(key));

    const intutStringcoTableP p(4, utString("four"));
    const auto &[k, v] = p;
    static_assert(std::is_same_v<decltype(k), const int>);
    static_assert(std::is_same_v<decltype(v), const utString>);
    EXPECT_EQ(k, 4);
    EXPECT_STREQ(v, "four");

    utStringdoublecoTableP q(utString("x"), 1.5);
    auto &[qk, qv] = q; // the key stays const, the value is the pair's own
    static_assert(std::is_same_v<decltype(qk), const utString>);
    static_assert(std::is_same_v<decltype(qv), double>);
    qv = 2.5;
    EXPECT_EQ(q.get_obj(), 2.5);
    static_assert(std::tuple_size<utStringcoResourceKeyPtrcoTableP>::value == 2);
}

} // namespace
