// The self-arranging containment tree. Clients derive their objects from
// coTreeObj, which answers whether another object belongs below it and
// whether it goes before another object among siblings; adding an object
// to a coTree root places it under the deepest node that claims it, moves
// below it the siblings that it claims in turn, and keeps every node's
// children in sibling order.
//
//   coTree root;
//   root.add(&b);   // under the root
//   root.add(&a);   // a claims b: a goes under the root, b under a
//   for (coTree *child : *root.children()) use(child->object());
//
// Invariants:
//   - the root has no object and no parent; every other node has an object
//     and a parent whose children list holds it exactly once;
//   - a node's children list is made with its first child and stays
//     (possibly empty) until the node is destroyed; the node owns the
//     child nodes in it, never the objects;
//   - a node's children list's built-in cursor is undefined between calls.
//
// Neither add nor the destructor recurses: a tree of any depth is built
// and destroyed in constant stack space.
//
// Failure: add throws std::bad_alloc when a node or link cannot be had,
// with the tree unchanged.
#pragma once

#include <cstddef>

#include <colib/lists/dlist.h>

// Abstract base of the objects placed in a tree.
class COLIB_API coTreeObj {
public:
    coTreeObj() = default;
    // 1 when other belongs somewhere below this object.
    virtual int is_ancestor(const coTreeObj *other) const = 0;
    // 1 when, as children of one node, this object goes before other. By
    // default 1: a new child goes after all existing ones.
    virtual int is_older_sibling(const coTreeObj *other) const;
    virtual ~coTreeObj();
};

// The children of one node, with the list's built-in cursor.
class COLIB_API coTreeList : public coTreecoDListPtrcoPtrcoDList {
public:
    coTreeList() noexcept;
    coTreeList(const coTreeList &) = delete;
    coTreeList &operator=(const coTreeList &) = delete;
    ~coTreeList();
};

// One node; the object is not owned, the child nodes are.
class COLIB_API coTree {
public:
    // A root: no object, no children, no parent.
    coTree() noexcept;
    coTree(const coTree &) = delete;
    coTree &operator=(const coTree &) = delete;
    // Takes src's whole tree in O(1) (the children are re-parented); src is
    // left a root without children. Both must be roots.
    coTree(coTree &&src) noexcept;
    coTree &operator=(coTree &&src) noexcept;
    // Destroys and frees every node below this one; the objects are not
    // touched.
    ~coTree();

    // Places o in the tree below this root. Requires a root.
    void add(coTreeObj *o);

    // The children list, or null when the node never had a child.
    coTreeList *children() const noexcept { return children_; }
    // The node's object (null for the root).
    coTreeObj *object() const noexcept { return object_; }
    // The node's parent (null for the root).
    coTree *parent() const noexcept { return parent_; }
    int root() const noexcept { return parent_ == nullptr; }
    // Heap bytes the tree holds: every node below the root, the children
    // lists and their links (the objects are not counted). Kept by the
    // root as nodes are added; 0 on any other node.
    std::size_t memory_bytes() const noexcept { return bytes_; }

    // Range-for walks the node's children in sibling order (none before the
    // first child is added):   for (coTree *child : node) ...
    using iterator = coTreeList::iterator;
    using const_iterator = coTreeList::const_iterator;
    iterator begin() noexcept { return children_ ? children_->begin() : iterator(nullptr); }
    iterator end() noexcept { return children_ ? children_->end() : iterator(nullptr); }
    const_iterator begin() const noexcept {
        return children_ ? static_cast<const coTreeList *>(children_)->begin()
                         : const_iterator(nullptr);
    }
    const_iterator end() const noexcept {
        return children_ ? static_cast<const coTreeList *>(children_)->end()
                         : const_iterator(nullptr);
    }

private:
    explicit coTree(coTreeObj *o) noexcept;
    // Takes src's children into this childless root; src keeps none.
    void take_children(coTree &src) noexcept;
    // The deepest node that claims node's object, or null when this node
    // does not claim it.
    coTree *find_parent_node(coTree *node);

    coTreeObj *object_;
    coTreeList *children_;
    coTree *parent_;
    std::size_t bytes_ = 0;
};
