// One small container of every family, with walkers standing on them: what
// the debugger views print (gdb/sample.cpp) and what the concurrent reads
// share between threads (threads/concurrent_reads_test.cpp); the tree
// objects serve the lists' driver too.
#pragma once

#include <colib/colib.h>

// Tree objects: an interval claims the intervals inside it; siblings go by lo.
struct Span : coTreeObj {
    Span(int lo, int hi) : lo(lo), hi(hi) {}
    int is_ancestor(const coTreeObj *o) const override {
        auto *s = static_cast<const Span *>(o);
        return lo <= s->lo && s->hi <= hi && (lo != s->lo || hi != s->hi);
    }
    int is_older_sibling(const coTreeObj *o) const override {
        return lo < static_cast<const Span *>(o)->lo;
    }
    int lo, hi;
};

struct Samples {
    utString text{"hello"}, no_text;

    intcoDynArr dyn = [] { // filled before its walker is made
        intcoDynArr a(0, 4);
        for (int v : {3, 5, 7})
            a.append(v);
        return a;
    }();
    intcoDynArrcoIterator dyn_it{&dyn};
    utStringcoDynArr words{"a", "bc"};
    intcoStackFast stack_fast{2, 2};
    intcoDynArr2D grid{{1, 2, 3}, {4, 5, 6}};
    intcoDynArr3D cube{1, 1, 1, 1, 1, 1};
    intcoFixedArr fixed{4, 5}, fixed_invalid;
    intcoFixedArr2D fixed2d{{1, 2}, {3, 4}, {5, 6}};
    intcoVariableArr variable;
    intcoVariableArrcoIterator variable_it{&variable};
    doublecoFixedArrcoPrf holder{new doublecoFixedArr{1.5}}, holder2 = holder;

    intcoPageArr paged = intcoPageArr(2, 1, 1);
    intcoPageArrcoIterator paged_it{&paged};

    intcoSet set = intcoSet(4, 50);
    utStringcoSet strings{4, 50};
    utStringintcoTable table{4, 50};
    intintcoTable ints = intintcoTable(4, 50);
    intcoSetcoIterator set_it{&set};
    intutStringcoTable names{4, 50};
    utStringintcoTablecoIterator2 names_it{&names};

    intcoSListB slist{1, 2, 3};
    intcoSListBcoIterator slist_it{&slist};
    intcoSList scursor{4, 5, 6};
    intcoStack stack{1, 2, 3};
    intcoQueue queue{1, 2, 3};
    intcoDList dlist{10, 20};
    intcoDListBcoIterator dlist_it{&dlist};
    utStringcoDList dcursor{"p", "q"};
    intcoPageDList page_list;
    intcoPageDListcoIterator page_list_it{&page_list};
    doublecoSortedList sorted{2.5, 0.5, 1.5};
    doublecoSortedListcoIterator sorted_it{&sorted};

    Span all{0, 9}, low{0, 4}, high{5, 9}, one{1, 1};
    coTree tree;

    intcoHashedArr hashed;
    intcoHashedArr2D hashed2d;
    doublecoSparseArr2D sparse;

    intcoResourceKey width{"width"};
    coResourceTable settings;

    coCallReason tick;
    coSender sender{1};
    coReceiver receiver{1};

    Samples() {
        ++dyn_it;
        for (int v : {1, 2, 3})
            stack_fast.push(v);
        cube(0, 1, 1) = 8, cube(0, 0, 0) = 1, cube(0, 0, 1) = 2, cube(0, 1, 0) = 3;
        for (int i = 0; i < 20; ++i)
            variable.append(i);
        for (int i = 0; i < 18; ++i)
            ++variable_it;
        for (int i = 0; i < 6; ++i)
            paged.append(10 * i);
        for (int i = 0; i < 5; ++i)
            ++paged_it;
        set.add(7), set.add(1), strings.add("x");
        table[utString("one")] = 1, table[utString("two")] = 2, ints[5] = 50;
        ++set_it;
        names[3] = "three";
        ++names_it;
        scursor += 2;
        --dlist_it;
        dcursor.forwards();
        page_list.insert_last(8), page_list.insert_last(9), page_list.insert_first(7);
        --page_list_it;
        ++sorted_it;
        for (Span *s : {&high, &all, &one, &low})
            tree.add(s);
        hashed[2] = 9, hashed[-7] = 1, hashed2d[1][2] = 3;
        sparse.write(2, 5, 1.5), sparse.write(2, 1, 4);
        coResourceTableMaker::create_entry("width", "80", settings);
        sender.calls().add(new coCallFunc(tick, &receiver, &sender, nullptr, 0));
    }
};
