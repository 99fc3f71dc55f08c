// The key/value tables, named key type first: intutStringcoTable maps int
// keys to utString values. Each has a pair class (...coTableP), a pair set
// (...coTablePcoSet, a basecoSet) with its iterator, and a key/value
// iterator named value type first (utStringintcoTablecoIterator2 walks an
// intutStringcoTable).
//
//   intintcoTable t(4, 50);
//   t[5] = 7;         // inserts (5, 0), then writes 7
//   t.read(6);        // 0: absent keys read as the default value
//   t.remove(5);      // 1
//   std::cout << t;   // "coTable {", "  size 0", "}"
//
//   utStringintcoTable words;
//   ++words["the"];                       // a string key is built only here
//   words.read(std::string_view("the"));  // 1: looked up in place
//   for (const auto &[word, n] : words)   // slot order; references to the
//       std::cout << word << " " << n;    // stored key and value
//
// Nil keys (int -2147483648, the string without text) are never stored:
// read gives the default value, operator[] a per-table scratch value (see
// detail/table.h).
//
// Every table has the operations of coTableT (detail/table.h), its pair
// set those of coSetT (detail/set.h).
#pragma once

#include <colib/hashing/detail/table.h>

// The members: M(X, key prefix, value prefix, key type, value type).
// clang-format off
#define COLIB_TABLE_MEMBERS(M, X) \
    M(X, int, int, int, int) M(X, int, double, int, double) M(X, int, utString, int, utString) \
    M(X, utString, int, utString, int) M(X, utString, double, utString, double) \
    M(X, utString, utString, utString, utString)
// clang-format on

// intintcoTableP, intintcoTablePcoSet, intintcoTablePcoSetcoIterator,
// intintcoTable, intintcoTablecoIterator2, ..., each compiled once in the
// library.
COLIB_TABLE_MEMBERS(COLIB_TABLE_CLASSES, COLIB_EXTERN_TEMPLATE)
