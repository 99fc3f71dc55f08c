// Allocation failure in the resources: a table that cannot grow its slots, a
// registry that cannot be made or grown and a resource that cannot be
// allocated leave the tables, the registry and the id counter as they were,
// and nothing leaks.
#include <colib/resources/resource_table.h>

#include "alloc/legacy.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {
using alloc_injector::for_each_throw;
using ResourcesAlloc = alloc_injector::NoLeaks;

std::vector<std::string> texts(const coResourceTable &t) {
    std::vector<std::string> out;
    for (const coResourceBase *r : t)
        out.push_back(r->as_string().c_str());
    return out;
}

TEST_F(ResourcesAlloc, NamedKeysLeaveTheRegistryAndTheCounterAsTheyWere) {
    int base = coResourceKeyBase::next_id();
    std::unique_ptr<intcoResourceKey> first;
    // The key object, the registry and its slots can each fail.
    int runs = for_each_throw([&] { first = std::make_unique<intcoResourceKey>("first"); },
                              [&] {
                                  EXPECT_EQ(coResourceKeyBase::registry(), nullptr);
                                  EXPECT_EQ(coResourceKeyBase::next_id(), base);
                              });
    EXPECT_GE(runs, 3);
    // Seven names fill the registry to just below its load limit; the
    // eighth makes it double.
    std::vector<std::unique_ptr<intcoResourceKey>> keys;
    for (int i = 0; i < 6; ++i)
        keys.push_back(std::make_unique<intcoResourceKey>(utString(std::to_string(i))));
    std::unique_ptr<intcoResourceKey> eighth;
    runs = for_each_throw([&] { eighth = std::make_unique<intcoResourceKey>("eighth"); },
                          [&] {
                              EXPECT_EQ(coResourceKeyBase::registry()->size(), 7);
                              EXPECT_EQ(coResourceKeyBase::registry()->pairs().bits(), 4);
                              EXPECT_EQ(coResourceKeyBase::get_named_key("eighth"), nullptr);
                              EXPECT_EQ(coResourceKeyBase::next_id(), base + 7);
                          });
    EXPECT_GE(runs, 2);
    EXPECT_EQ(coResourceKeyBase::get_named_key("eighth"), eighth.get());
}

TEST_F(ResourcesAlloc, TablesThatCannotGrowOrResourcesThatCannotBeMadeStayAsTheyWere) {
    // Enough keys that the last one's slot lies in the table's third block.
    std::vector<std::unique_ptr<utStringcoResourceKey>> keys;
    for (int i = 0; i < 600; ++i)
        keys.push_back(std::make_unique<utStringcoResourceKey>(utString("k" + std::to_string(i))));
    coResourceTable parent, t(&parent);
    coResourceTableMaker::create_entry("k0", "zero", t);
    int size = t.size();
    int runs = for_each_throw([&] { coResourceTableMaker::create_entry("k599", "last", t); },
                              [&] {
                                  EXPECT_EQ(t.size(), size);
                                  EXPECT_EQ(texts(t), (std::vector<std::string>{"zero"}));
                              });
    EXPECT_GE(runs, 3); // the resource, its text, the block table, the blocks
    EXPECT_EQ(texts(t), (std::vector<std::string>{"zero", "last"}));

    // Replacing an entry: the old one stays until the new one exists.
    runs = for_each_throw([&] { coResourceTableMaker::merge_entry("k0", "new", t); },
                          [&] {
                              EXPECT_EQ(texts(t), (std::vector<std::string>{"zero", "last"}));
                          });
    EXPECT_GE(runs, 1);

    // A modifier and an attached resource that cannot file themselves.
    std::unique_ptr<utStringcoResourceModifier> m;
    runs = for_each_throw(
        [&] { m = std::make_unique<utStringcoResourceModifier>("mod", keys[400].get(), &parent); },
        [&] { EXPECT_EQ(parent.size(), 0); });
    EXPECT_GE(runs, 3);
    EXPECT_EQ(*keys[400]->read_safe(&t), "mod");
    m.reset();
    std::unique_ptr<coResourceBase> attached;
    runs = for_each_throw(
        [&] { attached = std::make_unique<coResourceBase>(keys[300].get(), &parent); },
        [&] { EXPECT_EQ(parent.lookup_resource(keys[300].get()), nullptr); });
    EXPECT_GE(runs, 1);
    attached.reset();
}

TEST_F(ResourcesAlloc, TheLoaderFilesWholeLinesOnly) {
    intcoResourceKey a("a");
    utStringcoResourceKey b("b");
    int runs = for_each_throw(
        [&] {
            coResourceTable t;
            coResourceLoadReport report;
            std::istringstream in("a = 1\nb = text\nc = 2\na = 3\n");
            try {
                coResourceTableMaker::load(in, t, report);
            } catch (...) {
                // Whatever was filed is whole: each entry has its value.
                const int *v = a.read_safe(&t);
                EXPECT_TRUE(!v || *v == 1 || *v == 3);
                const utString *s = b.read_safe(&t);
                EXPECT_TRUE(!s || *s == "text");
                throw;
            }
            EXPECT_EQ(report.problems().size(), 2u);
        },
        [] {});
    EXPECT_GE(runs, 5);
}

} // namespace
