#include "support/test_http_server.h"

#include <arpa/inet.h>
#include <curl/curl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <openssl/x509v3.h>
#include <sys/socket.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "support/socket_fd.h"
#include "support/socket_stop_signal.h"
#include "support/socket_stream.h"
#include "support/test_certificate.h"
#include "support/test_http_request_reader.h"

namespace vantrel::test {
namespace {

// A blocking TCP client that shows exactly what the server sends, including how it ends.
class RawClient {
public:
    explicit RawClient(int port) : socket_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
        // A server that never answers fails the test instead of hanging it.
        const timeval timeout = {10, 0};
        ::setsockopt(socket_.get(), SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        connected_ =
            ::connect(socket_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        connectError_ = connected_ ? 0 : errno;
    }

    bool connected() const { return connected_; }
    int connectError() const { return connectError_; }

    void Send(std::string_view bytes) {
        ::send(socket_.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    }

    // One response: its head and as many body bytes as its Content-Length announces (none when
    // `withBody` is false, as after HEAD). Empty when the connection ends first.
    std::string ReadResponse(bool withBody = true) {
        std::size_t headEnd;
        while ((headEnd = pending_.find("\r\n\r\n")) == std::string::npos) {
            if (!ReadMore()) return {};
        }
        return Read(headEnd + 4 + (withBody ? AnnouncedLength(headEnd) : 0));
    }

    // Exactly `count` bytes; empty when the connection ends first.
    std::string Read(std::size_t count) {
        while (pending_.size() < count) {
            if (!ReadMore()) return {};
        }
        std::string bytes = pending_.substr(0, count);
        pending_.erase(0, count);
        return bytes;
    }

    // Everything up to the end of the connection, and whether it ended with a reset.
    std::pair<std::string, bool> ReadToEnd() {
        while (ReadMore()) {
        }
        return {std::exchange(pending_, {}), lastError_ == ECONNRESET};
    }

private:
    bool ReadMore() {
        char buffer[65536];
        const ssize_t received = ::recv(socket_.get(), buffer, sizeof buffer, 0);
        lastError_ = received < 0 ? errno : 0;
        if (received > 0) pending_.append(buffer, static_cast<std::size_t>(received));
        return received > 0;
    }

    std::size_t AnnouncedLength(std::size_t headEnd) const {
        const auto field = pending_.find("Content-Length: ");
        if (field == std::string::npos || field > headEnd) return 0;
        return std::stoul(pending_.substr(field + 16));
    }

    UniqueFd socket_;
    bool connected_ = false;
    int connectError_ = 0;
    int lastError_ = 0;
    std::string pending_;
};

std::size_t EntriesIn(const char* directory) {
    const std::filesystem::directory_iterator entries(directory);
    return static_cast<std::size_t>(std::distance(begin(entries), end(entries)));
}

Response Ok(std::string body) {
    Response response;
    response.body = std::move(body);
    return response;
}

// Hands out its bytes one per read, so every marker the reader looks for arrives split.
class OneByteStream final : public SocketStream {
public:
    OneByteStream(std::string bytes, const StopSignal& stop)
        : SocketStream(UniqueFd(), stop), bytes_(std::move(bytes)) {}

    std::size_t Read(std::span<char> buffer) override {
        if (next_ == bytes_.size() || buffer.empty()) return 0;
        buffer[0] = bytes_[next_++];
        return 1;
    }
    bool Write(std::string_view bytes) override {
        written_ += bytes;
        return true;
    }
    const std::string& written() const { return written_; }

private:
    std::string bytes_;
    std::size_t next_ = 0;
    std::string written_;
};

TEST(RequestReaderTest, ReadsRequestsThatArriveOneByteAtATime) {
    const StopSignal stop;
    OneByteStream stream(
        "POST /a HTTP/1.1\r\nExpect: 100-continue\r\nContent-Length: 2\r\n\r\nxy"
        "POST /b HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n"
        "3\r\nabc\r\n2;ext=1\r\nde\r\n0\r\nTrailer: x\r\n\r\n"
        "GET /c HTTP/1.1\r\n\r\n",
        stop);
    RequestReader reader(stream);
    for (const auto& [target, body] : {std::pair{"/a", "xy"}, {"/b", "abcde"}, {"/c", ""}}) {
        auto request = reader.ReadHead();
        ASSERT_TRUE(request.has_value()) << target;
        EXPECT_EQ(request->target, target);
        EXPECT_TRUE(reader.ReadBody(*request)) << target;
        EXPECT_EQ(request->body, body);
    }
    EXPECT_FALSE(reader.ReadHead().has_value());
    EXPECT_EQ(stream.written(), "HTTP/1.1 100 Continue\r\n\r\n");
}

TEST(TestHttpServerTest, RecordsPipelinedRequestsAsTheyCrossedTheWire) {
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest& request) { return Ok(request.body); });
    RawClient client(server.port());
    const std::string firstHead =
        "POST http://example.test/p?q=1 HTTP/1.1\r\n"
        "Host: example.test\r\n"
        "x-lower:  two spaces \r\n"
        "NoColon\r\n"
        "Content-Length: 3\r\n";
    client.Send(firstHead + "\r\nabc" +
                "PUT /second HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n"
                "3\r\nabc\r\n2;ext=1\r\nde\r\n0\r\nTrailer: x\r\n\r\n");

    EXPECT_EQ(client.ReadResponse(), "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\nabc");
    EXPECT_EQ(client.ReadResponse(), "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcde");
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    const RecordedRequest& first = requests[0];
    EXPECT_EQ(first.method, "POST");
    EXPECT_EQ(first.target, "http://example.test/p?q=1");
    EXPECT_EQ(first.version, "HTTP/1.1");
    EXPECT_EQ(first.head, firstHead);
    EXPECT_EQ(first.headers, (HeaderLines{{"Host", "example.test"},
                                          {"x-lower", "two spaces "},
                                          {"NoColon", ""},
                                          {"Content-Length", "3"}}));
    EXPECT_EQ(first.Header("X-LOWER"), "two spaces ");
    EXPECT_EQ(first.HeaderCount("host"), 1);
    EXPECT_EQ(first.Header("Absent"), "");
    EXPECT_EQ(requests[1].body, "abcde");
    EXPECT_EQ(requests[1].connection, 1);
    EXPECT_EQ(server.ConnectionCount(), 1);
}

TEST(TestHttpServerTest, SendsHeadersAsGivenAndNoBodyForHead) {
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest&) {
        Response response = Ok("hi");
        response.status = 201;
        response.reason = "Created";
        response.headers = {{"B", "2"}, {"A", "1"}, {"", "Set-Cookie:x=1"}};
        return response;
    });
    RawClient client(server.port());
    const std::string expectedHead =
        "HTTP/1.1 201 Created\r\nB: 2\r\nA: 1\r\nSet-Cookie:x=1\r\nContent-Length: 2\r\n\r\n";

    client.Send("HEAD / HTTP/1.1\r\n\r\n");
    EXPECT_EQ(client.ReadResponse(/*withBody=*/false), expectedHead);
    // Had HEAD carried the body, this answer would start with "hi".
    client.Send("GET / HTTP/1.1\r\n\r\n");
    EXPECT_EQ(client.ReadResponse(), expectedHead + "hi");
}

struct KeepAliveCase {
    const char* request;
    const char* statusLine;
    bool staysOpen;
};

TEST(TestHttpServerTest, KeepsTheConnectionAsTheClientAsks) {
    const KeepAliveCase cases[] = {
        {"GET / HTTP/1.1\r\n\r\n", "HTTP/1.1 200 OK\r\n", true},
        {"GET / HTTP/1.1\r\nConnection: close\r\n\r\n", "HTTP/1.1 200 OK\r\n", false},
        {"GET / HTTP/1.0\r\n\r\n", "HTTP/1.0 200 OK\r\n", false},
        {"GET / HTTP/1.0\r\nConnection: Keep-Alive\r\n\r\n", "HTTP/1.0 200 OK\r\n", true},
    };
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest&) { return Ok("x"); });
    for (const KeepAliveCase& testCase : cases) {
        SCOPED_TRACE(testCase.request);
        RawClient client(server.port());
        client.Send(testCase.request);
        EXPECT_EQ(client.ReadResponse().rfind(testCase.statusLine, 0), 0u);
        client.Send("GET /again HTTP/1.1\r\n\r\n");
        EXPECT_EQ(!client.ReadResponse().empty(), testCase.staysOpen);
    }
}

struct EndingCase {
    const char* name;
    void (*misbehave)(Response&);
    std::string received;
    bool reset;
};

TEST(TestHttpServerTest, EndsResponsesEarlyOnRequest) {
    const EndingCase cases[] = {
        {"reset after 4 body bytes", [](Response& r) { r.resetAfterBytes = 4; },
         "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n0123", true},
        {"reset before the body", [](Response& r) { r.resetAfterBytes = 0; },
         "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n", true},
        {"no response", [](Response& r) { r.closeWithoutResponse = true; }, "", false},
        {"body ends with the connection", [](Response& r) { r.announceLength = false; },
         "HTTP/1.1 200 OK\r\n\r\n0123456789", false},
        {"own length, shorter body",
         [](Response& r) {
             r.headers = {{"Content-Length", "99"}, {"Connection", "close"}};
         },
         "HTTP/1.1 200 OK\r\nContent-Length: 99\r\nConnection: close\r\n\r\n0123456789", false},
    };
    for (const EndingCase& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TestHttpServer server;
        server.SetHandler([&](const RecordedRequest&) {
            Response response = Ok("0123456789");
            testCase.misbehave(response);
            return response;
        });
        RawClient client(server.port());
        client.Send("GET / HTTP/1.1\r\n\r\n");
        EXPECT_EQ(client.ReadToEnd(), std::make_pair(testCase.received, testCase.reset));
        EXPECT_EQ(server.Requests().size(), 1u);
    }
}

TEST(TestHttpServerTest, ResetComesOnlyAfterEveryByteBeforeIt) {
    constexpr std::size_t kSentBeforeReset = 4 * 1024 * 1024;
    TestHttpServer server;
    server.SetHandler([](const RecordedRequest&) {
        Response response = Ok(std::string(2 * kSentBeforeReset, 'x'));
        response.resetAfterBytes = kSentBeforeReset;
        return response;
    });
    RawClient client(server.port());
    client.Send("GET / HTTP/1.1\r\n\r\n");
    // A late reader leaves the tail of those bytes queued in the server's socket when it
    // finishes sending; a reset sent then would throw them away.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto [received, reset] = client.ReadToEnd();
    EXPECT_TRUE(reset);
    EXPECT_EQ(received.size() - received.find("\r\n\r\n") - 4, kSentBeforeReset);
}

TEST(TestHttpServerTest, DestructionEndsStalledAndSilentConnectionsWithoutLeaks) {
    const std::size_t descriptorsBefore = EntriesIn("/proc/self/fd");
    const std::size_t threadsBefore = EntriesIn("/proc/self/task");
    std::optional<RawClient> stalled;
    std::optional<RawClient> silent;
    {
        TestHttpServer server;
        server.SetHandler([](const RecordedRequest&) {
            Response response = Ok("abcdef");
            response.stallAfterBytes = 3;
            return response;
        });
        stalled.emplace(server.port());
        silent.emplace(server.port());
        stalled->Send("GET / HTTP/1.1\r\n\r\n");
        const std::string beforeStall = "HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\nabc";
        ASSERT_EQ(stalled->Read(beforeStall.size()), beforeStall);
    }
    EXPECT_EQ(stalled->ReadToEnd(), std::make_pair(std::string(), false));
    EXPECT_EQ(silent->ReadToEnd(), std::make_pair(std::string(), false));
    stalled.reset();
    silent.reset();
    EXPECT_EQ(EntriesIn("/proc/self/fd"), descriptorsBefore);
    EXPECT_EQ(EntriesIn("/proc/self/task"), threadsBefore);
}

TEST(TestHttpServerTest, UnusedPortRefusesConnections) {
    const RawClient client(UnusedPort());
    EXPECT_FALSE(client.connected());
    EXPECT_EQ(client.connectError(), ECONNREFUSED);
}

struct CurlDeleter {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using CurlPtr = std::unique_ptr<CURL, CurlDeleter>;

std::size_t AppendTo(char* data, std::size_t size, std::size_t count, void* body) {
    static_cast<std::string*>(body)->append(data, size * count);
    return size * count;
}

CURLcode CurlGet(CURL* curl, const std::string& url, std::string& body, bool verify = false) {
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, verify ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, verify ? 2L : 0L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendTo);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 30L);
    return curl_easy_perform(curl);
}

char GeneratedByte(std::int64_t offset) { return static_cast<char>(offset * 7 + offset / 251); }

TEST(TestHttpServerTest, HttpsServesGeneratedBodiesOverOneConnection) {
    constexpr std::int64_t kSize = 3 * 1024 * 1024 + 17;
    TestHttpServer server(TestHttpServer::Scheme::kHttps);
    server.SetHandler([](const RecordedRequest&) {
        Response response;
        response.generatedSize = kSize;
        response.generator = [](std::int64_t offset, std::span<char> chunk) {
            for (char& byte : chunk) byte = GeneratedByte(offset++);
        };
        return response;
    });
    const CurlPtr curl(curl_easy_init());
    std::string expected(kSize, '\0');
    for (std::int64_t offset = 0; offset < kSize; ++offset)
        expected[offset] = GeneratedByte(offset);

    for (const char* path : {"/one", "/two"}) {
        std::string body;
        ASSERT_EQ(CurlGet(curl.get(), server.Url(path), body), CURLE_OK);
        EXPECT_TRUE(body == expected) << path;
    }
    EXPECT_EQ(server.ConnectionCount(), 1);
    EXPECT_EQ(server.Requests().at(1).connection, 1);
}

TEST(TestHttpServerTest, HttpsCertificateFailsVerification) {
    TestHttpServer server(TestHttpServer::Scheme::kHttps);
    const CurlPtr curl(curl_easy_init());
    std::string body;
    EXPECT_EQ(CurlGet(curl.get(), server.Url("/"), body, /*verify=*/true),
              CURLE_PEER_FAILED_VERIFICATION);
    EXPECT_TRUE(server.Requests().empty());
}

TEST(TestHttpServerTest, HttpsDestructionEndsHandshakesAndIdleConnections) {
    const CurlPtr curl(curl_easy_init());
    std::optional<RawClient> neverHandshakes;
    {
        TestHttpServer server(TestHttpServer::Scheme::kHttps);
        neverHandshakes.emplace(server.port());
        std::string body;
        // The handle keeps its connection open, so a server thread is left waiting in a TLS read.
        ASSERT_EQ(CurlGet(curl.get(), server.Url("/"), body), CURLE_OK);
    }
    EXPECT_EQ(neverHandshakes->ReadToEnd(), std::make_pair(std::string(), false));
}

TEST(TestCertificateTest, NamesLoopbackAndIsValidNow) {
    const TestCertificate made = MakeTestCertificate();
    X509* certificate = made.certificate.get();
    EXPECT_EQ(X509_check_ip_asc(certificate, "127.0.0.1", 0), 1);
    EXPECT_EQ(X509_check_host(certificate, "localhost", 0, 0, nullptr), 1);
    EXPECT_NE(X509_check_host(certificate, "example.com", 0, 0, nullptr), 1);
    EXPECT_LT(X509_cmp_current_time(X509_get0_notBefore(certificate)), 0);
    EXPECT_GT(X509_cmp_current_time(X509_get0_notAfter(certificate)), 0);
    EXPECT_EQ(X509_verify(certificate, made.key.get()), 1);
}

}  // namespace
}  // namespace vantrel::test
