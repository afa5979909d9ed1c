#pragma once

#include "text/text.h"

namespace vantrel {

// Reads a leading decimal number the way the site's users type it: full-width digits and
// signs count as their ASCII forms, leading white space is skipped, an optional sign, then
// digits up to the first other byte, wrapping modulo 2^32. No digits give 0.
int ToInt(const Text& text);

Text IntToText(int value);

// Upper-case hexadecimal without prefix or leading zeros; a negative value gives its
// 32-bit two's complement.
Text ToHexText(int value);

}  // namespace vantrel
