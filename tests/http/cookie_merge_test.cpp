#include "http/cookie_merge.h"

#include <gtest/gtest.h>

#include "http/join_distinct.h"
#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

TEST(MergeCookies, ServerValuesWinDeletedGoAndRepeatsFold) {
    const struct {
        const char* sent;
        const char* received;
        const char* merged;
        const char* receivedAfter;
    } cases[] = {
        {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3; c=4"},
        {"a=1; b=2;", "", "a=1; b=2", ""},
        {" a=1; a=1 ", "x=deleted; y=5", "y=5; a=1", "x=deleted; y=5"},
        {"sid=9; lang=en", "sid=deleted", "lang=en", "sid=deleted"},
        {"", "a=1; a=1", "a=1", "a=1; a=1"},
        {"", "a=2; a=3", "a=2; a=3", "a=2; a=3"},
        {"a=1;b=2", "a=5", "a=5", "a=5"},  // one sent entry, named a
        {"a=1;  b=2", "b=7", "b=7; a=1", "b=7"},
        {"k", "k=1", "k=1", "k=1"},
        {"", "", "", ""},
        {"a=deleted", "", "", ""},
        {"a=1; a=2; b=3", "c=4;", "c=4; a=1; b=3", "c=4; "},  // only the first a comes in
        {"A=1", "a=2", "a=2; A=1", "a=2"},                    // names compare with case
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "'" << c.sent << "' with '" << c.received << "'");
        Text cookies = T(c.sent);
        Text returned = T(c.received);
        EXPECT_EQ(MergeCookies(cookies, returned), T(c.merged));
        EXPECT_EQ(cookies, T(c.merged));
        EXPECT_EQ(returned, T(c.receivedAfter));
    }
}

TEST(CookieName, IsTheTrimmedTextBeforeTheFirstEquals) {
    EXPECT_EQ(CookieName(T(" sid =a=b")), T("sid"));
    EXPECT_EQ(CookieName(T("flag")), T("flag"));
    EXPECT_EQ(CookieName(T("=v")), T(""));
}

TEST(HasCookieNamed, ComparesNamesExactly) {
    TextList list;
    EXPECT_FALSE(HasCookieNamed(list, T("")));
    list.Append(T("a=1"));
    list.Append(T(" B =2"));
    EXPECT_TRUE(HasCookieNamed(list, T("B")));
    EXPECT_FALSE(HasCookieNamed(list, T("b")));
}

TEST(JoinDistinct, KeepsEachPieceAtItsFirstAppearance) {
    EXPECT_EQ(JoinDistinct(T("a; b; a; c; b"), T("; "), true), T("a; b; c"));
    EXPECT_EQ(JoinDistinct(T("abcab"), T(""), false), T("abc"));
    EXPECT_EQ(JoinDistinct(T("abca"), T(","), false), T("a,b,c"));
    EXPECT_EQ(JoinDistinct(T(""), T("; "), true), T(""));
    EXPECT_EQ(JoinDistinct(T("\xB0\xA1"
                             "a\xB0\xA1"),
                           T(""), false),
              T("\xB0\xA1"
                "a"));
}

TEST(SplitCharacters, PairsLeadBytesAboveHexEightyAndCarriageReturnLineFeed) {
    const struct {
        const char* text;
        std::vector<const char*> items;
    } cases[] = {
        {"a\r\nb\rc\xB0\xA1"
         "d",
         {"a", "\r\n", "b", "\r", "c", "\xB0\xA1", "d"}},
        {"\x80"
         "a",
         {"\x80", "a"}},           // 0x80 leads nothing here
        {"a\xB0", {"a", "\xB0"}},  // a lead byte in the last position stands alone
        {"\n\r", {"\n", "\r"}},
        {"", {}},
    };
    for (const auto& c : cases) {
        TextList list;
        list.Append(T("left over"));
        ASSERT_EQ(SplitCharacters(T(c.text), list), static_cast<int>(c.items.size()));
        ASSERT_EQ(list.Count(), static_cast<int>(c.items.size()));
        for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Item(i + 1), T(c.items[i]));
    }
}

TEST(IndexOfText, CountsFromOneOrGivesMinusOne) {
    TextList list;
    EXPECT_EQ(IndexOfText(list, T("")), -1);
    list.Append(T("x"));
    list.Append(T("y"));
    list.Append(T("y"));
    EXPECT_EQ(IndexOfText(list, T("y")), 2);
    EXPECT_EQ(IndexOfText(list, T("Y")), -1);
}

}  // namespace
}  // namespace vantrel
