#include "text/url_encode.h"

#include <string>

#include "text/code_page.h"

namespace vantrel {

namespace {

bool IsKeptUnreserved(unsigned char byte) {
    return byte == '-' || byte == '.' || (byte >= '0' && byte <= '9') ||
           (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

}  // namespace

Text UrlEncode(const Text& text, bool keepUnreserved, bool asUtf8) {
    static constexpr char kHexDigits[] = "0123456789ABCDEF";
    const Text source = asUtf8 ? AnsiToUtf8(text) : text;
    std::string encoded;
    encoded.reserve(source.length() * 3);
    for (const char c : source.view()) {
        const auto byte = static_cast<unsigned char>(c);
        if (keepUnreserved && IsKeptUnreserved(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHexDigits[byte >> 4];
            encoded += kHexDigits[byte & 0x0F];
        }
    }
    return Text(encoded);
}

}  // namespace vantrel
