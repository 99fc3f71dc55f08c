// const operations on one container may run in several threads at once.
// One container of every family is read from four threads at the same time:
// lookups, walkers made from const containers, printing, and copies of one
// shared utString and of a container of them. Each thread must see what a
// single thread sees; under ThreadSanitizer (the tsan preset) any data race
// fails the run.
#include "support/samples.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

// What a reader saw of some containers: each one's printout (if Print) and
// how many elements its range-for walked.
template <bool Print = true, class... C> std::string seen(const C &...c) {
    std::ostringstream out;
    auto one = [&](const auto &x) {
        int n = 0;
        for (auto &&e : x)
            (void)e, ++n;
        if constexpr (Print) out << x;
        out << " walked " << n << "\n";
    };
    (one(c), ...);
    return out.str();
}
// ... and what a walker made from a const container stepped over.
template <class W, class C> std::string stepped(const C &c) {
    std::string s;
    for (W it(&c); ++it;)
        s += std::to_string(it()) + " ";
    return s;
}

using Reader = std::function<std::string()>;

// Runs every reader in four threads at once, many times over, and checks
// each result against the single-threaded one.
void read_together(const std::vector<std::pair<const char *, Reader>> &readers) {
    std::vector<std::string> expected;
    for (auto &r : readers)
        expected.push_back(r.second());
    std::vector<std::vector<std::string>> wrong(4);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int round = 0; round < 40; ++round)
                for (std::size_t i = 0; i < readers.size(); ++i)
                    if (readers[i].second() != expected[i]) wrong[t].push_back(readers[i].first);
        });
    for (auto &th : threads)
        th.join();
    for (auto &w : wrong)
        EXPECT_TRUE(w.empty()) << w.front() << " read differently in a thread";
}

} // namespace

TEST(ConcurrentReads, EveryFamilyFromFourThreads) {
    const Samples s;
    // One string and copies of it, a container of such copies.
    const utString shared("shared text, long enough to be on the heap");
    utStringcoDynArr words(0, 8);
    for (int i = 0; i < 6; ++i)
        words.append(shared);
    words.append("other");
    const utStringcoDynArr &cwords = words;
    // Larger ones, whose walks switch blocks, pages and slots.
    intcoPageArr paged(2, 1, 1);
    intcoSet set(4, 50);
    intcoPageDList page_list;
    doublecoSparseArr2D sparse(2, 4, 4);
    for (int i = 0; i < 600; ++i)
        page_list.insert_last(i);
    for (int i = 0; i < 40; ++i)
        paged.append(10 * i), set.add(i * 7), sparse.write(i % 7, (i * 5) % 11, i + 0.5);
    const auto &c = [](const auto &x) -> const auto & {
        return x;
    };
    std::vector<std::pair<const char *, Reader>> readers = {
        {"utString",
         [&] {
             utString copy = shared, other;
             other = copy;
             return std::string(other.c_str());
         }},
        {"utStringcoDynArr", [&] { return seen(utStringcoDynArr(cwords), cwords); }},
        {"arrays",
         [&] {
             std::string r = seen(s.dyn, s.words, s.fixed, s.variable, s.stack_fast, s.grid, s.cube,
                                  s.fixed2d, c(paged));
             for (intcoDynArrcoIterator it(&s.dyn); it; ++it)
                 r += std::to_string(*it);
             intcoPageArrcoIterator it(&paged);
             ++it;
             return r + std::to_string(s.dyn[2]) + std::to_string(c(paged)[17]) +
                    stepped<intcoVariableArrcoIterator>(s.variable);
         }},
        {"hashing",
         [&] {
             return seen(c(set), s.strings, s.table, s.ints) + std::to_string(c(set).member(21)) +
                    std::to_string(s.strings.member("x")) +
                    std::to_string(s.table.read(utString("two"))) + std::to_string(s.ints.read(5));
         }},
        {"lists",
         [&] {
             long sum = 0;
             for (intcoPageDListcoIterator it(&page_list); ++it;)
                 sum += it();
             return seen(s.slist, s.scursor, s.stack, s.queue, s.dlist, s.dcursor, s.sorted,
                         c(page_list)) +
                    stepped<intcoSListBcoIterator>(s.slist) +
                    stepped<intcoDListBcoIterator>(s.dlist) +
                    stepped<doublecoSortedListcoIterator>(s.sorted) + std::to_string(sum);
         }},
        {"hashed and sparse arrays",
         [&] {
             const doublecoSparseArr2D &m = sparse;
             double sum = 0;
             for (auto e : m)
                 sum += e.value * e.row + e.column;
             return seen(s.hashed, m) + seen<false>(m.row(3), m.column(5), s.hashed2d, s.tree) +
                    std::to_string(s.hashed[2]) + std::to_string(s.hashed[5]) +
                    std::to_string(s.hashed2d.read(1, 2)) + std::to_string(s.hashed2d[1][2]) +
                    std::to_string(sum) + std::to_string(m.read(4, 9)) +
                    std::to_string(m.find(6, 8));
         }},
        {"resources",
         [&] {
             const int *w = s.width.read_safe(&s.settings);
             int n = 0;
             for (coResourceIterator it(&s.settings); ++it;)
                 ++n;
             return std::to_string(w ? *w : -1) + std::to_string(n);
         }},
        {"notify",
         [&] {
             int n = 0;
             for (coCallFunccoCallListcoIterator it(&s.sender.calls()); ++it;)
                 ++n;
             return std::to_string(n);
         }},
    };
    read_together(readers);
    // Every copy a reader took is gone: the text is still there, shared.
    EXPECT_STREQ(words[0].c_str(), shared.c_str());
    EXPECT_EQ(words[0].c_str(), shared.c_str());
}
