#pragma once

#include <chrono>

namespace vantrel {

// Without these curl would wait forever, and the window with it.
struct HttpTimeouts {
    std::chrono::milliseconds connect{30'000};
    std::chrono::milliseconds stall{60'000};  // no byte received for this long: abandon
};

HttpTimeouts CurrentHttpTimeouts();
void SetHttpTimeouts(const HttpTimeouts& timeouts);  // tests shorten them

}  // namespace vantrel
