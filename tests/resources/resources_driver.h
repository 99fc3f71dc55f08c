// Keys of every type, chained tables, the table maker, modifiers, attached
// resources and the settings loader, against a model of the chains: per
// table a std::map from key id to the entry's type, value and object.
#pragma once

#include <colib/resources/resource_table.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/alloc_injector.h"
#include "support/driver.h"

namespace resources_driver {

enum Kind { Int, Double, Bool, Text, Base }; // Base: a plain key or an attached resource

// What a text converts to, for each type (nothing for Base).
struct Value {
    std::string text;
    bool ok[4] = {};
    long long i = 0; // Int and Bool
    double d = 0;
};

inline Value convert(const std::string &t) {
    Value v;
    v.text = t;
    v.ok[Text] = true;
    std::size_t p = !t.empty() && (t[0] == '+' || t[0] == '-');
    std::size_t digits = p, q = p;
    while (q < t.size() && std::isdigit(static_cast<unsigned char>(t[q])))
        ++q;
    v.ok[Int] = q == t.size() && q > p && q - p < 12;
    if (v.ok[Int]) v.i = std::stoll(t);
    v.ok[Int] = v.ok[Int] && v.i >= -2147483648LL && v.i <= 2147483647LL;
    std::size_t m = q - digits;
    if (q < t.size() && t[q] == '.')
        for (++q; q < t.size() && std::isdigit(static_cast<unsigned char>(t[q])); ++q)
            ++m;
    if (m > 0 && q < t.size() && (t[q] == 'e' || t[q] == 'E')) {
        q += 1 + (q + 1 < t.size() && (t[q + 1] == '+' || t[q + 1] == '-'));
        if (q >= t.size() || !std::isdigit(static_cast<unsigned char>(t[q]))) m = 0;
        while (q < t.size() && std::isdigit(static_cast<unsigned char>(t[q])))
            ++q;
    }
    if (m > 0 && q == t.size()) v.d = std::strtod(t.c_str(), nullptr);
    v.ok[Double] = m > 0 && q == t.size() && std::isfinite(v.d);
    std::string low;
    for (char c : t)
        low += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    v.ok[Bool] = low == "true" || low == "false";
    if (v.ok[Bool]) v.i = low == "true";
    return v;
}

inline std::string value_text(colib_test::Input &in) {
    static const char *const fixed[] = {
        "2147483647", "-2147483648", "2147483648", "-2147483649", "+0",    "-0",  "007", "1.5",
        "-.25",       "5.",          "1e3",        "2E-7",        "1e",    "e5",  ".",   "-",
        "1e999",      "0x10",        " 7",         "true",        "FaLsE", "yes", "1",   "12e+2x"};
    switch (in.below(4)) {
    case 0:
        return std::to_string(in.small_int());
    case 1:
        return fixed[in.below(sizeof fixed / sizeof *fixed)];
    case 2:
        return in.word();
    default: {
        std::string s;
        for (int n = in.below(6); n > 0; --n)
            s += " \t=#a1.e-+"[in.below(10)];
        return s;
    }
    }
}

inline std::string shown(const Value &v, int kind) {
    if (kind == Double) {
        std::ostringstream os;
        os << v.d;
        return os.str();
    }
    return kind == Text ? v.text : kind == Base ? "<empty>" : std::to_string(v.i);
}

struct Entry {
    const coResourceBase *obj;
    int kind;
    Value v;
};

// Reaches the slot storage, which the table keeps protected.
struct Table : coResourceTable {
    using coResourceTable::coResourceTable;
    const coResourceBasecoPageArrPtrcoPtrcoPageArr *slots() const { return this; }
};

const char *const kNames[] = {"ra", "rb", "rc"};

class Driver {
public:
    explicit Driver(colib_test::Input &in) : in_(in), next_(coResourceKeyBase::next_id()) {
        registry_was_empty_ = coResourceKeyBase::registry() == nullptr;
        parent_[1] = in.flag() ? 0 : -1;
        parent_[2] = in.flag() ? 1 : 0;
        tables_[0] = std::make_unique<Table>();
        tables_[1] = std::make_unique<Table>(parent_[1] < 0 ? nullptr : tables_[0].get());
        tables_[2] = std::make_unique<Table>(tables_[parent_[2]].get());
        for (int k = 0; k < 5; ++k)
            make_key(k);
    }

    void run() {
        while (!in_.done()) {
            step();
            check();
        }
        while (!scoped_.empty())
            pop();
        for (auto &t : tables_)
            t.reset();
        for (int k = 4; k >= 0; --k)
            drop_key(k);
        MODEL_CHECK(!registry_was_empty_ || coResourceKeyBase::registry() == nullptr);
    }

private:
    struct Key {
        std::unique_ptr<coResourceKeyBase> key;
        int kind = Base;
        std::string name;
        int users = 0;
    };
    struct Scoped {
        int key, table;
        std::function<void()> destroy;
    };

    // Runs op, now and then with an allocation failing; true when op ran
    // to its end. A failed op must leave everything as it was.
    bool attempt(const std::function<void()> &op) {
        if (!in_.one_in(6)) return op(), true;
        if (!alloc_injector::fail_at(in_.range(1, 4), op)) return true;
        check();
        return false;
    }

    const Entry *lookup(int t, int id) const {
        for (; t >= 0; t = parent_[t]) {
            auto it = own_[t].find(id);
            if (it != own_[t].end()) return &it->second;
        }
        return nullptr;
    }
    void file(int t, int id, Entry e) {
        own_[t][id] = e;
        if (id >= size_[t]) size_[t] = id + 1;
    }
    const coResourceBase *own_obj(int t, int id) const {
        auto it = own_[t].find(id);
        return it == own_[t].end() ? nullptr : it->second.obj;
    }

    void make_key(int k) {
        Key &s = keys_[k];
        int kind = in_.below(5);
        std::string name = in_.one_in(4) ? "" : kNames[in_.below(3)];
        int id = next_;
        utString n(name.c_str());
        bool made = attempt([&] {
            switch (kind) {
            case Int:
                s.key = name.empty() ? std::make_unique<intcoResourceKey>()
                                     : std::make_unique<intcoResourceKey>(n);
                break;
            case Double:
                s.key = name.empty() ? std::make_unique<doublecoResourceKey>()
                                     : std::make_unique<doublecoResourceKey>(n);
                break;
            case Bool:
                s.key = name.empty() ? std::make_unique<utBoolcoResourceKey>()
                                     : std::make_unique<utBoolcoResourceKey>(n);
                break;
            case Text:
                s.key = name.empty() ? std::make_unique<utStringcoResourceKey>()
                                     : std::make_unique<utStringcoResourceKey>(n);
                break;
            default:
                s.key = name.empty() ? std::make_unique<coResourceKeyBase>()
                                     : std::make_unique<coResourceKeyBase>(n);
            }
        });
        MODEL_CHECK(made || coResourceKeyBase::next_id() == id);
        if (!made) return;
        MODEL_CHECK(s.key->id() == id && coResourceKeyBase::next_id() == ++next_);
        s.kind = kind;
        s.name = name;
        if (!name.empty()) registry_[name] = k;
    }
    void drop_key(int k) {
        Key &s = keys_[k];
        if (!s.key) return;
        // Only the last id handed out is given back.
        if (s.key->id() == next_ - 1) --next_;
        if (!s.name.empty()) registry_.erase(s.name);
        s.key.reset();
        MODEL_CHECK(coResourceKeyBase::next_id() == next_);
    }

    // create_entry / merge_entry as the model sees them: 3, 2, 4 or 0.
    int model_file(int t, const std::string &name, const Value &v, bool merge) {
        auto r = registry_.find(name);
        if (r == registry_.end()) return coResourceNoSuchKey;
        const Key &k = keys_[r->second];
        if (k.kind == Base || !v.ok[k.kind]) return coResourceBadValue;
        int id = k.key->id();
        bool replaced = own_[t].count(id) != 0;
        file(t, id, Entry{tables_[t]->lookup_resource(k.key.get()), k.kind, v});
        return replaced && merge ? coResourceReplaced : coResourceOk;
    }

    void make_entry(int t) {
        std::string name = in_.one_in(8) ? "zz" : kNames[in_.below(3)];
        Value v = convert(value_text(in_));
        bool merge = in_.flag();
        coResourceError got = coResourceOk;
        bool done = attempt([&] {
            got =
                merge
                    ? coResourceTableMaker::merge_entry(name.c_str(), v.text.c_str(), *tables_[t])
                    : coResourceTableMaker::create_entry(name.c_str(), v.text.c_str(), *tables_[t]);
        });
        if (done) MODEL_CHECK(got == model_file(t, name, v, merge));
    }

    void push_modifier(int k, int t) {
        Key &s = keys_[k];
        Value v = convert(value_text(in_));
        if (s.kind == Base || !v.ok[s.kind]) return;
        coResourceModifierBase *m = nullptr;
        coResourceTable *table = tables_[t].get();
        int i = static_cast<int>(v.i);
        bool done = attempt([&] {
            switch (s.kind) {
            case Int:
                m = new intcoResourceModifier(i, static_cast<intcoResourceKey *>(s.key.get()),
                                              table);
                break;
            case Double:
                m = new doublecoResourceModifier(
                    v.d, static_cast<doublecoResourceKey *>(s.key.get()), table);
                break;
            case Bool:
                m = new utBoolcoResourceModifier(i, static_cast<utBoolcoResourceKey *>(s.key.get()),
                                                 table);
                break;
            default:
                m = new utStringcoResourceModifier(
                    v.text.c_str(), static_cast<utStringcoResourceKey *>(s.key.get()), table);
            }
        });
        if (!done) return;
        int id = s.key->id();
        MODEL_CHECK(m->saved() == own_obj(t, id) && m->key() == s.key.get());
        auto saved = own_[t].find(id);
        std::shared_ptr<Entry> keep;
        if (saved != own_[t].end()) keep = std::make_shared<Entry>(saved->second);
        file(t, id, Entry{m->resource(), s.kind, v});
        int kind = s.kind;
        scoped_.push_back({k, t, [this, m, kind, t, id, keep] {
                               switch (kind) {
                               case Int:
                                   delete static_cast<intcoResourceModifier *>(m);
                                   break;
                               case Double:
                                   delete static_cast<doublecoResourceModifier *>(m);
                                   break;
                               case Bool:
                                   delete static_cast<utBoolcoResourceModifier *>(m);
                                   break;
                               default:
                                   delete static_cast<utStringcoResourceModifier *>(m);
                               }
                               if (keep)
                                   own_[t][id] = *keep;
                               else
                                   own_[t].erase(id);
                           }});
        ++s.users;
    }

    void push_attached(int k, int t) {
        coResourceBase *r = nullptr;
        if (!attempt([&] { r = new coResourceBase(keys_[k].key.get(), tables_[t].get()); })) return;
        int id = keys_[k].key->id();
        file(t, id, Entry{r, Base, Value{}});
        scoped_.push_back({k, t, [this, r, t, id] {
                               delete r;
                               own_[t].erase(id);
                           }});
        ++keys_[k].users;
    }
    void pop() {
        Scoped s = scoped_.back();
        scoped_.pop_back();
        s.destroy();
        --keys_[s.key].users;
    }

    void load(int t) {
        std::string text;
        for (int n = in_.below(7); n > 0; --n) {
            switch (in_.below(8)) {
            case 0:
                text += in_.flag() ? "  # note = 1" : "";
                break;
            case 1:
                text += "no equals " + in_.word();
                break;
            case 2:
                text += std::string("x = \0", 5);
                break;
            case 3:
                text += in_.one_in(8) ? "a = " + std::string(65531 + in_.below(3), 'y') : "\t";
                break;
            default:
                text += std::string(in_.below(2), ' ') +
                        (in_.one_in(8) ? "zz" : kNames[in_.below(3)]) +
                        (in_.flag() ? " =\t" : "=") + value_text(in_) + (in_.flag() ? " " : "");
            }
            text += n > 1 || in_.flag() ? (in_.flag() ? "\r\n" : "\n") : "";
        }
        auto mode = in_.flag() ? coResourceLoadCreate : coResourceLoadMerge;
        int stop = in_.flag();
        coResourceLoadReport report;
        std::istringstream is(text);
        int got = coResourceTableMaker::load(is, *tables_[t], report, mode, stop);
        coResourceLoadReport copy = report, moved(std::move(report));
        MODEL_CHECK(report.ok() && copy.problems().size() == moved.problems().size());
        // The model's reading of the same text.
        std::vector<std::string> expect;
        int lines = 0, filed = 0;
        std::size_t at = 0;
        while (at < text.size() && !(stop && !expect.empty())) {
            std::size_t nl = text.find('\n', at);
            std::string line =
                text.substr(at, nl == std::string::npos ? std::string::npos : nl - at);
            at = nl == std::string::npos ? text.size() : nl + 1;
            ++lines;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            auto problem = [&](const char *what, const std::string &shown) {
                // A text ends at its first NUL byte.
                expect.push_back("line " + std::to_string(lines) + ": " + what + ": " +
                                 shown.substr(0, shown.find('\0')));
            };
            if (line.size() > 65536) {
                problem("line too long", line.substr(0, 80));
                continue;
            }
            const char *blanks = " \t\r\f\v";
            std::size_t b = line.find_first_not_of(blanks);
            if (b == std::string::npos || line[b] == '#') continue;
            std::string body = line.substr(b, line.find_last_not_of(blanks) + 1 - b);
            std::size_t eq = body.find('=');
            if (body.find('\0') != std::string::npos)
                problem("NUL byte", line);
            else if (eq == std::string::npos)
                problem("no '='", line);
            else {
                auto trim = [&](std::string s) {
                    std::size_t f = s.find_first_not_of(blanks);
                    return f == std::string::npos ? ""
                                                  : s.substr(f, s.find_last_not_of(blanks) + 1 - f);
                };
                int err =
                    model_file(t, trim(body.substr(0, eq)), convert(trim(body.substr(eq + 1))),
                               mode == coResourceLoadMerge);
                filed += err == coResourceOk || err == coResourceReplaced;
                if (err != coResourceOk)
                    problem(err == coResourceNoSuchKey  ? "no such key"
                            : err == coResourceBadValue ? "bad value"
                                                        : "replaced",
                            line);
            }
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
        int k = in_.below(5), t = in_.below(3);
        bool live = keys_[k].key != nullptr;
        switch (in_.below(10)) {
        case 0:
            if (live && keys_[k].users == 0)
                drop_key(k);
            else if (!live)
                make_key(k);
            break;
        case 1:
        case 2:
            make_entry(t);
            break;
        case 3:
            if (live) {
                int id = keys_[k].key->id();
                MODEL_CHECK(tables_[t]->remove_resource(keys_[k].key.get()) ==
                            (own_[t].count(id) ? 1 : 0));
                own_[t].erase(id);
            }
            break;
        case 4:
            if (live && keys_[k].kind != Base) push_modifier(k, t);
            break;
        case 5:
            if (live) push_attached(k, t);
            break;
        case 6:
        case 7:
            if (!scoped_.empty()) pop();
            break;
        default:
            load(t);
        }
    }

    template <class K> void check_typed(const Key &k, int t, const Entry *e) {
        const auto *v = static_cast<const K *>(k.key.get())->read_safe(tables_[t].get());
        int kind = k.kind;
        MODEL_CHECK((v != nullptr) == (e && e->kind == kind));
        if (!v) return;
        if constexpr (std::is_same_v<K, utStringcoResourceKey>)
            MODEL_CHECK(std::string(v->c_str(), v->length()) == e->v.text);
        else if constexpr (std::is_same_v<K, doublecoResourceKey>)
            MODEL_CHECK(*v == e->v.d);
        else
            MODEL_CHECK(*v == e->v.i);
    }

    void check() {
        for (const auto &[name, k] : registry_)
            MODEL_CHECK(coResourceKeyBase::get_named_key(name.c_str()) == keys_[k].key.get());
        for (const char *name : kNames)
            if (!registry_.count(name))
                MODEL_CHECK(coResourceKeyBase::get_named_key(name) == nullptr);
        MODEL_CHECK(!registry_was_empty_ ||
                    (coResourceKeyBase::registry() == nullptr) == registry_.empty());
        for (int t = 0; t < 3; ++t) {
            const coResourceTable &table = *tables_[t];
            MODEL_CHECK(table.size() == size_[t] && table.block_count() == (size_[t] + 255) / 256);
            MODEL_CHECK(table.entry_count() == static_cast<int>(own_[t].size()));
            auto e = own_[t].begin();
            for (const coResourceBase *r : table) {
                MODEL_CHECK(e != own_[t].end() && r == e->second.obj);
                MODEL_CHECK(r->as_string().c_str() == shown(e->second.v, e->second.kind));
                ++e;
            }
            MODEL_CHECK(e == own_[t].end());
            coResourceIterator it(&table);
            for (int round = 0; round < 2; ++round) {
                e = own_[t].begin();
                for (; ++it; ++e)
                    MODEL_CHECK(e != own_[t].end() && it.index() == e->first &&
                                it() == e->second.obj);
                MODEL_CHECK(e == own_[t].end() && it.undefined());
            }
            coResourceBasecoPageArrPtrcoPtrcoPageArrcoIterator slot(tables_[t]->slots());
            int walked = 0;
            while (++slot) {
                MODEL_CHECK(slot.index() == walked && slot.remaining() == size_[t] - walked);
                MODEL_CHECK(slot() == own_obj(t, walked++));
            }
            MODEL_CHECK(walked == size_[t] && slot.remaining() == 0);
            for (const Key &k : keys_) {
                if (!k.key) continue;
                const Entry *m = lookup(t, k.key->id());
                MODEL_CHECK(table.lookup_resource(k.key.get()) == (m ? m->obj : nullptr));
                MODEL_CHECK(table.has_key(k.key.get()) ==
                            static_cast<int>(own_[t].count(k.key->id())));
                switch (k.kind) {
                case Int:
                    check_typed<intcoResourceKey>(k, t, m);
                    break;
                case Double:
                    check_typed<doublecoResourceKey>(k, t, m);
                    break;
                case Bool:
                    check_typed<utBoolcoResourceKey>(k, t, m);
                    break;
                case Text:
                    check_typed<utStringcoResourceKey>(k, t, m);
                    break;
                }
            }
        }
    }

    colib_test::Input &in_;
    int next_;
    bool registry_was_empty_;
    int parent_[3] = {-1, -1, -1};
    std::unique_ptr<Table> tables_[3];
    std::map<int, Entry> own_[3];
    int size_[3] = {};
    Key keys_[5];
    std::map<std::string, int> registry_;
    std::vector<Scoped> scoped_;
};

} // namespace resources_driver

inline void run_resources(colib_test::Input &in) {
    long before = alloc_injector::live();
    resources_driver::Driver(in).run();
    MODEL_CHECK(alloc_injector::live() == before);
}
