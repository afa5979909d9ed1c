#include "support/test_http_connection.h"

#include "support/test_http_header_lookup.h"
#include "support/test_http_request_reader.h"
#include "support/test_http_response_writer.h"

namespace vantrel::test {

namespace {

// HTTP/1.1 keeps the connection unless the client says close; HTTP/1.0 only when it asks.
bool ClientKeepsAlive(const RecordedRequest& request) {
    if (request.version == "HTTP/1.1") {
        return !HasHeaderToken(request.headers, "Connection", "close");
    }
    return HasHeaderToken(request.headers, "Connection", "keep-alive");
}

}  // namespace

void ServeConnection(SocketStream& stream, int connection, const RequestRecorder& record,
                     const Handler& answer) {
    RequestReader reader(stream);
    while (auto request = reader.ReadHead()) {
        request->connection = connection;
        const bool bodyComplete = reader.ReadBody(*request);
        record(*request);
        if (!bodyComplete) return;
        const bool responseKeepsOpen = SendResponse(stream, *request, answer(*request));
        if (!responseKeepsOpen || !ClientKeepsAlive(*request)) return;
    }
}

}  // namespace vantrel::test
