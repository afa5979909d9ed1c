#pragma once

#include <chrono>
#include <string>
#include <utility>

#include "http/http_timeouts.h"
#include "support/test_http_server.h"

namespace vantrel::test {

inline Response Ok(std::string body, HeaderLines headers = {}) {
    Response response;
    response.body = std::move(body);
    response.headers = std::move(headers);
    return response;
}

inline Response Redirect(std::string location) {
    Response response;
    response.status = 302;
    response.reason = "Found";
    response.headers = {{"Location", std::move(location)}};
    response.body = "moved";
    return response;
}

// The request head as a client sends it: request line and Host, then the given lines, each
// ending in "\r\n".
inline std::string Head(const std::string& requestLine, const TestHttpServer& server,
                        const std::string& lines) {
    return requestLine + "\r\nHost: " + server.hostPort() + "\r\n" + lines;
}

// Shortens the stall time-out for one test and restores the run's values after it.
class ShortStall {
public:
    explicit ShortStall(std::chrono::milliseconds stall) : saved_(CurrentHttpTimeouts()) {
        SetHttpTimeouts({.connect = saved_.connect, .stall = stall});
    }
    ~ShortStall() { SetHttpTimeouts(saved_); }
    ShortStall(const ShortStall&) = delete;
    ShortStall& operator=(const ShortStall&) = delete;

private:
    HttpTimeouts saved_;
};

}  // namespace vantrel::test
