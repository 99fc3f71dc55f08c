// intcoStackFast against std::stack<int, std::vector<int>>, and the owning
// handle intcoPrgArray against a plain new[] and std::unique_ptr<int[]>.
#include <colib/arrays/prg_array.h>
#include <colib/arrays/stack_fast.h>

#include <benchmark/benchmark.h>

#include <memory>
#include <stack>
#include <vector>

namespace {
constexpr int kN = 10000000;

// A push onto a full stack reserves half as much again, in whole steps of
// the array: with step 4096, 10M pushes reallocate about 20 times. The
// second run gives the array its final size as the step (one allocation).
void stack_fast(benchmark::State &state, int step) {
    for (auto _ : state) {
        intcoStackFast s(0, step);
        for (int i = 0; i < kN; ++i)
            s.push(i);
        long long sum = 0;
        while (!s.empty()) {
            sum += s.top();
            s.pop();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kN);
}
void StackFast_PushPop_Step4096(benchmark::State &state) {
    stack_fast(state, 4096);
}
void StackFast_PushPop_StepAll(benchmark::State &state) {
    stack_fast(state, kN);
}
void StdStack_PushPop(benchmark::State &state) {
    for (auto _ : state) {
        std::stack<int, std::vector<int>> s;
        for (int i = 0; i < kN; ++i)
            s.push(i);
        long long sum = 0;
        while (!s.empty()) {
            sum += s.top();
            s.pop();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kN);
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
