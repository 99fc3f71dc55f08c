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

    // ---- end of resources ----

    // ---- call lists and the feature pool ----
    {"coCallList::add: null registration", [] { coSender(0).calls().add(nullptr); }},
    {"coCallList::add: registration without a receiver",
     [] { coSender(0).calls().add(new coCallFunc({}, nullptr, nullptr, nullptr, 0)); }},
    {"coCallList::add: registration without a sender",
     [] { coSender(0).calls().add(new coCallFunc({}, new coReceiver(0), nullptr, nullptr, 0)); }},
    {"coCallList::add: not the calls\\(\\) of the registration's sender",
     [] { coSender(0).calls().add(new coCallFunc({}, new coReceiver(0), new coSender(0), 0, 0)); }},
    {"coCallList::add: registration 0x[0-9a-f]+ added twice",
     [] {
         coSender s(0);
         auto *f = new coCallFunc({}, new coReceiver(0), &s, nullptr, 0);
         s.calls().add(f);
         s.calls().add(f);
     }},
    {"coCallList::apply: list is being walked by another thread",
     [] {
         coSender s(0);
         const coCallReason why;
         auto walk_again = +[](void *, void *a) {
             std::thread([a] { static_cast<coSender *>(a)->calls().apply({}); }).join();
         };
         s.calls().add(new coCallFunc(why, new coReceiver(0), &s, (void (*)())walk_again, 1));
         s.calls().apply(why, &s);
     }},
    {"coFeaturePool::insert_copy: null feature",
     [] {
         struct : coFeaturePool {
             using coFeaturePool::insert_copy;
         } pool;
         pool.insert_copy(nullptr);
     }},

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
