// Trees of intervals for the tree tests, and their shape as text.
#pragma once

#include <colib/lists/tree.h>
#include <gtest/gtest.h>

#include <string>

namespace colib_test {

// An interval: it claims the intervals strictly inside it. With `ordered`,
// siblings go by their start; otherwise the base order (each new one last).
struct Span : coTreeObj {
    Span(std::string n, int l, int h, bool o = false)
        : name(std::move(n)), lo(l), hi(h), ordered(o) {}
    int is_ancestor(const coTreeObj *other) const override {
        auto *s = static_cast<const Span *>(other);
        return lo <= s->lo && s->hi <= hi && (lo != s->lo || hi != s->hi);
    }
    int is_older_sibling(const coTreeObj *other) const override {
        if (!ordered) return coTreeObj::is_older_sibling(other);
        return lo < static_cast<const Span *>(other)->lo;
    }
    std::string name;
    int lo, hi;
    bool ordered;
};

// "name(child child ...)", "name()" for a children list left empty; checks
// the parent pointers and that every children list's cursor is undefined.
inline std::string shape(const coTree *n) {
    std::string s = n->object() ? static_cast<Span *>(n->object())->name : "root";
    if (n->children()) {
        s += "(";
        bool first = true;
        for (coTree *c : *n->children()) {
            EXPECT_EQ(c->parent(), n);
            EXPECT_EQ(c->root(), 0);
            if (!first) s += " ";
            s += shape(c);
            first = false;
        }
        s += ")";
        EXPECT_TRUE(n->children()->undefined());
    }
    return s;
}

} // namespace colib_test
