#include "http/response_cookies.h"

#include <gtest/gtest.h>

#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::T;

TEST(CollectCookies, TakesNameAndValueOfEverySetCookieLine) {
    const struct {
        const char* headers;
        const char* cookies;
    } cases[] = {
        {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nSet-Cookie: b=2\r\n\r\n", "a=1; b=2"},
        {"HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\n", ""},
        {"", ""},
        // Names are case-insensitive and the space after the colon is optional.
        {"HTTP/1.1 200 OK\r\nset-cookie: a=1\r\nSET-COOKIE:b=2;HttpOnly\r\nSet-cookie:c=3\r\n",
         "a=1; b=2; c=3"},
        {"HTTP/1.1 200 OK\r\nX-Set-Cookie: a=1\r\nSet-Cookie2: b=2\r\n", ""},
        {"HTTP/1.1 200 OK\r\nSet-Cookie: a=1\r\nSet-Cookie: a=2; Max-Age=0\r\n", "a=1; a=2"},
        {"HTTP/1.1 200 OK\r\nSet-Cookie:  sid = x y ;path=/\r\n", "sid = x y"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CollectCookies(T(c.headers)), T(c.cookies)) << "'" << c.headers << "'";
    }
}

TEST(CollectCookies, ReadsEveryCookieOfAHugeHeaderBlock) {
    std::string headers = "HTTP/1.1 200 OK\r\nX-Padding: " + std::string(20000, 'p') + "\r\n";
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        const std::string entry = "c" + std::to_string(i) + "=v";
        headers += "Set-Cookie: " + entry + "; path=/\r\n";
        expected += (i ? "; " : "") + entry;
    }
    EXPECT_EQ(CollectCookies(T(headers)), T(expected));
}

}  // namespace
}  // namespace vantrel
