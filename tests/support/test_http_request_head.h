#pragma once

#include <string>

#include "support/test_http_server.h"

namespace vantrel::test {

// Fills method, target, version, headers and head from a request's head: the request line and
// the header lines, each ending in CRLF, without the empty line that closes the head.
RecordedRequest ParseRequestHead(std::string head);

}  // namespace vantrel::test
