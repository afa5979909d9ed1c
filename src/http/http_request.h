#pragma once

#include "http/transfer.h"
#include "text/bytes.h"
#include "text/text.h"

namespace vantrel {

enum HttpMethod : int {
    kHttpGet = 0,
    kHttpPost = 1,
    kHttpHead = 2,
    kHttpPut = 3,
    kHttpOptions = 4,
    kHttpDelete = 5,
    kHttpTrace = 6,
    kHttpConnect = 7,
};

// The optional parameters of HttpRequest. A pointer left null is an omitted in/out or out
// parameter; a non-null cookies pointer means the caller manages cookies itself, which
// keeps the run's cookie store out of the exchange even when the text is empty.
struct HttpRequestOptions {
    int method = kHttpGet;            // out of range acts as GET
    Text postText{};                  // {} lets callers use designated initializers under -Wextra
    Text* cookies = nullptr;          // in/out
    Text* returnedCookies = nullptr;  // out
    Text* extraHeaders = nullptr;     // in/out: the header block exactly as sent
    Text* returnedHeaders = nullptr;  // out
    bool noRedirect = false;
    Bytes* postBytes = nullptr;  // in/out
    Text proxy{};                // host:port; empty for a direct connection
    bool mergeCookies = true;
    bool completeHeaders = true;
    bool normaliseHeaders = true;
    Transfer* transfer = nullptr;  // progress, cancel and what happened
};

// One complete HTTP or HTTPS exchange; returns the response body, empty on any failure.
// Connections are kept for the run and reused, but nothing else passes from one call to
// the next except the run's cookie store.
Bytes HttpRequest(const Text& url, const HttpRequestOptions& options = {});

}  // namespace vantrel
