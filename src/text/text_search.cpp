#include "text/text_search.h"

#include <algorithm>

#include "text/character_walk.h"

namespace vantrel {

int FindText(const Text& text, const Text& sought, std::optional<int> start, bool foldCase) {
    if (sought.empty()) return -1;
    const std::string_view bytes = text.view();
    const int length = text.length();
    const int last = length - sought.length();
    for (int p = start ? std::max(*start - 1, 0) : 0; p <= last; p += CharacterWidth(bytes, p)) {
        if (BytesMatchAt(bytes, p, sought.view(), foldCase)) return p + 1;
    }
    return -1;
}

int FindTextReverse(const Text& text, const Text& sought, std::optional<int> start, bool foldCase) {
    if (sought.empty()) return -1;
    const std::string_view bytes = text.view();
    const int region = start ? std::clamp(*start - 1, 0, text.length()) : text.length();
    int found = -1;
    for (int p = 0; p + sought.length() <= region; p += CharacterWidth(bytes, p)) {
        if (BytesMatchAt(bytes, p, sought.view(), foldCase)) found = p + 1;
    }
    return found;
}

}  // namespace vantrel
