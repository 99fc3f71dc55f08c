// The key/value tables, named key type first: intutStringcoTable maps int
// keys to utString values. Each has a pair class (...coTableP), a pair set
// (...coTablePcoSet, a basecoSet) with its iterator, and, but for the
// resource-key table, a key/value iterator named value type first
// (utStringintcoTablecoIterator2 walks an intutStringcoTable).
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
// detail/table.h). The resource-key table does not own the keys its values
// point to, and does not print.
#pragma once

#include <colib/foundation/instances.h>
#include <colib/hashing/detail/table.h>

// intintcoTable: int keys, int values.
class COLIB_API intintcoTableP : public coTablePT<intintcoTableP, int, int> {
public:
    using coTablePT::coTablePT;
};
class COLIB_API intintcoTablePcoSet
    : public coSetT<intintcoTablePcoSet, intintcoTableP, coTablePElem<intintcoTableP>> {
public:
    using coSetT::coSetT;
};
class COLIB_API intintcoTablePcoSetcoIterator
    : public coSetIterT<intintcoTablePcoSetcoIterator, intintcoTablePcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API intintcoTable : public coTableT<intintcoTable, intintcoTablePcoSet, true> {
public:
    using coTableT::coTableT;
};
class COLIB_API intintcoTablecoIterator2
    : public coTableIter2T<intintcoTablecoIterator2, intintcoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

// intdoublecoTable: int keys, double values.
class COLIB_API intdoublecoTableP : public coTablePT<intdoublecoTableP, int, double> {
public:
    using coTablePT::coTablePT;
};
class COLIB_API intdoublecoTablePcoSet
    : public coSetT<intdoublecoTablePcoSet, intdoublecoTableP, coTablePElem<intdoublecoTableP>> {
public:
    using coSetT::coSetT;
};
class COLIB_API intdoublecoTablePcoSetcoIterator
    : public coSetIterT<intdoublecoTablePcoSetcoIterator, intdoublecoTablePcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API intdoublecoTable : public coTableT<intdoublecoTable, intdoublecoTablePcoSet, true> {
public:
    using coTableT::coTableT;
};
class COLIB_API doubleintcoTablecoIterator2
    : public coTableIter2T<doubleintcoTablecoIterator2, intdoublecoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

// intutStringcoTable: int keys, utString values.
class COLIB_API intutStringcoTableP : public coTablePT<intutStringcoTableP, int, utString> {
public:
    using coTablePT::coTablePT;
};
class COLIB_API intutStringcoTablePcoSet
    : public coSetT<intutStringcoTablePcoSet, intutStringcoTableP,
                    coTablePElem<intutStringcoTableP>> {
public:
    using coSetT::coSetT;
};
class COLIB_API intutStringcoTablePcoSetcoIterator
    : public coSetIterT<intutStringcoTablePcoSetcoIterator, intutStringcoTablePcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API intutStringcoTable
    : public coTableT<intutStringcoTable, intutStringcoTablePcoSet, true> {
public:
    using coTableT::coTableT;
};
class COLIB_API utStringintcoTablecoIterator2
    : public coTableIter2T<utStringintcoTablecoIterator2, intutStringcoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

// utStringintcoTable: string keys, int values (a word counter: ++t["word"]).
class COLIB_API utStringintcoTableP : public coTablePT<utStringintcoTableP, utString, int> {
public:
    using coTablePT::coTablePT;
};
class COLIB_API utStringintcoTablePcoSet
    : public coSetT<utStringintcoTablePcoSet, utStringintcoTableP,
                    coTablePElem<utStringintcoTableP>> {
public:
    using coSetT::coSetT;
};
class COLIB_API utStringintcoTablePcoSetcoIterator
    : public coSetIterT<utStringintcoTablePcoSetcoIterator, utStringintcoTablePcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API utStringintcoTable
    : public coTableT<utStringintcoTable, utStringintcoTablePcoSet, true> {
public:
    using coTableT::coTableT;
};
class COLIB_API intutStringcoTablecoIterator2
    : public coTableIter2T<intutStringcoTablecoIterator2, utStringintcoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

// utStringdoublecoTable: string keys, double values.
class COLIB_API utStringdoublecoTableP
    : public coTablePT<utStringdoublecoTableP, utString, double> {
public:
    using coTablePT::coTablePT;
};
class COLIB_API utStringdoublecoTablePcoSet
    : public coSetT<utStringdoublecoTablePcoSet, utStringdoublecoTableP,
                    coTablePElem<utStringdoublecoTableP>> {
public:
    using coSetT::coSetT;
};
class COLIB_API utStringdoublecoTablePcoSetcoIterator
    : public coSetIterT<utStringdoublecoTablePcoSetcoIterator, utStringdoublecoTablePcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API utStringdoublecoTable
    : public coTableT<utStringdoublecoTable, utStringdoublecoTablePcoSet, true> {
public:
    using coTableT::coTableT;
};
class COLIB_API doubleutStringcoTablecoIterator2
    : public coTableIter2T<doubleutStringcoTablecoIterator2, utStringdoublecoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

// utStringutStringcoTable: string keys, string values.
class COLIB_API utStringutStringcoTableP
    : public coTablePT<utStringutStringcoTableP, utString, utString> {
public:
    using coTablePT::coTablePT;
};
class COLIB_API utStringutStringcoTablePcoSet
    : public coSetT<utStringutStringcoTablePcoSet, utStringutStringcoTableP,
                    coTablePElem<utStringutStringcoTableP>> {
public:
    using coSetT::coSetT;
};
class COLIB_API utStringutStringcoTablePcoSetcoIterator
    : public coSetIterT<utStringutStringcoTablePcoSetcoIterator, utStringutStringcoTablePcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API utStringutStringcoTable
    : public coTableT<utStringutStringcoTable, utStringutStringcoTablePcoSet, true> {
public:
    using coTableT::coTableT;
};
class COLIB_API utStringutStringcoTablecoIterator2
    : public coTableIter2T<utStringutStringcoTablecoIterator2, utStringutStringcoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

// co_hash of a pair: the hash of its key alone.
#define COLIB_TABLE_PAIR_HASH(P) COLIB_API unsigned int co_hash(const P &p);
#define COLIB_TABLE_PAIRS(X)                                                                       \
    X(intintcoTableP)                                                                              \
    X(intdoublecoTableP)                                                                           \
    X(intutStringcoTableP)                                                                         \
    X(utStringintcoTableP) X(utStringdoublecoTableP) X(utStringutStringcoTableP)
COLIB_TABLE_PAIRS(COLIB_TABLE_PAIR_HASH)
COLIB_TABLE_PAIRS(COLIB_TABLE_PAIR_TUPLE)

// The instances compiled once in the library (src/hashing/table.cpp).
#define COLIB_TABLE_INSTANCES(X)                                                                   \
    X(coTablePT<intintcoTableP, int, int>)                                                         \
    X(coSetT<intintcoTablePcoSet, intintcoTableP, coTablePElem<intintcoTableP>>)                   \
    X(coSetIterT<intintcoTablePcoSetcoIterator, intintcoTablePcoSet>)                              \
    X(coTableT<intintcoTable, intintcoTablePcoSet, true>)                                          \
    X(coTableIter2T<intintcoTablecoIterator2, intintcoTable>)                                      \
    X(coTablePT<intdoublecoTableP, int, double>)                                                   \
    X(coSetT<intdoublecoTablePcoSet, intdoublecoTableP, coTablePElem<intdoublecoTableP>>)          \
    X(coSetIterT<intdoublecoTablePcoSetcoIterator, intdoublecoTablePcoSet>)                        \
    X(coTableT<intdoublecoTable, intdoublecoTablePcoSet, true>)                                    \
    X(coTableIter2T<doubleintcoTablecoIterator2, intdoublecoTable>)                                \
    X(coTablePT<intutStringcoTableP, int, utString>)                                               \
    X(coSetT<intutStringcoTablePcoSet, intutStringcoTableP, coTablePElem<intutStringcoTableP>>)    \
    X(coSetIterT<intutStringcoTablePcoSetcoIterator, intutStringcoTablePcoSet>)                    \
    X(coTableT<intutStringcoTable, intutStringcoTablePcoSet, true>)                                \
    X(coTableIter2T<utStringintcoTablecoIterator2, intutStringcoTable>)                            \
    X(coTablePT<utStringintcoTableP, utString, int>)                                               \
    X(coSetT<utStringintcoTablePcoSet, utStringintcoTableP, coTablePElem<utStringintcoTableP>>)    \
    X(coSetIterT<utStringintcoTablePcoSetcoIterator, utStringintcoTablePcoSet>)                    \
    X(coTableT<utStringintcoTable, utStringintcoTablePcoSet, true>)                                \
    X(coTableIter2T<intutStringcoTablecoIterator2, utStringintcoTable>)                            \
    X(coTablePT<utStringdoublecoTableP, utString, double>)                                         \
    X(coSetT<utStringdoublecoTablePcoSet, utStringdoublecoTableP,                                  \
             coTablePElem<utStringdoublecoTableP>>)                                                \
    X(coSetIterT<utStringdoublecoTablePcoSetcoIterator, utStringdoublecoTablePcoSet>)              \
    X(coTableT<utStringdoublecoTable, utStringdoublecoTablePcoSet, true>)                          \
    X(coTableIter2T<doubleutStringcoTablecoIterator2, utStringdoublecoTable>)                      \
    X(coTablePT<utStringutStringcoTableP, utString, utString>)                                     \
    X(coSetT<utStringutStringcoTablePcoSet, utStringutStringcoTableP,                              \
             coTablePElem<utStringutStringcoTableP>>)                                              \
    X(coSetIterT<utStringutStringcoTablePcoSetcoIterator, utStringutStringcoTablePcoSet>)          \
    X(coTableT<utStringutStringcoTable, utStringutStringcoTablePcoSet, true>)                      \
    X(coTableIter2T<utStringutStringcoTablecoIterator2, utStringutStringcoTable>)
COLIB_TABLE_INSTANCES(COLIB_EXTERN_TEMPLATE)
