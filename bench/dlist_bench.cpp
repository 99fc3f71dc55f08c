// The doubly linked list against std::list<int>: 10M elements inserted at
// the back, then removed from the front; and the memory each element costs.
#include <benchmark/benchmark.h>
#include <colib/lists/dlist.h>

#include <malloc.h>

#include <list>

namespace {

constexpr int kN = 10'000'000;

void BM_InsertLastRemoveFirst_DListB(benchmark::State &state) {
    for (auto _ : state) {
        intcoDListB l;
        for (int i = 0; i < kN; ++i)
            l.insert_last(i);
        long long sum = 0;
        while (!l.empty()) {
            sum += l.next()->read();
            l.remove_first();
        }
        benchmark::DoNotOptimize(sum);
    }
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

// Heap bytes in use per element of a 1M-element list (malloc's own
// bookkeeping included).
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
void BM_Memory_DListB(benchmark::State &state) {
    memory(state, [] {
        auto *l = new intcoDListB;
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

BENCHMARK(BM_InsertLastRemoveFirst_DListB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertLastRemoveFirst_StdList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memory_DListB)->Iterations(1);
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
