#include <colib/foundation/ut_ostream.h>
#include <gtest/gtest.h>

#include <limits>
#include <sstream>

TEST(UtOstream, NestedStreamsIndentEveryLine) {
    std::ostringstream os;
    {
        utOstream root(os, 0, 2);
        root << "a {" << std::endl;
        {
            utOstream inner(utTAB, root, 1, 0);
            inner << "x " << 1 << std::endl << "two\nlines" << std::endl << std::endl;
            utOstream deeper(utTAB, inner, 1, 0);
            deeper << 'c' << std::endl;
        }
        root << "}" << std::endl;
    }
    EXPECT_EQ(os.str(), "a {\n  x 1\n  two\n  lines\n\n    c\n}\n");

    std::ostringstream wide;
    utOstream custom(wide, 1, 4);
    utOstream extra(utTAB, custom, 0, 1);
    extra << "e" << std::endl;
    EXPECT_EQ(wide.str(), "     e\n");
}

TEST(UtOstream, NumberFormats) {
    std::ostringstream os;
    utOstream u(os, 0, 2);
    u << 0.1 << " " << 1.0 << " " << 1e300 << " " << -0.0 << " " << static_cast<double>(0.1f) << " "
      << std::numeric_limits<double>::max() << " " << -2147483647 - 1 << " "
      << static_cast<void *>(nullptr) << " " << reinterpret_cast<void *>(0xbeef) << " "
      << std::numeric_limits<double>::infinity();
    EXPECT_EQ(os.str(), "0.1 1 1e+300 -0 0.10000000149011612 1.7976931348623157e+308 "
                        "-2147483648 0x0 0xbeef inf");
}
