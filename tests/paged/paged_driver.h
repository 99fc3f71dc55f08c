// The paged arrays against a model of their blocks.
//
// The model holds every slot of every block the array has made, not only
// those in use, with the block-table capacity after growth by its step,
// the current block and the address of each block: growth, shrinking with
// and without release, repagination, copies and moves are compared slot by
// slot. A plain slot never written holds an unknown value (skipped); a
// class slot starts default-constructed.
#pragma once

#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_arr2d.h>
#include <colib/paged/page_arr.h>

#include "support/alloc_injector.h"
#include "support/driver.h"
#include "support/values.h"

#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace paged_test {

using colib_test::Input;

// An element as the containers print it.
template <class T> std::string text(const T &x) {
    std::ostringstream os;
    {
        utOstream u(os, 0, 2);
        coElem<T>::print(u, x);
    }
    return os.str();
}

// The common printout: header, nested "size n" and one line per element.
inline std::string printout(const char *head, int n, const std::vector<std::string> &lines) {
    std::string s = std::string(head) + "\n  size " + std::to_string(n) + "\n";
    for (const std::string &l : lines)
        s += (l.empty() ? "" : "  ") + l + "\n"; // blank lines are not indented
    return s + "}\n";
}

template <class A, class = void> struct prints : std::false_type {};
template <class A>
struct prints<A, std::void_t<decltype(std::declval<std::ostream &>() << std::declval<const A &>())>>
    : std::true_type {};

// Reaches the protected block selection.
template <class A> struct Open : A {
    using A::A;
    using A::get_block;
    using A::switch_block;
};

template <class T> struct PageModel {
    using Slot = std::optional<T>;
    int shift, cap, step, size = 0, cur = -1;
    std::vector<std::vector<Slot>> blocks;
    PageModel(int s = 8, int c = 5, int st = 10) : shift(s), cap(c), step(st) {}
    std::vector<const void *> addr; // null until first seen

    int bs() const { return 1 << shift; }
    int count() const { return static_cast<int>(blocks.size()); }
    Slot &slot(int i) { return blocks[i >> shift][i & (bs() - 1)]; }
    // The block table grown so that entry n exists.
    void grow_table(int n) {
        long long d = static_cast<long long>(n) - cap;
        if (d >= 0) cap = static_cast<int>(cap + (d - d % step) + step);
    }
    void get_block(int b) {
        if (b > 0) grow_table(b - 1);
        while (count() <= b) {
            grow_table(count());
            blocks.emplace_back(bs(), std::is_class<T>::value ? Slot(T()) : Slot());
            addr.push_back(nullptr);
        }
        cur = b;
    }
    void free_to(int keep) {
        if (keep < count()) blocks.resize(keep), addr.resize(keep);
        if (cur >= count()) cur = -1;
    }
    void grow_to(int i) {
        if (i >= size) get_block(i >> shift), size = i + 1;
    }
    std::vector<Slot> elems() const {
        std::vector<Slot> v;
        for (int i = 0; i < size; ++i)
            v.push_back(blocks[i >> shift][i & (bs() - 1)]);
        return v;
    }
    void append(const Slot &x) {
        int b = size >> shift;
        if (b != cur) b < count() ? void(cur = b) : get_block(b);
        slot(size++) = x;
    }
    void copyin(const std::vector<Slot> &v, int to) {
        int end = to + static_cast<int>(v.size());
        if (end) get_block((end - 1) >> shift);
        if (end > size) size = end;
        for (size_t k = 0; k < v.size(); ++k)
            slot(to + static_cast<int>(k)) = v[k];
    }
    void shrink(int n, int flag) {
        if (flag) {
            free_to(static_cast<int>((static_cast<long long>(n) + bs() - 1) >> shift));
            if (count() < cap) cap = count();
        }
        if (n < size) size = n;
    }
    void clear_all() { blocks.clear(), addr.clear(), size = 0, cur = -1, cap = 0; }
    // What a copy of this array becomes: its shift, an empty table of the
    // given capacity (reserved to `reserve` entries) and step, the elements.
    PageModel copy_as(int capacity, int reserve, int new_step) const {
        PageModel c(shift, capacity, new_step);
        if (reserve) c.grow_table(reserve - 1);
        c.copyin(elems(), 0);
        if (size == 0) c.cur = -1;
        return c;
    }
    int repaginate() {
        if (size >= bs()) return 0;
        int before = bs() * count();
        if (size == 0) return clear_all(), before;
        int s = shift;
        while (s > 0 && (1 << (s - 1)) >= size)
            --s;
        if (s == shift) return shrink(size, 1), before - (1 << s);
        std::vector<Slot> v = elems();
        clear_all();
        shift = s;
        copyin(v, 0);
        return before - (1 << s);
    }
};

template <class A, class It, class T> void check(const A &a, PageModel<T> &m) {
    MODEL_CHECK(a.size() == m.size && a.empty() == (m.size == 0));
    MODEL_CHECK(a.block_shift() == m.shift && a.block_size() == m.bs());
    MODEL_CHECK(a.block_count() == m.count() && a.block_table().size() == m.count());
    MODEL_CHECK(a.block_table().capacity() == m.cap && a.block_table().step() == m.step);
    MODEL_CHECK(a.current_block_index() == m.cur);
    bool known = true;
    for (int b = 0; b < m.count(); ++b) {
        if (!m.addr[b]) m.addr[b] = a.block(b);
        MODEL_CHECK(m.addr[b] == a.block(b)); // blocks never move
        for (int s = 0; s < m.bs(); ++s) {
            const std::optional<T> &x = m.blocks[b][s];
            MODEL_CHECK(!x || a.block(b)[s] == *x);
            if (!x && (b << m.shift) + s < m.size) known = false;
        }
    }
    int i = 0;
    for (const T &x : a) // const range-for, index order
        MODEL_CHECK(&x == &a[i++]);
    MODEL_CHECK(i == m.size);
    i = 0;
    for (T &x : const_cast<A &>(a))
        MODEL_CHECK(&x == &a[i++]);
    MODEL_CHECK(i == m.size);
    It it(&a);
    for (int round = 0; round < 2; ++round) { // a finished walk starts again
        for (int k = 0; k < m.size; ++k)
            MODEL_CHECK(++it == 1 && it.index() == k && it.remaining() == m.size - k &&
                        &it() == &a[k]);
        MODEL_CHECK(++it == 0 && it.remaining() == 0);
    }
    if constexpr (prints<A>::value) {
        std::vector<std::string> lines;
        for (const std::optional<T> &x : m.elems())
            lines.push_back(x ? text(*x) : "");
        if (known) MODEL_CHECK(colib_test::printed(a) == printout("coPageArr {", m.size, lines));
    }
}

// A session on two arrays of one member: operations chosen by the input,
// now and then under an allocation failure.
template <class Base, class It> void run_member(Input &in) {
    using A = Open<Base>;
    using T = typename A::value_type;
    using M = PageModel<T>;
    auto make = [&](std::optional<A> &a, M &m) {
        if (in.one_in(4)) {
            a.emplace();
            m = M();
        } else {
            int s = in.below(4), c = in.below(3), st = in.range(1, 3);
            a.emplace(s, c, st);
            m = M(s, c, st);
        }
    };
    std::optional<A> arr[2];
    M mod[2];
    make(arr[0], mod[0]);
    make(arr[1], mod[1]);
    for (int steps = in.range(1, 40); steps > 0 && !in.done(); --steps) {
        int x = in.below(2), y = in.below(2), op = in.below(15);
        A &a = *arr[x];
        M &m = mod[x];
        int reach = 3 * m.bs() + 3;
        int i = in.below(reach), n = in.below(reach), j = in.below(reach), f = in.below(2);
        int blocks = a.block_count();
        std::vector<T> v(n);
        for (int k = 0, base = in.below(40); k < n; ++k)
            v[k] = colib_test::value<T>((base + 7 * k) % 40);
        std::vector<std::optional<T>> ov(v.begin(), v.end());
        f = std::min(f, n);
        // copy reads from + count <= the source's size; from 0 it may ask for more.
        int ysize = arr[y]->size(), from = std::min(j, ysize) * f;
        int cnt = from ? std::min(n, ysize - from) : n;
        if (op == 12 && blocks == 0) op = 11;
        long fail = in.one_in(6) && op < 8 ? in.range(1, 4) : 0;
        int r = -1;
        bool failed = alloc_injector::fail_at(fail, [&] {
            switch (op) {
            case 0:
                a[i] = v.empty() ? T() : v[0];
                break;
            case 1:
                a.append(v.empty() ? T() : v[0]);
                break;
            case 2:
                r = a.expand(n);
                break;
            case 3:
                r = a.reserve(n);
                break;
            case 4:
                a.copy(*arr[y], cnt, i, from);
                break;
            case 5:
                a.copyin(v.data(), n - f, i, f);
                break;
            case 6:
                a.become(utCOPY, *arr[y]);
                break;
            case 7: {
                A t(utCOPY, *arr[1 - x]);
                a = std::move(t);
                break;
            }
            case 8:
                a.clear(f);
                break;
            case 9:
                a.shrink(n, f);
                break;
            case 10:
                r = a.repaginate();
                break;
            case 11:
                a.reverse();
                break;
            case 12:
                a.enter(i % (blocks << m.shift), v.empty() ? T() : v[0]);
                break;
            case 13:
                r = a.get_block(i % 5);
                break;
            case 14: { // moves: the source is left empty, without blocks, usable
                A t(std::move(*arr[y]));
                MODEL_CHECK(arr[y]->size() == 0 && arr[y]->block_count() == 0 &&
                            arr[y]->current_block_index() == -1);
                arr[y]->append(T());
                arr[y]->clear(1);
                a = std::move(t);
                break;
            }
            }
        });
        MODEL_CHECK(!failed || fail);
        if (failed) { // unchanged, apart from spare blocks the failed growth made
            if (op == 2 || op == 3 || op == 13) MODEL_CHECK(r == 0);
            if (op != 6 && op != 7) {
                MODEL_CHECK(a.size() == m.size && a.block_count() >= m.count());
                m.get_block(a.block_count() - 1);
                m.cap = a.block_table().capacity();
                m.cur = a.current_block_index();
            }
            check<A, It>(*arr[x], m);
            continue;
        }
        std::optional<T> x0 = ov.empty() ? std::optional<T>(T()) : ov[0];
        switch (op) {
        case 0:
            m.grow_to(i), m.slot(i) = x0;
            break;
        case 1:
            m.append(x0);
            break;
        case 2:
            if (n) m.get_block((n - 1) >> m.shift), m.size = std::max(m.size, n);
            MODEL_CHECK(r == 1);
            break;
        case 3:
            if (n) m.get_block((n - 1) >> m.shift);
            MODEL_CHECK(r == 1);
            break;
        case 4: {
            std::vector<std::optional<T>> e = mod[y].elems();
            int count = std::min(cnt, mod[y].size);
            e.assign(e.begin() + from, e.begin() + from + std::max(count, 0));
            if (count > 0) m.grow_to(i + count - 1);
            for (int k = 0; k < count; ++k)
                m.slot(i + k) = e[k];
            break;
        }
        case 5:
            m.copyin(std::vector<std::optional<T>>(ov.begin() + f, ov.end()), i);
            break;
        case 6:
            if (x != y) m = mod[y].copy_as(0, mod[y].count(), m.step);
            break;
        case 7:
            m = mod[1 - x].copy_as(mod[1 - x].count(), 0, 10);
            break;
        case 8:
            f ? m.clear_all() : void(m.size = 0);
            break;
        case 9:
            m.shrink(n, f);
            break;
        case 10:
            MODEL_CHECK(r == m.repaginate());
            break;
        case 11:
            for (int k = 0; k < m.size / 2; ++k)
                std::swap(m.slot(k), m.slot(m.size - 1 - k));
            break;
        case 12:
            m.slot(i % (blocks << m.shift)) = x0;
            break;
        case 13:
            m.get_block(i % 5);
            MODEL_CHECK(r == 1);
            break;
        case 14: {
            M t = mod[y];
            mod[y].clear_all();
            mod[x] = t;
            break;
        }
        }
        check<A, It>(*arr[x], mod[x]);
        check<A, It>(*arr[1 - x], mod[1 - x]);
    }
}

// Every member of the family, and two of the paged arrays other families
// keep their storage in.
#define COLIB_PAGED_RUN(X, Pre, T, P)                                                              \
    case __COUNTER__ - first:                                                                      \
        run_member<Pre##coPageArr, Pre##coPageArr##coIterator>(in);                                \
        break;

inline void run_paged(Input &in) {
    long live = alloc_injector::live();
    constexpr int first = __COUNTER__ + 1;
    while (!in.done()) {
        switch (in.below(11)) {
            COLIB_PAGE_ARR_MEMBERS(COLIB_PAGED_RUN, )
        case 9:
            run_member<intcoHashedArrINTERNALcoPageArr, intcoHashedArrINTERNALcoPageArrcoIterator>(
                in);
            break;
        default:
            run_member<charcoHashedArr2DINTERNALcoPageArr,
                       charcoHashedArr2DINTERNALcoPageArrcoIterator>(in);
        }
    }
    MODEL_CHECK(alloc_injector::live() == live);
}

} // namespace paged_test
