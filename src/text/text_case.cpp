#include "text/text_case.h"

#include <string>

#include "text/character_walk.h"

namespace vantrel {

namespace {

template <class ChangeByte>
Text ChangeSingleByteCharacters(const Text& text, ChangeByte change) {
    std::string result(text.view());
    for (int p = 0; p < text.length(); p += CharacterWidth(text.view(), p)) {
        if (CharacterWidth(text.view(), p) == 1) result[p] = change(text.byte(p));
    }
    return Text(result);
}

}  // namespace

Text ToUpper(const Text& text) {
    return ChangeSingleByteCharacters(text, [](unsigned char byte) {
        return static_cast<char>(byte >= 'a' && byte <= 'z' ? byte - ('a' - 'A') : byte);
    });
}

Text ToLower(const Text& text) {
    return ChangeSingleByteCharacters(
        text, [](unsigned char byte) { return static_cast<char>(FoldAsciiCase(byte)); });
}

}  // namespace vantrel
