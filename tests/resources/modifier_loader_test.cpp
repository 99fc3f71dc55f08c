// Modifiers, the settings-file loader and the hardened checks of the
// resources.
#include <colib/resources/resource_table.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

TEST(ResourceModifier, OverridesForItsLifetimeAndNests) {
    intcoResourceKey k("mod.k");
    utStringcoResourceKey s("mod.s");
    coResourceTable parent, t(&parent);
    coResourceTableMaker::create_entry("mod.k", "1", parent);
    {
        // No own entry: the modifier's value is seen, then the parent's again.
        intcoResourceModifier m(5, &k, &t);
        EXPECT_EQ(*k.read_safe(&t), 5);
        EXPECT_EQ(m.saved(), nullptr);
        EXPECT_EQ(m.resource()->key(), &k);
        EXPECT_EQ(*k.read_safe(&parent), 1);
    }
    EXPECT_EQ(t.has_key(&k), 0);
    EXPECT_EQ(*k.read_safe(&t), 1);

    coResourceTableMaker::create_entry("mod.k", "2", t);
    const coResourceBase *own = t.lookup_resource(&k);
    {
        intcoResourceModifier outer(10, &k, &t);
        EXPECT_EQ(outer.saved(), own);
        {
            intcoResourceModifier inner(20, &k, &t);
            EXPECT_EQ(*k.read_safe(&t), 20);
        }
        EXPECT_EQ(*k.read_safe(&t), 10);
        utStringcoResourceModifier text("on", &s, &t);
        EXPECT_EQ(*s.read_safe(&t), "on");
    }
    // The old entry is back, the same object, unchanged.
    EXPECT_EQ(t.lookup_resource(&k), own);
    EXPECT_EQ(*k.read_safe(&t), 2);
    EXPECT_EQ(s.read_safe(&t), nullptr);

    doublecoResourceKey d;
    utBoolcoResourceKey b;
    doublecoResourceModifier md(0.5, &d, &t);
    utBoolcoResourceModifier mb(1, &b, &t);
    EXPECT_EQ(*d.read_safe(&t), 0.5);
    EXPECT_EQ(*b.read_safe(&t), 1);
    EXPECT_EQ(k.read_safe(&t) != nullptr, true);
}

TEST(ResourceModifier, SlotChangedDuringItsLife) {
    // Every case must neither leak nor free twice (see the sanitizer run).
    intcoResourceKey k("mod2.k");
    coResourceTable parent, t(&parent);
    coResourceTableMaker::create_entry("mod2.k", "1", parent);
    {
        intcoResourceModifier m(5, &k, &t);
        // Emptied: the slot stays empty after the modifier.
        EXPECT_EQ(t.remove_resource(&k), 1);
        EXPECT_EQ(*k.read_safe(&t), 1);
    }
    EXPECT_EQ(t.has_key(&k), 0);
    coResourceTableMaker::create_entry("mod2.k", "2", t);
    const coResourceBase *own = t.lookup_resource(&k);
    {
        intcoResourceModifier m(5, &k, &t);
        // Replaced by the maker: the modifier's own value is not seen any
        // more; when the modifier dies the saved entry comes back.
        EXPECT_EQ(coResourceTableMaker::merge_entry("mod2.k", "7", t), coResourceReplaced);
        EXPECT_EQ(*k.read_safe(&t), 7);
    }
    EXPECT_EQ(t.lookup_resource(&k), own);
    {
        intcoResourceModifier m(5, &k, &t);
        coResourceTableMaker::create_entry("mod2.k", "8", t);
        intcoResourceModifier n(6, &k, &t); // saves the maker's entry
        EXPECT_EQ(*k.read_safe(&t), 6);
    }
    EXPECT_EQ(*k.read_safe(&t), 2);
    // A parent's entry is never touched by a child's modifier.
    { intcoResourceModifier m(5, &k, &t); }
    EXPECT_EQ(*k.read_safe(&parent), 1);
}

// Four named keys and a table to load into.
struct Loaded {
    intcoResourceKey width{"width"};
    doublecoResourceKey scale{"scale"};
    utBoolcoResourceKey verbose{"verbose"};
    utStringcoResourceKey title{"title"};
    coResourceTable table;
    coResourceLoadReport report;
};

std::vector<std::string> describe(const coResourceLoadReport &r) {
    std::vector<std::string> out;
    for (const coResourceLoadProblem &p : r.problems()) {
        std::ostringstream os;
        os << p;
        out.push_back(os.str());
    }
    return out;
}

TEST(ResourceLoader, ReportsEveryBadLineAndLoadsTheGoodOnes) {
    Loaded l;
    std::istringstream in("# settings\n"
                          "width = 80\n"
                          "\n"
                          "   \t\n"
                          "  title  =  a = b  c  \r\n"
                          "volume = 11\n"
                          "scale = fast\n"
                          "just words\n"
                          "   # indented comment\n"
                          "width=132\n"
                          "verbose =TRUE\n"
                          "scale = 1.5");
    EXPECT_EQ(coResourceTableMaker::load(in, l.table, l.report), 4);
    EXPECT_EQ(describe(l.report), (std::vector<std::string>{
                                      "line 6: no such key: volume = 11",
                                      "line 7: bad value: scale = fast",
                                      "line 8: no '=': just words",
                                      "line 10: replaced: width=132",
                                  }));
    EXPECT_EQ(l.report.lines(), 12);
    EXPECT_EQ(l.report.filed(), 5);
    EXPECT_EQ(*l.width.read_safe(&l.table), 132);
    EXPECT_EQ(*l.title.read_safe(&l.table), "a = b  c");
    EXPECT_EQ(*l.verbose.read_safe(&l.table), 1);
    EXPECT_EQ(*l.scale.read_safe(&l.table), 1.5);
    EXPECT_EQ(l.report.ok(), 0);
    EXPECT_TRUE(in.eof());

    // Create mode overwrites silently; stop_at_first stops at the first
    // problem, leaving the lines after it unread.
    l.report.clear();
    std::istringstream again("width = 1\nwidth = 2\nvolume = 3\nwidth = 4\n");
    EXPECT_EQ(coResourceTableMaker::load(again, l.table, l.report, coResourceLoadCreate, 1), 1);
    EXPECT_EQ(l.report.lines(), 3);
    EXPECT_EQ(*l.width.read_safe(&l.table), 2);
}

TEST(ResourceLoader, LongLinesNulBytesAndFiles) {
    Loaded l;
    std::string limit_line = "title = " + std::string(coResourceLoadReport::max_line - 8, 'x');
    std::string text = limit_line + "\r\n" + limit_line + "y\n" +
                       std::string("title = a\0b\n", 12) +
                       std::string(3 * coResourceLoadReport::max_line, '=') + "\nwidth = 3";
    std::istringstream in(text);
    EXPECT_EQ(coResourceTableMaker::load(in, l.table, l.report), 3);
    ASSERT_EQ(l.report.problems().size(), 3u);
    EXPECT_EQ(l.report.problems()[0].line, 2);
    EXPECT_EQ(l.report.problems()[0].issue, coResourceLoadTooLong);
    EXPECT_EQ(l.report.problems()[0].text.length(), 80);
    EXPECT_EQ(l.report.problems()[1].issue, coResourceLoadNulByte);
    EXPECT_EQ(l.report.problems()[2].line, 4);
    EXPECT_EQ(l.report.problems()[2].issue, coResourceLoadTooLong);
    EXPECT_EQ(*l.width.read_safe(&l.table), 3);
    // The line of exactly the limit (before its "\r\n") was loaded, then
    // replaced by nothing else.
    EXPECT_EQ(l.title.read_safe(&l.table)->length(), coResourceLoadReport::max_line - 8);

    std::string path = ::testing::TempDir() + "colib_resources_load.txt";
    {
        std::ofstream out(path, std::ios::binary);
        out << "width = 9\nscale = 2\n";
    }
    coResourceLoadReport r;
    EXPECT_EQ(coResourceTableMaker::load(path.c_str(), l.table, r), 1); // width replaced
    EXPECT_EQ(*l.scale.read_safe(&l.table), 2.0);
    std::remove(path.c_str());
    EXPECT_EQ(coResourceTableMaker::load(path.c_str(), l.table, r), 1);
    EXPECT_EQ(r.problems().back().issue, coResourceLoadCannotRead);
    EXPECT_EQ(r.problems().back().line, 0);
}

// Reaches the protected slot operations.
struct SlotAccess : coResourceTable {
    using coResourceTable::coResourceTable;
    using coResourceTable::enter_resource;
};

TEST(ResourcesDeathTest, ContractViolationsAbortWithTheirName) {
    intcoResourceKey k;
    EXPECT_DEATH(
        {
            SlotAccess t;
            t.enter_resource(&k, nullptr);
        },
        "coResourceTable::enter_resource: no slot for key id");
    EXPECT_DEATH(
        {
            coResourceTable t(&t);
            t.lookup_resource(&k);
        },
        "coResourceTable::lookup_resource: the table is its own ancestor");
    EXPECT_DEATH(
        {
            coResourceTable t;
            auto *outer = new intcoResourceModifier(1, &k, &t);
            auto *inner = new intcoResourceModifier(2, &k, &t);
            (void)inner;
            delete outer;
        },
        "coResourceModifierBase::destructor: a later modifier");
    EXPECT_DEATH(
        {
            coResourceTable t;
            coResourceIterator it(&t);
            it();
        },
        "coResourceIterator::operator\\(\\): the iterator is undefined");
    EXPECT_DEATH(k.read_safe(nullptr), "intcoResourceKey::read_safe: null table");
    EXPECT_DEATH(coResourceBase(&k, nullptr), "coResourceBase::constructor: null key or table");
    EXPECT_DEATH(intcoResourceModifier(1, nullptr, nullptr),
                 "coResourceModifierBase::constructor: null resource, key or table");
}

} // namespace
