#pragma once

#include "text/bytes.h"
#include "text/text.h"

namespace vantrel {

Bytes TextToBytes(const Text& text);

// The bytes before the first zero byte, or all of them.
Text BytesToText(const Bytes& bytes);

int BytesLength(const Bytes& bytes);

// The first count bytes, count limited to 0..length.
Bytes BytesLeft(const Bytes& bytes, int count);

// Unlike TextMid, a start below 1 counts as 1.
Bytes BytesMid(const Bytes& bytes, int start, int count);

bool BytesEqual(const Bytes& first, const Bytes& second);

// count zero bytes; empty when count < 1.
Bytes BlankBytes(int count);

template <class... Parts>
Bytes BytesConcat(const Parts&... parts) {
    Bytes joined;
    joined.Reserve((parts.view().size() + ... + 0));
    (joined.Append(parts.view()), ...);
    return joined;
}

}  // namespace vantrel
