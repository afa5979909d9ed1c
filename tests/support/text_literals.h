#pragma once

#include <cstdio>
#include <ostream>
#include <string_view>

#include "text/code_page.h"
#include "text/text.h"

namespace vantrel::test {

// Raw bytes, for ASCII and hand-written GBK sequences such as "\xB0" "AA".
inline Text T(std::string_view bytes) { return Text(bytes); }

// Chinese written in the (UTF-8) source, converted to GBK.
inline Text G(std::string_view utf8) { return Utf8ToText(utf8); }

}  // namespace vantrel::test

namespace vantrel {

// Failure messages show a Text as escaped bytes, so GBK and control bytes stay readable.
inline void PrintTo(const Text& text, std::ostream* out) {
    *out << '"';
    for (const unsigned char byte : text.view()) {
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            *out << static_cast<char>(byte);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            *out << escaped;
        }
    }
    *out << '"';
}

}  // namespace vantrel
