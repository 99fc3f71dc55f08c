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
// Nil keys (int -2147483648, the string without text) are never stored:
// read gives the default value, operator[] a per-table scratch value (see
// detail/table.h). The resource-key table does not own the keys its values
// point to, and does not print.
#pragma once

#include <colib/hashing/detail/table.h>

// Defined with the resources; the tables only point at it.
class COLIB_API coResourceKeyBase;

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
// The hash of the key alone.
COLIB_API unsigned int co_hash(const intintcoTableP &p);
class COLIB_API intintcoTablecoIterator2
    : public coTableIter2T<intintcoTablecoIterator2, intintcoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

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
// The hash of the key alone.
COLIB_API unsigned int co_hash(const intdoublecoTableP &p);
class COLIB_API doubleintcoTablecoIterator2
    : public coTableIter2T<doubleintcoTablecoIterator2, intdoublecoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

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
// The hash of the key alone.
COLIB_API unsigned int co_hash(const intutStringcoTableP &p);
class COLIB_API utStringintcoTablecoIterator2
    : public coTableIter2T<utStringintcoTablecoIterator2, intutStringcoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

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
// The hash of the key alone.
COLIB_API unsigned int co_hash(const utStringintcoTableP &p);
class COLIB_API intutStringcoTablecoIterator2
    : public coTableIter2T<intutStringcoTablecoIterator2, utStringintcoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

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
// The hash of the key alone.
COLIB_API unsigned int co_hash(const utStringdoublecoTableP &p);
class COLIB_API doubleutStringcoTablecoIterator2
    : public coTableIter2T<doubleutStringcoTablecoIterator2, utStringdoublecoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

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
// The hash of the key alone.
COLIB_API unsigned int co_hash(const utStringutStringcoTableP &p);
class COLIB_API utStringutStringcoTablecoIterator2
    : public coTableIter2T<utStringutStringcoTablecoIterator2, utStringutStringcoTable> {
public:
    using coTableIter2T::coTableIter2T;
};

class COLIB_API utStringcoResourceKeyPtrcoTableP
    : public coTablePT<utStringcoResourceKeyPtrcoTableP, utString, coResourceKeyBase *> {
public:
    using coTablePT::coTablePT;
};
class COLIB_API utStringcoResourceKeyPtrcoTablePcoSet
    : public coSetT<utStringcoResourceKeyPtrcoTablePcoSet, utStringcoResourceKeyPtrcoTableP,
                    coTablePElem<utStringcoResourceKeyPtrcoTableP>> {
public:
    using coSetT::coSetT;
};
class COLIB_API utStringcoResourceKeyPtrcoTablePcoSetcoIterator
    : public coSetIterT<utStringcoResourceKeyPtrcoTablePcoSetcoIterator,
                        utStringcoResourceKeyPtrcoTablePcoSet> {
public:
    using coSetIterT::coSetIterT;
};
class COLIB_API utStringcoResourceKeyPtrcoTable
    : public coTableT<utStringcoResourceKeyPtrcoTable, utStringcoResourceKeyPtrcoTablePcoSet,
                      false> {
public:
    using coTableT::coTableT;
};
// The hash of the key alone.
COLIB_API unsigned int co_hash(const utStringcoResourceKeyPtrcoTableP &p);

// Compiled once in the library (src/hashing/table.cpp).
extern template class coTablePT<intintcoTableP, int, int>;
extern template class coSetT<intintcoTablePcoSet, intintcoTableP, coTablePElem<intintcoTableP>>;
extern template class coSetIterT<intintcoTablePcoSetcoIterator, intintcoTablePcoSet>;
extern template class coTableT<intintcoTable, intintcoTablePcoSet, true>;
extern template class coTableIter2T<intintcoTablecoIterator2, intintcoTable>;
extern template class coTablePT<intdoublecoTableP, int, double>;
extern template class coSetT<intdoublecoTablePcoSet, intdoublecoTableP,
                             coTablePElem<intdoublecoTableP>>;
extern template class coSetIterT<intdoublecoTablePcoSetcoIterator, intdoublecoTablePcoSet>;
extern template class coTableT<intdoublecoTable, intdoublecoTablePcoSet, true>;
extern template class coTableIter2T<doubleintcoTablecoIterator2, intdoublecoTable>;
extern template class coTablePT<intutStringcoTableP, int, utString>;
extern template class coSetT<intutStringcoTablePcoSet, intutStringcoTableP,
                             coTablePElem<intutStringcoTableP>>;
extern template class coSetIterT<intutStringcoTablePcoSetcoIterator, intutStringcoTablePcoSet>;
extern template class coTableT<intutStringcoTable, intutStringcoTablePcoSet, true>;
extern template class coTableIter2T<utStringintcoTablecoIterator2, intutStringcoTable>;
extern template class coTablePT<utStringintcoTableP, utString, int>;
extern template class coSetT<utStringintcoTablePcoSet, utStringintcoTableP,
                             coTablePElem<utStringintcoTableP>>;
extern template class coSetIterT<utStringintcoTablePcoSetcoIterator, utStringintcoTablePcoSet>;
extern template class coTableT<utStringintcoTable, utStringintcoTablePcoSet, true>;
extern template class coTableIter2T<intutStringcoTablecoIterator2, utStringintcoTable>;
extern template class coTablePT<utStringdoublecoTableP, utString, double>;
extern template class coSetT<utStringdoublecoTablePcoSet, utStringdoublecoTableP,
                             coTablePElem<utStringdoublecoTableP>>;
extern template class coSetIterT<utStringdoublecoTablePcoSetcoIterator,
                                 utStringdoublecoTablePcoSet>;
extern template class coTableT<utStringdoublecoTable, utStringdoublecoTablePcoSet, true>;
extern template class coTableIter2T<doubleutStringcoTablecoIterator2, utStringdoublecoTable>;
extern template class coTablePT<utStringutStringcoTableP, utString, utString>;
extern template class coSetT<utStringutStringcoTablePcoSet, utStringutStringcoTableP,
                             coTablePElem<utStringutStringcoTableP>>;
extern template class coSetIterT<utStringutStringcoTablePcoSetcoIterator,
                                 utStringutStringcoTablePcoSet>;
extern template class coTableT<utStringutStringcoTable, utStringutStringcoTablePcoSet, true>;
extern template class coTableIter2T<utStringutStringcoTablecoIterator2, utStringutStringcoTable>;
extern template class coTablePT<utStringcoResourceKeyPtrcoTableP, utString, coResourceKeyBase *>;
extern template class coSetT<utStringcoResourceKeyPtrcoTablePcoSet,
                             utStringcoResourceKeyPtrcoTableP,
                             coTablePElem<utStringcoResourceKeyPtrcoTableP>>;
extern template class coSetIterT<utStringcoResourceKeyPtrcoTablePcoSetcoIterator,
                                 utStringcoResourceKeyPtrcoTablePcoSet>;
extern template class coTableT<utStringcoResourceKeyPtrcoTable,
                               utStringcoResourceKeyPtrcoTablePcoSet, false>;
