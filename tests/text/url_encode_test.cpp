#include "text/url_encode.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::G;
using test::T;

TEST(UrlEncode, EncodesEveryByteInUpperCaseHex) {
    const struct {
        Text text;
        bool keepUnreserved;
        bool asUtf8;
        const char* expected;
    } cases[] = {
        {Text(), false, false, ""},
        {Text(), true, true, ""},
        {T("abc"), false, false, "%61%62%63"},
        {T("\n"), false, false, "%0A"},
        {T("a b/c_d~e"), true, false, "a%20b%2Fc%5Fd%7Ee"},
        {T("A-1.z"), true, false, "A-1.z"},
        {G("中"), false, false, "%D6%D0"},
        {G("中"), true, false, "%D6%D0"},
        {G("中"), false, true, "%E4%B8%AD"},
        {G("评书"), false, false, "%C6%C0%CA%E9"},
        {T("A1"), false, false, "%41%31"},
        {T("\xFF\xAB"), false, false, "%FF%AB"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UrlEncode(c.text, c.keepUnreserved, c.asUtf8), T(c.expected)) << c.expected;
    }
}

}  // namespace
}  // namespace vantrel
