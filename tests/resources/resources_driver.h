// Keys of every type, chained tables, the table maker, modifiers, attached
// resources and the settings loader, against a model of the chains: per
// table a std::map from key id to the entry's type, value and object.
#pragma once

#include <colib/resources/resource_table.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

#include "support/alloc_injector.h"
#include "support/driver.h"

namespace resources_driver {

enum Kind { Int, Double, Bool, Text, Base }; // Base: a plain key or an attached resource

// What a text converts to, for each type (nothing for Base).
struct Value {
    std::string text;
    bool ok[4] = {false, false, false, true};
    long long i = 0; // Int and Bool
    double d = 0;
    // The value as a V.
    int as(const int *) const { return static_cast<int>(i); }
    double as(const double *) const { return d; }
    utString as(const utString *) const { return text.c_str(); }
};

inline Value convert(const std::string &t) {
    Value v{t};
    if (colib_test::whole_text(t) && t.size() - colib_test::sign_at(t, 0) <= 12)
        v.i = std::stoll(t), v.ok[Int] = v.i == int(v.i);
    if (colib_test::real_text(t))
        v.ok[Double] = std::isfinite(v.d = std::strtod(t.c_str(), nullptr));
    std::string low;
    for (char c : t)
        low += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (low == "true" || low == "false") v.i = low == "true", v.ok[Bool] = true;
    return v;
}

inline std::string value_text(colib_test::Input &in) {
    static const char *const fixed[] = {
        "2147483647", "-2147483648", "2147483648", "-2147483649", "+0",    "-0",  "007", "1.5",
        "-.25",       "5.",          "1e3",        "2E-7",        "1e",    "e5",  ".",   "-",
        "1e999",      "0x10",        " 7",         "true",        "FaLsE", "yes", "1",   "12e+2x"};
    int pick = in.below(4);
    if (pick == 0) return std::to_string(in.small_int());
    if (pick == 1) return fixed[in.below(sizeof fixed / sizeof *fixed)];
    if (pick == 2) return in.word();
    std::string s;
    for (int n = in.below(6); n > 0; --n)
        s += " \t=#a1.e-+"[in.below(10)];
    return s;
}

// Calls f with the key and modifier classes of a kind (no modifier: void).
template <class K, class M> struct Types {
    using key = K;
    using modifier = M;
};
template <class F> void with_kind(int kind, F f) {
    if (kind == Int) return f(Types<intcoResourceKey, intcoResourceModifier>());
    if (kind == Double) return f(Types<doublecoResourceKey, doublecoResourceModifier>());
    if (kind == Bool) return f(Types<utBoolcoResourceKey, utBoolcoResourceModifier>());
    if (kind == Text) return f(Types<utStringcoResourceKey, utStringcoResourceModifier>());
    f(Types<coResourceKeyBase, void>());
}
struct Entry {
    const coResourceBase *obj;
    int kind;
    Value v;
    // What as_string gives.
    std::string shown() const {
        std::ostringstream os;
        os << v.d;
        return kind == Double ? os.str()
               : kind == Text ? v.text
               : kind == Base ? "<empty>"
                              : std::to_string(v.i);
    }
};

// Reaches the slot storage, which the table keeps protected.
struct Table : coResourceTable {
    using coResourceTable::coResourceTable;
    const coResourceBasecoPageArrPtrcoPtrcoPageArr *slots() const { return this; }
};

const char *const kNames[] = {"ra", "rb", "rc"};
const char *const kTypes[] = {"intcoResource", "doublecoResource", "utBoolcoResource",
                              "utStringcoResource", "coResourceBase"};
using Walk = std::vector<std::pair<int, const coResourceBase *>>;

class Driver {
public:
    explicit Driver(colib_test::Input &in) : in_(in) {
        // Unnamed keys taking ids up to 250 make the tables' slots cross a block.
        bool spaced = in.one_in(3);
        while (spaced && coResourceKeyBase::next_id() < 250)
            spacers_.push_back(std::make_unique<intcoResourceKey>());
        next_ = coResourceKeyBase::next_id();
        registry_was_empty_ = coResourceKeyBase::registry() == nullptr;
        parent_[1] = in.flag() ? 0 : -1;
        parent_[2] = in.flag() ? 1 : 0;
        for (int t = 0; t < 3; ++t)
            tables_[t] =
                std::make_unique<Table>(t && parent_[t] >= 0 ? tables_[parent_[t]].get() : nullptr);
        for (int k = 0; k < 5; ++k)
            make_key(k);
    }

    void run() {
        while (!in_.done())
            step(), check();
        while (!scoped_.empty())
            pop();
        for (int k = 4; k >= 0; --k)
            drop_key(k);
        MODEL_CHECK(!registry_was_empty_ || coResourceKeyBase::registry() == nullptr);
    }

private:
    struct Key {
        std::unique_ptr<coResourceKeyBase> key;
        int kind = Base;
        std::string name;
        int users = 0; // modifiers and attached resources using it
    };

    // Runs op, now and then with an allocation failing; true when op ran
    // to its end. A failed op must leave everything as it was.
    bool attempt(const std::function<void()> &op) {
        return colib_test::attempt(in_, op, 6, 4) || (check(), false);
    }

    const Entry *lookup(int t, int id) const {
        for (; t >= 0; t = parent_[t])
            if (own_[t].count(id)) return &own_[t].at(id);
        return nullptr;
    }
    void file(int t, int id, Entry e) {
        own_[t][id] = e;
        size_[t] = std::max(size_[t], id + 1);
    }

    void make_key(int k) {
        Key &s = keys_[k];
        int kind = in_.below(5);
        std::string name = in_.one_in(4) ? "" : kNames[in_.below(3)];
        utString n(name.c_str());
        bool made = attempt([&] {
            with_kind(kind, [&](auto types) {
                using K = typename decltype(types)::key;
                s.key = name.empty() ? std::make_unique<K>() : std::make_unique<K>(n);
            });
        });
        MODEL_CHECK(!made || s.key->id() == next_++);
        MODEL_CHECK(coResourceKeyBase::next_id() == next_);
        if (!made) return;
        s.kind = kind;
        s.name = name;
        if (!name.empty()) registry_[name] = k;
    }
    void drop_key(int k) {
        Key &s = keys_[k];
        if (!s.key) return;
        if (s.key->id() == next_ - 1) --next_; // only the last id is given back
        if (!s.name.empty()) registry_.erase(s.name);
        s.key.reset();
        MODEL_CHECK(coResourceKeyBase::next_id() == next_);
    }

    // create_entry / merge_entry as the model sees them: 3, 2, 4 or 0.
    int model_file(int t, const std::string &name, const Value &v, bool merge) {
        if (!registry_.count(name)) return coResourceNoSuchKey;
        const Key &k = keys_[registry_[name]];
        if (k.kind == Base || !v.ok[k.kind]) return coResourceBadValue;
        int id = k.key->id();
        bool replaced = own_[t].count(id) != 0;
        file(t, id, Entry{tables_[t]->lookup_resource(k.key.get()), k.kind, v});
        return replaced && merge ? coResourceReplaced : coResourceOk;
    }

    void make_entry(int t) {
        std::string name = in_.one_in(8) ? "zz" : kNames[in_.below(3)];
        Value v = convert(value_text(in_));
        auto make =
            in_.flag() ? coResourceTableMaker::merge_entry : coResourceTableMaker::create_entry;
        coResourceError got = coResourceOk;
        if (attempt([&] { got = make(name.c_str(), v.text.c_str(), *tables_[t]); }))
            MODEL_CHECK(got == model_file(t, name, v, make == coResourceTableMaker::merge_entry));
    }

    // A modifier of key k in table t, or (kind Base) a resource attached
    // there. Dying, a modifier puts back the entry it displaced and an
    // attached resource empties its slot, whatever the slot holds.
    void push_scoped(int k, int t, int kind) {
        Key &s = keys_[k];
        Value v = kind == Base ? Value{} : convert(value_text(in_));
        if (kind != Base && !v.ok[kind]) return;
        coResourceBase *r = nullptr;
        coResourceModifierBase *m = nullptr;
        int id = s.key->id();
        bool done = attempt([&] {
            with_kind(kind, [&](auto types) {
                using M = typename decltype(types)::modifier;
                using K = typename decltype(types)::key;
                if constexpr (std::is_void_v<M>)
                    r = new coResourceBase(s.key.get(), tables_[t].get());
                else
                    m = new M(v.as(static_cast<typename M::value_type *>(nullptr)),
                              static_cast<K *>(s.key.get()), tables_[t].get());
            });
        });
        if (!done) return;
        const Entry *saved = m && own_[t].count(id) ? &own_[t][id] : nullptr;
        MODEL_CHECK(!m ||
                    (m->saved() == (saved ? saved->obj : nullptr) && m->key() == s.key.get()));
        auto keep = saved ? std::make_shared<Entry>(*saved) : nullptr;
        file(t, id, Entry{m ? m->resource() : r, kind, v});
        scoped_.push_back([this, r, m, kind, t, id, keep, k] {
            --keys_[k].users;
            with_kind(kind, [&](auto types) {
                using M = typename decltype(types)::modifier;
                if constexpr (std::is_void_v<M>)
                    delete r;
                else
                    delete static_cast<M *>(m);
            });
            keep ? void(own_[t][id] = *keep) : void(own_[t].erase(id));
        });
        ++s.users;
    }
    void pop() {
        scoped_.back()();
        scoped_.pop_back();
    }

    void load(int t) {
        std::string text;
        const std::string odd[] = {"  # note = 1", "", "no equals", std::string("x = \0", 5), "\t"};
        for (int n = in_.below(7); n > 0; --n) {
            int pick = in_.below(14);
            if (pick < 5) text += odd[pick];
            if (pick == 5) text += "a = " + std::string(65531 + in_.below(3), 'y'); // the limit
            if (pick > 5)
                text += std::string(in_.below(2), ' ') +
                        (in_.one_in(8) ? "zz" : kNames[in_.below(3)]) +
                        (in_.flag() ? " =\t" : "=") + value_text(in_) + (in_.flag() ? " " : "");
            text += n > 1 || in_.flag() ? (in_.flag() ? "\r\n" : "\n") : "";
        }
        auto mode = in_.flag() ? coResourceLoadCreate : coResourceLoadMerge;
        int stop = in_.flag();
        coResourceLoadReport report;
        std::istringstream is(text);
        int got = coResourceTableMaker::load(is, *tables_[t], report, mode, stop);
        coResourceLoadReport copy = report, moved(std::move(report));
        MODEL_CHECK(report.ok() && copy.problems().size() == moved.problems().size());
        // The stream is at its end now, and a missing file reads as nothing.
        MODEL_CHECK(coResourceTableMaker::load(is, *tables_[t], report) == 1);
        MODEL_CHECK(coResourceTableMaker::load("/nonexistent/file", *tables_[t], report) == 1);
        MODEL_CHECK(report.problems().back().line == 0 && report.problems().size() == 2);
        // The model's reading of the same text.
        std::vector<std::string> expect;
        int lines = 0, filed = 0;
        const char *blanks = " \t\r\f\v";
        auto trim = [&](const std::string &s) {
            std::size_t f = s.find_first_not_of(blanks);
            return f == std::string::npos ? "" : s.substr(f, s.find_last_not_of(blanks) + 1 - f);
        };
        for (std::size_t at = 0; at < text.size() && !(stop && !expect.empty());) {
            std::size_t nl = std::min(text.find('\n', at), text.size());
            std::string line = text.substr(at, nl - at), body = trim(line);
            at = nl + 1;
            ++lines;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.size() <= 65536 && (body.empty() || body[0] == '#')) continue;
            std::size_t eq = body.find('=');
            const char *issue = line.size() > 65536                    ? "line too long"
                                : body.find('\0') != std::string::npos ? "NUL byte"
                                : eq == std::string::npos              ? "no '='"
                                                                       : nullptr;
            int err =
                issue ? -1
                      : model_file(t, trim(body.substr(0, eq)), convert(trim(body.substr(eq + 1))),
                                   mode == coResourceLoadMerge);
            filed += err == coResourceOk || err == coResourceReplaced;
            const char *const named[] = {nullptr, nullptr, "bad value", "no such key", "replaced"};
            if (!issue) issue = named[err]; // by coResourceError
            if (line.size() > 65536) line.resize(80);
            // A text ends at its first NUL byte.
            if (issue)
                expect.push_back("line " + std::to_string(lines) + ": " + issue + ": " +
                                 line.substr(0, line.find('\0')));
        }
        MODEL_CHECK(got == static_cast<int>(expect.size()) && moved.ok() == expect.empty());
        MODEL_CHECK(moved.lines() == lines && moved.filed() == filed);
        for (std::size_t i = 0; i < expect.size(); ++i) {
            std::ostringstream os;
            os << moved.problems()[i];
            MODEL_CHECK(os.str() == expect[i]);
        }
    }

    void step() {
        int k = in_.below(5), t = in_.below(3), op = in_.below(10);
        Key &s = keys_[k];
        if (op == 0 && !s.key) return make_key(k);
        if (op == 0 && s.users == 0) return drop_key(k);
        if (op == 1 || op == 2) return make_entry(t);
        if (op == 3 && s.key) {
            int id = s.key->id();
            MODEL_CHECK(tables_[t]->remove_resource(s.key.get()) == int(own_[t].erase(id)));
        }
        if (op == 4 && s.key && s.kind != Base) return push_scoped(k, t, s.kind);
        if (op == 5 && s.key) return push_scoped(k, t, Base);
        if ((op == 6 || op == 7) && !scoped_.empty()) return pop();
        if (op >= 8) load(t);
    }

    void walk(int t) {
        const coResourceTable &table = *tables_[t];
        MODEL_CHECK(table.entry_count() == static_cast<int>(own_[t].size()));
        // Range-for, the table's iterator (twice: it starts over) and the
        // slot storage's walker, which sees the empty slots too.
        Walk want, slots, by_range;
        for (const auto &[id, e] : own_[t]) {
            want.emplace_back(id, e.obj);
            MODEL_CHECK(e.obj->as_string().c_str() == e.shown());
            MODEL_CHECK(e.obj->ut_dynamic_type().name() == std::string(kTypes[e.kind]) &&
                        e.obj->ut_is_kind_of(coResourceBase::ut_static_type()));
            MODEL_CHECK(!e.obj->ut_is_kind_of(utTypeID(utMAKE_TYPE, kTypes[(e.kind + 1) % 4])));
        }
        for (auto it = table.begin(); it != table.end(); it++)
            by_range.emplace_back(it.index(), *it);
        coResourceIterator it(&table);
        for (int round = 0; round < 2; ++round) {
            Walk by_iterator;
            while (++it)
                by_iterator.emplace_back(it.index(), it());
            MODEL_CHECK(it.undefined() && by_iterator == want);
        }
        coResourceBasecoPageArrPtrcoPtrcoPageArrcoIterator slot(tables_[t]->slots());
        for (int i = 0; ++slot; ++i) {
            MODEL_CHECK(slot.index() == i && slot.remaining() == size_[t] - i);
            if (slot()) slots.emplace_back(i, slot());
        }
        MODEL_CHECK(by_range == want && slots == want && slot.remaining() == 0);
    }

    void check() {
        ++checks_;
        for (const char *name : kNames)
            MODEL_CHECK(coResourceKeyBase::get_named_key(name) ==
                        (registry_.count(name) ? keys_[registry_[name]].key.get() : nullptr));
        MODEL_CHECK(!registry_was_empty_ ||
                    (coResourceKeyBase::registry() == nullptr) == registry_.empty());
        for (int t = 0; t < 3; ++t) {
            const coResourceTable &table = *tables_[t];
            MODEL_CHECK(table.size() == size_[t] && table.block_count() >= (size_[t] + 255) / 256);
            if (colib_test::walk_now(size_[t], 64, checks_, in_.done())) walk(t);
            for (const Key &k : keys_) {
                if (!k.key) continue;
                const Entry *m = lookup(t, k.key->id());
                MODEL_CHECK(table.lookup_resource(k.key.get()) == (m ? m->obj : nullptr));
                MODEL_CHECK(table.has_key(k.key.get()) == int(own_[t].count(k.key->id())));
                with_kind(k.kind, [&](auto types) {
                    using K = typename decltype(types)::key;
                    if constexpr (!std::is_same_v<K, coResourceKeyBase>) {
                        const auto *v = static_cast<const K *>(k.key.get())->read_safe(&table);
                        MODEL_CHECK((v != nullptr) == (m && m->kind == k.kind));
                        using V = typename K::value_type;
                        if (v) MODEL_CHECK(*v == m->v.as(static_cast<V *>(nullptr)));
                    }
                });
            }
        }
    }

    colib_test::Input &in_;
    std::vector<std::unique_ptr<intcoResourceKey>> spacers_;
    int next_; // the id the next key gets
    bool registry_was_empty_;
    int parent_[3] = {-1, -1, -1};
    std::unique_ptr<Table> tables_[3];
    std::map<int, Entry> own_[3];
    int size_[3] = {};
    int checks_ = 0;
    Key keys_[5];
    std::map<std::string, int> registry_;
    std::vector<std::function<void()>> scoped_; // modifiers and attached resources
};

} // namespace resources_driver

inline void run_resources(colib_test::Input &in) {
    resources_driver::convert(""); // makes its patterns, which live on
    colib_test::leak_free([&] { resources_driver::Driver(in).run(); });
}
