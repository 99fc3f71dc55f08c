// A client of the installed library.
#include <colib/colib.h>

#include <sstream>

// Concrete classes can be derived from.
class Scores : public intcoDynArr {
public:
    using intcoDynArr::intcoDynArr;
    int total() const {
        int t = 0;
        for (int v : *this)
            t += v;
        return t;
    }
};

int main() {
    Scores s(0, 8);
    s.append(3);
    s.append(5);
    std::ostringstream out;
    out << static_cast<const intcoDynArr &>(s);
    return (s.total() == 8 && out.str() == "coDynArr {\n  size 2\n  3\n  5\n}\n") ? 0 : 1;
}
