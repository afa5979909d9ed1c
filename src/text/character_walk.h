#pragma once

#include <string_view>

namespace vantrel {

// GBK stepping shared by the searching operations: a byte of 0x80 or above starts a
// two-byte character, unless it is the last byte of the text.
inline int CharacterWidth(std::string_view text, int position) {
    const bool lead = static_cast<unsigned char>(text[position]) >= 0x80;
    return lead && position + 1 < static_cast<int>(text.size()) ? 2 : 1;
}

inline unsigned char FoldAsciiCase(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

// Compares sought with the bytes of text at position; folding applies to every byte, the
// second byte of a two-byte character included.
inline bool BytesMatchAt(std::string_view text, int position, std::string_view sought,
                         bool foldCase) {
    if (position + sought.size() > text.size()) return false;
    for (std::size_t i = 0; i < sought.size(); ++i) {
        auto a = static_cast<unsigned char>(text[position + i]);
        auto b = static_cast<unsigned char>(sought[i]);
        if (foldCase ? FoldAsciiCase(a) != FoldAsciiCase(b) : a != b) return false;
    }
    return true;
}

}  // namespace vantrel
