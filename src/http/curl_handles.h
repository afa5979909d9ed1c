#pragma once

// Owners for the libcurl handles of this library; nothing outside src/http sees curl.

#include <curl/curl.h>

#include <memory>
#include <string>

namespace vantrel {

struct CurlEasyCleanup {
    void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};
using CurlEasy = std::unique_ptr<CURL, CurlEasyCleanup>;

struct CurlShareCleanup {
    void operator()(CURLSH* share) const { curl_share_cleanup(share); }
};
using CurlShare = std::unique_ptr<CURLSH, CurlShareCleanup>;

struct CurlUrlCleanup {
    void operator()(CURLU* url) const { curl_url_cleanup(url); }
};
using CurlUrl = std::unique_ptr<CURLU, CurlUrlCleanup>;

// Lines for CURLOPT_HTTPHEADER. curl copies each line, and the list must outlive the
// transfer that uses it.
class CurlHeaderList {
public:
    void Append(const std::string& line);
    curl_slist* get() const { return list_.get(); }

private:
    struct Free {
        void operator()(curl_slist* list) const { curl_slist_free_all(list); }
    };
    std::unique_ptr<curl_slist, Free> list_;
};

}  // namespace vantrel
