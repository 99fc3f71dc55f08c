// const operations on one container may run in several threads at once.
// One container of every family is read from four threads at the same time:
// lookups, walkers made from const containers, printing, and copies of one
// shared utString and of a container of them. Each thread must see what a
// single thread sees; under ThreadSanitizer (the tsan preset) any data race
// fails the run.
#include <colib/colib.h>

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

struct Span : coTreeObj {
    Span(int lo, int hi) : lo(lo), hi(hi) {}
    int is_ancestor(const coTreeObj *o) const override {
        auto *s = static_cast<const Span *>(o);
        return lo <= s->lo && s->hi <= hi && (lo != s->lo || hi != s->hi);
    }
    int is_older_sibling(const coTreeObj *o) const override {
        return lo < static_cast<const Span *>(o)->lo;
    }
    int lo, hi;
};

// What a reader saw of one container: its printout, then what its walkers
// and lookups found.
template <class C> std::string printed(const C &c) {
    std::ostringstream out;
    out << c;
    return out.str();
}
template <class C> std::string walked(const C &c) {
    std::ostringstream out;
    int n = 0;
    for (auto &&e : c) {
        (void)e;
        ++n;
    }
    out << " walked " << n;
    return out.str();
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
    // Foundation: one string and copies of it, a container of such copies.
    const utString shared("shared text, long enough to be on the heap");
    utStringcoDynArr words(0, 8);
    for (int i = 0; i < 6; ++i)
        words.append(shared);
    words.append("other");
    const utStringcoDynArr &cwords = words;

    intcoDynArr dyn(0, 4);
    for (int i = 0; i < 10; ++i)
        dyn.append(i * i);
    intcoStackFast stack_fast(2, 2);
    stack_fast.push(1);
    stack_fast.push(2);
    intcoDynArr2D grid{{1, 2, 3}, {4, 5, 6}};
    intcoDynArr3D cube(1, 1, 1, 1, 1, 1);
    cube(0, 1, 1) = 8;
    intcoFixedArr fixed{4, 5};
    intcoFixedArr2D fixed2d{{1, 2}, {3, 4}};
    intcoVariableArr variable;
    for (int i = 0; i < 20; ++i)
        variable.append(i);

    intcoPageArr paged(2, 1, 1);
    for (int i = 0; i < 30; ++i)
        paged.append(10 * i);
    doublecoPageArr keys{2.0, 1.0, 2.0, 0.5};

    intcoSet set(4, 50);
    for (int i = 0; i < 40; ++i)
        set.add(i * 7);
    utStringcoSet strings(4, 50);
    strings.add("x");
    strings.add(shared);
    utStringintcoTable table(4, 50);
    table[utString("one")] = 1;
    table[utString("two")] = 2;
    intintcoTable ints(4, 50);
    ints[5] = 50;

    intcoSListB slist{1, 2, 3};
    intcoSList scursor{4, 5, 6};
    intcoStack stack{1, 2, 3};
    intcoQueue queue{1, 2, 3};
    intcoDList dlist{10, 20};
    utStringcoDList dwords{"p", "q"};
    intcoPageDList page_list;
    for (int i = 0; i < 600; ++i)
        page_list.insert_last(i);
    doublecoSortedList sorted{2.5, 0.5, 1.5};
    Span all(0, 9), low(0, 4), high(5, 9), one(1, 1);
    coTree tree;
    tree.add(&high);
    tree.add(&all);
    tree.add(&one);
    tree.add(&low);

    intcoHashedArr hashed;
    hashed[2] = 9;
    hashed[-7] = 1;
    intcoHashedArr2D hashed2d;
    hashed2d[1][2] = 3;

    // Cells over several blocks, so walks switch blocks.
    doublecoSparseArr2D sparse(2, 4, 4);
    for (int i = 0; i < 40; ++i)
        sparse.write(i % 7, (i * 5) % 11, i + 0.5);

    intcoResourceKey width("width");
    coResourceTable settings;
    coResourceTableMaker::create_entry("width", "80", settings);

    coCallReason tick;
    coSender sender(1);
    coReceiver receiver(1);
    sender.calls().add(new coCallFunc(tick, &receiver, &sender, nullptr, 0));
    const coSender &csender = sender;

    const auto &c = [](const auto &x) -> const auto & {
        return x;
    };
    std::vector<std::pair<const char *, Reader>> readers = {
        {"utString",
         [&] {
             utString copy = shared;
             utString other;
             other = copy;
             return std::string(other.c_str());
         }},
        {"utStringcoDynArr",
         [&] {
             utStringcoDynArr copy(cwords);
             return printed(copy) + walked(cwords);
         }},
        {"intcoDynArr",
         [&] {
             std::string s = printed(c(dyn)) + walked(c(dyn));
             for (intcoDynArrcoIterator it(&dyn); it; ++it)
                 s += std::to_string(*it);
             return s + std::to_string(c(dyn)[3]);
         }},
        {"arrays",
         [&] {
             return printed(c(stack_fast)) + printed(c(grid)) + printed(c(cube)) +
                    printed(c(fixed)) + printed(c(fixed2d)) + printed(c(variable)) +
                    walked(c(variable));
         }},
        {"intcoPageArr",
         [&] {
             std::string s = printed(c(paged)) + walked(c(paged)) + std::to_string(c(paged)[17]);
             intcoPageArrcoIterator it(&paged);
             ++it;
             return s;
         }},
        {"hashing",
         [&] {
             std::string s = printed(c(set)) + printed(c(strings)) + printed(c(table)) +
                             printed(c(ints)) + walked(c(table));
             s += std::to_string(c(set).member(21)) + std::to_string(c(strings).member("x")) +
                  std::to_string(c(table).read(utString("two"))) + std::to_string(c(ints).read(5));
             return s;
         }},
        {"lists",
         [&] {
             std::string s = printed(c(slist)) + printed(c(scursor)) + printed(c(stack)) +
                             printed(c(queue)) + printed(c(dlist)) + printed(c(dwords)) +
                             printed(c(sorted)) + walked(c(slist)) + walked(c(dlist)) +
                             walked(c(sorted)) + walked(c(page_list));
             intcoSListBcoIterator si(&slist);
             while (++si)
                 s += std::to_string(si());
             intcoDListBcoIterator di(&dlist);
             while (++di)
                 s += std::to_string(di());
             intcoPageDListcoIterator pi(&page_list);
             long sum = 0;
             while (++pi)
                 sum += pi();
             doublecoSortedListcoIterator oi(&sorted);
             while (++oi)
                 s += std::to_string(oi());
             return s + std::to_string(sum);
         }},
        {"coTree", [&] { return walked(c(tree)); }},
        {"hashed arrays",
         [&] {
             return printed(c(hashed)) + walked(c(hashed)) + walked(c(hashed2d)) +
                    std::to_string(c(hashed)[2]) + std::to_string(c(hashed)[5]) +
                    std::to_string(c(hashed2d).read(1, 2)) + std::to_string(c(hashed2d)[1][2]);
         }},
        {"sparse",
         [&] {
             const doublecoSparseArr2D &m = sparse;
             std::string s = printed(m) + walked(m) + walked(m.row(3)) + walked(m.column(5));
             double sum = 0;
             for (auto e : m)
                 sum += e.value * e.row + e.column;
             return s + std::to_string(sum) + std::to_string(m.read(4, 9)) +
                    std::to_string(m.find(6, 8));
         }},
        {"resources",
         [&] {
             const int *w = width.read_safe(&settings);
             int n = 0;
             for (coResourceIterator it(&settings); ++it;)
                 ++n;
             return std::to_string(w ? *w : -1) + std::to_string(n);
         }},
        {"notify",
         [&] {
             int n = 0;
             coCallFunccoCallListcoIterator it(&csender.calls());
             while (++it)
                 ++n;
             return std::to_string(n);
         }},
    };
    read_together(readers);
    // Every copy a reader took is gone: the text is still there, shared.
    EXPECT_STREQ(words[0].c_str(), shared.c_str());
    EXPECT_EQ(words[0].c_str(), shared.c_str());
}
