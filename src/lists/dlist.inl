// Out-of-line members of the doubly linked list templates. Included by the
// library's instantiation units of every family built on them.
#pragma once

#include <colib/lists/detail/dlist.h>

// ---- coDListBT --------------------------------------------------------------

template <class D, class Link, class Item, class T, int P>
void coDListBT<D, Link, Item, T, P>::clear() noexcept {
    while (n_ != 0)
        remove_first();
}

template <class D, class Link, class Item, class T, int P>
void coDListBT<D, Link, Item, T, P>::become(utCopy, const D &src) {
    if (static_cast<const coDListBT *>(&src) == this) return;
    // Copied into a ring of its own first, so that a failure leaves this
    // list as it was.
    Link fresh;
    int n = 0;
    try {
        for (Link *p = src.next(); p != src.sentinel(); p = p->next()) {
            new Item(p->read(), &fresh);
            ++n;
        }
    } catch (...) {
        while (fresh.next() != &fresh)
            delete static_cast<Item *>(fresh.next());
        throw;
    }
    clear();
    this->take_ring(fresh);
    n_ = n;
}

template <class D, class Link, class Item, class T, int P>
utOstream &coDListBT<D, Link, Item, T, P>::print(utOstream &os) const {
    os << "{" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << n_ << std::endl;
        for (Link *p = this->next(); p != sentinel(); p = p->next()) {
            coElem<T>::print(nested, p->read());
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}

// ---- coDListCursorT ---------------------------------------------------------

template <class D, class I, class L>
int coDListCursorT<D, I, L>::insert_after(const value_type &x) {
    if (this->undefined()) return list()->insert_first(x);
    if (!L::link_in(this->current_link(), x)) return 0;
    list()->n_inc();
    return 1;
}

template <class D, class I, class L>
int coDListCursorT<D, I, L>::insert_before(const value_type &x) {
    if (this->undefined()) return list()->insert_last(x);
    if (this->index() == 0) {
        if (!list()->insert_first(x)) return 0;
        this->set_index_field(1);
        return 1;
    }
    if (!L::link_in(x, this->current_link())) return 0;
    list()->n_inc();
    this->set_index_field(this->index() + 1);
    return 1;
}

template <class D, class I, class L> void coDListCursorT<D, I, L>::remove() {
    COLIB_EXPECT(!this->undefined(), typeid(D), "remove", "undefined cursor");
    Link *gone = this->current_link();
    I::operator++();
    delete static_cast<Item *>(gone);
    if (!this->undefined()) this->set_index_field(this->index() - 1);
    list()->n_dec();
}

template <class D, class I, class L> void coDListCursorT<D, I, L>::remove_backwards() {
    COLIB_EXPECT(!this->undefined(), typeid(D), "remove_backwards", "undefined cursor");
    Link *gone = this->current_link();
    I::operator--();
    delete static_cast<Item *>(gone);
    list()->n_dec();
}

template <class D, class I, class L> void coDListCursorT<D, I, L>::remove_first() {
    COLIB_EXPECT(list()->size() != 0, typeid(D), "remove_first", "empty list");
    if (this->index() == 0) I::operator++();
    if (!this->undefined()) this->set_index_field(this->index() - 1);
    list()->remove_first();
}

template <class D, class I, class L> void coDListCursorT<D, I, L>::remove_last() {
    COLIB_EXPECT(list()->size() != 0, typeid(D), "remove_last", "empty list");
    if (this->index() == list()->size() - 1) I::operator++();
    list()->remove_last();
}

// ---- coDListT -----------------------------------------------------------------

template <class D, class C, class L, int P>
coDListT<D, C, L, P>::coDListT(std::initializer_list<value_type> list) : C(nullptr) {
    C::bind(this);
    for (const value_type &x : list)
        if (!L::insert_last(x)) throw std::bad_alloc();
}

template <class D, class C, class L, int P>
void coDListT<D, C, L, P>::become(utCopy, const D &src) {
    if (static_cast<const coDListT *>(&src) == this) return;
    L::become(utCOPY, src);
    C::reset();
}
