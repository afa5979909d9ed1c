#include "text/text_number.h"

#include <cstdint>
#include <cstdio>
#include <string>

#include "text/character_walk.h"

namespace vantrel {

namespace {

// The full-width forms of GBK row A3 become their ASCII forms, and the few full-width
// blanks and signs of row A1 that look like ASCII ones become those.
std::string NarrowFullWidthForms(const Text& text) {
    std::string narrow;
    narrow.reserve(text.length());
    for (int p = 0; p < text.length();) {
        const int width = CharacterWidth(text.view(), p);
        const unsigned char lead = text.byte(p);
        const unsigned char trail = width == 2 ? text.byte(p + 1) : 0;
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            narrow += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            narrow += ' ';
        } else if (lead == 0xA1 && trail == 0xAB) {
            narrow += '~';
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            narrow += '*';
        } else {
            narrow.append(text.view().substr(p, width));
        }
        p += width;
    }
    return narrow;
}

bool IsWhiteSpace(char byte) {
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
           byte == '\r';
}

}  // namespace

int ToInt(const Text& text) {
    const std::string narrow = NarrowFullWidthForms(text);
    std::size_t p = 0;
    while (p < narrow.size() && IsWhiteSpace(narrow[p])) ++p;
    bool negative = false;
    if (p < narrow.size() && (narrow[p] == '+' || narrow[p] == '-')) negative = narrow[p++] == '-';
    std::uint32_t value = 0;
    for (; p < narrow.size() && narrow[p] >= '0' && narrow[p] <= '9'; ++p) {
        value = value * 10 + static_cast<std::uint32_t>(narrow[p] - '0');
    }
    return static_cast<int>(negative ? 0u - value : value);
}

Text IntToText(int value) { return Text(std::to_string(value)); }

Text ToHexText(int value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(value));
    return Text(digits);
}

}  // namespace vantrel
