#pragma once

#include <curl/curl.h>

#include <string>

#include "http/http_get_file.h"
#include "http/transfer.h"

namespace vantrel {

inline constexpr long kMaxRedirects = 30;

// Performs the exchange configured on handle and adds what every exchange of the run
// shares: http and https only, at most kMaxRedirects redirects when the caller follows
// them, the time-outs of CurrentHttpTimeouts(), the body handed to sink as it arrives, and
// for a given transfer its progress, its cancel and the outcome in transfer->result.
CURLcode PerformTransfer(CURL* handle, const BodySink& sink, Transfer* transfer);

// Records in a given transfer an exchange that ended before anything was sent.
void RecordFailure(Transfer* transfer, std::string error);

}  // namespace vantrel
