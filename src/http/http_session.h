#pragma once

#include "http/curl_handles.h"

namespace vantrel {

// The libcurl state kept for the whole run. Each kind of request has one easy handle that
// is reused from call to call, so live connections, TLS sessions and resolved names carry
// over while every option is cleared before a call sets its own. The cookie store holds
// the cookies responses set during the run, in memory only.
class HttpSession {
public:
    static HttpSession& Instance();

    HttpSession(const HttpSession&) = delete;
    HttpSession& operator=(const HttpSession&) = delete;

    // The handle for HttpRequest or HttpGetFile with the previous call's options cleared;
    // null when libcurl cannot make one.
    CURL* RequestHandle();
    CURL* FileHandle();

    // Lets the run's cookie store take part in the next exchange on handle, or keeps it
    // out: then no stored cookie is sent and no cookie the exchange sets is kept.
    void UseCookieStore(CURL* handle, bool use);

private:
    HttpSession();

    CURL* Cleared(CurlEasy& handle);
    void SwitchOnCookieEngine(CURL* handle);

    struct GlobalInit {
        GlobalInit() { curl_global_init(CURL_GLOBAL_DEFAULT); }
        ~GlobalInit() { curl_global_cleanup(); }
    };

    // Destroyed in reverse order: the easy handles leave the share before it goes, and
    // libcurl is cleaned up last.
    GlobalInit global_;
    CurlShare cookieStore_;
    CurlEasy request_;
    CurlEasy file_;
};

}  // namespace vantrel
