// What the driver's model leaves open: type identities, text forms at the
// edges, slots past the first block, the registry's geometry and the
// loader's file and report handling.
#include <colib/resources/resource_table.h>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

TEST(ResourcesExamples, TypeIdentitiesAndTextForms) {
    coResourceError e = coResourceReplaced;
    std::unique_ptr<intcoResource> i(intcoResource::create_from_string("-42", e));
    std::unique_ptr<utBoolcoResource> b(utBoolcoResource::create_from_string("TRUE", e));
    std::unique_ptr<doublecoResource> d(doublecoResource::create_from_string("3.14159265", e));
    std::unique_ptr<doublecoResource> big(doublecoResource::create_from_string("1e300", e));
    std::unique_ptr<utStringcoResource> s(utStringcoResource::create_from_string(" a = b ", e));
    EXPECT_EQ(e, coResourceOk);
    EXPECT_EQ(intcoResource::create_from_string(utString(), e), nullptr);
    EXPECT_EQ(e, coResourceBadValue);
    const std::pair<const coResourceBase *, const char *> forms[] = {{i.get(), "-42"},
                                                                     {b.get(), "1"},
                                                                     {d.get(), "3.14159"},
                                                                     {big.get(), "1e+300"},
                                                                     {s.get(), " a = b "}};
    for (const auto &[r, text] : forms)
        EXPECT_STREQ(r->as_string().c_str(), text);
    EXPECT_EQ(intcoResource::ut_dynamic_cast(i.get()), i.get());
    EXPECT_EQ(intcoResource::ut_dynamic_cast(b.get()), nullptr);
    EXPECT_EQ(utBoolcoResource::ut_dynamic_cast(i.get()), nullptr);
    EXPECT_EQ(coResourceBase::ut_dynamic_cast(d.get()), d.get());
    EXPECT_STREQ(s->ut_dynamic_type().name(), "utStringcoResource");
    EXPECT_STREQ(b->ut_dynamic_type().name(), "utBoolcoResource");
    EXPECT_EQ(s->ut_is_kind_of(coResourceBase::ut_static_type()), 1);
    EXPECT_EQ(s->ut_is_kind_of(intcoResource::ut_static_type()), 0);
    EXPECT_EQ(i->ut_is_kind_of(utTypeID(utMAKE_TYPE, "intcoResource")), 1);
}

TEST(ResourcesExamples, SlotsPastTheFirstBlockAndTheRegistry) {
    std::vector<std::unique_ptr<intcoResourceKey>> keys;
    while (coResourceKeyBase::next_id() <= 300)
        keys.push_back(std::make_unique<intcoResourceKey>());
    utStringcoResourceKey far("far");
    EXPECT_EQ(coResourceKeyBase::registry()->pairs().bits(), 4);
    coResourceTable t;
    EXPECT_EQ(t.block_size(), 256);
    coResourceTableMaker::create_entry("far", "x", t);
    EXPECT_EQ(t.size(), far.id() + 1);
    EXPECT_EQ(t.block_count(), (far.id() >> 8) + 1);
    EXPECT_EQ(t.entry_count(), 1);
    EXPECT_EQ(*t.begin(), t.lookup_resource(&far));
    EXPECT_EQ(t.begin().index(), far.id());
}

TEST(ResourcesExamples, LoaderFilesAndReports) {
    intcoResourceKey width("width");
    coResourceTable t;
    coResourceLoadReport report;
    EXPECT_EQ(coResourceTableMaker::load("/nonexistent/settings", t, report), 1);
    std::istringstream in(std::string(70000, 'w') + "\nwidth = 80\nwidth=9\n");
    EXPECT_EQ(coResourceTableMaker::load(in, t, report, coResourceLoadMerge, 1), 1);
    // A stopped load leaves the stream at its end: nothing more to read.
    EXPECT_EQ(coResourceTableMaker::load(in, t, report), 1);
    std::ostringstream os;
    for (const coResourceLoadProblem &p : report.problems())
        os << p << '\n';
    EXPECT_EQ(os.str(), "line 0: cannot read: /nonexistent/settings\nline 1: line too long: " +
                            std::string(80, 'w') + "\nline 0: cannot read: \n");
    EXPECT_EQ(report.lines(), 1);
    EXPECT_EQ(report.filed(), 0);
    EXPECT_EQ(width.read_safe(&t), nullptr);
    report.clear();
    EXPECT_TRUE(report.ok() && report.lines() == 0);
    EXPECT_STREQ(co_resource_load_issue_text(coResourceLoadIssue(0)), "unknown problem");
}
