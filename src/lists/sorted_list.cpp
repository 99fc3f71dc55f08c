#include <colib/lists/sorted_list.h>

template class coSortedListT<intcoSortedList, int, intcoSLCompareP>;
template class coSortedListIterT<intcoSortedListcoIterator, intcoSortedList>;
template class coSortedListCursorT<intcoSortedListcoCursor, intcoSortedListcoIterator,
                                   intcoSortedList>;
template class coSortedListT<doublecoSortedList, double, doublecoSLCompareP>;
template class coSortedListIterT<doublecoSortedListcoIterator, doublecoSortedList>;
template class coSortedListCursorT<doublecoSortedListcoCursor, doublecoSortedListcoIterator,
                                   doublecoSortedList>;
template class coSortedListT<utStringcoSortedList, utString, utStringcoSLCompareP>;
template class coSortedListIterT<utStringcoSortedListcoIterator, utStringcoSortedList>;
template class coSortedListCursorT<utStringcoSortedListcoCursor, utStringcoSortedListcoIterator,
                                   utStringcoSortedList>;

intcoSortedListcoCursor intcoSortedList::find(const int &x) {
    intcoSortedListcoCursor c(this);
    c.set_position(lookup(x));
    return c;
}
intcoSortedListcoIterator intcoSortedList::find(const int &x) const {
    intcoSortedListcoIterator it(this);
    it.set_position(lookup(x));
    return it;
}

doublecoSortedListcoCursor doublecoSortedList::find(const double &x) {
    doublecoSortedListcoCursor c(this);
    c.set_position(lookup(x));
    return c;
}
doublecoSortedListcoIterator doublecoSortedList::find(const double &x) const {
    doublecoSortedListcoIterator it(this);
    it.set_position(lookup(x));
    return it;
}

utStringcoSortedListcoCursor utStringcoSortedList::find(const utString &x) {
    utStringcoSortedListcoCursor c(this);
    c.set_position(lookup(x));
    return c;
}
utStringcoSortedListcoIterator utStringcoSortedList::find(const utString &x) const {
    utStringcoSortedListcoIterator it(this);
    it.set_position(lookup(x));
    return it;
}
