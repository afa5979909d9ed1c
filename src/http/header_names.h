#pragma once

#include "text/text.h"

namespace vantrel {

// Rewrites a block of header lines joined by "\r\n" so that every header name has
// capital initials ("user-agent" becomes "User-Agent"); only those bytes change. Lines
// without a colon are dropped and no line break ends the result.
Text NormaliseHeaderNames(const Text& block);

// The text with its first byte upper-cased when that byte is a letter a to z.
Text CapitaliseFirst(const Text& text);

// The text after the first colon, trimmed of blanks; empty without a colon. On a whole
// block the result runs on across the following lines.
Text HeaderValue(const Text& text);

}  // namespace vantrel
