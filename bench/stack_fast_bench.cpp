// intcoStackFast against std::stack<int, std::vector<int>>, and the owning
// handle intcoPrgArray against a plain new[] and std::unique_ptr<int[]>.
#include "bench_common.h"

#include <colib/arrays/prg_array.h>
#include <colib/arrays/stack_fast.h>

#include <memory>
#include <stack>
#include <vector>

namespace {
constexpr int kN = 10000000;

// A push onto a full stack reserves half as much again, in whole steps of
// the array: with step 4096, 10M pushes reallocate about 20 times. The
// second run gives the array its final size as the step (one allocation).
template <class Make> void push_pop(benchmark::State &state, Make make) {
    colib_bench::push_then_pop(
        state, kN, make, [](auto &c, int i) { c.push(i); }, [](auto &c) { return c.top(); },
        [](auto &c) { c.pop(); });
}
void StackFast_PushPop_Step4096(benchmark::State &state) {
    push_pop(state, [] { return intcoStackFast(0, 4096); });
}
void StackFast_PushPop_StepAll(benchmark::State &state) {
    push_pop(state, [] { return intcoStackFast(0, kN); });
}
void StdStack_PushPop(benchmark::State &state) {
    push_pop(state, [] { return std::stack<int, std::vector<int>>(); });
}

constexpr int kArrays = 1000;
void PrgArray_Own(benchmark::State &state) {
    for (auto _ : state) {
        for (int i = 0; i < kArrays; ++i) {
            intcoPrgArray h(new int[16]);
            benchmark::DoNotOptimize(h.get());
        }
    }
    state.SetItemsProcessed(state.iterations() * kArrays);
}
void UniquePtr_Own(benchmark::State &state) {
    for (auto _ : state) {
        for (int i = 0; i < kArrays; ++i) {
            std::unique_ptr<int[]> h(new int[16]);
            benchmark::DoNotOptimize(h.get());
        }
    }
    state.SetItemsProcessed(state.iterations() * kArrays);
}
void PlainNew_Own(benchmark::State &state) {
    for (auto _ : state) {
        for (int i = 0; i < kArrays; ++i) {
            int *p = new int[16];
            benchmark::DoNotOptimize(p);
            delete[] p;
        }
    }
    state.SetItemsProcessed(state.iterations() * kArrays);
}
} // namespace

BENCHMARK(StackFast_PushPop_Step4096)->Unit(benchmark::kMillisecond);
BENCHMARK(StackFast_PushPop_StepAll)->Unit(benchmark::kMillisecond);
BENCHMARK(StdStack_PushPop)->Unit(benchmark::kMillisecond);
BENCHMARK(PrgArray_Own)->Unit(benchmark::kMicrosecond);
BENCHMARK(UniquePtr_Own)->Unit(benchmark::kMicrosecond);
BENCHMARK(PlainNew_Own)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
