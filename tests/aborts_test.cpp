// The out-of-contract uses that a hardened build turns into an immediate
// abort, one row each: the message after "colib: " (a regular expression
// naming the class and the operation) and the use. Each row sets up what it
// needs; a row never depends on another.
#include <colib/colib.h>
#include <colib/foundation/config.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
// g++ 12 at -O2 warns about uninitialised members inside <regex> itself.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#include <string>
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


    // ---- hashing ----
    {"intcoSet::constructor: load percent 0 outside 1\\.\\.100", [] { intcoSet(4, 0); }},
    {"utStringcoSet::constructor: initial bits 31 outside 0\\.\\.30", [] { utStringcoSet(31, 50); }},


    // ---- paged, hashed and sparse arrays ----
    {"intcoPageArr::constructor: block shift 31", [] { intcoPageArr(31, 1, 1); }},
    {"utAnycoPageArrINTERNALcoDynArr::constructor: step 0", [] { intcoPageArr(2, 1, 0); }},
    {"utAnycoPageArrINTERNALcoDynArr::constructor: negative capacity -1", [] { intcoPageArr(2, -1, 1); }},
    {"intcoPageArr::operator\\[\\]: negative index -1", [] { intcoPageArr()[-1] = 0; }},
    {"intcoPageArr::operator\\[\\] const: index 2 out of range \\[0, 2\\)", [] { (void)static_cast<const intcoPageArr &>(intcoPageArr{1, 2})[2]; }},
    {"intcoPageArr::block: block 1 out of range \\[0, 1\\)", [] { intcoPageArr{1}.block(1); }},
    {"intcoPageArr::enter: index 256 outside the 256", [] { intcoPageArr{1}.enter(256, 0); }},
    {"intcoPageArr::expand: negative count -1", [] { intcoPageArr().expand(-1); }},
    {"intcoPageArr::copy: negative", [] { intcoPageArr().copy(intcoPageArr(), -1, 0, 0); }},
    {"intcoPageArr::copyout: range \\[0, 0 \\+ 3\\)", [] { intcoPageArr{1}.copyout(nullptr, 3, 0, 0); }},
    {"intcoPageArrcoIterator::operator\\(\\): no current element", [] { intcoPageArrcoIterator(nullptr)(); }},
    {"intcoHashedArr::write: index -1 is the nil index", [] { intcoHashedArr()[-1] = 5; }},
    {"intcoHashedArr::get_object: index 4 was never written", [] { struct : intcoHashedArr { using intcoHashedArr::get_object; } a; a.get_object(4); }},
    {"doublecoHashedArrcoIterator::value: no current element", [] { (void)doublecoHashedArrcoIterator(std::make_unique<doublecoHashedArr>().get()).value(); }},
    {"intcoHashedArr2D::write: the pair \\(-1, -1\\) is the nil pair", [] { intcoHashedArr2D()[-1][-1] = 5; }},
    {"charcoHashedArr2DcoIterator::value: no current element", [] { (void)charcoHashedArr2DcoIterator(std::make_unique<charcoHashedArr2D>().get()).value(); }},
    {"doublecoSparseArr2D::write: negative position \\(-1, 0\\)", [] { doublecoSparseArr2D().write(-1, 0, 1); }},
    {"doublecoSparseArr2D::operator\\(\\): negative position \\(0, -2\\)", [] { doublecoSparseArr2D()(0, -2); }},
    {"intcoSparseArr2D::read: negative position", [] { (void)intcoSparseArr2D().read(-1, 0); }},
    {"doublecoSparseArr2D::row: negative index -1", [] { (void)doublecoSparseArr2D().row(-1); }},
    {"intcoSparseArr2D::column: negative index -3", [] { (void)intcoSparseArr2D().column(-3); }},
    {"basecoSparseArr2D::get_index: negative position \\(0, -1\\)", [] { struct : basecoSparseArr2D { using basecoSparseArr2D::get_index; } a; a.get_index(0, -1); }},
    {"basecoSparseArr2D::find: negative position \\(-4, 0\\)", [] { (void)intcoSparseArr2D().find(-4, 0); }},
    {"basecoSparseArr2D::set_index_limit: limit 0 below 1", [] { intcoSparseArr2D().set_index_limit(0); }},

    // ---- lists and the tree ----
    {"intcoSListB::remove_first: empty list", [] { intcoSListB().remove_first(); }},
    {"utStringcoSListB::first_item: empty list", [] { utStringcoSListB().first_item(); }},
    {"intcoSListBcoIterator::operator\\(\\): undefined walker", [] { static_cast<const intcoSListBcoIterator &>(intcoSList{1})(); }},
    {"intcoSListBcoCursor::operator\\(\\): undefined cursor", [] { intcoSList{1}(); }},
    {"intcoSListBcoCursor::remove: undefined cursor", [] { intcoSList{1}.remove(); }},
    {"intcoSListBcoCursor::remove_last: empty list", [] { intcoSList().remove_last(); }},
    {"intcoStack::pop: empty stack", [] { intcoStack().pop(); }},
    {"doublecoQueue::head: empty queue", [] { doublecoQueue().head(); }},
    {"intcoDListB::remove_first: empty list", [] { intcoDListB().remove_first(); }},
    {"intcoDListBcoIterator::operator\\(\\): undefined walker", [] { static_cast<const intcoDListBcoIterator &>(intcoDList{1})(); }},
    {"intcoDListBcoCursor::remove: undefined cursor", [] { intcoDList{1}.remove(); }},
    {"intcoDListBcoCursor::remove_last: empty list", [] { intcoDList().remove_last(); }},
    {"intcoDList::read: undefined cursor", [] { intcoDList{1}.read(); }},
    {"intcoPageDList::remove_first: empty list", [] { intcoPageDList().remove_first(); }},
    {"intcoPageDList::remove: undefined cursor", [] { intcoPageDList().remove(); }},
    {"intcoPageDList::read: undefined cursor", [] { intcoPageDList().read(); }},
    {"intcoPageDList::operator\\[\\]: index 0 out of range \\[0, 0\\)", [] { intcoPageDList()[0]; }},
    {"intcoPageDListcoIterator::operator\\(\\): undefined walker", [] { intcoPageDList().cursor()(); }},
    {"intcoSortedList::remove_first: empty list", [] { intcoSortedList().remove_first(); }},
    {"intcoSortedListcoCursor::remove: undefined cursor", [] { intcoSortedList{1}.find(2).remove(); }},
    {"intcoSortedListcoIterator::operator\\(\\): undefined walker", [] { static_cast<const intcoSortedList &>(intcoSortedList{1}).find(2)(); }},
    {"coTree::add: not a root",
     [] {
         struct All : coTreeObj {
             int is_ancestor(const coTreeObj *) const override { return 1; }
         } a, b;
         coTree root;
         root.add(&a);
         (*root.begin())->add(&b);
     }},

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
    {"coResourceIterator::operator\\(\\): the iterator is undefined", [] { coResourceIterator (&*std::make_unique<coResourceTable>())(); }},
    {"intcoResourceKey::read_safe: null table", [] { intcoResourceKey().read_safe(nullptr); }},
    {"coResourceBase::constructor: null key or table", [] { coResourceBase(&*std::make_unique<intcoResourceKey>(), nullptr); }},
    {"coResourceModifierBase::constructor: null resource, key or table", [] { intcoResourceModifier(1, nullptr, nullptr); }},

    // ---- call lists and the feature pool ----
    {"coCallList::add: null registration", [] { coSender(0).calls().add(nullptr); }},
    {"coCallList::add: registration without a receiver", [] { coSender(0).calls().add(new coCallFunc({}, nullptr, nullptr, nullptr, 0)); }},
    {"coCallList::add: registration without a sender", [] { coSender(0).calls().add(new coCallFunc({}, new coReceiver(0), nullptr, nullptr, 0)); }},
    {"coCallList::add: not the calls\\(\\) of the registration's sender", [] { coSender(0).calls().add(new coCallFunc({}, new coReceiver(0), new coSender(0), 0, 0)); }},
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
         for (int i = 0; i < 2; ++i) // one link alone is called without a walk
             s.calls().add(new coCallFunc(why, new coReceiver(0), &s, (void (*)())walk_again, 1));
         s.calls().apply(why, &s);
     }},
    {"coFeaturePool::insert_copy: null feature", [] { struct : coFeaturePool { using coFeaturePool::insert_copy; } pool; pool.insert_copy(nullptr); }},
    // clang-format on
};

// The message as a C++ regular expression: GoogleTest's own engine on
// Windows has no brackets.
class Message : public ::testing::MatcherInterface<const std::string &> {
public:
    explicit Message(const char *message) : text_(std::string("colib: ") + message), re_(text_) {}
    bool MatchAndExplain(const std::string &s, ::testing::MatchResultListener *) const override {
        return std::regex_search(s, re_);
    }
    void DescribeTo(std::ostream *os) const override {
        *os << "contains regular expression \"" << text_ << '"';
    }

private:
    std::string text_;
    std::regex re_;
};

TEST(Aborts, EveryOutOfContractUseAbortsWithItsMessage) {
#if COLIB_HARDENED
    for (const Abort &a : kAborts)
        EXPECT_DEATH(a.use(), ::testing::MakeMatcher(new Message(a.message))) << a.message;
#else
    GTEST_SKIP() << "contract checks are off in this build";
#endif
}

} // namespace
