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
    {"intcoSet::constructor: load percent 0 outside 1\\.\\.100", [] { intcoSet(4, 0); }},
    {"utStringcoSet::constructor: initial bits 31 outside 0\\.\\.30", [] { utStringcoSet(31, 50); }},

    // ---- end of hashing ----

    // ---- paged, hashed and sparse arrays ----

    // ---- end of paged ----

    // ---- lists and the tree ----

    // ---- end of lists ----

    // ---- resources ----

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
