// intcoHashedArr against absl::flat_hash_map<int, int> and
// std::unordered_map<int, int>: 1M writes at distinct random indexes over
// the whole int range, then 1M reads of written indexes (hits) and 1M of
// unwritten ones (misses). intcoHashedArr2D against
// absl::flat_hash_map<std::pair<int, int>, int>: 1M writes and 1M reads at
// random pairs. Sizes 1K, 1,048,000 and 2^20. Memory per stored element is
// reported as counters: bytes_per_elem, the heap bytes the container holds
// (malloc's usable sizes), and malloc_per_elem, what mallinfo2 says the
// allocator hands out for it (arena and mmapped chunks, headers included).
// HandLayout and HandLayout2D read the same layouts through a hand-written
// loop.
#include "bench_common.h"

#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_arr2d.h>

#include <absl/container/flat_hash_map.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <random>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

using colib_bench::hand_home;
using colib_bench::hand_tag;
using colib_bench::live_heap_bytes;
using colib_bench::malloc_in_use;

// 2^20 elements: the key set has just doubled to 2^22 slots (load 1/4).
// Runs marked /1048000 stop just under that doubling (2^21 slots, load
// close to 1/2), the other end of the key set's memory and probe lengths.
constexpr int N = 1 << 20;

// N distinct written indexes and N distinct unwritten ones, over the whole
// int range (never -1).
struct Keys {
    std::vector<int> present, absent;
    std::vector<std::pair<int, int>> pairs;
};
const Keys &keys() {
    static Keys k = [] {
        std::mt19937 rng(7);
        std::unordered_set<int> seen;
        Keys r;
        while (static_cast<int>(r.present.size()) < N) {
            int v = static_cast<int>(rng());
            if (v != -1 && seen.insert(v).second) r.present.push_back(v);
        }
        while (static_cast<int>(r.absent.size()) < N) {
            int v = static_cast<int>(rng());
            if (v != -1 && seen.insert(v).second) r.absent.push_back(v);
        }
        // Pairs from a 1M x 1M grid, repeats allowed (a rewrite then).
        for (int i = 0; i < N; ++i)
            r.pairs.emplace_back(static_cast<int>(rng() % 1000000),
                                 static_cast<int>(rng() % 1000000));
        return r;
    }();
    return k;
}

struct Colib {
    intcoHashedArr a;
    void write(int k, int v) { a[k] = v; }
    int read(int k) const { return a.read(k); }
};
template <class M> struct Map {
    M m;
    void write(int k, int v) { m[k] = v; }
    int read(int k) const {
        auto it = m.find(k);
        return it == m.end() ? 0 : it->second;
    }
};
using Absl = Map<absl::flat_hash_map<int, int>>;
using Std = Map<std::unordered_map<int, int>>;

// The hashed arrays' layout written by hand, the floor of any read over
// it: a tag byte and a 16-byte key (the index or pair of indexes, the
// element's address) per slot, at most half full and doubled there from 16
// slots, homes by the same Fibonacci formula over the same hash (an index
// as itself, a pair as the first index rotated by 16 bits XOR the second)
// and the same tags, probes one slot down, the elements appended to
// 256-element blocks. Its lookup is the plainest loop over the tags; it
// keeps none of the arrays' other promises.
inline unsigned hand_hash(int k) {
    return static_cast<unsigned>(k);
}
inline unsigned hand_hash(std::pair<int, int> p) {
    const auto i = static_cast<unsigned>(p.first);
    return (i >> 16) ^ (i << 16) ^ static_cast<unsigned>(p.second);
}
template <class Index> class HandLayoutT {
public:
    int read(Index k) const {
        const Key *key = find(k);
        return key ? *key->object : 0;
    }
    void write(Index k, int v) {
        if (const Key *key = find(k)) {
            *key->object = v;
            return;
        }
        if (used_ == kBlock) {
            blocks_.push_back(std::make_unique<int[]>(kBlock));
            used_ = 0;
        }
        int *object = &blocks_.back()[used_++];
        *object = v;
        place(Key{k, object});
        if (2 * ++count_ >= static_cast<int>(slots_.size())) grow();
    }

private:
    struct Key {
        Index index;
        int *object;
    };
    static constexpr int kBlock = 256;
    static constexpr std::uint8_t kEmpty = 0x80;
    const Key *find(Index k) const {
        const unsigned mask = (1u << bits_) - 1;
        const unsigned h = hand_hash(k);
        const std::uint8_t t = hand_tag(h);
        for (unsigned i = hand_home(h, bits_);; i = (i - 1) & mask) {
            if (tags_[i] == kEmpty) return nullptr;
            if (tags_[i] == t && slots_[i].index == k) return &slots_[i];
        }
    }
    void place(Key key) {
        const unsigned mask = (1u << bits_) - 1;
        const unsigned h = hand_hash(key.index);
        unsigned i = hand_home(h, bits_);
        while (tags_[i] != kEmpty)
            i = (i - 1) & mask;
        tags_[i] = hand_tag(h);
        slots_[i] = key;
    }
    void grow() {
        std::vector<std::uint8_t> tags(std::size_t{2} << bits_, kEmpty);
        std::vector<Key> slots(std::size_t{2} << bits_);
        tags.swap(tags_);
        slots.swap(slots_);
        ++bits_;
        for (std::size_t i = 0; i < tags.size(); ++i)
            if (tags[i] != kEmpty) place(slots[i]);
    }

    int bits_ = 4, count_ = 0, used_ = kBlock;
    std::vector<std::uint8_t> tags_ = std::vector<std::uint8_t>(16, kEmpty);
    std::vector<Key> slots_ = std::vector<Key>(16);
    std::vector<std::unique_ptr<int[]>> blocks_;
};
using HandLayout = HandLayoutT<int>;
using HandLayout2D = HandLayoutT<std::pair<int, int>>;

// Writes the first n keys of `written` (indexes or pairs) into a fresh
// array. The heap it then holds is counted once, before the timed loop:
// mallinfo2 walks the allocator's free lists and would be timed with it.
template <class A, class K> void write_all(benchmark::State &state, const std::vector<K> &written) {
    const int n = static_cast<int>(state.range(0));
    auto fill = [&](A &a) {
        for (int i = 0; i < n; ++i)
            a.write(written[i], i);
    };
    {
        const long long before = live_heap_bytes();
        const std::size_t in_use = malloc_in_use();
        A a;
        fill(a);
        state.counters["bytes_per_elem"] = static_cast<double>(live_heap_bytes() - before) / n;
        state.counters["malloc_per_elem"] = static_cast<double>(malloc_in_use() - in_use) / n;
    }
    for (auto _ : state) {
        A a;
        fill(a);
        benchmark::DoNotOptimize(a);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
// Reads the first n keys of `probe` from an array holding the first n of
// `written`.
template <class A, class K>
void read_all(benchmark::State &state, const std::vector<K> &written, const std::vector<K> &probe) {
    int n = static_cast<int>(state.range(0));
    A a;
    for (int i = 0; i < n; ++i)
        a.write(written[i], i + 1);
    for (auto _ : state) {
        long long sum = 0;
        for (int i = 0; i < n; ++i)
            sum += a.read(probe[i]);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
template <class A> void BM_Write(benchmark::State &state) {
    write_all<A>(state, keys().present);
}
template <class A> void BM_ReadHit(benchmark::State &state) {
    read_all<A>(state, keys().present, keys().present);
}
template <class A> void BM_ReadMiss(benchmark::State &state) {
    read_all<A>(state, keys().present, keys().absent);
}

struct Colib2D {
    intcoHashedArr2D a;
    void write(std::pair<int, int> p, int v) { a[p.first][p.second] = v; }
    int read(std::pair<int, int> p) const { return a.read(p.first, p.second); }
};
struct Absl2D {
    absl::flat_hash_map<std::pair<int, int>, int> m;
    void write(std::pair<int, int> p, int v) { m[p] = v; }
    int read(std::pair<int, int> p) const {
        auto it = m.find(p);
        return it == m.end() ? 0 : it->second;
    }
};

template <class A> void BM_Write2D(benchmark::State &state) {
    write_all<A>(state, keys().pairs);
}
template <class A> void BM_Read2D(benchmark::State &state) {
    read_all<A>(state, keys().pairs, keys().pairs);
}

#define ONE(BM, A) BENCHMARK_TEMPLATE(BM, A)->Unit(benchmark::kMicrosecond)
#define SIZES(BM, A) ONE(BM, A)->Arg(1 << 10)->Arg(1048000)->Arg(N)
SIZES(BM_Write, Colib);
SIZES(BM_Write, Absl);
SIZES(BM_Write, Std);
SIZES(BM_ReadHit, Colib);
SIZES(BM_ReadHit, Absl);
SIZES(BM_ReadHit, Std);
SIZES(BM_ReadHit, HandLayout);
SIZES(BM_ReadMiss, Colib);
SIZES(BM_ReadMiss, Absl);
SIZES(BM_ReadMiss, Std);
SIZES(BM_ReadMiss, HandLayout);
SIZES(BM_Write2D, Colib2D);
SIZES(BM_Write2D, Absl2D);
SIZES(BM_Read2D, Colib2D);
SIZES(BM_Read2D, Absl2D);
SIZES(BM_Read2D, HandLayout2D);

} // namespace

BENCHMARK_MAIN();
