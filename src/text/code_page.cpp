#include "text/code_page.h"

#include <string>

#include "text/iconv_converter.h"

namespace vantrel {

namespace {

constexpr char kUtf16[] = "UTF-16LE";
constexpr char kReplacementCharacterUtf16[] = "\xFD\xFF";

std::string EncodingName(int codePage) {
    switch (codePage) {
        case kAnsiCodePage:
        case kGbkCodePage:
            return "CP936";  // GBK with 0x80 as the euro sign, as Windows has it
        case kUtf8CodePage:
            return "UTF-8";
        default:
            return "CP" + std::to_string(codePage);
    }
}

bool IsHighSurrogate(std::string_view utf16, std::size_t offset) {
    if (offset + 1 >= utf16.size()) return false;
    const unsigned unit = static_cast<unsigned char>(utf16[offset]) |
                          static_cast<unsigned char>(utf16[offset + 1]) << 8;
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// Source bytes that form no character each become U+FFFD, the way a lenient Windows
// conversion treats them; the conversion goes on after the bad byte.
std::string DecodeToUtf16(std::string_view input, const std::string& encoding) {
    IconvConverter converter(kUtf16, encoding.c_str());
    std::string utf16;
    if (!converter.valid()) return utf16;
    while (!converter.Convert(input, utf16)) {
        utf16.append(kReplacementCharacterUtf16, 2);
        input.remove_prefix(1);
    }
    return utf16;
}

// A character the target cannot hold becomes one replacement character: a surrogate pair
// is skipped whole.
std::string EncodeFromUtf16(std::string_view utf16, const std::string& encoding) {
    IconvConverter converter(encoding.c_str(), kUtf16);
    std::string encoded;
    if (!converter.valid()) return encoded;
    const std::string_view replacement = encoding == "UTF-8" ? "\xEF\xBF\xBD" : "?";
    while (!converter.Convert(utf16, encoded)) {
        encoded.append(replacement);
        utf16.remove_prefix(std::min<std::size_t>(IsHighSurrogate(utf16, 0) ? 4 : 2, utf16.size()));
    }
    return encoded;
}

std::string_view UpToZeroUnit(std::string_view utf16) {
    std::size_t units = 0;
    while (2 * units + 1 < utf16.size() && (utf16[2 * units] != 0 || utf16[2 * units + 1] != 0)) {
        ++units;
    }
    return utf16.substr(0, 2 * units);
}

}  // namespace

Bytes TextToUtf16(const Text& text, int codePage) {
    if (text.empty()) return Bytes();
    std::string utf16 = DecodeToUtf16(text.view(), EncodingName(codePage));
    if (utf16.empty()) return Bytes();
    utf16.append(2, '\0');
    return Bytes(utf16);
}

Text Utf16ToText(const Bytes& wide, int codePage) {
    return Text(EncodeFromUtf16(UpToZeroUnit(wide.view()), EncodingName(codePage)));
}

Text AnsiToUtf8(const Text& text) {
    return Utf16ToText(TextToUtf16(text, kGbkCodePage), kUtf8CodePage);
}

Text Utf8ToText(std::string_view utf8) {
    return Text(EncodeFromUtf16(DecodeToUtf16(utf8, "UTF-8"), EncodingName(kAnsiCodePage)));
}

std::string TextToUtf8(const Text& text) {
    return EncodeFromUtf16(DecodeToUtf16(text.view(), EncodingName(kAnsiCodePage)), "UTF-8");
}

}  // namespace vantrel
