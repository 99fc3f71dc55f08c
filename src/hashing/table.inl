// Out-of-line members of coTableT. Included only by the library's
// instantiation units.
#pragma once

#include <colib/hashing/detail/table.h>

#include "set.inl"

template <class D, class S, bool P>
coTableT<D, S, P>::coTableT(int bits, int load_percent) : set_(bits, load_percent) {}

template <class D, class S, bool P>
coTableT<D, S, P>::coTableT(std::initializer_list<pair_type> list) : set_(list) {}

template <class D, class S, bool P>
coTableT<D, S, P>::coTableT(utCopy, const D &src) : set_(utCOPY, src.set_) {}

template <class D, class S, bool P> coTableT<D, S, P>::~coTableT() = default;

template <class D, class S, bool P> D &coTableT<D, S, P>::become(utCopy, const D &src) {
    set_.become(utCOPY, src.set_);
    return static_cast<D &>(*this);
}

template <class D, class S, bool P>
typename coTableT<D, S, P>::mapped_type &coTableT<D, S, P>::operator[](const key_type &key) {
    int at = slot_of(key);
    if (at >= 0) return set_.slots_[at].get_obj();
    pair_type probe(key);
    bool inserted;
    int i = set_.place(probe, inserted);
    if (i < 0) {
        scratch_ = mapped_type();
        return scratch_;
    }
    return set_.slots_[i].get_obj();
}

template <class D, class S, bool P>
const typename coTableT<D, S, P>::mapped_type &coTableT<D, S, P>::read(const key_type &key) const {
    int at = slot_of(key);
    return at >= 0 ? set_.slots_[at].get_obj() : set_.nil().get_obj();
}

template <class D, class S, bool P> int coTableT<D, S, P>::remove(const key_type &key) {
    return coSetElem<key_type>::is_nil(set_.remove(pair_type(key)).get_key()) ? 0 : 1;
}

template <class D, class S, bool P> int coTableT<D, S, P>::member(const key_type &key) const {
    return slot_of(key) >= 0 ? 1 : 0;
}

template <class D, class S, bool P> utOstream &coTableT<D, S, P>::print(utOstream &os) const {
    return colib_detail::print_each(os, "coTable {", set_.size(), set_,
                                    [](utOstream &out, const pair_type &p) {
                                        out << "key: ";
                                        coElem<key_type>::print(out, p.get_key());
                                        out << "  item: ";
                                        coElem<mapped_type>::print(out, p.get_obj());
                                    });
}

// The exported co_hash of the pair N##coTableP: the hash of its key.
#define COLIB_TABLE_PAIR_HASH(N)                                                                   \
    unsigned int co_hash(const N##coTableP &p) {                                                   \
        return coTablePElem<N##coTableP>::hash(p);                                                 \
    }
