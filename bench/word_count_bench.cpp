// Counting the words of a real text (tests/data: Genesis and Exodus of the
// King James Version, 380 KB, 71,374 words, 3,556 distinct) with
// ++table[word]. The text is split into words (runs of letters) before
// timing; the timing covers the counting only.
//
//   colib view      utStringintcoTable, ++t[std::string_view]: the word is
//                   hashed and compared in place, a utString is built only
//                   for a new word
//   colib utString  the same table with prebuilt utString keys
//   std             std::unordered_map<std::string, int> with prebuilt
//                   std::string keys (the fastest way to use it)
//   std view        the same map given the views: a std::string per word
//   absl view       absl::flat_hash_map<std::string, int>, looked up by
//                   string view (heterogeneous lookup)
#include <colib/hashing/table.h>

#include <absl/container/flat_hash_map.h>
#include <absl/strings/string_view.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

struct Text {
    std::string body;
    std::vector<std::string_view> views;
    std::vector<std::string> strings;
    std::vector<utString> utstrings;
    std::size_t distinct = 0;
};

bool is_letter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

const Text &text() {
    static Text t = [] {
        Text r;
        std::ifstream in(COLIB_TEST_DATA_DIR "/kjv_genesis_exodus.txt", std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", COLIB_TEST_DATA_DIR "/kjv_genesis_exodus.txt");
            std::exit(1);
        }
        std::ostringstream all;
        all << in.rdbuf();
        r.body = all.str();
        std::string_view b(r.body);
        for (std::size_t i = 0; i < b.size();) {
            while (i < b.size() && !is_letter(b[i]))
                ++i;
            std::size_t j = i;
            while (j < b.size() && is_letter(b[j]))
                ++j;
            if (j > i) r.views.push_back(b.substr(i, j - i));
            i = j;
        }
        std::unordered_map<std::string, int> seen;
        for (std::string_view w : r.views) {
            r.strings.emplace_back(w);
            r.utstrings.emplace_back(r.strings.back());
            ++seen[r.strings.back()];
        }
        r.distinct = seen.size();
        return r;
    }();
    return t;
}

template <class Count> void run(benchmark::State &state, Count count) {
    const Text &t = text();
    for (auto _ : state) {
        std::size_t n = count(t);
        if (n != t.distinct) state.SkipWithError("wrong number of distinct words");
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(t.views.size()));
}

void BM_WordCount_ColibView(benchmark::State &state) {
    run(state, [](const Text &t) {
        utStringintcoTable counts(4, 50);
        for (std::string_view w : t.views)
            ++counts[w];
        return static_cast<std::size_t>(counts.size());
    });
}
void BM_WordCount_ColibUtString(benchmark::State &state) {
    run(state, [](const Text &t) {
        utStringintcoTable counts(4, 50);
        for (const utString &w : t.utstrings)
            ++counts[w];
        return static_cast<std::size_t>(counts.size());
    });
}
void BM_WordCount_Std(benchmark::State &state) {
    run(state, [](const Text &t) {
        std::unordered_map<std::string, int> counts;
        for (const std::string &w : t.strings)
            ++counts[w];
        return counts.size();
    });
}
void BM_WordCount_StdView(benchmark::State &state) {
    run(state, [](const Text &t) {
        std::unordered_map<std::string, int> counts;
        for (std::string_view w : t.views)
            ++counts[std::string(w)];
        return counts.size();
    });
}
void BM_WordCount_AbslView(benchmark::State &state) {
    run(state, [](const Text &t) {
        absl::flat_hash_map<std::string, int> counts;
        for (std::string_view w : t.views) {
            auto it = counts.find(absl::string_view(w.data(), w.size()));
            if (it == counts.end())
                counts.emplace(std::string(w), 1);
            else
                ++it->second;
        }
        return counts.size();
    });
}

BENCHMARK(BM_WordCount_ColibView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_ColibUtString)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_Std)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_StdView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_AbslView)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
