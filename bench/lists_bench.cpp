// The singly linked list, stack and queue against std::forward_list,
// std::stack and std::queue: 10M elements pushed, then popped. The
// standard adaptors are measured over their default std::deque and over
// std::list, which allocates one node per element as these lists do.
#include <benchmark/benchmark.h>
#include <colib/lists/slist.h>
#include <colib/lists/stack_queue.h>

#include <forward_list>
#include <list>
#include <queue>
#include <stack>

namespace {

constexpr int kN = 10'000'000;

void BM_PushPop_SListB(benchmark::State &state) {
    for (auto _ : state) {
        intcoSListB l;
        for (int i = 0; i < kN; ++i)
            l.insert_first(i);
        long long sum = 0;
        while (!l.empty()) {
            sum += l.first_item();
            l.remove_first();
        }
        benchmark::DoNotOptimize(sum);
    }
}
void BM_PushPop_ForwardList(benchmark::State &state) {
    for (auto _ : state) {
        std::forward_list<int> l;
        for (int i = 0; i < kN; ++i)
            l.push_front(i);
        long long sum = 0;
        while (!l.empty()) {
            sum += l.front();
            l.pop_front();
        }
        benchmark::DoNotOptimize(sum);
    }
}
void BM_PushPop_Stack(benchmark::State &state) {
    for (auto _ : state) {
        intcoStack s;
        for (int i = 0; i < kN; ++i)
            s.push(i);
        long long sum = 0;
        while (!s.empty()) {
            sum += s.top();
            s.pop();
        }
        benchmark::DoNotOptimize(sum);
    }
}
template <class S> void BM_PushPop_StdStack(benchmark::State &state) {
    for (auto _ : state) {
        S s;
        for (int i = 0; i < kN; ++i)
            s.push(i);
        long long sum = 0;
        while (!s.empty()) {
            sum += s.top();
            s.pop();
        }
        benchmark::DoNotOptimize(sum);
    }
}
void BM_PushPop_Queue(benchmark::State &state) {
    for (auto _ : state) {
        intcoQueue q;
        for (int i = 0; i < kN; ++i)
            q.append(i);
        long long sum = 0;
        while (!q.empty()) {
            sum += q.head();
            q.pop();
        }
        benchmark::DoNotOptimize(sum);
    }
}
template <class Q> void BM_PushPop_StdQueue(benchmark::State &state) {
    for (auto _ : state) {
        Q q;
        for (int i = 0; i < kN; ++i)
            q.push(i);
        long long sum = 0;
        while (!q.empty()) {
            sum += q.front();
            q.pop();
        }
        benchmark::DoNotOptimize(sum);
    }
}

} // namespace

BENCHMARK(BM_PushPop_SListB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PushPop_ForwardList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PushPop_Stack)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_StdStack, std::stack<int>)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_StdStack, std::stack<int, std::list<int>>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PushPop_Queue)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_StdQueue, std::queue<int>)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_StdQueue, std::queue<int, std::list<int>>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
