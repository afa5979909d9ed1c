#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <iterator>
#include <string>

#include "exchange_helpers.h"
#include "http/http_request.h"
#include "support/test_http_server.h"
#include "support/text_literals.h"

namespace vantrel {
namespace {

using namespace std::chrono_literals;
using test::RecordedRequest;
using test::T;
using test::TestHttpServer;

int OpenDescriptors() {
    const std::filesystem::directory_iterator entries("/proc/self/fd");
    return static_cast<int>(std::distance(begin(entries), end(entries)));
}

TEST(HttpRequestFailure, ARefusedConnectionGivesAnEmptyBodyAndKeepsNothingOpen) {
    const std::string url = "http://127.0.0.1:" + std::to_string(test::UnusedPort()) + "/p";
    HttpRequest(T(url));  // the run's handles are made on first use and kept
    const int descriptorsBefore = OpenDescriptors();
    for (int attempt = 0; attempt < 20; ++attempt) {
        Text cookies = T("a=1;");
        Text returnedCookies = T("old");
        Text returnedHeaders = T("old");
        Text headers = T("accept: text/html");
        Bytes postBytes;
        Transfer transfer;
        EXPECT_EQ(HttpRequest(T(url), {.method = kHttpPost,
                                       .postText = T("body"),
                                       .cookies = &cookies,
                                       .returnedCookies = &returnedCookies,
                                       .extraHeaders = &headers,
                                       .returnedHeaders = &returnedHeaders,
                                       .postBytes = &postBytes,
                                       .transfer = &transfer}),
                  Bytes());
        EXPECT_FALSE(transfer.result.completed());
        EXPECT_EQ(transfer.result.status, 0);
        EXPECT_EQ(headers,
                  T("Accept: text/html\r\nReferer: " + url +
                    "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded"
                    "\r\nCookie: a=1;"));
        EXPECT_EQ(postBytes, Bytes("body"));
        EXPECT_EQ(returnedHeaders, Text());
        EXPECT_EQ(cookies, T("a=1"));  // merged with the empty list no response brought
        EXPECT_EQ(returnedCookies, T("a=1"));
    }
    EXPECT_LE(OpenDescriptors(), descriptorsBefore);
}

TEST(HttpRequestFailure, AnAddressWithoutAHostEndsBeforeTheBlockIsCompleted) {
    Text headers = T("accept: x\r\nnot a header");
    Text cookies = T("a=1");
    Text returnedCookies = T("old");
    Transfer transfer;
    EXPECT_EQ(HttpRequest(T("http://"), {.cookies = &cookies,
                                         .returnedCookies = &returnedCookies,
                                         .extraHeaders = &headers,
                                         .transfer = &transfer}),
              Bytes());
    EXPECT_EQ(headers, T("Accept: x"));
    EXPECT_EQ(cookies, T("a=1"));
    EXPECT_EQ(returnedCookies, T("old"));
    EXPECT_FALSE(transfer.result.completed());
}

TEST(HttpRequestFailure, AHostNoConnectionCanReachFailsTheExchange) {
    // The query stands before any "/", so the host is read as "127.0.0.1?q=".
    Text headers;
    Transfer transfer;
    EXPECT_EQ(
        HttpRequest(T("http://127.0.0.1?q=/r"), {.extraHeaders = &headers, .transfer = &transfer}),
        Bytes());
    EXPECT_EQ(headers,
              T("Accept: */*\r\nReferer: http://127.0.0.1?q=/r\r\nAccept-Language: zh-cn"));
    EXPECT_FALSE(transfer.result.completed());
}

TEST(HttpRequestFailure, AServerThatMisbehavesYieldsWhatArrivedAndAnError) {
    const test::ShortStall shortStall(300ms);
    const struct {
        const char* what;
        std::int64_t stallAfterBytes;
        std::int64_t resetAfterBytes;
        bool closeWithoutResponse;
        const char* body;
    } cases[] = {
        {"stalls", 3, -1, false, "abc"},
        {"stalls before the body", 0, -1, false, ""},
        {"resets", -1, 3, false, "abc"},
        {"closes without answering", -1, -1, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TestHttpServer server;
        server.SetHandler([&c](const RecordedRequest&) {
            test::Response response = test::Ok("abcdef");
            response.stallAfterBytes = c.stallAfterBytes;
            response.resetAfterBytes = c.resetAfterBytes;
            response.closeWithoutResponse = c.closeWithoutResponse;
            return response;
        });
        Transfer transfer;
        EXPECT_EQ(HttpRequest(T(server.Url("/p")), {.transfer = &transfer}), Bytes(c.body));
        EXPECT_FALSE(transfer.result.completed());
        EXPECT_FALSE(transfer.result.cancelled);
    }
}

}  // namespace
}  // namespace vantrel
