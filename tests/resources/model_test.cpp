// Random sequences of key, table, maker, removal, attached-resource and
// modifier operations, checked after every step against a model of the
// chains: a std::map from id to value per table.
#include <colib/resources/resource_table.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// An entry of the model: an int, a string, or a resource without value.
struct Entry {
    enum Kind { Int, Text, Empty } kind;
    int i = 0;
    std::string s;
    bool operator==(const Entry &o) const { return kind == o.kind && i == o.i && s == o.s; }
};

struct Key {
    std::unique_ptr<coResourceKeyBase> key;
    bool is_int;
    std::string name; // "" for unnamed
    int id;
    int pins = 0; // modifiers and attached resources using it
};

struct Table {
    std::unique_ptr<coResourceTable> table;
    int parent; // -1: none
    std::map<int, Entry> own;
};

struct Modifier {
    std::unique_ptr<coResourceModifierBase> m;
    int key, table;
    std::optional<Entry> saved;
};

struct Attached {
    std::unique_ptr<coResourceBase> r;
    int key, table;
};

const char *const kNames[] = {"a", "b", "c", "d", "e"};
const char *const kValues[] = {"1", "42", "-7", "abc", "", "3.5", "true"};

bool int_text(const std::string &v, int &out) {
    if (v == "1" || v == "42" || v == "-7") {
        out = std::stoi(v);
        return true;
    }
    return false;
}

class Model {
public:
    explicit Model(unsigned seed) : rng_(seed), next_id_(coResourceKeyBase::next_id()) {}

    void run(int steps) {
        for (int step = 0; step < steps; ++step) {
            this->step();
            check();
            if (::testing::Test::HasFailure()) {
                ADD_FAILURE() << "at step " << step;
                return;
            }
        }
    }
    // Tears down in a legal order: modifiers last-first, attached
    // resources, tables children-first, then keys.
    ~Model() {
        while (!mods_.empty())
            pop_modifier();
        attached_.clear();
        while (!tables_.empty())
            tables_.pop_back();
        keys_.clear();
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    void step() {
        switch (pick(10)) {
        case 0:
            if (keys_.size() < 10) make_key();
            break;
        case 1:
            drop_key();
            break;
        case 2:
            if (tables_.size() < 5) {
                int parent = tables_.empty() || pick(4) == 0 ? -1 : pick(int(tables_.size()));
                const coResourceTable *p = parent < 0 ? nullptr : tables_[parent].table.get();
                tables_.push_back(Table{std::make_unique<coResourceTable>(p), parent, {}});
            }
            break;
        case 3:
        case 4:
            file_entry(pick(2) == 0);
            break;
        case 5:
            if (!keys_.empty() && !tables_.empty()) {
                int k = pick(int(keys_.size())), t = pick(int(tables_.size()));
                int had = tables_[t].own.erase(keys_[k].id) ? 1 : 0;
                EXPECT_EQ(tables_[t].table->remove_resource(keys_[k].key.get()), had);
            }
            break;
        case 6:
            push_modifier();
            break;
        case 7:
            if (!mods_.empty()) pop_modifier();
            break;
        case 8:
            if (!keys_.empty() && !tables_.empty() && attached_.size() < 4) {
                int k = pick(int(keys_.size())), t = pick(int(tables_.size()));
                attached_.push_back(Attached{
                    std::make_unique<coResourceBase>(keys_[k].key.get(), tables_[t].table.get()), k,
                    t});
                ++keys_[k].pins;
                tables_[t].own[keys_[k].id] = Entry{Entry::Empty, 0, ""};
            }
            break;
        case 9:
            // A modifier may hold an attached resource as its saved entry.
            if (!attached_.empty() && mods_.empty()) {
                int a = pick(int(attached_.size()));
                tables_[attached_[a].table].own.erase(keys_[attached_[a].key].id);
                --keys_[attached_[a].key].pins;
                attached_.erase(attached_.begin() + a);
            }
            break;
        }
    }

    void make_key() {
        Key k;
        k.is_int = pick(2) == 0;
        k.name = pick(3) == 0 ? "" : kNames[pick(5)];
        utString name = k.name.empty() ? utString() : utString(k.name);
        if (k.is_int)
            k.key = k.name.empty() ? std::make_unique<intcoResourceKey>()
                                   : std::make_unique<intcoResourceKey>(name);
        else
            k.key = k.name.empty() ? std::make_unique<utStringcoResourceKey>()
                                   : std::make_unique<utStringcoResourceKey>(name);
        k.id = next_id_++;
        if (!k.name.empty()) registry_[k.name] = k.key.get();
        keys_.push_back(std::move(k));
    }

    void drop_key() {
        if (keys_.empty()) return;
        int k = pick(int(keys_.size()));
        if (keys_[k].pins) return;
        if (!keys_[k].name.empty()) registry_.erase(keys_[k].name);
        if (keys_[k].id == next_id_ - 1) --next_id_;
        keys_.erase(keys_.begin() + k);
        for (Modifier &m : mods_)
            if (m.key > k) --m.key;
        for (Attached &a : attached_)
            if (a.key > k) --a.key;
    }

    void file_entry(bool merge) {
        if (tables_.empty()) return;
        int t = pick(int(tables_.size()));
        std::string name = pick(6) == 0 ? "nobody" : kNames[pick(5)];
        std::string value = kValues[pick(7)];
        coResourceError got =
            merge
                ? coResourceTableMaker::merge_entry(name.c_str(), value.c_str(), *tables_[t].table)
                : coResourceTableMaker::create_entry(name.c_str(), value.c_str(),
                                                     *tables_[t].table);
        auto r = registry_.find(name);
        if (r == registry_.end()) {
            EXPECT_EQ(got, coResourceNoSuchKey);
            return;
        }
        const Key *key = nullptr;
        for (const Key &k : keys_)
            if (k.key.get() == r->second) key = &k;
        ASSERT_NE(key, nullptr);
        Entry e{key->is_int ? Entry::Int : Entry::Text, 0, ""};
        if (key->is_int && !int_text(value, e.i)) {
            EXPECT_EQ(got, coResourceBadValue);
            return;
        }
        if (!key->is_int) e.s = value;
        bool had = tables_[t].own.count(key->id) != 0;
        EXPECT_EQ(got, merge && had ? coResourceReplaced : coResourceOk);
        tables_[t].own[key->id] = e;
    }

    void push_modifier() {
        if (keys_.empty() || tables_.empty() || mods_.size() >= 6) return;
        int k = pick(int(keys_.size())), t = pick(int(tables_.size()));
        Modifier m{nullptr, k, t, std::nullopt};
        auto &own = tables_[t].own;
        int id = keys_[k].id;
        if (own.count(id)) m.saved = own[id];
        int v = pick(100);
        if (keys_[k].is_int) {
            m.m = std::make_unique<intcoResourceModifier>(
                v, static_cast<intcoResourceKey *>(keys_[k].key.get()), tables_[t].table.get());
            own[id] = Entry{Entry::Int, v, ""};
        } else {
            m.m = std::make_unique<utStringcoResourceModifier>(
                utString(std::to_string(v)),
                static_cast<utStringcoResourceKey *>(keys_[k].key.get()), tables_[t].table.get());
            own[id] = Entry{Entry::Text, 0, std::to_string(v)};
        }
        ++keys_[k].pins;
        mods_.push_back(std::move(m));
    }

    void pop_modifier() {
        Modifier &m = mods_.back();
        auto &own = tables_[m.table].own;
        int id = keys_[m.key].id;
        if (m.saved)
            own[id] = *m.saved;
        else
            own.erase(id);
        --keys_[m.key].pins;
        mods_.pop_back();
    }

    std::optional<Entry> model_lookup(int t, int id) const {
        for (; t >= 0; t = tables_[t].parent) {
            auto it = tables_[t].own.find(id);
            if (it != tables_[t].own.end()) return it->second;
        }
        return std::nullopt;
    }

    void check() {
        EXPECT_EQ(coResourceKeyBase::next_id(), next_id_);
        EXPECT_EQ(coResourceKeyBase::registry() == nullptr, registry_.empty());
        for (const char *n : kNames) {
            auto it = registry_.find(n);
            EXPECT_EQ(coResourceKeyBase::get_named_key(n),
                      it == registry_.end() ? nullptr : it->second);
        }
        for (const Key &k : keys_)
            EXPECT_EQ(k.key->id(), k.id);
        for (int t = 0; t < int(tables_.size()); ++t) {
            const coResourceTable &table = *tables_[t].table;
            std::vector<int> ids, want;
            for (auto it = table.begin(); it != table.end(); ++it)
                ids.push_back(it.index());
            for (const auto &e : tables_[t].own)
                want.push_back(e.first);
            EXPECT_EQ(ids, want);
            for (const Key &k : keys_) {
                EXPECT_EQ(table.has_key(k.key.get()), tables_[t].own.count(k.id) ? 1 : 0);
                std::optional<Entry> e = model_lookup(t, k.id);
                if (k.is_int) {
                    const int *v = static_cast<intcoResourceKey *>(k.key.get())->read_safe(&table);
                    if (e && e->kind == Entry::Int) {
                        EXPECT_TRUE(v && *v == e->i);
                    } else {
                        EXPECT_EQ(v, nullptr);
                    }
                } else {
                    const utString *v =
                        static_cast<utStringcoResourceKey *>(k.key.get())->read_safe(&table);
                    if (e && e->kind == Entry::Text) {
                        EXPECT_TRUE(v && *v == e->s.c_str());
                    } else {
                        EXPECT_EQ(v, nullptr);
                    }
                }
            }
        }
    }

    std::mt19937 rng_;
    int next_id_;
    std::map<std::string, coResourceKeyBase *> registry_;
    // Declared first so that they die last.
    std::vector<Key> keys_;
    std::vector<Table> tables_;
    std::vector<Attached> attached_;
    std::vector<Modifier> mods_;
};

TEST(ResourceModel, RandomSequencesMatchTheModel) {
    for (unsigned seed = 1; seed <= 8; ++seed) {
        Model m(seed);
        m.run(1000);
        if (::testing::Test::HasFailure()) {
            ADD_FAILURE() << "seed " << seed;
            return;
        }
    }
}

} // namespace
