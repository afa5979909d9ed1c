#pragma once

#include "text/text.h"

namespace vantrel {

// Change ASCII letters in one-byte characters only; both bytes of a two-byte character
// pass unchanged.
Text ToUpper(const Text& text);
Text ToLower(const Text& text);

}  // namespace vantrel
