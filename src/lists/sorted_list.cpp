#include <colib/lists/sorted_list.h>

COLIB_SORTED_LIST_INSTANCES(COLIB_INSTANTIATE)

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
