#include "http/header_names.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::G;
using test::T;

TEST(NormaliseHeaderNames, CapitalisesOnlyTheInitialsOfEachName) {
    const struct {
        const char* block;
        const char* expected;
    } cases[] = {
        {"user-agent: X\r\ncontent-TYPE:a\r\n", "User-Agent: X\r\nContent-TYPE:a"},
        {"x-requested-with: XMLHttpRequest", "X-Requested-With: XMLHttpRequest"},
        {"nocolon\r\naccept: */*", "Accept: */*"},
        {"HTTP/1.1 200 OK\r\n\r\nreferer: http://a.b/x-y", "Referer: http://a.b/x-y"},
        {"", ""},
        {"\r\n\r\n", ""},
        {"-x: v", "-X: v"},
        {"X-: v", "X-: v"},
        {"a--b: v", "A--B: v"},
        {"a b: c", "A b: c"},
        {": v", ": v"},
        {"accept:  v", "Accept:  v"},
        {"USER-AGENT: v", "USER-AGENT: v"},
        {"a: 1\r\n\r\nb: 2", "A: 1\r\nB: 2"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NormaliseHeaderNames(T(c.block)), T(c.expected)) << "'" << c.block << "'";
    }
    EXPECT_EQ(NormaliseHeaderNames(G("名-x: 值")), G("名-X: 值"));
}

TEST(CapitaliseFirst, ChangesOnlyALeadingLowerCaseLetter) {
    EXPECT_EQ(CapitaliseFirst(T("abc")), T("Abc"));
    EXPECT_EQ(CapitaliseFirst(T("Abc")), T("Abc"));
    EXPECT_EQ(CapitaliseFirst(T("1bc")), T("1bc"));
    EXPECT_EQ(CapitaliseFirst(T("")), T(""));
    EXPECT_EQ(CapitaliseFirst(G("中a")), G("中a"));
}

TEST(HeaderValue, IsTheTrimmedTextAfterTheFirstColon) {
    const struct {
        const char* text;
        const char* expected;
    } cases[] = {
        {"a:b:c ", "b:c"},
        {"no colon", ""},
        {"User-Agent: \r\nAccept: x", "\r\nAccept: x"},
        {"Accept:\t x \t", "\t x \t"},
        {"X:", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeaderValue(T(c.text)), T(c.expected)) << "'" << c.text << "'";
    }
    EXPECT_EQ(HeaderValue(G("名:　值　")), G("值"));  // full-width blanks are trimmed too
}

}  // namespace
}  // namespace vantrel
