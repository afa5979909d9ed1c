#include "workflow/chapter_file_name.h"

#include <string_view>

#include "text/code_page.h"

namespace vantrel {

namespace {

constexpr std::string_view kExtension = ".mp3";
// Room for the extension and the ".part" suffix of the file being written, within the
// 255-byte name limit of common file systems.
constexpr std::size_t kMaxStemBytes = 255 - 4 - 5;

bool IsForbiddenInFileName(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F ||
           std::string_view("\\/:*?\"<>|").find(byte) != std::string_view::npos;
}

// UTF-8 continuation bytes never stand alone, so cutting before one would split a character.
std::string_view CutAtCharacterBoundary(std::string_view utf8, std::size_t maxBytes) {
    if (utf8.size() <= maxBytes) return utf8;
    std::size_t cut = maxBytes;
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80) --cut;
    return utf8.substr(0, cut);
}

std::string_view TrimSpacesAndDots(std::string_view name) {
    const auto first = name.find_first_not_of(" .");
    if (first == std::string_view::npos) return {};
    return name.substr(first, name.find_last_not_of(" .") - first + 1);
}

}  // namespace

std::string ChapterFileName(const Text& chapterName) {
    // Work on UTF-8: unlike GBK, none of its multi-byte characters contains an ASCII byte,
    // so a character such as 乗 (GBK 81 5C) cannot be mistaken for a backslash.
    std::string stem = TextToUtf8(chapterName);
    for (char& byte : stem) {
        if (IsForbiddenInFileName(static_cast<unsigned char>(byte))) byte = '_';
    }
    // Trim again after cutting: the cut may leave a space or dot at the end.
    const std::string_view safe =
        TrimSpacesAndDots(CutAtCharacterBoundary(TrimSpacesAndDots(stem), kMaxStemBytes));
    return std::string(safe.empty() ? std::string_view("_") : safe) + std::string(kExtension);
}

}  // namespace vantrel
