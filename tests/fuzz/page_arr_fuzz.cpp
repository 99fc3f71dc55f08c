// Paged arrays against a model of their blocks.
//
// The first bytes choose two geometries (block shift 0 to 3, now and then
// the default 8; block-table capacity 0 to 3 and step 1 to 3). The model
// keeps every slot of every block, the size, the block count and the block
// table's capacity, so growth, clear and shrink with and without release,
// repaginate, reverse and the overlapping self-copy are compared exactly.
// A slot of a fresh block holds an unknown int (not compared) or a string
// without text (compared).
#include "fuzz_input.h"
#include "slot_kinds.h"

#include <colib/paged/page_arr.h>

#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

using colib_fuzz::IntKind;
using colib_fuzz::Reader;
using colib_fuzz::StringKind;

namespace {

template <class K> struct Model {
    using M = typename K::M;
    int shift = 8;
    std::vector<M> slots; // block_count << shift
    int blocks = 0;
    int size = 0;
    int table_cap = 0, table_step = 10;

    int bs() const { return 1 << shift; }

    // The block table is a dynamic array: growth by whole steps past the
    // index that must exist.
    void table_resize(int n) {
        int d = n - table_cap;
        table_cap += (d - d % table_step) + table_step;
    }
    void table_reserve(int n) {
        if (n > table_cap) table_resize(n - 1);
    }
    void get_block(int b) {
        table_reserve(b);
        while (blocks <= b) {
            if (blocks >= table_cap) table_resize(blocks);
            ++blocks;
            slots.resize(static_cast<size_t>(blocks) << shift);
        }
    }
    void grow_index(int i) {
        if (i >= size) {
            get_block(i >> shift);
            size = i + 1;
        }
    }
    M &at(int i) { return slots[static_cast<size_t>(i)]; }

    void clear(bool release) {
        size = 0;
        if (release) {
            blocks = 0;
            slots.clear();
            table_cap = 0;
        }
    }
    void shrink(int n, bool release) {
        if (release) {
            int keep = (n + bs() - 1) >> shift;
            if (blocks > keep) blocks = keep;
            slots.resize(static_cast<size_t>(blocks) << shift);
            if (blocks == 0)
                table_cap = 0;
            else if (blocks < table_cap)
                table_cap = blocks;
        }
        if (n < size) size = n;
    }
    int repaginate() {
        if (size >= bs()) return 0;
        int before = bs() * blocks;
        if (size == 0) {
            clear(true);
            return before;
        }
        int s = shift;
        while (s > 0 && (1 << (s - 1)) >= size)
            --s;
        if (s == shift) {
            shrink(size, true);
            return before - (1 << s);
        }
        std::vector<M> keep(slots.begin(), slots.begin() + size);
        int n = size;
        clear(true);
        shift = s;
        get_block((n - 1) >> shift);
        size = n;
        for (int i = 0; i < n; ++i)
            at(i) = keep[static_cast<size_t>(i)];
        return before - (1 << s);
    }
};

template <class A, class K> void check(const A &a, const Model<K> &m) {
    FUZZ_CHECK(a.size() == m.size);
    FUZZ_CHECK(a.block_shift() == m.shift && a.block_size() == m.bs());
    FUZZ_CHECK(a.block_count() == m.blocks);
    FUZZ_CHECK(a.block_table().size() == m.blocks);
    FUZZ_CHECK(a.block_table().capacity() == m.table_cap);
    FUZZ_CHECK(a.current_block_index() < m.blocks);
    // Every slot of every block, in use or not.
    for (int b = 0; b < m.blocks; ++b)
        for (int k = 0; k < m.bs(); ++k)
            FUZZ_CHECK(
                K::same(m.slots[(static_cast<size_t>(b) << m.shift) + static_cast<size_t>(k)],
                        a.block(b)[k]));
    int n = 0;
    for (const auto &x : a)
        FUZZ_CHECK(n < m.size && K::same(m.slots[static_cast<size_t>(n++)], x));
    FUZZ_CHECK(n == m.size);
}

template <class A, class It, class K> struct Case {
    using T = typename K::T;
    // Made in place: assigning a fresh array would go through become, which
    // sizes the block table its own way.
    std::unique_ptr<A> p[2];
    A *a[2];
    Model<K> m[2];

    explicit Case(Reader &in) {
        for (int i = 0; i < 2; ++i) {
            int shift = in.below(8) == 0 ? 8 : in.below(4);
            int cap = in.below(4), step = in.range(1, 3);
            p[i] = std::make_unique<A>(shift, cap, step);
            a[i] = p[i].get();
            m[i].shift = shift;
            m[i].table_cap = cap;
            m[i].table_step = step;
        }
    }

    int index(Reader &in, const Model<K> &mx) { return in.below(mx.size + 3 * mx.bs() + 2); }

    void step(Reader &in) {
        int i = in.below(2), j = 1 - i;
        A &x = *a[i];
        Model<K> &mx = m[i];
        switch (in.below(14)) {
        case 0: { // a run of appends
            int n = in.range(1, 10);
            for (int k = 0; k < n; ++k) {
                T v = K::make(in);
                x.append(v);
                mx.grow_index(mx.size);
                mx.at(mx.size - 1) = K::model(v);
            }
            break;
        }
        case 1:
        case 2: { // the growing subscript, and enter within the size
            int at = index(in, mx);
            T v = K::make(in);
            if (at < mx.size && in.flag()) {
                x.enter(at, v);
            } else {
                x[at] = v;
                mx.grow_index(at);
            }
            mx.at(at) = K::model(v);
            break;
        }
        case 3: { // expand and reserve; 0 makes nothing
            int n = in.flag() ? 0 : index(in, mx);
            if (in.flag()) {
                FUZZ_CHECK(x.expand(n) == 1);
                if (n != 0) {
                    mx.get_block((n - 1) >> mx.shift);
                    if (mx.size < n) mx.size = n;
                }
            } else {
                FUZZ_CHECK(x.reserve(n) == 1);
                if (n != 0) mx.get_block((n - 1) >> mx.shift);
            }
            break;
        }
        case 4: {
            bool release = in.flag();
            x.clear(release ? 1 : 0);
            mx.clear(release);
            break;
        }
        case 5: {
            int n = in.below(mx.size + mx.bs() + 2);
            bool release = in.flag();
            x.shrink(n, release ? 1 : 0);
            mx.shrink(n, release);
            break;
        }
        case 6:
            FUZZ_CHECK(x.repaginate() == mx.repaginate());
            break;
        case 7:
            x.reverse();
            for (int k = 0; k < mx.size / 2; ++k)
                std::swap(mx.at(k), mx.at(mx.size - 1 - k));
            break;
        case 8: { // copy from the other array or from itself, overlaps included
            bool self = in.flag();
            A &src = self ? x : *a[j];
            Model<K> ms = self ? mx : m[j];
            int from = in.below(ms.size + 1);
            // From the start n may ask for more than there is; from further on
            // the elements read must exist.
            int n = from == 0 ? in.below(ms.size + 4) : in.below(ms.size - from + 1);
            int to = index(in, mx);
            x.copy(src, n, to, from);
            // The copy's growth follows its direction: backwards grows to the
            // last index at once.
            bool backwards = self && from < to && from + std::min(n, ms.size) > to;
            if (backwards) {
                for (int k = std::min(n, ms.size) - 1; k >= 0; --k) {
                    mx.grow_index(to + k);
                    mx.at(to + k) = ms.at(from + k);
                }
            } else {
                for (int k = 0; k < std::min(n, ms.size); ++k) {
                    mx.grow_index(to + k);
                    mx.at(to + k) = ms.at(from + k);
                }
            }
            break;
        }
        case 9: { // copyin from a plain buffer, copyout back
            std::vector<T> buf(static_cast<size_t>(in.range(0, 12)));
            for (auto &v : buf)
                v = K::make(in);
            int from = in.below(static_cast<int>(buf.size()) + 1);
            int n = static_cast<int>(buf.size()) - from;
            int to = index(in, mx);
            x.copyin(buf.data(), n, to, from);
            int end = to + n;
            if (end != 0) mx.get_block((end - 1) >> mx.shift);
            if (mx.size < end) mx.size = end;
            for (int k = 0; k < n; ++k)
                mx.at(to + k) = K::model(buf[static_cast<size_t>(from + k)]);
            if (mx.size > 0) {
                int f = in.below(mx.size);
                int c = in.below(mx.size - f + 1);
                std::vector<T> out(static_cast<size_t>(c + 2));
                x.copyout(out.data(), c, f, 1);
                for (int k = 0; k < c; ++k)
                    FUZZ_CHECK(K::same(mx.at(f + k), out[static_cast<size_t>(k + 1)]));
            }
            break;
        }
        case 10: { // become: a fresh table reserved for the source's blocks
            if (in.flag()) {
                x.become(utCOPY, x);
                break;
            }
            Model<K> ms = m[j];
            x.become(utCOPY, *a[j]);
            int step = mx.table_step;
            mx = Model<K>();
            mx.shift = ms.shift;
            mx.table_step = step;
            mx.table_reserve(ms.blocks);
            for (int k = 0; k < ms.size; ++k) {
                mx.grow_index(k);
                mx.at(k) = ms.at(k);
            }
            break;
        }
        case 11: { // the utCopy copy: the source's block count, step 10
            A c(utCOPY, x);
            Model<K> mc;
            mc.shift = mx.shift;
            mc.table_cap = mx.blocks;
            mc.table_step = 10;
            for (int k = 0; k < mx.size; ++k) {
                mc.grow_index(k);
                mc.at(k) = mx.at(k);
            }
            check(c, mc);
            if constexpr (std::is_nothrow_move_constructible_v<A>) {
                // Moves hand the blocks over and leave the source empty.
                A d(std::move(c));
                check(d, mc);
                FUZZ_CHECK(c.size() == 0 && c.block_count() == 0);
                *a[j] = std::move(d);
                FUZZ_CHECK(d.size() == 0 && d.block_count() == 0);
                m[j] = mc;
            }
            break;
        }
        default: { // the stepping walker, twice
            It it(&x);
            for (int round = 0; round < 2; ++round) {
                for (int k = 0; k < mx.size; ++k) {
                    FUZZ_CHECK(++it == 1);
                    FUZZ_CHECK(it.index() == k && it.remaining() == mx.size - k);
                    FUZZ_CHECK(K::same(mx.at(k), it()));
                }
                FUZZ_CHECK(++it == 0 && it.remaining() == 0);
            }
            break;
        }
        }
        check(*a[0], m[0]);
        check(*a[1], m[1]);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader in(data, size);
    Case<intcoPageArr, intcoPageArrcoIterator, IntKind> ints(in);
    Case<utStringcoPageArr, utStringcoPageArrcoIterator, StringKind> strings(in);
    while (!in.done()) {
        if (in.flag())
            ints.step(in);
        else
            strings.step(in);
    }
    return 0;
}
