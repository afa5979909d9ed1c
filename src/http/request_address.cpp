#include "http/request_address.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "http/url_parts.h"

namespace vantrel {
namespace {

// The path goes on the request line as the caller wrote it, apart from the bytes that
// cannot stand there raw: blanks, control bytes and the upper half, which servers decode
// back to the same bytes.
std::string EscapeForRequestLine(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(path.size());
    for (const char c : path) {
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

std::string SchemeHostAndPort(bool secure, const Text& host, const Text& url) {
    std::string address = (secure ? "https://" : "http://") + host.str();
    // The port travels in 16 bits, and 0 stands for the scheme's own port.
    if (const auto port = static_cast<std::uint16_t>(UrlPort(url)); port != 0) {
        address += ":" + std::to_string(port);
    }
    return address;
}

}  // namespace

CURLUcode SetRequestAddress(CURLU* address, const Text& url, bool secure) {
    // The host is checked on its own first, so that nothing in it can change how the whole
    // address reads.
    const Text host = UrlHost(url);
    if (const CURLUcode code = curl_url_set(address, CURLUPART_HOST, host.c_str(), 0)) return code;

    // A fragment never leaves the client.
    const Text fullPath = UrlPath(url);
    const std::string_view path = fullPath.view().substr(0, fullPath.view().find('#'));
    // Set whole rather than part by part: curl rewrites the escapes of a path or query set
    // on its own in lower case, and a server may tell "%C6" from "%c6".
    const std::string whole = SchemeHostAndPort(secure, host, url) + EscapeForRequestLine(path);
    return curl_url_set(address, CURLUPART_URL, whole.c_str(), CURLU_PATH_AS_IS);
}

}  // namespace vantrel
