// The paged list against std::list<int> (and the doubly linked list):
// 10M elements inserted at the back, then removed from the front; a churn
// of 10M steps on a 1M-element list, each moving a cursor by a random
// distance, removing the element under it and inserting a new one beside
// it; and the memory each element costs.
#include <benchmark/benchmark.h>
#include <colib/lists/dlist.h>
#include <colib/lists/page_dlist.h>

#include <malloc.h>

#include <cstdint>
#include <list>
#include <random>
#include <vector>

namespace {

constexpr int kN = 10'000'000;
constexpr int kChurnSize = 1'000'000;
constexpr int kChurnSteps = 10'000'000;

// Signed distances in [-8, 8], the same for every container.
const std::vector<std::int8_t> &distances() {
    static const std::vector<std::int8_t> d = [] {
        std::mt19937 rng(42);
        std::vector<std::int8_t> v(kChurnSteps);
        for (auto &x : v)
            x = static_cast<std::int8_t>(static_cast<int>(rng() % 17) - 8);
        return v;
    }();
    return d;
}

// The default geometry (256 links per block, block table step 10) grows
// the block table 3900 times on the way to 10M links; the second run
// gives the list 4096 links per block and a table step of 256.
void insert_last_remove_first(benchmark::State &state, int shift, int capacity, int step) {
    for (auto _ : state) {
        intcoPageDList l(shift, capacity, step);
        for (int i = 0; i < kN; ++i)
            l.insert_last(i);
        long long sum = 0;
        while (!l.empty()) {
            sum += l.link(l.first_id()).item();
            l.remove_first();
        }
        benchmark::DoNotOptimize(sum);
    }
}
void BM_InsertLastRemoveFirst_PageDList(benchmark::State &state) {
    insert_last_remove_first(state, 8, 5, 10);
}
void BM_InsertLastRemoveFirst_PageDListShift12(benchmark::State &state) {
    insert_last_remove_first(state, 12, 0, 256);
}
void BM_InsertLastRemoveFirst_StdList(benchmark::State &state) {
    for (auto _ : state) {
        std::list<int> l;
        for (int i = 0; i < kN; ++i)
            l.push_back(i);
        long long sum = 0;
        while (!l.empty()) {
            sum += l.front();
            l.pop_front();
        }
        benchmark::DoNotOptimize(sum);
    }
}

// Steps wrap round at either end.
void BM_Churn_PageDList(benchmark::State &state) {
    const auto &d = distances();
    for (auto _ : state) {
        intcoPageDList l;
        for (int i = 0; i < kChurnSize; ++i)
            l.insert_last(i);
        l.forwards();
        long long sum = 0;
        for (int s = 0; s < kChurnSteps; ++s) {
            for (int k = d[s]; k > 0; --k)
                if (!l.forwards()) l.forwards();
            for (int k = d[s]; k < 0; ++k)
                if (!l.backwards()) l.backwards();
            sum += l.read();
            l.remove();
            if (l.undefined()) l.forwards();
            l.insert_before(s);
        }
        benchmark::DoNotOptimize(sum);
    }
}
void BM_Churn_DList(benchmark::State &state) {
    const auto &d = distances();
    for (auto _ : state) {
        intcoDList l;
        for (int i = 0; i < kChurnSize; ++i)
            l.insert_last(i);
        l.forwards();
        long long sum = 0;
        for (int s = 0; s < kChurnSteps; ++s) {
            for (int k = d[s]; k > 0; --k)
                if (!++l) ++l;
            for (int k = d[s]; k < 0; ++k)
                if (!--l) --l;
            sum += l.read();
            l.remove();
            if (l.undefined()) ++l;
            l.insert_before(s);
        }
        benchmark::DoNotOptimize(sum);
    }
}
void BM_Churn_StdList(benchmark::State &state) {
    const auto &d = distances();
    for (auto _ : state) {
        std::list<int> l;
        for (int i = 0; i < kChurnSize; ++i)
            l.push_back(i);
        auto it = l.begin();
        long long sum = 0;
        for (int s = 0; s < kChurnSteps; ++s) {
            for (int k = d[s]; k > 0; --k)
                if (++it == l.end()) it = l.begin();
            for (int k = d[s]; k < 0; ++k)
                it = it == l.begin() ? std::prev(l.end()) : std::prev(it);
            sum += *it;
            it = l.erase(it);
            if (it == l.end()) it = l.begin();
            l.insert(it, s);
        }
        benchmark::DoNotOptimize(sum);
    }
}

template <class Fill> void memory(benchmark::State &state, Fill fill) {
    for (auto _ : state) {
        size_t before = mallinfo2().uordblks;
        auto *holder = fill();
        size_t after = mallinfo2().uordblks;
        state.counters["bytes_per_elem"] = static_cast<double>(after - before) / 1e6;
        benchmark::DoNotOptimize(holder);
        delete holder;
    }
}
void BM_Memory_PageDList(benchmark::State &state) {
    memory(state, [] {
        auto *l = new intcoPageDList;
        for (int i = 0; i < 1'000'000; ++i)
            l->insert_last(i);
        return l;
    });
}
void BM_Memory_StdList(benchmark::State &state) {
    memory(state, [] {
        auto *l = new std::list<int>;
        for (int i = 0; i < 1'000'000; ++i)
            l->push_back(i);
        return l;
    });
}

} // namespace

BENCHMARK(BM_InsertLastRemoveFirst_PageDList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertLastRemoveFirst_PageDListShift12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertLastRemoveFirst_StdList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Churn_PageDList)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Churn_DList)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Churn_StdList)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Memory_PageDList)->Iterations(1);
BENCHMARK(BM_Memory_StdList)->Iterations(1);

// The first benchmark to grow the heap would pay its page faults for every
// side: grow it once, before any is timed.
int main(int argc, char **argv) {
    {
        std::list<int> warm;
        for (int i = 0; i < kN; ++i)
            warm.push_back(i);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
