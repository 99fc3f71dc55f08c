// What every container offers, checked at compile time over every concrete
// class the member lists stamp: range-for over a container and over a const
// one, the const walk handing out nothing writable, and moves that cannot
// throw.
#include <colib/colib.h>

#include <type_traits>
#include <utility>

namespace {

template <class C> struct Offers {
    // What range-for does, over the container and over a const one.
    using I = decltype(std::declval<C &>().begin());
    using K = decltype(std::declval<const C &>().begin());
    using Walks = decltype((void)(std::declval<I &>() != std::declval<C &>().end()),
                           (void)*++std::declval<I &>(),
                           (void)(std::declval<K &>() != std::declval<const C &>().end()),
                           (void)*++std::declval<K &>());
    using R = decltype(*std::declval<K &>());
    static_assert(!std::is_reference_v<R> || std::is_const_v<std::remove_reference_t<R>>,
                  "a const container hands out const references");
    static_assert(std::is_nothrow_move_constructible_v<C> && std::is_nothrow_move_assignable_v<C>,
                  "moves do not throw");
};
template <class... C> constexpr bool all = ((sizeof(Offers<C>) > 0) && ...);

// The member lists give the element prefix; the family's name follows it.
#define ONE(X, P, ...) , P##X
#define PAIR(X, KP, VP, ...) , KP##VP##X
#define KEY(X, K) , K##X
template <class, class... C> constexpr bool all_of = all<C...>;

// clang-format off
static_assert(all_of<void
    COLIB_DYN_ARR_MEMBERS(ONE, coDynArr) COLIB_STACK_FAST_MEMBERS(ONE, coStackFast)
    COLIB_DYN_ARR2D_MEMBERS(ONE, coDynArr2D) COLIB_DYN_ARR3D_MEMBERS(ONE, coDynArr3D)
    COLIB_FIXED_ARR_MEMBERS(ONE, coFixedArr) COLIB_FIXED_ARR2D_MEMBERS(ONE, coFixedArr2D)
    COLIB_VARIABLE_ARR_MEMBERS(ONE, coVariableArr)
    COLIB_SET_MEMBERS(ONE, coSet) COLIB_POINTER_SET_MEMBERS(ONE, coSet)
    COLIB_TABLE_MEMBERS(PAIR, coTable) COLIB_TABLE_MEMBERS(PAIR, coTablePcoSet)
    COLIB_PAGE_ARR_MEMBERS(ONE, coPageArr) COLIB_HASHED_ARR_MEMBERS(ONE, coHashedArr)
    COLIB_HASHED_ARR_MEMBERS(ONE, coHashedArrINTERNALcoPageArr)
    COLIB_HASHED_ARR2D_MEMBERS(ONE, coHashedArr2D) COLIB_HASHED_KEYS_MEMBERS(KEY, coSet)
    COLIB_SPARSE_ARR_MEMBERS(ONE, coSparseArr2D)
    COLIB_SLIST_MEMBERS(ONE, coSListB) COLIB_SLIST_MEMBERS(ONE, coSList)
    COLIB_DLIST_MEMBERS(ONE, coDListB) COLIB_DLIST_MEMBERS(ONE, coDList)
    COLIB_STACK_QUEUE_MEMBERS(ONE, ) COLIB_PAGE_DLIST_MEMBERS(ONE, coPageDList)
    COLIB_SORTED_LIST_MEMBERS(ONE, coSortedList),
    intcoFastStackINTERNALcoDynArr, utStringcoFastStackINTERNALcoDynArr, voidcoPointerSet,
    utAnycoPageArrINTERNALcoDynArr, doublecoSparseArr2D, coTree,
    coResourceBasecoPageArrPtrcoPtrcoPageArr, coFeaturePool>);
// clang-format on
// Left out: coResourceTable and coCallList cannot be moved at all.

} // namespace
