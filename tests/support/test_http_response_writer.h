#pragma once

#include "support/socket_stream.h"
#include "support/test_http_server.h"

namespace vantrel::test {

// Sends `response` as the answer to `request`, misbehaving as the response asks. True when the
// connection may carry another request as far as the response is concerned: its body was
// framed and sent whole, and it did not say "Connection: close".
bool SendResponse(SocketStream& stream, const RecordedRequest& request, const Response& response);

}  // namespace vantrel::test
