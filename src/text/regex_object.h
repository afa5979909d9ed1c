#pragma once

#include <memory>
#include <optional>

#include "text/text.h"

namespace vantrel {

// One regular-expression engine bound to the result of its last search. Create compiles a
// pattern and runs it over a subject in one go; the read operations then look at that
// search's matches. Matching works on characters, not GBK bytes: a Chinese character in a
// pattern matches that character. No operation reports an error: an invalid pattern, a
// missing match or group, or a read before any Create gives 0 or the empty Text.
class RegexObject {
public:
    RegexObject();
    ~RegexObject();
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;

    // Replaces everything an earlier Create left. Defaults: case-insensitive, multi-line,
    // global. quoteToken replaces QuoteToken() in the pattern by a double quote. True when
    // the search ran, also when it found nothing; false for an invalid pattern or a search
    // that hit the engine's limits.
    bool Create(const Text& pattern, const Text& subject,
                std::optional<bool> caseSensitive = std::nullopt,
                std::optional<bool> multiline = std::nullopt,
                std::optional<bool> global = std::nullopt,
                std::optional<bool> quoteToken = std::nullopt);

    // The pattern of the last Create, after quote tokens were replaced.
    Text Pattern() const;

    // The last subject with the matches replaced; "$1" and "$&" refer to groups.
    Text Replace(const Text& replacement) const;

    int MatchCount() const;

    // match counts from 1. position, when asked for, receives a byte offset from 0 into the
    // subject, or -2 when the text is not found from the match's character offset on.
    Text MatchText(int match, int* position = nullptr) const;

    // submatch counts from 1; a group that took no part in the match gives the empty Text.
    Text SubmatchText(int match, int submatch, int* position = nullptr) const;

    // The number of capture groups reported for the first match; 0 without a match.
    int SubmatchCount() const;

private:
    struct Search;
    std::unique_ptr<Search> search_;
};

}  // namespace vantrel
