#include "http/http_request.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>

#include "exchange_helpers.h"
#include "support/test_http_server.h"
#include "support/text_literals.h"
#include "text/bytes_ops.h"
#include "text/text_slice.h"

namespace vantrel {
namespace {

using test::Head;
using test::Ok;
using test::RecordedRequest;
using test::Redirect;
using test::T;
using test::TestHttpServer;

constexpr const char* kDefaultAgentLine =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n";

std::string DefaultBlockLines(const std::string& url) {
    return std::string(kDefaultAgentLine) + "Accept: */*\r\nReferer: " + url +
           "\r\nAccept-Language: zh-cn\r\n";
}

// Answers every request with its own body, so what the server read comes back too.
class HttpRequestTest : public ::testing::Test {
protected:
    HttpRequestTest() {
        server_.SetHandler(
            [](const RecordedRequest& request) { return test::Ok("echo:" + request.body); });
    }

    RecordedRequest LastRequest() const {
        const auto requests = server_.Requests();
        return requests.empty() ? RecordedRequest() : requests.back();
    }

    TestHttpServer server_;
};

TEST_F(HttpRequestTest, DefaultGetSendsExactlyTheDefaultBlock) {
    const std::string url = server_.Url("/page?x=1");
    Text headers;
    Text returnedHeaders;
    const Bytes body =
        HttpRequest(T(url), {.extraHeaders = &headers, .returnedHeaders = &returnedHeaders});

    EXPECT_EQ(body, Bytes("echo:"));
    ASSERT_EQ(server_.Requests().size(), 1u);
    EXPECT_EQ(LastRequest().head, Head("GET /page?x=1 HTTP/1.1", server_, DefaultBlockLines(url)));
    EXPECT_EQ(headers, T("Accept: */*\r\nReferer: " + url + "\r\nAccept-Language: zh-cn"));
    EXPECT_EQ(returnedHeaders, T("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n"));
}

TEST_F(HttpRequestTest, SendsThePathAsWrittenSaveBytesARequestLineCannotHold) {
    const struct {
        std::string path;
        std::string target;
    } cases[] = {
        {"/a/../b/./c", "/a/../b/./c"},
        {"/Play/X.asp?Q=%C6%C0%41&r=%e4", "/Play/X.asp?Q=%C6%C0%41&r=%e4"},
        {"/x y/\xB0\xA1.htm?q=\xC6\xC0 1", "/x%20y/%B0%A1.htm?q=%C6%C0%201"},
        {"/tab\there", "/tab%09here"},
        {"/p?a=1#part", "/p?a=1"},
        {"?q=1", "/"},  // no "/" after the host: the path is "/", the query goes with the port
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string url = "http://" + server_.hostPort() + c.path;
        HttpRequest(T(url));
        EXPECT_EQ(LastRequest().target, c.target);
    }
}

// "@" in an expectation stands for the address requested.
std::string WithUrl(std::string text, const std::string& url) {
    for (size_t at; (at = text.find('@')) != std::string::npos;) text.replace(at, 1, url);
    return text;
}

TEST_F(HttpRequestTest, CompletesAndNormalisesTheCallersBlock) {
    const struct {
        const char* what;
        const char* extraHeaders;
        bool completeHeaders;
        bool normaliseHeaders;
        const char* cookies;  // null: omitted
        const char* blockSent;
        bool defaultAgentSent;  // the agent line curl sends ahead of the block
        const char* linesAfterHost;
    } cases[] = {
        {"lower-case agent", "user-agent: X", true, true, nullptr,
         "User-Agent: X\r\nAccept: */*\r\nReferer: @\r\nAccept-Language: zh-cn", false,
         "User-Agent: X\r\nAccept: */*\r\nReferer: @\r\nAccept-Language: zh-cn\r\n"},
        {"lower-case agent, not normalised", "user-agent: X", true, false, nullptr,
         "user-agent: X\r\nAccept: */*\r\nReferer: @\r\nAccept-Language: zh-cn", false,
         "user-agent: X\r\nAccept: */*\r\nReferer: @\r\nAccept-Language: zh-cn\r\n"},
        {"agent named inside another value", "X-Note: see User-Agent: Z", false, true, nullptr,
         "X-Note: see User-Agent: Z", false, "User-Agent: Z\r\nX-Note: see User-Agent: Z\r\n"},
        {"agent running on across lines", "X: a User-Agent: \r\nY: z", false, false, nullptr,
         "X: a User-Agent: \r\nY: z", false,
         "User-Agent: a User-Agent: \r\nX: a User-Agent: \r\nY: z\r\n"},
        {"own Accept", "User-Agent: X\r\nAccept: text/html", true, true, nullptr,
         "User-Agent: X\r\nAccept: text/html\r\nReferer: @\r\nAccept-Language: zh-cn", false,
         "User-Agent: X\r\nAccept: text/html\r\nReferer: @\r\nAccept-Language: zh-cn\r\n"},
        {"own Referer", "referer: http://elsewhere/", true, true, nullptr,
         "Referer: http://elsewhere/\r\nAccept: */*\r\nAccept-Language: zh-cn", true,
         "Referer: http://elsewhere/\r\nAccept: */*\r\nAccept-Language: zh-cn\r\n"},
        {"cookie line alone", "", false, true, "a=1", "\r\nCookie: a=1", true, "Cookie: a=1\r\n"},
        {"whole Cookie line", "", false, true, "Cookie: a=1", "\r\nCookie: a=1", true,
         "Cookie: a=1\r\n"},
        {"cookies after the completions", "", true, true, "a=1; b=2",
         "Accept: */*\r\nReferer: @\r\nAccept-Language: zh-cn\r\nCookie: a=1; b=2", true,
         "Accept: */*\r\nReferer: @\r\nAccept-Language: zh-cn\r\nCookie: a=1; b=2\r\n"},
        {"empty lines and an empty value", "A: 1\r\n\r\nX-Empty:\r\n", false, false, nullptr,
         "A: 1\r\n\r\nX-Empty:\r\n", true, "A: 1\r\nX-Empty:\r\n"},
    };
    const std::string url = server_.Url("/p");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Text headers = T(c.extraHeaders);
        Text cookies = T(c.cookies ? c.cookies : "");
        HttpRequest(T(url), {.cookies = c.cookies ? &cookies : nullptr,
                             .extraHeaders = &headers,
                             .completeHeaders = c.completeHeaders,
                             .normaliseHeaders = c.normaliseHeaders});
        const std::string agent = c.defaultAgentSent ? kDefaultAgentLine : "";
        EXPECT_EQ(LastRequest().head,
                  Head("GET /p HTTP/1.1", server_, agent + WithUrl(c.linesAfterHost, url)));
        EXPECT_EQ(headers, T(WithUrl(c.blockSent, url)));
    }
}

TEST_F(HttpRequestTest, ChoosesVerbBodyAndContentTypeByMethod) {
    const struct {
        int method;
        const char* postText;
        const char* requestLine;
        const char* linesAfterCompletions;
        const char* bodyRead;
    } cases[] = {
        {kHttpPost, "a=1&b=2", "POST /p HTTP/1.1",
         "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 7\r\n", "a=1&b=2"},
        {kHttpPost, "", "POST /p HTTP/1.1",
         "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: 0\r\n", ""},
        {kHttpPut, "a=1", "PUT /p HTTP/1.1", "Content-Length: 3\r\n", "a=1"},
        {kHttpOptions, "o", "OPTIONS /p HTTP/1.1", "Content-Length: 1\r\n", "o"},
        {9, "ignored", "GET /p HTTP/1.1", "", ""},
        {-1, "ignored", "GET /p HTTP/1.1", "", ""},
    };
    const std::string url = server_.Url("/p");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        EXPECT_EQ(HttpRequest(T(url), {.method = c.method, .postText = T(c.postText)}),
                  Bytes(std::string("echo:") + c.bodyRead));
        const RecordedRequest request = LastRequest();
        EXPECT_EQ(request.head,
                  Head(c.requestLine, server_, DefaultBlockLines(url) + c.linesAfterCompletions));
        EXPECT_EQ(request.body, c.bodyRead);
    }
}

TEST_F(HttpRequestTest, BodyComesFromPostBytesElsePostTextForEveryMethodButGet) {
    const std::string url = server_.Url("/p");
    const std::string binary("b\0y\xFFtes", 7);

    Bytes postBytes(binary);
    EXPECT_EQ(
        HttpRequest(T(url), {.method = kHttpPost, .postText = T("text"), .postBytes = &postBytes}),
        Bytes("echo:" + binary));
    EXPECT_EQ(postBytes, Bytes(binary));

    Bytes filled;
    EXPECT_EQ(
        HttpRequest(T(url), {.method = kHttpDelete, .postText = T("t"), .postBytes = &filled}),
        Bytes("echo:t"));
    EXPECT_EQ(LastRequest().method, "DELETE");
    EXPECT_EQ(filled, Bytes("t"));

    // curl cannot send a body with HEAD and still expect none back, so HEAD goes without.
    Text returnedHeaders;
    EXPECT_EQ(
        HttpRequest(T(url),
                    {.method = kHttpHead, .postText = T("h"), .returnedHeaders = &returnedHeaders}),
        Bytes());
    EXPECT_EQ(LastRequest().method, "HEAD");
    EXPECT_EQ(LastRequest().HeaderCount("Content-Length"), 0);
    EXPECT_EQ(returnedHeaders, T("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n"));

    Bytes unused("x");
    EXPECT_EQ(HttpRequest(T(url), {.postText = T("t"), .postBytes = &unused}), Bytes("echo:"));
    EXPECT_EQ(LastRequest().HeaderCount("Content-Length"), 0);
    EXPECT_EQ(unused, Bytes("x"));
}

TEST_F(HttpRequestTest, ReportsStatusBytesAndProgress) {
    server_.SetHandler([](const RecordedRequest&) {
        test::Response response;
        response.status = 404;
        response.reason = "Not Found";
        response.headers = {{"Content-Type", "text/html; charset=gbk"}};
        response.generatedSize = 300'000;
        response.generator = [](std::int64_t, std::span<char> chunk) {
            std::ranges::fill(chunk, 'x');
        };
        return response;
    });
    std::int64_t lastReceived = 0;
    bool monotonic = true;
    Transfer transfer;
    transfer.onProgress = [&](const TransferProgress& progress) {
        monotonic = monotonic && progress.received >= lastReceived;
        lastReceived = progress.received;
        EXPECT_TRUE(progress.total == -1 || progress.total == 300'000) << progress.total;
        return true;
    };
    const Bytes body = HttpRequest(T(server_.Url("/missing")), {.transfer = &transfer});

    EXPECT_EQ(body.length(), 300'000);
    EXPECT_TRUE(monotonic);
    EXPECT_EQ(lastReceived, 300'000);
    EXPECT_TRUE(transfer.result.completed()) << transfer.result.error;
    EXPECT_FALSE(transfer.result.cancelled);
    EXPECT_EQ(transfer.result.status, 404);
    EXPECT_EQ(transfer.result.bytes, 300'000);
    EXPECT_EQ(transfer.result.contentType, "text/html; charset=gbk");
}

TEST(HttpRequestRedirect, IsFollowedUnlessNoRedirect) {
    TestHttpServer target;
    target.SetHandler([](const RecordedRequest&) { return Ok("arrived"); });
    TestHttpServer server;
    server.SetHandler([&target](const RecordedRequest& request) {
        if (request.target == "/from") return Redirect("/to");
        return Redirect(target.Url("/elsewhere"));
    });
    const std::string url = server.Url("/from");
    Transfer transfer;
    Text returnedHeaders;

    EXPECT_EQ(HttpRequest(T(url), {.returnedHeaders = &returnedHeaders, .transfer = &transfer}),
              Bytes("arrived"));
    EXPECT_EQ(transfer.result.status, 200);
    EXPECT_EQ(returnedHeaders, T("HTTP/1.1 200 OK\r\nContent-Length: 7\r\n\r\n"));
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].head, Head("GET /to HTTP/1.1", server, DefaultBlockLines(url)));
    ASSERT_EQ(target.Requests().size(), 1u);
    EXPECT_EQ(target.Requests()[0].head,
              Head("GET /elsewhere HTTP/1.1", target, DefaultBlockLines(url)));

    EXPECT_EQ(HttpRequest(
                  T(url),
                  {.returnedHeaders = &returnedHeaders, .noRedirect = true, .transfer = &transfer}),
              Bytes("moved"));
    EXPECT_EQ(transfer.result.status, 302);
    EXPECT_EQ(TextLeft(returnedHeaders, 21), T("HTTP/1.1 302 Found\r\nL"));
    EXPECT_EQ(server.Requests().size(), 3u);
    EXPECT_EQ(target.Requests().size(), 1u);
}

TEST(HttpRequestProxy, CarriesPlainAddressesAndTunnelsSecureOnes) {
    TestHttpServer origin;
    TestHttpServer proxy;
    proxy.SetHandler([](const RecordedRequest& request) {
        if (request.method == "CONNECT") {
            test::Response refused;
            refused.status = 403;
            refused.reason = "Forbidden";
            return refused;
        }
        return Ok("via proxy");
    });
    const std::string url = origin.Url("/p?q=1");

    EXPECT_EQ(HttpRequest(T(url), {.proxy = T(proxy.hostPort())}), Bytes("via proxy"));
    auto requests = proxy.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].head, Head("GET " + url + " HTTP/1.1", origin, DefaultBlockLines(url)));

    const std::string secureUrl = "https://" + origin.hostPort() + "/p";
    Transfer transfer;
    EXPECT_EQ(HttpRequest(T(secureUrl), {.proxy = T(proxy.hostPort()), .transfer = &transfer}),
              Bytes());
    requests = proxy.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].method, "CONNECT");
    EXPECT_EQ(requests[1].target, origin.hostPort());
    EXPECT_FALSE(transfer.result.completed());
    EXPECT_TRUE(origin.Requests().empty());
}

TEST(HttpRequestConnections, OneConnectionServesSequentialRequests) {
    for (const auto scheme : {TestHttpServer::Scheme::kHttp, TestHttpServer::Scheme::kHttps}) {
        TestHttpServer server(scheme);
        server.SetHandler([](const RecordedRequest& request) { return Ok(request.target); });
        for (const char* path : {"/1", "/2", "/3"}) {
            const std::string url = server.Url(path);
            EXPECT_EQ(HttpRequest(T(url)), Bytes(path));
            EXPECT_EQ(server.Requests().back().head, Head(std::string("GET ") + path + " HTTP/1.1",
                                                          server, DefaultBlockLines(url)));
        }
        EXPECT_EQ(server.ConnectionCount(), 1) << server.Url("");
    }
}

// Every kind of earlier call is followed by a default GET, which must go out as if it were
// the first call of the run.
TEST(HttpRequestIsolation, NothingOfOneCallReachesTheNext) {
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest& request) {
        if (request.target == "/from") return Redirect("/to");
        return Ok("echo:" + request.body);
    });
    TestHttpServer proxy;
    proxy.SetHandler([](const RecordedRequest&) { return Ok("via proxy"); });
    const std::string url = server.Url("/from");
    Text cookies = T("a=1");
    Bytes postBytes("bytes");
    Text headers = T("X-Custom: 1\r\nContent-Type: text/plain\r\nUser-Agent: Other");

    const struct {
        const char* what;
        HttpRequestOptions options;
    } earlier[] = {
        {"HEAD with a body", {.method = kHttpHead, .postText = T("h")}},
        {"POST with cookies and headers",
         {.method = kHttpPost,
          .cookies = &cookies,
          .extraHeaders = &headers,
          .postBytes = &postBytes}},
        {"PUT without redirects", {.method = kHttpPut, .postText = T("p"), .noRedirect = true}},
        {"through a proxy", {.proxy = T(proxy.hostPort())}},
        {"cookie line without completion", {.cookies = &cookies, .completeHeaders = false}},
    };
    for (const auto& previous : earlier) {
        SCOPED_TRACE(previous.what);
        HttpRequest(T(url), previous.options);
        const size_t before = server.Requests().size();

        EXPECT_EQ(HttpRequest(T(url)), Bytes("echo:"));
        const auto requests = server.Requests();
        ASSERT_EQ(requests.size(), before + 2);
        EXPECT_EQ(requests[before].head,
                  Head("GET /from HTTP/1.1", server, DefaultBlockLines(url)));
        EXPECT_EQ(requests[before + 1].head,
                  Head("GET /to HTTP/1.1", server, DefaultBlockLines(url)));
        EXPECT_EQ(requests[before + 1].body, "");
    }
}

}  // namespace
}  // namespace vantrel
