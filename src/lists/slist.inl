// Out-of-line members of the singly linked list templates. Included by the
// library's instantiation units of every family built on them.
#pragma once

#include <colib/lists/detail/slist.h>

// ---- coSListCoreT ----------------------------------------------------------

template <class D, class Link, class Item, class T>
void coSListCoreT<D, Link, Item, T>::clear() noexcept {
    while (n_ != 0)
        remove_first();
}

template <class D, class Link, class Item, class T>
void coSListCoreT<D, Link, Item, T>::remove_last() {
    COLIB_EXPECT(n_ != 0, typeid(D), "remove_last", "empty list");
    Link *t = tail_;
    Link *p = &head_;
    while (p->next() != t)
        p = p->next();
    tail_ = p;
    p->set_next(&head_);
    delete static_cast<Item *>(t);
    --n_;
}

template <class D, class Link, class Item, class T>
void coSListCoreT<D, Link, Item, T>::set_ring(Link *first, Link *last, int n) noexcept {
    n_ = n;
    if (n == 0) {
        head_.set_next(&head_);
        tail_ = &head_;
    } else {
        head_.set_next(first);
        tail_ = last;
        last->set_next(&head_);
    }
}

template <class D, class Link, class Item, class T>
void coSListCoreT<D, Link, Item, T>::swap_rings(coSListCoreT &o) noexcept {
    Link *first = head_.next(), *last = tail_;
    int n = n_;
    set_ring(o.head_.next(), o.tail_, o.n_);
    o.set_ring(first, last, n);
}

// ---- coSListCopyT, coSListBT ---------------------------------------------

template <class D, class Link, class Item, class T>
void coSListCopyT<D, Link, Item, T>::become(utCopy, const D &src) {
    if (static_cast<const coSListCopyT *>(&src) == this) return;
    // Copied aside first, so that a failure leaves this list as it was.
    coSListCoreT<D, Link, Item, T> fresh;
    Link *head = src.head_link();
    for (Link *p = head->next(); p != head; p = p->next())
        if (!fresh.insert_last(p->read())) throw std::bad_alloc();
    this->swap_rings(fresh);
}

template <class D, class Link, class Item, class T>
coSListBT<D, Link, Item, T>::coSListBT(std::initializer_list<T> list) {
    for (const T &x : list)
        if (!this->insert_last(x)) throw std::bad_alloc();
}

template <class D, class Link, class Item, class T>
utOstream &coSListBT<D, Link, Item, T>::print(utOstream &os) const {
    os << "{" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << this->count() << std::endl;
        Link *head = this->head_link();
        for (Link *p = head->next(); p != head; p = p->next()) {
            coElem<T>::print(nested, p->read());
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}

// ---- coSListCursorT -------------------------------------------------------

template <class D, class I, class L>
typename coSListCursorT<D, I, L>::Link *coSListCursorT<D, I, L>::previous() const noexcept {
    Link *current = this->current_link();
    if (current == head()) return list()->tail_link();
    Link *p = list()->tail_link()->next();
    while (p->next() != current)
        p = p->next();
    return p;
}

template <class D, class I, class L> int coSListCursorT<D, I, L>::operator--() noexcept {
    Link *p = before_ ? before_ : previous();
    this->set_current(p);
    before_ = nullptr;
    return p != head();
}

template <class D, class I, class L>
int coSListCursorT<D, I, L>::insert_after(const value_type &x) {
    if (this->undefined()) {
        int r = list()->insert_first(x);
        check_before();
        return r;
    }
    if (this->last()) return list()->insert_last(x);
    Link *current = this->current_link();
    Item *item = L::make(x, current->next());
    if (!item) return 0;
    current->set_next(item);
    list()->n_inc();
    return 1;
}

template <class D, class I, class L>
int coSListCursorT<D, I, L>::insert_before(const value_type &x) {
    if (this->undefined()) {
        int r = list()->insert_last(x);
        check_before();
        return r ? 1 : 0;
    }
    if (on_first()) {
        if (!list()->insert_first(x)) return 0;
        before_ = head()->next();
        return 1;
    }
    Link *current = this->current_link();
    Link *pred = before_ ? before_ : previous();
    Item *item = L::make(x, current);
    if (!item) return 0;
    pred->set_next(item);
    before_ = item;
    list()->n_inc();
    return 1;
}

template <class D, class I, class L>
int coSListCursorT<D, I, L>::insert_first(const value_type &x) {
    if (!list()->empty() && on_first()) return insert_before(x);
    int r = list()->insert_first(x);
    check_before();
    return r;
}

template <class D, class I, class L> void coSListCursorT<D, I, L>::remove() {
    COLIB_EXPECT(!this->undefined(), typeid(D), "remove", "undefined cursor");
    Link *current = this->current_link();
    if (on_first()) {
        // before, if set, is head and stays true.
        list()->remove_first();
        this->set_current(head()->next());
        return;
    }
    if (current == list()->tail_link()) {
        this->set_current(head());
        before_ = nullptr;
        list()->remove_last();
        return;
    }
    if (!before_) before_ = previous();
    Link *next = current->next();
    before_->set_next(next);
    delete static_cast<Item *>(current);
    this->set_current(next);
    list()->n_dec();
}

template <class D, class I, class L> void coSListCursorT<D, I, L>::remove_first() {
    COLIB_EXPECT(!list()->empty(), typeid(D), "remove_first", "empty list");
    if (!this->undefined() && on_first()) {
        remove();
        return;
    }
    Link *removed = head()->next();
    list()->remove_first();
    if (before_ == removed) before_ = nullptr;
}

template <class D, class I, class L> void coSListCursorT<D, I, L>::remove_last() {
    COLIB_EXPECT(!list()->empty(), typeid(D), "remove_last", "empty list");
    if (!this->undefined() && this->last()) {
        remove();
        return;
    }
    Link *removed = list()->tail_link();
    list()->remove_last();
    if (before_ == removed) before_ = nullptr;
}

// ---- coSListT ---------------------------------------------------------------

template <class D, class C, class L> int coSListT<D, C, L>::insert_last(const value_type &x) {
    if (!L::insert_last(x)) return 0;
    // An undefined cursor's predecessor is the tail, which just changed.
    if (this->undefined()) C::reset();
    return 1;
}

template <class D, class C, class L> void coSListT<D, C, L>::clear() noexcept {
    L::clear();
    C::reset();
}

template <class D, class C, class L> void coSListT<D, C, L>::become(utCopy, const D &src) {
    L::become(utCOPY, src);
    C::reset();
}

template <class D, class C, class L> utOstream &coSListT<D, C, L>::print(utOstream &os) const {
    os << "coSList ";
    return L::print(os);
}
