// Which members print: the stream operators exist exactly where the
// families promise them, and nowhere else (a call that should not compile
// must not find a conversion either).
#include <colib/colib.h>

#include <gtest/gtest.h>

#include <ostream>
#include <type_traits>
#include <utility>

namespace {

template <class T, class = void> struct prints : std::false_type {};
template <class T>
struct prints<T, std::void_t<decltype(std::declval<std::ostream &>() << std::declval<const T &>()),
                             decltype(std::declval<utOstream &>() << std::declval<const T &>())>>
    : std::true_type {};

static_assert(prints<utAnycoDynArr>::value && prints<intcoDynArr>::value);
static_assert(!prints<utAnycoPageArrINTERNALcoDynArr>::value, "the block table never prints");
static_assert(prints<intcoPageArr>::value && prints<utStringcoPageArr>::value);
static_assert(!prints<longcoPageArr>::value && !prints<floatcoPageArr>::value &&
              !prints<utInt64coPageArr>::value);
static_assert(prints<intcoDList>::value && !prints<coTreecoDListPtrcoPtrcoDList>::value);

TEST(StreamOperators, ChosenAtCompileTime) {
    SUCCEED(); // the checks above are the test
}

} // namespace
