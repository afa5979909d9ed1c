#include "http/http_timeouts.h"

namespace vantrel {
namespace {

HttpTimeouts gTimeouts;

}  // namespace

HttpTimeouts CurrentHttpTimeouts() { return gTimeouts; }

void SetHttpTimeouts(const HttpTimeouts& timeouts) { gTimeouts = timeouts; }

}  // namespace vantrel
