#include <colib/notify/feature_pool.h>

#include "support/values.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

int live_features = 0;

// A feature holding a string; factory-made objects own their data, others
// only refer to it. The identity is chosen per object.
class Text : public basecoFeature {
public:
    explicit Text(int id = 0, const char *text = nullptr) : id_(id) {
        ++live_features;
        if (text) set_data(new std::string(text)); // the client's own
        owns_ = text != nullptr;
    }
    ~Text() override {
        --live_features;
        if (owns_ || factory_made()) delete str();
    }
    basecoFeature *create() override { return new Text(id_); }
    void build() override { set_data(new std::string("built")); }
    void assign(const basecoFeature &o) override {
        const auto &t = static_cast<const Text &>(o);
        id_ = t.id_;
        set_data(t.invalid() ? nullptr : new std::string(*t.str()));
    }
    coFeatureID feature_id() const override { return coFeatureID(id_); }

    std::string *str() const { return static_cast<std::string *>(data()); }
    std::string text() const { return invalid() ? "<invalid>" : *str(); }
    using basecoFeature::check_out;
    using basecoFeature::copy;
    using basecoFeature::make;
    using basecoFeature::test;

private:
    int id_;
    bool owns_ = false;
};

// The pool's contents as "id=text", front to back.
std::vector<std::string> contents(const coFeaturePool &p) {
    std::vector<std::string> out;
    for (const basecoFeature &f : p)
        out.push_back(std::to_string(f.feature_id().id()) + "=" +
                      static_cast<const Text &>(f).text());
    return out;
}
using Strings = std::vector<std::string>;

class FeaturePool : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(live_features, 0); }
};

TEST_F(FeaturePool, FeatureOperations) {
    Text a(1, "a"), b(1, "b"), c(2, "c");
    EXPECT_EQ(a.factory_made(), 0);
    EXPECT_EQ(a.test(b), 1);
    EXPECT_EQ(a.test(c), 0);
    {
        Text *copy = static_cast<Text *>(a.copy());
        EXPECT_EQ(copy->factory_made(), 1);
        EXPECT_EQ(copy->text(), "a");
        EXPECT_NE(copy->str(), a.str());
        delete copy;
    }
    Text blank(3);
    EXPECT_EQ(blank.invalid(), 1);
    Text *made = static_cast<Text *>(blank.make());
    EXPECT_EQ(made->factory_made(), 1);
    EXPECT_EQ(blank.data(), made->data()); // blank refers to the new object's data
    EXPECT_EQ(blank.text(), "built");
    blank.set_invalid();
    delete made;

    Text other(1);
    EXPECT_EQ(c.check_out(other), 0);
    EXPECT_EQ(other.invalid(), 1);
    EXPECT_EQ(a.check_out(other), 1);
    EXPECT_EQ(other.data(), a.data());
    other.set_invalid();
    // Copying a holder hands the feature over, even from a const source.
    const basecoFeaturecoSListBPrgcoPrg held(a.copy());
    basecoFeaturecoSListBPrgcoPrg taken(held);
    EXPECT_EQ(held.get(), nullptr);
    EXPECT_EQ(taken->factory_made(), 1);
    EXPECT_EQ(coFeatureID(4) == coFeatureID(4), 1);
    EXPECT_EQ(coFeatureID(4) == coFeatureID(5), 0);
}

TEST_F(FeaturePool, CopyKeepsOneCopyPerIdentityAtTheEnd) {
    coFeaturePool pool;
    Text a(1, "a"), b(2, "b"), a2(1, "a2"), none(2);
    pool.copy(a);
    pool.copy(b);
    EXPECT_EQ(contents(pool), (Strings{"1=a", "2=b"}));
    pool.copy(a2); // the second copy of identity 1 replaces the first, at the end
    EXPECT_EQ(contents(pool), (Strings{"2=b", "1=a2"}));
    EXPECT_EQ(pool.count(), 2);
    for (const basecoFeature &f : pool)
        EXPECT_EQ(f.factory_made(), 1);
    pool.copy(none); // an invalid feature only removes
    EXPECT_EQ(contents(pool), (Strings{"1=a2"}));
    pool.copy(none);
    EXPECT_EQ(contents(pool), (Strings{"1=a2"}));
}

TEST_F(FeaturePool, GetSharesTheStoredData) {
    coFeaturePool pool;
    Text a(1, "a");
    pool.copy(a);
    Text asked(1), missing(9);
    EXPECT_EQ(pool.get(asked), 1);
    EXPECT_EQ(asked.text(), "a");
    EXPECT_EQ(asked.data(), (*pool.begin()).data()); // the pointer, not a copy
    EXPECT_NE(asked.data(), a.data());
    EXPECT_EQ(pool.get(missing), 0);
    EXPECT_EQ(missing.invalid(), 1);
    EXPECT_EQ(pool.get(asked), 1); // asked again: the same data
    EXPECT_EQ(asked.data(), (*pool.begin()).data());
}

TEST_F(FeaturePool, RemoveClearAndBecome) {
    coFeaturePool pool, other;
    Text a(1, "a"), b(2, "b"), c(3, "c");
    EXPECT_EQ(pool.remove(a), 0);
    pool.copy(a);
    pool.copy(b);
    pool.copy(c);
    EXPECT_EQ(pool.remove(b), 1);
    EXPECT_EQ(pool.remove(b), 0);
    EXPECT_EQ(contents(pool), (Strings{"1=a", "3=c"}));

    other.copy(c);
    other.become(utCOPY, pool);
    EXPECT_EQ(contents(other), (Strings{"1=a", "3=c"}));
    auto p = pool.begin();
    for (const basecoFeature &f : other) {
        EXPECT_EQ(f.factory_made(), 1);
        EXPECT_NE(f.data(), (*p++).data()); // fresh copies
    }
    const void *first = (*pool.begin()).data();
    pool.become(utCOPY, pool); // from itself: the same objects
    EXPECT_EQ((*pool.begin()).data(), first);
    EXPECT_EQ(contents(pool), (Strings{"1=a", "3=c"}));

    coFeaturePool copied(utCOPY, pool);
    EXPECT_EQ(contents(copied), contents(pool));
    coFeaturePool moved(std::move(copied));
    EXPECT_TRUE(copied.empty());
    EXPECT_EQ(contents(moved), (Strings{"1=a", "3=c"}));
    copied = std::move(moved);
    EXPECT_TRUE(moved.empty());
    EXPECT_EQ(copied.count(), 2);
    moved.copy(a); // a moved-from pool is usable
    EXPECT_EQ(moved.count(), 1);

    pool.clear();
    EXPECT_TRUE(pool.empty());
}

// The protected insert: invalid copies are deleted, never stored.
struct OpenPool : coFeaturePool {
    using coFeaturePool::insert_copy;
};

TEST_F(FeaturePool, InsertCopyStoresOnlyValidCopies) {
    OpenPool pool;
    pool.insert_copy(new Text(1));
    EXPECT_TRUE(pool.empty());
    Text a(1, "a");
    pool.insert_copy(a.copy());
    pool.insert_copy(a.copy()); // insert_copy does not dedupe
    EXPECT_EQ(pool.count(), 2);
    colib_test::expect_deaths("coFeaturePool::insert_copy: ",
                              {{[&] { pool.insert_copy(nullptr); }, "null feature"}});
}

} // namespace
