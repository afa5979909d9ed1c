#pragma once

#include <curl/curl.h>

#include "text/text.h"

namespace vantrel {

// Fills address with where the request goes: the scheme that secure selects, the host and
// port as UrlHost and UrlPort read them, and UrlPath for the path and query. A host curl
// cannot connect to (empty, or holding characters no host name has) gives an error code.
CURLUcode SetRequestAddress(CURLU* address, const Text& url, bool secure);

}  // namespace vantrel
