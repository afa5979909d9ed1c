#pragma once

#include "text/text.h"

namespace vantrel {

// The request header block is a Text of header lines joined by "\r\n". Every line added
// here gets "\r\n" in front and none after it, so the caller's own block decides whether
// the result ends with a line break.

// The agent the exchange names itself with: the value of the block's User-Agent line, or
// when that is empty the text after the block's first colon; the default agent when the
// block mentions no User-Agent at all.
Text RequestAgent(const Text& block);

// Adds the Accept, Referer and Accept-Language lines a browser sends, and for a POST the
// form Content-Type, each only when its name appears nowhere in the block.
Text CompleteHeaderBlock(Text block, const Text& url, int method);

// Appends the cookie list as a Cookie line, or as it stands when the caller passed a whole
// "Cookie:" line.
Text AppendCookieLine(const Text& block, const Text& cookies);

}  // namespace vantrel
