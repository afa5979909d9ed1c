#pragma once

#include <functional>

#include "support/socket_stream.h"
#include "support/test_http_server.h"

namespace vantrel::test {

using RequestRecorder = std::function<void(const RecordedRequest&)>;

// Serves the requests of one connection in turn until either side ends it. Each request is
// recorded, with what arrived of its body, before `answer` is asked for the response.
void ServeConnection(SocketStream& stream, int connection, const RequestRecorder& record,
                     const Handler& answer);

}  // namespace vantrel::test
