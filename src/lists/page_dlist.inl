// Out-of-line members of the paged list templates.
#pragma once

#include <colib/lists/detail/page_dlist.h>

template <class D, class T, class L, class A, class I>
void coPageDListT<D, T, L, A, I>::deactivate_nodes(int a, int b) noexcept {
    for (int i = a; i < b; ++i)
        node(i).become(-1, i + 1);
    node(b).become(-1, free_head_);
    free_head_ = a;
}

template <class D, class T, class L, class A, class I>
void coPageDListT<D, T, L, A, I>::clear(int release) {
    n_ = 0;
    first_ = last_ = free_head_ = -1;
    if (release) {
        nodes_.clear(1);
        hot_block_ = -1;
        hot_ = nullptr;
    } else if (nodes_.size() >= 1)
        deactivate_nodes(0, nodes_.size() - 1);
    cursor_.reset();
}

template <class D, class T, class L, class A, class I>
void coPageDListT<D, T, L, A, I>::become(utCopy, const D &src) {
    if (static_cast<const coPageDListT *>(&src) == this) return;
    // After clear(0) every slot is free; the blocks for the rest are made
    // first, so that no insertion below can fail.
    if (src.n_ > nodes_.size() && !nodes_.reserve(src.n_)) throw std::bad_alloc();
    clear(0);
    for (int i = src.first_; i != -1; i = src.node(i).next())
        insert_last(src.node(i).item());
}

template <class D, class T, class L, class A, class I>
utOstream &coPageDListT<D, T, L, A, I>::print(utOstream &os) const {
    os << "coPageDList {" << std::endl;
    {
        utOstream nested(utTAB, os, 1, 0);
        nested << "size " << n_ << std::endl;
        I it(self());
        while (++it) {
            coElem<T>::print(nested, it());
            nested << std::endl;
        }
    }
    os << "}" << std::endl;
    return os;
}

template <class D, class L, class T> int coPageDListIterT<D, L, T>::index() const noexcept {
    if (current_ == -1) return -1;
    int k = 0;
    for (int i = list_->node(current_).prev(); i != -1; i = list_->node(i).prev())
        ++k;
    return k;
}

template <class D, class L, class T> void coPageDListIterT<D, L, T>::set_index(int i) noexcept {
    if (current_ != -1) {
        int d = i - index();
        if (d > 0)
            forward(d);
        else if (d < 0)
            backward(-d);
        return;
    }
    int r = list_->n_ - i;
    if (i + 1 <= r)
        forward(i + 1);
    else
        backward(r);
}
