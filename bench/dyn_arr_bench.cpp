// intcoDynArr and utStringcoDynArr against std::vector, side by side in one run.
#include <colib/arrays/dyn_arr.h>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {
constexpr int kInts = 1 << 20;
constexpr int kStrings = 100000;

template <class Fill> void append_ints(benchmark::State &state, Fill fill) {
    for (auto _ : state) {
        auto a = fill();
        benchmark::DoNotOptimize(a.data());
    }
    state.SetItemsProcessed(state.iterations() * kInts);
}

void DynArr_Append_Step1024(benchmark::State &state) {
    append_ints(state, [] {
        intcoDynArr a(0, 1024);
        for (int i = 0; i < kInts; ++i)
            a.append(i);
        return a;
    });
}
void DynArr_Append_StepAll(benchmark::State &state) {
    append_ints(state, [] {
        intcoDynArr a(0, kInts);
        for (int i = 0; i < kInts; ++i)
            a.append(i);
        return a;
    });
}
void DynArr_Append_Reserved(benchmark::State &state) {
    append_ints(state, [] {
        intcoDynArr a;
        a.reserve(kInts);
        for (int i = 0; i < kInts; ++i)
            a.append(i);
        return a;
    });
}
void Vector_PushBack(benchmark::State &state) {
    append_ints(state, [] {
        std::vector<int> v;
        for (int i = 0; i < kInts; ++i)
            v.push_back(i);
        return v;
    });
}
void Vector_PushBack_Reserved(benchmark::State &state) {
    append_ints(state, [] {
        std::vector<int> v;
        v.reserve(kInts);
        for (int i = 0; i < kInts; ++i)
            v.push_back(i);
        return v;
    });
}

intcoDynArr make_array() {
    intcoDynArr a;
    a.expand(kInts);
    for (int i = 0; i < kInts; ++i)
        a[i] = i * 7;
    return a;
}

void DynArr_IndexedRead(benchmark::State &state) {
    const intcoDynArr a = make_array();
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < a.size(); ++i)
            sum += a[i];
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kInts);
}
void Vector_IndexedRead(benchmark::State &state) {
    const intcoDynArr a = make_array();
    const std::vector<int> v(a.begin(), a.end());
    for (auto _ : state) {
        long long sum = 0;
        for (std::size_t i = 0; i < v.size(); ++i)
            sum += v[i];
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kInts);
}

void DynArr_Copy(benchmark::State &state) {
    const intcoDynArr a = make_array();
    for (auto _ : state) {
        intcoDynArr copy(utCOPY, a);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * kInts);
}
void Vector_Copy(benchmark::State &state) {
    const intcoDynArr a = make_array();
    const std::vector<int> v(a.begin(), a.end());
    for (auto _ : state) {
        std::vector<int> copy(v);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetItemsProcessed(state.iterations() * kInts);
}

// Texts longer than the standard string's inline buffer, so both sides
// hold heap text; the colib side shares it, the standard side copies it.
std::vector<std::string> words() {
    std::vector<std::string> w;
    for (int i = 0; i < kStrings; ++i)
        w.push_back("a longer word number " + std::to_string(i));
    return w;
}

void DynArr_StringGrowth(benchmark::State &state) {
    std::vector<utString> source;
    for (const auto &w : words())
        source.emplace_back(w);
    for (auto _ : state) {
        utStringcoDynArr a(0, 1024);
        for (const utString &s : source)
            a.append(s);
        benchmark::DoNotOptimize(a.data());
    }
    state.SetItemsProcessed(state.iterations() * kStrings);
}
void DynArr_StringAppend_Reserved(benchmark::State &state) {
    std::vector<utString> source;
    for (const auto &w : words())
        source.emplace_back(w);
    for (auto _ : state) {
        utStringcoDynArr a;
        a.reserve(kStrings);
        for (const utString &s : source)
            a.append(s);
        benchmark::DoNotOptimize(a.data());
    }
    state.SetItemsProcessed(state.iterations() * kStrings);
}
void Vector_StringAppend_Reserved(benchmark::State &state) {
    const std::vector<std::string> source = words();
    for (auto _ : state) {
        std::vector<std::string> v;
        v.reserve(kStrings);
        for (const std::string &s : source)
            v.push_back(s);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * kStrings);
}
void Vector_StringGrowth(benchmark::State &state) {
    const std::vector<std::string> source = words();
    for (auto _ : state) {
        std::vector<std::string> v;
        for (const std::string &s : source)
            v.push_back(s);
        benchmark::DoNotOptimize(v.data());
    }
    state.SetItemsProcessed(state.iterations() * kStrings);
}
} // namespace

BENCHMARK(DynArr_Append_Step1024)->Unit(benchmark::kMillisecond);
BENCHMARK(DynArr_Append_StepAll)->Unit(benchmark::kMillisecond);
BENCHMARK(DynArr_Append_Reserved)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_PushBack)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_PushBack_Reserved)->Unit(benchmark::kMillisecond);
BENCHMARK(DynArr_IndexedRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(Vector_IndexedRead)->Unit(benchmark::kMicrosecond);
BENCHMARK(DynArr_Copy)->Unit(benchmark::kMicrosecond);
BENCHMARK(Vector_Copy)->Unit(benchmark::kMicrosecond);
BENCHMARK(DynArr_StringGrowth)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_StringGrowth)->Unit(benchmark::kMillisecond);
BENCHMARK(DynArr_StringAppend_Reserved)->Unit(benchmark::kMillisecond);
BENCHMARK(Vector_StringAppend_Reserved)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
