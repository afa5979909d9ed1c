#include "http/http_session.h"

namespace vantrel {
namespace {

CURL* Cleared(CurlEasy& handle) {
    if (handle) {
        curl_easy_reset(handle.get());
    } else {
        handle.reset(curl_easy_init());
    }
    return handle.get();
}

}  // namespace

HttpSession& HttpSession::Instance() {
    static HttpSession session;
    return session;
}

HttpSession::HttpSession() : cookieStore_(curl_share_init()) {
    curl_share_setopt(cookieStore_.get(), CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
}

CURL* HttpSession::RequestHandle() { return Cleared(request_); }

CURL* HttpSession::FileHandle() { return Cleared(file_); }

void HttpSession::UseCookieStore(CURL* handle, bool use) {
    if (use) {
        curl_easy_setopt(handle, CURLOPT_SHARE, cookieStore_.get());
        curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");  // switches the cookie engine on
    } else {
        curl_easy_setopt(handle, CURLOPT_SHARE, nullptr);
    }
}

}  // namespace vantrel
