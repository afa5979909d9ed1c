#pragma once

#include <optional>

#include "text/text.h"

namespace vantrel {

// Byte-counting operations: positions count bytes from 1 and may cut a two-byte character.
// A position or count out of range gives the empty Text, never a failure.

int TextLength(const Text& text);
Text TextLeft(const Text& text, int count);
Text TextRight(const Text& text, int count);
Text TextMid(const Text& text, int start, int count);

// 0 when equal; otherwise the sign of the first differing unsigned byte, a proper prefix
// sorting first.
int CompareText(const Text& first, const Text& second);

// count space bytes; empty when count < 1.
Text BlankText(int count);

// The byte at position (default 1) as a signed value; 0 outside the text.
int CharCode(const Text& text, std::optional<int> position = std::nullopt);

// One byte holding code modulo 256; code 0 gives the empty Text.
Text CharFromCode(int code);

template <class... Parts>
Text Concat(const Parts&... parts) {
    std::string joined;
    joined.reserve((parts.str().size() + ... + 0));
    (joined.append(parts.str()), ...);
    return Text(joined);
}

}  // namespace vantrel
