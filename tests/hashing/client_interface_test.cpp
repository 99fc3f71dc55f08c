// Classes a user writes against the element and array interfaces, with the
// documented signatures: every slot operation const, update_size not. They
// must compile as written and work as a sorter and as a hash-engine user.
#include <colib/hashing/hash.h>
#include <colib/sorting/sort.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Sorts a vector of strings the user owns; the array handle is the vector.
class StringSorter : public coQuickSort {
public:
    using coQuickSort::sort;

protected:
    void *obj_create_copy(void *const obj) const override {
        return new std::string(*static_cast<std::string *>(obj));
    }
    void obj_destroy(void *const obj) const override { delete static_cast<std::string *>(obj); }
    int obj_compare(void *const a, void *const b) const override {
        return static_cast<std::string *>(a)->compare(*static_cast<std::string *>(b));
    }
    void arr_put_copy(void *const arr, void *const obj, int i) const override {
        (*static_cast<std::vector<std::string> *>(arr))[i] = *static_cast<std::string *>(obj);
    }
    void *arr_get(void *const arr, int i) const override {
        return &(*static_cast<std::vector<std::string> *>(arr))[i];
    }
    void arr_swap(void *const arr, int i, int j) const override {
        coQuickSort::arr_swap(arr, i, j); // the base body, through the copies above
    }
};

// The same vector through the heap sorter.
class StringHeap : public coHeapSort {
protected:
    void *obj_create() const override { return new std::string; }
    void obj_destroy(void *const obj) const override { delete static_cast<std::string *>(obj); }
    void obj_assign(void *const d, void *const s) const override {
        *static_cast<std::string *>(d) = *static_cast<std::string *>(s);
    }
    int obj_compare(void *const a, void *const b) const override {
        return static_cast<std::string *>(a)->compare(*static_cast<std::string *>(b));
    }
    void arr_put_copy(void *const arr, void *const obj, int i) const override {
        (*static_cast<std::vector<std::string> *>(arr))[i] = *static_cast<std::string *>(obj);
    }
    void *arr_get(void *const arr, int i) const override {
        return &(*static_cast<std::vector<std::string> *>(arr))[i];
    }
    void arr_move(void *const arr, int from, int to) const override {
        coHeapSort::arr_move(arr, from, to);
    }
};

// A set of non-negative longs in a table the user keeps outside the engine
// (the engine's slot operations are const, the storage is the user's).
// Empty slots hold -1; the table doubles at half load.
class LongSet : public coHash {
public:
    explicit LongSet(std::vector<long> &table) : slots_(table) {}
    using coHash::add;
    using coHash::find;
    using coHash::member;
    using coHash::remove;
    using coHash::size;
    int bits() const { return bits_; }

protected:
    void *obj_nil() const override { return const_cast<long *>(&nil_); }
    void obj_assign(void *const d, void *const s) const override {
        *static_cast<long *>(d) = *static_cast<long *>(s);
    }
    int obj_compare(void *const a, void *const b) const override {
        return *static_cast<long *>(a) == *static_cast<long *>(b) ? 0 : 1;
    }
    unsigned int obj_hash(void *const obj) const override {
        return static_cast<unsigned int>(*static_cast<long *>(obj));
    }
    int arr_size(void *const) const override { return bits_; }
    void arr_put_copy(void *const, void *const obj, int i) const override {
        slots_[i] = *static_cast<long *>(obj);
    }
    void *arr_get(void *const, int i) const override { return &slots_[i]; }
    void arr_move(void *const arr, int from, int to) const override {
        coHash::arr_move(arr, from, to);
    }
    void update_size(int n) override {
        if (2 * n < static_cast<int>(slots_.size())) return;
        std::vector<long> old;
        old.swap(slots_);
        slots_.assign(old.size() * 2, -1);
        ++bits_;
        count_ = 0;
        for (long v : old)
            if (v != -1) add(&v);
    }

private:
    std::vector<long> &slots_;
    int bits_ = 2;
    long nil_ = -1;
};

TEST(ClientInterface, SorterWithDocumentedSignatures) {
    std::vector<std::string> words = {"pear", "fig",  "apple", "kiwi",   "date",
                                      "plum", "lime", "fig",   "cherry", "banana"};
    std::vector<std::string> expected = words;
    std::sort(expected.begin(), expected.end());

    std::vector<std::string> quick = words;
    StringSorter q;
    q.sort(&quick, static_cast<int>(quick.size()));
    EXPECT_EQ(quick, expected);

    std::vector<std::string> heap = words;
    StringHeap h;
    h.sort(&heap, static_cast<int>(heap.size()));
    EXPECT_EQ(heap, expected);
}

TEST(ClientInterface, HashUserWithDocumentedSignatures) {
    std::vector<long> table(4, -1);
    LongSet s(table);
    for (long v = 0; v < 40; v += 3)
        EXPECT_EQ(s.add(&v), nullptr) << v;
    EXPECT_EQ(s.size(), 14);
    EXPECT_EQ(s.bits(), 5); // 4 -> 8 -> 16 -> 32 slots, half load each time
    long twelve = 12;
    EXPECT_EQ(*static_cast<long *>(s.add(&twelve)), 12);
    long out = 0;
    EXPECT_EQ(s.remove(&twelve, &out), 1);
    EXPECT_EQ(out, 12);
    for (long v = 0; v < 40; ++v)
        EXPECT_EQ(s.member(&v), v % 3 == 0 && v != 12 ? 1 : 0) << v;
}

} // namespace
