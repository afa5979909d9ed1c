#include "http/request_address.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "http/url_parts.h"

namespace vantrel {
namespace {

// The path goes on the request line as the caller wrote it, apart from the bytes that
// cannot stand there raw: blanks, control bytes and the upper half, which servers decode
// back to the same bytes. Lower-case hex, as curl writes every escape of such a byte.
std::string EscapeForRequestLine(std::string_view part) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string escaped;
    escaped.reserve(part.size());
    for (const char c : part) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= 0x20 || byte >= 0x7F) {
            escaped += '%';
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0x0F];
        } else {
            escaped += c;
        }
    }
    return escaped;
}

CURLUcode SetPathAndQuery(CURLU* address, std::string_view path) {
    path = path.substr(0, path.find('#'));  // a fragment never leaves the client
    const size_t question = path.find('?');
    const std::string query = question == std::string_view::npos
                                  ? std::string()
                                  : EscapeForRequestLine(path.substr(question + 1));
    const std::string pathOnly = EscapeForRequestLine(path.substr(0, question));
    if (const CURLUcode code = curl_url_set(address, CURLUPART_PATH, pathOnly.c_str(), 0))
        return code;
    return curl_url_set(address, CURLUPART_QUERY, query.empty() ? nullptr : query.c_str(), 0);
}

}  // namespace

CURLUcode SetRequestAddress(CURLU* address, const Text& url, bool secure) {
    if (const CURLUcode code =
            curl_url_set(address, CURLUPART_SCHEME, secure ? "https" : "http", 0)) {
        return code;
    }
    if (const CURLUcode code = curl_url_set(address, CURLUPART_HOST, UrlHost(url).c_str(), 0)) {
        return code;
    }
    // The port travels in 16 bits, and 0 stands for the scheme's own port.
    if (const auto port = static_cast<std::uint16_t>(UrlPort(url)); port != 0) {
        if (const CURLUcode code =
                curl_url_set(address, CURLUPART_PORT, std::to_string(port).c_str(), 0)) {
            return code;
        }
    }
    return SetPathAndQuery(address, UrlPath(url).view());
}

}  // namespace vantrel
