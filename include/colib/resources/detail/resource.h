// The machinery of the typed resources: keys with process-wide ids, the
// resource base with its small run-time type identity, resource tables
// chained to parents, and modifiers. The typed members (intcoResource,
// intcoResourceKey, intcoResourceModifier and their siblings) are thin
// classes over the templates at the end of this file; see
// resources/resource.h.
//
// Design. A key's id is the index of its slot in every table, so a table is
// a paged array of resource pointers and a read is an array access (plus a
// walk up the parent chain when the table's own slot is empty). Names are
// needed only to turn text into resources: named keys register in one
// process-wide table, made with the first named key and deleted with the
// last entry.
//
// Ownership. A resource in a slot is owned by exactly one of:
//   - its creator, when it is attached (made with coResourceBase(key,
//     table); its table field is set; its destructor empties its slot);
//   - a modifier, when a modifier made it (it stays the modifier's even
//     when something else displaces it from the slot);
//   - the table, otherwise (floating resources the table maker filed).
// Whoever takes a table-owned resource out of its slot for good deletes
// it: remove_resource, the table maker when it replaces an entry, a
// modifier that puts its saved entry back over one, and the table's
// destructor. Attached and modifier resources are never deleted by a table.
//
// Invariants:
//   - ids are dense from 0: the counter is one more than the highest id of
//     a live key, or lower only when a key below the last id died first;
//   - the registry pointer is null exactly when the registry holds no
//     entry; every entry maps a name to a live named key;
//   - a table's size is one more than the highest id ever filed in it;
//     every slot in [0, size) holds a resource pointer or null;
//   - a resource's modifier field is set exactly for resources made by a
//     live modifier, which deletes it when it dies;
//   - a table is not its own ancestor (checked by lookups in hardened
//     builds).
//
// Not thread-safe: the id counter and the registry are process-wide and
// unguarded, as are tables shared between threads.
#pragma once

#include <colib/foundation/contract.h>
#include <colib/foundation/convert.h>
#include <colib/foundation/instances.h>
#include <colib/foundation/prf.h>
#include <colib/foundation/range_iter.h>
#include <colib/foundation/ut.h>
#include <colib/paged/detail/page_arr.h>
#include <colib/resources/key_table.h>

class coResourceBase;
class coResourceTable;
class coResourceModifierBase;
class coResourceTableMaker;
class coResourceIterator;

// The result of turning text into a resource. 1 is never produced.
enum coResourceError {
    coResourceOk = 0,
    // The value text does not convert to the key's type; nothing was made.
    coResourceBadValue = 2,
    // No key is registered under the name.
    coResourceNoSuchKey = 3,
    // A merge replaced an entry the table already had (the new one is filed).
    coResourceReplaced = 4
};

// Tags selecting the floating and the modifier constructors.
enum coResourceFloating { coResourceFLOATING = 0 };
enum coResourceModified { coResourceMODIFIED = 0 };

// A key: a name (possibly none) and a process-wide id, the slot index of its
// resource in every table. Not copyable: two keys never share an id while
// both live.
class COLIB_API coResourceKeyBase {
public:
    // Named key: takes the next id and registers under name (a later key of
    // the same name replaces it in the registry). A name without text makes
    // an unnamed key. Throws std::bad_alloc when the registry cannot be made
    // or grown; then no id is taken and the registry is as it was.
    explicit coResourceKeyBase(const utString &name);
    // Unnamed key: takes the next id; never registered.
    coResourceKeyBase() noexcept;
    coResourceKeyBase(const coResourceKeyBase &) = delete;
    coResourceKeyBase &operator=(const coResourceKeyBase &) = delete;
    // Removes the registry entry of the name, whichever key it points to,
    // deleting the registry with its last entry; gives the id back when it
    // is the last one handed out. Resources filed under the key are not
    // touched: the key must outlive the tables that use its id.
    virtual ~coResourceKeyBase();

    // The key registered under name, or null (also when no registry exists).
    static coResourceKeyBase *get_named_key(const utString &name);
    // The registry (null while no named key is registered) and the id the
    // next key will get.
    static const utStringcoResourceKeyPtrcoTable *registry() noexcept;
    static int next_id() noexcept;

    int id() const noexcept { return id_; }
    // Without text for an unnamed key.
    const utString &name() const noexcept { return name_; }

protected:
    // The resource for this key in table or, failing that, its ancestors;
    // null when none has one.
    coResourceBase *read_resource(const coResourceTable *table) const;
    // A new floating resource of the key's type made from text, or null;
    // error is 0 or 2. The base makes none and leaves error untouched.
    virtual coResourceBase *create_resource_from_string(const utString &text,
                                                        coResourceError &error) const;

private:
    friend class coResourceTableMaker;
    utString name_;
    int id_;
};

// A typed value filed under a key. Attached resources are owned by their
// creator and file themselves in a table for their lifetime; floating ones
// belong to the table or modifier holding them. Not copyable.
class COLIB_API coResourceBase {
public:
    // Attached: files itself in table under key (growing the table); a
    // table-owned entry it displaces is deleted. The creator must destroy it
    // before the table. Requires a key and a table (checked). Throws
    // std::bad_alloc when the table cannot grow; then the table is unchanged.
    coResourceBase(coResourceKeyBase *key, coResourceTable *table);
    coResourceBase(const coResourceBase &) = delete;
    coResourceBase &operator=(const coResourceBase &) = delete;

    // "<empty>": the base holds no value.
    virtual utString as_string() const;
    // An attached resource empties its key's slot in its table, whatever
    // the slot holds then (a table-owned entry there is deleted).
    virtual ~coResourceBase();
    virtual const utTypeID &ut_dynamic_type() const noexcept;
    // 1 when t denotes this class or a base class.
    virtual int ut_is_kind_of(const utTypeID &t) const noexcept;

    static const utTypeID &ut_static_type() noexcept { return s_ut_type_id; }
    // p when it is a coResourceBase (every non-null resource), else null.
    static coResourceBase *ut_dynamic_cast(const coResourceBase *p) noexcept;

    // The key the resource is filed under (null before filing) and, for an
    // attached resource, its table.
    coResourceKeyBase *key() const noexcept { return key_; }
    coResourceTable *table() const noexcept { return table_; }

    static const utTypeID s_ut_type_id;

protected:
    explicit coResourceBase(coResourceFloating) noexcept : key_(nullptr), table_(nullptr) {}
    coResourceBase(coResourceModified, coResourceKeyBase *key) noexcept
        : key_(key), table_(nullptr) {}
    // 1 when not attached to a table (owned by a table or a modifier).
    int floating() const noexcept { return table_ == nullptr; }
    // 1 when attached: its creator owns it.
    int owned() const noexcept { return table_ != nullptr; }
    void set_key(coResourceKeyBase *key) noexcept { key_ = key; }

private:
    friend class coResourceTable;
    friend class coResourceModifierBase;
    // 1 when a table holding this resource owns it (floating, no modifier).
    bool table_owned() const noexcept { return table_ == nullptr && modifier_ == nullptr; }

    coResourceKeyBase *key_;
    coResourceTable *table_;
    // The live modifier that made this resource, or null.
    coResourceModifierBase *modifier_ = nullptr;
    // The identifier of the library class the object is, when it is exactly
    // one of the typed resources; else coResourceBase's. A typed read that
    // matches it skips the virtual type test.
    const utTypeID *type_ = &s_ut_type_id;

    template <class D, class V, int (*C)(const utString &, V &)> friend class coResourceT;
};

// The slot storage of the resource tables: a paged array of resource
// pointers (blocks of 256 by default) and its walker, which visits every
// slot, empty ones included. It does not print.
COLIB_THIN_CLASS(coResourceBasecoPageArrPtrcoPtrcoPageArr, coPageArrT,
                 coResourceBasecoPageArrPtrcoPtrcoPageArr, coResourceBase *,
                 coElem<coResourceBase *>::block, 0)
COLIB_THIN_CLASS(coResourceBasecoPageArrPtrcoPtrcoPageArrcoIterator, coPageArrIterT,
                 coResourceBasecoPageArrPtrcoPtrcoPageArrcoIterator,
                 coResourceBasecoPageArrPtrcoPtrcoPageArr)
#define COLIB_RESOURCE_SLOTS_INSTANCES(X)                                                          \
    X(coPageArrT<coResourceBasecoPageArrPtrcoPtrcoPageArr, coResourceBase *,                       \
                 coElem<coResourceBase *>::block, 0>)                                              \
    X(coPageArrIterT<coResourceBasecoPageArrPtrcoPtrcoPageArrcoIterator,                           \
                     coResourceBasecoPageArrPtrcoPtrcoPageArr>)
COLIB_RESOURCE_SLOTS_INSTANCES(COLIB_EXTERN_TEMPLATE)

// A table of resources indexed by key id, falling back to a parent table.
// Reads are an array access per table of the chain. Not copyable or
// movable: attached resources and child tables point at it.
//
// The slot storage is a protected base: the paged array's growing
// subscript and clear would bypass the ownership rules. Its size and
// geometry are public.
class COLIB_API coResourceTable : protected coResourceBasecoPageArrPtrcoPtrcoPageArr {
    using slots_type = coResourceBasecoPageArrPtrcoPtrcoPageArr;

public:
    class const_iterator;

    // Empty, without parent. Throws std::bad_alloc when the block table
    // cannot be had.
    coResourceTable() : coResourceTable(nullptr) {}
    // Empty; lookups that find no own entry continue in parent, which must
    // outlive this table and must not have it as an ancestor.
    explicit coResourceTable(const coResourceTable *parent)
        : slots_type(kSlotShift, 5, 10), parent_(parent) {}
    coResourceTable(const coResourceTable &) = delete;
    coResourceTable &operator=(const coResourceTable &) = delete;
    // Deletes the table-owned resources of its slots; attached and modifier
    // resources are left to their owners.
    ~coResourceTable();

    const coResourceTable *parent() const noexcept { return parent_; }
    // Slots: one more than the highest id ever filed.
    using slots_type::block_count;
    using slots_type::block_size;
    using slots_type::size;
    // Number of filled own slots (walks them).
    int entry_count() const noexcept;

    // Heap bytes of the slot storage (blocks and block table); the
    // resources filed are not counted.
    std::size_t memory_bytes() const noexcept { return slots_type::memory_bytes(); }
    // 1 when the table's own slot for key is filled; parents are not asked.
    int has_key(const coResourceKeyBase *key) const noexcept { return own(key->id()) != nullptr; }
    // The own entry for key, or else the nearest ancestor's; null when no
    // table of the chain has one.
    coResourceBase *lookup_resource(const coResourceKeyBase *key) const {
        const int id = key->id();
        // The own slot first: most reads end there, without touching the
        // parent pointer.
        if (coResourceBase *r = own(id)) return r;
#if COLIB_HARDENED
        // A cycle in the chain would loop forever: the tortoise moves one
        // table for every two the lookup visits.
        const coResourceTable *tortoise = this;
        bool move = true;
        COLIB_EXPECT(parent_ != this, "coResourceTable", "lookup_resource",
                     "the table is its own ancestor");
#endif
        for (const coResourceTable *t = parent_; t; t = t->parent_) {
            if (coResourceBase *r = t->own(id)) return r;
#if COLIB_HARDENED
            if (move) tortoise = tortoise->parent_;
            move = !move;
            COLIB_EXPECT(t->parent_ != tortoise, "coResourceTable", "lookup_resource",
                         "the table is its own ancestor");
#endif
        }
        return nullptr;
    }
    // Same answer as lookup_resource.
    coResourceBase *read_resource(const coResourceKeyBase *key) const {
        return lookup_resource(key);
    }
    // Empties the own slot for key: 1 when it was filled, 0 otherwise. A
    // table-owned entry is deleted; an attached or modifier entry is left to
    // its owner.
    int remove_resource(const coResourceKeyBase *key) noexcept;

    // Range-for over the own filled slots in id order (parents are not
    // visited). Filling or emptying slots during a walk is allowed; growing
    // the table is not.
    inline const_iterator begin() const noexcept;
    inline const_iterator end() const noexcept;

protected:
    // Files resource in key's slot, growing the slots (new ones null) when
    // the id is not below size(). Whatever the slot held is overwritten,
    // not deleted. Throws std::bad_alloc when the slots cannot grow; then
    // the table is unchanged.
    void add_resource(const coResourceKeyBase *key, coResourceBase *resource);
    // Sets the resource's key, then add_resource.
    void claim_resource(coResourceKeyBase *key, coResourceBase *resource);
    // Writes resource (possibly null) into key's existing slot; the slot is
    // overwritten, not deleted. Requires key's id below size() (checked).
    void enter_resource(const coResourceKeyBase *key, coResourceBase *resource) {
        COLIB_EXPECT(key->id() < size(), "coResourceTable", "enter_resource",
                     "no slot for key id %d (table size %d)", key->id(), size());
        slot(key->id()) = resource;
    }
    // The own slot for id, or null past the end. Every table has the same
    // block shift, so the slot is found with constant arithmetic: the block
    // pointer, then the slot in it.
    coResourceBase *own(int id) const noexcept {
        if (id >= size()) return nullptr;
        const unsigned i = static_cast<unsigned>(id);
        const auto *block =
            static_cast<coResourceBase *const *>(block_table().data()[i >> kSlotShift]);
        return block[i & ((1u << kSlotShift) - 1)];
    }

private:
    // Every table's slots come in blocks of 256.
    static constexpr int kSlotShift = 8;

    friend class coResourceBase;
    friend class coResourceModifierBase;
    friend class coResourceTableMaker;
    friend class coResourceIterator;
    friend class coResourceKeyBase;
    // Deletes r when this table owns it (it was just taken out of a slot).
    static void release(coResourceBase *r) noexcept;
    // Makes slots [size(), id] exist, all null.
    void grow_to(int id);

    const coResourceTable *parent_;
};

// The range-for iterator of a table: the filled own slots in id order.
class coResourceTable::const_iterator
    : public colib_detail::range_iter<const_iterator, const coResourceBase *> {
public:
    using pointer = const value_type *;

    const_iterator(const coResourceTable *t, int id) noexcept : t_(t), id_(id) { settle(); }
    const coResourceBase *operator*() const noexcept { return t_->slot(id_); }
    // The id of the current slot.
    int index() const noexcept { return id_; }
    const_iterator &operator++() noexcept {
        ++id_;
        settle();
        return *this;
    }
    bool operator==(const const_iterator &o) const noexcept { return id_ == o.id_; }

private:
    void settle() noexcept {
        int n = t_->size();
        while (id_ < n && t_->slot(id_) == nullptr)
            ++id_;
    }
    const coResourceTable *t_;
    int id_;
};

inline coResourceTable::const_iterator coResourceTable::begin() const noexcept {
    return const_iterator(this, 0);
}
inline coResourceTable::const_iterator coResourceTable::end() const noexcept {
    return const_iterator(this, size());
}

// Replaces a key's entry in a table for the modifier's lifetime. Not
// copyable. Modifiers of one key in one table nest: they must die in the
// reverse order of their making (checked in hardened builds). The table
// must outlive the modifier.
class COLIB_API coResourceModifierBase {
public:
    // Takes ownership of resource and puts it into table under key,
    // remembering the table's own entry it displaces (or null). Requires
    // all three (checked). Throws
    // std::bad_alloc when the table cannot grow: then resource is deleted
    // and the table is unchanged.
    coResourceModifierBase(coResourceBase *resource, coResourceKeyBase *key,
                           coResourceTable *table);
    coResourceModifierBase(const coResourceModifierBase &) = delete;
    coResourceModifierBase &operator=(const coResourceModifierBase &) = delete;
    // Puts the remembered entry back and deletes the modifier's resource.
    // When something else took the slot meanwhile: a table-owned entry there
    // is deleted (it is being displaced for good), an attached one is left
    // to its creator; an emptied slot gets the remembered entry back too.
    ~coResourceModifierBase();

    // The table's entry before the modifier took over (null: none).
    const coResourceBase *saved() const noexcept { return saved_; }
    coResourceKeyBase *key() const noexcept { return key_; }
    coResourceTable *table() const noexcept { return table_; }
    // The modifier's own resource.
    const coResourceBase *resource() const noexcept { return resource_; }

private:
    coResourceBase *saved_;
    coResourceKeyBase *key_;
    coResourceTable *table_;
    coResourceBase *resource_;
    // The modifier whose saved entry is this modifier's resource, while it
    // lives: this one must not die before it.
    coResourceModifierBase *covered_by_ = nullptr;
};

// The typed resources: the value, its text form and the type identity.
// Convert is the text conversion (co_int_from_string, ...).
template <class Derived, class V, int (*Convert)(const utString &, V &)>
class COLIB_API coResourceT : public coResourceBase {
public:
    using value_type = V;

    const V &value() const noexcept { return value_; }

    // int and the boolean: decimal; double: six significant digits;
    // utString: the text itself.
    utString as_string() const override;
    ~coResourceT() override;
    const utTypeID &ut_dynamic_type() const noexcept override { return Derived::s_ut_type_id; }
    // Its own class, else what coResourceBase answers.
    int ut_is_kind_of(const utTypeID &t) const noexcept override {
        return Derived::s_ut_type_id.same_type(t) ? 1 : coResourceBase::ut_is_kind_of(t);
    }
    static const utTypeID &ut_static_type() noexcept { return Derived::s_ut_type_id; }
    // p as this class when it is one, else null.
    static Derived *ut_dynamic_cast(const coResourceBase *p) noexcept {
        if (!p) return nullptr;
        // The exact class is the common case and needs no virtual call; the
        // virtual test covers every other class.
        if (p->type_ == &Derived::s_ut_type_id || p->ut_is_kind_of(Derived::s_ut_type_id))
            return static_cast<Derived *>(const_cast<coResourceBase *>(p));
        return nullptr;
    }

    // A new floating resource holding the value text converts to (error 0),
    // or null when it does not convert (error 2). The caller owns it.
    static Derived *create_from_string(const utString &text, coResourceError &error);

protected:
    // The typed resources' only constructors (they inherit them): floating,
    // for create_from_string, and made by a modifier of the key.
    coResourceT(coResourceFloating f, V v) : coResourceBase(f), value_(std::move(v)) {
        type_ = &Derived::s_ut_type_id;
    }
    coResourceT(coResourceModified m, coResourceKeyBase *key, V v)
        : coResourceBase(m, key), value_(std::move(v)) {
        type_ = &Derived::s_ut_type_id;
    }

private:
    template <class, class, class> friend class coResourceModifierT;
    V value_;
};

// The typed keys: read_safe reads the value of this key's resource through
// a table chain when the resource has the key's type.
template <class Derived, class Resource> class COLIB_API coResourceKeyT : public coResourceKeyBase {
public:
    using resource_type = Resource;
    using value_type = typename Resource::value_type;

    // Unnamed.
    coResourceKeyT() noexcept = default;
    // Named: registers (see coResourceKeyBase).
    explicit coResourceKeyT(const utString &name) : coResourceKeyBase(name) {}
    ~coResourceKeyT() override = default;

    // The address of the value of the resource found for this key in table
    // or its ancestors, when it is a Resource; null when there is none or
    // it has another type. Valid while the resource stays filed.
    const value_type *read_safe(const coResourceTable *table) const {
        COLIB_EXPECT(table != nullptr, typeid(Derived), "read_safe", "null table");
        const Resource *r = Resource::ut_dynamic_cast(table->lookup_resource(this));
        return r ? &r->value() : nullptr;
    }

private:
    coResourceBase *create_resource_from_string(const utString &text,
                                                coResourceError &error) const override {
        return Resource::create_from_string(text, error);
    }
};

// The typed modifiers: make a resource holding value and hand it to the
// base, which owns it from then on.
template <class Derived, class Resource, class Key>
class COLIB_API coResourceModifierT : public coResourceModifierBase {
public:
    using value_type = typename Resource::value_type;

    coResourceModifierT(value_type value, Key *key, coResourceTable *table)
        : coResourceModifierBase(new Resource(coResourceMODIFIED, key, std::move(value)), key,
                                 table) {}
    ~coResourceModifierT() = default;
};

// One member of the family (resources/resource.h lists them): the resource,
// its key and its modifier. The resource adds its type identity to the
// template; its constructors are the template's, reachable only by the
// template and the modifiers.
#define COLIB_RESOURCE_CLASSES(X, P, V, Convert)                                                   \
    class COLIB_API P##coResource : public coResourceT<P##coResource, V, Convert> {                \
    public:                                                                                        \
        static const utTypeID s_ut_type_id;                                                        \
        ~P##coResource() override;                                                                 \
                                                                                                   \
    private:                                                                                       \
        using coResourceT::coResourceT;                                                            \
    };                                                                                             \
    COLIB_THIN_CLASS(P##coResourceKey, coResourceKeyT, P##coResourceKey, P##coResource)            \
    COLIB_THIN_CLASS(P##coResourceModifier, coResourceModifierT, P##coResourceModifier,            \
                     P##coResource, P##coResourceKey)                                              \
    COLIB_RESOURCE_INSTANCES(X, P, V, Convert)
#define COLIB_RESOURCE_INSTANCES(X, P, V, Convert)                                                 \
    X(coResourceT<P##coResource, V, Convert>)                                                      \
    X(coResourceKeyT<P##coResourceKey, P##coResource>)                                             \
    X(coResourceModifierT<P##coResourceModifier, P##coResource, P##coResourceKey>)
// What the library defines for one member beyond the templates: the type
// identity, named after the class, and the destructor.
#define COLIB_RESOURCE_DEFINITIONS(X, P, V, Convert)                                               \
    const utTypeID P##coResource::s_ut_type_id(utMAKE_TYPE, #P "coResource");                      \
    P##coResource::~P##coResource() = default;
