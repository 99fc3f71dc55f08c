// The out-of-contract uses that a hardened build turns into an immediate
// abort, one row each: the message after "colib: " (a regular expression
// naming the class and the operation) and the use. Each row sets up what it
// needs; a row never depends on another.
#include <colib/colib.h>
#include <colib/foundation/config.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Abort {
    const char *message;
    std::function<void()> use;
};

const std::vector<Abort> kAborts = {
    // ---- foundation and contiguous arrays ----
    // clang-format off
    {"intcoDynArr::operator\\[\\] const: index 7 out of range \\[0, 3\\)", [] { const intcoDynArr a{1, 2, 3}; a[7]; }},
    {"intcoDynArr::operator\\[\\]: negative index -2", [] { intcoDynArr()[-2]; }},
    {"intcoDynArr::constructor: negative capacity -1", [] { intcoDynArr(-1, 1); }},
    {"doublecoDynArr::constructor: step 0 below 1", [] { doublecoDynArr(0, 0); }},
    {"intcoDynArr::reserve: negative count -1", [] { intcoDynArr().reserve(-1); }},
    {"intcoDynArr::expand: negative count -4", [] { intcoDynArr().expand(-4); }},
    {"charcoDynArr::shrink: negative count -1", [] { charcoDynArr().shrink(-1, 0); }},
    {"utAnycoDynArr::read: index 1 out of range \\[0, 1\\)", [] { utAnycoDynArr{nullptr}.read(1); }},
    {"intcoDynArrcoIterator::operator\\*: the array was reallocated", [] { intcoDynArr a{1}; intcoDynArrcoIterator it(&a); a.append(2); *it; }},
    {"intcoDynArrcoIterator::operator->: no current element \\(position 0 of 0\\)", [] { intcoDynArr a; intcoDynArrcoIterator(&a).operator->(); }},
    {"intcoStackFast::pop: the stack is empty", [] { intcoStackFast().pop(); }},
    {"utStringcoStackFast::top: the stack is empty", [] { utStringcoStackFast().top(); }},
    {"intcoDynArr2D::operator\\(\\) const: index \\(3, 0\\) outside the used extents 3 x 2", [] { const intcoDynArr2D a{{1, 2, 3}, {4, 5, 6}}; a(3, 0); }},
    {"intcoDynArr2D::operator\\(\\): negative index \\(-1, 0\\)", [] { intcoDynArr2D()(-1, 0); }},
    {"doublecoDynArr2D::constructor: negative capacity -1", [] { doublecoDynArr2D(-1, 1, 1, 1); }},
    {"intcoDynArr2D::constructor: step 0 below 1", [] { intcoDynArr2D(1, 1, 1, 0); }},
    {"intcoDynArr2D::reserve: negative extents \\(-1, 0\\)", [] { intcoDynArr2D().reserve(-1, 0); }},
    {"intcoDynArr2D::expand: negative extents \\(0, -2\\)", [] { intcoDynArr2D().expand(0, -2); }},
    {"floatcoDynArr2D::shrink: negative extents", [] { floatcoDynArr2D().shrink(-1, 0, 1); }},
    {"intcoDynArr3D::operator\\(\\) const: index \\(0, 0, 2\\) outside the used extents 1 x 1 x 2", [] { const intcoDynArr3D a{{{7}}, {{8}}}; a(0, 0, 2); }},
    {"intcoDynArr3D::operator\\(\\): negative index", [] { intcoDynArr3D()(0, -1, 0); }},
    {"utStringcoDynArr3D::constructor: step 0 below 1", [] { utStringcoDynArr3D(1, 1, 1, 1, 0, 1); }},
    {"intcoDynArr3D::reserve: negative extents \\(0, 0, -1\\)", [] { intcoDynArr3D().reserve(0, 0, -1); }},
    {"charcoDynArr3D::expand: negative extents", [] { charcoDynArr3D().expand(-1, 0, 0); }},
    {"intcoDynArr3D::shrink: negative extents", [] { intcoDynArr3D().shrink(0, -1, 0, 0); }},
    {"intcoFixedArr::operator\\[\\] const: index 3 out of range \\[0, 3\\)", [] { const intcoFixedArr a{1, 2, 3}; a[3]; }},
    {"intcoFixedArr::operator\\[\\]: index 0 of an invalid array", [] { intcoFixedArr()[0]; }},
    {"utStringcoFixedArr::constructor: negative size -2", [] { utStringcoFixedArr(-2); }},
    {"intcoFixedArr2D::operator\\(\\) const: index \\(2, 0\\) outside the extents 2 x 3", [] { const intcoFixedArr2D a{{1, 2}, {3, 4}, {5, 6}}; a(2, 0); }},
    {"intcoFixedArr2D::operator\\(\\): index \\(0, 0\\) of an invalid matrix", [] { intcoFixedArr2D()(0, 0); }},
    {"doublecoFixedArr2D::allocate: extents 0 x 3 below 1", [] { doublecoFixedArr2D(0, 3); }},
    {"intcoFixedArr2D::constructor: column 1 longer than the first", [] { intcoFixedArr2D({{1}, {2, 3}}); }},
    {"intcoFixedArr2D::constructor: list extents 0 x 1 below 1", [] { intcoFixedArr2D{{}}; }},
    {"doublecoPrgArray::become: the handle already owns this array", [] { doublecoPrgArray h(new double[2]); h.become(h.get()); }},
    {"intcoVariableArr::read: index 2 out of range \\[0, 2\\)", [] { intcoVariableArr{1, 2}.read(2); }},
    {"intcoVariableArr::operator\\[\\]: negative index -1", [] { intcoVariableArr()[-1]; }},
    {"intcoVariableArr::shrink: negative count -3", [] { intcoVariableArr().shrink(-3, 1); }},
    {"charcoVariableArr::reserve: negative count -1", [] { charcoVariableArr().reserve(-1); }},
    {"intcoVariableArrcoIterator::operator\\(\\): no current element", [] { intcoVariableArr a{1}; intcoVariableArrcoIterator it(&a); it(); }},
    // clang-format on

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
