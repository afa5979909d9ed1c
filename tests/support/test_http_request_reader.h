#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "support/socket_stream.h"
#include "support/test_http_server.h"

namespace vantrel::test {

// Reads the requests of one connection in turn. Bytes that arrive beyond the current request
// (a pipelined next request) wait for the next call.
class RequestReader {
public:
    explicit RequestReader(SocketStream& stream) : stream_(stream) {}

    // The next request's line and headers; nothing when the connection ends before its empty
    // line, or the head grows beyond any sane size.
    std::optional<RecordedRequest> ReadHead();
    // Fills request.body as Content-Length or chunked transfer coding frames it, first telling a
    // client that sent "Expect: 100-continue" to go on. False when the connection ends first or
    // the framing cannot be read.
    bool ReadBody(RecordedRequest& request);

private:
    bool ReadMore();
    std::optional<std::size_t> FindInPending(std::string_view marker);
    bool ReadLine(std::string& line);
    bool TakeBytes(std::size_t count, std::string& destination);
    bool ReadChunkedBody(std::string& body);
    bool AnswerExpectation(const RecordedRequest& request);

    SocketStream& stream_;
    std::string pending_;
};

}  // namespace vantrel::test
