#pragma once

#include <string>
#include <string_view>

#include "text/regex_matches.h"

namespace vantrel {

// subject with every one of matches replaced by replacement, in UTF-16. The replacement
// understands VBScript's references: $1 to $99 (a group's text), $& (the whole match), $`
// and $' (the subject before and after the match) and $$ (one dollar sign); a dollar sign
// that starts none of them stands for itself.
std::u16string ReplaceMatches(std::u16string_view subject, const RegexMatches& matches,
                              std::u16string_view replacement);

}  // namespace vantrel
