#include "http/http_get_file.h"

#include <curl/curl.h>

#include "http/curl_handles.h"
#include "http/curl_transfer.h"
#include "http/http_session.h"

namespace vantrel {
namespace {

constexpr const char* kFileAgent = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

}  // namespace

void HttpGetFile(const Text& url, const BodySink& sink, Transfer* transfer) {
    HttpSession& session = HttpSession::Instance();
    CURL* const handle = session.FileHandle();
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, kFileAgent);
    CurlHeaderList headerFields;
    headerFields.Append("Accept: */*");
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headerFields.get());
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(handle, CURLOPT_PROXY, "");  // direct, whatever the environment says
    // Media files are large: fewer, bigger writes to the sink.
    curl_easy_setopt(handle, CURLOPT_BUFFERSIZE, static_cast<long>(CURL_MAX_READ_SIZE));
    session.UseCookieStore(handle, true);  // the run's cookies go to media hosts too
    PerformTransfer(handle, sink, transfer);
}

Bytes HttpGetFile(const Text& url, Transfer* transfer) {
    Bytes body;
    HttpGetFile(
        url,
        [&body](std::string_view chunk) {
            body.Append(chunk);
            return true;
        },
        transfer);
    return body;
}

}  // namespace vantrel
