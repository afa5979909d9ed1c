#include "text/text_trim.h"

#include "text/character_walk.h"

namespace vantrel {

namespace {

bool IsBlankAt(std::string_view bytes, int position, int width) {
    if (width == 1) return bytes[position] == ' ';
    return bytes.substr(position, 2) == "\xA1\xA1";  // the full-width space
}

}  // namespace

Text TrimText(const Text& text) {
    const std::string_view bytes = text.view();
    const int length = text.length();
    int begin = 0;
    while (begin < length && IsBlankAt(bytes, begin, CharacterWidth(bytes, begin))) {
        begin += CharacterWidth(bytes, begin);
    }
    int trailingBlanks = length;
    for (int p = begin; p < length;) {
        const int width = CharacterWidth(bytes, p);
        if (!IsBlankAt(bytes, p, width)) {
            trailingBlanks = length;
        } else if (trailingBlanks == length) {
            trailingBlanks = p;
        }
        p += width;
    }
    return Text(bytes.substr(begin, trailingBlanks - begin));
}

}  // namespace vantrel
