#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace vantrel {

// Where the matches of one search lie in its subject, in UTF-16 units, kept so that the
// matches can be read any number of times without searching again.
class RegexMatches {
public:
    struct Span {
        std::size_t begin;
        std::size_t end;
        std::size_t length() const { return end - begin; }
    };

    // The offset the engine gives a group that took no part in a match.
    static constexpr std::size_t kUnset = std::numeric_limits<std::size_t>::max();

    explicit RegexMatches(int groupCount) : groupCount_(groupCount) {}

    // offsets holds begin and end of the whole match, then of each group in order.
    void Add(std::span<const std::size_t> offsets);

    int Count() const;
    int GroupCount() const { return groupCount_; }

    // match counts from 0; group 0 is the whole match. Nothing for a match or group that
    // does not exist or a group that took no part in the match.
    std::optional<Span> Group(int match, int group) const;

private:
    int SpansPerMatch() const { return groupCount_ + 1; }

    int groupCount_;
    std::vector<Span> spans_;
};

}  // namespace vantrel
