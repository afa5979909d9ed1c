#include "text/text_split.h"

#include "text/character_walk.h"

namespace vantrel {

TextList SplitText(const Text& text, const std::optional<Text>& delimiter,
                   std::optional<int> maxItems) {
    TextList items;
    const int limit = maxItems.value_or(-1);
    if (text.empty() || (maxItems && limit <= 0)) return items;
    const Text separator = delimiter.value_or(Text(","));
    if (separator.empty()) {
        items.Append(text);
        return items;
    }

    const std::string_view bytes = text.view();
    int pieceStart = 0;
    int p = 0;
    while (p < text.length()) {
        if (BytesMatchAt(bytes, p, separator.view(), false)) {
            items.Append(Text(bytes.substr(pieceStart, p - pieceStart)));
            p += separator.length();
            pieceStart = p;
            if (items.Count() == limit) return items;
        } else {
            p += CharacterWidth(bytes, p);
        }
    }
    if (pieceStart < text.length()) items.Append(Text(bytes.substr(pieceStart)));
    return items;
}

}  // namespace vantrel
