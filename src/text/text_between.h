#pragma once

#include "text/text.h"

namespace vantrel {

// The token that stands for a double quote in markers and patterns, where a quote would be
// awkward to write: "#引号" in GBK.
const Text& QuoteToken();

// Replaces every QuoteToken in text by a double quote, comparing case-sensitively.
Text ResolveQuoteTokens(const Text& text);

// The bytes between the first left marker found from position from on and the first right
// marker after it; empty when either is missing. QuoteToken in a marker matches '"'.
Text TextBetween(const Text& text, const Text& left, const Text& right, int from = 0,
                 bool ignoreCase = false);

// Every byte before the marker. A negative from searches backward: -1 from the end of the
// text (so a marker that is the text's last bytes is not found), -k from position n - k.
// The marker is searched for exactly as passed, QuoteToken included.
Text TextBefore(const Text& text, const Text& marker, int from = 0, bool ignoreCase = false);

}  // namespace vantrel
