// What the thread-safe sharing count costs a single thread. A utString copy
// adds one to the shared count and its destruction takes one away, both
// atomic read-modify-writes. PlainCount is the same string with a plain int
// count (what the copy would cost if strings sharing a text could never be
// used from two threads); std::string copies the text, shared_ptr shares it
// with an atomic count of its own.
#include <colib/colib.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kText[] = "a text long enough to live on the heap in every string kind";

// utString's layout and copy, with a count that is not atomic.
class PlainCount {
public:
    explicit PlainCount(const char *s) : length_(static_cast<int>(std::strlen(s))) {
        count_ = new int(1);
        text_ = new char[length_ + 1];
        std::memcpy(text_, s, length_ + 1);
    }
    PlainCount(const PlainCount &o) noexcept
        : text_(o.text_), length_(o.length_), count_(o.count_) {
        ++*count_;
    }
    PlainCount &operator=(const PlainCount &) = delete;
    ~PlainCount() {
        if (--*count_ == 0) {
            delete count_;
            delete[] text_;
        }
    }
    const char *c_str() const noexcept { return text_; }

private:
    char *text_;
    int length_;
    int *count_;
};

// One copy made and dropped per iteration.
template <class S> void copy_one(benchmark::State &state, const S &s) {
    for (auto _ : state) {
        S copy(s);
        benchmark::DoNotOptimize(copy);
    }
}

void BM_CopyString_utString(benchmark::State &state) {
    copy_one(state, utString(kText));
}
void BM_CopyString_PlainCount(benchmark::State &state) {
    copy_one(state, PlainCount(kText));
}
void BM_CopyString_StdString(benchmark::State &state) {
    copy_one(state, std::string(kText));
}
void BM_CopyString_SharedPtr(benchmark::State &state) {
    copy_one(state, std::make_shared<const std::string>(kText));
}

// A container of 1000 strings sharing one text, copied whole.
constexpr int kWords = 1000;
void BM_CopyWords_utStringcoDynArr(benchmark::State &state) {
    utStringcoDynArr words(0, kWords);
    utString s(kText);
    for (int i = 0; i < kWords; ++i)
        words.append(s);
    for (auto _ : state) {
        utStringcoDynArr copy(words);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * kWords);
}
void BM_CopyWords_PlainCountVector(benchmark::State &state) {
    std::vector<PlainCount> words;
    words.reserve(kWords);
    PlainCount s(kText);
    for (int i = 0; i < kWords; ++i)
        words.push_back(s);
    for (auto _ : state) {
        std::vector<PlainCount> copy(words);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * kWords);
}
void BM_CopyWords_StdStringVector(benchmark::State &state) {
    std::vector<std::string> words(kWords, kText);
    for (auto _ : state) {
        std::vector<std::string> copy(words);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * kWords);
}

} // namespace

BENCHMARK(BM_CopyString_utString);
BENCHMARK(BM_CopyString_PlainCount);
BENCHMARK(BM_CopyString_StdString);
BENCHMARK(BM_CopyString_SharedPtr);
BENCHMARK(BM_CopyWords_utStringcoDynArr);
BENCHMARK(BM_CopyWords_PlainCountVector);
BENCHMARK(BM_CopyWords_StdStringVector);
BENCHMARK_MAIN();
