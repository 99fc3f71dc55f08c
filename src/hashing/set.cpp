#include <colib/hashing/set.h>

#include "set.inl"

template class coSetT<intcoSet, int>;
template class coSetT<doublecoSet, double>;
template class coSetT<utStringcoSet, utString>;
template class coSetIterT<intcoSetcoIterator, intcoSet>;
template class coSetIterT<doublecoSetcoIterator, doublecoSet>;
template class coSetIterT<utStringcoSetcoIterator, utStringcoSet>;
template class coPrfT<intcoSetcoPrf, intcoSet>;
