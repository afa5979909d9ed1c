#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantrel::test {

using HeaderLines = std::vector<std::pair<std::string, std::string>>;

// One request exactly as it crossed the wire.
struct RecordedRequest {
    std::string method;
    std::string target;   // origin form "/x?y", or absolute form when sent to a proxy
    std::string version;  // "HTTP/1.1"
    HeaderLines headers;  // in the order sent, names as spelt
    // The request line and header lines as received, each with its CRLF; the empty line that
    // ends the head is not included.
    std::string head;
    std::string body;
    int connection = 0;  // which accepted connection carried it, counted from 1

    // The first value of a header, name compared without case; empty when absent.
    std::string Header(std::string_view name) const;
    int HeaderCount(std::string_view name) const;
};

// Produces bytes [offset, offset + chunk.size()) of a generated body.
using BodyGenerator = std::function<void(std::int64_t offset, std::span<char> chunk)>;

struct Response {
    int status = 200;
    std::string reason = "OK";
    // Sent in this order. Content-Length is added unless announceLength is off or these carry
    // their own Content-Length or Transfer-Encoding. A header with an empty name sends its value
    // as the whole line, for lines such as "Set-Cookie:a=1" that no name and value spell.
    HeaderLines headers;
    std::string body;

    // A body too large to hold in memory: generatedSize bytes from generator. Used instead
    // of body when generator is set.
    std::int64_t generatedSize = 0;
    BodyGenerator generator;

    bool announceLength = true;       // off: no Content-Length, the body ends with the connection
    std::int64_t bytesPerSecond = 0;  // throttle; 0 sends as fast as possible

    // Misbehaviour, for failure tests.
    std::int64_t resetAfterBytes = -1;  // send this many body bytes, then reset the connection
    std::int64_t stallAfterBytes =
        -1;  // send this many body bytes, then nothing until the server stops
    bool closeWithoutResponse = false;
};

using Handler = std::function<Response(const RecordedRequest&)>;

// An HTTP/1.x server on 127.0.0.1 with an ephemeral port, one thread per connection,
// keep-alive as the client asks. The HTTPS variant uses a self-signed certificate made
// when the server starts.
class TestHttpServer {
public:
    enum class Scheme { kHttp, kHttps };

    explicit TestHttpServer(Scheme scheme = Scheme::kHttp);
    // Stops accepting, ends every connection (stalled ones included) and joins the threads.
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    // Answers every request; without one the server answers 404. Called on connection threads.
    void SetHandler(Handler handler);

    int port() const;
    std::string hostPort() const;                  // "127.0.0.1:<port>"
    std::string Url(std::string_view path) const;  // scheme, host and port, then path

    std::vector<RecordedRequest> Requests() const;
    int ConnectionCount() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A port on 127.0.0.1 that nothing listens on, for refused-connection tests.
int UnusedPort();

}  // namespace vantrel::test
