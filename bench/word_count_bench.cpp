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
//   absl heap texts absl::flat_hash_map<std::string_view, int> whose keys
//                   view texts kept as a colib string keeps them: one
//                   heap block per new word (a sharing count, the text,
//                   a NUL), released when the map goes
//   hand rules      the string table's rules written by hand: the same
//                   handle (text, length, head, count) and pair layout,
//                   the same heap texts, hash, homes, tags, downward
//                   probe, 16 initial slots and doubling at half load,
//                   read through the plainest loop
#include "bench_common.h"

#include <colib/hashing/table.h>

#include <absl/container/flat_hash_map.h>
#include <absl/strings/string_view.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>
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

// A text as a colib string keeps it: one heap block holding a sharing
// count, then the text and a NUL.
char *new_text(std::string_view w) {
    char *block = new char[sizeof(std::atomic<int>) + w.size() + 1];
    new (block) std::atomic<int>(1);
    char *text = block + sizeof(std::atomic<int>);
    std::memcpy(text, w.data(), w.size());
    text[w.size()] = '\0';
    return text;
}
void release_text(const char *text) {
    char *block = const_cast<char *>(text) - sizeof(std::atomic<int>);
    if (reinterpret_cast<std::atomic<int> *>(block)->fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete[] block;
}

// The string table's rules by hand (see the top of the file). It keeps
// none of the table's other promises (failure, printing, walking).
class HandTable {
public:
    HandTable() { make(4); }
    HandTable(const HandTable &) = delete;
    HandTable &operator=(const HandTable &) = delete;
    ~HandTable() {
        for (std::size_t i = 0; i < slots(); ++i)
            if (tags_[i] != kEmpty) release_text(pairs_[i].text);
        free(tags_, pairs_);
    }
    int size() const { return count_; }

    int &operator[](std::string_view w) {
        const unsigned h = hash(w.data(), w.size());
        const std::uint8_t tag = colib_bench::hand_tag(h);
        const std::uint32_t head = head_of(w, h);
        const unsigned mask = static_cast<unsigned>(slots()) - 1;
        unsigned i = colib_bench::hand_home(h, bits_);
        for (;; i = (i - 1) & mask) {
            if (tags_[i] == kEmpty) break;
            const Pair &p = pairs_[i];
            if (tags_[i] == tag && p.length == static_cast<int>(w.size()) && p.head == head &&
                (w.size() <= 4 || std::memcmp(p.text, w.data(), w.size()) == 0))
                return pairs_[i].value;
        }
        char *text = new_text(w);
        pairs_[i] = Pair{text, static_cast<int>(w.size()), head,
                         reinterpret_cast<std::atomic<int> *>(text - sizeof(std::atomic<int>)), 0};
        tags_[i] = tag;
        running_ ^= h;
        if (2 * ++count_ < static_cast<int>(slots())) return pairs_[i].value;
        grow();
        return (*this)[w];
    }

private:
    struct Pair {
        char *text;
        int length;
        std::uint32_t head;
        std::atomic<int> *count; // the handle's sharing count, as a utString keeps it
        int value;
    };
    static constexpr std::uint8_t kEmpty = 0x80;
    // The XOR of the text's little-endian 32-bit words, the last one
    // padded with zero bytes.
    static unsigned hash(const char *p, std::size_t n) {
        std::uint32_t h = 0;
        std::size_t i = 0;
        for (; i + 4 <= n; i += 4) {
            std::uint32_t x;
            std::memcpy(&x, p + i, 4);
            h ^= x;
        }
        for (; i < n; ++i)
            h ^= std::uint32_t(static_cast<unsigned char>(p[i])) << (8 * (i % 4));
        return h;
    }
    static std::uint32_t head_of(std::string_view w, unsigned h) {
        if (w.size() <= 4) return h;
        std::uint32_t x;
        std::memcpy(&x, w.data(), 4);
        return x;
    }
    std::size_t slots() const { return std::size_t{1} << bits_; }
    void make(int bits) {
        bits_ = bits;
        tags_ = new std::uint8_t[slots()];
        std::memset(tags_, kEmpty, slots());
        pairs_ = new Pair[slots()];
    }
    static void free(std::uint8_t *tags, Pair *pairs) {
        delete[] tags;
        delete[] pairs;
    }
    void grow() {
        std::uint8_t *old_tags = tags_;
        Pair *old_pairs = pairs_;
        const std::size_t old_slots = slots();
        make(bits_ + 1);
        const unsigned mask = static_cast<unsigned>(slots()) - 1;
        for (std::size_t k = 0; k < old_slots; ++k) {
            if (old_tags[k] == kEmpty) continue;
            const Pair &p = old_pairs[k];
            const unsigned h =
                p.length <= 4 ? p.head : hash(p.text, static_cast<std::size_t>(p.length));
            unsigned i = colib_bench::hand_home(h, bits_);
            while (tags_[i] != kEmpty)
                i = (i - 1) & mask;
            tags_[i] = old_tags[k];
            pairs_[i] = p;
        }
        free(old_tags, old_pairs);
    }

    int bits_ = 0, count_ = 0;
    // The XOR of the stored keys' hashes, kept on each insertion as the
    // table keeps it (never read here).
    unsigned running_ = 0;
    std::uint8_t *tags_ = nullptr;
    Pair *pairs_ = nullptr;
};

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
void BM_WordCount_AbslHeapTexts(benchmark::State &state) {
    run(state, [](const Text &t) {
        absl::flat_hash_map<std::string_view, int> counts;
        for (std::string_view w : t.views) {
            auto it = counts.find(w);
            if (it == counts.end())
                counts.emplace(std::string_view(new_text(w), w.size()), 1);
            else
                ++it->second;
        }
        const std::size_t n = counts.size();
        for (const auto &kv : counts)
            release_text(kv.first.data());
        return n;
    });
}
void BM_WordCount_HandRules(benchmark::State &state) {
    run(state, [](const Text &t) {
        HandTable counts;
        for (std::string_view w : t.views)
            ++counts[w];
        return static_cast<std::size_t>(counts.size());
    });
}

BENCHMARK(BM_WordCount_ColibView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_ColibUtString)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_Std)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_StdView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_AbslView)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_AbslHeapTexts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WordCount_HandRules)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
