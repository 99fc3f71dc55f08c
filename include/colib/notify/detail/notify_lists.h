// The singly linked lists the call lists and the feature pool are built on,
// stamped out here so that the public headers read as the two families.
//
// Each member P with element type T owns five classes of its own, distinct
// from the public lists: P##coSLink, P##coSLinkItem, P##coSListB (over
// Layer: coSListCopyT for a list that can be copied, coSListCoreT for one
// that cannot) and its coIterator and coCursor. Each family names its member
// once, as M(X, P, element, layer), in the lists below:
//
//   COLIB_CALL_LIST_MEMBERS      the registration pointers under coCallList,
//                                stamped by detail/call_list.h
//   COLIB_FEATURE_POOL_MEMBERS   the owner holders under coFeaturePool,
//                                stamped by feature_pool.h once the holder
//                                is complete
//
// A header applies its list to COLIB_NOTIFY_LIST_CLASSES with
// COLIB_EXTERN_TEMPLATE, the family's .cpp to COLIB_NOTIFY_LIST_INSTANCES with
// COLIB_INSTANTIATE. Neither member has size() or prints.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/lists/detail/slist.h>

// One member's classes, then its extern template lines.
#define COLIB_NOTIFY_LIST_CLASSES(X, P, T, Layer)                                                  \
    COLIB_SLIST_PIECES(P, T, Layer)                                                                \
    COLIB_NOTIFY_LIST_INSTANCES(X, P, T, Layer)

// One member's template instances; the copying layer only where the list
// has it.
#define COLIB_NOTIFY_LIST_INSTANCES(X, P, T, Layer)                                                \
    X(coSLinkT<P##coSLink, P##coSLinkItem, T>)                                                     \
    X(coSLinkItemT<P##coSLink, T>)                                                                 \
    X(coSListCoreT<P##coSListB, P##coSLink, P##coSLinkItem, T>)                                    \
    X(coSListIterT<P##coSListBcoIterator, P##coSListB>)                                            \
    X(coSListCursorT<P##coSListBcoCursor, P##coSListBcoIterator, P##coSListB>)                     \
    COLIB_NOTIFY_LAYER_##Layer(X, P, T)
#define COLIB_NOTIFY_LAYER_coSListCoreT(X, P, T)
#define COLIB_NOTIFY_LAYER_coSListCopyT(X, P, T)                                                   \
    X(coSListCopyT<P##coSListB, P##coSLink, P##coSLinkItem, T>)

// The call lists' member: pointers to registrations, never freed by the
// list itself (coCallList frees them by the ownership rule); detail/call_list.h
// stamps it.
#define COLIB_CALL_LIST_MEMBERS(M, X) M(X, coCallFunccoSListBPtrcoPtr, coCallFunc *, coSListCopyT)

// The feature pool's member: owner holders (feature_pool.h stamps it once
// the holder is complete). No become() or copying constructor.
// clang-format off
#define COLIB_FEATURE_POOL_MEMBERS(M, X) \
    M(X, basecoFeaturecoSListBPrgcoPrg, basecoFeaturecoSListBPrgcoPrg, coSListCoreT)
// clang-format on
