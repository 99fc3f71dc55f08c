// The feature pool: owned copies of client features, at most one per
// identity, whose data any feature object of that identity can borrow.
//
//   class Colour : public basecoFeature {        // data: an int the copy owns
//   public:
//       static constexpr coFeatureID id{7};
//       ~Colour() override { if (factory_made()) delete static_cast<int *>(data()); }
//       basecoFeature *create() override { return new Colour; }
//       void build() override { set_data(new int(0)); }
//       void assign(const basecoFeature &o) override {
//           set_data(o.invalid() ? nullptr : new int(*static_cast<int *>(o.data())));
//       }
//       coFeatureID feature_id() const override { return id; }
//   };
//
//   coFeaturePool pool;
//   Colour red; ...                   // red's data set by the client
//   pool.copy(red);                   // the pool holds its own copy
//   Colour asked;
//   pool.get(asked);                  // asked.data() is the pool copy's data
//
// Rules of the family:
//   - Every feature in the pool is a copy the pool made (factory_made() 1)
//     and owns through the holder in its link; removing the link deletes it.
//   - A feature whose data is null is invalid and is never stored.
//   - get() shares the stored copy's data pointer with the asking object; the
//     data stays the copy's (a concrete class deletes its data only when it
//     is factory made, as above).
//   - Identity is feature_id() equality.
//
// Classes:
//   coFeatureID                    a feature identity (an int)
//   basecoFeature                  the abstract feature clients derive from
//   basecoFeaturecoSListBPrgcoPrg  owner holder; copying it transfers ownership
//   coFeaturePool                  the pool, a list of holders
//   basecoFeaturecoSListBPrgcoPrgcoSListB (+ link, link item, iterator,
//                                  cursor): the list of holders (no size(),
//                                  become() or copying constructor), stamped
//                                  from detail/notify_lists.h
#pragma once

#include <cstddef>

#include <colib/notify/detail/call_walk.h>
#include <colib/notify/detail/notify_lists.h>

class coFeaturePool;

// A feature identity; equal when the ids are.
class COLIB_API coFeatureID {
public:
    constexpr explicit coFeatureID(int id) noexcept : id_(id) {}
    constexpr int operator==(coFeatureID o) const noexcept { return id_ == o.id_; }
    constexpr int operator!=(coFeatureID o) const noexcept { return id_ != o.id_; }
    constexpr int id() const noexcept { return id_; }

private:
    int id_;
};

// A client object carrying one piece of data under an identity. The
// concrete class disposes of its data; the base destructor does nothing.
class COLIB_API basecoFeature {
public:
    virtual ~basecoFeature();
    // A new default-constructed object of the same concrete class (new).
    virtual basecoFeature *create() = 0;
    // Fills data from scratch.
    virtual void build() = 0;
    // Makes this object's state a copy of o's.
    virtual void assign(const basecoFeature &o) = 0;
    virtual coFeatureID feature_id() const = 0;

    // 1 when data is null.
    int invalid() const noexcept { return data_ == nullptr; }
    // Forgets the data (does not free it).
    void set_invalid() noexcept { data_ = nullptr; }
    void *data() const noexcept { return data_; }
    // 1 on objects made by copy() and make(), else 0.
    int factory_made() const noexcept { return factory_made_; }

protected:
    basecoFeature() noexcept = default;
    basecoFeature(const basecoFeature &) noexcept = default;
    basecoFeature &operator=(const basecoFeature &) noexcept = default;

    void set_data(void *d) noexcept { data_ = d; }
    // A new object of this class, factory made, assigned from this one.
    // Throws what create() and assign() throw, leaking nothing.
    basecoFeature *copy() const;
    // A new factory-made object that build()s its data; this object then
    // refers to that data. Throws as copy().
    basecoFeature *make();
    // 1 when both have the same identity.
    int test(const basecoFeature &other) const { return feature_id() == other.feature_id(); }
    // Same identity: other refers to this object's data, 1; else 0.
    int check_out(basecoFeature &other) const;

private:
    friend class coFeaturePool;

    void *data_ = nullptr;
    int factory_made_ = 0;
};

// Owns one feature (or none). Copying transfers: the new holder takes the
// feature and the source becomes null, although it is passed const.
class COLIB_API basecoFeaturecoSListBPrgcoPrg {
public:
    basecoFeaturecoSListBPrgcoPrg() noexcept = default;
    explicit basecoFeaturecoSListBPrgcoPrg(basecoFeature *p) noexcept : pointer_(p) {}
    basecoFeaturecoSListBPrgcoPrg(const basecoFeaturecoSListBPrgcoPrg &src) noexcept
        : pointer_(src.pointer_) {
        src.pointer_ = nullptr;
    }
    basecoFeaturecoSListBPrgcoPrg &operator=(const basecoFeaturecoSListBPrgcoPrg &) = delete;
    ~basecoFeaturecoSListBPrgcoPrg() { delete_ptr(); }

    basecoFeature *operator->() const noexcept { return pointer_; }
    basecoFeature *get() const noexcept { return pointer_; }

private:
    void delete_ptr() noexcept {
        if (pointer_) delete pointer_;
    }

    mutable basecoFeature *pointer_ = nullptr;
};

// The list of holders under the pool (detail/notify_lists.h).
COLIB_FEATURE_POOL_MEMBERS(COLIB_NOTIFY_LIST_CLASSES, COLIB_EXTERN_TEMPLATE)

// ---- the pool --------------------------------------------------------------

class COLIB_API coFeaturePool : public basecoFeaturecoSListBPrgcoPrgcoSListB {
    using Link = basecoFeaturecoSListBPrgcoPrgcoSLink;

public:
    struct GetFeature {
        const basecoFeature &operator()(const Link *l) const noexcept {
            return *const_cast<Link *>(l)->read().get();
        }
    };
    // Range-for yields the held features (const), front to back.
    using const_iterator = colib_detail::coRingRange<const Link, const basecoFeature &, GetFeature>;
    using iterator = const_iterator;

    coFeaturePool() noexcept = default;
    // Fresh copies of src's features (become).
    coFeaturePool(utCopy, const coFeaturePool &src);
    // O(1); the source is left empty.
    coFeaturePool(coFeaturePool &&src) noexcept { swap_rings(src); }
    coFeaturePool &operator=(coFeaturePool &&src) noexcept;
    coFeaturePool(const coFeaturePool &) = delete;
    coFeaturePool &operator=(const coFeaturePool &) = delete;

    // Deletes every held feature.
    void clear() noexcept { basecoFeaturecoSListBPrgcoPrgcoSListB::clear(); }
    // Replaces the copy of f's identity by a fresh copy of f, at the end;
    // an invalid f (or an invalid copy) only removes the stored one. Throws
    // what allocation, create() and assign() throw, the pool unchanged.
    void copy(const basecoFeature &f);
    // f refers to the data of the stored copy of its identity, 1; none:
    // f.set_invalid(), 0.
    int get(basecoFeature &f) const;
    // Removes (deletes) the stored copy of f's identity; 1 when there was one.
    int remove(const basecoFeature &f);
    // Fresh copies of other's features, same order; from itself no change.
    // Throws as copy(), this pool unchanged.
    coFeaturePool &become(utCopy, const coFeaturePool &other);

    // Features held.
    int count() const noexcept { return basecoFeaturecoSListBPrgcoPrgcoSListB::count(); }
    // Heap bytes of the pool's links and owner holders (the feature copies
    // are polymorphic and report their own size, if any).
    std::size_t memory_bytes() const noexcept {
        return static_cast<std::size_t>(count()) * sizeof(item_type);
    }
    const_iterator begin() const noexcept { return const_iterator(head_link()->next()); }
    const_iterator end() const noexcept { return const_iterator(head_link()); }

protected:
    // Takes c: an invalid copy is deleted, a valid one appended. c must not
    // be null (checked when hardened). Throws std::bad_alloc when no link
    // can be had, after deleting c.
    void insert_copy(basecoFeature *c);

private:
    // insert_copy that says whether it appended.
    bool append_owned(basecoFeature *c);
    // Removes the first held feature of id, never the link stop.
    int remove_id(coFeatureID id, const Link *stop);
};
