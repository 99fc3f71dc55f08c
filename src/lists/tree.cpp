#include <colib/lists/tree.h>

#include <new>
#include <utility>

namespace {
using Link = coTreecoDListPtrcoPtrcoDLink;
}

int coTreeObj::is_older_sibling(const coTreeObj *) const {
    return 1;
}
coTreeObj::~coTreeObj() = default;

coTreeList::coTreeList() noexcept = default;
coTreeList::~coTreeList() = default;

coTree::coTree() noexcept : object_(nullptr), children_(nullptr), parent_(nullptr) {}
coTree::coTree(coTreeObj *o) noexcept : object_(o), children_(nullptr), parent_(nullptr) {}

coTree::coTree(coTree &&src) noexcept : object_(nullptr), children_(nullptr), parent_(nullptr) {
    take_children(src);
}

coTree &coTree::operator=(coTree &&src) noexcept {
    if (this != &src) {
        // The old subtree goes with a temporary root.
        coTree old(std::move(*this));
        take_children(src);
    }
    return *this;
}

void coTree::take_children(coTree &src) noexcept {
    COLIB_EXPECT(parent_ == nullptr && src.parent_ == nullptr, typeid(coTree), "move",
                 "only a root can be moved");
    children_ = src.children_;
    src.children_ = nullptr;
    bytes_ = src.bytes_;
    src.bytes_ = 0;
    if (children_)
        for (coTree *c : *children_)
            c->parent_ = this;
}

coTree::~coTree() {
    // Nodes still to free form a stack threaded through their parent
    // pointers; a node's children are pushed and its list freed before the
    // node itself goes, so each node's own destructor finds no children.
    coTree *pending = nullptr;
    auto push_children = [&pending](coTree *n) {
        if (!n->children_) return;
        for (coTree *c : *n->children_) {
            c->parent_ = pending;
            pending = c;
        }
        delete n->children_;
        n->children_ = nullptr;
    };
    push_children(this);
    while (pending) {
        coTree *n = pending;
        pending = n->parent_;
        push_children(n);
        delete n;
    }
}

coTree *coTree::find_parent_node(coTree *node) {
    // The root claims everything. Below a claiming node, the first child in
    // list order that claims the object is the way down.
    if (parent_ && !object_->is_ancestor(node->object_)) return nullptr;
    coTree *n = this;
    for (;;) {
        if (!n->children_) return n;
        coTree *down = nullptr;
        for (coTree *k : *n->children_)
            if (k->object_->is_ancestor(node->object_)) {
                down = k;
                break;
            }
        if (!down) return n;
        n = down;
    }
}

void coTree::add(coTreeObj *o) {
    COLIB_EXPECT(root(), typeid(coTree), "add", "not a root");
    coTree *t = new coTree(o);
    coTree *p = find_parent_node(t);
    // Everything that can fail happens before the tree changes: the
    // adopted siblings are listed under t first, and t is linked among
    // p's children at the place it will have once they are gone.
    bool made_list = false;
    try {
        if (p->children_) {
            for (coTree *k : *p->children_)
                if (o->is_ancestor(k->object_)) {
                    if (!t->children_) t->children_ = new coTreeList;
                    if (!t->children_->insert_last(k)) throw std::bad_alloc();
                }
        }
        if (!p->children_) {
            p->children_ = new coTreeList;
            made_list = true;
        }
        coTreeList &l = *p->children_;
        Link *adopted = nullptr, *adopted_end = nullptr;
        if (t->children_) {
            adopted_end = t->children_->sentinel();
            adopted = adopted_end->next();
        }
        l.reset();
        while (l.forwards()) {
            coTree *k = l.read();
            if (adopted != adopted_end && adopted->read() == k) {
                adopted = adopted->next();
                continue;
            }
            if (!k->object_->is_older_sibling(o)) break;
        }
        if (!l.insert_before(t)) throw std::bad_alloc();
    } catch (...) {
        if (p->children_) p->children_->reset();
        if (made_list) {
            delete p->children_;
            p->children_ = nullptr;
        }
        delete t->children_;
        t->children_ = nullptr;
        delete t;
        throw;
    }
    t->parent_ = p;
    // The new node, its link in p's list and the lists made for it (the
    // adopted children's links move from p's list to t's one for one).
    bytes_ += sizeof(coTree) + sizeof(coTreeList::item_type) +
              (made_list ? sizeof(coTreeList) : 0) + (t->children_ ? sizeof(coTreeList) : 0);
    if (t->children_) {
        // The adopted children leave p's list in order, as a forward walk
        // that removes with remove_backwards.
        coTreeList &l = *p->children_;
        Link *adopted_end = t->children_->sentinel();
        Link *adopted = adopted_end->next();
        l.reset();
        while (adopted != adopted_end && l.forwards())
            if (l.read() == adopted->read()) {
                adopted->read()->parent_ = t;
                adopted = adopted->next();
                l.remove_backwards();
            }
    }
    p->children_->reset();
}
