// The hashed arrays against std::map models: each step writes, rewrites or
// reads one index (or pair), then checks the read, size(), count(), the
// maxima and that every reference handed out earlier still holds its value.
// Every few steps a full walk compares range-for with the model.
//
// Input: a stream of 5-byte steps: an operation byte and a 32-bit value.
// Small values make rewrites and collisions likely; the top bit of the
// operation byte spreads them over the whole int range.
#include <colib/paged/hashed_arr.h>
#include <colib/paged/hashed_arr2d.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <utility>

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    intcoHashedArr a;
    intcoHashedArr2D m;
    std::map<int, std::pair<int, const int *>> model;
    std::map<std::pair<int, int>, std::pair<int, const int *>> model2;
    int largest = -1, l1 = -1, l2 = -1;
    for (size_t at = 0; at + 5 <= size; at += 5) {
        uint8_t op = data[at];
        uint32_t raw;
        std::memcpy(&raw, data + at + 1, 4);
        int k = (op & 0x80) ? static_cast<int>(raw) : static_cast<int>(raw % 64) - 8;
        int i = k >> 3, j = k & 7; // a pair from the same bits
        int v = static_cast<int>(raw * 2654435761u);
        switch (op & 3) {
        case 0:
        case 1:
            if (k == -1) break;
            {
                int &r = (a[k] = v);
                auto [it, fresh] = model.try_emplace(k, v, &r);
                it->second.first = v;
                check(it->second.second == &r);
                (void)fresh;
                if (k > largest) largest = k;
            }
            break;
        case 2:
            if (i == -1 && j == -1) break;
            {
                int &r = (m[i][j] = v);
                auto it = model2.try_emplace({i, j}, v, &r).first;
                it->second.first = v;
                check(it->second.second == &r);
                if (i > l1) l1 = i;
                if (j > l2) l2 = j;
            }
            break;
        case 3: {
            auto it = model.find(k);
            check(a.read(k) == (it == model.end() ? 0 : it->second.first));
            auto it2 = model2.find({i, j});
            check(m.read(i, j) == (it2 == model2.end() ? 0 : it2->second.first));
            break;
        }
        }
        check(a.count() == static_cast<int>(model.size()));
        check(a.largest_index() == largest);
        check(m.count() == static_cast<int>(model2.size()));
        check(m.largest_first() == l1 && m.largest_second() == l2);
        if (at % 64 == 0) {
            int seen = 0;
            for (auto [idx, val] : a) {
                auto it = model.find(idx);
                check(it != model.end() && it->second.first == val && it->second.second == &val);
                ++seen;
            }
            check(seen == a.count());
        }
    }
    for (const auto &[k, e] : model)
        check(*e.second == e.first && a.read(k) == e.first);
    for (const auto &[p, e] : model2)
        check(*e.second == e.first && m.read(p.first, p.second) == e.first);
    return 0;
}
