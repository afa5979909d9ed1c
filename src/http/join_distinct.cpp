#include "http/join_distinct.h"

#include "text/bytes_ops.h"
#include "text/text_slice.h"
#include "text/text_split.h"

namespace vantrel {
namespace {

int CharacterStep(const Bytes& bytes, int position) {
    const int length = BytesLength(bytes);
    if (position == length) return 1;
    const auto byteAt = [&](int p) { return static_cast<unsigned char>(bytes.view()[p - 1]); };
    if (byteAt(position) > 0x80) return 2;
    if (byteAt(position) == '\r' && byteAt(position + 1) == '\n') return 2;
    return 1;
}

}  // namespace

Text JoinDistinct(const Text& text, const Text& separator, bool bySeparator) {
    TextList pieces;
    if (bySeparator) {
        pieces = SplitText(text, separator);
    } else {
        SplitCharacters(text, pieces);
    }
    TextList seen;
    Text out;
    for (const Text& piece : pieces) {
        if (IndexOfText(seen, piece) != -1) continue;
        seen.Append(piece);
        out += piece + separator;
    }
    return TextLeft(out, TextLength(out) - TextLength(separator));
}

int SplitCharacters(const Text& text, TextList& list) {
    list = TextList();
    const Bytes bytes = TextToBytes(text);
    for (int i = 1; i <= BytesLength(bytes);) {
        const int step = CharacterStep(bytes, i);
        list.Append(BytesToText(BytesMid(bytes, i, step)));
        i += step;
    }
    return list.Count();
}

int IndexOfText(const TextList& list, const Text& text) {
    int position = 1;
    for (const Text& item : list) {
        if (CompareText(item, text) == 0) return position;
        ++position;
    }
    return -1;
}

}  // namespace vantrel
