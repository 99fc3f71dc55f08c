#include <colib/hashing/interfaces.h>
#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

namespace {

// Overrides only what the default moves and swaps need, and logs the
// calls so the order of the slots they go through can be checked.
class Strings : public coArrInterface {
public:
    std::vector<std::string> v;
    mutable std::vector<std::string> log;

    void *obj_create_copy(void *const obj) const override {
        log.push_back("copy");
        return new std::string(*static_cast<std::string *>(obj));
    }
    void obj_destroy(void *const obj) const override {
        log.push_back("destroy");
        delete static_cast<std::string *>(obj);
    }
    void *arr_get(void *const, int i) const override {
        log.push_back("get " + std::to_string(i));
        return const_cast<std::string *>(&v[i]);
    }
    void arr_put_copy(void *const, void *const obj, int i) override {
        log.push_back("put " + std::to_string(i));
        v[i] = *static_cast<std::string *>(obj);
    }
};

// Objects are destroyed through the interfaces.
static_assert(std::has_virtual_destructor_v<coArrInterface>);

TEST(Interfaces, NullAsksTheComparisonWithNilFirst) {
    struct Ints : coArrInterface {
        int nil = -1;
        mutable const void *first = nullptr;
        void *obj_nil() const override { return const_cast<int *>(&nil); }
        int obj_compare(void *const a, void *const b) const override {
            first = a;
            return *static_cast<int *>(a) != *static_cast<int *>(b);
        }
    } s;
    int x = 4, y = -1;
    EXPECT_EQ(s.obj_null(&x), 0);
    EXPECT_EQ(s.first, &s.nil);
    EXPECT_EQ(s.obj_null(&y), 1);
    // The default comparison calls everything equal, so everything is nil.
    struct Bare : coArrInterface {
    } b;
    EXPECT_EQ(b.obj_null(&x), 1);
    EXPECT_EQ(b.obj_hash(&x) + b.arr_size(nullptr), 0u);
    EXPECT_EQ(b.obj_create_copy(&x), nullptr);
    b.arr_move(nullptr, 0, 1); // stores from a null handle into nothing
}

TEST(Interfaces, MoveAndSwapGoThroughTheSlots) {
    Strings s;
    s.v = {"a", "b", "c"};
    s.arr_move(nullptr, 2, 0);
    EXPECT_EQ(s.v, (std::vector<std::string>{"c", "b", "c"}));
    EXPECT_EQ(s.log, (std::vector<std::string>{"get 2", "put 0"}));

    s.log.clear();
    s.arr_swap(nullptr, 0, 1);
    EXPECT_EQ(s.v, (std::vector<std::string>{"b", "c", "c"}));
    EXPECT_EQ(s.log,
              (std::vector<std::string>{"get 0", "copy", "get 1", "put 0", "put 1", "destroy"}));

    s.arr_swap(nullptr, 1, 1);
    s.arr_move(nullptr, 0, 0);
    EXPECT_EQ(s.v, (std::vector<std::string>{"b", "c", "c"}));
}

} // namespace
