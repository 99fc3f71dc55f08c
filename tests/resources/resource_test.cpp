// Keys, typed resources, tables, the table maker, modifiers and the shared
// holder. Key ids are process-wide, so tests count from next_id().
#include <colib/resources/resource_table.h>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace {

std::vector<int> own_ids(const coResourceTable &t) {
    std::vector<int> ids;
    for (auto it = t.begin(); it != t.end(); ++it)
        ids.push_back(it.index());
    return ids;
}

TEST(ResourceKey, IdsAreDenseAndTheLastOneIsReused) {
    int base = coResourceKeyBase::next_id();
    auto first = std::make_unique<intcoResourceKey>("k.first");
    auto second = std::make_unique<intcoResourceKey>("k.second");
    EXPECT_EQ(first->id(), base);
    EXPECT_EQ(second->id(), base + 1);
    second.reset();
    intcoResourceKey third("k.third");
    EXPECT_EQ(third.id(), base + 1);
    first.reset(); // not the last id: the counter stays
    EXPECT_EQ(coResourceKeyBase::next_id(), base + 2);
    intcoResourceKey unnamed;
    EXPECT_EQ(unnamed.id(), base + 2);
    EXPECT_TRUE(unnamed.name().invalid());
}

TEST(ResourceKey, RegistryLivesFromTheFirstToTheLastNamedKey) {
    ASSERT_EQ(coResourceKeyBase::registry(), nullptr);
    EXPECT_EQ(coResourceKeyBase::get_named_key("a"), nullptr);
    {
        intcoResourceKey unnamed;
        EXPECT_EQ(coResourceKeyBase::registry(), nullptr);
        auto a1 = std::make_unique<doublecoResourceKey>("a");
        ASSERT_NE(coResourceKeyBase::registry(), nullptr);
        EXPECT_EQ(coResourceKeyBase::registry()->pairs().bits(), 4);
        EXPECT_EQ(coResourceKeyBase::get_named_key("a"), a1.get());
        EXPECT_EQ(coResourceKeyBase::get_named_key("b"), nullptr);
        // A second key of the same name takes the name over; destroying
        // the first removes the name (and the registry with it).
        auto a2 = std::make_unique<doublecoResourceKey>("a");
        EXPECT_EQ(coResourceKeyBase::get_named_key("a"), a2.get());
        a1.reset();
        EXPECT_EQ(coResourceKeyBase::registry(), nullptr);
        EXPECT_EQ(coResourceKeyBase::get_named_key("a"), nullptr);
        a2.reset();
        EXPECT_EQ(coResourceKeyBase::registry(), nullptr);

        intcoResourceKey x("x"), y("y");
        EXPECT_EQ(coResourceKeyBase::registry()->size(), 2);
    }
    EXPECT_EQ(coResourceKeyBase::registry(), nullptr);
    EXPECT_EQ(coResourceKeyBase::get_named_key("x"), nullptr);
}

TEST(Resource, TextConversionsTextFormsAndTypes) {
    coResourceError e = coResourceReplaced;
    std::unique_ptr<intcoResource> i(intcoResource::create_from_string("-42", e));
    ASSERT_TRUE(i);
    EXPECT_EQ(e, coResourceOk);
    EXPECT_EQ(i->value(), -42);
    EXPECT_EQ(i->as_string(), "-42");
    EXPECT_EQ(i->key(), nullptr);
    EXPECT_EQ(i->table(), nullptr);
    EXPECT_EQ(intcoResource::create_from_string("4x", e), nullptr);
    EXPECT_EQ(e, coResourceBadValue);
    EXPECT_EQ(intcoResource::create_from_string(utString(), e), nullptr);

    std::unique_ptr<utBoolcoResource> b(utBoolcoResource::create_from_string("TRUE", e));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->value(), 1);
    EXPECT_EQ(b->as_string(), "1");
    EXPECT_EQ(utBoolcoResource::create_from_string("1", e), nullptr);
    EXPECT_EQ(e, coResourceBadValue);

    std::unique_ptr<doublecoResource> d(doublecoResource::create_from_string("3.14159265", e));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->as_string(), "3.14159");
    std::unique_ptr<doublecoResource> big(doublecoResource::create_from_string("1e300", e));
    EXPECT_EQ(big->as_string(), "1e+300");

    std::unique_ptr<utStringcoResource> s(utStringcoResource::create_from_string(" a = b ", e));
    EXPECT_EQ(s->as_string(), " a = b ");

    // Type identity: every resource is a coResourceBase and of its own class
    // only.
    EXPECT_EQ(intcoResource::ut_dynamic_cast(i.get()), i.get());
    EXPECT_EQ(intcoResource::ut_dynamic_cast(b.get()), nullptr);
    EXPECT_EQ(utBoolcoResource::ut_dynamic_cast(i.get()), nullptr);
    EXPECT_EQ(coResourceBase::ut_dynamic_cast(d.get()), d.get());
    EXPECT_EQ(coResourceBase::ut_dynamic_cast(nullptr), nullptr);
    EXPECT_EQ(intcoResource::ut_dynamic_cast(nullptr), nullptr);
    EXPECT_STREQ(s->ut_dynamic_type().name(), "utStringcoResource");
    EXPECT_EQ(s->ut_is_kind_of(coResourceBase::ut_static_type()), 1);
    EXPECT_EQ(s->ut_is_kind_of(intcoResource::ut_static_type()), 0);
    // A type identifier made elsewhere under the same name is the same type.
    utTypeID same(utMAKE_TYPE, "intcoResource");
    EXPECT_EQ(i->ut_is_kind_of(same), 1);
}

TEST(ResourceTable, MakerFilesGrowsAndReplaces) {
    int base = coResourceKeyBase::next_id();
    std::vector<std::unique_ptr<intcoResourceKey>> keys;
    for (int i = 0; i < 6; ++i)
        keys.push_back(std::make_unique<intcoResourceKey>(utString(std::to_string(i))));
    ASSERT_EQ(keys[5]->id(), base + 5);
    coResourceTable t;
    EXPECT_EQ(coResourceTableMaker::create_entry("none", "1", t), coResourceNoSuchKey);
    EXPECT_EQ(coResourceTableMaker::create_entry("5", "x", t), coResourceBadValue);
    EXPECT_EQ(t.size(), 0);
    EXPECT_EQ(coResourceTableMaker::create_entry("5", "7", t), coResourceOk);
    EXPECT_EQ(t.size(), base + 6);
    EXPECT_EQ(t.entry_count(), 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(t.lookup_resource(keys[i].get()), nullptr);
    EXPECT_EQ(*keys[5]->read_safe(&t), 7);
    EXPECT_EQ(t.lookup_resource(keys[5].get())->key(), keys[5].get());

    EXPECT_EQ(coResourceTableMaker::merge_entry("2", "1", t), coResourceOk);
    EXPECT_EQ(coResourceTableMaker::merge_entry("2", "2", t), coResourceReplaced);
    EXPECT_EQ(*keys[2]->read_safe(&t), 2);
    EXPECT_EQ(coResourceTableMaker::create_entry("2", "3", t), coResourceOk);
    EXPECT_EQ(*keys[2]->read_safe(&t), 3);
    EXPECT_EQ(t.block_count(), (base + 6 + 255) / 256);
    EXPECT_EQ(t.block_size(), 256);

    // Unnamed keys and keys of a type that makes nothing from text.
    coResourceKeyBase plain("plain");
    EXPECT_EQ(coResourceTableMaker::create_entry("plain", "1", t), coResourceBadValue);
    EXPECT_EQ(t.has_key(&plain), 0);
}

TEST(ResourceTable, ChainsFallBackAndOwnSlotsOverride) {
    intcoResourceKey a("chain.a");
    utStringcoResourceKey s("chain.s");
    coResourceTable root, mid(&root), leaf(&mid);
    EXPECT_EQ(leaf.parent(), &mid);
    EXPECT_EQ(root.parent(), nullptr);
    EXPECT_EQ(a.read_safe(&leaf), nullptr);
    coResourceTableMaker::create_entry("chain.a", "1", root);
    coResourceTableMaker::create_entry("chain.s", "root", root);
    EXPECT_EQ(*a.read_safe(&leaf), 1);
    EXPECT_EQ(leaf.read_resource(&a), root.lookup_resource(&a));
    EXPECT_EQ(leaf.has_key(&a), 0);
    coResourceTableMaker::create_entry("chain.a", "2", mid);
    EXPECT_EQ(*a.read_safe(&leaf), 2);
    EXPECT_EQ(*a.read_safe(&root), 1);
    EXPECT_EQ(*s.read_safe(&leaf), "root");
    EXPECT_EQ(mid.has_key(&a), 1);
    EXPECT_EQ(mid.remove_resource(&a), 1);
    EXPECT_EQ(mid.remove_resource(&a), 0);
    EXPECT_EQ(*a.read_safe(&leaf), 1);
    EXPECT_EQ(leaf.remove_resource(&s), 0);
}

TEST(ResourceTable, IteratorsWalkOwnFilledSlotsInIdOrder) {
    int base = coResourceKeyBase::next_id();
    std::vector<std::unique_ptr<intcoResourceKey>> keys;
    for (int i = 0; i < 8; ++i)
        keys.push_back(std::make_unique<intcoResourceKey>(utString("it" + std::to_string(i))));
    coResourceTable parent, t(&parent);
    coResourceTableMaker::create_entry("it1", "1", parent);
    coResourceIterator it(&t);
    EXPECT_TRUE(it.undefined());
    EXPECT_EQ(++it, 0);
    coResourceTableMaker::create_entry("it7", "7", t);
    coResourceTableMaker::create_entry("it2", "2", t);
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(++it, 1);
        EXPECT_EQ(it.index(), base + 2);
        EXPECT_EQ(it()->as_string(), "2");
        ASSERT_EQ(++it, 1);
        EXPECT_EQ(it.index(), base + 7);
        EXPECT_EQ(++it, 0);
        EXPECT_TRUE(it.undefined());
    }
    EXPECT_EQ(own_ids(t), (std::vector<int>{base + 2, base + 7}));
    std::vector<utString> texts;
    const coResourceTable &ct = t;
    for (const coResourceBase *r : ct)
        texts.push_back(r->as_string());
    EXPECT_EQ(texts, (std::vector<utString>{"2", "7"}));
}

// An attached resource that counts its deaths.
struct Counted : coResourceBase {
    Counted(coResourceKeyBase *k, coResourceTable *t, int &deaths)
        : coResourceBase(k, t), deaths_(deaths) {}
    ~Counted() override { ++deaths_; }
    int &deaths_;
};

TEST(ResourceTable, OwnershipOfDisplacedEntries) {
    // Run under the sanitizers too: every path below must neither leak nor
    // free twice.
    intcoResourceKey k("own.k"), other;
    int deaths = 0;
    coResourceTable t;
    auto attached = std::make_unique<Counted>(&k, &t, deaths);
    // The maker displaces the attached entry without deleting it; the
    // attached resource's death then empties the slot, newer entry and all.
    EXPECT_EQ(coResourceTableMaker::merge_entry("own.k", "1", t), coResourceReplaced);
    EXPECT_EQ(*k.read_safe(&t), 1);
    EXPECT_EQ(deaths, 0);
    attached.reset();
    EXPECT_EQ(deaths, 1);
    EXPECT_EQ(t.has_key(&k), 0);
    // Replaced and removed table entries are deleted by the table.
    coResourceTableMaker::create_entry("own.k", "2", t);
    coResourceTableMaker::create_entry("own.k", "3", t);
    t.remove_resource(&k);
    coResourceTableMaker::create_entry("own.k", "4", t);

    // A table's death deletes its own entries and leaves attached ones: a
    // fresh table takes the dead one's place so that the attached resource
    // can die after it.
    alignas(coResourceTable) unsigned char room[sizeof(coResourceTable)];
    auto *u = new (room) coResourceTable();
    coResourceTableMaker::create_entry("own.k", "5", *u);
    auto survivor = std::make_unique<Counted>(&other, u, deaths);
    u->~coResourceTable();
    EXPECT_EQ(deaths, 1);
    u = new (room) coResourceTable();
    survivor.reset();
    EXPECT_EQ(deaths, 2);
    u->~coResourceTable();
}

} // namespace
