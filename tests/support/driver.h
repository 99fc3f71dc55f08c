// One differential driver per family group, fed two ways.
//
// A driver is a function void run(colib_test::Input &) that decodes its
// input into legal operations on colib containers and on an independent
// model of them, and stops at the first step after which the two disagree
// (MODEL_CHECK). The unit tests feed it a seeded pseudo-random stream
// (Input(seed, length)); the group's libFuzzer target, and the replay of its
// corpus, feed it the fuzz bytes (Input(data, size)). An exhausted input
// reads as zeros, so every prefix of an input is itself an input.
#pragma once

#include <colib/foundation/elem.h>
#include <colib/foundation/types.h>

#include "alloc_injector.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace colib_test {

class Input;
inline const Input *&current_input() {
    static const Input *in = nullptr;
    return in;
}

class Input {
public:
    // The fuzz bytes, read once through.
    Input(const uint8_t *data, size_t size) : p_(data), begin_(data), end_(data + size) {
        current_input() = this;
    }
    // length bytes of a fixed pseudo-random stream (splitmix64): the same
    // seed gives the same bytes on every platform.
    Input(uint64_t seed, size_t length) : own_(length), seed_(seed) {
        for (size_t i = 0; i < length; ++i) {
            seed += 0x9e3779b97f4a7c15ull;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
            own_[i] = static_cast<uint8_t>((z ^ (z >> 31)) >> 56);
        }
        p_ = begin_ = own_.data();
        end_ = begin_ + length;
        current_input() = this;
    }
    ~Input() {
        if (current_input() == this) current_input() = nullptr;
    }
    Input(const Input &) = delete;
    Input &operator=(const Input &) = delete;

    bool done() const { return p_ == end_; }
    uint8_t byte() { return p_ == end_ ? 0 : *p_++; }
    // A value in [0, n), n in [1, 65536].
    int below(int n) {
        unsigned v = n <= 256 ? byte() : static_cast<unsigned>(byte()) << 8 | byte();
        return static_cast<int>(v % static_cast<unsigned>(n));
    }
    // A value in [lo, hi].
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool flag() { return (byte() & 1) != 0; }
    // True about once in n reads.
    bool one_in(int n) { return below(n) == 0; }

    // A small signed int with the edges of the int range mixed in: many
    // equal and colliding values, and now and then the extremes.
    int small_int() {
        uint8_t b = byte();
        switch (b) {
        case 0:
            return INT32_MIN;
        case 1:
            return INT32_MAX;
        case 2:
            return INT32_MIN + 1;
        default:
            return static_cast<int>(b % 64) - 16;
        }
    }
    // Short words over a three-letter alphabet, so that equal words recur.
    std::string word() {
        uint8_t b = byte();
        int len = b % 4;
        int digits = b / 4;
        if (digits >= 40) { // 5 to 20 bytes, all starting "abcd", told apart past it
            int k = digits - 40;
            std::string s = "abcd" + std::string(std::size_t(1 + k % 16), 'e');
            s.back() = static_cast<char>('e' + k / 16 + len);
            return s;
        }
        std::string s;
        for (int i = 0; i < len; ++i) {
            s += static_cast<char>('a' + digits % 3);
            digits /= 3;
        }
        return s;
    }

    // Where the driver is, for the mismatch report.
    void where(FILE *f) const {
        if (own_.empty())
            std::fprintf(f, "at byte %zu of %zu fuzz bytes\n", size_t(p_ - begin_),
                         size_t(end_ - begin_));
        else
            std::fprintf(f, "at byte %zu of the stream of seed %llu\n", size_t(p_ - begin_),
                         static_cast<unsigned long long>(seed_));
    }

private:
    std::vector<uint8_t> own_;
    uint64_t seed_ = 0;
    const uint8_t *p_ = nullptr;
    const uint8_t *begin_ = nullptr;
    const uint8_t *end_ = nullptr;
};

// An element of each type the containers hold: few distinct values, so that
// equal ones recur; doubles include both zeros, texts now and then none.
template <class T> T draw(Input &in) {
    if constexpr (std::is_same_v<T, char>) return static_cast<char>('a' + in.below(4));
    if constexpr (std::is_same_v<T, int>) return in.small_int();
    if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(in.one_in(3) ? (in.flag() ? -0.0 : 0.0) : in.small_int() / 2.0);
    if constexpr (std::is_same_v<T, utAny>)
        return reinterpret_cast<utAny>(static_cast<std::uintptr_t>(in.below(8)) * 16);
    if constexpr (std::is_same_v<T, utString>)
        return in.one_in(5) ? utString() : utString(in.word().c_str());
}

[[noreturn]] inline void mismatch(const char *file, int line, const char *what) {
    std::fprintf(stderr, "%s:%d: container and model differ: %s\n", file, line, what);
    if (current_input()) current_input()->where(stderr);
    std::fflush(stderr);
    std::abort();
}

// Stops the run when cond is false; the message names the broken relation.
#define MODEL_CHECK(cond)                                                                          \
    do {                                                                                           \
        if (!(cond)) ::colib_test::mismatch(__FILE__, __LINE__, #cond);                            \
    } while (0)

// Equality that tells -0.0 from 0.0 and holds for a NaN and itself; two
// texts are the same when both are missing or both hold equal bytes.
template <class A> bool same(const A &a, const A &b) {
    if constexpr (std::is_arithmetic_v<A>)
        return std::memcmp(&a, &b, sizeof a) == 0;
    else if constexpr (std::is_same_v<A, utString>)
        return a.invalid() ? b.invalid() : !b.invalid() && a.compare(b) == 0;
    else
        return a == b;
}
template <class A, class B> bool same(const std::pair<A, B> &a, const std::pair<A, B> &b) {
    return same(a.first, b.first) && same(a.second, b.second);
}
template <class A> bool same(const std::vector<A> &a, const std::vector<A> &b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const A &x, const A &y) { return same(x, y); });
}

// Runs op, now and then (about once in odds) with one of its first `most`
// allocations failing. True when it ran to its end without a failure.
template <class Op> bool attempt(Input &in, Op op, int odds = 6, int most = 3) {
    if (!in.one_in(odds)) return op(), true;
    return !alloc_injector::fail_at(in.range(1, most), op);
}

// The unit tests' feed: `length` bytes of the stream of each seed 1 to n.
template <class Run> void run_seeds(Run run, int n, size_t length) {
    for (int seed = 1; seed <= n; ++seed) {
        Input in(static_cast<uint64_t>(seed), length);
        run(in);
    }
}
// The libFuzzer target of a group: its driver on the fuzz bytes.
#define COLIB_FUZZ_TARGET(run)                                                                     \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {                      \
        colib_test::Input in(data, size);                                                          \
        run(in);                                                                                   \
        return 0;                                                                                  \
    }

// The copy and move steps every container takes alike. A copy (now and then
// made with an allocation failing, which must leave nothing behind) holds
// what c holds, also after a become from itself where there is one; a move
// takes the contents and leaves its source empty; they come back by move
// assignment or by a move into c's own storage. holds(x, copy) checks that x
// holds what c held, emptied(x) that x is what a move leaves behind.
template <class C, class = void> struct has_become : std::false_type {};
template <class C>
struct has_become<C, std::void_t<decltype(std::declval<C &>().become(utCOPY, std::declval<C &>()))>>
    : std::true_type {};
template <class C, class Holds, class Emptied>
void copies_and_moves(Input &in, C &c, Holds holds, Emptied emptied) {
    std::unique_ptr<C> copy;
    if (attempt(in, [&] {
            if constexpr (std::is_constructible_v<C, utCopy, const C &>)
                copy.reset(new C(utCOPY, c));
            else
                copy.reset(new C(c));
        })) {
        if constexpr (has_become<C>::value) copy->become(utCOPY, *copy);
        holds(*copy, true);
    }
    C moved(std::move(c));
    holds(moved, false), emptied(c);
    if (in.flag())
        c = std::move(moved);
    else
        c.~C(), new (&c) C(std::move(moved));
    emptied(moved);
}

// Whether a check whose cost grows with the container runs after this step:
// always while the container is small (cost at most `small`), else after
// every eighth step and after the last. It reads no input, so a seeded
// stream stays the same whatever the schedule.
inline bool walk_now(int cost, int small, int step, bool last) {
    return cost <= small || step % 8 == 0 || last;
}

// Runs a driver's session; nothing it allocated may be left afterwards.
template <class Run> void leak_free(Run run) {
    const long live = alloc_injector::live();
    run();
    MODEL_CHECK(alloc_injector::live() == live);
}
// A group's session: runs of its members one after another, the input
// choosing each.
template <std::size_t N> void run_members(Input &in, void (*const (&runs)[N])(Input &)) {
    leak_free([&] {
        while (!in.done())
            runs[in.below(static_cast<int>(N))](in);
    });
}

// The heap bytes a container reports are exactly those it gives back when
// its contents go (moved out of it, which keeps what it says it still holds).
template <class C> void gives_back(C &c) {
    const long before = alloc_injector::live_bytes(), held = long(c.memory_bytes());
    { C gone(std::move(c)); }
    MODEL_CHECK(before - alloc_injector::live_bytes() == held - long(c.memory_bytes()));
}

// What a container prints; one element as the containers print it (an
// unknown one as an empty line); the common printout: a header line, "size
// n" (unless n < 0), one line per element (an empty one not indented) and
// the closing brace.
template <class C> std::string printed(const C &c) {
    std::ostringstream os;
    os << c;
    return os.str();
}
template <class T> std::string text(const T &x) {
    std::ostringstream os;
    {
        utOstream u(os, 0, 2);
        coElem<T>::print(u, x);
    }
    return os.str();
}
inline std::string text(const std::string &line) {
    return line;
}
template <class T> std::string text(const std::optional<T> &x) {
    return x ? text(*x) : "";
}
template <class K, class V> std::string text(const std::pair<K, V> &entry) { // a table's
    return "key: " + text(entry.first) + "  item: " + text(entry.second);
}
template <class R> std::string printout(const std::string &head, int n, const R &elems) {
    std::string s = head + "\n" + (n < 0 ? "" : "  size " + std::to_string(n) + "\n");
    for (const auto &x : elems) {
        const std::string l = text(x);
        s += (l.empty() ? "" : "  ") + l + "\n";
    }
    return s + "}\n";
}

// The text forms of the whole numbers, [+-]?[0-9]+, and of double,
// [+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?, for the models of the
// text conversions.
inline size_t digits_from(const std::string &t, size_t i) {
    while (i < t.size() && t[i] >= '0' && t[i] <= '9')
        ++i;
    return i;
}
inline size_t sign_at(const std::string &t, size_t i) {
    return i < t.size() && (t[i] == '+' || t[i] == '-') ? i + 1 : i;
}
inline bool whole_text(const std::string &t) {
    size_t i = sign_at(t, 0), j = digits_from(t, i);
    return j > i && j == t.size();
}
inline bool real_text(const std::string &t) {
    size_t i = sign_at(t, 0), j = digits_from(t, i), mantissa = j - i;
    if (j < t.size() && t[j] == '.') {
        size_t k = digits_from(t, j + 1);
        mantissa += k - j - 1;
        j = k;
    }
    if (mantissa == 0) return false;
    if (j < t.size() && (t[j] == 'e' || t[j] == 'E')) {
        size_t k = sign_at(t, j + 1), e = digits_from(t, k);
        if (e == k) return false;
        j = e;
    }
    return j == t.size();
}

} // namespace colib_test
