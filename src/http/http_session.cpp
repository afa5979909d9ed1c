#include "http/http_session.h"

namespace vantrel {

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
    curl_easy_setopt(handle, CURLOPT_SHARE, use ? cookieStore_.get() : nullptr);
}

CURL* HttpSession::Cleared(CurlEasy& handle) {
    if (!handle) {
        handle.reset(curl_easy_init());
        if (!handle) return nullptr;
        SwitchOnCookieEngine(handle.get());
    }
    curl_easy_reset(handle.get());
    return handle.get();
}

// curl switches its cookie engine on for good when it loads a cookie file into the store,
// here the empty one. The file is then dropped from the options: left there, the next
// transfer would load it into a jar of the handle's own, even with the store kept out.
void HttpSession::SwitchOnCookieEngine(CURL* handle) {
    curl_easy_setopt(handle, CURLOPT_SHARE, cookieStore_.get());
    curl_easy_setopt(handle, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(handle, CURLOPT_COOKIELIST, "RELOAD");
    curl_easy_setopt(handle, CURLOPT_COOKIEFILE, nullptr);
}

}  // namespace vantrel
