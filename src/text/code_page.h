#pragma once

#include <string>
#include <string_view>

#include "text/bytes.h"
#include "text/text.h"

namespace vantrel {

// Code page numbers as the site's Windows users know them. The "ANSI" code page is fixed
// to GBK (936) on every platform, because that is what the site serves.
inline constexpr int kAnsiCodePage = 0;
inline constexpr int kGbkCodePage = 936;
inline constexpr int kUtf8CodePage = 65001;

// Bytes that form no valid character of the source are each replaced by U+FFFD, and a
// character the target cannot hold becomes "?" in GBK (U+FFFD in UTF-8); a conversion
// never stops early. An unknown code page gives the empty result.

// The UTF-16 units (little-endian) of text decoded with codePage, then one zero unit;
// empty for an empty text.
Bytes TextToUtf16(const Text& text, int codePage = kUtf8CodePage);

// The units of wide up to the first zero unit, encoded with codePage.
Text Utf16ToText(const Bytes& wide, int codePage = kAnsiCodePage);

// The UTF-8 bytes of a GBK text (held in a Text, since they contain no zero byte).
Text AnsiToUtf8(const Text& text);

// The one way a UTF-8 string (a source literal, a widget's text) becomes GBK Text.
Text Utf8ToText(std::string_view utf8);

// For everything outside the program that speaks UTF-8: the terminal, Qt, file names.
std::string TextToUtf8(const Text& text);

}  // namespace vantrel
