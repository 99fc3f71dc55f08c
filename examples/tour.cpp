// A first look at colib, as a new user would try it.
#include <colib/colib.h>

#include <iostream>

int main() {
    // A dynamic array that grows four slots at a time.
    intcoDynArr numbers(0, 4);
    for (int i = 1; i <= 5; ++i)
        numbers.append(i * i);
    numbers[7] = 64; // the subscript grows the array to size 8
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

    // Text to value.
    int n = 0;
    double d = 0;
    int flag = 0;
    if (co_int_from_string("-42", n) && co_double_from_string("6.02e23", d) &&
        co_utBool_from_string("TRUE", flag))
        std::cout << n << " " << d << " " << flag << "\n";
    return 0;
}
