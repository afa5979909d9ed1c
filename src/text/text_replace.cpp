#include "text/text_replace.h"

#include <string>

#include "text/character_walk.h"

namespace vantrel {

Text ReplaceText(const Text& text, const Text& sought, const Text& replacement,
                 std::optional<int> start, std::optional<int> count, bool caseSensitive) {
    const int from = start && *start >= 1 ? *start - 1 : 0;
    const int limit = count.value_or(-1);
    if (text.empty() || sought.empty() || from >= text.length() || limit == 0) return text;

    const std::string_view bytes = text.view();
    std::string result(bytes.substr(0, from));
    int replaced = 0;
    int p = from;
    while (p < text.length() && replaced != limit) {
        if (BytesMatchAt(bytes, p, sought.view(), !caseSensitive)) {
            result += replacement.view();
            p += sought.length();
            ++replaced;
        } else {
            const int width = CharacterWidth(bytes, p);
            result += bytes.substr(p, width);
            p += width;
        }
    }
    result += bytes.substr(p);
    return Text(result);
}

}  // namespace vantrel
