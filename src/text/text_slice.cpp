#include "text/text_slice.h"

#include <algorithm>

namespace vantrel {

int TextLength(const Text& text) { return text.length(); }

Text TextLeft(const Text& text, int count) {
    if (count <= 0) return Text();
    return Text(text.view().substr(0, count));
}

Text TextRight(const Text& text, int count) {
    if (count <= 0) return Text();
    const int kept = std::min(count, text.length());
    return Text(text.view().substr(text.length() - kept));
}

Text TextMid(const Text& text, int start, int count) {
    if (start < 1 || start > text.length() || count <= 0) return Text();
    return Text(text.view().substr(start - 1, count));
}

int CompareText(const Text& first, const Text& second) {
    // std::string_view compares as unsigned char through char_traits<char>.
    return first.view().compare(second.view());
}

Text BlankText(int count) { return count < 1 ? Text() : Text(std::string(count, ' ')); }

int CharCode(const Text& text, std::optional<int> position) {
    const int at = position.value_or(1);
    if (at < 1 || at > text.length()) return 0;
    return static_cast<signed char>(text.byte(at - 1));
}

Text CharFromCode(int code) {
    const char byte = static_cast<char>(static_cast<unsigned char>(code));
    return Text(std::string_view(&byte, 1));
}

}  // namespace vantrel
