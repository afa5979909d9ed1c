#include "text/text_between.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::G;
using test::T;

TEST(TextBetween, CutsBetweenTheFirstLeftAndTheNextRightMarker) {
    const struct {
        const char* text;
        const char* left;
        const char* right;
        const char* expected;
    } cases[] = {
        {"a[b]c", "[", "]", "b"},
        {"a[b]c", "{", "]", ""},
        {"a]b[c", "[", "]", ""},  // the right marker only before the left one
        {"a[]c", "[", "]", ""},
        {"[1][2]", "[", "]", "1"},
        {"/yousheng/disp_27417.htm", "disp_", ".htm", "27417"},
        {"/yousheng/disp_27417.htm?x=1", "disp_", ".htm", "27417"},
        {"/disp_27417.html", "disp_", ".htm", "27417"},
        {"/disp_27417", "disp_", ".htm", ""},
        {"abab", "ab", "ab", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextBetween(T(c.text), T(c.left), T(c.right)), T(c.expected))
            << "'" << c.text << "'";
    }
}

TEST(TextBetween, StartsAtFromAndCanIgnoreCase) {
    EXPECT_EQ(TextBetween(T("[1][2]"), T("["), T("]"), 2), T("2"));
    EXPECT_EQ(TextBetween(T("<A>x</a>"), T("<a>"), T("</A>"), 0, true), T("x"));
    EXPECT_EQ(TextBetween(T("<A>x</a>"), T("<a>"), T("</A>")), Text());
}

TEST(TextBetween, QuoteTokenMatchesADoubleQuote) {
    EXPECT_EQ(QuoteToken(), T("#\xD2\xFD\xBA\xC5"));
    const Text text = T("href=\"page.htm\">");
    const Text quote = QuoteToken();
    EXPECT_EQ(TextBetween(text, T("href=") + quote, quote), T("page.htm"));
    EXPECT_EQ(TextBefore(text, quote), Text());
    EXPECT_EQ(TextBefore(T("a#") + G("引号") + T("b"), quote), T("a"));
}

TEST(TextBefore, CutsBeforeTheMarker) {
    const struct {
        const char* text;
        const char* marker;
        int from;
        const char* expected;
    } cases[] = {
        {",ab", ",", 0, ""},
        {"ab", ",", 0, ""},
        {"a,b,c", ",", 0, "a"},
        {"a,b,c", ",", 3, "a,b"},
        {"a,b,c", ",", -1, "a,b"},
        {"a,b,", ",", -1, "a"},  // a marker that is the last byte is not found backward
        {"ab,", ",", -1, ""},
        {"a,b,c", ",", -2, "a"},
        {"Set-Cookie: a=1", ": ", 0, "Set-Cookie"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TextBefore(T(c.text), T(c.marker), c.from), T(c.expected))
            << "'" << c.text << "' from " << c.from;
    }
    EXPECT_EQ(TextBefore(G("评书,经典,老"), T(",")), G("评书"));
}

}  // namespace
}  // namespace vantrel
