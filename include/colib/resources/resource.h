// Typed resources: values filed under keys in resource tables that fall
// back to parent tables.
//
//   intcoResourceKey width("width");        // named: the loader finds it
//   coResourceTable defaults;
//   coResourceTable user(&defaults);        // user falls back to defaults
//   coResourceTableMaker::create_entry("width", "80", defaults);
//   *width.read_safe(&user);                // 80, found in defaults
//   {
//       intcoResourceModifier wide(132, &width, &user);
//       *width.read_safe(&user);            // 132 while wide lives
//   }
//   *width.read_safe(&user);                // 80 again
//
// Rules of the family:
//   - a key's id is its slot in every table; ids are dense from 0 and the
//     last id is reused when its key dies. Keys outlive the tables using
//     them; parents outlive their children;
//   - read_safe answers null for no resource and for a resource of another
//     type; it never converts;
//   - who deletes a resource: see resources/detail/resource.h (attached:
//     its creator; made by a modifier: the modifier; otherwise the table,
//     also when the table lets go of it).
// Tables, the table maker (with the settings-file loader), the table
// iterator and the shared table holder are in resources/resource_table.h.
#pragma once

#include <colib/resources/detail/resource.h>

class intcoResourceKey;
class doublecoResourceKey;
class utBoolcoResourceKey;
class utStringcoResourceKey;

// An int value.
class COLIB_API intcoResource : public coResourceT<intcoResource, int, co_int_from_string> {
public:
    static const utTypeID s_ut_type_id;
    ~intcoResource() override;

private:
    friend coResourceT;
    template <class, class, class> friend class coResourceModifierT;
    intcoResource(coResourceFloating f, int v) : coResourceT(f, v) {}
    intcoResource(coResourceModified m, intcoResourceKey *key, int v);
};

// A double value; its text has six significant digits.
class COLIB_API doublecoResource
    : public coResourceT<doublecoResource, double, co_double_from_string> {
public:
    static const utTypeID s_ut_type_id;
    ~doublecoResource() override;

private:
    friend coResourceT;
    template <class, class, class> friend class coResourceModifierT;
    doublecoResource(coResourceFloating f, double v) : coResourceT(f, v) {}
    doublecoResource(coResourceModified m, doublecoResourceKey *key, double v);
};

// A truth value held as int (1 or 0); text "true"/"false" in any case
// converts, its text form is "1" or "0".
class COLIB_API utBoolcoResource
    : public coResourceT<utBoolcoResource, int, co_utBool_from_string> {
public:
    static const utTypeID s_ut_type_id;
    ~utBoolcoResource() override;

private:
    friend coResourceT;
    template <class, class, class> friend class coResourceModifierT;
    utBoolcoResource(coResourceFloating f, int v) : coResourceT(f, v) {}
    utBoolcoResource(coResourceModified m, utBoolcoResourceKey *key, int v);
};

// A string value; any text converts.
class COLIB_API utStringcoResource
    : public coResourceT<utStringcoResource, utString, co_utString_from_string> {
public:
    static const utTypeID s_ut_type_id;
    ~utStringcoResource() override;

private:
    friend coResourceT;
    template <class, class, class> friend class coResourceModifierT;
    utStringcoResource(coResourceFloating f, utString v) : coResourceT(f, std::move(v)) {}
    utStringcoResource(coResourceModified m, utStringcoResourceKey *key, utString v);
};

// The keys of each type; read_safe yields const int *, const double *,
// const int * (the boolean) and const utString *.
class COLIB_API intcoResourceKey : public coResourceKeyT<intcoResourceKey, intcoResource> {
public:
    using coResourceKeyT::coResourceKeyT;
};
class COLIB_API doublecoResourceKey : public coResourceKeyT<doublecoResourceKey, doublecoResource> {
public:
    using coResourceKeyT::coResourceKeyT;
};
class COLIB_API utBoolcoResourceKey : public coResourceKeyT<utBoolcoResourceKey, utBoolcoResource> {
public:
    using coResourceKeyT::coResourceKeyT;
};
class COLIB_API utStringcoResourceKey
    : public coResourceKeyT<utStringcoResourceKey, utStringcoResource> {
public:
    using coResourceKeyT::coResourceKeyT;
};

// The modifiers of each type: (value, key, table).
class COLIB_API intcoResourceModifier
    : public coResourceModifierT<intcoResourceModifier, intcoResource, intcoResourceKey> {
public:
    using coResourceModifierT::coResourceModifierT;
};
class COLIB_API doublecoResourceModifier
    : public coResourceModifierT<doublecoResourceModifier, doublecoResource, doublecoResourceKey> {
public:
    using coResourceModifierT::coResourceModifierT;
};
class COLIB_API utBoolcoResourceModifier
    : public coResourceModifierT<utBoolcoResourceModifier, utBoolcoResource, utBoolcoResourceKey> {
public:
    using coResourceModifierT::coResourceModifierT;
};
class COLIB_API utStringcoResourceModifier
    : public coResourceModifierT<utStringcoResourceModifier, utStringcoResource,
                                 utStringcoResourceKey> {
public:
    using coResourceModifierT::coResourceModifierT;
};

// The instances compiled once in the library (src/resources/resource.cpp).
#define COLIB_RESOURCE_INSTANCES(X)                                                                \
    X(coPageArrT<coResourceBasecoPageArrPtrcoPtrcoPageArr, coResourceBase *,                       \
                 coElem<coResourceBase *>::block, 0>)                                              \
    X(coResourceT<intcoResource, int, co_int_from_string>)                                         \
    X(coResourceT<doublecoResource, double, co_double_from_string>)                                \
    X(coResourceT<utBoolcoResource, int, co_utBool_from_string>)                                   \
    X(coResourceT<utStringcoResource, utString, co_utString_from_string>)                          \
    X(coResourceKeyT<intcoResourceKey, intcoResource>)                                             \
    X(coResourceKeyT<doublecoResourceKey, doublecoResource>)                                       \
    X(coResourceKeyT<utBoolcoResourceKey, utBoolcoResource>)                                       \
    X(coResourceKeyT<utStringcoResourceKey, utStringcoResource>)                                   \
    X(coResourceModifierT<intcoResourceModifier, intcoResource, intcoResourceKey>)                 \
    X(coResourceModifierT<doublecoResourceModifier, doublecoResource, doublecoResourceKey>)        \
    X(coResourceModifierT<utBoolcoResourceModifier, utBoolcoResource, utBoolcoResourceKey>)        \
    X(coResourceModifierT<utStringcoResourceModifier, utStringcoResource, utStringcoResourceKey>)
COLIB_RESOURCE_INSTANCES(COLIB_EXTERN_TEMPLATE)
