#include "text/regex_matches.h"

namespace vantrel {

void RegexMatches::Add(std::span<const std::size_t> offsets) {
    for (int group = 0; group < SpansPerMatch(); ++group) {
        spans_.push_back({offsets[2 * group], offsets[2 * group + 1]});
    }
}

int RegexMatches::Count() const { return static_cast<int>(spans_.size()) / SpansPerMatch(); }

std::optional<RegexMatches::Span> RegexMatches::Group(int match, int group) const {
    if (match < 0 || match >= Count() || group < 0 || group > groupCount_) return std::nullopt;
    const Span span = spans_[static_cast<std::size_t>(match) * SpansPerMatch() + group];
    if (span.begin == kUnset) return std::nullopt;
    return span;
}

}  // namespace vantrel
