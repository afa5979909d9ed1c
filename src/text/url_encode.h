#pragma once

#include "text/text.h"

namespace vantrel {

// Percent-encodes every byte as "%" and two upper-case hex digits. keepUnreserved leaves
// "-", ".", digits and ASCII letters as they are; asUtf8 encodes the UTF-8 form of the
// GBK text instead of its own bytes.
Text UrlEncode(const Text& text, bool keepUnreserved = false, bool asUtf8 = false);

}  // namespace vantrel
