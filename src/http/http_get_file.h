#pragma once

#include <functional>
#include <string_view>

#include "http/transfer.h"
#include "text/bytes.h"
#include "text/text.h"

namespace vantrel {

// Receives the body as it arrives; returning false aborts the transfer.
using BodySink = std::function<bool(std::string_view chunk)>;

// The whole-resource GET used for media files: HTTP/1.0, its own agent, "Accept: */*",
// redirects followed, certificates checked. Returns every body byte whatever the status
// (an error page comes back like a file); the status is in transfer->result.
Bytes HttpGetFile(const Text& url, Transfer* transfer = nullptr);

// The same request, streaming the body to sink so that a large file never sits whole in
// memory.
void HttpGetFile(const Text& url, const BodySink& sink, Transfer* transfer = nullptr);

}  // namespace vantrel
