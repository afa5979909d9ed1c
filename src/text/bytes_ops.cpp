#include "text/bytes_ops.h"

#include <algorithm>
#include <string>

namespace vantrel {

Bytes TextToBytes(const Text& text) { return Bytes(text.view()); }

Text BytesToText(const Bytes& bytes) { return Text(bytes.view()); }

int BytesLength(const Bytes& bytes) { return bytes.length(); }

Bytes BytesLeft(const Bytes& bytes, int count) {
    return Bytes(bytes.view().substr(0, std::clamp(count, 0, bytes.length())));
}

Bytes BytesMid(const Bytes& bytes, int start, int count) {
    const int offset = std::clamp(start - 1, 0, bytes.length());
    return Bytes(
        bytes.view().substr(offset, std::min(std::max(count, 0), bytes.length() - offset)));
}

bool BytesEqual(const Bytes& first, const Bytes& second) { return first == second; }

Bytes BlankBytes(int count) { return count < 1 ? Bytes() : Bytes(std::string(count, '\0')); }

}  // namespace vantrel
