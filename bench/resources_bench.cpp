// Resource reads through a chain of three tables, and loading a settings
// file, side by side with what a user would write instead: hash maps of
// variants keyed by name or by an int id (one map per level, falling back
// along the chain), and std::getline into a map of strings. The reads also
// run written by hand over the tables' own layout, the floor of any read.
#include <colib/resources/resource_table.h>

#include "bench_common.h"

#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <unordered_map>
#include <variant>
#include <vector>

namespace {

constexpr int kKeys = 1000;
constexpr int kReads = 4096;
using Value = std::variant<int, double, bool, std::string>;

std::vector<int> random_keys() {
    std::mt19937 rng(7);
    std::vector<int> out(kReads);
    for (int &k : out)
        k = std::uniform_int_distribution<int>(0, kKeys - 1)(rng);
    return out;
}

std::string name_of(int i) {
    return "settings.group" + std::to_string(i % 17) + ".value" + std::to_string(i);
}

// Keys and a chain child -> parent -> grandparent with every key's entry
// at one level (0: the child itself).
struct Chain {
    std::vector<std::unique_ptr<intcoResourceKey>> keys;
    coResourceTable grand, parent{&grand}, child{&parent};
    explicit Chain(int depth) {
        coResourceTable *levels[] = {&child, &parent, &grand};
        for (int i = 0; i < kKeys; ++i) {
            keys.push_back(std::make_unique<intcoResourceKey>(utString(name_of(i))));
            coResourceTableMaker::create_entry(name_of(i).c_str(), std::to_string(i).c_str(),
                                               *levels[depth]);
        }
    }
};

void BM_colib_read_safe(benchmark::State &state) {
    Chain chain(static_cast<int>(state.range(0)));
    std::vector<const intcoResourceKey *> order;
    for (int k : random_keys())
        order.push_back(chain.keys[k].get());
    for (auto _ : state) {
        long long sum = 0;
        for (const intcoResourceKey *k : order)
            sum += *k->read_safe(&chain.child);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kReads);
}

// The same reads written by hand over the same layout: per key a block
// the size of a key holding its id, per entry a block the size of a
// resource holding its type and value, and per table its size, a table of
// 256-slot blocks of entry pointers and the parent. The walk is the one a
// read must make (own slot first, then up the chain; one compare for the
// type); it leaves out only the virtual kind test for other classes.
struct HandKey {
    int id;
    char pad[sizeof(intcoResourceKey) - sizeof(int)];
};
struct HandEntry {
    const void *type;
    int value;
    char pad[sizeof(intcoResource) - sizeof(void *) - sizeof(int)];
};
struct HandTable {
    int size = 0;
    std::vector<std::unique_ptr<const HandEntry *[]>> blocks;
    const HandTable *parent = nullptr;
    const HandEntry *own(int id) const { return id < size ? blocks[id >> 8][id & 255] : nullptr; }
};
const char kIntType = 0;

const int *hand_read(const HandKey *k, const HandTable *t) {
    const int id = k->id;
    for (; t; t = t->parent)
        if (const HandEntry *e = t->own(id)) return e->type == &kIntType ? &e->value : nullptr;
    return nullptr;
}

void BM_hand_read_same_layout(benchmark::State &state) {
    HandTable levels[3];
    levels[0].parent = &levels[1];
    levels[1].parent = &levels[2];
    HandTable &filled = levels[state.range(0)];
    std::vector<std::unique_ptr<HandKey>> keys;
    std::vector<std::unique_ptr<HandEntry>> entries;
    for (int i = 0; i < kKeys; ++i) {
        keys.push_back(std::make_unique<HandKey>(HandKey{i, {}}));
        entries.push_back(std::make_unique<HandEntry>(HandEntry{&kIntType, i, {}}));
        if ((i & 255) == 0) filled.blocks.push_back(std::make_unique<const HandEntry *[]>(256));
        filled.blocks.back()[i & 255] = entries.back().get();
        filled.size = i + 1;
    }
    std::vector<const HandKey *> order;
    for (int k : random_keys())
        order.push_back(keys[k].get());
    for (auto _ : state) {
        long long sum = 0;
        for (const HandKey *k : order)
            sum += *hand_read(k, &levels[0]);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kReads);
}

template <class K> struct MapChain {
    std::unordered_map<K, Value> levels[3];
    const Value *find(const K &k) const {
        for (const auto &m : levels) {
            auto it = m.find(k);
            if (it != m.end()) return &it->second;
        }
        return nullptr;
    }
};

void BM_std_map_by_name(benchmark::State &state) {
    MapChain<std::string> maps;
    for (int i = 0; i < kKeys; ++i)
        maps.levels[state.range(0)][name_of(i)] = i;
    std::vector<std::string> order;
    for (int k : random_keys())
        order.push_back(name_of(k));
    for (auto _ : state) {
        long long sum = 0;
        for (const std::string &k : order)
            sum += *std::get_if<int>(maps.find(k));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kReads);
}

void BM_std_map_by_id(benchmark::State &state) {
    MapChain<int> maps;
    for (int i = 0; i < kKeys; ++i)
        maps.levels[state.range(0)][i] = i;
    std::vector<int> order = random_keys();
    for (auto _ : state) {
        long long sum = 0;
        for (int k : order)
            sum += *std::get_if<int>(maps.find(k));
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kReads);
}

BENCHMARK(BM_colib_read_safe)->DenseRange(0, 2);
BENCHMARK(BM_hand_read_same_layout)->DenseRange(0, 2);
BENCHMARK(BM_std_map_by_name)->DenseRange(0, 2);
BENCHMARK(BM_std_map_by_id)->DenseRange(0, 2);

// ---- loading ----------------------------------------------------------

constexpr int kLines = 100000;

struct Settings {
    std::vector<std::unique_ptr<coResourceKeyBase>> keys;
    std::string text;
    Settings() {
        std::ostringstream os;
        for (int i = 0; i < kLines; ++i) {
            std::string name = "s" + std::to_string(i);
            switch (i % 4) {
            case 0:
                keys.push_back(std::make_unique<intcoResourceKey>(utString(name)));
                os << name << " = " << i << '\n';
                break;
            case 1:
                keys.push_back(std::make_unique<doublecoResourceKey>(utString(name)));
                os << name << " = " << i << ".25\n";
                break;
            case 2:
                keys.push_back(std::make_unique<utBoolcoResourceKey>(utString(name)));
                os << name << " = " << (i % 3 ? "true" : "False") << '\n';
                break;
            default:
                keys.push_back(std::make_unique<utStringcoResourceKey>(utString(name)));
                os << name << " = some text " << i << '\n';
                break;
            }
            if (i % 100 == 0) os << "# comment\n";
        }
        text = os.str();
    }
};

Settings &settings() {
    static Settings s;
    return s;
}

void BM_colib_load(benchmark::State &state) {
    const std::string &text = settings().text;
    for (auto _ : state) {
        std::istringstream in(text);
        coResourceTable t;
        coResourceLoadReport report;
        coResourceTableMaker::load(in, t, report);
        if (report.filed() != kLines) state.SkipWithError("not every line was filed");
        benchmark::DoNotOptimize(t.size());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

void BM_std_getline_into_map(benchmark::State &state) {
    const std::string &text = settings().text;
    auto trim = [](const std::string &s, std::size_t b, std::size_t e) {
        while (b < e && (s[b] == ' ' || s[b] == '\t'))
            ++b;
        while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r'))
            --e;
        return s.substr(b, e - b);
    };
    for (auto _ : state) {
        std::istringstream in(text);
        std::unordered_map<std::string, std::string> map;
        std::string line;
        while (std::getline(in, line)) {
            std::size_t eq = line.find('=');
            if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
            map[trim(line, 0, eq)] = trim(line, eq + 1, line.size());
        }
        if (map.size() != static_cast<std::size_t>(kLines)) state.SkipWithError("lines lost");
        benchmark::DoNotOptimize(map.size());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}

BENCHMARK(BM_colib_load)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_getline_into_map)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
