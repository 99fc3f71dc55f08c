// The out-of-contract uses that a hardened build turns into an immediate
// abort, one row each: the message after "colib: " (a regular expression
// naming the class and the operation) and the use. Each row sets up what it
// needs; a row never depends on another.
#include <colib/colib.h>
#include <colib/foundation/config.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

struct Abort {
    const char *message;
    std::function<void()> use;
};

const std::vector<Abort> kAborts = {
    // ---- foundation and contiguous arrays ----

    // ---- end of arrays ----

    // ---- hashing ----

    // ---- end of hashing ----

    // ---- paged, hashed and sparse arrays ----

    // ---- end of paged ----

    // ---- lists and the tree ----

    // ---- end of lists ----

    // ---- resources ----
    {"coResourceTable::enter_resource: no slot for key id [0-9]+ \\(table size 0\\)",
     [] {
         struct : coResourceTable {
             using coResourceTable::enter_resource;
         } t;
         t.enter_resource(&*std::make_unique<intcoResourceKey>(), nullptr);
     }},
    {"coResourceTable::lookup_resource: the table is its own ancestor",
     [] {
         auto *t = static_cast<coResourceTable *>(::operator new(sizeof(coResourceTable)));
         (new (t) coResourceTable(t))->lookup_resource(&*std::make_unique<intcoResourceKey>());
     }},
    {"coResourceModifierBase::destructor: a later modifier of key id [0-9]+ in the same table",
     [] {
         intcoResourceKey k;
         coResourceTable t;
         auto *outer = new intcoResourceModifier(1, &k, &t);
         new intcoResourceModifier(2, &k, &t);
         delete outer;
     }},
    {"coResourceIterator::operator\\(\\): the iterator is undefined",
     [] { coResourceIterator (&*std::make_unique<coResourceTable>())(); }},
    {"intcoResourceKey::read_safe: null table", [] { intcoResourceKey().read_safe(nullptr); }},
    {"coResourceBase::constructor: null key or table",
     [] { coResourceBase(&*std::make_unique<intcoResourceKey>(), nullptr); }},
    {"coResourceModifierBase::constructor: null resource, key or table",
     [] { intcoResourceModifier(1, nullptr, nullptr); }},
    // ---- end of resources ----

    // ---- call lists and the feature pool ----

    // ---- end of notify ----
};

TEST(Aborts, EveryOutOfContractUseAbortsWithItsMessage) {
#if COLIB_HARDENED
    for (const Abort &a : kAborts)
        EXPECT_DEATH(a.use(), std::string("colib: ") + a.message) << a.message;
#else
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}

} // namespace
