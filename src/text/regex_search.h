#pragma once

#include <optional>
#include <string>

#include "text/regex_matches.h"

namespace vantrel {

struct RegexOptions {
    bool ignoreCase;
    bool multiline;
    bool global;
};

// Compiles pattern and collects its matches in subject, both in UTF-16, the way
// VBScript.RegExp's Execute does: `.` stops only at a line feed, `$` outside multi-line mode
// means the end of the subject, each search resumes where the previous match ended and an
// empty match moves the next search on by one character. Nothing for an invalid pattern or
// a search that ran into the engine's limits, so that a hostile page costs a bounded time.
std::optional<RegexMatches> FindMatches(const std::u16string& pattern,
                                        const std::u16string& subject, const RegexOptions& options);

}  // namespace vantrel
