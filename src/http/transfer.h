#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vantrel {

struct TransferProgress {
    std::int64_t received = 0;  // body bytes so far
    std::int64_t total = -1;    // as announced by the server; -1 when not announced
};

// Called as bytes arrive (and now and then while none do). Returning false aborts the
// transfer at once.
using ProgressCallback = std::function<bool(const TransferProgress&)>;

// What happened during one exchange, for callers that want more than the body.
struct TransferResult {
    std::string error;       // empty when the exchange completed; otherwise curl's message
    bool cancelled = false;  // the progress callback asked to stop
    long status = 0;         // HTTP status of the last response; 0 when none arrived
    std::int64_t bytes = 0;  // body bytes received
    std::string contentType;

    bool completed() const { return error.empty(); }
};

// Passed by a caller that wants progress, cancel or the result; every field is optional.
struct Transfer {
    ProgressCallback onProgress;
    TransferResult result;
};

}  // namespace vantrel
