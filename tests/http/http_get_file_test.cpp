#include "http/http_get_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <span>
#include <string>

#include "exchange_helpers.h"
#include "support/temporary_folder.h"
#include "support/test_http_server.h"
#include "support/text_literals.h"

namespace vantrel {
namespace {

using namespace std::chrono_literals;
using test::Ok;
using test::RecordedRequest;
using test::T;
using test::TestHttpServer;

char PatternByte(std::int64_t offset) { return static_cast<char>(offset * 7 % 251); }

test::Response PatternBody(std::int64_t size) {
    test::Response response;
    response.generatedSize = size;
    response.generator = [](std::int64_t offset, std::span<char> chunk) {
        for (char& byte : chunk) byte = PatternByte(offset++);
    };
    return response;
}

TEST(HttpGetFile, SendsHttp10WithItsOwnAgentAndFollowsRedirects) {
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest& request) {
        return request.target == "/old.mp3" ? test::Redirect("/new.mp3") : Ok("mp3");
    });
    EXPECT_EQ(HttpGetFile(T(server.Url("/old.mp3"))), Bytes("mp3"));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string lines =
        "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\nAccept: */*\r\n";
    EXPECT_EQ(requests[0].head, test::Head("GET /old.mp3 HTTP/1.0", server, lines));
    EXPECT_EQ(requests[1].head, test::Head("GET /new.mp3 HTTP/1.0", server, lines));
}

TEST(HttpGetFile, ReturnsAnErrorPageLikeAFileWithItsStatus) {
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest&) {
        test::Response response = Ok("no such chapter", {{"Content-Type", "text/html"}});
        response.status = 404;
        response.reason = "Not Found";
        return response;
    });
    Transfer transfer;
    EXPECT_EQ(HttpGetFile(T(server.Url("/x.mp3")), &transfer), Bytes("no such chapter"));
    EXPECT_TRUE(transfer.result.completed()) << transfer.result.error;
    EXPECT_EQ(transfer.result.status, 404);
    EXPECT_EQ(transfer.result.bytes, 15);
    EXPECT_EQ(transfer.result.contentType, "text/html");
}

TEST(HttpGetFile, StreamsALargeBodyToAFileInBoundedPieces) {
    constexpr std::int64_t kSize = 64 << 20;
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest&) { return PatternBody(kSize); });
    const test::TemporaryFolder folder;
    const auto path = folder.path() / "chapter.mp3";
    std::ofstream file(path, std::ios::binary);
    std::size_t largestPiece = 0;
    int pieces = 0;
    Transfer transfer;
    HttpGetFile(
        T(server.Url("/big.mp3")),
        [&](std::string_view piece) {
            largestPiece = std::max(largestPiece, piece.size());
            ++pieces;
            return static_cast<bool>(
                file.write(piece.data(), static_cast<std::streamsize>(piece.size())));
        },
        &transfer);
    file.close();

    EXPECT_TRUE(transfer.result.completed()) << transfer.result.error;
    EXPECT_EQ(transfer.result.bytes, kSize);
    EXPECT_LE(largestPiece, std::size_t{1} << 20);
    EXPECT_GT(pieces, 64);
    ASSERT_EQ(static_cast<std::int64_t>(std::filesystem::file_size(path)), kSize);
    std::ifstream written(path, std::ios::binary);
    std::string content(1 << 20, '\0');
    for (std::int64_t offset = 0; offset < kSize; offset += content.size()) {
        written.read(content.data(), static_cast<std::streamsize>(content.size()));
        for (std::size_t i = 0; i < content.size(); i += 4093) {
            ASSERT_EQ(content[i], PatternByte(offset + static_cast<std::int64_t>(i))) << offset + i;
        }
    }
}

TEST(HttpGetFile, StopsWhenTheSinkOrTheCallerSaysSo) {
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest&) {
        test::Response response = PatternBody(4 << 20);
        response.bytesPerSecond = 2 << 20;
        return response;
    });

    Transfer cancelled;
    cancelled.onProgress = [](const TransferProgress& progress) {
        EXPECT_EQ(progress.total == -1 || progress.total == (4 << 20), true) << progress.total;
        return progress.received == 0;
    };
    const Bytes partial = HttpGetFile(T(server.Url("/a.mp3")), &cancelled);
    EXPECT_TRUE(cancelled.result.cancelled);
    EXPECT_FALSE(cancelled.result.completed());
    EXPECT_LT(partial.length(), 4 << 20);

    Transfer refused;
    HttpGetFile(
        T(server.Url("/b.mp3")), [](std::string_view) { return false; }, &refused);
    EXPECT_FALSE(refused.result.completed());
    EXPECT_FALSE(refused.result.cancelled);
    EXPECT_EQ(refused.result.bytes, 0);
}

TEST(HttpGetFile, ASlowButSteadyBodyOutlastsTheStallTime) {
    const test::ShortStall shortStall(300ms);
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest&) {
        test::Response response = PatternBody(40'000);
        response.bytesPerSecond = 40'000;  // a second in all, never idle for long
        return response;
    });
    Transfer transfer;
    EXPECT_EQ(HttpGetFile(T(server.Url("/slow.mp3")), &transfer).length(), 40'000);
    EXPECT_TRUE(transfer.result.completed()) << transfer.result.error;
}

TEST(HttpGetFile, ChecksCertificatesAndRejectsWhatItCannotFetch) {
    TestHttpServer secure(TestHttpServer::Scheme::kHttps);
    secure.SetHandler([](const RecordedRequest&) { return Ok("secret"); });
    const std::string unused = "http://127.0.0.1:" + std::to_string(test::UnusedPort()) + "/x.mp3";
    for (const std::string& url :
         {secure.Url("/x.mp3"), unused, std::string(), std::string("not an address"),
          std::string("file:///etc/hostname")}) {
        SCOPED_TRACE(url);
        Transfer transfer;
        EXPECT_EQ(HttpGetFile(T(url), &transfer), Bytes());
        EXPECT_FALSE(transfer.result.completed());
        EXPECT_EQ(transfer.result.status, 0);
    }
    EXPECT_TRUE(secure.Requests().empty());
}

}  // namespace
}  // namespace vantrel
