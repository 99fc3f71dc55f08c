#include <colib/hashing/table.h>

#include "table.inl"
unsigned int co_hash(const intintcoTableP &p) {
    return coTablePElem<intintcoTableP>::hash(p);
}
unsigned int co_hash(const intdoublecoTableP &p) {
    return coTablePElem<intdoublecoTableP>::hash(p);
}
unsigned int co_hash(const intutStringcoTableP &p) {
    return coTablePElem<intutStringcoTableP>::hash(p);
}
unsigned int co_hash(const utStringintcoTableP &p) {
    return coTablePElem<utStringintcoTableP>::hash(p);
}
unsigned int co_hash(const utStringdoublecoTableP &p) {
    return coTablePElem<utStringdoublecoTableP>::hash(p);
}
unsigned int co_hash(const utStringutStringcoTableP &p) {
    return coTablePElem<utStringutStringcoTableP>::hash(p);
}
unsigned int co_hash(const utStringcoResourceKeyPtrcoTableP &p) {
    return coTablePElem<utStringcoResourceKeyPtrcoTableP>::hash(p);
}

template class coTablePT<intintcoTableP, int, int>;
template class coSetT<intintcoTablePcoSet, intintcoTableP, coTablePElem<intintcoTableP>>;
template class coSetIterT<intintcoTablePcoSetcoIterator, intintcoTablePcoSet>;
template class coTableT<intintcoTable, intintcoTablePcoSet, true>;
template class coTableIter2T<intintcoTablecoIterator2, intintcoTable>;
template class coTablePT<intdoublecoTableP, int, double>;
template class coSetT<intdoublecoTablePcoSet, intdoublecoTableP, coTablePElem<intdoublecoTableP>>;
template class coSetIterT<intdoublecoTablePcoSetcoIterator, intdoublecoTablePcoSet>;
template class coTableT<intdoublecoTable, intdoublecoTablePcoSet, true>;
template class coTableIter2T<doubleintcoTablecoIterator2, intdoublecoTable>;
template class coTablePT<intutStringcoTableP, int, utString>;
template class coSetT<intutStringcoTablePcoSet, intutStringcoTableP,
                      coTablePElem<intutStringcoTableP>>;
template class coSetIterT<intutStringcoTablePcoSetcoIterator, intutStringcoTablePcoSet>;
template class coTableT<intutStringcoTable, intutStringcoTablePcoSet, true>;
template class coTableIter2T<utStringintcoTablecoIterator2, intutStringcoTable>;
template class coTablePT<utStringintcoTableP, utString, int>;
template class coSetT<utStringintcoTablePcoSet, utStringintcoTableP,
                      coTablePElem<utStringintcoTableP>>;
template class coSetIterT<utStringintcoTablePcoSetcoIterator, utStringintcoTablePcoSet>;
template class coTableT<utStringintcoTable, utStringintcoTablePcoSet, true>;
template class coTableIter2T<intutStringcoTablecoIterator2, utStringintcoTable>;
template class coTablePT<utStringdoublecoTableP, utString, double>;
template class coSetT<utStringdoublecoTablePcoSet, utStringdoublecoTableP,
                      coTablePElem<utStringdoublecoTableP>>;
template class coSetIterT<utStringdoublecoTablePcoSetcoIterator, utStringdoublecoTablePcoSet>;
template class coTableT<utStringdoublecoTable, utStringdoublecoTablePcoSet, true>;
template class coTableIter2T<doubleutStringcoTablecoIterator2, utStringdoublecoTable>;
template class coTablePT<utStringutStringcoTableP, utString, utString>;
template class coSetT<utStringutStringcoTablePcoSet, utStringutStringcoTableP,
                      coTablePElem<utStringutStringcoTableP>>;
template class coSetIterT<utStringutStringcoTablePcoSetcoIterator, utStringutStringcoTablePcoSet>;
template class coTableT<utStringutStringcoTable, utStringutStringcoTablePcoSet, true>;
template class coTableIter2T<utStringutStringcoTablecoIterator2, utStringutStringcoTable>;
template class coTablePT<utStringcoResourceKeyPtrcoTableP, utString, coResourceKeyBase *>;
template class coSetT<utStringcoResourceKeyPtrcoTablePcoSet, utStringcoResourceKeyPtrcoTableP,
                      coTablePElem<utStringcoResourceKeyPtrcoTableP>>;
template class coSetIterT<utStringcoResourceKeyPtrcoTablePcoSetcoIterator,
                          utStringcoResourceKeyPtrcoTablePcoSet>;
template class coTableT<utStringcoResourceKeyPtrcoTable, utStringcoResourceKeyPtrcoTablePcoSet,
                        false>;
