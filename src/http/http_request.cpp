#include "http/http_request.h"

#include <curl/curl.h>

#include <string>
#include <string_view>

#include "http/cookie_merge.h"
#include "http/curl_handles.h"
#include "http/curl_transfer.h"
#include "http/header_names.h"
#include "http/http_session.h"
#include "http/request_address.h"
#include "http/request_header_block.h"
#include "http/response_cookies.h"
#include "http/url_parts.h"
#include "text/bytes_ops.h"
#include "text/text_case.h"
#include "text/text_list.h"
#include "text/text_slice.h"
#include "text/text_split.h"

namespace vantrel {
namespace {

constexpr const char* kVerbs[] = {"GET",     "POST",   "HEAD",  "PUT",
                                  "OPTIONS", "DELETE", "TRACE", "CONNECT"};

int ValidMethod(int method) {
    return method < kHttpGet || method > kHttpConnect ? kHttpGet : method;
}

bool IsSecureAddress(const Text& url) { return ToLower(TextLeft(url, 8)) == Text("https://"); }

// Everything one exchange hands to curl besides the address; it must outlive the perform.
struct PreparedRequest {
    int method;
    bool secure;
    std::string agent;
    CurlHeaderList headerFields;
    const Bytes* body;
};

// The agent goes on the wire as one header line, whatever the block it came from held.
std::string AgentLine(const Text& agent) {
    const std::string_view text = agent.view();
    return std::string(text.substr(0, text.find_first_of("\r\n")));
}

// The block's header lines, in order, then the names of headers curl would otherwise add
// of its own (a bare "Name:" only stops curl). Empty lines and text without a colon are
// not headers and stay off the wire.
CurlHeaderList HeaderFieldsForCurl(const Text& block) {
    CurlHeaderList fields;
    for (const Text& line : SplitText(block, Text("\r\n"))) {
        const std::string& text = line.str();
        const size_t colon = text.find(':');
        if (colon == std::string::npos) continue;
        if (text.find_first_not_of(" \t", colon + 1) == std::string::npos) {
            fields.Append(text.substr(0, colon) + ";");  // curl's form for an empty value
        } else {
            fields.Append(text);
        }
    }
    for (const char* ownHeader : {"Accept:", "Content-Type:", "Expect:", "Proxy-Connection:"})
        fields.Append(ownHeader);
    return fields;
}

// Every method but GET and HEAD carries the body, empty or not. An answer to HEAD has no
// body, and curl can only rely on that when it sends none either.
void SetMethodAndBody(CURL* handle, int method, const Bytes& body) {
    if (method == kHttpGet) {
        curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
        return;
    }
    if (method == kHttpHead) {
        curl_easy_setopt(handle, CURLOPT_NOBODY, 1L);
        return;
    }
    curl_easy_setopt(handle, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.length()));
    curl_easy_setopt(handle, CURLOPT_POSTFIELDS, body.data());
    if (method != kHttpPost) curl_easy_setopt(handle, CURLOPT_CUSTOMREQUEST, kVerbs[method]);
}

// A given proxy serves plain addresses as an http proxy and tunnels secure ones.
// Proxy settings from the environment never apply: no proxy means a direct connection.
void SetProxy(CURL* handle, const Text& proxy, bool secure, std::string& proxyText) {
    proxyText = proxy.empty() || secure ? proxy.str() : "http://" + proxy.str();
    curl_easy_setopt(handle, CURLOPT_PROXY, proxyText.c_str());
    curl_easy_setopt(handle, CURLOPT_NOPROXY, "");
}

// Keeps the header block of the last response: a status line starts a new one, so the
// headers of a redirect, an interim 1xx answer or a proxy's tunnel reply are dropped.
size_t KeepHeaderLine(char* data, size_t size, size_t count, void* userdata) {
    auto& headers = *static_cast<std::string*>(userdata);
    std::string_view line(data, size * count);
    if (line.starts_with("HTTP/")) headers.clear();
    while (line.ends_with('\n') || line.ends_with('\r')) line.remove_suffix(1);
    headers.append(line).append("\r\n");
    return size * count;
}

// The exchange itself: returns the body and leaves the raw response headers in headers.
Bytes Exchange(const Text& url, const PreparedRequest& request, const HttpRequestOptions& options,
               std::string& headers) {
    HttpSession& session = HttpSession::Instance();
    CURL* const handle = session.RequestHandle();
    const CurlUrl address(curl_url());
    if (const CURLUcode code = SetRequestAddress(address.get(), url, request.secure)) {
        RecordFailure(options.transfer, curl_url_strerror(code));
        return Bytes();
    }
    curl_easy_setopt(handle, CURLOPT_CURLU, address.get());
    curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_1);
    curl_easy_setopt(handle, CURLOPT_USERAGENT, request.agent.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPHEADER, request.headerFields.get());
    SetMethodAndBody(handle, request.method, *request.body);
    curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, options.noRedirect ? 0L : 1L);
    std::string proxyText;
    SetProxy(handle, options.proxy, request.secure, proxyText);
    // Pages are fetched whatever certificate the server shows; media is plain http anyway.
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(handle, CURLOPT_SSL_VERIFYHOST, 0L);
    session.UseCookieStore(handle, options.cookies == nullptr);
    curl_easy_setopt(handle, CURLOPT_HEADERFUNCTION, KeepHeaderLine);
    curl_easy_setopt(handle, CURLOPT_HEADERDATA, &headers);

    Bytes body;
    const BodySink appendToBody = [&body](std::string_view chunk) {
        body.Append(chunk);
        return true;
    };
    PerformTransfer(handle, appendToBody, options.transfer);
    return body;
}

}  // namespace

Bytes HttpRequest(const Text& url, const HttpRequestOptions& options) {
    // Omitted in/out and out parameters are written to these and discarded.
    Text scratchHeaders, scratchReturnedHeaders, scratchReturnedCookies;
    Bytes scratchPostBytes;
    Text& extraHeaders = options.extraHeaders ? *options.extraHeaders : scratchHeaders;
    Text& returnedHeaders =
        options.returnedHeaders ? *options.returnedHeaders : scratchReturnedHeaders;
    Text& returnedCookies =
        options.returnedCookies ? *options.returnedCookies : scratchReturnedCookies;
    Bytes& postBytes = options.postBytes ? *options.postBytes : scratchPostBytes;

    if (options.normaliseHeaders) extraHeaders = NormaliseHeaderNames(extraHeaders);
    const int method = ValidMethod(options.method);
    const bool secure = IsSecureAddress(url);
    const Text agent = RequestAgent(extraHeaders);
    if (UrlHost(url).empty()) {
        RecordFailure(options.transfer, "The address names no host");
        return Bytes();
    }

    if (options.completeHeaders) extraHeaders = CompleteHeaderBlock(extraHeaders, url, method);
    if (options.cookies && !options.cookies->empty()) {
        extraHeaders = AppendCookieLine(extraHeaders, *options.cookies);
    }
    if (method != kHttpGet && postBytes.empty()) postBytes = TextToBytes(options.postText);

    const PreparedRequest request{method, secure, AgentLine(agent),
                                  HeaderFieldsForCurl(extraHeaders), &postBytes};
    std::string headers;
    Bytes body = Exchange(url, request, options, headers);

    returnedHeaders = Text(headers);
    returnedCookies = CollectCookies(returnedHeaders);
    if (options.mergeCookies && options.cookies) {
        returnedCookies = MergeCookies(*options.cookies, returnedCookies);
    }
    return body;
}

}  // namespace vantrel
