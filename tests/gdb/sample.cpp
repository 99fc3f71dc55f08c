// One container of every family, stopped in a debugger by the gdb test,
// which prints each of them through the pretty-printers.
#include <colib/colib.h>

#include <memory>

// Tree objects: an interval claims the intervals inside it.
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

// The debugger stops here with everything below alive in the caller.
extern "C" __attribute__((noinline)) void stop_here() {
    asm volatile("" ::: "memory");
}

int main() {
    utString text("hello");
    utString no_text;

    intcoDynArr dyn(0, 4);
    dyn.append(3);
    dyn.append(5);
    dyn.append(7);
    intcoDynArrcoIterator dyn_it(&dyn);
    ++dyn_it;
    utStringcoDynArr words{"a", "bc"};
    intcoStackFast stack_fast(2, 2);
    stack_fast.push(1);
    stack_fast.push(2);
    stack_fast.push(3);
    intcoDynArr2D grid{{1, 2, 3}, {4, 5, 6}};
    intcoDynArr3D cube(1, 1, 1, 1, 1, 1);
    cube(0, 1, 1) = 8;
    cube(0, 0, 0) = 1;
    cube(0, 0, 1) = 2;
    cube(0, 1, 0) = 3;
    intcoFixedArr fixed{4, 5};
    intcoFixedArr fixed_invalid;
    intcoFixedArr2D fixed2d{{1, 2}, {3, 4}, {5, 6}};
    intcoVariableArr variable;
    for (int i = 0; i < 20; ++i)
        variable.append(i);
    intcoVariableArrcoIterator variable_it(&variable);
    for (int i = 0; i < 18; ++i)
        ++variable_it;
    doublecoFixedArrcoPrf holder(new doublecoFixedArr{1.5});
    doublecoFixedArrcoPrf holder2 = holder;

    intcoPageArr paged(2, 1, 1);
    for (int i = 0; i < 6; ++i)
        paged.append(10 * i);
    intcoPageArrcoIterator paged_it(&paged);
    ++paged_it;
    ++paged_it;
    ++paged_it;
    ++paged_it;
    ++paged_it;

    intcoSet set(4, 50);
    set.add(7);
    set.add(1);
    utStringcoSet strings(4, 50);
    strings.add("x");
    utStringintcoTable table(4, 50);
    table[utString("one")] = 1;
    table[utString("two")] = 2;
    intintcoTable ints(4, 50);
    ints[5] = 50;
    intcoSetcoIterator set_it(&set);
    ++set_it;
    intutStringcoTable names(4, 50);
    names[3] = "three";
    utStringintcoTablecoIterator2 names_it(&names);
    ++names_it;

    intcoSListB slist{1, 2, 3};
    intcoSListBcoIterator slist_it(&slist);
    intcoSList scursor{4, 5, 6};
    scursor += 2;
    intcoStack stack{1, 2, 3};
    intcoQueue queue{1, 2, 3};
    intcoDList dlist{10, 20};
    intcoDListBcoIterator dlist_it(&dlist);
    --dlist_it;
    utStringcoDList dcursor{"p", "q"};
    dcursor.forwards();
    intcoPageDList page_list;
    page_list.insert_last(8);
    page_list.insert_last(9);
    page_list.insert_first(7);
    intcoPageDListcoIterator page_list_it(&page_list);
    --page_list_it;
    doublecoSortedList sorted{2.5, 0.5, 1.5};
    doublecoSortedListcoIterator sorted_it(&sorted);
    ++sorted_it;

    Span all(0, 9), low(0, 4), high(5, 9), one(1, 1);
    coTree tree;
    tree.add(&high);
    tree.add(&all);
    tree.add(&one);
    tree.add(&low);

    intcoHashedArr hashed;
    hashed[2] = 9;
    hashed[-7] = 1;
    intcoHashedArr2D hashed2d;
    hashed2d[1][2] = 3;
    doublecoSparseArr2D sparse;
    sparse.write(2, 5, 1.5);
    sparse.write(2, 1, 4);

    intcoResourceKey width("width");
    coResourceTable settings;
    coResourceTableMaker::create_entry("width", "80", settings);

    coCallReason tick;
    coSender sender(1);
    coReceiver receiver(1);
    sender.calls().add(new coCallFunc(tick, &receiver, &sender, nullptr, 0));

    stop_here();
    return 0;
}
