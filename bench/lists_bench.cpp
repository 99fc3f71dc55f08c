// The singly linked list, stack and queue against std::forward_list,
// std::stack and std::queue: 10M elements pushed, then popped. The
// standard adaptors are measured over their default std::deque and over
// std::list, which allocates one node per element as these lists do.
#include "bench_common.h"

#include <colib/lists/slist.h>
#include <colib/lists/stack_queue.h>

#include <forward_list>
#include <list>
#include <queue>
#include <stack>

namespace {

constexpr int kN = 10'000'000;
using colib_bench::push_then_pop;

template <class C> C make() {
    return C();
}

void BM_PushPop_SListB(benchmark::State &state) {
    push_then_pop(
        state, kN, make<intcoSListB>, [](auto &c, int i) { c.insert_first(i); },
        [](auto &c) { return c.first_item(); }, [](auto &c) { c.remove_first(); });
}
void BM_PushPop_ForwardList(benchmark::State &state) {
    push_then_pop(
        state, kN, make<std::forward_list<int>>, [](auto &c, int i) { c.push_front(i); },
        [](auto &c) { return c.front(); }, [](auto &c) { c.pop_front(); });
}
// intcoStack and the standard stacks share push / top / pop.
template <class S> void BM_PushPop_Stack(benchmark::State &state) {
    push_then_pop(
        state, kN, make<S>, [](auto &c, int i) { c.push(i); }, [](auto &c) { return c.top(); },
        [](auto &c) { c.pop(); });
}
void BM_PushPop_Queue(benchmark::State &state) {
    push_then_pop(
        state, kN, make<intcoQueue>, [](auto &c, int i) { c.append(i); },
        [](auto &c) { return c.head(); }, [](auto &c) { c.pop(); });
}
template <class Q> void BM_PushPop_StdQueue(benchmark::State &state) {
    push_then_pop(
        state, kN, make<Q>, [](auto &c, int i) { c.push(i); }, [](auto &c) { return c.front(); },
        [](auto &c) { c.pop(); });
}

} // namespace

BENCHMARK(BM_PushPop_SListB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PushPop_ForwardList)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_Stack, intcoStack)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_Stack, std::stack<int>)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_Stack, std::stack<int, std::list<int>>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PushPop_Queue)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_StdQueue, std::queue<int>)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_PushPop_StdQueue, std::queue<int, std::list<int>>)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
