// The out-of-contract uses that a hardened build turns into an immediate
// abort, one row each: the message after "colib: " (a regular expression
// naming the class and the operation) and the use. Each row sets up what it
// needs; a row never depends on another.
#include <colib/colib.h>
#include <colib/foundation/config.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
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
    {"intcoPageArr::constructor: block shift 31", [] { intcoPageArr(31, 1, 1); }},
    {"utAnycoPageArrINTERNALcoDynArr::constructor: step 0", [] { intcoPageArr(2, 1, 0); }},
    {"utAnycoPageArrINTERNALcoDynArr::constructor: negative capacity -1",
     [] { intcoPageArr(2, -1, 1); }},
    {"intcoPageArr::operator\\[\\]: negative index -1", [] { intcoPageArr()[-1] = 0; }},
    {"intcoPageArr::operator\\[\\] const: index 2 out of range \\[0, 2\\)",
     [] {
         (void)static_cast<const intcoPageArr &>(intcoPageArr{1, 2})[2];
     }},
    {"intcoPageArr::block: block 1 out of range \\[0, 1\\)", [] { intcoPageArr{1}.block(1); }},
    {"intcoPageArr::enter: index 256 outside the 256", [] { intcoPageArr{1}.enter(256, 0); }},
    {"intcoPageArr::expand: negative count -1", [] { intcoPageArr().expand(-1); }},
    {"intcoPageArr::copy: negative", [] { intcoPageArr().copy(intcoPageArr(), -1, 0, 0); }},
    {"intcoPageArr::copyout: range \\[0, 0 \\+ 3\\)",
     [] { intcoPageArr{1}.copyout(nullptr, 3, 0, 0); }},
    {"intcoPageArrcoIterator::operator\\(\\): no current element",
     [] { intcoPageArrcoIterator(nullptr)(); }},
    {"intcoHashedArr::write: index -1 is the nil index", [] { intcoHashedArr()[-1] = 5; }},
    {"intcoHashedArr::get_object: index 4 was never written",
     [] {
         struct : intcoHashedArr {
             using intcoHashedArr::get_object;
         } a;
         a.get_object(4);
     }},
    {"doublecoHashedArrcoIterator::value: no current element",
     [] {
         (void)doublecoHashedArrcoIterator(std::make_unique<doublecoHashedArr>().get()).value();
     }},
    {"intcoHashedArr2D::write: the pair \\(-1, -1\\) is the nil pair",
     [] { intcoHashedArr2D()[-1][-1] = 5; }},
    {"charcoHashedArr2DcoIterator::value: no current element",
     [] {
         (void)charcoHashedArr2DcoIterator(std::make_unique<charcoHashedArr2D>().get()).value();
     }},
    {"doublecoSparseArr2D::write: negative position \\(-1, 0\\)",
     [] { doublecoSparseArr2D().write(-1, 0, 1); }},
    {"doublecoSparseArr2D::operator\\(\\): negative position \\(0, -2\\)",
     [] { doublecoSparseArr2D()(0, -2); }},
    {"intcoSparseArr2D::read: negative position", [] { (void)intcoSparseArr2D().read(-1, 0); }},
    {"doublecoSparseArr2D::row: negative index -1", [] { (void)doublecoSparseArr2D().row(-1); }},
    {"intcoSparseArr2D::column: negative index -3", [] { (void)intcoSparseArr2D().column(-3); }},
    {"basecoSparseArr2D::get_index: negative position \\(0, -1\\)",
     [] {
         struct : basecoSparseArr2D {
             using basecoSparseArr2D::get_index;
         } a;
         a.get_index(0, -1);
     }},
    {"basecoSparseArr2D::find: negative position \\(-4, 0\\)",
     [] { (void)intcoSparseArr2D().find(-4, 0); }},
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
