#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "exchange_helpers.h"
#include "http/http_get_file.h"
#include "http/http_request.h"
#include "support/test_http_server.h"
#include "support/text_literals.h"

namespace vantrel {
namespace {

using test::Ok;
using test::RecordedRequest;
using test::T;
using test::TestHttpServer;

const std::set<std::string> kStored = {"sid=1", "lang=zh"};

// The run's cookie store outlives each test; every test here keeps its cookies under a path
// of its own so that no other request of the run carries them.
class HttpRequestCookiesTest : public ::testing::Test {
protected:
    HttpRequestCookiesTest() {
        server_.SetHandler([](const RecordedRequest& request) {
            if (request.target.ends_with("/set")) {
                return Ok("set", {{"Set-Cookie", "sid=1; Path=/jar"},
                                  {"set-cookie", "lang=zh;path=/jar"}});
            }
            if (request.target.ends_with("/set-more")) {
                return Ok("set more", {{"Set-Cookie", "leak=1; Path=/jar"}});
            }
            if (request.target.ends_with("/merge")) {
                return Ok("merge", {{"Set-Cookie", "b=3; Path=/merge"},
                                    {"SET-COOKIE", "c=4"},
                                    {"Set-Cookie", "gone=deleted; Max-Age=0"}});
            }
            return Ok("page");
        });
    }

    std::string CookieSent() const { return server_.Requests().back().Header("Cookie"); }

    // The store sends its cookies in an order of its own.
    std::set<std::string> StoredCookiesSent() const {
        std::set<std::string> entries;
        const std::string line = CookieSent();
        for (size_t start = 0, end; start < line.size(); start = end + 2) {
            end = std::min(line.find("; ", start), line.size());
            entries.insert(line.substr(start, end - start));
        }
        return entries;
    }
    int CookieLines() const { return server_.Requests().back().HeaderCount("Cookie"); }

    TestHttpServer server_;
};

TEST_F(HttpRequestCookiesTest, GivenCookiesAreSentAndMergedWithTheReturnedOnes) {
    Text cookies = T("a=1; b=2; gone=x");
    Text returnedCookies;
    EXPECT_EQ(HttpRequest(T(server_.Url("/merge")),
                          {.cookies = &cookies, .returnedCookies = &returnedCookies}),
              Bytes("merge"));
    EXPECT_EQ(CookieSent(), "a=1; b=2; gone=x");
    EXPECT_EQ(cookies, T("b=3; c=4; a=1"));
    EXPECT_EQ(returnedCookies, T("b=3; c=4; a=1"));

    Text kept = T("a=1;");
    HttpRequest(T(server_.Url("/merge")),
                {.cookies = &kept, .returnedCookies = &returnedCookies, .mergeCookies = false});
    EXPECT_EQ(kept, T("a=1;"));
    EXPECT_EQ(returnedCookies, T("b=3; c=4; gone=deleted"));

    Text empty;
    HttpRequest(T(server_.Url("/merge")), {.cookies = &empty, .returnedCookies = &returnedCookies});
    EXPECT_EQ(CookieLines(), 0);
    EXPECT_EQ(empty, T("b=3; c=4"));
    EXPECT_EQ(returnedCookies, T("b=3; c=4"));
}

TEST_F(HttpRequestCookiesTest, TheRunsStoreServesCallersThatDoNotManageCookies) {
    Text returnedCookies;
    HttpRequest(T(server_.Url("/jar/set")), {.returnedCookies = &returnedCookies});
    EXPECT_EQ(returnedCookies, T("sid=1; lang=zh"));

    HttpRequest(T(server_.Url("/jar/page")));
    EXPECT_EQ(StoredCookiesSent(), kStored);
    EXPECT_EQ(CookieLines(), 1);

    HttpGetFile(T(server_.Url("/jar/file")));  // the store is the run's, not one routine's
    EXPECT_EQ(StoredCookiesSent(), kStored);

    HttpRequest(T(server_.Url("/other/page")));
    EXPECT_EQ(CookieLines(), 0);
}

TEST_F(HttpRequestCookiesTest, GivenCookiesKeepTheStoreOutBothWays) {
    HttpRequest(T(server_.Url("/jar/set")));

    Text none;
    HttpRequest(T(server_.Url("/jar/page")), {.cookies = &none});
    EXPECT_EQ(CookieLines(), 0);

    Text own = T("x=1");
    HttpRequest(T(server_.Url("/jar/set-more")), {.cookies = &own});
    EXPECT_EQ(CookieSent(), "x=1");
    EXPECT_EQ(own, T("leak=1; x=1"));

    Text stillNone;
    HttpRequest(T(server_.Url("/jar/page")), {.cookies = &stillNone});
    EXPECT_EQ(CookieLines(), 0);

    HttpRequest(T(server_.Url("/jar/page")));
    EXPECT_EQ(StoredCookiesSent(), kStored);
}

TEST(HttpRequestHeaders, AResponseHeadIsReturnedWholeWithAllItsCookies) {
    const std::string padding(20'000, 'p');
    TestHttpServer server;
    server.SetHandler([&padding](const RecordedRequest&) {
        return Ok("body", {{"X-Padding", padding}, {"Set-Cookie", "late=1; Path=/big"}});
    });
    Text headers;
    Text cookies;
    EXPECT_EQ(HttpRequest(T(server.Url("/big")),
                          {.returnedCookies = &cookies, .returnedHeaders = &headers}),
              Bytes("body"));
    EXPECT_EQ(headers, T("HTTP/1.1 200 OK\r\nX-Padding: " + padding +
                         "\r\nSet-Cookie: late=1; Path=/big\r\nContent-Length: 4\r\n\r\n"));
    EXPECT_EQ(cookies, T("late=1"));
}

}  // namespace
}  // namespace vantrel
