// Dynamic and variable arrays against a model of their buffers.
//
// The model keeps every slot the array owns, not only those in use: growth
// arithmetic, shrinking with and without release, and slots that come back
// into use through expand or a far write are all compared exactly. A slot
// the array allocated but never wrote holds an unknown int (skipped by the
// comparison) or a string without text (compared).
#include "fuzz_input.h"
#include "slot_kinds.h"

#include <colib/arrays/dyn_arr.h>
#include <colib/arrays/variable_arr.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

using colib_fuzz::IntKind;
using colib_fuzz::Reader;
using colib_fuzz::StringKind;

namespace {

// ---- dynamic array ----

template <class K> struct DynModel {
    std::vector<typename K::M> buf; // capacity slots
    int size = 0;
    int step = 1;

    int capacity() const { return static_cast<int>(buf.size()); }
    // Makes index n available: capacity grows by whole steps past n.
    void resize(int n) {
        int cap = capacity();
        int d = n - cap;
        int grown = cap + (d - d % step) + step;
        std::vector<typename K::M> fresh(static_cast<size_t>(grown));
        for (int i = 0; i < size; ++i)
            fresh[static_cast<size_t>(i)] = buf[static_cast<size_t>(i)];
        buf.swap(fresh);
    }
    void reserve(int n) {
        if (n > capacity()) resize(n - 1);
    }
    void clear(bool release) {
        if (release) buf.clear();
        size = 0;
    }
};

template <class A, class K> void check_dyn(const A &a, const DynModel<K> &m) {
    FUZZ_CHECK(a.size() == m.size);
    FUZZ_CHECK(a.capacity() == m.capacity());
    FUZZ_CHECK(a.step() == m.step);
    FUZZ_CHECK((a.data() == nullptr) == (m.capacity() == 0));
    // The slots beyond size are still owned: compare them too.
    for (int i = 0; i < m.capacity(); ++i)
        FUZZ_CHECK(K::same(m.buf[static_cast<size_t>(i)], a.data()[i]));
    int n = 0;
    for (const auto &x : a)
        FUZZ_CHECK(K::same(m.buf[static_cast<size_t>(n++)], x));
    FUZZ_CHECK(n == m.size);
}

template <class A, class It, class K> struct DynCase {
    A a[2];
    DynModel<K> m[2];

    explicit DynCase(Reader &in) {
        // One array made with (capacity, step) at the small edges, one default.
        int cap = in.below(4), step = in.range(1, 4);
        a[0] = A(cap, step);
        m[0].buf.resize(static_cast<size_t>(cap));
        m[0].step = step;
    }

    void step(Reader &in) {
        int i = in.below(2), j = 1 - i;
        A &x = a[i];
        DynModel<K> &mx = m[i];
        switch (in.below(11)) {
        case 0:
        case 1: { // append, growing by one step when full
            typename K::T v = K::make(in);
            x.append(v);
            if (mx.size >= mx.capacity()) mx.resize(mx.size);
            mx.buf[static_cast<size_t>(mx.size++)] = K::model(v);
            break;
        }
        case 2:
        case 3: { // write through operator[], now and then far past the end
            int at = in.below(4) == 0 ? mx.size + in.below(40) : in.below(mx.size + 2);
            typename K::T v = K::make(in);
            x[at] = v;
            if (at >= mx.size) {
                if (at >= mx.capacity()) mx.resize(at);
                mx.size = at + 1;
            }
            mx.buf[static_cast<size_t>(at)] = K::model(v);
            break;
        }
        case 4: { // reserve and expand: slots brought into use keep their contents
            int n = in.below(mx.capacity() + 12);
            if (in.flag()) {
                FUZZ_CHECK(x.reserve(n) == 1);
                mx.reserve(n);
            } else {
                FUZZ_CHECK(x.expand(n) == 1);
                mx.reserve(n);
                if (n > mx.size) mx.size = n;
            }
            break;
        }
        case 5: { // shrink, keeping or trimming the buffer
            int n = in.below(mx.size + 3);
            bool release = in.flag();
            FUZZ_CHECK(x.shrink(n, release ? 1 : 0) == 1);
            if (n == 0) {
                mx.clear(release);
            } else {
                if (n < mx.capacity() && release) mx.buf.resize(static_cast<size_t>(n));
                if (n < mx.size) mx.size = n;
            }
            break;
        }
        case 6: {
            bool release = in.flag();
            x.clear(release ? 1 : 0);
            mx.clear(release);
            break;
        }
        case 7: { // become: grows by its own step, then takes the source's step
            bool self = in.below(4) == 0;
            const A &src = self ? x : a[j];
            DynModel<K> ms = self ? mx : m[j];
            x.become(utCOPY, src);
            mx.reserve(ms.size);
            for (int k = 0; k < ms.size; ++k)
                mx.buf[static_cast<size_t>(k)] = ms.buf[static_cast<size_t>(k)];
            mx.size = ms.size;
            mx.step = ms.step;
            break;
        }
        case 8: { // a copy has the source's capacity; its spare slots are fresh
            A c(utCOPY, x);
            DynModel<K> mc;
            mc.buf.resize(mx.buf.size());
            mc.size = mx.size;
            mc.step = mx.step;
            for (int k = 0; k < mx.size; ++k)
                mc.buf[static_cast<size_t>(k)] = mx.buf[static_cast<size_t>(k)];
            check_dyn(c, mc);
            a[j] = std::move(c);
            m[j] = mc;
            FUZZ_CHECK(c.size() == 0 && c.capacity() == 0);
            break;
        }
        case 9: { // moves leave the source empty and usable
            A c(std::move(x));
            check_dyn(c, mx);
            FUZZ_CHECK(x.size() == 0 && x.capacity() == 0 && x.data() == nullptr);
            std::swap(m[j], mx);
            a[j] = std::move(c);
            mx = DynModel<K>();
            mx.step = x.step();
            break;
        }
        default: { // the walker sees the elements in use, in order
            It it(&x);
            for (int k = 0; k < mx.size; ++k, ++it) {
                FUZZ_CHECK(static_cast<bool>(it) && it.index() == k);
                FUZZ_CHECK(K::same(mx.buf[static_cast<size_t>(k)], *it));
            }
            FUZZ_CHECK(!it);
            break;
        }
        }
        check_dyn(a[0], m[0]);
        check_dyn(a[1], m[1]);
    }
};

// ---- variable array ----

int block_size(int b) {
    return b < 2 ? 8 : b < 9 ? 8 << (b - 1) : 2048;
}
int block_number(int i) {
    if (i >= 2048) return i / 2048 + 8;
    if (i < 8) return 0;
    int b = 1;
    while ((8 << b) <= i)
        ++b;
    return b;
}

template <class K> struct VarModel {
    std::vector<typename K::M> slots; // every slot of every block
    int blocks = 0;
    int size = 0;

    void make_blocks(int b) {
        while (blocks <= b)
            slots.resize(slots.size() + static_cast<size_t>(block_size(blocks++)));
    }
    void shrink(int n, bool release) {
        if (release) {
            int keep = n == 0 ? 0 : block_number(n - 1) + 1;
            while (blocks > keep)
                slots.resize(slots.size() - static_cast<size_t>(block_size(--blocks)));
        }
        if (n < size) size = n;
    }
};

template <class A, class K> void check_var(const A &a, const VarModel<K> &m) {
    FUZZ_CHECK(a.size() == m.size);
    FUZZ_CHECK(a.block_count() == m.blocks);
    for (int i = 0; i < m.size; ++i)
        FUZZ_CHECK(K::same(m.slots[static_cast<size_t>(i)], a.read(i)));
    int n = 0;
    for (const auto &x : a)
        FUZZ_CHECK(K::same(m.slots[static_cast<size_t>(n++)], x));
    FUZZ_CHECK(n == m.size);
}

template <class A, class It, class K> struct VarCase {
    A a[2];
    VarModel<K> m[2];

    int index(Reader &in, int size) {
        // Mostly near the end; now and then past the 2048 blocks.
        switch (in.below(64)) {
        case 0:
            return in.range(2040, 4200);
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 6:
            return size + in.below(40);
        default:
            return in.below(size + 2);
        }
    }

    void step(Reader &in) {
        int i = in.below(2), j = 1 - i;
        A &x = a[i];
        VarModel<K> &mx = m[i];
        switch (in.below(9)) {
        case 0:
        case 1: {
            int n = in.range(1, 12);
            for (int k = 0; k < n; ++k) {
                typename K::T v = K::make(in);
                x.append(v);
                mx.make_blocks(block_number(mx.size));
                mx.slots[static_cast<size_t>(mx.size++)] = K::model(v);
            }
            break;
        }
        case 2:
        case 3: {
            int at = index(in, mx.size);
            typename K::T v = K::make(in);
            x[at] = v;
            if (at >= mx.size) {
                mx.make_blocks(block_number(at));
                mx.size = at + 1;
            }
            mx.slots[static_cast<size_t>(at)] = K::model(v);
            break;
        }
        case 4: {
            int n = index(in, mx.size);
            FUZZ_CHECK(x.reserve(n) == 1);
            if (n > 0) mx.make_blocks(block_number(n - 1));
            break;
        }
        case 5: {
            int n = in.flag() ? 0 : index(in, mx.size);
            bool release = in.flag();
            if (in.flag())
                x.shrink(n, release ? 1 : 0);
            else {
                x.clear(release ? 1 : 0);
                n = 0;
            }
            mx.shrink(n, release);
            break;
        }
        case 6: { // become: clear(0), make the blocks, append each element
            bool self = in.below(4) == 0;
            VarModel<K> ms = self ? mx : m[j];
            x.become(utCOPY, self ? x : a[j]);
            if (!self) {
                mx.shrink(0, false);
                if (ms.size > 0) mx.make_blocks(block_number(ms.size - 1));
                for (int k = 0; k < ms.size; ++k)
                    mx.slots[static_cast<size_t>(k)] = ms.slots[static_cast<size_t>(k)];
                mx.size = ms.size;
            }
            break;
        }
        case 7: { // moves leave the source empty and usable
            A c(std::move(x));
            check_var(c, mx);
            FUZZ_CHECK(x.size() == 0 && x.block_count() == 0);
            a[j] = std::move(c);
            m[j] = mx;
            mx = VarModel<K>();
            break;
        }
        default: { // the stepping walker, twice: it starts again after the end
            It it(&x);
            for (int round = 0; round < 2; ++round) {
                for (int k = 0; k < mx.size; ++k) {
                    FUZZ_CHECK(++it == 1);
                    FUZZ_CHECK(K::same(mx.slots[static_cast<size_t>(k)], it()));
                }
                FUZZ_CHECK(++it == 0);
            }
            break;
        }
        }
        check_var(a[0], m[0]);
        check_var(a[1], m[1]);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader in(data, size);
    DynCase<intcoDynArr, intcoDynArrcoIterator, IntKind> ints(in);
    DynCase<utStringcoDynArr, utStringcoDynArrcoIterator, StringKind> strings(in);
    VarCase<intcoVariableArr, intcoVariableArrcoIterator, IntKind> vints;
    VarCase<utStringcoVariableArr, utStringcoVariableArrcoIterator, StringKind> vstrings;
    while (!in.done()) {
        switch (in.below(4)) {
        case 0:
            ints.step(in);
            break;
        case 1:
            strings.step(in);
            break;
        case 2:
            vints.step(in);
            break;
        default:
            vstrings.step(in);
            break;
        }
    }
    return 0;
}
