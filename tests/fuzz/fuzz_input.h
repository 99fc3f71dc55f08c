// Shared pieces of the differential fuzz targets: a byte reader that never
// runs dry (an exhausted input reads as zeros, so every prefix of an input
// is itself a valid input) and the check that stops a run on the first
// difference between a container and its model.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace colib_fuzz {

[[noreturn]] inline void mismatch(const char *file, int line, const char *what) {
    std::fprintf(stderr, "%s:%d: container and model differ: %s\n", file, line, what);
    std::abort();
}

// Stops the run when cond is false; the message names the broken relation.
#define FUZZ_CHECK(cond)                                                                           \
    do {                                                                                           \
        if (!(cond)) ::colib_fuzz::mismatch(__FILE__, __LINE__, #cond);                            \
    } while (0)

class Reader {
public:
    Reader(const uint8_t *data, size_t size) : p_(data), end_(data + size) {}

    bool done() const { return p_ == end_; }
    uint8_t byte() { return p_ == end_ ? 0 : *p_++; }
    // A value in [0, n).
    int below(int n) { return static_cast<int>(byte()) % n; }
    // A value in [lo, hi].
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool flag() { return (byte() & 1) != 0; }

    // A small signed int with the edges of the int range mixed in: many
    // equal and colliding keys, and now and then the extremes.
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
        std::string s;
        for (int i = 0; i < len; ++i) {
            s += static_cast<char>('a' + digits % 3);
            digits /= 3;
        }
        return s;
    }

private:
    const uint8_t *p_;
    const uint8_t *end_;
};

// The hash the sets keep for text: XOR of the little-endian 32-bit words,
// the last one padded with zero bytes.
inline unsigned byte_hash(const std::string &s) {
    unsigned h = 0;
    for (size_t i = 0; i < s.size(); ++i)
        h ^= static_cast<unsigned>(static_cast<unsigned char>(s[i])) << (8 * (i % 4));
    return h;
}

} // namespace colib_fuzz
