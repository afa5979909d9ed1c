#pragma once

#include "text/text.h"

namespace vantrel {

// The cookie list a response sets: the "name=value" part of every Set-Cookie line of the
// raw header text, in the order of the lines, joined by "; ". Header names are matched
// without regard to case, with or without a space after the colon.
Text CollectCookies(const Text& rawHeaders);

}  // namespace vantrel
