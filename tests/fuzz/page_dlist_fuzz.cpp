// The paged list against a model of its slots.
//
// The model keeps the element order as slot ids, the free list and the
// number of slots ever handed out, so slot reuse (the slot freed last is
// taken first; clear(0) frees every slot in ascending order) is compared
// exactly through the list's links, not only the element values. The
// built-in cursor is a position (-1 undefined); its steps stop at the
// sentinel, += and -= take at least one step.
#include "fuzz_input.h"

#include <colib/lists/page_dlist.h>

#include <memory>
#include <vector>

using colib_fuzz::Reader;

namespace {

struct Model {
    std::vector<int> ids;  // slot of each element, in list order
    std::vector<int> vals; // the elements, in list order
    std::vector<int> free; // the free list from its head
    int slots = 0;         // the paged array's size
    int pos = -1;          // the cursor

    int n() const { return static_cast<int>(ids.size()); }
    int activate() {
        if (!free.empty()) {
            int id = free.front();
            free.erase(free.begin());
            return id;
        }
        return slots++;
    }
    void insert(int at, int x) {
        ids.insert(ids.begin() + at, activate());
        vals.insert(vals.begin() + at, x);
    }
    void erase(int at) {
        free.insert(free.begin(), ids[static_cast<size_t>(at)]);
        ids.erase(ids.begin() + at);
        vals.erase(vals.begin() + at);
    }
    void clear(bool release) {
        ids.clear();
        vals.clear();
        free.clear();
        if (release)
            slots = 0;
        else
            for (int i = 0; i < slots; ++i)
                free.push_back(i);
        pos = -1;
    }
    // One step of the cursor; it stops at the sentinel (-1).
    void step(bool up) {
        if (up)
            pos = pos < 0 ? (n() > 0 ? 0 : -1) : (pos + 1 < n() ? pos + 1 : -1);
        else
            pos = pos < 0 ? n() - 1 : pos - 1;
    }
    void steps(int k, bool up) {
        while (k-- > 0) {
            step(up);
            if (pos < 0) break;
        }
    }
};

void check(const intcoPageDList &l, const Model &m) {
    FUZZ_CHECK(l.size() == m.n());
    FUZZ_CHECK(l.empty() == (m.n() == 0 ? 1 : 0));
    FUZZ_CHECK(l.slot_count() == m.slots);
    FUZZ_CHECK(l.free_count() == m.slots - m.n());
    FUZZ_CHECK(l.index() == m.pos);
    FUZZ_CHECK(l.undefined() == (m.pos < 0 ? 1 : 0));
    // Blocks are made only when the slots first reach them.
    const auto &nodes = l.nodes();
    FUZZ_CHECK(nodes.block_count() == (m.slots + nodes.block_size() - 1) / nodes.block_size());

    // The element chain, both ways, by slot.
    FUZZ_CHECK(l.first_id() == (m.n() ? m.ids.front() : -1));
    FUZZ_CHECK(l.last_id() == (m.n() ? m.ids.back() : -1));
    for (int k = 0; k < m.n(); ++k) {
        const auto &link = l.link(m.ids[static_cast<size_t>(k)]);
        FUZZ_CHECK(link.item() == m.vals[static_cast<size_t>(k)]);
        FUZZ_CHECK(link.prev() == (k > 0 ? m.ids[static_cast<size_t>(k - 1)] : -1));
        FUZZ_CHECK(link.next() == (k + 1 < m.n() ? m.ids[static_cast<size_t>(k + 1)] : -1));
    }
    // The free chain.
    FUZZ_CHECK(l.free_head_id() == (m.free.empty() ? -1 : m.free.front()));
    for (size_t k = 0; k < m.free.size(); ++k) {
        const auto &link = l.link(m.free[k]);
        FUZZ_CHECK(link.prev() == -1);
        FUZZ_CHECK(link.next() == (k + 1 < m.free.size() ? m.free[k + 1] : -1));
    }

    // A separate walker, forwards with index and backwards; range-for.
    intcoPageDListcoIterator it(&l);
    for (int k = 0; k < m.n(); ++k) {
        FUZZ_CHECK(++it == 1 && it.index() == k && it() == m.vals[static_cast<size_t>(k)]);
    }
    FUZZ_CHECK(++it == 0 && it.undefined());
    for (int k = m.n() - 1; k >= 0; --k)
        FUZZ_CHECK(--it == 1 && it() == m.vals[static_cast<size_t>(k)]);
    FUZZ_CHECK(--it == 0);
    int k = 0;
    for (int x : l)
        FUZZ_CHECK(x == m.vals[static_cast<size_t>(k++)]);
    FUZZ_CHECK(k == m.n());
}

void step(intcoPageDList &l, Model &m, const intcoPageDList &other, const Model &mo, Reader &in) {
    int x = in.small_int();
    switch (in.below(17)) {
    case 0:
    case 1:
        m.step(true);
        FUZZ_CHECK(l.forwards() == (m.pos >= 0 ? 1 : 0));
        break;
    case 2:
        m.step(false);
        FUZZ_CHECK(l.backwards() == (m.pos >= 0 ? 1 : 0));
        break;
    case 3: { // at least one step, on a private walker that starts where the cursor is
        int k = in.range(-1, 4);
        bool up = in.flag();
        intcoPageDListcoIterator it(&l);
        it.set_index(m.pos);
        Model w = m;
        w.steps(k < 1 ? 1 : k, up);
        FUZZ_CHECK((up ? (it += k) : (it -= k)) == (w.pos >= 0 ? 1 : 0));
        FUZZ_CHECK(it.index() == w.pos);
        break;
    }
    case 4: { // from an element: the difference; from undefined: the nearer end
        int i = in.range(-1, m.n() + 1);
        l.set_index(i);
        if (m.pos >= 0) {
            int d = i - m.pos;
            m.steps(d < 0 ? -d : d, d > 0);
        } else {
            int r = m.n() - i;
            if (i + 1 <= r)
                m.steps(i + 1, true);
            else
                m.steps(r, false);
        }
        break;
    }
    case 5: // subscript: moves the cursor
        if (m.n() == 0) break;
        {
            int i = in.below(m.n());
            FUZZ_CHECK(l[i] == m.vals[static_cast<size_t>(i)]);
            m.pos = i;
            l.read() = x;
            m.vals[static_cast<size_t>(i)] = x;
        }
        break;
    case 6:
        FUZZ_CHECK(l.insert_after(x) == 1);
        m.insert(m.pos < 0 ? 0 : m.pos + 1, x);
        break;
    case 7:
        FUZZ_CHECK(l.insert_before(x) == 1);
        if (m.pos < 0) {
            m.insert(m.n(), x);
        } else {
            m.insert(m.pos, x);
            ++m.pos;
        }
        break;
    case 8:
        FUZZ_CHECK(l.insert_first(x) == 1);
        m.insert(0, x);
        if (m.pos >= 0) ++m.pos;
        break;
    case 9:
        FUZZ_CHECK(l.insert_last(x) == 1);
        m.insert(m.n(), x);
        break;
    case 10: // forward first, then the slot goes on the free list
        if (m.pos < 0) break;
        l.remove();
        m.erase(m.pos);
        if (m.pos >= m.n()) m.pos = -1;
        break;
    case 11:
        if (m.pos < 0) break;
        l.remove_backwards();
        m.erase(m.pos);
        --m.pos;
        break;
    case 12:
        if (m.n() == 0) break;
        l.remove_first();
        m.erase(0);
        m.pos = m.pos <= 0 ? -1 : m.pos - 1;
        break;
    case 13:
        if (m.n() == 0) break;
        l.remove_last();
        if (m.pos == m.n() - 1) m.pos = -1;
        m.erase(m.n() - 1);
        break;
    case 14: {
        bool release = in.flag();
        l.clear(release ? 1 : 0);
        m.clear(release);
        break;
    }
    case 15: // become: clear(0), then the other's elements at the back
        if (&l == &other || in.below(4) == 0) {
            l.become(utCOPY, l);
        } else {
            l.become(utCOPY, other);
            std::vector<int> vals = mo.vals;
            m.clear(false);
            for (int v : vals)
                m.insert(m.n(), v);
        }
        break;
    default: { // a copy uses its own slots from 0 and its own cursor
        intcoPageDList c(utCOPY, l);
        Model mc;
        mc.slots = 0;
        for (int v : m.vals)
            mc.insert(mc.n(), v);
        check(c, mc);
        if (mc.n() > 0) {
            c.set_index(mc.n() - 1);
            c.remove_backwards();
            mc.pos = mc.n() - 1;
            mc.erase(mc.pos);
            --mc.pos;
            check(c, mc);
        }
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Reader in(data, size);
    // Small blocks (down to one link) and a small block table, or the
    // defaults.
    std::unique_ptr<intcoPageDList> l[2];
    for (auto &p : l) {
        if (in.below(4) == 0)
            p = std::make_unique<intcoPageDList>();
        else
            p = std::make_unique<intcoPageDList>(in.below(4), in.below(3), in.range(1, 3));
    }
    Model m[2];
    while (!in.done()) {
        int i = in.below(2);
        step(*l[i], m[i], *l[1 - i], m[1 - i], in);
        check(*l[0], m[0]);
        check(*l[1], m[1]);
    }
    return 0;
}
