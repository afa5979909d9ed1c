#include "text/text_number.h"

#include <gtest/gtest.h>

#include <climits>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

TEST(ToInt, ReadsALeadingNumber) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"abc", 0},
        {" 12", 12},
        {"12abc", 12},
        {"-3", -3},
        {"+7", 7},
        {"", 0},
        {"\t\r\n\v\f 5", 5},
        {"- 5", 0},
        {"\xA3\xB1\xA3\xB2", 12},  // full-width 1 and 2
        {"\xA3\xAD\xA3\xB4", -4},  // full-width minus and 4
        {"\xA1\xA1"
         "9",
         9},  // full-width space is skipped
        {"2147483647", 2147483647},
        {"2147483648", INT_MIN},
        {"4294967297", 1},
        {"-2147483649", 2147483647},
    };
    for (const auto& c : cases) EXPECT_EQ(ToInt(T(c.text)), c.expected) << "'" << c.text << "'";
}

TEST(IntToText, WritesDecimalAndHex) {
    EXPECT_EQ(IntToText(0), T("0"));
    EXPECT_EQ(IntToText(-42), T("-42"));
    EXPECT_EQ(IntToText(INT_MIN), T("-2147483648"));
    EXPECT_EQ(ToHexText(0), T("0"));
    EXPECT_EQ(ToHexText(10), T("A"));
    EXPECT_EQ(ToHexText(255), T("FF"));
    EXPECT_EQ(ToHexText(-1), T("FFFFFFFF"));
}

}  // namespace
}  // namespace vantrel
