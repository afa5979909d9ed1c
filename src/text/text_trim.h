#pragma once

#include "text/text.h"

namespace vantrel {

// Removes leading and trailing blanks: the ASCII space and the full-width space A1 A1
// only. Tabs and line breaks are kept.
Text TrimText(const Text& text);

}  // namespace vantrel
