#pragma once

#include <optional>

#include "text/text.h"

namespace vantrel {

// Take an address apart by its text alone, the way the request routine hands host, port
// and path to the connection: no URL grammar, no percent-decoding, no validation. Every
// input gives a result; a malformed address shows up later as a failed connection.

// The host in lower case. A given labelDepth (0 included) keeps only the last labels of
// the host instead of reading it out of the address; domainOnly keeps one label fewer.
Text UrlHost(const Text& url, bool domainOnly = false, bool keepPort = false,
             std::optional<int> labelDepth = std::nullopt);

// The port written after the host, 0 when that text is empty or not a number; without
// one, 443 for an address starting "https" and 80 otherwise.
int UrlPort(const Text& url);

// Everything from the first "/" after the host, query and fragment included, in the
// caller's case; "/" when there is none.
Text UrlPath(const Text& url);

}  // namespace vantrel
