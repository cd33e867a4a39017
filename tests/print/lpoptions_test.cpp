#include "print/lpoptions.h"

#include <gtest/gtest.h>

namespace print {
namespace {

using Options = std::vector<std::string>;

// The files as CUPS reads them: a keyword in any case and blanks of any
// kind; a line of another kind, or naming no printer, is passed over.
TEST(Lpoptions, names_the_users_default_over_the_systems_and_gives_each_printer_its_own_lines)
{
    const Lpoptions none("", "");
    EXPECT_EQ(none.defaultPrinter(), "");
    EXPECT_EQ(none.optionsFor("Office", ""), Options{});

    const Lpoptions systemOnly("Default Office media=A4\n", "# mine\nDest Home copies=2\n");
    EXPECT_EQ(systemOnly.defaultPrinter(), "Office");
    EXPECT_EQ(systemOnly.optionsFor("Office", ""), Options{"media=A4"});

    const Lpoptions both("Default Office\nDest Office media=A4\nDest Office/draft print-quality=3\n",
                         "dest\toffice \t sides=two-sided-long-edge\r\nDEFAULT Home/photo copies=2\nDest\nCopies 4\n");
    EXPECT_EQ(both.defaultPrinter(), "Home/photo");
    // The system's lines first, so that the user's apply over them.
    EXPECT_EQ(both.optionsFor("Office", ""), (Options{"media=A4", "sides=two-sided-long-edge"}));
    // An instance has its own lines only, as CUPS gives them.
    EXPECT_EQ(both.optionsFor("Office", "draft"), Options{"print-quality=3"});
    EXPECT_EQ(both.optionsFor("Home", "photo"), Options{"copies=2"});
    EXPECT_EQ(both.optionsFor("Home", ""), Options{});
}

} // namespace
} // namespace print
