// Locale-aware comparison of Windows-1252 text.
#include "platform/collate.h"

#include <gtest/gtest.h>

namespace {

struct OrderCase {
    const char* what;
    std::string before;
    std::string after;
};

TEST(CompareStringAnsi, Order) {
    const OrderCase cases[] = {
        {"letters ignore case first", "apple", "Banana"},
        {"lower case before upper case", "a", "A"},
        {"a prefix first", "Sans", "Sans Bold"},
        {"blanks before digits", "A 1", "A1"},
        {"digits before letters", "9", "A"},
        {"symbols before digits", "(x)", "0"},
        {"an accent only breaks a tie", "e", "\xE9"},
        {"an accented letter sorts with its base letter", "\xE9t\xE9", "f"},
        {"a hyphen is ignored first", "coop", "co-op"},
        {"a hyphen does not split words", "co-op", "cop"},
        {"a ligature sorts as its letters", "\xC6sop", "Af"},
        {"caron letters with their base", "S\x8A", "St"},
        {"sharp s sorts as ss", "sr", "\xDF"},
        {"y diaeresis sorts with y", "x", "\xFF"},
        {"y diaeresis before z", "\xFF", "z"},
        {"lower-case accented letters with their base", "\xE7", "d"},
    };
    for (const auto& c : cases) {
        EXPECT_LT(platform::CompareStringAnsi(c.before, c.after), 0) << c.what;
        EXPECT_GT(platform::CompareStringAnsi(c.after, c.before), 0) << c.what;
    }
    EXPECT_EQ(platform::CompareStringAnsi("Same", "Same"), 0);
}

TEST(CompareStringAnsiNoCase, CaseAloneMakesNoDifference) {
    EXPECT_EQ(platform::CompareStringAnsiNoCase("Times New Roman", "TIMES new roman"), 0);
    EXPECT_EQ(platform::CompareStringAnsiNoCase("\xC9t\xE9", "\xE9T\xC9"), 0);
    EXPECT_LT(platform::CompareStringAnsiNoCase("alpha", "Beta"), 0);
    EXPECT_LT(platform::CompareStringAnsiNoCase("Group", "group2"), 0);
    EXPECT_NE(platform::CompareStringAnsiNoCase("e", "\xE9"), 0);
}

} // namespace
