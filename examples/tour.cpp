// A tour of colib, one subsystem at a time, as a new user would write it.
#include <colib/colib.h>

#include <iostream>
#include <string_view>

// Tree objects: a range of numbers claims the ranges inside it.
class Range : public coTreeObj {
public:
    Range(int lo, int hi) : lo_(lo), hi_(hi) {}
    int is_ancestor(const coTreeObj *other) const override {
        auto *r = static_cast<const Range *>(other);
        return lo_ <= r->lo_ && r->hi_ <= hi_ && (lo_ != r->lo_ || hi_ != r->hi_);
    }
    int is_older_sibling(const coTreeObj *other) const override {
        return lo_ < static_cast<const Range *>(other)->lo_;
    }
    int lo_, hi_;
};

static void print_tree(const coTree &node, int depth) {
    if (!node.children()) return;
    for (coTree *child : *node.children()) {
        auto *r = static_cast<const Range *>(child->object());
        std::cout << std::string(2 * depth + 2, ' ') << r->lo_ << ".." << r->hi_ << "\n";
        print_tree(*child, depth + 1);
    }
}

int main() {
    std::cout << "== arrays\n";
    // A dynamic array grows by exactly its step: give it one near the size
    // you expect (a default array grows one slot per append).
    intcoDynArr numbers(0, 4);
    for (int i = 1; i <= 5; ++i)
        numbers.append(i * i);
    numbers[5] = 36; // the subscript grows the array to size 6
    std::cout << "capacity " << numbers.capacity() << ", size " << numbers.size() << "\n";
    numbers.shrink(3, 1);
    std::cout << numbers;

    // Strings share their text; arrays of them copy completely.
    utStringcoDynArr words{"alpha", "beta"};
    words.append(ut_lit("gamma"));
    utStringcoDynArr copy(utCOPY, words);
    copy[0] = "ALPHA";
    std::cout << words << copy;

    // Range-for and the array's own iterator walk the same elements.
    double total = 0;
    doublecoDynArr weights{0.5, 1.25, 2};
    for (double w : weights)
        total += w;
    for (doublecoDynArrcoIterator it(&weights); it; ++it)
        total += *it;
    std::cout << "twice the total weight: " << total << "\n";

    // A matrix grows each dimension by its own step.
    intcoDynArr2D grid{{1, 2}, {3, 4}}; // each inner list is a column
    grid(2, 0) = 5;                     // a third row
    grid(2, 1) = 6;
    std::cout << grid;

    // Text to value.
    int n = 0;
    double d = 0;
    int flag = 0;
    if (co_int_from_string("-42", n) && co_double_from_string("6.02e23", d) &&
        co_utBool_from_string("TRUE", flag))
        std::cout << n << " " << d << " " << flag << "\n";

    std::cout << "== a set and a table\n";
    utStringcoSet seen;
    for (const char *w : {"to", "be", "or", "not", "to", "be"})
        seen.add(w);
    std::cout << seen.size() << " distinct words; \"not\" seen: " << seen.member("not")
              << ", \"maybe\" seen: " << seen.member("maybe") << "\n";

    utStringintcoTable counts;
    for (std::string_view w : {"to", "be", "or", "not", "to", "be"})
        ++counts[w]; // looks the word up in place: no utString per word
    std::cout << "\"to\" " << counts.read("to") << " times, \"or\" " << counts.read("or")
              << " time, \"maybe\" " << counts.read("maybe") << " times\n";

    std::cout << "== a paged array\n";
    // Elements never move: blocks are added as the array grows. For millions
    // of elements choose larger blocks and a larger table step.
    intcoPageArr squares(4, 0, 64); // 16 elements per block
    for (int i = 0; i < 100; ++i)
        squares.append(i * i);
    const int *kept = &squares[10];
    for (int i = 100; i < 1000; ++i)
        squares.append(i * i);
    std::cout << squares.size() << " elements in " << squares.block_count() << " blocks of "
              << squares.block_size() << "; element 10 still at its address: " << *kept << "\n";

    std::cout << "== sorting\n";
    doublecoPageArr prices{3.5, 1.25, 9, 1.25, 0.5};
    intcoPageArr order;
    doublecoQuickSortIndex sorter(prices, order); // the prices never move
    for (int i : order)
        std::cout << "  " << i << ": " << prices[i] << "\n";

    std::cout << "== a list with a cursor\n";
    intcoDList l{10, 20, 30};
    l.forwards();       // the cursor on 10
    l.insert_before(5); // 5, 10, 20, 30
    ++l;                // the cursor on 20
    l.remove();         // 5, 10, 30: the cursor on 30
    std::cout << "cursor at index " << l.index() << ";";
    for (int x : l)
        std::cout << " " << x;
    std::cout << "\n";

    intcoQueue queue{1, 2, 3}; // 1 is the head
    queue.push(4);
    queue.pop();
    std::cout << "queue head " << queue.head() << ", tail " << queue.tail() << "\n";

    std::cout << "== the sorted list\n";
    utStringcoSortedList names{"mallory", "alice", "bob", "alice"};
    names.add("carol");
    names.remove_first();
    std::cout << names;

    std::cout << "== the tree\n";
    Range all(0, 100), low(0, 49), high(50, 100), tens(10, 19), twenties(20, 29);
    coTree root;
    for (Range *r : {&tens, &high, &all, &twenties, &low})
        root.add(r);
    print_tree(root, 0);
    std::cout << "== hashed arrays\n";
    intcoHashedArr ha; // stores only the indexes written
    ha[1000000] = 7;
    ha[-3] = 2;
    std::cout << "size " << ha.size() << ", stored " << ha.count() << ", ha[5] = " << ha[5] << "\n";
    intcoHashedArr2D hm;
    hm[2][3] = 6;
    std::cout << "hm[2][3] = " << hm.read(2, 3) << ", hm[3][2] = " << hm[3][2] << ", " << hm.count()
              << " stored\n";

    std::cout << "== a sparse matrix\n";
    doublecoSparseArr2D sparse; // stores only the cells written
    sparse.write(2, 5, 1.5);
    sparse(2, 1) = 4.0;
    for (auto cell : sparse.row(2)) // ascending columns
        std::cout << "(" << cell.row << ", " << cell.column << ") = " << cell.value << "\n";
    std::cout << "unwritten cells read " << sparse.read(7, 7) << "; cells: " << sparse.cell_count()
              << "\n";

    std::cout << "== resources\n";
    intcoResourceKey width("width");
    coResourceTable defaults, user(&defaults); // user falls back to defaults
    coResourceTableMaker::create_entry("width", "80", defaults);
    std::cout << "width " << *width.read_safe(&user) << "\n";
    {
        intcoResourceModifier wide(132, &width, &user); // for this block only
        std::cout << "width " << *width.read_safe(&user) << "\n";
    }
    std::cout << "width " << *width.read_safe(&user) << "\n";

    std::cout << "== a sender and its receivers\n";
    coCallReason tick;
    coSender clock(1);
    coReceiver face(1);
    void (*on_tick)(void *) = [](void *) { std::cout << "tick\n"; };
    clock.calls().add(
        new coCallFunc(tick, &face, &clock, reinterpret_cast<void (*)()>(on_tick), 0));
    clock.calls().apply(tick);
    return 0;
}
