// The everyday loops of the array, paged, notify and resource families, each
// beside the loop a user would write by hand with the standard library, in
// one run so that the ratios compare like with like:
//
//   Matrix_Write / Flat_Write           every cell of a 2048 x 2048 int matrix
//                                       through the growing operator()
//   PageArr_Append / Deque_PushBack     1M appends, default geometry
//   PageArr_RandomRead, VariableArr_RandomRead / Vector_RandomRead
//                                       1M random reads of a 10M-element array
//   DynArr_AppendReserved / Vector_PushBackReserved   1M appends into room
//   DynArr_AppendDefault / Vector_PushBack            64K appends, no room
//   StackFast_PushPop / StdStack_PushPop              1M pushes, then pops
//   Send/N / StdFunction/N              one send reaching N receivers
//   Lookup/D / NameMap/D                a typed read-safe lookup whose entry
//                                       sits D tables up the chain
#include "bench_common.h"

#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/dyn_arr2d.h>
#include <colib/arrays/stack_fast.h>
#include <colib/arrays/variable_arr.h>
#include <colib/notify/call_list.h>
#include <colib/notify/typed_call.h>
#include <colib/paged/page_arr.h>
#include <colib/resources/resource_table.h>

#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <stack>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// ---- matrix writes ---------------------------------------------------------

constexpr int kSide = 2048;

void Matrix_Write(benchmark::State &state) {
    intcoDynArr2D m(0, 0, kSide, kSide); // large steps: one allocation
    m.expand(kSide, kSide);
    for (auto _ : state) {
        for (int i = 0; i < kSide; ++i)
            for (int j = 0; j < kSide; ++j)
                m(i, j) = i + j;
        benchmark::DoNotOptimize(m.block());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}
void Flat_Write(benchmark::State &state) {
    std::vector<int> v(static_cast<std::size_t>(kSide) * kSide);
    for (auto _ : state) {
        for (int i = 0; i < kSide; ++i)
            for (int j = 0; j < kSide; ++j)
                v[static_cast<std::size_t>(i) * kSide + j] = i + j;
        benchmark::DoNotOptimize(v.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

// ---- appends ---------------------------------------------------------------

constexpr int kAppends = 1 << 20;
constexpr int kSmall = 1 << 16;

template <class Make, class Add> void appends(benchmark::State &state, int n, Make make, Add add) {
    for (auto _ : state) {
        auto c = make();
        for (int i = 0; i < n; ++i)
            add(c, i);
        benchmark::DoNotOptimize(&c);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void PageArr_Append(benchmark::State &state) {
    appends(
        state, kAppends, [] { return intcoPageArr(); }, [](auto &c, int i) { c.append(i); });
}
void Deque_PushBack(benchmark::State &state) {
    appends(
        state, kAppends, [] { return std::deque<int>(); }, [](auto &c, int i) { c.push_back(i); });
}
void DynArr_AppendReserved(benchmark::State &state) {
    appends(
        state, kAppends,
        [] {
            intcoDynArr a;
            a.reserve(kAppends);
            return a;
        },
        [](auto &c, int i) { c.append(i); });
}
void Vector_PushBackReserved(benchmark::State &state) {
    appends(
        state, kAppends,
        [] {
            std::vector<int> v;
            v.reserve(kAppends);
            return v;
        },
        [](auto &c, int i) { c.push_back(i); });
}
void DynArr_AppendDefault(benchmark::State &state) {
    appends(
        state, kSmall, [] { return intcoDynArr(); }, [](auto &c, int i) { c.append(i); });
}
void Vector_PushBack(benchmark::State &state) {
    appends(
        state, kSmall, [] { return std::vector<int>(); }, [](auto &c, int i) { c.push_back(i); });
}

// ---- random reads ----------------------------------------------------------

constexpr int kElems = 10'000'000;
constexpr int kReads = 1'000'000;

const std::vector<int> &read_order() {
    static const std::vector<int> order = [] {
        std::mt19937 rng(11);
        std::vector<int> v(kReads);
        for (int &i : v)
            i = static_cast<int>(rng() % kElems);
        return v;
    }();
    return order;
}

template <class C> void random_reads(benchmark::State &state, const C &c) {
    const std::vector<int> &order = read_order();
    for (auto _ : state) {
        long long sum = 0;
        for (int i : order)
            sum += c[i];
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kReads);
}

void PageArr_RandomRead(benchmark::State &state) {
    intcoPageArr a;
    for (int i = 0; i < kElems; ++i)
        a.append(i);
    random_reads(state, static_cast<const intcoPageArr &>(a));
}
void VariableArr_RandomRead(benchmark::State &state) {
    intcoVariableArr a;
    for (int i = 0; i < kElems; ++i)
        a.append(i);
    random_reads(state, static_cast<const intcoVariableArr &>(a));
}
void Vector_RandomRead(benchmark::State &state) {
    std::vector<int> v(kElems);
    for (int i = 0; i < kElems; ++i)
        v[i] = i;
    random_reads(state, static_cast<const std::vector<int> &>(v));
}

// ---- stacks ----------------------------------------------------------------

void StackFast_PushPop(benchmark::State &state) {
    colib_bench::push_then_pop(
        state, kAppends, [] { return intcoStackFast(); }, [](auto &s, int i) { s.push(i); },
        [](auto &s) { return s.top(); }, [](auto &s) { s.pop(); });
}
void StdStack_PushPop(benchmark::State &state) {
    colib_bench::push_then_pop(
        state, kAppends, [] { return std::stack<int, std::vector<int>>(); },
        [](auto &s, int i) { s.push(i); }, [](auto &s) { return s.top(); },
        [](auto &s) { s.pop(); });
}

// ---- sends -----------------------------------------------------------------

struct Recv : coReceiver {
    Recv() : coReceiver(1) {}
    long hits = 0;
};
struct Data : coCBData {
    long step = 1;
};
void on_data(Recv *r, Data *d) {
    r->hits += d->step;
}
struct Plain {
    long hits = 0;
};

void Send(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    coCallReason why;
    coSender s(1);
    std::vector<std::unique_ptr<Recv>> rs;
    for (int i = 0; i < n; ++i) {
        rs.push_back(std::make_unique<Recv>());
        co_register<on_data>(why, rs.back().get(), &s);
    }
    Data d;
    for (auto _ : state)
        s.send_calls(why, d);
    benchmark::DoNotOptimize(rs.front()->hits);
    state.SetItemsProcessed(state.iterations() * n);
}
void StdFunction(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<std::unique_ptr<Plain>> rs;
    std::vector<std::function<void(void *)>> calls;
    for (int i = 0; i < n; ++i) {
        rs.push_back(std::make_unique<Plain>());
        Plain *p = rs.back().get();
        calls.emplace_back([p](void *d) { p->hits += static_cast<Data *>(d)->step; });
    }
    Data d;
    for (auto _ : state)
        for (auto &f : calls)
            f(&d);
    benchmark::DoNotOptimize(rs.front()->hits);
    state.SetItemsProcessed(state.iterations() * n);
}

// ---- read-safe lookups -----------------------------------------------------

constexpr int kKeys = 1000;
constexpr int kLookups = 4096;

std::vector<int> lookup_order() {
    std::mt19937 rng(7);
    std::vector<int> out(kLookups);
    for (int &k : out)
        k = std::uniform_int_distribution<int>(0, kKeys - 1)(rng);
    return out;
}
std::string name_of(int i) {
    return "settings.group" + std::to_string(i % 17) + ".value" + std::to_string(i);
}

// child -> parent -> grandparent, every key's entry at one level.
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

void Lookup(benchmark::State &state) {
    Chain chain(static_cast<int>(state.range(0)));
    std::vector<const intcoResourceKey *> order;
    for (int k : lookup_order())
        order.push_back(chain.keys[k].get());
    for (auto _ : state) {
        long long sum = 0;
        for (const intcoResourceKey *k : order)
            sum += *k->read_safe(&chain.child);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kLookups);
}
void NameMap(benchmark::State &state) {
    std::unordered_map<std::string, int> levels[3];
    for (int i = 0; i < kKeys; ++i)
        levels[state.range(0)][name_of(i)] = i;
    std::vector<std::string> order;
    for (int k : lookup_order())
        order.push_back(name_of(k));
    for (auto _ : state) {
        long long sum = 0;
        for (const std::string &k : order)
            for (const auto &m : levels)
                if (auto it = m.find(k); it != m.end()) {
                    sum += it->second;
                    break;
                }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kLookups);
}

} // namespace

BENCHMARK(Matrix_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(Flat_Write)->Unit(benchmark::kMillisecond);
BENCHMARK(PageArr_Append)->Unit(benchmark::kMillisecond);
BENCHMARK(Deque_PushBack)->Unit(benchmark::kMillisecond);
BENCHMARK(PageArr_RandomRead)->Unit(benchmark::kMillisecond);
BENCHMARK(VariableArr_RandomRead)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_RandomRead)->Unit(benchmark::kMillisecond);
BENCHMARK(DynArr_AppendReserved)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_PushBackReserved)->Unit(benchmark::kMillisecond);
BENCHMARK(DynArr_AppendDefault)->Unit(benchmark::kMicrosecond);
BENCHMARK(Vector_PushBack)->Unit(benchmark::kMicrosecond);
BENCHMARK(StackFast_PushPop)->Unit(benchmark::kMillisecond);
BENCHMARK(StdStack_PushPop)->Unit(benchmark::kMillisecond);
BENCHMARK(Send)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(StdFunction)->Arg(1)->Arg(10)->Arg(1000);
BENCHMARK(Lookup)->Arg(0)->Arg(2);
BENCHMARK(NameMap)->Arg(0)->Arg(2);

int main(int argc, char **argv) {
    return colib_bench::run_with_warm_heap(argc, argv, 1 << 20);
}
