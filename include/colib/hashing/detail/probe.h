// The open-addressing algorithm, written once over a "table" policy so that
// the untyped engine (coHash, every step a virtual call) and the typed sets
// (element operations inlined) run exactly the same steps and reach exactly
// the same slot layout.
//
// A policy P offers:
//   int bits() const                      B: the table has 2^B slots
//   unsigned hash(const Key &) const      hash of a probe key
//   unsigned hash_at(int i) const         hash of the element in slot i
//   bool is_nil(int i) const              slot i is empty
//   bool equal(const Key &, int i) const  the key equals the element in slot i
//   void move(int from, int to)           copy slot `from` over slot `to`
//
// Home slot of hash h (Fibonacci hashing):
//   ((h * 2654435769) mod 2^32) >> (32 - B), masked to B bits.
// A probe looks at the home slot, then one slot lower each step, wrapping
// from 0 to 2^B - 1, until it meets the key or an empty slot.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace colib_detail {

inline constexpr std::uint32_t fibonacci_multiplier = 2654435769u;

inline int hash_home(unsigned h, int bits) noexcept {
    std::uint32_t product = static_cast<std::uint32_t>(h) * fibonacci_multiplier;
    // A 64-bit shift keeps B = 0 (one slot) defined. The top B bits of a
    // 32-bit product are already below 2^B: no mask.
    std::uint64_t top = static_cast<std::uint64_t>(product) >> (32 - bits);
    return static_cast<int>(top);
}

inline int one_less(int i, int bits) noexcept {
    return (i - 1) & ((1 << bits) - 1);
}

// XOR of the little-endian 32-bit words of n bytes, the last partial word
// padded with zero bytes. With FindNul, zero becomes nonzero when a byte is
// NUL (a SWAR test on each word while it is hashed).
template <bool FindNul>
inline std::uint32_t xor_words(const unsigned char *b, std::size_t n,
                               std::uint32_t &zero) noexcept {
    std::uint32_t h = 0;
    std::size_t i = 0;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    for (; i + 4 <= n; i += 4) {
        std::uint32_t w;
        std::memcpy(&w, b + i, 4);
        h ^= w;
        if constexpr (FindNul) zero |= (w - 0x01010101u) & ~w & 0x80808080u;
    }
#endif
    for (; i < n; ++i) {
        h ^= static_cast<std::uint32_t>(b[i]) << (8 * (i % 4));
        if constexpr (FindNul) zero |= b[i] == 0;
    }
    return h;
}

// The hash of n bytes (xor_words); 0 for n <= 0.
inline unsigned byte_hash(const void *p, int n) noexcept {
    std::uint32_t unused = 0;
    return n <= 0 ? 0
                  : xor_words<false>(static_cast<const unsigned char *>(p), std::size_t(n), unused);
}

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
inline std::uint32_t load4(const char *p) noexcept {
    std::uint32_t w;
    std::memcpy(&w, p, 4);
    return w;
}
inline std::uint64_t load8(const char *p) noexcept {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    return w;
}
// Nonzero when a byte of w is NUL.
inline std::uint32_t has_nul(std::uint32_t w) noexcept {
    return (w - 0x01010101u) & ~w & 0x80808080u;
}
#endif

// byte_hash of the text in t up to its first NUL byte, t cut there: one
// pass over the bytes when there is no NUL (the usual case). Texts of up
// to eight bytes (most words) take a few loads and no loop: the bytes past
// the last whole word are read as the last four bytes of the text, shifted
// down to their place, and three bytes or fewer as first, middle and last.
inline unsigned text_hash_cut(std::string_view &t) noexcept {
    std::uint32_t zero = 0;
    std::uint32_t h;
    const std::size_t n = t.size();
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    const char *p = t.data();
    if (n - 1 < 8) {
        if (n >= 4) {
            std::uint32_t a = load4(p), b = load4(p + n - 4);
            h = a ^ static_cast<std::uint32_t>(std::uint64_t(b) >> (8 * (8 - n)));
            zero = has_nul(a) | has_nul(b);
        } else {
            auto first = static_cast<unsigned char>(p[0]);
            auto middle = static_cast<unsigned char>(p[n >> 1]);
            auto last = static_cast<unsigned char>(p[n - 1]);
            h = first | std::uint32_t(middle) << (8 * (n >> 1)) |
                std::uint32_t(last) << (8 * (n - 1));
            zero = first == 0 || middle == 0 || last == 0;
        }
    } else
#endif
        h = xor_words<true>(reinterpret_cast<const unsigned char *>(t.data()), n, zero);
    if (!zero) return h;
    t = t.substr(0,
                 static_cast<std::size_t>(
                     static_cast<const char *>(std::memchr(t.data(), '\0', t.size())) - t.data()));
    return byte_hash(t.data(), static_cast<int>(t.size()));
}

// Bytes 4..n-1 of two texts of n > 4 bytes are equal (their first four
// are compared elsewhere). Up to 16 bytes take one or two loads that end at
// the last byte and may reach back over bytes already compared.
inline bool same_past_head(const char *a, const char *b, std::size_t n) noexcept {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    if (n <= 8) return load4(a + n - 4) == load4(b + n - 4);
    if (n <= 12) return load8(a + n - 8) == load8(b + n - 8);
    if (n <= 16) return load8(a + 4) == load8(b + 4) && load8(a + n - 8) == load8(b + n - 8);
#endif
    return std::memcmp(a + 4, b + 4, n - 4) == 0;
}

inline unsigned word_hash(std::uint64_t v) noexcept {
    return static_cast<unsigned>(v) ^ static_cast<unsigned>(v >> 32);
}

// Index of the slot holding the element equal to key, or of the empty slot
// where the probe for key ends. The policy keeps at least one slot empty.
template <class P, class Key> int probe(const P &t, const Key &key) {
    int bits = t.bits();
    int i = hash_home(t.hash(key), bits);
    while (!t.is_nil(i) && !t.equal(key, i))
        i = one_less(i, bits);
    return i;
}

// The probe of a table of ints compared by value, with `nil` marking empty
// slots: the same slots in the same order as probe(). Past the first slot
// the probe runs downward through contiguous slots, so while i >= 3 one
// 16-byte load compares slots i-3..i with the key and with nil at once, and
// the highest matching lane is the first slot the plain probe would stop
// at. Below slot 3 it steps one slot at a time until it wraps to the top.
// In a sparse table (`dense` false) the home slot is tested alone first: it
// settles most lookups there, and the lone compare is cheaper than a group;
// in a dense one the branch on the home slot would be a coin toss, so the
// first group starts at the home slot.
inline int probe_int(const int *s, int bits, int key, int nil, bool dense) noexcept {
    int i = hash_home(static_cast<unsigned>(key), bits);
#if defined(__SSE2__)
    if (!dense) {
        if (s[i] == key || s[i] == nil) return i;
        i = one_less(i, bits);
    }
    const __m128i k = _mm_set1_epi32(key);
    const __m128i z = _mm_set1_epi32(nil);
    for (;;) {
        while (i >= 3) {
            __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i - 3));
            __m128i hit = _mm_or_si128(_mm_cmpeq_epi32(v, k), _mm_cmpeq_epi32(v, z));
            unsigned m = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(hit)));
            if (m) return i - 3 + (31 - __builtin_clz(m));
            i -= 4;
        }
        for (; i >= 0; --i)
            if (s[i] == key || s[i] == nil) return i;
        i = (1 << bits) - 1;
    }
#else
    (void)dense;
    while (s[i] != key && s[i] != nil)
        i = one_less(i, bits);
    return i;
#endif
}

// Tags: the sets whose slots are large or hold strings keep one byte per
// slot beside the slots, 0x80 for an empty slot, else seven bits of the
// element's hash (taken by a 64-bit multiply, so they do not repeat the
// bits that chose the home slot). A probe compares tags first: a slot is
// looked at only when its tag matches, and a miss ends at an empty tag
// without reading any slot.
inline constexpr std::uint8_t tag_empty = 0x80;
template <class T>
inline constexpr bool tagged_slots_v = sizeof(T) > 8 || !std::is_trivially_copyable<T>::value;
inline std::uint8_t hash_tag(unsigned h) noexcept {
    return static_cast<std::uint8_t>((static_cast<std::uint64_t>(h) * 0x9E3779B97F4A7C15ull) >> 57);
}

// probe() over a tagged table: the same slots in the same order, the key's
// hash h given; the policy also offers prefetch(i), a hint that slot i is
// about to be read (always inlined: g++ takes a call of a function around
// __builtin_prefetch for a call without effect and drops it).
//
// The probe runs downward through contiguous slots, so while i >= 15 one
// 16-byte load covers the tags of slots i-15..i: lanes above the highest
// empty one are the slots the plain probe visits before it stops, highest
// first. A match in the home slot is taken first, on its own (most hits
// end there). In a sparse table (`dense` false) so is an empty home slot
// (most misses end there); in a dense one that branch would be a coin
// toss, so the first group starts at the home slot. With Find (a lookup,
// which has no use for the empty slot) a probe that ends on an empty slot
// answers -1, and a match in the slot below the home slot is also taken on
// its own, before the group: most of the other hits end there, and the
// lone compare costs a lookup less than a group with its lane arithmetic.
// (The key stands in that slot only if the home slot is occupied, so the
// test needs no look at the home slot's tag.)
template <bool Find, class P, class Key>
[[gnu::always_inline]] inline int probe_tagged(const P &t, const std::uint8_t *tags, const Key &key,
                                               unsigned h, bool dense) {
    constexpr auto ends = [](int i) { return Find ? -1 : i; };
    int bits = t.bits();
    int i = hash_home(h, bits);
    // A typed set has at most 2^30 slots: a home slot is never negative,
    // so a lookup's caller need not test a home match for -1.
    if (i < 0) __builtin_unreachable();
    const std::uint8_t tag = hash_tag(h);
    // An insertion fetches the home slot's line while its tag is compared:
    // it will most often write there. A lookup does not: the fetch slows
    // misses, which mostly end on the tags, more than it speeds hits.
    if constexpr (!Find) t.prefetch(i);
    const std::uint8_t g = tags[i];
    if (g == tag && t.equal(key, i)) return i;
    // The sparse table's empty-home test is written in both branches: the
    // one form shared (below computed first, the lookup's test after it)
    // made g++ lay out the caller's read loop worse, 5 to 30 % slower.
    if constexpr (Find) {
        const int below = one_less(i, bits);
        if (!dense) {
            if (g == tag_empty) return -1;
            i = below;
        }
        if (tags[below] == tag && t.equal(key, below)) return below;
    } else if (!dense) {
        if (g == tag_empty) return ends(i);
        i = one_less(i, bits);
    }
#if defined(__SSE2__)
    const __m128i want = _mm_set1_epi8(static_cast<char>(tag));
    for (;;) {
        while (i >= 15) {
            __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(tags + i - 15));
            unsigned empty = static_cast<unsigned>(_mm_movemask_epi8(v));
            unsigned match = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(v, want)));
            int stop = empty ? 31 - __builtin_clz(empty) : -1;
            if (stop >= 0) match &= ~((2u << stop) - 1u);
            while (match) {
                int lane = 31 - __builtin_clz(match);
                if (t.equal(key, i - 15 + lane)) return i - 15 + lane;
                match &= ~(1u << lane);
            }
            if (stop >= 0) return ends(i - 15 + stop);
            i -= 16;
        }
        for (; i >= 0; --i) {
            if (tags[i] == tag_empty) return ends(i);
            if (tags[i] == tag && t.equal(key, i)) return i;
        }
        i = (1 << bits) - 1;
    }
#else
    while (tags[i] != tag_empty && !(tags[i] == tag && t.equal(key, i)))
        i = one_less(i, bits);
    return tags[i] == tag_empty ? ends(i) : i;
#endif
}

// A rebuild visits the old table in slot order. These give the occupied
// slots among the 16 from slot i as the bits of a mask (bit k: slot i + k),
// so that the scan branches once per occupied slot rather than once per
// slot on a coin toss: from the tags, or for int slots by comparing them
// with nil. Without SSE2, slot by slot.
template <class Occupied> unsigned mask16(Occupied occupied) noexcept {
    unsigned m = 0;
    for (int k = 0; k < 16; ++k)
        m |= unsigned(occupied(k)) << k;
    return m;
}
inline unsigned occupied16(const std::uint8_t *tags, int i) noexcept {
#if defined(__SSE2__)
    __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(tags + i));
    return ~static_cast<unsigned>(_mm_movemask_epi8(v)) & 0xFFFFu;
#else
    return mask16([&](int k) { return tags[i + k] != tag_empty; });
#endif
}
inline unsigned occupied16(const int *s, int i, int nil) noexcept {
#if defined(__SSE2__)
    const __m128i z = _mm_set1_epi32(nil);
    unsigned m = 0;
    for (int k = 0; k < 4; ++k) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + i + 4 * k));
        m |= static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(v, z))))
             << (4 * k);
    }
    return ~m & 0xFFFFu;
#else
    return mask16([&](int k) { return s[i + k] != nil; });
#endif
}

// Empties slot `hole` without leaving a marker: later members of its probe
// chain move back so that each stays reachable from its home slot. Ends by
// copying the empty slot that closes the chain over the last hole.
//
// The element at j stays when, walking upward from j, its home k comes
// before the hole: j <= k < hole, or hole < j <= k, or k < hole < j.
template <class P> void erase_at(P &t, int hole) {
    int bits = t.bits();
    int j = one_less(hole, bits);
    while (!t.is_nil(j)) {
        int k = hash_home(t.hash_at(j), bits);
        bool stays = (j <= k && k < hole) || (hole < j && j <= k) || (k < hole && hole < j);
        if (!stays) {
            t.move(j, hole);
            hole = j;
        }
        j = one_less(j, bits);
    }
    t.move(j, hole);
}

} // namespace colib_detail
