// The code blocks of docs/resources.md, verbatim, with their output.
#include <colib/resources/resource_table.h>

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

TEST(ResourceDocs, Overview) {
    testing::internal::CaptureStdout();
    {
        intcoResourceKey width("width");
        utStringcoResourceKey title("title");
        coResourceTable defaults;
        coResourceTable user(&defaults);

        coResourceTableMaker::create_entry("width", "80", defaults);
        coResourceTableMaker::create_entry("title", "untitled", defaults);
        coResourceTableMaker::create_entry("width", "100", user);

        std::cout << *width.read_safe(&user) << ' ' << *title.read_safe(&user) << '\n';
        // 100 untitled
        {
            intcoResourceModifier wide(132, &width, &user);
            std::cout << *width.read_safe(&user) << '\n'; // 132
        }
        std::cout << *width.read_safe(&user) << '\n'; // 100
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "100 untitled\n132\n100\n");
}

TEST(ResourceDocs, SettingsFile) {
    testing::internal::CaptureStdout();
    {
        intcoResourceKey width("width");
        utBoolcoResourceKey verbose("verbose");
        coResourceTable table;
        std::istringstream file("width = 80\nvolume = 11\nverbose = yes\nwidth = 132\n");
        coResourceLoadReport report;
        coResourceTableMaker::load(file, table, report);
        for (const coResourceLoadProblem &p : report.problems())
            std::cout << p << '\n';
        // line 2: no such key: volume = 11
        // line 3: bad value: verbose = yes
        // line 4: replaced: width = 132
        std::cout << *width.read_safe(&table) << '\n'; // 132
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "line 2: no such key: volume = 11\nline 3: bad value: verbose = yes\n"
              "line 4: replaced: width = 132\n132\n");
}

TEST(ResourceDocs, Walking) {
    testing::internal::CaptureStdout();
    {
        intcoResourceKey a("a"), b("b");
        coResourceTable t;
        coResourceTableMaker::create_entry("b", "2", t);
        coResourceTableMaker::create_entry("a", "1", t);
        coResourceIterator it(&t);
        while (++it)
            std::cout << it.index() - a.id() << ": " << it()->as_string() << '\n'; // 0: 1, 1: 2
        for (const coResourceBase *r : t)
            std::cout << r->as_string() << '\n';
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "0: 1\n1: 2\n1\n2\n");
}

} // namespace
